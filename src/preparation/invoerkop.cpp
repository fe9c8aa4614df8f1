#include "preparation/invoerkop.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

namespace preparation {

using BAS_Zemlo::Tekst;

namespace {

// The number at the start of a header line, rounded to a whole number; a
// value far out of range stays out of range.
int getal(const QString &text) {
  const double value = platform::val(text);
  if (value < -1000000 || value > 1000000)
    return -1;
  return static_cast<int>(platform::roundHalfEven(value));
}

} // namespace

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

QStringList InvoerKop::regels() const {
  return {titel, paren, stilzit, ronden, spellen, schema, invoerWijze};
}

std::optional<GelezenKop> LeesInvoerKop(const QString &path) {
  if (BAS_Zemlo::BestandBestaat(path) != 1)
    return std::nullopt;
  const auto lines = platform::readTextLines(path);
  if (!lines || lines->size() < 7)
    return std::nullopt;
  GelezenKop kop;
  kop.regels = lines->mid(0, 7);
  kop.paren = getal(kop.regels[1]);
  kop.stilzit = getal(kop.regels[2]);
  kop.ronden = getal(kop.regels[3]);
  kop.spellen = getal(kop.regels[4]);
  kop.schema = kop.regels[5].trimmed();
  kop.invoerWijze = getal(kop.regels[6]);
  // The number lines must start with a number: "abc" would read as 0.
  const bool paren = kop.paren >= 1 && kop.paren <= 99;
  const bool stilzit = kop.stilzit >= 0 && kop.stilzit <= kop.paren;
  const bool ronden = kop.ronden >= 3 && kop.ronden <= 12;
  const bool spellen = kop.spellen >= 1 && kop.spellen <= 9;
  const QString wijze = kop.regels[6].trimmed();
  const bool invoer = !wijze.isEmpty() && wijze[0].isDigit() &&
                      (kop.invoerWijze == 0 || kop.invoerWijze == 1);
  if (!paren || !stilzit || !ronden || !spellen || !invoer)
    return std::nullopt;
  return kop;
}

bool MaakInvoerBestand(const QString &path, const InvoerKop &kop) {
  if (BAS_Zemlo::BestandBestaat(path) == 1)
    return true;
  return platform::writeTextLines(path, kop.regels());
}

bool SchrijfStart(int iInvoerWijze) {
  return platform::writeTextLines(BAS_Zemlo::Pad(QStringLiteral("start.txt")),
                                  {platform::vbStr(iInvoerWijze) + u' '});
}

int LeesStart() {
  const QString path = BAS_Zemlo::Pad(QStringLiteral("start.txt"));
  if (BAS_Zemlo::BestandBestaat(path) != 1)
    return 0;
  const int value = getal(platform::readFirstLine(path));
  return value == 1 ? 1 : 0;
}

} // namespace preparation
