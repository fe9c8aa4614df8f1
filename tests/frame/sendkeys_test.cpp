// Keystroke sending: the keys delivered to the control that has the focus.
#include "common/testsupport.h"
#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/toetsen.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

class SendKeysTest : public QObject {
  Q_OBJECT

private slots:
  void endMovesCaret();
  void keysFollowTheFocus();
};

// The use the program makes of it: a text box that has just taken the focus
// gets "{END}", then the events are processed; the caret ends behind the text.
void SendKeysTest::endMovesCaret() {
  QWidget window;
  auto *layout = new QVBoxLayout(&window);
  auto *other = new QLineEdit(&window);
  auto *txtScore = new QLineEdit(&window);
  layout->addWidget(other);
  layout->addWidget(txtScore);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));

  txtScore->setText("420");
  txtScore->setCursorPosition(0);
  BAS_Zemlo::ZetFocus(&window, txtScore);
  QCOMPARE(QApplication::focusWidget(), txtScore);

  SendKeys("{END}{ENDD}"); // refused whole: the caret stays
  QApplication::processEvents();
  QCOMPARE(txtScore->cursorPosition(), 0);

  SendKeys("{END}", false);
  QApplication::processEvents();
  QCOMPARE(txtScore->cursorPosition(), 3);
  QCOMPARE(txtScore->text(), QString("420"));
  QVERIFY(!txtScore->hasSelectedText());
}

// Typed text, Shift and Ctrl reach the control; after a Tab the keys go on
// to the control that then has the focus.
void SendKeysTest::keysFollowTheFocus() {
  QWidget window;
  auto *layout = new QVBoxLayout(&window);
  auto *first = new QLineEdit(&window);
  auto *second = new QLineEdit(&window);
  layout->addWidget(first);
  layout->addWidget(second);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QSignalSpy returns(first, &QLineEdit::returnPressed);

  first->setText("-100");
  first->setCursorPosition(0);
  first->setFocus();
  SendKeys("{END}{BS 2}+(ab)c~{TAB}junk^ax");
  QApplication::processEvents();
  QCOMPARE(first->text(), QString("-1ABc"));
  QCOMPARE(returns.count(), 1);
  QCOMPARE(QApplication::focusWidget(), second);
  QCOMPARE(second->text(), QString("x")); // Ctrl+A selected "junk", x replaced it
}

#include "sendkeys_test.moc"
ZEMLO_TEST_CLASS(SendKeysTest)
