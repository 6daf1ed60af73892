// The program-wide values: their definitions, their saving and restoring for
// the undo of a failed action, and the operations several parts of the
// program share.
//
// The record sets and the pending component are constructed in this order
// (one translation unit); nothing in their construction or destruction uses
// the application object, which app/ProgramObjects.cpp defines. The counters
// and weights start at zero.

#include "design/ProgramValues.h"

#include "design/CatalogueRowRules.h"

#include <utility>

MechEquipment g_rsEquipment(CheckEquipmentRow);
CMechEngines g_rsEngines;
CMechInternals g_rsInternals;
std::string g_strPendingComponent;

int g_nSinksToAllocate = 0;
int g_nSinksAllocated = 0;
int g_nHeatSinks = 0;
int g_nDoubleSinks = 0;
float g_fJumpJetTonnage = 0;
float g_fEquipmentTonnage = 0;

ProgramValues SaveProgramValues() {
    return ProgramValues{.pendingComponent = g_strPendingComponent,
                         .sinksToAllocate = g_nSinksToAllocate,
                         .sinksAllocated = g_nSinksAllocated,
                         .heatSinks = g_nHeatSinks,
                         .doubleSinks = g_nDoubleSinks,
                         .jumpJetTonnage = g_fJumpJetTonnage,
                         .equipmentTonnage = g_fEquipmentTonnage};
}

void RestoreProgramValues(ProgramValues&& values) {
    g_strPendingComponent = std::move(values.pendingComponent);
    g_nSinksToAllocate = values.sinksToAllocate;
    g_nSinksAllocated = values.sinksAllocated;
    g_nHeatSinks = values.heatSinks;
    g_nDoubleSinks = values.doubleSinks;
    g_fJumpJetTonnage = values.jumpJetTonnage;
    g_fEquipmentTonnage = values.equipmentTonnage;
}

void SeekEquipment(const std::string& name) {
    if (!g_rsEquipment.Seek(name))
        throw CDaoException(kDaoNoCurrentRecord,
                            g_rsEquipment.FileName() +
                                ": No current record: the catalogue has no record for the "
                                "component \"" +
                                name + "\".");
}

void ClearPendingValues() {
    g_rsEquipment.m_Tonnage = 0;
    g_rsEquipment.m_Criticals = 0;
}
