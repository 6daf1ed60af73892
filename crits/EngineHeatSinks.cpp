// The engine heat-sink list (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnDblclkEngineHeatSinks() {}
