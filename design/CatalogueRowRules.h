// What the design rules demand of an equipment row, beyond its ranges.
//
// The rules write some entries themselves and fix some components' values,
// so a catalogue row that disagrees would break them; such a row is left out
// at start-up with the message that names it:
// - an Item named as an entry the sheet writes itself (a fixed entry of any
//   location, "Jump Jet", "Endo Steel", "Ferro Fibrous"): the rules would take
//   the catalogue item for their own entry;
// - a "Hand Actuator" that weighs anything or takes other than one slot: every
//   arm of a new design has its hand, weightless, one entry;
// - a "Heat Sink" of other than one slot, a "Double Sink" of other than three:
//   the engine's own sinks of that name take that many.
#pragma once

#include "catalog/MechEquipment.h"

#include <vector>

void CheckEquipmentRow(const EquipmentValues& row, std::vector<DaoFieldProblem>& problems);
