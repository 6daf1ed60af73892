// Armour: buying and selling it by the half ton (16 points a ton), and
// spreading its points over the eleven armour locations with the U and D
// buttons. All 22 buttons are one step up or down driven by the table of
// locations below; Balance Armour makes a step on one side of the mech act on
// the partner location of the other side too.
//
// Invariants the steps keep: no location goes below 0 or above its bound, and
// no U step takes EXTERNAL ARMOUR POINTS REMAINING below 0. Every refused step
// is silent.

#include "design/ArmourBounds.h"
#include "design/KestravDlg.h"
#include "design/SheetRules.h"

#include <algorithm>
#include <iterator>

namespace {

using Values = CKestravDesignValues;

enum ArmourLocation {
    Head,
    LTFront,
    CTFront,
    RTFront,
    LTRear,
    CTRear,
    RTRear,
    LA,
    RA,
    LL,
    RL,
    None
};

// What one location's U and D buttons need to know. A location's points may
// rise while they (plus the points of the other half of the same torso, for a
// torso front or rear) stay below twice its internal value; the head, which
// has no internal value here, holds at most 9.
struct ArmourRow {
    int Values::*points;
    int Values::*sharesBoundWith; // the other half of the same torso, or null
    int Values::*internal;        // null: the fixed head maximum
    ArmourLocation partner;       // moves with it under Balance Armour, or None
};

const int kHeadMaximum = 9;

// Indexed by ArmourLocation.
const ArmourRow kArmour[] = {
    {&Values::m_nArmourHead, nullptr, nullptr, None},
    {&Values::m_nArmourLTFront, &Values::m_nArmourLTRear, &Values::m_nInternalSideTorso, RTFront},
    {&Values::m_nArmourCTFront, &Values::m_nArmourCTRear, &Values::m_nInternalTorso, None},
    {&Values::m_nArmourRTFront, &Values::m_nArmourRTRear, &Values::m_nInternalSideTorso, LTFront},
    {&Values::m_nArmourLTRear, &Values::m_nArmourLTFront, &Values::m_nInternalSideTorso, RTRear},
    {&Values::m_nArmourCTRear, &Values::m_nArmourCTFront, &Values::m_nInternalTorso, None},
    {&Values::m_nArmourRTRear, &Values::m_nArmourRTFront, &Values::m_nInternalSideTorso, LTRear},
    {&Values::m_nArmourLA, nullptr, &Values::m_nInternalArms, RA},
    {&Values::m_nArmourRA, nullptr, &Values::m_nInternalArms, LA},
    {&Values::m_nArmourLL, nullptr, &Values::m_nInternalLegs, RL},
    {&Values::m_nArmourRL, nullptr, &Values::m_nInternalLegs, LL},
};
static_assert(std::size(kArmour) == None, "one row per armour location");

// The order in which selling armour takes points off the locations.
const ArmourLocation kTrimOrder[] = {LA,      RA,     LL,     RL,      Head,  LTFront,
                                     RTFront, LTRear, RTRear, CTFront, CTRear};

int& Points(CKestravDlg& dlg, ArmourLocation location) {
    return dlg.*kArmour[location].points;
}

// The points that count against the location's bound: its own, plus the other
// half's for a torso front or rear.
int UsedOfBound(const CKestravDlg& dlg, ArmourLocation location) {
    const ArmourRow& row = kArmour[location];
    int used = dlg.*row.points;
    if (row.sharesBoundWith) used += dlg.*row.sharesBoundWith;
    return used;
}

int Bound(const CKestravDlg& dlg, ArmourLocation location) {
    const ArmourRow& row = kArmour[location];
    return row.internal ? 2 * (dlg.*row.internal) : kHeadMaximum;
}

// True while a U step may add a point to the location.
bool BelowBound(const CKestravDlg& dlg, ArmourLocation location) {
    return UsedOfBound(dlg, location) < Bound(dlg, location);
}

int AllocatedPoints(CKestravDlg& dlg) {
    int sum = 0;
    for (const ArmourRow& row : kArmour)
        sum += dlg.*row.points;
    return sum;
}

// U: one remaining point onto the location, if one remains and the location
// is below its bound. Under Balance Armour the partner takes one too, but only
// when another point remains and the partner is below its own bound;
// otherwise the location's step is made alone.
void StepUp(CKestravDlg& dlg, ArmourLocation location) {
    if (dlg.m_nArmourPointsRemaining < 1) return;
    if (!BelowBound(dlg, location)) return;
    ++Points(dlg, location);
    --dlg.m_nArmourPointsRemaining;
    const ArmourLocation partner = kArmour[location].partner;
    if (SheetRules::BalanceArmourChecked(dlg) && partner != None &&
        dlg.m_nArmourPointsRemaining >= 1 && BelowBound(dlg, partner)) {
        ++Points(dlg, partner);
        --dlg.m_nArmourPointsRemaining;
    }
    dlg.UpdateData(false);
}

// D: one point off the location back to the points remaining, if it has one.
// Under Balance Armour the partner gives one back too when it has one.
void StepDown(CKestravDlg& dlg, ArmourLocation location) {
    if (Points(dlg, location) < 1) return;
    --Points(dlg, location);
    ++dlg.m_nArmourPointsRemaining;
    const ArmourLocation partner = kArmour[location].partner;
    if (SheetRules::BalanceArmourChecked(dlg) && partner != None && Points(dlg, partner) > 0) {
        --Points(dlg, partner);
        ++dlg.m_nArmourPointsRemaining;
    }
    dlg.UpdateData(false);
}

// Brings the allocated points within what the armour tonnage buys (16 a ton).
// Whole passes take one point off every location above 1, in the trim order,
// testing the sum only between passes. When every location is down to 1 or 0
// and the points still do not fit, the single points go too, one at a time in
// the same order, until they fit: the allocation never exceeds the armour.
void TrimAllocation(CKestravDlg& dlg) {
    const auto fits = [&dlg] {
        return AllocatedPoints(dlg) <= static_cast<double>(dlg.m_fArmour) * 16;
    };
    while (!fits()) {
        bool lowered = false;
        for (ArmourLocation location : kTrimOrder) {
            if (Points(dlg, location) > 1) {
                --Points(dlg, location);
                lowered = true;
            }
        }
        if (lowered) continue;
        for (ArmourLocation location : kTrimOrder) {
            if (fits()) break;
            if (Points(dlg, location) > 0) {
                --Points(dlg, location);
                lowered = true;
            }
        }
        if (!lowered) break; // nothing left to lower
    }
}

} // namespace

