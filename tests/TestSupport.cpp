// Temporary catalogues and a headless design sheet for the unit tests.

#include "tests/TestSupport.h"

#include "app/KestravApp.h"
#include "catalog/CatalogFolder.h"
#include "dao/SqlScript.h"
#include "design/ProgramValues.h"

#include <cstdlib>
#include <filesystem>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrav-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ProjectCatalogScript(const std::string& baseName) {
    return ReadTextFile(std::string(KESTRAV_SOURCE_DIR) + "/catalog/data/" + baseName + ".sql");
}

void WriteCatalog(const TempDir& dir, const std::string& baseName, const std::string& script) {
    CreateDatabaseFromScript(dir.File(baseName + ".db"), script);
}

void WriteProjectCatalogs(const TempDir& dir) {
    for (const char* name : {"MechEngines", "equipment", "Internal"})
        WriteCatalog(dir, name, ProjectCatalogScript(name));
}

void ResetProgramWideValues() {
    g_rsEquipment.Close();
    g_rsEngines.Close();
    g_rsInternals.Close();
    RestoreProgramValues(ProgramValues{});
}

void SheetTest::SetUp() {
    ResetProgramWideValues();
    theApp.m_pPlatform = &platform;
    theApp.m_pszAppName = "kestrav";
}

void SheetTest::TearDown() {
    theApp.m_pMainWnd = nullptr;
    sheet.reset();
    ResetProgramWideValues();
    SetCatalogFolderForTesting("");
    theApp.m_pPlatform = nullptr;
}

void SheetTest::Start(const std::string& folder) {
    SetCatalogFolderForTesting(folder.empty() ? std::string(KESTRAV_CATALOG_DIR) : folder);
    ResetProgramWideValues();
    sheet = std::make_unique<CKestravDlg>();
    theApp.m_pMainWnd = sheet.get();
    sheet->Create();
}
