// Group files and their companions: every line reads as a sit-out line or a
// pair of two players, and what the groups window writes of what it read
// reads back the same. The input is the group file, then its companion, then
// the group's name, cut at 0x1E.
#include "common/orakels.h"
#include "fuzzsupport.h"

#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "platform/textfile.h"

using namespace groups;

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

bool same(const MailSpeler &a, const MailSpeler &b) {
  return a.nummer == b.nummer && a.naam == b.naam && a.email == b.email;
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

  const auto mail = leesGroepMailBestand(groepMailPad(naam));
  FUZZ_CHECK(mail.has_value());
  for (const MailSpeler &m : *mail) {
    FUZZ_CHECK(m.email == m.email.trimmed() && m.naam == m.naam.trimmed());
    // A companion line written for the player reads back as that player.
    const QVector<MailSpeler> terug =
        leesGroepMailRegels({spelerRegel(m.nummer, Speler{QString(), m.naam, QString(), m.email})});
    FUZZ_CHECK(terug.size() == 1 && same(terug[0], m));
  }

  // What the window holds, written and read again: the same entries.
  const QStringList groepRegels = platform::readTextLines(groepPad(naam)).value_or(QStringList());
  const QStringList mailRegels =
      platform::readTextLines(groepMailPad(naam)).value_or(QStringList());
  FUZZ_CHECK(schrijfGroepBestand(naam, groepRegels, mailRegels));
  const auto groep2 = leesGroepBestand(groepPad(naam));
  const auto mail2 = leesGroepMailBestand(groepMailPad(naam));
  FUZZ_CHECK(groep2 && same(*groep2, *groep));
  FUZZ_CHECK(mail2 && mail2->size() == mail->size());
  for (qsizetype i = 0; i < mail->size(); ++i)
    FUZZ_CHECK(same((*mail2)[i], (*mail)[i]));

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
