// The start-up that the window does not show plainly (the first Internal
// record, the report of a failed start, the catalogues closed on Exit), the
// recalculation routines' arithmetic.

#include "catalog/MechEquipment.h"
#include "design/Arithmetic.h"
#include "design/JumpJetWeight.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <map>

namespace {

// Each test starts its own sheet, some on a copy of the project's catalogues
// with one file changed by a script.
struct StartupTest : SheetTest {
    StartupTest() { std::filesystem::copy(KESTRAV_CATALOG_DIR, dir.path()); }
    void Change(const std::string& file, const std::string& script) {
        ApplyScriptToDatabase(dir.File(file), "PRAGMA synchronous = OFF;" + script);
    }
    TempDir dir;
};

// The Internal rows stored heaviest first.
const char kHeaviestFirst[] =
    "CREATE TABLE [Sorted] AS SELECT * FROM [Internal] ORDER BY "
    "[Tonnage] DESC; DROP TABLE [Internal]; ALTER TABLE [Sorted] RENAME TO [Internal];";

// The design starts on the structure of its own tonnage (10 t) wherever that
// row stands: with the rows stored heaviest first it is the last. Without a
// row for 10 t the start-up is refused, naming what it sought.
TEST_F(StartupTest, TheInternalRecordOfTheDesignsOwnTonnageIsUsedWhereverItStands) {
    Change("Internal.db", kHeaviestFirst);
    Start(dir.path());
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(Text(IDC_TOTAL_INTERNAL), "19");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5"); // 10 - 0.5 - 1 - 3 - 1

    Change("Internal.db", "DELETE FROM [Internal] WHERE [Tonnage] = 1;");
    Start(dir.path());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, dir.File("Internal.db") +
                                          ": No current record: the catalogue has no record "
                                          "for a 10-ton mech.");
}

// A catalogue row the rules cannot use, its values all in range: a name the
// sheet writes itself, a hand or a heat sink whose values disagree with the
// rule, a tonnage not in quarter tons, a second row of a key. The row is left
// out and named in the message at start-up (the first row of a key is the
// one used), the design starts on the rest, and the folder is left as it was.
struct RowLeftOut {
    const char* name;
    friend void PrintTo(const RowLeftOut& c, std::ostream* os) { *os << c.name; }
    const char* file;
    const char* script;
    const char* line; // after "<folder>/"
    const char* item; // the component no longer offered, or what the sheet shows instead
};

const RowLeftOut kRowsLeftOut[] = {
    {"HalfTonInternal", "Internal.db", "INSERT INTO [Internal] VALUES (0.5, 1, 1, 1, 1);",
     "Internal.db, row 20: [Tonnage] is 0.5, allowed a number from 1 to 10", nullptr},
    {"WeightedHand", "equipment.db",
     "UPDATE [Equipment] SET [Tonnage] = 1 WHERE [Item] = 'Hand Actuator';",
     "equipment.db, row 29 ([Item] \"Hand Actuator\"): [Tonnage] is 1, allowed 0 for the \"Hand "
     "Actuator\" (the hand of every new arm weighs nothing).",
     "Hand Actuator"},
    {"WideHand", "equipment.db",
     "UPDATE [Equipment] SET [Criticals] = 3 WHERE [Item] = 'Hand Actuator';",
     "equipment.db, row 29 ([Item] \"Hand Actuator\"): [Criticals] is 3, allowed 1 for the "
     "\"Hand Actuator\" (one hand, one slot, per arm).",
     "Hand Actuator"},
    {"WideHeatSink", "equipment.db",
     "UPDATE [Equipment] SET [Criticals] = 2 WHERE [Item] = 'Heat Sink';",
     "equipment.db, row 27 ([Item] \"Heat Sink\"): [Criticals] is 2, allowed 1 for a \"Heat "
     "Sink\" (as many as each of the engine's own takes).",
     "Heat Sink"},
    {"NarrowDoubleSink", "equipment.db",
     "UPDATE [Equipment] SET [Criticals] = 2 WHERE [Item] = 'Double Sink';",
     "equipment.db, row 28 ([Item] \"Double Sink\"): [Criticals] is 2, allowed 3 for a "
     "\"Double Sink\" (as many as each of the engine's own takes).",
     "Double Sink"},
    {"JumpJetItem", "equipment.db",
     "INSERT INTO [Equipment] VALUES ('Jump Jet', 1, 1, 0, 0, 0, 0, 0, 0);",
     "equipment.db, row 43: [Item] is \"Jump Jet\", allowed a name other "
     "than the entries the sheet writes itself (the fixed entries of the locations, \"Jump "
     "Jet\", \"Endo Steel\", \"Ferro Fibrous\").",
     "Jump Jet"},
    {"EngineItem", "equipment.db",
     "INSERT INTO [Equipment] VALUES ('Engine', 3, 1, 0, 0, 0, 0, 0, 0);",
     "equipment.db, row 43: [Item] is \"Engine\"", "Engine"},
    {"TenthOfATon", "equipment.db",
     "INSERT INTO [Equipment] VALUES ('Tenth', 0.1, 1, 0, 0, 0, 0, 0, 0);",
     "equipment.db, row 43 ([Item] \"Tenth\"): [Tonnage] is 0.1, allowed a number from 0 to "
     "100 in steps of 0.25 (a quarter ton).",
     "Tenth"},
    {"SecondPPC", "equipment.db",
     "INSERT INTO [Equipment] VALUES ('PPC', 1, 1, 99, 0, 0, 0, 0, 0);",
     "equipment.db, row 43: [Item] is \"PPC\", allowed one row each: row 10 "
     "has the same, and that row is used.",
     nullptr},
    {"SecondEngine", "MechEngines.db", "INSERT INTO [Engines] VALUES (10, 9, 'Second Fusion 10');",
     "MechEngines.db, row 80: [Rating] is 10, allowed one row each: row 1 has the "
     "same, and that row is used.",
     nullptr},
    {"SecondInternal", "Internal.db", "INSERT INTO [Internal] VALUES (1, 99, 99, 99, 99);",
     "Internal.db, row 20: [Tonnage] is 1, allowed one row each: row 1 has the "
     "same, and that row is used.",
     nullptr},
};

