#pragma once
// The score slips of an evening entered round by round: for every table of
// every round whether its pairs sat the other way round, and per board of its
// slip the two scores once entered. The results file's body is written from
// it, one line a board, and read back into it.
//
// A body line (SpelLijstRegel) holds one field a table that plays the board,
// joined by "~": the key "*" and the pair part ("*3- 6" as the schema writes
// it, "*6 - 3" for a table whose pairs were exchanged), followed by
// "|" NS score "|" EW score once the table's slip holds the board's scores.
#include "rounds/rondeschema.h"
#include "scoring/scoreinvoer.h"
#include "scoring/uitslag.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace rounds {

// One board of a slip.
struct SlipCel {
  QString nz; // the scores as the slip's rows show them
  QString ow;
  bool ingevoerd = false; // a whole score pair that Klaar took, or read back as such
};

// True when a North-South and East-West text are a score pair as the ENTER
// step leaves it for board b: an allowed score (also one that does not fit
// the board's vulnerability) with its mirror, "n" or "N" with "n", "0" with
// "0", or two whole percentages.
bool IsScorePaar(const QString &sScoreNZ, const QString &sScoreOW, int iSpel);

// True when a stored North-South and East-West text count as the board
// entered: a score pair (IsScorePaar), or one of the other forms an entered
// score takes in a results file per round: the score with an empty East-West
// text ("420|"), with the East-West box holding the North-South text turned
// round by its sign alone ("0|-0", "N|N"), or two percentages from 0 to 100
// with decimals ("60%|57.5%"). A plain score counts with its mirror as the
// East-West score (SpiegelOW).
bool IsOpgeslagenScore(const QString &sScoreNZ, const QString &sScoreOW, int iSpel);

// The East-West score a stored row is scored with: the mirror of a plain
// North-South score, the East-West percentage of an adjusted one.
QString SpiegelOW(const QString &sScoreNZ, const QString &sScoreOW);

class SlipOpslag {
public:
  SlipOpslag() = default;
  explicit SlipOpslag(const RondeSchema &schema);

  const RondeSchema &Schema() const { return m_schema; }

  // The pairs of a table as they sat: the schema's pairs, exchanged when
  // Wissel was applied.
  int NZ(const TafelPlek &plek) const;
  int OW(const TafelPlek &plek) const;
  bool Omgewisseld(const TafelPlek &plek) const;
  // "3 - 6": the pairs as they sat.
  QString ParenTekst(const TafelPlek &plek) const;

  const QVector<SlipCel> &Cellen(const TafelPlek &plek) const;
  // Every board of the slip entered.
  bool IsCompleet(const TafelPlek &plek) const;
  // Some board of the slip holds a score, entered or not yet taken.
  bool HeeftScores(const TafelPlek &plek) const;
  // Every slip of the evening complete.
  bool AllesIngevoerd() const;

  // Klaar: row i of the slip is board eersteSpel + i. A row with a North-South
  // text is stored; it counts as entered when IsOpgeslagenScore says so. A
  // row without one leaves its board not entered.
  void ZetSlip(const TafelPlek &plek, const QVector<QPair<QString, QString>> &rijen);
  // Wis slip: every board of the slip not entered, its scores gone.
  void WisSlip(const TafelPlek &plek);
  // Exchanges the pairs of a slip that holds no score; false (and nothing
  // changes) when it holds one or is no slip.
  bool Wissel(const TafelPlek &plek);
  // Fills every board of every slip that is not entered with the sample
  // score that trek (0 to 9) draws and its mirror; the number of boards filled.
  int VulVoorbeeld(const std::function<int()> &trek);

  // The body of the results file: one line a board, then the lines read
  // beyond the evening's boards.
  QStringList Regels() const;
  // Reads the body lines back (the lines after the header). Line b holds
  // board b. A field is taken by its pair numbers, in either order and any
  // spacing, for the first table of the board with those pairs; its scores,
  // without blanks at their edges, count as entered as IsOpgeslagenScore
  // says. Fields of no table, a second field for a table and lines beyond the
  // boards are kept as they stand and written back; fields of tables without
  // pairs are skipped.
  void LeesRegels(const QStringList &regels);
  // Indexes of the body lines read that hold something no table took: a
  // field of no table or a second one for a table (the line of a board
  // entered per board is one such field), or a line beyond the boards.
  QVector<int> OngelezenRegels() const;

  // The evening's scores as the result is made of them: every board scored
  // with the scoring rules over the slips that hold it, the pairs as they sat.
  scoring::AvondStand Stand(int intAantalParen, int intStilzitPaar,
                            const QStringList &labels) const;

private:
  struct Slip {
    bool omgewisseld = false;
    QVector<SlipCel> cellen; // board eersteSpel + i at index i
  };
  const Slip *Zoek(const TafelPlek &plek) const;
  Slip *Zoek(const TafelPlek &plek);
  QString Veld(const TafelPlek &plek, int iSpel) const;

  RondeSchema m_schema;
  QVector<QVector<Slip>> m_slips;  // [round - 1][table]
  QVector<QStringList> m_onbekend; // [board - 1]: fields read that name no table
  QStringList m_verder;            // lines read beyond the evening's boards
};

} // namespace rounds
