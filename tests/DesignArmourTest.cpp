// Armour: bought and sold by the half ton, points spread with the U and D
// buttons within each location's bound, the trim when armour is sold, and
// Balance Armour's partner steps, which never overdraw the points remaining
// or push a partner past its bounds.

#include "tests/DesignSheet.h"

namespace {

class ArmourTest : public DesignSheetTest {
  protected:
    // 20 t: internal torso 6, side torsos 5, arms 3, legs 4; total 33. 4.5 t
    // of armour (72 points) is the most it buys.
    void AtTwentyTons(int armourClicks) {
        Click(IDC_TONNAGE_UP, 2);
        Click(IDC_ARMOUR_UP, armourClicks);
    }
    int Remaining() const { return Int(IDC_ARMOUR_POINTS_REMAINING); }
    void ExpectNoMessage() { EXPECT_TRUE(platform.boxes.empty()); }
};

TEST_F(ArmourTest, ArmourIsBoughtByTheHalfTonUpToTheStructuresBound) {
    ASSERT_EQ(Text(IDC_TOTAL_INTERNAL), "19"); // bound: 44 points, overshot by one half ton
    for (const char* tons : {"0.5", "1", "1.5", "2", "2.5", "3"}) {
        Click(IDC_ARMOUR_UP);
        EXPECT_EQ(Text(IDC_ARMOUR), tons);
    }
    Click(IDC_ARMOUR_UP);
    EXPECT_EQ(Text(IDC_ARMOUR), "3");
    EXPECT_EQ(Text(IDC_ARMOUR_FACTOR), "48");
    EXPECT_EQ(Remaining(), 48);
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "1.5");

    Click(IDC_ARMOUR_DOWN, 7); // the seventh sells nothing
    EXPECT_EQ(Text(IDC_ARMOUR), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_FACTOR), "0");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");
    ExpectNoMessage();
}

TEST_F(ArmourTest, NothingIsBoughtWithLessThanHalfATonRemaining) {
    LeaveRemaining(0.4f);
    Click(IDC_ARMOUR_UP);
    EXPECT_EQ(Text(IDC_ARMOUR), "0");
    LeaveRemaining(0.5f);
    Click(IDC_ARMOUR_UP);
    EXPECT_EQ(Text(IDC_ARMOUR), "0.5");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
    ExpectNoMessage();
}

TEST_F(ArmourTest, EachLocationStopsAtItsBound) {
    AtTwentyTons(9);
    Click(IDC_UP_HEAD, 12);
    EXPECT_EQ(Text(IDC_ARMOUR_HEAD), "9");
    Click(IDC_UP_CTREAR, 4);
    Click(IDC_UP_CTFRONT, 12); // front and rear share 2 x 6
    EXPECT_EQ(Text(IDC_ARMOUR_CTFRONT), "8");
    EXPECT_EQ(Text(IDC_ARMOUR_CTREAR), "4");
    Click(IDC_UP_RA, 9); // with its partner: 2 x 3 each
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "6");
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "6");
    Click(IDC_UP_LL, 9);
    EXPECT_EQ(Text(IDC_ARMOUR_LL), "8");
    EXPECT_EQ(Text(IDC_ARMOUR_RL), "8");
    Click(IDC_UP_RTREAR, 3);
    Click(IDC_UP_RTFRONT, 12); // 2 x 5 shared by each side torso's front and rear
    EXPECT_EQ(Text(IDC_ARMOUR_RTFRONT), "7");
    EXPECT_EQ(Text(IDC_ARMOUR_LTFRONT), "7");
    EXPECT_EQ(Text(IDC_ARMOUR_LTREAR), "3");
    EXPECT_EQ(Remaining(), 72 - 9 - 12 - 12 - 16 - 20);

    Click(IDC_DOWN_HEAD, 10); // a D step stops at 0
    EXPECT_EQ(Text(IDC_ARMOUR_HEAD), "0");
    EXPECT_EQ(Remaining(), 72 - 12 - 12 - 16 - 20);
    ExpectNoMessage();
}

