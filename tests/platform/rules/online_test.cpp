// The on-line test reads the kernel's route tables.
#include "common/testsupport.h"
#include "platform/online.h"

#include <QTest>

class TestOnline : public QObject {
  Q_OBJECT
private slots:
  void defaultRoute_data() {
    QTest::addColumn<QString>("v4");
    QTest::addColumn<QString>("v6");
    QTest::addColumn<bool>("online");
    const QString head = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\n";
    QTest::newRow("default route up")
        << head + "eth0\t00000000\t0102A8C0\t0003\t0\t0\t0\t00000000\n"
        << "" << true;
    QTest::newRow("only a local net")
        << head + "eth0\t0002A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\n"
        << "" << false;
    QTest::newRow("default route down")
        << head + "eth0\t00000000\t0102A8C0\t0002\t0\t0\t0\t00000000\n"
        << "" << false;
    QTest::newRow("loopback only") << head + "lo\t00000000\t00000000\t0001\t0\t0\t0\t00000000\n"
                                   << "" << false;
    const QString zeros(32, u'0');
    QTest::newRow("IPv6 default") << head
                                  << zeros + " 00 " + zeros +
                                         " 00 fe800000000000000000000000000001 00000400 00000001 "
                                         "00000000 00000003     eth0\n"
                                  << true;
    QTest::newRow("IPv6 unreachable on lo") << head
                                            << zeros + " 00 " + zeros + " 00 " + zeros +
                                                   " ffffffff 00000001 00000000 00200200       lo\n"
                                            << false;
    QTest::newRow("nothing readable") << ""
                                      << "" << false;
  }

  void defaultRoute() {
    QFETCH(QString, v4);
    QFETCH(QString, v6);
    QFETCH(bool, online);
    QCOMPARE(platform::hasDefaultRoute(v4, v6), online);
  }
};

#include "online_test.moc"
ZEMLO_TEST_CLASS(TestOnline)
