// The design and critical-slot rules where the window would not show them
// plainly: the shared arithmetic, states a person reaches only slowly (every
// slot taken, a design above its weight), which of two equal components
// leaves, what a waiting component keeps through a move, and a refusal's box.

#include "design/Arithmetic.h"
#include "design/JumpJetWeight.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/TestSupport.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

const std::string kCannotFit = "ALLOCATION ERROR: Cannont fit component into this location.";

TEST(ArithmeticTest, TheHalfTonRuleAndTheJetWeight) {
    const float tons[] = {2.0f, 2.5f, 1.5f, 0.5f, 5.0f, 5.5f, 8.5f, 52.5f};
    const float halved[] = {1.0f, 1.5f, 1.0f, 0.5f, 2.5f, 3.0f, 4.5f, 26.5f};
    for (std::size_t i = 0; i < std::size(tons); ++i)
        EXPECT_FLOAT_EQ(HalveByHalfTonRule(tons[i]), halved[i]) << tons[i];
    for (auto [mechTons, weight] :
         {std::pair{10, 0.5f}, {55, 0.5f}, {60, 1.0f}, {85, 1.0f}, {90, 1.5f}, {100, 1.5f}})
        EXPECT_FLOAT_EQ(JumpJetWeight(mechTons), weight) << mechTons;
}

// A sheet on the project's catalogues, driven through its entry points the way
// a person does it; Fill puts entries straight into a list to set a design up.
class RulesTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        Start();
    }
    void Click(int id, int times = 1) {
        for (int i = 0; i < times; ++i)
            sheet->ClickButton(id);
    }
    // Chooses name in the weapons list and presses Add Component.
    void Add(const std::string& name) {
        const Strings weapons = Items(IDC_WEAPONS);
        const auto at = std::find(weapons.begin(), weapons.end(), name);
        ASSERT_NE(at, weapons.end()) << name;
        sheet->ClickList(IDC_WEAPONS, static_cast<int>(at - weapons.begin()));
        Click(IDC_ADD_COMPONENT);
    }
    // A click below a location's entries: a placement request.
    void AddAndPlace(const std::string& name, int listId) {
        Add(name);
        sheet->ClickList(listId, -1);
    }
    // A click on an entry, then the second click of a double-click.
    void Remove(int listId, int row) {
        sheet->ClickList(listId, row);
        sheet->DoubleClickList(listId, row);
    }
    void Fill(int listId, const std::string& entry, int count) {
        CListBox list;
        list.Attach(sheet.get(), listId);
        for (int i = 0; i < count; ++i)
            list.AddString(entry);
    }
    int Count(int listId, const std::string& entry) const {
        const Strings items = Items(listId);
        return static_cast<int>(std::count(items.begin(), items.end(), entry));
    }
    std::string Remaining() const { return Text(IDC_TONNAGE_REMAINING); }
    bool Locked() const { return !Enabled(IDC_TONNAGE_UP); }
    // The message boxes shown, as "CAPTION: text".
    Strings Boxes() const {
        Strings shown;
        for (const auto& box : platform.boxes)
            shown.push_back(box.caption + ": " + box.text);
        return shown;
    }
};

TEST_F(RulesTest, JetsTakeEveryFreeSlotInOrderThenGoWithoutAnEntry) {
    Click(IDC_TONNAGE_UP, 4); // 30 t at speed 8: up to eight jets
    Click(IDC_SPEED_UP, 7);
    const std::string before = Remaining();
    Fill(IDC_LIST_LEFTTORSO, "Medium Laser", 12);
    // Each location left with one free slot in turn takes the next jet.
    const struct {
        int list;
        int fill;
    } order[] = {{IDC_LIST_RIGHTTORSO, 11}, {IDC_LIST_RIGHTARM, 7}, {IDC_LIST_LEFTARM, 7},
                 {IDC_LIST_RIGHTLEG, 1},    {IDC_LIST_LEFTLEG, 1},  {IDC_LIST_CENTRETORSO, 1},
                 {IDC_LIST_HEAD, 0}};
    for (const auto& next : order) {
        Fill(next.list, "Medium Laser", next.fill);
        Click(IDC_JUMPJETS_UP);
        EXPECT_EQ(Items(next.list).back(), "Jump Jet") << next.list;
    }
    ASSERT_EQ(KestravDlgTestAccess::FreeSlots(*sheet), 0);
    Remove(IDC_LIST_RIGHTLEG, 5);
    EXPECT_EQ(Boxes(),
              Strings{"EQUIPMENT ERROR: Remove jump jets with the JUMP JETS Decrease button."});

    // Every slot taken: the eighth jet is added without an entry, and all go again.
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Text(IDC_JUMPJETS), "8");
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 4.0f);
    Click(IDC_JUMPJETS_DOWN, 8);
    EXPECT_EQ(Text(IDC_JUMPJETS), "0");
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 0.0f);
    EXPECT_EQ(Remaining(), before);
    EXPECT_EQ(KestravDlgTestAccess::FreeSlots(*sheet), 7);
    EXPECT_EQ(Boxes().size(), 1u);
}

