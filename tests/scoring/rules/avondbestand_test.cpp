// Opening an evening for the entry per board: the header of the results
// file, the schema's tables for every board, the texts shown of them, and the
// files that are missing or cannot be used.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "scoring/avondbestand.h"

#include <QDir>
#include <QTest>

using namespace scoring;

namespace {

// A Mitchell for three tables over three rounds of two boards: every board at
// every table, every pair once on every board.
const QByteArray kSchema = "Mitchell 3 tafels\r\n"
                           "1\t1- 2 (1-4)\t3- 4 (5-8)\t5- 6 (9-12)\r\n"
                           "\r\n"
                           "2\t1- 4 (9-12)\t3- 6 (1-4)\t5- 2 (5-8)\r\n"
                           "3\t1- 6 (5-8)\t3- 2 (9-12)\t5- 4 (1-4)\r\n";

QStringList Kop(const QString &paren = "6", const QString &stilzit = "Geen",
                const QString &ronden = "3", const QString &spellen = "2") {
  return {"08-11-2023 Groep A Uitslag",    paren, stilzit, ronden, spellen,
          " 06 Paren 03 Ronden Mitchell ", "0"};
}

QByteArray Bestand(const QStringList &regels) { return (regels.join("\r\n") + "\r\n").toLatin1(); }

} // namespace

class AvondBestandTest : public QObject {
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
    const auto avond = LeesAvondBestand(regels);
    QCOMPARE(bool(avond), gelezen);
    if (!avond)
      return;
    QCOMPARE(avond->getallen.intAantalParen, 6);
    QCOMPARE(avond->getallen.intStilzitPaar, 0);
    QCOMPARE(avond->schema, QString("06 Paren 03 Ronden Mitchell"));
    QCOMPARE(avond->groepNaam, QString("08-11-2023 Groep A"));
    QCOMPARE(avond->kop.size(), 7);
    QCOMPARE(avond->regels, regels.mid(7));
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

  void tafels() {
    const QStringList rondes = QString::fromLatin1(kSchema).split("\r\n").mid(1);
    const auto tafels = TafelsPerSpel(rondes, 3, 2);
    QCOMPARE(tafels.size(), 6);
    const auto paren = [](const QVector<TafelParen> &spel) {
      QStringList uit;
      for (const TafelParen &t : spel)
        uit.append(QString("%1-%2").arg(t.nz).arg(t.ow));
      return uit;
    };
    QCOMPARE(paren(tafels.at(0)), QStringList({"1-2", "3-6", "5-4"}));
    QCOMPARE(paren(tafels.at(1)), paren(tafels.at(0)));
    QCOMPARE(paren(tafels.at(2)), QStringList({"3-4", "5-2", "1-6"}));
    QCOMPARE(paren(tafels.at(5)), QStringList({"5-6", "1-4", "3-2"}));
    QVERIFY(SchemaPastBijKop({6, 0, 3, 2}, tafels));
    QVERIFY(SchemaPastBijKop({6, 6, 3, 2}, tafels));
    QVERIFY(SchemaPastBijKop({8, 0, 3, 2}, tafels)); // fewer tables than pairs fill

    // What does not fit: pairs beyond the header, more tables than the pairs
    // fill, boards that no table plays, a board that only the sit-out pair plays.
    QVERIFY(!SchemaPastBijKop({5, 0, 3, 2}, tafels));
    QVERIFY(!SchemaPastBijKop({4, 0, 3, 2},
                              TafelsPerSpel({"1\t1- 2 (1-4)\t3- 4 (1-4)\t1- 3 (1-4)"}, 3, 2)));
    QVERIFY(!SchemaPastBijKop({6, 0, 4, 2}, TafelsPerSpel(rondes, 4, 2)));
    QVERIFY(!SchemaPastBijKop({6, 0, 3, 2}, TafelsPerSpel({"1\t1- 2 (1-4)\t3- 4 (5-8)"}, 3, 2)));
    QVERIFY(!SchemaPastBijKop(
        {6, 2, 3, 1},
        TafelsPerSpel({"1\t1- 2 (1-4)\t3- 4 (5-8)\t5- 6 (5-8)", "2\t3- 4 (9-12)"}, 3, 1)));
  }

