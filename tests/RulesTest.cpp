// The design and critical-slot rules where the window would not show them
// plainly: the shared arithmetic, states a person reaches only slowly (every
// slot taken, a design above its weight), which of two equal components
// leaves, what a waiting component keeps through a move, and a refusal's box.

#include "design/Arithmetic.h"
#include "design/JumpJetWeight.h"
#include "design/ListEntries.h"
#include "design/Messages.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <functional>

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
    // The torso's own "AC /20" leaves, the arm's (8 + 2) stays whole.
    const int arm = Count(IDC_LIST_LEFTARM, "AC /20");
    const int torso = Count(IDC_LIST_LEFTTORSO, "AC /20");
    const int centre = Count(IDC_LIST_CENTRETORSO, "AC /20");
    EXPECT_EQ(arm, 8);
    EXPECT_EQ(torso, 2);
    EXPECT_EQ(centre, 0);
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

// An "AC /20" that runs on into its neighbour leaves whole, whichever of its
// parts is double-clicked, and takes nothing else with it.
TEST_F(RulesTest, ASplitAutocannonLeavesWholeFromEitherSide) {
    const struct {
        int fillList, fillCount, placeList, removeList, removeRow;
    } cases[] = {
        {IDC_LIST_LEFTTORSO, 3, IDC_LIST_LEFTTORSO, IDC_LIST_LEFTTORSO, 3}, // 9 + 1 in C/TORSO
        {IDC_LIST_LEFTTORSO, 0, IDC_LIST_LEFTARM, IDC_LIST_LEFTARM, 11},    // 8 + 2 in L/TORSO
        {IDC_LIST_LEFTTORSO, 0, IDC_LIST_LEFTARM, IDC_LIST_LEFTTORSO, 0},
    };
    Click(IDC_TONNAGE_UP, 18);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removeList);
        for (int i = 0; i < c.fillCount; ++i)
            AddAndPlace("Small Laser", c.fillList);
        const std::string before = Remaining();
        AddAndPlace("AC /20", c.placeList);
        ASSERT_EQ(Count(IDC_LIST_LEFTARM, "AC /20") + Count(IDC_LIST_LEFTTORSO, "AC /20") +
                      Count(IDC_LIST_CENTRETORSO, "AC /20"),
                  10);
        Remove(c.removeList, c.removeRow);
        for (int list : {IDC_LIST_LEFTARM, IDC_LIST_LEFTTORSO, IDC_LIST_CENTRETORSO})
            EXPECT_EQ(Count(list, "AC /20"), 0) << list;
        EXPECT_EQ(Count(c.fillList, "Small Laser"), c.fillCount);
        EXPECT_EQ(Remaining(), before);
        for (int i = 0; i < c.fillCount; ++i)
            Remove(c.fillList, 0);
    }
    EXPECT_TRUE(Boxes().empty());
}

// Two cannons spilling into C/TORSO from both sides: a double-click there takes
// the one from the left of the spill path, and the right one stays whole.
TEST_F(RulesTest, OfTwoCannonsSpillingIntoTheCentreTheLeftOneLeaves) {
    Click(IDC_TONNAGE_UP, 18);
    for (int side : {IDC_LIST_LEFTTORSO, IDC_LIST_RIGHTTORSO}) {
        for (int i = 0; i < 3; ++i)
            AddAndPlace("Small Laser", side);
        AddAndPlace("AC /20", side); // 9 here, 1 in C/TORSO
    }
    ASSERT_EQ(Count(IDC_LIST_CENTRETORSO, "AC /20"), 2);
    Remove(IDC_LIST_CENTRETORSO, 11);
    EXPECT_EQ(Count(IDC_LIST_LEFTTORSO, "AC /20"), 0);
    EXPECT_EQ(Count(IDC_LIST_RIGHTTORSO, "AC /20"), 9);
    EXPECT_EQ(Count(IDC_LIST_CENTRETORSO, "AC /20"), 1);
}

