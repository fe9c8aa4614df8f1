// The board lines of a results file: any line is a board line of the evening
// or not; one that is reads back the same once written; and what the entry
// window keeps of the lines it read, finished again and written, it reads
// back the same. The input is the lines after the results file's header.
#include "common/orakels.h"
#include "fuzzsupport.h"

#include "platform/textfile.h"
#include "scoring/avondmodel.h"
#include "scoring/spelregel.h"

using namespace scoring;

namespace {

// Eight pairs at four tables, two rounds of two boards; and six pairs at
// three tables of which pair 6 sits out, one round of two boards.
const AvondKop kKop{8, 0, 2, 2};
const QVector<TafelParen> kRonde1{{7, 8}, {1, 2}, {5, 6}, {3, 4}};
const QVector<TafelParen> kRonde2{{1, 3}, {2, 4}, {5, 7}, {6, 8}};
const QVector<QVector<TafelParen>> kTafels{kRonde1, kRonde1, kRonde2, kRonde2};
const AvondKop kStilzitKop{6, 6, 1, 2};
const QVector<QVector<TafelParen>> kStilzitTafels{{{1, 2}, {5, 6}, {3, 4}},
                                                  {{1, 2}, {5, 6}, {3, 4}}};

bool same(const SpelRegel &a, const SpelRegel &b) {
  if (a.iSpel != b.iSpel || a.rijen.size() != b.rijen.size())
    return false;
  for (qsizetype i = 0; i < a.rijen.size(); ++i) {
    const SpelRegelRij &x = a.rijen[i];
    const SpelRegelRij &y = b.rijen[i];
    if (x.nz != y.nz || x.ow != y.ow || x.scoreNZ != y.scoreNZ || x.scoreOW != y.scoreOW ||
        x.mpNZ != y.mpNZ || x.mpOW != y.mpOW)
      return false;
  }
  return true;
}

bool same(const QVector<SpelRij> &a, const QVector<SpelRij> &b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    const SpelRij &x = a[i];
    const SpelRij &y = b[i];
    if (x.nz != y.nz || x.ow != y.ow || x.omgewisseld != y.omgewisseld || x.doetMee != y.doetMee ||
        x.scoreNZ != y.scoreNZ || x.scoreOW != y.scoreOW || x.mpNZ != y.mpNZ || x.mpOW != y.mpOW)
      return false;
  }
  return true;
}

void checkLine(const QString &line, int spellen, int paren) {
  const auto regel = LeesSpelRegel(line, spellen, paren);
  if (!regel)
    return;
  FUZZ_CHECK(regel->iSpel >= 1 && regel->iSpel <= spellen);
  FUZZ_CHECK(SpelNummerVan(line) == regel->iSpel);
  for (const SpelRegelRij &rij : regel->rijen)
    FUZZ_CHECK(rij.nz >= 0 && rij.nz <= paren && rij.ow >= 0 && rij.ow <= paren);
  const QString written = SchrijfSpelRegel(*regel);
  const auto again = LeesSpelRegel(written, spellen, paren);
  FUZZ_CHECK(again && same(*again, *regel));
  FUZZ_CHECK(SchrijfSpelRegel(*again) == written);
}

void checkEvening(const AvondKop &kop, const QVector<QVector<TafelParen>> &tafels,
                  const QStringList &lines) {
  AvondModel model(kop, tafels);
  model.LeesRegels(lines);
  // Lines not read stay as they were; a finished board's line is scored again
  // in its place.
  FUZZ_CHECK(model.Regels().size() == lines.size());
  const QVector<int> ongelezen = OngelezenRegels(model);
  FUZZ_CHECK(lines.size() - ongelezen.size() <= model.AantalSpellen());
  for (int i : ongelezen)
    FUZZ_CHECK(i >= 0 && i < lines.size() && model.Regels()[i] == lines[i]);

  // A board named as not read has no line read and opens empty; a line not
  // read begins with its number.
  const QVector<int> onleesbaar = model.OnleesbareSpellen();
  for (int spel : onleesbaar) {
    FUZZ_CHECK(spel >= 1 && spel <= model.AantalSpellen() && !model.IsKlaar(spel));
    for (const SpelRij &rij : model.Rijen(spel))
      FUZZ_CHECK(rij.scoreNZ.isEmpty() && rij.scoreOW.isEmpty());
    bool gevonden = false;
    for (int i : ongelezen)
      gevonden = gevonden || SpelNummerVan(lines[i]) == spel;
    FUZZ_CHECK(gevonden);
  }

  // Every finished board finished again: the lines written then read afresh
  // give the same boards.
  for (int spel = 1; spel <= model.AantalSpellen(); ++spel)
    if (model.IsKlaar(spel))
      FUZZ_CHECK(model.SpelKlaar(spel));
  AvondModel again(kop, tafels);
  again.LeesRegels(model.Regels());
  for (int spel = 1; spel <= model.AantalSpellen(); ++spel) {
    FUZZ_CHECK(again.IsKlaar(spel) == model.IsKlaar(spel));
    if (model.IsKlaar(spel))
      FUZZ_CHECK(same(again.Rijen(spel), model.Rijen(spel)));
  }

  // The boards not read finished: each line takes the place of the first
  // line of its board, no other line changes, and read afresh each of them
  // is finished and none is named again.
  const QStringList voor = model.Regels();
  int trek = 0;
  for (int spel : onleesbaar)
    FUZZ_CHECK(model.VulVoorbeeld(spel, [&trek] { return trek++ % 10; }));
  const QStringList na = model.Regels();
  FUZZ_CHECK(na.size() == voor.size());
  QVector<int> vervangen;
  for (qsizetype i = 0; i < voor.size(); ++i) {
    if (na[i] == voor[i])
      continue;
    const int spel = SpelNummerVan(voor[i]);
    FUZZ_CHECK(onleesbaar.contains(spel) && !vervangen.contains(spel) &&
               SpelNummerVan(na[i]) == spel);
    vervangen.append(spel);
  }
  FUZZ_CHECK(vervangen.size() == onleesbaar.size());
  AvondModel afresh(kop, tafels);
  afresh.LeesRegels(na);
  FUZZ_CHECK(afresh.OnleesbareSpellen().isEmpty());
  for (int spel : onleesbaar)
    FUZZ_CHECK(afresh.IsKlaar(spel));

  // The result of the evening from the lines.
  QStringList labels;
  for (int p = 1; p <= kop.intAantalParen; ++p)
    labels.append(QString::number(p));
  UitslagVanRegels(kop, tafels, labels, lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const QStringList lines = platform::splitLines(fuzz::text(bytes));
  for (const QString &line : lines) {
    checkLine(line, 4, 8);
    checkLine(line, 108, 99);
  }
  checkEvening(kKop, kTafels, lines);
  checkEvening(kStilzitKop, kStilzitTafels, lines);
  return 0;
}
