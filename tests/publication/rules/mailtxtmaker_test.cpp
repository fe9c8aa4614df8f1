// The MAIL.TXT maker: what it writes reads back exactly through the reader
// Zemlo uses at start-up, for values with every character the file can
// hold, and what the file cannot hold is refused with no file written.
#include "common/testsupport.h"
#include "mailtxtmaker.h"
#include "platform/textfile.h"
#include "publication/mailbericht.h"
#include "publication/mailtxt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

QByteArray readFile(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every character of Windows-1252 as Zemlo reads it, codes 1 to 255 in order
// (code 0 cannot be given on a command line).
QString everyCharacter() {
  QByteArray codes;
  for (int c = 1; c < 256; ++c)
    codes.append(static_cast<char>(c));
  return platform::decodeAnsi(codes);
}

// The same without the characters that a header value may not hold.
QString everyHeaderCharacter() {
  QString out;
  for (QChar c : everyCharacter())
    if (publication::IsVeiligeKopWaarde(c))
      out += c;
  return out;
}

QString reversed(QString s) {
  std::reverse(s.begin(), s.end());
  return s;
}

} // namespace

class TestMailTxtMaker : public QObject {
  Q_OBJECT
private slots:
  void init() { QVERIFY(m_dir.isValid()); }

  void everyCharacterReadsBack() {
    const QString all = everyCharacter();
    const QString printable = everyHeaderCharacter();
    QCOMPARE(all.size(), 255);
    const QString out = m_dir.filePath(QStringLiteral("MAIL.TXT"));
    const fixture::MakerRun run = fixture::makeMailTxt({
        QStringLiteral("--output"),
        out,
        QStringLiteral("--greeting"),
        QStringLiteral("zemlo.bridgeclub.example"),
        // Provider 1: every character in the free items, in both orders.
        QStringLiteral("--host1"),
        QStringLiteral("smtp.bridgeclub.example"),
        QStringLiteral("--port1"),
        QStringLiteral("465"),
        QStringLiteral("--tls1"),
        QStringLiteral("--user1"),
        reversed(all),
        QStringLiteral("--password1=") + all,
        QStringLiteral("--sender1"),
        QStringLiteral("uitslag@caf\u00e9.example"),
        QStringLiteral("--name1"),
        printable,
        // Provider 2: blanks at both ends, "<" and ">" on either side of a
        // separator (the password's field stands before the name's), a value
        // beginning with "-", and empty items.
        QStringLiteral("--host2"),
        QStringLiteral(" 127.0.0.1 "),
        QStringLiteral("--port2"),
        QStringLiteral("587"),
        QStringLiteral("--starttls2"),
        QStringLiteral("--user2"),
        QStringLiteral("  kees  "),
        QStringLiteral("--password2"),
        QStringLiteral("-ge|heim\t\r\n<"),
        QStringLiteral("--sender2"),
        QStringLiteral("kees@club.example"),
        QStringLiteral("--name2"),
        QStringLiteral("> \u20ac Club ~ \"De Troef\" |"),
    });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const QByteArray bytes = readFile(out);
    QVERIFY(bytes.endsWith("\r\n"));
    for (const QByteArray &line : bytes.split('\n').mid(0, 2)) {
      QVERIFY(line.endsWith('\r'));
      for (char c : line.chopped(1))
        QVERIFY2(c >= '0' && c <= '9', line.constData());
    }

    const mailtxt::Reading reading = mailtxt::read(bytes);
    QCOMPARE(reading.status, mailtxt::Reading::Ok);
    QCOMPARE(reading.providerCount, 2);
    QCOMPARE(reading.providers[0],
             (QStringList{"zemlo.bridgeclub.example", "smtp.bridgeclub.example", "465", "True",
                          reversed(all), all, "False", "uitslag@caf\u00e9.example", printable}));
    QCOMPARE(reading.providers[1],
             (QStringList{"zemlo.bridgeclub.example", " 127.0.0.1 ", "587", "False", "  kees  ",
                          "-ge|heim\t\r\n<", "True", "kees@club.example",
                          "> \u20ac Club ~ \"De Troef\" |"}));

    // And Zemlo can send with both.
    for (const QStringList &items : reading.providers) {
      const auto server = publication::LeesProvider(items, items[0], QStringLiteral("pc"));
      QVERIFY(server);
      QCOMPARE(server->groet, QStringLiteral("zemlo.bridgeclub.example"));
    }
    QVERIFY(run.out.contains(QStringLiteral("2 providers")));
  }

