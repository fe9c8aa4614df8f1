#pragma once
// Shows a GridModel in the manner of a flex grid, on Qt's table view: the
// fixed row 0 and column 0 are the headers on a grey ground, the other cells
// scroll under them, the current cell is framed. Column widths and row heights
// come from the grid (twips). A click makes a cell current, header cells too.
// Screen readers see the cells and headers through the table view.
#include "platform/grid.h"

#include <QPointer>
#include <QTableView>

class QAbstractButton;

namespace platform {

class GridViewModel;

class GridView : public QTableView {
  Q_OBJECT
public:
  explicit GridView(QWidget *parent = nullptr);
  ~GridView() override;

  // The grid shown (the table view's model() is the table model).
  GridModel *grid() const { return m_model; }
  // Shows another grid; the view does not own it. None: the view's own.
  void setGrid(GridModel *grid);
  GridViewModel *tableModel() const { return m_table; }

  // The cell under a point of the viewport, headers included, or {-1, -1}.
  QPair<int, int> cellAt(const QPoint &pos) const;
  // A cell's rectangle in viewport coordinates; header cells lie above or
  // left of the viewport (negative coordinates).
  QRect cellRect(int row, int col) const;

signals:
  void cellClicked(int row, int col);
  void cellDoubleClicked(int row, int col);
  // The user moved the current cell (a click or a key).
  void currentCellChanged(int row, int col);

protected:
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
  void updateGeometries() override;
  void mousePressEvent(QMouseEvent *event) override;
  void keyboardSearch(const QString &search) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  using QTableView::setModel;

  void connectGrid();
  void fixedCellClicked(int row, int col);
  void syncHeaders();
  void syncSizes();
  void syncCurrent();
  void applyTopRow();
  void userScrolled();

  QPointer<GridModel> m_model;
  GridModel m_ownModel;
  GridViewModel *m_table = nullptr;
  QAbstractButton *m_corner = nullptr;
  bool m_syncing = false;   // the view follows the grid, or the grid the view
  bool m_scrolling = false; // the view scrolls itself
  int m_wantedTop = -1;     // the grid's top row, until the user scrolls
  Qt::MouseButton m_pressed = Qt::NoButton;
};

} // namespace platform
