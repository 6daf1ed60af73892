// Removing a component by a double-click on one of its entries: option
// fillers and jump jets stay in every location, only entries with the whole
// name leave, of two "AC /20" sharing a torso one leaves whole, and a
// heat sink the engine does not owe gives its catalogue tonnage back.

#include "tests/CritsTestSupport.h"

namespace {

using RemovingTest = CritsTest;

TEST_F(RemovingTest, OptionFillersAndJumpJetsAreLeftToTheirOwnRules) {
    // In every location, whether or not the catalogue knows the name.
    Fill(IDC_LIST_LEFTARM, "Endo Steel", 1);
    Fill(IDC_LIST_RIGHTARM, "Endo Steel", 1);
    Fill(IDC_LIST_HEAD, "Ferro Fibrous", 1);
    Fill(IDC_LIST_RIGHTTORSO, "Ferro Fibrous", 1);
    Fill(IDC_LIST_LEFTTORSO, "Jump Jet", 1);
    Fill(IDC_LIST_RIGHTLEG, "Jump Jet", 1);
    const DialogState before = sheet->State();
    const struct {
        int list;
        int row;
        const char* text;
    } fillers[] = {
        {IDC_LIST_LEFTARM, 4, "Remove that item by unchecking the box."},
        {IDC_LIST_RIGHTARM, 4, "Remove that item by unchecking the box."},
        {IDC_LIST_HEAD, 5, "Remove that item by unchecking the box."},
        {IDC_LIST_RIGHTTORSO, 0, "Remove that item by unchecking the box."},
        {IDC_LIST_LEFTTORSO, 0, "Remove jump jets with the JUMP JETS Decrease button."},
        {IDC_LIST_RIGHTLEG, 4, "Remove jump jets with the JUMP JETS Decrease button."},
    };
    for (const auto& filler : fillers) {
        Remove(filler.list, filler.row);
        EXPECT_EQ(Boxes(), Strings{std::string("EQUIPMENT ERROR: ") + filler.text}) << filler.list;
        EXPECT_EQ(Selection(filler.list), filler.row);
    }
    for (std::size_t i = 0; i < before.controls.size(); ++i)
        EXPECT_EQ(sheet->State().controls[i].items, before.controls[i].items);
    EXPECT_EQ(Remaining(), "4.5");
}

TEST_F(RemovingTest, OnlyEntriesWithTheWholeNameLeave) {
    SetTonnageAndSpeed(100, 1);
    AddAndPlace("AC /20", IDC_LIST_RIGHTTORSO);
    AddAndPlace("AC /2", IDC_LIST_RIGHTTORSO);
    ASSERT_EQ(Items(IDC_LIST_RIGHTTORSO).size(), 11u);
    const std::string remaining = Remaining();
    Remove(IDC_LIST_RIGHTTORSO, 10);
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(10, "AC /20"));
    EXPECT_EQ(std::stof(Remaining()), std::stof(remaining) + 6);
}

TEST_F(RemovingTest, OfTwoAutocannonsSharingATorsoOneLeavesAndTheOtherStaysWhole) {
    SetTonnageAndSpeed(100, 1);
    AddAndPlace("AC /20", IDC_LIST_LEFTARM);        // 8 in L/ARM, 2 in L/TORSO
    AddAndPlace("Small Laser", IDC_LIST_LEFTTORSO); // L/TORSO: 2 + 1
    AddAndPlace("Small Laser", IDC_LIST_LEFTTORSO); // 2 + 2
    AddAndPlace("AC /20", IDC_LIST_LEFTTORSO);      // 8 more in L/TORSO, 2 in C/TORSO
    ASSERT_EQ(Count(IDC_LIST_LEFTTORSO, "AC /20"), 10);
    ASSERT_EQ(Count(IDC_LIST_CENTRETORSO, "AC /20"), 2);
    Remove(IDC_LIST_LEFTTORSO, 0); // the topmost entry is the arm's
    // What stays is one whole "AC /20": either the arm's (8 + 2) or the torso's (8 + 2).
    const int arm = Count(IDC_LIST_LEFTARM, "AC /20");
    const int torso = Count(IDC_LIST_LEFTTORSO, "AC /20");
    const int centre = Count(IDC_LIST_CENTRETORSO, "AC /20");
    EXPECT_TRUE((arm == 8 && torso == 2 && centre == 0) || (arm == 0 && torso == 8 && centre == 2))
        << arm << " " << torso << " " << centre;
    EXPECT_EQ(Remaining(), "68"); // 83 - 14 - 0.5 - 0.5
}

TEST_F(RemovingTest, AHeatSinkTheEngineDoesNotOweGivesItsCatalogueTonnageBack) {
    SetTonnageAndSpeed(100, 3); // rating 300: no engine sinks
    ASSERT_TRUE(Items(IDC_ENGINE_HEATSINKS).empty());
    ASSERT_EQ(Remaining(), "65");
    AddAndPlace("Heat Sink", IDC_LIST_RIGHTTORSO);
    EXPECT_EQ(Remaining(), "64");
    EXPECT_EQ(g_nHeatSinks, 1);
    Remove(IDC_LIST_RIGHTTORSO, 0);
    EXPECT_EQ(Remaining(), "65");
    EXPECT_EQ(g_nHeatSinks, 0);
    EXPECT_TRUE(Items(IDC_ENGINE_HEATSINKS).empty());
}

} // namespace
