// The program run as a process of its own: one Zemlo a program folder, a
// lock that no Zemlo of this computer holds, and Yes to the update question
// while it starts.
#include "common/httpsserver.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/programmamap.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

namespace {

// Only a process that hangs runs this long.
constexpr int kHangMs = 60000;

// What a folder holds: every entry with its size, time and contents.
QStringList inhoud(const QString &folder) {
  QStringList lijst;
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    QString regel = QDir(folder).relativeFilePath(info.filePath()) + u' ' +
                    QString::number(info.size()) + u' ' +
                    info.lastModified().toString(Qt::ISODateWithMs);
    if (info.isFile()) {
      QFile f(info.filePath());
      if (f.open(QIODevice::ReadOnly))
        regel +=
            u' ' + QString::fromLatin1(
                       QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex());
    }
    lijst.append(regel);
  }
  lijst.sort();
  return lijst;
}

// A program folder with copies of the program and of its test form.
struct Map {
  QTemporaryDir dir;
  QString path(const QString &relative = QString()) const {
    return relative.isEmpty() ? dir.path() : dir.path() + u'/' + relative;
  }
  bool klaar() {
    return dir.isValid() && QFile::copy(QStringLiteral(ZEMLO_PROGRAMMA), path("zemlo")) &&
           QFile::copy(QStringLiteral(ZEMLO_PROEF), path("zemlo_proef"));
  }
  void schrijf(const QString &relative, const QByteArray &bytes) const {
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    QFile f(path(relative));
    if (f.open(QIODevice::WriteOnly))
      f.write(bytes);
  }
  QByteArray lees(const QString &relative) const {
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// A process that is ended when the test ends, however it ends.
struct Proces : QProcess {
  ~Proces() override {
    if (state() != QProcess::NotRunning) {
      kill();
      waitForFinished(kHangMs);
    }
  }
};

// Runs the test form of the program in the folder to its end; its boxes,
// one a line. Empty with a failure when it does not end.
bool draai(Proces &p, const Map &map, const QStringList &args, QStringList &boxen) {
  p.setWorkingDirectory(map.path());
  p.start(map.path("zemlo_proef"), args);
  if (!p.waitForFinished(kHangMs))
    return false;
  boxen = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  return p.exitStatus() == QProcess::NormalExit;
}

bool wachtOp(const QString &path) {
  QDeadlineTimer deadline(kHangMs);
  while (!QFileInfo::exists(path) && !deadline.hasExpired())
    QThread::msleep(20);
  return QFileInfo::exists(path);
}

const QString kGeenMailTxt = QStringLiteral("2\tfrmZemlo01\t");

// Sets the time a file or folder was last written.
bool zetTijd(const QString &path, const QDateTime &tijd) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) && f.setFileTime(tijd, QFileDevice::FileModificationTime);
}

// What stands where the lock file goes, for the table of locks.
enum class Slot { Bestand, Map, MapMetBestand };

// A lock that a Zemlo of another computer wrote.
QByteArray vreemdSlot(const QByteArray &computer, const QByteArray &machine) {
  return "4242\nzemlo\n" + computer + '\n' + machine + "\n6f0e1c5a-3b7d-4f59-a2c4-7d1e2b9c8a01\n";
}

} // namespace

Q_DECLARE_METATYPE(Slot)

