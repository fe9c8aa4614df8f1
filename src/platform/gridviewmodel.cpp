#include "platform/gridviewmodel.h"

#include "platform/colors.h"

#include <QBrush>
#include <QFont>

#include <algorithm>

namespace platform {

namespace {

Qt::Alignment qtAlignment(int code, const QString &text) {
  if (code == AlignGeneral) {
    bool numeric = false;
    text.trimmed().toDouble(&numeric);
    return Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft);
  }
  const Qt::Alignment h = code / 3 == 0   ? Qt::AlignLeft
                          : code / 3 == 1 ? Qt::AlignHCenter
                                          : Qt::AlignRight;
  const Qt::Alignment v = code % 3 == 0   ? Qt::AlignTop
                          : code % 3 == 1 ? Qt::AlignVCenter
                                          : Qt::AlignBottom;
  return h | v;
}

} // namespace

GridViewModel::GridViewModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridViewModel::setGrid(GridModel *grid) {
  if (grid == m_grid)
    return;
  beginResetModel();
  if (m_grid)
    disconnect(m_grid, nullptr, this, nullptr);
  m_grid = grid;
  if (m_grid)
    connectGrid();
  endResetModel();
}

void GridViewModel::connectGrid() {
  GridModel *g = m_grid;
  connect(g, &GridModel::cellsChanged, this, &GridViewModel::cellsChanged);
  connect(g, &GridModel::fontChanged, this, &GridViewModel::allChanged);

  // Rows and columns beyond the headers; the headers themselves never take
  // part: a grid inserts or removes no fixed row or column.
  connect(g, &GridModel::rowsAboutToBeInserted, this, [this](int first, int last) {
    begin();
    beginInsertRows(QModelIndex(), first - headerRows(), last - headerRows());
  });
  connect(g, &GridModel::rowsInserted, this, [this] {
    endInsertRows();
    end();
  });
  connect(g, &GridModel::rowsAboutToBeRemoved, this, [this](int first, int last) {
    begin();
    beginRemoveRows(QModelIndex(), first - headerRows(), last - headerRows());
  });
  connect(g, &GridModel::rowsRemoved, this, [this] {
    endRemoveRows();
    end();
  });
  connect(g, &GridModel::colsAboutToBeInserted, this, [this](int first, int last) {
    begin();
    beginInsertColumns(QModelIndex(), first - headerCols(), last - headerCols());
  });
  connect(g, &GridModel::colsInserted, this, [this] {
    endInsertColumns();
    end();
  });
  connect(g, &GridModel::colsAboutToBeRemoved, this, [this](int first, int last) {
    begin();
    beginRemoveColumns(QModelIndex(), first - headerCols(), last - headerCols());
  });
  connect(g, &GridModel::colsRemoved, this, [this] {
    endRemoveColumns();
    end();
  });

  connect(g, &GridModel::aboutToBeReset, this, [this] {
    begin();
    beginResetModel();
  });
  connect(g, &GridModel::reset, this, [this] {
    endResetModel();
    end();
  });

  // A grid deleted before its view leaves an empty table.
  connect(g, &QObject::destroyed, this, [this] {
    beginResetModel();
    m_grid = nullptr;
    endResetModel();
  });
}

int GridViewModel::headerRows() const { return m_grid && m_grid->fixedRows() > 0 ? 1 : 0; }
int GridViewModel::headerCols() const { return m_grid && m_grid->fixedCols() > 0 ? 1 : 0; }

QModelIndex GridViewModel::indexOfCell(int row, int col) const {
  return index(row - headerRows(), col - headerCols());
}

int GridViewModel::rowCount(const QModelIndex &parent) const {
  if (parent.isValid() || !m_grid)
    return 0;
  return m_grid->rows() - headerRows();
}

int GridViewModel::columnCount(const QModelIndex &parent) const {
  if (parent.isValid() || !m_grid)
    return 0;
  return m_grid->cols() - headerCols();
}

QVariant GridViewModel::cellData(int row, int col, int role) const {
  if (!m_grid || !m_grid->contains(row, col))
    return {};
  const GridCell &cell = m_grid->cell(row, col);
  switch (role) {
  case Qt::DisplayRole:
    return cell.text;
  case Qt::TextAlignmentRole:
    return static_cast<int>(qtAlignment(cell.alignment, cell.text));
  case Qt::BackgroundRole: {
    const bool fixed = row < m_grid->fixedRows() || col < m_grid->fixedCols();
    return QBrush(colorFromBgr(cell.backColor.value_or(fixed ? kFixedBack : kBack)));
  }
  case Qt::ForegroundRole:
    return QBrush(colorFromBgr(cell.foreColor.value_or(kFore)));
  case Qt::FontRole: {
    // Only what the cell or the grid sets; the rest comes from the view.
    QFont font;
    const QString family = cell.fontName.isEmpty() ? m_grid->fontName() : cell.fontName;
    if (!family.isEmpty())
      font.setFamily(family);
    font.setPointSizeF(cell.fontSize > 0 ? cell.fontSize : m_grid->fontSize());
    font.setBold(cell.fontBold);
    return font;
  }
  default:
    return {};
  }
}

QVariant GridViewModel::data(const QModelIndex &index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid))
    return {};
  return cellData(gridRow(index), gridCol(index), role);
}

QVariant GridViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal)
    return headerRows() > 0 ? cellData(0, section + headerCols(), role) : QVariant();
  return headerCols() > 0 ? cellData(section + headerRows(), 0, role) : QVariant();
}

Qt::ItemFlags GridViewModel::flags(const QModelIndex &index) const {
  if (!index.isValid())
    return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void GridViewModel::cellsChanged(int firstRow, int firstCol, int lastRow, int lastCol) {
  const int hr = headerRows(), hc = headerCols();
  if (firstRow < hr && lastCol >= hc)
    emit headerDataChanged(Qt::Horizontal, std::max(firstCol, hc) - hc, lastCol - hc);
  if (firstCol < hc && lastRow >= hr)
    emit headerDataChanged(Qt::Vertical, std::max(firstRow, hr) - hr, lastRow - hr);
  const int top = std::max(firstRow, hr) - hr, left = std::max(firstCol, hc) - hc;
  const int bottom = lastRow - hr, right = lastCol - hc;
  if (top <= bottom && left <= right)
    emit dataChanged(index(top, left), index(bottom, right));
}

void GridViewModel::allChanged() {
  if (!m_grid)
    return;
  cellsChanged(0, 0, m_grid->rows() - 1, m_grid->cols() - 1);
}

} // namespace platform
