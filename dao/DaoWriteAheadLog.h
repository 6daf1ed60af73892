// Whether a write-ahead log beside a database file holds changes that are not
// in the file yet.
//
// A log is read as the database engine reads it when it recovers one: a valid
// header (magic, page size, header checksum), then frames while each carries
// the header's salts and continues the running checksum; the changes are
// those up to the last commit frame. A log of an older generation (its frames'
// salts differ from the header's), a torn frame, or frames after the last
// commit hold nothing. Where committed frames remain, the file is compared
// with them: if the file already holds every page's latest committed content
// and the committed size, the log has been folded in (checkpointed, not yet
// truncated) and reading the file alone reads what the log would give.
#pragma once

#include <chrono>
#include <cstddef>

enum class DaoLogState {
    NoChanges,      // no committed frame: nothing to read from the log
    FoldedIn,       // committed frames, all of them already in the file
    HoldsChanges,   // committed frames that differ from the file
    UnknownVersion, // a valid header of a log format this program does not read
    Unreadable,     // a read failed
    TooSlow,        // the deadline passed while reading
};

struct DaoLogExamination {
    DaoLogState state = DaoLogState::NoChanges;
    std::size_t changedPages = 0; // for HoldsChanges: committed pages that differ from the file
};

// Examines the log open on logFd against the database file open on fileFd.
DaoLogExamination ExamineWriteAheadLog(int logFd, int fileFd,
                                       std::chrono::steady_clock::time_point deadline);
