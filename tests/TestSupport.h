// Shared set-up of the unit tests: temporary catalogue folders made from SQL,
// and a design sheet started headless on the program's own start-up path.
#pragma once

#include "testing/HeadlessSheet.h"
#include "testing/TempCatalogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A design sheet started headless: the fixture owns the platform that records
// message boxes and dialogs, and Start makes the sheet.
class SheetTest : public ::testing::Test, protected HeadlessSheet {
  protected:
    std::string Text(int id) const { return sheet->Control(id).text; }
    std::vector<std::string> Items(int id) const { return sheet->Control(id).items; }
    bool Enabled(int id) const { return sheet->Control(id).enabled; }
};