TEST_F(ArmourTest, BalanceArmourMovesPartnersTogetherAndCanBeSwitchedOff) {
    AtTwentyTons(1);    // 8 points
    Click(IDC_DOWN_LA); // nothing allocated yet: nothing
    EXPECT_EQ(Remaining(), 8);
    Click(IDC_UP_LA, 2);
    ASSERT_EQ(Remaining(), 4);
    Click(IDC_UP_LA);
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "3");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "3");
    EXPECT_EQ(Remaining(), 2);
    Click(IDC_DOWN_RA);
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "2");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "2");
    EXPECT_EQ(Remaining(), 4);
    Click(IDC_UP_HEAD); // no partner
    EXPECT_EQ(Remaining(), 3);

    Click(IDC_BALANCE_ARMOUR);
    EXPECT_FALSE(Checked(IDC_BALANCE_ARMOUR));
    Click(IDC_UP_LA);
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "3");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "2");
    EXPECT_EQ(Remaining(), 2);
    Click(IDC_BALANCE_ARMOUR);
    EXPECT_TRUE(Checked(IDC_BALANCE_ARMOUR));
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "3"); // the switch itself moves no point

    Click(IDC_MAXIMISE_ARMOUR); // has no rule at all
    EXPECT_FALSE(Checked(IDC_MAXIMISE_ARMOUR));
    EXPECT_EQ(Remaining(), 2);
    ExpectNoMessage();
}

TEST_F(ArmourTest, APartnerStepNeverOverdrawsThePointsRemaining) {
    AtTwentyTons(1);
    Click(IDC_UP_LTFRONT, 3);
    ASSERT_EQ(Remaining(), 2);
    Click(IDC_UP_HEAD);
    ASSERT_EQ(Remaining(), 1);
    Click(IDC_UP_LA); // the last point goes to the left arm alone
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "1");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "0");
    EXPECT_EQ(Remaining(), 0);
    Click(IDC_UP_RA);
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "0");
    EXPECT_EQ(Remaining(), 0);
    ExpectNoMessage();
}

TEST_F(ArmourTest, APartnerStepKeepsThePartnerWithinItsBounds) {
    AtTwentyTons(9);
    Click(IDC_BALANCE_ARMOUR);
    Click(IDC_UP_LA, 6); // left arm at its bound, right arm at 0
    Click(IDC_UP_RTREAR, 10);
    Click(IDC_BALANCE_ARMOUR);
    ASSERT_EQ(Text(IDC_ARMOUR_RTREAR), "10");
    ASSERT_EQ(Remaining(), 56);

    Click(IDC_UP_RA); // the left arm stays at 6
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "1");
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "6");
    EXPECT_EQ(Remaining(), 55);
    Click(IDC_DOWN_LA, 2); // the right arm goes to 0 and no lower
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "4");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "0");
    EXPECT_EQ(Remaining(), 58);

    // The right torso's front and rear share 2 x 5, so its front cannot follow
    // the left torso's front.
    Click(IDC_UP_LTFRONT);
    EXPECT_EQ(Text(IDC_ARMOUR_LTFRONT), "1");
    EXPECT_EQ(Text(IDC_ARMOUR_RTFRONT), "0");
    EXPECT_EQ(Remaining(), 57);
    Click(IDC_DOWN_LTREAR); // 0: nothing to give back, partner untouched
    EXPECT_EQ(Text(IDC_ARMOUR_RTREAR), "10");
    EXPECT_EQ(Remaining(), 57);
    Click(IDC_DOWN_RTREAR);
    EXPECT_EQ(Text(IDC_ARMOUR_RTREAR), "9");
    EXPECT_EQ(Text(IDC_ARMOUR_LTREAR), "0");
    EXPECT_EQ(Remaining(), 58);
    ExpectNoMessage();
}

