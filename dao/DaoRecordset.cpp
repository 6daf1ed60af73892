// CDaoRecordset over SQLite: the file checked, then read whole, immutable;
// every row checked once; the moves walk the rows kept.

#include "dao/DaoRecordset.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
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

// The first bytes of a file, as many as it holds up to size.
std::string ReadStart(const std::string& path, std::size_t size) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return "";
    std::string bytes(size, '\0');
    const ssize_t got = pread(fd, bytes.data(), size, 0);
    close(fd);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

// The size of a regular file beside the catalogue, or -1 when there is none.
long long SizeOfRegularFile(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

// Refuses, before SQLite sees it, what is not a database file this program can
// read without writing: anything but a regular readable file, an empty file, a
// newer file format, a hot rollback journal, a write-ahead log with changes.
// (SQLite itself names a file that is not a database at all.)
void CheckCatalogueFile(const std::string& file) {
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) {
        switch (errno) {
        case ENOENT:
            Refuse(file, "unable to open database file: there is no such file.");
        case ELOOP:
            Refuse(file, "unable to open database file: its path is a loop of symbolic links.");
        case EACCES:
            Refuse(file, "unable to open database file: permission denied: the user may not "
                         "enter its folder.");
        default:
            Refuse(file,
                   std::string("unable to open database file: ") + std::strerror(errno) + ".");
        }
    }
    if (S_ISDIR(st.st_mode)) Refuse(file, "this is a folder, not a catalogue file.");
    if (S_ISFIFO(st.st_mode)) Refuse(file, "this is a named pipe (FIFO), not a catalogue file.");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        Refuse(file, "this is a device, not a catalogue file.");
    if (!S_ISREG(st.st_mode)) Refuse(file, "this is not a regular file, not a catalogue file.");
    if (st.st_size == 0) Refuse(file, "the file is empty (0 bytes), not a catalogue.");
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        Refuse(file, errno == EACCES
                         ? "permission denied: the user may not read the file."
                         : std::string("unable to read the file: ") + std::strerror(errno) + ".");
    close(fd);

    const std::string header = ReadStart(file, 100);
    if (header.size() == 100 && header.compare(0, 16, std::string("SQLite format 3\0", 16)) == 0) {
        const auto byte = [&header](int at) { return static_cast<unsigned char>(header[at]); };
        const unsigned schemaFormat =
            (byte(44) << 24) | (byte(45) << 16) | (byte(46) << 8) | byte(47);
        if (byte(19) > 2 || schemaFormat > 4)
            Refuse(file, "the file is in a newer format of the database engine than this program "
                         "reads.");
    }

    const char kJournalMagic[] = "\xd9\xd5\x05\xf9\x20\xa1\x63\xd7";
    if (SizeOfRegularFile(file + "-journal") > 0 &&
        ReadStart(file + "-journal", 8) == std::string(kJournalMagic, 8))
        Refuse(file, "the file has unfinished changes in its rollback journal (a hot journal, " +
                         file +
                         "-journal) that cannot be rolled back without writing, and the "
                         "catalogues are never written. Open the catalogue once in a "
                         "database tool that may write its folder, then start again.");
    // A log of no more than its 32-byte header holds no changes.
    if (SizeOfRegularFile(file + "-wal") > 32)
        Refuse(file, "the file has changes in its write-ahead log (" + file +
                         "-wal) that are not in the file yet, and reading them would mean "
                         "writing beside the catalogue. Open the catalogue once in a database "
                         "tool that may write its folder, then start again.");
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

struct StepBudget {
    long long steps = 0;
    bool exceeded = false;
};

constexpr int kStepsPerCall = 10000;

int CountSteps(void* budget) {
    auto* b = static_cast<StepBudget*>(budget);
    b->steps += kStepsPerCall;
    b->exceeded = b->steps > kDaoMaxEngineSteps;
    return b->exceeded ? 1 : 0;
}

[[noreturn]] void ThrowEngineError(sqlite3* db, const std::string& file, const StepBudget& budget) {
    if (budget.exceeded)
        Refuse(file, "reading the table took the database engine more than " +
                         std::to_string(kDaoMaxEngineSteps) +
                         " steps, more than a catalogue may ask for (an endless view?).");
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    if ((code & 0xFF) == SQLITE_NOMEM)
        Refuse(file, "reading the table needs more memory than a catalogue may use (" +
                         std::to_string(kDaoMaxEngineMemory >> 20) + " MiB).");
    if ((code & 0xFF) == SQLITE_TOOBIG)
        Refuse(file, "a value is longer than a catalogue value may be (" +
                         std::to_string(kDaoMaxValueBytes) + " bytes).");
    throw CDaoException(code, file + ": " + sqlite3_errmsg(db));
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
        rows = ReadRows(file, table, collect.columns);
        m_leftOut.clear();
        KeepSoundRows(rows, collect.columns.empty() ? "" : collect.columns.front());
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
    CheckCatalogueFile(file);
    std::string select = "SELECT ";
    for (std::size_t i = 0; i < names.size(); ++i)
        select += (i ? ", " : "") + names[i];
    select += " FROM " + table;
    const std::size_t columns = names.size();

    // The engine's own memory is bounded for every connection of the program;
    // catalogues are all it reads.
    sqlite3_hard_heap_limit64(kDaoMaxEngineMemory);
    StepBudget budget;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(ImmutableUri(file).c_str(), &raw,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (rc != SQLITE_OK) ThrowEngineError(db.get(), file, budget);
    sqlite3_limit(db.get(), SQLITE_LIMIT_LENGTH, kDaoMaxValueBytes);
    sqlite3_progress_handler(db.get(), kStepsPerCall, CountSteps, &budget);
    // Sorting or computing a view uses memory, never a temporary file.
    if (sqlite3_exec(db.get(), "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        ThrowEngineError(db.get(), file, budget);

    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), select.c_str(), -1, &rawStatement, nullptr) != SQLITE_OK)
        ThrowEngineError(db.get(), file, budget);
    std::unique_ptr<sqlite3_stmt, StatementFinaliser> statement(rawStatement);

    std::vector<std::vector<DaoValue>> rows;
    std::size_t textBytes = 0;
    for (;;) {
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_DONE) break;
        if (step != SQLITE_ROW) ThrowEngineError(db.get(), file, budget);
        if (rows.size() == kDaoMaxRows)
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
        rows.push_back(std::move(row));
    }
    return rows;
}

