#include "publication/mailinstelling.h"

#include "platform/numbers.h"
#include "platform/textfile.h"
#include "publication/mailbericht.h"

namespace publication {

int ProviderIndex(const QString &waarde) {
  return platform::roundHalfEven(platform::val(waarde)) == 1 ? 1 : 0;
}

std::optional<QChar> AdresFout(const QString &adres) {
  if (adres.count(u'@') >= 2)
    return u'@';
  if (adres.contains(QStringLiteral("..")))
    return u'.';
  return std::nullopt;
}

std::optional<QString> NietTeBewaren(const QString &tekst) { return platform::firstNonAnsi(tekst); }

std::optional<QString> NaamNietTeBewaren(const QString &naam) {
  return platform::firstUnsavable(naam);
}

QString BewaarAdres(const QString &adres) {
  if (!NietTeBewaren(adres) || !IsGeldigAdres(adres))
    return adres;
  return VerzendAdres(adres);
}

bool MeldLokaalDeel(const QString &vorig, const QString &nieuw) {
  return LokaalDeelBuitenAscii(nieuw) && !LokaalDeelBuitenAscii(vorig);
}

bool IsGeweigerdInInstelling(QChar c) {
  static const QString kGeweigerd = QStringLiteral("!#$%^&*()+=:;'}|{'><?/\\,[] ");
  return kGeweigerd.contains(c);
}

bool IsGeweigerdInTestAdres(QChar c) {
  static const QString kGeweigerd = QStringLiteral("<>#%$*&:;\\/?,'[]=+`~^(){}\"");
  return kGeweigerd.contains(c);
}

QString TestAdresMelding(QChar fout) {
  return QStringLiteral("Geen geldig emailadres.\nVerwijder \u00e9\u00e9n < ") + fout +
         QStringLiteral(" >");
}

bool MailInstelling::magOpslaan() const {
  return IsGeldigAdres(adres) && !naam.trimmed().isEmpty() && IsVeiligeKopWaarde(naam) &&
         !NaamNietTeBewaren(naam);
}

bool MagTestMailSturen(bool gedownload, const QString &adres) {
  return gedownload && IsGeldigAdres(adres.trimmed());
}

} // namespace publication
