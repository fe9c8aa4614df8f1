#pragma once
// The two score boxes of a row: what ENTER does with the typed texts, the
// moves between rows and when a board's rows are complete. Plain texts in,
// plain texts and what the window has to do out.
#include <QPair>
#include <QString>
#include <QVector>
#include <Qt>

namespace scoring {

// One row of the open board as the window shows it.
struct RijInvoer {
  QString scoreNZ;
  QString scoreOW;
  bool actief = true; // the table plays the board (the row is enabled)
};

// Where the focus goes after a step.
enum class Focus {
  Blijf,       // stays in the box where the key was pressed
  NZVak,       // the North-South box of the same row, caret at the end
  OWVak,       // the East-West box of the same row, caret at the end
  VolgendeRij, // the same box as the Down arrow: the next enabled row
};

struct StapUitkomst {
  QString scoreNZ; // the texts the row's two boxes get
  QString scoreOW;
  int iTekst = 0;           // the message to show first: 0 none, 91 or 92
  QString sPlaatsvervanger; // replaces "~" in that message
  Focus focus = Focus::Blijf;
};

// The East-West text that mirrors a North-South text: "-" in front of a
// positive score, the minus taken off a negative one, "n" for a board not
// played, "0" for a passed-out board.
QString Spiegel(const QString &sScoreNZ);

// The texts as ENTER leaves them, without the test against the tables: a
// trailing minus moved to the front, the tens shorthand (42 gives 420, 5
// gives 50, 0 gives 00 and then a passed-out 0 in both boxes), the mirror;
// an adjusted score ("%") is copied to an East-West box that holds none.
QPair<QString, QString> Herschrijf(const QString &sScoreNZ, const QString &sScoreOW);

// True when an adjusted score is a whole percentage from 0 to 100 followed
// by "%"; any other text with "%" is refused like a score that does not exist.
bool IsGeldigPercentage(const QString &sScore);

// What ENTER in an empty row takes from the row above: its North-South text
// alone, mirrored again (entry per board), or both its texts (entry per
// round), so that an adjusted 60%/40% stays 60%/40%.
enum class Kopie { AlleenNZ, Beide };

// ENTER in the North-South box of row iRij of the open board, whose
// vulnerability digit is v. An empty box below the first row takes the score
// of the row above (of the row two above when the row above is disabled) and
// that score goes through the same step.
StapUitkomst InvoerStapNZ(const QVector<RijInvoer> &rijen, int iRij, int v,
                          Kopie kopie = Kopie::AlleenNZ);

// ENTER in the East-West box of row iRij. The East-West text is tested only
// when it is an adjusted score.
StapUitkomst InvoerStapOW(const QVector<RijInvoer> &rijen, int iRij);

// True when a row's North-South text has not been through ENTER as it now
// stands: ENTER would change it, would refuse it as a score that does not
// exist (an adjusted score that is no whole percentage from 0 to 100
// included), or its East-West box is empty or no longer holds what ENTER
// would put there. Such rows get the ENTER step when the row is left and
// before the board is scored, so the two sides of a table always agree and
// every board stored holds only scores its line can be read back with.
bool MoetHerzien(const QString &sScoreNZ, const QString &sScoreOW);

// The row the Up (omhoog) or Down arrow moves to: the nearest enabled row in
// that direction, wrapping round; -1 when no row is enabled.
int VolgendeRij(const QVector<RijInvoer> &rijen, int iRij);
int VorigeRij(const QVector<RijInvoer> &rijen, int iRij);

// True when every enabled row holds a text in both boxes (blanks do not
// count): Klaar may score the board.
bool RijenCompleet(const QVector<RijInvoer> &rijen);
// The first enabled row, where a board opens; -1 when no row is enabled.
int EersteSpelendeRij(const QVector<RijInvoer> &rijen);
// The first enabled row that RijenCompleet finds wanting, where the focus
// goes when Klaar refuses; -1 when every enabled row is complete.
int EersteOnvolledigeRij(const QVector<RijInvoer> &rijen);
// Some row holds a text in a box, a blank too: what the director typed.
bool HeeftGetypteScore(const QVector<RijInvoer> &rijen);
// A row after the director typed in one of its boxes (ow: the East-West
// box): a North-South box blanked (blanks alone count as blank) empties the
// East-West box as well.
RijInvoer NaTypen(RijInvoer rij, bool ow);

// The keys of the entry windows. toetsen: the modifiers held.
// Klaar's letter (text 105: K or k, D or d in English), as typed: one of
// its letters, with nothing held but Shift. With Ctrl, Alt or Meta the key
// types no letter.
bool IsKlaarLetter(const QString &getypt, Qt::KeyboardModifiers toetsen);
// Ctrl+Shift+T, and nothing else held: shows or hides the sample fill.
bool IsVulToets(int key, Qt::KeyboardModifiers toetsen);

} // namespace scoring
