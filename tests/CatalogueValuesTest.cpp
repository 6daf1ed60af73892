// Damaged catalogues in a folder named with spaces and signs (read as its name
// stands). Rows whose values are out of range are left out and named, and the
// design starts on the rest; a damaged file, one case each, refuses the
// start-up with its message and leaves the sheet blank. Either way the folder
// keeps its files and their bytes.

#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/CatalogueReadBack.h"
#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>

namespace fs = std::filesystem;

namespace {

// The project's catalogues, copied into the folder.
class DamagedFolderTest : public SheetTest {
  protected:
    DamagedFolderTest() {
        fs::create_directory(folder);
        for (const char* file : {"MechEngines.db", "equipment.db", "Internal.db"})
            fs::copy_file(fs::path(KESTRAV_CATALOG_DIR) / file, File(file));
    }
    std::string File(const std::string& name) const { return folder + "/" + name; }

    TempDir dir;
    const std::string folder = dir.File("my catalogues #2 100%?");
};

TEST_F(DamagedFolderTest, RowsOutOfRangeAreLeftOutAndNamedAndUnusualSoundOnesKept) {
    ApplyScriptToDatabase(File("MechEngines.db"),
                          "UPDATE [Engines] SET [Tonnage] = 1e999 WHERE [Rating] = 15;"
                          "UPDATE [Engines] SET [Rating] = -10 WHERE [Rating] = 400;");
    ApplyScriptToDatabase(File("Internal.db"),
                          "UPDATE [Internal] SET [CT] = -100 WHERE [Tonnage] = 2;");
    // Twelve rows out of range, then a negative heat, which is sound.
    ApplyScriptToDatabase(
        File("equipment.db"),
        "INSERT INTO [Equipment] VALUES ('Nothing', 4, 0, 0, 0, 0, 0, 0, 0),"
        "('Half', 1, 1.5, 0, 0, 0, 0, 0, 0), ('Wide', 1, 25, 0, 0, 0, 0, 0, 0),"
        "('Less', -50, 1, 0, 0, 0, 0, 0, 0), ('Huge', 1e39, 1, 0, NULL, 0, 0, 0, 0),"
        "('', 1, 1, 0, 0, 0, 0, 0, 0), ('Loud', 1, 1, 70000, 0, 0, 0, 0, 0),"
        "('Late', 1, 0, 0, 0, 0, 0, 0, 0), ('Later', 1, 0, 0, 0, 0, 0, 0, 0),"
        "('Cool', 1, 1, 0, -3, 0, 0, 0, 0); PRAGMA journal_mode = WAL;");
    // An empty journal is not hot; folders named like a journal or a log are neither.
    std::ofstream(File("Internal.db-journal"));
    fs::create_directory(File("MechEngines.db-journal"));
    fs::create_directory(File("MechEngines.db-wal"));
    const auto before = FolderFiles(folder);
    Start(folder);

    std::string report = "These catalogue rows hold values outside their allowed ranges and were "
                         "left out:";
    for (const char* line :
         {"MechEngines.db, row 2 ([Rating] 15): [Tonnage] is inf, allowed a number from 0 to 100.",
          "MechEngines.db, row 79 ([Rating] -10): [Rating] is -10, allowed a whole number from 10 "
          "to 400.",
          "Internal.db, row 3 ([Tonnage] 2): [CT] is -100, allowed a whole number from 0 to 100.",
          "equipment.db, row 43 ([Item] \"Nothing\"): [Criticals] is 0, allowed a whole number "
          "from 1 to 24.",
          "equipment.db, row 44 ([Item] \"Half\"): [Criticals] is 1.5, allowed a whole number from "
          "1 to 24.",
          "equipment.db, row 45 ([Item] \"Wide\"): [Criticals] is 25, allowed a whole number from "
          "1 to 24.",
          "equipment.db, row 46 ([Item] \"Less\"): [Tonnage] is -50, allowed a number from 0 to "
          "100.",
          "equipment.db, row 47 ([Item] \"Huge\"): [Tonnage] is 1e+39, allowed a number from 0 to "
          "100; [Heat] is Null, allowed a whole number from -32768 to 32767.",
          "equipment.db, row 48 ([Item] \"\"): [Item] is \"\", allowed a text of 1 to 255 "
          "characters.",
          "equipment.db, row 49 ([Item] \"Loud\"): [Damage] is 70000, allowed a whole number from "
          "-32768 to 32767."})
        report += "\n" + File(line);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, report + "\n... and 2 more rows left out.");
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "Fusion 10");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");
    const auto weapons = Items(IDC_WEAPONS);
    for (const char* leftOut : {"Nothing", "Half", "Wide", "Less", "Huge", "", "Loud", "Late"})
        EXPECT_EQ(std::count(weapons.begin(), weapons.end(), leftOut), 0) << leftOut;
    EXPECT_EQ(FolderFiles(folder), before);
}

using Damage = std::function<void(const std::string& path)>; // the catalogue's path

struct Refusal {
    const char* name;
    const char* file;
    Damage damage;
    const char* message; // after "<folder>/<file>: "
};

Damage Sql(std::string script) {
    return [=](const std::string& path) { ApplyScriptToDatabase(path, script); };
}

// Something else in place of the catalogue.
Damage Replace(std::function<void(const std::string&)> make) {
    return [=](const std::string& path) {
        fs::remove(path);
        make(path);
    };
}

