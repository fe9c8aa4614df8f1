#pragma once
// Group files: groepen/<date> Groep <letter>.txt, one entry a line, the line's
// position being the pair number; a pair line is
// "<number A>|<name A>+<number B>|<name B>", each name " title first last";
// the sit-out line StilzitRegel marks the pair that sits out. The companion
// groepen/<date> Groep <letter>.mail holds two lines a pair, one a player:
// number|title|first name|last name|e-mail address.
#include "groups/namenbestand.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace groups {

// "***** " text 34 " *****" in the current language.
QString StilzitRegel();
// A line is the sit-out line for the groups window when it holds "**".
bool isStilzitRegel(const QString &regel);

// A player's name in a group: one blank, title, blank, first name, blank, last name.
QString spelerNaam(const Speler &speler);

struct GroepSpeler {
  int nummer = 0; // position in the names file; 0 when unreadable
  QString naam;   // as in the line, with its leading blank
};

struct GroepRegel {
  QString regel; // the line as it stands
  bool stilzit = false;
  GroepSpeler a, b;
};

QString paarRegel(const GroepSpeler &a, const GroepSpeler &b);
// Cuts a line into its two players; a sit-out line is marked as such.
GroepRegel leesGroepRegel(const QString &regel);
// The entries of a group file; blank lines are skipped.
QVector<GroepRegel> leesGroepRegels(const QStringList &regels);
std::optional<QVector<GroepRegel>> leesGroepBestand(const QString &pad);

// Writes the group file and then its companion (groepen is made when missing).
TweelingOpslag schrijfGroepBestand(const QString &naam, const QStringList &groep,
                                   const QStringList &mail);

// The file name of a group: the date up to its first ".", text 125 and the letter.
QString groepBestandNaam(const QString &datum, const QString &letter);
// The paths in groepen of a group named without ".txt" and of its companion,
// found without regard to letter case; a new companion takes the letters of
// its group file.
QString groepPad(const QString &naam);
QString groepMailPad(const QString &naam);
// A results file in invoer, its name (with ".txt") matched in any letter case.
QString invoerPad(const QString &sInvoerBestand);
// The results file of a group: invoer/<name> Uitslag.txt (text 70), in any
// letter case.
QString uitslagPad(const QString &naam);

// Cuts "<date> Groep <letter>" at " " text 125 into the date and the letter;
// "Groep" is matched in any letter case and the letter is read in capitals.
struct GroepNaamDelen {
  QString datum;
  QString letter;
};
GroepNaamDelen splitsGroepNaam(const QString &naam);

// The group files of groepen whose name holds text 125 of the current
// language and ends in ".txt" (both without regard to case), ordered by name.
QVector<LijstBestand> groepBestanden(bool omgekeerd);

} // namespace groups
