#pragma once
// The layout of the entry per round: from the evening's numbers and the
// screen to the place of every control and the size of the window.
#include <QRect>
#include <QSize>
#include <QVector>
#include <array>

namespace rounds {

// The window's width, in pixels: its layout is fixed across, and grows
// down with the evening.
constexpr int kRondeVensterBreedte = 1000;

struct RondeMaten {
  int ronden = 0;
  int spellen = 0;        // boards a round: the rows of a slip
  int tafels = 0;         // the most slips of a round
  int overzichtRijen = 0; // the overview's rows under its header
  QSize scherm;           // the room the screen has free; QSize(): no screen known
};

// A row of the open slip: the board's label and its two score boxes.
struct SlipRijPlaats {
  QRect spel, nz, ow;
};

// The place of every control in pixels, the overview's in the frame and the
// rest in the window.
struct RondeIndeling {
  QSize venster;         // the window without the ranking
  QSize metUitslag;      // the window with the ranking under the overview
  QVector<QRect> ronden; // round r at index r - 1
  QVector<QRect> tafels;
  QVector<SlipRijPlaats> rijen;
  QRect scoreNZKop, scoreOWKop;
  QRect kwetsbaar; // beside the first row; it follows the row that has the focus
  QRect ronde;
  std::array<QRect, 2> paar;
  std::array<QRect, 4> info;
  QRect letterKlaar, klaar, wisSlip;
  QRect kader, overzicht;
  QRect ditMoetNog, allesKlaar, vulIn, uitslag, terug;
  QRect resultaat;
};

// Rounds, tables and the slip's rows side by side in columns, the labels of
// the open row, the hints, Klaar and Wis slip to the right; the overview
// below the longest column and the buttons under it. The overview is as
// high as its rows need, up to a limit, and no higher than lets the window
// fit its screen, title bar and all; it scrolls beyond. The ranking, when
// the window shows it, stands under the buttons.
RondeIndeling MaakRondeIndeling(const RondeMaten &maten);

// The list of what is still missing (regels lines): over the overview, from
// the top edge of its button upwards, at most 14 lines high.
QRect NietGevuldPlaats(const RondeIndeling &indeling, int regels);

} // namespace rounds
