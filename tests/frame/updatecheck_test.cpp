// The update check of the main window and the fetch of the setup program,
// against a loopback HTTPS server.
#include "common/httpsserver.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/clock.h"
#include "platform/download.h"
#include "platform/messagebox.h"
#include "platform/online.h"
#include "platform/process.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

using platform::BoxKind;

namespace {

const QString kVersionPath = QStringLiteral("/ZEMLO/zemlo.txt");
const QString kSetupPath = QStringLiteral("/ZEMLO/zemloupdate.exe");
const QString kQuestion = QStringLiteral(
    "Er is een nieuwe versie van Zemlo.\nWilt u de nieuwe versie downloaden en installeren?");

struct Start {
  QString program;
  QStringList arguments;
  QString folder;
};

// The server of the test class, started once: each test clears it.
testing::HttpsServer *gServer = nullptr;

// A program folder, the cleared server, recorded message boxes and recorded
// starts.
struct Rig {
  testing::ProgramFolder folder;
  testing::HttpsServer &server;
  platform::RecordingAnswerer boxes;
  QList<Start> starts;
  bool startSucceeds = true;
  QPointer<frmZemlo01> window;

  explicit Rig(bool recordStarts = true) : server(*gServer) {
    server.clear();
    registerFrameWindows();
    platform::setClock(QDateTime(QDate(2024, 5, 6), QTime(14, 30)));
    if (recordStarts)
      platform::setStartHook([this](const QString &p, const QStringList &a, const QString &f) {
        starts.append({p, a, f});
        return startSucceeds;
      });
  }
  ~Rig() {
    delete window.data();
    platform::setStartHook({});
  }
  // Loads and activates the main window; the check runs as its last step.
  frmZemlo01 *open(bool online = true) {
    platform::setOnlineAnswer(online);
    window = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
    return window;
  }
  int asked(const QString &path) const { return server.requests().count(path); }
  QList<BoxKind> kinds() const {
    QList<BoxKind> list;
    for (const auto &b : boxes.boxes)
      list.append(b.kind);
    return list;
  }
};

QString text(int index) { return BAS_Zemlo::Tekst(index).replace(u'|', u'\n'); }

// Records every box; from the box of the given text on, the disk is full.
struct FullAfter : platform::RecordingAnswerer {
  explicit FullAfter(const QString &text) : trigger(text) {}
  bool answer(const platform::BoxRecord &box) override {
    const bool yes = RecordingAnswerer::answer(box);
    if (!trigger.isEmpty() && box.text == trigger && !full)
      full = std::make_unique<testing::FullDisk>();
    return yes;
  }
  QString trigger;
  std::unique_ptr<testing::FullDisk> full;
};

} // namespace

class UpdateCheckTest : public QObject {
  Q_OBJECT
  std::unique_ptr<testing::HttpsServer> m_server;

private slots:
  void initTestCase() {
    m_server = std::make_unique<testing::HttpsServer>();
    gServer = m_server.get();
    QVERIFY(m_server->isRunning());
  }
  void cleanupTestCase() {
    gServer = nullptr;
    m_server.reset();
  }

  // Which pairs of dates and version files lead to the question; every other
  // case ends the check without a word.
  void questionOnlyForALaterValidDate_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("marker");  // laatsteupdate.txt; empty: none
    QTest::addColumn<QByteArray>("version"); // the server's zemlo.txt
    QTest::addColumn<int>("status");         // 0: served, else this status
    QTest::addColumn<bool>("asks");

