#pragma once
// An evening entered per round as its files give it: the results file with
// its header and body, the group file's pairs and the play schema's tables;
// opened whole or refused with the file that stands in the way, and saved
// whole.
#include "preparation/invoerkop.h"
#include "rounds/slipopslag.h"
#include "scoring/uitslag.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace rounds {

struct RondeAvond {
  QString pad;                 // the results file
  preparation::GelezenKop kop; // its seven header lines and their numbers
  scoring::PaarLabels paren;   // the group file's pair labels and players
  SlipOpslag opslag;           // the slips, read from the body

  // Writes the header as read and the body from the slips, atomically.
  bool Bewaar() const;
  // The ranked result of the evening from the slips.
  scoring::Uitslag Uitslag() const;
};

struct OpenUitkomst {
  std::optional<RondeAvond> avond;
  int iTekst = 0;   // when refused: 141 (a file is missing) or 190 (a file is damaged)
  QString sBestand; // the file named in that text, relative to the program folder
};

// Opens the evening of results file sInvoerBestand in the folder invoer. It
// must hold a readable header of an evening entered per round (line 7 is
// 1), and its group file and its schema (of the language iTaal) must be
// there; the schema must read as one.
OpenUitkomst OpenRondeAvond(const QString &sInvoerBestand);

} // namespace rounds
