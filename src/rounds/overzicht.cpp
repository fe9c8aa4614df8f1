#include "rounds/overzicht.h"

#include "platform/grid.h"

#include <algorithm>

namespace rounds {

OverzichtIndeling DeelIn(const RondeSchema &schema) {
  OverzichtIndeling indeling;
  const int spellen = schema.AantalSpellen();
  for (int r = 1; r <= schema.AantalRonden(); ++r) {
    QVector<QVector<int>> rijen{QVector<int>(spellen, -1)};
    const QVector<RondeTafel> &tafels = schema.Tafels(r);
    for (int t = 0; t < tafels.size(); ++t) {
      for (int b = tafels.at(t).eersteSpel; b <= tafels.at(t).laatsteSpel; ++b) {
        int k = 0;
        while (k < rijen.size() && rijen.at(k).at(b - 1) >= 0)
          ++k;
        if (k == rijen.size())
          rijen.append(QVector<int>(spellen, -1));
        rijen[k][b - 1] = t;
      }
    }
    for (int k = 0; k < rijen.size(); ++k)
      indeling.rijen.append({r, k == 0, rijen.at(k)});
  }
  return indeling;
}

void VulOverzicht(platform::GridModel &grid, const SlipOpslag &opslag,
                  const OverzichtTeksten &teksten) {
  const RondeSchema &schema = opslag.Schema();
  const OverzichtIndeling indeling = DeelIn(schema);
  const int spellen = schema.AantalSpellen();
  grid.clear();
  grid.setRows(static_cast<int>(indeling.rijen.size()) + 1);
  grid.setCols(spellen + 1);
  grid.setFixedRows(1);
  grid.setFixedCols(1);
  for (int b = 1; b <= spellen; ++b)
    grid.setCell(0, b, QString::number(b), platform::AlignCenterCenter);
  for (int i = 0; i < indeling.rijen.size(); ++i) {
    const OverzichtIndeling::Rij &rij = indeling.rijen.at(i);
    const int r = i + 1;
    if (rij.eerste)
      grid.setCell(r, 0, teksten.ronde + u' ' + QString::number(rij.ronde),
                   platform::AlignLeftCenter);
    for (int b = 1; b <= spellen; ++b) {
      const int t = rij.tafels.at(b - 1);
      if (t < 0)
        continue;
      const TafelPlek plek{rij.ronde, t};
      const RondeTafel &tafel = schema.Tafel(plek);
      if (tafel.zonderParen) {
        grid.setCell(r, b, QStringLiteral("%1-%2").arg(tafel.eersteSpel).arg(tafel.laatsteSpel),
                     platform::AlignCenterCenter);
      } else if (tafel.stilzit) {
        grid.setCell(r, b, teksten.stilzit, platform::AlignCenterCenter, kKleurStilzitCel);
      } else {
        const SlipCel &cel = opslag.Cellen(plek).at(b - tafel.eersteSpel);
        if (cel.ingevoerd)
          grid.setCell(r, b,
                       QStringLiteral("[%1] %2 [%3] %4")
                           .arg(QString::number(opslag.NZ(plek)), cel.nz,
                                QString::number(opslag.OW(plek)), cel.ow),
                       platform::AlignLeftCenter);
        else
          grid.setCell(r, b, opslag.ParenTekst(plek), platform::AlignCenterCenter);
      }
    }
  }
}

QStringList NietGevuld(const SlipOpslag &opslag, const OverzichtTeksten &teksten) {
  const RondeSchema &schema = opslag.Schema();
  QStringList uit;
  for (const OverzichtIndeling::Rij &rij : DeelIn(schema).rijen) {
    for (int b = 1; b <= rij.tafels.size(); ++b) {
      const int t = rij.tafels.at(b - 1);
      if (t < 0)
        continue;
      const TafelPlek plek{rij.ronde, t};
      const RondeTafel &tafel = schema.Tafel(plek);
      if (tafel.IsSlip() && !opslag.Cellen(plek).at(b - tafel.eersteSpel).ingevoerd)
        uit.append(
            QStringLiteral("%1 %2 - %3 %4")
                .arg(teksten.ronde, QString::number(rij.ronde), teksten.spel, QString::number(b)));
    }
  }
  return uit;
}

} // namespace rounds
