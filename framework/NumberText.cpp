// Numbers as text with a decimal point: std::to_chars and std::from_chars,
// which never consult the locale.

#include "framework/NumberText.h"

#include <charconv>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::string NumberText(double value, int significantDigits) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significantDigits);
    return std::string(buffer, result.ptr);
}

bool ParseNumberText(const std::string& text, double& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsBlank(*p))
        ++p;
    // from_chars takes a minus sign only; strtod takes a plus as well.
    if (p != end && *p == '+' && (p + 1 == end || p[1] != '-')) ++p;
    double parsed = 0;
    const auto result = std::from_chars(p, end, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr == p) return false;
    for (const char* rest = result.ptr; rest != end; ++rest)
        if (*rest != ' ' && *rest != '\t') return false;
    value = parsed;
    return true;
}
