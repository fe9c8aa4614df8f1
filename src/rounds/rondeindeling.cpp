#include "rounds/rondeindeling.h"

#include <algorithm>

namespace rounds {

namespace {

// The design, in pixels.
constexpr int kBreedte = kRondeVensterBreedte;
constexpr int kMarge = 10;
constexpr int kRijStap = 26;
constexpr int kRijHoogte = 24;
constexpr int kBoven = 36;
constexpr int kRondeX = 10, kRondeB = 90;
constexpr int kTafelX = 110, kTafelB = 150;
constexpr int kSpelX = 270, kSpelB = 80;
constexpr int kNZX = 355, kOWX = 440, kScoreB = 80;
constexpr int kKwetsbaarX = 525;
constexpr int kRechtsX = 640;
constexpr int kRechtsB = kBreedte - kRechtsX - kMarge;
constexpr int kLabelHoogte = 20;
constexpr int kKnopHoogte = 30;
constexpr int kKaderKop = 22;     // the frame's caption above the overview
constexpr int kTitelRuimte = 50;  // the window's frame and title bar
constexpr int kMinOverzicht = 60; // the overview's least height: its header and a row or two
constexpr int kResultaatHoogte = 240;

} // namespace

RondeIndeling MaakRondeIndeling(const RondeMaten &maten) {
  RondeIndeling uit;
  uit.scoreNZKop = {kNZX, kBoven - 22, kScoreB, kLabelHoogte};
  uit.scoreOWKop = {kOWX, kBoven - 22, kScoreB, kLabelHoogte};
  uit.kwetsbaar = {kKwetsbaarX, kBoven, 100, kRijHoogte};
  uit.ronde = {kRechtsX, kBoven, kRechtsB, kLabelHoogte};
  for (int i = 0; i < 2; ++i)
    uit.paar[i] = {kRechtsX, kBoven + 22 + 20 * i, kRechtsB, kLabelHoogte};
  for (int i = 0; i < 4; ++i)
    uit.info[i] = {kRechtsX, kBoven + 76 + 20 * i, kRechtsB, kLabelHoogte};

  // Three columns of a row each: the rounds, the tables, the slip's boards.
  for (int r = 0; r < maten.ronden; ++r)
    uit.ronden.append({kRondeX, kBoven + r * kRijStap, kRondeB, kRijHoogte});
  for (int t = 0; t < maten.tafels; ++t)
    uit.tafels.append({kTafelX, kBoven + t * kRijStap, kTafelB, kRijHoogte});
  for (int i = 0; i < maten.spellen; ++i) {
    const int y = kBoven + i * kRijStap;
    uit.rijen.append({{kSpelX, y, kSpelB, kRijHoogte},
                      {kNZX, y, kScoreB, kRijHoogte},
                      {kOWX, y, kScoreB, kRijHoogte}});
  }

  // Klaar and Wis slip under the hints, level with the longest column's
  // last row once it reaches them; Klaar's letter above Klaar.
  const int regels = std::max({maten.ronden, maten.tafels, maten.spellen});
  const int klaarY = std::max(kBoven + 196, kBoven + (regels - 1) * kRijStap - 6);
  uit.klaar = {kRechtsX, klaarY, 110, kKnopHoogte};
  uit.wisSlip = {kRechtsX + 120, klaarY, 110, kKnopHoogte};
  uit.letterKlaar = {kRechtsX, klaarY - kLabelHoogte - 4, 340, kLabelHoogte};
  const int boven = std::max(klaarY + kKnopHoogte, kBoven + regels * kRijStap) + kMarge;

  // The overview: as high as its rows need, up to a limit, and no higher
  // than lets the window fit its screen, title bar and all, as the result
  // window does; it scrolls beyond. The rows above it keep their room.
  int gridHoogte = std::clamp((maten.overzichtRijen + 1) * 18 + 24, 80, 330);
  if (maten.scherm.isValid()) {
    const int ruimte = maten.scherm.height() - kTitelRuimte;
    // The window without its overview.
    const int rest = boven + kKaderKop + kMarge + kMarge + 40;
    gridHoogte = std::max(std::min(gridHoogte, ruimte - rest), kMinOverzicht);
  }
  uit.kader = {kMarge, boven, kBreedte - 2 * kMarge, gridHoogte + kKaderKop + kMarge};
  uit.overzicht = {kMarge, kKaderKop, uit.kader.width() - 2 * kMarge, gridHoogte};

  // The buttons under the frame; the ranking, when shown, under them.
  const int onder = uit.kader.bottom() + kMarge;
  uit.ditMoetNog = {kMarge, onder, 160, kKnopHoogte};
  uit.allesKlaar = {kMarge + 170, onder + 5, 300, kLabelHoogte};
  uit.vulIn = {kBreedte - 340, onder, 100, kKnopHoogte};
  uit.uitslag = {kBreedte - 230, onder, 100, kKnopHoogte};
  uit.terug = {kBreedte - 120, onder, 110, kKnopHoogte};
  uit.resultaat = {kMarge, onder + 40, kBreedte - 2 * kMarge, kResultaatHoogte};
  uit.venster = {kBreedte, onder + 40};
  uit.metUitslag = {kBreedte, uit.resultaat.bottom() + kMarge};
  return uit;
}

QRect NietGevuldPlaats(const RondeIndeling &indeling, int regels) {
  const int hoogte = std::min(regels, 14) * 18 + 6;
  return {indeling.ditMoetNog.x(), indeling.ditMoetNog.y() - hoogte, 220, hoogte};
}

} // namespace rounds
