#include "publication/uitslagindeling.h"

#include <algorithm>

namespace publication {

UitslagIndeling MaakUitslagIndeling(QSize grid, QSize scherm, int schuif) {
  // Room for the window's frame and title bar.
  const int maxBreedte = std::max(kUitslagMinBreedte, scherm.width() - 40);
  const int maxHoogte = std::max(kUitslagMinHoogte, scherm.height() - 80);
  int breedte = grid.width();
  int hoogte = grid.height();
  const bool rijenSchuiven = hoogte > maxHoogte - kUitslagOnder;
  if (rijenSchuiven)
    breedte += schuif;
  if (breedte > maxBreedte - 2 * kUitslagMarge) {
    hoogte += schuif;
    if (!rijenSchuiven && hoogte > maxHoogte - kUitslagOnder)
      breedte += schuif;
  }
  const int ruimteHoogte =
      std::clamp(hoogte, kUitslagMinHoogte - kUitslagOnder, maxHoogte - kUitslagOnder);
  const int ruimteBreedte =
      std::clamp(breedte, kUitslagMinBreedte - 2 * kUitslagMarge, maxBreedte - 2 * kUitslagMarge);
  breedte = std::min(breedte, ruimteBreedte);
  hoogte = std::min(hoogte, ruimteHoogte);
  return {QSize(ruimteBreedte + 2 * kUitslagMarge, ruimteHoogte + kUitslagOnder),
          QRect(kUitslagMarge + (ruimteBreedte - breedte) / 2, kUitslagMarge, breedte, hoogte)};
}

} // namespace publication
