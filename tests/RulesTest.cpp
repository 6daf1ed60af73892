// The design and critical-slot rules where the window would not show them
// plainly: the armour buttons and the trim order, a state a person reaches
// only slowly (every slot taken), which "AC /20" leaves, the orders of the
// location table, what a pending component keeps through a move, and where
// the highlight stays.

#include "design/ListEntries.h"
#include "design/Messages.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>

namespace {

using Strings = std::vector<std::string>;
using L = Location;

// Each armour location's U, D and points, and its Balance Armour partner's
// points (0: none), in the trim order: arms, legs, head, torso fronts and
// rears, the centre torso last.
const struct ArmourLocation {
    int up, down, points, partner;
} kArmour[] = {
    {IDC_UP_LA, IDC_DOWN_LA, IDC_ARMOUR_LA, IDC_ARMOUR_RA},
    {IDC_UP_RA, IDC_DOWN_RA, IDC_ARMOUR_RA, IDC_ARMOUR_LA},
    {IDC_UP_LL, IDC_DOWN_LL, IDC_ARMOUR_LL, IDC_ARMOUR_RL},
    {IDC_UP_RL, IDC_DOWN_RL, IDC_ARMOUR_RL, IDC_ARMOUR_LL},
    {IDC_UP_HEAD, IDC_DOWN_HEAD, IDC_ARMOUR_HEAD, 0},
    {IDC_UP_LTFRONT, IDC_DOWN_LTFRONT, IDC_ARMOUR_LTFRONT, IDC_ARMOUR_RTFRONT},
    {IDC_UP_RTFRONT, IDC_DOWN_RTFRONT, IDC_ARMOUR_RTFRONT, IDC_ARMOUR_LTFRONT},
    {IDC_UP_LTREAR, IDC_DOWN_LTREAR, IDC_ARMOUR_LTREAR, IDC_ARMOUR_RTREAR},
    {IDC_UP_RTREAR, IDC_DOWN_RTREAR, IDC_ARMOUR_RTREAR, IDC_ARMOUR_LTREAR},
    {IDC_UP_CTFRONT, IDC_DOWN_CTFRONT, IDC_ARMOUR_CTFRONT, 0},
    {IDC_UP_CTREAR, IDC_DOWN_CTREAR, IDC_ARMOUR_CTREAR, 0},
};

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
    // Chooses name in the weapons list and presses Add Component; with a list,
    // a click below its entries places it there, as often as asked.
    void Add(const std::string& name, int listId = 0, int times = 1) {
        for (int i = 0; i < times; ++i) {
            sheet->ClickList(IDC_WEAPONS,
                             KestravDlgTestAccess::Weapons(*sheet).FindString(-1, name));
            Click(IDC_ADD_COMPONENT);
            if (listId != 0) sheet->ClickList(listId, -1);
        }
    }
    // A click on an entry, then the second click of a double-click.
    void Remove(int listId, int row) {
        sheet->ClickList(listId, row);
        sheet->DoubleClickList(listId, row);
    }
    CListBox& List(L at) { return KestravDlgTestAccess::LocationList(*sheet, at); }
    void Fill(L at, const std::string& entry, int count) {
        for (int i = 0; i < count; ++i)
            List(at).AddString(entry);
    }
    // The message boxes shown, as "CAPTION: text".
    Strings Boxes() const {
        Strings shown;
        for (const auto& box : platform.boxes)
            shown.push_back(box.caption + ": " + box.text);
        return shown;
    }
};

// A 50 t mech with one ton of armour (16 points): each U puts a point on its
// own location and with Balance Armour on (as it starts) on the partner too,
// and each D takes them off again, the partner's last point included.
// Armour the tonnage no longer buys is then trimmed: single points go in the
// trim order (the whole passes before them are the armour scenario's).
TEST_F(RulesTest, ArmourButtonsMoveTheirLocationWithItsPartnerAndTheTrimKeepsItsOrder) {
    Click(IDC_TONNAGE_UP, 8);
    Click(IDC_ARMOUR_UP, 2);
    // Balanced, a U with two points remaining takes the partner's point too.
    Click(IDC_UP_HEAD, 9);
    Click(IDC_UP_CTFRONT, 5);
    Click(IDC_UP_LA);
    EXPECT_EQ(Text(IDC_ARMOUR_RA), "1");
    Click(IDC_DOWN_LA);
    Click(IDC_DOWN_HEAD, 9);
    Click(IDC_DOWN_CTFRONT, 5);
    for (bool balance : {true, false}) {
        for (const ArmourLocation& b : kArmour) {
            SCOPED_TRACE(std::to_string(b.points) + (balance ? ", balanced" : ""));
            const auto partner = [&] { return b.partner != 0 ? Text(b.partner) : "0"; };
            Click(b.up);
            EXPECT_EQ(Text(b.points), "1");
            EXPECT_EQ(partner(), balance && b.partner != 0 ? "1" : "0");
            EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), balance && b.partner ? "14" : "15");
            Click(b.down);
            EXPECT_EQ(Text(b.points), "0");
            EXPECT_EQ(partner(), "0"); // the points back: the next U's count shows them
        }
        if (balance) Click(IDC_BALANCE_ARMOUR); // off from the second round on
    }
    // A point on all but two of the first four, 0.5 t: the first of those
    // present gives its own, and no other (LA before RA, RA before LL, LL before RL).
    for (auto [without1, without2, gives] : {std::array{2, 3, 0}, {0, 3, 1}, {0, 1, 2}}) {
        for (int i = 0; i < 11; ++i)
            if (i != without1 && i != without2) Click(kArmour[i].up);
        Click(IDC_ARMOUR_DOWN);
        EXPECT_EQ(Text(kArmour[gives].points), "0") << gives;
        EXPECT_EQ(Text(IDC_ARMOUR_POINTS_REMAINING), "0") << gives;
        Click(IDC_ARMOUR_DOWN);
        Click(IDC_ARMOUR_UP, 2);
    }
}

