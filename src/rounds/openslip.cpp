#include "rounds/openslip.h"

#include "scoring/scoretabellen.h"

namespace rounds {

OpenSlip::OpenSlip(const SlipOpslag &opslag, const TafelPlek &plek)
    : m_open(true), m_plek(plek), m_eersteSpel(opslag.Schema().Tafel(plek).eersteSpel),
      m_bewaard(opslag.Cellen(plek)), m_rijen(SlipRijen(m_bewaard)) {}

void OpenSlip::ZetRij(int i, const QString &sScoreNZ, const QString &sScoreOW) {
  if (i < 0 || i >= m_rijen.size())
    return;
  m_rijen[i].scoreNZ = sScoreNZ;
  m_rijen[i].scoreOW = sScoreOW;
}

scoring::StapUitkomst OpenSlip::EnterNZ(int i) {
  const scoring::StapUitkomst stap =
      scoring::InvoerStapNZ(m_rijen, i, scoring::Kwetsbaarheid(Spel(i)), scoring::Kopie::Beide);
  ZetRij(i, stap.scoreNZ, stap.scoreOW);
  return stap;
}

scoring::StapUitkomst OpenSlip::EnterOW(int i) {
  const scoring::StapUitkomst stap = scoring::InvoerStapOW(m_rijen, i);
  ZetRij(i, stap.scoreNZ, stap.scoreOW);
  return stap;
}

std::optional<scoring::StapUitkomst> OpenSlip::Verlaat(int i) {
  if (i < 0 || i >= m_rijen.size())
    return std::nullopt;
  if (!MoetStap(m_rijen.at(i), i, m_eersteSpel, m_bewaard))
    return std::nullopt;
  return EnterNZ(i);
}

Herziening OpenSlip::Herzie() {
  Herziening herzien = HerzieSlip(m_rijen, m_eersteSpel, m_bewaard);
  m_rijen = herzien.rijen;
  return herzien;
}

bool OpenSlip::AlleRijenGevuld() const { return rounds::AlleRijenGevuld(m_rijen); }

bool OpenSlip::IetsIngevuld() const { return rounds::IetsIngevuld(m_rijen); }

bool OpenSlip::IsGewijzigd(const SlipOpslag &opslag) const {
  return m_open && rounds::IsGewijzigd(m_rijen, opslag.Cellen(m_plek));
}

bool OpenSlip::MagKlaar() const { return m_open && AlleRijenGevuld(); }

QVector<QPair<QString, QString>> OpenSlip::TeBewaren() const { return rounds::TeBewaren(m_rijen); }

} // namespace rounds
