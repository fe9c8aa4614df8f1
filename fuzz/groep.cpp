// Group files and their companions: every line reads as a sit-out line or a
// pair of two players, what the groups window writes of what it read reads
// back the same, and a companion line written for a player reads back, by the
// reader the result window uses, as that player. The input is the group file,
// then its companion, then the group's name, cut at 0x1E.
#include "fuzzsupport.h"

#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "groups/namenbestand.h"
#include "platform/textfile.h"
#include "publication/mailinglijst.h"

using namespace groups;
using publication::LeesMailingLijst;
using publication::MailRegel;

namespace {

bool same(const GroepSpeler &a, const GroepSpeler &b) {
  return a.nummer == b.nummer && a.naam == b.naam;
}

bool same(const QVector<GroepRegel> &a, const QVector<GroepRegel> &b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (a[i].regel != b[i].regel || a[i].stilzit != b[i].stilzit || !same(a[i].a, b[i].a) ||
        !same(a[i].b, b[i].b))
      return false;
  return true;
}

bool same(const QVector<MailRegel> &a, const QVector<MailRegel> &b) {
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (a[i].namen != b[i].namen || a[i].adres != b[i].adres)
      return false;
  return true;
}

// A file name made of any text: no folder separators, no line breaks.
QString bestandsNaam(const QByteArray &bytes) {
  QString naam = fuzz::text(bytes.left(80));
  naam.remove(u'/');
  naam.remove(QChar(0));
  naam.remove(u'\r');
  naam.remove(u'\n');
  if (naam.isEmpty() || naam == u"." || naam == u"..")
    return QStringLiteral("08-11-2023 Groep A");
  return naam;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QList<QByteArray> p = fuzz::parts(data, size, 3);
  const QString naam = bestandsNaam(p[2]);
  fuzz::freshFolder(QStringLiteral("groepen"));
  fuzz::writeFile(QStringLiteral("groepen/") + naam + QStringLiteral(".txt"), p[0]);
  fuzz::writeFile(QStringLiteral("groepen/") + naam + QStringLiteral(".mail"), p[1]);

  const auto groep = leesGroepBestand(groepPad(naam));
  FUZZ_CHECK(groep.has_value());
  for (const GroepRegel &g : *groep) {
    FUZZ_CHECK(!g.regel.trimmed().isEmpty());
    FUZZ_CHECK(g.stilzit == isStilzitRegel(g.regel));
    if (g.stilzit)
      continue;
    FUZZ_CHECK(g.a.nummer >= 0 && g.b.nummer >= 0);
    // A pair line written from what was read reads back as the same players.
    const GroepRegel terug = leesGroepRegel(paarRegel(g.a, g.b));
    FUZZ_CHECK(!terug.stilzit && same(terug.a, g.a) && same(terug.b, g.b));
  }

  const auto mailRegels = platform::readTextLines(groepMailPad(naam));
  FUZZ_CHECK(mailRegels.has_value());
  const QVector<MailRegel> mail = LeesMailingLijst(*mailRegels);
  for (const MailRegel &m : mail)
    FUZZ_CHECK(!m.namen.trimmed().isEmpty() && !m.adres.contains(u'|'));
  // Each line taken as a names file takes it, written for its player as the
  // groups window writes the companion: the reader gives back the player's
  // names, each followed by a blank, and the address, or nothing when the
  // player has no names.
  for (const QString &regel : *mailRegels) {
    const QStringList v = namenVelden(regel);
    const Speler speler{v[1], v[2], v[3], v[4]};
    const QVector<MailRegel> terug = LeesMailingLijst({spelerRegel(1, speler)});
    const QString namen = speler.titel + u' ' + speler.voornaam + u' ' + speler.achternaam + u' ';
    if (namen.trimmed().isEmpty())
      FUZZ_CHECK(terug.isEmpty());
    else
      FUZZ_CHECK(terug.size() == 1 && terug[0].namen == namen && terug[0].adres == speler.email);
  }

  // What the window holds, written and read again: the same entries.
  const QStringList groepRegels = platform::readTextLines(groepPad(naam)).value_or(QStringList());
  FUZZ_CHECK(schrijfGroepBestand(naam, groepRegels, *mailRegels).mail);
  const auto groep2 = leesGroepBestand(groepPad(naam));
  const auto mailRegels2 = platform::readTextLines(groepMailPad(naam));
  FUZZ_CHECK(groep2 && same(*groep2, *groep));
  FUZZ_CHECK(mailRegels2 && same(LeesMailingLijst(*mailRegels2), mail));

  // The name cut into date and letter, and put together again.
  const GroepNaamDelen delen = splitsGroepNaam(naam);
  if (!delen.letter.isEmpty() && !delen.datum.contains(u'.') &&
      !delen.datum.contains(u' ' + BAS_Zemlo::Tekst(125), Qt::CaseInsensitive)) {
    const QString weer = groepBestandNaam(delen.datum, delen.letter);
    const GroepNaamDelen weerDelen = splitsGroepNaam(weer.left(weer.size() - 4));
    FUZZ_CHECK(weerDelen.datum == delen.datum && weerDelen.letter == delen.letter);
  }
  // The group is listed when its name holds the word.
  const QVector<LijstBestand> lijst = groepBestanden(false);
  FUZZ_CHECK(lijst.size() == (naam.contains(BAS_Zemlo::Tekst(125), Qt::CaseInsensitive) ? 1 : 0));
  return 0;
}
