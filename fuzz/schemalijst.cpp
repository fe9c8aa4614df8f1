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
  FUZZ_CHECK(groepen.size() <= groepRegels);
  qsizetype alle = 0;
  for (const SchemaGroep &g : groepen) {
    FUZZ_CHECK(g.paren >= 0 && g.paren <= 99);
    for (const QString &naam : g.namen) {
      FUZZ_CHECK(IsVeiligeNaam(naam));
      FUZZ_CHECK(!naam.contains(u'/') && !naam.contains(u'\\') && !naam.contains(u"..") &&
                 !naam.trimmed().isEmpty());
      for (QChar c : naam)
        FUZZ_CHECK(c.unicode() >= 32 && c.unicode() != 127);
    }
    alle += g.namen.size();
  }

  // The download window: one two-digit pair count per group, largest first;
  // shown one by one, they offer every name once.
  SchemaKeuze keuze;
  keuze.laad(*lines);
  FUZZ_CHECK(keuze.spinner == SpinnerLijst(groepen));
  FUZZ_CHECK(keuze.spinner.size() == groepen.size());
  qsizetype gevonden = 0;
  for (int i = 0; i < keuze.spinner.size(); ++i) {
    FUZZ_CHECK(keuze.spinner[i].size() == 2);
    if (i > 0)
      FUZZ_CHECK(keuze.spinner[i - 1] >= keuze.spinner[i]);
    keuze.toon(i);
    FUZZ_CHECK(keuze.paren == keuze.spinner[i]);
    FUZZ_CHECK(keuze.titel().endsWith(u'(' + QString::number(keuze.namen.size()) + u')'));
    if (i == 0 || keuze.spinner[i - 1] != keuze.spinner[i])
      gevonden += keuze.namen.size(); // a count offered twice finds its names once
  }
  FUZZ_CHECK(gevonden == alle);
  keuze.toon(static_cast<int>(keuze.spinner.size()));
  FUZZ_CHECK(keuze.paren.isEmpty());
  return 0;
}
