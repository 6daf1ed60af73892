// The one table of the eight critical locations and of every order the rules
// visit them in.
//
// A row holds what differs by location: its list and control id, how many
// slots it has, the shape of its slots (HEAD takes one slot per component,
// C/TORSO and the legs keep a component whole, the arms and side torsos let an
// "AC /20" run on into their spill partner and take double heat sinks from
// the engine), the order of its placing checks, its fixed entries, and its
// place (1 = first) in each order below. The orders are derived from the
// rows, so a location's part in all of them reads on one line.
//
// The armour locations are another set, with their own table (Armour.cpp).
#pragma once

#include "design/KestravDlg.h"
#include "design/Names.h"
#include "res/resource.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

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
    CListBox CKestravDlg::*list;
    int listId;
    int capacity;
    SlotShape shape;
    std::optional<Location> spill; // the list an "AC /20" runs on into
    bool isArm;                    // hand rule, hand insertion, the hand stays on a move
    std::array<PlacingStep, 5> order;
    std::array<std::string_view, 4> fixed;      // entries that are never removed or moved
    std::array<std::string_view, 10> newDesign; // the entries of a new design, top first
    // Places in the orders (0: not in that order).
    int placement;         // filler entries go to the first with a free slot
    int fillerRemoval;     // fillers come out of the first that holds one
    int moveSearch;        // Move Component moves the selection of the first
    int sinkTakeBack;      // placed engine sinks go back from the first
    bool takesBackDoubles; // ... double sinks too, right after its single ones
    int spillPath;         // L/ARM -> L/TORSO -> C/TORSO <- R/TORSO <- R/ARM
};

// The table is a member of a friend of the sheet, since it names the lists.
struct Locations {
    static constexpr std::array<LocationRules, 8> kTable = [] {
        using enum PlacingStep;
        using L = Location;
        using S = SlotShape;
        using D = CKestravDlg;
        constexpr std::array<std::string_view, 4> kArmFixed{kUpperArmActuator, kLowerArmActuator,
                                                            kShoulder};
        constexpr std::array<std::string_view, 10> kArm{kShoulder, kUpperArmActuator,
                                                        kLowerArmActuator, kHandActuator};
        constexpr std::array<std::string_view, 4> kLegFixed{kUpperLegActuator, kLowerLegActuator,
                                                            kFootActuator, kHip};
        constexpr std::array<std::string_view, 10> kLeg{kHip, kUpperLegActuator, kLowerLegActuator,
                                                        kFootActuator};
        // clang-format off
        return std::array<LocationRules, 8>{{
            // location, list, id, capacity, shape, spill, arm, placing checks,
            // fixed entries, new design;
            // placement, filler removal, move search, sink take-back, doubles, spill path
            {L::Head, &D::m_listHead, IDC_LIST_HEAD, 6, S::OneSlot, std::nullopt, false,
             {EngineSink, Focus, Tonnage, Fit, Done},
             {kLifeSupport, kCockpit, kSensors},
             {kLifeSupport, kSensors, kCockpit, kSensors, kLifeSupport},
             8, 8, 8, 7, false, 0},
            {L::CentreTorso, &D::m_listCentreTorso, IDC_LIST_CENTRETORSO, 12, S::Closed,
             std::nullopt, false,
             {EngineSink, Focus, Tonnage, Fit, Done},
             {kGyro, kEngine},
             {kEngine, kEngine, kEngine, kGyro, kGyro, kGyro, kGyro, kEngine, kEngine,
              kEngine},
             7, 7, 7, 8, false, 3},
            {L::LeftArm, &D::m_listLeftArm, IDC_LIST_LEFTARM, 12, S::Spilling, L::LeftTorso, true,
             {Focus, Hand, Fit, EngineSink, Tonnage},
             kArmFixed, kArm,
             4, 3, 3, 1, true, 1},
            {L::RightTorso, &D::m_listRightTorso, IDC_LIST_RIGHTTORSO, 12, S::Spilling,
             L::CentreTorso, false,
             {EngineSink, Focus, Fit, Tonnage, Done},
             {kEngine}, {},
             2, 2, 2, 4, true, 4},
            {L::LeftLeg, &D::m_listLeftLeg, IDC_LIST_LEFTLEG, 6, S::Closed, std::nullopt, false,
             {EngineSink, Focus, Tonnage, Fit, Done},
             kLegFixed, kLeg,
             6, 5, 5, 5, false, 0},
            {L::RightLeg, &D::m_listRightLeg, IDC_LIST_RIGHTLEG, 6, S::Closed, std::nullopt,
             false,
             {EngineSink, Focus, Tonnage, Fit, Done},
             kLegFixed, kLeg,
             5, 6, 6, 6, false, 0},
            {L::LeftTorso, &D::m_listLeftTorso, IDC_LIST_LEFTTORSO, 12, S::Spilling,
             L::CentreTorso, false,
             {EngineSink, Focus, Fit, Tonnage, Done},
             {kEngine}, {},
             1, 1, 1, 3, true, 2},
            {L::RightArm, &D::m_listRightArm, IDC_LIST_RIGHTARM, 12, S::Spilling, L::RightTorso,
             true,
             {EngineSink, Focus, Hand, Fit, Tonnage},
             kArmFixed, kArm,
             3, 4, 4, 2, true, 5},
        }};
        // clang-format on
    }();
};

inline const LocationRules& RulesFor(Location location) {
    return Locations::kTable[static_cast<std::size_t>(location)];
}

// The locations that have a place in one order, in that order.
template <std::size_t N>
constexpr std::array<Location, N> LocationsInOrder(int LocationRules::*place) {
    std::array<Location, N> order{};
    std::size_t n = 0;
    for (int at = 1; n < N; ++at)
        for (const LocationRules& rules : Locations::kTable)
            if (rules.*place == at) order[n++] = rules.location;
    return order;
}

inline constexpr auto kPlacementOrder = LocationsInOrder<8>(&LocationRules::placement);
inline constexpr auto kFillerRemovalOrder = LocationsInOrder<8>(&LocationRules::fillerRemoval);
inline constexpr auto kMoveSearchOrder = LocationsInOrder<8>(&LocationRules::moveSearch);
inline constexpr auto kSinkTakeBackOrder = LocationsInOrder<8>(&LocationRules::sinkTakeBack);
inline constexpr auto kSpillPath = LocationsInOrder<5>(&LocationRules::spillPath);

// The position of a location on the spill path.
inline std::optional<int> SpillPathIndex(Location location) {
    const int place = RulesFor(location).spillPath;
    if (place == 0) return std::nullopt;
    return place - 1;
}

// The location whose list has that control id.
inline Location LocationOfList(int listId) {
    for (const LocationRules& rules : Locations::kTable)
        if (rules.listId == listId) return rules.location;
    throw std::logic_error("no location has list " + std::to_string(listId));
}

// A fixed entry of the location: never removed.
inline bool IsFixedEntry(const LocationRules& rules, const std::string& name) {
    return std::any_of(rules.fixed.begin(), rules.fixed.end(),
                       [&name](std::string_view fixed) { return !fixed.empty() && fixed == name; });
}

// An entry that a move leaves where it is: the fixed entries, and an arm's hand.
inline bool StaysOnMove(const LocationRules& rules, const std::string& name) {
    return IsFixedEntry(rules, name) || (rules.isArm && name == kHandActuator);
}
