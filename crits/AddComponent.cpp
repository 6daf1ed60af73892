// Add Component: the component selected in the WEAPONS AND COMPONENTS list
// becomes the pending component, with the catalogue on its record, ready for a
// click into a location list to place it.
//
// Nothing is placed or counted here: the heat-sink counters follow the sinks
// that stand in the locations, so a heat sink added and then replaced by
// another component leaves no trace. Single and double heat sinks are not
// mixed, and a third hand is refused.

#include "crits/SlotOperations.h"
#include "design/KestravDlg.h"
#include "design/Locations.h"
#include "design/Messages.h"
#include "design/Names.h"
#include "design/ProgramValues.h"

void CKestravDlg::OnAddComponent() {
    // With no selection the component still pending is checked again; with nothing pending either,
    // nothing happens.
    const int selected = m_listWeapons.GetCurSel();
    if (selected != LB_ERR) g_strPendingComponent = m_listWeapons.GetText(selected);
    if (g_strPendingComponent.empty()) return;
    const std::string name = g_strPendingComponent;

    SeekEquipment(name);
    const bool doubles = m_chkDoubleHeatSinks.GetCheck() == BST_CHECKED;
    if ((name == kHeatSink && doubles) || (name == kDoubleSink && !doubles)) {
        MessageBox(kMixingSinksText, kEquipmentAllocationError);
        g_strPendingComponent.clear();
        return;
    }
    if (name == kHandActuator && FindEntry(m_listLeftArm, kHandActuator) != LB_ERR &&
        FindEntry(m_listRightArm, kHandActuator) != LB_ERR) {
        MessageBox(kTwoHandsText, kEquipmentAllocationError);
        g_strPendingComponent.clear();
    }
}
