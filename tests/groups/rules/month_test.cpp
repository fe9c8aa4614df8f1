// The calendar's month: its length and the day each cell shows.
#include "common/testsupport.h"
#include "groups/kalender.h"

#include <QTest>

using namespace groups;

class MonthTest : public QObject {
  Q_OBJECT
private slots:
  void monthLengths() {
    QCOMPARE(maandLengte(2, 2024), 29);
    QCOMPARE(maandLengte(2, 2100), 28);
    QCOMPARE(maandLengte(2, 2000), 29);
    QCOMPARE(maandLengte(4, 2025), 30);
    QCOMPARE(maandLengte(12, 2025), 31);
  }

  void cells_data() {
    QTest::addColumn<int>("maand");
    QTest::addColumn<int>("jaar");
    QTest::addColumn<int>("eerste");  // the cell of the 1st
    QTest::addColumn<int>("laatste"); // the cell of the last day
    QTest::newRow("March 2024, from a Friday") << 3 << 2024 << 5 << 35;
    QTest::newRow("March 2025, 31 days from a Saturday") << 3 << 2025 << 6 << 36;
    QTest::newRow("December 2024, from a Sunday") << 12 << 2024 << 7 << 37;
    QTest::newRow("September 2024, 30 days from a Sunday") << 9 << 2024 << 7 << 36;
    QTest::newRow("February 2021, four whole weeks") << 2 << 2021 << 1 << 28;
  }
  void cells() {
    QFETCH(int, maand);
    QFETCH(int, jaar);
    QFETCH(int, eerste);
    QFETCH(int, laatste);
    const auto c = maandCellen(maand, jaar);
    for (int i = 1; i <= 42; ++i)
      QCOMPARE(c[i], i >= eerste && i <= laatste ? i - eerste + 1 : 0);
  }
};

#include "month_test.moc"
ZEMLO_TEST_CLASS(MonthTest)
