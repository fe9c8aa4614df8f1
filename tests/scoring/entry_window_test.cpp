// The entry per board driven as the director uses it: scores typed with
// ENTER and the arrows, Klaar, Wis spel, exchanged pairs, the grid, the
// re-scoring on opening, the result, and the results file it writes.
#include "common/echteboxen.h"
#include "common/orakels.h"
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "preparation/windows.h"
#include "scoring/avondmodel.h"
#include "scoring/frmzemlo06.h"
#include "scoring/uitslagvenster.h"
#include "scoring/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

using platform::BoxKind;

namespace {

// A Mitchell for three tables, three rounds of two boards: every board at
// every table, every pair once on every board. North-South 1, 3 and 5 stay.
const QByteArray kSchema = "Mitchell 3 tafels\r\n"
                           "1\t1- 2 (1-4)\t3- 4 (5-8)\t5- 6 (9-12)\r\n"
                           "2\t1- 4 (9-12)\t3- 6 (1-4)\t5- 2 (5-8)\r\n"
                           "3\t1- 6 (5-8)\t3- 2 (9-12)\t5- 4 (1-4)\r\n";
const QString kSchemaNaam = "06 Paren 03 Ronden Mitchell";
const QByteArray kGroep = "1| Aa+2| Bb\r\n3| Cc+4| Dd\r\n5| Ee+6| Ff\r\n"
                          "7| Gg+8| Hh\r\n9| Ii+10| Jj\r\n11| Kk+12| Ll\r\n";
const QString kInvoer = "08-11-2023 Groep A Uitslag.txt";

// The whole evening, every board finished. Rows stand in the order of the
// North-South pairs: boards 1-2 at 1-2, 3-6, 5-4; 3-4 at 1-6, 3-4, 5-2; 5-6
// at 1-4, 3-2, 5-6.
const QStringList kAvond{"01*1|2|||420|-420|4|0@3|6|||-100|100|1|3@5|4|||-100|100|1|3",
                         "02*1|2|||110|-110|1|3@3|6|||140|-140|4|0@5|4|||110|-110|1|3",
                         "03*1|6|||-50|50|0|4@3|4|||620|-620|4|0@5|2|||170|-170|2|2",
                         "04*1|6|||600|-600|2|2@3|4|||600|-600|2|2@5|2|||600|-600|2|2",
                         "05*1|4|||200|-200|4|0@3|2|||-200|200|0|4@5|6|||0|0|2|2",
                         "06*1|4|||140|-140|3|1@3|2|||140|-140|3|1@5|6|||-300|300|0|4"};

// The same with pair 6 sitting out: its tables do not play (top 2).
const QStringList kAvondStilzit{"01*1|2|||420|-420|2|0@3|6||||||@5|4|||-100|100|0|2",
                                "02*1|2|||110|-110|0|2@3|6||||||@5|4|||140|-140|2|0",
                                "03*1|6||||||@3|4|||620|-620|2|0@5|2|||170|-170|0|2",
                                "04*1|6||||||@3|4|||600|-600|1|1@5|2|||600|-600|1|1",
                                "05*1|4|||200|-200|2|0@3|2|||-200|200|0|2@5|6||||||",
                                "06*1|4|||140|-140|1|1@3|2|||140|-140|1|1@5|6||||||"};

const QString kVraag186 =
    "Er zijn scores ingevoerd die nog niet met Klaar zijn opgeslagen.\nWilt u ze nu opslaan?";

QByteArray Regels(const QStringList &regels) {
  QByteArray uit;
  for (const QString &r : regels)
    uit += r.toLatin1() + "\r\n";
  return uit;
}

QStringList Kop(const QString &stilzit = "Geen",
                const QString &titel = "08-11-2023 Groep A Uitslag") {
  return {titel, "6", stilzit, "3", "2", kSchemaNaam, "0"};
}

// What opening says of a results file it could not read whole, in one box:
// the boards whose lines could not be read, then the other lines not read.
QStringList OpeningsMelding(const QString &spellen, const QString &regels) {
  QStringList delen;
  if (!spellen.isEmpty())
    delen.append("De opgeslagen scores van spel " + spellen +
                 " konden niet worden gelezen.\nVoer ze opnieuw in; de nieuwe scores komen in de "
                 "plaats van de oude.");
  if (!regels.isEmpty())
    delen.append("Deze regels van het uitslagbestand konden niet worden gelezen: " + regels +
                 ".\nZe blijven ongewijzigd in het bestand staan, maar tellen niet mee.");
  return delen.isEmpty() ? QStringList() : QStringList{delen.join("\n\n")};
}

// The score boxes of row i, found by their names.
QLineEdit *vakNZ(const QWidget *w, int i) {
  return w->findChild<QLineEdit *>(QStringLiteral("txtScoreNZ%1").arg(i));
}
QLineEdit *vakOW(const QWidget *w, int i) {
  return w->findChild<QLineEdit *>(QStringLiteral("txtScoreOW%1").arg(i));
}

QString Rij(const platform::GridModel &grid, int r) {
  QStringList cellen;
  for (int c = 0; c < grid.cols(); ++c)
    cellen.append(grid.textMatrix(r, c));
  return cellen.join(u'|');
}

} // namespace

class TestFrmZemlo06 : public QObject {
  Q_OBJECT
private slots:
  void initTestCase();
  void init();
  void cleanup();

  void opensEvening_data();
  void opensEvening();
  void typingAndKlaar();
  void enterStep_data();
  void enterStep();
  void arrowsAndLetterC();
  void klaarByItsLetter_data();
  void klaarByItsLetter();
  void keysTypedWhileKlaarWorks_data();
  void keysTypedWhileKlaarWorks();
  void changedScoreTestedAgain();
  void wisSpel();
  void exchangedPairs();
  void gridClickOpensBoard();
  void reScoringOnOpening();
  void backWritesFile_data();
  void backWritesFile();
  void wholeEvening_data();
  void wholeEvening();
  void klaarAfterResultKeepsPairs();
  void resultWindowHandBack();
  void badResultsFiles_data();
  void badResultsFiles();
  void unreadableLines();
  void cannotOpen_data();
  void cannotOpen();
  void unwritableFileKeepsWindow_data();
  void unwritableFileKeepsWindow();
  void everyKlaarSaves();
  void klaarSurvivesTheProgramKilled();
  void fileSizeLimitFailsTheSave();
  void unsavedBoard_data();
  void unsavedBoard();
  void unsavedBoardRealBox();
  void altLetterSwallowed();
  void boxLeavesTheRow();
  void progressWhileReScoring();
  void gridScrollsToTheBoard();
  void closeWithoutSaving();
  void sampleFill();
  void openedThroughPreparation();
  void pasteTakesOnlyScores();
  void clickActsAtOnce();
  void boxesInTheOrderOfEvents();
  void exchangeIsUnsavedWork();
  void eastWestChangedAlone();
  void clearedBoardStaysCleared();
  void klaarRefusesWhatCannotBeRead();

private:
  void schrijf(const QStringList &regels, const QString &stilzit = "Geen",
               const QByteArray &groep = kGroep);
  void engels(const QString &stilzit, const QByteArray &groep);
  frmZemlo06 *open();
  QByteArray bestand() const { return m_map->read("invoer/" + kInvoer); }
  // Keys go where the focus is, as for a person at the keyboard.
  QWidget *focus() const;
  void typ(const QString &tekst);
  // Types each text with Enter after it.
  void typMetEnter(const QStringList &teksten);
  void toets(Qt::Key key, Qt::KeyboardModifiers mods = {});
  void klik(QWidget *w);
  // A press and, after the events it started, the release: as a hand clicks.
  void drukKlik(QWidget *w);
  QStringList meldingen();
  bool draaiProces(QProcess &p, const QStringList &toetsen, QStringList &boxen);

  frmZemlo01 *m_main = nullptr;
  std::unique_ptr<testing::ProgramFolder> m_map;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
  QPointer<frmZemlo06> m_w;
};

void TestFrmZemlo06::initTestCase() {
  registerFrameWindows();
  registerPreparationWindows();
  registerScoringWindows();
  testing::ProgramFolder map;
  m_main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
  QVERIFY(m_main);
}

void TestFrmZemlo06::init() {
  m_map = std::make_unique<testing::ProgramFolder>();
  m_boxes = std::make_unique<platform::RecordingAnswerer>();
  m_main->setEnabled(true);
  BAS_Zemlo::iTaal = 10;
}

void TestFrmZemlo06::cleanup() {
  for (const char *name : {"frmZemlo08", "frmZemlo06", "frmZemlo04"}) {
    if (ZemloWindow *w = findWindow(QString::fromLatin1(name)))
      delete w;
  }
  registerWindow("frmZemlo08", nullptr);
  scoring::ZetUitslagVenster({});
  testing::flushDeletes();
  m_boxes.reset();
  m_map.reset();
}

void TestFrmZemlo06::schrijf(const QStringList &regels, const QString &stilzit,
                             const QByteArray &groep) {
  m_map->write("groepen/08-11-2023 Groep A.txt", groep);
  m_map->write("schema/10/" + kSchemaNaam + ".txt", kSchema);
  m_map->write("invoer/" + kInvoer, Regels(Kop(stilzit) + regels));
}

frmZemlo06 *TestFrmZemlo06::open() {
  BAS_Zemlo::sGroepBestand = "08-11-2023 Groep A.txt";
  BAS_Zemlo::sInvoerBestand = kInvoer;
  m_w = qobject_cast<frmZemlo06 *>(openWindow("frmZemlo06", m_main));
  if (m_w && !m_w->isClosing() && !QTest::qWaitForWindowActive(m_w))
    return nullptr;
  return m_w;
}

QWidget *TestFrmZemlo06::focus() const {
  QWidget *w = QApplication::focusWidget();
  if (!w)
    qFatal("no widget has the focus");
  return w;
}

void TestFrmZemlo06::typ(const QString &tekst) { QTest::keyClicks(focus(), tekst); }

void TestFrmZemlo06::typMetEnter(const QStringList &teksten) {
  for (const QString &tekst : teksten) {
    typ(tekst);
    toets(Qt::Key_Return);
  }
}

void TestFrmZemlo06::toets(Qt::Key key, Qt::KeyboardModifiers mods) {
  QPointer<QWidget> venster = focus()->window();
  QTest::keyClick(focus(), key, mods);
  // A button's Alt letter holds it down for a short animation and then
  // clicks it: wait until every button so held has been clicked.
  if ((mods & Qt::AltModifier) && venster) {
    for (QAbstractButton *b : venster->findChildren<QAbstractButton *>()) {
      if (!b->isDown())
        continue;
      const QPointer<QAbstractButton> knop(b);
      QTRY_VERIFY_WITH_TIMEOUT(!knop || !knop->isDown(), 60000);
    }
  }
  QApplication::processEvents();
}

