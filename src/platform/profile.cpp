#include "platform/profile.h"

#include "platform/textfile.h"

#include <QFileInfo>
#include <QStringList>

namespace platform {

namespace {

// The name of a "[name]" line, or nothing for any other line.
std::optional<QString> sectionName(const QString &line) {
  const QString t = line.trimmed();
  if (!t.startsWith(u'['))
    return std::nullopt;
  const qsizetype end = t.indexOf(u']');
  return (end < 0 ? t.mid(1) : t.mid(1, end - 1)).trimmed();
}

// The key of a "key=value" line, or nothing for blank lines and comments.
std::optional<QString> keyName(const QString &line) {
  const QString t = line.trimmed();
  if (t.isEmpty() || t.startsWith(u';'))
    return std::nullopt;
  const qsizetype eq = t.indexOf(u'=');
  if (eq < 0)
    return std::nullopt;
  return t.left(eq).trimmed();
}

bool same(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A text without line breaks: a CR or LF written into the file would start a
// line of its own, such as a section of another name.
QString oneLine(QString text) {
  text.remove(u'\r');
  text.remove(u'\n');
  return text;
}

} // namespace

QString readProfileString(const QString &section, const QString &key, const QString &file) {
  const auto lines = readTextLines(file);
  if (!lines)
    return {};
  bool inSection = false;
  for (const QString &line : *lines) {
    if (const auto name = sectionName(line)) {
      inSection = same(*name, section.trimmed());
      continue;
    }
    if (!inSection)
      continue;
    const auto k = keyName(line);
    if (k && same(*k, key.trimmed())) {
      const QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
      return value.left(kProfileValueLength);
    }
  }
  return {};
}

bool writeProfileString(const QString &sectionText, const QString &keyText, const QString &value,
                        const QString &file) {
  const QString section = oneLine(sectionText);
  const QString key = oneLine(keyText);
  std::optional<QStringList> read = readTextLines(file);
  // Only a file that is not there starts empty; one that cannot be read
  // would otherwise be replaced by this one key.
  if (!read && QFileInfo::exists(file))
    return false;
  QStringList lines = read.value_or(QStringList());
  const QString keyLine = key.trimmed() + u'=' + oneLine(value);
  bool inSection = false;
  qsizetype sectionEnd = -1; // after the last non-blank line of the first match
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (const auto name = sectionName(lines[i])) {
      if (inSection)
        break;
      inSection = same(*name, section.trimmed());
      if (inSection)
        sectionEnd = i + 1;
      continue;
    }
    if (!inSection)
      continue;
    if (!lines[i].trimmed().isEmpty())
      sectionEnd = i + 1;
    const auto k = keyName(lines[i]);
    if (k && same(*k, key.trimmed())) {
      lines[i] = keyLine;
      return writeTextLines(file, lines);
    }
  }
  if (sectionEnd >= 0) {
    lines.insert(sectionEnd, keyLine);
  } else {
    lines.append(u'[' + section.trimmed() + u']');
    lines.append(keyLine);
  }
  return writeTextLines(file, lines);
}

} // namespace platform
