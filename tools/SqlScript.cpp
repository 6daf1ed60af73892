// Executes an SQL script into a fresh database file.

#include "tools/SqlScript.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

void ExecuteScript(const std::string& path, const std::string& script) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error(path + ": " + message);
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error(path + ": " + message);
}

} // namespace

void CreateDatabaseFromScript(const std::string& path, const std::string& script) {
    std::remove(path.c_str());
    try {
        ExecuteScript(path, script);
    } catch (...) {
        std::remove(path.c_str());
        throw;
    }
}

void ApplyScriptToDatabase(const std::string& path, const std::string& script) {
    ExecuteScript(path, script);
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
