#pragma once
// Names files: namen/<name>.txt and its identical twin namen/<name>.mail.
// A header line, then one player a line: number|title|first name|last name|
// e-mail address. The number is the player's position below the header.
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace groups {

struct Speler {
  QString titel;
  QString voornaam;
  QString achternaam;
  QString email;

  bool leeg() const;
  // The four fields after the number, as cells of a names grid row.
  QStringList velden() const { return {titel, voornaam, achternaam, email}; }
};

struct NamenBestand {
  QStringList kop; // five headings
  QVector<Speler> spelers;
};

// The headings of a fresh names list in the current language.
QStringList standaardKop();

// One player line with its number.
QString spelerRegel(int nummer, const Speler &speler);

// Splits a line as the readers of names files do: one "|" at the end is
// dropped, missing fields are empty, fields past the fifth are dropped.
QStringList namenVelden(const QString &regel);

// Reads lines of a names file. Blank lines are skipped; the first non-blank
// line is the header; the number field is not trusted (the position counts).
NamenBestand leesNamenRegels(const QStringList &regels);
// Reads namen/<naam>.txt (any path); nothing when it cannot be read.
std::optional<NamenBestand> leesNamenBestand(const QString &pad);

// The path of a names file, found without regard to letter case:
// namen/Club.TXT is the file of the names "Club" and "club". A file that is
// not there yet gets the name as given.
QString namenPad(const QString &naam);

// The path of the twin (extension ".mail") of a file in the same folder,
// found without regard to letter case; a new one takes the file's letters.
QString tweelingPad(const QString &pad, const QString &extensie);

// The name of a names list as the file-name box gives it: its text up to
// its first ".txt", all of it when it holds none.
QString namenLijstNaam(const QString &tekst);

// What saving a ".txt" and then its ".mail" twin wrote. The twin is written
// only after the ".txt"; a ".txt" written stands whatever its twin does.
struct TweelingOpslag {
  bool txt = false;  // the ".txt" was written
  bool mail = false; // and then its ".mail" twin
  QString mislukt;   // the path of the file that was not written; "" when both were
};

// Writes namen/<naam>.txt and then namen/<naam>.mail with the same lines,
// each over the file of that name in any letter case.
TweelingOpslag schrijfNamenBestand(const QString &naam, const QStringList &regels);
// Writes the lines to the ".txt" at pad and then mailRegels to its ".mail"
// twin (tweelingPad).
TweelingOpslag schrijfTweeling(const QString &pad, const QStringList &regels,
                               const QStringList &mailRegels);

// A file listed in a folder: as shown (without ".txt") and its file name.
struct LijstBestand {
  QString naam;
  QString bestand;
};
// The ".txt" files of a folder whose name holds woord (any file when woord
// is empty), in the alphabetical order of their file names without regard
// to case (descending when omgekeerd). ".txt" and woord are matched without
// regard to case. Names that differ only in letter case are one file: it is
// listed once, as the file that opening the name finds.
QVector<LijstBestand> txtBestanden(const QString &map, bool omgekeerd, const QString &woord = {});
// The names files of namen, in that order.
QVector<LijstBestand> namenBestanden(bool omgekeerd);

// Refused characters. The name boxes refuse text 43, the double quote and
// "-"; the e-mail box text 43 without "." and "@", and the double quote.
// Both also refuse "|" (the field separator) and line breaks.
QString verbodenInNaam();
QString verbodenInEmail();
// The file-name box refuses the shared set sVerbodenTekens, "|" and line breaks.
QString verbodenInBestandsnaam();
// The list of refused characters shown in text 44 for the entry boxes (a
// "|" would show as a line break there, so it is refused without being named).
QString verbodenTekst();
bool bevatVerboden(const QString &tekst, const QString &verboden);
// Whether an edit from oud to nieuw adds a refused character: one that nieuw
// holds more often than oud. A refused character that was there already (a
// name written by hand) may stay while the rest is edited.
bool voegtVerbodenToe(const QString &oud, const QString &nieuw, const QString &verboden);

} // namespace groups
