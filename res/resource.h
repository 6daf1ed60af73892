// Resource and control ids of Kestrav's windows, menus, strings and icon.
#pragma once

// Dialog templates, menu, string and icon.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_KESTRAV_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128; // the application icon
inline constexpr int IDR_MENU = 129;
inline constexpr int IDD_EQUIPMENT_DETAILS = 134;

// The About entry of the system menu.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Menu commands.
inline constexpr int ID_FILE_NEW = 32771;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_EXIT = 32775;
inline constexpr int ID_MECHTYPES_CLAN = 32779;
inline constexpr int ID_MECHTYPES_INNERSPHERE = 32780;
inline constexpr int ID_TECHLEVEL_1 = 32782;
inline constexpr int ID_TECHLEVEL_2 = 32783;
inline constexpr int ID_TECHLEVEL_3 = 32784;
inline constexpr int ID_APP_ABOUT = 100;

// Main window: the four steppers.
inline constexpr int IDC_TONNAGE_UP = 1001;
inline constexpr int IDC_TONNAGE = 1002;
inline constexpr int IDC_TONNAGE_DOWN = 1003;
inline constexpr int IDC_SPEED_UP = 1004;
inline constexpr int IDC_SPEED = 1005;
inline constexpr int IDC_SPEED_DOWN = 1006;
inline constexpr int IDC_ARMOUR_UP = 1007;
inline constexpr int IDC_ARMOUR = 1008;
inline constexpr int IDC_ARMOUR_DOWN = 1009;
inline constexpr int IDC_JUMPJETS_UP = 1013;
inline constexpr int IDC_JUMPJETS = 1014;
inline constexpr int IDC_JUMPJETS_DOWN = 1015;

// Internal structure and components.
inline constexpr int IDC_INTERNAL_HEAD = 1022;
inline constexpr int IDC_INTERNAL_TORSO = 1023;
inline constexpr int IDC_INTERNAL_ARMS = 1024;
inline constexpr int IDC_INTERNAL_SIDETORSO = 1025;
inline constexpr int IDC_TOTAL_INTERNAL = 1026;
inline constexpr int IDC_INTERNAL_TONNAGE = 1033;
inline constexpr int IDC_COCKPIT_TONNAGE = 1034;
inline constexpr int IDC_GYRO_TONNAGE = 1035;
inline constexpr int IDC_LIFESUPPORT_TONNAGE = 1036;
inline constexpr int IDC_ENGINE_TONNAGE = 1037;
inline constexpr int IDC_ENGINE_NAME = 1038;
inline constexpr int IDC_ENGINE_RATING = 1039;
inline constexpr int IDC_INTERNAL_LEGS = 1065;

// External armour.
inline constexpr int IDC_ARMOUR_CTFRONT = 1049;
inline constexpr int IDC_ARMOUR_HEAD = 1050;
inline constexpr int IDC_ARMOUR_CTREAR = 1051;
inline constexpr int IDC_ARMOUR_RA = 1052;
inline constexpr int IDC_ARMOUR_LA = 1053;
inline constexpr int IDC_ARMOUR_RL = 1054;
inline constexpr int IDC_ARMOUR_POINTS_REMAINING = 1055;
inline constexpr int IDC_ARMOUR_LL = 1057;
inline constexpr int IDC_ARMOUR_FACTOR = 1061;
inline constexpr int IDC_ARMOUR_LTFRONT = 1066;
inline constexpr int IDC_ARMOUR_RTFRONT = 1068;
inline constexpr int IDC_ARMOUR_LTREAR = 1070;
inline constexpr int IDC_ARMOUR_RTREAR = 1072;
inline constexpr int IDC_UP_HEAD = 1111;
inline constexpr int IDC_DOWN_HEAD = 1112;
inline constexpr int IDC_UP_LTFRONT = 1113;
inline constexpr int IDC_DOWN_LTFRONT = 1114;
inline constexpr int IDC_UP_CTFRONT = 1115;
inline constexpr int IDC_DOWN_CTFRONT = 1116;
inline constexpr int IDC_UP_RTFRONT = 1117;
inline constexpr int IDC_DOWN_RTFRONT = 1118;
inline constexpr int IDC_UP_LTREAR = 1119;
inline constexpr int IDC_DOWN_LTREAR = 1120;
inline constexpr int IDC_UP_CTREAR = 1121;
inline constexpr int IDC_DOWN_CTREAR = 1122;
inline constexpr int IDC_UP_RTREAR = 1123;
inline constexpr int IDC_DOWN_RTREAR = 1124;
inline constexpr int IDC_UP_LA = 1125;
inline constexpr int IDC_DOWN_LA = 1126;
inline constexpr int IDC_UP_RA = 1127;
inline constexpr int IDC_DOWN_RA = 1128;
inline constexpr int IDC_UP_LL = 1129;
inline constexpr int IDC_DOWN_LL = 1130;
inline constexpr int IDC_UP_RL = 1131;
inline constexpr int IDC_DOWN_RL = 1132;
inline constexpr int IDC_BALANCE_ARMOUR = 1133;
inline constexpr int IDC_MAXIMISE_ARMOUR = 1134;

// Components, critical locations and options.
inline constexpr int IDC_ADD_COMPONENT = 1058;
inline constexpr int IDC_MOVE_COMPONENT = 1059;
inline constexpr int IDC_TONNAGE_REMAINING = 1074;
inline constexpr int IDC_XL_ENGINE = 1092;
inline constexpr int IDC_FERRO_FIBROUS = 1093;
inline constexpr int IDC_ENDO_STEEL = 1094;
inline constexpr int IDC_DOUBLE_HEATSINKS = 1095;
inline constexpr int IDC_WEAPONS = 1098;
inline constexpr int IDC_LIST_HEAD = 1100;
inline constexpr int IDC_LIST_CENTRETORSO = 1101;
inline constexpr int IDC_LIST_LEFTARM = 1102;
inline constexpr int IDC_LIST_RIGHTTORSO = 1103;
inline constexpr int IDC_LIST_LEFTLEG = 1104;
inline constexpr int IDC_LIST_RIGHTLEG = 1105;
inline constexpr int IDC_LIST_LEFTTORSO = 1106;
inline constexpr int IDC_LIST_RIGHTARM = 1107;
inline constexpr int IDC_CRITS_REMAINING = 1109;
inline constexpr int IDC_ENGINE_HEATSINKS = 1110;

// The INFORMATION group.
inline constexpr int IDC_MAX_HEAT_DISSIPATED = 1138;
inline constexpr int IDC_MAX_HEAT_GENERATED = 1139;
inline constexpr int IDC_TOTAL_DAMAGE = 1140;

// Equipment Details box.
inline constexpr int IDC_DETAILS_NAME = 1134;
inline constexpr int IDC_DETAILS_TONNAGE = 1135;
inline constexpr int IDC_DETAILS_CRITICALS = 1136;
inline constexpr int IDC_DETAILS_SHORT = 1137;
inline constexpr int IDC_DETAILS_MEDIUM = 1138;
inline constexpr int IDC_DETAILS_LONG = 1139;
inline constexpr int IDC_DETAILS_MINIMUM = 1140;
inline constexpr int IDC_DETAILS_HEAT = 1141;
inline constexpr int IDC_DETAILS_DAMAGE = 1142;
inline constexpr int IDC_DETAILS_TECHLEVEL = 1143;
inline constexpr int IDC_DETAILS_COST = 1144;
