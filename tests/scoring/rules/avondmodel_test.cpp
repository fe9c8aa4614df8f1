// The evening as the entry window keeps it: boards, rows, exchanges, board
// lines in the results file, and what happens to lines it cannot read.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "scoring/avondmodel.h"

#include <QTest>

using namespace scoring;

namespace {

// Eight pairs at four tables, two rounds of two boards.
const AvondKop kKop{8, 0, 2, 2};
const QVector<TafelParen> kRonde1{{7, 8}, {1, 2}, {5, 6}, {3, 4}};
const QVector<TafelParen> kRonde2{{1, 3}, {2, 4}, {5, 7}, {6, 8}};
const QVector<QVector<TafelParen>> kTafels{kRonde1, kRonde1, kRonde2, kRonde2};

void VulSpel(AvondModel &m, int spel, const QStringList &nz) {
  for (int i = 0; i < nz.size(); ++i)
    m.ZetScores(spel, i, nz.at(i), Spiegel(nz.at(i)));
}

QString Cel(const AvondModel &m, int paar, int spel) {
  return ParenVolgorde(m.Stand({})).rijen.at(paar - 1).spellen.at(spel - 1);
}

} // namespace

class AvondModelTest : public QObject {
  Q_OBJECT
private slots:
  void rijen() {
    AvondModel m(kKop, kTafels);
    QCOMPARE(m.AantalSpellen(), 4);
    QCOMPARE(m.AantalTafels(), 4);
    QCOMPARE(m.intTop(), 6);
    // The rows stand in the order of the North-South pairs.
    QList<int> nz;
    for (const SpelRij &r : m.Rijen(2))
      nz.append(r.nz);
    QCOMPARE(nz, QList<int>({1, 3, 5, 7}));
    QVERIFY(m.Rijen(2).at(0).doetMee);
    QCOMPARE(m.VolgendOnafgemaakt(), 1);

    // Pair 6 of six sits out; a board with fewer tables has rows without pairs.
    AvondModel z({6, 6, 1, 2}, {{{1, 2}, {5, 6}, {3, 4}}, {{1, 2}}});
    QVERIFY(!z.Rijen(1).at(2).doetMee);
    QCOMPARE(z.Rijen(1).at(2).ow, 6);
    QVERIFY(!z.Rijen(2).at(1).doetMee);
    QCOMPARE(z.Rijen(2).at(1).nz, 0);
  }

  // Finishing a board adds its line; finishing it again replaces it in place.
  void klaarEnVervangen() {
    AvondModel m(kKop, kTafels);
    VulSpel(m, 2, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(2));
    VulSpel(m, 1, {"100", "100", "100", "100"});
    QVERIFY(m.SpelKlaar(1));
    QCOMPARE(m.Regels(), QStringList({"02*1|2|||420|-420|6|0@3|4|||400|-400|4|2@5|6|||-50|50|0|6@"
                                      "7|8|||170|-170|2|4",
                                      "01*1|2|||100|-100|3|3@3|4|||100|-100|3|3@5|6|||100|-100|3|"
                                      "3@7|8|||100|-100|3|3"}));
    m.ZetScores(2, 2, "-100", "100");
    QVERIFY(m.SpelKlaar(2));
    QCOMPARE(m.Regels().size(), 2);
    QVERIFY(m.Regels().at(0).startsWith("02*1|2|||420|-420|6|0@3|4|||400|-400|4|2@5|6|||-100|"));
    QVERIFY(m.IsKlaar(1) && m.IsKlaar(2) && !m.AlleKlaar());
    QCOMPARE(m.VolgendOnafgemaakt(), 3);
  }

  // Klaar refuses a board with an empty row, or with a North-South score
  // changed after its mirror was made.
  void klaarWeigert() {
    AvondModel m(kKop, kTafels);
    VulSpel(m, 1, {"420", "400", "-50", ""});
    QVERIFY(!m.SpelKlaar(1));
    m.ZetScores(1, 3, "450", "-420");
    QCOMPARE(m.TeHerzien(1), QVector<int>({3}));
    QVERIFY(!m.SpelKlaar(1));
    QVERIFY(m.Regels().isEmpty());
    m.ZetScores(1, 3, "450", "-450");
    QVERIFY(m.TeHerzien(1).isEmpty());
    QVERIFY(m.SpelKlaar(1));
  }

