#include "platform/gridview.h"

#include "platform/colors.h"
#include "platform/gridviewaccessible.h"
#include "platform/gridviewmodel.h"
#include "platform/units.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace platform {

namespace {

// The ground beyond the last row and column.
constexpr std::uint32_t kBackground = 0x808080;
constexpr std::uint32_t kFixedLight = 0xFFFFFF;
constexpr std::uint32_t kFixedShadow = 0x808080;
constexpr int kTextMargin = 3;

// Draws a fixed cell as a raised grey box with its text, from what the roles
// give for it.
void paintFixedCell(QPainter *painter, const QRect &rect, const QFont &baseFont,
                    const std::function<QVariant(int)> &role) {
  if (!rect.isValid())
    return;
  painter->save();
  painter->setClipRect(rect);
  const QVariant back = role(Qt::BackgroundRole);
  painter->fillRect(rect, back.canConvert<QBrush>() ? back.value<QBrush>()
                                                    : QBrush(colorFromBgr(0xC0C0C0)));
  painter->setPen(colorFromBgr(kFixedLight));
  painter->drawLine(rect.topLeft(), rect.topRight());
  painter->drawLine(rect.topLeft(), rect.bottomLeft());
  painter->setPen(colorFromBgr(kFixedShadow));
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->drawLine(rect.topRight(), rect.bottomRight());

  const QVariant font = role(Qt::FontRole);
  painter->setFont(font.canConvert<QFont>() ? font.value<QFont>().resolve(baseFont) : baseFont);
  const QVariant fore = role(Qt::ForegroundRole);
  painter->setPen(fore.canConvert<QBrush>() ? fore.value<QBrush>().color() : QColor(Qt::black));
  const QVariant align = role(Qt::TextAlignmentRole);
  const int flags = align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
  painter->drawText(rect.adjusted(kTextMargin, 0, -kTextMargin, 0), flags,
                    role(Qt::DisplayRole).toString());
  painter->restore();
}

// A header of fixed cells: painted flat and grey, a press on a section is a
// click on that cell. The sections are neither resized nor moved by the user.
class GridHeader : public QHeaderView {
  Q_OBJECT
public:
  explicit GridHeader(Qt::Orientation orientation, QWidget *parent)
      : QHeaderView(orientation, parent) {
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultSectionSize(orientation == Qt::Horizontal
                              ? twipsToPixels(GridModel::kDefaultColWidth)
                              : twipsToPixels(GridModel::kDefaultRowHeight));
  }

  // The grid gives a header its breadth (a fixed height or width), so the
  // hint is that breadth: Qt's own measures the contents of up to 200
  // sections after every change of the rows, which the table view asks for
  // whenever it lays itself out.
  QSize sizeHint() const override {
    return orientation() == Qt::Horizontal ? QSize(length(), minimumHeight())
                                           : QSize(minimumWidth(), length());
  }

signals:
  void sectionCellPressed(int section);
  void sectionCellDoubleClicked(int section);

protected:
  void paintEvent(QPaintEvent *event) override {
    QHeaderView::paintEvent(event);
    // Beyond the last section the grid's own ground shows, as beside the cells.
    const int end = length() - offset();
    QRect rest = viewport()->rect();
    if (orientation() == Qt::Horizontal)
      rest.setLeft(std::max(end, 0));
    else
      rest.setTop(std::max(end, 0));
    if (rest.isValid()) {
      QPainter painter(viewport());
      painter.fillRect(rest, colorFromBgr(kBackground));
    }
  }

  void paintSection(QPainter *painter, const QRect &rect, int section) const override {
    paintFixedCell(painter, rect, font(), [this, section](int role) {
      return model() ? model()->headerData(section, orientation(), role) : QVariant();
    });
  }

