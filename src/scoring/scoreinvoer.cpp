#include "scoring/scoreinvoer.h"

#include "frame/bas_zemlo.h"
#include "scoring/scoretabellen.h"
#include "scoring/waarde.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace scoring {

namespace {

// The trailing minus and the tens shorthand of ENTER.
QString Verkort(QString s) {
  if (s.endsWith(u'-'))
    s = u'-' + s.chopped(1);
  if (!IsNietGespeeld(s) && !s.trimmed().isEmpty()) {
    const double waarde = std::fabs(Waarde(s));
    if (waarde < 70 && waarde != 50)
      s += u'0';
  }
  return s;
}

StapUitkomst Uitkomst(const QString &nz, const QString &ow, Focus focus, int iTekst = 0,
                      const QString &plaats = QString()) {
  StapUitkomst u;
  u.scoreNZ = nz;
  u.scoreOW = ow;
  u.focus = focus;
  u.iTekst = iTekst;
  u.sPlaatsvervanger = plaats;
  return u;
}

StapUitkomst Aangepast(const QString &nz, const QString &ow) {
  if (!IsGeldigPercentage(nz))
    return Uitkomst(QString(), QString(), Focus::Blijf, 92, nz);
  if (!ow.contains(u'%'))
    return Uitkomst(nz, nz, Focus::OWVak);
  if (!IsGeldigPercentage(ow))
    return Uitkomst(nz, QString(), Focus::OWVak, 92, ow);
  return Uitkomst(nz, ow, Focus::VolgendeRij);
}

// ENTER on a row; bKopieer: an empty box may take the score of the row above.
StapUitkomst Stap(const QVector<RijInvoer> &rijen, int iRij, int v, bool bKopieer, Kopie wat) {
  const RijInvoer &rij = rijen.at(iRij);
  if (rij.scoreNZ.contains(u'%'))
    return Aangepast(rij.scoreNZ, rij.scoreOW);

  const QString s = Verkort(rij.scoreNZ);
  const ScoreOordeel oordeel = ValideerScore(s, v);
  if (s == u"00")
    return Uitkomst(QStringLiteral("0"), QStringLiteral("0"), Focus::VolgendeRij);
  if (oordeel == ScoreOordeel::BestaatNiet)
    return Uitkomst(QString(), QString(), Focus::Blijf, 92, s);
  if (oordeel == ScoreOordeel::VerkeerdeKwetsbaarheid)
    return Uitkomst(s, Spiegel(s), Focus::VolgendeRij, 91, s);

  if (bKopieer && iRij > 0 && s.isEmpty()) {
    int bron = -1;
    if (rijen.at(iRij - 1).actief)
      bron = iRij - 1;
    else if (iRij >= 2 && rijen.at(iRij - 2).actief)
      bron = iRij - 2;
    if (bron >= 0 && !rijen.at(bron).scoreNZ.isEmpty()) {
      QVector<RijInvoer> kopie = rijen;
      kopie[iRij].scoreNZ = rijen.at(bron).scoreNZ;
      kopie[iRij].scoreOW = wat == Kopie::Beide ? rijen.at(bron).scoreOW : QString();
      return Stap(kopie, iRij, v, false, wat);
    }
  }
  return Uitkomst(s, Spiegel(s), Focus::VolgendeRij);
}

} // namespace

QString Spiegel(const QString &sScoreNZ) {
  if (Waarde(sScoreNZ) > 0)
    return u'-' + sScoreNZ;
  if (IsNietGespeeld(sScoreNZ))
    return QStringLiteral("n");
  if (sScoreNZ == u"0")
    return sScoreNZ;
  return sScoreNZ.mid(1);
}

QPair<QString, QString> Herschrijf(const QString &sScoreNZ, const QString &sScoreOW) {
  if (sScoreNZ.contains(u'%'))
    return {sScoreNZ, sScoreOW.contains(u'%') ? sScoreOW : sScoreNZ};
  const QString s = Verkort(sScoreNZ);
  if (s == u"00")
    return {QStringLiteral("0"), QStringLiteral("0")};
  return {s, Spiegel(s)};
}

bool IsGeldigPercentage(const QString &sScore) {
  static const QRegularExpression re(QStringLiteral("^[0-9]{1,3}%$"));
  return re.match(sScore).hasMatch() && sScore.chopped(1).toInt() <= 100;
}

StapUitkomst InvoerStapNZ(const QVector<RijInvoer> &rijen, int iRij, int v, Kopie kopie) {
  if (iRij < 0 || iRij >= rijen.size())
    return {};
  return Stap(rijen, iRij, v, true, kopie);
}

