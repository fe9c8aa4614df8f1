#include "scoring/avondbestand.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "preparation/invoerkop.h"
#include "preparation/schema.h"

namespace scoring {

using BAS_Zemlo::Tekst;

QString TitelInTaal(const QString &titel) {
  const std::optional<QDate> datum = BAS_Zemlo::LeesDatum(titel.left(10));
  if (!datum)
    return titel;
  return BAS_Zemlo::DatumTekst(*datum) + titel.mid(10);
}

std::optional<AvondBestand> LeesAvondBestand(const QStringList &lines) {
  if (lines.size() < 7)
    return std::nullopt;
  AvondBestand avond;
  avond.kop = lines.mid(0, 7);
  avond.kop[0] = TitelInTaal(avond.kop.at(0));
  avond.regels = lines.mid(7);
  const auto paren = platform::readInt(avond.kop.at(1), 1, 99);
  const auto stilzit = platform::readInt(avond.kop.at(2), 0, paren.value_or(0));
  const auto ronden = platform::readInt(avond.kop.at(3), 3, 12);
  const auto spellen = platform::readInt(avond.kop.at(4), 1, 9);
  if (!paren || !stilzit || !ronden || !spellen)
    return std::nullopt;
  avond.getallen = {*paren, *stilzit, *ronden, *spellen};
  avond.schema = avond.kop.at(5).trimmed();
  avond.groepNaam = preparation::GroepNaamVan(avond.kop.at(0)).value_or(avond.kop.at(0));
  return avond;
}

QVector<QVector<TafelParen>> TafelsPerSpel(const QStringList &rondeRegels, int iRonden,
                                           int iSpellen) {
  const int spellen = std::max(iRonden, 0) * std::max(iSpellen, 0);
  QVector<QVector<TafelParen>> uit(spellen);
  for (const preparation::Tafel &t : preparation::ParenSpellen(rondeRegels, iRonden, iSpellen)) {
    for (int b = std::max(t.eersteSpel, 1); b <= std::min(t.laatsteSpel, spellen); ++b)
      uit[b - 1].append({t.ns, t.ew});
  }
  return uit;
}

bool SchemaPastBijKop(const AvondKop &kop, const QVector<QVector<TafelParen>> &tafels) {
  const int tafelsPerSpel = kop.intAantalParen / 2;
  if (tafels.size() != kop.intAantalRonden * kop.intSpellenPerRonde)
    return false;
  const int stilzit = kop.intStilzitPaar;
  for (const QVector<TafelParen> &spel : tafels) {
    if (spel.size() > tafelsPerSpel)
      return false;
    bool gespeeld = false;
    for (const TafelParen &t : spel) {
      if (t.nz > kop.intAantalParen || t.ow > kop.intAantalParen)
        return false;
      gespeeld = gespeeld || (t.nz != stilzit && t.ow != stilzit);
    }
    if (!gespeeld)
      return false;
  }
  return true;
}

QString KaderTekst(const AvondBestand &avond) {
  // Each placeholder of the text is filled once, so that what is filled in is
  // never read as a placeholder itself.
  const QChar geenStilzit(0xE000);
  QString sjabloon = Tekst(73);
  const bool stilzit = platform::val(avond.kop.at(2)) != 0;
  if (!stilzit) {
    sjabloon.replace(QStringLiteral("paar #"), geenStilzit);
    sjabloon.replace(QStringLiteral("pair #"), geenStilzit);
  }
  QString uit;
  for (const QChar c : sjabloon) {
    if (c == u'!')
      uit += QString::number(avond.getallen.intAantalParen);
    else if (c == u'#' || c == geenStilzit)
      uit += avond.kop.at(2);
    else if (c == u'@')
      uit += QString::number(avond.getallen.intAantalRonden);
    else if (c == u'$')
      uit += QString::number(avond.getallen.intSpellenPerRonde);
    else if (c == u'%')
      uit += avond.schema;
    else
      uit += c;
  }
  return uit;
}

QString VensterTitel(const QString &sGroepBestand) {
  return Tekst(71) + QStringLiteral(" (") + sGroepBestand.section(u'.', 0, 0) + u')';
}

KopTeksten ResultaatKop() {
  QString nr = Tekst(16);
  if (nr.endsWith(u'.'))
    nr.chop(1);
  return {nr, Tekst(32), Tekst(80), Tekst(81)};
}

namespace {

GeopendeAvond Fout(int iTekst, const QString &naam) {
  GeopendeAvond uit;
  uit.iFoutTekst = iTekst;
  uit.sFoutNaam = naam;
  return uit;
}

} // namespace

GeopendeAvond OpenAvond(const QString &sInvoerBestand) {
  using BAS_Zemlo::BestandBestaat;
  using BAS_Zemlo::Pad;
  using BAS_Zemlo::ZoekBestand;

  const QString invoerNaam = QStringLiteral("invoer/") + sInvoerBestand;
  const QString invoerPad = ZoekBestand(Pad(QStringLiteral("invoer")), sInvoerBestand);
  if (sInvoerBestand.isEmpty() || BestandBestaat(invoerPad) != 1)
    return Fout(141, invoerNaam);
  const std::optional<QStringList> invoer = platform::readTextLines(invoerPad);
  if (!invoer)
    return Fout(141, invoerNaam);
  std::optional<AvondBestand> avond = LeesAvondBestand(*invoer);
  if (!avond)
    return Fout(190, invoerNaam);

  // The schema is used only when it reads as one.
  const QString schemaNaam =
      QStringLiteral("schema/%1/%2.txt").arg(BAS_Zemlo::iTaal).arg(avond->schema);
  const QString schemaPad =
      ZoekBestand(preparation::SchemaMap(), avond->schema + QStringLiteral(".txt"));
  if (avond->schema.isEmpty() || BestandBestaat(schemaPad) != 1)
    return Fout(141, schemaNaam);
  const std::optional<QStringList> schema = platform::readTextLines(schemaPad);
  if (!schema)
    return Fout(141, schemaNaam);
  if (!preparation::IsSchema(*schema))
    return Fout(190, schemaNaam);
  const AvondKop &kop = avond->getallen;
  QVector<QVector<TafelParen>> tafels = TafelsPerSpel(preparation::SchemaRegels(*schema),
                                                      kop.intAantalRonden, kop.intSpellenPerRonde);
  if (!SchemaPastBijKop(kop, tafels))
    return Fout(190, invoerNaam);

  const QString groepPad =
      ZoekBestand(Pad(QStringLiteral("groepen")), avond->groepNaam + QStringLiteral(".txt"));
  if (BestandBestaat(groepPad) != 1)
    return Fout(141, avond->groepNaam);
  const std::optional<QStringList> groep = platform::readTextLines(groepPad);
  if (!groep)
    return Fout(141, avond->groepNaam);

  GeopendeAvond uit;
  uit.sInvoerPad = invoerPad;
  uit.bestand = std::move(*avond);
  uit.tafels = std::move(tafels);
  uit.paren = LeesPaarLabels(*groep);
  return uit;
}

QStringList InvoerRegels(const AvondBestand &avond, const AvondModel &model) {
  return avond.kop + model.Regels();
}

} // namespace scoring
