// The header of a results file and opening an evening from its files for
// either entry window: what is read, the title in the date form of the
// language, whether the schema fits, the line above the boards, and the file
// that stands in the way with its message.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "platform/files.h"
#include "preparation/avond.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace preparation;

namespace {

// A Mitchell for three tables over three rounds of two boards: every board at
// every table, every pair once on every board.
const QByteArray kSchema = "Mitchell 3 tafels\r\n"
                           "1\t1- 2 (1-4)\t3- 4 (5-8)\t5- 6 (9-12)\r\n"
                           "\r\n"
                           "2\t1- 4 (9-12)\t3- 6 (1-4)\t5- 2 (5-8)\r\n"
                           "3\t1- 6 (5-8)\t3- 2 (9-12)\t5- 4 (1-4)\r\n";

QStringList Kop(const QString &paren = "6", const QString &stilzit = "Geen",
                const QString &ronden = "3", const QString &spellen = "2",
                const QString &wijze = "0") {
  return {"08-11-2023 Groep A Uitslag",    paren, stilzit, ronden, spellen,
          " 06 Paren 03 Ronden Mitchell ", wijze};
}

QByteArray Bestand(const QStringList &regels) { return (regels.join("\r\n") + "\r\n").toLatin1(); }

QStringList RondeRegels() { return QString::fromLatin1(kSchema).split("\r\n").mid(1); }

InvoerKop Getallen(int paren, int stilzit, int ronden, int spellen) {
  InvoerKop kop;
  kop.paren = paren;
  kop.stilzit = stilzit;
  kop.ronden = ronden;
  kop.spellen = spellen;
  return kop;
}

} // namespace

class AvondTest : public QObject {
  Q_OBJECT
private slots:
  void init() {
    m_map = std::make_unique<testing::ProgramFolder>();
    BAS_Zemlo::iTaal = 10;
  }
  void cleanup() { m_map.reset(); }