struct RowLeftOutTest : StartupTest, ::testing::WithParamInterface<RowLeftOut> {};

TEST_P(RowLeftOutTest, IsNamedAtStartUpAndTheDesignRunsOnTheRest) {
    const RowLeftOut& c = GetParam();
    Change(c.file, c.script);
    const std::string bytes = ReadTextFile(dir.File(c.file));
    // Under a locale that writes a decimal comma the message still uses a point.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not installed";
    Start(dir.path());
    std::setlocale(LC_ALL, locale.c_str());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find(dir.File(c.line)), std::string::npos)
        << platform.boxes[0].text;
    EXPECT_EQ(platform.boxes[0].type, MB_OK);
    // The sheet as on the project's catalogues: the first row of a key is used
    // (a second engine's tonnage would show in TONNAGE REMAINING).
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");
    EXPECT_EQ(Text(IDC_TOTAL_INTERNAL), "19");
    const auto weapons = Items(IDC_WEAPONS);
    if (c.item) {
        EXPECT_EQ(std::count(weapons.begin(), weapons.end(), c.item), 0);
    }
    EXPECT_EQ(std::count(weapons.begin(), weapons.end(), "PPC"), 1);
    ASSERT_TRUE(g_rsEquipment.Seek("PPC"));
    EXPECT_EQ(g_rsEquipment.m_Damage, 10);
    EXPECT_EQ(ReadTextFile(dir.File(c.file)), bytes);
}

INSTANTIATE_TEST_SUITE_P(Rows, RowLeftOutTest, ::testing::ValuesIn(kRowsLeftOut),
                         [](const auto& test) { return std::string(test.param.name); });

// Tonnages in quarter tons add up exactly: eighteen quarter-ton components
// fill the 4.5 t a new design has free, the last one fitting a TONNAGE
// REMAINING of exactly its own weight, and the sheet shows 0.
TEST_F(StartupTest, AComponentAsHeavyAsTheTonnageRemainingFits) {
    Change("equipment.db",
           "INSERT INTO [Equipment] VALUES ('Quarter', 0.25, 1, 0, 0, 0, 0, 0, 0);");
    Start(dir.path());
    const int quarter = KestravDlgTestAccess::Weapons(*sheet).FindString(-1, "Quarter");
    for (int i = 0; i < 18; ++i) {
        sheet->ClickList(IDC_WEAPONS, quarter);
        sheet->ClickButton(IDC_ADD_COMPONENT);
        sheet->ClickList(i < 12 ? IDC_LIST_LEFTTORSO : IDC_LIST_RIGHTTORSO, -1);
        EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), FormatFloat(4.5f - 0.25f * float(i + 1))) << i;
    }
    EXPECT_TRUE(platform.boxes.empty());
}

