// The design sheet at start-up, the recalculation routines, the engine
// routine's heat-sink list, and the undo of an action whose search fails.

#include "catalog/CatalogFolder.h"
#include "catalog/Search.h"
#include "design/ProgramValues.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

const Strings kHead{"Life Support", "Sensors", "Cockpit", "Sensors", "Life Support"};
const Strings kArm{"Shoulder", "Upper Arm Actuator", "Lower Arm Actuator", "Hand Actuator"};
const Strings kLeg{"Hip", "Upper Leg Actuator", "Lower Leg Actuator", "Foot Actuator"};
const Strings kCentre{"Engine", "Engine", "Engine", "Gyro",   "Gyro",
                      "Gyro",   "Gyro",   "Engine", "Engine", "Engine"};

using StartupTest = SheetTest;

TEST_F(StartupTest, ANewDesignShowsItsFirstValuesAndFixedEntries) {
    Start();
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(Text(IDC_TONNAGE), "10");
    EXPECT_EQ(Text(IDC_SPEED), "1");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "4.5");
    EXPECT_EQ(Text(IDC_ENGINE_NAME), "Fusion 10");
    EXPECT_EQ(Text(IDC_ENGINE_RATING), "10");
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "0.5");
    EXPECT_EQ(Text(IDC_GYRO_TONNAGE), "1");
    EXPECT_EQ(Text(IDC_COCKPIT_TONNAGE), "3");
    EXPECT_EQ(Text(IDC_INTERNAL_TONNAGE), "1");
    EXPECT_EQ(Text(IDC_TOTAL_INTERNAL), "19");
    EXPECT_EQ(Text(IDC_CRITS_REMAINING), "46");
    for (int id : {IDC_MAX_HEAT_DISSIPATED, IDC_MAX_HEAT_GENERATED, IDC_TOTAL_DAMAGE,
                   IDC_LIFESUPPORT_TONNAGE, IDC_ARMOUR_FACTOR, IDC_ARMOUR_POINTS_REMAINING})
        EXPECT_EQ(Text(id), "0") << id;

    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(10, "Heat Sink"));
    EXPECT_EQ(Items(IDC_LIST_HEAD), kHead);
    EXPECT_EQ(Items(IDC_LIST_CENTRETORSO), kCentre);
    EXPECT_EQ(Items(IDC_LIST_LEFTARM), kArm);
    EXPECT_EQ(Items(IDC_LIST_RIGHTARM), kArm);
    EXPECT_EQ(Items(IDC_LIST_LEFTLEG), kLeg);
    EXPECT_EQ(Items(IDC_LIST_RIGHTLEG), kLeg);
    EXPECT_TRUE(Items(IDC_LIST_LEFTTORSO).empty());
    EXPECT_TRUE(Items(IDC_LIST_RIGHTTORSO).empty());
    EXPECT_EQ(sheet->FreeSlots(), 47);

    const Strings weapons = Items(IDC_WEAPONS);
    EXPECT_TRUE(std::is_sorted(weapons.begin(), weapons.end(),
                               [](auto& a, auto& b) { return CompareIgnoringCase(a, b) < 0; }));
    for (const char* name : {"AC /2", "AC /20", "Heat Sink", "Double Sink", "Hand Actuator"})
        EXPECT_NE(std::find(weapons.begin(), weapons.end(), name), weapons.end()) << name;

    EXPECT_TRUE(Checked(IDC_BALANCE_ARMOUR));
    EXPECT_FALSE(Checked(IDC_MAXIMISE_ARMOUR));
    EXPECT_EQ(sheet->GetFocusId(), IDC_TONNAGE_UP);
    EXPECT_EQ(sheet->GetMenu()->id, IDR_MENU);
    ASSERT_EQ(sheet->SystemMenuExtras().size(), 2u);
    EXPECT_EQ(sheet->SystemMenuExtras()[1].text, "&About Kestrav...");
    EXPECT_EQ(sheet->SystemMenuExtras()[1].id, static_cast<int>(IDM_ABOUTBOX));
}

