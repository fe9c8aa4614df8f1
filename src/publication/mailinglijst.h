#pragma once
// The players of an evening and their addresses in the group's .mail file:
// who gets the result, the address list for the clipboard, and the texts of
// the result mail.
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace publication {

// A usable line of a group's .mail file: its names (fields 1 to the
// second-last, each followed by one blank) and its address (the last field).
struct MailRegel {
  QString namen;
  QString adres;
};

// The lines of three fields or more whose names are not blank.
QVector<MailRegel> LeesMailingLijst(const QStringList &regels);

// Two names are the same when they hold the same words in the same order;
// the blanks between and around them do not count.
bool ZelfdeNaam(const QString &a, const QString &b);

// A player of the evening and what the .mail file has for them.
struct Ontvanger {
  QString speler; // as the player list gives the name
  QString namen;  // the names of the line taken; "" when none was
  QString adres;  // the address, trimmed; "" when there is no usable one
  bool heeftAdres() const { return !adres.isEmpty(); }
};

// Every player in order, each given the first line not yet taken that bears
// the same whole name. A line serves one player only, so two players of one
// name take two lines in file order. A line whose address is not a valid one
// gives its player no address.
QVector<Ontvanger> KoppelSpelers(const QStringList &spelers, const QVector<MailRegel> &regels);

// How a mailing went: how many players were mailed, whether a send failed,
// and the players who got nothing, in player order.
struct MailingUitkomst {
  int verstuurd = 0;
  bool mislukt = false;
  QStringList nietVerstuurd;
};

// Mails the players in order through verstuur (true: the mail was sent),
// each player with an address once. A player without an address gets
// nothing and the run goes on; the first failed send ends the run, and that
// player and every one after it get nothing.
MailingUitkomst VerstuurMailing(const QVector<Ontvanger> &ontvangers,
                                const std::function<bool(const Ontvanger &)> &verstuur);

// The clipboard's address list: every address followed by "; ", in player order.
QString AdresKopie(const QVector<Ontvanger> &ontvangers);

// The send button of the result window: shown when the group's .mail file
// is there and the own address and the name for e-mail are set (both
// trimmed), enabled while MAIL.TXT is usable.
struct VerstuurKnop {
  bool zichtbaar = false;
  bool ingeschakeld = false;
};
VerstuurKnop VerstuurKnopStaat(bool mailBestand, const QString &eigenAdres, const QString &naam,
                               bool mailTxtFout);

// The subject of the result mail: the caption trimmed, without "(" and ")".
QString UitslagTitel(const QString &caption);

// The body of the result mail from text 155: "*" the version, "$" the title,
// "%" the sender's name, "|" a line feed, "#" the names of the player's line,
// replaced in that order.
QString UitslagMailTekst(const QString &tekst155, const QString &versie, const QString &titel,
                         const QString &naam, const QString &namen);

// The closing message of a mailing: text 156 when a send failed, else text
// 157 when anybody was mailed; then how many of the players were mailed
// (text 182) and the names of those who were not (text 183).
QString MailingMelding(bool mislukt, int verstuurd, int spelers, const QStringList &nietVerstuurd);

} // namespace publication
