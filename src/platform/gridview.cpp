#include "platform/gridview.h"

#include "platform/colors.h"
#include "platform/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <functional>

namespace platform {

namespace {
constexpr std::uint32_t kFixedBack = 0xC0C0C0;
constexpr std::uint32_t kBack = 0xFFFFFF;

Qt::Alignment qtAlignment(int code, const QString &text) {
  if (code == AlignGeneral) {
    bool numeric = false;
    text.trimmed().toDouble(&numeric);
    return Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft);
  }
  Qt::Alignment h = code / 3 == 0 ? Qt::AlignLeft : code / 3 == 1 ? Qt::AlignHCenter : Qt::AlignRight;
  Qt::Alignment v = code % 3 == 0 ? Qt::AlignTop : code % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
  return h | v;
}
} // namespace

GridView::GridView(QWidget *parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setModel(&m_ownModel);
}

void GridView::setModel(GridModel *model) {
  if (m_model)
    disconnect(m_model, nullptr, this, nullptr);
  m_model = model ? model : &m_ownModel;
  connect(m_model, &GridModel::changed, this, [this] {
    updateScrollBars();
    viewport()->update();
  });
  updateScrollBars();
  viewport()->update();
}

int GridView::columnX(int col) const {
  int x = 0;
  const GridModel &m = *m_model;
  for (int c = 0; c < m.fixedCols() && c < col; ++c)
    x += twipsToPixels(m.colWidth(c));
  if (col < m.fixedCols())
    return x;
  for (int c = std::max(m.fixedCols(), m.leftCol()); c < col; ++c)
    x += twipsToPixels(m.colWidth(c));
  if (col < m.leftCol())
    return -100000;
  return x;
}

int GridView::rowY(int row) const {
  int y = 0;
  const GridModel &m = *m_model;
  for (int r = 0; r < m.fixedRows() && r < row; ++r)
    y += twipsToPixels(m.rowHeight(r));
  if (row < m.fixedRows())
    return y;
  for (int r = std::max(m.fixedRows(), m.topRow()); r < row; ++r)
    y += twipsToPixels(m.rowHeight(r));
  if (row < m.topRow())
    return -100000;
  return y;
}

QRect GridView::cellRect(int row, int col) const {
  return QRect(columnX(col), rowY(row), twipsToPixels(m_model->colWidth(col)),
               twipsToPixels(m_model->rowHeight(row)));
}

QPair<int, int> GridView::cellAt(const QPoint &pos) const {
  const GridModel &m = *m_model;
  int row = -1, col = -1;
  for (int r = 0; r < m.rows(); ++r) {
    if (r >= m.fixedRows() && r < m.topRow())
      continue;
    const QRect rc = cellRect(r, 0);
    if (pos.y() >= rc.top() && pos.y() <= rc.bottom()) {
      row = r;
      break;
    }
  }
  for (int c = 0; c < m.cols(); ++c) {
    if (c >= m.fixedCols() && c < m.leftCol())
      continue;
    const QRect rc = cellRect(0, c);
    if (pos.x() >= rc.left() && pos.x() <= rc.right()) {
      col = c;
      break;
    }
  }
  if (row < 0 || col < 0)
    return {-1, -1};
  return {row, col};
}