  // The check number has four digits: the longest file is 10011 bytes.
  void theLongestFile_data() {
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("written");
    QTest::newRow("10011 bytes") << 0 << true;
    QTest::newRow("10014 bytes") << 1 << false;
  }
  void theLongestFile() {
    QFETCH(int, extra);
    QFETCH(bool, written);
    const QStringList fixed = {"h.example",   "25", "False", "", "False",
                               "a@b.example", "",   ""}; // every item but the password
    qsizetype chars = 16;                                // the eight "<>"
    for (const QString &item : fixed)
      chars += item.size();
    // A line of n characters is 3 + 3n + 4 bytes, and CR LF.
    const QString password(3334 - chars + extra, u'x');
    const QString out = m_dir.filePath(QStringLiteral("MAIL.TXT"));
    QFile::remove(out);
    const fixture::MakerRun run = fixture::makeMailTxt(
        {QStringLiteral("-o"), out, QStringLiteral("--host1"), QStringLiteral("h.example"),
         QStringLiteral("--port1"), QStringLiteral("25"), QStringLiteral("--sender1"),
         QStringLiteral("a@b.example"), QStringLiteral("--password1"), password});
    QCOMPARE(run.exitCode == 0, written);
    QCOMPARE(QFile::exists(out), written);
    if (written) {
      const QByteArray bytes = readFile(out);
      QCOMPARE(bytes.size(), 10011);
      const mailtxt::Reading reading = mailtxt::read(bytes);
      QCOMPARE(reading.status, mailtxt::Reading::Ok);
      QCOMPARE(reading.providers[0][5], password);
    } else {
      QVERIFY2(run.err.contains(QStringLiteral("10014 bytes")), qPrintable(run.err));
    }
  }

  void refusesWhatTheFileCannotHold_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList one = {"--host1", "smtp.a.example", "--port1",
                             "587",     "--sender1",      "u@a.example"};
    QTest::newRow("beyond Windows-1252")
        << one + QStringList{"--name1", "Club \u03a9"} << "--name1 holds \"\u03a9\" (U+03A9)";
    QTest::newRow("outside the plane")
        << one + QStringList{"--password1", "a\U0001F600"} << "(U+1F600)";
    // What a byte that is not UTF-8 becomes on the command line.
    QTest::newRow("not UTF-8") << one + QStringList{"--user1", "\ufffd"}
                               << "--user1 holds U+FFFD (a byte that is not UTF-8?)";
    QTest::newRow("the item separator")
        << one + QStringList{"--password1", "a<>b"} << "--password1 holds \"<>\"";
    QTest::newRow("greeting beyond Windows-1252")
        << one + QStringList{"--greeting", "\u0141odz"} << "--greeting holds";
    QTest::newRow("no host") << QStringList{"--port1", "587", "--sender1", "u@a.example"}
                             << "--host1 is missing";
    QTest::newRow("no port") << QStringList{"--host1", "a.example", "--sender1", "u@a.example"}
                             << "--port1 is missing";
    QTest::newRow("no sender") << QStringList{"--host1", "a.example", "--port1", "25"}
                               << "--sender1 is missing";
    QTest::newRow("half a second provider")
        << one + QStringList{"--name2", "Club"} << "--host2 is missing";
    QTest::newRow("host with a blank")
        << QStringList{"--host1", "smtp a.example", "--port1", "25", "--sender1", "u@a.example"}
        << "--host1 \"smtp a.example\" is not a host name";
    QTest::newRow("empty host") << QStringList{"--host1", "",          "--port1",
                                               "25",      "--sender1", "u@a.example"}
                                << "is not a host name";
    for (const char *port : {"0", "65536", "abc", "5 87", "-25"})
      QTest::addRow("port %s", port)
          << QStringList{"--host1", "a.example", QStringLiteral("--port1=") + port, "--sender1",
                         "u@a.example"}
          << "is not a port number";
    QTest::newRow("sender") << QStringList{"--host1", "a.example", "--port1",
                                           "25",      "--sender1", "uitslag"}
                            << "--sender1 \"uitslag\" is not an e-mail address";
    QTest::newRow("name with a line break")
        << one + QStringList{"--name1", "Club\r\nBcc: x@y.example"} << "--name1 holds a line break";
    QTest::newRow("greeting with a blank")
        << one + QStringList{"--greeting", "my pc"} << "--greeting \"my pc\" is not a host name";
    QTest::newRow("both kinds of TLS")
        << one + QStringList{"--tls1", "--starttls1"} << "--tls1 or --starttls1, not both";
    QTest::newRow("twice") << one + QStringList{"--host1", "b.example"}
                           << "--host1 is given more than once";
    QTest::newRow("unknown option") << one + QStringList{"--hots1", "x"} << "hots1";
    QTest::newRow("an argument") << one + QStringList{"MAIL.TXT"} << "unexpected argument";
  }
  void refusesWhatTheFileCannotHold() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    // An earlier file stays as it was.
    const QString out = m_dir.filePath(QStringLiteral("MAIL.TXT"));
    {
      QFile f(out);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("earlier\r\n");
    }
    const fixture::MakerRun run = fixture::makeMailTxt(QStringList{"-o", out} + arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(readFile(out), QByteArray("earlier\r\n"));
    QVERIFY(run.out.isEmpty());
  }

  void helpNamesEveryOption() {
    const fixture::MakerRun run = fixture::makeMailTxt({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    for (const char *option : {"--output", "--greeting", "--host2", "--port2", "--tls2",
                               "--starttls2", "--user2", "--password2", "--sender2", "--name2"})
      QVERIFY2(run.out.contains(QLatin1String(option)), option);
    QVERIFY(run.out.contains(QStringLiteral("/zem/MAIL.TXT")));
  }

private:
  QTemporaryDir m_dir;
};

#include "mailtxtmaker_test.moc"
ZEMLO_TEST_CLASS(TestMailTxtMaker)
