#pragma once
// Profile (INI) files: "[section]" lines and "key=value" lines.
#include <QString>

namespace platform {

// The most characters of a value that readProfileString gives back: a box
// whose text is kept in a profile takes no more.
constexpr int kProfileValueLength = 254;

// The value of a key: section and key names compared without regard to case,
// the first match in the file wins, the value trimmed and cut to
// kProfileValueLength characters; anything missing gives "".
QString readProfileString(const QString &section, const QString &key, const QString &file);

// Replaces the key's line in place, or adds the key to its section, or the
// section to the file, or makes the file; every other line stays as it was.
// The value is written on one line: CR and LF are removed from it, and from
// the section and key names. A file that exists but cannot be read is left
// alone, so that its other keys are not lost; false then, and when the file
// could not be written.
bool writeProfileString(const QString &section, const QString &key, const QString &value,
                        const QString &file);

} // namespace platform
