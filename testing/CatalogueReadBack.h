// What a test reads back after the program has used a catalogue folder: every
// file of the folder with its bytes, and the error a record-set action raises.
#pragma once

#include "dao/DaoException.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

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
