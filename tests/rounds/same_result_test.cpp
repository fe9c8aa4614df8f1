// One evening typed twice, as a director would: slip by slip in the entry
// per round and board by board in the entry per board. Both result steps
// must give the same ranked grid, cell for cell.
#include "common/vensters.h"
#include "rounds_fixture.h"

#include "frame/bas_zemlo.h"
#include "platform/grid.h"
#include "platform/gridview.h"
#include "scoring/frmzemlo06.h"
#include "scoring/scorerij.h"
#include "scoring/windows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace roundstest;

namespace {

// One score as typed: the North-South text, and an East-West text typed
// over what ENTER put there when it is not the mirror (an adjusted score).
struct Score {
  QString nz;
  QString ow = {};
};

// One table of one round: its pairs, its first board and its two scores.
struct Slip {
  int nz;
  int ow;
  int eersteSpel;
  QVector<Score> scores;
};

// The six-pair Mitchell of the fixture, slip by slip in the order the entry
// per round opens them: round 1, 2, 3; tables 1, 2, 3.
const QVector<Slip> kAvond{
    {1, 4, 1, {{"42"}, {"62"}}},        {2, 5, 3, {{"-62"}, {"20"}}},  {3, 6, 5, {{"11"}, {"5-"}}},
    {1, 5, 5, {{"60%", "40%"}, {"0"}}}, {2, 6, 1, {{"40"}, {"-10"}}},  {3, 4, 3, {{"14"}, {"-20"}}},
    {1, 6, 3, {{"11"}, {"10"}}},        {2, 4, 5, {{"14"}, {"-110"}}}, {3, 5, 1, {{"45"}, {"n"}}},
};

using Snapshot = QVector<QVector<platform::GridCell>>;

Snapshot Neem(const platform::GridModel &grid) {
  Snapshot uit;
  for (int r = 0; r < grid.rows(); ++r) {
    QVector<platform::GridCell> rij;
    for (int c = 0; c < grid.cols(); ++c)
      rij.append(grid.cell(r, c));
    uit.append(rij);
  }
  return uit;
}

QString Rij(const QVector<platform::GridCell> &rij) {
  QStringList cellen;
  for (const platform::GridCell &c : rij)
    cellen.append(c.text);
  return cellen.join(u'|');
}

// Click in a box, clear it and type, then ENTER: what a person does.
void Typ(QLineEdit *vak, const QString &tekst) {
  QTest::mouseClick(vak, Qt::LeftButton);
  QApplication::processEvents();
  QTest::keyClick(vak, Qt::Key_End);
  for (int i = vak->text().size(); i > 0; --i)
    QTest::keyClick(vak, Qt::Key_Backspace);
  typeEnter(vak, tekst);
}

void TypScore(QLineEdit *nz, QLineEdit *ow, const Score &s) {
  Typ(nz, s.nz);
  if (!s.ow.isEmpty())
    Typ(ow, s.ow);
}

bool SpeeltMee(const Slip &s, int stilzit) { return s.nz != stilzit && s.ow != stilzit; }

// The whole evening in the entry per round; the ranked grid it shows.
void PerRonde(Program &p, int stilzit, Snapshot &uit) {
  frmZemlo07 *w = p.open();
  QVERIFY(w);
  for (const Slip &s : kAvond) {
    if (!SpeeltMee(s, stilzit))
      continue;
    QVERIFY2(w->lblPaar[0]->text().startsWith(QString::number(s.nz) + u'.'),
             qPrintable(w->lblPaar[0]->text()));
    for (int i = 0; i < s.scores.size(); ++i)
      TypScore(vakNZ(w, i), vakOW(w, i), s.scores.at(i));
    click(w->cmdSpelKlaar);
  }
  QVERIFY(missing(w).isEmpty());
  QVERIFY(w->cmdUitslag->isEnabled());
  click(w->cmdUitslag);
  QVERIFY(w->msfgResultaat->isVisible());
  uit = Neem(*w->msfgResultaat->grid());
  QTest::keyClick(w, Qt::Key_Escape);
  testing::flushDeletes();
  QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
}

// The same evening in the entry per board; the ranked grid it shows.
void PerSpel(Program &p, Snapshot &uit) {
  // The same results file, made per board and still empty.
  QByteArray kop = p.header();
  QVERIFY(kop.endsWith("\r\n1\r\n"));
  kop.chop(3);
  p.folder.write(p.invoer(), kop + "0\r\n");
  registerScoringWindows();
  BAS_Zemlo::sGroepBestand = p.groep() + QStringLiteral(".txt");
  BAS_Zemlo::sInvoerBestand = p.invoer().mid(7);
  QPointer<frmZemlo06> w =
      qobject_cast<frmZemlo06 *>(openWindow(QStringLiteral("frmZemlo06"), p.main));
  QVERIFY(w && !w->isClosing());
  QVERIFY(QTest::qWaitForWindowActive(w));
  for (int b = 1; b <= 6; ++b) {
    QCOMPARE(w->spelNummer(), b);
    for (int i = 0; vakNZ(w, i); ++i) {
      if (!vakNZ(w, i)->isEnabled())
        continue;
      const int nz = w->lblNZ[i]->text().toInt();
      const int ow = w->lblOW[i]->text().toInt();
      const Slip *slip = nullptr;
      for (const Slip &s : kAvond)
        if (s.nz == nz && s.ow == ow && b >= s.eersteSpel && b < s.eersteSpel + s.scores.size())
          slip = &s;
      QVERIFY2(slip, qPrintable(QStringLiteral("board %1: %2-%3").arg(b).arg(nz).arg(ow)));
      TypScore(vakNZ(w, i), vakOW(w, i), slip->scores.at(b - slip->eersteSpel));
    }
    QVERIFY(w->cmdSpelKlaar->isEnabled());
    click(w->cmdSpelKlaar);
  }
  QCOMPARE(w->spelNummer(), 0);
  QVERIFY(w->cmdUitslag->isEnabled());
  click(w->cmdUitslag);
  QVERIFY(w->msfgResultaat->isVisible());
  uit = Neem(*w->msfgResultaat->grid());
  delete w.data();
  testing::flushDeletes();
}

} // namespace

