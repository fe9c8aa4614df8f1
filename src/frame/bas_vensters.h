#pragma once
// The shared routines that work on controls.
#include <QString>

class QWidget;
class QFont;
namespace platform {
class GridModel;
class GridView;
} // namespace platform

namespace BAS_Zemlo {

// Gives ctl the focus when the window is visible and enabled, and the control
// and every widget that holds it are shown and enabled.
void ZetFocus(QWidget *frm, QWidget *ctl);

// Fits every column to its widest text followed by "W", measured in the main
// window's font (at pointSize when that is above 0), and leaves the current
// cell in row 0 of the last column. A fit measures only the cells written
// since the grid's last one. The view is hidden meanwhile and shown again,
// or left hidden.
enum class NaMeten { Tonen, Verborgen };
void GridKolomBreedte(platform::GridView *grid, double pointSize = 0, NaMeten na = NaMeten::Tonen);
void GridKolomBreedte(platform::GridModel &grid, double pointSize = 0);

// Qt's own texts (the Yes and No of a message box, the print dialog) in the
// language iTaal, from Qt's translations, as on a system of that language.
// Called again, it replaces the earlier language.
void ZetQtTaal(int iTaal);

// The measuring font: a copy of the main window's font.
QFont MeetFont(double pointSize = 0);

} // namespace BAS_Zemlo
