// The critical location lists as the sheet uses them (their facts are the
// location table, design/Locations.h), and the move lock over the design
// controls.

#include "design/ConstructionOptions.h"
#include "design/KestravDlg.h"
#include "design/Locations.h"
#include "design/ProgramValues.h"
#include "res/resource.h"

#include <iterator>
#include <string>
#include <string_view>

namespace {

// clang-format off
// The controls a move in progress disables, and its end enables again.
const int kDesignControls[] = {
    IDC_ARMOUR_DOWN,      IDC_ARMOUR_UP,     IDC_UP_HEAD,        IDC_DOWN_HEAD,
    IDC_UP_LTFRONT,       IDC_DOWN_LTFRONT,  IDC_UP_CTFRONT,     IDC_DOWN_CTFRONT,
    IDC_UP_RTFRONT,       IDC_DOWN_RTFRONT,  IDC_UP_LTREAR,      IDC_DOWN_LTREAR,
    IDC_UP_CTREAR,        IDC_DOWN_CTREAR,   IDC_UP_RTREAR,      IDC_DOWN_RTREAR,
    IDC_UP_LA,            IDC_DOWN_LA,       IDC_UP_RA,          IDC_DOWN_RA,
    IDC_UP_LL,            IDC_DOWN_LL,       IDC_UP_RL,          IDC_DOWN_RL,
    IDC_JUMPJETS_UP,      IDC_JUMPJETS_DOWN, IDC_SPEED_DOWN,     IDC_SPEED_UP,
    IDC_TONNAGE_DOWN,     IDC_TONNAGE_UP,    IDC_ENGINE_HEATSINKS, IDC_ADD_COMPONENT,
    IDC_WEAPONS,          IDC_BALANCE_ARMOUR,
};
// clang-format on
static_assert(std::size(kDesignControls) == 34); // and the option boxes

void SetDesignControlsEnabled(CKestravDlg& dlg, bool enable) {
    for (int id : kDesignControls)
        dlg.GetDlgItem(id).EnableWindow(enable);
    for (const ConstructionOption& option : ConstructionOptions::kTable)
        dlg.GetDlgItem(option.controlId).EnableWindow(enable);
}

} // namespace

CListBox& CKestravDlg::LocationList(Location location) {
    return this->*RulesFor(location).list;
}

int CKestravDlg::Capacity(Location location) {
    return RulesFor(location).capacity;
}

int CKestravDlg::FreeSlots() {
    int free = 0;
    for (const LocationRules& rules : Locations::kTable)
        free += rules.capacity - (this->*rules.list).GetCount();
    return free;
}

bool CKestravDlg::AppendByPlacementOrder(const std::string& entry) {
    for (Location location : kPlacementOrder) {
        CListBox& list = LocationList(location);
        if (list.GetCount() < Capacity(location)) {
            list.AddString(entry);
            return true;
        }
    }
    return false;
}

// The weapons list from the equipment catalogue, then the fixed entries of a
// new design. No capacity is tested: the fixed entries always fit.
void CKestravDlg::InitCriticalLists() {
    // An empty catalogue leaves the weapons list empty; the fixed entries go in all the same.
    // The names go in with one sort, not one sorted insertion each.
    m_listWeapons.AddStrings(g_rsEquipment.Items());
    for (const LocationRules& rules : Locations::kTable)
        for (std::string_view entry : rules.newDesign)
            if (!entry.empty()) (this->*rules.list).AddString(std::string(entry));
    m_nCritsRemaining = 46;
}

void CKestravDlg::DisableDesignControls() {
    SetDesignControlsEnabled(*this, false);
}

void CKestravDlg::EnableDesignControls() {
    SetDesignControlsEnabled(*this, true);
}
