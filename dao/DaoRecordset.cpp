// CDaoRecordset over SQLite: the file checked, then its table (a plain one)
// read whole, immutable, within a time and step budget; every row checked as
// it is read; the moves walk the rows kept.

#include "dao/DaoRecordset.h"

#include "dao/DaoFileCheck.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinaliser {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

[[noreturn]] void Refuse(const std::string& file, const std::string& what) {
    throw CDaoException(kDaoCannotRead, file + ": " + what);
}

// The file as an SQLite URI, opened immutable: no locks, no journal, no log,
// nothing created beside it.
std::string ImmutableUri(const std::string& file) {
    std::string uri = "file:";
    for (unsigned char c : file) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri + "?immutable=1";
}

// What reading one table has cost so far, checked by the engine's progress
// handler: its steps, and the time since the read began.
struct ReadBudget {
    long long steps = 0;
    std::chrono::milliseconds limit{};
    std::chrono::steady_clock::time_point deadline;
    bool tooManySteps = false;
    bool tooLong = false;
};

constexpr int kStepsPerCall = 1000;

int CheckBudget(void* budget) {
    auto* b = static_cast<ReadBudget*>(budget);
    b->steps += kStepsPerCall;
    b->tooManySteps = b->steps > kDaoMaxEngineSteps;
    b->tooLong = std::chrono::steady_clock::now() > b->deadline;
    return b->tooManySteps || b->tooLong ? 1 : 0;
}

[[noreturn]] void ThrowEngineError(sqlite3* db, const std::string& file, const ReadBudget& budget) {
    if (budget.tooLong)
        Refuse(file,
               "reading the table took longer than a catalogue may take (" +
                   std::to_string(
                       std::chrono::duration_cast<std::chrono::seconds>(budget.limit).count()) +
                   " seconds).");
    if (budget.tooManySteps)
        Refuse(file, "reading the table took the database engine more than " +
                         std::to_string(kDaoMaxEngineSteps) +
                         " steps, more than a catalogue may ask for.");
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    if ((code & 0xFF) == SQLITE_NOMEM)
        Refuse(file, "reading the table needs more memory than a catalogue may use (" +
                         std::to_string(kDaoMaxEngineMemory >> 20) + " MiB).");
    if ((code & 0xFF) == SQLITE_TOOBIG)
        Refuse(file, "a value is longer than a catalogue value may be (" +
                         std::to_string(kDaoMaxValueBytes) + " bytes).");
    throw CDaoException(code, file + ": " + sqlite3_errmsg(db));
}

std::unique_ptr<sqlite3_stmt, StatementFinaliser>
Prepare(sqlite3* db, const std::string& sql, const std::string& file, const ReadBudget& budget) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        ThrowEngineError(db, file, budget);
    return std::unique_ptr<sqlite3_stmt, StatementFinaliser>(statement);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Unbracketed(const std::string& name) {
    return name.size() >= 2 && name.front() == '[' && name.back() == ']'
               ? name.substr(1, name.size() - 2)
               : name;
}

// Only a plain table is read: a view or a virtual table computes its rows, and
// a column generated when read computes its values, however long that takes
// (preparing a query over thousands of nested views alone takes minutes).
// The schema's own records are read, never the view's query.
void RequirePlainTable(sqlite3* db, const std::string& file, const std::string& table,
                       const std::vector<std::string>& columns, const ReadBudget& budget) {
    const std::string name = Unbracketed(table);
    auto schema = Prepare(db,
                          "SELECT type, sql FROM main.sqlite_master WHERE type IN ('table', "
                          "'view') AND name = ?1 COLLATE NOCASE",
                          file, budget);
    sqlite3_bind_text(schema.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const int step = sqlite3_step(schema.get());
    if (step == SQLITE_DONE) Refuse(file, "no such table: " + name);
    if (step != SQLITE_ROW) ThrowEngineError(db, file, budget);
    const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(schema.get(), 0));
    const auto* sql = reinterpret_cast<const char*>(sqlite3_column_text(schema.get(), 1));
    if (type && std::strcmp(type, "view") == 0)
        Refuse(file, "the catalogue table " + name +
                         " is a view, not a table; a catalogue table must be a plain table "
                         "whose rows are stored in the file.");
    std::string start = sql ? std::string(sql).substr(0, 64) : "";
    for (char& c : start)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    start.erase(
        std::remove_if(start.begin(), start.end(), [](unsigned char c) { return std::isspace(c); }),
        start.end());
    if (start.rfind("CREATEVIRTUALTABLE", 0) == 0)
        Refuse(file, "the catalogue table " + name +
                         " is a virtual table, not a plain table whose rows are stored in the "
                         "file.");

    // Columns generated when read (hidden 2); stored ones (3) are plain values.
    auto info =
        Prepare(db, "SELECT name, hidden FROM pragma_table_xinfo(?1, 'main')", file, budget);
    sqlite3_bind_text(info.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
    int row = 0;
    while ((row = sqlite3_step(info.get())) == SQLITE_ROW) {
        const auto* column = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
        if (!column || sqlite3_column_int(info.get(), 1) != 2) continue;
        for (const std::string& bound : columns)
            if (SameName(Unbracketed(bound), column))
                Refuse(file, "the column " + bound + " of the catalogue table " + name +
                                 " is computed when it is read (a generated column), not "
                                 "stored in the file.");
    }
    if (row != SQLITE_DONE) ThrowEngineError(db, file, budget);
}

DaoValue ReadColumn(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
        return std::monostate{};
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return std::string(text ? text : "",
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
    }
    }
}

} // namespace