void GridView::paintEvent(QPaintEvent *) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), palette().color(QPalette::Window).darker(105));
  const GridModel &m = *m_model;
  const QRect area = viewport()->rect();
  for (int r = 0; r < m.rows(); ++r) {
    if (r >= m.fixedRows() && r < m.topRow())
      continue;
    const int y = rowY(r);
    if (y > area.bottom())
      break;
    for (int c = 0; c < m.cols(); ++c) {
      if (c >= m.fixedCols() && c < m.leftCol())
        continue;
      const QRect rc = cellRect(r, c);
      if (rc.left() > area.right())
        break;
      if (rc.width() <= 0 || rc.height() <= 0)
        continue;
      const GridCell &cell = m.cell(r, c);
      const bool fixed = r < m.fixedRows() || c < m.fixedCols();
      p.fillRect(rc, colorFromBgr(cell.backColor.value_or(fixed ? kFixedBack : kBack)));
      p.setPen(QColor(128, 128, 128));
      p.drawRect(rc.adjusted(0, 0, -1, -1));
      QFont f = font();
      if (!cell.fontName.isEmpty())
        f.setFamily(cell.fontName);
      if (cell.fontSize > 0)
        f.setPointSizeF(cell.fontSize);
      f.setBold(cell.fontBold);
      p.setFont(f);
      p.setPen(colorFromBgr(cell.foreColor.value_or(0x000000)));
      p.drawText(rc.adjusted(3, 0, -3, 0), qtAlignment(cell.alignment, cell.text), cell.text);
      if (r == m.row() && c == m.col() && !fixed && hasFocus()) {
        QPen pen(Qt::black);
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rc.adjusted(1, 1, -2, -2));
      }
    }
  }
}

void GridView::moveCurrent(int row, int col) {
  GridModel &m = *m_model;
  if (!m.contains(row, col))
    return;
  m.setRow(row);
  m.setCol(col);
  emit currentCellChanged(row, col);
  viewport()->update();
}

void GridView::mousePressEvent(QMouseEvent *event) {
  const auto [row, col] = cellAt(event->position().toPoint());
  if (row < 0)
    return;
  moveCurrent(row, col);
  emit cellClicked(row, col);
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event) {
  const auto [row, col] = cellAt(event->position().toPoint());
  if (row >= 0)
    emit cellDoubleClicked(row, col);
}

void GridView::keyPressEvent(QKeyEvent *event) {
  const GridModel &m = *m_model;
  int row = m.row(), col = m.col();
  switch (event->key()) {
  case Qt::Key_Up: row = std::max(m.fixedRows(), row - 1); break;
  case Qt::Key_Down: row = std::min(m.rows() - 1, row + 1); break;
  case Qt::Key_Left: col = std::max(m.fixedCols(), col - 1); break;
  case Qt::Key_Right: col = std::min(m.cols() - 1, col + 1); break;
  default:
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  moveCurrent(row, col);
}

void GridView::resizeEvent(QResizeEvent *event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

// The last first-scrolled row or column that still fills the viewport, so
// that a grid that fits shows no scroll bar.
static int lastStart(int fixed, int count, int available, const std::function<int(int)> &size) {
  int used = 0;
  for (int i = count - 1; i >= fixed; --i) {
    used += size(i);
    if (used > available)
      return std::min(count - 1, i + 1);
  }
  return fixed;
}

void GridView::updateScrollBars() {
  const GridModel &m = *m_model;
  int fixedWidth = 0, fixedHeight = 0;
  for (int c = 0; c < m.fixedCols(); ++c)
    fixedWidth += twipsToPixels(m.colWidth(c));
  for (int r = 0; r < m.fixedRows(); ++r)
    fixedHeight += twipsToPixels(m.rowHeight(r));
  const QSize area = viewport()->size();
  const int lastRow = lastStart(m.fixedRows(), m.rows(), area.height() - fixedHeight,
                                [&m](int r) { return twipsToPixels(m.rowHeight(r)); });
  const int lastCol = lastStart(m.fixedCols(), m.cols(), area.width() - fixedWidth,
                                [&m](int c) { return twipsToPixels(m.colWidth(c)); });
  m_syncing = true;
  verticalScrollBar()->setRange(m.fixedRows(), std::max(m.fixedRows(), lastRow));
  verticalScrollBar()->setValue(std::max(m.topRow(), m.fixedRows()));
  horizontalScrollBar()->setRange(m.fixedCols(), std::max(m.fixedCols(), lastCol));
  horizontalScrollBar()->setValue(std::max(m.leftCol(), m.fixedCols()));
  m_syncing = false;
}

void GridView::scrollContentsBy(int, int) {
  if (m_syncing)
    return;
  m_model->setTopRow(verticalScrollBar()->value());
  m_model->setLeftCol(horizontalScrollBar()->value());
}

} // namespace platform
