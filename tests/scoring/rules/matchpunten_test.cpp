// The matchpoints of one board: ranking, ties, adjusted scores, boards not
// played everywhere and Neuberg's factoring.
#include "common/testsupport.h"
#include "scoring/matchpunten.h"

#include <QTest>

using namespace scoring;

namespace {
// "420,-420" is a row that takes part; "x" a row that does not.
QVector<SpelRijScore> Rijen(const QStringList &rijen) {
  QVector<SpelRijScore> uit;
  for (const QString &r : rijen) {
    if (r == "x")
      uit.append({QString(), QString(), false});
    else
      uit.append({r.section(',', 0, 0), r.section(',', 1, 1), true});
  }
  return uit;
}
} // namespace

class MatchpuntenTest : public QObject {
  Q_OBJECT
private slots:
  void top_data() {
    QTest::addColumn<int>("paren");
    QTest::addColumn<int>("stilzit");
    QTest::addColumn<int>("top");
    QTest::newRow("14") << 14 << 0 << 12;
    QTest::newRow("13") << 13 << 0 << 10;
    QTest::newRow("14, 14 sits out") << 14 << 14 << 10;
    QTest::newRow("8") << 8 << 0 << 6;
    QTest::newRow("8, one sits out") << 8 << 8 << 4;
    QTest::newRow("7") << 7 << 0 << 4;
    QTest::newRow("2") << 2 << 0 << 0;
    QTest::newRow("2, one sits out") << 2 << 2 << 0;
    QTest::newRow("1") << 1 << 0 << 0;
  }
  void top() {
    QFETCH(int, paren);
    QFETCH(int, stilzit);
    QFETCH(int, top);
    QCOMPARE(BerekenTop(paren, stilzit), top);
  }

