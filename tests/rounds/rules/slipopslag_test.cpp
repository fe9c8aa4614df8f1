// The slips of an evening entered per round and the body of its results
// file: tables from the schema, the lines written byte for byte and read
// back, and what a hand-edited file keeps.
#include "common/testsupport.h"
#include "platform/textfile.h"
#include "rounds/slipopslag.h"
#include "rounds/slipstap.h"

#include <QTest>

using namespace rounds;

namespace {

// Six pairs in three rounds of two boards; set k of the file is boards
// 2k - 1 and 2k.
const QStringList kMitchell{"1\t1- 4 (1-4)\t2 - 5     (5-8)\t3- 6 (9-12)",
                            "2\t1- 5 (9-12)\t2- 6 (1-4)\t3- 4 (5-8)",
                            "3\t1- 6 (5-8)\t2- 4 (9-12)\t3- 5 (1-4)"};
// Four pairs; the second table of round 3 is empty.
const QStringList kLeeg{"1\t1- 2 (1-4)\t3- 4 (5-8)", "2\t1- 3 (5-8)\t2- 4 (9-12)",
                        "3\t1- 4 (9-12)\t-  -  (1-4)", "4\t2- 3 (13-16)"};

SlipOpslag Maak(const QStringList &regels, int stilzit = 0, int ronden = 3, int spellen = 2) {
  return SlipOpslag(
      RondeSchema(preparation::RondeTafels(regels, ronden, spellen), ronden, spellen, stilzit));
}

// The body lines of a fixture (the lines after its seven header lines).
QStringList Body(const char *naam) {
  const auto regels =
      platform::readTextLines(QStringLiteral(ZEMLO_TEST_FIXTURES "/rounds/") + QLatin1String(naam));
  return regels ? regels->mid(7) : QStringList();
}

QString Paren(const SlipOpslag &o, const QVector<TafelPlek> &plekken) {
  QStringList uit;
  for (const TafelPlek &p : plekken)
    uit.append(QStringLiteral("%1.%2:%3").arg(p.ronde).arg(p.tafel).arg(o.ParenTekst(p)));
  return uit.join(u' ');
}

} // namespace

class SlipOpslagTest : public QObject {
  Q_OBJECT
private slots:
  void tables() {
    const SlipOpslag o = Maak(kMitchell, 6);
    const RondeSchema &s = o.Schema();
    QCOMPARE(s.AantalSpellen(), 6);
    QCOMPARE(Paren(o, s.TafelsVanSpel(3)), QStringLiteral("1.1:2 - 5 2.2:3 - 4 3.0:1 - 6"));
    // The sit-out pair's tables are no slips.
    QCOMPARE(s.Slips(1), QVector<int>({0, 1}));
    QCOMPARE(s.Slips(3), QVector<int>({1, 2}));
    QVERIFY(s.Tafel({3, 0}).stilzit);

    // Round lines beyond the rounds are left out; an empty table plays no slip.
    const SlipOpslag l = Maak(kLeeg);
    QCOMPARE(l.Schema().AantalRonden(), 3);
    QCOMPARE(l.Schema().Slips(3), QVector<int>({0}));
    QCOMPARE(Paren(l, l.Schema().TafelsVanSpel(1)), QStringLiteral("1.0:1 - 2 3.1:0 - 0"));
  }

