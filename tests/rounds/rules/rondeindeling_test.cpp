// The layout of the entry per round, for the smallest and the largest
// evening on the screens a club has.
#include "common/testsupport.h"
#include "rounds/rondeindeling.h"

#include <QTest>

using namespace rounds;

Q_DECLARE_METATYPE(rounds::RondeMaten)

namespace {

// An evening: its rounds, the slips of its fullest round, its boards a
// round and the rows of its overview (one a round, two where two tables of
// a round share a board set).
RondeMaten Avond(int ronden, int tafels, int spellen, int overzicht, QSize scherm) {
  RondeMaten maten;
  maten.ronden = ronden;
  maten.tafels = tafels;
  maten.spellen = spellen;
  maten.overzichtRijen = overzicht;
  maten.scherm = scherm;
  return maten;
}

} // namespace

class TestRondeIndeling : public QObject {
  Q_OBJECT
private slots:
  // The window's size, and the overview that gives up height and scrolls
  // where the screen is too low for all its rows.
  void smallestAndLargest_data() {
    QTest::addColumn<RondeMaten>("maten");
    QTest::addColumn<QSize>("venster");
    QTest::addColumn<int>("overzicht");
    QTest::newRow("smallest, 1024x768")
        << Avond(3, 2, 1, 3, QSize(1024, 768)) << QSize(1000, 449) << 96;
    QTest::newRow("largest, 1024x768: the overview scrolls")
        << Avond(12, 13, 9, 24, QSize(1024, 768)) << QSize(1000, 717) << 252;
    QTest::newRow("largest, 1280x1024: the overview at its limit")
        << Avond(12, 13, 9, 24, QSize(1280, 1024)) << QSize(1000, 795) << 330;
    QTest::newRow("no screen known") << Avond(12, 13, 9, 24, QSize()) << QSize(1000, 795) << 330;
    QTest::newRow("a screen too low: the overview keeps its least height")
        << Avond(12, 13, 9, 24, QSize(800, 480)) << QSize(1000, 525) << 60;
  }
  void smallestAndLargest() {
    QFETCH(RondeMaten, maten);
    QFETCH(QSize, venster);
    QFETCH(int, overzicht);
    const RondeIndeling indeling = MaakRondeIndeling(maten);
    QCOMPARE(indeling.venster, venster);
    QCOMPARE(indeling.overzicht.height(), overzicht);
    QCOMPARE(indeling.ronden.size(), maten.ronden);
    QCOMPARE(indeling.tafels.size(), maten.tafels);
    QCOMPARE(indeling.rijen.size(), maten.spellen);
    // The ranking, when the window shows it, under the buttons.
    QCOMPARE(indeling.metUitslag.width(), venster.width());
    QVERIFY(indeling.resultaat.top() >= indeling.terug.bottom());
    QVERIFY(indeling.metUitslag.height() > indeling.resultaat.bottom());
  }

  // Whatever the evening: the window and its title bar fit the screen,
  // every round, table and row stands above the overview, the buttons in
  // the window, and no two controls cover each other.
  void fitsTheScreen_data() {
    QTest::addColumn<RondeMaten>("maten");
    for (const QSize scherm : {QSize(1024, 768), QSize(1280, 1024)}) {
      const QString s = QStringLiteral(", %1x%2").arg(scherm.width()).arg(scherm.height());
      QTest::addRow("smallest%s", qPrintable(s)) << Avond(3, 2, 1, 3, scherm);
      QTest::addRow("4 pairs, 12 rounds of 9%s", qPrintable(s)) << Avond(12, 2, 9, 12, scherm);
      QTest::addRow("26 pairs, 3 rounds of 1%s", qPrintable(s)) << Avond(3, 13, 1, 6, scherm);
      QTest::addRow("largest%s", qPrintable(s)) << Avond(12, 13, 9, 24, scherm);
    }
  }
  void fitsTheScreen() {
    QFETCH(RondeMaten, maten);
    const RondeIndeling indeling = MaakRondeIndeling(maten);
    QVERIFY(indeling.venster.height() + 50 <= maten.scherm.height());
    QVERIFY(indeling.overzicht.height() >= 60);
    const QRect venster(QPoint(), indeling.venster);
    QList<QRect> boven{indeling.scoreNZKop, indeling.scoreOWKop,  indeling.kwetsbaar,
                       indeling.ronde,      indeling.letterKlaar, indeling.klaar,
                       indeling.wisSlip};
    boven += indeling.ronden;
    boven += indeling.tafels;
    for (const SlipRijPlaats &rij : indeling.rijen)
      boven += {rij.spel, rij.nz, rij.ow};
    boven += QList<QRect>(indeling.paar.begin(), indeling.paar.end());
    boven += QList<QRect>(indeling.info.begin(), indeling.info.end());
    for (const QRect &r : boven)
      QVERIFY(r.bottom() < indeling.kader.top());
    QVERIFY(QRect(QPoint(), indeling.kader.size()).contains(indeling.overzicht));
    const QList<QRect> onder{indeling.kader, indeling.ditMoetNog, indeling.allesKlaar,
                             indeling.vulIn, indeling.uitslag,    indeling.terug};
    QList<QRect> getoond = boven + onder;
    for (int a = 0; a < getoond.size(); ++a) {
      QVERIFY(venster.contains(getoond[a]));
      for (int b = a + 1; b < getoond.size(); ++b)
        QVERIFY2(!getoond[a].intersects(getoond[b]),
                 qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
    }
    // The missing list opens upwards from its button, over the overview.
    const QRect lijst = NietGevuldPlaats(indeling, 40);
    QCOMPARE(lijst.bottom() + 1, indeling.ditMoetNog.top());
    QVERIFY(lijst.top() >= 0);
  }
};

#include "rondeindeling_test.moc"
ZEMLO_TEST_CLASS(TestRondeIndeling)