  void spel_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<QStringList>("rijen");
    QTest::addColumn<QStringList>("mpNZ");
    QTest::addColumn<QStringList>("mpOW");
    QTest::newRow("seven tables, no ties")
        << 12 << QStringList{"420,-420", "450,-450", "170,-170", "-50,50",
                             "-100,100", "140,-140", "400,-400"}
        << QStringList{"10", "12", "6", "2", "0", "4", "8"}
        << QStringList{"2", "0", "6", "10", "12", "8", "4"};
    QTest::newRow("three equal best")
        << 12 << QStringList{"420,-420", "420,-420", "420,-420", "400,-400",
                             "170,-170", "140,-140", "-50,50"}
        << QStringList{"10", "10", "10", "6", "4", "2", "0"}
        << QStringList{"2", "2", "2", "6", "8", "10", "12"};
    QTest::newRow("passed out ties") << 4 << QStringList{"0,0", "0,0", "-50,50"}
                                     << QStringList{"3", "3", "0"} << QStringList{"1", "1", "4"};
    QTest::newRow("one table not played")
        << 12
        << QStringList{"420,-420", "400,-400", "n,n", "170,-170", "140,-140", "-50,50", "-100,100"}
        << QStringList{"11.83", "9.5", "n", "7.17", "4.83", "2.5", "0.17"}
        << QStringList{"0.17", "2.5", "n", "4.83", "7.17", "9.5", "11.83"};
    QTest::newRow("N as n") << 12 << QStringList{"420,-420", "400,-400", "N,n",     "170,-170",
                                                 "140,-140", "-50,50",   "-100,100"}
                            << QStringList{"11.83", "9.5", "n", "7.17", "4.83", "2.5", "0.17"}
                            << QStringList{"0.17", "2.5", "n", "4.83", "7.17", "9.5", "11.83"};
    QTest::newRow("adjusted") << 12 << QStringList{"420,-420", "400,-400", "60%,40%", "170,-170",
                                                   "140,-140", "-50,50",   "-100,100"}
                              << QStringList{"11.83", "9.5", "7.2", "7.17", "4.83", "2.5", "0.17"}
                              << QStringList{"0.17", "2.5", "4.8", "4.83", "7.17", "9.5", "11.83"};
    // Each side has its own percentage, whatever the other's.
    QTest::newRow("adjusted, not adding up to 100")
        << 12 << QStringList{"420,-420", "400,-400", "60%,50%", "170,-170",
                             "140,-140", "-50,50",   "30%,30%"}
        << QStringList{"11.6", "8.8", "7.2", "6", "3.2", "0.4", "3.6"}
        << QStringList{"0.4", "3.2", "6", "6", "8.8", "11.6", "3.6"};
    QTest::newRow("adjusted below 1")
        << 12 << QStringList{"4%,96%",   "420,-420", "400,-400", "170,-170",
                             "140,-140", "-50,50",   "-100,100"}
        << QStringList{".48", "11.83", "9.5", "7.17", "4.83", "2.5", "0.17"}
        << QStringList{"11.52", "0.17", "2.5", "4.83", "7.17", "9.5", "11.83"};
    // Six tables play the board while the top is 12; one did not play it.
    QTest::newRow("fewer tables and not played")
        << 12 << QStringList{"420,-420", "400,-400", "170,-170", "n,n", "-50,50", "-100,100", "x"}
        << QStringList{"11.6", "8.8", "6", "n", "3.2", "0.4", ""}
        << QStringList{"0.4", "3.2", "6", "n", "8.8", "11.6", ""};
    // Five tables play the board while the top is 12: factored to seven results.
    QTest::newRow("fewer tables") << 12 << QStringList{"x",      "420,-420", "400,-400", "170,-170",
                                                       "-50,50", "-100,100", "x"}
                                  << QStringList{"", "11.6", "8.8", "6", "3.2", "0.4", ""}
                                  << QStringList{"", "0.4", "3.2", "6", "8.8", "11.6", ""};
    QTest::newRow("ties factored")
        << 8 << QStringList{"420,-420", "420,-420", "n,n", "400,-400"}
        << QStringList{"5.67", "5.67", "n", "0.67"} << QStringList{"2.33", "2.33", "n", "7.33"};
    QTest::newRow("five plays, one not played")
        << 8 << QStringList{"620,-620", "600,-600", "n,n", "200,-200", "100,-100"}
        << QStringList{"7.75", "5.25", "n", "2.75", "0.25"}
        << QStringList{"0.25", "2.75", "n", "5.25", "7.75"};
    QTest::newRow("every row not played")
        << 4 << QStringList{"n,n", "n,n", "N,n"} << QStringList{"n", "n", "n"}
        << QStringList{"n", "n", "n"};
    QTest::newRow("sit-out row") << 4 << QStringList{"x", "110,-110", "140,-140", "-50,50"}
                                 << QStringList{"", "2", "4", "0"}
                                 << QStringList{"", "2", "0", "4"};
  }
  void spel() {
    QFETCH(int, top);
    QFETCH(QStringList, rijen);
    QFETCH(QStringList, mpNZ);
    QFETCH(QStringList, mpOW);
    const QVector<SpelRijMP> mp = ScoorSpel(Rijen(rijen), top);
    QStringList nz, ow;
    for (const SpelRijMP &r : mp) {
      nz.append(r.mpNZ);
      ow.append(r.mpOW);
    }
    QCOMPARE(nz, mpNZ);
    QCOMPARE(ow, mpOW);
  }

  // No factored score goes above the top or below 0, and the two pairs of a
  // ranked table always share the top between them.
  void factorBinnenTop() {
    for (int tafels = 2; tafels <= 13; ++tafels) {
      const int top = 2 * (tafels - 1);
      for (int gespeeld = 1; gespeeld <= tafels; ++gespeeld) {
        QStringList rijen;
        for (int i = 0; i < tafels; ++i)
          rijen.append(i < gespeeld ? QString("%1,-%1").arg(100 + 10 * (i % 3)) : "n,n");
        for (const SpelRijMP &r : ScoorSpel(Rijen(rijen), top)) {
          if (r.mpNZ == "n")
            continue;
          QVERIFY(r.mpNZ.toDouble() <= top && r.mpNZ.toDouble() >= 0);
          QVERIFY(qAbs(r.mpNZ.toDouble() + r.mpOW.toDouble() - top) < 0.011);
        }
      }
    }
  }

  void afgerond_data() {
    QTest::addColumn<double>("waarde");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("whole") << 6.0 << "6";
    QTest::newRow("half up") << 7.845 << "7.85";
    QTest::newRow("trailing zero") << 8.1 << "8.1";
    QTest::newRow("below 1") << 0.5 << "0.5";
    QTest::newRow("third") << 1.0 / 3 << "0.33";
    QTest::newRow("nearly 0") << 0.004 << "0";
  }
  void afgerond() {
    QFETCH(double, waarde);
    QFETCH(QString, tekst);
    QCOMPARE(AfgerondeTekst(waarde), tekst);
  }
};

#include "matchpunten_test.moc"
ZEMLO_TEST_CLASS(MatchpuntenTest)
