// Making a database file from an SQL script, for the catalogue builder and tests.
#pragma once

#include <string>

// Replaces the file at path by a new database holding what the script creates.
// Throws std::runtime_error with SQLite's words when the script fails.
void CreateDatabaseFromScript(const std::string& path, const std::string& script);
// Runs a script on an existing database file (a copy made for a test).
void ApplyScriptToDatabase(const std::string& path, const std::string& script);
// Reads a whole text file; throws std::runtime_error when it cannot.
std::string ReadTextFile(const std::string& path);
