#pragma once
// The matchpoints of one board: 2 for every score beaten and 1 for every
// score tied, adjusted scores as a share of the top, and Neuberg's factoring
// when fewer scores were ranked than the evening has tables that play.
#include <QString>
#include <QVector>

namespace scoring {

// The top of a board: 2 x (the number of results of a board - 1). 14 pairs
// give 12, 13 pairs (or 14 of which one sits out) give 10. Never below 0.
int BerekenTop(int intAantalParen, int intStilzitPaar);

// One row of a board as Klaar scores it.
struct SpelRijScore {
  QString scoreNZ;
  QString scoreOW;
  bool doetMee = true; // the table plays the board (a sit-out or empty row does not)
};

struct SpelRijMP {
  QString mpNZ; // as shown and stored: "10", "7.85", ".48" (adjusted), "n"; "" for a row
  QString mpOW; // that takes no part
};

// Scores a board. Rows whose North-South text holds "n" or "N" were not
// played there ("n" for both pairs); rows with "%" are adjusted (their own
// percentage of the top, unranked); every other row that takes part is
// ranked, North-South by the North-South text and East-West by the East-West
// text. The ranked rows get matchpoints on the scale of their own number
// and, when they are fewer than the evening's results a board (top / 2 + 1),
// are factored up to that number with Neuberg's formula, rounded half up to
// two decimals.
QVector<SpelRijMP> ScoorSpel(const QVector<SpelRijScore> &rijen, int intTop);

// A factored or summed value as shown: rounded half up to at most two
// decimals, trailing zeros dropped, "0" before a leading "." (7.85, 8.1, 0.5).
QString AfgerondeTekst(double waarde);

} // namespace scoring