// The same evening under the English interface.
void TestFrmZemlo06::engels(const QString &stilzit, const QByteArray &groep) {
  BAS_Zemlo::iTaal = 11;
  m_map->write("groepen/2023-11-08 Groep A.txt", groep);
  m_map->write("schema/11/" + kSchemaNaam + ".txt", kSchema);
  m_map->write("invoer/" + kInvoer, Regels(Kop(stilzit, "2023-11-08 Groep A Result")));
}

void TestFrmZemlo06::klik(QWidget *w) {
  QTest::mouseClick(w, Qt::LeftButton);
  QApplication::processEvents();
}

void TestFrmZemlo06::drukKlik(QWidget *w) {
  QTest::mousePress(w, Qt::LeftButton);
  QApplication::processEvents();
  QTest::mouseRelease(w, Qt::LeftButton);
  QApplication::processEvents();
}

QStringList TestFrmZemlo06::meldingen() {
  QStringList uit;
  for (const platform::BoxRecord &b : m_boxes->boxes)
    uit.append(b.text);
  m_boxes->boxes.clear();
  return uit;
}

// What the window shows when it opens: its buttons, rows, grid and captions.
void TestFrmZemlo06::opensEvening_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<QString>("stilzit");
  QTest::newRow("Dutch") << 10 << "Geen";
  QTest::newRow("English, pair 6 sits out") << 11 << "6";
}

void TestFrmZemlo06::opensEvening() {
  QFETCH(int, taal);
  QFETCH(QString, stilzit);
  const QByteArray groep = stilzit == "6" ? kGroep.left(kGroep.lastIndexOf("11|")) : kGroep;
  if (taal == 11)
    engels(stilzit, groep);
  else
    schrijf({}, stilzit, groep);
  auto *w = open();
  QVERIFY(w);
  QVERIFY(meldingen().isEmpty());
  QVERIFY(!m_main->isEnabled());
  QCOMPARE(w->windowTitle(), taal == 10 ? QString("Invoer scores per spel (08-11-2023 Groep A)")
                                        : QString("Input scores per game (08-11-2023 Groep A)"));
  QCOMPARE(
      w->fraBack->title(),
      taal == 10
          ? QString("6 paren. Stilzit: Geen. 3 ronden en 2 spellen. Speelschema: " + kSchemaNaam)
          : QString("6 pairs. Sitting still: pair 6. 3rounds and 2 games. Scheme: " + kSchemaNaam));
  QCOMPARE(w->cmdSpel.size(), size_t(7));
  for (int b = 1; b <= 6; ++b) {
    QCOMPARE(w->cmdSpel[b]->text(), QString::number(b));
    QCOMPARE(w->cmdSpel[b]->objectName(), QString("cmdSpel%1").arg(b));
  }
  QCOMPARE(w->findChildren<QLineEdit *>(QRegularExpression("^txtScoreNZ\\d+$")).size(), 3);
  QVERIFY(vakNZ(w, 2) && vakOW(w, 2) && !vakNZ(w, 3));
  QCOMPARE(w->cmdSpelKlaar->text(), taal == 10 ? QString("&Klaar") : QString("&Done"));
  QCOMPARE(w->cmdWisSpel->text(), taal == 10 ? QString("&Wis spel") : QString("&Delete game"));
  QCOMPARE(w->lblNZKop->text(), taal == 10 ? QString(" NZ ") : QString(" NS "));
  QCOMPARE(w->lblInfo[1]->text(), taal == 10 ? QString("Een spel niet gespeeld is de letter n of N")
                                             : QString("A game not played is the letter n or N"));

  // Board 1 is open: no one vulnerable, the rows in the order of the
  // North-South pairs, the focus in the first row that plays.
  QCOMPARE(w->spelNummer(), 1);
  QCOMPARE(w->lblSpelNummer->text(), taal == 10 ? QString("Spel: 1") : QString("Game: 1"));
  // The caption shows the last board's number whole, left of the headers,
  // also with two boards a round.
  const int langste =
      QFontMetrics(w->lblSpelNummer->font()).horizontalAdvance(taal == 10 ? "Spel: 6" : "Game: 6");
  QVERIFY(w->lblSpelNummer->width() >= langste);
  QVERIFY(w->lblSpelNummer->geometry().right() < w->lblNZKop->x());
  QCOMPARE(w->lblKwetsbaar->text(), taal == 10 ? QString(" Niemand ") : QString(" Non "));
  QCOMPARE(w->lblNZ[1]->text() + "-" + w->lblOW[1]->text(), QString("3-6"));
  QCOMPARE(vakNZ(w, 1)->isEnabled(), stilzit != "6");
  QCOMPARE(QApplication::focusWidget(), vakNZ(w, 0));
  QVERIFY(!w->cmdUitslag->isEnabled());
  QVERIFY(!w->cmdSpelKlaar->isEnabled());

  // The grid: a row a pair and one more, a column a board and four more.
  const platform::GridModel &grid = *w->msfgResultaat->grid();
  QCOMPARE(grid.rows(), 8);
  QCOMPARE(grid.cols(), 10);
  QCOMPARE(Rij(grid, 0), taal == 10 ? QString("Nr|Paren|1|2|3|4|5|6|MP|Percentage")
                                    : QString("No|Pairs|1|2|3|4|5|6|MP|Percentage"));
  QCOMPARE(Rij(grid, 1), QString("1|1.  Aa -  Bb ||||||||"));
  if (stilzit == "6") {
    QCOMPARE(Rij(grid, 6), QString("6|||||||||"));
    QCOMPARE(grid.cell(6, 1).backColor, std::optional<std::uint32_t>(0xC0C0FF));
  }

  // The result step hands the group's players to the result window, two a
  // pair line.
  QStringList spelers;
  registerWindow("frmZemlo08", [] { return new ZemloWindow("frmZemlo08"); });
  scoring::ZetUitslagVenster([&spelers](ZemloWindow *opener, int vanForm, const scoring::Uitslag &,
                                        const QStringList &lstVoorMail) {
    spelers = lstVoorMail;
    return openWindow("frmZemlo08", opener, vanForm);
  });
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  klik(w->cmdVulAllesIn);
  klik(w->cmdUitslag);
  QVERIFY(findWindow("frmZemlo08"));
  if (stilzit == "6")
    QCOMPARE(spelers, QStringList({"Aa", "Bb", "Cc", "Dd", "Ee", "Ff", "Gg", "Hh", "Ii", "Jj"}));
  else
    QCOMPARE(spelers.size(), 12);
}

// A board typed as on the score slips: ENTER after each score, the copy of
// the row above, Klaar; the next board opens and the grid shows the points.
void TestFrmZemlo06::typingAndKlaar() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  typ("42");
  toets(Qt::Key_Return);
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  QCOMPARE(vakOW(w, 0)->text(), QString("-420"));
  QCOMPARE(focus(), vakNZ(w, 1));
  typ("100-");
  toets(Qt::Key_Return);
  QCOMPARE(vakNZ(w, 1)->text(), QString("-100"));
  QCOMPARE(vakOW(w, 1)->text(), QString("100"));
  // ENTER on an empty row takes the score of the row above; the last row
  // wraps to the first, and with every row complete the focus goes to Klaar.
  toets(Qt::Key_Return);
  QCOMPARE(vakNZ(w, 2)->text(), QString("-100"));
  QCOMPARE(vakOW(w, 2)->text(), QString("100"));
  QVERIFY(w->cmdSpelKlaar->isEnabled());
  QVERIFY(w->lblKlaar->isVisible());
  QCOMPARE(focus(), w->cmdSpelKlaar);
  QVERIFY(meldingen().isEmpty());

  klik(w->cmdSpelKlaar);
  QCOMPARE(w->spelNummer(), 2);
  QCOMPARE(w->lblKwetsbaar->text(), QString(" Noord-Zuid "));
  QCOMPARE(w->cmdSpel[1]->palette().color(QPalette::Button), QColor(Qt::white));
  QCOMPARE(w->cmdSpel[2]->palette().color(QPalette::Button), QColor(0xE0, 0xE0, 0xE0));
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  QCOMPARE(focus(), vakNZ(w, 0));
  const platform::GridModel &grid = *w->msfgResultaat->grid();
  QStringList kolom;
  for (int r = 1; r <= 6; ++r)
    kolom.append(grid.textMatrix(r, 2));
  QCOMPARE(kolom, QStringList({"4", "0", "1", "3", "1", "3"}));
  QVERIFY(!w->cmdUitslag->isEnabled());

  // Klaar has written the board; closing writes the same bytes.
  QCOMPARE(bestand(), Regels(Kop() + QStringList{kAvond.at(0)}));
  klik(w->cmdTerug);
  QCOMPARE(bestand(), Regels(Kop() + QStringList{kAvond.at(0)}));
  QVERIFY(m_main->isEnabled());
}

// ENTER in the North-South box of the first row of a board: what the boxes
// show, the message and where the focus goes.
void TestFrmZemlo06::enterStep_data() {
  QTest::addColumn<int>("spel");
  QTest::addColumn<QString>("getypt");
  QTest::addColumn<QString>("nz");
  QTest::addColumn<QString>("ow");
  QTest::addColumn<QString>("melding");
  QTest::addColumn<int>("focusRij"); // -1: the East-West box of row 0
  QTest::newRow("shorthand") << 1 << "5"
                             << "50"
                             << "-50"
                             << "" << 1;
  QTest::newRow("minus behind") << 1 << "-5"
                                << "-50"
                                << "50"
                                << "" << 1;
  QTest::newRow("passed out") << 1 << "0"
                              << "0"
                              << "0"
                              << "" << 1;
  QTest::newRow("not played") << 3 << "N"
                              << "N"
                              << "n"
                              << "" << 1;
  QTest::newRow("wrong vulnerability")
      << 2 << "42"
      << "420"
      << "-420"
      << "De score <420> klopt niet met de kwetsbaarheid.\nDit moet u zelf aanpassen." << 1;
  QTest::newRow("not a score") << 1 << "97"
                               << ""
                               << ""
                               << "De score <97> bestaat niet." << 0;
  QTest::newRow("00 is no score") << 1 << "00"
                                  << ""
                                  << ""
                                  << "De score <000> bestaat niet." << 0;
  QTest::newRow("adjusted") << 1 << "60%"
                            << "60%"
                            << "60%"
                            << "" << -1;
  QTest::newRow("adjusted above 100%") << 1 << "120%"
                                       << ""
                                       << ""
                                       << "De score <120%> bestaat niet." << 0;
  QTest::newRow("letters refused") << 1 << "4x2a"
                                   << "420"
                                   << "-420"
                                   << "" << 1;
}

