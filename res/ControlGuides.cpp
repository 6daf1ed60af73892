// The accessible name and help section of every control of the three windows.
//
// A name is unique in its window, says what the control acts on and holds
// the control's visible words, so a screen reader user hears "Head armour
// up, push button" where the sheet shows "U". The sections are the ids of
// doc/index.html's sections.

#include "res/ControlGuides.h"

#include "framework/Afx.h"
#include "res/resource.h"

// One row per control, as the templates list them.
// clang-format off
namespace {

constexpr char kTop[] = "context-131174"; // the sheet's own topic, the document's start

const ControlGuide kMainGuides[] = {
    {IDC_TONNAGE_UP, "Tonnage increase", "steppers"},
    {IDC_TONNAGE, "Tonnage", "steppers"},
    {IDC_TONNAGE_DOWN, "Tonnage decrease", "steppers"},
    {IDC_SPEED_UP, "Speed increase", "steppers"},
    {IDC_SPEED, "Speed", "steppers"},
    {IDC_SPEED_DOWN, "Speed decrease", "steppers"},
    {IDC_ARMOUR_UP, "Armour tonnage increase", "steppers"},
    {IDC_ARMOUR, "Armour tonnage", "steppers"},
    {IDC_ARMOUR_DOWN, "Armour tonnage decrease", "steppers"},
    {IDC_JUMPJETS_UP, "Jump jets increase", "steppers"},
    {IDC_JUMPJETS, "Jump jets", "steppers"},
    {IDC_JUMPJETS_DOWN, "Jump jets decrease", "steppers"},

    {IDC_MAX_HEAT_DISSIPATED, "Max heat dissipated", "internals"},
    {IDC_MAX_HEAT_GENERATED, "Max heat generated", "internals"},
    {IDC_TOTAL_DAMAGE, "Total damage", "internals"},

    {IDC_ADD_COMPONENT, "Add component", "placing"},
    {IDC_WEAPONS, "Weapons and components", "placing"},
    {IDC_ENGINE_HEATSINKS, "Heat sinks to be allocated from engine", "sinks"},

    {IDC_INTERNAL_HEAD, "Head internal armour", "internals"},
    {IDC_INTERNAL_TORSO, "Torso internal armour", "internals"},
    {IDC_INTERNAL_ARMS, "Arms internal armour", "internals"},
    {IDC_INTERNAL_LEGS, "Legs internal armour", "internals"},
    {IDC_INTERNAL_SIDETORSO, "Side torsos internal armour", "internals"},
    {IDC_TOTAL_INTERNAL, "Total internal armour value", "internals"},
    {IDC_INTERNAL_TONNAGE, "Internal armour tonnage", "internals"},
    {IDC_COCKPIT_TONNAGE, "Cockpit tonnage", "internals"},
    {IDC_GYRO_TONNAGE, "Gyro tonnage", "internals"},
    {IDC_LIFESUPPORT_TONNAGE, "Life support tonnage", "internals"},
    {IDC_ENGINE_TONNAGE, "Engine tonnage", "internals"},
    {IDC_ENGINE_NAME, "Engine name", "internals"},
    {IDC_ENGINE_RATING, "Engine rating", "internals"},

    {IDC_MAXIMISE_ARMOUR, "Maximise armour", "armour"},
    {IDC_BALANCE_ARMOUR, "Balance armour", "armour"},
    {IDC_ARMOUR_HEAD, "Head armour", "armour"},
    {IDC_UP_HEAD, "Head armour up", "armour"},
    {IDC_DOWN_HEAD, "Head armour down", "armour"},
    {IDC_ARMOUR_LTFRONT, "Left torso front armour", "armour"},
    {IDC_UP_LTFRONT, "Left torso front armour up", "armour"},
    {IDC_DOWN_LTFRONT, "Left torso front armour down", "armour"},
    {IDC_ARMOUR_CTFRONT, "Centre torso front armour", "armour"},
    {IDC_UP_CTFRONT, "Centre torso front armour up", "armour"},
    {IDC_DOWN_CTFRONT, "Centre torso front armour down", "armour"},
    {IDC_ARMOUR_RTFRONT, "Right torso front armour", "armour"},
    {IDC_UP_RTFRONT, "Right torso front armour up", "armour"},
    {IDC_DOWN_RTFRONT, "Right torso front armour down", "armour"},
    {IDC_ARMOUR_LTREAR, "Left torso rear armour", "armour"},
    {IDC_UP_LTREAR, "Left torso rear armour up", "armour"},
    {IDC_DOWN_LTREAR, "Left torso rear armour down", "armour"},
    {IDC_ARMOUR_CTREAR, "Centre torso rear armour", "armour"},
    {IDC_UP_CTREAR, "Centre torso rear armour up", "armour"},
    {IDC_DOWN_CTREAR, "Centre torso rear armour down", "armour"},
    {IDC_ARMOUR_RTREAR, "Right torso rear armour", "armour"},
    {IDC_UP_RTREAR, "Right torso rear armour up", "armour"},
    {IDC_DOWN_RTREAR, "Right torso rear armour down", "armour"},
    {IDC_ARMOUR_LA, "Left arm armour", "armour"},
    {IDC_UP_LA, "Left arm armour up", "armour"},
    {IDC_DOWN_LA, "Left arm armour down", "armour"},
    {IDC_ARMOUR_RA, "Right arm armour", "armour"},
    {IDC_UP_RA, "Right arm armour up", "armour"},
    {IDC_DOWN_RA, "Right arm armour down", "armour"},
    {IDC_ARMOUR_LL, "Left leg armour", "armour"},
    {IDC_UP_LL, "Left leg armour up", "armour"},
    {IDC_DOWN_LL, "Left leg armour down", "armour"},
    {IDC_ARMOUR_RL, "Right leg armour", "armour"},
    {IDC_UP_RL, "Right leg armour up", "armour"},
    {IDC_DOWN_RL, "Right leg armour down", "armour"},
    {IDC_ARMOUR_POINTS_REMAINING, "External armour points remaining", "armour"},
    {IDC_ARMOUR_FACTOR, "External armour factor", "armour"},

    {IDC_MOVE_COMPONENT, "Move component", "moving"},
    {IDC_LIST_HEAD, "Head critical slots", "placing"},
    {IDC_LIST_LEFTARM, "Left arm critical slots", "placing"},
    {IDC_LIST_LEFTTORSO, "Left torso critical slots", "placing"},
    {IDC_LIST_CENTRETORSO, "Centre torso critical slots", "placing"},
    {IDC_LIST_RIGHTTORSO, "Right torso critical slots", "placing"},
    {IDC_LIST_RIGHTARM, "Right arm critical slots", "placing"},
    {IDC_LIST_LEFTLEG, "Left leg critical slots", "placing"},
    {IDC_LIST_RIGHTLEG, "Right leg critical slots", "placing"},
    {IDC_CRITS_REMAINING, "Critical spaces remaining", "placing"},

    {IDC_ENDO_STEEL, "Endo steel internals", "options"},
    {IDC_DOUBLE_HEATSINKS, "Double heat sinks", "options"},
    {IDC_FERRO_FIBROUS, "Ferro fibrous armour", "options"},
    {IDC_XL_ENGINE, "XL engine", "options"},
    {IDC_TONNAGE_REMAINING, "Tonnage remaining", kTop},
};

const ControlGuide kAboutGuides[] = {
    {IDOK, "OK, close About Kestrav", "menus"},
};

const ControlGuide kDetailsGuides[] = {
    {IDC_DETAILS_NAME, "Name", "details"},
    {IDC_DETAILS_TECHLEVEL, "Tech level", "details"},
    {IDC_DETAILS_TONNAGE, "Tonnage", "details"},
    {IDC_DETAILS_CRITICALS, "Criticals", "details"},
    {IDC_DETAILS_HEAT, "Heat", "details"},
    {IDC_DETAILS_DAMAGE, "Damage", "details"},
    {IDC_DETAILS_MINIMUM, "Minimum range", "details"},
    {IDC_DETAILS_SHORT, "Short range", "details"},
    {IDC_DETAILS_MEDIUM, "Medium range", "details"},
    {IDC_DETAILS_LONG, "Long range", "details"},
    {IDC_DETAILS_COST, "Cost", "details"},
    {IDOK, "OK, close Equipment Details", "details"},
};

} // namespace
// clang-format on

std::span<const ControlGuide> MainControlGuides() {
    return kMainGuides;
}

std::span<const ControlGuide> AboutControlGuides() {
    return kAboutGuides;
}

std::span<const ControlGuide> EquipmentDetailsControlGuides() {
    return kDetailsGuides;
}
