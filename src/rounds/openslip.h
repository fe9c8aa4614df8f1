#pragma once
// The slip open in the entry per round: which table of which round, the
// scores typed into its rows, what ENTER and leaving a row do with them, which
// rows are filled and whether Klaar may be pressed. The window shows it.
#include "rounds/slipopslag.h"
#include "rounds/slipstap.h"
#include "scoring/scoreinvoer.h"

#include <QPair>
#include <QString>
#include <QVector>
#include <optional>

namespace rounds {

class OpenSlip {
public:
  // No slip open.
  OpenSlip() = default;
  // The slip of a table, its rows showing the scores the store holds.
  OpenSlip(const SlipOpslag &opslag, const TafelPlek &plek);

  bool IsOpen() const { return m_open; }
  const TafelPlek &Plek() const { return m_plek; }
  // The board of row i.
  int Spel(int i) const { return m_eersteSpel + i; }
  int AantalRijen() const { return static_cast<int>(m_rijen.size()); }
  const QVector<scoring::RijInvoer> &Rijen() const { return m_rijen; }

  // What the boxes of row i hold after typing or clearing.
  void ZetRij(int i, const QString &sScoreNZ, const QString &sScoreOW);
  // ENTER in the North-South or East-West box of row i: the step's outcome,
  // which the row takes.
  scoring::StapUitkomst EnterNZ(int i);
  scoring::StapUitkomst EnterOW(int i);
  // A box of row i left: a North-South score typed without ENTER, or changed
  // since its mirror was made, gets the ENTER step, and the row takes it;
  // nothing when no step was due. A row as the store holds it, entered, is
  // left as it is.
  std::optional<scoring::StapUitkomst> Verlaat(int i);
  // Klaar runs the ENTER step again on every row that still needs it; the
  // rows take its outcome.
  Herziening Herzie();

  // Every row has a North-South score; some row has one.
  bool AlleRijenGevuld() const;
  bool IetsIngevuld() const;
  // The rows differ from what the store holds for the slip.
  bool IsGewijzigd(const SlipOpslag &opslag) const;
  // Klaar may be pressed: a slip is open and every row holds a score.
  bool MagKlaar() const;
  // The rows as Klaar stores them.
  QVector<QPair<QString, QString>> TeBewaren() const;

private:
  bool m_open = false;
  TafelPlek m_plek;
  int m_eersteSpel = 0;
  QVector<SlipCel> m_bewaard; // the slip as the store held it when it was opened
  QVector<scoring::RijInvoer> m_rijen;
};

} // namespace rounds
