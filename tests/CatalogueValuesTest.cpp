// Damaged catalogues in a folder named with spaces and signs (read as its name
// stands): rows whose values are out of range are left out and named, and the
// design starts on the rest (where a File, Exit refused by its read-back keeps
// the window and its catalogues); a damaged file, one case each, refuses the
// start-up with its message and leaves the sheet blank; either way the folder
// keeps its files and their bytes. Then the record sets themselves: the sound
// rows walked past those left out, the saved position an undo goes back to,
// the members given back when no row is kept, the error codes, and a read-only
// folder served to an ordinary user. The damages are built by the helpers
// first in the file.

#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "dao/DaoException.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "tests/DamagedCatalogues.h"
#include "tests/TestSupport.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Something else made in place of the catalogue file.
CatalogueDamage Replaced(std::function<void(const std::string&)> make) {
    return [=](const std::string& path) {
        if (fs::remove(path)) make(path);
    };
}

// Bytes overwritten inside the file.
CatalogueDamage Patched(long at, std::string bytes) {
    return [=](const std::string& path) { std::fstream(path).seekp(at) << bytes; };
}

// Every file of a folder by its kind, with its bytes or, for a link, its target.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ostringstream file;
        file << static_cast<int>(entry.symlink_status().type()) << ' ';
        if (entry.is_symlink())
            file << fs::read_symlink(entry.path());
        else if (entry.is_regular_file())
            file << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path().filename()] = file.str();
    }
    return files;
}

// The error an action raises, as "<code>: <text>", or "" when it raises none.
template <typename Action> std::string DaoErrorOf(Action action) {
    try {
        action();
    } catch (const CDaoException& error) {
        return std::to_string(error.m_scode) + ": " + error.m_strDescription;
    }
    return "";
}

// The project's catalogues, copied into a folder named with spaces and signs.
struct DamagedFolderTest : SheetTest {
    DamagedFolderTest() { fs::copy(KESTRAV_CATALOG_DIR, folder); }
    std::string File(const std::string& name) const { return folder + "/" + name; }

    TempDir dir;
    const std::string folder = dir.File("my catalogues #2 100%?");
};

