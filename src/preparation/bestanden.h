#pragma once
// The lists of group files and results files of the preparation window, and
// the pass that writes the date at the start of their names in the date form
// of the current language.
#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

enum class Soort { Groepen, Invoer };

// The ".txt" files of the folder whose name holds text 125 in any case,
// sorted by name, from the last to the first when bOmgekeerd is set.
QStringList GroepWoordBestanden(const QString &folder, bool bOmgekeerd);

// The name with its first ten characters, read as a date in either form of
// text 63, written in the form of the current language; nothing when they
// are no date or the name is already in that form.
std::optional<QString> NieuweDatumNaam(const QString &name);

// The renaming pass over one folder, then the names to list: each cut before
// its first full stop, names that differ only in case once. A group file is
// renamed together with its ".mail" companion and its results file (whose
// title line takes the new date too); when any of their new names is taken,
// in any case and whether or not the group has that file of its own, none
// is renamed. A results file without its group is renamed unless a group
// stands under its old or its new name. A results file whose title line
// cannot be saved keeps its old name, and so does its group; nietBewaard
// then gets its name ("invoer/<file>").
QStringList VulBestanden(Soort soort, bool bOmgekeerd, QStringList *nietBewaard = nullptr);

} // namespace preparation
