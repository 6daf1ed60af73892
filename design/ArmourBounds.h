// Keeping every armour location within its bound when the bounds shrink.
//
// A location's points may not exceed twice its internal structure (a torso's
// front and rear share that bound; the head holds 9). The U buttons never
// pass it, but a lighter mech has a smaller structure: when the tonnage falls
// the points above the new bounds go back to EXTERNAL ARMOUR POINTS REMAINING.
#pragma once

class CKestravDlg;

void KeepArmourWithinBounds(CKestravDlg& dlg);
