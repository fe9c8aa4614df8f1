#pragma once
// A GridModel as a Qt table model, for GridView. The grid's fixed row 0 is
// the horizontal header and its fixed column 0 the vertical header; the other
// cells, fixed ones after the first included, are the table. Text, alignment,
// colours and font reach the view through the item roles, for the header
// cells too.
#include "platform/grid.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace platform {

class GridViewModel : public QAbstractTableModel {
  Q_OBJECT
public:
  // Colours of cells without their own, 0xBBGGRR.
  static constexpr std::uint32_t kBack = 0xFFFFFF;
  static constexpr std::uint32_t kFixedBack = 0xC0C0C0;
  static constexpr std::uint32_t kFore = 0x000000;

  explicit GridViewModel(QObject *parent = nullptr);

  GridModel *grid() const { return m_grid; }
  // Shows another grid (none: an empty table); the model does not own it.
  void setGrid(GridModel *grid);

  // 1 when the grid's row 0 (column 0) is a header, else 0.
  int headerRows() const;
  int headerCols() const;
  // The table index of a grid cell; invalid for a header cell.
  QModelIndex indexOfCell(int row, int col) const;
  int gridRow(const QModelIndex &index) const { return index.row() + headerRows(); }
  int gridCol(const QModelIndex &index) const { return index.column() + headerCols(); }
  // What a role gives for any cell of the grid, header cells included.
  QVariant cellData(int row, int col, int role) const;
  // True while the table's rows or columns are being changed.
  bool isChanging() const { return m_changing > 0; }

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
  void connectGrid();
  void cellsChanged(int firstRow, int firstCol, int lastRow, int lastCol);
  void allChanged();
  void begin() { ++m_changing; }
  void end() { --m_changing; }

  QPointer<GridModel> m_grid;
  int m_changing = 0;
};

} // namespace platform
