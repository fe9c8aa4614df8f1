// The layout of the entry per board, for the smallest and the largest
// evening on the screens a club has.
#include "common/testsupport.h"
#include "scoring/spelindeling.h"

#include <QTest>

using namespace scoring;

namespace {

// An evening as the window measures it: the Dutch texts as DejaVu Sans 9 pt
// (the caption bold 11 pt) draws them, in pixels, and the result grid's
// columns fitted to "Speler 12 Noordwest - Speler 12 Zuid", in twips.
SpelMaten Avond(int paren, int ronden, int spellen, QSize scherm) {
  SpelMaten maten;
  maten.spellenPerRonde = spellen;
  maten.ronden = ronden;
  maten.tafels = paren / 2;
  maten.scherm = scherm;
  const int borden = ronden * spellen;
  maten.spelKop = borden < 10 ? 58 : borden < 100 ? 68 : 79; // "Spel: 108"
  maten.koppen = {25, 29, 62, 66, 46, 50};
  maten.klaarKnop = 40;
  maten.wisKnop = 59;
  maten.klaarHint = QSize(114, 28);
  maten.info = {223, 244, 238, 207};
  maten.gridKolommen = {paren < 10 ? 390 : 420, paren < 10 ? 3735 : 4080};
  for (int b = 1; b <= borden; ++b)
    maten.gridKolommen.append(b < 10 ? 300 : b < 100 ? 420 : 525);
  maten.gridKolommen += {450, 1200};
  maten.gridRijen = (paren + 2) * 255;
  maten.spelKolom = 46;
  maten.schuif = 14;
  return maten;
}

// The grid whole, its scroll bar and frame included, in pixels.
QSize GridInhoud(const SpelMaten &maten) {
  int breedte = maten.schuif * 15 + 60;
  for (int c = 0; c < maten.gridKolommen.size(); ++c)
    breedte += c >= 2 && c < maten.gridKolommen.size() - 2
                   ? std::max(maten.gridKolommen[c], maten.spelKolom * 15)
                   : maten.gridKolommen[c];
  return QSize(breedte / 15, (maten.schuif * 15 + 60 + maten.gridRijen) / 15);
}

} // namespace

class TestSpelIndeling : public QObject {
  Q_OBJECT
private slots:
  // The window as the director sees it: a board button a board, a row a
  // table, and the grid that scrolls once the screen cannot hold it.
  void smallestAndLargest_data() {
    QTest::addColumn<int>("paren");
    QTest::addColumn<int>("ronden");
    QTest::addColumn<int>("spellen");
    QTest::addColumn<QSize>("scherm");
    QTest::addColumn<QSize>("venster");
    QTest::addColumn<QRect>("grid");
    QTest::newRow("smallest, 1024x768: the least width")
        << 4 << 3 << 1 << QSize(1024, 768) << QSize(728, 349) << QRect(8, 181, 704, 154);
    QTest::newRow("largest, 1024x768: the grid scrolls")
        << 26 << 12 << 9 << QSize(1024, 768) << QSize(992, 716) << QRect(8, 400, 968, 302);
    QTest::newRow("largest, 1280x1024")
        << 26 << 12 << 9 << QSize(1280, 1024) << QSize(1248, 912) << QRect(8, 400, 1224, 498);
  }
  void smallestAndLargest() {
    QFETCH(int, paren);
    QFETCH(int, ronden);
    QFETCH(int, spellen);
    QFETCH(QSize, scherm);
    QFETCH(QSize, venster);
    QFETCH(QRect, grid);
    const SpelIndeling indeling = MaakSpelIndeling(Avond(paren, ronden, spellen, scherm));
    QCOMPARE(indeling.venster, venster);
    QCOMPARE(indeling.grid, grid);
    QCOMPARE(indeling.spellen.size(), ronden * spellen);
    QCOMPARE(indeling.rijen.size(), paren / 2);
    // A round a row of buttons, the first at the template's place.
    QCOMPARE(indeling.spellen.first(), indeling.sjabloon);
    QCOMPARE(indeling.spellen.last().topLeft(),
             indeling.sjabloon.topLeft() + QPoint((spellen - 1) * indeling.sjabloon.width(),
                                                  (ronden - 1) * indeling.sjabloon.height()));
  }

  // Whatever the evening: the window and its title bar fit the screen, the
  // grid takes the room the screen leaves and scrolls beyond it, every
  // control stands in the frame, every header shows its text whole, and
  // no two controls that show cover each other.
  void fitsTheScreen_data() {
    QTest::addColumn<int>("paren");
    QTest::addColumn<int>("ronden");
    QTest::addColumn<int>("spellen");
    QTest::addColumn<QSize>("scherm");
    for (const QSize scherm : {QSize(1024, 768), QSize(1280, 1024)}) {
      const QString s = QStringLiteral(", %1x%2").arg(scherm.width()).arg(scherm.height());
      QTest::addRow("smallest%s", qPrintable(s)) << 4 << 3 << 1 << scherm;
      QTest::addRow("4 pairs, 12 rounds of 9%s", qPrintable(s)) << 4 << 12 << 9 << scherm;
      QTest::addRow("26 pairs, 3 rounds of 1%s", qPrintable(s)) << 26 << 3 << 1 << scherm;
      QTest::addRow("largest%s", qPrintable(s)) << 26 << 12 << 9 << scherm;
    }
  }
  void fitsTheScreen() {
    QFETCH(int, paren);
    QFETCH(int, ronden);
    QFETCH(int, spellen);
    QFETCH(QSize, scherm);
    const SpelMaten maten = Avond(paren, ronden, spellen, scherm);
    const SpelIndeling indeling = MaakSpelIndeling(maten);

    QVERIFY(indeling.venster.width() <= scherm.width());
    QVERIFY(indeling.venster.height() + 30 <= scherm.height());
    const QSize inhoud = GridInhoud(maten);
    // The frame may take the screen less 40 pixels; the grid, the frame
    // less its margins.
    QVERIFY(indeling.grid.width() >= std::min(inhoud.width(), scherm.width() - 40 - 16));
    QVERIFY(indeling.grid.height() >= std::min(inhoud.height(), 150));

    QVERIFY(QRect(QPoint(), indeling.venster).contains(indeling.kader));
    const QRect binnen(QPoint(), indeling.kader.size());
    QList<QRect> getoond{indeling.spelNummer, indeling.klaar,  indeling.wisSpel,
                         indeling.klaarHint,  indeling.nummer, indeling.kwetsbaar,
                         indeling.grid,       indeling.terug,  indeling.uitslag};
    getoond += indeling.spellen;
    for (int k = 0; k < 6; ++k) {
      getoond.append(indeling.koppen[k]);
      QVERIFY(indeling.koppen[k].width() > maten.koppen[k]);
    }
    for (const auto &rij : indeling.rijen)
      getoond += QList<QRect>(rij.begin(), rij.end());
    getoond += QList<QRect>(indeling.info.begin(), indeling.info.end());
    for (int a = 0; a < getoond.size(); ++a) {
      QVERIFY(binnen.contains(getoond[a]));
      for (int b = a + 1; b < getoond.size(); ++b)
        QVERIFY2(!getoond[a].intersects(getoond[b]),
                 qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
    }
  }
};

#include "spelindeling_test.moc"
ZEMLO_TEST_CLASS(TestSpelIndeling)