  void mousePressEvent(QMouseEvent *event) override {
    const int section = sectionAt(event);
    if (event->button() == Qt::LeftButton && section >= 0)
      emit sectionCellPressed(section);
  }
  void mouseDoubleClickEvent(QMouseEvent *event) override {
    const int section = sectionAt(event);
    if (event->button() == Qt::LeftButton && section >= 0)
      emit sectionCellDoubleClicked(section);
  }
  void mouseMoveEvent(QMouseEvent *) override {}
  void mouseReleaseEvent(QMouseEvent *) override {}

private:
  int sectionAt(QMouseEvent *event) const {
    const QPoint p = event->position().toPoint();
    return logicalIndexAt(orientation() == Qt::Horizontal ? p.x() : p.y());
  }
};

// Cells as the table view draws them, with no selection colour and the
// current cell in a dotted frame while the grid has the focus.
class GridDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    QStyleOptionViewItem opt = option;
    const bool current = opt.state & QStyle::State_HasFocus;
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    QStyledItemDelegate::paint(painter, opt, index);
    if (current) {
      painter->save();
      QPen pen(Qt::black);
      pen.setStyle(Qt::DotLine);
      painter->setPen(pen);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
      painter->restore();
    }
  }
};

} // namespace

// The screen reader's description is in place before the view is built.
static QWidget *withAccessibility(QWidget *parent) {
  installGridAccessibility();
  return parent;
}

GridView::GridView(QWidget *parent) : QTableView(withAccessibility(parent)) {
  forgetTableAccessibility(this);
  setHorizontalHeader(new GridHeader(Qt::Horizontal, this));
  setVerticalHeader(new GridHeader(Qt::Vertical, this));
  setItemDelegate(new GridDelegate(this));
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  // Rows scroll whole, so that a top row is a row; sideways by the pixel, so
  // that a column wider than the view can be read to its end.
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setSortingEnabled(false);
  setShowGrid(true);
  setGridStyle(Qt::SolidLine);
  setFocusPolicy(Qt::StrongFocus);

  QPalette ground = viewport()->palette();
  ground.setColor(QPalette::Base, colorFromBgr(kBackground));
  viewport()->setPalette(ground);

  m_table = new GridViewModel(this);
  QTableView::setModel(m_table);

  // The corner shows the grid's cell (0, 0).
  m_corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
  if (m_corner)
    m_corner->installEventFilter(this);

  for (auto *header : {horizontalHeader(), verticalHeader()}) {
    auto *h = static_cast<GridHeader *>(header);
    const bool horizontal = header == horizontalHeader();
    connect(h, &GridHeader::sectionCellPressed, this, [this, horizontal](int section) {
      if (horizontal)
        fixedCellClicked(0, section + m_table->headerCols());
      else
        fixedCellClicked(section + m_table->headerRows(), 0);
    });
    connect(h, &GridHeader::sectionCellDoubleClicked, this, [this, horizontal](int section) {
      if (horizontal)
        emit cellDoubleClicked(0, section + m_table->headerCols());
      else
        emit cellDoubleClicked(section + m_table->headerRows(), 0);
    });
  }

  connect(this, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
    if (m_pressed == Qt::LeftButton && index.isValid())
      emit cellClicked(m_table->gridRow(index), m_table->gridCol(index));
  });
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
    if (index.isValid())
      emit cellDoubleClicked(m_table->gridRow(index), m_table->gridCol(index));
  });
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { userScrolled(); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { userScrolled(); });

  setGrid(&m_ownModel);
}

GridView::~GridView() {
  if (m_model)
    disconnect(m_model, nullptr, this, nullptr);
}

void GridView::setGrid(GridModel *grid) {
  if (!grid)
    grid = &m_ownModel;
  if (m_model)
    disconnect(m_model, nullptr, this, nullptr);
  m_model = grid;
  m_wantedTop = -1;
  m_table->setGrid(grid);
  connectGrid();
  syncHeaders();
  syncSizes();
  syncCurrent();
}

