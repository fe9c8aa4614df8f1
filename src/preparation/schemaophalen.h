#pragma once
// Fetching the schema list and play schemas from the maker's web server.
#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

// Deletes a local copy and fetches the list anew; the lines of the list, or
// nothing when it could not be fetched or read.
std::optional<QStringList> HaalSchemaLijst();
// Fetches one schema into the current language's schema folder under its
// name in that language (SchemaNaamInTaal), over a file of that name in any
// case. The file is taken only when it is whole
// (IsHeelSchema); otherwise, and when the download fails, an existing file
// of that name stays as it was. True on success.
bool HaalSchema(const QString &name);

} // namespace preparation
