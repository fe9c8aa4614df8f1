// The score tables against the duplicate scoring rules, the vulnerability
// cycle and the test of one North-South score.
#include "common/testsupport.h"
#include "scoring/scoretabellen.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace scoring;

namespace {

// Duplicate bridge scoring of one contract, for the declarer.
int Gemaakt(int level, const QString &kleur, int doublet, bool kwetsbaar, int overslagen) {
  const int perSlag = (kleur == "C" || kleur == "D") ? 20 : 30;
  int contract = level * perSlag + (kleur == "NT" ? 10 : 0);
  contract *= doublet == 0 ? 1 : (doublet == 1 ? 2 : 4);
  int score = contract;
  score += contract >= 100 ? (kwetsbaar ? 500 : 300) : 50;
  if (level == 6)
    score += kwetsbaar ? 750 : 500;
  if (level == 7)
    score += kwetsbaar ? 1500 : 1000;
  if (doublet == 0)
    score += overslagen * perSlag;
  else
    score += overslagen * (kwetsbaar ? 200 : 100) * doublet;
  score += doublet * 50;
  return score;
}

int Down(int slagen, int doublet, bool kwetsbaar) {
  if (doublet == 0)
    return slagen * (kwetsbaar ? 100 : 50);
  int straf = 0;
  for (int i = 1; i <= slagen; ++i) {
    if (kwetsbaar)
      straf += i == 1 ? 200 : 300;
    else
      straf += i == 1 ? 100 : (i <= 3 ? 200 : 300);
  }
  return straf * doublet;
}

// "4S=", "3NT+1", "1NTx=", "3Sx-3": the declarer's score.
int Score(const QString &contract, bool kwetsbaar) {
  static const QRegularExpression re(QStringLiteral("^([1-7])(C|D|H|S|NT)(x{0,2})([=+-])(\\d*)$"));
  const QRegularExpressionMatch m = re.match(contract);
  Q_ASSERT(m.hasMatch());
  const int level = m.captured(1).toInt();
  const int doublet = static_cast<int>(m.captured(3).size());
  const int slagen = m.captured(5).toInt();
  if (m.captured(4) == "-")
    return -Down(slagen, doublet, kwetsbaar);
  return Gemaakt(level, m.captured(2), doublet, kwetsbaar, slagen);
}

QSet<int> GemaakteScores(bool kwetsbaar) {
  QSet<int> s;
  for (int level = 1; level <= 7; ++level)
    for (const char *kleur : {"C", "D", "H", "S", "NT"})
      for (int doublet = 0; doublet <= 2; ++doublet)
        for (int over = 0; over <= 7 - level; ++over)
          s.insert(Gemaakt(level, kleur, doublet, kwetsbaar, over));
  return s;
}

QSet<int> Strafpunten(bool kwetsbaar) {
  QSet<int> s;
  for (int slagen = 1; slagen <= 13; ++slagen)
    for (int doublet = 0; doublet <= 2; ++doublet)
      s.insert(Down(slagen, doublet, kwetsbaar));
  return s;
}

QSet<int> Waarden(const QString &tabel) {
  QSet<int> s;
  for (const QString &w : tabel.split(u'|', Qt::SkipEmptyParts))
    s.insert(w.toInt());
  return s;
}

bool NZKwetsbaar(int v) { return v == 1 || v == 3; }
bool OWKwetsbaar(int v) { return v == 2 || v == 3; }

// Every North-South score that can occur on a board of vulnerability v.
QSet<int> WettigeScores(int v) {
  QSet<int> s{0};
  for (int x : GemaakteScores(NZKwetsbaar(v)))
    s.insert(x);
  for (int x : Strafpunten(NZKwetsbaar(v)))
    s.insert(-x);
  for (int x : GemaakteScores(OWKwetsbaar(v)))
    s.insert(-x);
  for (int x : Strafpunten(OWKwetsbaar(v)))
    s.insert(x);
  return s;
}

} // namespace

