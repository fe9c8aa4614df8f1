#include "scoring/uitslag.h"

#include "platform/grid.h"
#include "platform/numbers.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace scoring {

namespace {

bool HeeftGetal(const QString &s) {
  static const QRegularExpression re(QStringLiteral("^\\s*[-+]?\\.?[0-9]"));
  return re.match(s).hasMatch();
}

// The value that places are given by; a text without a number is lowest.
double RangWaarde(const QString &s) {
  return HeeftGetal(s) ? platform::val(s) : -std::numeric_limits<double>::infinity();
}

// A board cell that holds matchpoints (not "n", not empty).
bool IsPuntenCel(const QString &s) { return !s.isEmpty() && s != u"n"; }

long long Honderdsten(const QString &s) { return std::llround(platform::val(s) * 100); }

// The cells of every pair (index p - 1) for every board (index b - 1).
QVector<QStringList> PaarCellen(const AvondStand &stand) {
  const int paren = std::max(stand.intAantalParen, 0);
  const int spellen = std::max(stand.iSpellen, 0);
  QVector<QStringList> cellen(paren, QStringList(QVector<QString>(spellen)));
  QVector<QVector<bool>> gezet(paren, QVector<bool>(spellen, false));
  const auto zet = [&](int paar, int spel, const QString &mp) {
    if (paar < 1 || paar > paren || gezet[paar - 1][spel])
      return;
    cellen[paar - 1][spel] = mp;
    gezet[paar - 1][spel] = true; // a pair twice on a board keeps its first row
  };
  for (int b = 0; b < std::min<int>(spellen, static_cast<int>(stand.spellen.size())); ++b) {
    for (const GescoordeRij &rij : stand.spellen.at(b)) {
      zet(rij.nz, b, rij.mpNZ);
      zet(rij.ow, b, rij.mpOW);
    }
  }
  return cellen;
}

QString Label(const AvondStand &stand, int paar) {
  return paar - 1 < stand.labels.size() ? stand.labels.at(paar - 1) : QString();
}

} // namespace

PaarLabels LeesPaarLabels(const QStringList &groepRegels) {
  PaarLabels uit;
  int r = 0;
  for (const QString &regel : groepRegels) {
    if (regel.trimmed().isEmpty())
      continue;
    ++r;
    const QStringList helften = regel.split(u'+');
    if (helften.at(0).contains(u'|')) {
      const QString eerste = helften.at(0).mid(helften.at(0).indexOf(u'|') + 1).trimmed();
      if (helften.size() > 1 && helften.at(1).contains(u'|')) {
        uit.voorMail.append(eerste);
        uit.voorMail.append(helften.at(1).mid(helften.at(1).indexOf(u'|') + 1).trimmed());
      }
    }
    QString namen;
    const QStringList velden = QString(regel).replace(u'+', QStringLiteral(" -|")).split(u'|');
    for (int i = 1; i < velden.size(); ++i) {
      if (platform::val(velden.at(i)) == 0)
        namen += velden.at(i) + u' ';
    }
    uit.labels.append(QString::number(r) + QStringLiteral(". ") + namen);
  }
  return uit;
}

QString TotaalTekst(long long honderdsten) {
  const bool negatief = honderdsten < 0;
  const long long a = negatief ? -honderdsten : honderdsten;
  QString t = QString::number(a / 100);
  if (a % 100 != 0) {
    QString fractie = QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    if (fractie.endsWith(u'0'))
      fractie.chop(1);
    t += u'.' + fractie;
  }
  return negatief ? u'-' + t : t;
}

QString PercentageTekst(double totaal, int iGespeeld, int intTop) {
  if (iGespeeld <= 0 || intTop <= 0)
    return QStringLiteral("-");
  const double p = totaal / (static_cast<double>(iGespeeld) * intTop) * 100 + 0.005;
  QString t = platform::plainDecimal(p);
  qsizetype punt = t.indexOf(u'.');
  if (punt < 0) {
    t += QStringLiteral(".00");
  } else {
    if (punt == 0 || (punt == 1 && t.startsWith(u'-'))) {
      t.insert(punt, u'0');
      ++punt;
    }
    const qsizetype decimalen = t.size() - punt - 1;
    if (decimalen == 1)
      t += u'0';
    else if (decimalen > 2)
      t.truncate(punt + 3);
  }
  return t + u'%';
}

QStringList RangSorteer(const QStringList &waarden) {
  QVector<double> sleutels;
  for (const QString &w : waarden)
    sleutels.append(RangWaarde(w));
  QStringList plaatsen;
  for (const double s : sleutels) {
    const auto beter =
        std::count_if(sleutels.cbegin(), sleutels.cend(), [s](double x) { return x > s; });
    const auto gelijk = std::count(sleutels.cbegin(), sleutels.cend(), s);
    const QString plaats = QString::number(beter + 1);
    plaatsen.append(gelijk > 1 ? u'(' + plaats + u')' : plaats);
  }
  return plaatsen;
}

Uitslag ParenVolgorde(const AvondStand &stand) {
  Uitslag uit;
  const QVector<QStringList> cellen = PaarCellen(stand);
  for (int p = 1; p <= stand.intAantalParen; ++p) {
    UitslagRij rij;
    rij.paar = p;
    rij.plaats = QString::number(p);
    rij.stilzit = p == stand.intStilzitPaar;
    rij.spellen = cellen.at(p - 1);
    if (rij.stilzit)
      rij.spellen.fill(QString());
    else
      rij.label = Label(stand, p);
    uit.rijen.append(rij);
  }
  uit.spelTotalen = QStringList(QVector<QString>(std::max(stand.iSpellen, 0)));
  return uit;
}

