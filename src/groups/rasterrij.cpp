#include "groups/rasterrij.h"

#include "platform/grid.h"

namespace groups {

void zetRij(platform::GridModel &grid, int row, const QStringList &fields) {
  for (int c = 0; c < grid.cols(); ++c)
    grid.setTextMatrix(row, c, c < fields.size() ? fields[c] : QString());
  platform::GridCell cell = grid.cell(row, 0);
  cell.alignment = platform::AlignCenterCenter;
  grid.setCell(row, 0, cell);
}

void leegRij(platform::GridModel &grid, int row, int first) {
  for (int c = first; c < grid.cols(); ++c)
    grid.setTextMatrix(row, c, QString());
}

void nummerRijen(platform::GridModel &grid, int last) {
  for (int r = 1; r <= last && r < grid.rows(); ++r) {
    platform::GridCell cell = grid.cell(r, 0);
    cell.text = QString::number(r);
    cell.alignment = platform::AlignCenterCenter;
    grid.setCell(r, 0, cell);
  }
}

} // namespace groups
