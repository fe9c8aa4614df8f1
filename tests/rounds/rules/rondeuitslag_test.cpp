// The result of an evening entered per round is the result the entry per
// board gives for the same scores, cell for cell.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "platform/grid.h"
#include "rounds/slipopslag.h"
#include "scoring/avondmodel.h"

#include <QTest>

using namespace rounds;

namespace {

const QStringList kMitchell{"1\t1- 4 (1-4)\t2 - 5     (5-8)\t3- 6 (9-12)",
                            "2\t1- 5 (9-12)\t2- 6 (1-4)\t3- 4 (5-8)",
                            "3\t1- 6 (5-8)\t2- 4 (9-12)\t3- 5 (1-4)"};
const QStringList kLeeg{"1\t1- 2 (1-4)\t3- 4 (5-8)", "2\t1- 3 (5-8)\t2- 4 (9-12)",
                        "3\t1- 4 (9-12)\t-  -  (1-4)"};
const QStringList kLabels{"1. A - B ", "2. C - D ", "3. E - F ", "4. G - H ", "5. I - J ", "6. "};

// One play: the pairs as they sat and their scores.
struct Spel {
  int spel;
  int nz;
  int ow;
  QString scoreNZ;
  QString scoreOW;
};

struct Avond {
  QStringList regels;
  scoring::AvondKop kop;
  QVector<Spel> spellen;
};

// Scores for every slip of an evening: ties, a board not played, an adjusted
// score and one table that sat the other way round.
QVector<Spel> Scores(const SlipOpslag &o) {
  static const QStringList pool{"100", "-100", "110", "100", "-120", "200",
                                "300", "-90",  "80",  "120", "-110"};
  QVector<Spel> uit;
  int k = 0;
  for (int b = 1; b <= o.Schema().AantalSpellen(); ++b) {
    for (const TafelPlek &p : o.Schema().TafelsVanSpel(b)) {
      const RondeTafel &t = o.Schema().Tafel(p);
      if (!t.IsSlip())
        continue;
      Spel s{b, t.nz, t.ow, pool.at(k++ % pool.size()), QString()};
      if (b == 2 && k % 2 == 0)
        s.scoreNZ = QStringLiteral("n");
      if (b == 5 && p.ronde == 2)
        s = {b, t.nz, t.ow, QStringLiteral("60%"), QStringLiteral("40%")};
      if (p.ronde == 1 && p.tafel == 0)
        std::swap(s.nz, s.ow); // the first table of round 1 sat the other way round
      if (s.scoreOW.isEmpty())
        s.scoreOW = scoring::Spiegel(s.scoreNZ);
      uit.append(s);
    }
  }
  return uit;
}

// The evening entered per round: exchanged slips first, then every slip.
scoring::Uitslag PerRonde(SlipOpslag o, const QVector<Spel> &spellen,
                          const scoring::AvondKop &kop) {
  for (int r = 1; r <= o.Schema().AantalRonden(); ++r) {
    for (const int t : o.Schema().Slips(r)) {
      const TafelPlek plek{r, t};
      const RondeTafel &tafel = o.Schema().Tafel(plek);
      QVector<QPair<QString, QString>> rijen(tafel.AantalSpellen());
      for (const Spel &s : spellen) {
        if (!tafel.Speelt(s.spel) ||
            !((s.nz == tafel.nz && s.ow == tafel.ow) || (s.nz == tafel.ow && s.ow == tafel.nz)))
          continue;
        if (s.nz != o.NZ(plek))
          o.Wissel(plek);
        rijen[s.spel - tafel.eersteSpel] = {s.scoreNZ, s.scoreOW};
      }
      o.ZetSlip(plek, rijen);
    }
  }
  Q_ASSERT(o.AllesIngevoerd());
  return scoring::MaakUitslag(o.Stand(kop.intAantalParen, kop.intStilzitPaar, kLabels));
}

// The same evening entered board by board.
scoring::Uitslag PerSpel(const Avond &a) {
  QVector<QVector<scoring::TafelParen>> tafels;
  const QList<preparation::Tafel> alle =
      preparation::ParenSpellen(a.regels, a.kop.intAantalRonden, a.kop.intSpellenPerRonde);
  for (int b = 1; b <= a.kop.intAantalRonden * a.kop.intSpellenPerRonde; ++b) {
    QVector<scoring::TafelParen> spel;
    for (const preparation::Tafel &t : preparation::TafelsVoorSpel(alle, b))
      spel.append({t.ns, t.ew});
    tafels.append(spel);
  }
  scoring::AvondModel m(a.kop, tafels);
  for (int b = 1; b <= m.AantalSpellen(); ++b) {
    for (int i = 0; i < m.Rijen(b).size(); ++i) {
      const scoring::SpelRij rij = m.Rijen(b).at(i);
      if (!rij.doetMee)
        continue;
      for (const Spel &s : a.spellen) {
        if (s.spel != b ||
            !((s.nz == rij.nz && s.ow == rij.ow) || (s.nz == rij.ow && s.ow == rij.nz)))
          continue;
        if (s.nz != rij.nz)
          m.WisselParen(b, i);
        m.ZetScores(b, i, s.scoreNZ, s.scoreOW);
      }
    }
    if (!m.SpelKlaar(b))
      qWarning("board %d not finished per board", b);
  }
  return scoring::MaakUitslag(m.Stand(kLabels));
}

platform::GridModel *Grid(const scoring::Uitslag &u, QObject *ouder) {
  auto *g = new platform::GridModel(ouder);
  scoring::VulResultaatGrid(*g, u, {"Nr", "Paren", "MP", "Percentage"});
  return g;
}

} // namespace