class TestStart : public QObject {
  Q_OBJECT
private slots:
  // A second start on a folder that a running Zemlo holds says so in the
  // folder's language and ends, touching nothing; once the first is killed,
  // its lock left behind, the next start runs and leaves no lock at its end.
  void oneZemloAFolder_data() {
    QTest::addColumn<QByteArray>("taal");
    QTest::addColumn<QString>("melding");
    QTest::newRow("Dutch") << QByteArray("10\r\n")
                           << "Zemlo werkt al met de map ~.|Gebruik het Zemlo venster dat al open "
                              "is; deze tweede Zemlo wordt gesloten.";
    QTest::newRow("English") << QByteArray("11\r\n")
                             << "Zemlo is already working with the folder ~.|Use the Zemlo window "
                                "that is open already; this second Zemlo will be closed.";
  }
  void oneZemloAFolder() {
    QFETCH(QByteArray, taal);
    QFETCH(QString, melding);
    Map map;
    QVERIFY(map.klaar());
    map.schrijf("taal.txt", taal);
    map.schrijf("namen/Club.txt", "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n");
    map.schrijf("standaard.ini", "[Standaard]\r\nprovider=1\r\n");

    // The program itself, waiting at its first box (there is no MAIL.TXT).
    Proces eerste;
    eerste.setWorkingDirectory(map.path());
    eerste.start(map.path("zemlo"), {});
    QVERIFY(eerste.waitForStarted(kHangMs));
    QVERIFY(wachtOp(map.path(QLatin1String(BAS_Zemlo::kSlotBestand))));
    QVERIFY(eerste.state() == QProcess::Running);
    // However old its lock, a running Zemlo keeps its folder.
    QVERIFY(zetTijd(map.path(QLatin1String(BAS_Zemlo::kSlotBestand)),
                    QDateTime::currentDateTime().addSecs(-3600)));
    const QStringList voor = inhoud(map.path());

    Proces tweede;
    QStringList boxen;
    QVERIFY(draai(tweede, map, {QStringLiteral("--quit")}, boxen));
    QCOMPARE(tweede.exitCode(), 0);
    QCOMPARE(boxen, QStringList{QStringLiteral("0\tZemlo\t") +
                                QString(melding).replace(u'~', map.path())});
    QCOMPARE(inhoud(map.path()), voor);
    QVERIFY(eerste.state() == QProcess::Running);

    // Nor does an hour-old lock of this computer that names the running Zemlo
    // give its folder away, though no process holds the file open.
    Map ander;
    QVERIFY(ander.klaar());
    ander.schrijf("taal.txt", taal);
    ander.schrijf(QLatin1String(BAS_Zemlo::kSlotBestand),
                  QByteArray::number(eerste.processId()) + "\nzemlo\n" +
                      QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() +
                      '\n' + QSysInfo::bootUniqueId() + '\n');
    QVERIFY(zetTijd(ander.path(QLatin1String(BAS_Zemlo::kSlotBestand)),
                    QDateTime::currentDateTime().addSecs(-3600)));
    const QStringList anderVoor = inhoud(ander.path());
    Proces vierde;
    QVERIFY(draai(vierde, ander, {QStringLiteral("--quit")}, boxen));
    QCOMPARE(vierde.exitCode(), 0);
    QCOMPARE(boxen, QStringList{QStringLiteral("0\tZemlo\t") +
                                QString(melding).replace(u'~', ander.path())});
    QCOMPARE(inhoud(ander.path()), anderVoor);

    // Killed, the first leaves its lock behind.
    eerste.kill();
    QVERIFY(eerste.waitForFinished(kHangMs));
    QVERIFY(QFileInfo::exists(map.path(QLatin1String(BAS_Zemlo::kSlotBestand))));
    Proces derde;
    QVERIFY(draai(derde, map, {QStringLiteral("--quit")}, boxen));
    QCOMPARE(derde.exitCode(), 0);
    QCOMPARE(boxen.size(), 1); // no MAIL.TXT, and nothing else
    QVERIFY(boxen[0].startsWith(kGeenMailTxt));
    QVERIFY(QFileInfo(map.path("invoer")).isDir()); // it went through its start
    QVERIFY(!QFileInfo::exists(map.path(QLatin1String(BAS_Zemlo::kSlotBestand))));
    QCOMPARE(map.lees("standaard.ini"), QByteArray("[Standaard]\r\nprovider=1\r\n"));
  }

