// Where the three catalogue files live.
//
// The catalogues sit in share/kestrav beside the program's bin folder, in the
// build tree and in an installation alike. The program's folder is that of the
// running executable as the system names it (/proc/self/exe), byte for byte,
// whatever bytes the folder's name holds; never a path relative to the
// working folder. If the system cannot name it, reading a catalogue fails
// with a message saying so. Tests point the folder elsewhere through the seam
// below; the program itself never does.
#pragma once

#include <string>

// The catalogue folder of the running program; throws a CDaoException when
// the program's own path cannot be found.
std::string CatalogFolder();
// The catalogue folder of a program at programPath (an absolute path).
std::string CatalogFolderOf(const std::string& programPath);
// Tests only: use another folder (an empty text restores the default).
void SetCatalogFolderForTesting(const std::string& folder);
// The file of the catalogue of this name (catalog/CatalogNames.h) in the folder.
std::string CatalogFile(const char* name);
