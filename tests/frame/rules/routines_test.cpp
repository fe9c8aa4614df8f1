// The shared file, settings, list and date routines.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace BAS_Zemlo;

class TestRoutines : public QObject {
  Q_OBJECT
private slots:
  void maakPadMakesEveryLevel() {
    testing::ProgramFolder folder;
    QString path = folder.path(QStringLiteral("A/B"));
    MaakPad(path);
    QCOMPARE(path, folder.path(QStringLiteral("A/B/")));
    QVERIFY(QFileInfo(folder.path(QStringLiteral("A/B"))).isDir());
    // Again, and with a file in the way: nothing reported, nothing broken.
    MaakPad(path);
    folder.write(QStringLiteral("F"), "x");
    QString blocked = folder.path(QStringLiteral("F/G"));
    MaakPad(blocked);
    QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("F/G"))));
  }

  void bestandBestaat() {
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("one"), "x");
    folder.write(QStringLiteral("empty"), "");
    QCOMPARE(BestandBestaat(folder.path(QStringLiteral("one"))), 1);
    QCOMPARE(BestandBestaat(folder.path(QStringLiteral("empty"))), 0);
    QCOMPARE(BestandBestaat(folder.path(QStringLiteral("missing"))), -1);
    QCOMPARE(BestandBestaat(folder.path()), -1);
    QCOMPARE(BestandBestaat(QString()), -1);
  }

  void leesIniForgetsTheLastValue() {
    testing::ProgramFolder folder;
    const QString ini = folder.path(QStringLiteral("standaard.ini"));
    SchrijfIni(QStringLiteral("Standaard"), QStringLiteral("provider"), QStringLiteral("1"), ini);
    LeesIni(QStringLiteral("standaard"), QStringLiteral("PROVIDER"), ini);
    QCOMPARE(sIniWaarde, QStringLiteral("1"));
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("eigen e-mail adres"), ini);
    QCOMPARE(sIniWaarde, QString());
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("provider"),
            folder.path(QStringLiteral("none.ini")));
    QCOMPARE(sIniWaarde, QString());
  }

  // A data file is found whatever the letter case of its name: the exact name
  // first, else the first match in the order of the names; a name that no file
  // has gives the path a new file gets.
  void zoekBestand() {
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("namen/Club.TXT"), "x");
    folder.write(QStringLiteral("namen/leden.txt"), "x");
    folder.write(QStringLiteral("namen/LEDEN.txt"), "x");
    const QString map = folder.path(QStringLiteral("namen"));
    QCOMPARE(ZoekBestand(map, QStringLiteral("club.txt")), map + QStringLiteral("/Club.TXT"));
    QCOMPARE(ZoekBestand(map + QStringLiteral("/CLUB.txt")), map + QStringLiteral("/Club.TXT"));
    QCOMPARE(ZoekBestand(map, QStringLiteral("leden.txt")), map + QStringLiteral("/leden.txt"));
    QCOMPARE(ZoekBestand(map, QStringLiteral("Leden.TXT")), map + QStringLiteral("/LEDEN.txt"));
    QCOMPARE(ZoekBestand(map, QStringLiteral("nieuw.txt")), map + QStringLiteral("/nieuw.txt"));
    QCOMPARE(ZoekBestand(folder.path(QStringLiteral("geen")), QStringLiteral("a.txt")),
             folder.path(QStringLiteral("geen/a.txt")));
  }

  void schrijfIniSaysWhetherItWrote() {
    testing::ProgramFolder folder;
    const QString ini = folder.path(QStringLiteral("standaard.ini"));
    QVERIFY(SchrijfIni(QStringLiteral("Standaard"), QStringLiteral("provider"),
                       QStringLiteral("1\r\n[X]"), ini));
    QCOMPARE(folder.read(QStringLiteral("standaard.ini")),
             QByteArray("[Standaard]\r\nprovider=1[X]\r\n"));
    // A profile that exists but cannot be read is not replaced.
    const QString map = folder.path(QStringLiteral("map/standaard.ini"));
    QVERIFY(QDir().mkpath(map));
    QVERIFY(!SchrijfIni(QStringLiteral("Standaard"), QStringLiteral("provider"),
                        QStringLiteral("1"), map));
    QVERIFY(QFileInfo(map).isDir());
  }

  void zoekInLijst_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("exact");
    QTest::addColumn<int>("index");
    QTest::newRow("prefix, first from the top") << "Jan" << 0 << 1;
    QTest::newRow("prefix, case ignored") << "jAN" << 0 << 1;
    QTest::newRow("exact") << "jan" << 1 << 2;
    QTest::newRow("exact, none") << "Ja" << 1 << -1;
    QTest::newRow("prefix, none") << "Piet" << 0 << -1;
    QTest::newRow("empty prefix matches the first") << "" << 0 << 0;
  }

  void zoekInLijst() {
    QFETCH(QString, text);
    QFETCH(int, exact);
    QFETCH(int, index);
    const QStringList items{"Anna", "Janssen", "Jan", "jan"};
    QCOMPARE(ZoekInLijst(items, text, exact), index);
  }

  void datesInBothForms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("Dutch") << "09-12-2026" << QDate(2026, 12, 9);
    QTest::newRow("English") << "2026-12-09" << QDate(2026, 12, 9);
    QTest::newRow("file name") << "2026-02-28 Group A.txt" << QDate(2026, 2, 28);
    QTest::newRow("trimmed") << "  01-01-2027\r" << QDate(2027, 1, 1);
    QTest::newRow("no such day") << "31-02-2026" << QDate();
    QTest::newRow("other order") << "12/09/2026" << QDate();
    QTest::newRow("error page") << "<html><body>404</body>" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("letters") << "2026-1x-09" << QDate();
  }

  void datesInBothForms() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(LeesDatum(text).value_or(QDate()), date);
  }

  void dateWrittenInTheLanguagesForm() {
    testing::resetSharedState();
    iTaal = 10;
    QCOMPARE(DatumTekst(QDate(2026, 3, 7)), QStringLiteral("07-03-2026"));
    iTaal = 11;
    QCOMPARE(DatumTekst(QDate(2026, 3, 7)), QStringLiteral("2026-03-07"));
  }
};

#include "routines_test.moc"
ZEMLO_TEST_CLASS(TestRoutines)
