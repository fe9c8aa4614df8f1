// A whole evening entered slip by slip in the real window, as the director
// does it: the overview and the missing list follow, the results file is
// written after every slip, and the result is the one the entry per board
// gives for the same scores, cell for cell.
#include "common/orakels.h"
#include "common/vensters.h"
#include "rounds_fixture.h"
#include "scoring/avondbestand.h"
#include "scoring/uitslagvenster.h"

#include "frame/bas_zemlo.h"
#include "platform/grid.h"
#include "platform/gridview.h"
#include "platform/textfile.h"
#include "preparation/schema.h"
#include "preparation/windows.h"
#include "scoring/avondmodel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace roundstest;

namespace {

// One play as it sat: the board, the pairs North-South and East-West, the scores.
struct Spel {
  int spel;
  int nz;
  int ow;
  QString scoreNZ;
  QString scoreOW;
};

// The result grid the entry per board makes of the same plays.
void PerSpel(platform::GridModel &grid, const scoring::AvondKop &kop, const QVector<Spel> &spellen,
             const QStringList &labels, QStringList schema = {}) {
  if (schema.isEmpty())
    schema = platform::splitLines(
        QString::fromLatin1(fixture(QStringLiteral("06 Paren 03 Ronden Mitchell.txt"))));
  const QList<preparation::Tafel> alle = preparation::ParenSpellen(
      preparation::SchemaRegels(schema), kop.intAantalRonden, kop.intSpellenPerRonde);
  QVector<QVector<scoring::TafelParen>> tafels;
  for (int b = 1; b <= kop.intAantalRonden * kop.intSpellenPerRonde; ++b) {
    QVector<scoring::TafelParen> spel;
    for (const preparation::Tafel &t : preparation::TafelsVoorSpel(alle, b))
      spel.append({t.ns, t.ew});
    tafels.append(spel);
  }
  scoring::AvondModel m(kop, tafels);
  for (int b = 1; b <= m.AantalSpellen(); ++b) {
    for (int i = 0; i < m.Rijen(b).size(); ++i) {
      const scoring::SpelRij rij = m.Rijen(b).at(i);
      for (const Spel &s : spellen) {
        if (!rij.doetMee || s.spel != b ||
            !((s.nz == rij.nz && s.ow == rij.ow) || (s.nz == rij.ow && s.ow == rij.nz)))
          continue;
        if (s.nz != rij.nz)
          m.WisselParen(b, i);
        m.ZetScores(b, i, s.scoreNZ, s.scoreOW);
      }
    }
    QVERIFY(m.SpelKlaar(b));
  }
  QString nr = BAS_Zemlo::Tekst(16);
  nr.remove(u'.');
  scoring::VulResultaatGrid(grid, scoring::MaakUitslag(m.Stand(labels)),
                            {nr, BAS_Zemlo::Tekst(32), BAS_Zemlo::Tekst(80), BAS_Zemlo::Tekst(81)});
}

void VergelijkGrids(const platform::GridModel &a, const platform::GridModel &b) {
  QCOMPARE(a.rows(), b.rows());
  QCOMPARE(a.cols(), b.cols());
  for (int r = 0; r < b.rows(); ++r)
    for (int c = 0; c < b.cols(); ++c) {
      const platform::GridCell &x = a.cell(r, c);
      const platform::GridCell &y = b.cell(r, c);
      QVERIFY2(x.text == y.text && x.alignment == y.alignment && x.backColor == y.backColor,
               qPrintable(QStringLiteral("%1,%2: %3 / %4").arg(r).arg(c).arg(x.text, y.text)));
    }
}

QStringList Labels(const QString &groep) {
  return scoring::LeesPaarLabels(platform::splitLines(QString::fromLatin1(fixture(groep)))).labels;
}

// A stand-in for the result window: it keeps what the result window is
// handed, the result grid's rows as the entry window shows them.
class NepUitslag : public ZemloWindow {
public:
  NepUitslag() : ZemloWindow(QStringLiteral("frmZemlo08")) {}
  static void installeer() {
    registerWindow(QStringLiteral("frmZemlo08"), [] { return new NepUitslag; });
    scoring::ZetUitslagVenster([](ZemloWindow *opener, int iVanForm,
                                  const scoring::Uitslag &uitslag, const QStringList &lstVoorMail) {
      platform::GridModel grid;
      scoring::VulResultaatGrid(grid, uitslag, scoring::ResultaatKop());
      gelezen = grid.rows();
      spelers = lstVoorMail;
      return openWindow(QStringLiteral("frmZemlo08"), opener, iVanForm);
    });
  }
  void Form_Load() override {
    vanForm = BAS_Zemlo::iVanForm;
    QFile f(BAS_Zemlo::Pad(QStringLiteral("invoer/")) + BAS_Zemlo::sInvoerBestand);
    bestand = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static inline int gelezen = 0;
  static inline QByteArray bestand;
  static inline QStringList spelers;
  static inline int vanForm = 0;
};

} // namespace

class EveningTest : public QObject {
  Q_OBJECT
private slots:
  // Six pairs, three rounds of two boards; one slip sat the other way round,
  // one board not played, an adjusted score, K on the button and in a box.
  void wholeEvening() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(missing(w).size(), 18);
    QCOMPARE(missing(w).first(), QStringLiteral("Ronde 1 - Spel 1"));

