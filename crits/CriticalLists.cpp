// The critical location lists: which list is which location, their capacities,
// the fixed entries of a new design, the automatic placement order of filler
// entries, and the move lock over the 38 design controls.

#include "design/KestravDlg.h"
#include "design/ProgramValues.h"
#include "res/resource.h"

#include <array>

namespace {

struct LocationInfo {
    CListBox CKestravDlg::*list;
    int capacity;
};

// Indexed by Location.
const std::array<LocationInfo, 8> kLocations = {{
    {&CKestravDlg::m_listHead, 6},
    {&CKestravDlg::m_listCentreTorso, 12},
    {&CKestravDlg::m_listLeftArm, 12},
    {&CKestravDlg::m_listRightTorso, 12},
    {&CKestravDlg::m_listLeftLeg, 6},
    {&CKestravDlg::m_listRightLeg, 6},
    {&CKestravDlg::m_listLeftTorso, 12},
    {&CKestravDlg::m_listRightArm, 12},
}};

// clang-format off
// Filler entries (jump jets, Endo Steel, Ferro Fibrous) go to the first of these with a free slot.
const Location kPlacementOrder[] = {Location::LeftTorso, Location::RightTorso, Location::RightArm,
                                    Location::LeftArm,   Location::RightLeg,   Location::LeftLeg,
                                    Location::CentreTorso, Location::Head};

// The controls a move in progress disables, and its end enables again.
const int kDesignControls[] = {
    IDC_ARMOUR_DOWN,      IDC_ARMOUR_UP,     IDC_UP_HEAD,        IDC_DOWN_HEAD,
    IDC_UP_LTFRONT,       IDC_DOWN_LTFRONT,  IDC_UP_CTFRONT,     IDC_DOWN_CTFRONT,
    IDC_UP_RTFRONT,       IDC_DOWN_RTFRONT,  IDC_UP_LTREAR,      IDC_DOWN_LTREAR,
    IDC_UP_CTREAR,        IDC_DOWN_CTREAR,   IDC_UP_RTREAR,      IDC_DOWN_RTREAR,
    IDC_UP_LA,            IDC_DOWN_LA,       IDC_UP_RA,          IDC_DOWN_RA,
    IDC_UP_LL,            IDC_DOWN_LL,       IDC_UP_RL,          IDC_DOWN_RL,
    IDC_JUMPJETS_UP,      IDC_JUMPJETS_DOWN, IDC_SPEED_DOWN,     IDC_SPEED_UP,
    IDC_TONNAGE_DOWN,     IDC_TONNAGE_UP,    IDC_ENGINE_HEATSINKS, IDC_ADD_COMPONENT,
    IDC_WEAPONS,          IDC_BALANCE_ARMOUR, IDC_DOUBLE_HEATSINKS, IDC_ENDO_STEEL,
    IDC_FERRO_FIBROUS,    IDC_XL_ENGINE,
};
// clang-format on
static_assert(std::size(kDesignControls) == 38);

void AppendAll(CListBox& list, std::initializer_list<const char*> entries) {
    for (const char* entry : entries)
        list.AddString(entry);
}

} // namespace

CListBox& CKestravDlg::LocationList(Location location) {
    return this->*kLocations[static_cast<std::size_t>(location)].list;
}

int CKestravDlg::Capacity(Location location) {
    return kLocations[static_cast<std::size_t>(location)].capacity;
}

int CKestravDlg::FreeSlots() {
    int occupied = 0;
    for (std::size_t i = 0; i < kLocations.size(); ++i)
        occupied += LocationList(static_cast<Location>(i)).GetCount();
    return 78 - occupied;
}

bool CKestravDlg::AppendByPlacementOrder(const std::string& entry) {
    for (Location location : kPlacementOrder) {
        CListBox& list = LocationList(location);
        if (list.GetCount() < Capacity(location)) {
            list.AddString(entry);
            return true;
        }
    }
    return false;
}

// The weapons list from the equipment catalogue, then the fixed entries of a
// new design. No capacity is tested: the fixed entries always fit.
void CKestravDlg::InitCriticalLists() {
    // An empty catalogue leaves the weapons list empty; the fixed entries go in all the same.
    // The names go in with one sort, not one sorted insertion each.
    std::vector<std::string> names;
    if (g_rsEquipment.RecordCount() > 0) g_rsEquipment.MoveFirst();
    while (!g_rsEquipment.IsEOF()) {
        names.push_back(g_rsEquipment.m_Item);
        g_rsEquipment.MoveNext();
    }
    m_listWeapons.AddStrings(std::move(names));
    AppendAll(m_listHead, {"Life Support", "Sensors", "Cockpit", "Sensors", "Life Support"});
    for (CListBox* arm : {&m_listLeftArm, &m_listRightArm})
        AppendAll(*arm, {"Shoulder", "Upper Arm Actuator", "Lower Arm Actuator", "Hand Actuator"});
    AppendAll(m_listCentreTorso, {"Engine", "Engine", "Engine", "Gyro", "Gyro", "Gyro", "Gyro",
                                  "Engine", "Engine", "Engine"});
    for (CListBox* leg : {&m_listLeftLeg, &m_listRightLeg})
        AppendAll(*leg, {"Hip", "Upper Leg Actuator", "Lower Leg Actuator", "Foot Actuator"});
    m_nCritsRemaining = 46;
}

void CKestravDlg::DisableDesignControls() {
    for (int id : kDesignControls)
        GetDlgItem(id).EnableWindow(false);
}

void CKestravDlg::EnableDesignControls() {
    for (int id : kDesignControls)
        GetDlgItem(id).EnableWindow(true);
}
