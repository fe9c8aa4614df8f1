// The size of the result window and its grid, for grids and screens of
// every size.
#include "common/testsupport.h"
#include "publication/uitslagindeling.h"

#include <QTest>

using namespace publication;

class TestUitslagIndeling : public QObject {
  Q_OBJECT
private slots:
  // A grid of 4 columns; rows of 24 pixels and a header row; scroll bars of
  // 16 pixels.
  void growsWithItsGrid_data() {
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<QSize>("venster");
    QTest::addColumn<QRect>("plaats");
    QTest::newRow("small: the least size, the grid centred")
        << QSize(400, 100) << QSize(1280, 1024) << QSize(700, 560) << QRect(150, 15, 400, 100);
    QTest::newRow("26 pairs, wide names, 1280x1024: the rows whole under the columns' bar")
        << QSize(1400, 27 * 24 + 2) << QSize(1280, 1024) << QSize(1240, 27 * 24 + 2 + 16 + 120)
        << QRect(15, 15, 1210, 27 * 24 + 2 + 16);
    QTest::newRow("26 pairs, names that fit, 1280x1024: no bar")
        << QSize(900, 27 * 24 + 2) << QSize(1280, 1024) << QSize(930, 27 * 24 + 2 + 120)
        << QRect(15, 15, 900, 27 * 24 + 2);
    QTest::newRow("taller than the screen: the rows' bar beside the columns")
        << QSize(900, 2000) << QSize(1280, 1024) << QSize(946, 944) << QRect(15, 15, 916, 824);
    QTest::newRow("both bars") << QSize(1400, 2000) << QSize(1280, 1024) << QSize(1240, 944)
                               << QRect(15, 15, 1210, 824);
    QTest::newRow("the columns' bar makes the rows scroll too")
        << QSize(1400, 820) << QSize(1280, 1024) << QSize(1240, 944) << QRect(15, 15, 1210, 824);
    QTest::newRow("a screen below the least size")
        << QSize(900, 600) << QSize(640, 480) << QSize(700, 560) << QRect(15, 15, 670, 440);
  }
  void growsWithItsGrid() {
    QFETCH(QSize, grid);
    QFETCH(QSize, scherm);
    QFETCH(QSize, venster);
    QFETCH(QRect, plaats);
    const UitslagIndeling indeling = MaakUitslagIndeling(grid, scherm, 16);
    QCOMPARE(indeling.venster, venster);
    QCOMPARE(indeling.grid, plaats);
  }
};

#include "uitslagindeling_test.moc"
ZEMLO_TEST_CLASS(TestUitslagIndeling)
