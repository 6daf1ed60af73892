// Move Component: only entries with the whole name, a split "AC /20" whole,
// and a waiting component that goes back when another is moved and keeps its
// data through a removal.

#include "tests/CritsTestSupport.h"

namespace {

using MoveTest = CritsTest;

TEST_F(MoveTest, OnlyEntriesWithTheWholeNameAreMoved) {
    SetTonnageAndSpeed(100, 1);
    AddAndPlace("AC /20", IDC_LIST_LEFTTORSO);
    AddAndPlace("AC /2", IDC_LIST_LEFTTORSO);
    Select(IDC_LIST_LEFTTORSO, 10);
    Move();
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(10, "AC /20"));
    EXPECT_EQ(g_strPendingComponent, "AC /2");
}

TEST_F(MoveTest, ASplitAutocannonTwentyMovesWhole) {
    SetTonnageAndSpeed(100, 1);
    AddAndPlace("AC /20", IDC_LIST_RIGHTARM);
    Select(IDC_LIST_RIGHTTORSO, 1); // the part that ran on into the torso
    Move();
    EXPECT_EQ(Items(IDC_LIST_RIGHTARM), kFixedArm);
    EXPECT_TRUE(Items(IDC_LIST_RIGHTTORSO).empty());
    EXPECT_EQ(Remaining(), "83");
    Place(IDC_LIST_LEFTTORSO);
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(10, "AC /20"));
    EXPECT_EQ(Remaining(), "69");
    EXPECT_FALSE(Locked());
}

TEST_F(MoveTest, AnotherMovePutsTheWaitingComponentBackFirst) {
    AddAndPlace("SRM 6", IDC_LIST_LEFTTORSO);
    AddAndPlace("Small Laser", IDC_LIST_LEFTLEG);
    Fill(IDC_LIST_LEFTLEG, "CASE", 1); // LEFT LEG full
    Select(IDC_LIST_LEFTTORSO, 0);
    Move();
    // A click into the full leg is a refused placement, and selects the laser.
    Select(IDC_LIST_LEFTLEG, 4);
    EXPECT_EQ(Boxes(), Strings{kCannotFit});
    ASSERT_EQ(Selection(IDC_LIST_LEFTLEG), 4);
    Move();
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(2, "SRM 6"));
    EXPECT_EQ(g_strPendingComponent, "Small Laser");
    EXPECT_EQ(Count(IDC_LIST_LEFTLEG, "Small Laser"), 0);
    EXPECT_EQ(Remaining(), "1.5");
    EXPECT_TRUE(Locked());
}

TEST_F(MoveTest, ARemovalDuringAMoveDoesNotChangeTheWaitingComponent) {
    AddAndPlace("SRM 6", IDC_LIST_LEFTTORSO);
    AddAndPlace("Small Laser", IDC_LIST_LEFTLEG);
    Fill(IDC_LIST_LEFTLEG, "CASE", 1); // full, so a click there is refused
    Select(IDC_LIST_LEFTTORSO, 0);
    Move();
    Remove(IDC_LIST_LEFTLEG, 4); // refused placement, then the laser's removal
    EXPECT_EQ(Boxes(), Strings{kCannotFit});
    ASSERT_FLOAT_EQ(g_rsEquipment.m_Criticals, 0);
    Place(IDC_LIST_RIGHTTORSO);
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(2, "SRM 6"));
    EXPECT_EQ(Remaining(), "1.5");
    EXPECT_FALSE(Locked());
}

} // namespace
