// The construction options: each on and off with its entries where the
// automatic placement order puts them, the refusals for want of slots, and
// the refusal to mix single and double heat sinks.

#include "tests/DesignSheet.h"

namespace {

const char kCaption[] = "EQUIPMENT ALLOCATION ERROR";
const char kNoRoom[] = "You do not have the critical spaces available";
const char kMixed[] =
    "You cannot mix single and double heat sinks.  Check heat sink type selection";

class OptionsTest : public DesignSheetTest {
  protected:
    // The one message box shown since the last check, with no icon.
    void ExpectMessage(const char* text) {
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].caption, kCaption);
        EXPECT_EQ(platform.boxes[0].text, text);
        EXPECT_EQ(platform.boxes[0].type, MB_OK);
        platform.boxes.clear();
    }
    // Every list's entries, to show that a refusal changed none.
    std::vector<Strings> AllLists() const {
        std::vector<Strings> lists;
        for (int id = IDC_LIST_HEAD; id <= IDC_LIST_RIGHTARM; ++id)
            lists.push_back(Items(id));
        lists.push_back(Items(IDC_ENGINE_HEATSINKS));
        return lists;
    }
};

TEST_F(OptionsTest, EndoSteelAndFerroFibrousFillFourteenSlotsInPlacementOrder) {
    Click(IDC_ENDO_STEEL);
    EXPECT_TRUE(Checked(IDC_ENDO_STEEL));
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(12, "Endo Steel"));
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(2, "Endo Steel"));
    EXPECT_EQ(Text(IDC_INTERNAL_TONNAGE), "0.5");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "5");

    Click(IDC_FERRO_FIBROUS);
    EXPECT_TRUE(Checked(IDC_FERRO_FIBROUS));
    Strings rightTorso(2, "Endo Steel");
    rightTorso.insert(rightTorso.end(), 10, "Ferro Fibrous");
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), rightTorso);
    EXPECT_EQ(sheet->m_listRightArm.GetCount(), 8);
    EXPECT_EQ(sheet->m_listRightArm.GetText(7), "Ferro Fibrous");
    EXPECT_EQ(sheet->FreeSlots(), 19);

    Click(IDC_ENDO_STEEL); // off: every entry goes, wherever it is
    EXPECT_FALSE(Checked(IDC_ENDO_STEEL));
    EXPECT_TRUE(Items(IDC_LIST_LEFTTORSO).empty());
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(10, "Ferro Fibrous"));
    EXPECT_EQ(Text(IDC_INTERNAL_TONNAGE), "1");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");

    Click(IDC_FERRO_FIBROUS);
    EXPECT_TRUE(Items(IDC_LIST_RIGHTTORSO).empty());
    EXPECT_EQ(sheet->m_listRightArm.GetCount(), 4);
    EXPECT_EQ(sheet->FreeSlots(), 47);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(OptionsTest, AFourteenSlotOptionNeedsFourteenFreeSlots) {
    FillTo(sheet->m_listLeftTorso, 12);
    FillTo(sheet->m_listRightTorso, 10);
    FillTo(sheet->m_listRightArm, 12);
    FillTo(sheet->m_listLeftArm, 8);
    ASSERT_EQ(sheet->FreeSlots(), 13);
    const auto lists = AllLists();
    Click(IDC_ENDO_STEEL);
    ExpectMessage(kNoRoom);
    EXPECT_FALSE(Checked(IDC_ENDO_STEEL));
    EXPECT_EQ(AllLists(), lists);
    EXPECT_EQ(Text(IDC_INTERNAL_TONNAGE), "1");
    Click(IDC_FERRO_FIBROUS);
    ExpectMessage(kNoRoom);
    EXPECT_FALSE(Checked(IDC_FERRO_FIBROUS));

    sheet->m_listLeftArm.DeleteString(7);
    Click(IDC_ENDO_STEEL);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(Checked(IDC_ENDO_STEEL));
    EXPECT_EQ(sheet->FreeSlots(), 0);
    EXPECT_EQ(Items(IDC_LIST_HEAD).back(), "Endo Steel");

    Click(IDC_ENDO_STEEL); // switching off is never refused
    EXPECT_FALSE(Checked(IDC_ENDO_STEEL));
    EXPECT_EQ(sheet->FreeSlots(), 14);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(OptionsTest, FerroFibrousOffKeepsTheAllocatedPoints) {
    Click(IDC_FERRO_FIBROUS);
    Click(IDC_ARMOUR_UP, 2);
    EXPECT_EQ(Text(IDC_ARMOUR_FACTOR), "18"); // 17.92 points a ton
    Click(IDC_BALANCE_ARMOUR);
    Click(IDC_UP_HEAD, 9);
    Click(IDC_UP_CTFRONT, 8);
    Click(IDC_UP_LA);
    ASSERT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "0");
    Click(IDC_FERRO_FIBROUS);
    EXPECT_EQ(Text(IDC_ARMOUR_FACTOR), "16");
    EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "-2");
    EXPECT_EQ(Text(IDC_ARMOUR_HEAD), "9");
    EXPECT_EQ(Text(IDC_ARMOUR), "1");
}