Uitslag MaakUitslag(const AvondStand &stand) {
  Uitslag uit;
  uit.gerangschikt = true;
  const QVector<QStringList> cellen = PaarCellen(stand);
  const int spellen = std::max(stand.iSpellen, 0);
  QVector<double> waarden;
  for (int p = 1; p <= stand.intAantalParen; ++p) {
    if (p == stand.intStilzitPaar)
      continue;
    UitslagRij rij;
    rij.paar = p;
    rij.spellen = cellen.at(p - 1);
    long long totaal = 0;
    int nietGespeeld = 0;
    for (const QString &cel : rij.spellen) {
      if (IsPuntenCel(cel))
        totaal += Honderdsten(cel);
      else
        ++nietGespeeld;
    }
    const int gespeeld = spellen - nietGespeeld;
    rij.totaal = TotaalTekst(totaal);
    rij.percentage = PercentageTekst(static_cast<double>(totaal) / 100.0, gespeeld, stand.intTop);
    rij.label = Label(stand, p).section(u'[', 0, 0).trimmed() + QStringLiteral(" [") +
                QString::number(gespeeld) + u']';
    uit.rijen.append(rij);
  }
  std::stable_sort(uit.rijen.begin(), uit.rijen.end(),
                   [](const UitslagRij &a, const UitslagRij &b) {
                     const double wa = RangWaarde(a.percentage);
                     const double wb = RangWaarde(b.percentage);
                     if (wa != wb)
                       return wa > wb;
                     return a.paar < b.paar;
                   });
  QStringList percentages;
  for (const UitslagRij &rij : uit.rijen)
    percentages.append(rij.percentage);
  const QStringList plaatsen = RangSorteer(percentages);
  for (int i = 0; i < uit.rijen.size(); ++i)
    uit.rijen[i].plaats = plaatsen.at(i);
  for (int b = 0; b < spellen; ++b) {
    long long som = 0;
    for (const UitslagRij &rij : uit.rijen) {
      if (IsPuntenCel(rij.spellen.at(b)))
        som += Honderdsten(rij.spellen.at(b));
    }
    uit.spelTotalen.append(TotaalTekst(som));
  }
  return uit;
}

void VulResultaatGrid(platform::GridModel &grid, const Uitslag &uitslag, const KopTeksten &kop) {
  const int spellen = static_cast<int>(uitslag.spelTotalen.size());
  const int kolommen = spellen + 4;
  const int laatste = static_cast<int>(uitslag.rijen.size()) + 1;
  grid.clear();
  grid.setRows(laatste + 1);
  grid.setCols(kolommen);
  grid.setCell(0, 0, kop.nr, platform::AlignCenterCenter);
  grid.setCell(0, 1, kop.paren, platform::AlignGeneral);
  for (int b = 1; b <= spellen; ++b)
    grid.setCell(0, b + 1, QString::number(b), platform::AlignCenterCenter);
  grid.setCell(0, spellen + 2, kop.mp, platform::AlignCenterCenter);
  grid.setCell(0, spellen + 3, kop.percentage, platform::AlignCenterCenter);

  for (int i = 0; i < uitslag.rijen.size(); ++i) {
    const UitslagRij &rij = uitslag.rijen.at(i);
    const int r = i + 1;
    if (rij.stilzit) {
      grid.setCell(r, 0, rij.plaats, platform::AlignCenterCenter);
      for (int c = 1; c < kolommen; ++c)
        grid.setCell(r, c, QString(),
                     c == 1 ? platform::AlignLeftCenter : platform::AlignCenterCenter,
                     kKleurStilzit);
      continue;
    }
    grid.setCell(r, 0, rij.plaats, platform::AlignCenterCenter);
    grid.setCell(r, 1, rij.label, platform::AlignLeftCenter);
    for (int b = 0; b < spellen; ++b) {
      const QString &cel = rij.spellen.at(b);
      std::uint32_t kleur = kKleurWit;
      if (uitslag.gerangschikt && cel.isEmpty())
        kleur = kKleurNietAanDeBeurt;
      else if (uitslag.gerangschikt && cel == u"n")
        kleur = kKleurNietGespeeld;
      grid.setCell(r, b + 2, cel, platform::AlignCenterCenter, kleur);
    }
    grid.setCell(r, spellen + 2, rij.totaal, platform::AlignCenterCenter);
    grid.setCell(r, spellen + 3, rij.percentage, platform::AlignCenterCenter);
  }
  for (int b = 0; b < spellen; ++b)
    grid.setCell(laatste, b + 2, uitslag.spelTotalen.at(b), platform::AlignCenterCenter);
}

void VulRanglijst(platform::GridModel &grid, const Uitslag &uitslag, const KopTeksten &kop) {
  const int rijen = static_cast<int>(uitslag.rijen.size()) + 1;
  grid.clear();
  grid.setCols(4);
  grid.setRows(rijen);
  grid.setFixedRows(1);
  grid.setCell(0, 0, kop.nr, platform::AlignCenterCenter);
  grid.setCell(0, 1, kop.paren, platform::AlignGeneral);
  grid.setCell(0, 2, kop.mp, platform::AlignCenterCenter);
  grid.setCell(0, 3, kop.percentage, platform::AlignCenterCenter);
  for (int i = 0; i < uitslag.rijen.size(); ++i) {
    const UitslagRij &rij = uitslag.rijen.at(i);
    grid.setCell(i + 1, 0, rij.plaats, platform::AlignCenterCenter);
    grid.setCell(i + 1, 1, rij.stilzit ? QString() : rij.label, platform::AlignLeftCenter);
    grid.setCell(i + 1, 2, rij.stilzit ? QString() : rij.totaal, platform::AlignCenterCenter);
    grid.setCell(i + 1, 3, rij.stilzit ? QString() : rij.percentage, platform::AlignCenterCenter);
  }
}

} // namespace scoring