StapUitkomst InvoerStapOW(const QVector<RijInvoer> &rijen, int iRij) {
  if (iRij < 0 || iRij >= rijen.size())
    return {};
  const RijInvoer &rij = rijen.at(iRij);
  if (!rij.scoreOW.contains(u'%'))
    return Uitkomst(rij.scoreNZ, rij.scoreOW, Focus::VolgendeRij);
  if (!IsGeldigPercentage(rij.scoreOW))
    return Uitkomst(rij.scoreNZ, QString(), Focus::Blijf, 92, rij.scoreOW);
  if (rij.scoreNZ.contains(u'%'))
    return Uitkomst(rij.scoreNZ, rij.scoreOW, Focus::VolgendeRij);
  return Uitkomst(rij.scoreOW, rij.scoreOW, Focus::NZVak);
}

bool MoetHerzien(const QString &sScoreNZ, const QString &sScoreOW) {
  if (sScoreNZ.trimmed().isEmpty())
    return false;
  if (sScoreNZ.contains(u'%') &&
      (!IsGeldigPercentage(sScoreNZ) || (sScoreOW.contains(u'%') && !IsGeldigPercentage(sScoreOW))))
    return true;
  if (sScoreNZ.contains(u'%'))
    return Herschrijf(sScoreNZ, sScoreOW) != qMakePair(sScoreNZ, sScoreOW);
  // As Herschrijf and the test against the tables, without building the
  // texts: every stored row is tested when an evening is opened.
  if (sScoreNZ == u"0")
    return sScoreOW != u"0";
  const double waarde = Waarde(sScoreNZ);
  if (sScoreNZ.endsWith(u'-') ||
      (!IsNietGespeeld(sScoreNZ) && std::fabs(waarde) < 70 && std::fabs(waarde) != 50))
    return true; // ENTER would still change the North-South text
  if (IsNietGespeeld(sScoreNZ))
    return sScoreOW != u"n";
  // A score in no table ("700n", "0420", "12345") is one that ENTER refuses
  // (text 92), whatever its East-West box holds.
  if (!StaatInEenTabel(waarde < 0 ? QStringView(sScoreNZ).mid(1) : QStringView(sScoreNZ)))
    return true;
  if (waarde > 0)
    return sScoreOW.size() != sScoreNZ.size() + 1 || !sScoreOW.startsWith(u'-') ||
           QStringView(sScoreOW).mid(1) != sScoreNZ;
  return QStringView(sScoreOW) != QStringView(sScoreNZ).mid(1);
}

int VolgendeRij(const QVector<RijInvoer> &rijen, int iRij) {
  const int n = static_cast<int>(rijen.size());
  for (int stap = 1; stap <= n; ++stap) {
    const int i = ((iRij + stap) % n + n) % n;
    if (rijen.at(i).actief)
      return i;
  }
  return -1;
}

int VorigeRij(const QVector<RijInvoer> &rijen, int iRij) {
  const int n = static_cast<int>(rijen.size());
  for (int stap = 1; stap <= n; ++stap) {
    const int i = ((iRij - stap) % n + n) % n;
    if (rijen.at(i).actief)
      return i;
  }
  return -1;
}

bool RijenCompleet(const QVector<RijInvoer> &rijen) {
  for (const RijInvoer &rij : rijen) {
    if (rij.actief && (rij.scoreNZ.trimmed().isEmpty() || rij.scoreOW.trimmed().isEmpty()))
      return false;
  }
  return true;
}

int EersteSpelendeRij(const QVector<RijInvoer> &rijen) {
  const auto it =
      std::find_if(rijen.cbegin(), rijen.cend(), [](const RijInvoer &r) { return r.actief; });
  return it == rijen.cend() ? -1 : static_cast<int>(it - rijen.cbegin());
}

int EersteOnvolledigeRij(const QVector<RijInvoer> &rijen) {
  for (int i = 0; i < rijen.size(); ++i) {
    if (!RijenCompleet({rijen.at(i)}))
      return i;
  }
  return -1;
}

bool HeeftGetypteScore(const QVector<RijInvoer> &rijen) {
  return std::any_of(rijen.cbegin(), rijen.cend(), [](const RijInvoer &r) {
    return !r.scoreNZ.isEmpty() || !r.scoreOW.isEmpty();
  });
}

RijInvoer NaTypen(RijInvoer rij, bool ow) {
  if (!ow && rij.scoreNZ.trimmed().isEmpty())
    rij.scoreOW.clear();
  return rij;
}

bool IsKlaarLetter(const QString &getypt, Qt::KeyboardModifiers toetsen) {
  constexpr Qt::KeyboardModifiers kGeenLetter =
      Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return !(toetsen & kGeenLetter) && getypt.size() == 1 && getypt.at(0).isPrint() &&
         BAS_Zemlo::Tekst(105).contains(getypt.at(0));
}

bool IsVulToets(int key, Qt::KeyboardModifiers toetsen) {
  constexpr Qt::KeyboardModifiers kGehouden =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return key == Qt::Key_T && (toetsen & kGehouden) == (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace scoring