  void teksten_data() {
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
  void teksten() {
    QFETCH(int, taal);
    QFETCH(QString, stilzit);
    QFETCH(QString, kader);
    BAS_Zemlo::iTaal = taal;
    const auto avond = LeesAvondBestand(Kop("6", stilzit));
    QVERIFY(avond);
    QCOMPARE(KaderTekst(*avond), kader);
    // A schema name with placeholders in it stays as it is.
    auto vreemd = *avond;
    vreemd.schema = "A!#@$%";
    QVERIFY(KaderTekst(vreemd).endsWith(": A!#@$%"));
    QCOMPARE(VensterTitel("08-11-2023 Groep A.txt"),
             taal == 10 ? QString("Invoer scores per spel (08-11-2023 Groep A)")
                        : QString("Input scores per game (08-11-2023 Groep A)"));
    const KopTeksten kop = ResultaatKop();
    QCOMPARE(kop.nr, taal == 10 ? QString("Nr") : QString("No"));
  }

  // The files of an evening, found without regard to letter case; what is
  // missing gives text 141, what cannot be used text 190.
  void openen_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<int>("tekst");
    QTest::addColumn<QString>("naam");
    QTest::newRow("all there") << "" << 0 << "";
    QTest::newRow("results file") << "invoer" << 141 << "invoer/a Uitslag.txt";
    QTest::newRow("schema") << "schema" << 141 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
    QTest::newRow("group") << "groep" << 141 << "08-11-2023 Groep A";
    QTest::newRow("empty group") << "groep leeg" << 141 << "08-11-2023 Groep A";
    QTest::newRow("header cut short") << "kop" << 190 << "invoer/a Uitslag.txt";
    QTest::newRow("schema that is none")
        << "geen schema" << 190 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
    QTest::newRow("header beyond the schema") << "vier ronden" << 190 << "invoer/a Uitslag.txt";
  }
  void openen() {
    QFETCH(QString, weg);
    QFETCH(int, tekst);
    QFETCH(QString, naam);
    QStringList kop = Kop();
    if (weg == "kop")
      kop = kop.mid(0, 5);
    if (weg == "vier ronden")
      kop[3] = "4";
    if (weg != "invoer")
      m_map->write("invoer/A UITSLAG.TXT", Bestand(kop + QStringList{"01*1|2|||420|-420|4|0"}));
    if (weg != "schema")
      m_map->write("schema/10/06 paren 03 ronden MITCHELL.txt",
                   weg == "geen schema" ? QByteArray("x\r\ny\r\n") : kSchema);
    if (weg == "groep leeg")
      m_map->write("groepen/08-11-2023 groep a.txt", "");
    else if (weg != "groep")
      m_map->write("groepen/08-11-2023 groep a.txt", "1| Aa+2| Bb\r\n3| Cc+4| Dd\r\n");
    QDir().mkpath(m_map->path("invoer"));
    const GeopendeAvond avond = OpenAvond("a Uitslag.txt");
    QCOMPARE(avond.iFoutTekst, tekst);
    QCOMPARE(avond.sFoutNaam, naam);
    if (tekst != 0)
      return;
    QCOMPARE(avond.sInvoerPad, m_map->path("invoer/A UITSLAG.TXT"));
    QCOMPARE(avond.bestand.regels, QStringList{"01*1|2|||420|-420|4|0"});
    QCOMPARE(avond.tafels.size(), 6);
    QCOMPARE(avond.paren.labels, QStringList({"1.  Aa -  Bb ", "2.  Cc -  Dd "}));
    QCOMPARE(avond.paren.voorMail, QStringList({"Aa", "Bb", "Cc", "Dd"}));
  }

private:
  std::unique_ptr<testing::ProgramFolder> m_map;
};

#include "avondbestand_test.moc"
ZEMLO_TEST_CLASS(AvondBestandTest)
