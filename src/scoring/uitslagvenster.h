#pragma once
// The way from an entry window to the window that publishes its result. The
// publication part installs the window; the entry windows hand it the ranked
// result and the players of the evening as values.
#include "frame/window.h"
#include "scoring/uitslag.h"

#include <QStringList>
#include <functional>

namespace scoring {

// Opens the result window from opener with iVanForm (6 per board, 7 per
// round), the ranked result and the players for the mail (lstVoorMail).
using UitslagVenster = std::function<ZemloWindow *(
    ZemloWindow *opener, int iVanForm, const Uitslag &uitslag, const QStringList &lstVoorMail)>;

// Installs the result window (an empty function: none).
void ZetUitslagVenster(UitslagVenster venster);
bool HeeftUitslagVenster();
// Opens it; nullptr when none is installed or it did not open.
ZemloWindow *OpenUitslagVenster(ZemloWindow *opener, int iVanForm, const Uitslag &uitslag,
                                const QStringList &lstVoorMail);

} // namespace scoring
