#pragma once
// The files of an evening and opening them for either entry window: the
// results file with its header and body, the play schema its header names
// and the group file its title names, each found without regard to letter
// case. What cannot be used is refused with the message that belongs to it,
// so a window only has to show it.
#include "preparation/invoerkop.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

// One file of an evening: where it lies, and how a message names it
// (relative to the program folder, "invoer/08-11-2023 Groep A Uitslag.txt").
struct AvondBestand {
  QString pad;
  QString naam;
};

// The files of an evening.
struct AvondPaden {
  AvondBestand invoer;    // invoer/<results file>
  AvondBestand groep;     // groepen/<group>.txt
  AvondBestand groepMail; // groepen/<group>.mail
  AvondBestand schema;    // schema/<iTaal>/<schema>.txt
};

// The files of the evening of results file sInvoerBestand (its name with
// ".txt"), of group sGroep (the group name without ".txt") and of schema
// sSchema (without ".txt"); a name not given leaves its files empty.
AvondPaden PadenVan(const QString &sInvoerBestand, const QString &sGroep = {},
                    const QString &sSchema = {});

// True when the schema's round lines fit the header: every board is played
// at one table at least without the sit-out pair, at no more tables than
// the pairs fill, and by no pair beyond the header's number of pairs.
bool SchemaPastBijKop(const InvoerKop &kop, const QStringList &rondeRegels);

// A schema read for use: its round lines, or why it cannot be used.
struct SchemaToets {
  QStringList rondeRegels;
  // 0 when it can be used; 141 its file is missing or empty, 190 it does not
  // read as a schema, 207 it does not fit the header given, 210 its file is
  // there but cannot be read.
  int iFoutTekst = 0;
  QString sNaam; // what replaces "~" in that text: schema/<iTaal>/<name>.txt
};
// Reads schema sSchema (of the language iTaal) and, when kop is given,
// checks it against that header (SchemaPastBijKop).
SchemaToets ToetsSchema(const QString &sSchema, const std::optional<InvoerKop> &kop);

// An evening opened from its files.
struct GeopendeAvond {
  AvondPaden paden;
  InvoerKop kop;            // per board with its title in the current date form
  QStringList regels;       // the body: the lines after the header
  QStringList schemaRegels; // the round lines of the schema
  QStringList groepRegels;  // the lines of the group file
};

struct AvondOpening {
  std::optional<GeopendeAvond> avond;
  // When refused: 141 a file is missing, 190 a file cannot be used, 207 the
  // schema does not fit the header, 210 a file is there but cannot be read.
  int iFoutTekst = 0;
  QString sFoutNaam; // what replaces "~" in that text
};

// Opens the evening of results file sInvoerBestand in invoer for the entry
// window of iInvoerWijze (0 per board, 1 per round). The header must read and
// be one of that way of entry, and name its group and schema inside their
// folders; the schema (of the language iTaal) must be there, read as one and
// fit the header; the group file must be there. Per board the title takes
// the date form of the current language before the group file is looked up.
// A missing results or schema file is named by its path, a missing group
// file by the group name; a file that cannot be read by its path.
AvondOpening OpenAvond(const QString &sInvoerBestand, int iInvoerWijze);

// Text 210 naming a file that stands there but cannot be read (no
// permission, a folder of its name); "" when it reads or is not there.
QString OnleesbaarTekst(const AvondBestand &bestand);

} // namespace preparation
