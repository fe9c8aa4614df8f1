#include "publication/mailtxt.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "publication/mailbericht.h"

#include <QFile>

#include <algorithm>

using namespace BAS_Zemlo;

namespace mailtxt {

namespace {
constexpr int kFields = 9;
// The list item i holds the field kOrder[i] of the line.
constexpr int kOrder[kFields] = {2, 4, 0, 5, 1, 6, 8, 3, 7};
// The list item of the sender's display name.
constexpr int kItemNaam = 8;

// A group of up to three digits, blanks not allowed.
std::optional<int> drieCijfers(const QString &s) {
  if (s.trimmed() != s)
    return std::nullopt;
  return platform::readDigits(s, 0, 999);
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
  const auto offset = drieCijfers(line.left(3));
  if (!offset)
    return std::nullopt;
  const QString body = line.mid(3, line.size() - 7);
  QByteArray codes;
  for (qsizetype i = 0; i < body.size(); i += 3) {
    const auto group = drieCijfers(body.mid(i, 3));
    if (!group)
      return std::nullopt;
    const int code = *group - *offset;
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
  // The check number: the file's length less 12, in four characters.
  const auto check = platform::readInt(r.lines.first().right(4), 0, 9999);
  if (r.lines.first().size() < 4 || !check || *check != bytes.size() - 12)
    return r;
  for (qsizetype i = 0; i < r.lines.size(); ++i) {
    const auto fields = unscramble(r.lines[i]);
    if (!fields)
      return r;
    for (int item = 0; item < kFields; ++item)
      r.providers[i].append(fields->at(kOrder[item]));
    // The sender's name goes into every mail's header: a line break or
    // another control character in it would refuse every mailing.
    if (!publication::IsVeiligeKopWaarde(r.providers[i][kItemNaam]))
      return r;
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
