// An evening for the entry per board: the schema's tables for every board,
// the texts shown of it, and the evening made from its opened files.
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
  }

  void teksten_data() {
    QTest::addColumn<int>("taal");
    QTest::newRow("Dutch") << 10;
    QTest::newRow("English") << 11;
  }
  void teksten() {
    QFETCH(int, taal);
    BAS_Zemlo::iTaal = taal;
    QCOMPARE(VensterTitel("08-11-2023 Groep A.txt"),
             taal == 10 ? QString("Invoer scores per spel (08-11-2023 Groep A)")
                        : QString("Input scores per game (08-11-2023 Groep A)"));
    const KopTeksten kop = ResultaatKop();
    QCOMPARE(kop.nr, taal == 10 ? QString("Nr") : QString("No"));
  }

  // An evening opened from its files, as the entry per board keeps it.
  void openen() {
    m_map->write("invoer/A UITSLAG.TXT", Bestand(Kop() + QStringList{"01*1|2|||420|-420|4|0"}));
    m_map->write("schema/10/06 paren 03 ronden MITCHELL.txt", kSchema);
    m_map->write("groepen/08-11-2023 groep a.txt", "1| Aa+2| Bb\r\n3| Cc+4| Dd\r\n");
    const preparation::AvondOpening open = preparation::OpenAvond("a Uitslag.txt", 0);
    QVERIFY(open.avond);
    const SpelAvond avond = MaakSpelAvond(*open.avond);
    QCOMPARE(avond.bestanden.paden.invoer.pad, m_map->path("invoer/A UITSLAG.TXT"));
    QCOMPARE(avond.bestanden.regels, QStringList{"01*1|2|||420|-420|4|0"});
    QCOMPARE(avond.getallen.intAantalParen, 6);
    QCOMPARE(avond.getallen.intAantalRonden, 3);
    QCOMPARE(avond.tafels.size(), 6);
    QCOMPARE(avond.paren.labels, QStringList({"1.  Aa -  Bb ", "2.  Cc -  Dd "}));
    QCOMPARE(avond.paren.voorMail, QStringList({"Aa", "Bb", "Cc", "Dd"}));
  }

private:
  std::unique_ptr<testing::ProgramFolder> m_map;
};

#include "avondbestand_test.moc"
ZEMLO_TEST_CLASS(AvondBestandTest)
