// The grid view, shown: headers, roles, sizes, scrolling, the current cell,
// clicks, the accessibility tree and its look.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/gridview.h"
#include "platform/gridviewmodel.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using platform::GridModel;
using platform::GridView;

namespace {

// Stops the test at the first thing the table model does against the rules
// of Qt's item models, through every change that the test makes.
using Tester = QAbstractItemModelTester;
constexpr auto kFatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

// A grid of rows x cols with "r<r>c<c>" in every cell, fixed row and column
// as given, shown in a view of the size given; its table model is tested.
struct Shown {
  Shown(int rows, int cols, int fixedRows = 1, int fixedCols = 1, QSize size = {300, 200}) {
    GridModel &g = grid();
    g.setRows(rows);
    g.setCols(cols);
    g.setFixedRows(fixedRows);
    g.setFixedCols(fixedCols);
    g.beginChanges();
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c)
        g.setTextMatrix(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    g.endChanges();
    view.resize(size);
    view.show();
    ok = QTest::qWaitForWindowExposed(&view);
  }
  GridModel &grid() { return *view.grid(); }
  const QAbstractItemModel &table() const { return *view.tableModel(); }
  QRect area() const { return view.viewport()->rect(); }
  bool inSight(int row, int col) const { return area().contains(view.cellRect(row, col)); }
  // The grid row shown first under the header.
  int firstRow() const { return view.rowAt(0) + view.tableModel()->headerRows(); }

  GridView view;
  Tester tester{view.tableModel(), kFatal};
  bool ok = false;
};

// Clicks a cell where a person would: a header cell in its header.
void click(GridView &view, int row, int col, Qt::MouseButton button = Qt::LeftButton,
           bool twice = false) {
  const QPoint p = view.viewport()->mapTo(&view, view.cellRect(row, col).center());
  QWidget *target = view.childAt(p);
  QVERIFY(target);
  const QPoint at = target->mapFrom(&view, p);
  if (twice)
    QTest::mouseDClick(target, button, {}, at);
  else
    QTest::mouseClick(target, button, {}, at);
}

int alignmentOf(const QVariant &v) { return v.toInt(); }

} // namespace

class GridViewTest : public QObject {
  Q_OBJECT
private slots:
  void headersFollowTheFixedRowsAndColumns_data() {
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("fixedCols");
    QTest::newRow("both") << 1 << 1;
    QTest::newRow("header row only") << 1 << 0;
    QTest::newRow("header column only") << 0 << 1;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("two fixed rows") << 2 << 1;
  }

  void headersFollowTheFixedRowsAndColumns() {
    QFETCH(int, fixedRows);
    QFETCH(int, fixedCols);
    Shown s(5, 4, fixedRows, fixedCols);
    QVERIFY(s.ok);
    const int hr = fixedRows ? 1 : 0, hc = fixedCols ? 1 : 0;
    QCOMPARE(s.view.horizontalHeader()->isVisible(), hr == 1);
    QCOMPARE(s.view.verticalHeader()->isVisible(), hc == 1);
    QCOMPARE(s.table().rowCount(), 5 - hr);
    QCOMPARE(s.table().columnCount(), 4 - hc);
    QCOMPARE(s.table().index(0, 0).data().toString(), QStringLiteral("r%1c%2").arg(hr).arg(hc));
    if (hr)
      QCOMPARE(s.table().headerData(1, Qt::Horizontal).toString(),
               QStringLiteral("r0c%1").arg(1 + hc));
    if (hc)
      QCOMPARE(s.table().headerData(2, Qt::Vertical).toString(),
               QStringLiteral("r%1c0").arg(2 + hr));
    // Fixed cells after the first are grey table cells.
    const QColor grey = platform::colorFromBgr(0xC0C0C0);
    QCOMPARE(s.table().index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
             fixedRows == 2 ? grey : QColor(Qt::white));
    // Every cell is where cellAt finds it, header cells too.
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 4; ++c) {
        const QRect rect = s.view.cellRect(r, c);
        QVERIFY(rect.isValid());
        QCOMPARE(s.view.cellAt(rect.center()), qMakePair(r, c));
      }

