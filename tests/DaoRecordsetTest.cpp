// Record sets against temporary databases: binding, row order, the search by
// key, and every error the engine raises, in its own words.

#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "catalog/MechInternals.h"
#include "catalog/Search.h"
#include "dao/SqlScript.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const char kEquipmentSchema[] =
    "CREATE TABLE [Equipment] ([Item] TEXT, [Tonnage] REAL, [Criticals] REAL, [Damage] SMALLINT, "
    "[Heat] SMALLINT, [Long] SMALLINT, [Medium] SMALLINT, [Minimum] SMALLINT, [Short] SMALLINT);\n";

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

TEST_F(RecordsetTest, BindsEveryColumnInMemberOrderWithSignedShorts) {
    WriteCatalog(dir, "equipment",
                 std::string(kEquipmentSchema) +
                     "INSERT INTO [Equipment] VALUES ('Flamer', 0.5, 1, 2, -3, 3, 2, 0, 1);");
    MechEquipment rs;
    rs.Open();
    EXPECT_EQ(rs.m_Item, "Flamer");
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 0.5f);
    EXPECT_FLOAT_EQ(rs.m_Criticals, 1.0f);
    EXPECT_EQ(rs.m_Damage, 2);
    EXPECT_EQ(static_cast<int>(rs.m_Heat), -3);
    EXPECT_EQ(rs.m_Long, 3);
    EXPECT_EQ(rs.m_Medium, 2);
    EXPECT_EQ(rs.m_Minimum, 0);
    EXPECT_EQ(rs.m_Short, 1);
}

TEST_F(RecordsetTest, WalksRowsInStoredOrderAndEndsWithNoCurrentRecord) {
    WriteCatalog(dir, "Internal",
                 "CREATE TABLE [Internal] ([Tonnage] REAL, [CT] SMALLINT, [LRT] SMALLINT, "
                 "[LRA] SMALLINT, [LRL] SMALLINT);"
                 "INSERT INTO [Internal] VALUES (2.0, 6, 5, 3, 4);"
                 "INSERT INTO [Internal] VALUES (1.0, 4, 3, 1, 2);");
    CMechInternals rs;
    rs.Open();
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 2.0f);
    rs.MoveNext();
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 1.0f);
    EXPECT_FALSE(rs.IsEOF());
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    int code = 0;
    EXPECT_NE(ErrorOf([&] { rs.MoveNext(); }, &code).find("No current record"), std::string::npos);
    EXPECT_EQ(code, kDaoNoCurrentRecord);
    rs.MoveFirst();
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 2.0f);
}

TEST_F(RecordsetTest, SearchByNameIsExactAndCaseSensitive) {
    WriteCatalog(dir, "equipment",
                 std::string(kEquipmentSchema) +
                     "INSERT INTO [Equipment] VALUES ('medium laser', 9, 9, 0, 0, 0, 0, 0, 0);"
                     "INSERT INTO [Equipment] VALUES ('Medium Laser ', 8, 8, 0, 0, 0, 0, 0, 0);"
                     "INSERT INTO [Equipment] VALUES ('Medium Laser', 1, 1, 5, 3, 9, 6, 0, 3);"
                     "INSERT INTO [Equipment] VALUES ('Medium Laser', 7, 7, 0, 0, 0, 0, 0, 0);");
    MechEquipment rs;
    rs.Open();
    auto named = [](const std::string& name) {
        return [name](const MechEquipment& r) { return r.m_Item == name; };
    };
    SeekFirst(rs, named("Medium Laser"), "Medium Laser");
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 1.0f);  // not the other case, not the trailing space, the first match
    int code = 0;
    const std::string error =
        ErrorOf([&] { SeekFirst(rs, named("Large Laser"), "the component Large Laser"); }, &code);
    EXPECT_EQ(code, kDaoNoCurrentRecord);
    EXPECT_NE(error.find("Large Laser"), std::string::npos);
    EXPECT_NE(error.find(dir.File("equipment.db")), std::string::npos);
}

