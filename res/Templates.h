// Kestrav's resources as data: the three dialog templates, menu 129 and string 101.
#pragma once

#include "framework/DialogTemplate.h"

#include <string>

const DialogTemplate& MainDialogTemplate();             // 102, the design sheet
const DialogTemplate& AboutDialogTemplate();            // 100
const DialogTemplate& EquipmentDetailsDialogTemplate(); // 134
const MenuTemplate& MainMenu();                         // 129
// String resource 101: the system menu's About entry (empty: no entry).
std::string LoadAboutString();
