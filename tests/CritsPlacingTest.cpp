// Placing a pending component by a click into a location list: the hand,
// fit and tonnage tests in each location's order, an engine heat sink that
// must fit like any component, and a heat sink of the kind no longer in use.

#include "tests/CritsTestSupport.h"

namespace {

using PlacingTest = CritsTest;

TEST_F(PlacingTest, EachLocationMakesItsChecksInItsOwnOrder) {
    // "Large Laser": 5 t with 4.5 t left, 2 slots. A location that tests the
    // tonnage first reports the tonnage; one that tests the fit first, the fit.
    Fill(IDC_LIST_LEFTTORSO, "CASE", 12);
    Fill(IDC_LIST_RIGHTTORSO, "CASE", 12);
    Fill(IDC_LIST_RIGHTARM, "CASE", 8);
    Fill(IDC_LIST_LEFTLEG, "CASE", 2);
    Fill(IDC_LIST_RIGHTLEG, "CASE", 2);
    Fill(IDC_LIST_CENTRETORSO, "CASE", 2);
    Add("Large Laser");
    for (int id : {IDC_LIST_HEAD, IDC_LIST_CENTRETORSO, IDC_LIST_LEFTLEG, IDC_LIST_RIGHTLEG}) {
        Place(id);
        EXPECT_EQ(Boxes(), Strings{kNoTonnage}) << id;
    }
    for (int id : {IDC_LIST_LEFTTORSO, IDC_LIST_RIGHTTORSO, IDC_LIST_RIGHTARM}) {
        Place(id);
        EXPECT_EQ(Boxes(), Strings{kCannotFit}) << id;
    }
    EXPECT_EQ(g_strPendingComponent, "Large Laser");

    // The hand rule comes before the fit test in both arms.
    Fill(IDC_LIST_LEFTARM, "CASE", 8);
    sheet->m_listRightArm.DeleteString(3);
    sheet->m_listLeftArm.DeleteString(3);
    Add("Hand Actuator");
    sheet->m_listRightArm.InsertString(3, "Hand Actuator");
    sheet->m_listLeftArm.InsertString(3, "Hand Actuator");
    for (int id : {IDC_LIST_LEFTARM, IDC_LIST_RIGHTARM}) {
        Place(id);
        EXPECT_EQ(Boxes(),
                  Strings{"EQUIPMENT ALLOCATION ERROR: You can only have one hand per arm."});
    }
}

TEST_F(PlacingTest, AnEngineHeatSinkNeverOverfillsALocation) {
    // A full arm or leg refuses an engine sink like any other component.
    Fill(IDC_LIST_RIGHTARM, "CASE", 8);
    Fill(IDC_LIST_LEFTARM, "CASE", 8);
    Fill(IDC_LIST_LEFTLEG, "CASE", 2);
    TakeEngineSink();
    for (int id : {IDC_LIST_RIGHTARM, IDC_LIST_LEFTARM, IDC_LIST_LEFTLEG}) {
        Place(id);
        EXPECT_EQ(Boxes(), Strings{kCannotFit}) << id;
        EXPECT_LE(Items(id).size(), static_cast<std::size_t>(id == IDC_LIST_LEFTLEG ? 6 : 12));
    }
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS).size(), 10u);
    EXPECT_EQ(g_nSinksAllocated, 0);

    // L/ARM counts the three slots of a double sink, whatever the record holds.
    sheet->ClickButton(IDC_MOVE_COMPONENT); // (nothing selected: drops the pending sink)
    sheet->ClickButton(IDC_DOUBLE_HEATSINKS);
    AddAndPlace("Small Laser", IDC_LIST_LEFTTORSO); // leaves the record's values at 0
    sheet->m_listLeftArm.DeleteString(11);          // 11 entries: one slot free
    TakeEngineSink();
    Place(IDC_LIST_LEFTARM);
    EXPECT_EQ(Boxes(), Strings{kCannotFit});
    sheet->m_listLeftArm.DeleteString(10);
    sheet->m_listLeftArm.DeleteString(9); // three free
    TakeEngineSink();
    Place(IDC_LIST_LEFTARM);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Items(IDC_LIST_LEFTARM).size(), 12u);
    EXPECT_EQ(g_nDoubleSinks, 1);
}

TEST_F(PlacingTest, AHeatSinkOfTheKindNoLongerUsedIsRefused) {
    TakeEngineSink(); // "Heat Sink" pending
    sheet->ClickButton(IDC_DOUBLE_HEATSINKS);
    ASSERT_TRUE(Checked(IDC_DOUBLE_HEATSINKS));
    Place(IDC_LIST_RIGHTTORSO);
    EXPECT_EQ(Boxes(), Strings{"EQUIPMENT ALLOCATION ERROR: You cannot mix single and double heat "
                               "sinks.  Check heat sink type selection"});
    EXPECT_TRUE(Items(IDC_LIST_RIGHTTORSO).empty());
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(10, "Double Sink"));
    EXPECT_EQ(g_nHeatSinks, 0);
}

} // namespace
