// Shared set-up of the unit tests: temporary catalogue folders made from SQL,
// and a design sheet started headless on the program's own start-up path.
#pragma once

#include "design/KestravDlg.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A folder that is removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

// The project's own catalogue scripts.
std::string ProjectCatalogScript(const std::string& baseName);
// Writes NAME.db into dir from an SQL script.
void WriteCatalog(const TempDir& dir, const std::string& baseName, const std::string& script);
// Writes all three project catalogues into dir (each may be replaced afterwards).
void WriteProjectCatalogs(const TempDir& dir);

// Puts the program-wide values back to their program-start state.
void ResetProgramWideValues();

// A design sheet started headless: the fixture owns the platform that records
// message boxes and dialogs.
class SheetTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Starts a fresh sheet on the catalogues in folder (default: the project's).
    void Start(const std::string& folder = "");

    std::string Text(int id) const { return sheet->Control(id).text; }
    std::vector<std::string> Items(int id) const { return sheet->Control(id).items; }
    bool Enabled(int id) const { return sheet->Control(id).enabled; }

    CHeadlessPlatform platform;
    std::unique_ptr<CKestravDlg> sheet;
};