  // An exchange is stored, read back and scored for the pairs as they sat.
  void omwisselen() {
    AvondModel m(kKop, kTafels);
    m.WisselParen(1, 0);
    QVERIFY(m.Rijen(1).at(0).omgewisseld);
    VulSpel(m, 1, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(1));
    const QString regel = m.Regels().at(0);
    QVERIFY(regel.startsWith("01*2|1|||420|-420|6|0@"));
    QCOMPARE(Cel(m, 2, 1), QString("6"));
    QCOMPARE(Cel(m, 1, 1), QString("0"));

    AvondModel terug(kKop, kTafels);
    terug.LeesRegels({regel});
    QVERIFY(terug.IsKlaar(1));
    QVERIFY(terug.Rijen(1).at(0).omgewisseld);
    QCOMPARE(terug.Rijen(1).at(0).nz, 2);
    QCOMPARE(terug.Regels(), QStringList({regel}));
    QCOMPARE(Cel(terug, 2, 1), QString("6"));
    // Exchanging back gives the schema's orientation again.
    terug.WisselParen(1, 0);
    QVERIFY(!terug.Rijen(1).at(0).omgewisseld);
    QCOMPARE(terug.Rijen(1).at(0).nz, 1);
  }

  // A schema that names a pair the header does not count: the board's line
  // is still read back.
  void paarBuitenKop() {
    AvondModel m({4, 0, 1, 1}, {{{1, 2}, {3, 5}}});
    m.ZetScores(1, 0, "420", "-420");
    m.ZetScores(1, 1, "400", "-400");
    QVERIFY(m.SpelKlaar(1));
    AvondModel terug({4, 0, 1, 1}, {{{1, 2}, {3, 5}}});
    terug.LeesRegels(m.Regels());
    QVERIFY(terug.IsKlaar(1));
    QCOMPARE(ParenVolgorde(terug.Stand({})).rijen.size(), 4);
  }

