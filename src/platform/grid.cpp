#include "platform/grid.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace platform {

namespace {
const GridCell kEmptyCell{};
}

GridModel::GridModel(QObject *parent) : QObject(parent) {}

// Keeps the current cell and the first visible row and column inside the grid.
void GridModel::clampPositions() {
  const int row = std::clamp(m_row, 0, std::max(0, m_rows - 1));
  const int col = std::clamp(m_col, 0, std::max(0, m_cols - 1));
  m_topRow = std::clamp(m_topRow, 0, std::max(0, m_rows - 1));
  m_leftCol = std::clamp(m_leftCol, 0, std::max(0, m_cols - 1));
  if (row != m_row || col != m_col) {
    m_row = row;
    m_col = col;
    emit currentCellChanged(m_row, m_col);
  }
}

void GridModel::emitCells(int firstRow, int firstCol, int lastRow, int lastCol) {
  if (firstRow > lastRow || firstCol > lastCol)
    return;
  if (m_changes == 0) {
    emit cellsChanged(firstRow, firstCol, lastRow, lastCol);
    return;
  }
  if (!m_held) {
    m_held = Span{firstRow, firstCol, lastRow, lastCol};
    return;
  }
  m_held->firstRow = std::min(m_held->firstRow, firstRow);
  m_held->firstCol = std::min(m_held->firstCol, firstCol);
  m_held->lastRow = std::max(m_held->lastRow, lastRow);
  m_held->lastCol = std::max(m_held->lastCol, lastCol);
}

void GridModel::flushChanges() {
  if (!m_held)
    return;
  const Span span = *m_held;
  m_held.reset();
  emit cellsChanged(span.firstRow, span.firstCol, span.lastRow, span.lastCol);
}

void GridModel::endChanges() {
  if (m_changes > 0 && --m_changes == 0)
    flushChanges();
}

void GridModel::setRows(int rows) {
  rows = std::max(0, rows);
  if (rows == m_rows)
    return;
  if (rows < m_fixedRows) {
    // The fixed rows change: a view reads the grid anew.
    flushChanges();
    emit aboutToBeReset();
    m_cells.resize(rows);
    m_rowHeights.resize(rows);
    m_rows = rows;
    m_fixedRows = rows;
    clampPositions();
    emit reset();
    return;
  }
  if (rows > m_rows)
    insertRows(m_rows, rows - m_rows);
  else
    removeRows(rows, m_rows - rows);
}

void GridModel::setCols(int cols) {
  cols = std::max(0, cols);
  if (cols == m_cols)
    return;
  const bool fixedChange = cols < m_fixedCols;
  const int old = m_cols;
  flushChanges();
  if (fixedChange)
    emit aboutToBeReset();
  else if (cols > old)
    emit colsAboutToBeInserted(old, cols - 1);
  else
    emit colsAboutToBeRemoved(cols, old - 1);
  for (auto &r : m_cells)
    r.resize(cols);
  m_colWidths.resize(cols, -1);
  m_cols = cols;
  m_fixedCols = std::min(m_fixedCols, m_cols);
  if (fixedChange)
    emit reset();
  else if (cols > old)
    emit colsInserted(old, cols - 1);
  else
    emit colsRemoved(cols, old - 1);
  clampPositions();
}

bool GridModel::insertRows(int row, int count) {
  if (count <= 0 || row < m_fixedRows || row > m_rows)
    return false;
  flushChanges();
  emit rowsAboutToBeInserted(row, row + count - 1);
  m_cells.insert(row, count, QVector<GridCell>(m_cols));
  m_rowHeights.insert(row, count, -1);
  m_rows += count;
  emit rowsInserted(row, row + count - 1);
  clampPositions();
  return true;
}

bool GridModel::removeRows(int row, int count) {
  if (count <= 0 || row < m_fixedRows || row + count > m_rows)
    return false;
  flushChanges();
  emit rowsAboutToBeRemoved(row, row + count - 1);
  m_cells.remove(row, count);
  m_rowHeights.remove(row, count);
  m_rows -= count;
  emit rowsRemoved(row, row + count - 1);
  clampPositions();
  return true;
}

void GridModel::setFixedRows(int n) {
  n = std::clamp(n, 0, m_rows);
  if (n == m_fixedRows)
    return;
  flushChanges();
  emit aboutToBeReset();
  m_fixedRows = n;
  emit reset();
}

void GridModel::setFixedCols(int n) {
  n = std::clamp(n, 0, m_cols);
  if (n == m_fixedCols)
    return;
  flushChanges();
  emit aboutToBeReset();
  m_fixedCols = n;
  emit reset();
}

void GridModel::setRow(int row) {
  if (row >= 0 && row < m_rows && row != m_row) {
    m_row = row;
    emit currentCellChanged(m_row, m_col);
  }
}

void GridModel::setCol(int col) {
  if (col >= 0 && col < m_cols && col != m_col) {
    m_col = col;
    emit currentCellChanged(m_row, m_col);
  }
}

