// Damages done to a catalogue file, shared by the tests that start the sheet
// on damaged catalogues: an SQL change, a file written in its place or beside
// it, and a table replaced by a view that never ends.
#pragma once

#include "tools/SqlScript.h"

#include <fstream>
#include <functional>
#include <string>

// A damage done to the catalogue file at a path.
using CatalogueDamage = std::function<void(const std::string& path)>;

inline CatalogueDamage SqlDamage(std::string script) {
    return [=](const std::string& path) { ApplyScriptToDatabase(path, script); };
}

// A file written in place of the catalogue (suffix "") or beside it.
inline CatalogueDamage Written(std::string suffix, std::string bytes) {
    return [=](const std::string& path) { std::ofstream(path + suffix) << bytes; };
}

// The table renamed [Stored] and, in its place, a view over n(i), i = 1, 2, ...
// endlessly.
inline CatalogueDamage EndlessView(std::string table, std::string select) {
    return SqlDamage("ALTER TABLE " + table + " RENAME TO [Stored]; CREATE VIEW " + table +
                     " AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) " +
                     select);
}
