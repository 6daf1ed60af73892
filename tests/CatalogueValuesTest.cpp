// Damaged catalogues, one fixture each, grouped by what is wrong: values out
// of range (the row left out, the design started on the sound rows), file
// kinds, write-ahead logs and journals, and size (the start-up refused, the
// sheet blank). Every case checks the message, the design and that the
// catalogue folder holds the same files with the same bytes afterwards.

#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>

namespace fs = std::filesystem;

namespace {

enum class Design { Started, Blank };

struct DamagedCatalogue {
    const char* name;
    std::function<void(const TempDir&)> damage;
    std::string message; // the one message box must contain this ("" : no box)
    Design design;
};

// ctest and a failure report name a case by its name, not its bytes.
void PrintTo(const DamagedCatalogue& c, std::ostream* os) {
    *os << c.name;
}

// A change made by SQL to one project catalogue.
std::function<void(const TempDir&)> Sql(const char* base, std::string script) {
    return [base, script](const TempDir& dir) {
        ApplyScriptToDatabase(dir.File(std::string(base) + ".db"), script);
    };
}

std::function<void(const TempDir&)> Replace(const char* file,
                                            std::function<void(const std::string&)> make) {
    return [file, make](const TempDir& dir) {
        fs::remove(dir.File(file));
        make(dir.File(file));
    };
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Overwrites bytes of a file in place.
std::function<void(const TempDir&)> Patch(const char* file, long at, std::string bytes) {
    return [file, at, bytes](const TempDir& dir) {
        std::fstream f(dir.File(file), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(at);
        f << bytes;
    };
}

// The project's own catalogues, copied (faster than building them again).
void CopyProjectCatalogs(const TempDir& dir) {
    for (const char* file : {"MechEngines.db", "equipment.db", "Internal.db"})
        fs::copy_file(fs::path(KESTRAV_CATALOG_DIR) / file, dir.File(file));
}

const char kEquipmentRow[] = "INSERT INTO [Equipment] VALUES ";
const std::string kLeftOut = "were left out:\n";

std::vector<DamagedCatalogue> Cases() {
    const std::string eq = kEquipmentRow;
    return {
        // Values out of range: the row is left out and named; the rest start the design.
        {"CriticalsZero", Sql("equipment", eq + "('Nothing', 4, 0, 0, 0, 0, 0, 0, 0);"),
         "equipment.db, row 43 ([Item] \"Nothing\"): [Criticals] is 0, allowed a whole number "
         "from 1 to 24.",
         Design::Started},
        {"CriticalsFraction", Sql("equipment", eq + "('Half', 1, 1.5, 0, 0, 0, 0, 0, 0);"),
         "[Criticals] is 1.5, allowed a whole number from 1 to 24.", Design::Started},
        {"CriticalsPastTwoLists", Sql("equipment", eq + "('Wide', 1, 25, 0, 0, 0, 0, 0, 0);"),
         "[Criticals] is 25,", Design::Started},
        {"TonnageNegative", Sql("equipment", eq + "('Less', -50, 1, 0, 0, 0, 0, 0, 0);"),
         "[Tonnage] is -50, allowed a number from 0 to 100.", Design::Started},
        {"TonnagePastFloat", Sql("equipment", eq + "('Huge', 1e39, 1, 0, 0, 0, 0, 0, 0);"),
         "[Tonnage] is 1e+39,", Design::Started},
        {"NameEmpty", Sql("equipment", eq + "('', 1, 1, 0, 0, 0, 0, 0, 0);"),
         "([Item] \"\"): [Item] is \"\", allowed a text of 1 to 255 characters.", Design::Started},
        {"ShortOverflow", Sql("equipment", eq + "('Loud', 1, 1, 70000, 0, 0, 0, 0, 0);"),
         "[Damage] is 70000, allowed a whole number from -32768 to 32767.", Design::Started},
        {"NegativeHeatIsSound", Sql("equipment", eq + "('Cool', 1, 1, 0, -3, 0, 0, 0, 0);"), "",
         Design::Started},
        {"EngineTonnageInfinite",
         Sql("MechEngines", "UPDATE [Engines] SET [Tonnage] = 1e999 "
                            "WHERE [Rating] = 15;"),
         "MechEngines.db, row 2 ([Rating] 15): [Tonnage] is inf, allowed a number from 0 to 100.",
         Design::Started},
        {"EngineRatingNegative",
         Sql("MechEngines", "UPDATE [Engines] SET [Rating] = -10 "
                            "WHERE [Rating] = 400;"),
         "[Rating] is -10, allowed a whole number from 10 to 400.", Design::Started},
        {"InternalNegative",
         Sql("Internal", "UPDATE [Internal] SET [CT] = -100 WHERE [Tonnage] = 2;"),
         "Internal.db, row 3 ([Tonnage] 2): [CT] is -100, allowed a whole number from 0 to 100.",
         Design::Started},
        {"ManyRowsShowTheFirstTenAndACount",
         Sql("equipment", "UPDATE [Equipment] SET [Criticals] = 0 WHERE rowid <= 12;"),
         "\n... and 2 more rows left out.", Design::Started},
        {"EveryEngineLeftOutLeavesNone", Sql("MechEngines", "UPDATE [Engines] SET [Tonnage] = -1;"),
         "MechEngines.db: No current record: the catalogue is empty.", Design::Blank},

        // File kinds, refused before they are opened.
        {"Folder", Replace("equipment.db", [](const std::string& p) { fs::create_directory(p); }),
         "equipment.db: this is a folder, not a catalogue file.", Design::Blank},
        {"Fifo", Replace("equipment.db", [](const std::string& p) { mkfifo(p.c_str(), 0644); }),
         "equipment.db: this is a named pipe (FIFO), not a catalogue file.", Design::Blank},
        {"Device",
         Replace("Internal.db", [](const std::string& p) { fs::create_symlink("/dev/null", p); }),
         "Internal.db: this is a device, not a catalogue file.", Design::Blank},
        {"ZeroBytes", Replace("MechEngines.db", [](const std::string& p) { WriteBytes(p, ""); }),
         "MechEngines.db: the file is empty (0 bytes), not a catalogue.", Design::Blank},
        {"SymlinkLoop",
         Replace("equipment.db", [](const std::string& p) { fs::create_symlink(p, p); }),
         "equipment.db: unable to open database file: its path is a loop of symbolic links.",
         Design::Blank},
        {"Missing", Replace("Internal.db", [](const std::string&) {}),
         "Internal.db: unable to open database file: there is no such file.", Design::Blank},
        {"NewerFormat", Patch("equipment.db", 19, "\x03"),
         "equipment.db: the file is in a newer format of the database engine", Design::Blank},
        {"NotADatabase",
         Replace("equipment.db",
                 [](const std::string& p) { WriteBytes(p, std::string(4096, 'x')); }),
         "equipment.db: file is not a database", Design::Blank},
        {"Truncated", [](const TempDir& dir) { fs::resize_file(dir.File("MechEngines.db"), 4096); },
         "MechEngines.db: database disk image is malformed", Design::Blank},
        {"MissingTable", Sql("Internal", "DROP TABLE [Internal];"),
         "Internal.db: no such table: Internal", Design::Blank},
        {"MissingColumn", Sql("MechEngines", "ALTER TABLE [Engines] DROP COLUMN [EngineName];"),
         "MechEngines.db: no such column: EngineName", Design::Blank},
        {"TablePageDamaged", Patch("equipment.db", 4096, std::string(64, '\x77')),
         "equipment.db: database disk image is malformed", Design::Blank},

        // Write-ahead logs and journals: never a write beside the catalogue.
        {"WalModeOpens", Sql("equipment", "PRAGMA journal_mode = WAL;"), "", Design::Started},
        {"WalWithChanges",
         [](const TempDir& dir) {
             WriteBytes(dir.File("equipment.db-wal"), std::string(4096, 'w'));
         },
         "equipment.db: the file has changes in its write-ahead log", Design::Blank},
        {"HotJournal",
         [](const TempDir& dir) {
             WriteBytes(dir.File("Internal.db-journal"),
                        std::string("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8) +
                            std::string(504, '\0'));
         },
         "Internal.db: the file has unfinished changes in its rollback journal (a hot journal",
         Design::Blank},
        {"EmptyJournalIsNotHot",
         [](const TempDir& dir) { WriteBytes(dir.File("Internal.db-journal"), ""); }, "",
         Design::Started},

        // Size: what a catalogue may hold is bounded.
        {"EndlessView",
         Sql("equipment", "ALTER TABLE [Equipment] RENAME TO [Stored];"
                          "CREATE VIEW [Equipment] AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                          "SELECT i + 1 FROM n) SELECT 'Item ' || i AS [Item], 1.0 AS [Tonnage], "
                          "1.0 AS [Criticals], 0 AS [Damage], 0 AS [Heat], 0 AS [Long], 0 AS "
                          "[Medium], 0 AS [Minimum], 0 AS [Short] FROM n;"),
         "equipment.db: the table holds more than 200000 rows, the most a catalogue may hold.",
         Design::Blank},
        {"EndlessSortedView",
         Sql("MechEngines", "ALTER TABLE [Engines] RENAME TO [Stored];"
                            "CREATE VIEW [Engines] AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                            "SELECT i + 1 FROM n) SELECT 10 AS [Rating], 1.0 AS [Tonnage], "
                            "'E' || i AS [EngineName] FROM n ORDER BY i DESC;"),
         "MechEngines.db: reading the table", Design::Blank},
        {"EndlessSortedLongTexts",
         Sql("MechEngines", "ALTER TABLE [Engines] RENAME TO [Stored];"
                            "CREATE VIEW [Engines] AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                            "SELECT i + 1 FROM n) SELECT 10 AS [Rating], 1.0 AS [Tonnage], "
                            "printf('%.20000c', 'x') || i AS [EngineName] FROM n ORDER BY 3;"),
         "MechEngines.db: reading the table needs more memory than a catalogue may use (256 MiB).",
         Design::Blank},
        {"LongText",
         Sql("equipment", "UPDATE [Equipment] SET [Item] = printf('%.70000c', 'x') "
                          "WHERE rowid = 1;"),
         "equipment.db: a value is longer than a catalogue value may be (65536 bytes).",
         Design::Blank},
    };
}

// Every file of a folder, with its bytes (a symbolic link or a pipe by its kind only).
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink()) {
            files[name] = "symlink " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[name] = std::string(std::istreambuf_iterator<char>(in), {});
        } else {
            files[name] = entry.is_directory() ? "folder" : "other";
        }
    }
    return files;
}