class RondeUitslagTest : public QObject {
  Q_OBJECT
private slots:
  void sameAsPerBoard_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<int>("paren");
    QTest::addColumn<int>("stilzit");
    QTest::newRow("six pairs") << kMitchell << 6 << 0;
    QTest::newRow("pair six sits out") << kMitchell << 6 << 6;
    QTest::newRow("an empty table, a one-table board") << kLeeg << 4 << 0;
  }
  void sameAsPerBoard() {
    QFETCH(QStringList, regels);
    QFETCH(int, paren);
    QFETCH(int, stilzit);
    Avond a{regels, {paren, stilzit, 3, 2}, {}};
    const SlipOpslag o(RondeSchema(preparation::RondeTafels(regels, 3, 2), 3, 2, stilzit));
    a.spellen = Scores(o);
    QObject ouder;
    const platform::GridModel *perRonde = Grid(PerRonde(o, a.spellen, a.kop), &ouder);
    const platform::GridModel *perSpel = Grid(PerSpel(a), &ouder);
    QCOMPARE(perRonde->rows(), perSpel->rows());
    QCOMPARE(perRonde->cols(), perSpel->cols());
    for (int r = 0; r < perSpel->rows(); ++r) {
      for (int c = 0; c < perSpel->cols(); ++c) {
        const platform::GridCell &x = perRonde->cell(r, c);
        const platform::GridCell &y = perSpel->cell(r, c);
        QVERIFY2(x.text == y.text && x.alignment == y.alignment && x.backColor == y.backColor,
                 qPrintable(QStringLiteral("%1,%2: %3 / %4").arg(r).arg(c).arg(x.text, y.text)));
      }
    }
    // Something was scored: a pair has a total.
    QVERIFY(!perRonde->textMatrix(1, perRonde->cols() - 2).isEmpty());
  }

  // "N" for a board not played counts as "n", as text 94 tells the director.
  void capitalN() {
    SlipOpslag o(RondeSchema(preparation::RondeTafels(kMitchell, 3, 2), 3, 2, 0));
    o.ZetSlip({1, 0}, {{"N", "n"}, {"420", "-420"}});
    QVERIFY(o.IsCompleet({1, 0}));
    const scoring::AvondStand stand = o.Stand(6, 0, kLabels);
    QCOMPARE(stand.spellen.at(0).size(), 1);
    QCOMPARE(stand.spellen.at(0).first().mpNZ, QStringLiteral("n"));
    QCOMPARE(stand.spellen.at(0).first().mpOW, QStringLiteral("n"));
  }

  // An adjusted score gives each side its own percentage of the top, also
  // when the two do not add up to 100; per board and per round alike. Board 1
  // is played by 1-4, 2-6 and 3-5 (top 4).
  void adjustedEachSide_data() {
    QTest::addColumn<QString>("nz");
    QTest::addColumn<QString>("ow");
    QTest::addColumn<QString>("mp"); // North-South and East-West of table 1-4
    QTest::newRow("60% and 50%") << "60%"
                                 << "50%"
                                 << "2.4 2";
    QTest::newRow("30% and 30%") << "30%"
                                 << "30%"
                                 << "1.2 1.2";
    QTest::newRow("100% and 60%") << "100%"
                                  << "60%"
                                  << "4 2.4";
  }
  void adjustedEachSide() {
    QFETCH(QString, nz);
    QFETCH(QString, ow);
    QFETCH(QString, mp);
    SlipOpslag o(RondeSchema(preparation::RondeTafels(kMitchell, 3, 2), 3, 2, 0));
    o.ZetSlip({1, 0}, {{nz, ow}, {"420", "-420"}});
    o.ZetSlip({2, 1}, {{"420", "-420"}, {"420", "-420"}});
    o.ZetSlip({3, 2}, {{"-100", "100"}, {"420", "-420"}});
    const scoring::AvondStand perRonde = o.Stand(6, 0, kLabels);
    const scoring::GescoordeRij &r = perRonde.spellen.at(0).at(0);
    QCOMPARE(r.nz, 1);
    QCOMPARE(r.mpNZ + u' ' + r.mpOW, mp);

    scoring::AvondModel m({6, 0, 3, 2}, {{{1, 4}, {2, 6}, {3, 5}}});
    m.ZetScores(1, 0, nz, ow);
    m.ZetScores(1, 1, "420", "-420");
    m.ZetScores(1, 2, "-100", "100");
    QVERIFY(m.SpelKlaar(1));
    QCOMPARE(m.Rijen(1).at(0).mpNZ + u' ' + m.Rijen(1).at(0).mpOW, mp);
  }

  // A board of the sit-out pair never counts as played for anyone, and an
  // evening without scores gives "-" rather than dividing by zero.
  void sitOutAndNothing() {
    const SlipOpslag o(RondeSchema(preparation::RondeTafels(kMitchell, 3, 2), 3, 2, 6));
    const scoring::AvondKop kop{6, 6, 3, 2};
    const QVector<Spel> spellen = Scores(o);
    const scoring::Uitslag u = PerRonde(o, spellen, kop);
    QCOMPARE(u.rijen.size(), 5);
    for (const scoring::UitslagRij &rij : u.rijen) {
      QVERIFY(rij.paar != 6);
      // The boards counted are those the pair played, not marked "n".
      int gespeeld = 0;
      for (const Spel &s : spellen)
        gespeeld += (s.nz == rij.paar || s.ow == rij.paar) && s.scoreNZ != QStringLiteral("n");
      QVERIFY2(rij.label.endsWith(QStringLiteral(" [%1]").arg(gespeeld)), qPrintable(rij.label));
    }
    // Pairs 1 to 3 met the sit-out pair once: at most four boards each.
    QVERIFY(u.rijen.size() == 5 && spellen.size() == 12);
    const scoring::Uitslag leeg = scoring::MaakUitslag(o.Stand(6, 6, kLabels));
    QCOMPARE(leeg.rijen.first().percentage, QStringLiteral("-"));
  }
};

#include "rondeuitslag_test.moc"
ZEMLO_TEST_CLASS(RondeUitslagTest)