  // A lock that no running Zemlo of this computer holds never blocks the
  // folder for good. What is no lock (an empty, garbled or unreadable file,
  // an empty folder) is removed and the folder taken; a lock of another
  // computer is taken over only when the director says so, and No ends
  // without touching a file; what cannot be removed is named, and nothing is
  // touched.
  void aLockNoZemloHere_data() {
    QTest::addColumn<QByteArray>("taal");
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("onleesbaar");
    QTest::addColumn<int>("ja");
    QTest::addColumn<QStringList>("vragen"); // the boxes before it runs or ends
    QTest::addColumn<bool>("draait");
    QTest::addColumn<int>("exitCode");

    const QString vraagNl =
        QStringLiteral("1\tZemlo\tZemlo op de computer ~ werkt sinds 05-03-2024 14:30 met deze "
                       "map.|Als daar geen Zemlo met deze map meer open is, kan deze Zemlo de map "
                       "overnemen.|Wilt u de map overnemen?");
    const QString vraagEn = QStringLiteral(
        "1\tZemlo\tZemlo on the computer ~ has been working with this folder since 2024-03-05 "
        "14:30.|If no Zemlo is open with this folder there any more, this Zemlo can take the "
        "folder over.|Do you want to take the folder over?");
    const QByteArray nl = "10\r\n";
    const QByteArray en = "11\r\n";
    const QByteArray anderMachine = "0123456789abcdef0123456789abcdef";
    const QByteArray clubpc = vreemdSlot("clubpc", anderMachine);

    QTest::newRow("empty file") << nl << Slot::Bestand << QByteArray() << false << 0
                                << QStringList() << true << 0;
    QTest::newRow("garbled file") << nl << Slot::Bestand << QByteArray("\x01\xff zemlo\r\n\0x")
                                  << false << 0 << QStringList() << true << 0;
    QTest::newRow("no process id") << en << Slot::Bestand << QByteArray("-7\nzemlo\nclubpc\n")
                                   << false << 0 << QStringList() << true << 0;
    QTest::newRow("unreadable lock of another computer")
        << nl << Slot::Bestand << clubpc << true << 0 << QStringList() << true << 0;
    QTest::newRow("empty folder") << nl << Slot::Map << QByteArray() << false << 0 << QStringList()
                                  << true << 0;
    QTest::newRow("folder with a file, Dutch")
        << nl << Slot::MapMetBestand << QByteArray() << false << 0
        << QStringList{QStringLiteral(
               "2\tZemlo\tHet vergrendelbestand @ kan niet worden verwijderd; zolang het er "
               "staat, kan Zemlo niet met deze map werken.|Verplaats het uit de map en start "
               "Zemlo daarna opnieuw.")}
        << false << 1;
    QTest::newRow("folder with a file, English")
        << en << Slot::MapMetBestand << QByteArray() << false << 0
        << QStringList{QStringLiteral("2\tZemlo\tThe lock file @ cannot be removed; while it is "
                                      "there, Zemlo cannot work with this folder.|Move it out of "
                                      "the folder, then start Zemlo again.")}
        << false << 1;
    QTest::newRow("another computer, No, Dutch")
        << nl << Slot::Bestand << clubpc << false << 0
        << QStringList{QString(vraagNl).replace(u'~', QStringLiteral("clubpc"))} << false << 0;
    QTest::newRow("another computer, No, English")
        << en << Slot::Bestand << clubpc << false << 0
        << QStringList{QString(vraagEn).replace(u'~', QStringLiteral("clubpc"))} << false << 0;
    // A "#" in the computer's name is part of the name, not the time.
    QTest::newRow("another computer whose name holds a #")
        << nl << Slot::Bestand << vreemdSlot("club#2", anderMachine) << false << 0
        << QStringList{QString(vraagNl).replace(u'~', QStringLiteral("club#2"))} << false << 0;
    QTest::newRow("another computer, Yes")
        << en << Slot::Bestand << clubpc << false << 1
        << QStringList{QString(vraagEn).replace(u'~', QStringLiteral("clubpc"))} << true << 0;
    QTest::newRow("another computer, written before machine ids, Yes")
        << nl << Slot::Bestand << QByteArray("4242\nzemlo\nthuis\n") << false << 1
        << QStringList{QString(vraagNl).replace(u'~', QStringLiteral("thuis"))} << true << 0;
    // Two computers may bear one name; their machine ids tell them apart.
    if (!QSysInfo::machineUniqueId().isEmpty())
      QTest::newRow("another computer of this computer's name, No")
          << en << Slot::Bestand << vreemdSlot(QSysInfo::machineHostName().toUtf8(), anderMachine)
          << false << 0 << QStringList{QString(vraagEn).replace(u'~', QSysInfo::machineHostName())}
          << false << 0;
  }
  void aLockNoZemloHere() {
    QFETCH(QByteArray, taal);
    QFETCH(Slot, slot);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, onleesbaar);
    QFETCH(int, ja);
    QFETCH(QStringList, vragen);
    QFETCH(bool, draait);
    QFETCH(int, exitCode);
    if (onleesbaar && ::geteuid() == 0)
      QSKIP("every file is readable to root");
    Map map;
    QVERIFY(map.klaar());
    map.schrijf("taal.txt", taal);
    map.schrijf("standaard.ini", "[Standaard]\r\nprovider=1\r\n");
    const QString slotPad = map.path(QLatin1String(BAS_Zemlo::kSlotBestand));
    if (slot == Slot::Bestand)
      map.schrijf(QLatin1String(BAS_Zemlo::kSlotBestand), bytes);
    else
      QVERIFY(QDir().mkdir(slotPad));
    if (slot == Slot::MapMetBestand)
      map.schrijf(QLatin1String(BAS_Zemlo::kSlotBestand) + QStringLiteral("/notities.txt"),
                  "Niet weggooien\r\n");
    if (slot == Slot::Bestand)
      QVERIFY(zetTijd(slotPad, QDateTime(QDate(2024, 3, 5), QTime(14, 30, 12))));
    if (onleesbaar)
      QVERIFY(QFile::setPermissions(slotPad, QFileDevice::Permissions()));
    const QStringList voor = inhoud(map.path());

