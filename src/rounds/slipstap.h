#pragma once
// The rows of the open slip: what opening it shows, whether every row is
// filled, and what Klaar does with the rows before it stores them.
#include "rounds/slipopslag.h"
#include "scoring/scoreinvoer.h"

#include <QString>
#include <QVector>

namespace rounds {

// The rows a slip shows when it is opened: the scores its boards hold.
QVector<scoring::RijInvoer> SlipRijen(const QVector<SlipCel> &cellen);

// True when the rows differ from what the slip holds.
bool IsGewijzigd(const QVector<scoring::RijInvoer> &rijen, const QVector<SlipCel> &cellen);

// Every row has a North-South text.
bool AlleRijenGevuld(const QVector<scoring::RijInvoer> &rijen);
// Some row has a North-South text.
bool IetsIngevuld(const QVector<scoring::RijInvoer> &rijen);

// A message the ENTER step gives on a row: text 91 or 92, "~" replaced.
struct Melding {
  int iTekst = 0;
  QString sPlaatsvervanger;
  int iRij = 0;
};

struct Herziening {
  QVector<scoring::RijInvoer> rijen; // as the boxes are to show them
  QVector<Melding> meldingen;        // in row order
  int iFoutRij = -1;                 // a row whose score does not exist: Klaar stores nothing
};

// Klaar runs the ENTER step again on every row that holds a North-South
// text that is not yet a score pair (typed without ENTER, or changed after
// its mirror was made). Row i is board eersteSpel + i. A row that stands as
// the store holds it, entered (bewaard), is left as it is.
Herziening HerzieSlip(QVector<scoring::RijInvoer> rijen, int eersteSpel,
                      const QVector<SlipCel> &bewaard = {});

// True when row i (board eersteSpel + i) needs the ENTER step again: it holds
// a North-South text that is not a score pair, and does not stand as the
// store (bewaard) holds it entered.
bool MoetStap(const scoring::RijInvoer &rij, int i, int eersteSpel,
              const QVector<SlipCel> &bewaard);

// The rows as Klaar stores them.
QVector<QPair<QString, QString>> TeBewaren(const QVector<scoring::RijInvoer> &rijen);

} // namespace rounds
