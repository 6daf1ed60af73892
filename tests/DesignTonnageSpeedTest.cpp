// The TONNAGE and SPEED steppers: their limits, the engine, gyro, structure
// and heat-sink list following them, the jets reweighed by tonnage class, the
// armour sold when the tonnage falls, and a refused speed step that leaves the
// placed heat sinks where they are.

#include "design/JumpJetWeight.h"
#include "tests/DesignSheet.h"

namespace {

using TonnageSpeedTest = DesignSheetTest;

TEST_F(TonnageSpeedTest, TheTonnageStaysBetweenTenAndAHundredTons) {
    Click(IDC_TONNAGE_DOWN);
    EXPECT_EQ(Text(IDC_TONNAGE), "10");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");

    Click(IDC_TONNAGE_UP, 18);
    EXPECT_EQ(Text(IDC_TONNAGE), "100");
    Click(IDC_TONNAGE_UP);
    EXPECT_EQ(Text(IDC_TONNAGE), "100");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "100");
    Click(IDC_TONNAGE_DOWN, 19);
    EXPECT_EQ(Text(IDC_TONNAGE), "10");
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "Fusion 10");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TonnageSpeedTest, EngineGyroAndStructureFollowTheTonnage) {
    Reach(50, 1);
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "50");
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "Fusion 50");
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "1.5");
    EXPECT_EQ(Text(IDC_GYRO_TONNAGE), "1");
    EXPECT_EQ(Text(IDC_INTERNAL_TONNAGE), "5");
    EXPECT_EQ(Text(IDC_INTERNAL_TORSO), "16");
    EXPECT_EQ(Text(IDC_TOTAL_INTERNAL), "83");         // 16 + 2 x (12 + 8 + 12) + 3
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "39.5");    // 50 - 1.5 - 1 - 3 - 5
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS).size(), 8u); // 10 - 50 / 25

    Click(IDC_SPEED_UP, 2); // rating 150: 5.5 t engine, 2 t gyro, 4 sinks to place
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "5.5");
    EXPECT_EQ(Text(IDC_GYRO_TONNAGE), "2");
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(4, "Heat Sink"));
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "34.5");

    Click(IDC_TONNAGE_DOWN); // 45 t at speed 3: rating 135
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "135");
    EXPECT_EQ(Text(IDC_INTERNAL_TONNAGE), "4.5");
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS).size(), 5u);
    Click(IDC_SPEED_DOWN, 2);
    EXPECT_EQ(Text(IDC_SPEED), "1");
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS).size(), 9u);
    Click(IDC_SPEED_DOWN); // at speed 1: nothing
    EXPECT_EQ(Text(IDC_SPEED), "1");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TonnageSpeedTest, ARatingOfFourHundredIsReachedOnlyBySpeed) {
    Reach(95, 4); // rating 380
    Click(IDC_TONNAGE_UP);
    EXPECT_EQ(Text(IDC_TONNAGE), "95"); // 100 t would rate 400
    Click(IDC_SPEED_DOWN);
    Click(IDC_TONNAGE_UP);
    EXPECT_EQ(Text(IDC_TONNAGE), "100");
    Click(IDC_SPEED_UP);
    EXPECT_EQ(Text(IDC_SPEED), "4");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "400");
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "52.5");
    EXPECT_EQ(Text(IDC_GYRO_TONNAGE), "4");
    Click(IDC_SPEED_UP); // 500
    EXPECT_EQ(Text(IDC_SPEED), "4");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "400");

    // Refused at the rating limit while TONNAGE REMAINING is already below 0:
    // the speed is not lowered a second time.
    LeaveRemaining(-1.0f);
    Click(IDC_SPEED_UP);
    EXPECT_EQ(Text(IDC_SPEED), "4");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "-1");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TonnageSpeedTest, SpeedRisesWhileTheEngineLeavesTonnageRemainingAtZeroOrMore) {
    Click(IDC_SPEED_UP, 11); // rating 120: 10 - 4 - 2 - 3 - 1
    EXPECT_EQ(Text(IDC_SPEED), "12");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
    Click(IDC_SPEED_UP); // rating 130 would leave -0.5
    EXPECT_EQ(Text(IDC_SPEED), "12");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "120");
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "Fusion 120");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS).size(), 6u);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(TonnageSpeedTest, ASpeedStepRefusedForWeightKeepsThePlacedHeatSinks) {
    Click(IDC_SPEED_UP, 11); // rating 120: six sinks to place
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

    // A step that is taken does take them back, as the engine needs fewer.
    LeaveRemaining(1.0f);
    Click(IDC_SPEED_UP);
    EXPECT_EQ(Text(IDC_SPEED), "13");
    EXPECT_EQ(g_nSinksAllocated, 0);
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(5, "Heat Sink"));
    EXPECT_TRUE(Items(IDC_LIST_LEFTTORSO).empty());
}

TEST_F(TonnageSpeedTest, JumpJetsAreReweighedByTheNewTonnageClass) {
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

    for (auto [tons, weight] :
         {std::pair{10, 0.5f}, {55, 0.5f}, {60, 1.0f}, {85, 1.0f}, {90, 1.5f}, {100, 1.5f}})
        EXPECT_FLOAT_EQ(JumpJetWeight(tons), weight) << tons;
}

TEST_F(TonnageSpeedTest, SpeedDecreaseTakesAJetWhenThereAreAsManyAsTheSpeed) {
    Reach(50, 3);
    Click(IDC_JUMPJETS_UP, 3);
    ASSERT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(3, "Jump Jet"));
    const float before = sheet->m_fTonnageRemaining;
    Click(IDC_SPEED_DOWN);
    EXPECT_EQ(Text(IDC_SPEED), "2");
    EXPECT_EQ(Text(IDC_JUMPJETS), "2");
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(2, "Jump Jet"));
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 1.0f);
    // One jet (0.5 t) lighter and a 100-rated engine (3 t) instead of a 150 (5.5 t).
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, before + 0.5f + 2.5f + 1.0f);
}

TEST_F(TonnageSpeedTest, LoweringTheTonnageSellsArmourAboveWhatTheStructureCarries) {
    Click(IDC_TONNAGE_UP, 2); // 20 t: total internal 33
    Click(IDC_ARMOUR_UP, 9);
    ASSERT_EQ(Text(IDC_ARMOUR), "4.5"); // 72 points
    Click(IDC_UP_HEAD, 9);
    Click(IDC_UP_LA, 6); // 6 on each arm
    ASSERT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "51");

    Click(IDC_TONNAGE_DOWN); // 15 t: total 26, bound 67
    EXPECT_EQ(Text(IDC_ARMOUR), "4");
    EXPECT_EQ(Text(IDC_ARMOUR_FACTOR), "64");
    Click(IDC_TONNAGE_DOWN); // 10 t: total 19, bound 53
    EXPECT_EQ(Text(IDC_ARMOUR), "3");
    EXPECT_EQ(Text(IDC_ARMOUR_FACTOR), "48");
    EXPECT_EQ(Text(IDC_ARMOUR_HEAD), "9"); // 21 points fit in 48: none trimmed
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "6");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "1.5");

    Click(IDC_TONNAGE_UP); // rising leaves the armour alone
    EXPECT_EQ(Text(IDC_ARMOUR), "3");
}

} // namespace
