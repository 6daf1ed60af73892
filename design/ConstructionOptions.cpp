// The four construction options. A click never changes a box's mark by
// itself: the handler sets it.
//
// - Endo Steel Internals and Ferro Fibrous Armour each take fourteen critical
//   slots (one procedure, below); they halve the structure's weight or raise
//   the armour to 17.92 points a ton where those values are derived.
// - XL Engine takes three more "Engine" slots in each side torso and halves the
//   engine's weight (in LookUpEngine).
// - DoubleHeat Sinks turns the engine's heat-sink list into double sinks, and
//   back, while no placed sink is of the old kind.
// Switching one of the first three on is refused, with a message and nothing
// changed, when its slots are not free; switching it off is never refused.

#include "design/ConstructionOptions.h"
#include "design/KestravDlg.h"
#include "design/ListEntries.h"
#include "design/Locations.h"
#include "design/Messages.h"
#include "design/Names.h"
#include "design/ProgramValues.h"
#include "design/SheetRules.h"

#include <stdexcept>
#include <string>

namespace {

const int kFillerSlots = 14;
const int kXLSlotsPerSideTorso = 3;
// A side torso with more entries than this has no room for three "Engine" slots.
const int kXLMostEntriesPerSideTorso = 9;

bool IsChecked(const CButton& box) {
    return box.GetCheck() == BST_CHECKED;
}

void ReverseMark(CButton& box) {
    box.SetCheck(IsChecked(box) ? BST_UNCHECKED : BST_CHECKED);
}

// The refusal of an option that needs slots the design does not have: the box
// stays unchecked, nothing else changes and the form is not refreshed.
void RefuseForWantOfSlots(CKestravDlg& dlg, CButton& box) {
    box.SetCheck(BST_UNCHECKED);
    dlg.MessageBox(kNoRoomText, kEquipmentAllocationError, MB_OK);
}

// Switches a fourteen-slot option: on, if fourteen slots are free, puts its
// entries in by the automatic placement order; off takes every one of them
// out again, one per list in each of fourteen rounds (no list holds more
// than fourteen of them).
void SwitchFillerOption(CKestravDlg& dlg, const ConstructionOption& option) {
    CButton& box = dlg.*option.box;
    const char* entry = option.filler;
    if (SheetRules::FreeSlots(dlg) < kFillerSlots && !IsChecked(box)) {
        RefuseForWantOfSlots(dlg, box);
        return;
    }
    ReverseMark(box);
    if (IsChecked(box)) {
        for (int i = 0; i < kFillerSlots; ++i)
            SheetRules::AppendByPlacementOrder(dlg, entry);
    } else {
        for (int round = 0; round < kFillerSlots; ++round)
            for (Location location : kFillerRemovalOrder)
                RemoveFirstEntry(SheetRules::LocationList(dlg, location), entry);
    }
    option.rederive(dlg);
}

// Replaces every entry of the engine heat-sink list named from by
// an entry to (the list is sorted, so each new entry takes its place).
void ConvertPool(CListBox& pool, const char* from, const char* to) {
    const int count = pool.GetCount();
    for (int i = 0; i < count; ++i)
        if (RemoveFirstEntry(pool, from)) pool.AddString(to);
}

// The row of the option whose box has that control id.
const ConstructionOption& Option(int controlId) {
    for (const ConstructionOption& option : ConstructionOptions::kTable)
        if (option.controlId == controlId) return option;
    throw std::logic_error("no option has box " + std::to_string(controlId));
}

} // namespace

void RederiveInternals(CKestravDlg& dlg) {
    SheetRules::LookUpInternals(dlg);
    SheetRules::RecalculateTonnage(dlg);
    dlg.UpdateData(false);
}

void RederiveArmourPoints(CKestravDlg& dlg) {
    SheetRules::UpdateArmourPoints(dlg);
    dlg.UpdateData(false);
}

void CKestravDlg::OnEndoSteel() {
    SwitchFillerOption(*this, Option(IDC_ENDO_STEEL));
}

void CKestravDlg::OnFerroFibrous() {
    SwitchFillerOption(*this, Option(IDC_FERRO_FIBROUS));
}

// XL Engine on needs three free slots in each side torso; off takes three
// "Engine" entries out of each again. The ten fixed "Engine" and "Gyro"
// entries of C/TORSO are never touched.
void CKestravDlg::OnXLEngine() {
    const bool sideTorsoFull = m_listLeftTorso.GetCount() > kXLMostEntriesPerSideTorso ||
                               m_listRightTorso.GetCount() > kXLMostEntriesPerSideTorso;
    if (sideTorsoFull && !IsChecked(m_chkXLEngine)) {
        RefuseForWantOfSlots(*this, m_chkXLEngine);
        return;
    }
    ReverseMark(m_chkXLEngine);
    for (int i = 0; i < kXLSlotsPerSideTorso; ++i) {
        if (IsChecked(m_chkXLEngine)) {
            m_listLeftTorso.AddString(kEngine);
            m_listRightTorso.AddString(kEngine);
        } else {
            RemoveFirstEntry(m_listLeftTorso, kEngine);
            RemoveFirstEntry(m_listRightTorso, kEngine);
        }
    }
    LookUpEngine();
    RecalculateTonnage();
    UpdateData(false);
}

// Single and double heat sinks are never mixed: the switch is refused, and the
// mark stays where it was, while a placed sink of the old kind remains. Placed
// sinks are never converted; the engine's list is, at once. Nothing is
// recalculated: the new kind counts from the next placement or engine change.
void CKestravDlg::OnDoubleHeatSinks() {
    ReverseMark(m_chkDoubleHeatSinks);
    const bool nowDouble = IsChecked(m_chkDoubleHeatSinks);
    if (g_nHeatSinks >= 1 && nowDouble) {
        m_chkDoubleHeatSinks.SetCheck(BST_UNCHECKED);
        MessageBox(kMixingSinksText, kEquipmentAllocationError, MB_OK);
        return;
    }
    if (g_nDoubleSinks >= 1 && !nowDouble) {
        m_chkDoubleHeatSinks.SetCheck(BST_CHECKED);
        MessageBox(kMixingSinksText, kEquipmentAllocationError, MB_OK);
        return;
    }
    if (nowDouble)
        ConvertPool(m_listEngineHeatSinks, kHeatSink, kDoubleSink);
    else
        ConvertPool(m_listEngineHeatSinks, kDoubleSink, kHeatSink);
}
