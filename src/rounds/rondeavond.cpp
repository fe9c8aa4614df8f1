#include "rounds/rondeavond.h"

#include "frame/bas_zemlo.h"
#include "platform/textfile.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"

namespace rounds {

namespace {

OpenUitkomst Weigering(int iTekst, const QString &sBestand) {
  OpenUitkomst uit;
  uit.iTekst = iTekst;
  uit.sBestand = sBestand;
  return uit;
}

} // namespace

bool RondeAvond::Bewaar() const {
  return platform::writeTextLines(pad, kop.regels + opslag.Regels());
}

scoring::Uitslag RondeAvond::Uitslag() const {
  return scoring::MaakUitslag(opslag.Stand(kop.paren, kop.stilzit, paren.labels));
}

OpenUitkomst OpenRondeAvond(const QString &sInvoerBestand) {
  using BAS_Zemlo::BestandBestaat;
  using BAS_Zemlo::Pad;
  using BAS_Zemlo::ZoekBestand;

  const QString invoerNaam = QStringLiteral("invoer/") + sInvoerBestand;
  const QString invoerPad = ZoekBestand(Pad(QStringLiteral("invoer")), sInvoerBestand);
  if (sInvoerBestand.isEmpty() || BestandBestaat(invoerPad) != 1)
    return Weigering(141, invoerNaam);
  const auto kop = preparation::LeesInvoerKop(invoerPad);
  const auto regels = platform::readTextLines(invoerPad);
  if (!kop || !regels || kop->invoerWijze != 1)
    return Weigering(190, invoerNaam);
  const auto groep = preparation::GroepNaamVan(kop->regels.at(0));
  // The names in the header name files in their own folders only.
  if (!groep || !preparation::IsVeiligeNaam(*groep) || !preparation::IsVeiligeNaam(kop->schema))
    return Weigering(190, invoerNaam);

  const QString groepNaam = QStringLiteral("groepen/") + *groep + QStringLiteral(".txt");
  const QString groepPad =
      ZoekBestand(Pad(QStringLiteral("groepen")), *groep + QStringLiteral(".txt"));
  if (BestandBestaat(groepPad) != 1)
    return Weigering(141, groepNaam);
  const auto groepRegels = platform::readTextLines(groepPad);
  if (!groepRegels)
    return Weigering(141, groepNaam);

  const QString schemaMap = QStringLiteral("schema/") + QString::number(BAS_Zemlo::iTaal);
  const QString schemaNaam = schemaMap + u'/' + kop->schema + QStringLiteral(".txt");
  const QString schemaPad = ZoekBestand(Pad(schemaMap), kop->schema + QStringLiteral(".txt"));
  if (BestandBestaat(schemaPad) != 1)
    return Weigering(141, schemaNaam);
  const auto schemaRegels = platform::readTextLines(schemaPad);
  if (!schemaRegels)
    return Weigering(141, schemaNaam);
  if (!preparation::IsSchema(*schemaRegels))
    return Weigering(190, schemaNaam);

  RondeAvond avond;
  avond.pad = invoerPad;
  avond.kop = *kop;
  avond.paren = scoring::LeesPaarLabels(*groepRegels);
  const RondeSchema schema(
      preparation::RondeTafels(preparation::SchemaRegels(*schemaRegels), kop->ronden, kop->spellen),
      kop->ronden, kop->spellen, kop->stilzit);
  avond.opslag = SlipOpslag(schema);
  avond.opslag.LeesRegels(regels->mid(7));
  OpenUitkomst uit;
  uit.avond = avond;
  return uit;
}

} // namespace rounds
