#pragma once
// An evening entered per round, made from its opened files: the results
// file's header and body, the group file's pairs and the play schema's
// tables; saved whole.
#include "preparation/avond.h"
#include "rounds/slipopslag.h"
#include "scoring/uitslag.h"

#include <QString>

namespace rounds {

struct RondeAvond {
  preparation::AvondPaden paden; // its files
  preparation::InvoerKop kop;    // its seven header lines and their numbers
  scoring::PaarLabels paren;     // the group file's pair labels and players
  SlipOpslag opslag;             // the slips, read from the body

  // Writes the header as read and the body from the slips, atomically.
  bool Bewaar() const;
  // The ranked result of the evening from the slips.
  scoring::Uitslag Uitslag() const;
};

// The evening of opened files (preparation::OpenAvond with way of entry 1).
RondeAvond MaakRondeAvond(const preparation::GeopendeAvond &bestanden);

} // namespace rounds
