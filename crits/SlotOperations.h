// Operations the placing, removing and moving rules share.
//
// A component's entries are the entries whose text is its whole name, never
// a longer name that merely begins with it ("AC /2" is not part of an
// "AC /20"). The heat-sink counters g_nHeatSinks and g_nDoubleSinks count the
// heat sinks that stand in the locations: raised when one is written into a
// list, lowered when one leaves it.
#pragma once

#include "design/KestravDlg.h"
#include "design/ListEntries.h"
#include "design/Locations.h"
#include "design/MoveOrigin.h"
#include "design/Names.h"
#include "design/ProgramValues.h"

#include <string>
#include <vector>

// Keeps the heat-sink counters in step with the sinks in the locations: one
// more (or fewer, with a negative step) sink of that name.
inline void CountHeatSinks(const std::string& name, int step) {
    if (name == kHeatSink)
        g_nHeatSinks += step;
    else if (name == kDoubleSink)
        g_nDoubleSinks += step;
}

// The tonnage and slots of the pending component. A component being moved
// keeps the values it had when it was taken out; any other pending component
// has those of its own equipment record. The catalogue is moved back to that
// record first: a removal or placement since Add Component leaves the record
// it stands on at 0 tons and 0 slots, and placing with those values would put
// in a weapon that weighs nothing. A name without a record keeps the values
// the catalogue stands on.
struct PendingValues {
    float tonnage;
    float criticals;
};

// As SeekEquipment, but a name without a record leaves the catalogue where it
// stood and gives false, for rules that refuse such a name themselves.
inline bool FindEquipment(const std::string& name) {
    return g_rsEquipment.Seek(name);
}

inline PendingValues CurrentPendingValues(const CKestravDlg& sheet) {
    const MoveOrigin& origin = sheet.m_moveOrigin;
    if (origin.Active() && origin.name == g_strPendingComponent)
        return {origin.tonnage, origin.criticals};
    FindEquipment(g_strPendingComponent);
    return {g_rsEquipment.m_Tonnage, g_rsEquipment.m_Criticals};
}

// Takes up to count entries of the component name out of the list at
// location, topmost first; an "AC /20" on the spill path leaves whole, with
// its entries in the neighbouring list. Returns what each list gave up.
// (Removing.cpp)
std::vector<MoveOrigin::Part> TakeComponentOut(CKestravDlg& sheet, Location location,
                                               const std::string& name, int count);