void GridView::connectGrid() {
  GridModel *g = m_model;
  // Connected after the table model, so these run once it has followed.
  connect(g, &GridModel::cellsChanged, this, [this](int firstRow, int firstCol) {
    if (m_corner && firstRow == 0 && firstCol == 0)
      m_corner->update();
  });
  connect(g, &GridModel::fontChanged, this, [this] {
    if (m_corner)
      m_corner->update();
  });
  connect(g, &GridModel::rowHeightChanged, this, [this](int row) {
    if (row < m_table->headerRows())
      syncHeaders();
    else
      verticalHeader()->resizeSection(row - m_table->headerRows(),
                                      twipsToPixels(m_model->rowHeight(row)));
  });
  connect(g, &GridModel::colWidthChanged, this, [this](int col) {
    if (col < m_table->headerCols())
      syncHeaders();
    else
      horizontalHeader()->resizeSection(col - m_table->headerCols(),
                                        twipsToPixels(m_model->colWidth(col)));
  });
  // Rows or columns that come get their sizes; the others keep theirs, so a
  // row added to a long grid costs a row.
  connect(g, &GridModel::rowsInserted, this, [this](int first, int last) {
    syncHeaders();
    const int hr = m_table->headerRows();
    for (int r = first; r <= last; ++r)
      verticalHeader()->resizeSection(r - hr, twipsToPixels(m_model->rowHeight(r)));
    syncCurrent();
  });
  connect(g, &GridModel::colsInserted, this, [this](int first, int last) {
    syncHeaders();
    const int hc = m_table->headerCols();
    for (int c = first; c <= last; ++c)
      horizontalHeader()->resizeSection(c - hc, twipsToPixels(m_model->colWidth(c)));
    syncCurrent();
  });
  auto removed = [this] {
    syncHeaders();
    syncCurrent();
  };
  connect(g, &GridModel::rowsRemoved, this, removed);
  connect(g, &GridModel::colsRemoved, this, removed);
  // A new set of fixed rows or columns: the view keeps its place.
  auto kept = std::make_shared<QPoint>();
  connect(g, &GridModel::aboutToBeReset, this, [this, kept] {
    *kept = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  });
  connect(g, &GridModel::reset, this, [this, kept] {
    syncHeaders();
    syncSizes();
    syncCurrent();
    executeDelayedItemsLayout();
    const bool scrolling = std::exchange(m_scrolling, true);
    horizontalScrollBar()->setValue(kept->x());
    verticalScrollBar()->setValue(kept->y());
    m_scrolling = scrolling;
    applyTopRow();
  });
  connect(g, &GridModel::currentCellChanged, this, [this] {
    if (!m_syncing)
      syncCurrent();
  });
  connect(g, &GridModel::topRowChanged, this, [this](int row) {
    if (m_syncing)
      return;
    m_wantedTop = row;
    executeDelayedItemsLayout();
    applyTopRow();
  });
  connect(g, &GridModel::leftColChanged, this, [this](int col) {
    if (m_syncing)
      return;
    executeDelayedItemsLayout();
    const int section = col - m_table->headerCols();
    const bool scrolling = std::exchange(m_scrolling, true);
    horizontalScrollBar()->setValue(section > 0 ? horizontalHeader()->sectionPosition(section) : 0);
    m_scrolling = scrolling;
  });
  connect(g, &QObject::destroyed, this, [this] { setGrid(nullptr); });
}

void GridView::syncHeaders() {
  const int hr = m_table->headerRows(), hc = m_table->headerCols();
  horizontalHeader()->setHidden(hr == 0);
  verticalHeader()->setHidden(hc == 0);
  const int height = hr ? twipsToPixels(m_model->rowHeight(0)) : 0;
  const int width = hc ? twipsToPixels(m_model->colWidth(0)) : 0;
  if (height != horizontalHeader()->maximumHeight() || width != verticalHeader()->maximumWidth()) {
    horizontalHeader()->setFixedHeight(height);
    verticalHeader()->setFixedWidth(width);
    updateGeometries(); // the viewport moves beside the headers
  }
  if (m_corner)
    m_corner->update();
}

void GridView::syncSizes() {
  syncHeaders();
  const int hr = m_table->headerRows(), hc = m_table->headerCols();
  for (int c = 0; c < m_table->columnCount(); ++c)
    horizontalHeader()->resizeSection(c, twipsToPixels(m_model->colWidth(c + hc)));
  for (int r = 0; r < m_table->rowCount(); ++r)
    verticalHeader()->resizeSection(r, twipsToPixels(m_model->rowHeight(r + hr)));
}