// Armour the tonnage no longer buys is trimmed to 16 points a ton: whole passes
// one point off every location above 1, then single points in the trim order
// (arms, legs, head, torso fronts and rears, centre last). Balance Armour's
// steps take the partner's last point, and give it none when none remains.
TEST_F(RulesTest, ArmourTrimsToSixteenPointsATonInItsOrderAndBalancesToTheLastPoint) {
    Click(IDC_TONNAGE_UP, 8); // 50 t
    const int locations[] = {IDC_ARMOUR_LA,      IDC_ARMOUR_RA,     IDC_ARMOUR_LL,
                             IDC_ARMOUR_RL,      IDC_ARMOUR_HEAD,   IDC_ARMOUR_LTFRONT,
                             IDC_ARMOUR_RTFRONT, IDC_ARMOUR_LTREAR, IDC_ARMOUR_RTREAR,
                             IDC_ARMOUR_CTFRONT, IDC_ARMOUR_CTREAR};
    const int ups[] = {IDC_UP_LA,     IDC_UP_RA,      IDC_UP_LL,      IDC_UP_RL,
                       IDC_UP_HEAD,   IDC_UP_LTFRONT, IDC_UP_RTFRONT, IDC_UP_LTREAR,
                       IDC_UP_RTREAR, IDC_UP_CTFRONT, IDC_UP_CTREAR};
    const auto points = [&] {
        std::string shown;
        for (int id : locations)
            shown += Text(id) + " ";
        return shown + "/ " + Text(IDC_ARMOUR_POINTS_REMAINING);
    };
    Click(IDC_BALANCE_ARMOUR); // on at the start
    // 1.5 t: 24 points, 9 on HEAD and 14 on CENTRE TORSO FRONT; 1 t holds 16.
    Click(IDC_ARMOUR_UP, 3);
    Click(IDC_UP_HEAD, 9);
    Click(IDC_UP_CTFRONT, 14);
    Click(IDC_ARMOUR_DOWN);
    EXPECT_EQ(points(), "0 0 0 0 5 0 0 0 0 10 0 / 1");
    // A point on nine locations, 0.5 t: the first of them in the order gives its
    // own. (Single points go only when at most eleven stand against the eight
    // of half a ton, so places past the third of the order never show.)
    Click(IDC_DOWN_HEAD, 5);
    Click(IDC_DOWN_CTFRONT, 10);
    const struct {
        int without1, without2, gives;
    } nines[] = {{2, 3, 0}, {0, 3, 1}, {0, 2, 1}, {0, 1, 2}};
    for (const auto& nine : nines) {
        for (int i = 0; i < 11; ++i)
            if (i != nine.without1 && i != nine.without2) Click(ups[i]);
        Click(IDC_ARMOUR_DOWN);
        EXPECT_EQ(Text(locations[nine.gives]), "0") << nine.gives;
        EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "0") << nine.gives;
        Click(IDC_ARMOUR_DOWN);
        Click(IDC_ARMOUR_UP, 2);
    }
    // A point on every location: the first three give theirs.
    for (int up : ups)
        Click(up);
    Click(IDC_ARMOUR_DOWN);
    EXPECT_EQ(points(), "0 0 0 1 1 1 1 1 1 1 1 / 0");

    // Balance Armour: R/TORSO FRONT's D step takes L/TORSO FRONT's last point ...
    Click(IDC_BALANCE_ARMOUR);
    Click(IDC_DOWN_RTFRONT);
    EXPECT_EQ(points(), "0 0 0 1 1 0 0 1 1 1 1 / 2");
    // ... and the U step on the last remaining point leaves the partner as it was.
    Click(IDC_UP_HEAD);
    Click(IDC_UP_LTFRONT);
    EXPECT_EQ(points(), "0 0 0 1 2 1 0 1 1 1 1 / 0");
}

// Each order of the location table shows as the sequence in which the lists
// lose an entry that every one of them holds: JUMP JETS Decrease (the filler
// removal order), Move Component pressed again and again with an entry
// selected in every list (each press first puts the last one back), and one
// placed engine sink taken back at a time when the engine needs one sink fewer.
TEST_F(RulesTest, TheRulesVisitTheLocationsInTheirOrders) {
    using L = Location;
    const L leftFirst[] = {L::LeftTorso, L::RightTorso, L::LeftArm,     L::RightArm,
                           L::LeftLeg,   L::RightLeg,   L::CentreTorso, L::Head};
    const L armsFirst[] = {L::LeftArm, L::RightArm, L::LeftTorso, L::RightTorso,
                           L::LeftLeg, L::RightLeg, L::Head,      L::CentreTorso};
    const auto list = [this](L at) -> CListBox& {
        return KestravDlgTestAccess::LocationList(*sheet, at);
    };
    const struct {
        const char* entry;
        const L* order;
        std::function<void()> step;
    } orders[] = {
        {"Jump Jet", leftFirst, [this] { Click(IDC_JUMPJETS_DOWN); }},
        {"Heat Sink", armsFirst,
         [this] {
             g_nSinksAllocated = 1;
             KestravDlgTestAccess::LookUpEngine(*sheet);
         }},
        {"Medium Laser", leftFirst, [this] { Click(IDC_MOVE_COMPONENT); }},
    };
    Click(IDC_TONNAGE_UP, 4); // 30 t at speed 8: eight jets, one sink for the engine
    Click(IDC_SPEED_UP, 7);
    Click(IDC_JUMPJETS_UP, 8); // all into L/TORSO, the first in the placement order
    ASSERT_EQ(Items(IDC_LIST_LEFTTORSO), Strings(8, "Jump Jet"));
    while (list(L::LeftTorso).GetCount() > 0)
        list(L::LeftTorso).DeleteString(0);
    for (const auto& o : orders) {
        SCOPED_TRACE(o.entry);
        for (L at : leftFirst) {
            list(at).AddString(o.entry);
            sheet->ClickList(list(at).GetDlgCtrlID(), list(at).GetCount() - 1);
        }
        for (int i = 0; i < 8; ++i) {
            o.step();
            EXPECT_EQ(CountNamed(list(o.order[i]), o.entry), 0) << i;
            if (i < 7) {
                EXPECT_EQ(CountNamed(list(o.order[i + 1]), o.entry), 1) << i;
            }
        }
    }
    EXPECT_TRUE(Boxes().empty());
}

