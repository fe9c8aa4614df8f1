// The main window: start-up, captions, folders, the window protocol, ending.
#include "common/echteboxen.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/messagebox.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <algorithm>

using namespace BAS_Zemlo;

namespace {

// A task window standing in for the ones the main window opens.
class TaskWindow : public ZemloWindow {
public:
  TaskWindow() : ZemloWindow(QStringLiteral("frmTaak")) {}
  void Form_Activate() override { ++activations; }
  bool Form_KeyDown(QKeyEvent *event) override {
    keys.append(event->key());
    return ZemloWindow::Form_KeyDown(event);
  }
  int activations = 0;
  QList<int> keys;
};

frmZemlo01 *startProgram() {
  registerFrameWindows();
  return static_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
}

QString caption(frmZemlo01 *w, const char *name) {
  return w->findChild<QPushButton *>(QString::fromLatin1(name))->text();
}

} // namespace

class TestMainWindow : public QObject {
  Q_OBJECT
private slots:
  void captionsInEitherLanguage_data() {
    QTest::addColumn<QByteArray>("taal");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("refused");
    QTest::newRow("Dutch") << QByteArray("10\r\n")
                           << QStringList{"&Namen invoeren",        "&Groepen samenstellen",
                                          "&Invoeren scores",       "Download MAIL.TXT",
                                          "Download Speelschema's", "&Afsluiten"}
                           << "Versienummer: 1.0.20"
                           << "<>#%$*&:;\\/?.,'=+`~@^\"";
    QTest::newRow("English") << QByteArray("11\r\n")
                             << QStringList{"Enter &names",          "Build &groups",
                                            "&Entering scores",      "Download MAIL.TXT",
                                            "Download Play schemes", "&Close"}
                             << "Version: 1.0.20"
                             << "<>#%$*&:;/?.,'=+`~@^\"";
  }