  // A file read and written again gives the same bytes.
  void roundTrip_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("stilzit");
    QTest::addColumn<bool>("leeg");
    QTest::newRow("new file") << "nieuw_gesloten.txt" << 0 << false;
    QTest::newRow("swapped tables") << "gewisseld.txt" << 0 << false;
    QTest::newRow("one-table board") << "eentafel.txt" << 0 << true;
  }
  void roundTrip() {
    QFETCH(QString, fixture);
    QFETCH(int, stilzit);
    QFETCH(bool, leeg);
    const QStringList body = Body(qPrintable(fixture));
    QVERIFY(!body.isEmpty());
    SlipOpslag o = Maak(leeg ? kLeeg : kMitchell, stilzit);
    o.LeesRegels(body);
    QCOMPARE(o.Regels(), body);
  }

  // A new evening writes every table's bare key, as the schema writes the
  // pairs; the sit-out pair's tables are left out.
  void newBody() {
    QCOMPARE(Maak(kMitchell).Regels(), Body("nieuw_gesloten.txt"));
    QCOMPARE(Maak(kMitchell, 6).Regels(),
             QStringList({"*1- 4~*3- 5", "*1- 4~*3- 5", "*2 - 5~*3- 4", "*2 - 5~*3- 4",
                          "*1- 5~*2- 4", "*1- 5~*2- 4"}));
  }

  void readBack() {
    SlipOpslag o = Maak(kMitchell);
    o.LeesRegels(Body("gewisseld.txt"));
    // Exchanged tables come back exchanged, with their scores in place.
    QVERIFY(o.Omgewisseld({1, 0}));
    QCOMPARE(o.ParenTekst({1, 0}), QStringLiteral("4 - 1"));
    QVERIFY(o.Omgewisseld({2, 2}));
    QVERIFY(!o.Omgewisseld({1, 1}));
    QCOMPARE(o.Cellen({1, 0}).at(1).nz, QStringLiteral("-100"));
    QVERIFY(o.IsCompleet({1, 0}));
    QVERIFY(o.IsCompleet({2, 1})); // "n" on its second board
    QVERIFY(o.IsCompleet({1, 2})); // an adjusted score
    QVERIFY(o.IsCompleet({2, 0})); // 420 on a board where North-South is vulnerable
    QVERIFY(!o.IsCompleet({3, 2}));
    QVERIFY(!o.AllesIngevoerd());

    // A board played at one table only is read back like any other.
    SlipOpslag l = Maak(kLeeg);
    l.LeesRegels(Body("eentafel.txt"));
    QVERIFY(l.IsCompleet({1, 0}));
    QCOMPARE(l.Cellen({1, 0}).at(0).nz, QStringLiteral("110"));
  }

  // What a hand-edited body holds: fields are taken by their pair numbers,
  // scores that are not score pairs stay, not entered, and nothing is lost.
  void handEdited_data() {
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<QStringList>("geschreven");
    QTest::addColumn<QString>("ingevoerd"); // round.table:board entered, ...
    const QStringList bare = Body("nieuw_gesloten.txt");
    QStringList body = bare;
    body[0] = "*3 - 5|100|-100~ *1 -4|420|-420 ~*2- 6";
    QStringList uit = bare;
    uit[0] = "*1- 4|420|-420~*2- 6~*3- 5|100|-100";
    QTest::newRow("other order and spacing") << body << uit << "1.0:1 3.2:1";

    body = bare;
    body[1] = "*1- 4|42|-42~*2- 6|abc|-abc~*3- 5|123|-123~*2- 6|100|-100~*9- 9";
    uit = bare;
    uit[1] = "*1- 4|42|-42~*2- 6|abc|-abc~*3- 5|123|-123~*2- 6|100|-100~*9- 9";
    QTest::newRow("not scores, a second field, a table not played") << body << uit << "";

    body = bare;
    body[2] = "*5 - 2|420|-420~*3- 4~*1- 6";
    body[3] = "*2 - 5|-420|420~*3- 4~*1- 6";
    uit = bare;
    uit[2] = "*5 - 2|420|-420~*3- 4~*1- 6";
    uit[3] = "*5 - 2|420|-420~*3- 4~*1- 6";
    QTest::newRow("one slip written both ways round") << body << uit << "1.1:3 1.1:4";

    // A blank at the edge of a score is not kept, on either side: "n " read
    // into the East-West box of slip 2- 6 (its pairs written the other way
    // round) would be written last in its field and read back without it.
    body = bare;
    body[1] = "*1- 4|420 | -420~*6- 2|n |n~*3- 5|\t-50|50  ";
    uit = bare;
    uit[1] = "*1- 4|420|-420~*2- 6|n|n~*3- 5|-50|50";
    QTest::newRow("blanks around the scores") << body << uit << "1.0:2 2.1:2 3.2:2";

    body = bare;
    body << "*1- 4|420|-420"
         << ""
         << "  ";
    uit = bare;
    uit << "*1- 4|420|-420";
    QTest::newRow("lines beyond the boards") << body << uit << "";

    body = bare.mid(0, 2);
    body[0] = "*1- 4|420|-420|x~*2- 6|420";
    uit = bare;
    uit[0] = "*1- 4|420|-420|x~*2- 6|420|~*3- 5";
    // 420 without its East-West score is a score entered (storedForms).
    QTest::newRow("lines missing, scores cut short") << body << uit << "2.1:1";

    body = bare;
    body[4] = "05*3|6|||420|-420|2|0";
    uit = bare;
    uit[4] += "~05*3|6|||420|-420|2|0";
    QTest::newRow("a board line of the entry per board") << body << uit << "";
  }
  void handEdited() {
    QFETCH(QStringList, body);
    QFETCH(QStringList, geschreven);
    QFETCH(QString, ingevoerd);
    const auto gevonden = [](const SlipOpslag &o) {
      QStringList uit;
      for (int r = 1; r <= 3; ++r)
        for (const int t : o.Schema().Slips(r))
          for (int i = 0; i < o.Cellen({r, t}).size(); ++i)
            if (o.Cellen({r, t}).at(i).ingevoerd)
              uit.append(QStringLiteral("%1.%2:%3")
                             .arg(r)
                             .arg(t)
                             .arg(o.Schema().Tafel({r, t}).eersteSpel + i));
      return uit.join(u' ');
    };
    SlipOpslag o = Maak(kMitchell);
    o.LeesRegels(body);
    QCOMPARE(o.Regels(), geschreven);
    QCOMPARE(gevonden(o), ingevoerd);
    // Read again, the same boards are entered and the written body stays as
    // it is.
    SlipOpslag nogmaals = Maak(kMitchell);
    nogmaals.LeesRegels(geschreven);
    QCOMPARE(gevonden(nogmaals), ingevoerd);
    QCOMPARE(nogmaals.Regels(), geschreven);
  }

  // Every form an entered score is stored in reads back entered, with the
  // same texts and the same matchpoints, and is written back byte for byte;
  // texts the entry never stores read back not entered. Board 1: nobody
  // vulnerable, board 2: North-South.
  void storedForms_data() {
    QTest::addColumn<int>("spel");
    QTest::addColumn<QString>("nz");
    QTest::addColumn<QString>("ow");
    QTest::addColumn<QString>("zoals"); // the score pair it is scored as; "" not entered
    const auto rij = [](int spel, const char *nz, const char *ow, const char *zoals) {
      QTest::addRow("%d: %s|%s", spel, nz, ow) << spel << nz << ow << zoals;
    };
    // As the ENTER step leaves them.
    rij(1, "420", "-420", "420|-420");
    rij(1, "-50", "50", "-50|50");
    rij(2, "420", "-420", "420|-420"); // not this board's vulnerability
    rij(1, "0", "0", "0|0");
    rij(1, "n", "n", "n|n");
    rij(1, "N", "n", "N|n");
    rij(1, "60%", "40%", "60%|40%");
    rij(1, "0%", "100%", "0%|100%");
    // The other forms of an entered score.
    rij(1, "0", "-0", "0|0");
    rij(1, "N", "N", "N|n");
    rij(1, "420", "", "420|-420");
    rij(1, "-420", "", "-420|420");
    rij(2, "420", "", "420|-420");
    rij(1, "0", "", "0|0");
    rij(1, "n", "", "n|n");
    rij(1, "60%", "57.5%", "60%|57.5%");
    rij(1, "57.5%", "42.25%", "57.5%|42.25%");
    rij(1, "100%", "0.5%", "100%|0.5%");
    // Never stored: they read back as not entered.
    rij(1, "42", "-42", "");
    rij(1, "42", "", "");
    rij(1, "123", "-123", "");
    rij(1, "123", "", "");
    rij(1, "-0", "0", "");
    rij(1, "420", "420", "");
    rij(1, "420", "-42", "");
    rij(1, "n", "N", "");
    rij(1, "60%", "", "");
    rij(1, "60%", "40", "");
    rij(1, "101%", "0%", "");
    rij(1, "60.%", "40%", "");
    rij(1, ".5%", "99.5%", "");
    rij(1, "100.5%", "0%", "");
    rij(1, "abc", "-abc", "");
  }
  void storedForms() {
    QFETCH(int, spel);
    QFETCH(QString, nz);
    QFETCH(QString, ow);
    QFETCH(QString, zoals);
    // Table 1- 4 of round 1 plays boards 1 and 2, with 3 - 5 and 2 - 6.
    const auto vul = [spel](SlipOpslag &o, const QString &a, const QString &b) {
      o.ZetSlip({1, 0}, spel == 1 ? QVector<QPair<QString, QString>>{{a, b}, {"620", "-620"}}
                                  : QVector<QPair<QString, QString>>{{"420", "-420"}, {a, b}});
      o.ZetSlip({2, 1}, {{"-100", "100"}, {"100", "-100"}});
      o.ZetSlip({3, 2}, {{"110", "-110"}, {"-110", "110"}});
    };
    SlipOpslag o = Maak(kMitchell);
    vul(o, nz, ow);
    QCOMPARE(o.IsCompleet({1, 0}), !zoals.isEmpty());
    const QStringList regels = o.Regels();
    QCOMPARE(regels.at(spel - 1).section(u'~', 0, 0), "*1- 4|" + nz + u'|' + ow);

    // Read back: the same texts, entered or not as Klaar left them, the same
    // lines written and the same matchpoints.
    SlipOpslag terug = Maak(kMitchell);
    terug.LeesRegels(regels);
    const SlipCel &cel = terug.Cellen({1, 0}).at(spel - 1);
    QCOMPARE(cel.nz + u'|' + cel.ow, nz + u'|' + ow);
    QCOMPARE(cel.ingevoerd, !zoals.isEmpty());
    QCOMPARE(terug.Regels(), regels);
    const auto mp = [spel](const SlipOpslag &s) {
      QStringList uit;
      const scoring::AvondStand stand = s.Stand(6, 0, {});
      for (const scoring::GescoordeRij &r : stand.spellen.at(spel - 1))
        uit.append(QStringLiteral("%1-%2:%3/%4").arg(r.nz).arg(r.ow).arg(r.mpNZ, r.mpOW));
      return uit;
    };
    QCOMPARE(mp(terug), mp(o));
    if (!zoals.isEmpty()) {
      SlipOpslag als = Maak(kMitchell);
      vul(als, zoals.section(u'|', 0, 0), zoals.section(u'|', 1, 1));
      QCOMPARE(mp(terug), mp(als));
    }
  }

  // A board played at one table only has a line of one field, which reads
  // back like any other.
  void oneTableBoard() {
    SlipOpslag o = Maak(
        {"1\t1- 2 (1-4)\t3- 4 (5-8)", "2\t1- 3 (5-8)\t2- 4 (9-12)", "3\t1- 4 (1-4)\t2- 3 (5-8)"}, 0,
        3, 2);
    QCOMPARE(o.Schema().TafelsVanSpel(5).size(), 1);
    o.ZetSlip({2, 1}, {{"420", "-420"}, {"n", "n"}});
    const QStringList regels = o.Regels();
    QCOMPARE(regels.mid(4), QStringList({"*2- 4|420|-420", "*2- 4|n|n"}));
    SlipOpslag terug = Maak(
        {"1\t1- 2 (1-4)\t3- 4 (5-8)", "2\t1- 3 (5-8)\t2- 4 (9-12)", "3\t1- 4 (1-4)\t2- 3 (5-8)"}, 0,
        3, 2);
    terug.LeesRegels(regels);
    QVERIFY(terug.IsCompleet({2, 1}));
    QCOMPARE(terug.Cellen({2, 1}).at(0).nz, QStringLiteral("420"));
    QCOMPARE(terug.Cellen({2, 1}).at(1).ow, QStringLiteral("n"));
    QCOMPARE(terug.Regels(), regels);
  }

  // The pair part of an exchanged slip, its undoing and its refusal.
  void exchange() {
    SlipOpslag o = Maak(kMitchell);
    QVERIFY(o.Wissel({1, 1}));
    QCOMPARE(o.ParenTekst({1, 1}), QStringLiteral("5 - 2"));
    QCOMPARE(o.Regels().at(2), QStringLiteral("*5 - 2~*3- 4~*1- 6"));
    QVERIFY(o.Wissel({1, 1}));
    QCOMPARE(o.Regels().at(2), QStringLiteral("*2 - 5~*3- 4~*1- 6"));
    // A slip that holds a score, even one not complete, keeps its pairs.
    o.ZetSlip({1, 1}, {{"420", "-420"}, {"", ""}});
    QVERIFY(!o.IsCompleet({1, 1}));
    QVERIFY(!o.Wissel({1, 1}));
    QCOMPARE(o.NZ({1, 1}), 2);
  }

  // Klaar stores the rows with a North-South text; a slip is complete only
  // when every board holds a score pair; Wis slip empties it.
  void klaarAndClear() {
    SlipOpslag o = Maak(kMitchell);
    o.ZetSlip({1, 0}, {{"", "-420"}, {"420", "-420"}});
    QVERIFY(!o.Cellen({1, 0}).at(0).ingevoerd);
    QVERIFY(o.Cellen({1, 0}).at(0).ow.isEmpty());
    QVERIFY(o.Cellen({1, 0}).at(1).ingevoerd);
    QVERIFY(!o.IsCompleet({1, 0}));
    QCOMPARE(o.Regels().at(1), QStringLiteral("*1- 4|420|-420~*2- 6~*3- 5"));
    o.ZetSlip({1, 0}, {{"n", "n"}, {"420", "-420"}});
    QVERIFY(o.IsCompleet({1, 0}));
    o.WisSlip({1, 0});
    QVERIFY(!o.HeeftScores({1, 0}));
    QCOMPARE(o.Regels(), Body("nieuw_gesloten.txt"));
  }

  // The sample scores fill only boards not entered.
  void sample() {
    SlipOpslag o = Maak(kMitchell, 6);
    o.ZetSlip({1, 0}, {{"420", "-420"}, {"", ""}});
    int k = 0;
    QCOMPARE(o.VulVoorbeeld([&k] { return k++ % 10; }), 11);
    QCOMPARE(o.Cellen({1, 0}).at(0).nz, QStringLiteral("420"));
    QCOMPARE(o.Cellen({1, 0}).at(1).nz, QStringLiteral("100"));
    QCOMPARE(o.Cellen({1, 1}).at(0).nz, QStringLiteral("110"));
    QCOMPARE(o.Cellen({1, 1}).at(1).ow, QStringLiteral("90"));
    QVERIFY(o.AllesIngevoerd());
    QCOMPARE(o.VulVoorbeeld([] { return 0; }), 0);
  }

  // Klaar runs the ENTER step again on rows not yet a score pair.
  void klaarRerunsEnter_data() {
    QTest::addColumn<QStringList>("nz");
    QTest::addColumn<QStringList>("ow");
    QTest::addColumn<QStringList>("naNZ");
    QTest::addColumn<QStringList>("naOW");
    QTest::addColumn<QString>("meldingen");
    QTest::addColumn<int>("fout");
    // Boards 1 (nobody vulnerable) and 2 (North-South vulnerable).
    QTest::newRow("changed after its mirror")
        << QStringList{"450", "620"} << QStringList{"-420", "-620"} << QStringList{"450", "620"}
        << QStringList{"-450", "-620"} << "" << -1;
    QTest::newRow("typed without ENTER")
        << QStringList{"42", "N"} << QStringList{"", ""} << QStringList{"420", "N"}
        << QStringList{"-420", "n"} << "" << -1;
    QTest::newRow("wrong vulnerability")
        << QStringList{"100", "420"} << QStringList{"", ""} << QStringList{"100", "420"}
        << QStringList{"-100", "-420"} << "91:420@1" << -1;
    QTest::newRow("does not exist")
        << QStringList{"123", "420"} << QStringList{"-123", ""} << QStringList{"", "420"}
        << QStringList{"", ""} << "92:123@0" << 0;
    QTest::newRow("empty rows untouched")
        << QStringList{"", "0"} << QStringList{"-", "0"} << QStringList{"", "0"}
        << QStringList{"-", "0"} << "" << -1;
  }
  void klaarRerunsEnter() {
    QFETCH(QStringList, nz);
    QFETCH(QStringList, ow);
    QFETCH(QStringList, naNZ);
    QFETCH(QStringList, naOW);
    QFETCH(QString, meldingen);
    QFETCH(int, fout);
    QVector<scoring::RijInvoer> rijen;
    for (int i = 0; i < nz.size(); ++i)
      rijen.append({nz.at(i), ow.at(i), true});
    const Herziening h = HerzieSlip(rijen, 1);
    QStringList gotNZ, gotOW, gotM;
    for (const auto &r : h.rijen) {
      gotNZ.append(r.scoreNZ);
      gotOW.append(r.scoreOW);
    }
    for (const Melding &m : h.meldingen)
      gotM.append(QStringLiteral("%1:%2@%3").arg(m.iTekst).arg(m.sPlaatsvervanger).arg(m.iRij));
    QCOMPARE(gotNZ, naNZ);
    QCOMPARE(gotOW, naOW);
    QCOMPARE(gotM.join(u' '), meldingen);
    QCOMPARE(h.iFoutRij, fout);
  }
};

#include "slipopslag_test.moc"
ZEMLO_TEST_CLASS(SlipOpslagTest)
