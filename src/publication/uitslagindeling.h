#pragma once
// The size of the result window and the place of its grid.
#include <QRect>
#include <QSize>

namespace publication {

// The window's least size, and its layout in pixels: the grid's margin and
// the room under it for the address notice and the buttons.
constexpr int kUitslagMinBreedte = 700;
constexpr int kUitslagMinHoogte = 560;
constexpr int kUitslagMarge = 15;
constexpr int kUitslagOnder = 120;

struct UitslagIndeling {
  QSize venster;
  QRect grid;
};

// The window grows with its grid (the whole width and height of its columns
// and rows, frame included) from its least size up to the room the screen
// has free (scherm, less the window's frame and title bar): every column
// whole, and only what the screen cannot hold scrolls. A scroll bar (schuif
// wide) takes a room of its own: the rows' bar beside the columns, the
// columns' bar under the rows, which may then have to scroll in turn. The
// grid stands centred above the buttons.
UitslagIndeling MaakUitslagIndeling(QSize grid, QSize scherm, int schuif);

} // namespace publication