  void captionsInEitherLanguage() {
    QFETCH(QByteArray, taal);
    QFETCH(QStringList, captions);
    QFETCH(QString, version);
    QFETCH(QString, refused);
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("taal.txt"), taal);
    platform::RecordingAnswerer answerer;
    frmZemlo01 *w = startProgram();
    QVERIFY(w);
    const char *names[] = {"cmdNamenInvoeren", "cmdGroepenMaken", "cmdInVoerScores",
                           "cmdMAILTXT",       "cmdSchema",       "cmdAfsluiten"};
    for (int i = 0; i < 6; ++i)
      QCOMPARE(caption(w, names[i]), captions[i]);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblVersie"))->text(), version);
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblZemlo"))->text(), QStringLiteral("Zemlo"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Zemlo - Zemlo"));
    QCOMPARE(sVerbodenTekens, refused);
    QCOMPARE(sStilzitTekst, Tekst(101));
    QCOMPARE(sIniPad, folder.path(QStringLiteral("standaard.ini")));
    for (const char *button :
         {"cmdNamenInvoeren", "cmdGroepenMaken", "cmdInVoerScores", "cmdAfsluiten"})
      QVERIFY(w->findChild<QPushButton *>(QString::fromLatin1(button))->isVisible());
    delete w;
  }

  // Qt's own buttons read in the program's language, whatever the system's.
  void messageBoxButtonsInTheLanguage_data() {
    QTest::addColumn<QByteArray>("taal");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::newRow("Dutch") << QByteArray("10\r\n") << "&Ja"
                           << "&Nee";
    QTest::newRow("English") << QByteArray("11\r\n") << "&Yes"
                             << "&No";
    QTest::newRow("Dutch again") << QByteArray("10\r\n") << "&Ja"
                                 << "&Nee";
  }

  void messageBoxButtonsInTheLanguage() {
    QFETCH(QByteArray, taal);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("taal.txt"), taal);
    platform::RecordingAnswerer answerer;
    frmZemlo01 *w = startProgram();
    QVERIFY(w);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Zemlo"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(box.button(QMessageBox::No)->text(), no);
    delete w;
  }

  void dataFoldersAreMade() {
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("namen/keep.txt"), "x");
    frmZemlo01 *w = startProgram();
    for (const char *f : {"namen", "groepen", "schema/10", "schema/11", "invoer"})
      QVERIFY2(QFileInfo(folder.path(QString::fromLatin1(f))).isDir(), f);
    QCOMPARE(folder.read(QStringLiteral("namen/keep.txt")), QByteArray("x"));
    QVERIFY(!folder.exists(QStringLiteral("HTML")));
    QVERIFY(!folder.exists(QStringLiteral("Update")));
    delete w;
  }

  void captionBeforeActivationIsTheWindowName() {
    testing::ProgramFolder folder;
    registerFrameWindows();
    frmZemlo01 w;
    w.Form_Load();
    QCOMPARE(w.windowTitle(), QStringLiteral("frmZemlo01"));
    w.show();
    w.Form_Activate();
    QCOMPARE(w.windowTitle(), QStringLiteral("Zemlo - Zemlo"));
  }

  void taskWindowDisablesAndReturns() {
    testing::ProgramFolder folder;
    frmZemlo01 *w = startProgram();
    registerWindow(QStringLiteral("frmTaak"), [] { return new TaskWindow; });
    QSignalSpy ended(w, &frmZemlo01::programEnded);
    auto *task = static_cast<TaskWindow *>(openWindow(QStringLiteral("frmTaak"), w, 1));
    QVERIFY(task);
    QCOMPARE(iVanForm, 1);
    QCOMPARE(task->activations, 1);
    QVERIFY(!w->isEnabled());
    // The main window activated while it waits (a window manager raises a
    // window clicked) hands the focus back to the task window.
    QVERIFY(testing::activeer(task));
    QSignalSpy focus(qApp, &QGuiApplication::focusWindowChanged);
    w->activateWindow();
    QTRY_VERIFY(std::any_of(focus.cbegin(), focus.cend(), [w](const QList<QVariant> &args) {
      return args.at(0).value<QWindow *>() == w->windowHandle();
    }));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(task));
    // Only one instance of a window.
    QCOMPARE(showWindow(QStringLiteral("frmTaak"), w), task);

    // The disabled main window ignores its close box and Escape cannot reach it.
    w->setWindowTitle(QStringLiteral("changed"));
    QVERIFY(!w->close());
    QCOMPARE(ended.count(), 0);

    // Escape in the task window closes it; the main window is active again.
    QPointer<TaskWindow> gone(task);
    QTest::keyPress(task, Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(gone.isNull());
    QVERIFY(w->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Zemlo - Zemlo"));
    QCOMPARE(ended.count(), 0);
    delete w;
  }

  void keyPreviewSeesEveryKeyOnce() {
    testing::ProgramFolder folder;
    registerWindow(QStringLiteral("frmTaak"), [] { return new TaskWindow; });
    auto *task = static_cast<TaskWindow *>(showWindow(QStringLiteral("frmTaak")));
    auto *edit = new QLineEdit(task);
    auto *button = new QPushButton(task); // ignores letters: they travel to the window
    task->show();
    // Keys held down (no release in between) and keys that travel to the
    // parents are each seen once, wherever they are sent.
    // (QTest presses Ctrl before each key it holds Ctrl for.)
    QTest::keyPress(button, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyPress(button, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyPress(task, Qt::Key_B);
    QCOMPARE(task->keys, QList<int>({Qt::Key_Control, Qt::Key_F4, Qt::Key_Control, Qt::Key_F4,
                                     Qt::Key_A, Qt::Key_B}));
    task->closeWindow();
    testing::flushDeletes();
  }

  void unbuiltTaskDoesNothing() {
    testing::ProgramFolder folder;
    frmZemlo01 *w = startProgram();
    for (const char *b : {"cmdNamenInvoeren", "cmdMAILTXT", "cmdSchema"}) {
      iVanForm = 0;
      QTest::mouseClick(w->findChild<QPushButton *>(QString::fromLatin1(b)), Qt::LeftButton);
      QVERIFY(w->isEnabled());
      QCOMPARE(iVanForm, 0);
    }
    delete w;
  }

  void threeWaysToEnd_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Escape") << 0;
    QTest::newRow("close button") << 1;
    QTest::newRow("close box") << 2;
  }

  void threeWaysToEnd() {
    QFETCH(int, way);
    testing::ProgramFolder folder;
    platform::RecordingAnswerer answerer;
    frmZemlo01 *w = startProgram();
    QSignalSpy ended(w, &frmZemlo01::programEnded);
    if (way == 0) {
      QTest::keyPress(w, Qt::Key_Escape);
    } else if (way == 1) {
      QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdAfsluiten")),
                        Qt::LeftButton);
    } else {
      w->close();
    }
    QCOMPARE(ended.count(), 1);
    QVERIFY(answerer.boxes.isEmpty());
    delete w;
  }

  void releaseOfEscapeDoesNothing() {
    testing::ProgramFolder folder;
    frmZemlo01 *w = startProgram();
    QSignalSpy ended(w, &frmZemlo01::programEnded);
    QTest::keyRelease(w, Qt::Key_Escape);
    QCOMPARE(ended.count(), 0);
    delete w;
  }

  void focusIsParkedOnTheSink() {
    testing::ProgramFolder folder;
    frmZemlo01 *w = startProgram();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->Form_Activate();
    QCOMPARE(w->focusWidget(), w->findChild<QPushButton *>(QStringLiteral("cmdSetfocus")));
    delete w;
  }
};

#include "mainwindow_test.moc"
ZEMLO_TEST_CLASS(TestMainWindow)
