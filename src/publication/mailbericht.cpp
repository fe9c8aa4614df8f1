#include "publication/mailbericht.h"

#include "platform/numbers.h"

#include <QTimeZone>
#include <QUrl>

namespace publication {

namespace {

constexpr int kRegelLengte = 76; // encoded lines of a body
constexpr int kKopLengte = 78;   // header lines, where they can be folded

bool isAscii(const QString &s) {
  for (QChar c : s)
    if (c.unicode() < 32 || c.unicode() > 126)
      return false;
  return true;
}

// Encoded words (RFC 2047, UTF-8, base64) of at most 75 characters each,
// never splitting a character, joined by a folding line break.
QByteArray gecodeerdeWoorden(const QString &tekst) {
  // 52 base64 characters: a word of 64, which leaves room for "Subject: ".
  constexpr int kMaxBytes = 39;
  QList<QByteArray> woorden;
  QByteArray stuk;
  for (const char32_t cp : tekst.toUcs4()) {
    const QByteArray teken = QString::fromUcs4(&cp, 1).toUtf8();
    if (stuk.size() + teken.size() > kMaxBytes) {
      woorden.append(stuk);
      stuk.clear();
    }
    stuk += teken;
  }
  if (!stuk.isEmpty() || woorden.isEmpty())
    woorden.append(stuk);
  QByteArray uit;
  for (qsizetype i = 0; i < woorden.size(); ++i) {
    if (i > 0)
      uit += "\r\n ";
    uit += "=?UTF-8?B?" + woorden[i].toBase64() + "?=";
  }
  return uit;
}

// An unstructured header (the subject): plain when it is printable ASCII,
// folded at blanks to keep lines short; encoded words otherwise.
QByteArray kopRegel(const QByteArray &naam, const QString &waarde) {
  if (!isAscii(waarde))
    return naam + ": " + gecodeerdeWoorden(waarde);
  QByteArray uit = naam + ":";
  qsizetype regel = uit.size();
  const QList<QByteArray> woorden = waarde.toLatin1().split(' ');
  for (qsizetype i = 0; i < woorden.size(); ++i) {
    const QByteArray &w = woorden[i];
    // The first word stays on the header's line; later ones fold before
    // their blank when the line would grow too long.
    if (i > 0 && regel + 1 + w.size() > kKopLengte && regel > 1) {
      uit += "\r\n";
      regel = 0;
    }
    uit += ' ' + w;
    regel += 1 + w.size();
  }
  return uit;
}

// A display name and an address: "Name" <a@b.nl>, or the address alone.
QByteArray adresKop(const QString &naam, const QString &adres) {
  const QByteArray a = VerzendAdres(adres).toLatin1();
  if (naam.trimmed().isEmpty())
    return a;
  QByteArray frase;
  if (isAscii(naam)) {
    frase = '"' + naam.toLatin1().replace('\\', "\\\\").replace('"', "\\\"") + '"';
  } else {
    frase = gecodeerdeWoorden(naam);
  }
  return frase + " <" + a + '>';
}

QByteArray quotedPrintable(const QString &tekst) {
  const QList<QByteArray> regels = tekst.toUtf8().split('\n');
  QByteArray uit;
  for (qsizetype r = 0; r < regels.size(); ++r) {
    if (r > 0)
      uit += "\r\n";
    const QByteArray &regel = regels[r];
    int lengte = 0;
    for (qsizetype i = 0; i < regel.size(); ++i) {
      const auto b = static_cast<unsigned char>(regel[i]);
      const bool laatste = i == regel.size() - 1;
      QByteArray teken;
      if ((b == ' ' || b == '\t') && !laatste)
        teken = QByteArray(1, static_cast<char>(b));
      else if (b >= 33 && b <= 126 && b != '=')
        teken = QByteArray(1, static_cast<char>(b));
      else
        teken = '=' + QByteArray::number(b, 16).toUpper().rightJustified(2, '0');
      // A soft line break ("=") keeps every encoded line within 76 characters.
      if (lengte + teken.size() > kRegelLengte - 1) {
        uit += "=\r\n";
        lengte = 0;
      }
      uit += teken;
      lengte += static_cast<int>(teken.size());
    }
  }
  return uit;
}

QByteArray base64Regels(const QByteArray &inhoud) {
  const QByteArray alles = inhoud.toBase64();
  QByteArray uit;
  for (qsizetype i = 0; i < alles.size(); i += kRegelLengte)
    uit += alles.mid(i, kRegelLengte) + "\r\n";
  return uit;
}

// The file name of an attachment as a parameter: quoted when plain, else in
// the extended form (RFC 2231) in UTF-8.
QByteArray bestandsnaamParameter(const QString &naam) {
  if (isAscii(naam) && !naam.contains(u'"') && !naam.contains(u'\\'))
    return "filename=\"" + naam.toLatin1() + '"';
  return "filename*=UTF-8''" + naam.toUtf8().toPercentEncoding();
}

QByteArray bijlageDeel(const Bijlage &b) {
  const QString klein = b.naam.toLower();
  const bool pagina =
      klein.endsWith(QStringLiteral(".html")) || klein.endsWith(QStringLiteral(".htm"));
  QByteArray deel = pagina ? "Content-Type: text/html; charset=windows-1252\r\n"
                           : "Content-Type: application/octet-stream\r\n";
  deel += "Content-Transfer-Encoding: base64\r\n";
  deel += "Content-Disposition: attachment; " + bestandsnaamParameter(b.naam) + "\r\n\r\n";
  deel += base64Regels(b.inhoud);
  return deel;
}

// A domain as it goes out: an ASCII one as it is, any other in its IDNA
// form; "" when it has none (no domain name can be made of it).
QString asciiDomein(const QString &domein) {
  if (isAscii(domein))
    return domein;
  const QString ace = QString::fromLatin1(QUrl::toAce(domein));
  return isAscii(ace) ? ace : QString();
}

bool isHostTeken(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'-' || c == u'.';
}

bool isHostNaam(const QString &s) {
  if (s.isEmpty() || s.size() > 253 || s.startsWith(u'.') || s.startsWith(u'-'))
    return false;
  for (QChar c : s)
    if (!isHostTeken(c))
      return false;
  return true;
}

} // namespace

bool IsGeldigAdres(const QString &adres) {
  static const QString kVerboden = QStringLiteral("<>()[]\\,;:\"");
  const qsizetype at = adres.indexOf(u'@');
  if (at <= 0 || at != adres.lastIndexOf(u'@') || at == adres.size() - 1)
    return false;
  if (adres.contains(QStringLiteral("..")) || LokaalDeelBuitenAscii(adres))
    return false;
  for (QChar c : adres)
    if (c.isSpace() || c.unicode() < 32 || c.unicode() == 127 || kVerboden.contains(c))
      return false;
  const QString domein = asciiDomein(adres.mid(at + 1));
  return domein.contains(u'.') && !domein.startsWith(u'.') && !domein.endsWith(u'.');
}

bool LokaalDeelBuitenAscii(const QString &adres) {
  const qsizetype at = adres.indexOf(u'@');
  for (QChar c : adres.left(at < 0 ? adres.size() : at))
    if (c.unicode() > 126)
      return true;
  return false;
}

QString VerzendAdres(const QString &adres) {
  if (!IsGeldigAdres(adres))
    return {};
  const qsizetype at = adres.indexOf(u'@');
  return adres.left(at + 1) + asciiDomein(adres.mid(at + 1));
}

bool IsVeiligeKopWaarde(const QString &waarde) {
  for (QChar c : waarde) {
    const char16_t u = c.unicode();
    if (u < 32 || u == 127 || u == 0x85 || u == 0x2028 || u == 0x2029)
      return false;
  }
  return true;
}

QString TrimSpaties(const QString &tekst) {
  qsizetype begin = 0;
  qsizetype eind = tekst.size();
  while (begin < eind && tekst[begin] == u' ')
    ++begin;
  while (eind > begin && tekst[eind - 1] == u' ')
    --eind;
  return tekst.mid(begin, eind - begin);
}

QString DatumKop(const QDateTime &moment) {
  static const char *const kDagen[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  static const char *const kMaanden[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const QDate d = moment.date();
  const QTime t = moment.time();
  const int verschil = moment.offsetFromUtc() / 60;
  const int uren = std::abs(verschil) / 60;
  const int minuten = std::abs(verschil) % 60;
  return QStringLiteral("%1, %2 %3 %4 %5 %6%7%8")
      .arg(QLatin1String(kDagen[d.dayOfWeek() - 1]))
      .arg(d.day())
      .arg(QLatin1String(kMaanden[d.month() - 1]))
      .arg(d.year(), 4, 10, QLatin1Char('0'))
      .arg(t.toString(QStringLiteral("HH:mm:ss")))
      .arg(verschil < 0 ? QStringLiteral("-") : QStringLiteral("+"))
      .arg(uren, 2, 10, QLatin1Char('0'))
      .arg(minuten, 2, 10, QLatin1Char('0'));
}

std::optional<QByteArray> MaakBericht(const Bericht &b, const QDateTime &moment,
                                      const QString &berichtId, const QString &grens) {
  if (!IsGeldigAdres(b.van) || !IsGeldigAdres(b.aan) ||
      (!b.antwoordAan.isEmpty() && !IsGeldigAdres(b.antwoordAan)))
    return std::nullopt;
  if (!IsVeiligeKopWaarde(b.vanNaam) || !IsVeiligeKopWaarde(b.onderwerp) || !isAscii(berichtId) ||
      berichtId.contains(u'>') || !isAscii(grens))
    return std::nullopt;
  for (const Bijlage &bijlage : b.bijlagen)
    if (bijlage.naam.isEmpty() || !IsVeiligeKopWaarde(bijlage.naam))
      return std::nullopt;

  QByteArray m;
  m += "Date: " + DatumKop(moment).toLatin1() + "\r\n";
  m += "From: " + adresKop(b.vanNaam, b.van) + "\r\n";
  if (!b.antwoordAan.isEmpty())
    m += "Reply-To: " + VerzendAdres(b.antwoordAan).toLatin1() + "\r\n";
  m += "To: " + VerzendAdres(b.aan).toLatin1() + "\r\n";
  m += kopRegel("Subject", b.onderwerp) + "\r\n";
  m += "Message-ID: <" + berichtId.toLatin1() + ">\r\n";
  m += "MIME-Version: 1.0\r\n";

  const QByteArray tekstKop = "Content-Type: text/plain; charset=UTF-8\r\n"
                              "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
  const QByteArray tekst = quotedPrintable(b.tekst) + "\r\n";
  if (b.bijlagen.isEmpty()) {
    m += tekstKop + tekst;
    return m;
  }
  const QByteArray g = grens.toLatin1();
  m += "Content-Type: multipart/mixed; boundary=\"" + g + "\"\r\n\r\n";
  m += "--" + g + "\r\n" + tekstKop + tekst;
  for (const Bijlage &bijlage : b.bijlagen)
    m += "--" + g + "\r\n" + bijlageDeel(bijlage);
  m += "--" + g + "--\r\n";
  return m;
}

std::optional<bool> LeesWaarheid(const QString &tekst) {
  const QString t = tekst.trimmed();
  if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
    return true;
  if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
    return false;
  bool ok = false;
  const double getal = t.toDouble(&ok);
  if (!ok)
    return std::nullopt;
  return getal != 0;
}

QString GroetNaam(const QString &gegeven, const QString &machine) {
  if (isHostNaam(gegeven))
    return gegeven;
  if (isHostNaam(machine))
    return machine;
  return QStringLiteral("localhost");
}

std::optional<MailServerInstelling> LeesProvider(const QStringList &items, const QString &groetItem,
                                                 const QString &machine) {
  if (items.size() < 9)
    return std::nullopt;
  MailServerInstelling s;
  s.groet = GroetNaam(groetItem.trimmed(), machine);
  s.host = items[1].trimmed();
  const auto poort = platform::readDigits(items[2], 1, 65535);
  const auto tls = LeesWaarheid(items[3]);
  const auto startTls = LeesWaarheid(items[6]);
  if (s.host.isEmpty() || !isHostNaam(s.host) || !poort || !tls || !startTls)
    return std::nullopt;
  s.poort = *poort;
  s.tls = *tls;
  s.startTls = *startTls;
  s.gebruiker = items[4];
  s.wachtwoord = items[5];
  s.adres = items[7].trimmed();
  s.naam = items[8];
  if (!IsGeldigAdres(s.adres))
    return std::nullopt;
  return s;
}

} // namespace publication
