#pragma once
// The entry part of the names window: whether the title hint shows and
// whether Add may be used, the player that Add makes of the entry boxes, the
// title box that a player's title ticks, and the clean-up of a typed text.
#include "groups/namenbestand.h"

#include <QString>
#include <optional>

namespace groups {

struct NamenInvoer {
  bool hint = false;      // the hint "Klik op Titel" shows
  bool toevoegen = false; // Add is enabled

  // A change of an entry box. With both names filled (blanks aside) the hint
  // shows exactly while no title is ticked, and Add is enabled exactly while
  // one is; with a name missing Add is disabled and the hint stays as it is.
  void naWijziging(const QString &voornaam, const QString &achternaam, bool titel);
  // A click of a title box, once its tick (and the other box's) has changed.
  // With both names typed (blanks count) and the hint showing, the hint goes
  // and Add is enabled; otherwise the hint shows and Add is disabled.
  void naTitelKlik(const QString &voornaam, const QString &achternaam);
};

// Whether the entry boxes hold a name not added to the list: any of the
// three boxes not blank.
bool naamIngevuld(const QString &voornaam, const QString &achternaam, const QString &email);

// The player that Add makes: the title of the box ticked (text 20 or 21 in
// the language in use; the second when both are), the names and the address
// trimmed.
Speler nieuweSpeler(bool dhr, bool mevr, const QString &voornaam, const QString &achternaam,
                    const QString &email);

// The title box that a player's title ticks when the row goes back into the
// entry boxes: 0 for "Dhr." or "Mr.", 1 for "Mevr." or "Mrs.", in either
// language and blanks aside; -1 for any other title and for none.
int titelVakje(const QString &titel);

// The clean-up of an entry box after each key release, step by step on the
// box's current text: Punten makes every ".." one "." in one pass from the
// left (so "..." becomes ".."), Apen every "@@" one "@", TweedeAap cuts the
// text before its second "@". A step gives the text it makes, or nothing
// when it has nothing to do.
enum class Herstel { Punten, Apen, TweedeAap };
std::optional<QString> herstelTekst(const QString &tekst, Herstel stap);

} // namespace groups
