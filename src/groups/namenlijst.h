#pragma once
// The players of one names file as the names window and the groups window
// hold them: the headings and the players in the order shown, a player's
// number being their position. The groups window marks the players it takes
// into a slot or the group; a taken player keeps their number. A window shows
// the list in its names grid and reads nothing back from it.
#include "groups/namenbestand.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {
class GridModel;
}

namespace groups {

// The columns of a names grid.
enum NamenKolom { kNummer = 0, kTitel, kVoornaam, kAchternaam, kEmail, kNamenKolommen };

// A player of a names list as the list keeps them.
struct LijstRij {
  Speler speler;
  bool genomen = false; // taken by the groups window
  bool leeg = false;    // speler.leeg(), read once
};

} // namespace groups

// A row moves in memory as its bytes do, so a player taken in at their place
// in a long list moves the rows after them in one go.
Q_DECLARE_TYPEINFO(groups::LijstRij, Q_RELOCATABLE_TYPE);

namespace groups {

class NamenLijst {
public:
  QStringList kop; // the five headings

  // The headings and the players of a names file in file order, none taken.
  void zet(const NamenBestand &bestand);
  // Every player goes; the headings stay.
  void leeg();
  // Whether the players differ from those the list was last set to (zet) or
  // emptied to (leeg), their order aside: a sort alone loses nothing.
  bool gewijzigd() const;

  int aantal() const { return static_cast<int>(m_rijen.size()); }
  // Player number 1 to aantal().
  const Speler &speler(int nummer) const { return m_rijen[nummer - 1].speler; }
  // The number the names window shows: the position, or "" for a player
  // without any text (only blanks or nothing in the four fields).
  QString nummerTekst(int nummer) const;
  // The five cells of the row of a player in the names window: the number
  // shown, title, first name, last name, e-mail address.
  QStringList rij(int nummer) const;
  // A player as text 113 names them: the five cells, blank-separated.
  QString beschrijving(int nummer) const;

  // Sorts the players ascending by a column (kNummer: the number shown) in
  // the generic order of the grids: two numbers by value, other texts
  // alphabetically without regard to case. Players with equal keys keep
  // their order.
  void sorteer(int kolom);
  // Adds a player after the others and sorts the list by last name. A list
  // in last-name order takes the player in at their place at once.
  void voegToe(const Speler &speler);
  // Takes a player out of the list; those after them move up a number.
  Speler neemWeg(int nummer);

  // The groups window's players: free while not taken and holding any text.
  bool vrij(int nummer) const;
  // Takes a player into a slot or the group, or puts them back; numbers
  // outside the list are ignored.
  void neem(int nummer) { zetGenomen(nummer, true); }
  void zetTerug(int nummer) { zetGenomen(nummer, false); }

  // The lines of the names file: the headings, then the row of each player.
  QStringList regels() const;

  enum Nummering {
    NummerMetTekst, // the names window: a player without any text shows no number
    ElkNummer,      // the groups window: every player shows the number group files use
  };
  // Writes the list into a names grid of five columns: the headings in row
  // 0, a row a player from row 1 (a taken player shows the number alone),
  // and one empty row at the end. The grid keeps its place: its top and
  // current row keep their numbers. Written into the same grid again, the
  // list changes only what changed since: the row of a player added comes
  // in at its place and that of a player taken out goes, the numbers under
  // them follow, and a player taken or put back rewrites their row; after
  // anything else (set, emptied, sorted) every row is written, in one step.
  void schrijfIn(platform::GridModel &grid, Nummering nummering);

private:
  using Rij = LijstRij;
  // A change since the list was last written into a grid: a player added
  // or taken out at a number, or a player's row to be written again.
  struct Wijziging {
    enum Soort { Nieuw, Weg, Anders } soort;
    int nummer;
  };
  bool bestaat(int nummer) const { return nummer >= 1 && nummer <= aantal(); }
  void zetGenomen(int nummer, bool genomen);
  // The players' fields, one text each, in sorted order.
  QStringList inhoud() const;
  // The number a grid row shows for a player.
  QString nummerVoor(int nummer, Nummering nummering) const;
  void schrijfRij(platform::GridModel &grid, int nummer, Nummering nummering) const;
  void schrijfAlles(platform::GridModel &grid, Nummering nummering) const;
  bool werkBij(platform::GridModel &grid, Nummering nummering) const;
  void wijzig(Wijziging::Soort soort, int nummer);
  void allesGewijzigd();

  QVector<Rij> m_rijen;
  QStringList m_bewaard; // inhoud() as set or emptied
  // Sorted by last name, in the generic order, while no last name reads as
  // a number: among texts alone that order is consistent, so a player added
  // goes where a sort would put them.
  bool m_opAchternaam = true;
  int m_getallen = 0; // players whose last name reads as a number
  // "1", "2", ...: the numbers shown, made once, as a grid renumbers many.
  mutable QStringList m_nummerTeksten;

  // The grid the list was written into last. A copy of the list was
  // written into none: it writes any grid whole.
  struct Raster {
    QPointer<platform::GridModel> grid;
    Raster() = default;
    Raster(const Raster &) {}
    Raster &operator=(const Raster &) {
      grid.clear();
      return *this;
    }
  };

  // What changed since the list was written into m_raster, which had
  // m_rasterRijen rows then; m_alles: everything.
  QVector<Wijziging> m_wijzigingen;
  bool m_alles = true;
  Raster m_raster;
  int m_rasterRijen = 0;
  Nummering m_nummering = NummerMetTekst;
};

} // namespace groups