class SameResultTest : public QObject {
  Q_OBJECT
private slots:
  void sameGrid_data() {
    QTest::addColumn<int>("stilzit");
    QTest::newRow("six pairs") << 0;
    QTest::newRow("pair 6 sits out") << 6;
  }

  void sameGrid() {
    QFETCH(int, stilzit);
    Program p(10, {stilzit, 2, {}});
    Snapshot perRonde, perSpel;
    PerRonde(p, stilzit, perRonde);
    if (QTest::currentTestFailed())
      return;
    QVERIFY(p.takeBoxes().isEmpty());
    PerSpel(p, perSpel);
    if (QTest::currentTestFailed())
      return;
    QVERIFY(p.takeBoxes().isEmpty());

    QCOMPARE(perSpel.size(), perRonde.size());
    QCOMPARE(perSpel.size(), (stilzit ? 5 : 6) + 2);
    // Both colour the cells, so the colours are compared too.
    QVERIFY(perSpel.at(1).at(2).backColor && perRonde.at(1).at(2).backColor);
    for (int r = 0; r < perSpel.size(); ++r) {
      QCOMPARE(Rij(perRonde.at(r)), Rij(perSpel.at(r)));
      for (int c = 0; c < perSpel.at(r).size(); ++c) {
        const platform::GridCell &x = perRonde.at(r).at(c);
        const platform::GridCell &y = perSpel.at(r).at(c);
        const QString waar = QStringLiteral("%1,%2").arg(r).arg(c);
        QVERIFY2(x.backColor == y.backColor, qPrintable(waar));
        QVERIFY2(x.foreColor == y.foreColor, qPrintable(waar));
        QVERIFY2(x.alignment == y.alignment, qPrintable(waar));
      }
    }
  }
};

#include "same_result_test.moc"
ZEMLO_TEST_CLASS(SameResultTest)
