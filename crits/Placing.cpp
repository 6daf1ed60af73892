// Placing the pending component into a location (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnSetfocusHead() {}
void CKestravDlg::OnSetfocusCentreTorso() {}
void CKestravDlg::OnSetfocusLeftArm() {}
void CKestravDlg::OnSetfocusRightTorso() {}
void CKestravDlg::OnSetfocusLeftLeg() {}
void CKestravDlg::OnSetfocusRightLeg() {}
void CKestravDlg::OnSetfocusLeftTorso() {}
void CKestravDlg::OnSetfocusRightArm() {}
