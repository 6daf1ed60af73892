// Record sets against temporary databases: the sound rows kept in stored
// order, the end of a table, the error codes, the saved position an undo goes
// back to, the members given back when no row is kept, and a read-only folder
// served to an ordinary user.

#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "testing/CatalogueReadBack.h"
#include "tests/TestSupport.h"
#include "tools/SqlScript.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(RecordsetTest, KeepsSoundRowsInStoredOrderAndGivesMembersBackWhenNoneIsKept) {
    TempDir dir;
    SetCatalogFolderForTesting(dir.path());
    WriteCatalog(dir, "MechEngines",
                 "CREATE TABLE [Engines] ([Rating] SMALLINT, [Tonnage] REAL, [EngineName] TEXT);"
                 "INSERT INTO [Engines] VALUES (15, 1.0, 'Fusion 15'), (10, NULL, 'Null'), "
                 "(10, 0.5, 'Fusion 10');");
    CMechEngines rs;
    rs.Open();
    EXPECT_EQ(rs.m_EngineName, "Fusion 15");
    rs.MoveNext();
    // A saved position gives back the record and the members as they were changed.
    rs.m_Tonnage = 0;
    const CDaoRecordset::Position saved = rs.SavePosition();
    rs.MoveFirst();
    rs.RestorePosition(saved);
    EXPECT_EQ(rs.m_EngineName, "Fusion 10");
    EXPECT_FLOAT_EQ(rs.m_Tonnage, 0.0f);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    const std::string file = dir.File("MechEngines.db");
    EXPECT_EQ(DaoErrorOf([&] { rs.MoveNext(); }),
              "3021: " + file + ", table [Engines]: No current record.");

    // Every row read and left out: the members are as they were before.
    ApplyScriptToDatabase(file, "UPDATE [Engines] SET [Rating] = 0;");
    rs.m_EngineName = "before";
    rs.Open();
    EXPECT_EQ(rs.RecordCount(), 0u);
    EXPECT_EQ(rs.m_EngineName, "before");
    rs.Close();
    EXPECT_EQ(DaoErrorOf([&] { rs.MoveFirst(); }),
              "3420: " + file + ": the catalogue is not open.");
    SetCatalogFolderForTesting("");
}

// An ordinary user, a read-only folder: a catalogue in write-ahead-log mode
// opens, though nothing can be made beside it; a file the user may not read
// gets its own message. Run in a child that has dropped root's privileges.
TEST(CatalogueFolderTest, AReadOnlyFolderServesAnOrdinaryUser) {
    TempDir dir;
    WriteCatalog(dir, "MechEngines",
                 ProjectCatalogScript("MechEngines") + "PRAGMA journal_mode = WAL;");
    std::ofstream(dir.File("equipment.db")) << "unreadable";
    chmod(dir.File("equipment.db").c_str(), 0);
    chmod(dir.path().c_str(), 0555);
    if (fork() == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534))) _exit(10);
        SetCatalogFolderForTesting(dir.path());
        CMechEngines engines;
        engines.Open();
        MechEquipment equipment;
        const std::string error = DaoErrorOf([&] { equipment.Open(); });
        _exit(engines.RecordCount() == 79 &&
                      error == "3051: " + dir.File("equipment.db") +
                                   ": permission denied: the user may not read the file."
                  ? 0
                  : 11);
    }
    int status = -1;
    wait(&status);
    chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
}

} // namespace
