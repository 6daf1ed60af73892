// The four construction options (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnXLEngine() {}
void CKestravDlg::OnFerroFibrous() {}
void CKestravDlg::OnEndoSteel() {}
void CKestravDlg::OnDoubleHeatSinks() {}
