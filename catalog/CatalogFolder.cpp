// The catalogue folder: <folder of the executable>/../share/kestrav.

#include "catalog/CatalogFolder.h"

#include <filesystem>
#include <system_error>

namespace {

std::string& OverrideFolder() {
    static std::string folder;
    return folder;
}

} // namespace

std::string CatalogFolder() {
    if (!OverrideFolder().empty()) return OverrideFolder();
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "share/kestrav";
    return (exe.parent_path().parent_path() / "share" / "kestrav").string();
}

void SetCatalogFolderForTesting(const std::string& folder) {
    OverrideFolder() = folder;
}

std::string CatalogFile(const char* fileName) {
    return (std::filesystem::path(CatalogFolder()) / fileName).string();
}
