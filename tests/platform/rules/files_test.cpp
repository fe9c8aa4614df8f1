// Text files, profile files and the number rules.
#include "common/testsupport.h"
#include "platform/numbers.h"
#include "platform/profile.h"
#include "platform/textfile.h"

#include <QTest>

class TestFiles : public QObject {
  Q_OBJECT
private slots:
  void linesAreWrittenAnsiWithCrLf() {
    testing::ProgramFolder folder;
    const QString path = folder.path(QStringLiteral("a.txt"));
    QVERIFY(platform::writeTextLines(path, {QStringLiteral("één"), QStringLiteral("€ x"), {}}));
    QCOMPARE(folder.read(QStringLiteral("a.txt")), QByteArray("\xE9\xE9n\r\n\x80 x\r\n\r\n"));
    QCOMPARE(*platform::readTextLines(path),
             QStringList({QStringLiteral("één"), QStringLiteral("€ x"), QString()}));
  }

  void everyLineEndIsAccepted() {
    QCOMPARE(platform::splitLines(QStringLiteral("a\r\nb\nc\rd")),
             QStringList({"a", "b", "c", "d"}));
    QCOMPARE(platform::splitLines(QStringLiteral("\r\nx\r\n")), QStringList({"", "x"}));
    QVERIFY(!platform::readTextLines(QStringLiteral("/nonexistent/x.txt")));
  }

  void profileRead_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QByteArray ini = "; comment\r\n\r\n[Standaard]\r\nnot a key line\r\n"
                           "provider = 1 \r\nEigen E-mail Adres=jan@club.nl\r\n"
                           "provider=0\r\n[Other]\r\nprovider=7\r\n[standaard]\r\n"
                           "Naam voor e-mail=Jan\r\nprovider=9\r\n";
    QTest::newRow("case of section and key") << ini << "STANDAARD" << "eigen e-mail adres"
                                             << "jan@club.nl";
    QTest::newRow("first match wins, trimmed") << ini << "Standaard" << "provider" << "1";
    QTest::newRow("second section of that name") << ini << "Standaard" << "naam voor e-mail"
                                                 << "Jan";
    QTest::newRow("missing key") << ini << "Standaard" << "nothing" << "";
    QTest::newRow("missing section") << ini << "Nope" << "provider" << "";
    QTest::newRow("empty file") << QByteArray() << "Standaard" << "provider" << "";
    QTest::newRow("value cut to 254") << QByteArray("[S]\r\nk=" + QByteArray(300, 'x') + "\r\n")
                                      << "S" << "k" << QString(254, u'x');
  }

  void profileRead() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("s.ini"), file);
    QCOMPARE(platform::readProfileString(section, key, folder.path(QStringLiteral("s.ini"))),
             value);
  }

  void profileWriteKeepsOtherLines() {
    testing::ProgramFolder folder;
    const QString path = folder.path(QStringLiteral("s.ini"));
    // A missing file is made.
    platform::writeProfileString(QStringLiteral("Standaard"), QStringLiteral("provider"),
                                 QStringLiteral("1"), path);
    QCOMPARE(folder.read(QStringLiteral("s.ini")), QByteArray("[Standaard]\r\nprovider=1\r\n"));

    folder.write(QStringLiteral("s.ini"), "; keep\r\n[Standaard]\r\nPROVIDER=0\r\nodd line\r\n"
                                          "\r\n[B]\r\nx=1\r\n");
    platform::writeProfileString(QStringLiteral("standaard"), QStringLiteral("provider"),
                                 QStringLiteral("1"), path);
    platform::writeProfileString(QStringLiteral("Standaard"), QStringLiteral("Naam voor e-mail"),
                                 QStringLiteral("Jan"), path);
    platform::writeProfileString(QStringLiteral("C"), QStringLiteral("y"), QStringLiteral("2"),
                                 path);
    QCOMPARE(folder.read(QStringLiteral("s.ini")),
             QByteArray("; keep\r\n[Standaard]\r\nprovider=1\r\nodd line\r\nNaam voor e-mail=Jan\r\n"
                        "\r\n[B]\r\nx=1\r\n[C]\r\ny=2\r\n"));
  }

  void numberRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "11" << 11.0;
    QTest::newRow("blanks and tail") << "  11x" << 11.0;
    QTest::newRow("decimal") << "10.6" << 10.6;
    QTest::newRow("sign") << "-4.5%" << -4.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("no number") << "x11" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
  }

  void numberRules() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(platform::val(text), value);
  }

  void roundingAndDecimalForm() {
    QCOMPARE(platform::roundHalfEven(10.5), 10);
    QCOMPARE(platform::roundHalfEven(11.5), 12);
    QCOMPARE(platform::roundHalfEven(-2.5), -2);
    QCOMPARE(platform::roundHalfEven(10.6), 11);
    QCOMPARE(platform::plainDecimal(0.5), QStringLiteral(".5"));
    QCOMPARE(platform::plainDecimal(-0.25), QStringLiteral("-.25"));
    QCOMPARE(platform::plainDecimal(52.0833333333333333), QStringLiteral("52.0833333333333"));
    QCOMPARE(platform::plainDecimal(1e20), QStringLiteral("100000000000000000000"));
    QCOMPARE(platform::plainDecimal(0.0000001), QStringLiteral(".0000001"));
    QCOMPARE(platform::vbStr(2026), QStringLiteral(" 2026"));
    QCOMPARE(platform::vbStr(-3), QStringLiteral("-3"));
  }
};

#include "files_test.moc"
ZEMLO_TEST_CLASS(TestFiles)
