#include "platform/gridviewaccessible.h"

#include "platform/gridview.h"
#include "platform/gridviewmodel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace platform {

namespace {

// A child's place: slot row 0 is the header row, slot column 0 the header
// column, slot (r + 1, c + 1) the table's cell (r, c).
struct Slot {
  int row = 0;
  int col = 0;
  bool operator==(const Slot &) const = default;
};

size_t qHash(const Slot &slot, size_t seed = 0) { return qHashMulti(seed, slot.row, slot.col); }

class GridAccessibleCell;

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit GridAccessible(GridView *view) : QAccessibleWidget(view, QAccessible::Table) {}

  ~GridAccessible() override {
    for (QAccessible::Id id : std::as_const(m_cells))
      QAccessible::deleteAccessibleInterface(id);
  }

  GridView *view() const { return static_cast<GridView *>(widget()); }
  const GridViewModel *table() const { return view()->tableModel(); }

  // The grid cell in a slot; row or column -1 where the grid has no header.
  QPair<int, int> gridCell(Slot slot) const {
    const int row = slot.row - 1 + table()->headerRows();
    const int col = slot.col - 1 + table()->headerCols();
    return {row, col};
  }

  bool slotExists(Slot slot) const {
    return slot.row >= 0 && slot.col >= 0 && slot.row <= table()->rowCount() &&
           slot.col <= table()->columnCount();
  }

  QAccessibleInterface *slotInterface(Slot slot) const;

  // QAccessibleInterface
  int childCount() const override {
    return (table()->rowCount() + 1) * (table()->columnCount() + 1);
  }

  QAccessibleInterface *child(int index) const override {
    if (index < 0 || index >= childCount())
      return nullptr;
    const int width = table()->columnCount() + 1;
    return slotInterface({index / width, index % width});
  }

  int indexOfChild(const QAccessibleInterface *child) const override;

  QAccessibleInterface *childAt(int x, int y) const override {
    if (!view()->isVisible())
      return nullptr;
    const QPoint pos = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const auto [row, col] = view()->cellAt(pos);
    if (row < 0)
      return nullptr;
    return slotInterface({row - table()->headerRows() + 1, col - table()->headerCols() + 1});
  }

  QAccessibleInterface *focusChild() const override {
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid())
      return nullptr;
    return slotInterface({current.row() + 1, current.column() + 1});
  }

  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface)
      return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTableInterface
  QAccessibleInterface *caption() const override { return nullptr; }
  QAccessibleInterface *summary() const override { return nullptr; }
  QAccessibleInterface *cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
      return nullptr;
    return slotInterface({row + 1, column + 1});
  }
  int rowCount() const override { return table()->rowCount(); }
  int columnCount() const override { return table()->columnCount(); }
  QString columnDescription(int column) const override {
    return table()->headerData(column, Qt::Horizontal).toString();
  }
  QString rowDescription(int row) const override {
    return table()->headerData(row, Qt::Vertical).toString();
  }
  // Nothing is ever selected: the grid has only its current cell.
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface *> selectedCells() const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }

  // Cells read the grid when asked, so a cached cell stays right; the ones
  // beyond the table are dropped.
  void modelChange(QAccessibleTableModelChangeEvent *) override {
    for (auto it = m_cells.begin(); it != m_cells.end();) {
      if (slotExists(it.key())) {
        ++it;
      } else {
        QAccessible::deleteAccessibleInterface(it.value());
        it = m_cells.erase(it);
      }
    }
  }

private:
  mutable QHash<Slot, QAccessible::Id> m_cells;
};

class GridAccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
  GridAccessibleCell(GridView *view, Slot slot) : m_view(view), m_slot(slot) {}

  Slot slot() const { return m_slot; }

  GridAccessible *tableInterface_() const {
    return m_view ? dynamic_cast<GridAccessible *>(QAccessible::queryAccessibleInterface(m_view))
                  : nullptr;
  }
  const GridView *view() const { return m_view; }

  bool isHeader() const { return m_slot.row == 0 || m_slot.col == 0; }
  // A header slot of a grid without that header: present, empty, invisible.
  bool isAbsent() const {
    const GridAccessible *t = tableInterface_();
    if (!t)
      return true;
    const auto [row, col] = t->gridCell(m_slot);
    return row < 0 || col < 0;
  }

  // QAccessibleInterface
  bool isValid() const override {
    const GridAccessible *t = tableInterface_();
    return t && t->slotExists(m_slot);
  }
  QObject *object() const override { return nullptr; }
  QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
  QAccessibleInterface *parent() const override { return tableInterface_(); }
  QAccessibleInterface *child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface *) const override { return -1; }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid() || isAbsent())
      return {};
    const auto [row, col] = tableInterface_()->gridCell(m_slot);
    return m_view->grid()->textMatrix(row, col);
  }
  void setText(QAccessible::Text, const QString &) override {}

  QRect rect() const override {
    if (!isValid() || isAbsent() || !m_view->isVisible())
      return {};
    const auto [row, col] = tableInterface_()->gridCell(m_slot);
    const QRect r = m_view->cellRect(row, col);
    return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
  }

  QAccessible::Role role() const override {
    if (m_slot.row == 0)
      return QAccessible::ColumnHeader;
    if (m_slot.col == 0)
      return QAccessible::RowHeader;
    return QAccessible::Cell;
  }

  QAccessible::State state() const override {
    QAccessible::State st;
    if (!isValid() || isAbsent()) {
      st.invisible = true;
      return st;
    }
    const QRect cell = rect();
    const QRect view(m_view->mapToGlobal(QPoint(0, 0)), m_view->size());
    st.invisible = !cell.isValid() || !view.intersects(cell);
    if (!isHeader()) {
      st.focusable = true;
      st.focused = m_view->currentIndex() == currentIndex();
    }
    return st;
  }

  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface && !isHeader())
      return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
  }

  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface *> columnHeaderCells() const override {
    GridAccessible *t = tableInterface_();
    if (!t || !t->view()->tableModel()->headerRows())
      return {};
    return {t->slotInterface({0, m_slot.col})};
  }
  QList<QAccessibleInterface *> rowHeaderCells() const override {
    GridAccessible *t = tableInterface_();
    if (!t || !t->view()->tableModel()->headerCols())
      return {};
    return {t->slotInterface({m_slot.row, 0})};
  }
  int columnIndex() const override { return m_slot.col - 1; }
  int rowIndex() const override { return m_slot.row - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface *table() const override { return tableInterface_(); }

private:
  QModelIndex currentIndex() const {
    return m_view->tableModel()->index(m_slot.row - 1, m_slot.col - 1);
  }

  QPointer<GridView> m_view;
  Slot m_slot;
};

QAccessibleInterface *GridAccessible::slotInterface(Slot slot) const {
  if (!slotExists(slot))
    return nullptr;
  const auto found = m_cells.constFind(slot);
  if (found != m_cells.constEnd())
    return QAccessible::accessibleInterface(found.value());
  auto *cell = new GridAccessibleCell(view(), slot);
  const QAccessible::Id id = QAccessible::registerAccessibleInterface(cell);
  m_cells.insert(slot, id);
  return cell;
}

int GridAccessible::indexOfChild(const QAccessibleInterface *child) const {
  const auto *cell = dynamic_cast<const GridAccessibleCell *>(child);
  if (!cell || cell->view() != view() || !slotExists(cell->slot()))
    return -1;
  return cell->slot().row * (table()->columnCount() + 1) + cell->slot().col;
}

QAccessibleInterface *gridFactory(const QString &className, QObject *object) {
  if (className == QLatin1String(GridView::staticMetaObject.className()) && object &&
      object->isWidgetType())
    return new GridAccessible(static_cast<GridView *>(object));
  return nullptr;
}

} // namespace

void installGridAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(gridFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

void forgetTableAccessibility(GridView *view) {
  if (!QAccessible::isActive())
    return;
  QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(view);
  if (iface && !dynamic_cast<GridAccessible *>(iface))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

} // namespace platform
