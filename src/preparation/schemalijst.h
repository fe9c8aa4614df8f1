#pragma once
// The list of schemas that the maker's web server offers, grouped by the
// number of pairs: a group line holds "======" and names the pair count as
// its second word; every other line is the name of one schema of that group.
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

} // namespace preparation

namespace preparation {

// The list file in the program folder.
QString SchemaLijstPad();

} // namespace preparation
