// Profile writing: one write changes only its key's line (or adds the key to
// its section, or the section to the end), the value is written on one line,
// and it reads back as written. The input is the file, then the section, key
// and value, cut at the byte 0x1E.
#include "fuzzsupport.h"

#include "platform/profile.h"
#include "platform/textfile.h"

using namespace platform;

namespace {

QString oneLine(QString s) {
  s.remove(u'\r');
  s.remove(u'\n');
  return s;
}

bool sameKey(const QString &line, const QString &key) {
  const QString t = line.trimmed();
  const qsizetype eq = t.indexOf(u'=');
  return eq >= 0 && t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QList<QByteArray> p = fuzz::parts(data, size, 4);
  fuzz::writeFile(QStringLiteral("standaard.ini"), p[0]);
  const QString path = fuzz::programFolder() + QStringLiteral("/standaard.ini");
  const QString section = fuzz::text(p[1]);
  const QString key = fuzz::text(p[2]);
  const QString value = fuzz::text(p[3]);

  const QStringList before = splitLines(fuzz::text(p[0]));
  FUZZ_CHECK(writeProfileString(section, key, value, path));
  const QStringList after = readTextLines(path).value_or(QStringList());

  // What the writer puts in the file, each on one line.
  const QString s = oneLine(section).trimmed();
  const QString k = oneLine(key).trimmed();
  const QString v = oneLine(value);
  const QString keyLine = k + u'=' + v;

  const qsizetype n = before.size();
  if (after.size() == n) {
    // The key's line replaced in place.
    qsizetype changed = -1;
    for (qsizetype i = 0; i < n; ++i) {
      if (after[i] != before[i]) {
        FUZZ_CHECK(changed < 0);
        changed = i;
      }
    }
    if (changed >= 0)
      FUZZ_CHECK(after[changed] == keyLine && sameKey(before[changed], k));
  } else if (after.size() == n + 1) {
    // The key added to its section.
    qsizetype added = 0;
    while (added < n && after[added] == before[added])
      ++added;
    FUZZ_CHECK(after[added] == keyLine);
    FUZZ_CHECK(after.mid(added + 1) == before.mid(added));
  } else {
    // The section added at the end, with the key.
    FUZZ_CHECK(after.size() == n + 2);
    FUZZ_CHECK(after.mid(0, n) == before);
    FUZZ_CHECK(after[n] == u'[' + s + u']' && after[n + 1] == keyLine);
  }

  // The value reads back, trimmed and cut as every value is, and the same
  // write once more changes nothing; unless the names cannot be told apart in
  // a file: a section holding "]", a key holding "=" or starting as a section
  // or comment line does.
  if (s.contains(u']') || k.contains(u'=') || k.startsWith(u'[') || k.startsWith(u';'))
    return 0;
  FUZZ_CHECK(readProfileString(s, k, path) == v.trimmed().left(254));
  const QByteArray written = fuzz::readFile(QStringLiteral("standaard.ini"));
  FUZZ_CHECK(writeProfileString(section, key, value, path));
  FUZZ_CHECK(fuzz::readFile(QStringLiteral("standaard.ini")) == written);
  return 0;
}
