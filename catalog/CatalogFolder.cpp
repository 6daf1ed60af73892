// The catalogue folder: <folder of the running program>/../share/kestrav.

#include "catalog/CatalogFolder.h"

#include "dao/DaoException.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

std::string& OverrideFolder() {
    static std::string folder;
    return folder;
}

// The running program's own path, as the system names it, or a refusal.
std::string ProgramPath() {
    constexpr char kSelf[] = "/proc/self/exe";
    std::string path(256, '\0');
    for (;;) {
        const ssize_t got = readlink(kSelf, path.data(), path.size());
        if (got < 0)
            throw CDaoException(kDaoCannotRead,
                                std::string("The catalogue folder cannot be found: the program's "
                                            "own path could not be read (") +
                                    kSelf + ": " + std::strerror(errno) + ").");
        if (static_cast<std::size_t>(got) < path.size()) {
            path.resize(static_cast<std::size_t>(got));
            break;
        }
        path.resize(path.size() * 2);
    }
    if (path.empty() || path.front() != '/')
        throw CDaoException(kDaoCannotRead, "The catalogue folder cannot be found: the system "
                                            "names the program's own path as \"" +
                                                path + "\", not a full path.");
    return path;
}

} // namespace

std::string CatalogFolder() {
    if (!OverrideFolder().empty()) return OverrideFolder();
    return CatalogFolderOf(ProgramPath());
}

std::string CatalogFolderOf(const std::string& programPath) {
    const std::filesystem::path bin = std::filesystem::path(programPath).parent_path();
    return (bin.parent_path() / "share" / "kestrav").string();
}

void SetCatalogFolderForTesting(const std::string& folder) {
    OverrideFolder() = folder;
}

std::string CatalogFile(const char* name) {
    return (std::filesystem::path(CatalogFolder()) / (std::string(name) + ".db")).string();
}
