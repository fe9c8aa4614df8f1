#pragma once
// The state of the entry part of the names window: whether the title hint
// shows and whether Add may be used, after each change of the entry boxes
// and each click of a title box.
#include <QString>

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

} // namespace groups
