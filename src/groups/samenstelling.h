#pragma once
// What the groups window works on while a group is composed: the names file
// read, the two slots, the entries of the group with their players, the date
// and the letter. The window shows this state and asks it what may be done.
#include "groups/groepbestand.h"
#include "groups/namenbestand.h"
#include "groups/namenlijst.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace platform {
class GridModel;
}

namespace groups {

// The group letters "Z" down to "A": index 25 is "A".
QStringList groepLetters();
constexpr int kLetterA = 25;

// "1 Paar in groep" for one entry, "<n> Paren in groep" otherwise (texts 41, 32, 42).
QString aantalParenTekst(int n);

// A slot of the window: a player picked from the names list.
struct Slot {
  int nummer = 0; // the player's number, their row in the names grid
  QString naam;   // " title first last"; "" while the slot is free
  QString terug;  // the player's line, number|title|first|last|address
  bool vrij() const { return naam.isEmpty(); }
};

// A player of a pair in the group.
struct Lid {
  int nummer = 0;
  QString naam;          // as in the pair line, with its leading blank
  QString mail;          // the player's companion line; "" when there is none
  bool uitNamen = false; // taken from the names list, so given back with the pair
};

// One entry of the group: a pair or the sit-out line.
struct Entry {
  QString regel; // the line of the group file
  QString tekst; // what the group grid shows
  bool stilzit = false;
  std::array<Lid, 2> leden;
};

// The number in the names list of a player of a reloaded group: the
// player's number when that player is still free and has the same name
// (letter case aside); -1 when the player is not found.
int vindSpeler(const NamenLijst &namen, const GroepSpeler &speler);
// The companion line of a player: the first line with the player's number
// and name; -1 when none has both.
int vindMailRegel(const QStringList &regels, const GroepSpeler &speler);

class Samenstelling {
public:
  NamenLijst namenLijst;      // the players of the names file read
  std::array<Slot, 2> vakken; // the two slots
  QVector<Entry> entries;
  QString datum;         // the date the group file is named by
  int letter = kLetterA; // index in groepLetters()

  // Takes the players of a names file, in file order, and starts an empty group.
  void leesNamen(const NamenBestand &bestand);
  // Forgets the names file: the list keeps the headings given and no player.
  void vergeetNamen(const QStringList &kop);
  // Empties the group and both slots.
  void leegGroep();

  // Puts a free player into the free slot, taking them from the names list;
  // the slot, or -1 when the player is not free or both slots are filled.
  int kiesSpeler(int nummer);
  // Puts a slot's player back into the list; false when the slot was free.
  bool geefSlotTerug(int slot);
  // Adds the players of both slots as a pair and frees the slots; false when
  // a slot is free.
  bool voegPaarToe();
  // Adds the sit-out entry; false when the group holds one.
  bool voegStilzitToe();
  // Takes an entry out; the players it took from the names list go back.
  // False when there is no such entry.
  bool neemUit(int index);
  // Reloads a group: its lines as they stand; each player found in the
  // names list (by number and name) is taken from it and gets their line as
  // companion line; a player not found keeps their line of the group's own
  // companion.
  void herlaad(const QVector<GroepRegel> &regels, const QStringList &companion);

  bool namenGelezen() const { return m_namenGelezen; }
  // A group composed and not saved: it holds entries, and they are not those
  // it was emptied to or reloaded with. A save empties it.
  bool onbewaard() const { return aantal() > 0 && groepRegels() != m_bewaard; }
  bool slotsVol() const { return !vakken[0].vrij() && !vakken[1].vrij(); }
  // The entries, pairs and the sit-out entry together.
  int aantal() const { return static_cast<int>(entries.size()); }
  bool heeftStilzit() const;
  // The pair-count warning: an odd number of entries that holds the sit-out
  // line of the current language.
  bool kanNiet() const;
  bool kalenderMag() const { return aantal() >= 1 && !kanNiet(); }
  bool stilzitMag() const { return namenGelezen() && !heeftStilzit(); }
  // Save needs a date, at least one entry and a pair count that is right.
  bool magOpslaan() const { return !datum.trimmed().isEmpty() && aantal() >= 1 && !kanNiet(); }
  QString letterTekst() const { return groepLetters().value(letter); }
  // No date, and the letter back to "A": what a new group starts with.
  void wisDatumEnLetter() {
    datum.clear();
    letter = kLetterA;
  }
  // Sets the letter from the group-letter scroll value, wrapping below 0
  // to "A" and above 25 to "Z"; the value the scroll bar is to take.
  int zetLetter(int waarde);

  // The lines of the group file and of its companion.
  QStringList groepRegels() const;
  QStringList mailRegels() const;
  // Writes the entries into the group grid: one row each, numbered, and one
  // empty row at the end.
  void vulGroepRaster(platform::GridModel &groepen) const;

private:
  bool m_namenGelezen = false;
  QStringList m_bewaard; // the group's lines when emptied or reloaded
};

// Text 176: the group file named cannot be changed, its scores are entered.
QString groepVastTekst(const QString &naam);

// What Save does with the group composed, decided before anything is written.
struct GroepOpslaan {
  enum Stap {
    Niets,     // no entry: there is nothing to save
    Melden,    // refused, tekst says why: 46 the pair count, 203 no date, 176 scores entered
    Vragen,    // the group file is there: tekst asks whether to overwrite it (26)
    Schrijven, // written at once
  };
  Stap stap = Niets;
  QString naam;    // the group's name from date and letter, without ".txt"
  QString bestand; // its file name as found in groepen (any letter case), with ".txt"
  QString tekst;
};
GroepOpslaan opslaanStap(const Samenstelling &s);

// What deleting a listed group file asks, and the files it then removes: the
// group file and its companion, and its results file when there is one
// (text 177 warns of it; text 47 asks otherwise).
struct GroepWissen {
  QString vraag;
  QStringList paden;
};
GroepWissen wisGroepStap(const QString &naam);

} // namespace groups
