#pragma once
// The number rules of the program's files and screens, independent of the
// locale: "." is always the decimal separator.
#include <QString>
#include <cstdint>

namespace platform {

// The number at the start of a text: leading blanks skipped, an optional sign,
// digits and one "."; 0 when the text starts with no number.
double val(const QString &text);

// Rounds to a whole number, a half to the even neighbour.
std::int64_t roundHalfEven(double value);

// At most 15 significant digits, no exponent, no zero before a leading ".".
QString plainDecimal(double value);

// plainDecimal with a leading blank for a value of 0 or more.
QString vbStr(double value);

} // namespace platform
