// The slip open in the entry per round: its rows from the store, ENTER and
// leaving a row, what Klaar may do and what it stores.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "rounds/openslip.h"
#include "scoring/scoreinvoer.h"

#include <QSet>
#include <QTest>

using namespace rounds;

namespace {

// Six pairs in three rounds of two boards.
const QStringList kMitchell{"1\t1- 4 (1-4)\t2 - 5     (5-8)\t3- 6 (9-12)",
                            "2\t1- 5 (9-12)\t2- 6 (1-4)\t3- 4 (5-8)",
                            "3\t1- 6 (5-8)\t2- 4 (9-12)\t3- 5 (1-4)"};

SlipOpslag Maak() {
  return SlipOpslag(RondeSchema(preparation::RondeTafels(kMitchell, 3, 2), 3, 2, 0));
}

QStringList Rijen(const OpenSlip &slip) {
  QStringList uit;
  for (const scoring::RijInvoer &r : slip.Rijen())
    uit.append(r.scoreNZ + u'|' + r.scoreOW);
  return uit;
}

} // namespace

class OpenSlipTest : public QObject {
  Q_OBJECT
private slots:
  void init() { BAS_Zemlo::iTaal = 10; }

  void opensFromTheStore() {
    SlipOpslag opslag = Maak();
    QVERIFY(!OpenSlip().IsOpen());
    QVERIFY(!OpenSlip().MagKlaar());
    opslag.ZetSlip({2, 1}, {{"420", "-420"}, {"", ""}});
    const OpenSlip slip(opslag, {2, 1});
    QVERIFY(slip.IsOpen());
    QCOMPARE(slip.Spel(0), 1);
    QCOMPARE(slip.Spel(1), 2);
    QCOMPARE(Rijen(slip), QStringList({"420|-420", "|"}));
    QVERIFY(!slip.IsGewijzigd(opslag));
    // An adjusted score corrected in its East-West box alone is a change.
    opslag.ZetSlip({2, 1}, {{"60%", "40%"}, {"", ""}});
    OpenSlip aangepast(opslag, {2, 1});
    QVERIFY(!aangepast.IsGewijzigd(opslag));
    aangepast.ZetRij(0, "60%", "50%");
    QVERIFY(aangepast.IsGewijzigd(opslag));
    // Klaar waits for every row.
    QVERIFY(!slip.AlleRijenGevuld());
    QVERIFY(!slip.MagKlaar());
  }

  // ENTER, leaving a row and Klaar change the rows as the window shows them.
  void enterAndLeaving() {
    SlipOpslag opslag = Maak();
    OpenSlip slip(opslag, {1, 0});
    QVERIFY(!slip.MagKlaar());
    slip.ZetRij(0, "42", "");
    QVERIFY(!slip.MagKlaar());
    QVERIFY(slip.IsGewijzigd(opslag));
    const scoring::StapUitkomst stap = slip.EnterNZ(0);
    QCOMPARE(stap.focus, scoring::Focus::VolgendeRij);
    QCOMPARE(Rijen(slip), QStringList({"420|-420", "|"}));
    // A score changed after its mirror gets the step when the row is left;
    // one that is a score pair already does not.
    slip.ZetRij(0, "45", "-420");
    QVERIFY(slip.Verlaat(0));
    QCOMPARE(Rijen(slip).first(), QStringLiteral("450|-450"));
    QVERIFY(!slip.Verlaat(0));
    QVERIFY(!slip.Verlaat(1)); // an empty row
    // An adjusted score goes to the East-West box too.
    slip.ZetRij(1, "60%", "");
    QCOMPARE(slip.EnterNZ(1).focus, scoring::Focus::OWVak);
    QCOMPARE(Rijen(slip).at(1), QStringLiteral("60%|60%"));
    QVERIFY(slip.AlleRijenGevuld());
    QVERIFY(slip.MagKlaar());

    // Klaar's review refuses a score that does not exist and stores nothing.
    slip.ZetRij(1, "123", "");
    const Herziening herzien = slip.Herzie();
    QCOMPARE(herzien.iFoutRij, 1);
    QCOMPARE(Rijen(slip).at(1), QStringLiteral("|"));
    slip.ZetRij(1, "n", "n");
    opslag.ZetSlip(slip.Plek(), slip.TeBewaren());
    QVERIFY(opslag.IsCompleet({1, 0}));
    QVERIFY(!slip.IsGewijzigd(opslag));
  }

