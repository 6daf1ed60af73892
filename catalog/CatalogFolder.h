// Where the three catalogue files live.
//
// The catalogues sit in share/kestrav beside the program's bin folder, in the
// build tree and in an installation alike; the program's path is the one its
// entry was given (the application object's m_pszProgramPath). Tests point the
// folder elsewhere through the seam below; the program itself never does.
#pragma once

#include <string>

std::string CatalogFolder();
// The catalogue folder of a program at programPath.
std::string CatalogFolderOf(const std::string& programPath);
// Tests only: use another folder (an empty text restores the default).
void SetCatalogFolderForTesting(const std::string& folder);
// The file of the catalogue of this name (catalog/CatalogNames.h) in the folder.
std::string CatalogFile(const char* name);
