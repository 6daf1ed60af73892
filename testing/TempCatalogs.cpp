// Temporary folders and the catalogues written into them.

#include "testing/TempCatalogs.h"

#include "catalog/CatalogNames.h"
#include "tools/SqlScript.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

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
    for (const char* name : kCatalogNames)
        WriteCatalog(dir, name, ProjectCatalogScript(name));
}
