// Move Component: takes the selected component out of its location and makes
// it pending, under the move lock, until a click into a location places it.
//
// While a moved component waits, the design remembers where it came from
// (m_moveOrigin). Pressing Move Component again puts it back there first, its
// tonnage counted again: with nothing selected that is how a move is
// cancelled, and the lock is released. A refused move (a fixed entry, or a
// name the catalogue does not know) changes nothing, a waiting move included.

#include "crits/SlotOperations.h"
#include "design/ConstructionOptions.h"
#include "design/KestravDlg.h"
#include "design/Locations.h"
#include "design/Messages.h"
#include "design/Names.h"
#include "design/ProgramValues.h"
#include "design/SheetRules.h"

#include <optional>
#include <string>

namespace {

// The lists are searched for the entry to move in the move search order: an
// older selection in an earlier list wins.
std::optional<Location> FirstSelection(CKestravDlg& sheet) {
    for (Location location : kMoveSearchOrder)
        if (SheetRules::LocationList(sheet, location).GetCurSel() != LB_ERR) return location;
    return std::nullopt;
}

// The waiting moved component goes back to the lists it came from, and the lock ends.
void PutBack(CKestravDlg& sheet) {
    const MoveOrigin origin = sheet.m_moveOrigin;
    int entries = 0;
    for (const MoveOrigin::Part& part : origin.parts) {
        CListBox& list = SheetRules::LocationList(sheet, LocationOfList(part.listId));
        for (int i = 0; i < part.entries; ++i, ++entries)
            list.AddString(origin.name);
    }
    if (entries > 0) CountHeatSinks(origin.name, +1);
    g_fEquipmentTonnage += origin.tonnage;
    sheet.m_moveOrigin = MoveOrigin{};
    g_strPendingComponent.clear();
    SheetRules::EnableDesignControls(sheet);
}

// A refusal: the list loses its selection, and a component pending from Add
// Component is dropped; a waiting moved component stays as it is.
void Refuse(CKestravDlg& sheet, CListBox& list, const char* text) {
    list.SetCurSel(-1);
    if (!sheet.m_moveOrigin.Active()) g_strPendingComponent.clear();
    sheet.SetFocus();
    sheet.MessageBox(text, kEquipmentError);
}

} // namespace

void CKestravDlg::OnMoveComponent() {
    const std::optional<Location> source = FirstSelection(*this);
    if (!source) {
        // Nothing to move: a waiting move is cancelled, and nothing stays pending.
        const bool cancelled = m_moveOrigin.Active();
        if (cancelled) PutBack(*this);
        g_strPendingComponent.clear();
        if (cancelled) {
            RecalculateTonnage();
            UpdateData(false);
        }
        return;
    }
    CListBox& list = LocationList(*source);
    const std::string name = list.GetText(list.GetCurSel());
    if (StaysOnMove(RulesFor(*source), name)) {
        Refuse(*this, list, kCannotMoveText);
        return;
    }
    const bool filler = IsFillerEntry(name);
    if (!filler && !FindEquipment(name)) {
        Refuse(*this, list, kNoRecordToMoveText);
        return;
    }

    if (m_moveOrigin.Active()) PutBack(*this);
    g_strPendingComponent = name;
    DisableDesignControls();
    if (filler) {
        // A filler moves one slot at a time, without the catalogue and without tonnage.
        list.DeleteString(list.GetCurSel());
        m_moveOrigin = MoveOrigin{.name = name,
                                  .tonnage = 0,
                                  .criticals = 1,
                                  .parts = {{.listId = list.GetDlgCtrlID(), .entries = 1}}};
    } else {
        const int n = static_cast<int>(g_rsEquipment.m_Criticals);
        std::vector<MoveOrigin::Part> parts;
        if (n >= 1) parts = TakeComponentOut(*this, *source, name, n);
        if (!parts.empty()) CountHeatSinks(name, -1);
        g_fEquipmentTonnage -= g_rsEquipment.m_Tonnage;
        m_moveOrigin = MoveOrigin{.name = name,
                                  .tonnage = g_rsEquipment.m_Tonnage,
                                  .criticals = g_rsEquipment.m_Criticals,
                                  .parts = std::move(parts)};
    }
    RecalculateTonnage();
    UpdateData(false);
}
