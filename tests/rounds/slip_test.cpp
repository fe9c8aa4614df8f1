// The slips of the entry per round: the ENTER step in the score boxes,
// Klaar, Wis slip, exchanging a slip's pairs, the missing list, the sample
// scores, opening and closing the window.
#include "common/vensters.h"
#include "rounds_fixture.h"

#include "common/echteboxen.h"
#include "frame/bas_zemlo.h"
#include "platform/grid.h"
#include "platform/gridview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <utility>

using namespace roundstest;

namespace {

QString focusName() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QStringList rows(const frmZemlo07 *w) {
  QStringList out;
  for (int i = 0; vakNZ(w, i); ++i)
    out.append(vakNZ(w, i)->text() + u'|' + vakOW(w, i)->text());
  return out;
}

// The body lines of the results file.
QStringList body(const Program &p) {
  return QString::fromLatin1(p.folder.read(p.invoer())).split(QStringLiteral("\r\n")).mid(7, 6);
}

} // namespace

class SlipTest : public QObject {
  Q_OBJECT
private slots:
  // The ENTER step on the first slip of an evening of four boards a round:
  // board 1 nobody vulnerable, 2 North-South, 3 East-West, 4 both.
  void enterStep_data() {
    QTest::addColumn<QStringList>("vooraf"); // "NS|EW" a row, before
    QTest::addColumn<int>("rij");
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("na"); // "NS|EW" of the row after
    QTest::addColumn<QString>("melding");
    QTest::addColumn<QString>("focus");
    const QStringList leeg{"|", "|", "|", "|"};
    const QString v91 =
        "De score <%1> klopt niet met de kwetsbaarheid.\nDit moet u zelf aanpassen.";
    const QString v92 = "De score <%1> bestaat niet.";
    QTest::newRow("42, nobody vulnerable") << leeg << 0 << "42" << true << "420|-420"
                                           << ""
                                           << "txtScoreNZ1";
    QTest::newRow("42, North-South vulnerable")
        << leeg << 1 << "42" << true << "420|-420" << v91.arg(420) << "txtScoreNZ2";
    QTest::newRow("minus behind") << leeg << 0 << "420-" << true << "-420|420"
                                  << ""
                                  << "txtScoreNZ1";
    QTest::newRow("620, North-South") << leeg << 1 << "620" << true << "620|-620"
                                      << ""
                                      << "txtScoreNZ2";
    QTest::newRow("620, nobody") << leeg << 0 << "620" << true << "620|-620" << v91.arg(620)
                                 << "txtScoreNZ1";
    QTest::newRow("620, East-West")
        << leeg << 2 << "620" << true << "620|-620" << v91.arg(620) << "txtScoreNZ3";
    QTest::newRow("620, both, wraps round") << leeg << 3 << "620" << true << "620|-620"
                                            << ""
                                            << "txtScoreNZ0";
    QTest::newRow("-620, East-West") << leeg << 2 << "-620" << true << "-620|620"
                                     << ""
                                     << "txtScoreNZ3";
    QTest::newRow("-620, North-South")
        << leeg << 1 << "-620" << true << "-620|620" << v91.arg(-620) << "txtScoreNZ2";
    QTest::newRow("5 is 50") << leeg << 0 << "5" << true << "50|-50"
                             << ""
                             << "txtScoreNZ1";
    QTest::newRow("-50 stays") << leeg << 0 << "-50" << true << "-50|50"
                               << ""
                               << "txtScoreNZ1";
    QTest::newRow("1 is 10, no score")
        << leeg << 0 << "1" << true << "|" << v92.arg(10) << "txtScoreNZ0";
    QTest::newRow("123, no score")
        << leeg << 0 << "123" << true << "|" << v92.arg(123) << "txtScoreNZ0";
    QTest::newRow("passed out") << leeg << 2 << "0" << true << "0|0"
                                << ""
                                << "txtScoreNZ3";
    QTest::newRow("not played") << leeg << 0 << "n" << true << "n|n"
                                << ""
                                << "txtScoreNZ1";
    QTest::newRow("N is n") << leeg << 0 << "N" << true << "N|n"
                            << ""
                            << "txtScoreNZ1";
    QTest::newRow("adjusted") << leeg << 0 << "60%" << true << "60%|60%"
                              << ""
                              << "txtScoreOW0";
    QTest::newRow("adjusted beyond 100")
        << leeg << 0 << "160%" << true << "|" << v92.arg("160%") << "txtScoreNZ0";
    QTest::newRow("letters refused") << leeg << 0 << "4a2x!" << true << "420|-420"
                                     << ""
                                     << "txtScoreNZ1";
    QTest::newRow("empty row takes the row above")
        << QStringList{"|", "-100|100", "|", "|"} << 2 << "" << true << "-100|100"
        << ""
        << "txtScoreNZ3";
    QTest::newRow("empty row takes both texts of an adjusted row")
        << QStringList{"|", "60%|40%", "|", "|"} << 2 << "" << true << "60%|40%"
        << ""
        << "txtScoreNZ3";
    QTest::newRow("empty first row") << leeg << 0 << "" << true << "|"
                                     << ""
                                     << "txtScoreNZ1";
    QTest::newRow("last row filled: Klaar")
        << QStringList{"420|-420", "-100|100", "0|0", "|"} << 3 << "20" << true << "200|-200"
        << ""
        << "cmdSpelKlaar";
    QTest::newRow("C clears the row")
        << QStringList{"420|-420", "|", "|", "|"} << 0 << "c" << false << "|"
        << ""
        << "txtScoreNZ0";
    QTest::newRow("k without Klaar is swallowed") << leeg << 0 << "k" << false << "|"
                                                  << ""
                                                  << "txtScoreNZ0";
  }
  void enterStep() {
    QFETCH(QStringList, vooraf);
    QFETCH(int, rij);
    QFETCH(QString, getypt);
    QFETCH(bool, enter);
    QFETCH(QString, na);
    QFETCH(QString, melding);
    QFETCH(QString, focus);
    Program p(10, {0, 4, {}});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    for (int i = 0; i < vooraf.size(); ++i) {
      vakNZ(w, i)->setText(vooraf.at(i).section(u'|', 0, 0));
      vakOW(w, i)->setText(vooraf.at(i).section(u'|', 1, 1));
    }
    vakNZ(w, rij)->setFocus();
    QTest::keyClicks(vakNZ(w, rij), getypt);
    if (enter)
      QTest::keyClick(vakNZ(w, rij), Qt::Key_Return);
    QCOMPARE(vakNZ(w, rij)->text() + u'|' + vakOW(w, rij)->text(), na);
    QCOMPARE(p.takeBoxes(), melding.isEmpty() ? QStringList() : QStringList{melding});
    QCOMPARE(focusName(), focus);
  }

