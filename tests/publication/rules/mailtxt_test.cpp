// Reading MAIL.TXT at start-up: clean files and damaged ones.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "mailtxtfixture.h"
#include "publication/mailtxt.h"

#include <QTest>

using namespace BAS_Zemlo;

class TestMailTxt : public QObject {
  Q_OBJECT
private slots:
  void cleanFiles() {
    const QStringList a = fixture::provider(QStringLiteral("smtp.a.nl|"));
    const QStringList b = fixture::provider(QStringLiteral("b\xe9"));
    auto two = mailtxt::read(fixture::mailTxt({a, b}, "\r\n  \r\n", "\r\n", " \r\n"));
    QCOMPARE(two.status, mailtxt::Reading::Ok);
    QCOMPARE(two.providerCount, 2);
    QCOMPARE(two.providers[0], fixture::inListOrder(a));
    QCOMPARE(two.providers[1], fixture::inListOrder(b));
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
    QByteArray belowOffset =
        fixture::scrambleLine({"a", "b", "c", "d", "e", "f", "g", "h", "i"}, 100, "0000");
    belowOffset.replace(3, 3, "050");
    QTest::newRow("empty") << QByteArray() << int(mailtxt::Reading::Missing);
    QTest::newRow("only blank lines")
        << QByteArray("\r\n   \r\n") << int(mailtxt::Reading::Damaged);
    QTest::newRow("length changed") << longer << int(mailtxt::Reading::Damaged);
    QTest::newRow("eight fields") << fixture::mailTxt({a.mid(0, 8)})
                                  << int(mailtxt::Reading::Damaged);
    QTest::newRow("three providers")
        << fixture::mailTxt({a, a, a}) << int(mailtxt::Reading::Damaged);
    QTest::newRow("group of letters") << badGroup << int(mailtxt::Reading::Damaged);
    QTest::newRow("group below the offset")
        << QByteArray(belowOffset + "\r\n") << int(mailtxt::Reading::Damaged);
    QTest::newRow("short line") << QByteArray("12\r\n") << int(mailtxt::Reading::Damaged);
    // Only blanks make a line blank: a tab is a line, so one provider and a
    // tab read as a second provider that does not unscramble.
    QTest::newRow("line of a tab")
        << fixture::mailTxt({a}, {}, {}, "\t\r\n") << int(mailtxt::Reading::Damaged);
    QTest::newRow("blanks after the line")
        << fixture::mailTxt({a}, {}, {}, "   \r\n") << int(mailtxt::Reading::Ok);
    QTest::newRow("garbage") << QByteArray("\xff\xfe<html>\r\n") << int(mailtxt::Reading::Damaged);
    // The sender's name (the line's field 7, list item 8) goes into every
    // mail's header.
    const QList<std::pair<const char *, QString>> namen{
        {"tab in the sender's name", QStringLiteral("Club\tZemlo")},
        {"line break in the sender's name", QStringLiteral("Club\r\nBcc: x@y.nl")},
        {"DEL in the sender's name", QStringLiteral("Club\x7f")}};
    for (const auto &[rij, naam] : namen) {
      QStringList velden = a;
      velden[7] = naam;
      QTest::newRow(rij) << fixture::mailTxt({a, velden}) << int(mailtxt::Reading::Damaged);
    }
    QStringList andereNaam = a;
    andereNaam[7] = QStringLiteral("Club \"De Troef\" \u00e9");
    QTest::newRow("sender's name with quotes and a letter beyond ASCII")
        << fixture::mailTxt({andereNaam}) << int(mailtxt::Reading::Ok);
  }

  void damagedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QCOMPARE(int(mailtxt::read(bytes).status), status);
  }
};

#include "mailtxt_test.moc"
ZEMLO_TEST_CLASS(TestMailTxt)
