#include "scoring/spelregel.h"

#include "scoring/scoreinvoer.h"

#include <QRegularExpression>
#include <QStringList>

namespace scoring {

namespace {

QString PaarTekst(int paar) { return paar > 0 ? QString::number(paar) : QString(); }

// "" or a pair number from 1 to iParen; -1 for anything else.
int LeesPaar(const QString &s, int iParen) {
  if (s.isEmpty())
    return 0;
  static const QRegularExpression re(QStringLiteral("^[0-9]{1,3}$"));
  if (!re.match(s).hasMatch())
    return -1;
  const int paar = s.toInt();
  return paar >= 1 && paar <= iParen ? paar : -1;
}

bool IsScoreTekst(const QString &s) {
  static const QRegularExpression re(QStringLiteral("^(|n|N|-?[0-9]{1,5})$"));
  return re.match(s).hasMatch() || IsGeldigPercentage(s);
}

bool IsMPTekst(const QString &s) {
  static const QRegularExpression re(QStringLiteral("^(|n|[0-9]{1,3}|[0-9]{0,3}\\.[0-9]{1,2})$"));
  return re.match(s).hasMatch();
}

} // namespace

QString SpelSleutel(int iSpel) { return QStringLiteral("%1").arg(iSpel, 2, 10, QLatin1Char('0')); }

QString SchrijfSpelRegel(const SpelRegel &regel) {
  QStringList delen;
  for (const SpelRegelRij &rij : regel.rijen) {
    delen.append(QStringList{PaarTekst(rij.nz), PaarTekst(rij.ow), QString(), QString(),
                             rij.scoreNZ, rij.scoreOW, rij.mpNZ, rij.mpOW}
                     .join(u'|'));
  }
  return SpelSleutel(regel.iSpel) + u'*' + delen.join(u'@');
}

int SpelNummerVan(const QString &sRegel) {
  static const QRegularExpression re(QStringLiteral("^([0-9]{1,3})\\*"));
  const QRegularExpressionMatch m = re.match(sRegel);
  return m.hasMatch() ? m.captured(1).toInt() : 0;
}

std::optional<SpelRegel> LeesSpelRegel(const QString &sRegel, int iSpellen, int iParen) {
  SpelRegel regel;
  regel.iSpel = SpelNummerVan(sRegel);
  if (regel.iSpel < 1 || regel.iSpel > iSpellen)
    return std::nullopt;
  const QString rest = sRegel.mid(sRegel.indexOf(u'*') + 1);
  if (rest.contains(u'*'))
    return std::nullopt;
  for (const QString &deel : rest.split(u'@')) {
    const QStringList velden = deel.split(u'|');
    if (velden.size() != 8 || !velden.at(2).isEmpty() || !velden.at(3).isEmpty())
      return std::nullopt;
    SpelRegelRij rij;
    rij.nz = LeesPaar(velden.at(0), iParen);
    rij.ow = LeesPaar(velden.at(1), iParen);
    if (rij.nz < 0 || rij.ow < 0)
      return std::nullopt;
    rij.scoreNZ = velden.at(4);
    rij.scoreOW = velden.at(5);
    rij.mpNZ = velden.at(6);
    rij.mpOW = velden.at(7);
    if (!IsScoreTekst(rij.scoreNZ) || !IsScoreTekst(rij.scoreOW) || !IsMPTekst(rij.mpNZ) ||
        !IsMPTekst(rij.mpOW))
      return std::nullopt;
    regel.rijen.append(rij);
  }
  return regel;
}

} // namespace scoring
