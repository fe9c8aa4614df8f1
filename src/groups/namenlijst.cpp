#include "groups/namenlijst.h"

#include "groups/rasterrij.h"
#include "platform/grid.h"

namespace groups {

void NamenLijst::zet(const NamenBestand &bestand) {
  kop = bestand.kop;
  m_rijen.clear();
  m_rijen.reserve(bestand.spelers.size());
  for (const Speler &s : bestand.spelers)
    m_rijen.append({s, false});
  m_bewaard = inhoud();
}

void NamenLijst::leeg() {
  m_rijen.clear();
  m_bewaard.clear();
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
  return speler(nummer).leeg() ? QString() : QString::number(nummer);
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
  for (int n = 1; n <= aantal(); ++n)
    sleutels.append(rij(n)[kolom]);
  QVector<Rij> gesorteerd;
  gesorteerd.reserve(aantal());
  for (int i : platform::sortedOrder(sleutels, platform::SortGenericAscending))
    gesorteerd.append(m_rijen[i]);
  m_rijen = gesorteerd;
}

void NamenLijst::voegToe(const Speler &speler) {
  m_rijen.append({speler, false});
  sorteer(kAchternaam);
}

Speler NamenLijst::neemWeg(int nummer) {
  if (!bestaat(nummer))
    return {};
  return m_rijen.takeAt(nummer - 1).speler;
}

bool NamenLijst::vrij(int nummer) const {
  if (!bestaat(nummer) || m_rijen[nummer - 1].genomen)
    return false;
  return !speler(nummer).velden().join(QString()).isEmpty();
}

void NamenLijst::zetGenomen(int nummer, bool genomen) {
  if (bestaat(nummer))
    m_rijen[nummer - 1].genomen = genomen;
}

QStringList NamenLijst::regels() const {
  QStringList out{kop.join(u'|')};
  for (int n = 1; n <= aantal(); ++n)
    out.append(rij(n).join(u'|'));
  return out;
}

void NamenLijst::schrijfIn(platform::GridModel &grid, Nummering nummering) const {
  grid.setRows(aantal() + 2);
  zetRij(grid, 0, kop);
  for (int n = 1; n <= aantal(); ++n) {
    const QString nummer = nummering == ElkNummer ? QString::number(n) : nummerTekst(n);
    zetRij(grid, n,
           m_rijen[n - 1].genomen ? QStringList{nummer} : QStringList{nummer} + speler(n).velden());
  }
  zetRij(grid, aantal() + 1, {});
}

} // namespace groups
