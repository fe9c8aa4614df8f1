// Names files: any file reads as a header of five headings and players of
// four fields; saved, the file and its .mail twin read back the same, and the
// address look-up finds exactly the twins' lines that hold an address. The
// input is the names file, then another names file's twin, cut at 0x1E.
#include "common/orakels.h"
#include "fuzzsupport.h"

#include "groups/namenbestand.h"
#include "platform/textfile.h"

using namespace groups;

namespace {

bool same(const NamenBestand &a, const NamenBestand &b) {
  if (a.kop != b.kop || a.spelers.size() != b.spelers.size())
    return false;
  for (qsizetype i = 0; i < a.spelers.size(); ++i)
    if (a.spelers[i].velden() != b.spelers[i].velden())
      return false;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QList<QByteArray> p = fuzz::parts(data, size, 2);
  fuzz::freshFolder(QStringLiteral("namen"));
  fuzz::writeFile(QStringLiteral("namen/club.txt"), p[0]);
  fuzz::writeFile(QStringLiteral("namen/ander.mail"), p[1]);

  const auto read = leesNamenBestand(namenPad(QStringLiteral("club")));
  FUZZ_CHECK(read.has_value());
  FUZZ_CHECK(read->kop.size() == 5);
  for (const Speler &s : read->spelers)
    for (const QString &veld : s.velden())
      FUZZ_CHECK(!veld.contains(u'|') && !veld.contains(u'\r') && !veld.contains(u'\n'));
  const QStringList regels = NamenRegels(*read);
  FUZZ_CHECK(regels.size() == read->spelers.size() + 1);

  // Saved and read again, both files: the same header and players.
  FUZZ_CHECK(schrijfNamenBestand(QStringLiteral("club"), regels).mail);
  const auto txt = leesNamenBestand(namenPad(QStringLiteral("club")));
  const auto mail = leesNamenBestand(namenMailPad(QStringLiteral("club")));
  FUZZ_CHECK(txt && mail);
  FUZZ_CHECK(same(*txt, *read) && same(*mail, *read));
  FUZZ_CHECK(NamenRegels(*txt) == regels);
  FUZZ_CHECK(fuzz::readFile(QStringLiteral("namen/club.txt")) ==
             fuzz::readFile(QStringLiteral("namen/club.mail")));

  // The listing shows the names file by its name.
  const QVector<LijstBestand> lijst = namenBestanden(false);
  FUZZ_CHECK(lijst.size() == 1 && lijst[0].naam == u"club" && lijst[0].bestand == u"club.txt");
  return 0;
}
