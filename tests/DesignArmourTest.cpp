// Armour, where a scenario would not show the rule plainly: the half ton of
// TONNAGE REMAINING a purchase needs, the trim when armour is sold (passes,
// then single points until the allocation fits), and Balance Armour's partner
// steps, which never overdraw the points remaining or push a partner past
// its bounds.

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
