// The one table of how the eight critical locations differ.
//
// Placing, removing and moving a component are one procedure each; what
// varies by location is here: the shape of its slots (HEAD takes one slot per
// component, C/TORSO and the legs keep a component whole, the arms and side
// torsos let an "AC /20" run on into their spill partner and take double heat
// sinks from the engine), the order of the placing checks, and the fixed
// entries that never leave. Capacities are CKestravDlg::Capacity.
#pragma once

#include "design/KestravDlg.h"
#include "res/resource.h"

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The fixed names the rules compare entries and pending names with.
inline constexpr char kHeatSink[] = "Heat Sink";
inline constexpr char kDoubleSink[] = "Double Sink";
inline constexpr char kHandActuator[] = "Hand Actuator";
inline constexpr char kAutocannon20[] = "AC /20"; // the one component that may spill
inline constexpr char kJumpJet[] = "Jump Jet";
inline constexpr char kEndoSteel[] = "Endo Steel";
inline constexpr char kFerroFibrous[] = "Ferro Fibrous";

// The checks of a placement request, in the order a location makes them.
enum class PlacingStep {
    EngineSink, // a heat sink from the engine list goes in free
    Focus,      // the focus leaves the list, so a later click is a new request
    Hand,       // one hand per arm
    Fit,        // free slots
    Tonnage,    // TONNAGE REMAINING
    Done,       // (pads the shorter orders)
};

enum class SlotShape {
    OneSlot,  // HEAD: components of at most one slot, one entry each; no double sinks
    Closed,   // C/TORSO, legs: all of a component's entries here; no double sinks
    Spilling, // arms, side torsos: an "AC /20" may run on into the spill partner
};

struct LocationRules {
    Location location;
    int listId;
    SlotShape shape;
    std::optional<Location> spill; // the list an "AC /20" runs on into
    bool isArm;                    // hand rule, hand insertion, the hand stays on a move
    std::array<PlacingStep, 5> order;
    std::array<std::string_view, 4> fixed; // entries that are never removed or moved
};

namespace location_rules_detail {
using enum PlacingStep;
using L = Location;
inline constexpr std::array<LocationRules, 8> kTable{{
    {L::Head,
     IDC_LIST_HEAD,
     SlotShape::OneSlot,
     std::nullopt,
     false,
     {EngineSink, Focus, Tonnage, Fit, Done},
     {"Life Support", "Cockpit", "Sensors"}},
    {L::CentreTorso,
     IDC_LIST_CENTRETORSO,
     SlotShape::Closed,
     std::nullopt,
     false,
     {EngineSink, Focus, Tonnage, Fit, Done},
     {"Gyro", "Engine"}},
    {L::LeftArm,
     IDC_LIST_LEFTARM,
     SlotShape::Spilling,
     L::LeftTorso,
     true,
     {Focus, Hand, Fit, EngineSink, Tonnage},
     {"Upper Arm Actuator", "Lower Arm Actuator", "Shoulder"}},
    {L::RightTorso,
     IDC_LIST_RIGHTTORSO,
     SlotShape::Spilling,
     L::CentreTorso,
     false,
     {EngineSink, Focus, Fit, Tonnage, Done},
     {"Engine"}},
    {L::LeftLeg,
     IDC_LIST_LEFTLEG,
     SlotShape::Closed,
     std::nullopt,
     false,
     {EngineSink, Focus, Tonnage, Fit, Done},
     {"Upper Leg Actuator", "Lower Leg Actuator", "Foot Actuator", "Hip"}},
    {L::RightLeg,
     IDC_LIST_RIGHTLEG,
     SlotShape::Closed,
     std::nullopt,
     false,
     {EngineSink, Focus, Tonnage, Fit, Done},
     {"Upper Leg Actuator", "Lower Leg Actuator", "Foot Actuator", "Hip"}},
    {L::LeftTorso,
     IDC_LIST_LEFTTORSO,
     SlotShape::Spilling,
     L::CentreTorso,
     false,
     {EngineSink, Focus, Fit, Tonnage, Done},
     {"Engine"}},
    {L::RightArm,
     IDC_LIST_RIGHTARM,
     SlotShape::Spilling,
     L::RightTorso,
     true,
     {EngineSink, Focus, Hand, Fit, Tonnage},
     {"Upper Arm Actuator", "Lower Arm Actuator", "Shoulder"}},
}};
} // namespace location_rules_detail

inline const LocationRules& RulesFor(Location location) {
    return location_rules_detail::kTable[static_cast<std::size_t>(location)];
}

// The location whose list has that control id.
inline Location LocationOfList(int listId) {
    for (const LocationRules& rules : location_rules_detail::kTable)
        if (rules.listId == listId) return rules.location;
    throw std::logic_error("no location has list " + std::to_string(listId));
}

// A fixed entry of the location: never removed.
inline bool IsFixedEntry(const LocationRules& rules, const std::string& name) {
    for (std::string_view fixed : rules.fixed)
        if (!fixed.empty() && fixed == name) return true;
    return false;
}

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
