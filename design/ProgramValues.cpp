// The operations on the program-wide values that several parts of the
// program share.

#include "design/ProgramValues.h"

#include "catalog/Search.h"

void SeekEquipment(const std::string& name) {
    SeekFirst(
        g_rsEquipment, [&name](const MechEquipment& rs) { return rs.m_Item == name; },
        "the component \"" + name + "\"");
}

void ClearPendingValues() {
    g_rsEquipment.m_Tonnage = 0;
    g_rsEquipment.m_Criticals = 0;
}
