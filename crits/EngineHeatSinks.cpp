// The engine heat-sink list: a double-click makes the selected heat sink the
// pending component. The placing rules then give it a slot, free of tonnage,
// and take it out of this list.

#include "design/KestravDlg.h"
#include "design/ProgramValues.h"

void CKestravDlg::OnDblclkEngineHeatSinks() {
    const int selected = m_listEngineHeatSinks.GetCurSel();
    if (selected != LB_ERR) g_strPendingComponent = m_listEngineHeatSinks.GetText(selected);
}
