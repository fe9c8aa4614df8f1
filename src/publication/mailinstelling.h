#pragma once
// The e-mail settings as the two settings windows keep them: the own
// address, the name that signs the mails and the provider, with the rules on
// what may be typed and saved.
#include <QChar>
#include <QString>
#include <optional>

namespace publication {

// The keys of standaard.ini. The address key is written with the section
// "standaard", the others with "Standaard"; both name one section.
inline const QString kSectieAdres = QStringLiteral("standaard");
inline const QString kSectie = QStringLiteral("Standaard");
inline const QString kSleutelAdres = QStringLiteral("eigen e-mail adres");
inline const QString kSleutelNaam = QStringLiteral("Naam voor e-mail");
inline const QString kSleutelProvider = QStringLiteral("provider");

// The provider index of a stored value: 1 for a value that reads as 1, else 0
// (a missing key, 0, or anything but the two providers there are).
int ProviderIndex(const QString &waarde);

// What is wrong with an address being typed that typing on cannot mend: a
// second "@" gives '@', two dots in a row give '.'; nothing otherwise.
std::optional<QChar> AdresFout(const QString &adres);

// The first character of a text that standaard.ini (Windows-1252) cannot
// keep, whole (a pair of surrogates stays together); nothing when it can
// keep them all.
std::optional<QString> NietTeBewaren(const QString &tekst);
// The first character of a name for e-mail that may not be kept: one that
// standaard.ini cannot keep, or a control character (a tab pasted, say),
// which would sign the mails unseen; nothing when there is none.
std::optional<QString> NaamNietTeBewaren(const QString &naam);

// The own address as standaard.ini keeps it: as typed, unless Windows-1252
// cannot write its domain; then with the domain in its ASCII (IDNA) form,
// which names the same mailbox. Nothing is ever kept as "?".
QString BewaarAdres(const QString &adres);

// Whether an address box that changed from vorig to nieuw says that no
// server takes a letter beyond ASCII before the "@" (text 191): when nieuw
// holds such a letter there and vorig did not. Once is enough while the
// director types on; the message comes again only after the letter was gone.
bool MeldLokaalDeel(const QString &vorig, const QString &nieuw);

// Characters the address box of the settings window drops as they are typed.
bool IsGeweigerdInInstelling(QChar c);
// Characters the address box of the mail-settings-file window drops.
bool IsGeweigerdInTestAdres(QChar c);

// The message of the mail-settings-file window for an address fault; fixed
// Dutch texts in either language.
QString TestAdresMelding(QChar fout);

// The settings window's state: OK may save when the address is a valid one
// and the name is neither blank nor holds a line break, another control
// character or a character that standaard.ini cannot keep.
struct MailInstelling {
  QString adres;
  QString naam;
  int provider = 0;
  bool magOpslaan() const;
};

// The test mail may go when MAIL.TXT was fetched in the window and the
// address is a valid one.
bool MagTestMailSturen(bool gedownload, const QString &adres);

} // namespace publication
