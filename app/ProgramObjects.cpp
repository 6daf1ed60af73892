// The program-wide objects, in the order they are constructed: the
// application, the three catalogue record sets, the pending component. They
// are destroyed in the reverse order when the program ends; a record set still
// open then closes itself. The counters and weights beside them start at zero.

#include "app/KestravApp.h"
#include "design/ProgramValues.h"

CKestravApp theApp;
MechEquipment g_rsEquipment;
CMechEngines g_rsEngines;
CMechInternals g_rsInternals;
std::string g_strPendingComponent;

int g_nSinksToAllocate = 0;
int g_nSinksAllocated = 0;
int g_nHeatSinks = 0;
int g_nDoubleSinks = 0;
float g_fJumpJetTonnage = 0;
float g_fEquipmentTonnage = 0;
