// CDaoRecordset: a read-only record set over one table of an SQLite file.
//
// Open reads the bound columns of every row, in the order the database keeps
// them, and makes the first record current; the moves then walk that copy. The
// file is opened read-only and never written. Every failure is a CDaoException
// with the engine's words and the file's name: a missing file or table, a move
// past the end (no current record), a Null or mistyped value in a bound column.
#pragma once

#include "dao/DaoException.h"
#include "dao/DaoFieldExchange.h"

#include <cstddef>
#include <string>
#include <vector>

inline constexpr int dbOpenDynaset = 2;
inline constexpr int dbOpenSnapshot = 4;
inline constexpr int AFX_DAO_USE_DEFAULT_TYPE = -1;

class CDaoRecordset {
  public:
    CDaoRecordset();
    virtual ~CDaoRecordset();
    CDaoRecordset(const CDaoRecordset&) = delete;
    CDaoRecordset& operator=(const CDaoRecordset&) = delete;

    virtual const char* GetRuntimeClassName() const { return "CDaoRecordset"; }
    virtual std::string GetDefaultDBName() { return ""; }
    virtual std::string GetDefaultSQL() { return ""; }
    virtual void DoFieldExchange(CDaoFieldExchange*) {}

    // Opens the default file and table (the only form the program uses).
    void Open(int openType = AFX_DAO_USE_DEFAULT_TYPE, const char* sql = nullptr, int options = 0);
    void Close();
    bool IsOpen() const { return m_open; }
    void MoveFirst();
    void MoveNext();
    bool IsEOF() const;

    // Where the record set stands and what its members hold, to undo a failed action.
    struct Position {
        bool open = false;
        std::size_t current = 0;
        std::vector<DaoValue> members;
    };
    Position SavePosition();
    void RestorePosition(const Position& position);

    std::string FileName() const { return m_file; }
    std::size_t RecordCount() const { return m_rows.size(); }

    int m_nFields = 0;
    int m_nDefaultType = dbOpenSnapshot;

  private:
    void Load(); // the current row into the members
    [[noreturn]] void ThrowNoCurrentRecord() const;
    void RequireOpen() const;
    std::string Source() const;

    bool m_open = false;
    std::string m_file;
    std::string m_table;
    std::vector<std::vector<DaoValue>> m_rows;
    std::size_t m_current = 0;
};
