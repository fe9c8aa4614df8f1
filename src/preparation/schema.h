#pragma once
// Play schema files: which schemas fit an evening, reading one, and mapping its
// board sets (always written for four boards a round) onto the boards that
// are really played a round.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

// "08 Paren 06 Ronden": the start of the names of the schemas for that many
// pairs and rounds (texts 32 and 50 of the current language).
QString SchemaPatroon(int iParen, int iRonden);
// The schema folder of the current language.
QString SchemaMap();
// The file of a schema name (trimmed) in that folder, its name matched
// without regard to case.
QString SchemaPad(const QString &sSchema);

// The schema names (file names without ".txt") of the current language's
// folder that begin with the pattern, in any case, sorted by name; names
// that differ only in case are listed once.
QStringList PassendeSchemas(int iParen, int iRonden);

// The round lines of a schema file's lines: line 1 is a title and skipped,
// lines of blanks only are left out, the rest are taken unchanged.
QStringList SchemaRegels(const QStringList &fileLines);
// The round lines of a schema, or nothing when its file is missing, empty,
// cannot be read or does not read as a schema (IsSchema). What Start and the
// entry windows use.
std::optional<QStringList> LeesSchema(const QString &sSchema);
// True when the lines read as a schema: at least one round line with a table
// field that names its pairs and a board set.
bool IsSchema(const QStringList &fileLines);

// One table of one round, its board set mapped.
struct Tafel {
  int ronde = 0;       // 1-based, the order of the round lines
  int tafel = 0;       // 1-based position of the field in its round line
  QString veld;        // the field, its board set written from the set's
                       // numbers (mapped when it is played): "3- 6 (4-6)"
  QString paren;       // the pair part, "<NS>- <EW>" as written, trimmed
  int ns = 0;          // North-South pair, 1 to 99
  QString ewTekst;     // the blanks after the dash as written, then ew: " 6"
  int ew = 0;          // East-West pair, 1 to 99
  int eersteSpel = 0;  // the mapped board set; 0 and 0 when the file's set
  int laatsteSpel = 0; // lies beyond the rounds, so no board is played there
};

// The tables of every round in order, their board sets mapped for R rounds
// and b boards a round. Empty tables ("-  -"), fields without pairs or board
// set, fields whose pair or board numbers lie out of range, and the empty
// field after a trailing TAB are left out.
QList<Tafel> ParenSpellen(const QStringList &rondeRegels, int iRonden, int iSpellen);

// One field of a round line as the entry per round takes it: a table with
// its two pairs, or a table where no pairs sit ("-  -"), its board set mapped
// as ParenSpellen maps it.
struct TafelVeld {
  int ronde = 0;            // 1-based, the order of the round lines
  int tafel = 0;            // 1-based position of the field in its round line
  bool zonderParen = false; // "-  -": the boards lie there, nobody plays them
  int ns = 0;               // North-South pair, 1 to 99; 0 without pairs
  int ew = 0;               // East-West pair, 1 to 99; 0 without pairs
  QString paren;            // the text before the board set, trimmed: "3- 6", "-  -"
  int eersteSpel = 0;       // the mapped board set; 0 and 0 when the file's set
  int laatsteSpel = 0;      // lies beyond the rounds
};

// Every round line's fields in order, the tables without pairs included.
// Left out are separator fields ("-  -  -  -  -   -"), empty fields, fields
// without a board set and fields whose pair or board numbers lie out of
// range. One list a round line, also when it holds no table.
QList<QList<TafelVeld>> RondeTafels(const QStringList &rondeRegels, int iRonden, int iSpellen);

} // namespace preparation
