#pragma once
// Opening an evening for the entry per board: the results file with its
// header, the play schema's tables for every board, the group's pair labels,
// and the texts the window shows of them. Refuses what cannot be used with
// the message that belongs to it, so the window only has to show it.
#include "scoring/avondmodel.h"
#include "scoring/uitslag.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace scoring {

// The title line with the date it begins with written in the date form of
// the current language; a title that does not begin with a date in either
// form of text 63 stays as it is.
QString TitelInTaal(const QString &titel);

struct AvondBestand {
  QStringList kop;    // the seven header lines, the title in the current date form
  AvondKop getallen;  // pairs, sit-out pair, rounds, boards a round
  QString schema;     // header line 6, trimmed
  QString groepNaam;  // the title before " " + text 70 (the whole title without it)
  QStringList regels; // the lines after the header
};

// The lines of a results file. Nothing when it has fewer than seven lines or
// a number of its header lies out of range: pairs 1 to 99, the sit-out pair 0
// (a word reads as 0) to the pairs, rounds 3 to 12, boards a round 1 to 9.
std::optional<AvondBestand> LeesAvondBestand(const QStringList &lines);

// The tables that play each board (board b at index b - 1), from the round
// lines of a play schema, its board sets mapped onto iSpellen boards a round.
QVector<QVector<TafelParen>> TafelsPerSpel(const QStringList &rondeRegels, int iRonden,
                                           int iSpellen);

// True when the schema fits the header: every board is played at one table
// at least without the sit-out pair, at no more tables than the pairs fill,
// and by no pair beyond the header's number of pairs.
bool SchemaPastBijKop(const AvondKop &kop, const QVector<QVector<TafelParen>> &tafels);

// The line above the boards (text 73 filled in): pairs, sit-out pair (or the
// word of header line 3 when none sits out), rounds, boards and schema.
QString KaderTekst(const AvondBestand &avond);

// The window caption: text 71 and the group file's name up to its first
// full stop in brackets.
QString VensterTitel(const QString &sGroepBestand);

// The header words of the result grid (texts 16 without its full stop, 32,
// 80 and 81).
KopTeksten ResultaatKop();

// An evening as the entry window opens it from the folders of the program.
struct GeopendeAvond {
  int iFoutTekst = 0; // 0 opened; 141 a file not found, 190 a file that cannot be used
  QString sFoutNaam;  // what replaces "~" in that text
  QString sInvoerPad; // the results file as found
  AvondBestand bestand;
  QVector<QVector<TafelParen>> tafels;
  PaarLabels paren;
};

// Reads invoer/<sInvoerBestand>, the play schema its header names in the
// schema folder of the current language, and the group file its title names
// in groepen, each found without regard to letter case.
GeopendeAvond OpenAvond(const QString &sInvoerBestand);

// The lines the results file is written with: the header, then the board
// lines of the model (those it could not read included).
QStringList InvoerRegels(const AvondBestand &avond, const AvondModel &model);

} // namespace scoring