// Leaves out every row holding a value its field does not accept, with one
// line for it: the file, the row's number and first column, each value refused.
void CDaoRecordset::KeepSoundRows(std::vector<std::vector<DaoValue>>& rows,
                                  const std::string& firstColumn) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        CDaoFieldExchange load(CDaoFieldExchange::LoadRecord, &rows[i]);
        DoFieldExchange(&load);
        if (load.problems.empty()) {
            if (kept != i) rows[kept] = std::move(rows[i]);
            ++kept;
            continue;
        }
        std::string line = m_file + ", row " + std::to_string(i + 1);
        if (!rows[i].empty()) line += " (" + firstColumn + " " + DescribeDaoValue(rows[i][0]) + ")";
        line += ":";
        for (std::size_t p = 0; p < load.problems.size(); ++p) {
            const DaoFieldProblem& problem = load.problems[p];
            line += (p ? "; " : " ") + problem.column + " is " + problem.value + ", allowed " +
                    problem.allowed;
        }
        m_leftOut.push_back(line + ".");
    }
    rows.resize(kept);
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
    std::vector<const std::string*> lines;
    for (const CDaoRecordset* recordset : recordsets)
        for (const std::string& line : recordset->LeftOutRows())
            lines.push_back(&line);
    if (lines.empty()) return "";
    std::string report = "These catalogue rows hold values outside their allowed ranges and "
                         "were left out:";
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i)
        report += "\n" + *lines[i];
    if (lines.size() > shown)
        report += "\n... and " + std::to_string(lines.size() - shown) + " more rows left out.";
    return report;
}
