#include "platform/grid.h"

#include "platform/numbers.h"

#include <algorithm>

namespace platform {

namespace {
const GridCell kEmptyCell{};
}

GridModel::GridModel(QObject *parent) : QObject(parent) {}

void GridModel::resize(int rows, int cols) {
  rows = std::max(0, rows);
  cols = std::max(0, cols);
  m_cells.resize(rows);
  for (auto &r : m_cells)
    r.resize(cols);
  m_colWidths.resize(cols, -1);
  m_rowHeights.resize(rows, -1);
  m_rows = rows;
  m_cols = cols;
  m_fixedRows = std::min(m_fixedRows, m_rows);
  m_fixedCols = std::min(m_fixedCols, m_cols);
  m_row = std::clamp(m_row, 0, std::max(0, m_rows - 1));
  m_col = std::clamp(m_col, 0, std::max(0, m_cols - 1));
  m_topRow = std::clamp(m_topRow, 0, std::max(0, m_rows - 1));
  m_leftCol = std::clamp(m_leftCol, 0, std::max(0, m_cols - 1));
  emit changed();
}

void GridModel::setRows(int rows) { resize(rows, m_cols); }
void GridModel::setCols(int cols) { resize(m_rows, cols); }

void GridModel::setFixedRows(int n) {
  m_fixedRows = std::clamp(n, 0, m_rows);
  emit changed();
}

void GridModel::setFixedCols(int n) {
  m_fixedCols = std::clamp(n, 0, m_cols);
  emit changed();
}

void GridModel::setRow(int row) {
  if (row >= 0 && row < m_rows)
    m_row = row;
}

void GridModel::setCol(int col) {
  if (col >= 0 && col < m_cols)
    m_col = col;
}

void GridModel::setTopRow(int row) {
  if (row >= 0 && row < m_rows) {
    m_topRow = row;
    emit changed();
  }
}

void GridModel::setLeftCol(int col) {
  if (col >= 0 && col < m_cols) {
    m_leftCol = col;
    emit changed();
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
  if (!contains(row, col))
    return;
  at(row, col).text = text;
  emit changed();
}

const GridCell &GridModel::cell(int row, int col) const {
  return contains(row, col) ? m_cells[row][col] : kEmptyCell;
}

void GridModel::setCell(int row, int col, const GridCell &cell) {
  if (!contains(row, col))
    return;
  at(row, col) = cell;
  emit changed();
}

void GridModel::setCellAlignment(int alignment) {
  if (!contains(m_row, m_col))
    return;
  at(m_row, m_col).alignment = std::clamp(alignment, 0, 9);
  emit changed();
}

void GridModel::setCellBackColor(std::uint32_t bgr) {
  if (!contains(m_row, m_col))
    return;
  at(m_row, m_col).backColor = bgr;
  emit changed();
}

void GridModel::setCellForeColor(std::uint32_t bgr) {
  if (!contains(m_row, m_col))
    return;
  at(m_row, m_col).foreColor = bgr;
  emit changed();
}

void GridModel::setCellFont(const QString &name, double size, bool bold) {
  if (!contains(m_row, m_col))
    return;
  GridCell &c = at(m_row, m_col);
  c.fontName = name;
  c.fontSize = size;
  c.fontBold = bold;
  emit changed();
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
  emit changed();
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
  emit changed();
}

void GridModel::setFontName(const QString &name) {
  m_fontName = name;
  emit changed();
}

void GridModel::setFontSize(double points) {
  if (!(points > 0))
    return;
  m_fontSize = points;
  emit changed();
}

void GridModel::sortRows(int col, GridSort order, int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, m_rows - 1);
  if (col < 0 || col >= m_cols || first >= last || order == SortNone)
    return;
  auto numeric = [](const QString &s) { return val(s); };
  auto less = [&](const QVector<GridCell> &a, const QVector<GridCell> &b) {
    const QString &x = a[col].text;
    const QString &y = b[col].text;
    switch (order) {
    case SortNumericAscending:
      return numeric(x) < numeric(y);
    case SortNumericDescending:
      return numeric(x) > numeric(y);
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
      bool xn = false, yn = false;
      const double xv = x.trimmed().toDouble(&xn);
      const double yv = y.trimmed().toDouble(&yn);
      const bool asc = order == SortGenericAscending;
      if (xn && yn)
        return asc ? xv < yv : xv > yv;
      const int c = x.compare(y, Qt::CaseInsensitive);
      return asc ? c < 0 : c > 0;
    }
    case SortNone:
      break;
    }
    return false;
  };
  std::stable_sort(m_cells.begin() + first, m_cells.begin() + last + 1, less);
  emit changed();
}

void GridModel::sort(GridSort order) { sortRows(m_col, order, m_fixedRows, m_rows - 1); }

void GridModel::clear() {
  for (auto &r : m_cells)
    for (auto &c : r)
      c = GridCell{};
  emit changed();
}

} // namespace platform