// Whatever fails while the sheet starts (here memory runs out while the
// start-up shows the rows it left out), the report names the file being read
// and carries the stop icon, and the sheet shows the constructor's values
// (these, the empty engine name and 0 everywhere else) and no equipment.
TEST_F(StartupTest, AFailureOfAnyKindAtStartUpIsReportedOnTheBlankSheet) {
    Change("equipment.db",
           "INSERT INTO [Equipment] VALUES ('Nothing', 1.0, 0.0, 0, 0, 0, 0, 0, 0);");
    platform.outOfMemoryAtNextBox = true;
    Start(dir.path());
    const std::string report = dir.File("equipment.db: there is not enough memory to start.");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].type, MB_ICONSTOP);
    EXPECT_NE(platform.boxes[0].text.find(report), std::string::npos) << platform.boxes[0].text;
    const std::map<int, std::string> shown{{IDC_SPEED, "1"},           {IDC_GYRO_TONNAGE, "1"},
                                           {IDC_COCKPIT_TONNAGE, "3"}, {IDC_ENGINE_TONNAGE, "0.5"},
                                           {IDC_ENGINE_RATING, "10"},  {IDC_TONNAGE, "10"},
                                           {IDC_ENGINE_NAME, ""}};
    for (const DialogItem& item : sheet->Template().items) {
        if (item.kind != ControlKind::Edit) continue;
        const auto special = shown.find(item.id);
        EXPECT_EQ(Text(item.id), special == shown.end() ? "0" : special->second) << item.id;
    }
    EXPECT_TRUE(Items(IDC_WEAPONS).empty());
}

// File, Exit closes the catalogues before the OK path; Escape ends through the
// Cancel path and leaves them open for the end of the program to close.
TEST_F(StartupTest, ExitClosesTheCataloguesAndEscapeLeavesThemToTheProgramsEnd) {
    Start();
    sheet->Command(ID_FILE_EXIT); // the OK path, as the scenarios' expect-ended shows
    EXPECT_FALSE(g_rsEquipment.IsOpen() || g_rsEngines.IsOpen() || g_rsInternals.IsOpen());
    Start();
    sheet->PressEscape(); // the Cancel path, as the scenarios' expect-ended shows
    EXPECT_TRUE(g_rsEquipment.IsOpen() && g_rsEngines.IsOpen() && g_rsInternals.IsOpen());
}

// The recalculation routines on a new design, where their arithmetic shows
// without the rules around them: Ferro Fibrous armour (17.92 points a ton,
// rounded to the nearest point; the remainder truncated; the tonnage capped at
// what 2 x internal + 13 points need, the points kept), the gyro's steps, the
// half-ton rule of Endo Steel's structure (a whole tonnage halved, any other
// with half a ton added first) and a jump jet's weight by the tonnage class.
TEST_F(StartupTest, TheRecalculationRoutinesOnANewDesign) {
    Start();
    const auto ferroFibrous = [this](float tons, int allocated) {
        KestravDlgTestAccess::FerroFibrous(*sheet).SetCheck(BST_CHECKED);
        sheet->m_fArmour = tons;
        sheet->m_nArmourHead = allocated;
        KestravDlgTestAccess::UpdateArmourPoints(*sheet);
    };
    ferroFibrous(1.0f, 20);
    EXPECT_EQ(sheet->m_nArmourPointsRemaining, -1); // whole part of -1.59
    ASSERT_EQ(sheet->m_nTotalInternal, 19);         // cap 51
    ferroFibrous(3.0f, 4);                          // factor 54
    EXPECT_FLOAT_EQ(sheet->m_fArmour, 2.5f);
    EXPECT_EQ(sheet->m_nArmourFactor, 45);
    EXPECT_EQ(sheet->m_nArmourHead, 4);
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, 2.0f); // computed with 2.5 t
    sheet->m_nTotalInternal = 83;                      // a 50-ton mech: cap 179
    ferroFibrous(6.5f, 0);                             // 116.97, where 18 a ton would be 117
    EXPECT_EQ(sheet->m_nArmourFactor, 116);
    for (auto [rating, gyro] :
         {std::pair{10, 1}, {105, 1}, {110, 2}, {205, 2}, {210, 3}, {305, 3}, {310, 4}}) {
        sheet->m_nEngineRating = rating;
        KestravDlgTestAccess::LookUpEngine(*sheet);
        EXPECT_EQ(sheet->m_nGyroTonnage, gyro) << rating;
    }
    for (auto [tons, halved] : {std::pair{2.0f, 1.0f}, {2.5f, 1.5f}, {8.5f, 4.5f}})
        EXPECT_FLOAT_EQ(HalveByHalfTonRule(tons), halved) << tons;
    for (auto [tons, jet] : {std::pair{55, 0.5f}, {60, 1.0f}, {85, 1.0f}, {90, 1.5f}})
        EXPECT_FLOAT_EQ(JumpJetWeight(tons), jet) << tons;
}

} // namespace