  // The arrows move between the rows and wrap round; leaving a row runs the
  // ENTER step on it; the row and its board's vulnerability are shown.
  void arrowsAndLeaving() {
    Program p(10, {0, 4, {}});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ0"));
    QCOMPARE(w->lblRonde->text(), QStringLiteral("Ronde 1 - Spel: 1  "));
    QCOMPARE(w->lblKwetsbaar->text(), QStringLiteral(" Niemand "));
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Up);
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ3"));
    QCOMPARE(w->lblKwetsbaar->text(), QStringLiteral(" Beiden "));
    QTest::keyClick(vakNZ(w, 3), Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ0"));
    QTest::keyClicks(vakNZ(w, 0), "42");
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Down);
    QApplication::processEvents(); // the leaving step, once the focus has arrived
    QCOMPARE(rows(w).first(), QStringLiteral("420|-420"));
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ1"));
    // A North-South score changed after its mirror is mirrored again on leaving.
    vakNZ(w, 0)->setFocus();
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Backspace);
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Backspace);
    QTest::keyClicks(vakNZ(w, 0), "50");
    vakOW(w, 0)->setFocus();
    QApplication::processEvents(); // the leaving step, once the focus has arrived
    QCOMPARE(rows(w).first(), QStringLiteral("450|-450"));
    // The East-West box takes only score characters; its Enter moves on.
    QTest::keyClicks(vakOW(w, 0), "x");
    QCOMPARE(vakOW(w, 0)->text(), QStringLiteral("-450"));
    QTest::keyClick(vakOW(w, 0), Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ1"));
    QVERIFY(p.takeBoxes().isEmpty());
  }

  // Klaar is offered only once every row of the slip holds a score: before
  // that neither the button nor its letter takes the slip.
  void klaarOnIncompleteSlip() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeEnter(vakNZ(w, 0), "42");
    QVERIFY(!w->cmdSpelKlaar->isEnabled());
    QTest::keyClick(vakNZ(w, 1), Qt::Key_K);
    click(w->cmdSpelKlaar);
    QVERIFY(w->optRonde[0]->isChecked());
    QCOMPARE(rows(w), QStringList({"420|-420", "|"}));
    QVERIFY(!w->optRonde[0]->font().strikeOut());
    QVERIFY(!p.folder.read(p.invoer()).contains("420"));
    QVERIFY(missing(w).contains(QStringLiteral("Ronde 1 - Spel 1")));
    typeEnter(vakNZ(w, 1), "62");
    QVERIFY(w->cmdSpelKlaar->isEnabled());
    click(w->cmdSpelKlaar);
    QVERIFY(w->optRonde[0]->font().strikeOut());
    QVERIFY(w->optRonde[1]->isChecked());
  }

  // Klaar runs the ENTER step again on every row: a score changed without
  // ENTER is mirrored and tested before it is stored.
  void klaarRerunsEnter() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeSlip(w, {"42", "62"});
    vakNZ(w, 0)->setText(QStringLiteral("45"));
    w->cmdSpelKlaar->click();
    QCOMPARE(body(p).at(0), QStringLiteral("*1- 4|450|-450~*2- 6~*3- 5"));
    w->optRonde[0]->click();
    vakNZ(w, 1)->setText(QStringLiteral("123"));
    w->cmdSpelKlaar->click();
    QCOMPARE(p.takeBoxes(), QStringList({"De score <123> bestaat niet."}));
    QCOMPARE(rows(w), QStringList({"450|-450", "|"}));
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ1"));
    QCOMPARE(body(p).at(1), QStringLiteral("*1- 4|620|-620~*2- 6~*3- 5")); // nothing stored
  }

  // Wis slip takes the slip's scores out of the store, the grid and the file.
  void clearSlip() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeSlip(w, {"42", "62"});
    click(w->cmdSpelKlaar);
    click(w->optRonde[0]);
    QCOMPARE(rows(w), QStringList({"420|-420", "620|-620"}));
    QVERIFY(w->optRonde[0]->font().strikeOut());
    click(w->cmdWisSpel);
    QCOMPARE(rows(w), QStringList({"|", "|"}));
    QVERIFY(!w->optRonde[0]->font().strikeOut());
    QVERIFY(w->optRonde[0]->isChecked());
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ0"));
    QCOMPARE(row(*w->msfgScore->grid(), 1).section(u'|', 1, 2), QStringLiteral("1 - 4|1 - 4"));
    QCOMPARE(missing(w).size(), 18);
    QCOMPARE(p.folder.read(p.invoer()), fixture(QStringLiteral("nieuw_gesloten.txt")));
  }

  // A right click exchanges a slip's pairs and a second undoes it; the
  // caption, the overview, the file and the slip as entered all agree, also
  // after reopening the round and the window; a slip with scores is refused.
  void exchange() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QTest::mouseClick(w->optRonde[1], Qt::RightButton);
    QCOMPARE(p.takeBoxes(),
             QStringList({"De paren 2 - 5 zijn omgewisseld naar 5 - 2\n\nWilt u de wisseling "
                          "omgedaan maken, klik dan nogmaals met de rechtermuisknop op de paren"}));
    QVERIFY(w->optRonde[0]->isChecked());
    QCOMPARE(w->optRonde[1]->text(), QStringLiteral("5 - 2 (3-4)"));
    QCOMPARE(row(*w->msfgScore->grid(), 1).section(u'|', 3, 4), QStringLiteral("5 - 2|5 - 2"));
    QCOMPARE(body(p).at(2), QStringLiteral("*5 - 2~*3- 4~*1- 6"));
    QTest::mouseClick(w->optRonde[1], Qt::RightButton);
    QCOMPARE(p.takeBoxes().size(), 1);
    QCOMPARE(w->optRonde[1]->text(), QStringLiteral("2 - 5 (3-4)"));
    QCOMPARE(body(p).at(2), QStringLiteral("*2 - 5~*3- 4~*1- 6"));

    QTest::mouseClick(w->optRonde[1], Qt::RightButton);
    p.takeBoxes();
    click(w->optRonde[1]);
    QCOMPARE(w->lblPaar[0]->text(), QStringLiteral("5. Ina Pol - Joop Ruys "));
    typeSlip(w, {"42", "20"});
    click(w->cmdSpelKlaar);
    QCOMPARE(row(*w->msfgScore->grid(), 1).section(u'|', 3, 4),
             QStringLiteral("[5] 420 [2] -420|[5] 200 [2] -200"));
    click(w->cmdRonde[1]);
    click(w->cmdRonde[0]);
    QCOMPARE(w->optRonde[1]->text(), QStringLiteral("5 - 2 (3-4)"));
    QVERIFY(w->optRonde[1]->font().strikeOut());
    QTest::mouseClick(w->optRonde[1], Qt::RightButton);
    QCOMPARE(p.takeBoxes(), QStringList({"U kunt de paren alleen wisselen wanneer er geen scores "
                                         "zijn ingevoerd\nWis de slip en wissel dan paren"}));
    QCOMPARE(w->optRonde[1]->text(), QStringLiteral("5 - 2 (3-4)"));
    // A slip that holds a score typed and not yet taken is refused too.
    click(w->optRonde[2]);
    typeEnter(vakNZ(w, 0), "11");
    QTest::mouseClick(w->optRonde[2], Qt::RightButton);
    QCOMPARE(p.takeBoxes().size(), 1);
    QCOMPARE(w->optRonde[2]->text(), QStringLiteral("3 - 6 (5-6)"));

    const QByteArray bestand = p.folder.read(p.invoer());
    QVERIFY(bestand.contains("*5 - 2|420|-420~*3- 4~*1- 6\r\n*5 - 2|200|-200~"));
    // The score typed in it and not taken is dropped on closing.
    p.boxes.keuzes = {platform::Keuze::Nee};
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Escape);
    testing::flushDeletes();
    w = p.open();
    QVERIFY(w);
    QCOMPARE(w->optRonde[1]->text(), QStringLiteral("5 - 2 (3-4)"));
    QVERIFY(w->optRonde[1]->font().strikeOut());
    click(w->optRonde[2]);
    QCOMPARE(rows(w), QStringList({"|", "|"}));
    QTest::keyClick(w, Qt::Key_Escape);
    testing::flushDeletes();
    QCOMPARE(p.folder.read(p.invoer()), bestand);
  }

  // Scores stored in any form of an entered score read back entered: the
  // missing list names only the board whose scores are not a score, the
  // rows show the scores as stored and keep them when the director moves
  // through them or takes the slip with Klaar, and the file stays as it was.
  void storedFormsReadBack() {
    Program p(10, {0, 2,
                   "*1- 4|0|-0~*2- 6|420|~*3- 5|N|N\r\n"
                   "*1- 4|60%|57.5%~*2- 6|-620|620~*3- 5|42|-42\r\n"
                   "*2 - 5~*3- 4~*1- 6\r\n*2 - 5~*3- 4~*1- 6\r\n"
                   "*3- 6~*1- 5~*2- 4\r\n*3- 6~*1- 5~*2- 4\r\n"});
    const QByteArray voor = p.folder.read(p.invoer());
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    const QStringList nog = missing(w);
    QVERIFY(nog.contains(QStringLiteral("Ronde 3 - Spel 2")));
    for (const char *cel : {"Ronde 1 - Spel 1", "Ronde 1 - Spel 2", "Ronde 2 - Spel 1",
                            "Ronde 2 - Spel 2", "Ronde 3 - Spel 1"})
      QVERIFY2(!nog.contains(QLatin1String(cel)), cel);
    QVERIFY(w->optRonde[0]->font().strikeOut());
    QCOMPARE(row(*w->msfgScore->grid(), 1).section(u'|', 1, 2),
             QStringLiteral("[1] 0 [4] -0|[1] 60% [4] 57.5%"));
    QCOMPARE(rows(w), QStringList({"0|-0", "60%|57.5%"}));

    // Through the rows with the arrows and Tab, then Klaar by its letter.
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ0"));
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Down);
    QTest::keyClick(vakNZ(w, 1), Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("txtScoreOW1"));
    QTest::keyClick(vakOW(w, 1), Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("txtScoreOW0"));
    QTest::keyClick(vakOW(w, 0), Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ0"));
    QCOMPARE(rows(w), QStringList({"0|-0", "60%|57.5%"}));
    QTest::keyClick(vakNZ(w, 0), Qt::Key_K);
    QVERIFY(w->optRonde[1]->isChecked());
    QVERIFY(p.takeBoxes().isEmpty());
    QCOMPARE(p.folder.read(p.invoer()), voor);
    click(w->optRonde[0]);
    QCOMPARE(rows(w), QStringList({"0|-0", "60%|57.5%"}));
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(p.takeBoxes().isEmpty());
    QCOMPARE(p.folder.read(p.invoer()), voor);
  }

  // An adjusted score corrected in its East-West box alone (60%/40% to
  // 60%/50%) is a change: leaving the slip asks, and Yes stores it.
  void eastWestChangedAlone() {
    Program p(10, {0, 2, "*1- 4|60%|40%~*2- 6~*3- 5\r\n*1- 4|420|-420~*2- 6~*3- 5\r\n"});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(rows(w), QStringList({"60%|40%", "420|-420"}));
    QTest::mouseClick(vakOW(w, 0), Qt::LeftButton);
    QTest::keyClick(vakOW(w, 0), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(vakOW(w, 0), "50%");
    p.boxes.keuzes = {platform::Keuze::Ja};
    click(w->optRonde[1]);
    QCOMPARE(p.takeBoxes(), QStringList{"Er zijn scores ingevoerd die nog niet met Klaar zijn "
                                        "opgeslagen.\nWilt u ze nu opslaan?"});
    QVERIFY(w->optRonde[1]->isChecked());
    QVERIFY(p.folder.read(p.invoer()).contains("*1- 4|60%|50%~"));
  }

  // A results file whose body was entered per board: the window says once
  // which lines it could not read, and keeps them as they are.
  void otherWayOfEntry() {
    const QByteArray perSpel = "01*1|4|||420|-420|4|0@2|6|||-100|100|1|3@3|5|||-100|100|1|3\r\n"
                               "02*1|4|||110|-110|1|3@2|6|||140|-140|4|0@3|5|||110|-110|1|3\r\n";
    Program p(10, {0, 2, perSpel});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(p.takeBoxes(), QStringList{"Deze regels van het uitslagbestand konden niet worden "
                                        "gelezen: 8, 9.\nZe blijven ongewijzigd in het bestand "
                                        "staan, maar tellen niet mee."});
    QCOMPARE(rows(w), QStringList({"|", "|"}));
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(p.takeBoxes().isEmpty());
    const QStringList na = body(p);
    QVERIFY(na.at(0).endsWith("~01*1|4|||420|-420|4|0@2|6|||-100|100|1|3@3|5|||-100|100|1|3"));
    QVERIFY(na.at(1).endsWith("~02*1|4|||110|-110|1|3@2|6|||140|-140|4|0@3|5|||110|-110|1|3"));
  }

  // The largest evening (26 pairs, 12 rounds of 9 boards, two tables
  // sharing a board set every round) is no taller than its screen: the
  // overview gives up height and scrolls; the title bar's room is kept, and
  // Uitslag and Terug stand inside the window.
  void largestEveningFitsTheScreen() {
    Program p;
    const int tafels = 13;
    QByteArray schema = "Groot\r\n";
    for (int k = 0; k < 12; ++k) {
      QString regel = QString::number(k + 1);
      for (int t = 0; t < tafels; ++t) {
        const int set = ((t - k) % 12 + 12) % 12 + 1;
        regel += QStringLiteral("\t%1- %2 (%3-%4)")
                     .arg(t + 1)
                     .arg(tafels + 1 + (t + k) % tafels)
                     .arg(4 * set - 3)
                     .arg(4 * set);
      }
      schema += regel.toLatin1() + "\r\n";
    }
    QByteArray groep;
    for (int paar = 1; paar <= 26; ++paar)
      groep += QStringLiteral("%1| Speler %1 Noord+%2| Speler %1 Zuid\r\n")
                   .arg(2 * paar - 1)
                   .arg(2 * paar)
                   .toLatin1();
    p.folder.write(QStringLiteral("schema/10/26 Paren 12 Ronden Groot.txt"), schema);
    p.folder.write(QStringLiteral("groepen/") + p.groep() + QStringLiteral(".txt"), groep);
    p.folder.write(p.invoer(), (p.groep() + QStringLiteral(" Uitslag\r\n26\r\nGeen\r\n12\r\n9\r\n"
                                                           "26 Paren 12 Ronden Groot\r\n1\r\n"))
                                   .toLatin1());
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QVERIFY(p.takeBoxes().isEmpty());
    QCOMPARE(w->cmdRonde.size(), 12);
    QCOMPARE(w->optRonde.size(), 13);
    const QRect scherm = w->screen()->availableGeometry();
    QVERIFY2(w->height() + 40 <= scherm.height(),
             qPrintable(QStringLiteral("%1 on %2").arg(w->height()).arg(scherm.height())));
    QVERIFY(w->y() >= scherm.y());
    QVERIFY(w->cmdTerug->geometry().bottom() < w->height());
    QVERIFY(w->cmdUitslag->geometry().bottom() < w->height());
    // Every round and table button shows whole, above the overview.
    QVERIFY(w->cmdRonde.last()->geometry().bottom() < w->fraBack->y());
    QVERIFY(w->optRonde.last()->geometry().bottom() < w->fraBack->y());
    QVERIFY(w->msfgScore->height() >= 60);
  }

  // The missing list shows while its button is held, with either button.
  void missingList() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QVERIFY(w->cmdDitMoetNog->isVisible());
    QVERIFY(w->lstNietGevuld->isHidden());
    for (const Qt::MouseButton knop : {Qt::LeftButton, Qt::RightButton}) {
      QTest::mousePress(w->cmdDitMoetNog, knop);
      QVERIFY(w->lstNietGevuld->isVisible());
      QCOMPARE(w->lstNietGevuld->item(0)->text(), QStringLiteral("Ronde 1 - Spel 1"));
      QTest::mouseRelease(w->cmdDitMoetNog, knop);
      QVERIFY(w->lstNietGevuld->isHidden());
      QCOMPARE(focusName(), QStringLiteral("cmdSetfocus"));
    }
  }

  // Ctrl+Shift+T shows and hides the sample button; it fills only the
  // boards not entered.
  void sampleScores() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeSlip(w, {"42", "62"});
    click(w->cmdSpelKlaar);
    QTest::keyClick(vakNZ(w, 1), Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(vakNZ(w, 1), Qt::Key_T,
                    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(vakNZ(w, 1), Qt::Key_T,
                    Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier);
    QVERIFY(w->cmdVulSpellen->isHidden());
    QTest::keyClick(vakNZ(w, 1), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(w->cmdVulSpellen->isVisible());
    QTest::keyClick(vakNZ(w, 1), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(w->cmdVulSpellen->isHidden());
    QTest::keyClick(vakNZ(w, 1), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    click(w->cmdVulSpellen);
    QVERIFY(w->cmdVulSpellen->isHidden());
    QVERIFY(w->cmdUitslag->isEnabled());
    QVERIFY(w->lblKlaar->isVisible());
    QVERIFY(missing(w).isEmpty());
    const QStringList regels = body(p);
    QVERIFY(regels.at(0).startsWith(QStringLiteral("*1- 4|420|-420~")));
    for (const QString &regel : regels)
      QCOMPARE(regel.count(u'|'), 6);
  }

  // An evening whose files are not all there, or not made per round, is
  // refused: the window says so and closes, the files stay as they were.
  void refusedEvening_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<QByteArray>("kop");
    QTest::addColumn<QString>("melding");
    QTest::newRow("group file missing") << "groepen/01-02-2024 Groep A.txt" << QByteArray()
                                        << "Bestand <01-02-2024 Groep A> niet gevonden.";
    QTest::newRow("schema missing") << "schema/10/06 Paren 03 Ronden Mitchell.txt" << QByteArray()
                                    << "Bestand <schema/10/06 Paren 03 Ronden Mitchell.txt> niet "
                                       "gevonden.";
    QTest::newRow("made per board")
        << ""
        << QByteArray("01-02-2024 Groep A Uitslag\r\n6\r\nGeen\r\n3\r\n2\r\n06 Paren 03 "
                      "Ronden Mitchell\r\n0\r\n01*1|4|||420|-420|2|0\r\n")
        << "Het bestand invoer/01-02-2024 Groep A Uitslag.txt is onvolledig of beschadigd.\nHet "
           "kan niet worden gebruikt.";
  }
  void refusedEvening() {
    QFETCH(QString, weg);
    QFETCH(QByteArray, kop);
    QFETCH(QString, melding);
    Program p;
    if (!weg.isEmpty())
      QFile::remove(p.folder.path(weg));
    if (!kop.isEmpty())
      p.folder.write(p.invoer(), kop);
    const QByteArray voor = p.folder.read(p.invoer());
    QVERIFY(!p.open());
    testing::flushDeletes();
    QCOMPARE(p.takeBoxes(), QStringList({melding}));
    QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
    QVERIFY(p.main->isEnabled());
    QCOMPARE(p.folder.read(p.invoer()), voor);
  }

  // A slip that holds scores Klaar has not taken is not left without a
  // question: Yes takes them as Klaar does, No drops them, Cancel stays.
  void unsavedSlip_data() {
    QTest::addColumn<QString>("weg");
    QTest::addColumn<int>("keuze");
    const int ja = int(platform::Keuze::Ja), nee = int(platform::Keuze::Nee),
              annuleer = int(platform::Keuze::Annuleer);
    QTest::newRow("another slip, Yes") << "slip" << ja;
    QTest::newRow("another slip, No") << "slip" << nee;
    QTest::newRow("another slip, Cancel") << "slip" << annuleer;
    QTest::newRow("another round, Yes") << "ronde" << ja;
    QTest::newRow("another round, Cancel") << "ronde" << annuleer;
    QTest::newRow("Back, No") << "terug" << nee;
    QTest::newRow("Escape, Yes") << "escape" << ja;
    QTest::newRow("Escape, Cancel") << "escape" << annuleer;
  }
  void unsavedSlip() {
    QFETCH(QString, weg);
    QFETCH(int, keuze);
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeEnter(vakNZ(w, 0), "42");
    QPointer<frmZemlo07> venster(w);
    p.boxes.keuzes = {platform::Keuze(keuze)};
    if (weg == "slip")
      click(w->optRonde[1]);
    else if (weg == "ronde")
      click(w->cmdRonde[1]);
    else if (weg == "terug")
      click(w->cmdTerug);
    else
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    testing::flushDeletes();
    QCOMPARE(p.takeBoxes(), QStringList{"Er zijn scores ingevoerd die nog niet met Klaar zijn "
                                        "opgeslagen.\nWilt u ze nu opslaan?"});
    const bool blijft = keuze == int(platform::Keuze::Annuleer);
    const bool opgeslagen = keuze == int(platform::Keuze::Ja);
    QCOMPARE(p.folder.read(p.invoer()).contains("*1- 4|420|-420"), opgeslagen);
    if (weg == "terug" || weg == "escape") {
      QCOMPARE(bool(venster), blijft);
      if (!blijft)
        return;
    }
    QVERIFY(venster);
    if (blijft) {
      QVERIFY(w->optRonde[0]->isChecked());
      QVERIFY(w->cmdRonde[0]->palette().color(QPalette::Button) != QColor(Qt::white));
      QCOMPARE(rows(w).first(), QStringLiteral("420|-420"));
    } else if (weg == "slip") {
      QVERIFY(w->optRonde[1]->isChecked());
    }
    if (opgeslagen)
      QVERIFY(!missing(w).contains(QStringLiteral("Ronde 1 - Spel 1")));
  }

  // The question as a person meets it: a real box; Escape closes only the
  // box, Enter is Yes.
  void unsavedSlipRealBox() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeEnter(vakNZ(w, 0), "42");
    QPointer<frmZemlo07> venster(w);
    {
      testing::EchteBoxen boxen({Qt::Key_Escape});
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      QCOMPARE(boxen.teksten.size(), 1);
    }
    testing::flushDeletes();
    QVERIFY(venster);
    QVERIFY(testing::activeer(w));
    QCOMPARE(rows(w).first(), QStringLiteral("420|-420"));
    {
      testing::EchteBoxen boxen({Qt::Key_Return});
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      QCOMPARE(boxen.teksten.size(), 1);
    }
    testing::flushDeletes();
    QVERIFY(!venster);
    QVERIFY(p.folder.read(p.invoer()).contains("*1- 4|420|-420~"));
  }

  // After a real message box the row the step left gets its leaving step:
  // it is no longer pale blue.
  void boxLeavesTheRow() {
    Program p(10, {0, 4, {}});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    const QColor blauw(0xC0, 0xC0, 0xFF), wit(Qt::white);
    {
      testing::EchteBoxen boxen;
      typeEnter(vakNZ(w, 0), "62"); // board 1, nobody vulnerable: text 91
      QCOMPARE(boxen.teksten.size(), 1);
    }
    QVERIFY(testing::activeer(w));
    QApplication::processEvents();
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ1"));
    QCOMPARE(vakNZ(w, 0)->palette().color(QPalette::Base), wit);
    QCOMPARE(vakNZ(w, 1)->palette().color(QPalette::Base), blauw);
    QVERIFY(w->lblSPel[1]->font().bold());
  }

  // A click acts at once, also when leaving its box shows a message: the
  // hand lets go while the message is up (the box takes that release), and
  // the control acts after the message and the question about the slip.
  void clickActsAtOnce_data() {
    QTest::addColumn<QString>("naar");
    QTest::newRow("round") << "ronde";
    QTest::newRow("slip") << "slip";
    QTest::newRow("Back") << "terug";
  }
  void clickActsAtOnce() {
    QFETCH(QString, naar);
    Program p(10, {0, 4, {}});
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QPointer<frmZemlo07> venster(w);
    QTest::keyClicks(vakNZ(w, 0), "62"); // board 1, nobody vulnerable: 620 does not fit
    QWidget *knop = naar == "ronde"  ? static_cast<QWidget *>(w->cmdRonde[1])
                    : naar == "slip" ? static_cast<QWidget *>(w->optRonde[1])
                                     : static_cast<QWidget *>(w->cmdTerug);
    QWindow *scherm = w->windowHandle();
    const QPoint plek = knop->mapTo(w, knop->rect().center());
    {
      testing::EchteBoxen boxen({Qt::Key_Return, Qt::Key_Return});
      bool los = false;
      const auto laatLos = [&] {
        if (!std::exchange(los, true))
          QTest::mouseRelease(scherm, Qt::LeftButton, {}, plek);
      };
      boxen.voorToets = laatLos;
      QTest::mousePress(scherm, Qt::LeftButton, {}, plek);
      QApplication::processEvents();
      laatLos();
      QApplication::processEvents();
      QCOMPARE(
          boxen.teksten,
          QStringList({"De score <620> klopt niet met de kwetsbaarheid.\nDit moet u zelf "
                       "aanpassen.",
                       "Er zijn scores ingevoerd die nog niet met Klaar zijn opgeslagen.\nWilt "
                       "u ze nu opslaan?"}));
    }
    testing::flushDeletes();
    QVERIFY(p.folder.read(p.invoer()).contains("*1- 4|620|-620~"));
    if (naar == "terug") {
      QVERIFY(!venster);
      return;
    }
    QVERIFY(venster);
    if (naar == "ronde")
      QCOMPARE(w->cmdRonde[1]->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0xC0));
    else
      QVERIFY(w->optRonde[1]->isChecked());
    QVERIFY(testing::activeer(w));
    QCOMPARE(focusName(), QStringLiteral("txtScoreNZ0"));
  }

  // Yes after a failed save closes the window; the file stays as it was.
  void closeWithoutSaving() {
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QPointer<frmZemlo07> venster(w);
    QFile::remove(p.folder.path(p.invoer()));
    QVERIFY(QDir().mkpath(p.folder.path(p.invoer())));
    p.boxes.answers = {true};
    click(w->cmdTerug);
    testing::flushDeletes();
    QVERIFY(!venster);
    QCOMPARE(p.takeBoxes().size(), 2);
    QVERIFY(QFileInfo(p.folder.path(p.invoer())).isDir());
    QVERIFY(p.main->isEnabled());
  }

  // Back, Escape and the close box save and close; a save that fails says
  // so and keeps the window and what was entered. On a full disk the file
  // stays as it was.
  void closing_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("a folder in the way") << false;
    QTest::newRow("full disk") << true;
  }
  void closing() {
    QFETCH(bool, fullDisk);
    Program p;
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    typeSlip(w, {"42", "62"});
    click(w->cmdSpelKlaar);
    const QByteArray old = p.folder.read(p.invoer());
    std::unique_ptr<testing::FullDisk> full;
    if (fullDisk) {
      full = std::make_unique<testing::FullDisk>();
    } else {
      QFile::remove(p.folder.path(p.invoer()));
      QVERIFY(QDir().mkpath(p.folder.path(p.invoer())));
    }
    QTest::keyClick(vakNZ(w, 0), Qt::Key_Escape);
    testing::flushDeletes();
    // After the failure the director is asked whether to close without
    // saving; No stays.
    QCOMPARE(p.takeBoxes(),
             QStringList({"Het bestand " + p.invoer() +
                              " kan niet worden opgeslagen.\nControleer de schijf en "
                              "probeer het opnieuw.",
                          "Wilt u het venster sluiten zonder op te slaan?\nHet "
                          "bestand blijft zoals het was."}));
    QVERIFY(findWindow(QStringLiteral("frmZemlo07")));
    QVERIFY(!p.main->isEnabled());
    if (fullDisk)
      QCOMPARE(p.folder.read(p.invoer()), old);
    full.reset();
    if (!fullDisk)
      QDir(p.folder.path(p.invoer())).removeRecursively();
    w->close(); // the close box
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
    QVERIFY(p.main->isEnabled());
    QVERIFY(p.folder.read(p.invoer()).contains("*1- 4|420|-420~*2- 6~*3- 5\r\n"));

    w = p.open();
    QVERIFY(w);
    click(w->cmdTerug);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
  }

  // In English the letter D presses Done and K is only a key.
  void english() {
    Program p(11);
    frmZemlo07 *w = p.open();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Input scores per round (01-02-2024)"));
    QCOMPARE(w->lblSPel[1]->text(), QStringLiteral("Game: 2  "));
    QCOMPARE(w->fraBack->title(), QStringLiteral("6 pairs. Sitting still: No. 3rounds and 2 games. "
                                                 "Scheme: 06 Paren 03 Ronden Mitchell"));
    QCOMPARE(row(*w->msfgScore->grid(), 1).section(u'|', 0, 1), QStringLiteral("Round 1|1 - 4"));
    typeSlip(w, {"42", "62"});
    QTest::keyClick(w->cmdSpelKlaar, Qt::Key_K);
    QVERIFY(w->optRonde[0]->isChecked());
    // With Meta held the key types no letter.
    QTest::keyClick(w->cmdSpelKlaar, Qt::Key_D, Qt::MetaModifier);
    QVERIFY(w->optRonde[0]->isChecked());
    QTest::keyClick(w->cmdSpelKlaar, Qt::Key_D);
    QVERIFY(w->optRonde[1]->isChecked());
    QCOMPARE(missing(w).first(), QStringLiteral("Round 1 - Game 3"));
  }
};

#include "slip_test.moc"
ZEMLO_TEST_CLASS(SlipTest)