void TestFrmZemlo06::enterStep() {
  QFETCH(int, spel);
  QFETCH(QString, getypt);
  QFETCH(QString, nz);
  QFETCH(QString, ow);
  QFETCH(QString, melding);
  QFETCH(int, focusRij);
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  klik(w->cmdSpel[spel]);
  typ(getypt);
  toets(Qt::Key_Return);
  QCOMPARE(vakNZ(w, 0)->text(), nz);
  QCOMPARE(vakOW(w, 0)->text(), ow);
  QCOMPARE(meldingen(), melding.isEmpty() ? QStringList() : QStringList{melding});
  QCOMPARE(focus(), focusRij < 0 ? vakOW(w, 0) : vakNZ(w, focusRij));
  if (focusRij < 0) {
    // The East-West part of an adjusted score, then on to the next row.
    QTest::keyClick(vakOW(w, 0), Qt::Key_A, Qt::ControlModifier);
    typ("40%");
    toets(Qt::Key_Return);
    QCOMPARE(vakOW(w, 0)->text(), QString("40%"));
    QCOMPARE(focus(), vakNZ(w, 1));
  }
}

void TestFrmZemlo06::arrowsAndLetterC() {
  schrijf({}, "6", kGroep.left(kGroep.lastIndexOf("11|")));
  auto *w = open();
  QVERIFY(w);
  // Board 1: the row of pairs 3 and 6 does not play.
  QVERIFY(!vakNZ(w, 1)->isEnabled());
  QCOMPARE(w->lblNZ[1]->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xC0));
  QCOMPARE(vakNZ(w, 0)->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xFF));
  toets(Qt::Key_Down);
  QCOMPARE(focus(), vakNZ(w, 2));
  QCOMPARE(vakNZ(w, 0)->palette().color(QPalette::Base), QColor(Qt::white));
  toets(Qt::Key_Down);
  QCOMPARE(focus(), vakNZ(w, 0));
  toets(Qt::Key_Up);
  QCOMPARE(focus(), vakNZ(w, 2));
  typ("13");
  toets(Qt::Key_Return);
  QCOMPARE(vakOW(w, 2)->text(), QString("-130"));
  QCOMPARE(focus(), vakNZ(w, 0));
  QTest::mouseClick(vakOW(w, 2), Qt::LeftButton);
  toets(Qt::Key_Up);
  QCOMPARE(focus(), vakOW(w, 0));
  // C in an East-West box is refused; in a North-South box it clears the row.
  typ("c");
  QCOMPARE(vakOW(w, 0)->text(), QString());
  toets(Qt::Key_Down);
  QCOMPARE(focus(), vakOW(w, 2));
  QTest::mouseClick(vakNZ(w, 2), Qt::LeftButton);
  typ("C");
  QCOMPARE(vakNZ(w, 2)->text(), QString());
  QCOMPARE(vakOW(w, 2)->text(), QString());
  QCOMPARE(focus(), vakNZ(w, 2));
}

// Klaar by its Alt letter from anywhere, or by the plain letter on Klaar.
void TestFrmZemlo06::klaarByItsLetter_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<bool>("alt");
  QTest::addColumn<bool>("shift");
  QTest::newRow("Alt+K") << 10 << true << false;
  QTest::newRow("k on Klaar") << 10 << false << false;
  QTest::newRow("Shift+K on Klaar") << 10 << false << true;
  QTest::newRow("D on Done") << 11 << false << false;
  QTest::newRow("Shift+D on Done") << 11 << false << true;
}

void TestFrmZemlo06::klaarByItsLetter() {
  QFETCH(int, taal);
  QFETCH(bool, alt);
  QFETCH(bool, shift);
  if (taal == 11)
    engels("No", kGroep);
  else
    schrijf({});
  auto *w = open();
  QVERIFY(w);
  typMetEnter({"42", "100-", "100-"});
  QCOMPARE(focus(), w->cmdSpelKlaar);
  if (alt) {
    QTest::mouseClick(vakNZ(w, 1), Qt::LeftButton);
    toets(Qt::Key_K, Qt::AltModifier);
  } else {
    typ(taal == 10 ? "x" : "k"); // another letter does nothing
    QCOMPARE(w->spelNummer(), 1);
    if (shift)
      toets(taal == 10 ? Qt::Key_K : Qt::Key_D, Qt::ShiftModifier);
    else
      typ(taal == 10 ? "k" : "d");
  }
  QCOMPARE(w->spelNummer(), 2);
  QVERIFY(w->model()->IsKlaar(1));
}

// Keys typed while Klaar's step runs wait for it: they reach the box that
// has the focus once the next board is open, in order, and the model keeps
// them, so the ENTER typed after them mirrors them. However Klaar is
// pressed, and also over the ENTER steps of one board.
void TestFrmZemlo06::keysTypedWhileKlaarWorks_data() {
  QTest::addColumn<QString>("klaar");
  QTest::newRow("k on Klaar") << "k";
  QTest::newRow("Alt+K in a box") << "alt";
  QTest::newRow("a click on Klaar") << "klik";
  QTest::newRow("Yes to the question of another board") << "vraag";
  QTest::newRow("ahead over the ENTER steps") << "";
}

void TestFrmZemlo06::keysTypedWhileKlaarWorks() {
  QFETCH(QString, klaar);
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  if (klaar.isEmpty()) {
    // Board 1, nobody vulnerable.
    testing::inWachtrij(w, "42~100-~7");
    QTRY_COMPARE(vakNZ(w, 2)->text(), QString("7"));
    QCOMPARE(w->spelNummer(), 1);
    QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
    QCOMPARE(vakOW(w, 0)->text(), QString("-420"));
    QCOMPARE(vakNZ(w, 1)->text(), QString("-100"));
    QCOMPARE(vakOW(w, 1)->text(), QString("100"));
    QCOMPARE(vakOW(w, 2)->text(), QString());
    QCOMPARE(focus(), vakNZ(w, 2));
    QCOMPARE(w->model()->Rijen(1).at(2).scoreNZ, QString("7"));
    QVERIFY(meldingen().isEmpty());
    return;
  }
  typMetEnter({"42", "100-"});
  if (klaar == "vraag") {
    typ("100-");
    m_boxes->keuzes = {platform::Keuze::Ja};
    testing::inWachtrij([w] { QTest::mouseClick(w->cmdSpel[4], Qt::LeftButton); });
  } else {
    typMetEnter({"100-"});
    QCOMPARE(focus(), w->cmdSpelKlaar);
    if (klaar == "k") {
      testing::inWachtrij(w, "k");
    } else if (klaar == "alt") {
      QTest::mouseClick(vakNZ(w, 1), Qt::LeftButton);
      QApplication::processEvents();
      testing::inWachtrij(w, "k", Qt::AltModifier);
    } else {
      testing::inWachtrij([w] { QTest::mouseClick(w->cmdSpelKlaar, Qt::LeftButton); });
    }
  }
  // Typed at once after Klaar, before its step has ended; board 2 and 4:
  // North-South vulnerable.
  testing::inWachtrij(w, "62~11");
  QTRY_COMPARE(w->spelNummer(), klaar == "vraag" ? 4 : 2);
  QTRY_COMPARE(vakNZ(w, 1)->text(), QString("11"));
  QCOMPARE(w->model()->Regels().size(), 1);
  QVERIFY(w->model()->IsKlaar(1));
  QCOMPARE(vakNZ(w, 0)->text(), QString("620"));
  QCOMPARE(vakOW(w, 0)->text(), QString("-620"));
  QCOMPARE(focus(), vakNZ(w, 1));
  const int spel = w->spelNummer();
  QCOMPARE(w->model()->Rijen(spel).at(0).scoreNZ, QString("620"));
  QCOMPARE(w->model()->Rijen(spel).at(1).scoreNZ, QString("11"));
  toets(Qt::Key_Return);
  QCOMPARE(vakNZ(w, 1)->text(), QString("110"));
  QCOMPARE(vakOW(w, 1)->text(), QString("-110"));
  QCOMPARE(meldingen(), klaar == "vraag" ? QStringList{kVraag186} : QStringList());
}

// A North-South score changed after its mirror was made is mirrored and
// tested again before the board is scored.
void TestFrmZemlo06::changedScoreTestedAgain() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  typMetEnter({"42", "100-", "100-"});
  QVERIFY(w->cmdSpelKlaar->isEnabled());
  // The first row becomes 450 without ENTER; leaving the row mirrors it.
  QTest::mouseClick(vakNZ(w, 0), Qt::LeftButton);
  QTest::keyClick(vakNZ(w, 0), Qt::Key_A, Qt::ControlModifier);
  typ("450");
  QVERIFY(!w->cmdSpelKlaar->isEnabled());
  QTest::mouseClick(vakNZ(w, 1), Qt::LeftButton);
  QApplication::processEvents();
  QCOMPARE(vakOW(w, 0)->text(), QString("-450"));
  QVERIFY(w->cmdSpelKlaar->isEnabled());
  klik(w->cmdSpelKlaar);
  QCOMPARE(w->model()->Regels().at(0),
           QString("01*1|2|||450|-450|4|0@3|6|||-100|100|1|3@5|4|||-100|100|1|3"));

  // A score that does not exist, typed over a mirrored one, is refused at Klaar.
  klik(w->cmdSpel[1]);
  QTest::keyClick(vakNZ(w, 0), Qt::Key_A, Qt::ControlModifier);
  typ("455");
  QTest::mouseClick(vakNZ(w, 2), Qt::LeftButton);
  QApplication::processEvents();
  QCOMPARE(meldingen(), QStringList{"De score <455> bestaat niet."});
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  QCOMPARE(focus(), vakNZ(w, 0));
  QVERIFY(!w->cmdSpelKlaar->isEnabled());
  QCOMPARE(w->model()->Regels().at(0).left(20), QString("01*1|2|||450|-450|4|"));
}

void TestFrmZemlo06::wisSpel() {
  schrijf(kAvond.mid(0, 2));
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(w->spelNummer(), 3);
  // Clearing a board that was never finished only empties its boxes.
  typ("42");
  toets(Qt::Key_Return);
  klik(w->cmdWisSpel);
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  QCOMPARE(w->model()->Regels().size(), 2);
  QCOMPARE(focus(), vakNZ(w, 0));
  // A finished board loses its line and its white button.
  klik(w->cmdSpel[1]);
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  QCOMPARE(w->lblMPNZ[0]->text(), QString("4"));
  QVERIFY(!w->cmdSpelKlaar->isEnabled());
  toets(Qt::Key_W, Qt::AltModifier);
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  QCOMPARE(w->lblMPNZ[0]->text(), QString());
  QCOMPARE(w->lblNZ[0]->text(), QString("1"));
  QCOMPARE(w->model()->Regels(), QStringList{kAvond.at(1)});
  QCOMPARE(w->cmdSpel[1]->palette().color(QPalette::Button), QColor(0xE0, 0xE0, 0xE0));
  klik(w->cmdTerug);
  QCOMPARE(bestand(), Regels(Kop() + QStringList{kAvond.at(1)}));
}

