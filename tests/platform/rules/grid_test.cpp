// The grid model without a view: rows inserted and removed with their
// attributes, and sorts that keep rows with equal keys in their order.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "platform/grid.h"

#include <QSignalSpy>
#include <QTest>

using platform::GridModel;

namespace {

// A grid whose row r has "r<r>" in every column, a back colour r and a
// height of 300 + r twips.
void fill(GridModel &grid, int rows, int cols) {
  grid.setRows(rows);
  grid.setCols(cols);
  for (int r = 0; r < rows; ++r) {
    grid.setRowHeight(r, 300 + r);
    for (int c = 0; c < cols; ++c) {
      platform::GridCell cell;
      cell.text = QStringLiteral("r%1").arg(r);
      cell.backColor = static_cast<std::uint32_t>(r);
      cell.alignment = r % 10;
      grid.setCell(r, c, cell);
    }
  }
}

// The rows of a grid by their original numbers, read back from column 0.
QList<int> rowOrder(const GridModel &grid) {
  QList<int> order;
  for (int r = 0; r < grid.rows(); ++r)
    order.append(grid.textMatrix(r, 0).isEmpty() ? -1 : grid.textMatrix(r, 0).mid(1).toInt());
  return order;
}

} // namespace

class GridModelTest : public QObject {
  Q_OBJECT
private slots:
  void insertAndRemoveRowsMoveWholeRows() {
    GridModel grid;
    fill(grid, 6, 3);
    grid.setFixedRows(1);
    grid.setRow(4);
    grid.setCol(2);
    grid.setTopRow(3);
    QSignalSpy before(&grid, &GridModel::rowsAboutToBeInserted);
    QSignalSpy after(&grid, &GridModel::rowsInserted);

    QVERIFY(grid.insertRows(2, 2));
    QCOMPARE(rowOrder(grid), QList<int>({0, 1, -1, -1, 2, 3, 4, 5}));
    QCOMPARE(before.takeFirst(), QVariantList({2, 3}));
    QCOMPARE(after.takeFirst(), QVariantList({2, 3}));
    // The moved rows keep their attributes and heights; new ones have none.
    QCOMPARE(grid.cell(4, 1).backColor, std::optional<std::uint32_t>(2));
    QCOMPARE(grid.cell(4, 1).alignment, 2);
    QCOMPARE(grid.rowHeight(4), 302);
    QCOMPARE(grid.cell(2, 1).backColor, std::nullopt);
    QCOMPARE(grid.rowHeight(2), GridModel::kDefaultRowHeight);
    // The current and top rows keep their numbers.
    QCOMPARE(grid.row(), 4);
    QCOMPARE(grid.topRow(), 3);

    QVERIFY(grid.insertRows(grid.rows())); // appended
    QCOMPARE(grid.rows(), 9);
    QVERIFY(grid.removeRows(2, 3));
    QCOMPARE(rowOrder(grid), QList<int>({0, 1, 3, 4, 5, -1}));
    QCOMPARE(grid.rowHeight(2), 303);
    QCOMPARE(grid.cell(2, 2).backColor, std::optional<std::uint32_t>(3));

    // Fixed rows are neither inserted into nor removed; nor is anything
    // outside the grid.
    const QList<int> kept = rowOrder(grid);
    QVERIFY(!grid.insertRows(0));
    QVERIFY(!grid.removeRows(0));
    QVERIFY(!grid.removeRows(5, 2));
    QVERIFY(!grid.insertRows(7));
    QVERIFY(!grid.insertRows(1, 0));
    QCOMPARE(rowOrder(grid), kept);

    // Removing rows under the current one brings it back into the grid.
    grid.setRow(5);
    QVERIFY(grid.removeRows(3, 3));
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.row(), 2);
    QCOMPARE(grid.col(), 2);
  }

  // A write that leaves a cell as it is announces nothing. The cell changes
  // made between beginChanges and endChanges, nested or not, are announced
  // once, spanning them; held changes go out before rows or columns come or
  // go, numbered as the rows were.
  void changesAreAnnouncedOnceTheyAreMade() {
    GridModel grid;
    fill(grid, 8, 3);
    QStringList log;
    connect(&grid, &GridModel::cellsChanged, &grid, [&](int r0, int c0, int r1, int c1) {
      log.append(QStringLiteral("cells %1,%2-%3,%4").arg(r0).arg(c0).arg(r1).arg(c1));
    });
    connect(&grid, &GridModel::rowsAboutToBeInserted, &grid,
            [&](int first) { log.append(QStringLiteral("insert %1").arg(first)); });
    connect(&grid, &GridModel::colsAboutToBeRemoved, &grid,
            [&](int first) { log.append(QStringLiteral("remove col %1").arg(first)); });

    grid.setTextMatrix(2, 1, QStringLiteral("r2"));
    grid.setCell(3, 0, grid.cell(3, 0));
    grid.setRow(5);
    grid.setCol(0);
    grid.setCellBackColor(5);
    QCOMPARE(log, QStringList());
    grid.setCellBackColor(6);
    QCOMPARE(log.takeFirst(), QStringLiteral("cells 5,0-5,0"));
    QCOMPARE(grid.cell(5, 0).backColor, std::optional<std::uint32_t>(6));

    grid.beginChanges();
    grid.setTextMatrix(2, 1, QStringLiteral("x"));
    {
      const platform::GridChanges nested(grid);
      grid.setTextMatrix(4, 2, QStringLiteral("y"));
      grid.setTextMatrix(4, 2, QStringLiteral("y"));
    }
    QCOMPARE(log, QStringList());
    grid.setCell(6, 0, QStringLiteral("z"), platform::AlignCenterCenter);
    grid.endChanges();
    QCOMPARE(log, QStringList({"cells 2,0-6,2"}));
    QCOMPARE(grid.textMatrix(4, 2), QStringLiteral("y"));
    QCOMPARE(grid.cell(6, 0).alignment, int(platform::AlignCenterCenter));
    grid.endChanges(); // one too many: nothing happens
    log.clear();

    {
      const platform::GridChanges held(grid);
      grid.setTextMatrix(5, 1, QStringLiteral("a"));
      QVERIFY(grid.insertRows(1));
      grid.setTextMatrix(7, 2, QStringLiteral("b"));
      grid.setCols(2);
      grid.clear();
    }
    QCOMPARE(log, QStringList({"cells 5,1-5,1", "insert 1", "cells 7,2-7,2", "remove col 2",
                               "cells 0,0-8,1"}));
  }

  void setRowsBelowTheFixedRows() {
    GridModel grid;
    fill(grid, 4, 2);
    grid.setFixedRows(2);
    QSignalSpy reset(&grid, &GridModel::reset);
    grid.setRows(1);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(grid.fixedRows(), 1);
    grid.setRows(3);
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE(rowOrder(grid), QList<int>({0, -1, -1}));
  }

  // Rows with equal keys keep their order under every sort code: a ranking's
  // shared places are decided by it. Keys are given as groups that sort
  // equal, in their expected order.
  void sortsAreStable_data() {
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<QStringList>>("groups");
    const QList<QStringList> numbers = {{"-1"}, {"2.5", "2.50"}, {"9"}, {"10"}, {"12 x"}};
    auto reversed = [](QList<QStringList> list) {
      std::reverse(list.begin(), list.end());
      return list;
    };
    const QList<QStringList> generic = {{"2.5"}, {"9"}, {"10"}, {"abc", "ABC"}, {"b"}};
    const QList<QStringList> noCase = {
        {"appel", "Appel"}, {"BANAAN", "banaan"}, {"kers"}, {"Peer"}, {"zon"}};
    const QList<QStringList> withCase = {{"Appel"}, {"Zon"}, {"appel"}, {"banaan"}, {"kers"}};
    QTest::newRow("1 generic ascending") << 1 << generic;
    QTest::newRow("2 generic descending") << 2 << reversed(generic);
    QTest::newRow("3 numeric ascending") << 3 << numbers;
    QTest::newRow("4 numeric descending") << 4 << reversed(numbers);
    QTest::newRow("5 no case ascending") << 5 << noCase;
    QTest::newRow("6 no case descending") << 6 << reversed(noCase);
    QTest::newRow("7 case ascending") << 7 << withCase;
    QTest::newRow("8 case descending") << 8 << reversed(withCase);
  }

  void sortsAreStable() {
    QFETCH(int, order);
    QFETCH(QList<QStringList>, groups);
    // 200 rows under a header, each with a key from a group and its number.
    GridModel grid;
    grid.setRows(201);
    grid.setCols(3);
    grid.setFixedRows(1);
    grid.setTextMatrix(0, 0, QStringLiteral("Nr."));
    QHash<QString, int> groupOf;
    for (int g = 0; g < groups.size(); ++g)
      for (const QString &key : groups[g])
        groupOf.insert(key, g);
    const QStringList keys = groupOf.keys();
    quint32 seed = 12345;
    for (int r = 1; r <= 200; ++r) {
      seed = seed * 1103515245 + 12345;
      grid.setTextMatrix(r, 0, QString::number(r));
      grid.setTextMatrix(r, 2, keys[(seed >> 16) % keys.size()]);
      grid.setRowHeight(r, 200 + r);
      grid.setRow(r);
      grid.setCol(1);
      grid.setCellBackColor(static_cast<std::uint32_t>(r));
    }
    grid.setRow(1);
    grid.setCol(2);
    testing::sortRows(grid, 2, static_cast<platform::GridSort>(order), 1, 200);

    QCOMPARE(grid.textMatrix(0, 0), QStringLiteral("Nr."));
    int lastGroup = -1, lastNumber = 0;
    QSet<int> seen;
    for (int r = 1; r <= 200; ++r) {
      const int group = groupOf.value(grid.textMatrix(r, 2), -1);
      const int number = grid.textMatrix(r, 0).toInt();
      const QString where = QStringLiteral("row %1: %2").arg(r).arg(grid.textMatrix(r, 2));
      QVERIFY2(group >= lastGroup, qPrintable(where));
      if (group == lastGroup)
        QVERIFY2(number > lastNumber, qPrintable(where));
      // The row moved whole.
      QCOMPARE(grid.cell(r, 1).backColor, std::optional<std::uint32_t>(number));
      QCOMPARE(grid.rowHeight(r), 200 + number);
      seen.insert(number);
      lastGroup = group;
      lastNumber = number;
    }
    QCOMPARE(seen.size(), 200);
  }

  void sortOfPartOfTheRows() {
    GridModel grid;
    fill(grid, 6, 1);
    grid.setFixedRows(1);
    testing::sortRows(grid, 0, platform::SortNoCaseDescending, 2, 4);
    QCOMPARE(rowOrder(grid), QList<int>({0, 1, 4, 3, 2, 5}));
    // Nothing to sort: nothing changes.
    QSignalSpy changed(&grid, &GridModel::cellsChanged);
    testing::sortRows(grid, 0, platform::SortNone, 1, 5);
    testing::sortRows(grid, 3, platform::SortNoCaseAscending, 1, 5);
    testing::sortRows(grid, 0, platform::SortNoCaseAscending, 4, 4);
    QCOMPARE(rowOrder(grid), QList<int>({0, 1, 4, 3, 2, 5}));
    QCOMPARE(changed.size(), 0);
  }
};

#include "grid_test.moc"
ZEMLO_TEST_CLASS(GridModelTest)