    // Round 1: three slips, each opened by Klaar on the one before.
    typeSlip(w, {"42", "62"});
    QCOMPARE(QApplication::focusWidget(), w->cmdSpelKlaar);
    QVERIFY(w->lblLetterKlaar->isVisible());
    QTest::keyClick(w->cmdSpelKlaar, Qt::Key_K);
    QVERIFY(w->optRonde[1]->isChecked());
    QVERIFY(w->optRonde[0]->font().strikeOut());
    QCOMPARE(QApplication::focusWidget(), vakNZ(w, 0));
    // Written at once, not only when the window closes.
    QVERIFY(p.folder.read(p.invoer()).contains("*1- 4|420|-420~*2- 6~*3- 5\r\n"));
    QCOMPARE(missing(w).size(), 16);
    typeSlip(w, {"-62", "20"});
    QTest::keyClick(w->cmdSpelKlaar, Qt::Key_K);
    typeSlip(w, {"11", "-5"});
    click(w->cmdSpelKlaar);

    // Round 2 opens by itself; its last table sat the other way round.
    QCOMPARE(w->cmdRonde[1]->palette().color(QPalette::Button).name(), QStringLiteral("#ffffc0"));
    QTest::mouseClick(w->optRonde[2], Qt::RightButton);
    QCOMPARE(p.takeBoxes(),
             QStringList({"De paren 3 - 4 zijn omgewisseld naar 4 - 3\n\nWilt u de wisseling "
                          "omgedaan maken, klik dan nogmaals met de rechtermuisknop op de paren"}));
    QCOMPARE(w->optRonde[2]->text(), QStringLiteral("4 - 3 (3-4)"));
    QVERIFY(w->optRonde[0]->isChecked());
    typeEnter(vakNZ(w, 0), "60%");
    QCOMPARE(vakOW(w, 0)->text(), QStringLiteral("60%"));
    QCOMPARE(QApplication::focusWidget(), vakOW(w, 0));
    for (int i = 0; i < 3; ++i)
      QTest::keyClick(vakOW(w, 0), Qt::Key_Backspace);
    typeEnter(vakOW(w, 0), "40%");
    QCOMPARE(QApplication::focusWidget(), vakNZ(w, 1));
    typeEnter(vakNZ(w, 1), "0");
    click(w->cmdSpelKlaar);
    typeSlip(w, {"40", "-10"});
    click(w->cmdSpelKlaar);
    QCOMPARE(w->lblPaar[0]->text(), QStringLiteral("4. Gea Wit - Henk Lam "));
    typeSlip(w, {"14", "-20"});
    click(w->cmdSpelKlaar);

    // Round 3; K typed in a box presses Klaar once every row is filled.
    QVERIFY(w->cmdRonde[2]->palette().color(QPalette::Button) == QColor(0xff, 0xff, 0xc0));
    typeSlip(w, {"11", "10"});
    QTest::keyClick(vakNZ(w, 0), Qt::Key_K);
    typeSlip(w, {"14", "10"});
    click(w->cmdSpelKlaar);
    QVERIFY(!w->cmdUitslag->isEnabled());
    QCOMPARE(missing(w), QStringList({"Ronde 3 - Spel 1", "Ronde 3 - Spel 2"}));
    typeSlip(w, {"42", "n"});
    QCOMPARE(vakOW(w, 1)->text(), QStringLiteral("n"));
    click(w->cmdSpelKlaar);