TEST_F(DamagedFolderTest, RowsOutOfRangeAreLeftOutAndNamedAndTheSheetRunsOnTheRest) {
    ApplyScriptToDatabase(File("MechEngines.db"),
                          "UPDATE [Engines] SET [Tonnage] = 1e999 WHERE [Rating] = 20;"
                          "UPDATE [Engines] SET [Rating] = -10 WHERE [Rating] = 400;");
    ApplyScriptToDatabase(File("Internal.db"),
                          "UPDATE [Internal] SET [CT] = -100 WHERE [Tonnage] = 2;");
    // Twelve rows out of range, then a negative heat and numbers typed as
    // texts, which are sound, then numbers in texts that are not only numbers.
    ApplyScriptToDatabase(
        File("equipment.db"),
        "INSERT INTO [Equipment] VALUES (printf('%.65000c', 'A'),4,0,0,0,0,0,0,0),"
        "('Half',1,1.5,0,0,0,0,0,0),"
        "('Wide',1,25,0,0,0,0,0,0), ('Less',-50,1,0,0,0,0,0,0), ('Huge',1e39,1,0,NULL,0,0,0,0),"
        "('',1,1,0,0,0,0,0,0), ('Loud',1,1,70000,0,0,0,0,0), ('Late',1,0,0,0,0,0,0,0),"
        "('Later',1,0,0,0,0,0,0,0), ('Cool',1,1,0,-3,0,0,0,0), ('Typed','0.5','2.0','-3','0',"
        "'0','0','0','0'), ('Spaced',' 1','0x1',0,0,0,0,0,0), ('Vast','1e400',1,0,0,0,0,0,0); "
        "PRAGMA journal_mode = WAL;");
    // An empty journal is not hot; folders named like a journal or a log are neither.
    std::ofstream(File("Internal.db-journal"));
    fs::create_directory(File("MechEngines.db-journal"));
    fs::create_directory(File("MechEngines.db-wal"));
    const auto before = FolderFiles(folder);
    Start(folder);

    std::string report = "These catalogue rows hold values the program cannot use and were "
                         "left out:";
    for (const char* line :
         {"MechEngines.db, row 3 ([Rating] 20): [Tonnage] is inf, allowed a number from 0 to 100.",
          "MechEngines.db, row 79: [Rating] is -10, allowed a whole number from 10 to 400.",
          "Internal.db, row 3 ([Tonnage] 2): [CT] is -100, allowed a whole number from 0 to 100.",
          "equipment.db, row 43: [Item] is \"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\u2026\" "
          "(65,000 characters), allowed a text of 1 to 255 characters; [Criticals] is 0, allowed "
          "a whole number from 1 to 24.",
          "equipment.db, row 44 ([Item] \"Half\"): [Criticals] is 1.5, allowed a whole number from "
          "1 to 24.",
          "equipment.db, row 45 ([Item] \"Wide\"): [Criticals] is 25, allowed a whole number from "
          "1 to 24.",
          "equipment.db, row 46 ([Item] \"Less\"): [Tonnage] is -50, allowed a number from 0 to "
          "100.",
          "equipment.db, row 47 ([Item] \"Huge\"): [Tonnage] is 1e+39, allowed a number from 0 to "
          "100; [Heat] is Null, allowed a whole number from -32768 to 32767.",
          "equipment.db, row 48: [Item] is \"\", allowed a text of 1 to 255 characters.",
          "equipment.db, row 49 ([Item] \"Loud\"): [Damage] is 70000, allowed a whole number from "
          "-32768 to 32767."})
        report += "\n" + File(line);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, report + "\n... and 4 more rows left out.");
    const auto weapons = Items(IDC_WEAPONS);
    EXPECT_NE(std::find(weapons.begin(), weapons.end(), "Typed"), weapons.end());

    // File, Exit whose read-back refuses a value the sheet shows (here an
    // infinite tonnage, which no catalogue value can cause any more) leaves the
    // window open and its catalogues usable.
    sheet->m_fTonnageRemaining = std::numeric_limits<float>::infinity();
    sheet->UpdateData(false);
    sheet->Command(ID_FILE_EXIT);
    EXPECT_FALSE(sheet->IsEnded());
    EXPECT_TRUE(g_rsEquipment.IsOpen() && g_rsEngines.IsOpen() && g_rsInternals.IsOpen());
    sheet->ClickButton(IDC_TONNAGE_UP);
    EXPECT_EQ(Text(IDC_TONNAGE), "15");
    EXPECT_EQ(FolderFiles(folder), before);
}

struct Refusal {
    const char *name, *file;
    friend void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }
    CatalogueDamage damage;
    const char* message;        // after "<folder>/<file>: "
    const char* also = nullptr; // further on, "@" the folder, "^" the folder above it
};

// 3,000 views, each over the one before, in place of the engines table.
std::string NestedViews() {
    std::string script = "BEGIN; ALTER TABLE [Engines] RENAME TO [v0];";
    for (int i = 1; i <= 3000; ++i)
        script += "CREATE VIEW [v" + std::to_string(i) + "] AS SELECT * FROM [v" +
                  std::to_string(i - 1) + "];";
    return script + "CREATE VIEW [Engines] AS SELECT * FROM [v3000]; COMMIT;";
}

// Enough rows that a transaction over them spills its pages into the file.
const char kHalfDone[] = "INSERT INTO [Equipment] WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                         "SELECT i + 1 FROM n WHERE i < 3000) SELECT 'Filler ' || i, 1, 1, 0, 0, "
                         "0, 0, 0, 0 FROM n; BEGIN; UPDATE [Equipment] SET [Item] = "
                         "'HALF-DONE ' || [Item], [Tonnage] = 99;";

