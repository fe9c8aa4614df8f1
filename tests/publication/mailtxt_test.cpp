// Reading MAIL.TXT at start-up: the lists filled, and the box of a missing file.
#include "common/echteboxen.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/messagebox.h"
#include "publication/mailtxt.h"
#include "publication/windows.h"
#include "rules/mailtxtfixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

using namespace BAS_Zemlo;

class TestMailTxt : public QObject {
  Q_OBJECT
private slots:
  void startUpReadsIntoTheMainWindow() {
    testing::ProgramFolder folder;
    const QStringList a = fixture::provider(QStringLiteral("a"));
    const QStringList b = fixture::provider(QStringLiteral("b"));
    folder.write(QStringLiteral("MAIL.TXT"), fixture::mailTxt({a, b}));
    platform::RecordingAnswerer answerer;
    registerFrameWindows();
    registerPublicationWindows();
    auto *w = static_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
    QVERIFY(answerer.boxes.isEmpty());
    QCOMPARE(bMailTxtFout, 0);
    QCOMPARE(BAS_Zemlo::lstCodeer.size(), 2);
    QCOMPARE(BAS_Zemlo::lstProvider[0], fixture::inListOrder(a));
    QCOMPARE(BAS_Zemlo::lstProvider[1], fixture::inListOrder(b));

    // A damaged file keeps the lists; a file of one provider empties the second.
    folder.write(QStringLiteral("MAIL.TXT"), "123456789\r\n");
    LeesMailTxt(w);
    QCOMPARE(bMailTxtFout, -1);
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].kind, platform::BoxKind::Critical);
    QCOMPARE(answerer.boxes[0].text, Tekst(153).replace(u'|', u'\n'));
    QCOMPARE(BAS_Zemlo::lstProvider[1], fixture::inListOrder(b));
    folder.write(QStringLiteral("MAIL.TXT"), fixture::mailTxt({b}));
    LeesMailTxt(w);
    QCOMPARE(bMailTxtFout, 0);
    QCOMPARE(BAS_Zemlo::lstProvider[0], fixture::inListOrder(b));
    QVERIFY(BAS_Zemlo::lstProvider[1].isEmpty());
    delete w;
  }

  void missingFileGivesItsBoxInTheLanguage_data() {
    QTest::addColumn<QByteArray>("taal");
    QTest::addColumn<QString>("start");
    QTest::newRow("Dutch") << QByteArray("10") << "Kan het bestand MAIL.TXT niet vinden.\n\n";
    QTest::newRow("English") << QByteArray("11") << "Cannot find the MAIL.TXT file.\n\n";
  }

  void missingFileGivesItsBoxInTheLanguage() {
    QFETCH(QByteArray, taal);
    QFETCH(QString, start);
    testing::ProgramFolder folder;
    folder.write(QStringLiteral("taal.txt"), taal);
    folder.write(QStringLiteral("MAIL.TXT"), "");
    platform::RecordingAnswerer answerer;
    registerFrameWindows();
    registerPublicationWindows();
    auto *w = static_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].kind, platform::BoxKind::Critical);
    QCOMPARE(answerer.boxes[0].title, QStringLiteral("frmZemlo01"));
    QVERIFY(answerer.boxes[0].text.startsWith(start));
    QCOMPARE(bMailTxtFout, -1);
    // The start-up went on.
    QCOMPARE(w->windowTitle(), QStringLiteral("Zemlo - Zemlo"));
    QVERIFY(folder.exists(QStringLiteral("invoer")));
    delete w;
  }

  // At start-up the main window is not on screen yet: the box of a missing
  // MAIL.TXT stands in the middle of the screen, not in its corner.
  void missingFileBoxStandsInTheMiddleOfTheScreen() {
    testing::ProgramFolder folder;
    // Where each box stood when it closed.
    struct Plek : QObject {
      QList<QRect> boxen;
      bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Hide)
          if (auto *box = qobject_cast<QMessageBox *>(o))
            boxen.append(box->frameGeometry());
        return false;
      }
    } plek;
    qApp->installEventFilter(&plek);
    testing::EchteBoxen boxen;
    registerFrameWindows();
    registerPublicationWindows();
    auto *w = static_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
    qApp->removeEventFilter(&plek);
    QCOMPARE(boxen.teksten.size(), 1);
    QCOMPARE(plek.boxen.size(), 1);
    const QPoint midden = QApplication::primaryScreen()->availableGeometry().center();
    const QPoint box = plek.boxen[0].center();
    QVERIFY2((box - midden).manhattanLength() < 40,
             qPrintable(QStringLiteral("box at %1,%2, screen middle %3,%4")
                            .arg(box.x())
                            .arg(box.y())
                            .arg(midden.x())
                            .arg(midden.y())));
    delete w;
  }
};

#include "mailtxt_test.moc"
ZEMLO_TEST_CLASS(TestMailTxt)
