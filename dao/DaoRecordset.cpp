// CDaoRecordset over SQLite: open reads the selected rows; moves walk them.

#include "dao/DaoRecordset.h"

#include <sqlite3.h>

#include <memory>

namespace {

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinaliser {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

[[noreturn]] void ThrowEngineError(sqlite3* db, const std::string& file) {
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
    throw CDaoException(code, file + ": " + message);
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

void CDaoRecordset::Open(int, const char* sql, int) {
    if (m_open) Close();
    const std::string file = GetDefaultDBName();
    const std::string table = sql ? sql : GetDefaultSQL();

    CDaoFieldExchange collect(CDaoFieldExchange::CollectColumns);
    DoFieldExchange(&collect);
    std::string select = "SELECT ";
    for (std::size_t i = 0; i < collect.columns.size(); ++i)
        select += (i ? ", " : "") + collect.columns[i];
    select += " FROM " + table;

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (rc != SQLITE_OK) ThrowEngineError(db.get(), file);

    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), select.c_str(), -1, &rawStatement, nullptr) != SQLITE_OK)
        ThrowEngineError(db.get(), file);
    std::unique_ptr<sqlite3_stmt, StatementFinaliser> statement(rawStatement);

    std::vector<std::vector<DaoValue>> rows;
    const int columns = static_cast<int>(collect.columns.size());
    for (;;) {
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_DONE) break;
        if (step != SQLITE_ROW) ThrowEngineError(db.get(), file);
        std::vector<DaoValue> row;
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row.push_back(ReadColumn(statement.get(), c));
        rows.push_back(std::move(row));
    }

    // The whole selection is in memory: the connection is not needed any more.
    m_file = file;
    m_table = table;
    m_rows = std::move(rows);
    m_current = 0;
    m_open = true;
    if (!m_rows.empty()) {
        try {
            Load();
        } catch (...) {
            Close();
            throw;
        }
    }
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

void CDaoRecordset::Load() {
    CDaoFieldExchange load(CDaoFieldExchange::LoadRecord, &m_rows[m_current]);
    load.source = Source();
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
