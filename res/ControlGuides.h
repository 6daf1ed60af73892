// What each control of Kestrav's three windows is called for a screen reader,
// and the section of the help document its F1 opens (res/ControlGuides.cpp).
#pragma once

#include "framework/DialogTemplate.h"

#include <span>

std::span<const ControlGuide> MainControlGuides();             // the design sheet
std::span<const ControlGuide> AboutControlGuides();            // About
std::span<const ControlGuide> EquipmentDetailsControlGuides(); // Equipment Details
