// The values each catalogue column accepts, checked once when a catalogue is read.
//
// A row holding a value outside them (or a Null, or a value of another type)
// is left out and named in one message at start-up; the rules then work with
// the sound rows only, so no value they compute with can make a tonnage
// infinite, NaN or negative. Columns the rules never compute with (Damage,
// Heat and the ranges) accept every value a 16-bit short holds. The README
// and the help document state the same table.
#pragma once

#include "dao/DaoFieldExchange.h"

// Every tonnage is a whole number of quarter tons, which binary floating
// point holds exactly: sums and differences of them (TONNAGE REMAINING) are
// exact, and show only tonnages the catalogues hold. A row with another
// tonnage is left out (catalog/RowChecks.h).
inline constexpr double kCatalogueTonnageStep = 0.25;

// Names and texts: not empty, and no longer than a catalogue text may be.
inline constexpr DaoLength kNameLength{1, 255};

// Equipment: one component's tonnage, and the slots it takes: a whole number
// from 1 to 24, the most two neighbouring lists hold (12 + 12), as an
// "AC /20" may spill from one list into its neighbour.
inline constexpr DaoRange kEquipmentTonnage{0, 100};
inline constexpr DaoRange kEquipmentCriticals{1, 24, true};

// Engines: the ratings tonnage x speed can reach (10 t x 1 to 400), and an
// engine no heavier than the heaviest mech.
inline constexpr DaoRange kEngineRating{10, 400, true};
inline constexpr DaoRange kEngineTonnage{0, 100};

// Internal structure: a tenth of a mech tonnage from 10 to 100 t, and the
// structure points of one location.
inline constexpr DaoRange kInternalTonnage{1, 10};
inline constexpr DaoRange kInternalPoints{0, 100, true};
