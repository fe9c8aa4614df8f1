// Removing a lock file that no process of this computer holds, and whether
// the process a lock names still runs.
#include "common/testsupport.h"
#include "platform/lockfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using platform::LockRemoval;

enum class Staat { Niets, Vrij, Vastgehouden, LegeMap, VolleMap, Link };
Q_DECLARE_METATYPE(Staat)
Q_DECLARE_METATYPE(LockRemoval)

class TestLockFile : public QObject {
  Q_OBJECT
private slots:
  // A lock that a process holds stays, from the moment it is made, before a
  // line is written in it; a link goes without what it points to; a folder
  // goes only when it is empty.
  void removeUnheldLockFile_data() {
    QTest::addColumn<Staat>("staat");
    QTest::addColumn<LockRemoval>("uitkomst");
    QTest::addColumn<bool>("blijft");
    QTest::newRow("a file no one holds") << Staat::Vrij << LockRemoval::Removed << false;
    QTest::newRow("held") << Staat::Vastgehouden << LockRemoval::Held << true;
    QTest::newRow("empty folder") << Staat::LegeMap << LockRemoval::Removed << false;
    QTest::newRow("folder with a file") << Staat::VolleMap << LockRemoval::Failed << true;
    QTest::newRow("link") << Staat::Link << LockRemoval::Removed << false;
    QTest::newRow("nothing there") << Staat::Niets << LockRemoval::Removed << false;
  }
  void removeUnheldLockFile() {
    QFETCH(Staat, staat);
    QFETCH(LockRemoval, uitkomst);
    QFETCH(bool, blijft);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pad = dir.filePath(QStringLiteral("zemlo.lock"));
    const QString doel = dir.filePath(QStringLiteral("doel.txt"));
    QFile(doel).open(QIODevice::WriteOnly);
    QLockFile houder(pad);
    switch (staat) {
    case Staat::Vrij:
      QVERIFY(QFile(pad).open(QIODevice::WriteOnly));
      break;
    case Staat::Vastgehouden:
      QVERIFY(houder.tryLock(0));
      break;
    case Staat::LegeMap:
      QVERIFY(QDir().mkdir(pad));
      break;
    case Staat::VolleMap:
      QVERIFY(QDir().mkdir(pad));
      QVERIFY(QFile(pad + QStringLiteral("/a.txt")).open(QIODevice::WriteOnly));
      break;
    case Staat::Link:
      QVERIFY(QFile::link(doel, pad));
      break;
    case Staat::Niets:
      break;
    }
    QCOMPARE(platform::removeUnheldLockFile(pad), uitkomst);
    QCOMPARE(QFileInfo(pad).exists() || QFileInfo(pad).isSymLink(), blijft);
    QVERIFY(QFileInfo::exists(doel));
  }

  // A process runs the program a lock names; a process of that id that runs
  // another program, or none at all, is not the lock's.
  void processRuns() {
    const qint64 eigen = QCoreApplication::applicationPid();
    const QString programma = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(platform::processRuns(eigen, programma));
    QVERIFY(platform::processRuns(eigen, QStringLiteral("/elders/") + programma));
    QVERIFY(!platform::processRuns(eigen, QStringLiteral("zemlo")));
    // A program file replaced while the program runs.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString kopie = dir.filePath(QStringLiteral("zemlo"));
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), kopie));
    QProcess slaapt;
    slaapt.start(kopie, {QStringLiteral("30")});
    QVERIFY(slaapt.waitForStarted());
    QVERIFY(QFile::remove(kopie));
    QVERIFY(platform::processRuns(slaapt.processId(), QStringLiteral("zemlo")));
    slaapt.kill();
    QVERIFY(slaapt.waitForFinished());
    QProcess klaar;
    klaar.start(QStringLiteral("/bin/true"), {});
    QVERIFY(klaar.waitForStarted());
    const qint64 weg = klaar.processId();
    QVERIFY(klaar.waitForFinished());
    QVERIFY(!platform::processRuns(weg, QStringLiteral("true")));
    QVERIFY(!platform::processRuns(0, programma));
    QVERIFY(!platform::processRuns(-1, programma));
    QVERIFY(!platform::processRuns(Q_INT64_C(1) << 40, programma));
  }
};

#include "lockfile_test.moc"
ZEMLO_TEST_CLASS(TestLockFile)
