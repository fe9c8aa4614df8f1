// The shared routines that work on controls: list look-up, focus, column widths.
#include "common/testsupport.h"
#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "platform/grid.h"
#include "platform/gridview.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QTest>

using namespace BAS_Zemlo;

class TestRoutines : public QObject {
  Q_OBJECT
private slots:
  void zetFocusOnlyWhenPossible() {
    QWidget window;
    auto *a = new QLineEdit(&window);
    auto *b = new QLineEdit(&window);
    b->move(0, 40);
    ZetFocus(&window, b); // window not shown: nothing
    QVERIFY(!b->hasFocus());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ZetFocus(&window, a);
    QVERIFY(a->hasFocus());
    b->setEnabled(false);
    ZetFocus(&window, b);
    QVERIFY(a->hasFocus());
    b->setEnabled(true);
    b->hide();
    ZetFocus(&window, b);
    QVERIFY(a->hasFocus());
    b->show();
    window.setEnabled(false);
    ZetFocus(&window, b);
    window.setEnabled(true);
    QVERIFY(!b->hasFocus());
    ZetFocus(&window, nullptr);
    ZetFocus(&window, b);
    QVERIFY(b->hasFocus());
  }

  // A box inside a hidden or disabled frame cannot take the keys.
  void zetFocusNotInsideAHiddenOrDisabledFrame() {
    QWidget window;
    auto *a = new QLineEdit(&window);
    auto *frame = new QWidget(&window);
    frame->move(0, 40);
    auto *inner = new QWidget(frame);
    auto *box = new QLineEdit(inner);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ZetFocus(&window, a);
    frame->hide();
    ZetFocus(&window, box);
    QVERIFY(a->hasFocus());
    frame->show();
    frame->setEnabled(false);
    ZetFocus(&window, box);
    QVERIFY(a->hasFocus());
    frame->setEnabled(true);
    ZetFocus(&window, box);
    QVERIFY(box->hasFocus());
  }

  void gridKolomBreedte() {
    testing::resetSharedState();
    QWidget parent;
    platform::GridView view(&parent);
    platform::GridModel &grid = *view.grid();
    grid.setRows(3);
    grid.setCols(2);
    grid.setTextMatrix(0, 0, QStringLiteral("Nr."));
    grid.setTextMatrix(2, 0, QStringLiteral("A much longer text"));
    parent.show();
    const QFontMetricsF fm(MeetFont());
    GridKolomBreedte(&view);
    QVERIFY(view.isVisible());
    QVERIFY(grid.colWidth(0) >= fm.horizontalAdvance(QStringLiteral("A much longer textW")) * 15);
    // An empty column gets the width of "W".
    QCOMPARE(grid.colWidth(1), static_cast<int>(std::ceil(fm.horizontalAdvance(u'W'))) * 15);
    QCOMPARE(grid.row(), 0);
    QCOMPARE(grid.col(), 1);
    // A larger measuring font gives wider columns; the grid can stay hidden.
    const int normal = grid.colWidth(0);
    GridKolomBreedte(&view, 14, NaMeten::Verborgen);
    QVERIFY(!view.isVisible());
    QVERIFY(grid.colWidth(0) > normal);
    // A grid without rows leaves its columns at width 0.
    grid.setRows(0);
    GridKolomBreedte(grid);
    QCOMPARE(grid.colWidth(0), 0);
  }
};

#include "routines_test.moc"
ZEMLO_TEST_CLASS(TestRoutines)
