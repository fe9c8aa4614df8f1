#pragma once
// The results file of an evening: its name, its seven header lines, and the
// small file start.txt that remembers the way of entry used last. The header
// is read and written here only.
#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

// The results file name of a group file name: "08-11-2023 Groep A.txt" gives
// "08-11-2023 Groep A Uitslag.txt" (the word is text 70).
QString InvoerNaam(const QString &sGroepBestand);
// The group name that the title line or results name begins with: the part
// before the first " " + text 70; nothing when the word is not there.
std::optional<QString> GroepNaamVan(const QString &titel);

// The seven header lines of a results file and what they say: the title (the
// group name, a blank, text 70), the pairs, the sit-out pair (or text 54 when
// none sits out), the rounds, the boards a round, the schema name and the way
// of entry ("0" per board, "1" per round).
struct InvoerKop {
  QStringList regels; // the seven lines as they stand
  // Their values, as LeesInvoerKop reads them; 0 where a line does not read.
  int paren = 0;
  int stilzit = 0; // 0 when no pair sits out
  int ronden = 0;
  int spellen = 0;
  QString schema; // line 6 trimmed
  int invoerWijze = 0;

  // The header of a new evening from its seven lines as the preparation
  // window shows them, with the values they read as.
  static InvoerKop Nieuw(const QStringList &regels);
  // The group name of the title; nothing when the title lacks text 70.
  std::optional<QString> groep() const;
};

// Reads a header from the lines of a results file. Nothing when there are
// fewer than seven lines or a number lies out of range: pairs 1 to 99, sit-out
// 0 to the pairs (a word counts as 0), rounds 3 to 12, boards 1 to 9, way of
// entry 0 or 1.
std::optional<InvoerKop> LeesInvoerKop(const QStringList &lines);
// The same for a file; nothing too when it is missing, empty or unreadable.
std::optional<InvoerKop> LeesInvoerKop(const QString &path);

// Writes the seven header lines when the file is absent or empty; an existing
// file is left as it is. False when the file had to be written and could not.
bool MaakInvoerBestand(const QString &path, const InvoerKop &kop);

// The title line with the date it begins with written in the date form of
// the current language; a title that does not begin with a date in either
// form of text 63 stays as it is.
QString TitelInTaal(const QString &titel);

// The line above the boards (text 73 filled in): pairs, sit-out pair (or the
// word of header line 3 when none sits out), rounds, boards and schema.
QString KaderTekst(const InvoerKop &kop);

// start.txt in the program folder: a blank, the digit, a blank.
bool SchrijfStart(int iInvoerWijze);
// The way of entry of start.txt: 0 when it is absent, empty or holds
// anything other than 0 or 1.
int LeesStart();

} // namespace preparation
