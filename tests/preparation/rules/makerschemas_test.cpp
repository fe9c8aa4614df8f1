// The maker's play schemas of server/ZEMLO, read through the program's own
// readers: the list names every file, every movement is fair for every
// number of boards a round, and scripts/install-schemas puts them where both
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
#include <QSet>
#include <QtTest>

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

  bool gedeeld = false;
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
      // A set at two tables of one round only where there are more tables
      // than rounds, and never at more than two.
      for (int n : std::as_const(sets)) {
        QVERIFY(n <= 2);
        if (n > 1) {
          QVERIFY(tafels > ronden);
          gedeeld = true;
        }
      }
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
  // The title says when two tables play one set in a round.
  QCOMPARE(titel.contains(QStringLiteral("duplicated boards")), gedeeld);
  QCOMPARE(titel.contains(QStringLiteral("dubbele spellen")), gedeeld);
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
