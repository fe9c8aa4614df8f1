#pragma once
// A grid of text cells in the manner of a flex grid: rows and columns, fixed
// rows and columns at the top and left, a current cell, and per cell the text,
// alignment, colours and font. Column widths are in twips.
//
// Every change emits a signal that says what changed (which cells, which rows
// were inserted or removed, ...), which a view that shows the grid follows. A
// write that leaves a cell as it was emits nothing, and the cell changes made
// between beginChanges and endChanges emit one signal together, so that a
// change costs what it changes.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <optional>

namespace platform {

// Cell alignment codes: 0-8 are left/centre/right by top/centre/bottom,
// 9 is general (text left, numbers right).
enum GridAlignment {
  AlignLeftTop = 0,
  AlignLeftCenter = 1,
  AlignLeftBottom = 2,
  AlignCenterTop = 3,
  AlignCenterCenter = 4,
  AlignCenterBottom = 5,
  AlignRightTop = 6,
  AlignRightCenter = 7,
  AlignRightBottom = 8,
  AlignGeneral = 9
};

// Sort orders, by their codes.
enum GridSort {
  SortNone = 0,
  SortGenericAscending = 1,
  SortGenericDescending = 2,
  SortNumericAscending = 3,
  SortNumericDescending = 4,
  SortNoCaseAscending = 5,
  SortNoCaseDescending = 6,
  SortCaseAscending = 7,
  SortCaseDescending = 8
};

// The order of a stable sort of texts: the indexes of keys in their sorted
// order, equal keys keeping theirs. The generic orders compare two numbers by
// value and anything else as text without regard to case. Every list that
// must sort as a grid sorts its rows sorts by it.
QVector<int> sortedOrder(const QStringList &keys, GridSort order);
// Whether the generic orders read a text as a number: a finite one, blanks
// around it allowed. Texts that are not numbers compare among themselves
// without regard to case, which is a consistent order; numbers mixed with
// other texts need not be.
bool isGenericNumber(const QString &text);

struct GridCell {
  QString text;
  int alignment = AlignGeneral;
  std::optional<std::uint32_t> backColor; // 0xBBGGRR; none: the grid's default
  std::optional<std::uint32_t> foreColor;
  QString fontName;    // "" : the grid's font
  double fontSize = 0; // 0 : the grid's font size
  bool fontBold = false;

  bool operator==(const GridCell &) const = default;
};

class GridModel : public QObject {
  Q_OBJECT
public:
  static constexpr int kDefaultColWidth = 960;
  static constexpr int kDefaultRowHeight = 255;
  static constexpr double kDefaultFontSize = 9;

  explicit GridModel(QObject *parent = nullptr);

  int rows() const { return m_rows; }
  int cols() const { return m_cols; }
  // Rows and columns are added or taken away at the end; fixed rows or
  // columns beyond the new count stop being fixed.
  void setRows(int rows);
  void setCols(int cols);
  // Inserts count empty rows before row (rows() appends); removes count rows
  // from row on. Rows move with their cell attributes and heights. Fixed rows
  // are neither inserted into nor removed: false then, and nothing changes.
  // The current and the top row keep their numbers as far as they still exist.
  bool insertRows(int row, int count = 1);
  bool removeRows(int row, int count = 1);
  int fixedRows() const { return m_fixedRows; }
  int fixedCols() const { return m_fixedCols; }
  void setFixedRows(int n);
  void setFixedCols(int n);

  // The current cell; out-of-range values are ignored.
  int row() const { return m_row; }
  int col() const { return m_col; }
  void setRow(int row);
  void setCol(int col);
  int topRow() const { return m_topRow; }
  int leftCol() const { return m_leftCol; }
  void setTopRow(int row);
  void setLeftCol(int col);

  bool contains(int row, int col) const;
  // Cells outside the grid read as empty; writes to them are ignored.
  QString textMatrix(int row, int col) const;
  void setTextMatrix(int row, int col, const QString &text);
  const GridCell &cell(int row, int col) const;
  void setCell(int row, int col, const GridCell &cell);
  // A cell of only a text, its alignment and maybe its back colour.
  void setCell(int row, int col, const QString &text, int alignment,
               std::optional<std::uint32_t> backColor = std::nullopt);

  // The current cell's properties.
  QString text() const { return textMatrix(m_row, m_col); }
  void setText(const QString &text) { setTextMatrix(m_row, m_col, text); }
  void setCellBackColor(std::uint32_t bgr);

  int colWidth(int col) const;
  void setColWidth(int col, int twips);
  int rowHeight(int row) const;
  void setRowHeight(int row, int twips);

  // The grid's own font, which printing uses: "" is the program's font.
  QString fontName() const { return m_fontName; }
  double fontSize() const { return m_fontSize; } // points
  void setFontSize(double points);               // values of 0 or less are ignored

  void clear(); // every cell's text and attributes, the sizes kept

  // The cell changes from here to the matching endChanges are announced as
  // one cellsChanged for the rows and columns they span, at the end, or
  // before rows or columns come or go. The calls nest.
  void beginChanges() { ++m_changes; }
  void endChanges();

signals:
  // The texts or attributes of the cells in these rows and columns.
  void cellsChanged(int firstRow, int firstCol, int lastRow, int lastCol);
  // Rows or columns first..last, numbered as they are (removal) or will be
  // (insertion) in the grid.
  void rowsAboutToBeInserted(int first, int last);
  void rowsInserted(int first, int last);
  void rowsAboutToBeRemoved(int first, int last);
  void rowsRemoved(int first, int last);
  void colsAboutToBeInserted(int first, int last);
  void colsInserted(int first, int last);
  void colsAboutToBeRemoved(int first, int last);
  void colsRemoved(int first, int last);
  // The fixed rows or columns changed: everything is to be read again.
  void aboutToBeReset();
  void reset();
  void rowHeightChanged(int row);
  void colWidthChanged(int col);
  void fontChanged();
  void currentCellChanged(int row, int col);
  void topRowChanged(int row);
  void leftColChanged(int col);

private:
  GridCell &at(int row, int col);
  void clampPositions();
  void emitCells(int firstRow, int firstCol, int lastRow, int lastCol);
  // Announces the cell changes held back so far.
  void flushChanges();

  int m_rows = 0, m_cols = 0, m_fixedRows = 0, m_fixedCols = 0;
  int m_row = 0, m_col = 0, m_topRow = 0, m_leftCol = 0;
  QVector<QVector<GridCell>> m_cells;
  QVector<int> m_colWidths;
  QVector<int> m_rowHeights;
  QString m_fontName;
  double m_fontSize = kDefaultFontSize;
  int m_changes = 0; // depth of beginChanges
  struct Span {
    int firstRow, firstCol, lastRow, lastCol;
  };
  std::optional<Span> m_held; // the cells changed and not yet announced
};

// Holds back a grid's cell change signals while it lives (beginChanges and
// endChanges).
class GridChanges {
public:
  explicit GridChanges(GridModel &grid) : m_grid(grid) { m_grid.beginChanges(); }
  ~GridChanges() { m_grid.endChanges(); }
  GridChanges(const GridChanges &) = delete;
  GridChanges &operator=(const GridChanges &) = delete;

private:
  GridModel &m_grid;
};

} // namespace platform
