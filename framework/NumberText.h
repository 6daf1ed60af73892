// Numbers as text, always with a decimal point, whatever the user's locale.
//
// The C library's printf and strtod follow the locale the toolkit sets at
// start-up, so on a desktop that writes a decimal comma "%g" gives "1,5".
// Every number the program shows, puts in a message or reads back goes
// through these two instead: one rule, a point, on every desktop.
#pragma once

#include <string>

// value as printf's "%.*g" writes it in the C locale: up to significantDigits
// digits, no trailing zeros ("0.5", "10", "1e-05").
std::string NumberText(double value, int significantDigits);
// A number as strtod reads it in the C locale: leading blanks and a sign
// allowed, nothing but blanks after it; false when the text is no number or
// out of a double's range.
bool ParseNumberText(const std::string& text, double& value);
