// An evening entered per round made from its files, and saving it whole.
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

// The evening of the program folder, opened for the entry per round.
RondeAvond Open() {
  const preparation::AvondOpening open = preparation::OpenAvond(BAS_Zemlo::sInvoerBestand, 1);
  if (!open.avond)
    qFatal("the evening does not open");
  return MaakRondeAvond(*open.avond);
}

} // namespace

class RondeAvondTest : public QObject {
  Q_OBJECT
private slots:
  void opens() {
    testing::ProgramFolder map;
    Avond(map);
    const RondeAvond avond = Open();
    QCOMPARE(avond.kop.paren, 6);
    QCOMPARE(avond.paren.voorMail.size(), 12);
    QCOMPARE(avond.paren.labels.at(1), QStringLiteral("2. Carla Kok - Dirk Dam "));
    // Saving a new evening writes the header and a bare key for every table.
    QVERIFY(avond.Bewaar());
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
    QVERIFY(preparation::OpenAvond(BAS_Zemlo::sInvoerBestand, 1).avond);
  }

  // A save that cannot be written says so.
  void saveFails() {
    testing::ProgramFolder map;
    Avond(map);
    const RondeAvond avond = Open();
    QFile::remove(map.path(kInvoer));
    QVERIFY(QDir().mkpath(map.path(kInvoer))); // a folder in the way
    QVERIFY(!avond.Bewaar());
  }
};

#include "rondeavond_test.moc"
ZEMLO_TEST_CLASS(RondeAvondTest)