class ScoreTabellenTest : public QObject {
  Q_OBJECT
private slots:
  void contracten_data() {
    QTest::addColumn<QString>("contract");
    QTest::addColumn<bool>("kwetsbaar");
    QTest::addColumn<int>("score");
    QTest::newRow("4S= NV") << "4S=" << false << 420;
    QTest::newRow("4S= V") << "4S=" << true << 620;
    QTest::newRow("3NT+1 V") << "3NT+1" << true << 630;
    QTest::newRow("3NT+1 NV") << "3NT+1" << false << 430;
    QTest::newRow("1NTx= NV") << "1NTx=" << false << 180;
    QTest::newRow("1NTx= V") << "1NTx=" << true << 180;
    QTest::newRow("1NTxx= V") << "1NTxx=" << true << 760;
    QTest::newRow("7NTxx= V") << "7NTxx=" << true << 2980;
    QTest::newRow("7NTxx= NV") << "7NTxx=" << false << 2280;
    QTest::newRow("6C= NV") << "6C=" << false << 920;
    QTest::newRow("6NT= V") << "6NT=" << true << 1440;
    QTest::newRow("1C+6 NV") << "1C+6" << false << 190;
    QTest::newRow("2Hx+5 NV") << "2Hx+5" << false << 970;
    QTest::newRow("2Sx+3 V") << "2Sx+3" << true << 1270;
    QTest::newRow("2Sx+3 NV") << "2Sx+3" << false << 770;
    QTest::newRow("1Dxx+6 V") << "1Dxx+6" << true << 2630;
    QTest::newRow("1 down NV") << "4S-1" << false << -50;
    QTest::newRow("1 down V") << "4S-1" << true << -100;
    QTest::newRow("3 down x NV") << "3Sx-3" << false << -500;
    QTest::newRow("3 down x V") << "3Sx-3" << true << -800;
    QTest::newRow("4 down x NV") << "4Hx-4" << false << -800;
    QTest::newRow("13 down xx V") << "7NTxx-13" << true << -7600;
    QTest::newRow("13 down xx NV") << "7NTxx-13" << false << -7000;
  }
  // Known scores; the declarer's score is accepted on every board where the
  // declarer has that vulnerability, played by either side.
  void contracten() {
    QFETCH(QString, contract);
    QFETCH(bool, kwetsbaar);
    QFETCH(int, score);
    QCOMPARE(Score(contract, kwetsbaar), score);
    for (int v = 0; v <= 3; ++v) {
      if (NZKwetsbaar(v) == kwetsbaar)
        QCOMPARE(ValideerScore(QString::number(score), v), ScoreOordeel::Geldig);
      if (OWKwetsbaar(v) == kwetsbaar)
        QCOMPARE(ValideerScore(QString::number(-score), v), ScoreOordeel::Geldig);
    }
  }

  // Every score that can occur on a board is accepted there; a score that
  // can occur only with the other vulnerability is still a score.
  void elkeWettigeScore() {
    for (int v = 0; v <= 3; ++v) {
      const QSet<int> wettig = WettigeScores(v);
      for (int s : wettig)
        QVERIFY2(ValideerScore(QString::number(s), v) == ScoreOordeel::Geldig,
                 qPrintable(QString("%1 on vulnerability %2").arg(s).arg(v)));
      for (int s : WettigeScores(3 - v))
        QVERIFY(ValideerScore(QString::number(s), v) != ScoreOordeel::BestaatNiet);
    }
  }

  // Each table holds what it says: made scores, 0, and the penalties of the
  // same vulnerability (the non-vulnerable ones from 100 up).
  void tabellenInhoud() {
    QCOMPARE(Waarden(sDownTabelKwetsbaar()), Strafpunten(true));
    QCOMPARE(Waarden(sDownTabelNietKwetsbaar()), Strafpunten(false));
    QCOMPARE(Waarden(sScoreTabelKwetsbaar()),
             GemaakteScores(true) | QSet<int>{0} | Strafpunten(true));
    QSet<int> nietKwetsbaar = GemaakteScores(false) | QSet<int>{0};
    for (int x : Strafpunten(false))
      if (x >= 100)
        nietKwetsbaar.insert(x);
    QCOMPARE(Waarden(sScoreTabelNietKwetsbaar()), nietKwetsbaar);
    QVERIFY(sScoreTabelNietKwetsbaar().startsWith("7000|0|"));
  }

  // The search in the four tables at once: every value up to 9999 is found
  // exactly when a table holds it; only the tables' own way of writing it
  // counts.
  void staatInEenTabel() {
    const QSet<int> alle = Waarden(sScoreTabelKwetsbaar()) | Waarden(sScoreTabelNietKwetsbaar()) |
                           Waarden(sDownTabelKwetsbaar()) | Waarden(sDownTabelNietKwetsbaar());
    for (int w = 0; w <= 9999; ++w)
      QVERIFY2(StaatInEenTabel(QString::number(w)) == alle.contains(w),
               qPrintable(QString::number(w)));
    for (const char *s : {"", "00", "0100", "-100", "+100", " 100", "100 ", "12345", "70000",
                          "100|1000", "|100", "n", "4e2"})
      QVERIFY2(!StaatInEenTabel(QString::fromLatin1(s)), s);
    QVERIFY(!StaatInEenTabel(QStringLiteral("\u0664\u0662\u0660"))); // 420 in Arabic-Indic digits
  }

