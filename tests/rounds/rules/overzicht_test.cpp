// The overview grid of the evening and the list of what is still missing.
#include "common/testsupport.h"
#include "platform/grid.h"
#include "rounds/overzicht.h"

#include <QTest>

using namespace rounds;

namespace {

const OverzichtTeksten kTeksten{"Ronde", "Spel", "Sz"};

SlipOpslag Maak(const QStringList &regels, int stilzit, int ronden, int spellen) {
  return SlipOpslag(
      RondeSchema(preparation::RondeTafels(regels, ronden, spellen), ronden, spellen, stilzit));
}

QStringList Rij(const platform::GridModel &g, int r) {
  QStringList uit;
  for (int c = 0; c < g.cols(); ++c)
    uit.append(g.textMatrix(r, c));
  return uit;
}

} // namespace

class OverzichtTest : public QObject {
  Q_OBJECT
private slots:
  // Pairs while not entered, both pairs and scores once entered (as they
  // sat), the sit-out label and the board range of an empty table.
  void cells() {
    SlipOpslag o = Maak({"1\t1- 4 (1-4)\t-  -  (5-8)\t3- 6 (9-12)", "2\t1- 5 (9-12)\t3- 4 (1-4)",
                         "3\t2 - 4     (5-8)\t1- 6 (1-4)"},
                        6, 3, 2);
    QVERIFY(o.Wissel({2, 1}));
    o.ZetSlip({1, 0}, {{"420", "-420"}, {"", ""}});
    platform::GridModel g;
    VulOverzicht(g, o, kTeksten);
    QCOMPARE(g.rows(), 4);
    QCOMPARE(g.cols(), 7);
    QCOMPARE(Rij(g, 0), QStringList({"", "1", "2", "3", "4", "5", "6"}));
    QCOMPARE(Rij(g, 1),
             QStringList({"Ronde 1", "[1] 420 [4] -420", "1 - 4", "3-4", "3-4", "Sz", "Sz"}));
    QCOMPARE(Rij(g, 2), QStringList({"Ronde 2", "4 - 3", "4 - 3", "", "", "1 - 5", "1 - 5"}));
    QCOMPARE(Rij(g, 3), QStringList({"Ronde 3", "Sz", "Sz", "2 - 4", "2 - 4", "", ""}));
    QCOMPARE(g.cell(1, 1).alignment, int(platform::AlignLeftCenter));
    QCOMPARE(g.cell(1, 2).alignment, int(platform::AlignCenterCenter));
    QCOMPARE(g.cell(1, 5).backColor.value_or(0), kKleurStilzitCel);

    // The missing boards: real rounds, no sit-out pair, no empty table.
    QCOMPARE(
        NietGevuld(o, kTeksten),
        QStringList({"Ronde 1 - Spel 2", "Ronde 2 - Spel 1", "Ronde 2 - Spel 2", "Ronde 2 - Spel 5",
                     "Ronde 2 - Spel 6", "Ronde 3 - Spel 3", "Ronde 3 - Spel 4"}));
  }

  // A board is missing until it is entered: a board with a North-South text
  // that is no score is missing, one entered with an empty East-West text is
  // not.
  void missingByEntered() {
    SlipOpslag o =
        Maak({"1\t1- 4 (1-4)\t2 - 5     (5-8)\t3- 6 (9-12)",
              "2\t1- 5 (9-12)\t2- 6 (1-4)\t3- 4 (5-8)", "3\t1- 6 (5-8)\t2- 4 (9-12)\t3- 5 (1-4)"},
             0, 3, 2);
    QStringList regels = o.Regels();
    regels[0] = "*1- 4|123|-123~*2- 6|420|~*3- 5";
    regels[1] = "*1- 4|42|-42~*2- 6~*3- 5|n|n";
    o.LeesRegels(regels);
    const QStringList nog = NietGevuld(o, kTeksten);
    QVERIFY(nog.contains("Ronde 1 - Spel 1"));
    QVERIFY(nog.contains("Ronde 1 - Spel 2"));
    QVERIFY(!nog.contains("Ronde 2 - Spel 1"));
    QVERIFY(nog.contains("Ronde 2 - Spel 2"));
    QVERIFY(!nog.contains("Ronde 3 - Spel 2"));
    QCOMPARE(nog.size(), 18 - 2);
    platform::GridModel g;
    VulOverzicht(g, o, kTeksten);
    QCOMPARE(Rij(g, 1).mid(1, 2), QStringList({"1 - 4", "1 - 4"}));
    QCOMPARE(Rij(g, 2).at(1), QStringLiteral("[2] 420 [6] "));
  }

  // Tables of a round that share boards get rows of their own, however
  // many; the next round's label follows them, and the missing list still
  // names the round.
  void sharedSets() {
    const SlipOpslag o = Maak({"1\t1- 2 (1-4)\t3- 4 (1-4)\t5- 6 (1-4)\t7- 8 (5-8)",
                               "2\t1- 3 (5-8)\t2- 4 (09-12)\t5- 7 (9-12)", "3\t1- 4 (9-12)"},
                              0, 3, 1);
    platform::GridModel g;
    VulOverzicht(g, o, kTeksten);
    QCOMPARE(g.rows(), 1 + 3 + 2 + 1);
    QCOMPARE(Rij(g, 1), QStringList({"Ronde 1", "1 - 2", "7 - 8", ""}));
    QCOMPARE(Rij(g, 2), QStringList({"", "3 - 4", "", ""}));
    QCOMPARE(Rij(g, 3), QStringList({"", "5 - 6", "", ""}));
    QCOMPARE(Rij(g, 4), QStringList({"Ronde 2", "", "1 - 3", "2 - 4"}));
    QCOMPARE(Rij(g, 5), QStringList({"", "", "", "5 - 7"}));
    QCOMPARE(Rij(g, 6), QStringList({"Ronde 3", "", "", "1 - 4"}));
    QCOMPARE(NietGevuld(o, kTeksten).mid(4), QStringList({"Ronde 2 - Spel 2", "Ronde 2 - Spel 3",
                                                          "Ronde 2 - Spel 3", "Ronde 3 - Spel 3"}));
  }
};

#include "overzicht_test.moc"
ZEMLO_TEST_CLASS(OverzichtTest)
