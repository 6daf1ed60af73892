// Field exchange: binding a record set's members to its columns.
//
// A record set's DoFieldExchange calls one DFX_ function per bound member, in
// member order. The same list serves every operation: naming the columns to
// select, loading the current record into the members, and saving or restoring
// the members' values (the undo of a failed action).
//
// Each bound member may state the values it accepts (a DaoRange for numbers, a
// DaoLength for texts); by default it accepts every value its type holds. A
// record that holds a value outside them, a Null or a value of another type
// is not loaded: each such value is noted in `problems`, and the record set
// leaves the record out when it is opened.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One value of a record: Null, an integer, a floating-point number or a text.
using DaoValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// The numbers a field accepts: from low to high, both included; whole numbers only if asked.
struct DaoRange {
    double low;
    double high;
    bool whole = false;
};

// The lengths a text field accepts, in characters.
struct DaoLength {
    std::size_t shortest;
    std::size_t longest;
};

// A value a record holds outside what its field accepts.
struct DaoFieldProblem {
    std::string column;  // the bracketed column name
    std::string value;   // the value as the file holds it ("Null", a number, a quoted text)
    std::string allowed; // what the field accepts, in words
};

class CDaoFieldExchange {
  public:
    enum Operation {
        CollectColumns, // record each column's bracketed name
        LoadRecord,     // current record's values into the members
        SaveMembers,    // members into `values`
        RestoreMembers, // `values` back into the members
    };

    CDaoFieldExchange(Operation op, const std::vector<DaoValue>* record = nullptr)
        : m_op(op), m_record(record) {}

    Operation m_op;
    const std::vector<DaoValue>* m_record; // the current record, for LoadRecord
    std::vector<std::string> columns;      // filled by CollectColumns
    std::vector<DaoValue> values;          // filled by SaveMembers, read by RestoreMembers
    std::vector<DaoFieldProblem> problems; // filled by LoadRecord
    std::size_t position = 0;              // index of the field being exchanged
};

void DFX_Text(CDaoFieldExchange* pFX, const char* column, std::string& value);
void DFX_Text(CDaoFieldExchange* pFX, const char* column, std::string& value, DaoLength length);
void DFX_Short(CDaoFieldExchange* pFX, const char* column, short& value);
void DFX_Short(CDaoFieldExchange* pFX, const char* column, short& value, DaoRange range);
void DFX_Single(CDaoFieldExchange* pFX, const char* column, float& value);
void DFX_Single(CDaoFieldExchange* pFX, const char* column, float& value, DaoRange range);

// A value as the file holds it, for messages: Null, the number, or the text in quotes.
std::string DescribeDaoValue(const DaoValue& value);
