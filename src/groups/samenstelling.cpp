#include "groups/samenstelling.h"

#include "frame/bas_zemlo.h"
#include "groups/rasterrij.h"
#include "platform/grid.h"

#include <algorithm>

using BAS_Zemlo::Tekst;

namespace groups {

QStringList groepLetters() {
  QStringList letters;
  for (char16_t c = u'Z'; c >= u'A'; --c)
    letters.append(QString(QChar(c)));
  return letters;
}

QString aantalParenTekst(int n) {
  if (n == 1)
    return QStringLiteral("1 ") + Tekst(41) + u' ' + Tekst(42);
  return QString::number(n) + u' ' + Tekst(32) + u' ' + Tekst(42);
}

namespace {
Speler rijSpeler(const platform::GridModel &namen, int row) {
  return {namen.textMatrix(row, 1), namen.textMatrix(row, 2), namen.textMatrix(row, 3),
          namen.textMatrix(row, 4)};
}

// A player row is free while any of its name fields is filled; a taken
// player keeps only their number.
bool rijVrij(const platform::GridModel &namen, int row) {
  return row >= 1 && row < namen.rows() - 1 && !rijTekst(namen, row, 1, 4, QString()).isEmpty();
}

QString zonderBlank(const QString &naam) { return naam.startsWith(u' ') ? naam.mid(1) : naam; }
} // namespace

int vindSpeler(const platform::GridModel &namen, const GroepSpeler &speler) {
  const int row = speler.nummer;
  if (!rijVrij(namen, row))
    return -1;
  if (spelerNaam(rijSpeler(namen, row)).compare(speler.naam, Qt::CaseInsensitive) != 0)
    return -1;
  return row;
}

int vindMailRegel(const QStringList &regels, const GroepSpeler &speler) {
  if (speler.nummer <= 0)
    return -1;
  for (qsizetype i = 0; i < regels.size(); ++i) {
    const QStringList v = namenVelden(regels[i]);
    bool ok = false;
    if (v[0].trimmed().toInt(&ok) != speler.nummer || !ok)
      continue;
    if (spelerNaam({v[1], v[2], v[3], v[4]}).compare(speler.naam, Qt::CaseInsensitive) == 0)
      return static_cast<int>(i);
  }
  return -1;
}

void Samenstelling::leesNamen(const NamenBestand &bestand, platform::GridModel &namen) {
  leegGroep();
  plaatsTerug.clear();
  plaatsTerug.append(bestand.kop.join(u'|'));
  namen.setRows(1);
  zetRij(namen, 0, bestand.kop);
  namen.setRows(2 + static_cast<int>(bestand.spelers.size()));
  for (int i = 0; i < bestand.spelers.size(); ++i) {
    const QString regel = spelerRegel(i + 1, bestand.spelers[i]);
    plaatsTerug.append(regel);
    zetRij(namen, i + 1, regel.split(u'|'));
  }
  leegRij(namen, namen.rows() - 1, 0);
}

void Samenstelling::vergeetNamen(platform::GridModel &namen, const QStringList &kop) {
  leegGroep();
  plaatsTerug.clear();
  namen.setRows(1);
  namen.setRows(2);
  zetRij(namen, 0, kop);
  leegRij(namen, 1, 0);
}

void Samenstelling::leegGroep() {
  entries.clear();
  vakken = {};
}

int Samenstelling::kiesSpeler(platform::GridModel &namen, int row) {
  if (!rijVrij(namen, row) || slotsVol())
    return -1;
  const int slot = vakken[0].vrij() ? 0 : 1;
  Slot &s = vakken[slot];
  s.nummer = namen.textMatrix(row, 0).toInt();
  s.naam = spelerNaam(rijSpeler(namen, row));
  s.terug = rijTekst(namen, row, 0, namen.cols() - 1, QStringLiteral("|"));
  leegRij(namen, row, 1);
  return slot;
}

bool Samenstelling::geefSlotTerug(platform::GridModel &namen, int slot) {
  if (slot < 0 || slot > 1 || vakken[slot].vrij())
    return false;
  const int row = vakken[slot].nummer;
  if (row >= 1 && row < namen.rows() - 1)
    zetRij(namen, row, vakken[slot].terug.split(u'|'));
  vakken[slot] = {};
  return true;
}

bool Samenstelling::voegPaarToe() {
  if (!slotsVol())
    return false;
  Entry e;
  e.regel = paarRegel({vakken[0].nummer, vakken[0].naam}, {vakken[1].nummer, vakken[1].naam});
  e.tekst = vakken[0].naam + QStringLiteral(" - ") + vakken[1].naam;
  for (int i = 0; i < 2; ++i)
    e.leden[i] = {vakken[i].nummer, vakken[i].naam, vakken[i].terug, true};
  entries.append(e);
  vakken = {};
  return true;
}

bool Samenstelling::voegStilzitToe() {
  if (heeftStilzit())
    return false;
  Entry e;
  e.regel = StilzitRegel();
  e.tekst = e.regel;
  e.stilzit = true;
  entries.append(e);
  return true;
}

bool Samenstelling::neemUit(platform::GridModel &namen, int index) {
  if (index < 0 || index >= entries.size())
    return false;
  const Entry e = entries.takeAt(index);
  if (e.stilzit)
    return true;
  for (const Lid &lid : e.leden) {
    const int row = lid.nummer;
    if (lid.uitNamen && row >= 1 && row < plaatsTerug.size() && row < namen.rows() - 1)
      zetRij(namen, row, plaatsTerug[row].split(u'|'));
  }
  return true;
}

void Samenstelling::herlaad(const QVector<GroepRegel> &regels, const QStringList &companion,
                            platform::GridModel &namen) {
  leegGroep();
  QStringList over = companion; // lines not yet given to a player
  auto lid = [&](const GroepSpeler &speler) {
    Lid l{speler.nummer, speler.naam, QString(), false};
    const int row = vindSpeler(namen, speler);
    if (row >= 0) {
      l.mail = rijTekst(namen, row, 0, namen.cols() - 1, QStringLiteral("|"));
      l.uitNamen = true;
      leegRij(namen, row, 1);
    } else if (const int i = vindMailRegel(over, speler); i >= 0) {
      l.mail = over.takeAt(i);
    }
    return l;
  };
  for (const GroepRegel &regel : regels) {
    Entry e;
    e.regel = regel.regel;
    e.stilzit = regel.stilzit;
    if (regel.stilzit) {
      e.tekst = regel.regel;
    } else {
      e.leden = {lid(regel.a), lid(regel.b)};
      e.tekst = zonderBlank(regel.a.naam) + QStringLiteral(" - ") + zonderBlank(regel.b.naam);
    }
    entries.append(e);
  }
}

bool Samenstelling::heeftStilzit() const {
  return std::any_of(entries.begin(), entries.end(), [](const Entry &e) { return e.stilzit; });
}

bool Samenstelling::kanNiet() const {
  return aantal() % 2 != 0 && BAS_Zemlo::ZoekInLijst(groepRegels(), StilzitRegel(), 1) != -1;
}

int Samenstelling::zetLetter(int waarde) {
  if (waarde < 0)
    waarde = kLetterA;
  else if (waarde > kLetterA)
    waarde = 0;
  letter = waarde;
  return waarde;
}

QStringList Samenstelling::groepRegels() const {
  QStringList out;
  for (const Entry &e : entries)
    out.append(e.regel);
  return out;
}

QStringList Samenstelling::mailRegels() const {
  QStringList out;
  for (const Entry &e : entries)
    for (const Lid &l : e.leden)
      if (!e.stilzit && !l.mail.isEmpty())
        out.append(l.mail);
  return out;
}

void Samenstelling::vulGroepRaster(platform::GridModel &groepen) const {
  groepen.setRows(2 + aantal());
  for (int i = 0; i < aantal(); ++i)
    groepen.setTextMatrix(i + 1, 1, entries[i].tekst);
  nummerRijen(groepen, aantal());
  leegRij(groepen, groepen.rows() - 1, 0);
}

} // namespace groups