TEST_F(OptionsTest, TheXLEngineTakesThreeSlotsInEachSideTorsoAndHalvesTheEngine) {
    Reach(50, 4); // rating 200: an 8.5 t engine
    const float remaining = sheet->m_fTonnageRemaining;
    FillTo(sheet->m_listRightTorso, 10);
    Click(IDC_XL_ENGINE);
    ExpectMessage(kNoRoom);
    EXPECT_FALSE(Checked(IDC_XL_ENGINE));
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO).size(), 0u);
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "8.5");

    sheet->m_listRightTorso.DeleteString(0);
    FillTo(sheet->m_listLeftTorso, 9);
    Click(IDC_XL_ENGINE);
    EXPECT_TRUE(Checked(IDC_XL_ENGINE));
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO).size(), 12u);
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO).size(), 12u);
    EXPECT_EQ(sheet->m_listLeftTorso.GetText(9), "Engine");
    EXPECT_EQ(sheet->m_listRightTorso.GetText(11), "Engine");
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "4.5");
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, remaining + 4.0f);

    Click(IDC_XL_ENGINE);
    EXPECT_FALSE(Checked(IDC_XL_ENGINE));
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(9, "Medium Laser"));
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(9, "Medium Laser"));
    EXPECT_EQ(Items(IDC_LIST_CENTRETORSO).size(), 10u);
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "8.5");
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, remaining);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(OptionsTest, DoubleHeatSinksConvertTheEngineListButNeverMixWithPlacedSinks) {
    Click(IDC_SPEED_UP, 9); // rating 100: six sinks to place
    PlaceEngineSink(sheet->m_listLeftTorso);
    const auto lists = AllLists();
    Click(IDC_DOUBLE_HEATSINKS);
    ExpectMessage(kMixed);
    EXPECT_FALSE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_EQ(AllLists(), lists);

    sheet->m_listLeftTorso.DeleteString(0); // the placed sink given back
    sheet->m_listEngineHeatSinks.AddString("Heat Sink");
    g_nSinksAllocated = g_nHeatSinks = 0;
    Click(IDC_DOUBLE_HEATSINKS);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(6, "Double Sink"));
    Click(IDC_SPEED_DOWN); // the engine now fills its list with double sinks
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(7, "Double Sink"));

    g_nDoubleSinks = 1; // a double sink placed
    Click(IDC_DOUBLE_HEATSINKS);
    ExpectMessage(kMixed);
    EXPECT_TRUE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(7, "Double Sink"));

    g_nDoubleSinks = 0;
    Click(IDC_DOUBLE_HEATSINKS);
    EXPECT_FALSE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(7, "Heat Sink"));
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