    QVERIFY(w->lblKlaar->isVisible());
    QVERIFY(w->cmdUitslag->isEnabled());
    QVERIFY(w->cmdDitMoetNog->isHidden());
    QCOMPARE(QApplication::focusWidget(), w->cmdUitslag);
    QVERIFY(p.takeBoxes().isEmpty());
    QCOMPARE(row(*w->msfgScore->grid(), 2),
             QStringLiteral("Ronde 2|[2] 400 [6] -400|[2] -100 [6] 100|[4] 140 [3] -140|[4] -200 "
                            "[3] 200|[1] 60% [5] 40%|[1] 0 [5] 0"));
    QCOMPARE(p.folder.read(p.invoer()), p.header() +
                                            "*1- 4|420|-420~*2- 6|400|-400~*3- 5|420|-420\r\n"
                                            "*1- 4|620|-620~*2- 6|-100|100~*3- 5|n|n\r\n"
                                            "*2 - 5|-620|620~*4 - 3|140|-140~*1- 6|110|-110\r\n"
                                            "*2 - 5|200|-200~*4 - 3|-200|200~*1- 6|100|-100\r\n"
                                            "*3- 6|110|-110~*1- 5|60%|40%~*2- 4|140|-140\r\n"
                                            "*3- 6|-50|50~*1- 5|0|0~*2- 4|100|-100\r\n");

    // The result, twice: the same grid as the entry per board gives.
    click(w->cmdUitslag);
    platform::GridModel verwacht;
    PerSpel(verwacht, {6, 0, 3, 2},
            {{1, 1, 4, "420", "-420"},
             {2, 1, 4, "620", "-620"},
             {3, 2, 5, "-620", "620"},
             {4, 2, 5, "200", "-200"},
             {5, 3, 6, "110", "-110"},
             {6, 3, 6, "-50", "50"},
             {5, 1, 5, "60%", "40%"},
             {6, 1, 5, "0", "0"},
             {1, 2, 6, "400", "-400"},
             {2, 2, 6, "-100", "100"},
             {3, 4, 3, "140", "-140"},
             {4, 4, 3, "-200", "200"},
             {3, 1, 6, "110", "-110"},
             {4, 1, 6, "100", "-100"},
             {5, 2, 4, "140", "-140"},
             {6, 2, 4, "100", "-100"},
             {1, 3, 5, "420", "-420"},
             {2, 3, 5, "n", "n"}},
            Labels(QStringLiteral("groep6.txt")));
    VergelijkGrids(*w->msfgResultaat->grid(), verwacht);
    QVERIFY(w->msfgResultaat->isVisible());
    click(w->cmdUitslag);
    VergelijkGrids(*w->msfgResultaat->grid(), verwacht);
    // A slip cleared: the result shown no longer holds and goes.
    const int hoogte = w->height();
    click(w->cmdWisSpel);
    QVERIFY(w->msfgResultaat->isHidden());
    QVERIFY(w->height() < hoogte);
    QVERIFY(!w->cmdUitslag->isEnabled());
    QVERIFY(!w->lblKlaar->isVisible());
    QCOMPARE(missing(w), QStringList({"Ronde 3 - Spel 1", "Ronde 3 - Spel 2"}));
  }

  // Pair six sits out: two slips a round, its boards are no slips, are not
  // missing, and count for nobody.
  void eveningWithSitOut() {
    Program p(10, {6, 2, {}});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(w->optRonde.size(), 2);
    QCOMPARE(missing(w).size(), 12);
    QVERIFY(!missing(w).contains(QStringLiteral("Ronde 1 - Spel 5")));
    QCOMPARE(row(*w->msfgScore->grid(), 1),
             QStringLiteral("Ronde 1|1 - 4|1 - 4|2 - 5|2 - 5|Sz|Sz"));
    const QList<QStringList> slips{{"42", "62"},  {"-62", "20"}, {"60%", "0"},
                                   {"14", "-20"}, {"14", "10"},  {"42", "n"}};
    for (const QStringList &slip : slips) {
      typeSlip(w, slip);
      click(w->cmdSpelKlaar);
    }
    QVERIFY(p.takeBoxes().isEmpty());
    QVERIFY(w->cmdUitslag->isEnabled());

    // With a result window it takes the grid and the players from here.
    NepUitslag::installeer();
    click(w->cmdUitslag);
    QCOMPARE(NepUitslag::gelezen, 5 + 2);
    QCOMPARE(NepUitslag::spelers.size(), 10);
    QCOMPARE(NepUitslag::spelers.first(), QStringLiteral("Anna Smit"));
    QCOMPARE(NepUitslag::vanForm, 7);
    // Everything entered is on disk before the result window opens.
    QCOMPARE(NepUitslag::bestand.count("|"), 24);
    QVERIFY(!w->isEnabled());
    platform::GridModel verwacht;
    PerSpel(verwacht, {6, 6, 3, 2},
            {{1, 1, 4, "420", "-420"},
             {2, 1, 4, "620", "-620"},
             {3, 2, 5, "-620", "620"},
             {4, 2, 5, "200", "-200"},
             {5, 1, 5, "60%", "60%"},
             {6, 1, 5, "0", "0"},
             {3, 3, 4, "140", "-140"},
             {4, 3, 4, "-200", "200"},
             {5, 2, 4, "140", "-140"},
             {6, 2, 4, "100", "-100"},
             {1, 3, 5, "420", "-420"},
             {2, 3, 5, "n", "n"}},
            Labels(QStringLiteral("groep5.txt")));
    VergelijkGrids(*w->msfgResultaat->grid(), verwacht);

    // Back from the result window the result can be asked again.
    findWindow(QStringLiteral("frmZemlo08"))->closeWindow();
    testing::flushDeletes();
    QVERIFY(w->isEnabled());
    QVERIFY(w->cmdUitslag->isEnabled());
    QCOMPARE(BAS_Zemlo::iVanForm, 0);
    click(w->cmdUitslag);
    VergelijkGrids(*w->msfgResultaat->grid(), verwacht);
  }

