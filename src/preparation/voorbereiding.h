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
// missing or empty, text 190 when it does not read as a schema, each naming
// schema/<iTaal>/<name>.txt; "" when it can be used.
QString SchemaFoutTekst(const QString &sSchema);

// What the preparation window shows and has chosen.
class Voorbereiding {
public:
  // The spinners' lists: "12" down to "3" rounds, "9" down to "1" boards.
  static QStringList RondeNummers();
  static QStringList SpelNummers();

  QString groep;   // the group name, without ".txt"
  QString paren;   // the number of pairs as shown
  QString stilzit; // the sit-out pair as shown, or text 54
  QString ronden = QStringLiteral("6");
  QString spellen = QStringLiteral("4");
  QStringList schemas; // the schemas that fit the pairs and rounds
  int schema = -1;     // the chosen one, -1 while none is

  // A group file chosen: its name and pairs.
  void toonGroep(const QString &naam, const GroepParen &telling);
  // An earlier evening: the header as it stands.
  void toonKop(const QString &naam, const InvoerKop &kop);
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
