// Add Component: what becomes pending (also with nothing chosen), and the
// heat-sink counters, which count only the sinks that stand in the locations.

#include "tests/CritsTestSupport.h"

namespace {

using AddComponentTest = CritsTest;

TEST_F(AddComponentTest, TheChosenComponentBecomesPendingOnItsRecord) {
    Add("Large Laser");
    EXPECT_EQ(g_strPendingComponent, "Large Laser");
    EXPECT_EQ(g_rsEquipment.m_Item, "Large Laser");
    EXPECT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 5);
    EXPECT_FLOAT_EQ(g_rsEquipment.m_Criticals, 2);
    EXPECT_EQ(Remaining(), "4.5"); // nothing placed yet
    Add("Small Laser");            // a second Add replaces it
    EXPECT_EQ(g_strPendingComponent, "Small Laser");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AddComponentTest, WithNothingSelectedThePendingComponentIsCheckedAgain) {
    // Nothing selected and nothing pending: nothing happens, and no error.
    sheet->ClickButton(IDC_ADD_COMPONENT);
    EXPECT_TRUE(g_strPendingComponent.empty());
    EXPECT_TRUE(Boxes().empty());

    // A pending component keeps pending, its record found again.
    Add("SRM 6");
    // A removal sets the record's values to 0 (a double-click into a list that
    // already has the focus: no placement request first).
    sheet->DoubleClickList(IDC_LIST_LEFTARM, 3);
    ASSERT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 0);
    sheet->m_listWeapons.SetCurSel(-1);
    sheet->ClickButton(IDC_ADD_COMPONENT);
    EXPECT_EQ(g_strPendingComponent, "SRM 6");
    EXPECT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 3);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AddComponentTest, HeatSinkCountersFollowTheSinksInTheLocations) {
    // Added twice and then replaced by another component: nothing counted, and
    // the DoubleHeat Sinks option is free to switch.
    Add("Heat Sink");
    Add("Heat Sink");
    EXPECT_EQ(g_nHeatSinks, 0);
    AddAndPlace("Small Laser", IDC_LIST_LEFTTORSO);
    sheet->ClickButton(IDC_DOUBLE_HEATSINKS);
    EXPECT_TRUE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_TRUE(Boxes().empty());
    sheet->ClickButton(IDC_DOUBLE_HEATSINKS);
    ASSERT_FALSE(Checked(IDC_DOUBLE_HEATSINKS));

    // Placed, it counts and blocks the option; removed, it no longer does.
    AddAndPlace("Heat Sink", IDC_LIST_LEFTTORSO);
    EXPECT_EQ(g_nHeatSinks, 1);
    sheet->ClickButton(IDC_DOUBLE_HEATSINKS);
    EXPECT_FALSE(Checked(IDC_DOUBLE_HEATSINKS));
    EXPECT_EQ(Boxes().size(), 1u);
    Remove(IDC_LIST_LEFTTORSO, 1);
    EXPECT_EQ(g_nHeatSinks, 0);
    sheet->ClickButton(IDC_DOUBLE_HEATSINKS);
    EXPECT_TRUE(Checked(IDC_DOUBLE_HEATSINKS));
}

} // namespace