// A lighter mech sells armour by the half ton while EXTERNAL ARMOUR FACTOR is
// above 2 x total internal + 15: at 65 t (internal 104) 14 t (224 points) is
// one point above, and 13.5 t is within.
TEST_F(RulesTest, ALighterMechSellsArmourDownToTwiceItsInternalPlusFifteen) {
    Click(IDC_TONNAGE_UP, 12); // 70 t: armour up to 14 t
    Click(IDC_ARMOUR_UP, 30);
    ASSERT_FLOAT_EQ(sheet->m_fArmour, 14.0f);
    for (float kept : {13.5f, 13.0f}) { // 65 t: 224 > 223; 60 t: 216 > 213
        Click(IDC_TONNAGE_DOWN);
        EXPECT_FLOAT_EQ(sheet->m_fArmour, kept);
    }
}

// The heat-sink kind follows the sinks that stand in the locations: at rating
// 250 the engine holds every sink, and of two catalogue sinks placed, removing
// one still leaves a single sink that refuses the double kind.
TEST_F(RulesTest, DoubleHeatSinksIsRefusedWhileOneOfTwoPlacedSinksRemains) {
    Click(IDC_TONNAGE_UP, 8);
    Click(IDC_SPEED_UP, 4); // 50 t at speed 5: rating 250
    ASSERT_TRUE(Items(IDC_ENGINE_HEATSINKS).empty());
    AddAndPlace("Heat Sink", IDC_LIST_LEFTTORSO);
    AddAndPlace("Heat Sink", IDC_LIST_LEFTTORSO);
    Remove(IDC_LIST_LEFTTORSO, 0);
    Click(IDC_DOUBLE_HEATSINKS);
    EXPECT_EQ(Boxes(), Strings{std::string("EQUIPMENT ALLOCATION ERROR: ") + kMixingSinksText});
    EXPECT_FALSE(KestravDlgTestAccess::DoubleHeatSinks(*sheet).GetCheck());
    Remove(IDC_LIST_LEFTTORSO, 0);
    Click(IDC_DOUBLE_HEATSINKS);
    EXPECT_TRUE(KestravDlgTestAccess::DoubleHeatSinks(*sheet).GetCheck());
    EXPECT_EQ(Boxes().size(), 1u);
}

// An entry put in or taken out above the highlighted one keeps the highlight
// on the same entry: the hand put back before a selected laser, the engine's
// surplus sinks taken back while a sink is highlighted.
TEST_F(RulesTest, TheHighlightStaysOnItsEntryWhenTheRulesChangeTheListAboveIt) {
    Remove(IDC_LIST_LEFTARM, 3); // the hand
    AddAndPlace("Medium Laser", IDC_LIST_LEFTARM);
    sheet->ClickList(IDC_LIST_LEFTARM, 3); // the laser highlighted
    Add("Hand Actuator");
    sheet->ClickList(IDC_LIST_LEFTARM, -1); // the hand placed at row 3, before the laser
    EXPECT_EQ(Items(IDC_LIST_LEFTARM)[3], "Hand Actuator");
    EXPECT_EQ(KestravDlgTestAccess::LocationList(*sheet, Location::LeftArm).GetCurSel(), 4);
    Click(IDC_MOVE_COMPONENT); // so Move Component takes the laser
    EXPECT_EQ(Count(IDC_LIST_LEFTARM, "Hand Actuator"), 1);
    EXPECT_EQ(Count(IDC_LIST_LEFTARM, "Medium Laser"), 0);
    sheet->ClickList(IDC_LIST_LEFTTORSO, -1);

    sheet->DoubleClickList(IDC_ENGINE_HEATSINKS, 0);
    sheet->ClickList(IDC_LIST_LEFTTORSO, -1); // one engine sink placed
    CListBox& sinks = KestravDlgTestAccess::EngineHeatSinks(*sheet);
    sinks.SetCurSel(2);
    Click(IDC_SPEED_UP, 2); // rating 30: nine sinks, the placed one taken back
    EXPECT_EQ(Count(IDC_LIST_LEFTTORSO, "Heat Sink"), 0);
    EXPECT_EQ(sinks.GetCount(), 9);
    EXPECT_EQ(sinks.GetCurSel(), 2);
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
