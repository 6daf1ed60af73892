// The TONNAGE and SPEED steppers, where a scenario would not show the rule
// plainly: a refused speed step leaves the placed heat sinks where they are,
// a step refused at the rating limit is not undone a second time, a lighter
// structure gives back the armour points above its bounds, and the jets are
// reweighed by tonnage class.

#include "design/JumpJetWeight.h"
#include "tests/DesignSheet.h"

namespace {

using TonnageSpeedTest = DesignSheetTest;

TEST_F(TonnageSpeedTest, ASpeedStepRefusedForWeightKeepsThePlacedHeatSinks) {
    Click(IDC_SPEED_UP, 11); // rating 120 leaves exactly 0 t and six sinks to place
    PlaceEngineSink(sheet->m_listRightArm);
    PlaceEngineSink(sheet->m_listLeftTorso);
    sheet->m_listLeftTorso.SetCurSel(0);
    const Strings rightArm = Items(IDC_LIST_RIGHTARM);

    Click(IDC_SPEED_UP); // rating 130 needs only five: the probe would take both back
    EXPECT_EQ(Text(IDC_SPEED), "12");
    EXPECT_EQ(Items(IDC_LIST_RIGHTARM), rightArm);
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings{"Heat Sink"});
    EXPECT_EQ(sheet->m_listLeftTorso.GetCurSel(), 0);
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(4, "Heat Sink"));
    EXPECT_EQ(g_nSinksAllocated, 2);
    EXPECT_EQ(g_nHeatSinks, 2);
    EXPECT_EQ(g_nSinksToAllocate, 6);
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
    EXPECT_TRUE(platform.boxes.empty());

    // A step that is taken does take them back, as the engine needs fewer.
    LeaveRemaining(1.0f);
    Click(IDC_SPEED_UP);
    EXPECT_EQ(Text(IDC_SPEED), "13");
    EXPECT_EQ(g_nSinksAllocated, 0);
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(5, "Heat Sink"));
    EXPECT_TRUE(Items(IDC_LIST_LEFTTORSO).empty());
}

TEST_F(TonnageSpeedTest, AStepRefusedAtTheRatingLimitKeepsTheSpeedEvenAboveTheWeight) {
    Reach(100, 4); // rating 400
    LeaveRemaining(-1.0f);
    Click(IDC_SPEED_UP);
    EXPECT_EQ(Text(IDC_SPEED), "4");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "400");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "-1");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TonnageSpeedTest, LoweringTheTonnageGivesBackPointsAboveTheNewBounds) {
    Click(IDC_TONNAGE_UP);   // 15 t: arms 2 x 2, side torsos 2 x 4, centre torso 2 x 5
    Click(IDC_ARMOUR_UP, 4); // 32 points
    Click(IDC_BALANCE_ARMOUR);
    Click(IDC_UP_LA, 3);
    Click(IDC_UP_LTFRONT, 4);
    Click(IDC_UP_LTREAR, 3);
    Click(IDC_UP_RTFRONT, 7);
    Click(IDC_UP_CTFRONT, 5);
    Click(IDC_UP_CTREAR, 4);
    ASSERT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "6");

    Click(IDC_TONNAGE_DOWN); // 10 t: arms 2 x 1, side torsos 2 x 3, centre torso 2 x 4
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "2");
    EXPECT_EQ(Text(IDC_ARMOUR_LTFRONT), "4"); // the rear gives way first
    EXPECT_EQ(Text(IDC_ARMOUR_LTREAR), "2");
    EXPECT_EQ(Text(IDC_ARMOUR_RTFRONT), "6"); // the front, when the rear has none
    EXPECT_EQ(Text(IDC_ARMOUR_RTREAR), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_CTFRONT), "5");
    EXPECT_EQ(Text(IDC_ARMOUR_CTREAR), "3");
    EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "10");
    EXPECT_EQ(Text(IDC_ARMOUR), "2"); // 32 points: within 2 x 19 + 15
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TonnageSpeedTest, JumpJetsAreReweighedByTheNewTonnageClass) {
    for (auto [tons, weight] :
         {std::pair{10, 0.5f}, {55, 0.5f}, {60, 1.0f}, {85, 1.0f}, {90, 1.5f}, {100, 1.5f}})
        EXPECT_FLOAT_EQ(JumpJetWeight(tons), weight) << tons;

    Reach(60, 2);
    Click(IDC_JUMPJETS_UP, 2);
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 2.0f);
    Click(IDC_TONNAGE_DOWN);
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 1.0f);
    Click(IDC_TONNAGE_UP, 6); // 85 t
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 2.0f);
    Click(IDC_TONNAGE_UP); // 90 t
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 3.0f);
    EXPECT_EQ(Text(IDC_JUMPJETS), "2");
}

} // namespace