    // Becoming fixed later shows the header.
    s.grid().setFixedRows(1);
    s.grid().setFixedCols(1);
    QVERIFY(s.view.horizontalHeader()->isVisible() && s.view.verticalHeader()->isVisible());
    QCOMPARE(s.table().headerData(0, Qt::Horizontal).toString(), QStringLiteral("r0c1"));
  }

  void alignmentRoles_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    const int L = Qt::AlignLeft, C = Qt::AlignHCenter, R = Qt::AlignRight;
    const int T = Qt::AlignTop, M = Qt::AlignVCenter, B = Qt::AlignBottom;
    QTest::newRow("0 left top") << 0 << "x" << (L | T);
    QTest::newRow("1 left centre") << 1 << "x" << (L | M);
    QTest::newRow("2 left bottom") << 2 << "x" << (L | B);
    QTest::newRow("3 centre top") << 3 << "x" << (C | T);
    QTest::newRow("4 centre centre") << 4 << "x" << (C | M);
    QTest::newRow("5 centre bottom") << 5 << "x" << (C | B);
    QTest::newRow("6 right top") << 6 << "x" << (R | T);
    QTest::newRow("7 right centre") << 7 << "x" << (R | M);
    QTest::newRow("8 right bottom") << 8 << "x" << (R | B);
    QTest::newRow("9 general text") << 9 << "Jansen" << (L | M);
    QTest::newRow("9 general number") << 9 << " 57.25" << (R | M);
  }

  // Cells and header cells give their alignment through the roles.
  void alignmentRoles() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, expected);
    Shown s(4, 4);
    for (auto [r, c] : {qMakePair(2, 2), qMakePair(0, 2), qMakePair(2, 0), qMakePair(0, 0)}) {
      s.grid().setRow(r);
      s.grid().setCol(c);
      s.grid().setText(text);
      testing::setCellAlignment(s.grid(), code);
    }
    QCOMPARE(alignmentOf(s.table().index(1, 1).data(Qt::TextAlignmentRole)), expected);
    QCOMPARE(alignmentOf(s.table().headerData(1, Qt::Horizontal, Qt::TextAlignmentRole)), expected);
    QCOMPARE(alignmentOf(s.table().headerData(1, Qt::Vertical, Qt::TextAlignmentRole)), expected);
    QCOMPARE(alignmentOf(s.view.tableModel()->cellData(0, 0, Qt::TextAlignmentRole)), expected);
  }

  void coloursAndFonts() {
    Shown s(4, 4);
    GridModel &g = s.grid();
    auto colour = [&](const QVariant &v) { return v.value<QBrush>().color(); };
    // Defaults: white cells, grey fixed cells, black text.
    QCOMPARE(colour(s.table().index(1, 1).data(Qt::BackgroundRole)), QColor(Qt::white));
    QCOMPARE(colour(s.table().headerData(1, Qt::Horizontal, Qt::BackgroundRole)),
             QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(colour(s.table().index(1, 1).data(Qt::ForegroundRole)), QColor(Qt::black));
    // Colours are 0xBBGGRR, for cells and header cells alike.
    g.setRow(2);
    g.setCol(2);
    g.setCellBackColor(0xFFC0C0);
    testing::setCellForeColor(g, 0x0000FF);
    g.setRow(0);
    g.setCellBackColor(0x00FF00);
    testing::setCellForeColor(g, 0xFF0000);
    QCOMPARE(colour(s.table().index(1, 1).data(Qt::BackgroundRole)), QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(colour(s.table().index(1, 1).data(Qt::ForegroundRole)), QColor(Qt::red));
    QCOMPARE(colour(s.table().headerData(1, Qt::Horizontal, Qt::BackgroundRole)),
             QColor(Qt::green));
    QCOMPARE(colour(s.table().headerData(1, Qt::Horizontal, Qt::ForegroundRole)), QColor(Qt::blue));
    // Fonts: the cell's own, else the grid's.
    g.setRow(2);
    testing::setCellFont(g, QStringLiteral("DejaVu Serif"), 12, true);
    g.setFontSize(11);
    const QFont own = s.table().index(1, 1).data(Qt::FontRole).value<QFont>();
    QCOMPARE(own.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(own.pointSizeF(), 12.0);
    QVERIFY(own.bold());
    const QFont plain = s.table().index(0, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(plain.pointSizeF(), 11.0);
    QVERIFY(!plain.bold());
    g.setRow(0);
    testing::setCellFont(g, QString(), 0, true);
    const QFont header = s.table().headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>();
    QVERIFY(header.bold());
    QCOMPARE(header.pointSizeF(), 11.0);
  }

  void sizesComeFromTwips() {
    Shown s(4, 4);
    GridModel &g = s.grid();
    g.setColWidth(0, 750);
    g.setColWidth(2, 1500);
    g.setRowHeight(0, 450);
    g.setRowHeight(2, 600);
    QCOMPARE(s.view.verticalHeader()->width(), 50);
    QCOMPARE(s.view.horizontalHeader()->height(), 30);
    // The cells start beside and under the headers.
    QCOMPARE(s.view.viewport()->geometry().topLeft(),
             QPoint(s.view.verticalHeader()->geometry().right() + 1,
                    s.view.horizontalHeader()->geometry().bottom() + 1));
    QCOMPARE(s.view.columnWidth(1), 100);
    QCOMPARE(s.view.columnWidth(0), GridModel::kDefaultColWidth / 15);
    QCOMPARE(s.view.rowHeight(1), 40);
    QCOMPARE(s.view.rowHeight(0), GridModel::kDefaultRowHeight / 15);
    QCOMPARE(s.view.cellRect(2, 2).size(), QSize(100, 40));
    // Rows added later get the default height.
    g.setRows(6);
    QCOMPARE(s.view.rowHeight(4), GridModel::kDefaultRowHeight / 15);
  }

  void scrollBarsAndWheel() {
    Shown s(60, 4, 1, 1, {300, 200});
    QVERIFY(s.ok);
    QScrollBar *bar = s.view.verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->maximum() > 40);
    QVERIFY(!s.view.horizontalScrollBar()->isVisible());
    // The scroll bar moves the rows under the header; the grid learns the top row.
    bar->setValue(20);
    QCOMPARE(s.firstRow(), 21);
    QCOMPARE(s.grid().topRow(), 21);
    QVERIFY(s.inSight(21, 1));
    QVERIFY(!s.area().intersects(s.view.cellRect(20, 1)));
    // The wheel scrolls down and up.
    const QPoint at = s.area().center();
    for (int delta : {-120, 120, 120}) {
      const int before = bar->value();
      QWheelEvent wheel(at, s.view.viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(s.view.viewport(), &wheel);
      QVERIFY(delta < 0 ? bar->value() > before : bar->value() < before);
    }
    // Wide columns bring the horizontal scroll bar.
    for (int c = 1; c < 4; ++c)
      s.grid().setColWidth(c, 2000);
    QTRY_VERIFY(s.view.horizontalScrollBar()->isVisible());
    s.view.horizontalScrollBar()->setValue(s.view.columnViewportPosition(1) + 5);
    QCOMPARE(s.view.columnAt(0), 1);
    QCOMPARE(s.grid().leftCol(), 2);
    s.grid().setLeftCol(1);
    QCOMPARE(s.view.columnViewportPosition(0), 0);
    s.grid().setLeftCol(2);
    QCOMPARE(s.view.columnViewportPosition(1), 0);
  }

  // As the groups window does: a row added at the bottom for every entry,
  // and from the twelfth on the last row made the top row.
  void topRowScrollsAsTheWindowsDo() {
    Shown s(2, 2, 1, 1, {300, 200});
    QVERIFY(s.ok);
    GridModel &g = s.grid();
    const int fit = s.area().height() / (GridModel::kDefaultRowHeight / 15);
    for (int n = 1; n <= 30; ++n) {
      g.setTextMatrix(g.rows() - 1, 1, QStringLiteral("pair %1").arg(n));
      g.setRows(g.rows() + 1);
      if (g.rows() > 12)
        g.setTopRow(g.rows() - 1);
      // The newest entries and the empty row under them are in sight.
      QVERIFY2(s.inSight(g.rows() - 2, 1), qPrintable(QString::number(n)));
      QVERIFY(s.area().intersects(s.view.cellRect(g.rows() - 1, 1)));
      if (n + 1 <= fit)
        QCOMPARE(s.firstRow(), 1);
    }
    QVERIFY(s.firstRow() > 15);
    QCOMPARE(s.view.verticalScrollBar()->value(), s.view.verticalScrollBar()->maximum());
    // Columns made wider after that, as the window then fits them, bring a
    // horizontal scroll bar: the last rows stay in sight above it.
    g.setColWidth(1, 6000);
    QTRY_VERIFY(s.view.horizontalScrollBar()->isVisible());
    const QRect last = s.view.cellRect(g.rows() - 2, 1);
    QVERIFY(last.top() >= 0 && last.bottom() <= s.area().bottom());
    QCOMPARE(s.view.verticalScrollBar()->value(), s.view.verticalScrollBar()->maximum());

    // Rows added below the visible area leave the view where the user put it.
    s.view.verticalScrollBar()->setValue(5);
    for (int n = 0; n < 5; ++n)
      g.setRows(g.rows() + 1);
    QCOMPARE(s.firstRow(), 6);
    // A top row set in the program scrolls, and back.
    g.setTopRow(20);
    QCOMPARE(s.firstRow(), 20);
    g.setTopRow(1);
    QCOMPARE(s.firstRow(), 1);
    g.setTopRow(0); // the header row: the first rows under it
    QCOMPARE(s.firstRow(), 1);

    // A top row set before the window is first shown, as a window does when
    // it loads, holds when it is shown.
    QWidget window;
    auto *late = new GridView(&window);
    Tester lateTester(late->tableModel(), kFatal);
    late->setGeometry(0, 0, 300, 200);
    GridModel &h = *late->grid();
    h.setRows(40);
    h.setCols(2);
    h.setFixedRows(1);
    h.setTopRow(39);
    window.resize(320, 220);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(late->viewport()->rect().contains(late->cellRect(39, 1)));
    QCOMPARE(late->verticalScrollBar()->value(), late->verticalScrollBar()->maximum());
  }

  void arrowKeysMoveTheCurrentCell() {
    Shown s(30, 4, 1, 1, {300, 200});
    QVERIFY(s.ok);
    GridModel &g = s.grid();
    s.view.setFocus();
    QSignalSpy moved(&s.view, &GridView::currentCellChanged);
    // The program sets the current cell: the view follows, no signal.
    g.setRow(2);
    g.setCol(2);
    QCOMPARE(s.view.currentIndex(), s.view.tableModel()->index(1, 1));
    QCOMPARE(moved.size(), 0);

    const struct {
      Qt::Key key;
      int row, col;
    } steps[] = {{Qt::Key_Down, 3, 2}, {Qt::Key_Right, 3, 3}, {Qt::Key_Right, 3, 3},
                 {Qt::Key_Left, 3, 2}, {Qt::Key_Left, 3, 1},  {Qt::Key_Left, 3, 1},
                 {Qt::Key_Up, 2, 1},   {Qt::Key_Up, 1, 1},    {Qt::Key_Up, 1, 1},
                 {Qt::Key_End, 29, 3}};
    for (const auto &step : steps) {
      const int before = moved.size();
      // Ctrl+End: the last cell.
      QTest::keyClick(&s.view, step.key,
                      step.key == Qt::Key_End ? Qt::ControlModifier : Qt::NoModifier);
      QCOMPARE(g.row(), step.row);
      QCOMPARE(g.col(), step.col);
      if (moved.size() > before)
        QCOMPARE(moved.last(), QVariantList({step.row, step.col}));
    }
    QCOMPARE(moved.size(), 7);
    // Moving down past the bottom scrolls the current cell into sight.
    QVERIFY(s.inSight(29, 3) || s.area().contains(s.view.cellRect(29, 3).topLeft()));
  }

  void clicksOnCellsAndHeaders() {
    Shown s(6, 4);
    QVERIFY(s.ok);
    QSignalSpy clicked(&s.view, &GridView::cellClicked);
    QSignalSpy doubled(&s.view, &GridView::cellDoubleClicked);
    for (auto [r, c] : {qMakePair(3, 2), qMakePair(0, 2), qMakePair(4, 0), qMakePair(0, 0)}) {
      click(s.view, r, c);
      QCOMPARE(clicked.takeFirst(), QVariantList({r, c}));
      QCOMPARE(s.grid().row(), r);
      QCOMPARE(s.grid().col(), c);
    }
    // A click makes a data cell the view's current one.
    click(s.view, 2, 3);
    QCOMPARE(s.view.currentIndex(), s.view.tableModel()->index(1, 2));
    QCOMPARE(clicked.size(), 1);
    // Other buttons do not click; a double click is one click and a double click.
    click(s.view, 1, 1, Qt::RightButton);
    QCOMPARE(clicked.size(), 1);
    click(s.view, 1, 1, Qt::LeftButton, true);
    QCOMPARE(doubled.takeFirst(), QVariantList({1, 1}));
    click(s.view, 0, 1, Qt::LeftButton, true);
    QCOMPARE(doubled.takeFirst(), QVariantList({0, 1}));
    // Near the edge of a header section is still a click on it.
    const QRect header = s.view.cellRect(3, 0);
    const QPoint edge = s.view.viewport()->mapTo(&s.view, header.topLeft() + QPoint(4, 1));
    QWidget *target = s.view.childAt(edge);
    clicked.clear();
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&s.view, edge));
    QCOMPARE(clicked.value(0), QVariantList({3, 0}));
  }

  void accessibleTable() {
    Shown s(6, 4);
    QVERIFY(s.ok);
    GridModel &g = s.grid();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&s.view);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Table);
    QAccessibleTableInterface *table = iface->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->columnCount(), 3);
    // Every grid cell is a child: the header row first, the corner cell too.
    QCOMPARE(iface->childCount(), 6 * 4);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) {
        QAccessibleInterface *child = iface->child(r * 4 + c);
        QVERIFY(child);
        QCOMPARE(child->text(QAccessible::Name), g.textMatrix(r, c));
        QCOMPARE(child->role(), r == 0   ? QAccessible::ColumnHeader
                                : c == 0 ? QAccessible::RowHeader
                                         : QAccessible::Cell);
        QCOMPARE(iface->indexOfChild(child), r * 4 + c);
        QCOMPARE(child->parent(), iface);
        // Where it is on the screen, and found there again.
        const QRect rect = child->rect();
        QVERIFY(rect.isValid());
        QCOMPARE(iface->childAt(rect.center().x(), rect.center().y()), child);
      }
    // A cell knows its place and its headers.
    QAccessibleInterface *cell = table->cellAt(2, 1);
    QAccessibleTableCellInterface *cellInfo = cell->tableCellInterface();
    QVERIFY(cellInfo);
    QCOMPARE(cellInfo->rowIndex(), 2);
    QCOMPARE(cellInfo->columnIndex(), 1);
    QCOMPARE(cellInfo->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("r0c2"));
    QCOMPARE(cellInfo->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("r3c0"));
    QCOMPARE(table->columnDescription(1), QStringLiteral("r0c2"));
    QCOMPARE(table->rowDescription(2), QStringLiteral("r3c0"));

    // The current cell is the focused one.
    s.view.setFocus();
    g.setRow(3);
    g.setCol(2);
    QVERIFY(cell->state().focused);
    QVERIFY(!table->cellAt(1, 1)->state().focused);
    QCOMPARE(iface->focusChild(), cell);
    QTest::keyClick(&s.view, Qt::Key_Down);
    QCOMPARE(iface->focusChild(), table->cellAt(3, 1));

    // Changed and added rows are read as they are now.
    g.setTextMatrix(3, 2, QStringLiteral("Jansen"));
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Jansen"));
    g.setRows(8);
    g.setTextMatrix(7, 3, QStringLiteral("new"));
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->cellAt(6, 2)->text(QAccessible::Name), QStringLiteral("new"));
    g.setRows(3);
    QCOMPARE(iface->childCount(), 3 * 4);
    QVERIFY(!table->cellAt(6, 2));
  }

  void accessibleTableWithoutHeaders() {
    Shown s(3, 2, 0, 0);
    QVERIFY(s.ok);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&s.view);
    QAccessibleTableInterface *table = iface->tableInterface();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 2);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 2; ++c)
        QCOMPARE(table->cellAt(r, c)->text(QAccessible::Name),
                 QStringLiteral("r%1c%2").arg(r).arg(c));
    // The places of absent headers are there, empty and invisible.
    QAccessibleInterface *corner = iface->child(0);
    QVERIFY(corner->text(QAccessible::Name).isEmpty());
    QVERIFY(corner->state().invisible);
    QVERIFY(table->cellAt(0, 0)->tableCellInterface()->columnHeaderCells().isEmpty());
    QVERIFY(table->cellAt(0, 0)->tableCellInterface()->rowHeaderCells().isEmpty());
  }

  // Rows that come and go, a sort and new fixed rows keep the current cell
  // and the scroll position.
  void changesKeepTheCurrentCellAndThePlace() {
    Shown s(40, 3, 1, 1, {300, 200});
    QVERIFY(s.ok);
    GridModel &g = s.grid();
    s.view.verticalScrollBar()->setValue(10);
    g.setRow(15);
    g.setCol(2);
    auto current = [&] { return s.view.currentIndex(); };
    QCOMPARE(current(), s.view.tableModel()->index(14, 1));

    g.setRows(50);
    QCOMPARE(s.firstRow(), 11);
    QCOMPARE(current(), s.view.tableModel()->index(14, 1));
    QVERIFY(g.insertRows(3, 2));
    QCOMPARE(s.firstRow(), 11);
    QCOMPARE(g.row(), 15);
    QCOMPARE(current(), s.view.tableModel()->index(14, 1));
    QCOMPARE(s.view.tableModel()->index(4, 0).data().toString(), QStringLiteral("r3c1"));
    QVERIFY(g.removeRows(14, 3)); // the current row goes
    QCOMPARE(s.firstRow(), 11);
    QCOMPARE(g.row(), 15);
    QCOMPARE(current(), s.view.tableModel()->index(14, 1));

    testing::sortRows(g, 1, platform::SortNoCaseDescending, 1, g.rows() - 1);
    QCOMPARE(s.firstRow(), 11);
    QCOMPARE(current(), s.view.tableModel()->index(14, 1));
    QCOMPARE(s.view.tableModel()->index(0, 0).data().toString(), QStringLiteral("r9c1"));
    QCOMPARE(s.view.tableModel()->headerData(0, Qt::Vertical).toString(), QStringLiteral("r9c0"));

    g.setFixedCols(0);
    QCOMPARE(s.firstRow(), 11);
    QCOMPARE(current(), s.view.tableModel()->index(14, 2));
    // The grid shrinks under the current row: it moves to the last one.
    g.setRows(8);
    QCOMPARE(g.row(), 7);
    QCOMPARE(current(), s.view.tableModel()->index(6, 2));
  }

  // Columns and rows that come and go around the headers, a sort that moves
  // the header row, cleared cells and another grid: the table follows each
  // step, and the tester checks the signals on the way.
  void theTableFollowsEveryChange() {
    Shown s(6, 4);
    QVERIFY(s.ok);
    GridModel &g = s.grid();
    auto counts = [&] { return qMakePair(s.table().rowCount(), s.table().columnCount()); };
    g.setCols(6);
    g.setTextMatrix(0, 5, QStringLiteral("new"));
    QCOMPARE(counts(), qMakePair(5, 5));
    QCOMPARE(s.table().headerData(4, Qt::Horizontal).toString(), QStringLiteral("new"));
    g.setCols(2);
    QCOMPARE(counts(), qMakePair(5, 1));
    g.setCols(1); // the header column alone
    QCOMPARE(counts(), qMakePair(5, 0));
    g.setCols(3);
    QCOMPARE(counts(), qMakePair(5, 2));
    QCOMPARE(s.table().headerData(3, Qt::Vertical).toString(), QStringLiteral("r4c0"));
    g.setRows(1); // the header row alone
    QCOMPARE(counts(), qMakePair(0, 2));
    g.setRows(4);
    QCOMPARE(counts(), qMakePair(3, 2));
    g.setRows(0); // below the fixed rows: no header any more
    QCOMPARE(counts(), qMakePair(0, 2));
    QCOMPARE(g.fixedRows(), 0);

    // A sort from row 0 takes the header row along.
    g.setRows(4);
    g.setFixedRows(1);
    for (int r = 0; r < 4; ++r)
      g.setTextMatrix(r, 1, QString(QChar(u'a' + r)));
    testing::sortRows(g, 1, platform::SortCaseDescending, 0, 3);
    QCOMPARE(s.table().headerData(0, Qt::Horizontal).toString(), QStringLiteral("d"));
    QCOMPARE(s.table().index(2, 0).data().toString(), QStringLiteral("a"));
    g.clear();
    g.setFontSize(12);
    QVERIFY(s.table().index(2, 0).data().toString().isEmpty());

    GridModel other;
    other.setRows(2);
    other.setCols(2);
    s.view.setGrid(&other);
    QCOMPARE(counts(), qMakePair(2, 2));
    s.view.setGrid(&g);
    QCOMPARE(counts(), qMakePair(3, 2));
  }

  // A row inserted into the middle of a long grid, and a change of many
  // cells announced at once: the table shows them where they are, the new
  // row takes its height from the grid, the others keep theirs.
  void aLongGridFollowsARowInsertedAndCellsChangedAtOnce() {
    Shown s(3001, 3);
    QVERIFY(s.ok);
    GridModel &g = s.grid();
    g.setRowHeight(1500, 600);
    g.setRowHeight(1501, 700);
    s.view.verticalScrollBar()->setValue(1495);
    QVERIFY(g.insertRows(1501));
    g.setRowHeight(1501, 400);
    {
      const platform::GridChanges together(g);
      g.setTextMatrix(1501, 1, QStringLiteral("new"));
      for (int r = 1502; r < g.rows(); ++r)
        g.setTextMatrix(r, 0, QString::number(r));
    }
    QCOMPARE(s.table().rowCount(), 3001);
    QCOMPARE(s.table().index(1500, 0).data().toString(), QStringLiteral("new"));
    QCOMPARE(s.table().index(1501, 0).data().toString(), QStringLiteral("r1501c1"));
    QCOMPARE(s.table().headerData(1501, Qt::Vertical).toString(), QStringLiteral("1502"));
    QCOMPARE(s.table().headerData(1499, Qt::Vertical).toString(), QStringLiteral("r1500c0"));
    QHeaderView *rows = s.view.verticalHeader();
    QCOMPARE(rows->sectionSize(1499), 600 / 15);
    QCOMPARE(rows->sectionSize(1500), 400 / 15);
    QCOMPARE(rows->sectionSize(1501), 700 / 15);
    QCOMPARE(s.firstRow(), 1496);
    // The rows shown are drawn anew: the new row is where the view shows it.
    const QRect cell = s.view.cellRect(1501, 1);
    QVERIFY(s.area().intersects(cell));
    QCOMPARE(s.view.cellAt(cell.center()), qMakePair(1501, 1));
  }

  void gridDeletedBeforeItsView() {
    GridView view;
    Tester tester(view.tableModel(), kFatal);
    auto grid = std::make_unique<GridModel>();
    grid->setRows(5);
    grid->setCols(2);
    view.setGrid(grid.get());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.tableModel()->rowCount(), 5);
    grid.reset();
    QVERIFY(view.grid());
    QCOMPARE(view.tableModel()->rowCount(), 0);
    view.repaint();
  }

  // The look of a flex grid: grey fixed cells, white cells, no selection
  // colour on a clicked cell, a grey ground beyond the last column.
  void lookOfTheGrid() {
    Shown s(5, 3, 1, 1, {400, 200});
    QVERIFY(s.ok);
    click(s.view, 2, 1);
    const QImage image = s.view.grab().toImage();
    auto at = [&](int row, int col, QPoint offset = {}) {
      const QRect r = s.view.cellRect(row, col);
      const QPoint p = s.view.viewport()->mapTo(&s.view, r.topLeft() + QPoint(r.width() - 4, 4));
      return image.pixelColor(p + offset);
    };
    QCOMPARE(at(0, 1), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(at(3, 0), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(at(3, 2), QColor(Qt::white));
    QCOMPARE(at(2, 1), QColor(Qt::white)); // the clicked cell
    QCOMPARE(at(3, 2, {30, 0}), QColor(0x80, 0x80, 0x80));
  }
};

#include "gridview_test.moc"
ZEMLO_TEST_CLASS(GridViewTest)
