#include "rounds/rondeschema.h"

#include <algorithm>

namespace rounds {

RondeSchema::RondeSchema(const QList<QList<preparation::TafelVeld>> &velden, int iRonden,
                         int iSpellenPerRonde, int iStilzitPaar)
    : m_spellenPerRonde(std::max(iSpellenPerRonde, 0)) {
  m_rondes.resize(std::max(iRonden, 0));
  for (int r = 0; r < m_rondes.size() && r < velden.size(); ++r) {
    for (const preparation::TafelVeld &veld : velden.at(r)) {
      if (veld.eersteSpel < 1 || veld.laatsteSpel < veld.eersteSpel ||
          veld.laatsteSpel > AantalSpellen())
        continue;
      RondeTafel t;
      t.ronde = r + 1;
      t.zonderParen = veld.zonderParen;
      t.nz = veld.zonderParen ? 0 : veld.ns;
      t.ow = veld.zonderParen ? 0 : veld.ew;
      t.paren = veld.paren;
      t.eersteSpel = veld.eersteSpel;
      t.laatsteSpel = veld.laatsteSpel;
      t.stilzit =
          !t.zonderParen && iStilzitPaar != 0 && (t.nz == iStilzitPaar || t.ow == iStilzitPaar);
      m_rondes[r].append(t);
    }
  }
}

const QVector<RondeTafel> &RondeSchema::Tafels(int ronde) const {
  static const QVector<RondeTafel> geen;
  return ronde >= 1 && ronde <= m_rondes.size() ? m_rondes.at(ronde - 1) : geen;
}

QVector<int> RondeSchema::Slips(int ronde) const {
  QVector<int> uit;
  const QVector<RondeTafel> &tafels = Tafels(ronde);
  for (int t = 0; t < tafels.size(); ++t)
    if (tafels.at(t).IsSlip())
      uit.append(t);
  return uit;
}

QVector<TafelPlek> RondeSchema::TafelsVanSpel(int iSpel) const {
  QVector<TafelPlek> uit;
  for (int r = 1; r <= AantalRonden(); ++r) {
    const QVector<RondeTafel> &tafels = Tafels(r);
    for (int t = 0; t < tafels.size(); ++t)
      if (tafels.at(t).Speelt(iSpel))
        uit.append({r, t});
  }
  return uit;
}

} // namespace rounds