TEST_F(StartupTest, TheCataloguesHoldEveryRatingAndEveryTonnage) {
    Start();
    for (int rating = 10; rating <= 400; rating += 5)
        SeekFirst(
            g_rsEngines, [rating](const CMechEngines& r) { return r.m_Rating == rating; },
            "rating");
    for (int tons = 10; tons <= 100; tons += 5) {
        sheet->m_nTonnage = tons;
        sheet->LookUpInternals();
        EXPECT_FLOAT_EQ(sheet->m_fInternalTonnage, tons / 10.0f);
    }
}

TEST_F(StartupTest, TheFirstInternalRecordIsUsedWhateverItsTonnage) {
    TempDir dir;
    WriteProjectCatalogs(dir);
    WriteCatalog(dir, "Internal",
                 "CREATE TABLE [Internal] ([Tonnage] REAL, [CT] SMALLINT, [LRT] SMALLINT, "
                 "[LRA] SMALLINT, [LRL] SMALLINT);"
                 "INSERT INTO [Internal] VALUES (2.5, 4, 3, 2, 3);"
                 "INSERT INTO [Internal] VALUES (1.0, 4, 3, 1, 2);");
    Start(dir.path());
    EXPECT_EQ(Text(IDC_INTERNAL_HEAD), "3");
    EXPECT_EQ(Text(IDC_INTERNAL_TORSO), "4");
    EXPECT_EQ(Text(IDC_INTERNAL_ARMS), "2");
    EXPECT_EQ(Text(IDC_INTERNAL_LEGS), "3");
    EXPECT_EQ(Text(IDC_INTERNAL_SIDETORSO), "3");
    EXPECT_EQ(Text(IDC_TOTAL_INTERNAL), "23");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "3"); // 10 - 0.5 - 1 - 3 - 2.5
}

TEST_F(StartupTest, AMissingCatalogueLeavesAnEmptySheetThatRefusesDesignActions) {
    TempDir dir;
    WriteProjectCatalogs(dir);
    std::remove(dir.File("Internal.db").c_str());
    Start(dir.path());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].type, MB_ICONSTOP);
    EXPECT_NE(platform.boxes[0].text.find(dir.File("Internal.db")), std::string::npos);
    EXPECT_EQ(Text(IDC_TONNAGE), "10");
    EXPECT_EQ(Text(IDC_ENGINE_TONNAGE), "0.5");
    EXPECT_EQ(Text(IDC_TONNAGE_REMAINING), "0");
    EXPECT_TRUE(Items(IDC_WEAPONS).empty());
    EXPECT_TRUE(Items(IDC_LIST_HEAD).empty());
    EXPECT_EQ(sheet->SystemMenuExtras().size(), 2u); // set up before the catalogues

    const DialogState before = sheet->State();
    sheet->ClickButton(IDC_TONNAGE_UP);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_NE(platform.boxes[1].text.find("Internal.db"), std::string::npos);
    sheet->ClickList(IDC_LIST_HEAD, -1); // a placement request: silently nothing
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(Text(IDC_TONNAGE), "10");
    sheet->Command(ID_APP_ABOUT); // menus still work
    EXPECT_EQ(platform.dialogs.size(), 1u);
}