CDaoRecordset::CDaoRecordset() = default;

CDaoRecordset::~CDaoRecordset() {
    if (m_open) Close();
}

std::string CDaoRecordset::Source() const {
    return m_file + ", table " + m_table;
}

void CDaoRecordset::Open() {
    if (m_open) Close();
    const std::string file = GetDefaultDBName();
    const std::string table = GetDefaultSQL();
    CDaoFieldExchange collect(CDaoFieldExchange::CollectColumns);
    DoFieldExchange(&collect);
    CDaoFieldExchange saved(CDaoFieldExchange::SaveMembers);
    DoFieldExchange(&saved);

    std::vector<std::vector<DaoValue>> rows;
    m_file = file;
    m_table = table;
    try {
        m_leftOut.clear();
        m_leftOutCount = 0;
        rows = ReadRows(file, table, collect.columns);
    } catch (const std::bad_alloc&) {
        Refuse(file, "there is not enough memory to read the table.");
    }

    m_rows = std::move(rows);
    m_current = 0;
    m_open = true;
    if (!m_rows.empty()) {
        Load();
    } else {
        CDaoFieldExchange restore(CDaoFieldExchange::RestoreMembers);
        restore.values = std::move(saved.values);
        DoFieldExchange(&restore);
    }
}

std::vector<std::vector<DaoValue>> CDaoRecordset::ReadRows(const std::string& file,
                                                           const std::string& table,
                                                           const std::vector<std::string>& names) {
    ReadBudget budget;
    budget.limit = MaxReadTime();
    budget.deadline = std::chrono::steady_clock::now() + budget.limit;
    const std::string real = CheckDatabaseFile(file, budget.deadline);
    std::string select = "SELECT ";
    for (std::size_t i = 0; i < names.size(); ++i)
        select += (i ? ", " : "") + names[i];
    select += " FROM main." + table;
    const std::size_t columns = names.size();

    // The engine's own memory is bounded for every connection of the program;
    // catalogues are all it reads.
    sqlite3_hard_heap_limit64(kDaoMaxEngineMemory);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(ImmutableUri(real).c_str(), &raw,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (rc != SQLITE_OK) ThrowEngineError(db.get(), file, budget);
    sqlite3_limit(db.get(), SQLITE_LIMIT_LENGTH, kDaoMaxValueBytes);
    sqlite3_progress_handler(db.get(), kStepsPerCall, CheckBudget, &budget);
    // Sorting uses memory, never a temporary file.
    if (sqlite3_exec(db.get(), "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        ThrowEngineError(db.get(), file, budget);
    RequirePlainTable(db.get(), file, table, names, budget);
    const auto statement = Prepare(db.get(), select, file, budget);

    // Each row is checked as it is read, and only the sound ones are kept.
    std::vector<std::vector<DaoValue>> rows;
    std::size_t read = 0, textBytes = 0;
    for (;;) {
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_DONE) break;
        if (step != SQLITE_ROW) ThrowEngineError(db.get(), file, budget);
        if (read++ == kDaoMaxRows)
            Refuse(file, "the table holds more than " + std::to_string(kDaoMaxRows) +
                             " rows, the most a catalogue may hold.");
        std::vector<DaoValue> row;
        row.reserve(columns);
        for (std::size_t c = 0; c < columns; ++c) {
            row.push_back(ReadColumn(statement.get(), static_cast<int>(c)));
            if (const auto* text = std::get_if<std::string>(&row.back())) textBytes += text->size();
        }
        if (textBytes > kDaoMaxTextBytes)
            Refuse(file, "the table's texts hold more than " +
                             std::to_string(kDaoMaxTextBytes >> 20) +
                             " MiB, the most a catalogue may hold.");
        if (IsSound(row, read, names.empty() ? "" : names.front())) rows.push_back(std::move(row));
    }
    return rows;
}

// False for a row holding a value its field does not accept, which is left
// out: the first few get a line each (the file, the row's number, its key
// unless the key is the value refused, each value refused), the rest are
// only counted.
bool CDaoRecordset::IsSound(const std::vector<DaoValue>& row, std::size_t number,
                            const std::string& firstColumn) {
    CDaoFieldExchange load(CDaoFieldExchange::LoadRecord, &row);
    DoFieldExchange(&load);
    if (load.problems.empty()) return true;
    if (++m_leftOutCount > kDaoLeftOutLinesKept) return false;
    std::string line = m_file + ", row " + std::to_string(number);
    if (!row.empty() && load.problems.front().column != firstColumn)
        line += " (" + firstColumn + " " + DescribeDaoValue(row[0]) + ")";
    line += ":";
    for (std::size_t p = 0; p < load.problems.size(); ++p) {
        const DaoFieldProblem& problem = load.problems[p];
        line += (p ? "; " : " ") + problem.column + " is " + problem.value + ", allowed " +
                problem.allowed;
    }
    m_leftOut.push_back(line + ".");
    return false;
}

void CDaoRecordset::Close() {
    m_open = false;
    m_rows.clear();
    m_current = 0;
}

void CDaoRecordset::RequireOpen() const {
    if (!m_open)
        throw CDaoException(kDaoNotOpen,
                            (m_file.empty() ? std::string(GetRuntimeClassName()) : m_file) +
                                ": the catalogue is not open.");
}

void CDaoRecordset::ThrowNoCurrentRecord() const {
    throw CDaoException(kDaoNoCurrentRecord, Source() + ": No current record.");
}

void CDaoRecordset::MoveFirst() {
    RequireOpen();
    if (m_rows.empty()) ThrowNoCurrentRecord();
    m_current = 0;
    Load();
}

void CDaoRecordset::MoveNext() {
    RequireOpen();
    if (m_current >= m_rows.size()) ThrowNoCurrentRecord();
    ++m_current;
    if (m_current < m_rows.size()) Load();
}

bool CDaoRecordset::IsEOF() const {
    RequireOpen();
    return m_current >= m_rows.size();
}

// Every row kept was loaded once when the set was opened, so loading it again cannot fail.
void CDaoRecordset::Load() {
    CDaoFieldExchange load(CDaoFieldExchange::LoadRecord, &m_rows[m_current]);
    DoFieldExchange(&load);
}

CDaoRecordset::Position CDaoRecordset::SavePosition() {
    CDaoFieldExchange save(CDaoFieldExchange::SaveMembers);
    DoFieldExchange(&save);
    return Position{m_open, m_current, std::move(save.values)};
}

void CDaoRecordset::RestorePosition(const Position& position) {
    // A record set is only ever closed, never reopened, by an action.
    if (!position.open) m_open = false;
    if (m_open) m_current = position.current;
    CDaoFieldExchange restore(CDaoFieldExchange::RestoreMembers);
    restore.values = position.members;
    DoFieldExchange(&restore);
}

std::string LeftOutRowsReport(const std::vector<const CDaoRecordset*>& recordsets,
                              std::size_t shown) {
    shown = std::min(shown, kDaoLeftOutLinesKept);
    std::size_t total = 0, listed = 0;
    std::string report = "These catalogue rows hold values the program cannot use and were "
                         "left out:";
    for (const CDaoRecordset* recordset : recordsets) {
        total += recordset->LeftOutCount();
        for (const std::string& line : recordset->LeftOutRows())
            if (listed < shown) {
                report += "\n" + line;
                ++listed;
            }
    }
    if (total == 0) return "";
    if (total > listed)
        report += "\n... and " + std::to_string(total - listed) + " more rows left out.";
    return report;
}
