#include "groups/nameninvoer.h"

namespace groups {

void NamenInvoer::naWijziging(const QString &voornaam, const QString &achternaam, bool titel) {
  if (voornaam.trimmed().isEmpty() || achternaam.trimmed().isEmpty()) {
    toevoegen = false;
    return;
  }
  hint = !titel;
  toevoegen = titel;
}

void NamenInvoer::naTitelKlik(const QString &voornaam, const QString &achternaam) {
  const bool getypt = !voornaam.isEmpty() && !achternaam.isEmpty();
  if (getypt && hint) {
    hint = false;
    toevoegen = true;
  } else {
    hint = true;
    toevoegen = false;
  }
}

} // namespace groups
