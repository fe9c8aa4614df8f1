// The program run as a process of its own: one Zemlo a program folder, and
// Yes to the update question while it starts.
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
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

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

} // namespace

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
    const QStringList voor = inhoud(map.path());

    Proces tweede;
    QStringList boxen;
    QVERIFY(draai(tweede, map, {QStringLiteral("--quit")}, boxen));
    QCOMPARE(tweede.exitCode(), 0);
    QCOMPARE(boxen, QStringList{QStringLiteral("0\tZemlo\t") +
                                QString(melding).replace(u'~', map.path())});
    QCOMPARE(inhoud(map.path()), voor);
    QVERIFY(eerste.state() == QProcess::Running);

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