TEST_F(RulesTest, JetsTakeEveryFreeSlotInOrderThenGoWithoutAnEntry) {
    Click(IDC_TONNAGE_UP, 4); // 30 t at speed 8: up to eight jets
    Click(IDC_SPEED_UP, 7);
    Fill(L::LeftTorso, "Medium Laser", 12);
    // Each location left with one free slot in turn takes the next jet.
    const std::pair<L, int> order[] = {{L::RightTorso, 11}, {L::RightArm, 7}, {L::LeftArm, 7},
                                       {L::RightLeg, 1},    {L::LeftLeg, 1},  {L::CentreTorso, 1},
                                       {L::Head, 0}};
    for (auto [at, fill] : order) {
        Fill(at, "Medium Laser", fill);
        Click(IDC_JUMPJETS_UP);
        EXPECT_EQ(Items(List(at).GetDlgCtrlID()).back(), "Jump Jet") << fill;
    }
    ASSERT_EQ(KestravDlgTestAccess::FreeSlots(*sheet), 0);
    // Every slot taken: the eighth jet is added and weighed without an entry.
    Click(IDC_JUMPJETS_UP);
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 4.0f);
    Click(IDC_JUMPJETS_DOWN, 8);
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "9.5"); // as before the jets
    EXPECT_EQ(KestravDlgTestAccess::FreeSlots(*sheet), 7);
    EXPECT_TRUE(Boxes().empty());
}

// A double-click on one entry of an "AC /20" takes that whole cannon and
// nothing else: of a 9 + 1 one from its torso part, of an 8 + 2 one from its
// arm part or its torso part, of two sharing L/TORSO the torso's own (though
// the topmost entry there is the arm's), of two spilling into C/TORSO from
// both sides the left.
TEST_F(RulesTest, ADoubleClickTakesOneWholeAutocannonAndTheRightOne) {
    const L LA = L::LeftArm, LT = L::LeftTorso, CT = L::CentreTorso, RT = L::RightTorso;
    const struct {
        std::vector<std::pair<L, int>> placed; // Small Lasers, then an "AC /20", in a list
        L list;
        int row;
        std::vector<int> left; // "AC /20" entries in L/ARM, L/TORSO, C/TORSO, R/TORSO
        const char* remaining;
    } cases[] = {
        {{{LT, 3}}, LT, 3, {0, 0, 0, 0}, "81.5"},
        {{{LA, 0}}, LA, 11, {0, 0, 0, 0}, "83"},
        {{{LA, 0}}, LT, 1, {0, 0, 0, 0}, "83"},
        {{{LA, 0}, {LT, 2}}, LT, 0, {8, 2, 0, 0}, "68"},
        {{{LT, 3}, {RT, 3}}, CT, 11, {0, 0, 1, 9}, "66"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.remaining);
        Start();
        Click(IDC_TONNAGE_UP, 18);
        for (auto [list, lasers] : c.placed) {
            Add("Small Laser", List(list).GetDlgCtrlID(), lasers);
            Add("AC /20", List(list).GetDlgCtrlID());
        }
        Remove(List(c.list).GetDlgCtrlID(), c.row);
        std::vector<int> left;
        for (L at : {LA, LT, CT, RT})
            left.push_back(CountNamed(List(at), "AC /20"));
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), c.remaining);
        EXPECT_TRUE(Boxes().empty());
    }
}

