// Text files, profile files and the number rules.
#include "common/testsupport.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/profile.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cmath>
#include <limits>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Binds a Unix socket at the path: an entry that exists but that no one can
// open for reading, root included (for root, permission bits do not stop a
// read, so a file of mode 000 would not do). Returns the descriptor, or -1.
int bindSocket(const QString &path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
    return -1;
  std::copy(name.begin(), name.end(), address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

} // namespace

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

  // What a name box refuses besides the letters beyond Windows-1252: every
  // control character, named so that it can be seen.
  void charactersThatCannotBeSaved_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("eerste"); // "" : none
    QTest::addColumn<QString>("getoond");
    QTest::newRow("letters of Windows-1252") << QStringLiteral("Zo\u00eb \u20ac\u0153") << ""
                                             << "";
    QTest::newRow("tab") << QStringLiteral("Jan\tPiet") << "\t"
                         << "U+0009";
    QTest::newRow("U+0001") << QStringLiteral("a\u0001") << QStringLiteral("\u0001") << "U+0001";
    QTest::newRow("DEL") << QStringLiteral("a\u007f") << QStringLiteral("\u007f") << "U+007F";
    // A C1 character that a Windows-1252 byte would keep, unseen.
    QTest::newRow("U+0081") << QStringLiteral("a\u0081") << QStringLiteral("\u0081") << "U+0081";
    QTest::newRow("line feed") << QStringLiteral("a\nb") << "\n"
                               << "U+000A";
    QTest::newRow("beyond Windows-1252")
        << QStringLiteral("\u0141\t") << QStringLiteral("\u0141") << QStringLiteral("\u0141");
    QTest::newRow("a pair of surrogates")
        << QStringLiteral("x\U0001F0A1") << QStringLiteral("\U0001F0A1")
        << QStringLiteral("\U0001F0A1");
  }
  void charactersThatCannotBeSaved() {
    QFETCH(QString, tekst);
    QFETCH(QString, eerste);
    QFETCH(QString, getoond);
    QCOMPARE(platform::firstUnsavable(tekst).value_or(QString()), eerste);
    if (!eerste.isEmpty())
      QCOMPARE(platform::shownCharacter(eerste), getoond);
    // Added to a text that held it already, it is no new one.
    QCOMPARE(platform::firstUnsavableAdded(tekst, tekst + u'x'), std::nullopt);
    QCOMPARE(platform::firstUnsavableAdded(QString(), tekst).value_or(QString()), eerste);
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
    QTest::newRow("case of section and key") << ini << "STANDAARD"
                                             << "eigen e-mail adres"
                                             << "jan@club.nl";
    QTest::newRow("first match wins, trimmed") << ini << "Standaard"
                                               << "provider"
                                               << "1";
    QTest::newRow("second section of that name") << ini << "Standaard"
                                                 << "naam voor e-mail"
                                                 << "Jan";
    QTest::newRow("missing key") << ini << "Standaard"
                                 << "nothing"
                                 << "";
    QTest::newRow("missing section") << ini << "Nope"
                                     << "provider"
                                     << "";
    QTest::newRow("empty file") << QByteArray() << "Standaard"
                                << "provider"
                                << "";
    QTest::newRow("value cut to 254")
        << QByteArray("[S]\r\nk=" + QByteArray(300, 'x') + "\r\n") << "S"
        << "k" << QString(254, u'x');
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
    QCOMPARE(
        folder.read(QStringLiteral("s.ini")),
        QByteArray("; keep\r\n[Standaard]\r\nprovider=1\r\nodd line\r\nNaam voor e-mail=Jan\r\n"
                   "\r\n[B]\r\nx=1\r\n[C]\r\ny=2\r\n"));
  }

  void profileValueStaysOnOneLine() {
    testing::ProgramFolder folder;
    const QString path = folder.path(QStringLiteral("s.ini"));
    folder.write(QStringLiteral("s.ini"), "[Standaard]\r\nprovider=0\r\n[Oud]\r\nx=1\r\n");
    // A value with a line break would start a section of its own, and the
    // next key written would land in it.
    QVERIFY(platform::writeProfileString(QStringLiteral("Standaard"), QStringLiteral("provider"),
                                         QStringLiteral("2\r[Oud]"), path));
    QVERIFY(platform::writeProfileString(QStringLiteral("Standaard"),
                                         QStringLiteral("Naam voor e-mail"),
                                         QStringLiteral("Jan\r\n\nx=9"), path));
    // Names too: a key or section name cannot break the file either.
    QVERIFY(platform::writeProfileString(QStringLiteral("Oud\n"), QStringLiteral("y\r\n[Z]"),
                                         QStringLiteral("3"), path));
    QCOMPARE(folder.read(QStringLiteral("s.ini")),
             QByteArray("[Standaard]\r\nprovider=2[Oud]\r\nNaam voor e-mail=Janx=9\r\n"
                        "[Oud]\r\nx=1\r\ny[Z]=3\r\n"));
    QCOMPARE(platform::readProfileString(QStringLiteral("Oud"), QStringLiteral("x"), path),
             QStringLiteral("1"));
  }

  void profileFileThatCannotBeReadIsLeftAlone() {
    testing::ProgramFolder folder;
    const QString socketPath = folder.path(QStringLiteral("standaard.ini"));
    const int fd = bindSocket(socketPath);
    QVERIFY2(fd >= 0, "cannot make a Unix socket");
    QVERIFY(QFileInfo::exists(socketPath));
    QVERIFY(!platform::readTextLines(socketPath));
    QVERIFY(!platform::writeProfileString(QStringLiteral("Standaard"), QStringLiteral("provider"),
                                          QStringLiteral("1"), socketPath));
    // Not replaced by a file of the one key.
    QVERIFY(!QFileInfo(socketPath).isFile());
    ::close(fd);

    // A folder of that name cannot be read either.
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("map.ini"))));
    QVERIFY(!platform::writeProfileString(QStringLiteral("S"), QStringLiteral("k"),
                                          QStringLiteral("1"),
                                          folder.path(QStringLiteral("map.ini"))));
    QVERIFY(QFileInfo(folder.path(QStringLiteral("map.ini"))).isDir());
  }

  // A file that is there but cannot be read is told from one that is not
  // there; a removal that leaves the file is told from one that took it.
  void unreadableAndUndeletable_data() {
    QTest::addColumn<QString>("soort");
    QTest::addColumn<bool>("onleesbaar");
    QTest::addColumn<bool>("wisbaar");
    QTest::newRow("missing") << "weg" << false << true;
    QTest::newRow("a file") << "bestand" << false << true;
    QTest::newRow("an empty file") << "leeg" << false << true;
    QTest::newRow("a folder") << "map" << true << false;
    QTest::newRow("a socket") << "socket" << true << true;
    QTest::newRow("no read permission") << "rechten" << true << true;
    QTest::newRow("refused reading") << "niet lezen" << true << true;
    QTest::newRow("refused removal") << "niet wissen" << false << false;
  }
  void unreadableAndUndeletable() {
    QFETCH(QString, soort);
    QFETCH(bool, onleesbaar);
    QFETCH(bool, wisbaar);
    testing::ProgramFolder folder;
    const QString pad = folder.path(QStringLiteral("a.txt"));
    int fd = -1;
    if (soort == u"map") {
      QVERIFY(QDir().mkpath(pad));
    } else if (soort == u"socket") {
      fd = bindSocket(pad);
      QVERIFY2(fd >= 0, "cannot make a Unix socket");
    } else if (soort != u"weg") {
      folder.write(QStringLiteral("a.txt"), soort == u"leeg" ? QByteArray() : "x\r\n");
    }
    if (soort == u"rechten") {
      // Root reads any file whatever its mode: the stand-in rows cover it.
      if (::geteuid() == 0)
        QSKIP("root reads a file without read permission");
      QVERIFY(QFile::setPermissions(pad, QFileDevice::WriteOwner));
    }
    if (soort == u"niet lezen")
      platform::setUnreadableFiles({pad});
    if (soort == u"niet wissen")
      platform::setUndeletableFiles({pad});
    QCOMPARE(platform::isUnreadable(pad), onleesbaar);
    QCOMPARE(platform::readTextLines(pad).has_value(),
             soort == u"bestand" || soort == u"leeg" || soort == u"niet wissen");
    QCOMPARE(platform::removeFile(pad), wisbaar);
    QCOMPARE(QFileInfo::exists(pad), !wisbaar);
    if (fd >= 0)
      ::close(fd);
    platform::setUnreadableFiles({});
    platform::setUndeletableFiles({});
  }

  // A write that fails as on a full disk: false, the old file stays byte for
  // byte (or none is made), and nothing is left beside it. A short file is
  // the case Qt's buffer hides until commit(); a long one is written through.
  void aFullDiskLeavesTheOldFile_data() {
    QTest::addColumn<QByteArray>("old"); // empty: no file before
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("profile"); // written as a profile key
    QTest::newRow("short over old") << QByteArray("oud\r\n") << 1 << false;
    QTest::newRow("short, no file") << QByteArray() << 1 << false;
    QTest::newRow("long over old") << QByteArray("oud\r\n") << 4000 << false;
    QTest::newRow("profile key") << QByteArray("[Standaard]\r\nprovider=0\r\n") << 0 << true;
  }
  void aFullDiskLeavesTheOldFile() {
    QFETCH(QByteArray, old);
    QFETCH(int, lines);
    QFETCH(bool, profile);
    testing::ProgramFolder folder;
    if (!old.isEmpty())
      folder.write(QStringLiteral("a.txt"), old);
    const QString path = folder.path(QStringLiteral("a.txt"));
    const QStringList text(lines, QStringLiteral("1|Mevr.|Ria|Vos|ria@vos.nl"));
    bool written = true;
    {
      testing::FullDisk full;
      QVERIFY(full.isActive());
      written = profile ? platform::writeProfileString(QStringLiteral("Standaard"),
                                                       QStringLiteral("provider"),
                                                       QStringLiteral("1"), path)
                        : platform::writeTextLines(path, text);
    }
    QVERIFY(!written);
    QCOMPARE(folder.exists(QStringLiteral("a.txt")), !old.isEmpty());
    QCOMPARE(folder.read(QStringLiteral("a.txt")), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             old.isEmpty() ? QStringList() : QStringList{QStringLiteral("a.txt")});
    // With room again the same write goes through.
    QVERIFY(platform::writeTextLines(path, text));
    QCOMPARE(platform::readTextLines(path)->size(), lines);
  }

  // After a save has put its file in place the folder is synced too, so that
  // a power cut right after keeps the new file; a save that failed has
  // nothing to sync.
  void aSaveSyncsItsFolder() {
    testing::ProgramFolder folder;
    QDir().mkpath(folder.path(QStringLiteral("invoer/a.txt")));
    QStringList synced;
    platform::setFolderSyncObserver([&synced](const QString &f) { synced.append(f); });
    const bool written = platform::writeTextLines(folder.path(QStringLiteral("invoer/b.txt")), {});
    const bool failed = !platform::writeTextLines(folder.path(QStringLiteral("invoer/a.txt")), {});
    platform::setFolderSyncObserver({});
    QVERIFY(written && failed);
    QCOMPARE(synced, QStringList{QDir(folder.path(QStringLiteral("invoer"))).absolutePath()});
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

  void plainDecimalWhole_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("whole") << 2026.0 << "2026";
    QTest::newRow("fraction") << 0.1 + 0.2 << ".3";
    QTest::newRow("15 digits") << 1.0 / 3 << ".333333333333333";
    QTest::newRow("negative fraction") << -52.0833333333333333 << "-52.0833333333333";
    QTest::newRow("1e15") << 1e15 << "1000000000000000";
    QTest::newRow("rounded, zeros after") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("rounding carries") << 9.9999999999999999e22 << "1" + QString(23, u'0');
    QTest::newRow("1e300") << 1e300 << "1" + QString(300, u'0');
    QTest::newRow("largest") << std::numeric_limits<double>::max()
                             << "179769313486232" + QString(294, u'0');
    QTest::newRow("tiny, 15 digits rounded")
        << 1.0074543727951165e-58 << "." + QString(57, u'0') + "100745437279512";
    QTest::newRow("negative tiny") << -1e-20 << "-." + QString(19, u'0') + "1";
    QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min()
                              << "." + QString(323, u'0') + "494065645841247";
  }

  void plainDecimalWhole() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(platform::plainDecimal(value), text);
  }

  void readNumbersInRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("leading"); // readInt; -999 for nothing
    QTest::addColumn<int>("digits");  // readDigits; -999 for nothing
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    QTest::newRow("in range") << " 12 " << 1 << 99 << 12 << 12;
    QTest::newRow("tail") << "12x" << 1 << 99 << 12 << -999;
    QTest::newRow("leading zeros") << "0000000000000000000007" << 1 << 99 << 7 << 7;
    QTest::newRow("above") << "100" << 1 << 99 << -999 << -999;
    QTest::newRow("below") << "-1" << 0 << 99 << -999 << -999;
    QTest::newRow("no number reads 0") << "Geen" << 0 << 99 << 0 << -999;
    QTest::newRow("empty") << "" << 1 << 99 << -999 << -999;
    QTest::newRow("half to even") << "10.5" << 0 << 99 << 10 << -999;
    QTest::newRow("rounded out of range") << "99.5" << 0 << 99 << -999 << -999;
    QTest::newRow("int max") << "2147483647" << kMin << kMax << kMax << kMax;
    QTest::newRow("beyond int") << "2147483648" << kMin << kMax << -999 << -999;
    QTest::newRow("below int") << "-2147483649" << kMin << kMax << -999 << -999;
    QTest::newRow("300 digits") << "1" + QString(300, u'0') << kMin << kMax << -999 << -999;
  }

  void readNumbersInRange() {
    QFETCH(QString, text);
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, leading);
    QFETCH(int, digits);
    QCOMPARE(platform::readInt(text, lo, hi).value_or(-999), leading);
    QCOMPARE(platform::readDigits(text, lo, hi).value_or(-999), digits);
  }

  void toIntInRangeRefusesWhatIsNoNumber() {
    QVERIFY(!platform::toIntInRange(std::nan(""), -10, 10));
    QVERIFY(!platform::toIntInRange(HUGE_VAL, std::numeric_limits<int>::min(),
                                    std::numeric_limits<int>::max()));
    QVERIFY(!platform::toIntInRange(-HUGE_VAL, std::numeric_limits<int>::min(),
                                    std::numeric_limits<int>::max()));
    QCOMPARE(platform::toIntInRange(-2.5, -10, 10), -2);
  }
};

#include "files_test.moc"
ZEMLO_TEST_CLASS(TestFiles)
