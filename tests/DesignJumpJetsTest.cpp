// Jump jets, where a scenario would not show the rule plainly: the weight of
// TONNAGE REMAINING a jet needs by class, the whole placement order down to a
// design without a free slot, a removal that leaves other lists' selections
// alone, and a jet without an entry.

#include "tests/DesignSheet.h"

namespace {

class JumpJetsTest : public DesignSheetTest {
  protected:
    int Jets() const { return Int(IDC_JUMPJETS); }
};

TEST_F(JumpJetsTest, AJetNeedsItsOwnWeightOfTonnageRemaining) {
    Reach(70, 2);
    LeaveRemaining(0.7f);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Jets(), 0);
    EXPECT_TRUE(Items(IDC_LIST_LEFTTORSO).empty());
    LeaveRemaining(1.0f);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Jets(), 1);
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");

    Click(IDC_TONNAGE_UP, 4); // 90 t: 1.5 t a jet
    LeaveRemaining(1.4f);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Jets(), 1);
    LeaveRemaining(1.5f);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Jets(), 2);
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 3.0f);
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(JumpJetsTest, EntriesGoToTheFirstLocationWithAFreeSlot) {
    Reach(30, 8);
    FillTo(sheet->m_listLeftTorso, 12);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Items(IDC_LIST_RIGHTTORSO), Strings{"Jump Jet"});
    FillTo(sheet->m_listRightTorso, 12);
    FillTo(sheet->m_listRightArm, 12);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(sheet->m_listLeftArm.GetText(4), "Jump Jet");
    FillTo(sheet->m_listLeftArm, 12);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(sheet->m_listRightLeg.GetText(4), "Jump Jet");
    FillTo(sheet->m_listRightLeg, 6);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(sheet->m_listLeftLeg.GetText(4), "Jump Jet");
    FillTo(sheet->m_listLeftLeg, 6);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(sheet->m_listCentreTorso.GetText(10), "Jump Jet");
    FillTo(sheet->m_listCentreTorso, 12);
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(sheet->m_listHead.GetText(5), "Jump Jet");
    ASSERT_EQ(sheet->FreeSlots(), 0);

    // Every slot taken: the jet is still added, without an entry.
    Click(IDC_JUMPJETS_UP);
    EXPECT_EQ(Jets(), 7);
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 3.5f);
    EXPECT_EQ(sheet->FreeSlots(), 0);
}

TEST_F(JumpJetsTest, ASelectionInAListWithoutAJetIsLeftAlone) {
    Reach(50, 4);
    sheet->m_listLeftTorso.AddString("Medium Laser");
    sheet->m_listLeftTorso.SetCurSel(0);
    sheet->m_listHead.AddString("Jump Jet");
    sheet->m_nJumpJets = 1;
    g_fJumpJetTonnage = 0.5f;
    Click(IDC_JUMPJETS_DOWN);
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings{"Medium Laser"});
    EXPECT_EQ(sheet->m_listLeftTorso.GetCurSel(), 0);
    EXPECT_EQ(Items(IDC_LIST_HEAD).size(), 5u);
    EXPECT_EQ(Jets(), 0);
}

TEST_F(JumpJetsTest, AJetWithoutAnEntryStillGoesAndAtZeroNothingChanges) {
    Reach(50, 4);
    Click(IDC_JUMPJETS_UP, 2);
    sheet->m_listLeftTorso.DeleteString(0); // as if moved away and not yet placed
    sheet->m_listLeftTorso.DeleteString(0);
    const float before = sheet->m_fTonnageRemaining;
    Click(IDC_JUMPJETS_DOWN);
    EXPECT_EQ(Jets(), 1);
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, before + 0.5f);
    Click(IDC_JUMPJETS_DOWN, 2);
    EXPECT_EQ(Jets(), 0);
    EXPECT_FLOAT_EQ(g_fJumpJetTonnage, 0.0f);
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, before + 1.0f);
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