TEST_F(RecordsetTest, OpeningErrorsNameTheFileAndCarryTheEnginesWords) {
    CMechEngines engines;
    std::string error = ErrorOf([&] { engines.Open(); });
    EXPECT_NE(error.find("unable to open database file"), std::string::npos) << error;
    EXPECT_NE(error.find(dir.File("MechEngines.db")), std::string::npos) << error;
    EXPECT_FALSE(engines.IsOpen());

    WriteCatalog(dir, "MechEngines", "CREATE TABLE [Motors] ([Rating] SMALLINT);");
    EXPECT_NE(ErrorOf([&] { engines.Open(); }).find("no such table: Engines"), std::string::npos);

    WriteCatalog(dir, "MechEngines",
                 "CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [Name] TEXT);");
    EXPECT_NE(ErrorOf([&] { engines.Open(); }).find("no such column: EngineName"),
              std::string::npos);

    std::FILE* junk = std::fopen(dir.File("MechEngines.db").c_str(), "wb");
    std::fputs("this is not a database, only some bytes of text that look like nothing", junk);
    std::fclose(junk);
    EXPECT_NE(ErrorOf([&] { engines.Open(); }).find("file is not a database"), std::string::npos);
}

TEST_F(RecordsetTest, EmptyTablesNullsAndClosedSetsAreErrorsNotGarbage) {
    WriteCatalog(dir, "MechEngines",
                 "CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [EngineName] TEXT);");
    CMechEngines engines;
    engines.Open();
    EXPECT_TRUE(engines.IsEOF());
    EXPECT_NE(ErrorOf([&] { engines.MoveFirst(); }).find("No current record"), std::string::npos);

    WriteCatalog(dir, "MechEngines",
                 "CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [EngineName] TEXT);"
                 "INSERT INTO [Engines] VALUES (10, 0.5, 'Fusion 10');"
                 "INSERT INTO [Engines] VALUES (15, NULL, 'Fusion 15');");
    engines.Open();
    int code = 0;
    const std::string error = ErrorOf([&] { engines.MoveNext(); }, &code);
    EXPECT_EQ(code, kDaoInvalidNull);
    EXPECT_NE(error.find("[Tonnage]"), std::string::npos) << error;

    engines.Close();
    EXPECT_FALSE(engines.IsOpen());
    EXPECT_EQ(ErrorOf([&] { engines.MoveFirst(); }, &code).empty(), false);
    EXPECT_EQ(code, kDaoNotOpen);
}

TEST_F(RecordsetTest, ReadingNeverChangesTheFile) {
    WriteCatalog(dir, "MechEngines", ProjectCatalogScript("MechEngines"));
    const std::string before = ReadTextFile(dir.File("MechEngines.db"));
    {
        CMechEngines engines;
        engines.Open();
        SeekFirst(engines, [](const CMechEngines& r) { return r.m_Rating == 400; }, "400");
        EXPECT_FLOAT_EQ(engines.m_Tonnage, 52.5f);
        engines.m_Tonnage = 0;  // in memory only
    }  // closes itself
    EXPECT_EQ(ReadTextFile(dir.File("MechEngines.db")), before);
}

TEST_F(RecordsetTest, SavedPositionRestoresRecordAndChangedMembers) {
    WriteCatalog(dir, "equipment", ProjectCatalogScript("equipment"));
    MechEquipment rs;
    rs.Open();
    SeekFirst(rs, [](const MechEquipment& r) { return r.m_Item == "PPC"; }, "PPC");
    rs.m_Tonnage = 0;
    const CDaoRecordset::Position saved = rs.SavePosition();
    rs.MoveFirst();
    rs.RestorePosition(saved);
    EXPECT_EQ(rs.m_Item, "PPC");
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 0.0f);
    EXPECT_FLOAT_EQ(rs.m_Criticals, 3.0f);
}

} // namespace
