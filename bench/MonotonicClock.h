// The one clock of the benchmarks: monotonic, in process and across processes
// (the start-up probes print it, the runner compares it with its own).
#pragma once

#include <chrono>
#include <ctime>

using MonotonicClock = std::chrono::steady_clock;

// Seconds from start until now.
inline double SecondsSince(MonotonicClock::time_point start) {
    return std::chrono::duration<double>(MonotonicClock::now() - start).count();
}

// Now, in nanoseconds of the system's monotonic clock (CLOCK_MONOTONIC).
inline long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}
