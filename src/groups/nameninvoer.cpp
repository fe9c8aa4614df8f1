#include "groups/nameninvoer.h"

#include "frame/bas_zemlo.h"

using BAS_Zemlo::Tekst;

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

bool naamIngevuld(const QString &voornaam, const QString &achternaam, const QString &email) {
  return !voornaam.trimmed().isEmpty() || !achternaam.trimmed().isEmpty() ||
         !email.trimmed().isEmpty();
}

Speler nieuweSpeler(bool dhr, bool mevr, const QString &voornaam, const QString &achternaam,
                    const QString &email) {
  const QString titel = mevr ? Tekst(21) : dhr ? Tekst(20) : QString();
  return {titel, voornaam.trimmed(), achternaam.trimmed(), email.trimmed()};
}

int titelVakje(const QString &titel) {
  const QString t = titel.trimmed();
  // Texts 20 and 21 of both languages, by their resource numbers.
  if (t == Tekst(10020) || t == Tekst(11020))
    return 0;
  if (t == Tekst(10021) || t == Tekst(11021))
    return 1;
  return -1;
}

std::optional<QString> herstelTekst(const QString &tekst, Herstel stap) {
  QString t = tekst;
  switch (stap) {
  case Herstel::Punten:
    if (!t.contains(QStringLiteral("..")))
      return std::nullopt;
    return t.replace(QStringLiteral(".."), QStringLiteral("."));
  case Herstel::Apen:
    if (!t.contains(QStringLiteral("@@")))
      return std::nullopt;
    return t.replace(QStringLiteral("@@"), QStringLiteral("@"));
  case Herstel::TweedeAap: {
    const qsizetype eerste = t.indexOf(u'@');
    const qsizetype tweede = eerste < 0 ? -1 : t.indexOf(u'@', eerste + 1);
    if (tweede < 0)
      return std::nullopt;
    return t.left(tweede);
  }
  }
  return std::nullopt;
}

} // namespace groups
