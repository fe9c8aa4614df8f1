#include "fuzzsupport.h"

#include "frame/bas_zemlo.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace fuzz {

void fail(const char *what, const char *file, int line) {
  std::fprintf(stderr, "\nFUZZ_CHECK failed: %s\n  at %s:%d\n", what, file, line);
  std::fflush(stderr);
  __builtin_trap();
}

QString programFolder() {
  // One folder for the whole process: making a folder for every input would
  // cost more than most readers.
  static const QString path = [] {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zemlo-fuzz-XXXXXX"));
    if (!dir.isValid()) {
      std::fprintf(stderr, "no temporary folder\n");
      std::abort();
    }
    BAS_Zemlo::sProgrammaMap = dir.path();
    BAS_Zemlo::iTaal = 10;
    return dir.path();
  }();
  return path;
}

void setLanguage(int taal) {
  programFolder();
  BAS_Zemlo::iTaal = taal;
}

QString freshFolder(const QString &relative) {
  const QString path = programFolder() + u'/' + relative;
  QDir dir(path);
  if (dir.exists()) {
    // Paths put together by hand: QDir::filePath takes a name that starts
    // with ":" for a resource.
    for (const QString &name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
      const QString entry = path + u'/' + name;
      if (!QFile::remove(entry))
        QDir(entry).removeRecursively();
    }
  } else {
    QDir().mkpath(path);
  }
  return path;
}

// Plain system calls: Qt's file classes cost more than most readers, and the
// checks of a target read and list files often.
void writeFile(const QString &relative, const QByteArray &bytes) {
  const QByteArray path = QFile::encodeName(programFolder() + u'/' + relative);
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  bool ok = fd >= 0;
  for (qsizetype done = 0; ok && done < bytes.size();) {
    const ssize_t n =
        ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    ok = n > 0;
    done += n;
  }
  if (fd >= 0)
    ::close(fd);
  if (!ok) {
    std::fprintf(stderr, "cannot write %s\n", path.constData());
    std::abort();
  }
}

QByteArray readFile(const QString &relative) {
  const QByteArray path = QFile::encodeName(programFolder() + u'/' + relative);
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
  QByteArray bytes;
  if (fd < 0)
    return bytes;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    bytes.append(buffer, n);
  ::close(fd);
  return bytes;
}

QStringList fileNames(const QString &relative) {
  QStringList names;
  const QByteArray path = QFile::encodeName(programFolder() + u'/' + relative);
  if (DIR *dir = ::opendir(path.constData())) {
    while (const dirent *entry = ::readdir(dir)) {
      const QByteArray name(entry->d_name);
      if (name != "." && name != "..")
        names.append(QFile::decodeName(name));
    }
    ::closedir(dir);
  }
  names.sort();
  return names;
}

QList<QByteArray> parts(const uint8_t *data, size_t size, int n) {
  const QByteArray all(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  QList<QByteArray> out;
  qsizetype from = 0;
  while (out.size() < n - 1) {
    const qsizetype at = all.indexOf('\x1e', from);
    if (at < 0)
      break;
    out.append(all.mid(from, at - from));
    from = at + 1;
  }
  out.append(all.mid(from));
  while (out.size() < n)
    out.append(QByteArray());
  return out;
}

QString text(const QByteArray &bytes) { return platform::decodeAnsi(bytes); }

} // namespace fuzz
