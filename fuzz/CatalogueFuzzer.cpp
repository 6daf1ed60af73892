// A coverage-guided fuzzer (libFuzzer) over the bytes of each catalogue.
//
// An input's first byte chooses the catalogue (engines, structure, equipment)
// and where the rest of its bytes go: in place of the catalogue file, or
// beside the project's file as its write-ahead log or its rollback journal.
// The other catalogues are the project's own. The sheet then starts headless,
// as the program starts, and one design action follows. What must hold for
// every input: the start-up either gives a design with an engine or leaves the
// sheet blank with a message naming a catalogue file; every message is short
// enough to read; and the folder keeps exactly its files and their bytes.

#include "res/resource.h"
#include "testing/HeadlessSheet.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

const char* const kCatalogues[] = {"MechEngines.db", "Internal.db", "equipment.db"};
const char* const kPlaces[] = {"", "-wal", "-journal"};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.') names.insert(entry->d_name);
        closedir(dir);
    }
    return names;
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "catalogue fuzzer: %s\n%s\n", what, detail.substr(0, 2000).c_str());
    std::abort();
}

struct Folder {
    Folder() {
        char name[] = "/tmp/kestrav-fuzz-XXXXXX";
        if (!mkdtemp(name)) Fail("cannot make a folder", name);
        path = name;
        for (const char* catalogue : kCatalogues)
            project[catalogue] = ReadFile(std::string(KESTRAV_CATALOG_DIR) + "/" + catalogue);
    }
    std::string path;
    std::map<std::string, std::string> project;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Folder folder;
    if (size == 0) return 0;
    const std::string catalogue = kCatalogues[data[0] % 3];
    const std::string place = kPlaces[(data[0] / 3) % 3];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    // The folder as the input makes it: the project's catalogues, one file replaced or added.
    for (const std::string& name : Names(folder.path))
        std::remove((folder.path + "/" + name).c_str());
    std::map<std::string, std::string> files = folder.project;
    files[catalogue + place] = bytes;
    for (const auto& [name, content] : files)
        WriteFile(folder.path + "/" + name, content);

    {
        HeadlessSheet headless;
        headless.Start(folder.path);
        CKestravDlg& sheet = *headless.sheet;
        const bool started = !sheet.m_strEngineName.empty();
        bool named = false;
        std::string boxes;
        for (const auto& box : headless.platform.boxes) {
            if (box.text.size() > 8192) Fail("a message too long to read", box.text);
            for (const char* name : kCatalogues)
                named = named || box.text.rfind(folder.path + "/" + name + ":", 0) == 0;
            boxes += box.text + "\n";
        }
        if (!started && !named) Fail("a blank sheet without a message naming its file", boxes);
        sheet.ClickButton(IDC_TONNAGE_UP);
    }

    std::set<std::string> expected;
    for (const auto& [name, content] : files)
        expected.insert(name);
    if (Names(folder.path) != expected) Fail("the catalogue folder gained or lost a file", "");
    for (const auto& [name, content] : files)
        if (ReadFile(folder.path + "/" + name) != content)
            Fail("a catalogue file was changed", name);
    return 0;
}
