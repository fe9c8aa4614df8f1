#include "publication/mailinglijst.h"

#include "frame/bas_zemlo.h"
#include "publication/mailbericht.h"

#include <QRegularExpression>

namespace publication {

namespace {
QStringList woorden(const QString &naam) {
  static const QRegularExpression wit(QStringLiteral("\\s+"));
  return naam.split(wit, Qt::SkipEmptyParts);
}
} // namespace

QVector<MailRegel> LeesMailingLijst(const QStringList &regels) {
  QVector<MailRegel> lijst;
  for (const QString &regel : regels) {
    if (regel.trimmed().isEmpty())
      continue;
    const QStringList velden = regel.split(u'|');
    if (velden.size() < 3)
      continue;
    QString namen;
    for (qsizetype i = 1; i < velden.size() - 1; ++i)
      namen += velden[i] + u' ';
    if (namen.trimmed().isEmpty())
      continue;
    lijst.append({namen, velden.last()});
  }
  return lijst;
}

bool ZelfdeNaam(const QString &a, const QString &b) {
  const QStringList wa = woorden(a);
  return !wa.isEmpty() && wa == woorden(b);
}

QVector<Ontvanger> KoppelSpelers(const QStringList &spelers, const QVector<MailRegel> &regels) {
  QVector<bool> genomen(regels.size(), false);
  QVector<Ontvanger> uit;
  for (const QString &speler : spelers) {
    Ontvanger o{speler, {}, {}};
    for (qsizetype i = 0; i < regels.size(); ++i) {
      if (genomen[i] || !ZelfdeNaam(speler, regels[i].namen))
        continue;
      genomen[i] = true;
      o.namen = regels[i].namen;
      const QString adres = regels[i].adres.trimmed();
      if (IsGeldigAdres(adres))
        o.adres = adres;
      break;
    }
    uit.append(o);
  }
  return uit;
}

MailingUitkomst VerstuurMailing(const QVector<Ontvanger> &ontvangers,
                                const std::function<bool(const Ontvanger &)> &verstuur) {
  MailingUitkomst u;
  for (const Ontvanger &o : ontvangers) {
    if (!o.heeftAdres() || u.mislukt) {
      u.nietVerstuurd.append(o.speler);
      continue;
    }
    if (verstuur(o)) {
      ++u.verstuurd;
    } else {
      u.mislukt = true;
      u.nietVerstuurd.append(o.speler);
    }
  }
  return u;
}

QString AdresKopie(const QVector<Ontvanger> &ontvangers) {
  QString lijst;
  for (const Ontvanger &o : ontvangers)
    if (o.heeftAdres())
      lijst += o.adres + QStringLiteral("; ");
  return lijst;
}

VerstuurKnop VerstuurKnopStaat(bool mailBestand, const QString &eigenAdres, const QString &naam,
                               bool mailTxtFout) {
  VerstuurKnop k;
  k.zichtbaar = mailBestand && !eigenAdres.trimmed().isEmpty() && !naam.trimmed().isEmpty();
  k.ingeschakeld = k.zichtbaar && !mailTxtFout;
  return k;
}

QString UitslagTitel(const QString &caption) { return caption.trimmed().remove(u'(').remove(u')'); }

QString UitslagMailTekst(const QString &tekst155, const QString &versie, const QString &titel,
                         const QString &naam, const QString &namen) {
  return BAS_Zemlo::VulIn(
      tekst155,
      {{u'*', versie}, {u'$', titel}, {u'%', naam}, {u'|', QStringLiteral("\n")}, {u'#', namen}});
}

QString MailingMelding(bool mislukt, int verstuurd, int spelers, const QStringList &nietVerstuurd) {
  using BAS_Zemlo::Tekst;
  using BAS_Zemlo::TekstMet;
  QStringList delen;
  if (mislukt)
    delen << Tekst(156);
  else if (verstuurd > 0)
    delen << Tekst(157);
  delen << TekstMet(182, {{u'#', QString::number(verstuurd)}, {u'$', QString::number(spelers)}});
  if (!nietVerstuurd.isEmpty()) {
    QStringList namen;
    for (const QString &naam : nietVerstuurd)
      namen << woorden(naam).join(u' ');
    delen << Tekst(183) + u'\n' + namen.join(u'\n');
  }
  return delen.join(QStringLiteral("\n\n"));
}

} // namespace publication
