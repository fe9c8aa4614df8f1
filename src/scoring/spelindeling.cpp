#include "scoring/spelindeling.h"

#include "platform/units.h"

#include <algorithm>

namespace scoring {

namespace {

using platform::pixelsToTwips;
using platform::twipsToPixels;

// The design, in twips, inside the frame: the board buttons and the rows
// start level with each other, the column headers above the rows.
constexpr int kMarge = 120;
constexpr int kKnopTop = 360; // Back and Result
constexpr int kKnopHoogte = 420;
constexpr int kKnopBreedte = 1350;
constexpr int kKopTop = 900; // board caption and column headers
constexpr int kKopHoogte = 300;
constexpr int kRijTop = kKopTop + kKopHoogte + 15;
constexpr int kRijHoogte = 315;
constexpr int kSpelBreedte = 420; // a board button
constexpr int kSpelHoogte = kRijHoogte + 15;
constexpr int kKlaarHoogte = 450;
constexpr int kInfoHoogte = 270;
constexpr int kMinBreedte = 10800; // the frame's least width
constexpr int kMinGrid = 2400;     // the grid's least height

// A place given in twips, in the whole pixels a control takes.
QRect plaats(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The edges of a control placed, in twips: what lies beside it is reckoned
// from where it stands in whole pixels.
int links(const QRect &r) { return pixelsToTwips(r.x()); }
int rechts(const QRect &r) { return pixelsToTwips(r.x() + r.width()); }
int onder(const QRect &r) { return pixelsToTwips(r.y() + r.height()); }

} // namespace

SpelIndeling MaakSpelIndeling(const SpelMaten &maten) {
  SpelIndeling uit;
  const int perRonde = maten.spellenPerRonde;
  const int ronden = maten.ronden;

  uit.sjabloon = plaats(kMarge, kRijTop, kSpelBreedte, kSpelHoogte);
  const int spellen = std::max(ronden, 0) * std::max(perRonde, 0);
  for (int b = 1; b <= spellen; ++b)
    uit.spellen.append(plaats(kMarge + (b - 1) % perRonde * kSpelBreedte,
                              kRijTop + (b - 1) / perRonde * kSpelHoogte, kSpelBreedte,
                              kSpelHoogte));
  const int knoppenOnder = kRijTop + ronden * kSpelHoogte;
  // The board caption above the buttons, as wide as its longest text
  // ("Game: 12") where the buttons of a round are narrower.
  const int knoppenBreedte = perRonde * kSpelBreedte;
  const int spelKopBreedte = std::max(knoppenBreedte, pixelsToTwips(maten.spelKop) + 60);
  uit.spelNummer = plaats(kMarge, kKopTop - 60, spelKopBreedte, kKopHoogte + 60);

  // Each header at least as wide as its text, the two pair headers alike;
  // they start half a button right of the buttons, and clear of the caption.
  const auto kop = [&maten](int k, int minimum) {
    return std::max(minimum, pixelsToTwips(maten.koppen[k]) + 150);
  };
  const int paarBreedte = std::max(kop(0, 600), kop(1, 600));
  const std::array<int, 6> breedtes{paarBreedte,  paarBreedte, kop(2, 1050),
                                    kop(3, 1050), kop(4, 900), kop(5, 900)};
  int x = kMarge + std::max(knoppenBreedte + kSpelBreedte / 2, spelKopBreedte + 60);
  for (int k = 0; k < 6; ++k) {
    uit.koppen[k] = plaats(x, kKopTop, breedtes[k], kKopHoogte);
    x += breedtes[k] + 15;
  }
  for (int i = 0; i < maten.tafels; ++i) {
    std::array<QRect, 6> rij;
    for (int k = 0; k < 6; ++k)
      rij[k] =
          plaats(links(uit.koppen[k]), kRijTop + i * (kRijHoogte + 15), breedtes[k], kRijHoogte);
    uit.rijen.append(rij);
  }
  const int rijenOnder = uit.rijen.isEmpty() ? kRijTop : onder(uit.rijen.back()[5]);

  // The vulnerability beside the headers, the hints under it.
  const int rijenRechts = rechts(uit.koppen[5]);
  const int infoLinks = rijenRechts + 240;
  int infoRechts = infoLinks;
  for (int i = 0; i < 4; ++i) {
    const int b = pixelsToTwips(maten.info[i]) + 60;
    uit.info[i] = plaats(infoLinks, kRijTop + i * kInfoHoogte, b, kInfoHoogte);
    infoRechts = std::max(infoRechts, infoLinks + b);
  }
  uit.kwetsbaar = plaats(rijenRechts + 30, kKopTop, 1500, kKopHoogte);

  // Klaar under the last row at its right edge, Wis spel at its left, the
  // hint between them and the open board's number beside Klaar. The number
  // reaches into the hints' column: under few rows, Klaar stands low enough
  // to keep it under the last hint.
  const int klaarBreedte = std::max(1200, pixelsToTwips(maten.klaarKnop) + 450);
  const int wisBreedte = std::max(1200, pixelsToTwips(maten.wisKnop) + 450);
  const int klaarTop = std::max(rijenOnder + 30, onder(uit.info[3]) + kKopHoogte - kKlaarHoogte);
  uit.klaar = plaats(rijenRechts - klaarBreedte, klaarTop, klaarBreedte, kKlaarHoogte);
  uit.wisSpel = plaats(links(uit.koppen[0]), klaarTop, wisBreedte, kKlaarHoogte);
  const int hintBreedte = pixelsToTwips(maten.klaarHint.width());
  const int hintHoogte = pixelsToTwips(maten.klaarHint.height());
  uit.klaarHint = plaats((rechts(uit.wisSpel) + links(uit.klaar) - hintBreedte) / 2,
                         onder(uit.wisSpel) - hintHoogte, hintBreedte, hintHoogte);
  uit.nummer = plaats(rechts(uit.klaar) + 60, onder(uit.klaar) - kKopHoogte, 600, kKopHoogte);

  // The grid whole: room for matchpoints with decimals in the board columns
  // (all but the first two and the last two), a scroll bar and its frame.
  const int spelKolom = pixelsToTwips(maten.spelKolom);
  const int schuif = pixelsToTwips(maten.schuif);
  const auto kolommen = static_cast<int>(maten.gridKolommen.size());
  int gridBreedte = schuif + 60;
  for (int c = 0; c < kolommen; ++c) {
    const int b = maten.gridKolommen.at(c);
    gridBreedte += c >= 2 && c < kolommen - 2 ? std::max(b, spelKolom) : b;
  }
  const int gridHoogte = schuif + 60 + maten.gridRijen;

  // The frame takes what its contents and the grid ask, within the screen
  // (less the window's own frame); the grid takes the rest of the frame.
  const int t = std::max(knoppenOnder, rijenOnder) + kKlaarHoogte;
  const int gridTop = t + 60;
  const int maxBreedte = pixelsToTwips(maten.scherm.width()) - 600;
  const int maxHoogte = pixelsToTwips(maten.scherm.height()) - 900;
  const int inhoud = std::max(infoRechts, rijenRechts + 1800) + kMarge;
  const int fraBreedte = std::clamp(std::max(inhoud, gridBreedte + 2 * kMarge), kMinBreedte,
                                    std::max(kMinBreedte, maxBreedte));
  const int fraHoogte = std::clamp(gridTop + gridHoogte + 150, gridTop + kMinGrid,
                                   std::max(gridTop + kMinGrid, maxHoogte));
  uit.kader = plaats(60, 60, fraBreedte, fraHoogte);
  uit.grid = plaats(kMarge, gridTop, fraBreedte - 2 * kMarge, fraHoogte - (t + 150));

  uit.terug = plaats(kMarge, kKnopTop, kKnopBreedte, kKnopHoogte);
  uit.uitslag = plaats(fraBreedte - kMarge - kKnopBreedte, kKnopTop, kKnopBreedte, kKnopHoogte);
  uit.vulAllesIn = plaats(rechts(uit.terug) + 60, kKnopTop, 1500, kKnopHoogte);
  uit.venster = QSize(twipsToPixels(fraBreedte + 120), twipsToPixels(fraHoogte + 120));
  return uit;
}

} // namespace scoring
