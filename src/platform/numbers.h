#pragma once
// The number rules of the program's files and screens, independent of the
// locale: "." is always the decimal separator.
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// The number at the start of a text: leading blanks skipped, an optional sign,
// digits and one "."; 0 when the text starts with no number.
double val(const QString &text);

// Rounds to a whole number, a half to the even neighbour.
std::int64_t roundHalfEven(double value);

// A number read from a file as an int: rounded half to even, and only when
// the rounded value lies within [lo, hi]; nothing otherwise (also for NaN and
// infinities). Every number a reader takes from a file passes here, so no
// read value is converted out of the range of int.
std::optional<int> toIntInRange(double value, int lo, int hi);
// The leading number of a text (val) as toIntInRange gives it; a text that
// starts with no number reads as 0.
std::optional<int> readInt(const QString &text, int lo, int hi);
// A text of decimal digits only, blanks around it allowed, as toIntInRange
// gives it; nothing for any other text.
std::optional<int> readDigits(const QString &text, int lo, int hi);

// The whole decimal form of a finite number, however large or small: at most
// 15 significant digits, no exponent, no zero before a leading ".".
QString plainDecimal(double value);

// plainDecimal with a leading blank for a value of 0 or more.
QString vbStr(double value);

} // namespace platform