// The pairs of a row sat the other way round: the exchange reaches the line
// and is still there when the board is opened again.
void TestFrmZemlo06::exchangedPairs() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  m_boxes->answers = {false, true};
  QTest::mouseClick(w->lblNZ[0], Qt::LeftButton);
  QCOMPARE(w->lblNZ[0]->text(), QString("1"));
  QTest::mouseClick(w->lblNZ[0], Qt::LeftButton);
  QCOMPARE(meldingen(),
           QStringList(2, "Heeft OW het spel als NZ gespeeld?\n\nWilt u de paarnummers "
                          "omwisselen?"));
  QCOMPARE(w->lblNZ[0]->text() + "-" + w->lblOW[0]->text(), QString("2-1"));
  QTest::mouseClick(vakNZ(w, 0), Qt::LeftButton);
  typMetEnter({"42", "100-", "100-"});
  klik(w->cmdSpelKlaar);
  QCOMPARE(w->model()->Regels().at(0),
           QString("01*2|1|||420|-420|4|0@3|6|||-100|100|1|3@5|4|||-100|100|1|3"));
  // Pair 2 got the North-South points.
  QCOMPARE(w->msfgResultaat->grid()->textMatrix(2, 2), QString("4"));
  QCOMPARE(w->msfgResultaat->grid()->textMatrix(1, 2), QString("0"));
  klik(w->cmdSpel[1]);
  QCOMPARE(w->lblNZ[0]->text() + "-" + w->lblOW[0]->text(), QString("2-1"));
  m_boxes->answers = {true};
  QTest::mouseClick(w->lblNZ[0], Qt::LeftButton);
  QCOMPARE(meldingen(), QStringList{"Moet OW weer NZ worden?\n\nWilt ude paarnummers omwisselen?"});
  QCOMPARE(w->lblNZ[0]->text() + "-" + w->lblOW[0]->text(), QString("1-2"));
  // The exchange back is not stored yet: leaving asks; No drops it.
  m_boxes->keuzes = {platform::Keuze::Nee};
  klik(w->cmdTerug);
  QCOMPARE(meldingen(), QStringList{kVraag186});
  QVERIFY(bestand().contains("01*2|1|||420|-420|4|0@"));
  // Disabled rows give no click.
  schrijf({}, "6", kGroep.left(kGroep.lastIndexOf("11|")));
  w = open();
  QVERIFY(w);
  QTest::mouseClick(w->lblNZ[1], Qt::LeftButton);
  QVERIFY(meldingen().isEmpty());
}

void TestFrmZemlo06::gridClickOpensBoard() {
  schrijf(kAvond.mid(0, 4));
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(w->spelNummer(), 5);
  platform::GridView *grid = w->msfgResultaat;
  const auto klikCel = [grid](int r, int c) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(r, c).center());
    QApplication::processEvents();
  };
  klikCel(3, 1); // a label: nothing opens
  QCOMPARE(w->spelNummer(), 5);
  klikCel(2, 8); // the total column
  QCOMPARE(w->spelNummer(), 5);
  klikCel(4, 4); // board 3
  QCOMPARE(w->spelNummer(), 3);
  QCOMPARE(w->lblSpelNummer->text(), QString("Spel: 3"));
  QCOMPARE(vakNZ(w, 1)->text(), QString("620"));
  QCOMPARE(focus(), vakNZ(w, 0));
}

// Every stored board is read and scored again when the window opens; lines
// with other matchpoints are corrected.
void TestFrmZemlo06::reScoringOnOpening() {
  QStringList regels = kAvond.mid(0, 3);
  regels[1] = "02*1|2|||110|-110||@3|6|||140|-140|9|9@5|4|||110|-110|1|3";
  regels.append("05*1|4|||200|-200|4|0@3|2|||-200|200|0|4@5|6|||0|0|2|2");
  schrijf(regels);
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(w->spelNummer(), 4);
  for (int b : {1, 2, 3, 5})
    QVERIFY(w->model()->IsKlaar(b));
  QCOMPARE(w->cmdSpel[5]->palette().color(QPalette::Button), QColor(Qt::white));
  QCOMPARE(w->cmdSpel[4]->palette().color(QPalette::Button), QColor(0xE0, 0xE0, 0xE0));
  QCOMPARE(w->msfgResultaat->grid()->textMatrix(6, 3), QString("0"));
  klik(w->cmdTerug);
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 3) + QStringList{kAvond.at(4)}));
}

// Back, Escape and the close box each write the file once and hand back.
void TestFrmZemlo06::backWritesFile_data() {
  QTest::addColumn<int>("manier");
  QTest::newRow("Back") << 0;
  QTest::newRow("Escape") << 1;
  QTest::newRow("close box") << 2;
}

void TestFrmZemlo06::backWritesFile() {
  QFETCH(int, manier);
  // The title in the other date form is written in this language's form.
  m_map->write("groepen/08-11-2023 Groep A.txt", kGroep);
  m_map->write("schema/10/" + kSchemaNaam + ".txt", kSchema);
  m_map->write("invoer/" + kInvoer,
               Regels(Kop("Geen", "2023-11-08 Groep A Uitslag") + kAvond.mid(0, 2)));
  auto *w = open();
  QVERIFY(w);
  QVERIFY(meldingen().isEmpty());
  if (manier == 0)
    klik(w->cmdTerug);
  else if (manier == 1)
    toets(Qt::Key_Escape);
  else
    w->close();
  testing::flushDeletes();
  QVERIFY(!m_w);
  QVERIFY(m_main->isEnabled());
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 2)));
}

// A whole evening from its results file to the ranked grid.
void TestFrmZemlo06::wholeEvening_data() {
  QTest::addColumn<QString>("stilzit");
  QTest::addColumn<QStringList>("regels");
  QTest::addColumn<QStringList>("rijen");
  QTest::addColumn<QString>("totalen");
  QTest::newRow("six pairs") << "Geen" << kAvond
                             << QStringList{"1|6.  Kk -  Ll [6]|3|0|4|2|2|4|15|62.50%",
                                            "(2)|1.  Aa -  Bb [6]|4|1|0|2|4|3|14|58.33%",
                                            "(2)|3.  Ee -  Ff [6]|1|4|4|2|0|3|14|58.33%",
                                            "4|2.  Cc -  Dd [6]|0|3|2|2|4|1|12|50.00%",
                                            "5|4.  Gg -  Hh [6]|3|3|0|2|0|1|9|37.50%",
                                            "6|5.  Ii -  Jj [6]|1|1|2|2|2|0|8|33.33%"}
                             << "||12|12|12|12|12|12||";
  QTest::newRow("pair 6 sits out") << "6" << kAvondStilzit
                                   << QStringList{"1|2.  Cc -  Dd [6]|0|2|2|1|2|1|8|66.67%",
                                                  "2|1.  Aa -  Bb [4]|2|0|||2|1|5|62.50%",
                                                  "3|3.  Ee -  Ff [4]|||2|1|0|1|4|50.00%",
                                                  "4|5.  Ii -  Jj [4]|0|2|0|1|||3|37.50%",
                                                  "5|4.  Gg -  Hh [6]|2|0|0|1|0|1|4|33.33%"}
                                   << "||4|4|4|4|4|4||";
}

void TestFrmZemlo06::wholeEvening() {
  QFETCH(QString, stilzit);
  QFETCH(QStringList, regels);
  QFETCH(QStringList, rijen);
  QFETCH(QString, totalen);
  schrijf(regels, stilzit, stilzit == "6" ? kGroep.left(kGroep.lastIndexOf("11|")) : kGroep);
  auto *w = open();
  QVERIFY(w);
  // Every board finished: no board open, the rows empty and disabled.
  QCOMPARE(w->spelNummer(), 0);
  QVERIFY(!vakNZ(w, 0)->isEnabled());
  QVERIFY(w->cmdUitslag->isEnabled());
  m_map->write("invoer/" + kInvoer, "");
  toets(Qt::Key_U, Qt::AltModifier);
  // The result step writes the file first.
  QCOMPARE(bestand(), Regels(Kop(stilzit) + regels));
  const platform::GridModel &grid = *w->msfgResultaat->grid();
  QVERIFY(w->msfgResultaat->isVisible());
  QCOMPARE(grid.rows(), rijen.size() + 2);
  for (int i = 0; i < rijen.size(); ++i)
    QCOMPARE(Rij(grid, i + 1), rijen.at(i));
  QCOMPARE(Rij(grid, grid.rows() - 1), totalen);
  // Colours: points white, boards the pair did not play light orange.
  QCOMPARE(grid.cell(1, 2).backColor, std::optional<std::uint32_t>(0xFFFFFF));
  if (stilzit == "6")
    QCOMPARE(grid.cell(2, 4).backColor, std::optional<std::uint32_t>(0xC0E0FF));
  // A second result step gives the same grid.
  toets(Qt::Key_U, Qt::AltModifier);
  for (int i = 0; i < rijen.size(); ++i)
    QCOMPARE(Rij(grid, i + 1), rijen.at(i));
}

// After a result step the next Klaar puts the grid back in pair order and
// gives every pair its own points.
void TestFrmZemlo06::klaarAfterResultKeepsPairs() {
  schrijf(kAvond);
  auto *w = open();
  QVERIFY(w);
  klik(w->cmdUitslag);
  const platform::GridModel &grid = *w->msfgResultaat->grid();
  QCOMPARE(grid.textMatrix(1, 0), QString("1"));
  QCOMPARE(grid.textMatrix(1, 1).left(2), QString("6."));
  // Board 6 again, with other scores.
  klik(w->cmdSpel[6]);
  QVERIFY(!w->cmdUitslag->isEnabled());
  QTest::keyClick(vakNZ(w, 2), Qt::Key_A, Qt::ControlModifier);
  QTest::mouseClick(vakNZ(w, 2), Qt::LeftButton);
  QTest::keyClick(vakNZ(w, 2), Qt::Key_A, Qt::ControlModifier);
  typ("170");
  toets(Qt::Key_Return);
  QCOMPARE(focus(), w->cmdSpelKlaar);
  toets(Qt::Key_K);
  QCOMPARE(grid.rows(), 8);
  QCOMPARE(Rij(grid, 6), QString("6|6.  Kk -  Ll |3|0|4|2|2|0||"));
  QCOMPARE(Rij(grid, 5), QString("5|5.  Ii -  Jj |1|1|2|2|2|4||"));
  QVERIFY(w->cmdUitslag->isEnabled());
}