// Rears come before fronts: where a torso's front and rear together exceed
// their shared bound, the rear gives way first.
void KeepArmourWithinBounds(CKestravDlg& dlg) {
    static const ArmourLocation kOrder[] = {Head,    CTRear, CTFront, LTRear, LTFront, RTRear,
                                            RTFront, LA,     RA,      LL,     RL};
    for (ArmourLocation location : kOrder) {
        const int over = UsedOfBound(dlg, location) - Bound(dlg, location);
        if (over <= 0) continue;
        const int taken = std::min(over, Points(dlg, location));
        Points(dlg, location) -= taken;
        dlg.m_nArmourPointsRemaining += taken;
    }
}

// Half a ton more armour, if 0.5 t of tonnage remains and the points the
// armour buys are still below 2 x total internal + 6.
void CKestravDlg::OnArmourIncrease() {
    RecalculateTonnage();
    if (m_fTonnageRemaining >= 0.5f &&
        2 * m_nTotalInternal + 6 > static_cast<double>(m_fArmour) * 16)
        m_fArmour += 0.5f;
    UpdateArmourPoints();
    RecalculateTonnage();
    UpdateData(false);
}

// Half a ton less armour (none sold at 0 t), then the allocated points are
// trimmed to what the remaining armour buys.
void CKestravDlg::OnArmourDecrease() {
    if (m_fArmour >= 0.5f) {
        m_fArmour -= 0.5f;
        RecalculateTonnage();
    }
    UpdateArmourPoints();
    TrimAllocation(*this);
    UpdateArmourPoints();
    UpdateData(false);
}

// The click only reverses the mark; points already allocated stay.
void CKestravDlg::OnBalanceArmour() {
    const bool checked = m_btnBalanceArmour.GetCheck() == BST_CHECKED;
    m_btnBalanceArmour.SetCheck(checked ? BST_UNCHECKED : BST_CHECKED);
}

void CKestravDlg::OnArmourUpHead() {
    StepUp(*this, Head);
}
void CKestravDlg::OnArmourDownHead() {
    StepDown(*this, Head);
}
void CKestravDlg::OnArmourUpLTFront() {
    StepUp(*this, LTFront);
}
void CKestravDlg::OnArmourDownLTFront() {
    StepDown(*this, LTFront);
}
void CKestravDlg::OnArmourUpCTFront() {
    StepUp(*this, CTFront);
}
void CKestravDlg::OnArmourDownCTFront() {
    StepDown(*this, CTFront);
}
void CKestravDlg::OnArmourUpRTFront() {
    StepUp(*this, RTFront);
}
void CKestravDlg::OnArmourDownRTFront() {
    StepDown(*this, RTFront);
}
void CKestravDlg::OnArmourUpLTRear() {
    StepUp(*this, LTRear);
}
void CKestravDlg::OnArmourDownLTRear() {
    StepDown(*this, LTRear);
}
void CKestravDlg::OnArmourUpCTRear() {
    StepUp(*this, CTRear);
}
void CKestravDlg::OnArmourDownCTRear() {
    StepDown(*this, CTRear);
}
void CKestravDlg::OnArmourUpRTRear() {
    StepUp(*this, RTRear);
}
void CKestravDlg::OnArmourDownRTRear() {
    StepDown(*this, RTRear);
}
void CKestravDlg::OnArmourUpLA() {
    StepUp(*this, LA);
}
void CKestravDlg::OnArmourDownLA() {
    StepDown(*this, LA);
}
void CKestravDlg::OnArmourUpRA() {
    StepUp(*this, RA);
}
void CKestravDlg::OnArmourDownRA() {
    StepDown(*this, RA);
}
void CKestravDlg::OnArmourUpLL() {
    StepUp(*this, LL);
}
void CKestravDlg::OnArmourDownLL() {
    StepDown(*this, LL);
}
void CKestravDlg::OnArmourUpRL() {
    StepUp(*this, RL);
}
void CKestravDlg::OnArmourDownRL() {
    StepDown(*this, RL);
}
