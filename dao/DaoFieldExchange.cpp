// The three field types (text, 16-bit short, 32-bit float) and the values each accepts.

#include "dao/DaoFieldExchange.h"

#include "framework/NumberText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

constexpr DaoRange kShortRange{std::numeric_limits<short>::min(), std::numeric_limits<short>::max(),
                               true};
constexpr DaoRange kSingleRange{-FLT_MAX, FLT_MAX};
constexpr DaoLength kAnyLength{0, std::numeric_limits<std::size_t>::max()};

std::string Number(double value) {
    return NumberText(value, 9);
}

std::string Describe(const DaoRange& range) {
    return std::string(range.whole ? "a whole number" : "a number") + " from " + Number(range.low) +
           " to " + Number(range.high);
}

std::string Describe(const DaoLength& length) {
    if (length.longest == kAnyLength.longest) return "a text";
    return "a text of " + std::to_string(length.shortest) + " to " +
           std::to_string(length.longest) + " characters";
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

// A text that reads exactly as a decimal number (an optional minus, digits
// with at most one point, an optional exponent; nothing before or after), as a
// spreadsheet or a CSV import leaves a number: its value, or false.
bool NumberInText(const std::string& text, double& number) {
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - from;
    };
    if (at < text.size() && text[at] == '-') ++at;
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        if (digits() == 0) return false;
    }
    if (at != text.size()) return false;
    // A number too large or too small for a double reads as none.
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && ptr == end;
}

// The number a numeric column holds (a text only as it reads exactly as a
// number), or false.
bool NumberOf(const DaoValue& v, double& number) {
    if (const auto* text = std::get_if<std::string>(&v)) return NumberInText(*text, number);
    if (const auto* i = std::get_if<std::int64_t>(&v)) {
        number = static_cast<double>(*i);
        return true;
    }
    if (const auto* d = std::get_if<double>(&v)) {
        number = *d;
        return true;
    }
    return false;
}

bool Accepts(const DaoRange& range, double number) {
    // NaN fails both comparisons and is refused with them.
    return number >= range.low && number <= range.high &&
           (!range.whole || std::trunc(number) == number);
}

std::string WithThousands(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::size_t Characters(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

// The current record's number for a numeric member, or false after noting the problem.
bool LoadNumber(CDaoFieldExchange* pFX, const char* column, const DaoRange& typeRange,
                const DaoRange& range, double& number) {
    const DaoValue& v = pFX->m_record->at(pFX->position++);
    if (NumberOf(v, number) && Accepts(typeRange, number) && Accepts(range, number)) return true;
    pFX->problems.push_back({column, DescribeDaoValue(v), Describe(range)});
    return false;
}

} // namespace

std::string DescribeDaoValue(const DaoValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&value)) return Number(*d);
    if (const auto* text = std::get_if<std::string>(&value)) {
        // Shown whole up to kShownCharacters; a longer text is cut after
        // them, its length given. Control characters are shown as escapes.
        constexpr std::size_t kShownCharacters = 40;
        const std::size_t characters = Characters(*text);
        std::string shown = "\"";
        std::size_t count = 0;
        for (std::size_t at = 0; at < text->size(); ++at) {
            const auto c = static_cast<unsigned char>((*text)[at]);
            if ((c & 0xC0) != 0x80 && ++count > kShownCharacters) break;
            if (c < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
                shown += escaped;
            } else {
                shown += static_cast<char>(c);
            }
        }
        if (characters <= kShownCharacters) return shown + "\"";
        return shown + "\u2026\" (" + WithThousands(characters) + " characters)";
    }
    return "Null";
}

void DFX_Text(CDaoFieldExchange* pFX, const char* column, std::string& value) {
    DFX_Text(pFX, column, value, kAnyLength);
}

void DFX_Text(CDaoFieldExchange* pFX, const char* column, std::string& value, DaoLength length) {
    if (Exchange(pFX, column, value)) return;
    const DaoValue& v = pFX->m_record->at(pFX->position++);
    const auto* text = std::get_if<std::string>(&v);
    if (text) {
        const std::size_t characters = Characters(*text);
        if (characters >= length.shortest && characters <= length.longest) {
            value = *text;
            return;
        }
    }
    pFX->problems.push_back({column, DescribeDaoValue(v), Describe(length)});
}

void DFX_Short(CDaoFieldExchange* pFX, const char* column, short& value) {
    DFX_Short(pFX, column, value, kShortRange);
}

void DFX_Short(CDaoFieldExchange* pFX, const char* column, short& value, DaoRange range) {
    if (Exchange(pFX, column, value)) return;
    range.whole = true;
    double number = 0;
    if (LoadNumber(pFX, column, kShortRange, range, number)) value = static_cast<short>(number);
}

void DFX_Single(CDaoFieldExchange* pFX, const char* column, float& value) {
    DFX_Single(pFX, column, value, kSingleRange);
}

void DFX_Single(CDaoFieldExchange* pFX, const char* column, float& value, DaoRange range) {
    if (Exchange(pFX, column, value)) return;
    double number = 0;
    if (LoadNumber(pFX, column, kSingleRange, range, number)) value = static_cast<float>(number);
}
