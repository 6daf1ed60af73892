// Jump jets (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnJumpJetsIncrease() {}
void CKestravDlg::OnJumpJetsDecrease() {}
