#include "rounds/slipstap.h"

#include "scoring/scoretabellen.h"

#include <algorithm>

namespace rounds {

QVector<scoring::RijInvoer> SlipRijen(const QVector<SlipCel> &cellen) {
  QVector<scoring::RijInvoer> rijen;
  for (const SlipCel &cel : cellen)
    rijen.append({cel.nz, cel.ow, true});
  return rijen;
}

bool IsGewijzigd(const QVector<scoring::RijInvoer> &rijen, const QVector<SlipCel> &cellen) {
  if (rijen.size() != cellen.size())
    return true;
  for (int i = 0; i < rijen.size(); ++i)
    if (rijen.at(i).scoreNZ != cellen.at(i).nz || rijen.at(i).scoreOW != cellen.at(i).ow)
      return true;
  return false;
}

bool AlleRijenGevuld(const QVector<scoring::RijInvoer> &rijen) {
  return !rijen.isEmpty() && std::all_of(rijen.cbegin(), rijen.cend(), [](const auto &r) {
    return !r.scoreNZ.trimmed().isEmpty();
  });
}

bool IetsIngevuld(const QVector<scoring::RijInvoer> &rijen) {
  return std::any_of(rijen.cbegin(), rijen.cend(),
                     [](const auto &r) { return !r.scoreNZ.trimmed().isEmpty(); });
}

bool MoetStap(const scoring::RijInvoer &rij, int i, int eersteSpel,
              const QVector<SlipCel> &bewaard) {
  const bool alsBewaard = i >= 0 && i < bewaard.size() && bewaard.at(i).ingevoerd &&
                          rij.scoreNZ == bewaard.at(i).nz && rij.scoreOW == bewaard.at(i).ow;
  return !rij.scoreNZ.trimmed().isEmpty() &&
         !IsScorePaar(rij.scoreNZ, rij.scoreOW, eersteSpel + i) && !alsBewaard;
}

Herziening HerzieSlip(QVector<scoring::RijInvoer> rijen, int eersteSpel,
                      const QVector<SlipCel> &bewaard) {
  Herziening uit;
  for (int i = 0; i < rijen.size(); ++i) {
    const scoring::RijInvoer &rij = rijen.at(i);
    if (!MoetStap(rij, i, eersteSpel, bewaard))
      continue;
    const scoring::StapUitkomst stap = scoring::InvoerStapNZ(
        rijen, i, scoring::Kwetsbaarheid(eersteSpel + i), scoring::Kopie::Beide);
    rijen[i].scoreNZ = stap.scoreNZ;
    rijen[i].scoreOW = stap.scoreOW;
    if (stap.iTekst != 0)
      uit.meldingen.append({stap.iTekst, stap.sPlaatsvervanger, i});
    if (stap.iTekst == 92) {
      uit.iFoutRij = i;
      break;
    }
  }
  uit.rijen = rijen;
  return uit;
}

QVector<QPair<QString, QString>> TeBewaren(const QVector<scoring::RijInvoer> &rijen) {
  QVector<QPair<QString, QString>> uit;
  for (const scoring::RijInvoer &rij : rijen)
    uit.append({rij.scoreNZ, rij.scoreOW});
  return uit;
}

} // namespace rounds
