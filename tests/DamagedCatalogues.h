// Damages done to a catalogue file, shared by the tests that start the sheet
// on damaged catalogues: an SQL change, a file written in its place or beside
// it, a table replaced by a view that never ends, a writer that crashed, and
// the file moved behind a symbolic link.
#pragma once

#include "tools/SqlScript.h"

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

// A damage done to the catalogue file at a path.
using CatalogueDamage = std::function<void(const std::string& path)>;

inline CatalogueDamage SqlDamage(std::string script) {
    return [=](const std::string& path) { ApplyScriptToDatabase(path, script); };
}

// A file written in place of the catalogue (suffix "") or beside it.
inline CatalogueDamage Written(std::string suffix, std::string bytes) {
    return [=](const std::string& path) { std::ofstream(path + suffix) << bytes; };
}

// The table renamed [Stored] and, in its place, a view over n(i), i = 1, 2, ...
// endlessly.
inline CatalogueDamage EndlessView(std::string table, std::string select) {
    return SqlDamage("ALTER TABLE " + table + " RENAME TO [Stored]; CREATE VIEW " + table +
                     " AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) " +
                     select);
}

// A writer that ends without closing the file, as a program that crashed
// would: the script runs in the journal mode given, with a one-page cache so
// that changes reach the file before the transaction ends.
inline CatalogueDamage CrashedWriter(std::string mode, std::string script) {
    return [=](const std::string& path) {
        const pid_t child = fork();
        if (child == 0) {
            sqlite3* db = nullptr;
            sqlite3_open(path.c_str(), &db);
            const std::string all =
                "PRAGMA journal_mode = " + mode + "; PRAGMA cache_size = 1;" + script;
            _exit(sqlite3_exec(db, all.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 1);
        }
        int status = -1;
        waitpid(child, &status, 0);
        if (status != 0) throw std::runtime_error("the crashed writer failed: " + script);
    };
}

// The file moved to a folder "elsewhere" beside the catalogue folder, a
// symbolic link in its place, and the damage done at the real file.
inline CatalogueDamage Linked(CatalogueDamage damage) {
    return [=](const std::string& path) {
        const std::filesystem::path link(path);
        const auto elsewhere = link.parent_path().parent_path() / "elsewhere";
        std::filesystem::create_directories(elsewhere);
        std::filesystem::rename(link, elsewhere / link.filename());
        std::filesystem::create_symlink(elsewhere / link.filename(), link);
        damage((elsewhere / link.filename()).string());
    };
}
