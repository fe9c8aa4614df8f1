#pragma once
// The layout of the entry per board: from the evening's numbers, the widths
// of its texts and the screen to the place of every control and the size of
// the window.
#include <QRect>
#include <QSize>
#include <QVector>
#include <array>

namespace scoring {

// What the layout is made of. Text widths are in pixels, as the window
// measures them in each control's font; the result grid's column widths and
// row heights in twips, as its model keeps them.
struct SpelMaten {
  int spellenPerRonde = 0;
  int ronden = 0;
  int tafels = 0;
  QSize scherm;    // the room the screen has free, in pixels
  int spelKop = 0; // the board caption with the last board's number ("Spel: 12")
  // The column headers: the two pairs, the two scores, the two matchpoints.
  std::array<int, 6> koppen{};
  int klaarKnop = 0; // the captions of Klaar and Wis spel
  int wisKnop = 0;
  QSize klaarHint;           // the hint between them, as much as it asks
  std::array<int, 4> info{}; // the hints beside the rows
  QVector<int> gridKolommen;
  int gridRijen = 0; // the grid's rows together
  int spelKolom = 0; // the least width of a board's column ("00.00W")
  int schuif = 0;    // a scroll bar's width
};

// The place of every control in pixels: the frame's in the window, the rest
// in the frame.
struct SpelIndeling {
  QSize venster;
  QRect kader;
  QRect sjabloon;         // the hidden template of the board buttons
  QVector<QRect> spellen; // board b at index b - 1, a round a row
  QRect spelNummer;
  std::array<QRect, 6> koppen; // in the order of SpelMaten::koppen
  // A row a table: its pair labels, score boxes and matchpoints, each under
  // its header.
  QVector<std::array<QRect, 6>> rijen;
  QRect klaar, wisSpel, klaarHint, nummer;
  std::array<QRect, 4> info;
  QRect kwetsbaar;
  QRect grid;
  QRect terug, uitslag, vulAllesIn;
};

// The board buttons a round a row, the headers half a button right of them
// with the rows under them, Klaar and Wis spel under the rows, the hints
// beside them and the result grid below all of it. The frame is as wide as
// its contents and the grid's columns ask, and as high as the grid's rows
// ask, within the screen: beyond it the grid scrolls.
SpelIndeling MaakSpelIndeling(const SpelMaten &maten);

} // namespace scoring
