#include "scoring/matchpunten.h"

#include "platform/numbers.h"
#include "scoring/scoretabellen.h"
#include "scoring/waarde.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace scoring {

namespace {

// Matchpoints on the scale of the ranked scores themselves: 2 for every
// better score fewer than the best, 1 for every other equal score.
QVector<int> Rangschik(const QVector<long long> &scores) {
  const int n = static_cast<int>(scores.size());
  QVector<int> mp(n);
  for (int i = 0; i < n; ++i) {
    int beter = 0;
    int gelijk = 0;
    for (int j = 0; j < n; ++j) {
      if (j == i)
        continue;
      if (scores.at(j) > scores.at(i))
        ++beter;
      else if (scores.at(j) == scores.at(i))
        ++gelijk;
    }
    mp[i] = 2 * (n - 1) - 2 * beter - gelijk;
  }
  return mp;
}

// Neuberg's formula on the 2-point scale: the matchpoints m of n ranked
// scores as if there had been N.
QString BerekenFactor(int m, int nRanked, int nResultaten, int intTop) {
  double x = (m + 1.0) * nResultaten / nRanked - 1.0;
  // Only results beyond what the top allows (a damaged file) could leave the range.
  x = std::clamp(x, 0.0, static_cast<double>(std::max(intTop, 0)));
  return AfgerondeTekst(x);
}

// The same, each text made once: an evening factors the same few values on
// board after board, and the rounding through the plain decimal form is slow.
QString Factor(int m, int nRanked, int nResultaten, int intTop) {
  if (m < 0 || m > 0xFFFF || nRanked > 0xFFFF || nResultaten > 0xFFFF || intTop < 0 ||
      intTop > 0xFFFF)
    return BerekenFactor(m, nRanked, nResultaten, intTop);
  const std::uint64_t sleutel =
      static_cast<std::uint64_t>(m) << 48 | static_cast<std::uint64_t>(nRanked) << 32 |
      static_cast<std::uint64_t>(nResultaten) << 16 | static_cast<std::uint64_t>(intTop);
  thread_local std::unordered_map<std::uint64_t, QString> gemaakt;
  if (gemaakt.size() > 4096)
    gemaakt.clear();
  auto [it, nieuw] = gemaakt.try_emplace(sleutel);
  if (nieuw)
    it->second = BerekenFactor(m, nRanked, nResultaten, intTop);
  return it->second;
}

// A whole number of matchpoints as text; the texts of a top's range are
// made once and shared.
QString Getal(int mp) {
  static const QStringList teksten = [] {
    QStringList t;
    for (int i = 0; i <= 200; ++i)
      t.append(QString::number(i));
    return t;
  }();
  return mp >= 0 && mp < teksten.size() ? teksten.at(mp) : QString::number(mp);
}

} // namespace

int BerekenTop(int intAantalParen, int intStilzitPaar) {
  int top = intAantalParen - 2;
  if (intAantalParen % 2 != 0)
    top -= 1;
  else if (intStilzitPaar != 0)
    top -= 2;
  return std::max(top, 0);
}

QString AfgerondeTekst(double waarde) {
  QString t = platform::plainDecimal(waarde + 0.005);
  const qsizetype punt = t.indexOf(u'.');
  if (punt >= 0)
    t.truncate(punt + 3);
  t = platform::plainDecimal(platform::val(t));
  if (t.startsWith(u'.'))
    t.prepend(u'0');
  return t;
}

QVector<SpelRijMP> ScoorSpel(const QVector<SpelRijScore> &rijen, int intTop) {
  QVector<SpelRijMP> uit(rijen.size());
  QVector<int> gerangschikt;
  QVector<long long> nz, ow;
  gerangschikt.reserve(rijen.size());
  nz.reserve(rijen.size());
  ow.reserve(rijen.size());
  for (int i = 0; i < rijen.size(); ++i) {
    const SpelRijScore &rij = rijen.at(i);
    if (!rij.doetMee)
      continue;
    if (IsNietGespeeld(rij.scoreNZ)) {
      uit[i] = {QStringLiteral("n"), QStringLiteral("n")};
    } else if (rij.scoreNZ.contains(u'%')) {
      uit[i] = {platform::plainDecimal(Waarde(rij.scoreNZ) / 100 * intTop),
                platform::plainDecimal(Waarde(rij.scoreOW) / 100 * intTop)};
    } else {
      gerangschikt.append(i);
      nz.append(std::llround(Waarde(rij.scoreNZ)));
      ow.append(std::llround(Waarde(rij.scoreOW)));
    }
  }
  const int n = static_cast<int>(gerangschikt.size());
  if (n == 0)
    return uit;
  const QVector<int> mpNZ = Rangschik(nz);
  const QVector<int> mpOW = Rangschik(ow);
  const int nResultaten = std::max(intTop, 0) / 2 + 1;
  for (int k = 0; k < n; ++k) {
    SpelRijMP &r = uit[gerangschikt.at(k)];
    if (n == nResultaten) {
      r.mpNZ = Getal(mpNZ.at(k));
      r.mpOW = Getal(mpOW.at(k));
    } else {
      r.mpNZ = Factor(mpNZ.at(k), n, nResultaten, intTop);
      r.mpOW = Factor(mpOW.at(k), n, nResultaten, intTop);
    }
  }
  return uit;
}

} // namespace scoring
