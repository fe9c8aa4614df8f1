#pragma once
// The leading number of a score or matchpoint text, exactly as platform::val
// reads it. Whole numbers, by far the most of these texts, are read here
// without the general conversion; every other text goes to platform::val.
#include "platform/numbers.h"

#include <QString>

namespace scoring {

inline double Waarde(const QString &s) {
  const qsizetype n = s.size();
  qsizetype i = 0;
  const bool negatief = n > 0 && s.at(0) == u'-';
  if (n > 0 && (negatief || s.at(0) == u'+'))
    ++i;
  const qsizetype begin = i;
  long long getal = 0;
  for (; i < n && i - begin < 15 && s.at(i) >= u'0' && s.at(i) <= u'9'; ++i)
    getal = getal * 10 + (s.at(i).unicode() - u'0');
  // Digits up to the end or up to a character that ends a number.
  if (i == begin || i - begin >= 15 || (i < n && (s.at(i) == u'.' || s.at(i).isDigit())))
    return platform::val(s);
  return negatief ? -static_cast<double>(getal) : static_cast<double>(getal);
}

} // namespace scoring
