// Temporary folders, and catalogue files written into them from SQL: the
// project's own catalogue scripts, or a test's.
#pragma once

#include <string>

// A folder that is removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

// The project's own catalogue scripts.
std::string ProjectCatalogScript(const std::string& baseName);
// Writes NAME.db into dir from an SQL script.
void WriteCatalog(const TempDir& dir, const std::string& baseName, const std::string& script);
// Writes all three project catalogues into dir (each may be replaced afterwards).
void WriteProjectCatalogs(const TempDir& dir);
