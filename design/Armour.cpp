// Armour: buying, selling and spreading points (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnArmourIncrease() {}
void CKestravDlg::OnArmourDecrease() {}
void CKestravDlg::OnBalanceArmour() {}
void CKestravDlg::OnArmourUpHead() {}
void CKestravDlg::OnArmourDownHead() {}
void CKestravDlg::OnArmourUpLTFront() {}
void CKestravDlg::OnArmourDownLTFront() {}
void CKestravDlg::OnArmourUpCTFront() {}
void CKestravDlg::OnArmourDownCTFront() {}
void CKestravDlg::OnArmourUpRTFront() {}
void CKestravDlg::OnArmourDownRTFront() {}
void CKestravDlg::OnArmourUpLTRear() {}
void CKestravDlg::OnArmourDownLTRear() {}
void CKestravDlg::OnArmourUpCTRear() {}
void CKestravDlg::OnArmourDownCTRear() {}
void CKestravDlg::OnArmourUpRTRear() {}
void CKestravDlg::OnArmourDownRTRear() {}
void CKestravDlg::OnArmourUpLA() {}
void CKestravDlg::OnArmourDownLA() {}
void CKestravDlg::OnArmourUpRA() {}
void CKestravDlg::OnArmourDownRA() {}
void CKestravDlg::OnArmourUpLL() {}
void CKestravDlg::OnArmourDownLL() {}
void CKestravDlg::OnArmourUpRL() {}
void CKestravDlg::OnArmourDownRL() {}
