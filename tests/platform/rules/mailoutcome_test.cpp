// What counts as a mail sent: the transfer's code and the server's reply to
// the end of the message's data.
#include "common/testsupport.h"
#include "platform/mailoutcome.h"

#include <QTest>

class MailOutcomeTest : public QObject {
  Q_OBJECT
private slots:
  void acceptedMailCountsAsSent_data() {
    QTest::addColumn<long>("code");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<long>("error");
    // libcurl's codes: 0 ok, 28 timed out, 42 ended by the progress
    // callback, 55 send error, 56 receive error, 67 login denied.
    QTest::newRow("ended well") << 0L << true << 0L;
    QTest::newRow("ended well, the reply not seen") << 0L << false << 0L;
    QTest::newRow("taken, then the goodbye waited out") << 42L << true << 0L;
    QTest::newRow("taken, then the connection dropped") << 56L << true << 0L;
    QTest::newRow("taken, then timed out") << 28L << true << 0L;
    QTest::newRow("data never answered") << 28L << false << 28L;
    QTest::newRow("dropped before the reply") << 56L << false << 56L;
    QTest::newRow("login refused") << 67L << false << 67L;
    QTest::newRow("the sender's own refusal") << -10L << false << -10L;
  }
  void acceptedMailCountsAsSent() {
    QFETCH(long, code);
    QFETCH(bool, accepted);
    QFETCH(long, error);
    QCOMPARE(platform::mailError(code, accepted), error);
  }
};

#include "mailoutcome_test.moc"
ZEMLO_TEST_CLASS(MailOutcomeTest)
