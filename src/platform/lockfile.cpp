#include "platform/lockfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool processRuns(qint64 pid, const QString &programName) {
  if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
    return false;
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
    return false;
  // The file the process runs; a program file replaced while it runs is
  // marked " (deleted)". One that cannot be read is not the lock's program.
  QString program = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
  if (program.endsWith(QLatin1String(" (deleted)")))
    program.chop(10);
  return !program.isEmpty() && QFileInfo(program).fileName() == QFileInfo(programName).fileName();
}

namespace {

// Removes the name: a file or a link, or a folder when it is empty.
LockRemoval removeName(const QByteArray &name) {
  if (::unlink(name.constData()) == 0 || errno == ENOENT)
    return LockRemoval::Removed;
  if (errno == EISDIR && (::rmdir(name.constData()) == 0 || errno == ENOENT))
    return LockRemoval::Removed;
  return LockRemoval::Failed;
}

} // namespace

LockRemoval removeUnheldLockFile(const QString &path) {
  const QByteArray name = QFile::encodeName(path);
  // Neither a link nor a pipe is followed or waited on.
  const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0)
    return errno == ENOENT ? LockRemoval::Removed : removeName(name);
  LockRemoval result = LockRemoval::Held;
  // A file system that keeps no such locks has no holder to find.
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
    // Another start may have put a new lock in its place meanwhile.
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0)
      result = LockRemoval::Failed;
    else if (::lstat(name.constData(), &named) != 0)
      result = errno == ENOENT ? LockRemoval::Removed : LockRemoval::Failed;
    else if (held.st_dev == named.st_dev && held.st_ino == named.st_ino)
      result = removeName(name);
  }
  ::close(fd);
  return result;
}

} // namespace platform
