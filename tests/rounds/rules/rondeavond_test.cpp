// Opening an evening entered per round from its files, or refusing it with
// the file that stands in the way; saving it whole.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "rounds/rondeavond.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace rounds;

namespace {

QByteArray Fixture(const char *naam) {
  QFile f(QStringLiteral(ZEMLO_TEST_FIXTURES "/rounds/") + QLatin1String(naam));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const char *const kInvoer = "invoer/01-02-2024 Groep A Uitslag.txt";

// The Mitchell evening of six pairs: group, schema and a new results file.
void Avond(testing::ProgramFolder &map) {
  BAS_Zemlo::iTaal = 10;
  BAS_Zemlo::sInvoerBestand = QStringLiteral("01-02-2024 Groep A Uitslag.txt");
  map.write("groepen/01-02-2024 Groep A.txt", Fixture("groep6.txt"));
  map.write("schema/10/06 Paren 03 Ronden Mitchell.txt",
            Fixture("06 Paren 03 Ronden Mitchell.txt"));
  map.write(kInvoer,
            Fixture("nieuw_gesloten.txt").left(Fixture("nieuw_gesloten.txt").indexOf("*")));
}

} // namespace

class RondeAvondTest : public QObject {
  Q_OBJECT
private slots:
  void opens() {
    testing::ProgramFolder map;
    Avond(map);
    const OpenUitkomst open = OpenRondeAvond(BAS_Zemlo::sInvoerBestand);
    QVERIFY(open.avond);
    QCOMPARE(open.avond->kop.paren, 6);
    QCOMPARE(open.avond->paren.voorMail.size(), 12);
    QCOMPARE(open.avond->paren.labels.at(1), QStringLiteral("2. Carla Kok - Dirk Dam "));
    // Saving a new evening writes the header and a bare key for every table.
    QVERIFY(open.avond->Bewaar());
    QCOMPARE(map.read(kInvoer), Fixture("nieuw_gesloten.txt"));
  }

  // The file names are matched without regard to case.
  void namesInAnyCase() {
    testing::ProgramFolder map;
    Avond(map);
    QFile::rename(map.path("schema/10/06 Paren 03 Ronden Mitchell.txt"),
                  map.path("schema/10/06 PAREN 03 RONDEN MITCHELL.TXT"));
    QFile::rename(map.path("groepen/01-02-2024 Groep A.txt"),
                  map.path("groepen/01-02-2024 groep a.txt"));
    QVERIFY(OpenRondeAvond(BAS_Zemlo::sInvoerBestand).avond);
  }

  void refusals_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QByteArray>("inhoud"); // empty: the file is removed
    QTest::addColumn<int>("tekst");
    QTest::addColumn<QString>("naam");
    const QString invoer = QString::fromLatin1(kInvoer);
    QTest::newRow("no results file") << invoer << QByteArray() << 141 << invoer;
    QTest::newRow("header cut short")
        << invoer << QByteArray("01-02-2024 Groep A Uitslag\r\n6\r\n") << 190 << invoer;
    QTest::newRow("entered per board")
        << invoer
        << QByteArray("01-02-2024 Groep A Uitslag\r\n6\r\nGeen\r\n3\r\n2\r\n06 Paren 03 Ronden "
                      "Mitchell\r\n0\r\n")
        << 190 << invoer;
    QTest::newRow("group outside its folder")
        << invoer
        << QByteArray("../x Uitslag\r\n6\r\nGeen\r\n3\r\n2\r\n06 Paren 03 Ronden Mitchell\r\n1\r\n")
        << 190 << invoer;
    QTest::newRow("no group file") << "groepen/01-02-2024 Groep A.txt" << QByteArray() << 141
                                   << "groepen/01-02-2024 Groep A.txt";
    QTest::newRow("no schema file") << "schema/10/06 Paren 03 Ronden Mitchell.txt" << QByteArray()
                                    << 141 << "schema/10/06 Paren 03 Ronden Mitchell.txt";
    QTest::newRow("schema that is none")
        << "schema/10/06 Paren 03 Ronden Mitchell.txt" << QByteArray("Titel\r\ntekst\r\n") << 190
        << "schema/10/06 Paren 03 Ronden Mitchell.txt";
  }
  void refusals() {
    QFETCH(QString, bestand);
    QFETCH(QByteArray, inhoud);
    QFETCH(int, tekst);
    QFETCH(QString, naam);
    testing::ProgramFolder map;
    Avond(map);
    if (inhoud.isEmpty())
      QFile::remove(map.path(bestand));
    else
      map.write(bestand, inhoud);
    const OpenUitkomst open = OpenRondeAvond(BAS_Zemlo::sInvoerBestand);
    QVERIFY(!open.avond);
    QCOMPARE(open.iTekst, tekst);
    QCOMPARE(open.sBestand, naam);
  }

  // A save that cannot be written says so.
  void saveFails() {
    testing::ProgramFolder map;
    Avond(map);
    const OpenUitkomst open = OpenRondeAvond(BAS_Zemlo::sInvoerBestand);
    QVERIFY(open.avond);
    QFile::remove(map.path(kInvoer));
    QVERIFY(QDir().mkpath(map.path(kInvoer))); // a folder in the way
    QVERIFY(!open.avond->Bewaar());
  }
};

#include "rondeavond_test.moc"
ZEMLO_TEST_CLASS(RondeAvondTest)
