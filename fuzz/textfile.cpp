// Text files: any bytes read as lines and written back keep every line, and
// the file's characters survive the trip through Windows-1252.
#include "fuzzsupport.h"

#include "platform/textfile.h"

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const QString folder = fuzz::programFolder();
  const QString path = folder + QStringLiteral("/tekst.txt");
  const QString copy = folder + QStringLiteral("/kopie.txt");
  fuzz::writeFile(QStringLiteral("tekst.txt"), bytes);

  const QString text = decodeAnsi(bytes);
  FUZZ_CHECK(text.size() == bytes.size());
  FUZZ_CHECK(encodeAnsi(text) == bytes);

  const auto lines = readTextLines(path);
  FUZZ_CHECK(lines.has_value());
  FUZZ_CHECK(*lines == splitLines(text));
  for (const QString &line : *lines)
    FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
  FUZZ_CHECK(readFirstLine(path) == (lines->isEmpty() ? QString() : lines->first()));

  // Written back: every line followed by CR LF, and read again the same lines.
  FUZZ_CHECK(writeTextLines(copy, *lines));
  QByteArray expected;
  for (const QString &line : *lines)
    expected += encodeAnsi(line) + "\r\n";
  FUZZ_CHECK(fuzz::readFile(QStringLiteral("kopie.txt")) == expected);
  FUZZ_CHECK(readTextLines(copy) == lines);
  return 0;
}
