// Where the three catalogue files live.
//
// The catalogues sit in share/kestrav beside the program's bin folder, in the
// build tree and in an installation alike. Tests point the folder elsewhere
// through the seam below; the program itself never does.
#pragma once

#include <string>

std::string CatalogFolder();
// Tests only: use another folder (an empty text restores the default).
void SetCatalogFolderForTesting(const std::string& folder);
std::string CatalogFile(const char* fileName);