    Proces zemlo;
    QStringList boxen;
    QVERIFY(draai(zemlo, map,
                  {QStringLiteral("--quit"), QStringLiteral("--yes"), QString::number(ja)}, boxen));
    QCOMPARE(zemlo.exitCode(), exitCode);
    for (QString &vraag : vragen)
      vraag.replace(u'@', slotPad);
    if (draait) {
      // Its own start runs to the end: the box of the missing MAIL.TXT, its
      // folders made, its lock gone as it ends.
      QCOMPARE(boxen.size(), vragen.size() + 1);
      QVERIFY(boxen.takeLast().startsWith(kGeenMailTxt));
      QCOMPARE(boxen, vragen);
      QVERIFY(QFileInfo(map.path("invoer")).isDir());
      QVERIFY(!QFileInfo::exists(slotPad));
      QCOMPARE(map.lees("standaard.ini"), QByteArray("[Standaard]\r\nprovider=1\r\n"));
    } else {
      QCOMPARE(boxen, vragen);
      QCOMPARE(inhoud(map.path()), voor);
    }
  }

  // Yes to the update question while the program starts: the box says that
  // Zemlo closes, the update is marked, the setup program starts with the
  // program folder, and the process ends, with its event loop never begun.
  void yesToTheUpdateWhileStartingEndsTheProcess() {
    testing::HttpsServer server;
    QVERIFY(server.isRunning());
    server.put(QStringLiteral("/ZEMLO/zemlo.txt"), "02-03-2024\r\n");
    server.put(QStringLiteral("/ZEMLO/zemloupdate.exe"), "#!/bin/sh\n"
                                                         "printf '%s\\n' \"$@\" > started.tmp\n"
                                                         "mv started.tmp started.txt\n");
    Map map;
    QVERIFY(map.klaar());
    map.schrijf("laatsteupdate.txt", "01-03-2024\r\n");

    Proces zemlo;
    QStringList boxen;
    QVERIFY2(draai(zemlo, map,
                   {QStringLiteral("--server"), server.baseUrl(), QStringLiteral("--ca"),
                    server.certificateFile(), QStringLiteral("--online"), QStringLiteral("--yes"),
                    QStringLiteral("1")},
                   boxen),
             "the program did not end");
    QCOMPARE(zemlo.exitCode(), 0);
    QCOMPARE(boxen.size(), 3);
    QVERIFY(boxen[0].startsWith(kGeenMailTxt));
    QCOMPARE(boxen[1], QStringLiteral("1\tZemlo - Zemlo\tEr is een nieuwe versie van Zemlo.|Wilt u "
                                      "de nieuwe versie downloaden en installeren?"));
    QCOMPARE(boxen[2], QStringLiteral("0\tZemlo - Zemlo\tZemlo wordt nu afgesloten en de "
                                      "installatie van de nieuwe versie zal zo starten."));
    const QByteArray marker = map.lees("laatsteupdate.txt");
    QVERIFY2(marker != "01-03-2024\r\n" && marker.endsWith("\r\n") &&
                 BAS_Zemlo::LeesDatum(QString::fromLatin1(marker.trimmed())),
             marker.constData());
    QVERIFY(wachtOp(map.path("started.txt")));
    QCOMPARE(map.lees("started.txt"), (QStringLiteral("/p=") + map.path() + u'\n').toUtf8());
    QVERIFY(!QFileInfo::exists(map.path(QLatin1String(BAS_Zemlo::kSlotBestand))));
  }
};

#include "start_test.moc"
ZEMLO_TEST_CLASS(TestStart)