  // Scores read back as they were stored stay as they are when a row is left
  // and when Klaar takes the slip again; what the director types gets the
  // ENTER step as ever.
  void storedScoresStay() {
    SlipOpslag opslag = Maak();
    QStringList regels = opslag.Regels();
    regels[0] = "*1- 4|0|-0~*2- 6~*3- 5";
    regels[1] = "*1- 4|60%|57.5%~*2- 6~*3- 5";
    opslag.LeesRegels(regels);
    QVERIFY(opslag.IsCompleet({1, 0}));
    OpenSlip slip(opslag, {1, 0});
    QVERIFY(!slip.Verlaat(0));
    QVERIFY(!slip.Verlaat(1));
    const Herziening herzien = slip.Herzie();
    QVERIFY(herzien.meldingen.isEmpty());
    QCOMPARE(Rijen(slip), QStringList({"0|-0", "60%|57.5%"}));
    opslag.ZetSlip(slip.Plek(), slip.TeBewaren());
    QCOMPARE(opslag.Regels(), regels);

    slip.ZetRij(0, "420", "");
    QVERIFY(slip.Verlaat(0));
    slip.ZetRij(1, "60%", "57%");
    slip.ZetRij(1, "60%", "57.5%"); // back as it was stored
    QVERIFY(!slip.Verlaat(1));
    QCOMPARE(Rijen(slip), QStringList({"420|-420", "60%|57.5%"}));
  }

  // Every text the score boxes let through, with the East-West texts it can
  // meet: what Klaar stores, let stand or made by its ENTER step, counts as
  // entered and is read back from the results file as the same scores,
  // still entered; a row Klaar cannot take is refused with text 92.
  void klaarBewaartLeesbaar() {
    const SlipOpslag leeg = Maak();
    const QString tekens = QStringLiteral("0123456789-nN%");
    QSet<QPair<QString, QString>> bewaard;
    QVector<QPair<QString, QString>> paren;
    for (const QString &nz : testing::AlleTeksten(tekens, 5)) {
      for (const QString &ow : {scoring::Spiegel(nz), u'-' + nz, nz.mid(1), nz, QStringLiteral("n"),
                                QStringLiteral("N"), QStringLiteral("0"), QStringLiteral("40%")}) {
        // Texts of five characters are tested for what Klaar lets stand;
        // the step itself is run on the shorter ones.
        if (nz.size() < 5 || !MoetStap({nz, ow, true}, 0, 1, {}))
          paren.append({nz, ow});
      }
    }
    paren.append(qMakePair(QStringLiteral("-700n"), QStringLiteral("700n")));
    for (const auto &[nz, ow] : std::as_const(paren)) {
      OpenSlip slip(leeg, {1, 0});
      slip.ZetRij(0, nz, ow);
      slip.ZetRij(1, "110", "-110");
      const Herziening herzien = slip.Herzie();
      if (herzien.iFoutRij >= 0) {
        QVERIFY2(herzien.iFoutRij == 0 && herzien.meldingen.last().iTekst == 92,
                 qPrintable(nz + " / " + ow));
        continue;
      }
      bewaard.insert({slip.Rijen().at(0).scoreNZ, slip.Rijen().at(0).scoreOW});
    }
    QVERIFY(bewaard.contains(qMakePair(QStringLiteral("-7600"), QStringLiteral("7600"))));
    QVERIFY(!bewaard.contains(qMakePair(QStringLiteral("-700n"), QStringLiteral("700n"))));
    for (const auto &[nz, ow] : std::as_const(bewaard)) {
      SlipOpslag opslag = Maak();
      opslag.ZetSlip({1, 0}, {{nz, ow}, {"110", "-110"}});
      QVERIFY2(opslag.IsCompleet({1, 0}), qPrintable(nz + " / " + ow));
      SlipOpslag weer = Maak();
      weer.LeesRegels(opslag.Regels());
      QVERIFY2(weer.IsCompleet({1, 0}), qPrintable(nz + " / " + ow));
      QCOMPARE(weer.Cellen({1, 0}).at(0).nz, nz);
      QCOMPARE(weer.Cellen({1, 0}).at(0).ow, ow);
    }
  }
};

#include "openslip_test.moc"
ZEMLO_TEST_CLASS(OpenSlipTest)