const Refusal kRefusals[] = {
    {"EveryEngineLeftOut", "MechEngines.db", SqlDamage("UPDATE [Engines] SET [Tonnage] = -1;"),
     "No current record: every row of the catalogue was left out.\nThese catalogue rows hold "
     "values the program cannot use and were left out:\n",
     "@/MechEngines.db, row 1 ([Rating] 10): [Tonnage] is -1, allowed a number from 0 to 100.\n"
     "@/MechEngines.db, row 2 ([Rating] 15)"},
    // File kinds and formats, refused before they are opened.
    {"Folder", "equipment.db", Replaced([](auto& p) { fs::create_directory(p); }),
     "this is a folder, not a catalogue file."},
    {"Fifo", "equipment.db", Replaced([](auto& p) { mkfifo(p.c_str(), 0644); }),
     "this is a named pipe (FIFO), not a catalogue file."},
    {"Device", "Internal.db", Replaced([](auto& p) { fs::create_symlink("/dev/null", p); }),
     "this is a device, not a catalogue file."},
    {"ZeroBytes", "Internal.db", Written("", ""), "the file is empty (0 bytes), not a catalogue."},
    {"OneByte", "Internal.db", Written("", "S"),
     "not a catalogue: the file is not a database file (it does not begin with the database "
     "engine's signature)."},
    {"HeaderOnly", "Internal.db", Written("", std::string("SQLite format 3\0\x10\0\1\1", 20)),
     "not a catalogue: the file holds 20 bytes, fewer than the smallest database file (512 "
     "bytes)."},
    {"GarbageAfterHeader", "equipment.db",
     Written("", std::string("SQLite format 3\0", 16) + std::string(4080, '\xA7')),
     "not a catalogue: the file begins as a database file, but its header is damaged."},
    {"SymlinkLoop", "equipment.db", Replaced([](auto& p) { fs::create_symlink(p, p); }),
     "unable to open database file: its path is a loop of symbolic links."},
    {"DanglingSymlink", "equipment.db",
     Replaced([](auto& p) { fs::create_symlink(p + ".gone", p); }),
     "unable to open database file: it is a symbolic link to a file that does not exist."},
    {"Missing", "Internal.db", [](auto& p) { fs::remove(p); },
     "unable to open database file: there is no such file."},
    {"NewerFileFormat", "equipment.db", Patched(19, "\x03"),
     "the file is in a newer format of the database engine than this program reads."},
    {"NewerSchemaFormat", "equipment.db", Patched(44, std::string("\0\0\0\5", 4)),
     "the file is in a newer format of the database engine than this program reads."},
    {"NotADatabase", "equipment.db", Written("", std::string(4096, 'x')),
     "not a catalogue: the file is not a database file"},
    {"Truncated", "MechEngines.db", [](auto& p) { fs::resize_file(p, 4096); },
     "database disk image is malformed"},
    {"MissingTable", "Internal.db", SqlDamage("DROP TABLE [Internal];"), "no such table: Internal"},
    {"MissingColumn", "MechEngines.db",
     SqlDamage("ALTER TABLE [Engines] DROP COLUMN [EngineName];"), "no such column: EngineName"},
    {"TablePageDamaged", "equipment.db", Patched(4096, std::string(64, '\x77')),
     "database disk image is malformed"},
    // Journals and logs beside the real file, behind a symbolic link: a writer
    // that crashed mid-transaction, one that committed without a checkpoint.
    {"LinkedHotJournal", "equipment.db", Linked(CrashedWriter("DELETE", kHalfDone)),
     "the file has unfinished changes in its rollback journal (a hot journal, ",
     "^/elsewhere/equipment.db-journal)"},
    {"LinkedWalWithChanges", "equipment.db",
     Linked(CrashedWriter("WAL", std::string(kHalfDone) + "COMMIT;")),
     "the file has changes in its write-ahead log (", "^/elsewhere/equipment.db-wal)"},
    // Only plain tables: nothing that computes rows or values when read.
    {"View", "MechEngines.db",
     EndlessView("[Engines]",
                 "SELECT 10 AS [Rating], 1.0 AS [Tonnage], 'E' || i AS [EngineName] FROM n;"),
     "the catalogue table Engines is a view, not a table; a catalogue table must be a plain "
     "table whose rows are stored in the file."},
    {"NestedViews", "MechEngines.db", SqlDamage(NestedViews()),
     "the catalogue table Engines is a view, not a table"},
    {"VirtualTable", "Internal.db",
     SqlDamage("DROP TABLE [Internal]; CREATE VIRTUAL TABLE [Internal] USING fts5(Tonnage, CT, "
               "LRT, LRA, LRL);"),
     "the catalogue table Internal is a virtual table, not a plain table whose rows are stored "
     "in the file."},
    {"GeneratedColumn", "MechEngines.db",
     SqlDamage("ALTER TABLE [Engines] RENAME TO [Stored]; CREATE TABLE [Engines]([Rating], "
               "[Tonnage], [EngineName] AS ('E' || [Rating])); INSERT INTO [Engines]([Rating], "
               "[Tonnage]) SELECT [Rating], [Tonnage] FROM [Stored];"),
     "the column [EngineName] of the catalogue table Engines is computed when it is read (a "
     "generated column), not stored in the file."},
    // Size: what a catalogue may hold is bounded.
    {"TooManyRows", "MechEngines.db",
     SqlDamage("INSERT INTO [Engines] WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
               "FROM n WHERE i < 200000) SELECT 10, 1.0, 'E' FROM n;"),
     "the table holds more than 200000 rows, the most a catalogue may hold."},
    {"LongText", "equipment.db",
     SqlDamage("UPDATE [Equipment] SET [Item] = printf('%.70000c', 'x');"),
     "a value is longer than a catalogue value may be (65536 bytes)."},
};

