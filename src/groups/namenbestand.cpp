#include "groups/namenbestand.h"

#include "frame/bas_zemlo.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using BAS_Zemlo::Tekst;

namespace groups {

bool Speler::leeg() const {
  // Every character a blank, as (titel + voornaam + achternaam + email).trimmed()
  // would find, without joining them.
  for (const QString *veld : {&titel, &voornaam, &achternaam, &email})
    for (const QChar c : *veld)
      if (!c.isSpace())
        return false;
  return true;
}

QStringList standaardKop() {
  QString titel = Tekst(20);
  titel.replace(u'.', QStringLiteral(" / "));
  QString mevr = Tekst(21);
  mevr.remove(u'.');
  return {Tekst(16), titel + mevr, Tekst(14), Tekst(15), Tekst(137)};
}

QString spelerRegel(int nummer, const Speler &speler) {
  return QString::number(nummer) + u'|' + speler.velden().join(u'|');
}

QStringList namenVelden(const QString &regel) {
  QString r = regel;
  if (r.endsWith(u'|'))
    r.chop(1);
  QStringList velden = r.split(u'|');
  while (velden.size() < 5)
    velden.append(QString());
  return velden.mid(0, 5);
}

NamenBestand leesNamenRegels(const QStringList &regels) {
  NamenBestand bestand;
  bool kopGelezen = false;
  for (const QString &regel : regels) {
    if (regel.trimmed().isEmpty())
      continue;
    const QStringList v = namenVelden(regel);
    if (!kopGelezen) {
      bestand.kop = v;
      kopGelezen = true;
      continue;
    }
    bestand.spelers.append(Speler{v[1], v[2], v[3], v[4]});
  }
  if (!kopGelezen)
    bestand.kop = standaardKop();
  return bestand;
}

std::optional<NamenBestand> leesNamenBestand(const QString &pad) {
  const auto regels = platform::readTextLines(pad);
  if (!regels)
    return std::nullopt;
  return leesNamenRegels(*regels);
}

QString namenPad(const QString &naam) {
  return BAS_Zemlo::ZoekBestand(BAS_Zemlo::Pad(QStringLiteral("namen")),
                                naam + QStringLiteral(".txt"));
}

QString tweelingPad(const QString &pad, const QString &extensie) {
  const qsizetype slash = pad.lastIndexOf(u'/');
  const qsizetype punt = pad.lastIndexOf(u'.');
  const QString basis = punt > slash ? pad.left(punt) : pad;
  return BAS_Zemlo::ZoekBestand(basis + extensie);
}

TweelingOpslag schrijfTweeling(const QString &pad, const QStringList &regels,
                               const QStringList &mailRegels) {
  TweelingOpslag uit;
  uit.txt = platform::writeTextLines(pad, regels);
  if (!uit.txt) {
    uit.mislukt = pad;
    return uit;
  }
  const QString mail = tweelingPad(pad, QStringLiteral(".mail"));
  uit.mail = platform::writeTextLines(mail, mailRegels);
  if (!uit.mail)
    uit.mislukt = mail;
  return uit;
}

TweelingOpslag schrijfNamenBestand(const QString &naam, const QStringList &regels) {
  QString map = BAS_Zemlo::Pad(QStringLiteral("namen"));
  BAS_Zemlo::MaakPad(map);
  return schrijfTweeling(namenPad(naam), regels, regels);
}

QVector<LijstBestand> txtBestanden(const QString &map, bool omgekeerd, const QString &woord) {
  QStringList namen = QDir(map).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
  std::sort(namen.begin(), namen.end(), [](const QString &a, const QString &b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  QVector<LijstBestand> out;
  for (const QString &bestand : namen) {
    if (!bestand.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) || bestand.size() <= 4)
      continue;
    if (!out.isEmpty() && out.last().bestand.compare(bestand, Qt::CaseInsensitive) == 0)
      continue; // the same file in other letters
    if (!woord.isEmpty() && !bestand.left(bestand.size() - 4).contains(woord, Qt::CaseInsensitive))
      continue;
    // Listed as the file that opening it finds.
    const QString gevonden = QFileInfo(BAS_Zemlo::ZoekBestand(map, bestand)).fileName();
    out.append(LijstBestand{gevonden.left(gevonden.size() - 4), gevonden});
  }
  if (omgekeerd)
    std::reverse(out.begin(), out.end());
  return out;
}

QString namenLijstNaam(const QString &tekst) {
  const qsizetype txt = tekst.indexOf(QStringLiteral(".txt"));
  return txt >= 0 ? tekst.left(txt) : tekst;
}

QVector<LijstBestand> namenBestanden(bool omgekeerd) {
  return txtBestanden(BAS_Zemlo::Pad(QStringLiteral("namen")), omgekeerd);
}

QString verbodenInNaam() { return Tekst(43) + QStringLiteral("\"-|\r\n"); }

QString verbodenInEmail() {
  QString t = Tekst(43);
  t.remove(u'.');
  t.remove(u'@');
  return t + QStringLiteral("\"|\r\n");
}

QString verbodenInBestandsnaam() { return BAS_Zemlo::sVerbodenTekens + QStringLiteral("|\r\n"); }

QString verbodenTekst() { return Tekst(43) + QStringLiteral("\"-"); }

bool bevatVerboden(const QString &tekst, const QString &verboden) {
  return std::any_of(tekst.begin(), tekst.end(), [&](QChar c) { return verboden.contains(c); });
}

bool voegtVerbodenToe(const QString &oud, const QString &nieuw, const QString &verboden) {
  return std::any_of(verboden.begin(), verboden.end(),
                     [&](QChar c) { return nieuw.count(c) > oud.count(c); });
}

} // namespace groups
