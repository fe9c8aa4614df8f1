// The calendar: the month drawn, the date forms, the ways it closes.
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "groups/frmzemlo03.h"
#include "groups/frmzemlo05.h"
#include "groups/kalender.h"
#include "groups_fixture.h"
#include "platform/clock.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace groupstest;

namespace {
// Opens the calendar from the groups window on the given day.
frmZemlo05 *openCalendar(Program &p, const QDate &day, frmZemlo03 **groups = nullptr) {
  platform::setClock(QDateTime(day, QTime(19, 30)));
  auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
  if (groups)
    *groups = w;
  return qobject_cast<frmZemlo05 *>(openWindow(QStringLiteral("frmZemlo05"), w));
}
void choose(QComboBox *box, const QString &text) { box->setCurrentIndex(box->findText(text)); }
int markedCell(frmZemlo05 *c) {
  int found = 0;
  for (int i = 1; i <= 42; ++i)
    if (c->lblDatum[i]->frameShape() != QFrame::NoFrame) {
      if (found)
        return -1;
      found = i;
    }
  return found;
}
} // namespace

class CalendarTest : public QObject {
  Q_OBJECT
private slots:
  void opensOnToday_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("date");
    QTest::newRow("Dutch") << 10 << "05-03-2024";
    QTest::newRow("English") << 11 << "2024-03-05";
  }
  void opensOnToday() {
    QFETCH(int, taal);
    QFETCH(QString, date);
    Program p(taal);
    frmZemlo03 *groups = nullptr;
    auto *c = openCalendar(p, QDate(2024, 3, 5), &groups);
    QVERIFY(c && !groups->isEnabled());
    // The 1st is a Friday (column 5); the 5th is cell 9, marked red on grey.
    QCOMPARE(c->lblDatum[5]->text(), QStringLiteral("1"));
    QCOMPARE(c->lblDatum[4]->text(), QString());
    QCOMPARE(markedCell(c), 9);
    QCOMPARE(c->lblDatum[9]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(c->lblDatum[9]->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(c->lblDag[1]->text(), taal == 10 ? QStringLiteral("Ma") : QStringLiteral("Mon"));
    QCOMPARE(c->comMaand->count(), 12);
    QCOMPARE(c->comMaand->currentText(),
             taal == 10 ? QStringLiteral("Maart") : QStringLiteral("March"));
    QCOMPARE(c->comJaar->count(), 31);
    QCOMPARE(BAS_Zemlo::sKalenderDatum, date);
    QCOMPARE(c->windowTitle(),
             (taal == 10 ? QStringLiteral("Kalender (") : QStringLiteral("Calendar (")) + date +
                 u')');
    // OK hands the date to the groups window.
    Program::click(c->cmdOK);
    testing::flushDeletes();
    QVERIFY(groups->isEnabled());
    QCOMPARE(BAS_Zemlo::sKalenderDatum, date);
    QCOMPARE(groups->txtNaamBestand->text(), date);
  }

  void sixthRowCells_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("visible"); // cells shown beyond 35
    QTest::newRow("March 2025 starts on a Saturday") << 2025 << 3 << 1;
    QTest::newRow("December 2024 starts on a Sunday") << 2024 << 12 << 2;
    QTest::newRow("September 2024, 30 days from a Sunday") << 2024 << 9 << 1;
    QTest::newRow("February 2024") << 2024 << 2 << 0;
  }
  void sixthRowCells() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, visible);
    Program p(10);
    auto *c = openCalendar(p, QDate(year, month, 1));
    for (int i = 36; i <= 42; ++i)
      QCOMPARE(c->lblDatum[i]->isVisible(), i < 36 + visible);
    for (int i = 1; i <= 35; ++i)
      QVERIFY(c->lblDatum[i]->isVisible());
    QCOMPARE(c->lblDatum[groups::cel(groups::maandLengte(month, year), month, year)]->text(),
             QString::number(groups::maandLengte(month, year)));
  }

  void choosingDaysMonthsAndYears() {
    Program p(10);
    auto *c = openCalendar(p, QDate(2024, 1, 31));
    // An empty cell before the 1st (a Monday) changes nothing: the 1st is cell 1.
    QTest::mouseClick(c->lblDatum[40], Qt::LeftButton);
    QCOMPARE(BAS_Zemlo::sKalenderDatum, QStringLiteral("31-01-2024"));
    // The 31st, then February: the day is cut to the month's length.
    choose(c->comMaand, QStringLiteral("Februari"));
    QCOMPARE(BAS_Zemlo::sKalenderDatum, QStringLiteral("29-02-2024"));
    QCOMPARE(c->lblDatum[markedCell(c)]->text(), QStringLiteral("29"));
    choose(c->comJaar, QStringLiteral("2023"));
    QCOMPARE(BAS_Zemlo::sKalenderDatum, QStringLiteral("28-02-2023"));
    QTest::mouseClick(c->lblDatum[groups::cel(14, 2, 2023)], Qt::LeftButton);
    QCOMPARE(BAS_Zemlo::sKalenderDatum, QStringLiteral("14-02-2023"));
    QCOMPARE(c->windowTitle(), QStringLiteral("Kalender (14-02-2023)"));
    // The boxes take no typing.
    c->comMaand->setFocus();
    QTest::keyClicks(c->comMaand, QStringLiteral("Mei"));
    QCOMPARE(c->comMaand->currentText(), QStringLiteral("Februari"));
  }

  void closingWays_data() {
    // 0 Back, 1 Escape, 2 Ctrl+F4, 3 the close box, 4 Ctrl+Shift+F4 (stays) then Back
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("handedBack");
    QTest::newRow("Back") << 0 << "";
    QTest::newRow("Escape") << 1 << "";
    QTest::newRow("Ctrl+F4") << 2 << "";
    QTest::newRow("close box") << 3 << "12-06-2024";
    QTest::newRow("Ctrl+Shift+F4 is no closing") << 4 << "";
  }
  void closingWays() {
    QFETCH(int, way);
    QFETCH(QString, handedBack);
    Program p(10);
    frmZemlo03 *groups = nullptr;
    auto *c = openCalendar(p, QDate(2024, 6, 3), &groups);
    groups->txtNaamBestand->setText(QStringLiteral("01-01-2024"));
    QTest::mouseClick(c->lblDatum[groups::cel(10, 6, 2024)], Qt::LeftButton);
    QTest::mouseClick(c->lblDatum[groups::cel(12, 6, 2024)], Qt::LeftButton);
    QWidget *focusSink = c->findChild<QWidget *>(QStringLiteral("cmdFocus"));
    QVERIFY(focusSink);
    switch (way) {
    case 0:
      Program::click(c->cmdTerug);
      break;
    case 1:
      QTest::keyClick(focusSink, Qt::Key_Escape);
      break;
    case 2:
      QTest::keyClick(focusSink, Qt::Key_F4, Qt::ControlModifier);
      break;
    case 4:
      QTest::keyClick(focusSink, Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier);
      testing::flushDeletes();
      QVERIFY(findWindow(QStringLiteral("frmZemlo05")));
      Program::click(c->cmdTerug);
      break;
    default:
      c->close();
      break;
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo05")));
    QVERIFY(groups->isEnabled());
    QCOMPARE(BAS_Zemlo::sKalenderDatum, handedBack);
    QCOMPARE(groups->txtNaamBestand->text(),
             handedBack.isEmpty() ? QStringLiteral("01-01-2024") : handedBack);
  }
};

#include "calendar_test.moc"
ZEMLO_TEST_CLASS(CalendarTest)
