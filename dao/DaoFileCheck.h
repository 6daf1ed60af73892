// The checks a database file passes before the engine opens it, immutable.
//
// An immutable open takes no locks and reads neither a rollback journal nor a
// write-ahead log, so it would read a file as if its unfinished changes were
// not there; and the engine itself, given an odd file, answers in its own
// terms ("no such table" for a 1-byte file). The checks look first at the
// file's real path (every symbolic link resolved), so that what is beside the
// real file is what they examine, and refuse, with a message that says what
// is true: what is not a regular readable file, what is not a database file
// at all or has a damaged header, a newer format, a journal or log beside it
// that cannot be read, a hot rollback journal, a write-ahead log holding
// committed changes the file does not hold yet.
#pragma once

#include <chrono>
#include <string>

// Checks the file and returns its real path, which the engine then opens.
// Every refusal is a CDaoException whose text starts with `file`.
std::string CheckDatabaseFile(const std::string& file,
                              std::chrono::steady_clock::time_point deadline);
