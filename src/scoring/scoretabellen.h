#pragma once
// The scores that duplicate bridge allows, the vulnerability of every board
// and the test of one North-South score against them.
#include <QString>

namespace scoring {

// The four score tables: absolute values, each followed by "|". A value is
// found by searching "|" + value + "|".
const QString &sScoreTabelKwetsbaar();     // made contracts, declarer vulnerable
const QString &sScoreTabelNietKwetsbaar(); // made contracts, declarer not vulnerable
const QString &sDownTabelKwetsbaar();      // undertricks, declarer vulnerable
const QString &sDownTabelNietKwetsbaar();  // undertricks, declarer not vulnerable

// One digit a board for boards 1 to 192, the 16-board cycle repeated:
// 0 nobody, 1 North-South, 2 East-West, 3 both vulnerable.
const QString &sKwetsbaarheid();
// The digit of board n; 0 for a board outside 1 to 192.
int Kwetsbaarheid(int iSpel);

// True when a score without its sign stands in one of the four tables, as
// they write it (digits only, no leading zero): a score duplicate bridge
// allows with some vulnerability. The search for "|" + value + "|".
bool StaatInEenTabel(QStringView sWaarde);

enum class ScoreOordeel {
  Geldig,                 // allowed for this board
  VerkeerdeKwetsbaarheid, // a bridge score, but not with this vulnerability (text 91)
  BestaatNiet,            // in no table (text 92)
};

// Tests a North-South score text against the tables that the vulnerability v
// and the sign of the score choose. An empty text, "n" and "N" are valid on
// every board, and so is "00" (a passed-out board, which the caller shows as
// "0" in both boxes). Adjusted scores ("%") are not tested here.
ScoreOordeel ValideerScore(const QString &sScore, int v);

// The score of a table that did not play the board: "n" or "N".
bool IsNietGespeeld(const QString &sScore);

} // namespace scoring
