// Record sets against temporary databases: row order, the end of a table, the
// error codes, and the saved position an undo goes back to. (What a user meets
// with a damaged catalogue, the engine's words naming the file, the scenarios
// show through the window.)

#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "catalog/MechInternals.h"
#include "catalog/Search.h"
#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public ::testing::Test {
  protected:
    void SetUp() override { SetCatalogFolderForTesting(dir.path()); }
    void TearDown() override { SetCatalogFolderForTesting(""); }

    // The text of the error an action raises, or "" when it raises none.
    template <typename Action> static std::string ErrorOf(Action action, int* code = nullptr) {
        try {
            action();
        } catch (const CDaoException& e) {
            if (code) *code = e.m_scode;
            return e.m_strDescription;
        }
        return "";
    }

    TempDir dir;
};

TEST_F(RecordsetTest, WalksRowsInStoredOrderAndEndsWithNoCurrentRecord) {
    WriteCatalog(dir, "Internal",
                 "CREATE TABLE [Internal] ([Tonnage] REAL, [CT] SMALLINT, [LRT] SMALLINT, "
                 "[LRA] SMALLINT, [LRL] SMALLINT);"
                 "INSERT INTO [Internal] VALUES (2.0, 6, 5, 3, 4);"
                 "INSERT INTO [Internal] VALUES (1.0, 4, 3, 1, 2);");
    CMechInternals rs;
    rs.Open();
    rs.MoveNext();
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 1.0f);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    int code = 0;
    EXPECT_NE(ErrorOf([&] { rs.MoveNext(); }, &code).find("No current record"), std::string::npos);
    EXPECT_EQ(code, kDaoNoCurrentRecord);
    rs.MoveFirst();
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 2.0f);
}

// A catalogue folder may be named with spaces and signs (an installation under
// "My Programs #2"): the file is found as its name stands.
TEST_F(RecordsetTest, AFolderNamedWithSpacesAndSignsIsReadAsItStands) {
    const std::string folder = dir.File("my catalogues #2 100%?");
    std::filesystem::create_directory(folder);
    CreateDatabaseFromScript(folder + "/Internal.db",
                             "CREATE TABLE [Internal] ([Tonnage] REAL, [CT] SMALLINT, [LRT] "
                             "SMALLINT, [LRA] SMALLINT, [LRL] SMALLINT);"
                             "INSERT INTO [Internal] VALUES (2.0, 6, 5, 3, 4);");
    SetCatalogFolderForTesting(folder);
    CMechInternals rs;
    rs.Open();
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 2.0f);
}

TEST_F(RecordsetTest, NullRowsAreLeftOutAndClosedSetsRaiseTheirOwnErrors) {
    WriteCatalog(dir, "MechEngines",
                 "CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [EngineName] TEXT);"
                 "INSERT INTO [Engines] VALUES (10, 0.5, 'Fusion 10');"
                 "INSERT INTO [Engines] VALUES (15, NULL, 'Fusion 15');");
    CMechEngines engines;
    engines.Open();
    EXPECT_EQ(engines.RecordCount(), 1u);
    ASSERT_EQ(engines.LeftOutRows().size(), 1u);
    EXPECT_NE(engines.LeftOutRows()[0].find("row 2 ([Rating] 15): [Tonnage] is Null"),
              std::string::npos);
    int code = 0;
    engines.MoveNext();
    EXPECT_NE(ErrorOf([&] { engines.MoveNext(); }, &code), "");
    EXPECT_EQ(code, kDaoNoCurrentRecord);
    engines.Close();
    EXPECT_FALSE(engines.IsOpen());
    EXPECT_NE(ErrorOf([&] { engines.MoveFirst(); }, &code), "");
    EXPECT_EQ(code, kDaoNotOpen);
}

TEST_F(RecordsetTest, SavedPositionRestoresRecordAndChangedMembers) {
    WriteCatalog(dir, "equipment", ProjectCatalogScript("equipment"));
    MechEquipment rs;
    rs.Open();
    SeekFirst(
        rs, [](const MechEquipment& r) { return r.m_Item == "PPC"; }, "PPC");
    rs.m_Tonnage = 0;
    const CDaoRecordset::Position saved = rs.SavePosition();
    rs.MoveFirst();
    rs.RestorePosition(saved);
    EXPECT_EQ(rs.m_Item, "PPC");
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 0.0f);
    EXPECT_FLOAT_EQ(rs.m_Criticals, 3.0f);
}

} // namespace
