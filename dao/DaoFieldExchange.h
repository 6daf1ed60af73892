// Field exchange: binding a record set's members to its columns.
//
// A record set's DoFieldExchange calls one DFX_ function per bound member, in
// member order. The same list serves every operation: naming the columns to
// select, loading the current record into the members, and saving or restoring
// the members' values (the undo of a failed action).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One value of a record: Null, an integer, a floating-point number or a text.
using DaoValue = std::variant<std::monostate, std::int64_t, double, std::string>;

class CDaoFieldExchange {
  public:
    enum Operation {
        CollectColumns, // record each column's bracketed name
        LoadRecord,     // current record's values into the members
        SaveMembers,    // members into `values`
        RestoreMembers, // `values` back into the members
    };
    enum FieldType { outputColumn };

    CDaoFieldExchange(Operation op, const std::vector<DaoValue>* record = nullptr)
        : m_op(op), m_record(record) {}

    void SetFieldType(FieldType) {}

    Operation m_op;
    const std::vector<DaoValue>* m_record; // the current record, for LoadRecord
    std::vector<std::string> columns;      // filled by CollectColumns
    std::vector<DaoValue> values;          // filled by SaveMembers, read by RestoreMembers
    std::size_t position = 0;              // index of the field being exchanged
    std::string source;                    // file and table, for error texts
};

void DFX_Text(CDaoFieldExchange* pFX, const char* column, std::string& value);
void DFX_Short(CDaoFieldExchange* pFX, const char* column, short& value);
void DFX_Single(CDaoFieldExchange* pFX, const char* column, float& value);
