#pragma once
// Opening a file for reading and removing one, telling a file that cannot
// be read from one that is not there, and a removal that failed from one
// that succeeded.
#include <QString>
#include <QStringList>

class QFile;

namespace platform {

// Opens the file for reading; false when it cannot be (missing, no
// permission, a folder or another entry that is no file).
bool openForReading(QFile &file);

// True when something stands at the path that cannot be read as a file: a
// file without read permission, a folder, a socket. False when nothing is
// there (a missing file is no unreadable one) and when it reads.
bool isUnreadable(const QString &path);

// Removes the file at the path; true when nothing stands there afterwards
// (also when nothing stood there before), false when it is still there.
bool removeFile(const QString &path);

// Stand-ins for permissions, which do not stop root: while set, opening one
// of these paths for reading, or removing it, fails as it does for a file
// without permission. Empty lists (the state at program start) refuse
// nothing.
void setUnreadableFiles(const QStringList &paths);
void setUndeletableFiles(const QStringList &paths);

} // namespace platform