// A catalogue that opens but cannot give the design its values: the sheet is
// put back to its constructor values and empty lists, and refuses design actions.
TEST_F(StartupTest, AnUnreadableCatalogueLeavesTheConstructorValues) {
    const std::string schema =
        "CREATE TABLE [Equipment] ([Item] TEXT, [Tonnage] REAL, [Criticals] "
        "REAL, [Damage] SMALLINT, [Heat] SMALLINT, [Long] SMALLINT, [Medium] "
        "SMALLINT, [Minimum] SMALLINT, [Short] SMALLINT);";
    struct Case {
        const char* file;
        std::string script;
        const char* words;
    } cases[] = {
        {"MechEngines",
         "CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, "
         "[EngineName] TEXT);",
         "MechEngines.db: No current record: the catalogue is empty."},
        {"equipment",
         schema + "INSERT INTO [Equipment] VALUES ('PPC', 7, 3, 10, NULL, 18, 12, 3, 6);",
         "equipment.db, table [Equipment]: Invalid use of Null in column [Heat]"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteProjectCatalogs(dir);
        WriteCatalog(dir, c.file, c.script);
        platform.boxes.clear();
        Start(dir.path());
        ASSERT_EQ(platform.boxes.size(), 1u) << c.file;
        EXPECT_NE(platform.boxes[0].text.find(c.words), std::string::npos)
            << platform.boxes[0].text;
        EXPECT_NE(platform.boxes[0].text.find(dir.File(std::string(c.file) + ".db")),
                  std::string::npos);
        EXPECT_TRUE(Items(IDC_WEAPONS).empty());
        EXPECT_TRUE(Items(IDC_LIST_CENTRETORSO).empty());
        EXPECT_TRUE(Items(IDC_ENGINE_HEATSINKS).empty());
        EXPECT_FALSE(Checked(IDC_BALANCE_ARMOUR));
        EXPECT_EQ(Text(IDC_ENGINE_NAME), "");
        sheet->ClickButton(IDC_ARMOUR_UP);
        ASSERT_EQ(platform.boxes.size(), 2u);
        EXPECT_NE(platform.boxes[1].text.find(c.words), std::string::npos);
        EXPECT_EQ(Text(IDC_ARMOUR), "0");
    }
}

// File, Exit closes the catalogues before the OK path; Escape ends through the
// Cancel path and leaves them open for the end of the program to close.
TEST_F(StartupTest, ExitClosesTheCataloguesAndEscapeLeavesThemToTheProgramsEnd) {
    Start();
    sheet->Command(ID_FILE_EXIT);
    EXPECT_TRUE(sheet->IsEnded());
    EXPECT_EQ(sheet->GetResult(), IDOK);
    EXPECT_FALSE(g_rsEquipment.IsOpen() || g_rsEngines.IsOpen() || g_rsInternals.IsOpen());

    Start();
    sheet->PressEscape();
    EXPECT_EQ(sheet->GetResult(), IDCANCEL);
    EXPECT_TRUE(g_rsEquipment.IsOpen() && g_rsEngines.IsOpen() && g_rsInternals.IsOpen());
}

class RecalculationTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        Start();
    }
    void Allocate(int points) { sheet->m_nArmourHead = points; }
};

TEST_F(RecalculationTest, ArmourPointsAtSixteenPerTon) {
    sheet->m_fArmour = 3.5f;
    Allocate(50);
    sheet->UpdateArmourPoints();
    EXPECT_EQ(sheet->m_nArmourFactor, 56);
    EXPECT_EQ(sheet->m_nArmourPointsRemaining, 6);
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, 1.0f); // 4.5 - 3.5
}

TEST_F(RecalculationTest, FerroFibrousRoundsToTheNearestPointAndTruncatesTheRemainder) {
    sheet->m_chkFerroFibrous.SetCheck(BST_CHECKED);
    for (auto [tons, factor] : {std::pair{0.5f, 9}, {1.0f, 18}, {2.5f, 45}}) {
        sheet->m_fArmour = tons;
        Allocate(0);
        sheet->UpdateArmourPoints();
        EXPECT_EQ(sheet->m_nArmourFactor, factor) << tons;
    }
    sheet->m_fArmour = 1.0f;
    Allocate(20);
    sheet->UpdateArmourPoints();
    EXPECT_EQ(sheet->m_nArmourPointsRemaining, -1); // whole part of -1.59
}

