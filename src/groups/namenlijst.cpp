#include "groups/namenlijst.h"

#include "groups/rasterrij.h"
#include "platform/grid.h"

#include <algorithm>
#include <climits>

namespace groups {

namespace {
// The list keeps account of a few changes; after more it writes the grid whole.
constexpr int kMeesteWijzigingen = 64;
} // namespace

void NamenLijst::zet(const NamenBestand &bestand) {
  kop = bestand.kop;
  m_rijen.clear();
  m_rijen.reserve(bestand.spelers.size());
  m_getallen = 0;
  for (const Speler &s : bestand.spelers) {
    m_rijen.append({s, false, s.leeg()});
    if (platform::isGenericNumber(s.achternaam))
      ++m_getallen;
  }
  m_opAchternaam = aantal() == 0; // file order
  m_bewaard = inhoud();
  allesGewijzigd();
}

void NamenLijst::leeg() {
  m_rijen.clear();
  m_bewaard.clear();
  m_getallen = 0;
  m_opAchternaam = true;
  allesGewijzigd();
}

QStringList NamenLijst::inhoud() const {
  QStringList uit;
  uit.reserve(aantal());
  for (const Rij &r : m_rijen)
    uit.append(r.speler.velden().join(u'\n')); // no field holds a line break
  uit.sort();
  return uit;
}

bool NamenLijst::gewijzigd() const { return inhoud() != m_bewaard; }

QString NamenLijst::nummerTekst(int nummer) const {
  return m_rijen[nummer - 1].leeg ? QString() : nummerVoor(nummer, ElkNummer);
}

QStringList NamenLijst::rij(int nummer) const {
  return QStringList{nummerTekst(nummer)} + speler(nummer).velden();
}

QString NamenLijst::beschrijving(int nummer) const { return rij(nummer).join(u' ').trimmed(); }

void NamenLijst::sorteer(int kolom) {
  if (kolom < kNummer || kolom >= kNamenKolommen)
    return;
  QStringList sleutels;
  sleutels.reserve(aantal());
  for (int n = 1; n <= aantal(); ++n) {
    const Speler &s = speler(n);
    const QString *velden[] = {nullptr, &s.titel, &s.voornaam, &s.achternaam, &s.email};
    sleutels.append(kolom == kNummer ? nummerTekst(n) : *velden[kolom]);
  }
  const QVector<int> volgorde = platform::sortedOrder(sleutels, platform::SortGenericAscending);
  bool zelfde = true;
  for (int i = 0; i < volgorde.size() && zelfde; ++i)
    zelfde = volgorde[i] == i;
  if (!zelfde) {
    QVector<Rij> gesorteerd;
    gesorteerd.reserve(aantal());
    for (int i : volgorde)
      gesorteerd.append(m_rijen[i]);
    m_rijen = gesorteerd;
    allesGewijzigd();
  }
  if (kolom == kAchternaam)
    m_opAchternaam = m_getallen == 0;
  else if (!zelfde)
    m_opAchternaam = false;
}

void NamenLijst::voegToe(const Speler &speler) {
  const bool getal = platform::isGenericNumber(speler.achternaam);
  if (m_opAchternaam && !getal) {
    // After the last player whose last name sorts at or before theirs, where
    // the stable sort of the list with the player at the end puts them.
    const auto plek = std::upper_bound(
        m_rijen.begin(), m_rijen.end(), speler.achternaam, [](const QString &naam, const Rij &r) {
          return naam.compare(r.speler.achternaam, Qt::CaseInsensitive) < 0;
        });
    const int index = static_cast<int>(plek - m_rijen.begin());
    m_rijen.insert(index, {speler, false, speler.leeg()});
    wijzig(Wijziging::Nieuw, index + 1);
    return;
  }
  m_rijen.append({speler, false, speler.leeg()});
  if (getal)
    ++m_getallen;
  wijzig(Wijziging::Nieuw, aantal());
  sorteer(kAchternaam);
}

Speler NamenLijst::neemWeg(int nummer) {
  if (!bestaat(nummer))
    return {};
  const Speler speler = m_rijen.takeAt(nummer - 1).speler;
  if (platform::isGenericNumber(speler.achternaam))
    --m_getallen;
  wijzig(Wijziging::Weg, nummer);
  return speler;
}

bool NamenLijst::vrij(int nummer) const {
  if (!bestaat(nummer) || m_rijen[nummer - 1].genomen)
    return false;
  return !speler(nummer).velden().join(QString()).isEmpty();
}

void NamenLijst::zetGenomen(int nummer, bool genomen) {
  if (!bestaat(nummer) || m_rijen[nummer - 1].genomen == genomen)
    return;
  m_rijen[nummer - 1].genomen = genomen;
  wijzig(Wijziging::Anders, nummer);
}

QStringList NamenLijst::regels() const {
  QStringList out{kop.join(u'|')};
  for (int n = 1; n <= aantal(); ++n)
    out.append(rij(n).join(u'|'));
  return out;
}

void NamenLijst::wijzig(Wijziging::Soort soort, int nummer) {
  if (m_alles)
    return;
  if (m_wijzigingen.size() >= kMeesteWijzigingen)
    allesGewijzigd();
  else
    m_wijzigingen.append({soort, nummer});
}

void NamenLijst::allesGewijzigd() {
  m_alles = true;
  m_wijzigingen.clear();
}

QString NamenLijst::nummerVoor(int nummer, Nummering nummering) const {
  if (nummering == NummerMetTekst)
    return nummerTekst(nummer);
  while (m_nummerTeksten.size() < nummer)
    m_nummerTeksten.append(QString::number(m_nummerTeksten.size() + 1));
  return m_nummerTeksten[nummer - 1];
}

void NamenLijst::schrijfRij(platform::GridModel &grid, int nummer, Nummering nummering) const {
  const QString getal = nummerVoor(nummer, nummering);
  zetRij(grid, nummer,
         m_rijen[nummer - 1].genomen ? QStringList{getal}
                                     : QStringList{getal} + speler(nummer).velden());
}

void NamenLijst::schrijfAlles(platform::GridModel &grid, Nummering nummering) const {
  const platform::GridChanges samen(grid);
  grid.setRows(aantal() + 2);
  zetRij(grid, 0, kop);
  for (int n = 1; n <= aantal(); ++n)
    schrijfRij(grid, n, nummering);
  zetRij(grid, aantal() + 1, {});
}

// Brings the grid from the list as it was last written into it to the list
// as it is; false when the grid is not as the list left it, and the caller
// writes it whole.
bool NamenLijst::werkBij(platform::GridModel &grid, Nummering nummering) const {
  if (m_alles || m_raster.grid != &grid || grid.rows() != m_rasterRijen || nummering != m_nummering)
    return false;
  QVector<int> rijen;      // rows to write whole, by their numbers now
  int hernummer = INT_MAX; // the first row whose number changed
  for (const Wijziging &w : m_wijzigingen) {
    switch (w.soort) {
    case Wijziging::Nieuw:
      if (!grid.insertRows(w.nummer))
        return false;
      for (int &r : rijen)
        if (r >= w.nummer)
          ++r;
      rijen.append(w.nummer);
      hernummer = std::min(hernummer, w.nummer + 1);
      break;
    case Wijziging::Weg:
      if (!grid.removeRows(w.nummer))
        return false;
      rijen.removeAll(w.nummer);
      for (int &r : rijen)
        if (r > w.nummer)
          --r;
      hernummer = std::min(hernummer, w.nummer);
      break;
    case Wijziging::Anders:
      rijen.append(w.nummer);
      break;
    }
  }
  if (grid.rows() != aantal() + 2)
    return false;
  zetRij(grid, 0, kop);
  for (int n : rijen) {
    const platform::GridChanges samen(grid);
    schrijfRij(grid, n, nummering);
  }
  const platform::GridChanges samen(grid);
  for (int n = hernummer; n <= aantal(); ++n)
    grid.setTextMatrix(n, kNummer, nummerVoor(n, nummering));
  return true;
}

void NamenLijst::schrijfIn(platform::GridModel &grid, Nummering nummering) {
  if (!werkBij(grid, nummering))
    schrijfAlles(grid, nummering);
  m_raster.grid = &grid;
  m_rasterRijen = grid.rows();
  m_nummering = nummering;
  m_alles = false;
  m_wijzigingen.clear();
}

} // namespace groups
