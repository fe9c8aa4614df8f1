#include "publication/mailtxt.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QFile>

#include <algorithm>

using namespace BAS_Zemlo;

namespace mailtxt {

namespace {
constexpr int kFields = 9;
// The list item i holds the field kOrder[i] of the line.
constexpr int kOrder[kFields] = {2, 4, 0, 5, 1, 6, 8, 3, 7};

bool allDigits(const QString &s) {
  if (s.isEmpty())
    return false;
  for (QChar c : s)
    if (c.unicode() < '0' || c.unicode() > '9')
      return false;
  return true;
}
// Only blanks make a line blank; a tab or any other character is content.
bool isBlank(const QString &line) {
  return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' '; });
}
} // namespace

std::optional<QStringList> unscramble(const QString &line) {
  // Offset (3 digits), body of 3-digit groups, four closing characters.
  if (line.size() < 8)
    return std::nullopt;
  const QString head = line.left(3);
  if (!allDigits(head))
    return std::nullopt;
  const int offset = head.toInt();
  const QString body = line.mid(3, line.size() - 7);
  QByteArray codes;
  for (qsizetype i = 0; i < body.size(); i += 3) {
    const QString group = body.mid(i, 3);
    if (!allDigits(group))
      return std::nullopt;
    const int code = group.toInt() - offset;
    if (code < 0 || code > 255)
      return std::nullopt;
    codes.append(static_cast<char>(code));
  }
  const QStringList fields = platform::decodeAnsi(codes).split(QStringLiteral("<>"));
  if (fields.size() < kFields)
    return std::nullopt;
  return fields;
}

Reading read(const QByteArray &bytes) {
  Reading r;
  if (bytes.isEmpty())
    return r;
  r.status = Reading::Damaged;
  for (const QString &line : platform::splitLines(platform::decodeAnsi(bytes)))
    if (!isBlank(line))
      r.lines.append(line);
  if (r.lines.isEmpty() || r.lines.size() > 2)
    return r;
  const QString check = r.lines.first().right(4);
  if (r.lines.first().size() < 4 ||
      platform::roundHalfEven(platform::val(check)) != bytes.size() - 12)
    return r;
  for (qsizetype i = 0; i < r.lines.size(); ++i) {
    const auto fields = unscramble(r.lines[i]);
    if (!fields)
      return r;
    for (int item = 0; item < kFields; ++item)
      r.providers[i].append(fields->at(kOrder[item]));
  }
  r.providerCount = static_cast<int>(r.lines.size());
  r.status = Reading::Ok;
  return r;
}

} // namespace mailtxt

int LeesMailTxtBestand() {
  lstCodeer.clear();
  bMailTxtFout = 0;
  const QString path = ZoekBestand(sProgrammaMap, QStringLiteral("MAIL.TXT"));
  QByteArray bytes;
  if (BestandBestaat(path) == 1) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
      bytes = file.readAll();
  }
  const mailtxt::Reading reading = mailtxt::read(bytes);
  lstCodeer = reading.lines;
  if (reading.status != mailtxt::Reading::Ok) {
    bMailTxtFout = -1;
    return reading.status == mailtxt::Reading::Missing ? 152 : 153;
  }
  lstProvider = reading.providers;
  return 0;
}
