// Catalogue folders damaged on purpose, and what a test reads back from them:
// damages to one catalogue file (an SQL change, something else in its place,
// bytes written in it or beside it, an endless view), every file of a folder
// with its bytes, and the error a record-set action raises.
#pragma once

#include "dao/DaoException.h"
#include "tools/SqlScript.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

// A damage done to the catalogue file at a path.
using CatalogueDamage = std::function<void(const std::string& path)>;

inline CatalogueDamage SqlDamage(std::string script) {
    return [=](const std::string& path) { ApplyScriptToDatabase(path, script); };
}

// Something else made in place of the catalogue file.
inline CatalogueDamage Replaced(std::function<void(const std::string&)> make) {
    return [=](const std::string& path) {
        std::filesystem::remove(path);
        make(path);
    };
}

// A file written in place of the catalogue (suffix "") or beside it.
inline CatalogueDamage Written(std::string suffix, std::string bytes) {
    return [=](const std::string& path) { std::ofstream(path + suffix) << bytes; };
}

// Bytes overwritten inside the file.
inline CatalogueDamage Patched(long at, std::string bytes) {
    return [=](const std::string& path) { std::fstream(path).seekp(at) << bytes; };
}

// The table renamed [Stored] and, in its place, a view over n(i), i = 1, 2, ... endlessly.
inline CatalogueDamage EndlessView(std::string table, std::string select) {
    return SqlDamage("ALTER TABLE " + table + " RENAME TO [Stored]; CREATE VIEW " + table +
                     " AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) " +
                     select);
}

// Every file of a folder with its bytes (anything else by its kind, a link by its target).
inline std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const fs::file_type type = entry.symlink_status().type();
        std::string& file = files[entry.path().filename().string()];
        if (type == fs::file_type::regular) {
            std::ifstream in(entry.path(), std::ios::binary);
            file = std::string(std::istreambuf_iterator<char>(in), {});
        } else {
            file = std::to_string(static_cast<int>(type)) +
                   (type == fs::file_type::symlink ? fs::read_symlink(entry.path()).string() : "");
        }
    }
    return files;
}

// The error an action raises, as "<code>: <text>", or "" when it raises none.
template <typename Action> std::string DaoErrorOf(Action action) {
    try {
        action();
    } catch (const CDaoException& error) {
        return std::to_string(error.m_scode) + ": " + error.m_strDescription;
    }
    return "";
}
