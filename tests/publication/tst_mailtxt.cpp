// Reading MAIL.TXT at start-up: clean files and damaged ones.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "mailtxtfixture.h"
#include "platform/messagebox.h"
#include "publication/mailtxt.h"

#include <QTest>

using namespace BAS_Zemlo;

namespace {
// The list items take the fields in this order.
QStringList inListOrder(const QStringList &f) {
  return {f[2], f[4], f[0], f[5], f[1], f[6], f[8], f[3], f[7]};
}
} // namespace

class TestMailTxt : public QObject {
  Q_OBJECT
private slots:
  void cleanFiles() {
    const QStringList a = fixture::provider(QStringLiteral("smtp.a.nl|"));
    const QStringList b = fixture::provider(QStringLiteral("b\xe9"));
    auto two = mailtxt::read(fixture::mailTxt({a, b}, "\r\n  \r\n", "\r\n", " \r\n"));
    QCOMPARE(two.status, mailtxt::Reading::Ok);
    QCOMPARE(two.providerCount, 2);
    QCOMPARE(two.providers[0], inListOrder(a));
    QCOMPARE(two.providers[1], inListOrder(b));
    QCOMPARE(two.lines.size(), 2);

    auto one = mailtxt::read(fixture::mailTxt({a}));
    QCOMPARE(one.status, mailtxt::Reading::Ok);
    QCOMPARE(one.providerCount, 1);
    QVERIFY(one.providers[1].isEmpty());
  }

  void damagedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const QStringList a = fixture::provider(QStringLiteral("a"));
    const QByteArray good = fixture::mailTxt({a});
    QByteArray longer = good;
    longer.append("\r\n");
    QByteArray badGroup = good;
    badGroup[5] = 'x';
    QByteArray belowOffset = fixture::scrambleLine({"a", "b", "c", "d", "e", "f", "g", "h", "i"},
                                                   100, "0000");
    belowOffset.replace(3, 3, "050");
    QTest::newRow("empty") << QByteArray() << int(mailtxt::Reading::Missing);
    QTest::newRow("only blank lines") << QByteArray("\r\n   \r\n") << int(mailtxt::Reading::Damaged);
    QTest::newRow("length changed") << longer << int(mailtxt::Reading::Damaged);
    QTest::newRow("eight fields") << fixture::mailTxt({a.mid(0, 8)}) << int(mailtxt::Reading::Damaged);
    QTest::newRow("three providers") << fixture::mailTxt({a, a, a}) << int(mailtxt::Reading::Damaged);
    QTest::newRow("group of letters") << badGroup << int(mailtxt::Reading::Damaged);
    QTest::newRow("group below the offset")
        << QByteArray(belowOffset + "\r\n") << int(mailtxt::Reading::Damaged);
    QTest::newRow("short line") << QByteArray("12\r\n") << int(mailtxt::Reading::Damaged);
    QTest::newRow("garbage") << QByteArray("\xff\xfe<html>\r\n") << int(mailtxt::Reading::Damaged);
  }

  void damagedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QCOMPARE(int(mailtxt::read(bytes).status), status);
  }

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
    QCOMPARE(w->lstCodeer.size(), 2);
    QCOMPARE(w->lstProvider[0], inListOrder(a));
    QCOMPARE(w->lstProvider[1], inListOrder(b));

    // A damaged file keeps the lists; a file of one provider empties the second.
    folder.write(QStringLiteral("MAIL.TXT"), "123456789\r\n");
    LeesMailTxt(w);
    QCOMPARE(bMailTxtFout, -1);
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].kind, platform::BoxKind::Critical);
    QCOMPARE(answerer.boxes[0].text, Tekst(153).replace(u'|', u'\n'));
    QCOMPARE(w->lstProvider[1], inListOrder(b));
    folder.write(QStringLiteral("MAIL.TXT"), fixture::mailTxt({b}));
    LeesMailTxt(w);
    QCOMPARE(bMailTxtFout, 0);
    QCOMPARE(w->lstProvider[0], inListOrder(b));
    QVERIFY(w->lstProvider[1].isEmpty());
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
};

#include "tst_mailtxt.moc"
ZEMLO_TEST_CLASS(TestMailTxt)