// With a result window, the result step hands it the ranked grid and the
// players; when it closes the window is used again without scoring anew.
void TestFrmZemlo06::resultWindowHandBack() {
  QStringList gelezen;
  QStringList spelers;
  registerWindow("frmZemlo08", [] { return new ZemloWindow("frmZemlo08"); });
  scoring::ZetUitslagVenster([&gelezen, &spelers](ZemloWindow *opener, int vanForm,
                                                  const scoring::Uitslag &uitslag,
                                                  const QStringList &lstVoorMail) {
    platform::GridModel grid;
    scoring::VulResultaatGrid(grid, uitslag, scoring::ResultaatKop());
    for (int r = 0; r < grid.rows(); ++r)
      gelezen.append(Rij(grid, r));
    spelers = lstVoorMail;
    return openWindow("frmZemlo08", opener, vanForm);
  });
  schrijf(kAvond);
  auto *w = open();
  QVERIFY(w);
  klik(w->cmdUitslag);
  auto *uitslag = findWindow("frmZemlo08");
  QVERIFY(uitslag);
  QCOMPARE(BAS_Zemlo::iVanForm, 6);
  QVERIFY(!w->isEnabled());
  QVERIFY(w->msfgResultaat->isHidden());
  QCOMPARE(gelezen.size(), 8);
  QCOMPARE(gelezen.at(1), QString("1|6.  Kk -  Ll [6]|3|0|4|2|2|4|15|62.50%"));
  QCOMPARE(spelers.size(), 12);
  QCOMPARE(bestand(), Regels(Kop() + kAvond));

  uitslag->closeWindow();
  testing::flushDeletes();
  QVERIFY(w->isEnabled());
  QCOMPARE(BAS_Zemlo::iVanForm, 0);
  QVERIFY(w->msfgResultaat->isVisible());
  QVERIFY(w->cmdUitslag->isEnabled());
  // The ranked grid stays, without totals and percentages.
  QCOMPARE(Rij(*w->msfgResultaat->grid(), 1), QString("1|6.  Kk -  Ll [6]|3|0|4|2|2|4||"));
  QCOMPARE(w->spelNummer(), 0);
}

// Results files edited by hand are read as far as they make sense and never
// written back with less than they held; the boards whose lines could not be
// read are named when the window opens.
void TestFrmZemlo06::badResultsFiles_data() {
  QTest::addColumn<QStringList>("regels");
  QTest::addColumn<QList<int>>("klaar");
  QTest::addColumn<QString>("onleesbaar"); // the boards named
  QTest::addColumn<QString>("onbekend");   // the other lines named, by their place in the file
  QTest::newRow("out of order") << QStringList{kAvond.at(4), kAvond.at(0), kAvond.at(2)}
                                << QList<int>{1, 3, 5} << ""
                                << "";
  QTest::newRow("boards beyond the evening")
      << QStringList{kAvond.at(0), "07*1|2|||420|-420|4|0", "100*1|2|||420|-420|4|0"}
      << QList<int>{1} << ""
      << "9, 10";
  QTest::newRow("fewer rows than tables")
      << QStringList{"01*1|2|||420|-420|4|0@3|6|||-100|100|1|3", kAvond.at(1)} << QList<int>{2}
      << ""
      << "";
  QTest::newRow("more rows than tables")
      << QStringList{kAvond.at(0) + "@5|4|||-100|100|1|3", kAvond.at(1)} << QList<int>{2} << "1"
      << "";
  QTest::newRow("not scores") << QStringList{"01*1|2|||4x0|-420|4|0@3|6|||-100|100|1|3@5|4|||-100|"
                                             "100|1|3",
                                             kAvond.at(1),
                                             "03*1|6|||-50|abc|0|4@3|4|||620|-620|4|"
                                             "0@5|2|||170|-170|2|2"}
                              << QList<int>{2} << "1, 3"
                              << "";
  QTest::newRow("the same board twice")
      << QStringList{kAvond.at(0), kAvond.at(0), kAvond.at(1)} << QList<int>{1, 2} << ""
      << "9";
  QTest::newRow("pairs of another table")
      << QStringList{"01*1|4|||420|-420|4|0@3|6|||-100|100|1|3@5|2|||-100|100|1|3"} << QList<int>{}
      << "1"
      << "";
  QTest::newRow("the other way of entry")
      << QStringList{"*1- 2|420|-420~*3- 6|-100|100~*5- 4|-100|100",
                     "*1- 2|110|-110~*3- 6|140|-140~*5- 4|110|-110"}
      << QList<int>{} << ""
      << "8, 9";
  QTest::newRow("garbage") << QStringList{"", "Uitslag", "**", "@@@", "1*", "01*|||||||"}
                           << QList<int>{} << ""
                           << "9, 10, 11, 12";
}

void TestFrmZemlo06::badResultsFiles() {
  QFETCH(QStringList, regels);
  QFETCH(QList<int>, klaar);
  QFETCH(QString, onleesbaar);
  QFETCH(QString, onbekend);
  schrijf(regels);
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(meldingen(), OpeningsMelding(onleesbaar, onbekend));
  for (int b = 1; b <= 6; ++b)
    QCOMPARE(w->model()->IsKlaar(b), klaar.contains(b));
  QCOMPARE(w->spelNummer(), w->model()->VolgendOnafgemaakt());
  // The lines not read that stay: all but those of the boards named.
  QStringList ongelezen;
  for (const int i : scoring::OngelezenRegels(*w->model())) {
    const QString regel = w->model()->Regels().at(i);
    if (!onleesbaar.split(", ").contains(QString::number(scoring::SpelNummerVan(regel))))
      ongelezen.append(regel);
  }
  klik(w->cmdTerug);
  QCOMPARE(bestand(), Regels(Kop() + regels));

  // Finishing the other boards keeps every line that was not read, but for
  // those of the boards named, whose new lines take their places.
  w = open();
  QVERIFY(w);
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  klik(w->cmdVulAllesIn);
  klik(w->cmdTerug);
  const QStringList na = QString::fromLatin1(bestand()).split("\r\n");
  QVERIFY(na.size() >= Kop().size() + regels.size());
  for (const QString &r : ongelezen)
    QVERIFY2(na.contains(r), qPrintable(r));
  for (const QString &b : onleesbaar.split(", ", Qt::SkipEmptyParts)) {
    const int i = static_cast<int>(regels.indexOf(QRegularExpression("^0?" + b + "\\*.*")));
    QVERIFY(na.at(Kop().size() + i).startsWith("0" + b + "*1|"));
    QCOMPARE(na.filter(QRegularExpression("^0?" + b + "\\*")).size(), 1);
  }
}

// A board whose line cannot be read is named once, when the window opens,
// opens empty, and its new line takes the place of the one not read; the
// other lines stay as they were.
void TestFrmZemlo06::unreadableLines() {
  registerWindow("frmZemlo08", [] { return new ZemloWindow("frmZemlo08"); });
  scoring::ZetUitslagVenster(
      [](ZemloWindow *opener, int vanForm, const scoring::Uitslag &, const QStringList &) {
        return openWindow("frmZemlo08", opener, vanForm);
      });
  QStringList regels = kAvond;
  regels[1] = "02*1|2|||11O|-110|1|3@3|6|||140|-140|4|0@5|4|||110|-110|1|3"; // a letter O
  regels[3] += " ";                                                          // a blank at the end
  regels.insert(4, "Uitslag");
  regels.insert(5, "09*1|2|||420|-420|4|0");
  schrijf(regels);
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(meldingen(), OpeningsMelding("2, 4", "12, 13"));
  QCOMPARE(w->spelNummer(), 2);
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  QCOMPARE(focus(), vakNZ(w, 0));
  // Neither scoring the boards again nor a hand-back from the result window
  // names them again.
  w->Form_Activate();
  BAS_Zemlo::iVanForm = 6;
  w->Form_Activate();
  QVERIFY(meldingen().isEmpty());
  QCOMPARE(w->spelNummer(), 2);
  klik(vakNZ(w, 0));
  for (const char *score : {"11", "14", "11"}) {
    typ(score);
    toets(Qt::Key_Return);
  }
  klik(w->cmdSpelKlaar);
  QCOMPARE(w->spelNummer(), 4);
  typ("60");
  toets(Qt::Key_Return);
  toets(Qt::Key_Return);
  toets(Qt::Key_Return);
  klik(w->cmdSpelKlaar);
  QVERIFY(w->cmdUitslag->isEnabled());

  klik(w->cmdUitslag);
  QStringList na = kAvond;
  na.insert(4, "Uitslag");
  na.insert(5, "09*1|2|||420|-420|4|0");
  QCOMPARE(bestand(), Regels(Kop() + na));
  findWindow("frmZemlo08")->closeWindow();
  testing::flushDeletes();
  QVERIFY(w->isEnabled());
  w->Form_Activate();
  QVERIFY(meldingen().isEmpty());
  klik(w->cmdTerug);
  QCOMPARE(bestand(), Regels(Kop() + na));
  // Opened again, only the lines of no board are named.
  QVERIFY(open());
  QCOMPARE(meldingen(), OpeningsMelding("", "12, 13"));
}

// An evening that cannot be opened says so, closes at once and leaves its
// results file as it was.
void TestFrmZemlo06::cannotOpen_data() {
  QTest::addColumn<QString>("fout");
  QTest::addColumn<QString>("melding");
  QTest::newRow("no group file") << "groep"
                                 << "Bestand <08-11-2023 Groep A> niet gevonden.";
  QTest::newRow("no schema")
      << "schema"
      << "Bestand <schema/10/06 Paren 03 Ronden Mitchell.txt> niet gevonden.";
  QTest::newRow("not a schema")
      << "geen schema"
      << "Het bestand schema/10/06 Paren 03 Ronden Mitchell.txt is onvolledig of beschadigd.\nHet "
         "kan niet worden gebruikt.";
  // The schema that no longer fits is named, not the results file with the scores.
  QTest::newRow("header beyond the schema")
      << "kop"
      << QString("Het speelschema schema/10/06 Paren 03 Ronden Mitchell.txt past niet bij de paren "
                 "en ronden van deze avond.\nHet kan niet worden gebruikt.");
  QTest::newRow("header cut short") << "kort"
                                    << "Het bestand invoer/" + kInvoer +
                                           " is onvolledig of beschadigd.\nHet kan niet "
                                           "worden gebruikt.";
}

