#include "preparation/invoerkop.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QDate>

namespace preparation {

using BAS_Zemlo::Tekst;

QString InvoerNaam(const QString &sGroepBestand) {
  const qsizetype dot = sGroepBestand.indexOf(u'.');
  if (dot < 0)
    return sGroepBestand + u' ' + Tekst(70) + QStringLiteral(".txt");
  return sGroepBestand.left(dot) + u' ' + Tekst(70) + u'.' + sGroepBestand.mid(dot + 1);
}

std::optional<QString> GroepNaamVan(const QString &titel) {
  const qsizetype at = titel.indexOf(u' ' + Tekst(70));
  if (at < 0)
    return std::nullopt;
  return titel.left(at);
}

InvoerKop InvoerKop::Nieuw(const QStringList &regels) {
  if (auto kop = LeesInvoerKop(regels))
    return *kop;
  InvoerKop kop;
  kop.regels = regels;
  return kop;
}

std::optional<QString> InvoerKop::groep() const { return GroepNaamVan(regels.value(0)); }

std::optional<InvoerKop> LeesInvoerKop(const QStringList &lines) {
  if (lines.size() < 7)
    return std::nullopt;
  InvoerKop kop;
  kop.regels = lines.mid(0, 7);
  kop.schema = kop.regels[5].trimmed();
  // Each number is taken only within its range: pairs 1 to 99, the sit-out
  // pair 0 (a word reads as 0) to the pairs, rounds 3 to 12, boards 1 to 9,
  // the way of entry 0 or 1, which must start the line ("abc" reads as 0).
  const auto paren = platform::readInt(kop.regels[1], 1, 99);
  const auto stilzit = platform::readInt(kop.regels[2], 0, paren.value_or(0));
  const auto ronden = platform::readInt(kop.regels[3], 3, 12);
  const auto spellen = platform::readInt(kop.regels[4], 1, 9);
  const QString wijze = kop.regels[6].trimmed();
  const auto invoer =
      !wijze.isEmpty() && wijze[0].isDigit() ? platform::readInt(wijze, 0, 1) : std::nullopt;
  if (!paren || !stilzit || !ronden || !spellen || !invoer)
    return std::nullopt;
  kop.paren = *paren;
  kop.stilzit = *stilzit;
  kop.ronden = *ronden;
  kop.spellen = *spellen;
  kop.invoerWijze = *invoer;
  return kop;
}

std::optional<InvoerKop> LeesInvoerKop(const QString &path) {
  if (BAS_Zemlo::BestandBestaat(path) != 1)
    return std::nullopt;
  const auto lines = platform::readTextLines(path);
  if (!lines)
    return std::nullopt;
  return LeesInvoerKop(*lines);
}

bool MaakInvoerBestand(const QString &path, const InvoerKop &kop) {
  if (BAS_Zemlo::BestandBestaat(path) == 1)
    return true;
  return platform::writeTextLines(path, kop.regels);
}

QString TitelInTaal(const QString &titel) {
  const std::optional<QDate> datum = BAS_Zemlo::LeesDatum(titel.left(10));
  if (!datum)
    return titel;
  return BAS_Zemlo::DatumTekst(*datum) + titel.mid(10);
}

QString KaderTekst(const InvoerKop &kop) {
  // Without a sit-out pair the line shows the sit-out line ("Geen") alone,
  // without the word for pair before it.
  const QString stilzitRegel = kop.regels.value(2);
  QString sjabloon = Tekst(73);
  if (platform::val(stilzitRegel) == 0) {
    sjabloon.replace(QStringLiteral("paar #"), QStringLiteral("#"));
    sjabloon.replace(QStringLiteral("pair #"), QStringLiteral("#"));
  }
  return BAS_Zemlo::VulIn(sjabloon, {{u'!', QString::number(kop.paren)},
                                     {u'#', stilzitRegel},
                                     {u'@', QString::number(kop.ronden)},
                                     {u'$', QString::number(kop.spellen)},
                                     {u'%', kop.schema}});
}

bool SchrijfStart(int iInvoerWijze) {
  return platform::writeTextLines(BAS_Zemlo::Pad(QStringLiteral("start.txt")),
                                  {platform::vbStr(iInvoerWijze) + u' '});
}

int LeesStart() {
  const QString path = BAS_Zemlo::Pad(QStringLiteral("start.txt"));
  if (BAS_Zemlo::BestandBestaat(path) != 1)
    return 0;
  // Anything but 1, a number out of range included, is entry per board.
  return platform::readInt(platform::readFirstLine(path), 0, 1).value_or(0);
}

} // namespace preparation