struct RefusedCatalogueTest : DamagedFolderTest, ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedCatalogueTest, LeavesTheSheetBlankAndRefusingAndTheFolderAsItWas) {
    const Refusal& c = GetParam();
    c.damage(File(c.file));
    const auto before = FolderFiles(folder);
    Start(folder);
    ASSERT_EQ(platform.boxes.size(), 1u);
    const std::string& text = platform.boxes[0].text;
    EXPECT_EQ(text.find(File(c.file) + ": " + c.message), 0u) << text;
    if (c.also) {
        std::string also = c.also;
        for (std::size_t at; (at = also.find_first_of("@^")) != std::string::npos;)
            also.replace(at, 1, also[at] == '@' ? folder : dir.path());
        EXPECT_NE(text.find(also), std::string::npos) << text;
    }
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "");
    EXPECT_EQ(FolderFiles(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Damaged, RefusedCatalogueTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& test) { return std::string(test.param.name); });

// Catalogues edited in odd but sound ways start the sheet as the project's do.
struct Accepted {
    const char *name, *file;
    friend void PrintTo(const Accepted& c, std::ostream* os) { *os << c.name; }
    CatalogueDamage change;
    const char* engine; // the engine name the sheet shows
};

const Accepted kAccepted[] = {
    // A log whose frames are all in the file already: checkpointed, not truncated.
    {"WalFoldedIn", "MechEngines.db",
     Linked(CrashedWriter("WAL", "UPDATE [Engines] SET [EngineName] = 'Folded 10' WHERE "
                                 "[Rating] = 10; PRAGMA wal_checkpoint(FULL);")),
     "Folded 10"},
    // A log begun anew after a checkpoint, its older frames left behind it.
    {"WalOfAnOlderGeneration", "MechEngines.db",
     CrashedWriter("WAL", "UPDATE [Engines] SET [EngineName] = [EngineName] || ' (old)'; "
                          "PRAGMA wal_checkpoint(FULL); UPDATE [Engines] SET [EngineName] = "
                          "'Newer 10' WHERE [Rating] = 10; PRAGMA wal_checkpoint(FULL);"),
     "Newer 10"},
    // A journal whose header was never made whole: its transaction never reached the file.
    {"JournalNeverSynced", "equipment.db",
     CrashedWriter("DELETE", "BEGIN; DELETE FROM [Equipment];"), "Fusion 10"},
};

struct AcceptedCatalogueTest : DamagedFolderTest, ::testing::WithParamInterface<Accepted> {};

TEST_P(AcceptedCatalogueTest, StartsTheSheetAndLeavesTheFolderAsItWas) {
    const Accepted& c = GetParam();
    c.change(File(c.file));
    const auto before = FolderFiles(folder);
    Start(folder);
    EXPECT_TRUE(platform.boxes.empty()) << platform.boxes[0].text;
    EXPECT_EQ(Text(IDC_ENGINE_NAME), c.engine);
    EXPECT_EQ(Items(IDC_WEAPONS).size(), 42u);
    EXPECT_EQ(FolderFiles(folder), before);
}

INSTANTIATE_TEST_SUITE_P(OddButSound, AcceptedCatalogueTest, ::testing::ValuesIn(kAccepted),
                         [](const auto& test) { return std::string(test.param.name); });

// A read that takes longer than its record set allows is refused, naming the file.
TEST_F(DamagedFolderTest, AReadLongerThanAllowedIsRefused) {
    struct Impatient : CMechEngines {
        std::chrono::milliseconds MaxReadTime() const override { return {}; }
    };
    SetCatalogFolderForTesting(folder);
    ApplyScriptToDatabase(File("MechEngines.db"),
                          "INSERT INTO [Engines] WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                          "SELECT i + 1 FROM n WHERE i < 100000) SELECT 10, 1, 'E' FROM n;");
    Impatient engines;
    EXPECT_EQ(DaoErrorOf([&] { engines.Open(); }),
              "3051: " + File("MechEngines.db") +
                  ": reading the table took longer than a catalogue may take (0 seconds).");
}

