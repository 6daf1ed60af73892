// The catalogue folder: <folder of the program>/../share/kestrav.

#include "catalog/CatalogFolder.h"

#include "framework/WinApp.h"

#include <filesystem>

namespace {

std::string& OverrideFolder() {
    static std::string folder;
    return folder;
}

} // namespace

std::string CatalogFolder() {
    if (!OverrideFolder().empty()) return OverrideFolder();
    const CWinApp* app = AfxGetApp();
    return CatalogFolderOf(app ? app->m_pszProgramPath : std::string());
}

std::string CatalogFolderOf(const std::string& programPath) {
    // A bare name (or none) leaves the folder relative to the working folder.
    const std::filesystem::path bin = std::filesystem::path(programPath).parent_path();
    return (bin.parent_path() / "share" / "kestrav").string();
}

void SetCatalogFolderForTesting(const std::string& folder) {
    OverrideFolder() = folder;
}

std::string CatalogFile(const char* name) {
    return (std::filesystem::path(CatalogFolder()) / (std::string(name) + ".db")).string();
}
