// The schema list of the maker's server: any file reads as groups whose names
// are all usable file names in the schema folder, and the spinner offers one
// two-digit pair count per group whose names it finds again.
#include "fuzzsupport.h"

#include "platform/textfile.h"
#include "preparation/schemalijst.h"

using namespace preparation;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  fuzz::programFolder();
  fuzz::writeFile(QStringLiteral("Lijst met speelschemas.txt"), bytes);
  const auto lines = platform::readTextLines(SchemaLijstPad());
  FUZZ_CHECK(lines.has_value());

  const QList<SchemaGroep> groepen = LeesSchemaLijst(*lines);
  qsizetype groepRegels = 0;
  for (const QString &line : *lines)
    groepRegels += line.contains(QStringLiteral("======")) ? 1 : 0;
  FUZZ_CHECK(groepen.size() == groepRegels);
  qsizetype alle = 0;
  for (const SchemaGroep &g : groepen) {
    FUZZ_CHECK(g.paren >= 0);
    for (const QString &naam : g.namen) {
      FUZZ_CHECK(IsVeiligeNaam(naam));
      FUZZ_CHECK(!naam.contains(u'/') && !naam.contains(u'\\') && !naam.contains(u"..") &&
                 !naam.trimmed().isEmpty());
      for (QChar c : naam)
        FUZZ_CHECK(c.unicode() >= 32 && c.unicode() != 127);
    }
    alle += g.namen.size();
  }

  const QStringList spinner = SpinnerLijst(groepen);
  FUZZ_CHECK(spinner.size() == groepen.size());
  qsizetype gevonden = 0;
  QString vorige;
  for (const QString &paren : spinner) {
    FUZZ_CHECK(paren.size() == 2);
    if (paren == vorige)
      continue; // a count offered twice finds its names once
    vorige = paren;
    gevonden += NamenVoorParen(groepen, paren).size();
  }
  // Counts of 100 and more share their last two digits with a smaller one.
  bool klein = true;
  for (const SchemaGroep &g : groepen)
    klein = klein && g.paren < 100;
  if (klein)
    FUZZ_CHECK(gevonden == alle);
  return 0;
}
