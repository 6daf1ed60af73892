// The checks of a catalogue row that go beyond the range of each value, made
// once, while a record set is opened: a tonnage in whole quarter tons, and
// one row per key (the first is used, a later one is left out).
//
// A record set checks its rows in DoFieldExchange: the records it loads
// before it is open are the rows it is reading, one load each, in the
// table's order. A problem noted there leaves the row out, and the message
// at start-up names it with the rows out of range.
#pragma once

#include "catalog/CatalogueRanges.h"
#include "dao/DaoRecordset.h"
#include "framework/NumberText.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// True while the record set reads its rows: a record loaded before the set is open.
inline bool CheckingRows(const CDaoRecordset& recordset, const CDaoFieldExchange* pFX) {
    return pFX->m_op == CDaoFieldExchange::LoadRecord && !recordset.IsOpen();
}

// A value as the row holds it (column `index` of the record being loaded).
inline std::string HeldValue(const CDaoFieldExchange* pFX, std::size_t index) {
    return pFX->m_record && index < pFX->m_record->size()
               ? DescribeDaoValue((*pFX->m_record)[index])
               : std::string("?");
}

// A tonnage that loaded (no problem was noted since problemsBefore) but is
// not a whole number of quarter tons: such a row is left out, so every sum of
// tonnages the rules make is exact.
inline void CheckTonnageStep(CDaoFieldExchange* pFX, std::size_t problemsBefore, const char* column,
                             std::size_t index, float value, DaoRange range) {
    if (pFX->problems.size() != problemsBefore) return;
    const double steps = static_cast<double>(value) / kCatalogueTonnageStep;
    if (steps == std::floor(steps)) return;
    pFX->problems.push_back({column, HeldValue(pFX, index),
                             "a number from " + NumberText(range.low, 6) + " to " +
                                 NumberText(range.high, 6) + " in steps of " +
                                 NumberText(kCatalogueTonnageStep, 6) + " (a quarter ton)"});
}

// The first row of each key among the rows a record set reads, with what the
// record set keeps of it; a later row with a key already kept is left out.
template <typename Key, typename Kept> class FirstRowOfEachKey {
  public:
    struct Entry {
        std::size_t row; // 1 = the table's first
        Kept kept;
    };

    // Before the first row is read.
    void Begin() {
        m_rows.clear();
        m_kept.clear();
        m_read = 0;
    }
    // After each row's other checks: a sound row is kept under its key,
    // unless an earlier row has that key.
    void Check(CDaoFieldExchange* pFX, const char* column, std::size_t index, const Key& key,
               const Kept& kept) {
        ++m_read;
        if (!pFX->problems.empty()) return;
        const auto [at, added] = m_rows.try_emplace(key, Entry{m_read, kept});
        if (added) {
            m_kept.push_back(&at->second); // an entry of the map stays where it is
            return;
        }
        pFX->problems.push_back({column, HeldValue(pFX, index),
                                 "one row each: row " + std::to_string(at->second.row) +
                                     " has the same, and that row is used"});
    }
    const Entry* Find(const Key& key) const {
        const auto at = m_rows.find(key);
        return at == m_rows.end() ? nullptr : &at->second;
    }

    // The rows kept, in the table's order.
    const std::vector<const Entry*>& InOrder() const { return m_kept; }

  private:
    std::unordered_map<Key, Entry> m_rows;
    std::vector<const Entry*> m_kept;
    std::size_t m_read = 0;
};
