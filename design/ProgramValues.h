// The program-wide values beside the design sheet.
//
// They live for the whole run (defined, saved and restored in
// ProgramValues.cpp) and are shared by every handler:
// - the three catalogue record sets; g_rsEquipment's current record is the
//   data of the component waiting to be placed;
// - g_strPendingComponent, the name of that component (empty: none);
// - g_nSinksToAllocate, engine heat sinks that need critical slots
//   (10 - rating / 25, not below 0), set by LookUpEngine;
// - g_nSinksAllocated, engine heat sinks taken from the engine list and placed;
// - g_nHeatSinks and g_nDoubleSinks, single and double heat sinks in the design;
// - g_fJumpJetTonnage and g_fEquipmentTonnage, weights that TONNAGE
//   REMAINING subtracts.
#pragma once

#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "catalog/MechInternals.h"

#include <string>

extern MechEquipment g_rsEquipment;
extern CMechEngines g_rsEngines;
extern CMechInternals g_rsInternals;
extern std::string g_strPendingComponent;
extern int g_nSinksToAllocate;
extern int g_nSinksAllocated;
extern int g_nHeatSinks;
extern int g_nDoubleSinks;
extern float g_fJumpJetTonnage;
extern float g_fEquipmentTonnage;

// The program-wide values other than the record sets, as one copyable value.
struct ProgramValues {
    std::string pendingComponent;
    int sinksToAllocate = 0;
    int sinksAllocated = 0;
    int heatSinks = 0;
    int doubleSinks = 0;
    float jumpJetTonnage = 0;
    float equipmentTonnage = 0;

    bool operator==(const ProgramValues&) const = default;
};
ProgramValues SaveProgramValues();
// Moves the values back: allocates nothing, so an undo cannot fail.
void RestoreProgramValues(ProgramValues&& values);

// Moves the equipment catalogue to the first record named exactly name; a
// name without a record ends the action with the catalogue's error.
void SeekEquipment(const std::string& name);

// A completed placement or removal, or the Equipment Details box, leaves the
// record's tonnage and slots at 0 in memory (the catalogue itself is never
// written).
void ClearPendingValues();
