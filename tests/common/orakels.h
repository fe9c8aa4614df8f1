#pragma once
// Routines that only the tests and the fuzz targets use: reading a group's
// companion file whole, the board sets as text, the tables of one board and
// the result of an evening straight from its board lines. They check the
// program's own routines against a second way to the same answer.
#include "groups/groepbestand.h"
#include "platform/textfile.h"
#include "preparation/schema.h"
#include "scoring/avondmodel.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace groups {

// The companion of a group file; nothing when it is missing.
inline std::optional<QVector<MailSpeler>> leesGroepMailBestand(const QString &mailPad) {
  const auto regels = platform::readTextLines(mailPad);
  if (!regels)
    return std::nullopt;
  return leesGroepMailRegels(*regels);
}

} // namespace groups

namespace preparation {

// "(1-4)|(1-3)", "(5-8)|(4-6)", ...: for each round k the set of the file and
// the set of boards (k-1)*b+1 to k*b that replaces it.
inline QStringList VervangSpelNummers(int iRonden, int iSpellen) {
  const auto set = [](int eerste, int laatste) {
    return u'(' + QString::number(eerste) + u'-' + QString::number(laatste) + u')';
  };
  QStringList lijst;
  for (int k = 1; k <= iRonden; ++k)
    lijst.append(set(4 * k - 3, 4 * k) + u'|' + set((k - 1) * iSpellen + 1, k * iSpellen));
  return lijst;
}

// The tables that play board n.
inline QList<Tafel> TafelsVoorSpel(const QList<Tafel> &tafels, int iSpel) {
  QList<Tafel> spelend;
  for (const Tafel &t : tafels)
    if (t.eersteSpel > 0 && t.eersteSpel <= iSpel && iSpel <= t.laatsteSpel)
      spelend.append(t);
  return spelend;
}

} // namespace preparation

namespace scoring {

// The result of an evening from its results file: the board lines read and
// scored as AvondModel does, then totalled and ranked by MaakUitslag.
inline Uitslag UitslagVanRegels(const AvondKop &kop,
                                const QVector<QVector<TafelParen>> &tafelsPerSpel,
                                const QStringList &labels, const QStringList &regels) {
  AvondModel model(kop, tafelsPerSpel);
  model.LeesRegels(regels);
  return MaakUitslag(model.Stand(labels));
}

} // namespace scoring
