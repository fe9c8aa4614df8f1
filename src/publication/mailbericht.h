#pragma once
// One e-mail message as bytes (headers, a text body, attachments), the checks
// on what goes into its headers, and the mail server of a provider's settings.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace publication {

// An ordinary e-mail address: one "@" with text on both sides, a dot in the
// part after it that neither begins nor ends it, no "..", no blanks, line
// breaks or other control characters, and none of the characters that mark
// the parts of an address header ("<>()[]\,;:" and '"'). The part before
// the "@" is plain ASCII; the domain may hold other letters when it has an
// ASCII (IDNA) form.
bool IsGeldigAdres(const QString &adres);

// True when the part before the "@" (the whole text while it has none) holds
// a character beyond ASCII: no server takes such an address.
bool LokaalDeelBuitenAscii(const QString &adres);

// A valid address as it goes to the server, in the envelope and in the
// headers: a domain beyond ASCII in its ASCII (IDNA) form; "" for an address
// that is not valid.
QString VerzendAdres(const QString &adres);

// A value that may go into a mail header: no line break and no other
// control character.
bool IsVeiligeKopWaarde(const QString &waarde);

// Blanks (character 32) removed at both ends; line breaks stay.
QString TrimSpaties(const QString &tekst);

struct Bijlage {
  QString naam;      // the file name the receiver sees
  QByteArray inhoud; // the file's bytes
};

struct Bericht {
  QString van;         // the sender's address
  QString vanNaam;     // the sender's display name ("" : none)
  QString antwoordAan; // the address that replies go to ("" : none)
  QString aan;         // the recipient's address
  QString onderwerp;
  QString tekst; // line breaks are line feeds
  QVector<Bijlage> bijlagen;
};

// The date of a message as its Date header writes it: "Tue, 12 Mar 2024
// 21:30:05 +0100", in English whatever the language.
QString DatumKop(const QDateTime &moment);

// The message as it goes to the server: CR LF line ends; the text body in
// UTF-8, quoted-printable; each attachment in base64, a page (.html or .htm)
// as text/html in Windows-1252, anything else as octets; names and subject
// outside plain ASCII as encoded words, addresses as VerzendAdres gives them.
// berichtId is the Message-ID without its angle brackets; grens separates the
// parts. Nothing when an address is not valid or a header value holds a line
// break: such a message is never sent.
std::optional<QByteArray> MaakBericht(const Bericht &bericht, const QDateTime &moment,
                                      const QString &berichtId, const QString &grens);

// The mail server of a provider: its nine items in the order of the
// provider list (0 the greeting name, 1 host, 2 port, 3 implicit TLS, 4
// user, 5 password, 6 STARTTLS required, 7 the sender's address, 8 the
// sender's name).
struct MailServerInstelling {
  QString groet; // the name to greet the server with
  QString host;
  int poort = 0;
  bool tls = false;      // TLS from the first byte
  bool startTls = false; // STARTTLS, required
  QString gebruiker;     // log in only when not empty
  QString wachtwoord;
  QString adres; // the sender's address
  QString naam;  // the sender's display name
};

// "True" or "False" (any letter case) or a number, 0 being False; nothing
// for any other text.
std::optional<bool> LeesWaarheid(const QString &tekst);

// The greeting name: the given name when it is a host name (letters,
// digits, "-" and "."), else this machine's name, else "localhost".
QString GroetNaam(const QString &gegeven, const QString &machine);

// The server of a provider's items, the greeting name taken from the first
// provider's item 0; nothing when the items are fewer than nine, the port is
// not a number from 1 to 65535, a flag does not read, the host is empty or
// holds a blank, or the sender's address is not valid.
std::optional<MailServerInstelling> LeesProvider(const QStringList &items, const QString &groetItem,
                                                 const QString &machine);

// Numbers that VerstuurMail leaves in lMailFout when it refuses a message
// before any server is asked. The mail sender's own failures are positive.
constexpr long kFoutMailTxt = -1;    // MAIL.TXT is missing, damaged or lacks the provider
constexpr long kFoutWaarde = -2;     // an address or header value that may not be sent
constexpr long kFoutBijlage = -3;    // an attachment that cannot be read
constexpr long kFoutEigenAdres = -4; // the own address is not a valid one

} // namespace publication
