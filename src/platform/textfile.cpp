#include "platform/textfile.h"

#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
// Code points of the bytes 0x80 to 0x9F; 0 marks the five bytes that have none.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::function<void(const QString &)> &folderSyncObserver() {
  static std::function<void(const QString &)> observer;
  return observer;
}

// Writes a folder's entries to disk; false when it cannot.
bool syncFolder(const QString &folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return false;
  int rc = 0;
  do {
    rc = ::fsync(fd);
  } while (rc != 0 && errno == EINTR);
  ::close(fd);
  return rc == 0;
}
} // namespace

QString decodeAnsi(const QByteArray &bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
      out.append(QChar(kHigh[b - 0x80]));
    else
      out.append(QChar(static_cast<char16_t>(b)));
  }
  return out;
}

QByteArray encodeAnsi(const QString &text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0)) {
      out.append(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 32; ++i) {
      if (kHigh[i] != 0 && kHigh[i] == u) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out.append(mapped);
  }
  return out;
}

std::optional<QString> firstNonAnsi(const QString &text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    const QString one = text.mid(i, length);
    if (decodeAnsi(encodeAnsi(one)) != one)
      return one;
    i += length - 1;
  }
  return std::nullopt;
}

namespace {
bool isControl(const QString &character) {
  if (character.size() != 1)
    return false;
  const char16_t u = character[0].unicode();
  return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// The characters of a text, a pair of surrogates as one.
QStringList characters(const QString &text) {
  QStringList out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    out.append(text.mid(i, length));
    i += length - 1;
  }
  return out;
}

bool isUnsavable(const QString &character) {
  return isControl(character) || firstNonAnsi(character).has_value();
}
} // namespace

std::optional<QString> firstUnsavable(const QString &text) {
  for (const QString &c : characters(text))
    if (isUnsavable(c))
      return c;
  return std::nullopt;
}

std::optional<QString> firstUnsavableAdded(const QString &oldText, const QString &text) {
  for (const QString &c : characters(text))
    if (isUnsavable(c) && text.count(c) > oldText.count(c))
      return c;
  return std::nullopt;
}

QString shownCharacter(const QString &character) {
  if (!isControl(character))
    return character;
  return QStringLiteral("U+%1").arg(character[0].unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

QStringList splitLines(const QString &text) {
  QStringList lines;
  QString current;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    if (ch == u'\r' || ch == u'\n') {
      lines.append(current);
      current.clear();
      if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
        ++i;
    } else {
      current.append(ch);
    }
  }
  if (!current.isEmpty())
    lines.append(current);
  return lines;
}

std::optional<QStringList> readTextLines(const QString &path) {
  QFile file(path);
  if (!openForReading(file))
    return std::nullopt;
  return splitLines(decodeAnsi(file.readAll()));
}

QString readFirstLine(const QString &path) {
  const auto lines = readTextLines(path);
  return lines && !lines->isEmpty() ? lines->first() : QString();
}

bool writeBytes(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  // write() may only fill Qt's buffer, and commit() puts the file in place
  // even when the flush of that buffer fails (a full disk): the buffer is
  // flushed and checked first, so that a file not written whole never
  // replaces the old one.
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  // commit() syncs the file and renames it into place.
  if (!file.commit())
    return false;
  // The rename lives in the folder: synced too, a power cut right after the
  // save keeps the new file rather than bringing back the old one. The file
  // is in place by now, so a folder that cannot be synced (a file system
  // without it) does not fail the save.
  const QString folder = QFileInfo(path).absolutePath();
  if (syncFolder(folder) && folderSyncObserver())
    folderSyncObserver()(folder);
  return true;
}

void setFolderSyncObserver(std::function<void(const QString &folder)> observer) {
  folderSyncObserver() = std::move(observer);
}

bool writeTextLines(const QString &path, const QStringList &lines) {
  QByteArray bytes;
  for (const QString &line : lines) {
    bytes.append(encodeAnsi(line));
    bytes.append("\r\n");
  }
  return writeBytes(path, bytes);
}

} // namespace platform
