#pragma once
// The list of schemas that the maker's web server offers, grouped by the
// number of pairs: a group line holds "======" and names the pair count as
// its second word; every other line is the name of one schema of that group.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

struct SchemaGroep {
  QString tag;   // the pair count as written in the group line
  int paren = 0; // its numeric value
  QStringList namen;
};

// The groups of the list's lines, in file order. Names before the first group
// line, and names that are no plain file name, are left out; so is a group
// whose pair count is not 0 to 99, with its names.
QList<SchemaGroep> LeesSchemaLijst(const QStringList &lines);

// True for a name that can be used as a file name in the schema folder: not
// empty, no "/", "\" or "..", no control characters.
bool IsVeiligeNaam(const QString &name);

// The spinner's list: one two-digit pair count per group, largest first.
QStringList SpinnerLijst(const QList<SchemaGroep> &groepen);

// The names of every group whose pair count has the value of the text.
QStringList NamenVoorParen(const QList<SchemaGroep> &groepen, const QString &paren);

// The rounds that a schema name gives: "08 Paren 06 Ronden Howell" gives 6
// (the words in either language, in any case); nothing for a name of
// another form.
std::optional<int> RondenVanNaam(const QString &name);
// The name under which a schema of the maker's list is kept in the current
// language's folder: under English "Paren" and "Ronden" (texts 32 and 50 of
// Dutch) become "Pairs" and "Rounds", so that the English windows list and
// open it; under Dutch, and for a name of another form, the name as listed.
QString SchemaNaamInTaal(const QString &name);
// True when a fetched schema is whole: its last line ends in CR LF, it reads
// as a schema and it holds as many rounds as its name gives.
bool IsHeelSchema(const QByteArray &bytes, const QString &name);

// The list file in the program folder.
QString SchemaLijstPad();

// What the download window shows and has chosen.
struct SchemaKeuze {
  QList<SchemaGroep> groepen;
  QStringList spinner;       // the two-digit pair counts, largest first
  QString paren;             // the pair count shown
  QStringList namen;         // its schemas
  bool bDeselecteer = false; // the check box offers to deselect all

  // The groups and the spinner of the list file's lines.
  void laad(const QStringList &lines);
  // The spinner on an index of its list: its pair count and their names.
  void toon(int index);
  // The frame's caption: text 55 and the number of names listed.
  QString titel() const;
};

} // namespace preparation
