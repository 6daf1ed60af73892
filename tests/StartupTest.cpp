// The start-up that the window does not show plainly (the first Internal
// record, the report of a failed start, the catalogues closed on Exit), the
// recalculation routines' arithmetic.

#include "design/Arithmetic.h"
#include "design/JumpJetWeight.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "testing/KestravDlgTestAccess.h"
#include "tests/TestSupport.h"

#include <map>

namespace {

// Each test starts its own sheet, some on a catalogue folder of their own.
using StartupTest = SheetTest;

// A catalogue whose first Internal record is not the 10-ton one (that one
// follows) starts the design on that first record: 2.5 t of structure and its
// points.
TEST_F(StartupTest, TheFirstInternalRecordIsUsedWhateverItsTonnage) {
    TempDir dir;
    WriteProjectCatalogs(dir);
    std::string internal = ProjectCatalogScript("Internal");
    internal.insert(internal.find("INSERT"), "INSERT INTO [Internal] VALUES (2.5, 4, 3, 2, 3);\n");
    WriteCatalog(dir, "Internal", internal);
    Start(dir.path());
    EXPECT_EQ(Text(IDC_TOTAL_INTERNAL), "23");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "3"); // 10 - 0.5 - 1 - 3 - 2.5
}

// Whatever fails while the sheet starts (here memory runs out while the
// start-up shows the rows it left out), the report names the file being read
// and carries the stop icon, and the sheet shows the constructor's values
// (these, the empty engine name and 0 everywhere else) and no equipment.
TEST_F(StartupTest, AFailureOfAnyKindAtStartUpIsReportedOnTheBlankSheet) {
    TempDir dir;
    WriteProjectCatalogs(dir);
    WriteCatalog(dir, "equipment",
                 ProjectCatalogScript("equipment") +
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
