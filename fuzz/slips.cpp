// The results file of an evening entered per round: any body reads into the
// slips of the evening, and the body written of them reads back into the
// same slips and is written the same. The input is the lines after the
// results file's header.
#include "fuzzsupport.h"

#include "platform/textfile.h"
#include "rounds/openslip.h"
#include "rounds/slipopslag.h"

#include <algorithm>

using namespace rounds;

namespace {

// Six pairs in three rounds of two boards; four pairs with a table where
// nobody sits.
const QStringList kMitchell{"1\t1- 4 (1-4)\t2 - 5     (5-8)\t3- 6 (9-12)",
                            "2\t1- 5 (9-12)\t2- 6 (1-4)\t3- 4 (5-8)",
                            "3\t1- 6 (5-8)\t2- 4 (9-12)\t3- 5 (1-4)"};
const QStringList kLeeg{"1\t1- 2 (1-4)\t3- 4 (5-8)", "2\t1- 3 (5-8)\t2- 4 (9-12)",
                        "3\t1- 4 (9-12)\t-  -  (1-4)", "4\t2- 3 (13-16)"};

RondeSchema maakSchema(const QStringList &schema, int stilzit) {
  return RondeSchema(preparation::RondeTafels(schema, 3, 2), 3, 2, stilzit);
}

// A score text that comes back as it was read: any text without a "|". A
// "|" in a score read on the other side than written would split its field
// elsewhere once written ("~" never stands in a text read).
bool heel(const QString &tekst) { return !tekst.contains(u'|'); }

// The slips of a and b the same: the same orientation, the same boards
// entered, and the same texts where they hold no "|".
bool same(const SlipOpslag &a, const SlipOpslag &b) {
  const RondeSchema &s = a.Schema();
  for (int r = 1; r <= s.AantalRonden(); ++r) {
    for (int t = 0; t < s.Tafels(r).size(); ++t) {
      const TafelPlek plek{r, t};
      if (a.Omgewisseld(plek) != b.Omgewisseld(plek))
        return false;
      const QVector<SlipCel> &x = a.Cellen(plek);
      const QVector<SlipCel> &y = b.Cellen(plek);
      if (x.size() != y.size())
        return false;
      for (qsizetype i = 0; i < x.size(); ++i) {
        if (x[i].ingevoerd != y[i].ingevoerd)
          return false;
        if (heel(x[i].nz) && heel(x[i].ow) && (x[i].nz != y[i].nz || x[i].ow != y[i].ow))
          return false;
      }
    }
  }
  return true;
}

void check(const RondeSchema &schema, int paren, int stilzit, const QStringList &lines) {
  SlipOpslag opslag(schema);
  opslag.LeesRegels(lines);
  const QStringList written = opslag.Regels();
  const int spellen = schema.AantalSpellen();
  // One line a board, then the lines beyond the boards as they stood, but
  // for blank lines at the end.
  QStringList verder = lines.mid(spellen);
  while (!verder.isEmpty() && verder.last().trimmed().isEmpty())
    verder.removeLast();
  FUZZ_CHECK(written.size() >= spellen);
  FUZZ_CHECK(written.mid(spellen) == verder);

  // Read back: the same slips, and from then on the same lines.
  SlipOpslag again(schema);
  again.LeesRegels(written);
  FUZZ_CHECK(same(again, opslag));
  const QStringList writtenAgain = again.Regels();
  if (writtenAgain != written) {
    SlipOpslag third(schema);
    third.LeesRegels(writtenAgain);
    FUZZ_CHECK(same(third, again));
    FUZZ_CHECK(third.Regels() == writtenAgain);
  }

  // A slip whose boards are each entered or empty opens, is left row by row
  // and is taken with Klaar without a change: no step, no message, the same
  // lines.
  const RondeSchema &s = opslag.Schema();
  for (int r = 1; r <= s.AantalRonden(); ++r) {
    for (const int t : s.Slips(r)) {
      const TafelPlek plek{r, t};
      const QVector<SlipCel> &cellen = opslag.Cellen(plek);
      if (!std::all_of(cellen.cbegin(), cellen.cend(), [](const SlipCel &c) {
            return c.ingevoerd || (c.nz.isEmpty() && c.ow.isEmpty());
          }))
        continue;
      OpenSlip slip(opslag, plek);
      for (int i = 0; i < slip.AantalRijen(); ++i)
        FUZZ_CHECK(!slip.Verlaat(i));
      const Herziening herzien = slip.Herzie();
      FUZZ_CHECK(herzien.iFoutRij < 0 && herzien.meldingen.isEmpty());
      SlipOpslag klaar = opslag;
      klaar.ZetSlip(plek, slip.TeBewaren());
      FUZZ_CHECK(klaar.Regels() == written);
    }
  }

  QStringList labels;
  for (int p = 1; p <= paren; ++p)
    labels.append(QString::number(p));
  opslag.Stand(paren, stilzit, labels);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const QStringList lines = platform::splitLines(fuzz::text(bytes));
  static const RondeSchema mitchell = maakSchema(kMitchell, 0);
  static const RondeSchema mitchellStilzit = maakSchema(kMitchell, 6);
  static const RondeSchema leeg = maakSchema(kLeeg, 0);
  check(mitchell, 6, 0, lines);
  check(mitchellStilzit, 6, 6, lines);
  check(leeg, 4, 0, lines);
  return 0;
}
