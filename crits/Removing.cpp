// Removing a component from a location (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnDblclkHead() {}
void CKestravDlg::OnDblclkCentreTorso() {}
void CKestravDlg::OnDblclkLeftArm() {}
void CKestravDlg::OnDblclkRightTorso() {}
void CKestravDlg::OnDblclkLeftLeg() {}
void CKestravDlg::OnDblclkRightLeg() {}
void CKestravDlg::OnDblclkLeftTorso() {}
void CKestravDlg::OnDblclkRightArm() {}
