#pragma once
// The working state of the preparation window and the rules it asks: the
// pairs and sit-out pair of a group file, the spinners, which schemas fit,
// which one is chosen and whether Start may run.
#include "preparation/invoerkop.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace preparation {

// The pairs of a group: every line that is not blank is a pair; the line equal
// to the sit-out line (not trimmed) makes the pair at its place sit out. An
// odd count gets one more pair, which sits out in place of any other.
struct GroepParen {
  int paren = 0;
  int stilzit = 0; // 0 when no pair sits out
};
GroepParen TelParen(const QStringList &regels, const QString &stilzitRegel);
// The pairs of a group file, with the sit-out line of the current language;
// nothing when the file is missing, empty or cannot be read.
std::optional<GroepParen> LeesGroepParen(const QString &pad);

// A spinner's value after a step past either end of a list of that many
// items: below 0 the last index, past the last index 0.
int Wikkel(int waarde, int aantal);

// The message for a schema that cannot be used: text 141 when its file is
// missing or empty, text 190 when it does not read as a schema, text 207 when
// it reads but does not fit the header given (SchemaPastBijKop), text 210
// when its file is there but cannot be read, each naming
// schema/<iTaal>/<name>.txt; "" when it can be used.
QString SchemaFoutTekst(const QString &sSchema, const std::optional<InvoerKop> &kop = {});

// What a results file chosen in the list means for the window.
struct Avond {
  // False when its header is cut short or damaged, or its name holds no
  // group: the evening is not used, and only melding is set.
  bool bruikbaar = false;
  QString sGroepBestand;  // the group file, "<group>.txt"
  QString sInvoerBestand; // the results file, "<name>.txt"
  // The way of entry of the header's last line; read only when its schema is
  // listed and can be used.
  std::optional<int> invoerWijze;
  // The message to show: text 190 for a damaged header, text 141, 190, 207
  // or 210 for a schema that cannot be used; "" when there is none.
  QString melding;
};

// What deleting a listed file removes, and whether the window's choices go
// with it.
struct Wissen {
  QString pad;
  bool keuzesWeg = false;
};
// Deleting a group file removes only that file: its e-mail companion and its
// results file stay. The choices go when the group is the one chosen for a
// new evening.
Wissen WisGroep(const QString &naam, const QString &sGroepBestand, const QString &sInvoerBestand);
// Deleting a results file removes that file; every choice goes with it.
Wissen WisInvoer(const QString &naam);

// What the preparation window shows and has chosen.
class Voorbereiding {
public:
  // The spinners' lists: "12" down to "3" rounds, "9" down to "1" boards.
  static QStringList RondeNummers();
  static QStringList SpelNummers();

  Voorbereiding();

  QString groep;       // the group name, without ".txt"
  QString paren;       // the number of pairs as shown
  QString stilzit;     // the sit-out pair as shown, or text 54
  QString ronden;      // the rounds as shown
  QString spellen;     // the boards per round as shown
  int rondeIndex = 0;  // the rounds spinner: an index into RondeNummers()
  int spelIndex = 0;   // the boards spinner: an index into SpelNummers()
  QStringList schemas; // the schemas that fit the pairs and rounds
  int schema = -1;     // the chosen one, -1 while none is

  // The rounds and boards a new evening begins with: 6 rounds of 4 boards.
  void standaardSpinners();
  // The rounds spinner moved to waarde; one step past either end of the list
  // wraps to the other. The schemas for the new rounds are listed.
  void stapRonden(int waarde);
  // The boards spinner moved to waarde, wrapping the same way.
  void stapSpellen(int waarde);

  // A group file chosen: its name and pairs, the rounds and boards a new
  // evening begins with, and the schemas that fit them, none chosen.
  void kiesGroep(const QString &naam, const GroepParen &telling);
  // An earlier evening chosen by its results name (without ".txt"), with its
  // header as read (nothing when it could not be): the pairs and sit-out pair
  // as the header gives them, the spinners on its rounds and boards, the
  // schemas for them and, when it can be used, the header's schema chosen.
  // A header that cannot be used changes nothing.
  Avond kiesAvond(const QString &naam, const std::optional<InvoerKop> &kop);
  // Nothing shown, no schema listed.
  void wis();

  // Lists the schemas for the pairs and rounds shown; none is chosen then.
  void lijstSchemas();
  // A click on a listed schema: chosen, it is the one; unchosen, none is.
  void kiesSchema(int index, bool gekozen);
  // The listed schema whose name equals the text without regard to case,
  // chosen; false when none is listed.
  bool kiesSchema(const QString &naam);
  QString gekozenSchema() const;

  // Start is offered while a listed schema is chosen.
  bool magStarten() const;
  // An earlier evening goes on in its entry window only when Start could run
  // and its schema can be used.
  bool magInvoerOpenen(const QString &sInvoerBestand) const;

  // The header of a new results file for the group file sGroepBestand. Its
  // title is taken from that name, not from the group shown, which a refused
  // group empties while the chosen group stays.
  InvoerKop kop(const QString &sGroepBestand, int iInvoerWijze) const;
};

} // namespace preparation