    QTest::newRow("later, Dutch forms")
        << "10" << QByteArray("01-03-2024\r\n") << QByteArray("02-03-2024\r\n") << 0 << true;
    QTest::newRow("later, English forms")
        << "11" << QByteArray("2024-03-01\r\n") << QByteArray("2024-03-02\r\n") << 0 << true;
    QTest::newRow("later, forms mixed, other language")
        << "11" << QByteArray("01-03-2024\r\n") << QByteArray(" 2025-01-01 \r\nrest\r\n") << 0
        << true;
    QTest::newRow("same date") << "10" << QByteArray("02-03-2024\r\n")
                               << QByteArray("2024-03-02\r\n") << 0 << false;
    QTest::newRow("earlier") << "10" << QByteArray("02-03-2024\r\n") << QByteArray("01-03-2024\r\n")
                             << 0 << false;
    QTest::newRow("no laatsteupdate.txt")
        << "10" << QByteArray() << QByteArray("01-01-2030\r\n") << 0 << false;
    QTest::newRow("error page") << "10" << QByteArray("01-03-2024\r\n")
                                << QByteArray("<!DOCTYPE html>\n<html><body>Not here</body>\n") << 0
                                << false;
    QTest::newRow("empty version file")
        << "10" << QByteArray("01-03-2024\r\n") << QByteArray("") << 0 << false;
    QTest::newRow("blank first line")
        << "10" << QByteArray("01-03-2024\r\n") << QByteArray("  \r\n01-01-2030\r\n") << 0 << false;
    QTest::newRow("no date") << "10" << QByteArray("01-03-2024\r\n")
                             << QByteArray("versie 1.0.21\r\n") << 0 << false;
    QTest::newRow("no such day") << "10" << QByteArray("01-03-2024\r\n")
                                 << QByteArray("31-02-2030\r\n") << 0 << false;
    QTest::newRow("marker no date")
        << "10" << QByteArray("gisteren\r\n") << QByteArray("01-01-2030\r\n") << 0 << false;
    QTest::newRow("version file 404")
        << "10" << QByteArray("01-03-2024\r\n") << QByteArray("01-01-2030\r\n") << 404 << false;
    QTest::newRow("version file 500")
        << "10" << QByteArray("01-03-2024\r\n") << QByteArray("01-01-2030\r\n") << 500 << false;
  }
  void questionOnlyForALaterValidDate() {
    QFETCH(QString, language);
    QFETCH(QByteArray, marker);
    QFETCH(QByteArray, version);
    QFETCH(int, status);
    QFETCH(bool, asks);
    Rig rig;
    QVERIFY(rig.server.isRunning());
    rig.folder.write(QStringLiteral("taal.txt"), language.toLatin1() + "\r\n");
    if (!marker.isEmpty())
      rig.folder.write(QStringLiteral("laatsteupdate.txt"), marker);
    // A version file left from before must not count when the fetch fails.
    rig.folder.write(QStringLiteral("Update/zemlo.txt"), "01-01-2031\r\n");
    rig.server.put(kVersionPath, version);
    if (status != 0)
      rig.server.fail(kVersionPath, status);

    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    QCOMPARE(rig.asked(kVersionPath), 1);
    QCOMPARE(rig.boxes.boxes.size(), asks ? 1 : 0);
    if (asks) {
      QCOMPARE(rig.boxes.boxes[0].kind, BoxKind::Question);
      QCOMPARE(rig.boxes.boxes[0].title, QStringLiteral("Zemlo - Zemlo"));
      QCOMPARE(rig.boxes.boxes[0].text, kQuestion);
    }
    QCOMPARE(BAS_Zemlo::bUpdateGevraagd, asks ? -1 : 0);
    QCOMPARE(rig.folder.read(QStringLiteral("Update/zemlo.txt")),
             status == 0 ? version : QByteArray());
    QCOMPARE(rig.folder.exists(QStringLiteral("Update/zemlo.txt")), status == 0);
    QCOMPARE(rig.asked(kSetupPath), 0);
    QCOMPARE(rig.folder.read(QStringLiteral("laatsteupdate.txt")), marker);
    QVERIFY(frm->isVisible() && frm->isEnabled());
  }

  // A server slow to send the version file: the main window keeps painting
  // under the hourglass meanwhile, and none of its buttons acts, however
  // pressed; nor does its close box.
  void theWindowPaintsAndNothingActsWhileTheVersionFileComes() {
    Rig rig;
    rig.folder.write(QStringLiteral("laatsteupdate.txt"), "01-03-2024\r\n");
    rig.server.stall(kVersionPath);
    rig.server.put(kSetupPath, "setup");
    platform::setFirstByteLimit(1);
    bool during = false, disabled = false, hourglass = false, stillOpen = false;
    int paints = 0, ends = 0;
    struct Paints : QObject {
      int *count;
      explicit Paints(int *c) : count(c) {}
      bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
          ++*count;
        return false;
      }
    } watcher(&paints);
    QTimer timer;
    timer.setSingleShot(true);
    QList<QPushButton *> buttons;
    connect(&timer, &QTimer::timeout, this, [&] {
      frmZemlo01 *frm = frmZemlo01::instance();
      if (!frm)
        return;
      during = true;
      buttons = {frm->cmdNamenInvoeren, frm->cmdGroepenMaken, frm->cmdInVoerScores, frm->cmdSchema,
                 frm->cmdMAILTXT,       frm->cmdDownLoad,     frm->cmdAfsluiten};
      disabled = !frm->isEnabled();
      for (QPushButton *b : std::as_const(buttons))
        disabled = disabled && !b->isEnabled();
      hourglass = QGuiApplication::overrideCursor() &&
                  QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
      connect(frm, &frmZemlo01::programEnded, this, [&] { ++ends; });
      frm->cmdDownLoad->installEventFilter(&watcher);
      frm->cmdDownLoad->update();
      QApplication::processEvents();
      for (QPushButton *b : std::as_const(buttons))
        b->click();
      QTest::mouseClick(frm->cmdDownLoad, Qt::LeftButton);
      frm->close();
      stillOpen = frm->isVisible();
    });
    timer.start(300);
    frmZemlo01 *frm = rig.open();
    platform::setFirstByteLimit(10);
    QVERIFY(frm);
    QVERIFY(during);
    QVERIFY(disabled);
    QVERIFY(hourglass);
    QVERIFY(paints > 0);
    QVERIFY(stillOpen);
    QCOMPARE(rig.asked(kVersionPath), 1);
    QCOMPARE(rig.asked(kSetupPath), 0);
    QVERIFY(rig.boxes.boxes.isEmpty());
    QVERIFY(rig.starts.isEmpty());
    QCOMPARE(ends, 0);
    QVERIFY(frm->isVisible() && frm->isEnabled());
    for (QPushButton *b : std::as_const(buttons))
      QVERIFY(b->isEnabled());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  // Answer No: nothing is fetched, and later activations fetch the version
  // file again but ask nothing.
  void askedOnceAndNoFetchesNothing() {
    Rig rig;
    rig.folder.write(QStringLiteral("laatsteupdate.txt"), "01-03-2024\r\n");
    rig.server.put(kVersionPath, "02-03-2024\r\n");
    rig.server.put(kSetupPath, "#!/bin/sh\n");
    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    frm->Form_Activate();
    frm->Form_Activate();
    QCOMPARE(rig.asked(kVersionPath), 3);
    QCOMPARE(rig.kinds(), QList<BoxKind>{BoxKind::Question});
    QCOMPARE(rig.asked(kSetupPath), 0);
    QVERIFY(!rig.folder.exists(QStringLiteral("Update/zemloupdate.exe")));
    QVERIFY(rig.starts.isEmpty());
    QCOMPARE(rig.folder.read(QStringLiteral("laatsteupdate.txt")), QByteArray("01-03-2024\r\n"));
  }

  void offLineNothingIsFetched() {
    Rig rig;
    rig.folder.write(QStringLiteral("laatsteupdate.txt"), "01-03-2024\r\n");
    rig.server.put(kVersionPath, "02-03-2024\r\n");
    frmZemlo01 *frm = rig.open(false);
    QVERIFY(frm);
    frm->Form_Activate();
    QVERIFY(rig.server.requests().isEmpty());
    QVERIFY(rig.boxes.boxes.isEmpty());
    QVERIFY(!rig.folder.exists(QStringLiteral("Update")));
  }

  // Yes, and the setup program is not there: text 115, no file, no marker,
  // the program goes on.
  void aMissingSetupProgramGivesText115() {
    Rig rig;
    rig.folder.write(QStringLiteral("laatsteupdate.txt"), "01-03-2024\r\n");
    rig.folder.write(QStringLiteral("Update/zemloupdate.exe"), "old setup");
    rig.server.put(kVersionPath, "02-03-2024\r\n");
    rig.boxes.answers = {true};
    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    QCOMPARE(rig.asked(kSetupPath), 1);
    QCOMPARE(rig.kinds(), (QList<BoxKind>{BoxKind::Question, BoxKind::Information}));
    QCOMPARE(rig.boxes.boxes[1].text, text(115));
    QCOMPARE(rig.boxes.boxes[1].title, QStringLiteral("Zemlo - Zemlo"));
    QVERIFY(!rig.folder.exists(QStringLiteral("Update/zemloupdate.exe")));
    QCOMPARE(rig.folder.read(QStringLiteral("laatsteupdate.txt")), QByteArray("01-03-2024\r\n"));
    QVERIFY(rig.starts.isEmpty());
    QVERIFY(frm->isVisible() && frm->isEnabled());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // The question does not come again.
    frm->Form_Activate();
    QCOMPARE(rig.boxes.boxes.size(), 2);
  }

  // Yes, and the setup program comes: it is started for real, detached, with
  // the one argument "/p=<program folder>" in the program folder; the marker
  // holds today in the language's form and the program ends.
  void theFetchedSetupProgramIsStarted() {
    Rig rig(false);
    rig.folder.write(QStringLiteral("taal.txt"), "11\r\n");
    rig.folder.write(QStringLiteral("laatsteupdate.txt"), "2024-03-01\r\n");
    rig.server.put(kVersionPath, "02-03-2024\r\n");
    rig.server.put(kSetupPath, "#!/bin/sh\n"
                               "printf '%s\\n' \"$#\" \"$@\" \"$(pwd)\" > started.tmp\n"
                               "mv started.tmp started.txt\n");
    rig.boxes.answers = {true};
    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    QCOMPARE(rig.asked(kSetupPath), 1);
    QCOMPARE(rig.kinds(), (QList<BoxKind>{BoxKind::Question, BoxKind::Information}));
    QCOMPARE(rig.boxes.boxes[1].text, text(117));
    QCOMPARE(rig.folder.read(QStringLiteral("laatsteupdate.txt")), QByteArray("2024-05-06\r\n"));
    QVERIFY(QFileInfo(rig.folder.path(QStringLiteral("Update/zemloupdate.exe"))).isExecutable());
    QVERIFY(!frm->isVisible()); // ended

    QDeadlineTimer deadline(10000);
    while (!rig.folder.exists(QStringLiteral("started.txt")) && !deadline.hasExpired())
      QThread::msleep(20);
    const QString folder = rig.folder.path();
    QCOMPARE(QString::fromUtf8(rig.folder.read(QStringLiteral("started.txt"))),
             QStringLiteral("1\n/p=%1\n%1\n").arg(folder));
  }

  // The download button fetches without asking; the start is recorded.
  void theDownloadButtonFetchesAndStarts() {
    Rig rig;
    rig.server.put(kVersionPath, "02-03-2024\r\n"); // no marker: no question
    rig.server.put(kSetupPath, "setup");
    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    QSignalSpy ended(frm, &frmZemlo01::programEnded);
    QTest::mouseClick(frm->cmdDownLoad, Qt::LeftButton);
    QCOMPARE(rig.starts.size(), 1);
    QCOMPARE(rig.starts[0].program, rig.folder.path(QStringLiteral("Update/zemloupdate.exe")));
    QCOMPARE(rig.starts[0].arguments, QStringList{QStringLiteral("/p=") + rig.folder.path()});
    QCOMPARE(rig.starts[0].folder, rig.folder.path());
    QCOMPARE(rig.folder.read(QStringLiteral("Update/zemloupdate.exe")), QByteArray("setup"));
    QCOMPARE(rig.folder.read(QStringLiteral("laatsteupdate.txt")), QByteArray("06-05-2024\r\n"));
    QCOMPARE(rig.kinds(), QList<BoxKind>{BoxKind::Information});
    QCOMPARE(rig.boxes.boxes[0].text, text(117));
    QCOMPARE(ended.size(), 1);
  }

  // A setup program that cannot be started: after text 117, text 115; the
  // marker stays as it was (none, or its old bytes) and the program goes on.
  // Once the start is refused, once the file is no program.
  void aStartThatFailsKeepsTheProgramGoing_data() {
    QTest::addColumn<bool>("realStart");
    QTest::addColumn<QByteArray>("marker"); // empty: none
    QTest::newRow("start refused") << false << QByteArray();
    QTest::newRow("not a program") << true << QByteArray("02-03-2024\r\n");
  }
  void aStartThatFailsKeepsTheProgramGoing() {
    QFETCH(bool, realStart);
    QFETCH(QByteArray, marker);
    Rig rig(!realStart);
    rig.startSucceeds = false;
    if (!marker.isEmpty())
      rig.folder.write(QStringLiteral("laatsteupdate.txt"), marker);
    rig.server.put(kVersionPath, "02-03-2024\r\n");
    rig.server.put(kSetupPath, "\x7f"
                               "ELF, but nothing that runs");
    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    QSignalSpy ended(frm, &frmZemlo01::programEnded);
    QTest::mouseClick(frm->cmdDownLoad, Qt::LeftButton);
    QCOMPARE(rig.asked(kSetupPath), 1);
    QCOMPARE(rig.starts.size(), realStart ? 0 : 1);
    QCOMPARE(rig.kinds(), (QList<BoxKind>{BoxKind::Information, BoxKind::Information}));
    QCOMPARE(rig.boxes.boxes[0].text, text(117));
    QCOMPARE(rig.boxes.boxes[1].text, text(115));
    QCOMPARE(rig.folder.exists(QStringLiteral("laatsteupdate.txt")), !marker.isEmpty());
    QCOMPARE(rig.folder.read(QStringLiteral("laatsteupdate.txt")), marker);
    QCOMPARE(ended.size(), 0);
    QVERIFY(frm->isVisible() && frm->isEnabled());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  // The steps of a fetched update in their order: text 117, the marker
  // written, the setup program started. A marker that cannot be saved (a full
  // disk) is named with text 181; the update goes on.
  void theStepsOfTheUpdateInTheirOrder_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("room") << false;
    QTest::newRow("full disk") << true;
  }
  void theStepsOfTheUpdateInTheirOrder() {
    QFETCH(bool, fullDisk);
    Rig rig(false);
    rig.folder.write(QStringLiteral("laatsteupdate.txt"), "02-03-2024\r\n");
    rig.server.put(kVersionPath, "02-03-2024\r\n");
    rig.server.put(kSetupPath, "setup");
    frmZemlo01 *frm = rig.open();
    QVERIFY(frm);
    // The setup program arrives whole; the disk is full from text 117 on.
    FullAfter boxes(fullDisk ? text(117) : QString());
    QStringList steps;
    platform::setStartHook([&](const QString &, const QStringList &, const QString &) {
      steps.append(QStringLiteral("start after %1 boxes, marker %2")
                       .arg(boxes.boxes.size())
                       .arg(QString::fromLatin1(
                           rig.folder.read(QStringLiteral("laatsteupdate.txt")).trimmed())));
      return true;
    });
    QTest::mouseClick(frm->cmdDownLoad, Qt::LeftButton);
    boxes.full.reset();
    QCOMPARE(boxes.boxes.value(0).text, text(117));
    QCOMPARE(boxes.boxes.size(), fullDisk ? 2 : 1);
    if (fullDisk)
      QCOMPARE(boxes.boxes[1].text,
               QStringLiteral("Het bestand laatsteupdate.txt kan niet worden opgeslagen.\n"
                              "Controleer de schijf en probeer het opnieuw."));
    QCOMPARE(steps, QStringList{QStringLiteral("start after %1 boxes, marker %2")
                                    .arg(fullDisk ? 2 : 1)
                                    .arg(fullDisk ? "02-03-2024" : "06-05-2024")});
    QVERIFY(!frm->isVisible()); // ended
  }
};

#include "updatecheck_test.moc"
ZEMLO_TEST_CLASS(UpdateCheckTest)
