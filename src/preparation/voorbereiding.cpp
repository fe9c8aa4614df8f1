#include "preparation/voorbereiding.h"

#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "preparation/avond.h"
#include "preparation/schema.h"

namespace preparation {

using BAS_Zemlo::Tekst;
using BAS_Zemlo::TekstMet;

namespace {

// The number at the start of a text as shown, rounded; far out of range is 0.
int getal(const QString &text) {
  const double v = platform::val(text);
  return v < -1000 || v > 1000 ? 0 : static_cast<int>(platform::roundHalfEven(v));
}

} // namespace

GroepParen TelParen(const QStringList &regels, const QString &stilzitRegel) {
  GroepParen telling;
  for (const QString &regel : regels) {
    if (regel.trimmed().isEmpty())
      continue;
    ++telling.paren;
    if (regel == stilzitRegel)
      telling.stilzit = telling.paren;
  }
  if (telling.paren % 2 == 1) {
    ++telling.paren;
    telling.stilzit = telling.paren;
  }
  return telling;
}

std::optional<GroepParen> LeesGroepParen(const QString &pad) {
  if (BAS_Zemlo::BestandBestaat(pad) != 1)
    return std::nullopt;
  const auto regels = platform::readTextLines(pad);
  if (!regels)
    return std::nullopt;
  return TelParen(*regels, groups::StilzitRegel());
}

int Wikkel(int waarde, int aantal) {
  if (waarde < 0)
    return aantal - 1;
  if (waarde > aantal - 1)
    return 0;
  return waarde;
}

QString SchemaFoutTekst(const QString &sSchema, const std::optional<InvoerKop> &kop) {
  const SchemaToets toets = ToetsSchema(sSchema, kop);
  if (toets.iFoutTekst == 0)
    return {};
  return TekstMet(toets.iFoutTekst, toets.sNaam);
}

Wissen WisGroep(const QString &naam, const QString &sGroepBestand, const QString &sInvoerBestand) {
  return {PadenVan({}, naam).groep.pad,
          sGroepBestand == naam + QStringLiteral(".txt") && sInvoerBestand.isEmpty()};
}

Wissen WisInvoer(const QString &naam) {
  return {PadenVan(naam + QStringLiteral(".txt")).invoer.pad, true};
}

QStringList Voorbereiding::RondeNummers() {
  QStringList lijst;
  for (int i = 12; i >= 3; --i)
    lijst.append(QString::number(i));
  return lijst;
}

QStringList Voorbereiding::SpelNummers() {
  QStringList lijst;
  for (int i = 9; i >= 1; --i)
    lijst.append(QString::number(i));
  return lijst;
}

Voorbereiding::Voorbereiding() { standaardSpinners(); }

void Voorbereiding::standaardSpinners() {
  ronden = QStringLiteral("6");
  spellen = QStringLiteral("4");
  rondeIndex = static_cast<int>(RondeNummers().lastIndexOf(ronden));
  spelIndex = static_cast<int>(SpelNummers().lastIndexOf(spellen));
}

void Voorbereiding::stapRonden(int waarde) {
  const QStringList nummers = RondeNummers();
  rondeIndex = Wikkel(waarde, static_cast<int>(nummers.size()));
  ronden = nummers[rondeIndex];
  lijstSchemas();
}

void Voorbereiding::stapSpellen(int waarde) {
  const QStringList nummers = SpelNummers();
  spelIndex = Wikkel(waarde, static_cast<int>(nummers.size()));
  spellen = nummers[spelIndex];
}

void Voorbereiding::kiesGroep(const QString &naam, const GroepParen &telling) {
  groep = naam;
  paren = QString::number(telling.paren);
  stilzit = telling.stilzit == 0 ? Tekst(54) : QString::number(telling.stilzit);
  standaardSpinners();
  lijstSchemas();
}

Avond Voorbereiding::kiesAvond(const QString &naam, const std::optional<InvoerKop> &kop) {
  Avond avond;
  avond.sInvoerBestand = naam + QStringLiteral(".txt");
  const auto groepNaam = GroepNaamVan(naam);
  if (!kop || !groepNaam) {
    // The file stays listed, so that it can be deleted.
    avond.melding = TekstMet(190, avond.sInvoerBestand);
    avond.sInvoerBestand.clear();
    return avond;
  }
  avond.bruikbaar = true;
  avond.sGroepBestand = *groepNaam + QStringLiteral(".txt");

  // Pairs and sit-out pair as the header has them, a word included.
  groep = *groepNaam;
  paren = kop->regels.value(1);
  stilzit = kop->regels.value(2);
  // The rounds spinner stands on the header's rounds and shows them as its
  // list does; the boards are shown as the header has them, and their spinner
  // stands on them too, so that a step goes on from the number shown.
  const QStringList rondeNummers = RondeNummers();
  for (qsizetype i = 0; i < rondeNummers.size(); ++i)
    if (getal(rondeNummers[i]) == kop->ronden) {
      rondeIndex = static_cast<int>(i);
      ronden = rondeNummers[i];
      break;
    }
  spellen = kop->regels.value(4);
  if (const qsizetype i = SpelNummers().indexOf(QString::number(kop->spellen)); i >= 0)
    spelIndex = static_cast<int>(i);
  lijstSchemas();

  // The schema is chosen only when its file can be used: the entry windows
  // need it. The way of entry is read only then.
  const bool gevonden = kiesSchema(kop->regels.value(5));
  avond.melding = SchemaFoutTekst(gevonden ? gekozenSchema() : kop->schema, *kop);
  if (!avond.melding.isEmpty())
    schema = -1;
  else if (gevonden)
    avond.invoerWijze = kop->invoerWijze;
  return avond;
}

void Voorbereiding::wis() {
  groep.clear();
  paren.clear();
  stilzit.clear();
  schemas.clear();
  schema = -1;
}

void Voorbereiding::lijstSchemas() {
  schemas = PassendeSchemas(getal(paren), getal(ronden));
  schema = -1;
}

void Voorbereiding::kiesSchema(int index, bool gekozen) {
  if (index < 0 || index >= schemas.size())
    return;
  if (gekozen)
    schema = index;
  else if (schema == index)
    schema = -1;
}

bool Voorbereiding::kiesSchema(const QString &naam) {
  schema = BAS_Zemlo::ZoekInLijst(schemas, naam, 1);
  return schema != -1;
}

QString Voorbereiding::gekozenSchema() const { return magStarten() ? schemas[schema] : QString(); }

bool Voorbereiding::magStarten() const { return schema >= 0 && schema < schemas.size(); }

bool Voorbereiding::magInvoerOpenen(const QString &sInvoerBestand) const {
  return !sInvoerBestand.isEmpty() && magStarten() &&
         SchemaFoutTekst(gekozenSchema(), kop({}, 0)).isEmpty();
}

InvoerKop Voorbereiding::kop(const QString &sGroepBestand, int iInvoerWijze) const {
  return InvoerKop::Nieuw({sGroepBestand.left(sGroepBestand.indexOf(u'.')) + u' ' + Tekst(70),
                           paren, stilzit, ronden, spellen, gekozenSchema(),
                           QString::number(iInvoerWijze)});
}

} // namespace preparation
