#include "scoring/scoretabellen.h"

#include "scoring/waarde.h"

#include <QList>

#include <bitset>

namespace scoring {

// Every score of a made contract of a vulnerable declarer, 0, and every
// penalty of a vulnerable declarer.
const QString &sScoreTabelKwetsbaar() {
  static const QString s = QStringLiteral(
      "|0|100|1000|1010|1030|1050|1070|1080|1090|110|1100|1110|1120|1130|1140|1150|1160|1180|"
      "1190|120|1200|1210|1240|1250|1270|1280|1290|130|1300|1310|1320|1330|1340|1350|1360|1370|"
      "1380|1390|140|1400|1410|1430|1440|1460|1470|1480|1490|150|1520|1530|1540|1550|1560|160|"
      "1600|1640|1660|1670|1680|1690|170|1700|1720|1740|1760|180|1800|1830|1860|1880|190|1920|"
      "1960|200|2000|2040|2070|2080|210|2110|2120|2140|2160|2200|2210|2220|2230|2280|230|2300|"
      "2320|2330|2360|240|2440|2470|2480|2490|2510|2560|260|2600|2630|2660|270|2720|2760|2800|"
      "2840|2880|2900|2940|2980|300|3120|3160|3200|340|3400|3500|360|380|3800|400|4000|4600|500|"
      "5200|540|560|580|5800|600|620|630|640|6400|650|660|670|680|690|70|700|7000|710|720|730|"
      "740|750|760|7600|780|790|80|800|810|840|850|870|880|890|90|900|910|920|930|940|950|960|"
      "980|990|");
  return s;
}

// Every score of a made contract of a non-vulnerable declarer, 0, and the
// non-vulnerable penalties from 100 up. The first entry is found only through
// its repeat further on. 970 (two of a major doubled with five overtricks)
// belongs here; 1070, 1270, 1470, 1670, 2040, 2440 and 2840 only a vulnerable
// declarer can score, so they are not here.
const QString &sScoreTabelNietKwetsbaar() {
  static const QString s = QStringLiteral(
      "7000|0|100|1000|1010|1020|1030|1040|1080|1090|110|1100|1120|1160|1190|120|1200|1210|"
      "1230|1240|1280|130|1310|1320|1330|1360|1380|140|1400|1430|1440|1480|150|1510|1520|1560|"
      "1580|160|1600|1620|1630|1640|1660|1680|170|1700|1720|1760|1770|1790|180|1820|1860|190|"
      "1960|200|2000|210|2200|2240|2280|230|2300|240|250|260|2600|270|280|2800|2900|300|3200|"
      "340|3400|350|3500|360|380|400|4000|420|430|440|450|460|4600|470|480|490|500|510|520|5200|"
      "530|540|550|560|570|580|5800|590|600|610|630|640|6400|650|660|670|680|690|70|7000|710|"
      "720|730|740|750|760|770|780|790|80|800|810|830|840|850|870|880|890|90|910|920|930|940|"
      "950|960|970|980|990|");
  return s;
}

// For 1 to 13 down: undoubled, doubled, redoubled; the undoubled penalty of
// 2, 4 and 8 down is already in the list as another penalty.
const QString &sDownTabelKwetsbaar() {
  static const QString s = QStringLiteral(
      "|100|200|400|500|1000|300|800|1600|1100|2200|500|1400|2800|600|1700|3400|700|2000|4000|"
      "2300|4600|900|2600|5200|1000|2900|5800|1100|3200|6400|1200|3500|7000|1300|3800|7600|");
  return s;
}

const QString &sDownTabelNietKwetsbaar() {
  static const QString s = QStringLiteral(
      "|50|100|200|100|300|600|150|500|1000|200|800|1600|250|1100|2200|300|1400|2800|350|1700|"
      "3400|400|2000|4000|450|2300|4600|500|2600|5200|550|2900|5800|600|3200|6400|650|3500|"
      "7000|");
  return s;
}

const QString &sKwetsbaarheid() {
  static const QString s = QStringLiteral("0123123023013012").repeated(12);
  return s;
}

int Kwetsbaarheid(int iSpel) {
  const QString &s = sKwetsbaarheid();
  if (iSpel < 1 || iSpel > s.size())
    return 0;
  return s.at(iSpel - 1).digitValue();
}

bool IsNietGespeeld(const QString &sScore) { return sScore == u"n" || sScore == u"N"; }

bool StaatInEenTabel(QStringView sWaarde) {
  // A set of the tables' values made once, so that a test builds no text.
  static const std::bitset<10000> waarden = [] {
    std::bitset<10000> b;
    for (const QString *tabel : {&sScoreTabelKwetsbaar(), &sScoreTabelNietKwetsbaar(),
                                 &sDownTabelKwetsbaar(), &sDownTabelNietKwetsbaar()}) {
      // Only a value with a "|" on both sides is found by the search.
      const QList<QStringView> velden = QStringView(*tabel).split(u'|');
      for (qsizetype i = 1; i + 1 < velden.size(); ++i) {
        bool ok = false;
        const int waarde = velden.at(i).toInt(&ok);
        if (ok && waarde >= 0 && waarde < 10000 && QString::number(waarde) == velden.at(i))
          b.set(static_cast<size_t>(waarde));
      }
    }
    return b;
  }();
  // The tables write their values without sign or leading zeros.
  if (sWaarde.isEmpty() || sWaarde.size() > 4 || (sWaarde.size() > 1 && sWaarde.front() == u'0'))
    return false;
  int waarde = 0;
  for (const QChar c : sWaarde) {
    if (c < u'0' || c > u'9')
      return false;
    waarde = waarde * 10 + (c.unicode() - u'0');
  }
  return waarden.test(static_cast<size_t>(waarde));
}

ScoreOordeel ValideerScore(const QString &sScore, int v) {
  if (sScore == u"00")
    return ScoreOordeel::Geldig;
  const bool negatief = Waarde(sScore) < 0;
  // North-South plus: North-South made (their made table) or East-West went
  // down (East-West's penalty table); minus the other way round.
  const bool nzKwetsbaar = v == 1 || v == 3;
  const bool owKwetsbaar = v == 2 || v == 3;
  const bool gemaaktKwetsbaar = negatief ? owKwetsbaar : nzKwetsbaar;
  const bool downKwetsbaar = negatief ? nzKwetsbaar : owKwetsbaar;
  const QString toegestaan =
      (gemaaktKwetsbaar ? sScoreTabelKwetsbaar() : sScoreTabelNietKwetsbaar()) +
      (downKwetsbaar ? sDownTabelKwetsbaar() : sDownTabelNietKwetsbaar()) +
      QStringLiteral("|n||N|");
  const QString sleutel = u'|' + (negatief ? sScore.mid(1) : sScore) + u'|';
  if (toegestaan.contains(sleutel))
    return ScoreOordeel::Geldig;
  return StaatInEenTabel(negatief ? QStringView(sScore).mid(1) : QStringView(sScore))
             ? ScoreOordeel::VerkeerdeKwetsbaarheid
             : ScoreOordeel::BestaatNiet;
}

} // namespace scoring
