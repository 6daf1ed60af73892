// The equipment rows the rules refuse: names the sheet writes itself, and the
// components whose values the rules fix. The names come from the location
// table's fixed entries and the filler entries of the options and jump jets.

#include "design/CatalogueRowRules.h"

#include "design/ConstructionOptions.h"
#include "design/Locations.h"
#include "design/Names.h"
#include "framework/NumberText.h"

#include <algorithm>
#include <string>

namespace {

std::string Number(float value) {
    return NumberText(value, 6);
}

// An entry the sheet writes into a location itself: never a catalogue item.
bool IsSheetEntry(const std::string& name) {
    return IsFillerEntry(name) ||
           std::any_of(Locations::kTable.begin(), Locations::kTable.end(),
                       [&name](const LocationRules& rules) { return IsFixedEntry(rules, name); });
}

} // namespace

void CheckEquipmentRow(const EquipmentValues& row, std::vector<DaoFieldProblem>& problems) {
    const std::string& name = row.m_Item;
    if (IsSheetEntry(name)) {
        problems.push_back({"[Item]", "\"" + name + "\"",
                            "a name other than the entries the sheet writes itself (the fixed "
                            "entries of the locations, \"Jump Jet\", \"Endo Steel\", \"Ferro "
                            "Fibrous\")"});
        return;
    }
    if (name == kHandActuator) {
        if (row.m_Tonnage != 0)
            problems.push_back({"[Tonnage]", Number(row.m_Tonnage),
                                "0 for the \"Hand Actuator\" (the hand of every new arm weighs "
                                "nothing)"});
        if (row.m_Criticals != 1)
            problems.push_back({"[Criticals]", Number(row.m_Criticals),
                                "1 for the \"Hand Actuator\" (one hand, one slot, per arm)"});
    }
    if ((name == kHeatSink || name == kDoubleSink) && row.m_Criticals != HeatSinkSlots(name))
        problems.push_back({"[Criticals]", Number(row.m_Criticals),
                            std::to_string(HeatSinkSlots(name)) + " for a \"" + name +
                                "\" (as many as each of the engine's own takes)"});
}