class CatalogueValuesTest : public SheetTest,
                            public ::testing::WithParamInterface<DamagedCatalogue> {};

TEST_P(CatalogueValuesTest, GivesItsMessageAndNeverWritesTheFolder) {
    const DamagedCatalogue& c = GetParam();
    TempDir dir;
    CopyProjectCatalogs(dir);
    c.damage(dir);
    const auto before = Snapshot(dir.path());
    Start(dir.path());

    std::string shown;
    for (const auto& box : platform.boxes)
        shown += box.text + "\n";
    if (c.message.empty()) {
        EXPECT_EQ(shown, "");
    } else {
        EXPECT_NE(shown.find(c.message), std::string::npos) << shown;
        // Every message starts with the file it concerns.
        const std::string& text = platform.boxes.at(0).text;
        const std::size_t start = text.find(kLeftOut);
        EXPECT_EQ(text.find(dir.path()), start == std::string::npos ? 0 : start + kLeftOut.size());
    }
    if (c.design == Design::Started) {
        EXPECT_EQ(Text(IDC_ENGINE_NAME), "Fusion 10");
        EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");
        const auto weapons = Items(IDC_WEAPONS);
        for (const char* leftOut : {"Nothing", "Half", "Wide", "Less", "Huge", "Loud", ""})
            EXPECT_EQ(std::count(weapons.begin(), weapons.end(), leftOut), 0) << leftOut;
    } else {
        EXPECT_EQ(Text(IDC_ENGINE_NAME), "");
        EXPECT_TRUE(Items(IDC_WEAPONS).empty());
        EXPECT_TRUE(Items(IDC_LIST_HEAD).empty());
        // A design action is refused with the start-up's message and changes nothing.
        const std::string failure = platform.boxes.back().text;
        sheet->ClickButton(IDC_TONNAGE_UP);
        EXPECT_NE(platform.boxes.back().text.find(failure), std::string::npos);
        EXPECT_EQ(Text(IDC_TONNAGE), "10");
    }
    EXPECT_EQ(Snapshot(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Damaged, CatalogueValuesTest, ::testing::ValuesIn(Cases()),
                         [](const auto& test) { return std::string(test.param.name); });

// An ordinary user, a read-only folder: a catalogue in write-ahead-log mode
// opens and nothing appears beside it; a file the user may not read gets its
// own message. Run in a child process that has dropped root's privileges.
TEST(CatalogueFolderTest, AReadOnlyFolderServesAnOrdinaryUser) {
    TempDir dir;
    CopyProjectCatalogs(dir);
    ApplyScriptToDatabase(dir.File("MechEngines.db"), "PRAGMA journal_mode = WAL;");
    chmod(dir.File("equipment.db").c_str(), 0);
    chmod(dir.path().c_str(), 0555);
    const auto before = Snapshot(dir.path());

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const uid_t nobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0))
            _exit(10);
        SetCatalogFolderForTesting(dir.path());
        CMechEngines engines;
        engines.Open();
        if (engines.RecordCount() != 79) _exit(11);
        MechEquipment equipment;
        try {
            equipment.Open();
            _exit(12);
        } catch (const CDaoException& error) {
            _exit(error.m_strDescription ==
                          dir.File("equipment.db") +
                              ": permission denied: the user may not read the file."
                      ? 0
                      : 13);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    EXPECT_EQ(Snapshot(dir.path()), before);
}

} // namespace

namespace {

// File, Exit whose read-back refuses a value the sheet shows (here an
// infinite tonnage, which no catalogue value can cause any more) leaves the
// window open and its catalogues usable.
using ExitTest = SheetTest;

TEST_F(ExitTest, ARefusedReadBackKeepsTheWindowAndItsCatalogues) {
    Start();
    sheet->m_fTonnageRemaining = std::numeric_limits<float>::infinity();
    sheet->UpdateData(false);
    sheet->Command(ID_FILE_EXIT);
    EXPECT_FALSE(sheet->IsEnded());
    EXPECT_TRUE(g_rsEquipment.IsOpen() && g_rsEngines.IsOpen() && g_rsInternals.IsOpen());
    platform.boxes.clear();
    sheet->ClickButton(IDC_TONNAGE_UP);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(Text(IDC_TONNAGE), "15");
}

} // namespace
