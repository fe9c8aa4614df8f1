#include "scoring/avondbestand.h"

#include "frame/bas_zemlo.h"
#include "preparation/schema.h"

namespace scoring {

using BAS_Zemlo::Tekst;

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

AvondKop KopGetallen(const preparation::InvoerKop &kop) {
  return {kop.paren, kop.stilzit, kop.ronden, kop.spellen};
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

SpelAvond MaakSpelAvond(const preparation::GeopendeAvond &bestanden) {
  SpelAvond avond;
  avond.bestanden = bestanden;
  avond.getallen = KopGetallen(bestanden.kop);
  avond.tafels = TafelsPerSpel(bestanden.schemaRegels, bestanden.kop.ronden, bestanden.kop.spellen);
  avond.paren = LeesPaarLabels(bestanden.groepRegels);
  return avond;
}

QStringList InvoerRegels(const SpelAvond &avond, const AvondModel &model) {
  return avond.bestanden.kop.regels + model.Regels();
}

} // namespace scoring