TEST_F(ArmourTest, SellingArmourTrimsEveryLocationAboveOnePointPassByPass) {
    AtTwentyTons(4); // 2.0 t, 32 points
    for (int id : {IDC_UP_LA, IDC_UP_LL, IDC_UP_LTFRONT, IDC_UP_LTREAR})
        Click(id, 3);
    Click(IDC_UP_HEAD, 3);
    Click(IDC_UP_CTFRONT, 3);
    ASSERT_EQ(Remaining(), 2); // ten locations at 3

    Click(IDC_ARMOUR_DOWN); // 1.5 t, 24 points: one pass takes all ten to 2
    EXPECT_EQ(Text(IDC_ARMOUR), "1.5");
    for (int id : {IDC_ARMOUR_LA, IDC_ARMOUR_RA, IDC_ARMOUR_LL, IDC_ARMOUR_RL, IDC_ARMOUR_HEAD,
                   IDC_ARMOUR_LTFRONT, IDC_ARMOUR_RTFRONT, IDC_ARMOUR_LTREAR, IDC_ARMOUR_RTREAR,
                   IDC_ARMOUR_CTFRONT})
        EXPECT_EQ(Text(id), "2") << id;
    EXPECT_EQ(Text(IDC_ARMOUR_CTREAR), "0");
    EXPECT_EQ(Remaining(), 4);
    ExpectNoMessage();
}

TEST_F(ArmourTest, SellingArmourLowersSinglePointsTooUntilTheAllocationFits) {
    Click(IDC_ARMOUR_UP, 2); // 1.0 t, 16 points
    for (int id : {IDC_UP_LA, IDC_UP_LL, IDC_UP_LTFRONT, IDC_UP_LTREAR, IDC_UP_HEAD, IDC_UP_CTFRONT,
                   IDC_UP_CTREAR})
        Click(id);
    ASSERT_EQ(Remaining(), 5); // a single point in each of the eleven locations

    Click(IDC_ARMOUR_DOWN); // 0.5 t buys 8: three single points go, in trim order
    EXPECT_EQ(Text(IDC_ARMOUR), "0.5");
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_LL), "0");
    for (int id : {IDC_ARMOUR_RL, IDC_ARMOUR_HEAD, IDC_ARMOUR_LTFRONT, IDC_ARMOUR_RTFRONT,
                   IDC_ARMOUR_LTREAR, IDC_ARMOUR_RTREAR, IDC_ARMOUR_CTFRONT, IDC_ARMOUR_CTREAR})
        EXPECT_EQ(Text(id), "1") << id;
    EXPECT_EQ(Remaining(), 0);

    Click(IDC_ARMOUR_DOWN); // none left: every point goes
    EXPECT_EQ(Text(IDC_ARMOUR), "0");
    EXPECT_EQ(Remaining(), 0);
    EXPECT_EQ(Text(IDC_ARMOUR_CTREAR), "0");
    ExpectNoMessage();
}

TEST_F(ArmourTest, APassThatLowersSomeLocationsIsFollowedBySinglePointsWhenStillTooMany) {
    Click(IDC_ARMOUR_UP, 2); // 16 points
    Click(IDC_UP_HEAD, 3);
    for (int id :
         {IDC_UP_LA, IDC_UP_LL, IDC_UP_LTFRONT, IDC_UP_LTREAR, IDC_UP_CTFRONT, IDC_UP_CTREAR})
        Click(id);
    ASSERT_EQ(Remaining(), 3); // head 3, the ten others 1

    // 8 points: two passes take the head down to 1 (11 allocated), then single
    // points go in trim order until 8 remain.
    Click(IDC_ARMOUR_DOWN);
    EXPECT_EQ(Text(IDC_ARMOUR_HEAD), "1");
    EXPECT_EQ(Text(IDC_ARMOUR_LA), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_LL), "0");
    EXPECT_EQ(Text(IDC_ARMOUR_RL), "1");
    EXPECT_EQ(Text(IDC_ARMOUR_LTFRONT), "1");
    EXPECT_EQ(Remaining(), 0);
}

} // namespace
