// What the placing, removing and moving rules ask of an entry's name, beside
// the location table (design/Locations.h).
#pragma once

#include "design/Locations.h"

#include <string>

// The fixed names the rules compare entries and pending names with.
inline constexpr char kHeatSink[] = "Heat Sink";
inline constexpr char kDoubleSink[] = "Double Sink";
inline constexpr char kHandActuator[] = "Hand Actuator";
inline constexpr char kAutocannon20[] = "AC /20"; // the one component that may spill
inline constexpr char kJumpJet[] = "Jump Jet";
inline constexpr char kEndoSteel[] = "Endo Steel";
inline constexpr char kFerroFibrous[] = "Ferro Fibrous";

// An entry that a move leaves where it is: the fixed entries, and an arm's hand.
inline bool StaysOnMove(const LocationRules& rules, const std::string& name) {
    return IsFixedEntry(rules, name) || (rules.isArm && name == kHandActuator);
}

// Entries put in by the jump-jet and option rules: one slot each, no catalogue record.
inline bool IsFillerEntry(const std::string& name) {
    return name == kJumpJet || name == kEndoSteel || name == kFerroFibrous;
}

// The slots one heat sink of that name takes: three for a double sink.
inline int HeatSinkSlots(const std::string& name) {
    return name == kDoubleSink ? 3 : 1;
}