  void kop_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<bool>("gelezen");
    QTest::newRow("as the preparation writes it") << Kop() << true;
    QTest::newRow("with board lines") << Kop() + QStringList{"01*x"} << true;
    QTest::newRow("six lines") << Kop().mid(0, 6) << false;
    QTest::newRow("pairs not a number") << Kop("zes") << false;
    QTest::newRow("pairs beyond 99") << Kop("100") << false;
    QTest::newRow("sit-out beyond the pairs") << Kop("6", "7") << false;
    QTest::newRow("two rounds") << Kop("6", "Geen", "2") << false;
    QTest::newRow("thirteen rounds") << Kop("6", "Geen", "13") << false;
    QTest::newRow("no boards") << Kop("6", "Geen", "3", "0") << false;
    QTest::newRow("ten boards a round") << Kop("6", "Geen", "3", "10") << false;
    QTest::newRow("huge number") << Kop("6", "Geen", "99999999999999999999") << false;
  }
  void kop() {
    QFETCH(QStringList, regels);
    QFETCH(bool, gelezen);
    const auto kop = LeesInvoerKop(regels);
    QCOMPARE(bool(kop), gelezen);
    if (!kop)
      return;
    QCOMPARE(kop->paren, 6);
    QCOMPARE(kop->stilzit, 0);
    QCOMPARE(kop->schema, QString("06 Paren 03 Ronden Mitchell"));
    QCOMPARE(kop->groep(), QString("08-11-2023 Groep A"));
    QCOMPARE(kop->regels, regels.mid(0, 7));
  }

  // The title follows the date form of the language; nothing else of it changes.
  void titel_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("Dutch stays") << 10 << "08-11-2023 Groep A Uitslag"
                                 << "08-11-2023 Groep A Uitslag";
    QTest::newRow("English to Dutch") << 10 << "2023-11-08 Groep A Uitslag"
                                      << "08-11-2023 Groep A Uitslag";
    QTest::newRow("Dutch to English") << 11 << "08-11-2023 Group A Result"
                                      << "2023-11-08 Group A Result";
    QTest::newRow("no date") << 10 << "Clubavond Uitslag"
                             << "Clubavond Uitslag";
    QTest::newRow("no such day") << 10 << "31-02-2023 Groep A Uitslag"
                                 << "31-02-2023 Groep A Uitslag";
    QTest::newRow("short") << 11 << "2023"
                           << "2023";
  }
  void titel() {
    QFETCH(int, taal);
    QFETCH(QString, titel);
    QFETCH(QString, verwacht);
    BAS_Zemlo::iTaal = taal;
    QCOMPARE(TitelInTaal(titel), verwacht);
  }

  void schemaPast() {
    const QStringList rondes = RondeRegels();
    QVERIFY(SchemaPastBijKop(Getallen(6, 0, 3, 2), rondes));
    QVERIFY(SchemaPastBijKop(Getallen(6, 6, 3, 2), rondes));
    QVERIFY(SchemaPastBijKop(Getallen(8, 0, 3, 2), rondes)); // fewer tables than pairs fill

    // What does not fit: pairs beyond the header, more tables than the pairs
    // fill, boards that no table plays, a board that only the sit-out pair plays.
    QVERIFY(!SchemaPastBijKop(Getallen(5, 0, 3, 2), rondes));
    QVERIFY(!SchemaPastBijKop(Getallen(4, 0, 3, 2), {"1\t1- 2 (1-4)\t3- 4 (1-4)\t1- 3 (1-4)"}));
    QVERIFY(!SchemaPastBijKop(Getallen(6, 0, 4, 2), rondes));
    QVERIFY(!SchemaPastBijKop(Getallen(6, 0, 3, 2), {"1\t1- 2 (1-4)\t3- 4 (5-8)"}));
    QVERIFY(!SchemaPastBijKop(Getallen(6, 2, 3, 1),
                              {"1\t1- 2 (1-4)\t3- 4 (5-8)\t5- 6 (5-8)", "2\t3- 4 (9-12)"}));
  }

  void kader_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("stilzit");
    QTest::addColumn<QString>("kader");
    QTest::newRow("Dutch, none")
        << 10 << "Geen"
        << "6 paren. Stilzit: Geen. 3 ronden en 2 spellen. Speelschema: 06 "
           "Paren 03 Ronden Mitchell";
    QTest::newRow("Dutch, pair 6")
        << 10 << "6"
        << "6 paren. Stilzit: paar 6. 3 ronden en 2 spellen. Speelschema: "
           "06 Paren 03 Ronden Mitchell";
    QTest::newRow("English, none") << 11 << "No"
                                   << "6 pairs. Sitting still: No. 3rounds and 2 games. Scheme: 06 "
                                      "Paren 03 Ronden Mitchell";
    QTest::newRow("English, pair 6") << 11 << "6"
                                     << "6 pairs. Sitting still: pair 6. 3rounds and 2 games. "
                                        "Scheme: 06 Paren 03 Ronden Mitchell";
  }
  void kader() {
    QFETCH(int, taal);
    QFETCH(QString, stilzit);
    QFETCH(QString, kader);
    BAS_Zemlo::iTaal = taal;
    const auto kop = LeesInvoerKop(Kop("6", stilzit));
    QVERIFY(kop);
    QCOMPARE(KaderTekst(*kop), kader);
    // A schema name with placeholders in it stays as it is.
    auto vreemd = *kop;
    vreemd.schema = "A!#@$%";
    QVERIFY(KaderTekst(vreemd).endsWith(": A!#@$%"));
  }

  void paden() {
    const AvondPaden p =
        PadenVan("a Uitslag.txt", "08-11-2023 Groep A", " 06 Paren 03 Ronden Mitchell ");
    QCOMPARE(p.invoer.naam, QString("invoer/a Uitslag.txt"));
    QCOMPARE(p.invoer.pad, m_map->path("invoer/a Uitslag.txt"));
    QCOMPARE(p.groep.naam, QString("groepen/08-11-2023 Groep A.txt"));
    QCOMPARE(p.groepMail.pad, m_map->path("groepen/08-11-2023 Groep A.mail"));
    QCOMPARE(p.schema.naam, QString("schema/10/06 Paren 03 Ronden Mitchell.txt"));
    // Found without regard to letter case.
    m_map->write("groepen/08-11-2023 GROEP A.TXT", "x");
    QCOMPARE(PadenVan("a Uitslag.txt", "08-11-2023 Groep A").groep.pad,
             m_map->path("groepen/08-11-2023 GROEP A.TXT"));
    QVERIFY(PadenVan("a Uitslag.txt").groep.pad.isEmpty());
  }

  // The files of an evening, found without regard to letter case; what is
  // missing gives text 141, what cannot be used text 190, a schema that does
  // not fit the header text 207, a file that is there but cannot be read (no
  // permission, a folder of its name) text 210; both ways of entry make the
  // same checks.
  void openen_data() {
    QTest::addColumn<int>("wijze");
    QTest::addColumn<QString>("weg");
    QTest::addColumn<int>("tekst");
    QTest::addColumn<QString>("naam");
    for (const int wijze : {0, 1}) {
      const QByteArray w = wijze == 0 ? "per board: " : "per round: ";
      const auto rij = [&](const char *naam) -> QTestData & {
        return QTest::newRow(w + naam) << wijze;
      };
      rij("all there") << "" << 0 << "";
      rij("results file") << "invoer" << 141 << "invoer/a Uitslag.txt";
      rij("empty results file") << "invoer leeg" << 141 << "invoer/a Uitslag.txt";
      rij("schema") << "schema" << 141 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
      rij("group") << "groep" << 141 << "08-11-2023 Groep A";
      rij("empty group") << "groep leeg" << 141 << "08-11-2023 Groep A";
      rij("header cut short") << "kop" << 190 << "invoer/a Uitslag.txt";
      rij("the other way of entry") << "andere wijze" << 190 << "invoer/a Uitslag.txt";
      rij("group outside its folder") << "groep buiten" << 190 << "invoer/a Uitslag.txt";
      rij("schema outside its folder") << "schema buiten" << 190 << "invoer/a Uitslag.txt";
      rij("title without its word") << "geen woord" << 190 << "invoer/a Uitslag.txt";
      rij("results file unreadable") << "invoer onleesbaar" << 210 << "invoer/a Uitslag.txt";
      rij("results file a folder") << "invoer map" << 210 << "invoer/a Uitslag.txt";
      rij("schema unreadable") << "schema onleesbaar" << 210
                               << "schema/10/06 Paren 03 Ronden Mitchell.txt";
      rij("schema a folder") << "schema map" << 210 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
      rij("group unreadable") << "groep onleesbaar" << 210 << "groepen/08-11-2023 Groep A.txt";
      rij("group a folder") << "groep map" << 210 << "groepen/08-11-2023 Groep A.txt";
      rij("schema that is none") << "geen schema" << 190
                                 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
      // A schema that does not fit is named, never the results file that holds the scores.
      rij("header beyond the schema")
          << "vier ronden" << 207 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
    }
  }
  void openen() {
    QFETCH(int, wijze);
    QFETCH(QString, weg);
    QFETCH(int, tekst);
    QFETCH(QString, naam);
    QStringList kop = Kop("6", "Geen", "3", "2", QString::number(wijze));
    if (weg == "kop")
      kop = kop.mid(0, 5);
    if (weg == "vier ronden")
      kop[3] = "4";
    if (weg == "andere wijze")
      kop[6] = QString::number(1 - wijze);
    if (weg == "groep buiten")
      kop[0] = "../08-11-2023 Groep A Uitslag";
    if (weg == "schema buiten")
      kop[5] = "../10/06 Paren 03 Ronden Mitchell";
    if (weg == "geen woord")
      kop[0] = "08-11-2023 Groep A";
    if (weg == "invoer leeg")
      m_map->write("invoer/A UITSLAG.TXT", "");
    else if (weg == "invoer map")
      QDir().mkpath(m_map->path("invoer/a Uitslag.txt"));
    else if (weg != "invoer")
      m_map->write("invoer/A UITSLAG.TXT", Bestand(kop + QStringList{"01*1|2|||420|-420|4|0"}));
    if (weg == "schema map")
      QDir().mkpath(m_map->path("schema/10/06 Paren 03 Ronden Mitchell.txt"));
    else if (weg != "schema")
      m_map->write("schema/10/06 paren 03 ronden MITCHELL.txt",
                   weg == "geen schema" ? QByteArray("x\r\ny\r\n") : kSchema);
    if (weg == "groep leeg")
      m_map->write("groepen/08-11-2023 groep a.txt", "");
    else if (weg == "groep map")
      QDir().mkpath(m_map->path("groepen/08-11-2023 Groep A.txt"));
    else if (weg != "groep")
      m_map->write("groepen/08-11-2023 groep a.txt", "1| Aa+2| Bb\r\n3| Cc+4| Dd\r\n");
    // Files without read permission, as root sees none.
    if (weg == "invoer onleesbaar")
      platform::setUnreadableFiles({m_map->path("invoer/A UITSLAG.TXT")});
    if (weg == "schema onleesbaar")
      platform::setUnreadableFiles({m_map->path("schema/10/06 paren 03 ronden MITCHELL.txt")});
    if (weg == "groep onleesbaar")
      platform::setUnreadableFiles({m_map->path("groepen/08-11-2023 groep a.txt")});
    QDir().mkpath(m_map->path("invoer"));
    const AvondOpening open = OpenAvond("a Uitslag.txt", wijze);
    QCOMPARE(open.iFoutTekst, tekst);
    QCOMPARE(open.sFoutNaam, naam);
    QCOMPARE(bool(open.avond), tekst == 0);
    if (tekst != 0)
      return;
    const GeopendeAvond &avond = *open.avond;
    QCOMPARE(avond.paden.invoer.pad, m_map->path("invoer/A UITSLAG.TXT"));
    QCOMPARE(avond.paden.invoer.naam, QString("invoer/a Uitslag.txt"));
    QCOMPARE(avond.paden.groep.pad, m_map->path("groepen/08-11-2023 groep a.txt"));
    QCOMPARE(avond.kop.regels, kop);
    QCOMPARE(avond.regels, QStringList{"01*1|2|||420|-420|4|0"});
    QCOMPARE(avond.schemaRegels, QStringList({"1\t1- 2 (1-4)\t3- 4 (5-8)\t5- 6 (9-12)",
                                              "2\t1- 4 (9-12)\t3- 6 (1-4)\t5- 2 (5-8)",
                                              "3\t1- 6 (5-8)\t3- 2 (9-12)\t5- 4 (1-4)"}));
    QCOMPARE(avond.groepRegels, QStringList({"1| Aa+2| Bb", "3| Cc+4| Dd"}));
  }

  // Per board the title takes the date form of the language before the group
  // file is looked up; per round it stays as it stands.
  void titelPerWijze() {
    m_map->write("schema/10/06 Paren 03 Ronden Mitchell.txt", kSchema);
    m_map->write("groepen/08-11-2023 Groep A.txt", "1| Aa+2| Bb\r\n");
    m_map->write("groepen/2023-11-08 Groep A.txt", "1| Aa+2| Bb\r\n");
    for (const int wijze : {0, 1}) {
      QStringList kop = Kop("6", "Geen", "3", "2", QString::number(wijze));
      kop[0] = "2023-11-08 Groep A Uitslag";
      m_map->write("invoer/a Uitslag.txt", Bestand(kop));
      const AvondOpening open = OpenAvond("a Uitslag.txt", wijze);
      QVERIFY(open.avond);
      QCOMPARE(open.avond->kop.regels[0], wijze == 0 ? QString("08-11-2023 Groep A Uitslag")
                                                     : QString("2023-11-08 Groep A Uitslag"));
      QCOMPARE(open.avond->paden.groep.pad,
               m_map->path(wijze == 0 ? "groepen/08-11-2023 Groep A.txt"
                                      : "groepen/2023-11-08 Groep A.txt"));
    }
  }

private:
  std::unique_ptr<testing::ProgramFolder> m_map;
};

#include "avond_test.moc"
ZEMLO_TEST_CLASS(AvondTest)