void TestFrmZemlo06::cannotOpen() {
  QFETCH(QString, fout);
  QFETCH(QString, melding);
  QByteArray inhoud = Regels(Kop("Geen", "2023-11-08 Groep A Uitslag") + kAvond.mid(0, 2));
  if (fout == "kop")
    inhoud.replace("\r\nGeen\r\n3\r\n", "\r\nGeen\r\n4\r\n");
  if (fout == "kort")
    inhoud = "08-11-2023 Groep A Uitslag\r\n6\r\nGeen\r\n";
  m_map->write("invoer/" + kInvoer, inhoud);
  if (fout != "groep")
    m_map->write("groepen/08-11-2023 Groep A.txt", kGroep);
  if (fout == "geen schema")
    m_map->write("schema/10/" + kSchemaNaam + ".txt", "Mitchell\r\n1 2 3\r\n");
  else if (fout != "schema")
    m_map->write("schema/10/" + kSchemaNaam + ".txt", kSchema);
  open();
  testing::flushDeletes();
  QVERIFY(!m_w);
  QCOMPARE(meldingen(), QStringList{melding});
  QVERIFY(m_main->isEnabled());
  QCOMPARE(bestand(), inhoud);
}

// A results file that cannot be written: the window says so and stays open
// with what it holds. On a full disk the file stays as it was.
void TestFrmZemlo06::unwritableFileKeepsWindow_data() {
  QTest::addColumn<bool>("volleSchijf");
  QTest::newRow("a folder in its place") << false;
  QTest::newRow("full disk") << true;
}

void TestFrmZemlo06::unwritableFileKeepsWindow() {
  QFETCH(bool, volleSchijf);
  schrijf(kAvond.mid(0, 1));
  const QByteArray oud = bestand();
  auto *w = open();
  QVERIFY(w);
  std::unique_ptr<testing::FullDisk> vol;
  if (volleSchijf) {
    vol = std::make_unique<testing::FullDisk>();
    QVERIFY(vol->isActive());
  } else {
    QFile::remove(m_map->path("invoer/" + kInvoer));
    QVERIFY(QDir().mkpath(m_map->path("invoer/" + kInvoer)));
  }
  const QStringList gefaald{"Het bestand invoer/" + kInvoer +
                                " kan niet worden opgeslagen.\nControleer de schijf en "
                                "probeer het opnieuw.",
                            "Wilt u het venster sluiten zonder op te slaan?\nHet bestand "
                            "blijft zoals het was."};
  // After the failure the director is asked whether to close without saving;
  // No stays, at every try.
  for (int poging = 0; poging < 2; ++poging) {
    klik(w->cmdTerug);
    QCOMPARE(meldingen(), gefaald);
    QVERIFY(m_w);
    QVERIFY(w->isVisible());
    QVERIFY(!m_main->isEnabled());
    if (volleSchijf)
      QCOMPARE(bestand(), oud);
  }
  vol.reset();
  if (!volleSchijf)
    QDir(m_map->path("invoer/" + kInvoer)).removeRecursively();
  klik(w->cmdTerug);
  QVERIFY(meldingen().isEmpty());
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 1)));
}

// Every Klaar writes the results file at once, as closing would write it; a
// save that fails says so and keeps the board finished in the window, and
// the next save writes it. Clearing a finished board writes the file too.
void TestFrmZemlo06::everyKlaarSaves() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  typMetEnter({"42", "100-", "100-"});
  typ("k");
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 1)));

  // Board 2 through Yes to the question of another board, on a full disk.
  {
    testing::FullDisk vol;
    QVERIFY(vol.isActive());
    typMetEnter({"11", "14", "11"});
    m_boxes->keuzes = {platform::Keuze::Ja};
    klik(w->cmdSpel[3]);
  }
  QCOMPARE(meldingen(), QStringList({kVraag186, "Het bestand invoer/" + kInvoer +
                                                    " kan niet worden opgeslagen.\nControleer "
                                                    "de schijf en probeer het opnieuw."}));
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 1)));
  QVERIFY(w->model()->IsKlaar(2));
  QCOMPARE(w->spelNummer(), 3);
  QCOMPARE(w->cmdSpel[2]->palette().color(QPalette::Button), QColor(Qt::white));
  QCOMPARE(w->msfgResultaat->grid()->textMatrix(1, 3), QString("1"));

  // With room again the next Klaar writes both.
  typMetEnter({"5-", "62", "17"});
  klik(w->cmdSpelKlaar);
  QCOMPARE(meldingen(), QStringList{"De score <620> klopt niet met de kwetsbaarheid.\nDit moet "
                                    "u zelf aanpassen."});
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 3)));

  klik(w->cmdSpel[2]);
  klik(w->cmdWisSpel);
  QCOMPARE(bestand(), Regels(Kop() + QStringList{kAvond.at(0), kAvond.at(2)}));
  klik(w->cmdTerug);
  QVERIFY(meldingen().isEmpty());
  QCOMPARE(bestand(), Regels(Kop() + QStringList{kAvond.at(0), kAvond.at(2)}));
}

// Zemlo as a process of its own in the program folder, opening the entry
// per board on the evening and typing the keys given; true once they have
// been typed and handled. Its boxes, one a line, are in boxen.
bool TestFrmZemlo06::draaiProces(QProcess &p, const QStringList &toetsen, QStringList &boxen) {
  const QString programma = m_map->path("zemlo_proef");
  if (!QFile::exists(programma) && !QFile::copy(QStringLiteral(ZEMLO_PROEF), programma))
    return false;
  QStringList args{"--invoer", "08-11-2023 Groep A.txt", kInvoer};
  for (const QString &t : toetsen)
    args << "--toetsen" << t;
  p.setWorkingDirectory(m_map->path());
  p.start(programma, args);
  QByteArray uit;
  QDeadlineTimer deadline(60000);
  while (!uit.contains("getypt\n") && !deadline.hasExpired() && p.state() != QProcess::NotRunning) {
    p.waitForReadyRead(100);
    uit += p.readAllStandardOutput();
  }
  boxen = QString::fromUtf8(uit).split(u'\n', Qt::SkipEmptyParts);
  return boxen.removeAll("getypt") == 1;
}

// Klaar in a program that is killed at once after it: the evening opened
// again holds the board.
void TestFrmZemlo06::klaarSurvivesTheProgramKilled() {
  schrijf({});
  QProcess p;
  QStringList boxen;
  QVERIFY(draaiProces(p, {"42~", "100-~", "100-~", "k"}, boxen));
  p.kill();
  QVERIFY(p.waitForFinished(60000));
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 1)));
  auto *w = open();
  QVERIFY(w);
  QVERIFY(w->model()->IsKlaar(1));
  QCOMPARE(w->spelNummer(), 2);
  QVERIFY(meldingen().isEmpty());
}

// A file-size limit (ulimit -f) does not end the program on a save beyond
// it: the save fails and says so, the file stays as it was, and the
// program goes on.
void TestFrmZemlo06::fileSizeLimitFailsTheSave() {
  schrijf(kAvond.mid(0, 5));
  const QByteArray oud = bestand();
  QProcess p;
  // The limit lets the old file and the folder lock be, not the board added;
  // the program starts with the signal of the limit as a program gets it.
  const rlim_t grens = static_cast<rlim_t>(oud.size() + 16);
  p.setChildProcessModifier([grens] {
    struct sigaction standaard {};
    standaard.sa_handler = SIG_DFL;
    ::sigaction(SIGXFSZ, &standaard, nullptr);
    rlimit limiet{};
    ::getrlimit(RLIMIT_FSIZE, &limiet);
    limiet.rlim_cur = grens;
    ::setrlimit(RLIMIT_FSIZE, &limiet);
  });
  QStringList boxen;
  const bool getypt = draaiProces(p, {"14~", "14~", "14~", "k"}, boxen);
  QVERIFY2(
      getypt,
      qPrintable(QStringLiteral("exit status %1, code %2").arg(p.exitStatus()).arg(p.exitCode())));
  QCOMPARE(p.state(), QProcess::Running);
  QVERIFY(boxen.contains("0\tInvoer scores per spel (08-11-2023 Groep A)\tHet bestand invoer/" +
                         kInvoer +
                         " kan niet worden opgeslagen.|Controleer de schijf en probeer het "
                         "opnieuw."));
  QCOMPARE(bestand(), oud);
  p.kill();
  QVERIFY(p.waitForFinished(60000));
}

// A board that holds scores Klaar has not taken is not left without a
// question: Yes takes them as Klaar does, No drops them, Cancel stays. A
// board Klaar cannot take (a row is empty) keeps the director there.
void TestFrmZemlo06::unsavedBoard_data() {
  QTest::addColumn<QString>("weg");
  QTest::addColumn<int>("keuze");
  QTest::addColumn<bool>("heel"); // every row of the board typed
  const int ja = int(platform::Keuze::Ja), nee = int(platform::Keuze::Nee),
            annuleer = int(platform::Keuze::Annuleer);
  QTest::newRow("another board, Yes") << "spel" << ja << true;
  QTest::newRow("another board, No") << "spel" << nee << true;
  QTest::newRow("another board, Cancel") << "spel" << annuleer << true;
  QTest::newRow("the grid, Yes") << "grid" << ja << true;
  QTest::newRow("Back, Yes") << "terug" << ja << true;
  QTest::newRow("Back, No") << "terug" << nee << true;
  QTest::newRow("Escape, Cancel") << "escape" << annuleer << true;
  QTest::newRow("a row empty, Yes") << "spel" << ja << false;
}

void TestFrmZemlo06::unsavedBoard() {
  QFETCH(QString, weg);
  QFETCH(int, keuze);
  QFETCH(bool, heel);
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  for (const char *s : {"42", "100-", "100-"}) {
    if (!heel && QString(s) == "42")
      continue;
    typ(s);
    toets(Qt::Key_Return);
  }
  const QStringList getypt{vakNZ(w, 0)->text(), vakNZ(w, 1)->text(), vakNZ(w, 2)->text()};
  m_boxes->keuzes = {platform::Keuze(keuze)};
  if (weg == "spel") {
    klik(w->cmdSpel[2]);
  } else if (weg == "grid") {
    platform::GridView *grid = w->msfgResultaat;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(1, 3).center());
    QApplication::processEvents();
  } else if (weg == "terug") {
    klik(w->cmdTerug);
  } else {
    toets(Qt::Key_Escape);
  }
  testing::flushDeletes();
  // Yes on a board Klaar cannot take gives Klaar's own message.
  QStringList verwacht{kVraag186};
  if (!heel && keuze == int(platform::Keuze::Ja))
    verwacht.append("Spel 1 kan nog niet worden opgeslagen: niet elke tafel heeft een score.\nVul "
                    "de ontbrekende scores in.");
  QCOMPARE(meldingen(), verwacht);
  const bool verlaten = heel && keuze != int(platform::Keuze::Annuleer);
  const bool opgeslagen = heel && keuze == int(platform::Keuze::Ja);
  if (weg == "terug" || weg == "escape") {
    QCOMPARE(bool(m_w), !verlaten);
    if (verlaten) {
      QCOMPARE(bestand().contains("01*1|2|||420|-420"), opgeslagen);
      return;
    }
  }
  QVERIFY(m_w);
  QCOMPARE(w->spelNummer(), verlaten ? 2 : 1);
  QCOMPARE(w->model()->IsKlaar(1), opgeslagen);
  if (!verlaten)
    QCOMPARE((QStringList{vakNZ(w, 0)->text(), vakNZ(w, 1)->text(), vakNZ(w, 2)->text()}), getypt);
}