  // The vulnerability of duplicate bridge: every board of the cycle of 16,
  // and every board that repeats it up to 192; beyond that nobody.
  void kwetsbaarheid_data() {
    QTest::addColumn<int>("spel");
    QTest::addColumn<int>("v");
    enum { Niemand, NZ, OW, Beiden };
    const int cyclus[16] = {Niemand, NZ,     OW,      Beiden, NZ,     OW,      Beiden, Niemand,
                            OW,      Beiden, Niemand, NZ,     Beiden, Niemand, NZ,     OW};
    for (int k = 0; k < 12; ++k)
      for (int b = 1; b <= 16; ++b)
        QTest::addRow("%d", 16 * k + b) << 16 * k + b << cyclus[b - 1];
    QTest::newRow("193") << 193 << 0;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("-1") << -1 << 0;
  }
  void kwetsbaarheid() {
    QFETCH(int, spel);
    QFETCH(int, v);
    QCOMPARE(Kwetsbaarheid(spel), v);
    QCOMPARE(sKwetsbaarheid().size(), 192);
  }

  void validatie_data() {
    QTest::addColumn<QString>("score");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("oordeel");
    const int geldig = int(ScoreOordeel::Geldig);
    const int fout = int(ScoreOordeel::VerkeerdeKwetsbaarheid);
    const int niet = int(ScoreOordeel::BestaatNiet);
    QTest::newRow("420 none") << "420" << 0 << geldig;
    QTest::newRow("420 NS vul") << "420" << 1 << fout;
    QTest::newRow("-50 none") << "-50" << 0 << geldig;
    QTest::newRow("-50 NS vul") << "-50" << 1 << fout;
    QTest::newRow("7000 none") << "7000" << 0 << geldig;
    QTest::newRow("970 none") << "970" << 0 << geldig;
    QTest::newRow("-970 none") << "-970" << 0 << geldig;
    QTest::newRow("970 NS vul") << "970" << 1 << fout;
    QTest::newRow("1070 none") << "1070" << 0 << fout;
    QTest::newRow("1070 NS vul") << "1070" << 1 << geldig;
    QTest::newRow("-2840 none") << "-2840" << 0 << fout;
    QTest::newRow("-2840 EW vul") << "-2840" << 2 << geldig;
    QTest::newRow("2440 both") << "2440" << 3 << geldig;
    QTest::newRow("200 both") << "200" << 3 << geldig;
    QTest::newRow("-200 both") << "-200" << 3 << geldig;
    QTest::newRow("620 NS vul") << "620" << 1 << geldig;
    QTest::newRow("620 EW vul") << "620" << 2 << fout;
    QTest::newRow("-620 EW vul") << "-620" << 2 << geldig;
    QTest::newRow("-620 NS vul") << "-620" << 1 << fout;
    QTest::newRow("123") << "123" << 0 << niet;
    QTest::newRow("10") << "10" << 0 << niet;
    QTest::newRow("000") << "000" << 0 << niet;
    QTest::newRow("-0") << "-0" << 0 << niet;
    QTest::newRow("empty") << "" << 2 << geldig;
    QTest::newRow("n") << "n" << 3 << geldig;
    QTest::newRow("N") << "N" << 1 << geldig;
    QTest::newRow("00 passed out") << "00" << 2 << geldig;
    QTest::newRow("0") << "0" << 3 << geldig;
  }
  void validatie() {
    QFETCH(QString, score);
    QFETCH(int, v);
    QFETCH(int, oordeel);
    QCOMPARE(int(ValideerScore(score, v)), oordeel);
  }

  // "Not played" is the whole text "n" or "N", for the ENTER step and the
  // matchpoints alike; a text that merely holds the letter is none.
  void nietGespeeld() {
    for (const char *s : {"n", "N"})
      QVERIFY2(IsNietGespeeld(QString::fromLatin1(s)), s);
    for (const char *s : {"", "nn", "n0", "700n", "-n", " n", "0"})
      QVERIFY2(!IsNietGespeeld(QString::fromLatin1(s)), s);
  }
};

#include "scoretabellen_test.moc"
ZEMLO_TEST_CLASS(ScoreTabellenTest)
