// The maker's play schemas of server/ZEMLO, read through the program's own
// readers: the list names every file, every movement is fair for every
// number of boards a round, a Mitchell's East-West pairs move up one table
// every round, a Howell compares its pairs evenly, the title names the
// tables that share a set, and scripts/install-schemas puts them where both
// languages' windows find them.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "platform/textfile.h"
#include "preparation/avond.h"
#include "preparation/invoerkop.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>

using namespace preparation;

namespace {

QString makerMap() { return QStringLiteral(ZEMLO_MAKER_SERVER "/ZEMLO"); }
QString schemaFile(const QString &name) {
  return makerMap() + QStringLiteral("/Schema/") + name + QStringLiteral(".txt");
}

QByteArray readBytes(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The names of the schema files of the maker's folder, sorted.
QStringList makerNames() {
  QStringList names;
  for (const QString &file : QDir(makerMap() + QStringLiteral("/Schema")).entryList(QDir::Files))
    names.append(file.endsWith(QStringLiteral(".txt")) ? file.chopped(4) : file);
  names.sort();
  return names;
}

using TafelPaar = QPair<int, int>;     // two tables (1-based) that share a set
using Delen = QList<QList<TafelPaar>>; // per round, sorted

// "1+2 and 5+6": the pairs of tables of a title.
QList<TafelPaar> tafelParen(const QString &text) {
  QList<TafelPaar> out;
  for (const QString &paar : text.split(QStringLiteral(" and "))) {
    const QStringList t = paar.split(u'+');
    if (t.size() != 2)
      return {};
    out.append({t[0].toInt(), t[1].toInt()});
  }
  std::sort(out.begin(), out.end());
  return out;
}

// What the English half of a title says about sharing: "tables 1+2 share a
// set every round", or "tables sharing a set: round 1 1+2 and 5+6, round 3
// 4+5"; nothing said is no sharing. nullopt when the words do not parse.
std::optional<Delen> genoemdDelen(const QString &titel, int ronden) {
  const QString en = titel.section(QStringLiteral(" / "), 1);
  Delen out(ronden);
  static const QRegularExpression elke(
      QStringLiteral("tables ([0-9+ and]+) share a set every round"));
  static const QRegularExpression per(QStringLiteral("tables sharing a set: ([^;]*)"));
  static const QRegularExpression ronde(QStringLiteral("^round (\\d+) ([0-9+ and]+)$"));
  if (const auto m = elke.match(en); m.hasMatch()) {
    const QList<TafelPaar> paren = tafelParen(m.captured(1));
    if (paren.isEmpty())
      return std::nullopt;
    for (auto &r : out)
      r = paren;
  } else if (const auto m = per.match(en); m.hasMatch()) {
    for (const QString &deel : m.captured(1).split(QStringLiteral(", "))) {
      const auto d = ronde.match(deel);
      const int r = d.captured(1).toInt();
      if (!d.hasMatch() || r < 1 || r > ronden || !out[r - 1].isEmpty())
        return std::nullopt;
      out[r - 1] = tafelParen(d.captured(2));
      if (out[r - 1].isEmpty())
        return std::nullopt;
    }
  }
  return out;
}

// The Mitchells for which no board set movement fits East-West pairs moving
// up one table every round, with the most East-West moves that are not up
// one. The tables that play one set in the evening meet every East-West
// pair once, and with East-West up one the East-West pair of table t in
// round r is t - r: so the rounds of a set's tables sum to 0 modulo the
// tables, and for these sizes no R sets with at most two tables a round fill
// every table of every round (scripts/make-schemas counts every way).
// Their East-West pairs move otherwise once, after one round.
const QMap<QPair<int, int>, int> &geenOpschuiven() {
  static const QMap<QPair<int, int>, int> m{
      {{10, 3}, 3}, {{12, 4}, 3}, {{14, 4}, 3}, {{16, 4}, 2}, {{18, 5}, 5},
      {{20, 6}, 3}, {{22, 6}, 5}, {{24, 6}, 2}, {{26, 7}, 6}, {{26, 8}, 3},
  };
  return m;
}

// The Mitchells whose tables share a set only with a neighbouring table (the
// last and the first are neighbours): a set passed between two tables, the
// relay. For the other sizes with more tables than rounds no such movement
// was found, or it was proven that none exists.
const QSet<QPair<int, int>> &deeltMetBuren() {
  static const QSet<QPair<int, int>> s{
      {12, 6}, {16, 7},  {16, 8},  {18, 6},  {18, 8},  {20, 8}, {20, 9},  {20, 10},
      {22, 9}, {22, 10}, {24, 10}, {24, 11}, {24, 12}, {24, 6}, {26, 12},
  };
  return s;
}

// The Howells with at least as many tables as rounds whose guide-card
// movement leaves a set idle in some round, so that more tables share than
// must; every other such Howell plays every set every round.
const QSet<QPair<int, int>> &howellMetRustendeSet() {
  static const QSet<QPair<int, int>> s{{14, 5}, {14, 6}, {16, 7}};
  return s;
}

bool runInstall(const QString &folder) {
  QProcess p;
  p.start(QStringLiteral("bash"), {QStringLiteral(ZEMLO_SCRIPTS "/install-schemas"), folder});
  return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class TestMakerSchemas : public QObject {
  Q_OBJECT
private slots:
  void init() { BAS_Zemlo::iTaal = 10; }
  void listNamesEveryFile();
  void fair_data();
  void fair();
  void mitchellMovesUpOne_data();
  void mitchellMovesUpOne();
  void howellComparesEvenly_data();
  void howellComparesEvenly();
  void titleNamesSharing_data();
  void titleNamesSharing();
  void nameInLanguage_data();
  void nameInLanguage();
  void installedForBothLanguages();
  void installLeavesDirectorsFiles();
};

void TestMakerSchemas::listNamesEveryFile() {
  const QByteArray bytes = readBytes(makerMap() + QStringLiteral("/Lijst met speelschemas.txt"));
  QVERIFY(!bytes.isEmpty());
  QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
  QVERIFY(bytes.endsWith("\r\n"));
  const QList<SchemaGroep> groepen =
      LeesSchemaLijst(platform::splitLines(platform::decodeAnsi(bytes)));
  // One group for every even number of pairs from 4 to 26, in order.
  QList<int> counts;
  for (const SchemaGroep &g : groepen)
    counts.append(g.paren);
  QCOMPARE(counts, QList<int>({4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26}));
  QStringList listed;
  for (const SchemaGroep &g : groepen) {
    QVERIFY2(!g.namen.isEmpty(), qPrintable(g.tag));
    for (const QString &name : g.namen) {
      const auto ronden = RondenVanNaam(name);
      QVERIFY2(ronden && *ronden >= 3 && *ronden <= 12, qPrintable(name));
      // The name the preparation window looks for, in the Dutch words.
      QVERIFY2(name.startsWith(SchemaPatroon(g.paren, *ronden) + u' '), qPrintable(name));
      QVERIFY2(IsVeiligeNaam(name), qPrintable(name));
      QVERIFY2(IsHeelSchema(readBytes(schemaFile(name)), name), qPrintable(name));
      QVERIFY2(!listed.contains(name), qPrintable(name));
      listed.append(name);
    }
  }
  listed.sort();
  QCOMPARE(listed, makerNames());
}

void TestMakerSchemas::fair_data() {
  QTest::addColumn<QString>("name");
  for (const QString &name : makerNames())
    QTest::newRow(qPrintable(name)) << name;
}

void TestMakerSchemas::fair() {
  QFETCH(QString, name);
  const int paren = name.left(2).toInt();
  const int ronden = name.mid(9, 2).toInt();
  QCOMPARE(RondenVanNaam(name), std::optional<int>(ronden));
  const int tafels = paren / 2;
  const QString soort = name.section(u' ', 4);
  const bool mitchell = soort == QStringLiteral("Mitchell");
  // How often two pairs may meet: once, or K times in a Howell K times round.
  int ontmoetingen = 1;
  if (soort.startsWith(QStringLiteral("Howell ")) && soort.endsWith(u'x'))
    ontmoetingen = soort.mid(7).chopped(1).toInt();
  QVERIFY2(mitchell || soort == QStringLiteral("Howell") || ontmoetingen > 1, qPrintable(soort));

  const auto lines = platform::readTextLines(schemaFile(name));
  QVERIFY(lines && !lines->isEmpty());
  const QString titel = lines->first();
  const QStringList regels = SchemaRegels(*lines);
  QCOMPARE(regels.size(), ronden);

  for (int spellen = 1; spellen <= 9; ++spellen) {
    const QString bij = QStringLiteral("%1 boards a round").arg(spellen);
    const QList<Tafel> alle = ParenSpellen(regels, ronden, spellen);
    const QList<QList<TafelVeld>> perRonde = RondeTafels(regels, ronden, spellen);
    QCOMPARE(alle.size(), ronden * tafels);
    QCOMPARE(perRonde.size(), ronden);
    QMap<int, QSet<int>> gespeeld; // pair: boards played
    QMap<QPair<int, int>, int> ontmoet;
    QList<int> tafelsPerSpel(ronden * spellen + 1, 0);
    QList<int> zonderStilzit(ronden * spellen + 1, 0);
    for (int r = 1; r <= ronden; ++r) {
      QList<int> speelt(paren + 1, 0);
      QMap<int, int> sets;
      int tafel = 0;
      for (const Tafel &t : alle) {
        if (t.ronde != r)
          continue;
        // The reader of the entry per round sees the same table.
        const TafelVeld &v = perRonde[r - 1].value(tafel);
        QVERIFY(!v.zonderParen);
        QCOMPARE(QList<int>({v.ns, v.ew, v.eersteSpel}), QList<int>({t.ns, t.ew, t.eersteSpel}));
        ++tafel;
        QVERIFY(t.ns >= 1 && t.ns <= paren && t.ew >= 1 && t.ew <= paren);
        ++speelt[t.ns];
        ++speelt[t.ew];
        QVERIFY2(t.eersteSpel >= 1 && t.laatsteSpel == t.eersteSpel + spellen - 1, qPrintable(bij));
        ++sets[t.eersteSpel];
        for (int b = t.eersteSpel; b <= t.laatsteSpel; ++b) {
          for (int paar : {t.ns, t.ew}) {
            QVERIFY2(!gespeeld[paar].contains(b), qPrintable(bij));
            gespeeld[paar].insert(b);
          }
          ++tafelsPerSpel[b];
          if (t.ns != paren && t.ew != paren)
            ++zonderStilzit[b];
        }
        const QPair<int, int> paartje(qMin(t.ns, t.ew), qMax(t.ns, t.ew));
        QVERIFY2(++ontmoet[paartje] <= ontmoetingen, qPrintable(bij));
        if (mitchell)
          QVERIFY(t.ns <= tafels && t.ew > tafels);
      }
      QCOMPARE(tafel, tafels);
      QCOMPARE(perRonde[r - 1].size(), tafels);
      // Every pair plays exactly once a round.
      for (int p = 1; p <= paren; ++p)
        QVERIFY2(speelt[p] == 1, qPrintable(QStringLiteral("pair %1 round %2").arg(p).arg(r)));
      // A set at two tables of one round at most (titleNamesSharing checks
      // that the title names them).
      for (int n : std::as_const(sets))
        QVERIFY(n <= 2);
    }
    for (int b = 1; b <= ronden * spellen; ++b) {
      QVERIFY2(tafelsPerSpel[b] >= 2 && tafelsPerSpel[b] <= tafels,
               qPrintable(QStringLiteral("board %1, %2").arg(b).arg(bij)));
      // An odd group, whose pair `paren` sits out, still scores every board.
      if (paren >= 6)
        QVERIFY2(zonderStilzit[b] >= 2, qPrintable(QStringLiteral("board %1").arg(b)));
    }
    InvoerKop kop;
    kop.paren = paren;
    kop.ronden = ronden;
    kop.spellen = spellen;
    QVERIFY(SchemaPastBijKop(kop, regels));
    kop.stilzit = paren;
    QVERIFY(SchemaPastBijKop(kop, regels));
  }
  QVERIFY(!titel.isEmpty());
}

namespace {

// The tables of every round as the entry per round reads them, four boards
// a round: set k of a table is (eersteSpel - 1) / 4.
QList<QList<TafelVeld>> leesRondes(const QString &name, int ronden) {
  const auto lines = platform::readTextLines(schemaFile(name));
  return lines ? RondeTafels(SchemaRegels(*lines), ronden, 4) : QList<QList<TafelVeld>>();
}

enum class Soort { Alle, Mitchell, Anders };

void schemaRijen(Soort soort) {
  QTest::addColumn<QString>("name");
  for (const QString &name : makerNames()) {
    const bool mitchell = name.section(u' ', 4) == QStringLiteral("Mitchell");
    if (soort == Soort::Alle || mitchell == (soort == Soort::Mitchell))
      QTest::newRow(qPrintable(name)) << name;
  }
}

} // namespace

void TestMakerSchemas::mitchellMovesUpOne_data() { schemaRijen(Soort::Mitchell); }

// Every East-West pair goes from table t to table t + 1 (the last to the
// first) every round, so one instruction serves every pair; North-South stay.
void TestMakerSchemas::mitchellMovesUpOne() {
  QFETCH(QString, name);
  const int paren = name.left(2).toInt();
  const int ronden = name.mid(9, 2).toInt();
  const int tafels = paren / 2;
  const auto rondes = leesRondes(name, ronden);
  QCOMPARE(rondes.size(), ronden);
  int anders = 0;
  for (int r = 0; r + 1 < ronden; ++r) {
    QMap<int, int> nu, straks; // East-West pair: table (0-based)
    for (int t = 0; t < tafels; ++t) {
      QCOMPARE(rondes[r][t].ns, t + 1);
      QCOMPARE(rondes[r + 1][t].ns, t + 1);
      nu[rondes[r][t].ew] = t;
      straks[rondes[r + 1][t].ew] = t;
    }
    for (auto it = nu.cbegin(); it != nu.cend(); ++it) {
      QVERIFY(straks.contains(it.key()));
      if (straks[it.key()] != (it.value() + 1) % tafels)
        ++anders;
    }
  }
  const QPair<int, int> maat(paren, ronden);
  if (deeltMetBuren().contains(maat)) {
    for (int r = 0; r < ronden; ++r) {
      QMap<int, QList<int>> opSet; // first board: tables
      for (int t = 0; t < tafels; ++t)
        opSet[rondes[r][t].eersteSpel].append(t);
      for (const QList<int> &delen : std::as_const(opSet))
        if (delen.size() == 2)
          QVERIFY2((delen[1] - delen[0]) % tafels == 1 ||
                       (delen[0] - delen[1] + tafels) % tafels == 1,
                   qPrintable(QStringLiteral("round %1: tables %2 and %3")
                                  .arg(r + 1)
                                  .arg(delen[0] + 1)
                                  .arg(delen[1] + 1)));
    }
  }
  if (geenOpschuiven().contains(maat)) {
    QVERIFY2(anders > 0 && anders <= geenOpschuiven()[maat], qPrintable(QString::number(anders)));
    // The title tells the director which pairs move otherwise.
    const auto lines = platform::readTextLines(schemaFile(name));
    QVERIFY(
        lines->first().contains(QStringLiteral("East-West move up one table, except after round")));
  } else {
    QCOMPARE(anders, 0);
  }
}

void TestMakerSchemas::howellComparesEvenly_data() { schemaRijen(Soort::Anders); }

// For every two pairs, the number of sets on which both played in the same
// direction (each at its own table): its standard deviation over all pairs
// of pairs stays at 1.25 at most, and no pair sits one way all evening but
// one pair that stays at its table.
void TestMakerSchemas::howellComparesEvenly() {
  QFETCH(QString, name);
  const int paren = name.left(2).toInt();
  const int ronden = name.mid(9, 2).toInt();
  if (paren < 6)
    QSKIP("two tables: every pair meets every other");
  const auto rondes = leesRondes(name, ronden);
  QCOMPARE(rondes.size(), ronden);
  // richting[p][k]: +1 North-South, -1 East-West on set k, 0 not played.
  QList<QList<int>> richting(paren + 1, QList<int>(ronden, 0));
  QList<QSet<int>> kanten(paren + 1), tafelsVan(paren + 1);
  for (const auto &ronde : rondes) {
    for (const TafelVeld &v : ronde) {
      const int k = (v.eersteSpel - 1) / 4;
      QVERIFY(k >= 0 && k < ronden);
      richting[v.ns][k] = 1;
      richting[v.ew][k] = -1;
      kanten[v.ns].insert(1);
      kanten[v.ew].insert(-1);
      tafelsVan[v.ns].insert(v.tafel);
      tafelsVan[v.ew].insert(v.tafel);
    }
  }
  QList<int> waarden;
  for (int p = 1; p <= paren; ++p)
    for (int q = p + 1; q <= paren; ++q) {
      int n = 0;
      for (int k = 0; k < ronden; ++k)
        n += richting[p][k] != 0 && richting[p][k] == richting[q][k];
      waarden.append(n);
    }
  double som = 0;
  for (int w : std::as_const(waarden))
    som += w;
  const double gemiddeld = som / waarden.size();
  double kwadraten = 0;
  for (int w : std::as_const(waarden))
    kwadraten += (w - gemiddeld) * (w - gemiddeld);
  const double spreiding = std::sqrt(kwadraten / waarden.size());
  QVERIFY2(spreiding <= 1.25, qPrintable(QString::number(spreiding)));
  if (paren / 2 >= ronden && !howellMetRustendeSet().contains({paren, ronden})) {
    for (int r = 0; r < ronden; ++r) {
      QSet<int> sets;
      for (const TafelVeld &v : rondes[r])
        sets.insert(v.eersteSpel);
      QVERIFY2(sets.size() == ronden, qPrintable(QStringLiteral("round %1").arg(r + 1)));
    }
  }
  QList<int> eenKant;
  for (int p = 1; p <= paren; ++p)
    if (kanten[p].size() == 1)
      eenKant.append(p);
  QVERIFY2(eenKant.size() <= 1, qPrintable(QString::number(eenKant.size())));
  for (int p : std::as_const(eenKant))
    QVERIFY2(tafelsVan[p].size() == 1, qPrintable(QString::number(p)));
}

void TestMakerSchemas::titleNamesSharing_data() { schemaRijen(Soort::Alle); }

// Two tables play one set in a round only where the title says so, and the
// title names exactly those tables.
void TestMakerSchemas::titleNamesSharing() {
  QFETCH(QString, name);
  const int ronden = name.mid(9, 2).toInt();
  const auto lines = platform::readTextLines(schemaFile(name));
  QVERIFY(lines && !lines->isEmpty());
  const auto genoemd = genoemdDelen(lines->first(), ronden);
  QVERIFY2(genoemd, qPrintable(lines->first()));
  const auto rondes = leesRondes(name, ronden);
  QCOMPARE(rondes.size(), ronden);
  Delen echt(ronden);
  for (int r = 0; r < ronden; ++r) {
    QMap<int, QList<int>> opSet;
    for (const TafelVeld &v : rondes[r])
      opSet[v.eersteSpel].append(v.tafel);
    for (const QList<int> &tafels : std::as_const(opSet))
      if (tafels.size() == 2)
        echt[r].append({qMin(tafels[0], tafels[1]), qMax(tafels[0], tafels[1])});
    std::sort(echt[r].begin(), echt[r].end());
  }
  QCOMPARE(*genoemd, echt);
  // Both halves of the title speak of it.
  const bool gedeeld =
      std::any_of(echt.cbegin(), echt.cend(), [](const auto &r) { return !r.isEmpty(); });
  QCOMPARE(lines->first().section(QStringLiteral(" / "), 0, 0).contains(QStringLiteral("delen")),
           gedeeld);
}

void TestMakerSchemas::nameInLanguage_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("kept");
  QTest::newRow("nl") << 10 << "08 Paren 06 Ronden Howell"
                      << "08 Paren 06 Ronden Howell";
  QTest::newRow("nl, English words") << 10 << "08 Pairs 06 Rounds Howell"
                                     << "08 Pairs 06 Rounds Howell";
  QTest::newRow("en") << 11 << "08 Paren 06 Ronden Howell"
                      << "08 Pairs 06 Rounds Howell";
  QTest::newRow("en, lower case") << 11 << "10 paren 09 ronden Howell 2x"
                                  << "10 Pairs 09 Rounds Howell 2x";
  QTest::newRow("en, no movement name") << 11 << "08 Paren 06 Ronden"
                                        << "08 Pairs 06 Rounds";
  QTest::newRow("en, English already") << 11 << "08 Pairs 06 Rounds E"
                                       << "08 Pairs 06 Rounds E";
  QTest::newRow("en, another form") << 11 << "S1"
                                    << "S1";
  QTest::newRow("en, other words") << 11 << "08 Paren 06 Rondes x"
                                   << "08 Paren 06 Rondes x";
}

void TestMakerSchemas::nameInLanguage() {
  QFETCH(int, taal);
  QFETCH(QString, name);
  QFETCH(QString, kept);
  BAS_Zemlo::iTaal = taal;
  QCOMPARE(SchemaNaamInTaal(name), kept);
}

void TestMakerSchemas::installedForBothLanguages() {
  testing::ProgramFolder folder;
  QVERIFY(runInstall(folder.path()));
  const QStringList names = makerNames();
  for (int taal : {10, 11}) {
    BAS_Zemlo::iTaal = taal;
    QCOMPARE(QDir(SchemaMap()).entryList(QDir::Files).size(), names.size());
    for (const QString &name : names) {
      const QString local = SchemaNaamInTaal(name);
      const int paren = name.left(2).toInt();
      const int ronden = name.mid(9, 2).toInt();
      QVERIFY2(PassendeSchemas(paren, ronden).contains(local), qPrintable(local));
      QCOMPARE(LeesSchema(local), std::optional<QStringList>(
                                      SchemaRegels(*platform::readTextLines(schemaFile(name)))));
    }
  }
  // A group of seven pairs (eight with the sit-out pair) for six rounds.
  BAS_Zemlo::iTaal = 10;
  QVERIFY(PassendeSchemas(8, 6).contains(QStringLiteral("08 Paren 06 Ronden Howell")));
  BAS_Zemlo::iTaal = 11;
  QVERIFY(PassendeSchemas(8, 6).contains(QStringLiteral("08 Pairs 06 Rounds Howell")));
}

void TestMakerSchemas::installLeavesDirectorsFiles() {
  testing::ProgramFolder folder;
  const QString eigen = QStringLiteral("schema/10/08 Paren 06 Ronden Howell.txt");
  folder.write(eigen, "Eigen\r\n1\t1- 2 (1-4)\r\n");
  QVERIFY(runInstall(folder.path()));
  // The Dutch folder held a schema: nothing added, nothing replaced.
  QCOMPARE(QDir(folder.path("schema/10")).entryList(QDir::Files).size(), 1);
  QCOMPARE(folder.read(eigen), QByteArray("Eigen\r\n1\t1- 2 (1-4)\r\n"));
  const QStringList english = QDir(folder.path("schema/11")).entryList(QDir::Files);
  QCOMPARE(english.size(), makerNames().size());
  // A second run changes nothing: an edited file stays, a deleted one stays away.
  const QString edited = QStringLiteral("schema/11/08 Pairs 06 Rounds Howell.txt");
  folder.write(edited, "Mine\r\n1\t1- 2 (1-4)\r\n");
  QVERIFY(QFile::remove(folder.path(QStringLiteral("schema/11/") + english.first())));
  QVERIFY(runInstall(folder.path()));
  QCOMPARE(folder.read(edited), QByteArray("Mine\r\n1\t1- 2 (1-4)\r\n"));
  QVERIFY(!folder.exists(QStringLiteral("schema/11/") + english.first()));
  QCOMPARE(QDir(folder.path("schema/10")).entryList(QDir::Files).size(), 1);
}

#include "makerschemas_test.moc"
ZEMLO_TEST_CLASS(TestMakerSchemas)
