#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace platform {

double val(const QString &text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
    ++i;
  QByteArray digits;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
    digits.append(static_cast<char>(text[i++].unicode()));
  bool point = false;
  bool any = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() >= '0' && c.unicode() <= '9') {
      digits.append(static_cast<char>(c.unicode()));
      any = true;
    } else if (c == u'.' && !point) {
      digits.append('.');
      point = true;
    } else {
      break;
    }
  }
  if (!any)
    return 0.0;
  return std::strtod(digits.constData(), nullptr);
}

std::int64_t roundHalfEven(double value) {
  if (!std::isfinite(value))
    return 0;
  constexpr double kLimit = 9.2e18;
  if (value > kLimit)
    return std::numeric_limits<std::int64_t>::max();
  if (value < -kLimit)
    return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::nearbyint(value)); // FE_TONEAREST: ties to even
}

std::optional<int> toIntInRange(double value, int lo, int hi) {
  if (!std::isfinite(value))
    return std::nullopt;
  const double whole = std::nearbyint(value); // FE_TONEAREST: ties to even
  if (whole < lo || whole > hi)
    return std::nullopt;
  return static_cast<int>(whole);
}

std::optional<int> readInt(const QString &text, int lo, int hi) {
  return toIntInRange(val(text), lo, hi);
}

std::optional<int> readDigits(const QString &text, int lo, int hi) {
  const QString t = text.trimmed();
  if (t.isEmpty() ||
      !std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
    return std::nullopt;
  return toIntInRange(val(t), lo, hi);
}

QString plainDecimal(double value) {
  if (!std::isfinite(value) || value == 0)
    return QStringLiteral("0");
  // 15 significant digits, correctly rounded, and the power of ten of the
  // first: "1.23450000000000e-07".
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  const QByteArray form(buf);
  const qsizetype e = form.indexOf('e');
  QByteArray digits = form.left(e);
  digits.remove(1, 1); // the "."
  const int exponent = std::atoi(form.constData() + e + 1);
  while (digits.size() > 1 && digits.endsWith('0'))
    digits.chop(1);

  QByteArray out;
  if (value < 0)
    out.append('-');
  const qsizetype whole = exponent + 1; // digits before the "."
  if (whole <= 0) {
    out.append('.');
    out.append(QByteArray(-whole, '0'));
    out.append(digits);
  } else if (whole >= digits.size()) {
    out.append(digits);
    out.append(QByteArray(whole - digits.size(), '0'));
  } else {
    out.append(digits.left(whole));
    out.append('.');
    out.append(digits.mid(whole));
  }
  return QString::fromLatin1(out);
}

QString vbStr(double value) {
  const QString s = plainDecimal(value);
  return s.startsWith(u'-') ? s : u' ' + s;
}

} // namespace platform
