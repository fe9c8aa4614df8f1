// The shared routines that work on controls: list look-up, focus, column widths.
#include "common/testsupport.h"
#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "platform/grid.h"
#include "platform/gridview.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <functional>

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

  // Fitted again after changes, a grid gets the widths that fitting the same
  // cells in a new grid gives: cells written wider or narrower, the widest
  // one changed or taken away, rows and columns that come and go, many cells
  // changed at once, another measuring font. A fit moves the current cell
  // once, to row 0 of the last column.
  void gridKolomBreedteFollowsTheChanges() {
    testing::resetSharedState();
    platform::GridModel grid;
    grid.setCols(3);
    grid.setRows(300);
    for (int r = 0; r < grid.rows(); ++r) {
      grid.setTextMatrix(r, 0, QString::number(r));
      grid.setTextMatrix(r, 1, QStringLiteral("Naam %1").arg(r * 37 % 300));
      grid.setTextMatrix(r, 2, r % 7 ? QStringLiteral("x") : QString());
    }
    auto breedtes = [](const platform::GridModel &g) {
      QList<int> out;
      for (int c = 0; c < g.cols(); ++c)
        out.append(g.colWidth(c));
      return out;
    };
    auto vers = [&](double punten) {
      platform::GridModel g;
      g.setCols(grid.cols());
      g.setRows(grid.rows());
      for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
          g.setTextMatrix(r, c, grid.textMatrix(r, c));
      GridKolomBreedte(g, punten);
      return breedtes(g);
    };
    QSignalSpy moved(&grid, &platform::GridModel::currentCellChanged);
    GridKolomBreedte(grid);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(qMakePair(grid.row(), grid.col()), qMakePair(0, 2));
    QCOMPARE(breedtes(grid), vers(0));

    const QString breed = QStringLiteral("A text wider than every other one");
    const QList<std::function<void()>> stappen = {
        [&] { grid.setTextMatrix(120, 1, breed); },
        [&] { grid.setTextMatrix(121, 1, breed); },
        [&] { grid.setTextMatrix(120, 1, QStringLiteral("x")); },
        [&] { grid.removeRows(121); },
        [&] {
          grid.insertRows(10, 3);
          grid.setTextMatrix(11, 2, breed + breed);
        },
        [&] {
          const platform::GridChanges samen(grid);
          for (int r = 0; r < grid.rows(); ++r)
            grid.setTextMatrix(r, 0, QString::number(r + 99990));
        },
        [&] { grid.setTextMatrix(5, 0, QStringLiteral("007")); },
        [&] {
          grid.setTextMatrix(200, 2, breed + breed + QStringLiteral(", and wider"));
          grid.insertRows(5, 2);
        },
        [&] { grid.removeRows(11); },
        [&] {
          grid.setCols(4);
          grid.setTextMatrix(3, 3, breed);
        },
        [&] { grid.setCols(2); },
        [&] { grid.setRows(40); },
        [&] { grid.clear(); },
    };
    for (int i = 0; i < stappen.size(); ++i) {
      stappen[i]();
      moved.clear();
      GridKolomBreedte(grid);
      QVERIFY2(breedtes(grid) == vers(0), qPrintable(QString::number(i)));
      QVERIFY(moved.size() <= 1);
      QCOMPARE(qMakePair(grid.row(), grid.col()), qMakePair(0, grid.cols() - 1));
    }
    grid.setTextMatrix(7, 1, breed);
    GridKolomBreedte(grid, 14);
    QCOMPARE(breedtes(grid), vers(14));
    GridKolomBreedte(grid);
    QCOMPARE(breedtes(grid), vers(0));
  }
};

#include "routines_test.moc"
ZEMLO_TEST_CLASS(TestRoutines)
