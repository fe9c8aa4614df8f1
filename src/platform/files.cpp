#include "platform/files.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

QStringList &onleesbaar() {
  static QStringList paths;
  return paths;
}

QStringList &onwisbaar() {
  static QStringList paths;
  return paths;
}

QString absolute(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

bool staatIn(const QStringList &paths, const QString &path) {
  return !paths.isEmpty() && paths.contains(absolute(path));
}

QStringList absolutes(const QStringList &paths) {
  QStringList out;
  for (const QString &path : paths)
    out.append(absolute(path));
  return out;
}

} // namespace

bool openForReading(QFile &file) {
  if (file.fileName().isEmpty() || staatIn(onleesbaar(), file.fileName()))
    return false;
  return file.open(QIODevice::ReadOnly);
}

bool isUnreadable(const QString &path) {
  if (path.isEmpty())
    return false;
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink())
    return false;
  QFile file(path);
  return !openForReading(file);
}

bool removeFile(const QString &path) {
  if (path.isEmpty())
    return true;
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink())
    return true;
  if (staatIn(onwisbaar(), path))
    return false;
  return QFile::remove(path);
}

void setUnreadableFiles(const QStringList &paths) { onleesbaar() = absolutes(paths); }

void setUndeletableFiles(const QStringList &paths) { onwisbaar() = absolutes(paths); }

} // namespace platform
