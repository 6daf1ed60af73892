// The search by key shared by every catalogue lookup.
//
// From the first record, move on until the key matches; the first match stays
// current. When no record matches the search stops at the end of the table and
// raises the engine's no-current-record error, naming what was sought and the
// file, instead of reading past the end.
#pragma once

#include "dao/DaoRecordset.h"

#include <string>

template <typename Recordset, typename Matches>
void SeekFirst(Recordset& recordset, Matches matches, const std::string& wanted) {
    recordset.MoveFirst();
    while (!recordset.IsEOF()) {
        if (matches(recordset)) return;
        recordset.MoveNext();
    }
    throw CDaoException(kDaoNoCurrentRecord, recordset.FileName() +
                                                 ": No current record: the catalogue has no "
                                                 "record for " +
                                                 wanted + ".");
}
