#pragma once
// Shows a GridModel: fixed rows and columns on a grey ground, the others
// scrolled under them, the current cell framed. A click makes a cell current.
#include "platform/grid.h"

#include <QAbstractScrollArea>
#include <QPointer>

namespace platform {

class GridView : public QAbstractScrollArea {
  Q_OBJECT
public:
  explicit GridView(QWidget *parent = nullptr);
  GridModel *model() const { return m_model; }
  // Shows another model; the view does not own it.
  void setModel(GridModel *model);
  // The cell under a point of the viewport, or {-1, -1}.
  QPair<int, int> cellAt(const QPoint &pos) const;
  QRect cellRect(int row, int col) const;

signals:
  void cellClicked(int row, int col);
  void cellDoubleClicked(int row, int col);
  void currentCellChanged(int row, int col);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void scrollContentsBy(int dx, int dy) override;

private:
  void updateScrollBars();
  int columnX(int col) const; // left edge in pixels within the viewport
  int rowY(int row) const;
  void moveCurrent(int row, int col);

  QPointer<GridModel> m_model;
  GridModel m_ownModel;
  bool m_syncing = false;
};

} // namespace platform
