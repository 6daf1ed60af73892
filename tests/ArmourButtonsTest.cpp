// The 22 armour U and D buttons, each on its own location: one point onto the
// location and back, and with Balance Armour on, the partner on the other side
// of the mech moving with it.

#include "res/resource.h"
#include "tests/TestSupport.h"

namespace {

struct ArmourButtons {
    const char* location;
    int up, down, points;
    int partnerPoints; // 0: no partner
};

const ArmourButtons kButtons[] = {
    {"HEAD", IDC_UP_HEAD, IDC_DOWN_HEAD, IDC_ARMOUR_HEAD, 0},
    {"LEFT TORSO FRONT", IDC_UP_LTFRONT, IDC_DOWN_LTFRONT, IDC_ARMOUR_LTFRONT, IDC_ARMOUR_RTFRONT},
    {"CENTRE TORSO FRONT", IDC_UP_CTFRONT, IDC_DOWN_CTFRONT, IDC_ARMOUR_CTFRONT, 0},
    {"RIGHT TORSO FRONT", IDC_UP_RTFRONT, IDC_DOWN_RTFRONT, IDC_ARMOUR_RTFRONT, IDC_ARMOUR_LTFRONT},
    {"LEFT TORSO REAR", IDC_UP_LTREAR, IDC_DOWN_LTREAR, IDC_ARMOUR_LTREAR, IDC_ARMOUR_RTREAR},
    {"CENTRE TORSO REAR", IDC_UP_CTREAR, IDC_DOWN_CTREAR, IDC_ARMOUR_CTREAR, 0},
    {"RIGHT TORSO REAR", IDC_UP_RTREAR, IDC_DOWN_RTREAR, IDC_ARMOUR_RTREAR, IDC_ARMOUR_LTREAR},
    {"LEFT ARM", IDC_UP_LA, IDC_DOWN_LA, IDC_ARMOUR_LA, IDC_ARMOUR_RA},
    {"RIGHT ARM", IDC_UP_RA, IDC_DOWN_RA, IDC_ARMOUR_RA, IDC_ARMOUR_LA},
    {"LEFT LEG", IDC_UP_LL, IDC_DOWN_LL, IDC_ARMOUR_LL, IDC_ARMOUR_RL},
    {"RIGHT LEG", IDC_UP_RL, IDC_DOWN_RL, IDC_ARMOUR_RL, IDC_ARMOUR_LL},
};

class ArmourButtonsTest : public SheetTest {
  protected:
    // A 50 t mech with one ton of armour: 16 points to spread.
    void SetUp() override {
        SheetTest::SetUp();
        Start();
        for (int i = 0; i < 8; ++i)
            sheet->ClickButton(IDC_TONNAGE_UP);
        sheet->ClickButton(IDC_ARMOUR_UP);
        sheet->ClickButton(IDC_ARMOUR_UP);
        ASSERT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "16");
    }
};

TEST_F(ArmourButtonsTest, EachButtonMovesItsOwnLocationAndBalanceMovesThePartnerToo) {
    for (bool balance : {true, false}) {
        for (const ArmourButtons& b : kButtons) {
            SCOPED_TRACE(std::string(b.location) + (balance ? ", balanced" : ""));
            const bool withPartner = balance && b.partnerPoints != 0;
            auto partner = [&] { return b.partnerPoints ? Text(b.partnerPoints) : "0"; };
            sheet->ClickButton(b.up);
            EXPECT_EQ(Text(b.points), "1");
            EXPECT_EQ(partner(), withPartner ? "1" : "0");
            EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), withPartner ? "14" : "15");
            sheet->ClickButton(b.down);
            EXPECT_EQ(Text(b.points), "0");
            EXPECT_EQ(partner(), "0");
            EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "16");
        }
        sheet->ClickButton(IDC_BALANCE_ARMOUR); // off for the second round
    }
}

} // namespace