TEST_F(RecalculationTest, FerroFibrousCapLowersTheTonnageNotThePoints) {
    sheet->m_chkFerroFibrous.SetCheck(BST_CHECKED);
    ASSERT_EQ(sheet->m_nTotalInternal, 19); // cap 51
    sheet->m_fArmour = 3.0f;                // factor 54
    Allocate(4);
    sheet->UpdateArmourPoints();
    EXPECT_FLOAT_EQ(sheet->m_fArmour, 2.5f);
    EXPECT_EQ(sheet->m_nArmourFactor, 45);
    EXPECT_EQ(sheet->m_nArmourHead, 4);
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, 2.0f); // computed with 2.5 t
}

TEST_F(RecalculationTest, EndoSteelHalvesTheStructureByTheHalfTonRule) {
    sheet->m_chkEndoSteel.SetCheck(BST_CHECKED);
    for (auto [tons, halved] : {std::pair{25, 1.5f}, {50, 2.5f}, {55, 3.0f}, {20, 1.0f}}) {
        sheet->m_nTonnage = tons;
        sheet->LookUpInternals();
        EXPECT_FLOAT_EQ(sheet->m_fInternalTonnage, halved) << tons;
    }
    EXPECT_EQ(sheet->m_nInternalTorso, 6); // the points are not halved
}

TEST_F(RecalculationTest, TonnageRemainingSubtractsEveryWeightButLifeSupport) {
    sheet->m_nLifeSupportTonnage = 5;
    g_fJumpJetTonnage = 1.0f;
    g_fEquipmentTonnage = 4.0f;
    sheet->RecalculateTonnage();
    EXPECT_FLOAT_EQ(sheet->m_fTonnageRemaining, -0.5f); // never clamped
}

class EngineTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        Start();
    }
    void Rate(int rating) {
        sheet->m_nEngineRating = rating;
        sheet->LookUpEngine();
    }
    int Pool() { return sheet->m_listEngineHeatSinks.GetCount(); }
};

TEST_F(EngineTest, ThePoolHoldsTheSinksTheEngineCannotCarry) {
    Rate(100);
    EXPECT_EQ(g_nSinksToAllocate, 6);
    EXPECT_EQ(Pool(), 6);
    Rate(250);
    EXPECT_EQ(g_nSinksToAllocate, 0);
    EXPECT_EQ(Pool(), 0);
    Rate(10);
    EXPECT_EQ(Pool(), 10);
    EXPECT_EQ(sheet->m_nGyroTonnage, 1);
    for (auto [rating, gyro] :
         {std::pair{105, 1}, {110, 2}, {205, 2}, {210, 3}, {305, 3}, {310, 4}, {400, 4}}) {
        Rate(rating);
        EXPECT_EQ(sheet->m_nGyroTonnage, gyro) << rating;
    }
}

TEST_F(EngineTest, FewerSinksTakePlacedEngineSinksBackOutOfTheLocations) {
    Rate(100);
    // Two engine sinks placed: one in R/ARM, one in LEFT LEG.
    for (CListBox* list : {&sheet->m_listRightArm, &sheet->m_listLeftLeg}) {
        list->AddString("Heat Sink");
        sheet->m_listEngineHeatSinks.DeleteString(0);
        ++g_nSinksAllocated;
        ++g_nHeatSinks;
    }
    ASSERT_EQ(Pool(), 4);
    Rate(125);
    EXPECT_EQ(g_nSinksAllocated, 0);
    EXPECT_EQ(g_nHeatSinks, 0);
    EXPECT_EQ(Pool(), 5);
    EXPECT_EQ(Items(IDC_LIST_RIGHTARM), kArm);
    EXPECT_EQ(Items(IDC_LIST_LEFTLEG), kLeg);
}

TEST_F(EngineTest, APlacedDoubleSinkLeavesWithAllThreeEntries) {
    sheet->m_chkDoubleHeatSinks.SetCheck(BST_CHECKED);
    sheet->m_listEngineHeatSinks.ResetContent();
    Rate(100);
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(6, "Double Sink"));
    for (int i = 0; i < 3; ++i)
        sheet->m_listRightArm.AddString("Double Sink");
    sheet->m_listEngineHeatSinks.DeleteString(0);
    g_nSinksAllocated = 1;
    g_nDoubleSinks = 1;
    Rate(150);
    EXPECT_EQ(Items(IDC_LIST_RIGHTARM), kArm);
    EXPECT_EQ(g_nDoubleSinks, 0);
    EXPECT_EQ(Pool(), 4);
}