// A design can stand above its weight only by ways a person rarely takes; a
// SPEED Increase refused at the rating limit then keeps the speed.
TEST_F(RulesTest, AStepRefusedAtTheRatingLimitKeepsTheSpeedEvenAboveTheWeight) {
    Click(IDC_TONNAGE_UP, 18);
    Click(IDC_SPEED_UP, 3); // rating 400
    g_fEquipmentTonnage = sheet->m_fTonnageRemaining + 1.0f;
    KestravDlgTestAccess::RecalculateTonnage(*sheet);
    Click(IDC_SPEED_UP);
    EXPECT_EQ(Text(IDC_SPEED), "4");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "400");
    EXPECT_EQ(Remaining(), "-1");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(RulesTest, OfTwoAutocannonsSharingATorsoOneLeavesAndTheOtherStaysWhole) {
    Click(IDC_TONNAGE_UP, 18);
    AddAndPlace("AC /20", IDC_LIST_LEFTARM);        // 8 in L/ARM, 2 in L/TORSO
    AddAndPlace("Small Laser", IDC_LIST_LEFTTORSO); // L/TORSO: 2 + 1
    AddAndPlace("Small Laser", IDC_LIST_LEFTTORSO); // 2 + 2
    AddAndPlace("AC /20", IDC_LIST_LEFTTORSO);      // 8 more in L/TORSO, 2 in C/TORSO
    sheet->ClickList(IDC_LIST_LEFTTORSO, 0);        // the topmost entry is the arm's
    sheet->DoubleClickList(IDC_LIST_LEFTTORSO, 0);
    // What stays is one whole "AC /20": either the arm's (8 + 2) or the torso's (8 + 2).
    const int arm = Count(IDC_LIST_LEFTARM, "AC /20");
    const int torso = Count(IDC_LIST_LEFTTORSO, "AC /20");
    const int centre = Count(IDC_LIST_CENTRETORSO, "AC /20");
    EXPECT_TRUE((arm == 8 && torso == 2 && centre == 0) || (arm == 0 && torso == 8 && centre == 2))
        << arm << " " << torso << " " << centre;
    EXPECT_EQ(Remaining(), "68"); // 83 - 14 - 0.5 - 0.5
}

// An SRM 6 moved out of L/TORSO waits while LEFT LEG is full, so a click there
// is a refused placement that selects the entry clicked. A removal meanwhile
// does not change what waits; another Move Component puts the waiting
// component back first.
TEST_F(RulesTest, AWaitingComponentKeepsItsDataAndGoesBackBeforeTheNextMove) {
    AddAndPlace("SRM 6", IDC_LIST_LEFTTORSO);
    AddAndPlace("Small Laser", IDC_LIST_LEFTLEG);
    AddAndPlace("CASE", IDC_LIST_LEFTLEG);
    sheet->ClickList(IDC_LIST_LEFTTORSO, 0);
    Click(IDC_MOVE_COMPONENT);
    Remove(IDC_LIST_LEFTLEG, 4); // the laser's removal leaves the record's values at 0
    ASSERT_FLOAT_EQ(g_rsEquipment.m_Criticals, 0);
    sheet->ClickList(IDC_LIST_RIGHTTORSO, -1);
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(2, "SRM 6"));
    EXPECT_EQ(Remaining(), "1");
    EXPECT_FALSE(Locked());

    sheet->ClickList(IDC_LIST_RIGHTTORSO, 0);
    Click(IDC_MOVE_COMPONENT);
    sheet->ClickList(IDC_LIST_LEFTLEG, 4); // the CASE
    Click(IDC_MOVE_COMPONENT);
    EXPECT_EQ(Boxes(), Strings(2, kCannotFit));
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(2, "SRM 6"));
    EXPECT_EQ(g_strPendingComponent, "CASE");
    EXPECT_EQ(Count(IDC_LIST_LEFTLEG, "CASE"), 0);
    EXPECT_EQ(Remaining(), "1.5");
    EXPECT_TRUE(Locked());
}

// With nothing selected in the weapons list, Add Component finds the pending
// component's record again, whatever a removal left in the record since.
TEST_F(RulesTest, AddComponentWithNothingSelectedChecksThePendingComponentAgain) {
    Add("SRM 6");
    sheet->DoubleClickList(IDC_LIST_LEFTARM, 3); // the hand removed: the record's values at 0
    ASSERT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 0);
    KestravDlgTestAccess::Weapons(*sheet).SetCurSel(-1);
    Click(IDC_ADD_COMPONENT);
    EXPECT_EQ(g_strPendingComponent, "SRM 6");
    EXPECT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 3);
    EXPECT_TRUE(Boxes().empty());
}

// L/ARM makes the hand test before the fit test, and a rule's refusal is a
// plain box: its caption and text, OK, no icon.
TEST_F(RulesTest, AFullLeftArmRefusesASecondHandForTheHand) {
    Fill(IDC_LIST_LEFTARM, "CASE", 8);
    KestravDlgTestAccess::LocationList(*sheet, Location::RightArm).DeleteString(3);
    Add("Hand Actuator");
    sheet->ClickList(IDC_LIST_LEFTARM, -1);
    EXPECT_EQ(Boxes(), Strings{"EQUIPMENT ALLOCATION ERROR: You can only have one hand per arm."});
    EXPECT_EQ(platform.boxes.back().type, MB_OK);
}

} // namespace
