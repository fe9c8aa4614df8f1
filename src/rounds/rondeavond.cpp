#include "rounds/rondeavond.h"

#include "platform/textfile.h"
#include "preparation/schema.h"

namespace rounds {

bool RondeAvond::Bewaar() const {
  return platform::writeTextLines(paden.invoer.pad, kop.regels + opslag.Regels());
}

scoring::Uitslag RondeAvond::Uitslag() const {
  return scoring::MaakUitslag(opslag.Stand(kop.paren, kop.stilzit, paren.labels));
}

RondeAvond MaakRondeAvond(const preparation::GeopendeAvond &bestanden) {
  const preparation::InvoerKop &kop = bestanden.kop;
  RondeAvond avond;
  avond.paden = bestanden.paden;
  avond.kop = kop;
  avond.paren = scoring::LeesPaarLabels(bestanden.groepRegels);
  const RondeSchema schema(
      preparation::RondeTafels(bestanden.schemaRegels, kop.ronden, kop.spellen), kop.ronden,
      kop.spellen, kop.stilzit);
  avond.opslag = SlipOpslag(schema);
  avond.opslag.LeesRegels(bestanden.regels);
  return avond;
}

} // namespace rounds
