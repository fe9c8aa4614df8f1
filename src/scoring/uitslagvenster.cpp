#include "scoring/uitslagvenster.h"

namespace scoring {

namespace {
UitslagVenster &geinstalleerd() {
  static UitslagVenster venster;
  return venster;
}
} // namespace

void ZetUitslagVenster(UitslagVenster venster) { geinstalleerd() = std::move(venster); }

bool HeeftUitslagVenster() { return bool(geinstalleerd()); }

ZemloWindow *OpenUitslagVenster(ZemloWindow *opener, int iVanForm, const Uitslag &uitslag,
                                const QStringList &lstVoorMail) {
  if (!geinstalleerd())
    return nullptr;
  return geinstalleerd()(opener, iVanForm, uitslag, lstVoorMail);
}

} // namespace scoring
