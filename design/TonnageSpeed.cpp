// The TONNAGE and SPEED steppers (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnTonnageIncrease() {}
void CKestravDlg::OnTonnageDecrease() {}
void CKestravDlg::OnSpeedIncrease() {}
void CKestravDlg::OnSpeedDecrease() {}
