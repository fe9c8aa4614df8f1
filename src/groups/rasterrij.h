#pragma once
// Row helpers for the grids of the names and groups windows; they work on the
// grid's model alone.
#include <QString>
#include <QStringList>

namespace platform {
class GridModel;
}

namespace groups {

// Writes fields into a row from column 0 on, the cells past the fields emptied;
// column 0 centred.
void zetRij(platform::GridModel &grid, int row, const QStringList &fields);
// Empties the text of every cell of a row from column first on.
void leegRij(platform::GridModel &grid, int row, int first);
// Writes 1, 2, ... centred into column 0 of rows 1 to last.
void nummerRijen(platform::GridModel &grid, int last);

} // namespace groups
