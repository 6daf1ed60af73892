// The arithmetic the design rules share.
#pragma once

#include <cmath>

// The whole part of a number: its truncation toward zero (2.9 gives 2, -1.59 gives -1).
inline int WholePart(double value) {
    return static_cast<int>(std::trunc(value));
}

// Halves a tonnage by the half-ton rule: a whole tonnage is halved, any other
// has 0.5 added first (2.0 gives 1.0, 2.5 gives 1.5, 8.5 gives 4.5).
inline float HalveByHalfTonRule(float tonnage) {
    if (tonnage == std::trunc(tonnage)) return tonnage * 0.5f;
    return (tonnage + 0.5f) * 0.5f;
}
