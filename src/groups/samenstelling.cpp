#include "groups/samenstelling.h"

#include "frame/bas_zemlo.h"
#include "groups/rasterrij.h"
#include "platform/grid.h"

#include <QFileInfo>

#include <algorithm>

using BAS_Zemlo::Tekst;
using BAS_Zemlo::TekstMet;

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
QString zonderBlank(const QString &naam) { return naam.startsWith(u' ') ? naam.mid(1) : naam; }
} // namespace

int vindSpeler(const NamenLijst &namen, const GroepSpeler &speler) {
  const int nummer = speler.nummer;
  if (!namen.vrij(nummer))
    return -1;
  if (spelerNaam(namen.speler(nummer)).compare(speler.naam, Qt::CaseInsensitive) != 0)
    return -1;
  return nummer;
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

void Samenstelling::leesNamen(const NamenBestand &bestand) {
  leegGroep();
  namenLijst.zet(bestand);
  m_namenGelezen = true;
}

void Samenstelling::vergeetNamen(const QStringList &kop) {
  leegGroep();
  namenLijst.zet({kop, {}});
  m_namenGelezen = false;
}

void Samenstelling::leegGroep() {
  entries.clear();
  vakken = {};
  m_bewaard.clear();
}

int Samenstelling::kiesSpeler(int nummer) {
  if (!namenLijst.vrij(nummer) || slotsVol())
    return -1;
  const int slot = vakken[0].vrij() ? 0 : 1;
  Slot &s = vakken[slot];
  s.nummer = nummer;
  s.naam = spelerNaam(namenLijst.speler(nummer));
  s.terug = spelerRegel(nummer, namenLijst.speler(nummer));
  namenLijst.neem(nummer);
  return slot;
}

bool Samenstelling::geefSlotTerug(int slot) {
  if (slot < 0 || slot > 1 || vakken[slot].vrij())
    return false;
  namenLijst.zetTerug(vakken[slot].nummer);
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

bool Samenstelling::neemUit(int index) {
  if (index < 0 || index >= entries.size())
    return false;
  const Entry e = entries.takeAt(index);
  if (e.stilzit)
    return true;
  for (const Lid &lid : e.leden)
    if (lid.uitNamen)
      namenLijst.zetTerug(lid.nummer);
  return true;
}

void Samenstelling::herlaad(const QVector<GroepRegel> &regels, const QStringList &companion) {
  leegGroep();
  QStringList over = companion; // lines not yet given to a player
  auto lid = [&](const GroepSpeler &speler) {
    Lid l{speler.nummer, speler.naam, QString(), false};
    if (const int nummer = vindSpeler(namenLijst, speler); nummer >= 0) {
      l.mail = spelerRegel(nummer, namenLijst.speler(nummer));
      l.uitNamen = true;
      namenLijst.neem(nummer);
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
  m_bewaard = groepRegels();
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

QString groepVastTekst(const QString &naam) {
  return TekstMet(
      176,
      {{u'[', QStringLiteral("\"")}, {u']', QStringLiteral("\"")}, {u'#', u'<' + naam + u'>'}});
}

GroepOpslaan opslaanStap(const Samenstelling &s) {
  GroepOpslaan uit;
  if (s.kanNiet()) {
    uit.stap = GroepOpslaan::Melden;
    uit.tekst = Tekst(46);
    return uit;
  }
  if (s.aantal() < 1)
    return uit;
  if (s.datum.trimmed().isEmpty()) {
    uit.stap = GroepOpslaan::Melden;
    uit.tekst = Tekst(203);
    return uit;
  }
  uit.naam = groepBestandNaam(s.datum, s.letterTekst()).chopped(4);
  // File names are told apart without regard to case: the group saved over
  // keeps the name it has.
  uit.bestand = QFileInfo(groepPad(uit.naam)).fileName();
  // A group whose scores are entered keeps its players: its results file
  // points at them by number.
  if (BAS_Zemlo::BestandBestaat(uitslagPad(uit.naam)) == 1) {
    uit.stap = GroepOpslaan::Melden;
    uit.tekst = groepVastTekst(uit.bestand.chopped(4));
    return uit;
  }
  if (BAS_Zemlo::BestandBestaat(groepPad(uit.naam)) == 1) {
    uit.stap = GroepOpslaan::Vragen;
    uit.tekst = TekstMet(26, uit.bestand);
    return uit;
  }
  uit.stap = GroepOpslaan::Schrijven;
  return uit;
}

GroepWissen wisGroepStap(const QString &naam) {
  GroepWissen uit;
  // The companion and the results file are found before the group goes.
  uit.paden = {groepPad(naam), groepMailPad(naam)};
  if (BAS_Zemlo::BestandBestaat(uitslagPad(naam)) == 1) {
    uit.vraag = TekstMet(177, {{u'#', QStringLiteral("< ") + naam + u'>'}});
    uit.paden.append(uitslagPad(naam));
  } else {
    uit.vraag = TekstMet(47, naam);
  }
  return uit;
}

} // namespace groups
