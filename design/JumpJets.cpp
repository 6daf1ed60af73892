// Jump jets: added and taken away one at a time. Each jet weighs what its
// tonnage class gives (JumpJetWeight.h) and fills one critical slot with a
// "Jump Jet" entry; any such entry stands for any jet. There are never more
// jets than the speed. Refusals are silent.

#include "design/JumpJetWeight.h"
#include "design/KestravDlg.h"
#include "design/ListEntries.h"
#include "design/Locations.h"
#include "design/Names.h"
#include "design/ProgramValues.h"

// One jet more, while there are fewer jets than the speed and TONNAGE
// REMAINING holds at least its weight. Its entry goes to the first location,
// in the automatic placement order, with a free slot; with every slot taken
// the jet is added without an entry.
void CKestravDlg::OnJumpJetsIncrease() {
    RecalculateTonnage();
    const float weight = JumpJetWeight(m_nTonnage);
    if (m_nJumpJets < m_nSpeed && m_fTonnageRemaining >= weight) {
        g_fJumpJetTonnage += weight;
        ++m_nJumpJets;
        AppendByPlacementOrder(kJumpJet);
    }
    RecalculateTonnage();
    UpdateData(false);
}

// One jet less (none at 0): its weight comes off, and the first "Jump Jet"
// entry in the removal order leaves its list. A jet without an entry (every
// slot was taken when it was added, or its entry was moved away) still goes.
void CKestravDlg::OnJumpJetsDecrease() {
    if (m_nJumpJets < 1) {
        RecalculateTonnage();
        UpdateData(false);
        return;
    }
    g_fJumpJetTonnage -= JumpJetWeight(m_nTonnage);
    --m_nJumpJets;
    RecalculateTonnage();
    UpdateData(false);
    for (Location location : kFillerRemovalOrder)
        if (RemoveFirstEntry(LocationList(location), kJumpJet)) return;
    RecalculateTonnage();
    UpdateData(false);
}