// The question as a person meets it: a real box takes the focus; Escape
// closes it and only it (its release does not close the window too), and
// Enter is Yes.
void TestFrmZemlo06::unsavedBoardRealBox() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  typMetEnter({"42", "100-", "100-"});
  {
    testing::EchteBoxen boxen({Qt::Key_Escape});
    toets(Qt::Key_Escape);
    QCOMPARE(boxen.teksten.size(), 1);
  }
  testing::flushDeletes();
  QVERIFY(m_w);
  QVERIFY(testing::activeer(w));
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  {
    testing::EchteBoxen boxen({Qt::Key_Return});
    toets(Qt::Key_Escape);
    QCOMPARE(boxen.teksten.size(), 1);
  }
  testing::flushDeletes();
  QVERIFY(!m_w);
  QVERIFY(bestand().contains("01*1|2|||420|-420"));
}

// An Alt letter that no enabled button owns types nothing into a score box.
void TestFrmZemlo06::altLetterSwallowed() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  QVERIFY(!w->cmdSpelKlaar->isEnabled());
  toets(Qt::Key_K, Qt::AltModifier);
  toets(Qt::Key_X, Qt::AltModifier);
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  typ("42");
  toets(Qt::Key_K, Qt::AltModifier);
  QCOMPARE(vakNZ(w, 0)->text(), QString("42"));
  toets(Qt::Key_Return);
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  QVERIFY(meldingen().isEmpty());
}

// After a real message box the row the step left gets its leaving step, as
// when the focus leaves it by hand: its colour goes back, and a board it
// completed offers Klaar.
void TestFrmZemlo06::boxLeavesTheRow() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  const QColor huidig(0xC0, 0xC0, 0xFF), wit(Qt::white);
  const auto kleur = [w](int i) { return vakNZ(w, i)->palette().color(QPalette::Base); };
  for (int rij = 0; rij < 3; ++rij) {
    testing::EchteBoxen boxen;
    typ(rij == 1 ? "42" : "62"); // 620 does not fit board 1: text 91
    toets(Qt::Key_Return);
    QCOMPARE(boxen.teksten.size(), rij == 1 ? 0 : 1);
    QVERIFY(testing::activeer(w));
    QApplication::processEvents();
    if (rij < 2) {
      QCOMPARE(kleur(rij), wit);
      QCOMPARE(kleur(rij + 1), huidig);
    }
  }
  // The last row completed the board: Klaar has the focus.
  QVERIFY(w->cmdSpelKlaar->isEnabled());
  QCOMPARE(focus(), w->cmdSpelKlaar);
  for (int i = 0; i < 3; ++i)
    QCOMPARE(kleur(i), wit);
}

// While the stored boards are scored again, the progress label alone shows
// which board is being scored, one after the other.
void TestFrmZemlo06::progressWhileReScoring() {
  schrijf(kAvond.mid(0, 2));
  BAS_Zemlo::sGroepBestand = "08-11-2023 Groep A.txt";
  BAS_Zemlo::sInvoerBestand = kInvoer;
  struct Kijker : QObject {
    QStringList gezien;
    bool fraZichtbaar = true;
    bool eventFilter(QObject *o, QEvent *e) override {
      if (e->type() == QEvent::Paint) {
        auto *label = static_cast<QLabel *>(o);
        gezien.append(label->text());
        fraZichtbaar =
            fraZichtbaar && label->window()->findChild<QGroupBox *>("fraBack")->isVisible();
      }
      return false;
    }
  } kijker;
  m_w = qobject_cast<frmZemlo06 *>(openWindow("frmZemlo06", m_main, -1, [&kijker](ZemloWindow *w) {
    w->findChild<QLabel *>("lblControleer")->installEventFilter(&kijker);
  }));
  QVERIFY(m_w);
  QStringList verwacht;
  for (int b = 1; b <= 6; ++b)
    verwacht.append("Controleer spelnummer: " + QString::number(b));
  for (const QString &b : verwacht)
    QVERIFY2(kijker.gezien.contains(b), qPrintable(kijker.gezien.join(u',')));
  QVERIFY(!kijker.fraZichtbaar);
  QVERIFY(m_w->lblControleer->isHidden());
  QVERIFY(m_w->fraBack->isVisible());
  QVERIFY(m_w->msfgResultaat->isVisible());
  QCOMPARE(m_w->spelNummer(), 3);
}

// Opening a board of the second half of the evening scrolls the result grid
// to column n; a board of the first half to column 2 (12 rounds of 9 boards:
// 60 is beyond 108 \\ 2, 54 is not).
void TestFrmZemlo06::gridScrollsToTheBoard() {
  const int tafels = 13;
  QByteArray schema = "26 paren 12 ronden\r\n";
  for (int k = 0; k < 12; ++k) {
    QString regel = QString::number(k + 1);
    for (int t = 0; t < tafels; ++t) {
      const int set = (t - k + tafels) % tafels + 1;
      regel += QString("\t%1- %2 (%3-%4)")
                   .arg(t + 1)
                   .arg(tafels + 1 + (t + k) % tafels)
                   .arg(4 * set - 3)
                   .arg(4 * set);
    }
    schema += regel.toLatin1() + "\r\n";
  }
  QByteArray groep;
  for (int p = 1; p <= 26; ++p)
    groep +=
        QString("%1| Speler %1 Noord+%2| Speler %1 Zuid\r\n").arg(2 * p - 1).arg(2 * p).toLatin1();
  m_map->write("groepen/08-11-2023 Groep A.txt", groep);
  m_map->write("schema/10/26 Paren 12 Ronden Groot.txt", schema);
  m_map->write("invoer/" + kInvoer, Regels({"08-11-2023 Groep A Uitslag", "26", "Geen", "12", "9",
                                            "26 Paren 12 Ronden Groot", "0"}));
  auto *w = open();
  QVERIFY(w);
  const platform::GridModel &grid = *w->msfgResultaat->grid();
  const struct {
    int spel;
    int kolom;
  } gevallen[] = {{60, 60}, {54, 2}, {55, 55}, {1, 2}};
  for (const auto &g : gevallen) {
    klik(w->cmdSpel[g.spel]);
    QCOMPARE(w->spelNummer(), g.spel);
    QCOMPARE(grid.leftCol(), g.kolom);
  }
}

// Yes closes the window without saving: the file on disk stays as it was,
// and the preparation window can be used again.
void TestFrmZemlo06::closeWithoutSaving() {
  schrijf(kAvond.mid(0, 1));
  auto *w = open();
  QVERIFY(w);
  QFile::remove(m_map->path("invoer/" + kInvoer));
  QVERIFY(QDir().mkpath(m_map->path("invoer/" + kInvoer)));
  m_boxes->answers = {true};
  toets(Qt::Key_Escape);
  testing::flushDeletes();
  QVERIFY(!m_w);
  QCOMPARE(meldingen().size(), 2);
  QVERIFY(QFileInfo(m_map->path("invoer/" + kInvoer)).isDir());
  QVERIFY(m_main->isEnabled());
}