// The view's current index follows the grid's current cell, without
// scrolling: a program that moves the current cell does not move the view.
void GridView::syncCurrent() {
  if (!selectionModel())
    return;
  const QModelIndex index = m_table->indexOfCell(m_model->row(), m_model->col());
  if (index == currentIndex())
    return;
  const bool syncing = std::exchange(m_syncing, true);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  m_syncing = syncing;
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
  if (m_syncing || m_table->isChanging()) {
    const bool autoScroll = hasAutoScroll();
    setAutoScroll(false);
    QTableView::currentChanged(current, previous);
    setAutoScroll(autoScroll);
    return;
  }
  QTableView::currentChanged(current, previous);
  if (!current.isValid())
    return;
  const int row = m_table->gridRow(current), col = m_table->gridCol(current);
  m_syncing = true;
  m_model->setRow(row);
  m_model->setCol(col);
  m_syncing = false;
  emit currentCellChanged(row, col);
}

// Scrolls so that the grid's top row is the first one under the header, as
// far as the rows under it fill the view.
void GridView::applyTopRow() {
  if (m_wantedTop < 0 || m_table->rowCount() == 0 || m_table->columnCount() == 0)
    return;
  const int row = std::clamp(m_wantedTop - m_table->headerRows(), 0, m_table->rowCount() - 1);
  const int col = std::max(0, columnAt(0));
  const bool scrolling = std::exchange(m_scrolling, true);
  scrollTo(m_table->index(row, col), QAbstractItemView::PositionAtTop);
  m_scrolling = scrolling;
}

// The scroll range follows the rows; a top row that the program set stays on
// top until the user scrolls.
void GridView::updateGeometries() {
  const bool scrolling = std::exchange(m_scrolling, true);
  QTableView::updateGeometries();
  applyTopRow();
  m_scrolling = scrolling;
}

void GridView::userScrolled() {
  if (m_scrolling)
    return;
  m_wantedTop = -1;
  const bool syncing = std::exchange(m_syncing, true);
  m_model->setTopRow(verticalScrollBar()->value() + m_table->headerRows());
  m_model->setLeftCol(std::max(0, columnAt(0)) + m_table->headerCols());
  m_syncing = syncing;
}

void GridView::mousePressEvent(QMouseEvent *event) {
  m_pressed = event->button();
  QTableView::mousePressEvent(event);
  m_pressed = Qt::NoButton;
}

void GridView::keyboardSearch(const QString &) {}

void GridView::fixedCellClicked(int row, int col) {
  m_model->setRow(row);
  m_model->setCol(col);
  emit cellClicked(row, col);
}

bool GridView::eventFilter(QObject *watched, QEvent *event) {
  if (watched == m_corner) {
    switch (event->type()) {
    case QEvent::Paint: {
      QPainter painter(m_corner);
      paintFixedCell(&painter, m_corner->rect(), font(),
                     [this](int role) { return m_table->cellData(0, 0, role); });
      return true;
    }
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        fixedCellClicked(0, 0);
      return true;
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit cellDoubleClicked(0, 0);
      return true;
    case QEvent::MouseButtonRelease:
      return true;
    default:
      break;
    }
  }
  return QTableView::eventFilter(watched, event);
}

QPair<int, int> GridView::cellAt(const QPoint &pos) const {
  const int hr = m_table->headerRows(), hc = m_table->headerCols();
  int row = -1, col = -1;
  if (pos.y() < 0) {
    if (hr && pos.y() >= -horizontalHeader()->height())
      row = 0;
  } else {
    const int r = rowAt(pos.y());
    row = r >= 0 ? r + hr : -1;
  }
  if (pos.x() < 0) {
    if (hc && pos.x() >= -verticalHeader()->width())
      col = 0;
  } else {
    const int c = columnAt(pos.x());
    col = c >= 0 ? c + hc : -1;
  }
  if (row < 0 || col < 0)
    return {-1, -1};
  return {row, col};
}

QRect GridView::cellRect(int row, int col) const {
  if (!m_model->contains(row, col))
    return {};
  const int hr = m_table->headerRows(), hc = m_table->headerCols();
  int top, height, left, width;
  if (row < hr) {
    height = horizontalHeader()->height();
    top = -height;
  } else {
    top = rowViewportPosition(row - hr);
    height = rowHeight(row - hr);
  }
  if (col < hc) {
    width = verticalHeader()->width();
    left = -width;
  } else {
    left = columnViewportPosition(col - hc);
    width = columnWidth(col - hc);
  }
  return QRect(left, top, width, height);
}

} // namespace platform

#include "gridview.moc"
