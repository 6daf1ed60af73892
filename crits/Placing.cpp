// Placing the pending component into a location: one procedure for the eight
// set-focus handlers, driven by the location table (design/Locations.h).
//
// A click into a location list (the list gaining the focus) is a placement
// request. A filler entry takes any free slot; a heat sink from the engine
// list goes in free of tonnage where the location takes its kind; anything
// else passes the hand rule, the fit test and the tonnage test in the
// location's order and is written, an "AC /20" perhaps running on into the
// spill partner. A heat sink of the kind the design does not use (the option
// was switched while it waited) is refused, and no list ever holds more
// entries than its capacity. A refusal changes nothing and keeps the
// component pending; it first gives the focus to the main window, since the
// list regains the focus when the message box closes and must not take that
// for a new request.

#include "crits/SlotOperations.h"
#include "design/ConstructionOptions.h"
#include "design/KestravDlg.h"
#include "design/Locations.h"
#include "design/Messages.h"
#include "design/Names.h"
#include "design/ProgramValues.h"
#include "design/SheetRules.h"

#include <string>

namespace {

void Refuse(CKestravDlg& sheet, const char* text, const char* caption) {
    sheet.SetFocus();
    sheet.MessageBox(text, caption);
}

// A completed placement: nothing pending any more, and a move in progress is over.
void EndPlacement(CKestravDlg& sheet) {
    g_strPendingComponent.clear();
    sheet.m_moveOrigin = MoveOrigin{};
    SheetRules::EnableDesignControls(sheet);
}

// The pending name is a heat sink of a kind this location takes from the
// engine list, the list still holds one, and no move is in progress.
bool IsEngineSink(CKestravDlg& sheet, const LocationRules& rules, const std::string& name) {
    const bool kind =
        name == kHeatSink || (name == kDoubleSink && rules.shape == SlotShape::Spilling);
    return kind && SheetRules::EngineHeatSinks(sheet).GetCount() >= 1 &&
           SheetRules::DesignControlsEnabled(sheet);
}

// A heat sink from the engine list, free of tonnage: one entry, or three for a
// double sink, which must find that many free slots here.
void PlaceEngineSink(CKestravDlg& sheet, Location where, const std::string& name) {
    CListBox& list = SheetRules::LocationList(sheet, where);
    const int slots = HeatSinkSlots(name);
    if (SheetRules::Capacity(where) - list.GetCount() < slots) {
        Refuse(sheet, kCannotFitText, kAllocationError);
        return;
    }
    for (int i = 0; i < slots; ++i)
        list.AddString(name);
    CountHeatSinks(name, +1);
    CListBox& pool = SheetRules::EngineHeatSinks(sheet);
    RemoveFirstEntry(pool, name);
    ClearPendingValues();
    g_strPendingComponent.clear();
    ++g_nSinksAllocated;
    sheet.UpdateData(false);
}

// The fit test: whether the location has room for the component's slots.
bool Fits(CKestravDlg& sheet, const LocationRules& rules, const std::string& name,
          float criticals) {
    const Location where = rules.location;
    const int count = SheetRules::LocationList(sheet, where).GetCount();
    const int capacity = SheetRules::Capacity(where);
    switch (rules.shape) {
    case SlotShape::OneSlot:
        return name != kDoubleSink && count < capacity && criticals <= 1.0f;
    case SlotShape::Closed:
        return name != kDoubleSink && count < capacity &&
               !(static_cast<float>(capacity - count) < criticals);
    case SlotShape::Spilling: {
        const int partnerFree = SheetRules::Capacity(*rules.spill) -
                                SheetRules::LocationList(sheet, *rules.spill).GetCount();
        return count < capacity &&
               !(static_cast<float>(capacity - count + partnerFree) < criticals);
    }
    }
    return false;
}

// Writes the component's entries and completes the placement. n is the slot
// count truncated toward zero; HEAD takes one entry whatever n is.
void WriteEntries(CKestravDlg& sheet, const LocationRules& rules, const std::string& name,
                  PendingValues pending) {
    CListBox& list = SheetRules::LocationList(sheet, rules.location);
    const int n = static_cast<int>(pending.criticals);
    int written = 0;
    switch (rules.shape) {
    case SlotShape::OneSlot:
        list.AddString(name);
        written = 1;
        break;
    case SlotShape::Closed:
        for (; written < n; ++written)
            list.AddString(name);
        break;
    case SlotShape::Spilling: {
        const int capacity = SheetRules::Capacity(rules.location);
        CListBox& partner = SheetRules::LocationList(sheet, *rules.spill);
        const int free = capacity - list.GetCount();
        const int partnerFree = SheetRules::Capacity(*rules.spill) - partner.GetCount();
        if (free >= n) {
            if (rules.isArm && name == kHandActuator) {
                // The hand goes back to its place after the lower arm; it weighs nothing.
                list.InsertString(3, name);
                ClearPendingValues();
                EndPlacement(sheet);
                return;
            }
            for (; written < n; ++written)
                list.AddString(name);
        } else if (free + partnerFree < n || name != kAutocannon20) {
            Refuse(sheet, kCannotFitText, kAllocationError);
            return;
        } else {
            // Only an "AC /20" runs on into the spill partner.
            for (; written < n; ++written)
                (list.GetCount() < capacity ? list : partner).AddString(name);
        }
        break;
    }
    }
    if (written > 0) CountHeatSinks(name, +1);
    g_fEquipmentTonnage += pending.tonnage;
    EndPlacement(sheet);
    SheetRules::RecalculateTonnage(sheet);
    ClearPendingValues();
    sheet.UpdateData(false);
}

void PlaceComponent(CKestravDlg& sheet, Location where) {
    const std::string name = g_strPendingComponent;
    if (name.empty()) return;
    const LocationRules& rules = RulesFor(where);
    CListBox& list = SheetRules::LocationList(sheet, where);

    if (IsFillerEntry(name) && list.GetCount() < SheetRules::Capacity(where)) {
        list.AddString(name);
        EndPlacement(sheet);
        return;
    }

    // The heat-sink kind may have been switched since this sink became pending.
    const bool doubles = SheetRules::DoubleHeatSinksChecked(sheet);
    if ((name == kHeatSink && doubles) || (name == kDoubleSink && !doubles)) {
        Refuse(sheet, kMixingSinksText, kEquipmentAllocationError);
        return;
    }

    const bool engineSink = IsEngineSink(sheet, rules, name);
    const PendingValues pending = CurrentPendingValues(sheet);
    for (PlacingStep step : rules.order) {
        switch (step) {
        case PlacingStep::EngineSink:
            if (engineSink) {
                PlaceEngineSink(sheet, where, name);
                return;
            }
            break;
        case PlacingStep::Focus:
            sheet.SetFocus();
            break;
        case PlacingStep::Hand:
            if (name == kHandActuator && FindEntry(list, kHandActuator) != LB_ERR) {
                Refuse(sheet, kOneHandPerArmText, kEquipmentAllocationError);
                return;
            }
            break;
        case PlacingStep::Fit:
            // An engine sink makes its own fit test when it is placed.
            if (!engineSink && !Fits(sheet, rules, name, pending.criticals)) {
                Refuse(sheet, kCannotFitText, kAllocationError);
                return;
            }
            break;
        case PlacingStep::Tonnage:
            if (pending.tonnage > sheet.m_fTonnageRemaining) {
                Refuse(sheet, kInsufficientTonnageText, kAllocationError);
                return;
            }
            break;
        case PlacingStep::Done:
            break;
        }
    }
    WriteEntries(sheet, rules, name, pending);
}

} // namespace

void CKestravDlg::OnSetfocusHead() {
    PlaceComponent(*this, Location::Head);
}
void CKestravDlg::OnSetfocusCentreTorso() {
    PlaceComponent(*this, Location::CentreTorso);
}
void CKestravDlg::OnSetfocusLeftArm() {
    PlaceComponent(*this, Location::LeftArm);
}
void CKestravDlg::OnSetfocusRightTorso() {
    PlaceComponent(*this, Location::RightTorso);
}
void CKestravDlg::OnSetfocusLeftLeg() {
    PlaceComponent(*this, Location::LeftLeg);
}
void CKestravDlg::OnSetfocusRightLeg() {
    PlaceComponent(*this, Location::RightLeg);
}
void CKestravDlg::OnSetfocusLeftTorso() {
    PlaceComponent(*this, Location::LeftTorso);
}
void CKestravDlg::OnSetfocusRightArm() {
    PlaceComponent(*this, Location::RightArm);
}
