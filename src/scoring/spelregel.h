#pragma once
// The board line of the results file: one line a finished board,
//   <board, at least two digits>*<row>@<row>@...
// each row "<NS pair>|<EW pair>|||<NS score>|<EW score>|<NS mp>|<EW mp>",
// for example 05*3|6|||420|-420|2|0@4|5|||400|-400|0|2.
#include <QString>
#include <QVector>
#include <optional>

namespace scoring {

struct SpelRegelRij {
  int nz = 0; // pair numbers as the row shows them; 0 for an empty label
  int ow = 0;
  QString scoreNZ, scoreOW;
  QString mpNZ, mpOW;
};

struct SpelRegel {
  int iSpel = 0;
  QVector<SpelRegelRij> rijen; // row 0 first, every row of the window
};

// "05", "12", "100".
QString SpelSleutel(int iSpel);

QString SchrijfSpelRegel(const SpelRegel &regel);

// Reads a board line of an evening of iSpellen boards and iParen pairs.
// Nothing when the line is not one: no board number from 1 to iSpellen
// before the "*", a row without its eight fields or with something in the
// third or fourth, a pair number outside 1 to iParen, a score that is not a
// score ("", "n", "N", a whole number of at most five digits, or a whole
// percentage from 0 to 100 with "%"), or matchpoints that are not "", "n" or
// a number from 0 to 999 with at most two decimals.
std::optional<SpelRegel> LeesSpelRegel(const QString &sRegel, int iSpellen, int iParen);

// The board number a line begins with (digits before "*"), whatever the rest
// holds; 0 when it begins with none.
int SpelNummerVan(const QString &sRegel);

} // namespace scoring