// Ctrl+Shift+T shows and hides the sample fill, which fills only the boards
// that are not finished.
void TestFrmZemlo06::sampleFill() {
  schrijf(kAvond.mid(2, 1));
  auto *w = open();
  QVERIFY(w);
  QVERIFY(w->cmdVulAllesIn->isHidden());
  toets(Qt::Key_T, Qt::ControlModifier);
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  QVERIFY(w->cmdVulAllesIn->isHidden());
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(w->cmdVulAllesIn->isVisible());
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(w->cmdVulAllesIn->isHidden());
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  klik(w->cmdVulAllesIn);
  QVERIFY(w->cmdVulAllesIn->isHidden());
  QVERIFY(w->model()->AlleKlaar());
  QCOMPARE(w->model()->Regels().at(0), kAvond.at(2));
  QCOMPARE(bestand(), Regels(Kop() + w->model()->Regels())); // written, as after Klaar
  QCOMPARE(w->windowTitle(), QString("Invoer scores per spel (08-11-2023 Groep A)"));
  QCOMPARE(w->spelNummer(), 0);
  QVERIFY(w->cmdUitslag->isEnabled());
  const QStringList scores{"100", "110", "-90", "-120", "-100", "80", "200", "300", "-110", "120"};
  for (const scoring::SpelRij &r : w->model()->Rijen(1))
    QVERIFY(scores.contains(r.scoreNZ));

  // A board with a score typed in it is left as it is.
  klik(w->cmdSpel[2]);
  klik(w->cmdWisSpel);
  typ("42");
  toets(Qt::Key_Return);
  toets(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
  klik(w->cmdVulAllesIn);
  QCOMPARE(w->spelNummer(), 2);
  QVERIFY(!w->model()->IsKlaar(2));
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  QCOMPARE(vakNZ(w, 1)->text(), QString());
}

// Start in the preparation window opens the entry per board, and Back there
// returns to the preparation window.
void TestFrmZemlo06::openedThroughPreparation() {
  m_map->write("groepen/08-11-2023 Groep A.txt", kGroep);
  m_map->write("schema/10/" + kSchemaNaam + ".txt", kSchema);
  QDir().mkpath(m_map->path("invoer"));
  m_main->cmdInVoerScores->click();
  auto *prep = findWindow("frmZemlo04");
  QVERIFY(prep);
  QVERIFY(QTest::qWaitForWindowExposed(prep));
  const auto kies = [prep](const char *lijst, const QString &tekst) {
    auto *l = prep->findChild<QListWidget *>(lijst);
    const auto items = l->findItems(tekst, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
  };
  kies("lstGroepBestand", "08-11-2023 Groep A");
  // Three rounds of two boards.
  auto *ronden = prep->findChild<QScrollBar *>("vscrRonden");
  auto *spellen = prep->findChild<QScrollBar *>("vscrSpellen");
  while (prep->findChild<QLineEdit *>("txtRonden")->text() != "3")
    ronden->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  while (prep->findChild<QLineEdit *>("txtSpellen")->text() != "2")
    spellen->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  kies("lstSchema", kSchemaNaam);
  prep->findChild<QRadioButton *>("optInvoer0")->click();
  prep->findChild<QPushButton *>("cmdStart")->click();
  QApplication::processEvents();
  m_w = qobject_cast<frmZemlo06 *>(findWindow("frmZemlo06"));
  QVERIFY(m_w);
  QVERIFY(!prep->isEnabled());
  QCOMPARE(m_w->spelNummer(), 1);
  QCOMPARE(m_w->windowTitle(), QString("Invoer scores per spel (08-11-2023 Groep A)"));
  klik(m_w->cmdTerug);
  testing::flushDeletes();
  QVERIFY(!m_w);
  QVERIFY(prep->isEnabled());
  QCOMPARE(bestand(), Regels(Kop()));
}

// A score box takes by pasting (Ctrl+V, Shift+Insert, the middle button)
// nothing that typing would refuse: the whole paste is refused.
void TestFrmZemlo06::pasteTakesOnlyScores() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  QClipboard *klembord = QApplication::clipboard();
  const auto plak = [this, w, klembord](QLineEdit *vak, const QString &tekst, int manier) {
    QTest::mouseClick(vak, Qt::LeftButton);
    QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(vak, Qt::Key_Backspace);
    if (manier == 2) {
      klembord->setText(tekst, QClipboard::Selection);
      QTest::mouseClick(vak, Qt::MiddleButton);
    } else {
      klembord->setText(tekst);
      toets(manier == 0 ? Qt::Key_V : Qt::Key_Insert,
            manier == 0 ? Qt::ControlModifier : Qt::ShiftModifier);
    }
    Q_UNUSED(w);
    return vak->text();
  };
  QList<int> manieren{0, 1};
  if (klembord->supportsSelection())
    manieren.append(2);
  for (const int manier : manieren) {
    for (QLineEdit *vak : {vakNZ(w, 0), vakOW(w, 1)}) {
      QCOMPARE(plak(vak, "1430|1440", manier), QString());
      QCOMPARE(plak(vak, "42a", manier), QString());
      QCOMPARE(plak(vak, "1430", manier), QString("1430"));
    }
  }
  QVERIFY(meldingen().isEmpty());
  // What a paste refused cannot reach the board's line.
  plak(vakNZ(w, 0), "1430|1440", 0);
  QCOMPARE(w->model()->Rijen(1).at(0).scoreNZ, QString());
}

// With every row of the open board filled and the caret in a score box, the
// first press and release on a board button, Wis spel or Terug acts at once.
void TestFrmZemlo06::clickActsAtOnce() {
  schrijf(kAvond);
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(w->spelNummer(), 0);
  for (int b = 1; b <= 6; ++b) {
    drukKlik(w->cmdSpel[b]);
    QCOMPARE(w->spelNummer(), b);
    QCOMPARE(focus(), vakNZ(w, 0));
    QVERIFY(meldingen().isEmpty());
  }
  drukKlik(w->cmdWisSpel);
  QVERIFY(!w->model()->IsKlaar(6));
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  drukKlik(w->cmdSpel[5]);
  QCOMPARE(w->spelNummer(), 5);
  drukKlik(w->cmdTerug);
  testing::flushDeletes();
  QVERIFY(!m_w);
  QVERIFY(meldingen().isEmpty());
  QCOMPARE(bestand(), Regels(Kop() + kAvond.mid(0, 5)));
}

// One box at a time, in the order of the events: leaving a row tests its
// score before the question about unsaved scores is asked, and Yes to that
// question on a board Klaar cannot take gives Klaar's message.
void TestFrmZemlo06::boxesInTheOrderOfEvents() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  // Board 1, nobody vulnerable: 620 does not fit; typed without ENTER.
  typMetEnter({"42", "100-"});
  typ("62");
  {
    testing::EchteBoxen boxen({Qt::Key_Return, Qt::Key_Return});
    drukKlik(w->cmdSpel[2]);
    QCOMPARE(boxen.teksten,
             QStringList({"De score <620> klopt niet met de kwetsbaarheid.\nDit moet u zelf "
                          "aanpassen.",
                          kVraag186}));
  }
  QVERIFY(testing::activeer(w));
  QCOMPARE(w->spelNummer(), 2);
  QVERIFY(w->model()->Regels().at(0).contains("@5|4|||620|-620|"));

  // Board 2: a score that does not exist keeps the director in its row.
  typMetEnter({"62", "100-"});
  typ("97");
  {
    testing::EchteBoxen boxen;
    drukKlik(w->cmdSpel[3]);
    QCOMPARE(boxen.teksten, QStringList{"De score <97> bestaat niet."});
  }
  QVERIFY(testing::activeer(w));
  QApplication::processEvents();
  QCOMPARE(w->spelNummer(), 2);
  QCOMPARE(focus(), vakNZ(w, 2));
  {
    testing::EchteBoxen boxen({Qt::Key_Return, Qt::Key_Return});
    drukKlik(w->cmdSpel[3]);
    QCOMPARE(boxen.teksten, QStringList({kVraag186, "Spel 2 kan nog niet worden opgeslagen: niet "
                                                    "elke tafel heeft een score.\nVul de "
                                                    "ontbrekende scores in."}));
  }
  QVERIFY(testing::activeer(w));
  QCOMPARE(w->spelNummer(), 2);
  QVERIFY(!w->model()->IsKlaar(2));
  QCOMPARE(focus(), vakNZ(w, 2));
}

// Pairs exchanged on a finished board are what Klaar has not taken, as a
// typed score is: Klaar is offered, and leaving asks.
void TestFrmZemlo06::exchangeIsUnsavedWork() {
  schrijf(kAvond);
  auto *w = open();
  QVERIFY(w);
  klik(w->cmdSpel[1]);
  m_boxes->answers = {true};
  QTest::mouseClick(w->lblNZ[0], Qt::LeftButton);
  QCOMPARE(meldingen().size(), 1);
  QVERIFY(w->cmdSpelKlaar->isEnabled());
  QCOMPARE(focus(), w->cmdSpelKlaar);
  m_boxes->keuzes = {platform::Keuze::Ja};
  klik(w->cmdSpel[2]);
  QCOMPARE(meldingen(), QStringList{kVraag186});
  QCOMPARE(w->spelNummer(), 2);
  QCOMPARE(w->model()->Regels().at(0),
           QString("01*2|1|||420|-420|4|0@3|6|||-100|100|1|3@5|4|||-100|100|1|3"));
}

// An adjusted score corrected in its East-West box alone (60%/40% to
// 60%/50%) is a change: leaving the board asks, and Yes stores it.
void TestFrmZemlo06::eastWestChangedAlone() {
  schrijf({"01*1|2|||60%|40%|0|0@3|6|||-100|100|1|3@5|4|||-100|100|1|3"});
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(w->spelNummer(), 2);
  klik(w->cmdSpel[1]);
  QCOMPARE(vakOW(w, 0)->text(), QString("40%"));
  QTest::mouseClick(vakOW(w, 0), Qt::LeftButton);
  QTest::keyClick(vakOW(w, 0), Qt::Key_A, Qt::ControlModifier);
  typ("50%");
  m_boxes->keuzes = {platform::Keuze::Ja};
  drukKlik(w->cmdSpel[2]);
  QCOMPARE(meldingen(), QStringList{kVraag186});
  QCOMPARE(w->spelNummer(), 2);
  QVERIFY(w->model()->Regels().at(0).startsWith("01*1|2|||60%|50%|"));
}

// Lines the window cannot read are named once on opening and kept; Wis spel
// takes every line of its board, also a second one, for good.
void TestFrmZemlo06::clearedBoardStaysCleared() {
  const QString tweede = "01*1|2|||110|-110|1|3@3|6|||140|-140|4|0@5|4|||110|-110|1|3";
  const QString perRonde = "*1- 2|420|-420~*3- 6|-100|100~*5- 4|-100|100";
  schrijf({kAvond.at(0), tweede, perRonde});
  auto *w = open();
  QVERIFY(w);
  QCOMPARE(meldingen(), OpeningsMelding("", "9, 10"));
  QVERIFY(w->model()->IsKlaar(1));
  klik(w->cmdSpel[1]);
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  klik(w->cmdWisSpel);
  klik(w->cmdTerug);
  testing::flushDeletes();
  QCOMPARE(bestand(), Regels(Kop() + QStringList{perRonde}));
  w = open();
  QVERIFY(w);
  QCOMPARE(meldingen(), OpeningsMelding("", "8"));
  QVERIFY(!w->model()->IsKlaar(1));
  QCOMPARE(w->spelNummer(), 1);
  QCOMPARE(vakNZ(w, 0)->text(), QString());
}

// A score in no table that holds a letter, typed in both boxes so that its
// East-West text is its mirror, is refused by Klaar as by ENTER: the board
// is stored only with scores its line is read back with at the next opening.
void TestFrmZemlo06::klaarRefusesWhatCannotBeRead() {
  schrijf({});
  auto *w = open();
  QVERIFY(w);
  typMetEnter({"42", "100-"});
  toets(Qt::Key_Return);
  QCOMPARE(focus(), w->cmdSpelKlaar);
  // The East-West box first, so that leaving the North-South box finds the
  // mirror in place.
  QTest::mouseClick(vakOW(w, 0), Qt::LeftButton);
  toets(Qt::Key_A, Qt::ControlModifier);
  typ("-700n");
  QTest::mouseClick(vakNZ(w, 0), Qt::LeftButton);
  toets(Qt::Key_A, Qt::ControlModifier);
  typ("700n");
  QCOMPARE(vakOW(w, 0)->text(), QString("-700n"));
  {
    // Leaving the row gives the review Klaar's own runs too; then Klaar.
    testing::EchteBoxen boxen;
    toets(Qt::Key_Down);
    QVERIFY(testing::activeer(w));
    toets(Qt::Key_K, Qt::AltModifier);
    QCOMPARE(boxen.teksten, QStringList{"De score <700n> bestaat niet."});
  }
  QCOMPARE(w->spelNummer(), 1);
  QVERIFY(!w->model()->IsKlaar(1));
  QCOMPARE(vakNZ(w, 0)->text(), QString());
  QCOMPARE(vakOW(w, 0)->text(), QString());
  QCOMPARE(focus(), vakNZ(w, 0));

  typ("42");
  toets(Qt::Key_Return);
  QCOMPARE(focus(), w->cmdSpelKlaar);
  toets(Qt::Key_K, Qt::AltModifier);
  QCOMPARE(w->spelNummer(), 2);
  klik(w->cmdTerug);
  testing::flushDeletes();
  QVERIFY(meldingen().isEmpty());

  // The next opening reads the board back, finished with its scores.
  w = open();
  QVERIFY(w);
  QVERIFY(meldingen().isEmpty());
  QVERIFY(w->model()->IsKlaar(1));
  klik(w->cmdSpel[1]);
  QCOMPARE(vakNZ(w, 0)->text(), QString("420"));
  QCOMPARE(vakOW(w, 0)->text(), QString("-420"));
}

#include "entry_window_test.moc"
ZEMLO_TEST_CLASS(TestFrmZemlo06)
