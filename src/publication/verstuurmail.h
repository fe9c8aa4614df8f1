#pragma once
// Sending one e-mail with the provider settings of MAIL.TXT.
#include <QString>
#include <QStringList>

class QWidget;

// True when the own address is empty or a valid one. Otherwise a box names
// it as the own address, lMailFout becomes kFoutEigenAdres, and false.
bool ToetsEigenAdres(const QString &sEigenAdres, QWidget *parent = nullptr);

// Sends one message from the provider chosen in standaard.ini: the provider's
// address and name as the sender, sEigenAdres (when not empty) for replies,
// the trimmed sAan as the recipient, the trimmed subject and body, and each
// path of bijlagen, whole, as an attachment. Addresses go
// out with their domain in its ASCII form. lMailFout gets 0 when the server
// took the message and a number otherwise, and sMailFout what went wrong; a
// failure is reported in a box without icon. An unusable MAIL.TXT, an own
// address that is not valid (ToetsEigenAdres), an address or header value
// that may not be sent, or an attachment that cannot be read refuse the
// message before any server is asked, and set lMailFout too.
void VerstuurMail(const QString &sEigenAdres, const QString &sOnderwerp, const QString &sAan,
                  const QStringList &bijlagen, const QString &sTekst, QWidget *parent = nullptr);
