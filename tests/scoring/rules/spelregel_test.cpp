// The board line of the results file, written and read byte for byte.
#include "common/testsupport.h"
#include "scoring/spelregel.h"

#include <QTest>

using namespace scoring;

class SpelRegelTest : public QObject {
  Q_OBJECT
private slots:
  void schrijven() {
    SpelRegel regel;
    regel.iSpel = 5;
    regel.rijen = {{3, 6, "420", "-420", "2", "0"}, {4, 5, "400", "-400", "0", "2"}};
    QCOMPARE(SchrijfSpelRegel(regel), QString("05*3|6|||420|-420|2|0@4|5|||400|-400|0|2"));
    regel.iSpel = 100;
    regel.rijen = {{7, 2, "n", "n", "n", "n"}, {}, {10, 4, "", "", "", ""}};
    QCOMPARE(SchrijfSpelRegel(regel), QString("100*7|2|||n|n|n|n@|||||||@10|4||||||"));
  }

  void rondgang_data() {
    QTest::addColumn<QString>("regel");
    QTest::newRow("two tables") << "05*3|6|||420|-420|2|0@4|5|||400|-400|0|2";
    QTest::newRow("board 100") << "100*1|2|||-50|50|1|1";
    QTest::newRow("factored and not played")
        << "12*1|8|||420|-420|11.83|0.17@2|7|||n|n|n|n@3|6|||60%|40%|7.2|4.8";
    QTest::newRow("adjusted below 1") << "01*1|2|||4%|96%|.48|11.52";
    QTest::newRow("empty and sit-out rows") << "07*1|2|||0|0|1|1@4|10||||||@|||||||";
    QTest::newRow("passed out") << "09*5|6|||0|0|3|3";
  }
  // A line read and written again is the same line.
  void rondgang() {
    QFETCH(QString, regel);
    const std::optional<SpelRegel> gelezen = LeesSpelRegel(regel, 108, 26);
    QVERIFY(gelezen);
    QCOMPARE(SchrijfSpelRegel(*gelezen), regel);
  }

  void velden() {
    const auto r = LeesSpelRegel("12*1|8|||420|-420|11.83|0.17@|||||||", 24, 8);
    QVERIFY(r);
    QCOMPARE(r->iSpel, 12);
    QCOMPARE(r->rijen.size(), 2);
    QCOMPARE(r->rijen.at(0).nz, 1);
    QCOMPARE(r->rijen.at(0).ow, 8);
    QCOMPARE(r->rijen.at(0).scoreNZ, QString("420"));
    QCOMPARE(r->rijen.at(0).mpOW, QString("0.17"));
    QCOMPARE(r->rijen.at(1).nz, 0);
    // A board written with one digit is still its board.
    QCOMPARE(LeesSpelRegel("5*1|2|||-50|50|1|1", 24, 8)->iSpel, 5);
  }

  void weigeren_data() {
    QTest::addColumn<QString>("regel");
    QTest::newRow("no board number") << "*1|2|||-50|50|1|1";
    QTest::newRow("board 0") << "00*1|2|||-50|50|1|1";
    QTest::newRow("board beyond the evening") << "25*1|2|||-50|50|1|1";
    QTest::newRow("board number too long") << "99999999999*1|2|||-50|50|1|1";
    QTest::newRow("no star") << "05 1|2|||-50|50|1|1";
    QTest::newRow("two stars") << "05*1|2|||-50|50|1|1*";
    QTest::newRow("no rows") << "05*";
    QTest::newRow("seven fields") << "05*1|2||-50|50|1|1";
    QTest::newRow("nine fields") << "05*1|2|||-50|50|1|1|";
    QTest::newRow("third field") << "05*1|2|x||-50|50|1|1";
    QTest::newRow("pair beyond the group") << "05*1|9|||-50|50|1|1";
    QTest::newRow("pair 0") << "05*0|2|||-50|50|1|1";
    QTest::newRow("pair not a number") << "05*1|b|||-50|50|1|1";
    QTest::newRow("huge pair number") << "05*1|99999999999999999999|||-50|50|1|1";
    QTest::newRow("score not a score") << "05*1|2|||4x0|50|1|1";
    QTest::newRow("score too long") << "05*1|2|||123456|50|1|1";
    QTest::newRow("adjusted above 100") << "05*1|2|||120%|-20%|1|1";
    QTest::newRow("adjusted with a sign") << "05*1|2|||-10%|10%|1|1";
    QTest::newRow("matchpoints not a number") << "05*1|2|||-50|50|x|1";
    QTest::newRow("matchpoints too large") << "05*1|2|||-50|50|1000|1";
    QTest::newRow("matchpoints negative") << "05*1|2|||-50|50|-1|1";
    QTest::newRow("three decimals") << "05*1|2|||-50|50|1.333|1";
    QTest::newRow("blank") << "";
  }
  void weigeren() {
    QFETCH(QString, regel);
    QVERIFY(!LeesSpelRegel(regel, 24, 8));
  }
};

#include "spelregel_test.moc"
ZEMLO_TEST_CLASS(SpelRegelTest)
