// MAIL.TXT: any bytes read as missing, damaged or one or two providers of
// nine items each; the file in the program folder reads the same, and a
// damaged file leaves the providers as they were.
#include "fuzzsupport.h"

#include "frame/bas_zemlo.h"
#include "platform/textfile.h"
#include "publication/mailtxt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const mailtxt::Reading r = mailtxt::read(bytes);
  FUZZ_CHECK((r.status == mailtxt::Reading::Missing) == bytes.isEmpty());
  for (const QString &line : r.lines)
    FUZZ_CHECK(!line.isEmpty() && !line.contains(u'\r') && !line.contains(u'\n'));
  if (r.status == mailtxt::Reading::Ok) {
    FUZZ_CHECK(r.providerCount == r.lines.size());
    FUZZ_CHECK(r.providerCount == 1 || r.providerCount == 2);
    for (int i = 0; i < r.providerCount; ++i) {
      FUZZ_CHECK(r.providers[i].size() == 9);
      const QString &line = r.lines[i];
      const auto fields = mailtxt::unscramble(line);
      FUZZ_CHECK(fields.has_value());
      // Scrambled again with the line's offset, the fields give the line's body.
      const QString body = line.mid(3, line.size() - 7);
      if (body.size() % 3 == 0) {
        const int offset = line.left(3).toInt();
        QString again;
        for (char c : platform::encodeAnsi(fields->join(QStringLiteral("<>"))))
          again += QString::number(static_cast<unsigned char>(c) + offset).rightJustified(3, u'0');
        FUZZ_CHECK(again == body);
      }
    }
    for (int i = r.providerCount; i < 2; ++i)
      FUZZ_CHECK(r.providers[i].isEmpty());
  } else {
    FUZZ_CHECK(r.providerCount == 0);
  }

  // The file of the program folder, over providers read before.
  fuzz::programFolder();
  fuzz::writeFile(QStringLiteral("MAIL.TXT"), bytes);
  const std::array<QStringList, 2> eerder{QStringList{QStringLiteral("vorige")}, QStringList{}};
  BAS_Zemlo::lstProvider = eerder;
  const int tekst = LeesMailTxtBestand();
  FUZZ_CHECK(BAS_Zemlo::lstCodeer == r.lines);
  switch (r.status) {
  case mailtxt::Reading::Ok:
    FUZZ_CHECK(tekst == 0 && BAS_Zemlo::bMailTxtFout == 0 && BAS_Zemlo::lstProvider == r.providers);
    break;
  case mailtxt::Reading::Missing:
    FUZZ_CHECK(tekst == 152 && BAS_Zemlo::bMailTxtFout == -1 && BAS_Zemlo::lstProvider == eerder);
    break;
  case mailtxt::Reading::Damaged:
    FUZZ_CHECK(tekst == 153 && BAS_Zemlo::bMailTxtFout == -1 && BAS_Zemlo::lstProvider == eerder);
    break;
  }
  return 0;
}
