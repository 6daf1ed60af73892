// The dialog templates, the menu bar and the string table of Kestrav; the
// controls' accessible names and help sections are in res/ControlGuides.cpp.
//
// Positions are in dialog units (x, y, width, height). The order of a
// template's controls is the keyboard focus order.

#include "res/Templates.h"

#include "framework/Afx.h"
#include "res/ControlGuides.h"
#include "res/resource.h"

// The tables read as the templates they are: no automatic layout.
// clang-format off
namespace {

using K = ControlKind;
namespace S = ControlStyle;

constexpr unsigned kHeading = S::Centred | S::Sunken;
constexpr unsigned kValue = S::Border | S::Centred;
// A location list: Delete removes its selected entry, as its double-click does.
constexpr unsigned kCritList = S::VScroll | S::Border | S::DeleteKey;
constexpr unsigned kSortedList = S::Sorted | S::VScroll | S::AlwaysScroll | S::Border;

const DialogItem kMainItems[] = {
    // The four steppers.
    {K::Static, IDC_STATIC, "TONNAGE", 10, 10, 55, 15, kHeading},
    {K::PushButton, IDC_TONNAGE_UP, "Increase", 15, 25, 45, 19, S::None},
    {K::Edit, IDC_TONNAGE, "", 25, 50, 24, 17, kValue},
    {K::PushButton, IDC_TONNAGE_DOWN, "Decrease", 15, 75, 45, 20, S::None},
    {K::Static, IDC_STATIC, "SPEED", 75, 10, 55, 15, kHeading},
    {K::PushButton, IDC_SPEED_UP, "Increase", 80, 25, 45, 19, S::None},
    {K::Edit, IDC_SPEED, "", 90, 50, 24, 17, kValue},
    {K::PushButton, IDC_SPEED_DOWN, "Decrease", 80, 75, 45, 20, S::None},
    {K::Static, IDC_STATIC, "ARMOUR", 140, 10, 55, 15, kHeading},
    {K::PushButton, IDC_ARMOUR_UP, "Increase", 145, 25, 45, 19, S::None},
    {K::Edit, IDC_ARMOUR, "", 155, 50, 24, 17, kValue},
    {K::PushButton, IDC_ARMOUR_DOWN, "Decrease", 145, 75, 45, 20, S::None},
    {K::Static, IDC_STATIC, "JUMP JETS", 205, 10, 55, 15, kHeading},
    {K::PushButton, IDC_JUMPJETS_UP, "Increase", 210, 25, 45, 19, S::None},
    {K::Edit, IDC_JUMPJETS, "", 220, 50, 24, 17, kValue},
    {K::PushButton, IDC_JUMPJETS_DOWN, "Decrease", 210, 75, 45, 20, S::None},

    // INFORMATION.
    {K::GroupBox, IDC_STATIC, "INFORMATION", 270, 10, 110, 85, S::None},
    {K::Static, IDC_STATIC, "Max Heat Disapated", 275, 25, 70, 15, S::None},
    {K::Edit, IDC_MAX_HEAT_DISSIPATED, "", 350, 25, 25, 15, kValue},
    {K::Static, IDC_STATIC, "Max Heat Generated", 275, 45, 70, 15, S::None},
    {K::Edit, IDC_MAX_HEAT_GENERATED, "", 350, 45, 25, 15, kValue},
    {K::Static, IDC_STATIC, "Total Damage", 275, 65, 70, 15, S::None},
    {K::Edit, IDC_TOTAL_DAMAGE, "", 350, 65, 25, 15, kValue},

    // Component picking.
    {K::PushButton, IDC_ADD_COMPONENT, "     Add Component", 405, 40, 50, 40, S::MultiLine},
    {K::Static, IDC_STATIC, "WEAPONS AND COMPONENTS", 460, 10, 125, 15, kHeading},
    {K::ListBox, IDC_WEAPONS, "", 465, 25, 120, 65, kSortedList},
    {K::Static, IDC_STATIC, "HEAT SINKS TO BE ALLOCATED FROM ENGINE", 595, 10, 80, 30, kHeading},
    {K::ListBox, IDC_ENGINE_HEATSINKS, "", 595, 45, 80, 45, kSortedList},

    // MECH INTERNAL ARMOUR.
    {K::GroupBox, IDC_STATIC, "MECH INTERNAL ARMOUR", 10, 100, 150, 145, S::None},
    {K::Static, IDC_STATIC, "Head", 15, 120, 95, 15, S::None},
    {K::Edit, IDC_INTERNAL_HEAD, "", 120, 120, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Torso", 15, 140, 95, 15, S::None},
    {K::Edit, IDC_INTERNAL_TORSO, "", 120, 140, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Left and Right Arms", 15, 160, 95, 15, S::None},
    {K::Edit, IDC_INTERNAL_ARMS, "", 120, 160, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Left and Right Legs", 15, 180, 95, 15, S::None},
    {K::Edit, IDC_INTERNAL_LEGS, "", 120, 180, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Left and Right Torso", 15, 200, 95, 15, S::None},
    {K::Edit, IDC_INTERNAL_SIDETORSO, "", 120, 200, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Total Internal Armour Value", 15, 220, 95, 15, S::None},
    {K::Edit, IDC_TOTAL_INTERNAL, "", 120, 220, 35, 15, kValue},

    // MECH INTERNAL COMPONENTS.
    {K::GroupBox, IDC_STATIC, "MECH INTERNAL COMPONENTS", 10, 255, 150, 170, S::None},
    {K::Static, IDC_STATIC, "Internal Armour Tonnage", 15, 275, 95, 15, S::None},
    {K::Edit, IDC_INTERNAL_TONNAGE, "", 120, 275, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Cockpit Tonnage", 15, 295, 95, 15, S::None},
    {K::Edit, IDC_COCKPIT_TONNAGE, "", 120, 295, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Gyro Tonnage", 15, 315, 95, 15, S::None},
    {K::Edit, IDC_GYRO_TONNAGE, "", 120, 315, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Life Support Tonnage", 15, 335, 95, 15, S::None},
    {K::Edit, IDC_LIFESUPPORT_TONNAGE, "", 120, 335, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Engine Tonnage", 15, 355, 95, 15, S::None},
    {K::Edit, IDC_ENGINE_TONNAGE, "", 120, 355, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Engine Name", 15, 375, 95, 15, S::None},
    {K::Edit, IDC_ENGINE_NAME, "", 120, 375, 35, 15, kValue},
    {K::Static, IDC_STATIC, "Engine Rating", 15, 395, 95, 15, S::None},
    {K::Edit, IDC_ENGINE_RATING, "", 120, 395, 35, 15, kValue},

    // MECH EXTERNAL ARMOUR, laid out like the body.
    {K::GroupBox, IDC_STATIC, "MECH EXTERNAL ARMOUR", 165, 100, 215, 325, S::None},
    {K::CheckBox, IDC_MAXIMISE_ARMOUR, "Maximise Armour", 175, 130, 55, 20, S::MultiLine},
    {K::CheckBox, IDC_BALANCE_ARMOUR, "Balance Armour", 315, 130, 55, 20, S::MultiLine},
    {K::Static, IDC_STATIC, "HEAD", 240, 120, 45, 15, S::Centred},
    {K::Edit, IDC_ARMOUR_HEAD, "", 240, 140, 45, 20, kValue},
    {K::PushButton, IDC_UP_HEAD, "U", 290, 140, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_HEAD, "D", 290, 150, 15, 10, S::None},
    {K::Static, IDC_STATIC, "LEFT TORSO FRONT", 170, 175, 65, 25, S::Centred},
    {K::Edit, IDC_ARMOUR_LTFRONT, "", 170, 205, 50, 20, kValue},
    {K::PushButton, IDC_UP_LTFRONT, "U", 220, 205, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_LTFRONT, "D", 220, 215, 15, 10, S::None},
    {K::Static, IDC_STATIC, "CENTRE TORSO FRONT", 240, 175, 65, 25, S::Centred},
    {K::Edit, IDC_ARMOUR_CTFRONT, "", 240, 205, 50, 20, kValue},
    {K::PushButton, IDC_UP_CTFRONT, "U", 290, 205, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_CTFRONT, "D", 290, 215, 15, 10, S::None},
    {K::Static, IDC_STATIC, "RIGHT TORSO FRONT", 310, 175, 65, 25, S::Centred},
    {K::Edit, IDC_ARMOUR_RTFRONT, "", 310, 205, 50, 20, kValue},
    {K::PushButton, IDC_UP_RTFRONT, "U", 360, 205, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_RTFRONT, "D", 360, 215, 15, 10, S::None},
    {K::Static, IDC_STATIC, "LEFT TORSO REAR", 170, 235, 65, 25, S::Centred},
    {K::Edit, IDC_ARMOUR_LTREAR, "", 170, 265, 50, 20, kValue},
    {K::PushButton, IDC_UP_LTREAR, "U", 220, 265, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_LTREAR, "D", 220, 275, 15, 10, S::None},
    {K::Static, IDC_STATIC, "CENTRE TORSO REAR", 240, 235, 65, 25, S::Centred},
    {K::Edit, IDC_ARMOUR_CTREAR, "", 240, 265, 50, 20, kValue},
    {K::PushButton, IDC_UP_CTREAR, "U", 290, 265, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_CTREAR, "D", 290, 275, 15, 10, S::None},
    {K::Static, IDC_STATIC, "RIGHT TORSO REAR", 310, 235, 65, 25, S::Centred},
    {K::Edit, IDC_ARMOUR_RTREAR, "", 310, 265, 50, 20, kValue},
    {K::PushButton, IDC_UP_RTREAR, "U", 360, 265, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_RTREAR, "D", 360, 275, 15, 10, S::None},
    {K::Static, IDC_STATIC, "LEFT ARM", 170, 295, 50, 15, S::Centred},
    {K::Edit, IDC_ARMOUR_LA, "", 170, 315, 50, 20, kValue},
    {K::PushButton, IDC_UP_LA, "U", 220, 315, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_LA, "D", 220, 325, 15, 10, S::None},
    {K::Static, IDC_STATIC, "RIGHT ARM", 310, 295, 50, 15, S::Centred},
    {K::Edit, IDC_ARMOUR_RA, "", 310, 315, 50, 20, kValue},
    {K::PushButton, IDC_UP_RA, "U", 360, 315, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_RA, "D", 360, 325, 15, 10, S::None},
    {K::Static, IDC_STATIC, "LEFT LEG", 200, 340, 50, 15, S::Centred},
    {K::Edit, IDC_ARMOUR_LL, "", 200, 360, 50, 20, kValue},
    {K::PushButton, IDC_UP_LL, "U", 250, 360, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_LL, "D", 250, 370, 15, 10, S::None},
    {K::Static, IDC_STATIC, "RIGHT LEG", 280, 340, 50, 15, S::Centred},
    {K::Edit, IDC_ARMOUR_RL, "", 280, 361, 50, 19, kValue},
    {K::PushButton, IDC_UP_RL, "U", 330, 361, 15, 10, S::None},
    {K::PushButton, IDC_DOWN_RL, "D", 330, 371, 15, 10, S::None},
    {K::Static, IDC_STATIC, "EXTERNAL ARMOUR POINTS REMAINING", 170, 385, 155, 15, S::None},
    {K::Edit, IDC_ARMOUR_POINTS_REMAINING, "", 330, 385, 45, 15, kValue},
    {K::Static, IDC_STATIC, "EXTERNAL ARMOUR FACTOR", 170, 405, 155, 15, S::None},
    {K::Edit, IDC_ARMOUR_FACTOR, "", 330, 405, 45, 15, kValue},

    // Critical locations.
    {K::Static, IDC_STATIC, "CRITICAL LOCATIONS", 475, 95, 105, 15, kHeading},
    {K::PushButton, IDC_MOVE_COMPONENT, "    Move Component", 440, 135, 50, 40, S::MultiLine},
    {K::Static, IDC_STATIC, "HEAD", 500, 110, 60, 15, kHeading},
    {K::ListBox, IDC_LIST_HEAD, "", 500, 125, 60, 55, S::Border | S::DeleteKey},
    {K::Static, IDC_STATIC, "L/ARM", 385, 180, 50, 15, kHeading},
    {K::ListBox, IDC_LIST_LEFTARM, "", 385, 195, 50, 100, kCritList},
    {K::Static, IDC_STATIC, "L/TORSO", 440, 180, 50, 15, kHeading},
    {K::ListBox, IDC_LIST_LEFTTORSO, "", 440, 195, 50, 100, kCritList},
    {K::Static, IDC_STATIC, "C/TORSO", 500, 180, 60, 15, kHeading},
    {K::ListBox, IDC_LIST_CENTRETORSO, "", 500, 195, 60, 100, kCritList},
    {K::Static, IDC_STATIC, "R/TORSO", 570, 180, 50, 15, kHeading},
    {K::ListBox, IDC_LIST_RIGHTTORSO, "", 570, 195, 50, 100, kCritList},
    {K::Static, IDC_STATIC, "R/ARM", 625, 180, 50, 15, kHeading},
    {K::ListBox, IDC_LIST_RIGHTARM, "", 625, 195, 50, 100, kCritList},
    {K::Static, IDC_STATIC, "LEFT LEG", 425, 300, 80, 15, kHeading},
    {K::ListBox, IDC_LIST_LEFTLEG, "", 425, 315, 80, 54, kCritList},
    {K::Static, IDC_STATIC, "RIGHT LEG", 555, 300, 80, 15, kHeading},
    {K::ListBox, IDC_LIST_RIGHTLEG, "", 555, 315, 80, 54, kCritList},
    {K::Static, IDC_STATIC, "CRITICAL SPACES REMAINING", 435, 375, 115, 15, S::None},
    {K::Edit, IDC_CRITS_REMAINING, "", 555, 375, 45, 15, kValue},

    // Options and total.
    {K::CheckBox, IDC_ENDO_STEEL, "Endo Steel Internals", 390, 390, 85, 15, S::None},
    {K::CheckBox, IDC_DOUBLE_HEATSINKS, "DoubleHeat Sinks", 390, 410, 85, 15, S::None},
    {K::CheckBox, IDC_FERRO_FIBROUS, "Ferro Fibrous Armour", 480, 390, 85, 15, S::None},
    {K::CheckBox, IDC_XL_ENGINE, "XL Engine", 480, 410, 85, 15, S::None},
    {K::Static, IDC_STATIC, "TONNAGE REMAINING", 570, 390, 95, 15, S::None},
    {K::Edit, IDC_TONNAGE_REMAINING, "", 570, 410, 95, 15, kValue},
};

// Alt+1 to Alt+8 give a location list the focus directly (a placement
// request, as a click into it is), numbered in the sheet's focus order: head,
// then the arms and torsos from left to right, then the legs.
const AccessKey kMainAccessKeys[] = {
    {'1', IDC_LIST_HEAD},        {'2', IDC_LIST_LEFTARM},     {'3', IDC_LIST_LEFTTORSO},
    {'4', IDC_LIST_CENTRETORSO}, {'5', IDC_LIST_RIGHTTORSO},  {'6', IDC_LIST_RIGHTARM},
    {'7', IDC_LIST_LEFTLEG},     {'8', IDC_LIST_RIGHTLEG},
};

const DialogItem kAboutItems[] = {
    {K::Icon, IDC_STATIC, "", 11, 17, 20, 20, S::None},
    {K::Static, IDC_STATIC, "Kestrav Version 1.0", 40, 10, 119, 8, 0},
    {K::Static, IDC_STATIC, "A design sheet for walking Mechs.", 40, 25, 119, 8, S::None},
    {K::PushButton, IDOK, "OK", 178, 7, 32, 14, S::DefaultButton},
};

const DialogItem kDetailsItems[] = {
    {K::Static, IDC_STATIC, "NAME", 10, 10, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_NAME, "", 105, 10, 80, 15, kValue},
    {K::Static, IDC_STATIC, "TECH LEVEL", 10, 30, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_TECHLEVEL, "", 135, 30, 25, 15, kValue},
    {K::Static, IDC_STATIC, "TONNAGE", 10, 50, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_TONNAGE, "", 135, 50, 25, 15, kValue},
    {K::Static, IDC_STATIC, "CRITICALS", 10, 70, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_CRITICALS, "", 135, 70, 25, 15, kValue},
    {K::Static, IDC_STATIC, "HEAT", 10, 90, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_HEAT, "", 135, 90, 25, 15, kValue},
    {K::Static, IDC_STATIC, "DAMAGE", 10, 110, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_DAMAGE, "", 135, 110, 25, 15, kValue},
    {K::Static, IDC_STATIC, "Min", 90, 130, 25, 15, S::Centred},
    {K::Static, IDC_STATIC, "Short", 120, 130, 25, 15, S::Centred},
    {K::Static, IDC_STATIC, "Med", 150, 130, 25, 15, S::Centred},
    {K::Static, IDC_STATIC, "Long", 180, 130, 25, 15, S::Centred},
    {K::Static, IDC_STATIC, "RANGES", 10, 150, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_MINIMUM, "", 90, 150, 25, 15, kValue},
    {K::Edit, IDC_DETAILS_SHORT, "", 120, 150, 25, 15, kValue},
    {K::Edit, IDC_DETAILS_MEDIUM, "", 150, 150, 25, 15, kValue},
    {K::Edit, IDC_DETAILS_LONG, "", 180, 150, 25, 15, kValue},
    {K::Static, IDC_STATIC, "COST", 10, 170, 71, 15, S::None},
    {K::Edit, IDC_DETAILS_COST, "", 105, 170, 80, 15, kValue},
    {K::PushButton, IDOK, "OK", 155, 195, 50, 14, S::DefaultButton},
};

constexpr unsigned kPopup = DialogStyle::Caption | DialogStyle::SysMenu | DialogStyle::ModalFrame;

} // namespace

const DialogTemplate& MainDialogTemplate() {
    static const DialogTemplate t{IDD_KESTRAV_DIALOG, "Kestrav", 677, 436, "MS Sans Serif", 8,
                                  kPopup | DialogStyle::MinimizeBox, kMainItems,
                                  kMainAccessKeys, MainControlGuides()};
    return t;
}

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate t{IDD_ABOUTBOX, "About Kestrav", 217, 55, "MS Sans Serif", 8,
                                  kPopup, kAboutItems, {}, AboutControlGuides()};
    return t;
}

const DialogTemplate& EquipmentDetailsDialogTemplate() {
    static const DialogTemplate t{IDD_EQUIPMENT_DETAILS, "Equipment Details", 213, 212,
                                  "MS Sans Serif", 8, kPopup, kDetailsItems, {},
                                  EquipmentDetailsControlGuides()};
    return t;
}

// A title's ampersand marks its access key (Alt+F, Alt+M, Alt+H open the
// menus): the letter is shown underlined, the ampersand not at all.
const MenuTemplate& MainMenu() {
    using M = MenuItem;
    static const MenuTemplate menu{
        IDR_MENU,
        {
            M{M::Popup, "&File", 0, false, false,
              {M{M::Command, "New", ID_FILE_NEW}, M{M::Command, "Open", ID_FILE_OPEN},
               M{M::Command, "Save", ID_FILE_SAVE}, M{M::Command, "Save As", ID_FILE_SAVE_AS},
               M{M::Separator, ""}, M{M::Command, "Print", ID_FILE_PRINT}, M{M::Separator, ""},
               M{M::Command, "Exit", ID_FILE_EXIT}}},
            M{M::Popup, "&Mech Types", 0, false, false,
              {M{M::Command, "Clan Mechs", ID_MECHTYPES_CLAN, false, true},
               M{M::Command, "Inner Sphere", ID_MECHTYPES_INNERSPHERE, true, false},
               M{M::Separator, ""},
               M{M::Popup, "Technology Level", 0, false, false,
                 {M{M::Command, "Level 1", ID_TECHLEVEL_1}, M{M::Command, "Level 2", ID_TECHLEVEL_2},
                  M{M::Command, "Level 3", ID_TECHLEVEL_3}}}}},
            M{M::Popup, "&Help", 0, false, false,
              {M{M::Command, "Help", ID_HELP}, M{M::Separator, ""},
               M{M::Command, "About", ID_APP_ABOUT}}},
        }};
    return menu;
}

std::string LoadAboutString() { return "&About Kestrav..."; }
// clang-format on
