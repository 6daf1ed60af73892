// The three field types: text, 16-bit short and 32-bit float.

#include "dao/DaoFieldExchange.h"

#include "dao/DaoException.h"

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void Fail(CDaoFieldExchange* pFX, int code, const char* what, const char* column) {
    throw CDaoException(code, pFX->source + ": " + what + " in column " + column + ".");
}

// Runs the operations that do not depend on the member's type; false when the
// caller must load the current record's value.
template <typename T> bool Exchange(CDaoFieldExchange* pFX, const char* column, T& value) {
    switch (pFX->m_op) {
    case CDaoFieldExchange::CollectColumns:
        pFX->columns.emplace_back(column);
        return true;
    case CDaoFieldExchange::SaveMembers:
        if constexpr (std::is_same_v<T, std::string>)
            pFX->values.emplace_back(value);
        else if constexpr (std::is_same_v<T, float>)
            pFX->values.emplace_back(static_cast<double>(value));
        else
            pFX->values.emplace_back(static_cast<std::int64_t>(value));
        return true;
    case CDaoFieldExchange::RestoreMembers: {
        const DaoValue& saved = pFX->values.at(pFX->position++);
        if constexpr (std::is_same_v<T, std::string>)
            value = std::get<std::string>(saved);
        else if constexpr (std::is_same_v<T, float>)
            value = static_cast<float>(std::get<double>(saved));
        else
            value = static_cast<T>(std::get<std::int64_t>(saved));
        return true;
    }
    case CDaoFieldExchange::LoadRecord:
        return false;
    }
    return true;
}

const DaoValue& CurrentValue(CDaoFieldExchange* pFX, const char* column) {
    const DaoValue& v = pFX->m_record->at(pFX->position++);
    if (std::holds_alternative<std::monostate>(v))
        Fail(pFX, kDaoInvalidNull, "Invalid use of Null", column);
    return v;
}

} // namespace

void DFX_Text(CDaoFieldExchange* pFX, const char* column, std::string& value) {
    if (Exchange(pFX, column, value)) return;
    const DaoValue& v = CurrentValue(pFX, column);
    if (const auto* text = std::get_if<std::string>(&v))
        value = *text;
    else
        Fail(pFX, kDaoTypeMismatch, "Data type mismatch", column);
}

void DFX_Short(CDaoFieldExchange* pFX, const char* column, short& value) {
    if (Exchange(pFX, column, value)) return;
    const DaoValue& v = CurrentValue(pFX, column);
    std::int64_t whole = 0;
    if (const auto* i = std::get_if<std::int64_t>(&v)) {
        whole = *i;
    } else if (const auto* d = std::get_if<double>(&v);
               d && std::trunc(*d) == *d && std::fabs(*d) < 1e15) {
        whole = static_cast<std::int64_t>(*d);
    } else {
        Fail(pFX, kDaoTypeMismatch, "Data type mismatch", column);
    }
    if (whole < std::numeric_limits<short>::min() || whole > std::numeric_limits<short>::max())
        Fail(pFX, kDaoTypeMismatch, "Numeric field overflow", column);
    value = static_cast<short>(whole);
}

void DFX_Single(CDaoFieldExchange* pFX, const char* column, float& value) {
    if (Exchange(pFX, column, value)) return;
    const DaoValue& v = CurrentValue(pFX, column);
    if (const auto* i = std::get_if<std::int64_t>(&v))
        value = static_cast<float>(*i);
    else if (const auto* d = std::get_if<double>(&v); d && std::isfinite(*d))
        value = static_cast<float>(*d);
    else
        Fail(pFX, kDaoTypeMismatch, "Data type mismatch", column);
}