  // Reading scores every finished board again.
  void herberekenen() {
    AvondModel m({14, 0, 1, 1}, {{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}, {13, 14}}});
    m.LeesRegels({"01*1|2|||420|-420|12.2|0@3|4|||400|-400|9|3@5|6|||170|-170|7|5@7|8|||140|-140|"
                  "5|7@9|10|||-50|50|2|10@11|12|||-100|100|0|12@13|14|||n|n|n|n"});
    QVERIFY(m.IsKlaar(1));
    QCOMPARE(m.Regels().at(0),
             QString("01*1|2|||420|-420|11.83|0.17@3|4|||400|-400|9.5|2.5@5|6|||170|-170|7.17|"
                     "4.83@7|8|||140|-140|4.83|7.17@9|10|||-50|50|2.5|9.5@11|12|||-100|100|0.17|"
                     "11.83@13|14|||n|n|n|n"));
  }

  // Lines that are not board lines of this evening, or do not fit its
  // tables, are kept as they stand and leave their board unfinished; a board
  // left without a line takes the place of its first line not read.
  void ongelezenRegels() {
    const QStringList regels{
        "onzin",
        "09*1|2|||420|-420|6|0", // beyond the evening
        "01*1|5|||420|-420|6|0", // 1 and 5 do not meet on board 1
        "02*1|2|||4x0|-420|6|0", // not a score
        "03*1|3|||420|-420|3|3@2|4|||420|-420|3|3@5|7|||420|-420|3|3@6|8|||420|-420|3|3",
        "03*1|3|||-50|50|3|3@2|4|||-50|50|3|3@5|7|||-50|50|3|3@6|8|||-50|50|3|3", // second line
        "04*1|3|||420|-420|6|0@1|3|||400|-400|4|2", // the same table twice
    };
    AvondModel m(kKop, kTafels);
    m.LeesRegels(regels);
    QCOMPARE(OngelezenRegels(m), QVector<int>({0, 1, 2, 3, 5, 6}));
    QVERIFY(!m.IsKlaar(1) && !m.IsKlaar(2) && m.IsKlaar(3) && !m.IsKlaar(4));
    QCOMPARE(m.Regels(), regels);
    QCOMPARE(m.OnleesbareSpellen(), QVector<int>({1, 2, 4}));
    // Finishing board 1 puts its line where its line not read stood.
    VulSpel(m, 1, {"100", "100", "100", "100"});
    QVERIFY(m.SpelKlaar(1));
    QStringList na = regels;
    na[2] = "01*1|2|||100|-100|3|3@3|4|||100|-100|3|3@5|6|||100|-100|3|3@7|8|||100|-100|3|3";
    QCOMPARE(m.Regels(), na);
    QCOMPARE(m.OnleesbareSpellen(), QVector<int>({2, 4}));
    // The lines named by no board: the one of no board, the one beyond the
    // evening, board 3's second line.
    QCOMPARE(m.OnbekendeRegels(), QVector<int>({0, 1, 5}));
    // Clearing a board whose line was not read removes that line: nothing
    // of the board comes back at the next opening.
    m.WisSpel(2);
    na.removeAt(3);
    QCOMPARE(m.Regels(), na);
    QCOMPARE(m.OnleesbareSpellen(), QVector<int>({4}));
    // Clearing board 3 removes its second line too.
    m.WisSpel(3);
    na.removeAt(3);
    na.removeAt(3);
    QCOMPARE(m.Regels(), na);
    // Clearing board 1 removes its line; board 4 still takes the place of its own.
    m.WisSpel(1);
    na.removeAt(2);
    QCOMPARE(m.Regels(), na);
    VulSpel(m, 4, {"100", "100", "100", "100"});
    QVERIFY(m.SpelKlaar(4));
    QVERIFY(m.Regels().at(2).startsWith("04*1|3|||100|-100|"));
    QCOMPARE(m.Regels().size(), na.size());
    QVERIFY(m.OnleesbareSpellen().isEmpty());
    AvondModel terug(kKop, kTafels);
    terug.LeesRegels(m.Regels());
    QVERIFY(!terug.IsKlaar(1) && !terug.IsKlaar(2) && !terug.IsKlaar(3) && terug.IsKlaar(4));
  }

  // A score changed in either box, or pairs exchanged on a board that holds
  // scores, is what Klaar has not taken; an exchange alone on an empty board
  // is not.
  void gewijzigd() {
    AvondModel m(kKop, kTafels);
    VulSpel(m, 1, {"60%", "400", "-50", "170"});
    m.ZetScores(1, 0, "60%", "40%");
    QVERIFY(m.IsGewijzigd(1));
    QVERIFY(m.SpelKlaar(1));
    QVERIFY(!m.IsGewijzigd(1));
    m.ZetScores(1, 0, "60%", "50%"); // the East-West box alone
    QVERIFY(m.IsGewijzigd(1));
    m.OpenSpel(1);
    QVERIFY(!m.IsGewijzigd(1));
    m.WisselParen(1, 2);
    QVERIFY(m.IsGewijzigd(1));
    m.WisselParen(1, 2);
    QVERIFY(!m.IsGewijzigd(1));
    m.WisselParen(2, 0);
    QVERIFY(!m.IsGewijzigd(2));
  }

  // Klaar is offered on a board whose rows are complete, through ENTER and
  // not yet taken by Klaar. A finished board first gets the scores of
  // "klaar"; the case's rows then go over it with their mirror, a text of
  // "ow" taking the mirror's place, and "wissel" exchanges that row's pairs.
  void magKlaar() {
    const QStringList klaar{"420", "400", "-50", "170"};
    struct Geval {
      const char *naam;
      bool eerstKlaar;
      QStringList nz, ow;
      int wissel;
      bool mag;
    };
    const Geval gevallen[] = {
        {"empty board", false, {}, {}, -1, false},
        {"exchange on an empty board", false, {}, {}, 1, false},
        {"complete", false, klaar, {}, -1, true},
        {"a row empty", false, {"420", "400", "-50"}, {}, -1, false},
        {"a blank East-West box", false, klaar, {"", "", "", " "}, -1, false},
        {"tens shorthand not through ENTER", false, {"42", "400", "-50", "170"}, {}, -1, false},
        {"a score in no table", false, {"123", "400", "-50", "170"}, {}, -1, false},
        {"mirror out of step", false, klaar, {"-400"}, -1, false},
        {"finished, unchanged", true, {}, {}, -1, false},
        {"finished, a score changed", true, {"430"}, {}, -1, true},
        {"finished, pairs exchanged", true, {}, {}, 2, true},
        {"finished, changed to incomplete", true, {""}, {}, -1, false},
    };
    for (const Geval &g : gevallen) {
      AvondModel m(kKop, kTafels);
      if (g.eerstKlaar) {
        VulSpel(m, 1, klaar);
        QVERIFY2(m.SpelKlaar(1), g.naam);
      }
      for (int i = 0; i < g.nz.size(); ++i)
        m.ZetScores(1, i, g.nz.at(i), Spiegel(g.nz.at(i)));
      for (int i = 0; i < g.ow.size(); ++i) {
        if (!g.ow.at(i).isEmpty())
          m.ZetScores(1, i, m.Rijen(1).at(i).scoreNZ, g.ow.at(i));
      }
      if (g.wissel >= 0)
        m.WisselParen(1, g.wissel);
      QVERIFY2(m.MagKlaar(1) == g.mag, g.naam);
    }
    // A row that does not take part needs no score; no board outside the evening.
    AvondModel z({6, 6, 1, 2}, {{{1, 2}, {5, 6}, {3, 4}}, {{1, 2}}});
    VulSpel(z, 2, {"420"});
    QVERIFY(z.MagKlaar(2));
    QVERIFY(!z.MagKlaar(0) && !z.MagKlaar(3));
  }

  // Which board a line not read belongs to: the number before its "*", for a
  // board that no line was read for; a line of no board of the evening, or
  // no board line at all, belongs to none and is never replaced.
  void onleesbareSpellen_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QVector<int>>("spellen");
    const QString goed1 = "01*1|2|||420|-420|6|0@3|4|||400|-400|4|2@5|6|||170|-170|2|4@"
                          "7|8|||-50|50|0|6";
    QTest::newRow("a score that is not one")
        << QStringList{"02*1|2|||4x0|-420|6|0"} << QVector<int>{2};
    QTest::newRow("a blank after the last matchpoint")
        << QStringList{goed1 + " "} << QVector<int>{1};
    QTest::newRow("without its leading zero")
        << QStringList{"3*1|3|||420|-420|6|0@1|3|||420|-420|6|0"} << QVector<int>{3};
    QTest::newRow("its board read from another line")
        << QStringList{"01*1|2|||4x0|-420|6|0", goed1, "01*zzz"} << QVector<int>{};
    QTest::newRow("a board beyond the evening")
        << QStringList{"05*1|2|||4x0|-420|6|0", "100*x", "0*x"} << QVector<int>{};
    QTest::newRow("no board line")
        << QStringList{"Uitslag", "", "*01", "01 1|2|||420|-420|6|0", "0001*x"} << QVector<int>{};
  }
  void onleesbareSpellen() {
    QFETCH(QStringList, regels);
    QFETCH(QVector<int>, spellen);
    AvondModel m(kKop, kTafels);
    m.LeesRegels(regels);
    QCOMPARE(m.OnleesbareSpellen(), spellen);
    // Every board finished: only the lines of those boards are replaced, and
    // every board has one line read.
    int r = 0;
    for (int b = 1; b <= m.AantalSpellen(); ++b)
      m.VulVoorbeeld(b, [&r] { return r++ % 10; });
    QVERIFY(m.AlleKlaar());
    const QStringList na = m.Regels();
    for (int i = 0; i < regels.size(); ++i) {
      const int b = SpelNummerVan(regels.at(i));
      if (spellen.contains(b))
        QVERIFY(na.at(i).startsWith(SpelSleutel(b) + "*1|") && na.at(i) != regels.at(i));
      else
        QCOMPARE(na.at(i), regels.at(i));
    }
    for (int i = regels.size(); i < na.size(); ++i)
      QVERIFY(!spellen.contains(SpelNummerVan(na.at(i))));
    AvondModel terug(kKop, kTafels);
    terug.LeesRegels(na);
    QVERIFY(terug.AlleKlaar());
    QVERIFY(terug.OnleesbareSpellen().isEmpty());
  }

  // A line with fewer rows than tables is read: the board shows what it
  // holds, unfinished, and its line stays as it is until it is finished.
  void onvolledigeRegel() {
    const QString regel = "02*3|4|||400|-400|4|2@1|2|||420|-420|6|0";
    AvondModel m(kKop, kTafels);
    m.LeesRegels({regel});
    QVERIFY(OngelezenRegels(m).isEmpty());
    QVERIFY(!m.IsKlaar(2));
    QCOMPARE(m.Rijen(2).at(0).scoreNZ, QString("420"));
    QCOMPARE(m.Rijen(2).at(1).scoreNZ, QString("400"));
    QCOMPARE(m.Regels(), QStringList({regel}));
    VulSpel(m, 2, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(2));
    QCOMPARE(m.Regels().size(), 1);
    QVERIFY(m.Regels().at(0).startsWith("02*1|2|||420|-420|6|0@3|4|||400|-400|4|2@"));
  }

  void wisSpel() {
    AvondModel m(kKop, kTafels);
    m.WisselParen(3, 1);
    VulSpel(m, 3, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(3));
    VulSpel(m, 4, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(4));
    m.WisSpel(3);
    QVERIFY(!m.IsKlaar(3));
    QCOMPARE(m.Regels().size(), 1);
    QVERIFY(m.Regels().at(0).startsWith("04*"));
    QCOMPARE(m.Rijen(3).at(1).nz, 4); // the exchange stays
    QVERIFY(m.Rijen(3).at(1).scoreNZ.isEmpty() && m.Rijen(3).at(1).mpNZ.isEmpty());
    QCOMPARE(Cel(m, 1, 3), QString());
    // Board 4's line is still its own: finishing it again replaces it.
    QVERIFY(m.SpelKlaar(4));
    QCOMPARE(m.Regels().size(), 1);
  }

  // Opening a board shows its stored line again; what was typed since is gone.
  void openSpel() {
    AvondModel m(kKop, kTafels);
    VulSpel(m, 1, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(1));
    m.ZetScores(1, 0, "90", "-90");
    m.WisRij(1, 1);
    QCOMPARE(m.Rijen(1).at(1).mpNZ, QString());
    QCOMPARE(Cel(m, 1, 1), QString("6"));
    m.OpenSpel(1);
    QCOMPARE(m.Rijen(1).at(0).scoreNZ, QString("420"));
    QCOMPARE(m.Rijen(1).at(1).mpNZ, QString("4"));
  }

  // The sample fill never touches a finished board.
  void voorbeeld() {
    AvondModel m(kKop, kTafels);
    VulSpel(m, 1, {"420", "400", "-50", "170"});
    QVERIFY(m.SpelKlaar(1));
    const QStringList voor = m.Regels();
    int r = 0;
    const auto trek = [&r] { return r++ % 10; };
    QVERIFY(!m.VulVoorbeeld(1, trek));
    QCOMPARE(m.Regels(), voor);
    for (int spel = 2; spel <= 4; ++spel)
      QVERIFY(m.VulVoorbeeld(spel, trek));
    QVERIFY(m.AlleKlaar());
    QCOMPARE(m.Rijen(2).at(2).scoreNZ, QString("-90"));
    QCOMPARE(m.Rijen(2).at(2).scoreOW, QString("90"));
  }

  // The sample fill leaves alone a board finished or holding anything typed.
  void magVoorbeeld_data() {
    QTest::addColumn<QStringList>("nz"); // typed a row, North-South then East-West
    QTest::addColumn<bool>("klaar");
    QTest::addColumn<bool>("mag");
    QTest::newRow("empty") << QStringList{} << false << true;
    QTest::newRow("finished") << QStringList{"420", "400", "-50", "170"} << true << false;
    QTest::newRow("one score typed") << QStringList{"", "", "420"} << false << false;
    QTest::newRow("a blank typed") << QStringList{" "} << false << false;
    QTest::newRow("East-West alone") << QStringList{"|50%"} << false << false;
  }
  void magVoorbeeld() {
    QFETCH(QStringList, nz);
    QFETCH(bool, klaar);
    QFETCH(bool, mag);
    AvondModel m(kKop, kTafels);
    for (int i = 0; i < nz.size(); ++i)
      m.ZetScores(2, i, nz.at(i).section(u'|', 0, 0),
                  nz.at(i).contains(u'|') ? nz.at(i).section(u'|', 1) : QString());
    if (klaar) {
      VulSpel(m, 2, nz);
      QVERIFY(m.SpelKlaar(2));
    }
    QCOMPARE(m.MagVoorbeeld(2), mag);
    QVERIFY(m.MagVoorbeeld(1));
    QVERIFY(!m.MagVoorbeeld(0) && !m.MagVoorbeeld(5));
  }
};

#include "avondmodel_test.moc"
ZEMLO_TEST_CLASS(AvondModelTest)
