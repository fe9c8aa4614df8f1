#include "platform/numbers.h"

#include <cmath>
#include <cstdio>
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

QString plainDecimal(double value) {
  if (!std::isfinite(value))
    return QStringLiteral("0");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  QString s = QString::fromLatin1(buf);
  if (s.contains(u'e')) {
    // Out of the exponent form: as many decimals as 15 significant digits allow.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 14 - magnitude);
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    s = QString::fromLatin1(buf);
    if (s.contains(u'.')) {
      while (s.endsWith(u'0'))
        s.chop(1);
      if (s.endsWith(u'.'))
        s.chop(1);
    }
  }
  if (s == u"-0")
    s = QStringLiteral("0");
  if (s.startsWith(u"0."))
    s.remove(0, 1);
  else if (s.startsWith(u"-0."))
    s.remove(1, 1);
  return s;
}

QString vbStr(double value) {
  const QString s = plainDecimal(value);
  return s.startsWith(u'-') ? s : u' ' + s;
}

} // namespace platform
