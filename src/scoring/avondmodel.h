#pragma once
// The evening entered board by board, as the entry window keeps it: for every
// board its rows (one a table, in the order of the North-South pairs), the
// pairs of each row and whether they were exchanged, the scores and
// matchpoints, and whether the board is finished; and the board lines of the
// results file, in the order in which the boards were first finished.
#include "scoring/matchpunten.h"
#include "scoring/scoreinvoer.h"
#include "scoring/spelregel.h"
#include "scoring/uitslag.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace scoring {

// The numbers of the results file's header.
struct AvondKop {
  int intAantalParen = 0;
  int intStilzitPaar = 0; // 0 when no pair sits out
  int intAantalRonden = 0;
  int intSpellenPerRonde = 0;
};

// One table of a board as the play schema gives it.
struct TafelParen {
  int nz = 0;
  int ow = 0;
};

struct SpelRij {
  int nz = 0; // the pairs as the row shows them (an exchange applied); 0 for none
  int ow = 0;
  bool omgewisseld = false; // the pairs sat the other way round than the schema says
  bool doetMee = false;     // a table that plays the board; not the sit-out pair's
  QString scoreNZ, scoreOW;
  QString mpNZ, mpOW;
};

class AvondModel {
public:
  // tafelsPerSpel: for board b (index b - 1) the tables that play it.
  AvondModel(const AvondKop &kop, const QVector<QVector<TafelParen>> &tafelsPerSpel);

  const AvondKop &Kop() const { return m_kop; }
  int AantalSpellen() const { return static_cast<int>(m_spellen.size()); }
  int AantalTafels() const { return m_tafels; } // rows of every board
  int intTop() const { return m_top; }

  // Takes the board lines of the results file (the lines after the header)
  // and scores every finished board again. A line is read when it is a board
  // line of this evening whose every row fits a table of the board; a board
  // whose rows are incomplete, hold a score that ENTER refuses, or whose
  // East-West scores are not those of their North-South scores stays
  // unfinished with what the line holds.
  // Lines not read stay in Regels() as they were; so do later lines of a
  // board already read.
  // voortgang, when given, is told each board before it is scored.
  void LeesRegels(const QStringList &regels, const std::function<void(int)> &voortgang = {});
  // The boards, in order, that no line was read for while a line that begins
  // with their number ("07*...") could not be read. Such a board opens empty;
  // when it is finished, its line takes the place of the first of those lines.
  QVector<int> OnleesbareSpellen() const;
  // Indexes in Regels() of the lines not read that hold something and are
  // not named by OnleesbareSpellen: a second line of a board, a line of the
  // other way of entry, of a board beyond the evening, or no line at all.
  // They stay in the file as they are.
  QVector<int> OnbekendeRegels() const;
  // The board lines for the results file.
  QStringList Regels() const { return m_regels; }

  const QVector<SpelRij> &Rijen(int iSpel) const;
  // The rows as the score boxes hold them, for the ENTER step.
  QVector<RijInvoer> Invoer(int iSpel) const;

  // Takes the rows of board n back from its stored line (or empty when it has
  // none), as opening the board shows them; what was typed since is dropped.
  void OpenSpel(int iSpel);
  void ZetScores(int iSpel, int iRij, const QString &sScoreNZ, const QString &sScoreOW);
  // The letter C: both scores and both matchpoints of the row are emptied.
  void WisRij(int iSpel, int iRij);
  // Exchanges the pairs of a row that takes part.
  void WisselParen(int iSpel, int iRij);

  // Rows whose scores still need the ENTER step before the board is scored.
  QVector<int> TeHerzien(int iSpel) const;
  // Klaar: scores the board and stores its line (replacing its earlier line
  // in place, or added at the end). False, and nothing changes, when a row
  // that takes part is incomplete or still needs the ENTER step.
  bool SpelKlaar(int iSpel);
  // Wis spel: the scores and matchpoints of every row are emptied and every
  // line of the board is removed, also one not read; the pairs and
  // exchanges stay.
  void WisSpel(int iSpel);
  // Fills every row that takes part with a sample score drawn by trek (0 to
  // 9) and finishes the board. Only a board that is not finished is filled.
  bool VulVoorbeeld(int iSpel, const std::function<int()> &trek);
  // The sample fill takes a board that is not finished and holds no score the
  // director typed (a blank counts): what was typed is left alone.
  bool MagVoorbeeld(int iSpel) const;

  // The rows hold scores, or pairs exchanged on a board that holds scores,
  // that differ from what the board held when it was opened (its line, or
  // nothing): what Klaar has not taken.
  bool IsGewijzigd(int iSpel) const;
  // Klaar is offered: every row that takes part is complete and through
  // ENTER, as SpelKlaar takes it, and the rows hold what Klaar has not taken
  // (IsGewijzigd).
  bool MagKlaar(int iSpel) const;
  bool IsKlaar(int iSpel) const;
  bool AlleKlaar() const;
  // The first board that is not finished; 0 when every board is.
  int VolgendOnafgemaakt() const;

  // Every finished board's matchpoints per table, for the result.
  AvondStand Stand(const QStringList &labels) const;

private:
  struct Spel {
    QVector<TafelParen> tafels; // schema orientation, one a row that has a table
    QVector<SpelRij> rijen;
    QVector<SpelRij> opgeslagen; // as its line holds them
    int regel = -1;              // index in m_regels of its line; -1 none
    int onleesbaar = -1;         // without a line: the first line of it not read; -1 none
    bool klaar = false;
  };

  QVector<SpelRij> LegeRijen(const Spel &spel) const;
  bool Past(const Spel &spel, const SpelRegel &regel, QVector<SpelRij> &rijen) const;
  bool IsGeldig(int iSpel) const;
  bool KanKlaar(const QVector<SpelRij> &rijen) const;
  void Scoor(int iSpel);

  AvondKop m_kop;
  int m_tafels = 0;
  int m_top = 0;
  int m_hoogstePaar = 0; // the highest pair number a line may name
  QVector<Spel> m_spellen;
  QStringList m_regels;
  QVector<bool> m_gelezen; // per line of m_regels
};

// The sample scores of the hidden sample fill, by the number drawn (0 to 9).
QString VoorbeeldScore(int r);

// Board numbers as a message names them: "3, 7, 12".
QString SpelNummers(const QVector<int> &spellen);
// The numbers in the results file, counted from 1, of body lines given by
// their indexes after the kopRegels lines of the header: "8, 10".
QString RegelNummers(const QVector<int> &indexen, int kopRegels);

} // namespace scoring
