// Add Component (rules to come).

#include "design/KestravDlg.h"

void CKestravDlg::OnAddComponent() {}
