// Schema files: any file is a schema or not, and IsSchema agrees with the
// tables read from it; every table's board set is mapped onto whole rounds
// of b boards within the R rounds, or plays none; the tables of a board play
// it; the entry per round reads the same tables. A downloaded schema is
// whole when it reads as a schema of the rounds its name gives.
#include "common/orakels.h"
#include "fuzzsupport.h"

#include "frame/bas_zemlo.h"
#include "platform/textfile.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"

#include <algorithm>

using namespace preparation;

namespace {

QString setTekst(int first, int last) {
  return u'(' + QString::number(first) + u'-' + QString::number(last) + u')';
}

void checkTables(const QStringList &rondes, bool isSchema, int r, int b, bool perBoard) {
  const QList<Tafel> tafels = ParenSpellen(rondes, r, b);
  FUZZ_CHECK(isSchema == !tafels.isEmpty());
  qsizetype plays = 0;
  for (const Tafel &t : tafels) {
    FUZZ_CHECK(t.ronde >= 1 && t.ronde <= rondes.size());
    FUZZ_CHECK(t.tafel >= 1);
    FUZZ_CHECK(t.ns >= 1 && t.ns <= 99 && t.ew >= 1 && t.ew <= 99);
    FUZZ_CHECK(t.ewTekst.trimmed() == QString::number(t.ew));
    FUZZ_CHECK(!t.paren.isEmpty() && t.paren == t.paren.trimmed());
    if (t.eersteSpel == 0) {
      FUZZ_CHECK(t.laatsteSpel == 0);
      continue;
    }
    // A whole round of b boards within the evening.
    FUZZ_CHECK(t.eersteSpel >= 1 && t.laatsteSpel <= r * b);
    FUZZ_CHECK(t.laatsteSpel - t.eersteSpel + 1 == b && (t.eersteSpel - 1) % b == 0);
    FUZZ_CHECK(t.veld.contains(setTekst(t.eersteSpel, t.laatsteSpel)));
    plays += b;
  }
  // The fields as the entry per round takes them: every round line, the
  // tables without pairs included; the tables with pairs are those above.
  const QList<QList<TafelVeld>> rondeTafels = RondeTafels(rondes, r, b);
  FUZZ_CHECK(rondeTafels.size() == rondes.size());
  qsizetype metParen = 0;
  for (qsizetype i = 0; i < rondeTafels.size(); ++i) {
    for (const TafelVeld &v : rondeTafels[i]) {
      FUZZ_CHECK(v.ronde == i + 1 && v.tafel >= 1);
      FUZZ_CHECK(v.eersteSpel == 0 ? v.laatsteSpel == 0
                                   : v.eersteSpel >= 1 && v.laatsteSpel <= r * b &&
                                         v.laatsteSpel - v.eersteSpel + 1 == b);
      if (v.zonderParen) {
        FUZZ_CHECK(v.ns == 0 && v.ew == 0);
        continue;
      }
      FUZZ_CHECK(metParen < tafels.size());
      const Tafel &t = tafels[metParen++];
      FUZZ_CHECK(v.ronde == t.ronde && v.tafel == t.tafel && v.ns == t.ns && v.ew == t.ew &&
                 v.eersteSpel == t.eersteSpel && v.laatsteSpel == t.laatsteSpel);
    }
  }
  FUZZ_CHECK(metParen == tafels.size());

  if (!perBoard)
    return;
  // Each table is found for each of its boards, and only for those.
  qsizetype found = 0;
  for (int spel = 1; spel <= r * b; ++spel) {
    for (const Tafel &t : TafelsVoorSpel(tafels, spel)) {
      FUZZ_CHECK(t.eersteSpel <= spel && spel <= t.laatsteSpel);
      ++found;
    }
  }
  FUZZ_CHECK(found == plays);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  fuzz::freshFolder(QStringLiteral("schema/10"));
  const QString naam = QStringLiteral("08 Paren 06 Ronden A");
  fuzz::writeFile(QStringLiteral("schema/10/") + naam + QStringLiteral(".txt"), bytes);

  const QStringList lines = platform::splitLines(fuzz::text(bytes));
  const QStringList regels = SchemaRegels(lines);
  for (const QString &regel : regels)
    FUZZ_CHECK(!regel.trimmed().isEmpty());
  const bool isSchema = IsSchema(lines);
  const auto rondes = LeesSchema(naam);
  FUZZ_CHECK(rondes.has_value() == isSchema);
  if (rondes)
    FUZZ_CHECK(*rondes == regels);
  FUZZ_CHECK(PassendeSchemas(8, 6) == QStringList{naam});

  const int rounds = static_cast<int>(std::clamp<qsizetype>(regels.size(), 3, 12));
  // Four boards a round (the file's own sets), fewer, and more.
  checkTables(regels, isSchema, rounds, 4, false);
  checkTables(regels, isSchema, rounds, 3, true);
  checkTables(regels, isSchema, 12, 9, false);

  // As a downloaded schema: whole when it ends in CR LF, reads as a schema,
  // and holds the rounds its name gives.
  const bool heel = bytes.endsWith("\r\n") && isSchema;
  FUZZ_CHECK(IsHeelSchema(bytes, QStringLiteral("Eigen schema")) == heel);
  FUZZ_CHECK(IsHeelSchema(bytes, naam) == (heel && regels.size() == 6));
  if (regels.size() < 100) {
    const QString eigen = QString::number(regels.size() + 100).right(2) +
                          QStringLiteral(" pairs ") +
                          QString::number(regels.size() + 100).right(2) + QStringLiteral(" ROUNDS");
    FUZZ_CHECK(RondenVanNaam(eigen) == regels.size());
    FUZZ_CHECK(IsHeelSchema(bytes, eigen) == heel);
  }

  for (int r = 3; r <= 12; r += 9) {
    const QStringList lijst = VervangSpelNummers(r, 3);
    FUZZ_CHECK(lijst.size() == r);
    FUZZ_CHECK(lijst.last() == setTekst(4 * r - 3, 4 * r) + u'|' + setTekst(3 * r - 2, 3 * r));
  }
  return 0;
}
