// A design sheet started on the project's catalogues, for the tests of the
// design rules: clicks through the sheet's own entry points, and shortcuts
// that stand in for rules built elsewhere (a heat sink placed from the engine
// list, slots filled by components).
#pragma once

#include "design/ProgramValues.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <string>
#include <vector>

using Strings = std::vector<std::string>;

class DesignSheetTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        Start();
    }

    void Click(int id, int times = 1) {
        for (int i = 0; i < times; ++i)
            sheet->ClickButton(id);
    }

    // Steps the tonnage and speed of a new design to the given values.
    void Reach(int tonnage, int speed) {
        Click(IDC_TONNAGE_UP, (tonnage - 10) / 5);
        Click(IDC_SPEED_UP, speed - 1);
        ASSERT_EQ(Text(IDC_TONNAGE), std::to_string(tonnage));
        ASSERT_EQ(Text(IDC_SPEED), std::to_string(speed));
    }

    // An engine heat sink taken from the engine list and placed, as the
    // placing rules do it.
    void PlaceEngineSink(CListBox& location) {
        location.AddString("Heat Sink");
        sheet->m_listEngineHeatSinks.DeleteString(0);
        ++g_nSinksAllocated;
        ++g_nHeatSinks;
    }

    // Fills a location list with component entries up to count entries.
    static void FillTo(CListBox& list, int count) {
        while (list.GetCount() < count)
            list.AddString("Medium Laser");
    }

    // Components of a weight that leaves `remaining` tons free (exactly, for
    // multiples of 0.5 t).
    void LeaveRemaining(float remaining) {
        g_fEquipmentTonnage = 0;
        sheet->RecalculateTonnage();
        g_fEquipmentTonnage = sheet->m_fTonnageRemaining - remaining;
        sheet->RecalculateTonnage();
    }

    int Int(int id) const { return std::stoi(Text(id)); }
};
