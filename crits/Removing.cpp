// Removing a component from a location: one procedure for the eight
// double-click handlers, driven by the location table (design/Locations.h), and
// the taking out of a component's entries that Move Component shares.
//
// A double-click on an entry removes the component it belongs to: its entries
// (the topmost ones with its exact name) leave the list and its tonnage is
// given back. A heat sink the engine still owes goes back to the engine list
// instead, free. Fixed entries, option fillers and jump jets are refused with
// a message, before any catalogue search. An "AC /20" leaves whole, from every
// list it occupies.

#include "crits/SlotOperations.h"
#include "crits/WholeAutocannon.h"
#include "design/ConstructionOptions.h"
#include "design/KestravDlg.h"
#include "design/Locations.h"
#include "design/Messages.h"
#include "design/Names.h"
#include "design/ProgramValues.h"
#include "design/SheetRules.h"

#include <cmath>
#include <string>

namespace {

// A heat sink the engine still owes goes back to the engine list, as the kind
// the design now uses; no tonnage is given back.
void ReturnToEngine(CKestravDlg& sheet, CListBox& list, const std::string& name) {
    --g_nSinksAllocated;
    const bool doubles = SheetRules::DoubleHeatSinksChecked(sheet);
    SheetRules::EngineHeatSinks(sheet).AddString(doubles ? kDoubleSink : kHeatSink);
    if (DeleteNamed(list, name, HeatSinkSlots(name)) > 0) CountHeatSinks(name, -1);
    ClearPendingValues();
}

void RemoveComponent(CKestravDlg& sheet, Location where) {
    const LocationRules& rules = RulesFor(where);
    CListBox& list = SheetRules::LocationList(sheet, where);
    const int selected = list.GetCurSel();
    if (selected == LB_ERR) {
        SheetRules::RecalculateTonnage(sheet);
        sheet.UpdateData(false);
        ClearPendingValues();
        return;
    }
    const std::string name = list.GetText(selected);

    if (IsFixedEntry(rules, name)) {
        list.SetCurSel(-1);
        sheet.SetFocus();
        sheet.MessageBox(kCannotRemoveText, kEquipmentError);
        return;
    }
    // Entries of the option and jump-jet rules are taken out by those rules only.
    if (IsOptionFiller(name)) {
        sheet.MessageBox(kUncheckBoxText, kEquipmentError);
        return;
    }
    if (name == kJumpJet) {
        sheet.MessageBox(kJumpJetButtonText, kEquipmentError);
        return;
    }
    const bool heatSink = name == kHeatSink || name == kDoubleSink;
    if (heatSink && SheetRules::EngineHeatSinks(sheet).GetCount() < g_nSinksToAllocate) {
        ReturnToEngine(sheet, list, name);
        return;
    }

    SeekEquipment(name);
    // HEAD holds one entry per component; elsewhere a fraction of a slot counts as a whole one.
    const float criticals = g_rsEquipment.m_Criticals;
    const int count = rules.shape == SlotShape::OneSlot
                          ? 1
                          : (criticals > 0 ? static_cast<int>(std::ceil(criticals)) : 0);
    if (!TakeComponentOut(sheet, where, name, count).empty()) CountHeatSinks(name, -1);
    g_fEquipmentTonnage -= g_rsEquipment.m_Tonnage;
    SheetRules::RecalculateTonnage(sheet);
    sheet.UpdateData(false);
    ClearPendingValues();
}

} // namespace

std::vector<MoveOrigin::Part> TakeComponentOut(CKestravDlg& sheet, Location location,
                                               const std::string& name, int count) {
    std::vector<MoveOrigin::Part> parts;
    auto take = [&](Location from, int entries) {
        CListBox& list = SheetRules::LocationList(sheet, from);
        const int deleted = DeleteNamed(list, name, entries);
        if (deleted > 0) parts.push_back({.listId = list.GetDlgCtrlID(), .entries = deleted});
    };
    const std::optional<int> at = SpillPathIndex(location);
    if (name != kAutocannon20 || !at) {
        take(location, count);
        return parts;
    }
    PathCounts counts{};
    for (std::size_t i = 0; i < kSpillPath.size(); ++i)
        counts[i] = CountNamed(SheetRules::LocationList(sheet, kSpillPath[i]), name);
    const PathCounts chosen = ChooseWholeAutocannon(counts, count, *at);
    take(location, chosen[static_cast<std::size_t>(*at)]);
    for (std::size_t i = 0; i < kSpillPath.size(); ++i)
        if (static_cast<int>(i) != *at) take(kSpillPath[i], chosen[i]);
    return parts;
}

void CKestravDlg::OnDblclkHead() {
    RemoveComponent(*this, Location::Head);
}
void CKestravDlg::OnDblclkCentreTorso() {
    RemoveComponent(*this, Location::CentreTorso);
}
void CKestravDlg::OnDblclkLeftArm() {
    RemoveComponent(*this, Location::LeftArm);
}
void CKestravDlg::OnDblclkRightTorso() {
    RemoveComponent(*this, Location::RightTorso);
}
void CKestravDlg::OnDblclkLeftLeg() {
    RemoveComponent(*this, Location::LeftLeg);
}
void CKestravDlg::OnDblclkRightLeg() {
    RemoveComponent(*this, Location::RightLeg);
}
void CKestravDlg::OnDblclkLeftTorso() {
    RemoveComponent(*this, Location::LeftTorso);
}
void CKestravDlg::OnDblclkRightArm() {
    RemoveComponent(*this, Location::RightArm);
}
