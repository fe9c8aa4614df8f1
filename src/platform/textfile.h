#pragma once
// Text files as the program keeps them: single-byte Windows-1252, every line
// ending in CR LF, read whole and saved atomically.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {

QString decodeAnsi(const QByteArray &bytes);
// Characters outside Windows-1252 become '?'.
QByteArray encodeAnsi(const QString &text);
// The first character of a text that Windows-1252 cannot hold, whole (a pair
// of surrogates stays together); nothing when it holds them all.
std::optional<QString> firstNonAnsi(const QString &text);

// The first character of a text that a file of the program cannot keep as
// it is: one that Windows-1252 cannot hold (firstNonAnsi), or a control
// character (U+0000 to U+001F, U+007F to U+009F); nothing when it can keep
// them all.
std::optional<QString> firstUnsavable(const QString &text);
// The same for an edit from oldText to text: the first such character that
// text holds more often than oldText did. One that was there already (a
// name written by hand) may stay while the rest is edited.
std::optional<QString> firstUnsavableAdded(const QString &oldText, const QString &text);
// A character as a message names it: itself, or "U+0009" for a control
// character, which would show nothing.
QString shownCharacter(const QString &character);

// Splits on CR LF, LF or CR; a line end after the last line adds no empty line.
QStringList splitLines(const QString &text);

// The lines of a file, or nothing when it cannot be opened.
std::optional<QStringList> readTextLines(const QString &path);
// The first line of a file, "" when the file is missing or empty.
QString readFirstLine(const QString &path);

// Writes every line followed by CR LF. The file is replaced only when all was
// written (a full disk, for one, leaves the old file as it was); false then.
bool writeTextLines(const QString &path, const QStringList &lines);
bool writeBytes(const QString &path, const QByteArray &bytes);

// After a save has put its file in place, the folder that holds it is synced
// to disk as well; observer, when set, is called with each folder so synced
// (for tests).
void setFolderSyncObserver(std::function<void(const QString &folder)> observer);

} // namespace platform