// A view scrolls on every request, also for the row that it already shows
// on top: the rows under it may have changed.
void GridModel::setTopRow(int row) {
  if (row >= 0 && row < m_rows) {
    m_topRow = row;
    emit topRowChanged(row);
  }
}

void GridModel::setLeftCol(int col) {
  if (col >= 0 && col < m_cols) {
    m_leftCol = col;
    emit leftColChanged(col);
  }
}

bool GridModel::contains(int row, int col) const {
  return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

QString GridModel::textMatrix(int row, int col) const {
  return contains(row, col) ? m_cells[row][col].text : QString();
}

GridCell &GridModel::at(int row, int col) { return m_cells[row][col]; }

void GridModel::setTextMatrix(int row, int col, const QString &text) {
  if (!contains(row, col) || at(row, col).text == text)
    return;
  at(row, col).text = text;
  emitCells(row, col, row, col);
}

const GridCell &GridModel::cell(int row, int col) const {
  return contains(row, col) ? m_cells[row][col] : kEmptyCell;
}

void GridModel::setCell(int row, int col, const GridCell &cell) {
  if (!contains(row, col) || at(row, col) == cell)
    return;
  at(row, col) = cell;
  emitCells(row, col, row, col);
}

void GridModel::setCell(int row, int col, const QString &text, int alignment,
                        std::optional<std::uint32_t> backColor) {
  GridCell cell;
  cell.text = text;
  cell.alignment = alignment;
  cell.backColor = backColor;
  setCell(row, col, cell);
}

void GridModel::setCellBackColor(std::uint32_t bgr) {
  if (!contains(m_row, m_col) || at(m_row, m_col).backColor == bgr)
    return;
  at(m_row, m_col).backColor = bgr;
  emitCells(m_row, m_col, m_row, m_col);
}

int GridModel::colWidth(int col) const {
  if (col < 0 || col >= m_cols)
    return 0;
  return m_colWidths[col] < 0 ? kDefaultColWidth : m_colWidths[col];
}

void GridModel::setColWidth(int col, int twips) {
  if (col < 0 || col >= m_cols)
    return;
  m_colWidths[col] = std::max(-1, twips);
  emit colWidthChanged(col);
}

int GridModel::rowHeight(int row) const {
  if (row < 0 || row >= m_rows)
    return 0;
  return m_rowHeights[row] < 0 ? kDefaultRowHeight : m_rowHeights[row];
}

void GridModel::setRowHeight(int row, int twips) {
  if (row < 0 || row >= m_rows)
    return;
  m_rowHeights[row] = std::max(-1, twips);
  emit rowHeightChanged(row);
}

void GridModel::setFontSize(double points) {
  if (!(points > 0))
    return;
  m_fontSize = points;
  emit fontChanged();
}

bool isGenericNumber(const QString &text) {
  bool number = false;
  const double value = text.trimmed().toDouble(&number);
  // "nan" and "inf" are texts here: a NaN would compare equal to every
  // number and leave the order undefined.
  return number && std::isfinite(value);
}

QVector<int> sortedOrder(const QStringList &keys, GridSort order) {
  // The numbers the order reads, read once a key rather than once a comparison.
  const bool generic = order == SortGenericAscending || order == SortGenericDescending;
  const bool numeric = order == SortNumericAscending || order == SortNumericDescending;
  QVector<double> values;
  QVector<bool> isNumber;
  if (generic || numeric) {
    values.resize(keys.size());
    isNumber.resize(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
      if (numeric) {
        values[i] = val(keys[i]);
      } else if (isGenericNumber(keys[i])) {
        isNumber[i] = true;
        values[i] = keys[i].trimmed().toDouble();
      }
    }
  }
  auto less = [&](int a, int b) {
    const QString &x = keys[a];
    const QString &y = keys[b];
    switch (order) {
    case SortNumericAscending:
      return values[a] < values[b];
    case SortNumericDescending:
      return values[a] > values[b];
    case SortNoCaseAscending:
      return x.compare(y, Qt::CaseInsensitive) < 0;
    case SortNoCaseDescending:
      return x.compare(y, Qt::CaseInsensitive) > 0;
    case SortCaseAscending:
      return x.compare(y, Qt::CaseSensitive) < 0;
    case SortCaseDescending:
      return x.compare(y, Qt::CaseSensitive) > 0;
    case SortGenericAscending:
    case SortGenericDescending: {
      const bool asc = order == SortGenericAscending;
      if (isNumber[a] && isNumber[b])
        return asc ? values[a] < values[b] : values[a] > values[b];
      const int c = x.compare(y, Qt::CaseInsensitive);
      return asc ? c < 0 : c > 0;
    }
    case SortNone:
      break;
    }
    return false;
  };
  QVector<int> sorted(keys.size());
  std::iota(sorted.begin(), sorted.end(), 0);
  std::stable_sort(sorted.begin(), sorted.end(), less);
  return sorted;
}

void GridModel::clear() {
  for (auto &r : m_cells)
    for (auto &c : r)
      c = GridCell{};
  emitCells(0, 0, m_rows - 1, m_cols - 1);
}

} // namespace platform