TEST_F(EngineTest, MoreSinksOnlyAddToThePool) {
    Rate(200);
    sheet->m_listLeftTorso.AddString("Heat Sink");
    sheet->m_listEngineHeatSinks.DeleteString(0);
    g_nSinksAllocated = 1;
    Rate(100);
    EXPECT_EQ(Items(IDC_LIST_LEFTTORSO), Strings{"Heat Sink"});
    EXPECT_EQ(Pool(), 5);
}

TEST_F(EngineTest, AFailedSearchIsUndoneWholeByTheSavedDesign) {
    TempDir dir;
    WriteProjectCatalogs(dir);
    std::string engines = ProjectCatalogScript("MechEngines");
    const std::string row = "INSERT INTO [Engines] VALUES (20, 0.5, 'Fusion 20');\n";
    engines.erase(engines.find(row), row.size());
    WriteCatalog(dir, "MechEngines", engines);
    Start(dir.path());

    const auto saved = sheet->SaveUndoState();
    const DialogState controls = sheet->State();
    sheet->m_nTonnage = 20;
    sheet->m_nEngineRating = 20;
    g_strPendingComponent = "PPC";
    sheet->LookUpInternals();
    EXPECT_THROW(sheet->LookUpEngine(), CDaoException);
    sheet->RestoreUndoState(*saved);

    EXPECT_EQ(sheet->m_nTonnage, 10);
    EXPECT_EQ(sheet->m_nEngineRating, 10);
    EXPECT_FLOAT_EQ(sheet->m_fInternalTonnage, 1.0f);
    EXPECT_TRUE(g_strPendingComponent.empty());
    EXPECT_EQ(g_rsEngines.m_Rating, 10);
    EXPECT_EQ(sheet->State().controls.size(), controls.controls.size());
    EXPECT_EQ(Items(IDC_ENGINE_HEATSINKS), Strings(10, "Heat Sink"));
}

using FailedActionTest = SheetTest;

// An engine catalogue without rating 20: stepping the tonnage onto it fails in
// the engine search, after the rule has already changed the tonnage. The whole
// design is put back and the engine's error is shown, naming the file.
TEST_F(FailedActionTest, ASearchThatFindsNothingLeavesTheDesignAsItWas) {
    TempDir dir;
    WriteProjectCatalogs(dir);
    std::string engines = ProjectCatalogScript("MechEngines");
    const std::string row = "INSERT INTO [Engines] VALUES (15, 0.5, 'Fusion 15');\n";
    engines.erase(engines.find(row), row.size());
    WriteCatalog(dir, "MechEngines", engines);
    Start(dir.path());

    const DialogState before = sheet->State();
    const CKestravDesignValues values = *sheet;
    const ProgramValues program = SaveProgramValues();
    sheet->ClickButton(IDC_TONNAGE_UP);

    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].type, MB_ICONSTOP);
    EXPECT_NE(platform.boxes[0].text.find("rating 15"), std::string::npos)
        << platform.boxes[0].text;
    EXPECT_NE(platform.boxes[0].text.find(dir.File("MechEngines.db")), std::string::npos);
    EXPECT_TRUE(values == *sheet);
    EXPECT_TRUE(program == SaveProgramValues());
    for (std::size_t i = 0; i < before.controls.size(); ++i) {
        EXPECT_EQ(before.controls[i].text, sheet->State().controls[i].text);
        EXPECT_EQ(before.controls[i].items, sheet->State().controls[i].items);
    }
    EXPECT_EQ(g_rsEngines.m_Rating, 10);
}

} // namespace
