// The number rules: val reads the number at the start of any text, rounding
// goes half to even, and the plain decimal form of a number is short, has no
// exponent, and reads back as that number.
#include "fuzzsupport.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

using namespace platform;

namespace {

// Only an optional "-", digits and at most one "."; no leading "0." and at
// least one digit; at most 15 digits from the first to the last that is not 0.
bool plainForm(const QString &s) {
  qsizetype i = s.startsWith(u'-') ? 1 : 0;
  if (s.mid(i).startsWith(QStringLiteral("0.")))
    return false;
  int digits = 0;
  int points = 0;
  qsizetype first = -1, last = -1;
  for (; i < s.size(); ++i) {
    const char16_t c = s[i].unicode();
    if (c == u'.') {
      ++points;
    } else if (c >= u'0' && c <= u'9') {
      ++digits;
      if (c != u'0') {
        if (first < 0)
          first = i;
        last = i;
      }
    } else {
      return false;
    }
  }
  if (points > 1 || digits == 0 || s.endsWith(u'.'))
    return false;
  if (first < 0)
    return s == u"0";
  int significant = 0;
  for (qsizetype j = first; j <= last; ++j)
    if (s[j] != u'.')
      ++significant;
  return significant <= 15;
}

void checkPlain(double x) {
  const QString s = plainDecimal(x);
  if (!std::isfinite(x)) {
    FUZZ_CHECK(s == u"0");
    return;
  }
  FUZZ_CHECK(vbStr(x) == (s.startsWith(u'-') ? s : u' ' + s));
  FUZZ_CHECK(plainForm(s));
  const double a = std::fabs(x);
  // 15 significant digits are within 5e-15 of the number; reading rounds once more.
  const double back = val(s);
  if (std::isinf(back)) {
    // Within 5e-15 of the largest double, 15 digits round to above it.
    FUZZ_CHECK(a >= 1.797693134862315e308);
    return;
  }
  FUZZ_CHECK(std::fabs(back - x) <= 1e-14 * a + DBL_TRUE_MIN);
}

void checkRound(double x) {
  const std::int64_t r = roundHalfEven(x);
  if (!std::isfinite(x)) {
    FUZZ_CHECK(r == 0);
    return;
  }
  if (std::fabs(x) > 9e15)
    return; // beyond the whole numbers that a double holds exactly
  const double d = static_cast<double>(r) - x;
  FUZZ_CHECK(std::fabs(d) <= 0.5);
  if (std::fabs(d) == 0.5)
    FUZZ_CHECK(r % 2 == 0);
}

// A number taken from a file as an int: within its range, the whole number
// nearest to it, and refused only when that lies outside the range.
void checkInt(double x, int lo, int hi) {
  const std::optional<int> r = toIntInRange(x, lo, hi);
  if (!std::isfinite(x)) {
    FUZZ_CHECK(!r);
    return;
  }
  if (r) {
    FUZZ_CHECK(*r >= lo && *r <= hi);
    FUZZ_CHECK(std::fabs(*r - x) <= 0.5);
  }
  if (std::fabs(x) <= 9e15) {
    const std::int64_t whole = roundHalfEven(x);
    FUZZ_CHECK(r.has_value() == (whole >= lo && whole <= hi));
    if (r)
      FUZZ_CHECK(*r == whole);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const QString text = fuzz::text(bytes);

  const double v = val(text);
  // A text that starts with no number (after blanks and tabs) reads as 0.
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
    ++i;
  const char16_t c = i < text.size() ? text[i].unicode() : 0;
  if (!((c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'.'))
    FUZZ_CHECK(v == 0);
  FUZZ_CHECK(!std::isnan(v));
  checkRound(v);
  checkPlain(v);
  const QString trimmed = text.trimmed();
  const bool digitsOnly =
      !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(),
                                        [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
  for (const auto &[lo, hi] :
       {std::pair{1, 99}, std::pair{0, 1000000},
        std::pair{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}}) {
    checkInt(v, lo, hi);
    FUZZ_CHECK(readInt(text, lo, hi) == toIntInRange(v, lo, hi));
    const std::optional<int> d = readDigits(text, lo, hi);
    FUZZ_CHECK(d.has_value() <= digitsOnly);
    if (digitsOnly)
      FUZZ_CHECK(d == toIntInRange(val(trimmed), lo, hi));
  }

  // The raw bytes as doubles: every finite value, however large or small.
  for (size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
    double x;
    std::memcpy(&x, data + at, sizeof x);
    checkRound(x);
    checkPlain(x);
    checkInt(x, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  }
  return 0;
}