// A pending component's record: with nothing selected in the weapons list,
// Add Component finds it again, whatever a removal left in the record since.
// An SRM 6 moved out of L/TORSO waits while LEFT LEG is full, so a click there
// is a refused placement that selects the entry clicked. A removal meanwhile
// does not change what waits; another Move Component puts the waiting
// component back first.
TEST_F(RulesTest, APendingComponentKeepsItsDataAndGoesBackBeforeTheNextMove) {
    Add("SRM 6");
    sheet->DoubleClickList(IDC_LIST_LEFTARM, 3); // the hand removed: the record's values at 0
    ASSERT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 0);
    KestravDlgTestAccess::Weapons(*sheet).SetCurSel(-1);
    Click(IDC_ADD_COMPONENT);
    EXPECT_EQ(g_strPendingComponent, "SRM 6");
    EXPECT_FLOAT_EQ(g_rsEquipment.m_Tonnage, 3);
    sheet->ClickList(IDC_LIST_LEFTTORSO, -1);
    Add("Small Laser", IDC_LIST_LEFTLEG);
    Add("CASE", IDC_LIST_LEFTLEG);
    sheet->ClickList(IDC_LIST_LEFTTORSO, 0);
    Click(IDC_MOVE_COMPONENT);
    Remove(IDC_LIST_LEFTLEG, 4); // the laser's removal leaves the record's values at 0
    ASSERT_FLOAT_EQ(g_rsEquipment.m_Criticals, 0);
    sheet->ClickList(IDC_LIST_RIGHTTORSO, -1);
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(2, "SRM 6"));
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "1");
    EXPECT_TRUE(Enabled(IDC_TONNAGE_UP));

    sheet->ClickList(IDC_LIST_RIGHTTORSO, 0);
    Click(IDC_MOVE_COMPONENT);
    sheet->ClickList(IDC_LIST_LEFTLEG, 4); // the CASE
    Click(IDC_MOVE_COMPONENT);
    EXPECT_EQ(Boxes(), Strings(2, "ALLOCATION ERROR: Cannont fit component into this location."));
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings(2, "SRM 6"));
    EXPECT_EQ(g_strPendingComponent, "CASE");
    EXPECT_EQ(CountNamed(List(L::LeftLeg), "CASE"), 0);
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "1.5");
    EXPECT_FALSE(Enabled(IDC_TONNAGE_UP));
}

// Each arm makes its own hand test before the fit test (the other arm has no
// hand), and a rule's refusal is a plain box: its caption and text, OK, no icon.
TEST_F(RulesTest, AFullArmRefusesASecondHandForTheHand) {
    for (auto [arm, other] : {std::pair{L::LeftArm, L::RightArm}, {L::RightArm, L::LeftArm}}) {
        Start();
        platform.boxes.clear();
        Fill(arm, "CASE", 8);
        List(other).DeleteString(3);
        Add("Hand Actuator", List(arm).GetDlgCtrlID());
        EXPECT_EQ(Boxes(),
                  Strings{"EQUIPMENT ALLOCATION ERROR: You can only have one hand per arm."});
        EXPECT_EQ(platform.boxes.back().type, MB_OK);
    }
}

// Each order of the location table shows as the sequence in which the lists
// lose an entry that every one of them holds: JUMP JETS Decrease (the filler
// removal order), Move Component pressed again and again with an entry
// selected in every list (each press first puts the last one back), and one
// placed engine sink taken back at a time when the engine needs one sink fewer.
TEST_F(RulesTest, TheRulesVisitTheLocationsInTheirOrders) {
    const L leftFirst[] = {L::LeftTorso, L::RightTorso, L::LeftArm,     L::RightArm,
                           L::LeftLeg,   L::RightLeg,   L::CentreTorso, L::Head};
    const L armsFirst[] = {L::LeftArm, L::RightArm, L::LeftTorso, L::RightTorso,
                           L::LeftLeg, L::RightLeg, L::Head,      L::CentreTorso};
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
    while (List(L::LeftTorso).GetCount() > 0)
        List(L::LeftTorso).DeleteString(0);
    for (const auto& o : orders) {
        SCOPED_TRACE(o.entry);
        for (L at : leftFirst) {
            List(at).AddString(o.entry);
            sheet->ClickList(List(at).GetDlgCtrlID(), List(at).GetCount() - 1);
        }
        for (int i = 0; i < 8; ++i) {
            o.step();
            EXPECT_EQ(CountNamed(List(o.order[i]), o.entry), 0) << i;
            EXPECT_EQ(CountNamed(List(o.order[std::min(i + 1, 7)]), o.entry), i < 7) << i;
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
    Add("Heat Sink", IDC_LIST_LEFTTORSO, 2);
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
    Add("Medium Laser", IDC_LIST_LEFTARM);
    sheet->ClickList(IDC_LIST_LEFTARM, 3);  // the laser highlighted
    Add("Hand Actuator", IDC_LIST_LEFTARM); // the hand placed at row 3, before the laser
    EXPECT_EQ(List(L::LeftArm).GetCurSel(), 4);

    sheet->DoubleClickList(IDC_ENGINE_HEATSINKS, 0);
    sheet->ClickList(IDC_LIST_LEFTTORSO, -1); // one engine sink placed
    CListBox& sinks = KestravDlgTestAccess::EngineHeatSinks(*sheet);
    sinks.SetCurSel(2);
    Click(IDC_SPEED_UP, 2); // rating 30: nine sinks, the placed one taken back
    EXPECT_EQ(CountNamed(List(L::LeftTorso), "Heat Sink"), 0);
    EXPECT_EQ(sinks.GetCount(), 9);
    EXPECT_EQ(sinks.GetCurSel(), 2);
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
