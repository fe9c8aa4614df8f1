#include "publication/verstuurmail.h"

#include "frame/bas_zemlo.h"
#include "platform/clock.h"
#include "platform/mail.h"
#include "platform/messagebox.h"
#include "publication/mailbericht.h"
#include "publication/mailinstelling.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>
#include <QWidget>

using namespace BAS_Zemlo;

namespace {

void zetFout(long nummer, const QString &tekst) {
  lMailFout = nummer;
  sMailFout = tekst;
}

// The refusal while MAIL.TXT cannot be used; Dutch in either language.
void weigerMailTxt(QWidget *parent) {
  platform::information(parent, QStringLiteral("Mail"),
                        QStringLiteral("Kan geen mail versturen.\nEr is iets mis met het bestand "
                                       "MAIL.TXT\n\nStuur een mail naar support@zemlo.nl"));
  zetFout(publication::kFoutMailTxt, QStringLiteral("MAIL.TXT"));
}

// The failure of one message, naming its number and the recipient as
// passed, in a box without icon.
void meldFout(QWidget *parent, long nummer, const QString &sAan) {
  platform::plain(parent, Tekst(0),
                  QStringLiteral("Foutnummer: ") + QString::number(nummer) +
                      QStringLiteral("\nBij het versturen naar: ") + sAan);
}

QString uniek() { return QUuid::createUuid().toString(QUuid::Id128); }

} // namespace

bool ToetsEigenAdres(const QString &sEigenAdres, QWidget *parent) {
  const QString adres = sEigenAdres.trimmed();
  if (adres.isEmpty() || publication::IsGeldigAdres(adres))
    return true;
  platform::information(parent, parent ? parent->windowTitle() : Tekst(0), TekstMet(192, adres));
  zetFout(publication::kFoutEigenAdres, adres);
  return false;
}

void VerstuurMail(const QString &sEigenAdres, const QString &sOnderwerp, const QString &sAan,
                  const QStringList &bijlagen, const QString &sTekst, QWidget *parent) {
  if (bMailTxtFout) {
    weigerMailTxt(parent);
    return;
  }
  if (!ToetsEigenAdres(sEigenAdres, parent))
    return;
  LeesIni(publication::kSectie, publication::kSleutelProvider, sIniPad);
  const int p = publication::ProviderIndex(sIniWaarde);
  const auto server = publication::LeesProvider(lstProvider[p], lstProvider[0].value(0),
                                                QSysInfo::machineHostName());
  if (!server) {
    weigerMailTxt(parent);
    return;
  }

  publication::Bericht bericht;
  bericht.van = server->adres;
  bericht.vanNaam = server->naam;
  bericht.antwoordAan = sEigenAdres.trimmed();
  bericht.aan = publication::TrimSpaties(sAan);
  bericht.onderwerp = publication::TrimSpaties(sOnderwerp);
  bericht.tekst = publication::TrimSpaties(sTekst);
  for (const QString &pad : bijlagen) {
    QFile bestand(pad);
    if (pad.isEmpty() || !bestand.open(QIODevice::ReadOnly)) {
      meldFout(parent, publication::kFoutBijlage, sAan);
      zetFout(publication::kFoutBijlage, pad);
      return;
    }
    bericht.bijlagen.append({QFileInfo(pad).fileName(), bestand.readAll()});
  }

  const QString afzender = publication::VerzendAdres(server->adres);
  const QString domein = afzender.mid(afzender.indexOf(u'@') + 1);
  const auto bytes = publication::MaakBericht(bericht, platform::now(), uniek() + u'@' + domein,
                                              QStringLiteral("=_Zemlo_") + uniek());
  if (!bytes) {
    meldFout(parent, publication::kFoutWaarde, sAan);
    zetFout(publication::kFoutWaarde, QStringLiteral("Invalid address or header value"));
    return;
  }

  platform::MailServer smtp;
  smtp.host = server->host;
  smtp.port = server->poort;
  smtp.implicitTls = server->tls;
  smtp.startTls = server->startTls;
  smtp.user = server->gebruiker;
  smtp.password = server->wachtwoord;
  smtp.ehloName = server->groet;
  const platform::MailOutcome uitkomst =
      platform::mailSender().send(smtp, publication::VerzendAdres(server->adres),
                                  publication::VerzendAdres(bericht.aan), *bytes);
  if (uitkomst.error != 0)
    meldFout(parent, uitkomst.error, sAan);
  zetFout(uitkomst.error, uitkomst.text);
}
