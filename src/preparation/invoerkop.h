#pragma once
// The results file of an evening: its name, its seven header lines, and the
// small file start.txt that remembers the way of entry used last.
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

// The header as the preparation window writes it, one text a line.
struct InvoerKop {
  QString titel;   // group name, a blank, text 70
  QString paren;   // number of pairs
  QString stilzit; // sit-out pair, or text 54
  QString ronden;
  QString spellen;
  QString schema;      // schema name without ".txt"
  QString invoerWijze; // "0" per board, "1" per round
  QStringList regels() const;
};

// The header as a reader takes it, with its numbers checked.
struct GelezenKop {
  QStringList regels; // the seven header lines as they stand
  int paren = 0;
  int stilzit = 0; // 0 when no pair sits out
  int ronden = 0;
  int spellen = 0;
  QString schema; // line 6 trimmed
  int invoerWijze = 0;
};

// Reads the header of a results file. Nothing when the file cannot be read,
// holds fewer than seven lines, or a number lies out of range: pairs 1 to 99,
// sit-out 0 to the pairs (a word counts as 0), rounds 3 to 12, boards 1 to 9,
// way of entry 0 or 1.
std::optional<GelezenKop> LeesInvoerKop(const QString &path);

// Writes the seven header lines when the file is absent or empty; an existing
// file is left as it is. False when the file had to be written and could not.
bool MaakInvoerBestand(const QString &path, const InvoerKop &kop);

// start.txt in the program folder: a blank, the digit, a blank.
bool SchrijfStart(int iInvoerWijze);
// The way of entry of start.txt: 0 when it is absent, empty or holds
// anything other than 0 or 1.
int LeesStart();

} // namespace preparation
