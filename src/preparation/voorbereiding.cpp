#include "preparation/voorbereiding.h"

#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "preparation/avond.h"
#include "preparation/schema.h"

namespace preparation {

using BAS_Zemlo::Tekst;

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

QString SchemaFoutTekst(const QString &sSchema) {
  if (LeesSchema(sSchema))
    return {};
  const AvondBestand schema = PadenVan({}, {}, sSchema).schema;
  const int tekst = BAS_Zemlo::BestandBestaat(schema.pad) == 1 ? 190 : 141;
  return QString(Tekst(tekst)).replace(u'~', schema.naam);
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

void Voorbereiding::toonGroep(const QString &naam, const GroepParen &telling) {
  groep = naam;
  paren = QString::number(telling.paren);
  stilzit = telling.stilzit == 0 ? Tekst(54) : QString::number(telling.stilzit);
}

void Voorbereiding::toonKop(const QString &naam, const InvoerKop &kop) {
  groep = naam;
  paren = kop.regels.value(1);
  stilzit = kop.regels.value(2);
  ronden = kop.regels.value(3);
  spellen = kop.regels.value(4);
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
  return !sInvoerBestand.isEmpty() && magStarten() && SchemaFoutTekst(gekozenSchema()).isEmpty();
}

InvoerKop Voorbereiding::kop(const QString &sGroepBestand, int iInvoerWijze) const {
  return InvoerKop::Nieuw({sGroepBestand.left(sGroepBestand.indexOf(u'.')) + u' ' + Tekst(70),
                           paren, stilzit, ronden, spellen, gekozenSchema(),
                           QString::number(iInvoerWijze)});
}

} // namespace preparation
