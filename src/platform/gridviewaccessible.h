#pragma once
// What a screen reader sees of a GridView: a table whose cells are the grid's
// cells, with the fixed row 0 as column headers, the fixed column 0 as row
// headers and the grid's cell (0, 0) in the corner. Children are numbered as
// Qt's table views number them (a header row and column first, also when a
// grid has no fixed row or column), so that the view's own focus and change
// notices point at the right cell.

namespace platform {

class GridView;

// Makes GridView use this description; called by every GridView, acts once.
void installGridAccessibility();
// Drops a description that a screen reader had asked for while the view was
// still being built as a plain table view.
void forgetTableAccessibility(GridView *view);

} // namespace platform
