#pragma once
// What the system tells of a lock file and of the program that wrote it.
#include <QString>

namespace platform {

// True while the process pid runs the program of that file name (as a lock
// file names it): a process of that id that runs another program took over
// the id of one that has ended.
bool processRuns(qint64 pid, const QString &programName);

enum class LockRemoval {
  Removed, // the file is gone
  Held,    // a process of this computer holds it: left as it is
  Failed   // it could not be removed
};

// Removes the lock file at path unless a process of this computer holds it,
// as a running QLockFile does from the moment it creates the file, before it
// writes a line in it. The file is held while it is removed, so that two
// starts never both remove it. A file that cannot be opened at all is no one's
// lock and is removed as it is.
LockRemoval removeUnheldLockFile(const QString &path);

} // namespace platform
