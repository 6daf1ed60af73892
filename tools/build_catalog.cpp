// kestrav-build-catalog SCRIPT.sql OUT.db: makes one catalogue file from its rows.

#include "tools/SqlScript.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCRIPT.sql OUT.db\n", argv[0]);
        return 2;
    }
    try {
        CreateDatabaseFromScript(argv[2], ReadTextFile(argv[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kestrav-build-catalog: %s\n", error.what());
        return 1;
    }
    return 0;
}