  // A schema whose rounds have different numbers of tables and a board set
  // played three times in a round: every table is a slip, the round gets a
  // row for each, and the result is still the entry per board's.
  void unevenSchema() {
    Program p;
    const QStringList schema{"Ongelijk", "1\t1- 2 (1-4)\t3- 4 (1-4)\t5- 6 (1-4)",
                             "2\t1- 3 (5-8)\t2- 4 (9-12)", "3\t1- 5 (9-12)"};
    p.folder.write(QStringLiteral("schema/10/06 Paren 03 Ronden Mitchell.txt"),
                   (schema.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(w->optRonde.size(), 3);
    QCOMPARE(row(*w->msfgScore->grid(), 3), QStringLiteral("|5 - 6|5 - 6||||"));
    QCOMPARE(row(*w->msfgScore->grid(), 4), QStringLiteral("Ronde 2|||1 - 3|1 - 3|2 - 4|2 - 4"));
    for (const QStringList &slip : QList<QStringList>{
             {"42", "62"}, {"40", "-10"}, {"45", "n"}, {"14", "-20"}, {"11", "-5"}, {"14", "10"}}) {
      typeSlip(w, slip);
      click(w->cmdSpelKlaar);
    }
    QVERIFY(w->optRonde[0]->isVisible() && w->optRonde[1]->isHidden());
    QVERIFY(p.takeBoxes().isEmpty());
    QVERIFY(missing(w).isEmpty());
    click(w->cmdUitslag);
    platform::GridModel verwacht;
    PerSpel(verwacht, {6, 0, 3, 2},
            {{1, 1, 2, "420", "-420"},
             {2, 1, 2, "620", "-620"},
             {1, 3, 4, "400", "-400"},
             {2, 3, 4, "-100", "100"},
             {1, 5, 6, "450", "-450"},
             {2, 5, 6, "n", "n"},
             {3, 1, 3, "140", "-140"},
             {4, 1, 3, "-200", "200"},
             {5, 2, 4, "110", "-110"},
             {6, 2, 4, "-50", "50"},
             {5, 1, 5, "140", "-140"},
             {6, 1, 5, "100", "-100"}},
            Labels(QStringLiteral("groep6.txt")), schema);
    VergelijkGrids(*w->msfgResultaat->grid(), verwacht);
  }

  // The preparation window's closing step opens the entry per round for a
  // results file made per round.
  void openedByPreparation() {
    Program p;
    registerPreparationWindows();
    click(p.main->cmdInVoerScores);
    ZemloWindow *prep = findWindow(QStringLiteral("frmZemlo04"));
    QVERIFY(prep);
    auto *lijst = prep->findChild<QListWidget *>(QStringLiteral("lstInvoer"));
    const QList<QListWidgetItem *> items =
        lijst->findItems(p.invoer().mid(7).chopped(4), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                      lijst->visualItemRect(items.first()).center());
    QTest::keyClick(lijst, Qt::Key_Escape);
    auto *w = qobject_cast<frmZemlo07 *>(findWindow(QStringLiteral("frmZemlo07")));
    QVERIFY(w);
    QVERIFY(!prep->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Invoer scores per ronde (01-02-2024)"));
    QTest::keyClick(w, Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
    QVERIFY(prep->isEnabled());
    QCOMPARE(p.folder.read(p.invoer()), fixture(QStringLiteral("nieuw_gesloten.txt")));
    delete prep;
  }
};

#include "evening_test.moc"
ZEMLO_TEST_CLASS(EveningTest)
