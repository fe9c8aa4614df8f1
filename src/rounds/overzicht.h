#pragma once
// The overview of the evening: one grid row a round (more where tables of a
// round share boards), one column a board, and in each cell the table that
// plays the board in that round: its pairs while its slip is not entered,
// both pairs with their scores once it is. Beside it, the list of what is
// still missing.
#include "rounds/slipopslag.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace platform {
class GridModel;
}

namespace rounds {

// The words the overview is written with: text 103 ("Ronde"), text 82
// ("Spel") and the short label of the sit-out pair.
struct OverzichtTeksten {
  QString ronde;
  QString spel;
  QString stilzit;
};

constexpr std::uint32_t kKleurStilzitCel = 0xC0E0FF;

// Where every table's boards stand in the grid.
struct OverzichtIndeling {
  struct Rij {
    int ronde = 0;
    bool eerste = false; // the round's first row, which carries its label
    QVector<int> tafels; // per board (index b - 1): the table of the round, or -1
  };
  QVector<Rij> rijen; // grid row r + 1 at index r
};

// A round gets as many rows as its tables share a board at most; a table's
// board stands in the first row of its round where that board is still free.
OverzichtIndeling DeelIn(const RondeSchema &schema);

// Fills the overview grid: the board numbers in row 0, the round labels in
// column 0, the cells built from the slips.
void VulOverzicht(platform::GridModel &grid, const SlipOpslag &opslag,
                  const OverzichtTeksten &teksten);

// One item a board of a slip not entered, "Ronde 2 - Spel 7", in the order
// of the grid's rows and within a row of the boards; the sit-out pair's and
// the empty tables' boards are not missing.
QStringList NietGevuld(const SlipOpslag &opslag, const OverzichtTeksten &teksten);

} // namespace rounds
