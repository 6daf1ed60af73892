// CDaoRecordset: a read-only record set over one table of an SQLite file.
//
// Open reads the bound columns of every row, in the order the database keeps
// them, and makes the first record current; the moves then walk that copy.
// Each row is checked once, as it is read: a row holding a value its field
// does not accept is left out, counted, and for the first few described in
// LeftOutRows.
//
// The file is never written, nor anything beside it, whatever state it is in:
// it is opened as immutable at its real path, after checks of its own
// (dao/DaoFileCheck.h) that refuse what SQLite would otherwise have to write
// to read (a hot rollback journal, a write-ahead log holding changes) and what
// is not a database file at all. Only a plain table is read. What a table
// may hold is bounded (kDaoMaxRows, kDaoMaxTextBytes, kDaoMaxValueBytes,
// kDaoMaxEngineSteps, kDaoMaxEngineMemory). Every failure is a CDaoException
// whose text starts with the file's name: a missing or unreadable file or
// table, a view in place of a table, a read that takes longer than
// kDaoMaxReadTime, a move past the end (no current record).
#pragma once

#include "dao/DaoException.h"
#include "dao/DaoFieldExchange.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What one table may hold; a larger one is refused when it is opened.
inline constexpr std::size_t kDaoMaxRows = 200000;
inline constexpr std::size_t kDaoMaxTextBytes = 16u << 20; // all the texts of the table together
inline constexpr int kDaoMaxValueBytes = 64 << 10;         // one text
// What reading one table may cost the database engine (a view may compute its rows).
inline constexpr long long kDaoMaxEngineSteps = 50'000'000;
inline constexpr std::int64_t kDaoMaxEngineMemory = 256ll << 20;
// How long reading one file and its table may take, checks of the file included.
inline constexpr std::chrono::seconds kDaoMaxReadTime{5};
// How many lines on rows left out a record set keeps; the rest it counts.
inline constexpr std::size_t kDaoLeftOutLinesKept = 10;

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
    // How long reading the file and its table may take.
    virtual std::chrono::milliseconds MaxReadTime() const { return kDaoMaxReadTime; }

    // Opens the default file and table.
    void Open();
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
    // One line per row that Open left out, for the first kDaoLeftOutLinesKept
    // of them: the file, the row, each value refused and what its field
    // accepts; and how many rows were left out in all.
    const std::vector<std::string>& LeftOutRows() const { return m_leftOut; }
    std::size_t LeftOutCount() const { return m_leftOutCount; }

  private:
    void Load(); // the current row into the members
    [[noreturn]] void ThrowNoCurrentRecord() const;
    void RequireOpen() const;
    std::string Source() const;
    std::vector<std::vector<DaoValue>> ReadRows(const std::string& file, const std::string& table,
                                                const std::vector<std::string>& names);
    bool IsSound(const std::vector<DaoValue>& row, std::size_t number,
                 const std::string& firstColumn);

    bool m_open = false;
    std::string m_file;
    std::string m_table;
    std::vector<std::vector<DaoValue>> m_rows;
    std::vector<std::string> m_leftOut;
    std::size_t m_leftOutCount = 0;
    std::size_t m_current = 0;
};

// One message for the rows the record sets left out: the first `shown` lines
// (at most kDaoLeftOutLinesKept), then how many more; empty when every row
// was sound.
std::string LeftOutRowsReport(const std::vector<const CDaoRecordset*>& recordsets,
                              std::size_t shown = 10);
