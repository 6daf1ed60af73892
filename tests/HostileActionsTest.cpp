// Random user actions on damaged catalogues. Where the start-up failed, every
// action must be refused and change nothing; where rows were left out, the
// design keeps every invariant with the rows that are sound.

#include "tests/TestSupport.h"
#include "tests/driver/ActionDriver.h"
#include "tools/SqlScript.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct Hostile {
    const char* name;
    const char* file;   // the catalogue damaged
    const char* script; // SQL applied to it; nullptr: the file is replaced by a zero-byte one
    bool startFails;
};

const Hostile kHostile[] = {
    {"EmptyEngines", "MechEngines.db", nullptr, true},
    {"EndlessView", "equipment.db",
     "ALTER TABLE [Equipment] RENAME TO [Stored]; CREATE VIEW [Equipment] AS WITH RECURSIVE "
     "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT 'I' || i AS [Item], 1.0 AS "
     "[Tonnage], 1.0 AS [Criticals], 0 AS [Damage], 0 AS [Heat], 0 AS [Long], 0 AS [Medium], "
     "0 AS [Minimum], 0 AS [Short] FROM n;",
     true},
    {"RowsLeftOut", "equipment.db",
     "UPDATE [Equipment] SET [Criticals] = 0 WHERE rowid % 3 = 0;"
     "UPDATE [Equipment] SET [Tonnage] = -1 WHERE rowid % 5 = 0;",
     false},
    {"EnginesLeftOut", "MechEngines.db",
     "UPDATE [Engines] SET [Tonnage] = 1e39 WHERE [Rating] % 20 = 0;", false},
};

void PrintTo(const Hostile& h, std::ostream* os) {
    *os << h.name;
}

class HostileActionsTest : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileActionsTest, EveryActionIsRefusedOrKeepsTheInvariants) {
    const Hostile& h = GetParam();
    TempDir dir;
    for (const char* file : {"MechEngines.db", "equipment.db", "Internal.db"})
        fs::copy_file(fs::path(KESTRAV_CATALOG_DIR) / file, dir.File(file));
    if (h.script)
        ApplyScriptToDatabase(dir.File(h.file), h.script);
    else
        std::ofstream(dir.File(h.file), std::ios::trunc);

    ActionGenerator generator(20261206);
    for (int design = 0; design < 5; ++design) {
        DriverSession session(dir.path());
        ASSERT_EQ(session.StartFailed(), h.startFails);
        ASSERT_EQ(session.Check(), "");
        for (int i = 0; i < 400; ++i) {
            const Action action = generator.Next(session.Sheet());
            const std::string broken = session.Play(action);
            ASSERT_EQ(broken, "") << "design " << design << ", action " << i << ": "
                                  << action.ToScenarioLine();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, HostileActionsTest, ::testing::ValuesIn(kHostile),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
