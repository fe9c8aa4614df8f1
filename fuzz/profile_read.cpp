// Profile reading: any file gives for every section and key a value on one
// line, trimmed and at most 254 characters, that stands in one of its lines.
#include "fuzzsupport.h"

#include "platform/profile.h"
#include "platform/textfile.h"

using namespace platform;

namespace {

void check(const QString &section, const QString &key, const QString &path,
           const QStringList &lines) {
  const QString value = readProfileString(section, key, path);
  FUZZ_CHECK(value.size() <= 254);
  FUZZ_CHECK(value == value.trimmed());
  FUZZ_CHECK(!value.contains(u'\r') && !value.contains(u'\n'));
  if (!value.isEmpty()) {
    bool found = false;
    for (const QString &line : lines)
      found = found || line.contains(value);
    FUZZ_CHECK(found);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  fuzz::writeFile(QStringLiteral("standaard.ini"), bytes);
  const QString path = fuzz::programFolder() + QStringLiteral("/standaard.ini");
  const QStringList lines = splitLines(fuzz::text(bytes));

  // A fixed key, and the section and key names of the file's first lines.
  check(QStringLiteral("Algemeen"), QStringLiteral("taal"), path, lines);
  QString section;
  int keys = 0;
  for (const QString &line : lines) {
    if (++keys > 64)
      break;
    const QString t = line.trimmed();
    if (t.startsWith(u'[')) {
      section = t.mid(1, t.indexOf(u']') - 1);
      continue;
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq >= 0)
      check(section, t.left(eq), path, lines);
  }
  // A missing file reads as nothing.
  FUZZ_CHECK(readProfileString(QStringLiteral("a"), QStringLiteral("b"),
                               fuzz::programFolder() + QStringLiteral("/geen.ini"))
                 .isEmpty());
  return 0;
}