// The catalogues are those beside the running program, never a folder
// relative to the working folder: started by a bare name from a folder that
// holds share/kestrav with other catalogues, the program reads its own.
TEST_F(DamagedFolderTest, TheCataloguesAreThoseBesideTheRunningProgram) {
    fs::create_directories(dir.File("share"));
    fs::rename(folder, dir.File("share/kestrav"));
    ApplyScriptToDatabase(dir.File("share/kestrav/MechEngines.db"),
                          "UPDATE [Engines] SET [EngineName] = 'Elsewhere ' || [Rating];");
    const fs::path working = fs::current_path();
    const std::string programPath = theApp.m_pszProgramPath;
    fs::current_path(dir.path());
    theApp.m_pszProgramPath = "kestrav";
    SetCatalogFolderForTesting("");
    CMechEngines engines;
    const std::string error = DaoErrorOf([&] { engines.Open(); });
    fs::current_path(working);
    theApp.m_pszProgramPath = programPath;
    EXPECT_EQ(error, "");
    EXPECT_EQ(engines.m_EngineName, "Fusion 10");
    EXPECT_TRUE(fs::equivalent(engines.FileName(), KESTRAV_CATALOG_DIR "/MechEngines.db"));
}

TEST_F(DamagedFolderTest, RecordSetsWalkTheSoundRowsAndGiveMembersBackWhenNoneIsKept) {
    SetCatalogFolderForTesting(folder);
    const std::string file = File("MechEngines.db");
    ApplyScriptToDatabase(file, "DELETE FROM [Engines] WHERE [Rating] > 20;"
                                "UPDATE [Engines] SET [Tonnage] = NULL WHERE [Rating] = 15;");
    CMechEngines rs;
    rs.Open();
    rs.MoveNext();
    // A saved position gives back the record and the members as they were changed.
    rs.m_Tonnage = 0;
    const CDaoRecordset::Position saved = rs.SavePosition();
    rs.MoveFirst();
    rs.RestorePosition(saved);
    EXPECT_EQ(rs.m_EngineName, "Fusion 20");
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 0.0f);
    rs.MoveNext();
    EXPECT_EQ(DaoErrorOf([&] { rs.MoveNext(); }),
              "3021: " + file + ", table [Engines]: No current record.");

    // Every row read and left out: the members are as they were before.
    ApplyScriptToDatabase(file, "UPDATE [Engines] SET [Rating] = 0;");
    rs.m_EngineName = "before";
    rs.Open();
    EXPECT_EQ(rs.m_EngineName, "before");
    rs.Close();
    EXPECT_EQ(DaoErrorOf([&] { rs.MoveFirst(); }),
              "3420: " + file + ": the catalogue is not open.");
}

// An ordinary user, a read-only folder: a catalogue in write-ahead-log mode
// opens, though nothing can be made beside it; a file the user may not read,
// or whose journal the user may not read, gets its own message. Run in a
// child that has dropped root's privileges.
TEST_F(DamagedFolderTest, AReadOnlyFolderServesAnOrdinaryUser) {
    ApplyScriptToDatabase(File("MechEngines.db"), "PRAGMA journal_mode = WAL;");
    chmod(File("equipment.db").c_str(), 0);
    std::ofstream(File("Internal.db-journal")) << "unknown";
    chmod(File("Internal.db-journal").c_str(), 0);
    chmod(dir.path().c_str(), 0755);
    chmod(folder.c_str(), 0555);
    if (fork() == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534))) _exit(10);
        SetCatalogFolderForTesting(folder);
        CMechEngines engines;
        engines.Open();
        const std::string error = DaoErrorOf([] { MechEquipment().Open(); });
        const std::string denied = ": permission denied: the user may not read the file.";
        const std::string journal = DaoErrorOf([] { CMechInternals().Open(); });
        const std::string unknown = File("Internal.db") +
                                    ": the file has a rollback journal beside it (" +
                                    File("Internal.db-journal") +
                                    ") that the user may not read, so whether it holds changes";
        _exit(engines.RecordCount() != 79 || error != "3051: " + File("equipment.db") + denied ||
              journal.find(unknown) != 6);
    }
    int status = -1;
    wait(&status);
    chmod(folder.c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
}

} // namespace