// A file written in place of the catalogue (suffix "") or beside it.
Damage Write(std::string suffix, std::string bytes) {
    return [=](const std::string& path) { std::ofstream(path + suffix) << bytes; };
}

Damage Patch(long at, std::string bytes) {
    return [=](const std::string& path) {
        std::fstream(path, std::ios::in | std::ios::out).seekp(at) << bytes;
    };
}

// The table renamed and, in its place, a view of endless rows.
Damage Endless(std::string table, std::string select) {
    return Sql("ALTER TABLE " + table + " RENAME TO [Stored]; CREATE VIEW " + table +
               " AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) " + select);
}

const char kEngines[] = "MechEngines.db";
const char kEquipment[] = "equipment.db";
const char kInternal[] = "Internal.db";
const std::string kHotJournal =
    std::string("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8) + std::string(504, '\0');

const Refusal kRefusals[] = {
    {"EveryEngineLeftOut", kEngines, Sql("UPDATE [Engines] SET [Tonnage] = -1;"),
     "No current record: the catalogue is empty."},
    // File kinds and formats, refused before they are opened.
    {"Folder", kEquipment, Replace([](auto& p) { fs::create_directory(p); }),
     "this is a folder, not a catalogue file."},
    {"Fifo", kEquipment, Replace([](auto& p) { mkfifo(p.c_str(), 0644); }),
     "this is a named pipe (FIFO), not a catalogue file."},
    {"Device", kInternal, Replace([](auto& p) { fs::create_symlink("/dev/null", p); }),
     "this is a device, not a catalogue file."},
    {"ZeroBytes", kEngines, Write("", ""), "the file is empty (0 bytes), not a catalogue."},
    {"SymlinkLoop", kEquipment, Replace([](auto& p) { fs::create_symlink(p, p); }),
     "unable to open database file: its path is a loop of symbolic links."},
    {"Missing", kInternal, [](auto& p) { fs::remove(p); },
     "unable to open database file: there is no such file."},
    {"NewerFileFormat", kEquipment, Patch(19, "\x03"),
     "the file is in a newer format of the database engine than this program reads."},
    {"NewerSchemaFormat", kEquipment, Patch(44, std::string("\0\1\0\1", 4)),
     "the file is in a newer format of the database engine than this program reads."},
    {"NotADatabase", kEquipment, Write("", std::string(4096, 'x')), "file is not a database"},
    {"Truncated", kEngines, [](auto& p) { fs::resize_file(p, 4096); },
     "database disk image is malformed"},
    {"MissingTable", kInternal, Sql("DROP TABLE [Internal];"), "no such table: Internal"},
    {"MissingColumn", kEngines, Sql("ALTER TABLE [Engines] DROP COLUMN [EngineName];"),
     "no such column: EngineName"},
    {"TablePageDamaged", kEquipment, Patch(4096, std::string(64, '\x77')),
     "database disk image is malformed"},
    // Write-ahead logs and journals: never a write beside the catalogue.
    {"WalWithChanges", kEquipment, Write("-wal", std::string(4096, 'w')),
     "the file has changes in its write-ahead log"},
    {"HotJournal", kInternal, Write("-journal", kHotJournal),
     "the file has unfinished changes in its rollback journal (a hot journal"},
    // Size: what a catalogue may hold is bounded.
    {"EndlessView", kEquipment,
     Endless("[Equipment]", "SELECT 'Item ' || i AS [Item], 1.0 AS [Tonnage], 1.0 AS [Criticals], "
                            "0 AS [Damage], 0 AS [Heat], 0 AS [Long], 0 AS [Medium], 0 AS "
                            "[Minimum], 0 AS [Short] FROM n;"),
     "the table holds more than 200000 rows, the most a catalogue may hold."},
    {"EndlessSortedView", kEngines,
     Endless("[Engines]", "SELECT s.* FROM n, [Stored] s ORDER BY i DESC;"), "reading the table"},
    {"EndlessSortedLongTexts", kEngines,
     Endless("[Engines]", "SELECT 10 AS [Rating], 1.0 AS [Tonnage], printf('%.20000c', 'x') || i "
                          "AS [EngineName] FROM n ORDER BY 3;"),
     "reading the table needs more memory than a catalogue may use (256 MiB)."},
    {"LongText", kEquipment, Sql("UPDATE [Equipment] SET [Item] = printf('%.70000c', 'x');"),
     "a value is longer than a catalogue value may be (65536 bytes)."},
};

class RefusedCatalogueTest : public DamagedFolderTest,
                             public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedCatalogueTest, LeavesTheSheetBlankAndRefusingAndTheFolderAsItWas) {
    const Refusal& c = GetParam();
    c.damage(File(c.file));
    const auto before = FolderFiles(folder);
    Start(folder);
    ASSERT_EQ(platform.boxes.size(), 1u);
    const std::string failure = platform.boxes[0].text;
    EXPECT_EQ(failure.find(File(c.file) + ": " + c.message), 0u) << failure;
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "");
    // A design action is refused with the start-up's message and changes nothing.
    sheet->ClickButton(IDC_TONNAGE_UP);
    EXPECT_NE(platform.boxes.back().text.find(failure), std::string::npos);
    EXPECT_EQ(Text(IDC_TONNAGE), "10");
    EXPECT_EQ(FolderFiles(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Damaged, RefusedCatalogueTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& test) { return std::string(test.param.name); });

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
