#include "preparation/avond.h"

#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"

#include <QVector>

#include <algorithm>

namespace preparation {

using BAS_Zemlo::BestandBestaat;

AvondPaden PadenVan(const QString &sInvoerBestand, const QString &sGroep, const QString &sSchema) {
  AvondPaden paden;
  if (!sInvoerBestand.isEmpty())
    paden.invoer = {groups::invoerPad(sInvoerBestand), QStringLiteral("invoer/") + sInvoerBestand};
  if (!sGroep.isEmpty()) {
    paden.groep = {groups::groepPad(sGroep),
                   QStringLiteral("groepen/") + sGroep + QStringLiteral(".txt")};
    paden.groepMail = {groups::groepMailPad(sGroep),
                       QStringLiteral("groepen/") + sGroep + QStringLiteral(".mail")};
  }
  if (!sSchema.trimmed().isEmpty())
    paden.schema = {
        SchemaPad(sSchema),
        QStringLiteral("schema/%1/%2.txt").arg(BAS_Zemlo::iTaal).arg(sSchema.trimmed())};
  return paden;
}

bool SchemaPastBijKop(const InvoerKop &kop, const QStringList &rondeRegels) {
  const int spellen = std::max(kop.ronden, 0) * std::max(kop.spellen, 0);
  QVector<QVector<const Tafel *>> perSpel(spellen);
  const QList<Tafel> tafels = ParenSpellen(rondeRegels, kop.ronden, kop.spellen);
  for (const Tafel &t : tafels)
    for (int b = std::max(t.eersteSpel, 1); b <= std::min(t.laatsteSpel, spellen); ++b)
      perSpel[b - 1].append(&t);
  const int tafelsPerSpel = kop.paren / 2;
  for (const QVector<const Tafel *> &spel : perSpel) {
    if (spel.size() > tafelsPerSpel)
      return false;
    bool gespeeld = false;
    for (const Tafel *t : spel) {
      if (t->ns > kop.paren || t->ew > kop.paren)
        return false;
      gespeeld = gespeeld || (t->ns != kop.stilzit && t->ew != kop.stilzit);
    }
    if (!gespeeld)
      return false;
  }
  return true;
}

SchemaToets ToetsSchema(const QString &sSchema, const std::optional<InvoerKop> &kop) {
  SchemaToets uit;
  const AvondBestand schema = PadenVan({}, {}, sSchema).schema;
  uit.sNaam = schema.naam;
  const std::optional<QStringList> rondeRegels = LeesSchema(sSchema);
  if (!rondeRegels && platform::isUnreadable(schema.pad))
    uit.iFoutTekst = 210;
  else if (!rondeRegels)
    uit.iFoutTekst = BestandBestaat(schema.pad) == 1 ? 190 : 141;
  else if (kop && !SchemaPastBijKop(*kop, *rondeRegels))
    uit.iFoutTekst = 207;
  else
    uit.rondeRegels = *rondeRegels;
  return uit;
}

namespace {

AvondOpening Weigering(int iTekst, const QString &naam) {
  AvondOpening uit;
  uit.iFoutTekst = iTekst;
  uit.sFoutNaam = naam;
  return uit;
}

// The lines of a file that holds something; nothing when it is missing,
// empty or cannot be read.
std::optional<QStringList> LeesRegels(const QString &pad) {
  if (pad.isEmpty() || BestandBestaat(pad) != 1)
    return std::nullopt;
  return platform::readTextLines(pad);
}

} // namespace

AvondOpening OpenAvond(const QString &sInvoerBestand, int iInvoerWijze) {
  const AvondBestand invoerBestand = PadenVan(sInvoerBestand).invoer;
  const std::optional<QStringList> invoer = LeesRegels(invoerBestand.pad);
  if (!invoer)
    return Weigering(platform::isUnreadable(invoerBestand.pad) ? 210 : 141, invoerBestand.naam);
  std::optional<InvoerKop> kop = LeesInvoerKop(*invoer);
  if (!kop || kop->invoerWijze != iInvoerWijze)
    return Weigering(190, invoerBestand.naam);
  if (iInvoerWijze == 0)
    kop->regels[0] = TitelInTaal(kop->regels[0]);
  // The names in the header name files in their own folders only.
  const std::optional<QString> groep = kop->groep();
  if (!groep || !IsVeiligeNaam(*groep) || !IsVeiligeNaam(kop->schema))
    return Weigering(190, invoerBestand.naam);
  const AvondPaden paden = PadenVan(sInvoerBestand, *groep, kop->schema);

  // A schema changed since Start is named, never the results file that holds the scores.
  const SchemaToets schema = ToetsSchema(kop->schema, kop);
  if (schema.iFoutTekst != 0)
    return Weigering(schema.iFoutTekst, schema.sNaam);

  const std::optional<QStringList> groepRegels = LeesRegels(paden.groep.pad);
  if (!groepRegels && platform::isUnreadable(paden.groep.pad))
    return Weigering(210, paden.groep.naam);
  if (!groepRegels)
    return Weigering(141, *groep);

  AvondOpening uit;
  uit.avond = GeopendeAvond{paden, *kop, invoer->mid(7), schema.rondeRegels, *groepRegels};
  return uit;
}

QString OnleesbaarTekst(const AvondBestand &bestand) {
  if (!platform::isUnreadable(bestand.pad))
    return {};
  return BAS_Zemlo::TekstMet(210, bestand.naam);
}

} // namespace preparation
