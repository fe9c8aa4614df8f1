// Downloads against a loopback HTTPS server with a throw-away certificate.
#include "common/httpsserver.h"
#include "common/testsupport.h"
#include "platform/download.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A loopback port that nobody listens on: bound for a moment, then let go.
int unusedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
    port = ntohs(addr.sin_port);
  ::close(fd);
  return port;
}

QByteArray readAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly))
    f.write(bytes);
}
} // namespace

class DownloadTest : public QObject {
  Q_OBJECT
private slots:
  void fetchesAFileOverHttps() {
    testing::HttpsServer server;
    QVERIFY(server.isRunning());
    QCOMPARE(platform::serverUrl(QStringLiteral("/ZEMLO/zemlo.txt")),
             server.baseUrl() + QStringLiteral("/ZEMLO/zemlo.txt"));
    QByteArray body("2024-03-01\r\n");
    body.append(QByteArray(200000, 'x')); // more than one chunk
    server.put(QStringLiteral("/ZEMLO/zemlo.txt"), body);
    server.put(QStringLiteral("/ZEMLO/Lijst met speelschemas.txt"), "lijst\r\n");

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("zemlo.txt"));
    writeAll(target, "old");
    QCOMPARE(
        platform::downloadFile(platform::serverUrl(QStringLiteral("/ZEMLO/zemlo.txt")), target), 0);
    QCOMPARE(readAll(target), body);
    // A name with blanks is sent encoded and found.
    const QString list = dir.filePath(QStringLiteral("lijst.txt"));
    QCOMPARE(platform::downloadFile(
                 platform::serverUrl(QStringLiteral("/ZEMLO/Lijst met speelschemas.txt")), list),
             0);
    QCOMPARE(readAll(list), QByteArray("lijst\r\n"));
    QCOMPARE(server.requests(), (QStringList{QStringLiteral("/ZEMLO/zemlo.txt"),
                                             QStringLiteral("/ZEMLO/Lijst met speelschemas.txt")}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("lijst.txt"), QStringLiteral("zemlo.txt")}));
  }

  // Every failure returns non-zero and leaves the old target as it was, with
  // no temporary file beside it.
  void failuresLeaveTheTargetAlone_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("404") << QStringLiteral("missing");
    QTest::newRow("500") << QStringLiteral("status500");
    QTest::newRow("untrusted certificate") << QStringLiteral("untrusted");
    QTest::newRow("no server") << QStringLiteral("noserver");
    QTest::newRow("plain http") << QStringLiteral("http");
  }
  void failuresLeaveTheTargetAlone() {
    QFETCH(QString, how);
    testing::HttpsServer server;
    QVERIFY(server.isRunning());
    server.put(QStringLiteral("/f.txt"), "new");
    QString url = platform::serverUrl(QStringLiteral("/f.txt"));
    if (how == QLatin1String("missing"))
      url = platform::serverUrl(QStringLiteral("/nothing.txt"));
    else if (how == QLatin1String("status500"))
      server.fail(QStringLiteral("/f.txt"), 500);
    else if (how == QLatin1String("untrusted"))
      platform::setTrustedCaFile(QString()); // the system's authorities only
    else if (how == QLatin1String("http"))
      url.replace(QStringLiteral("https:"), QStringLiteral("http:"));
    else if (how == QLatin1String("noserver")) {
      const int port = unusedPort();
      QVERIFY(port > 0);
      url = QStringLiteral("https://127.0.0.1:%1/f.txt").arg(port);
    }

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("f.txt"));
    writeAll(target, "old");
    const int rc = platform::downloadFile(url, target);
    QVERIFY(rc != 0);
    QCOMPARE(readAll(target), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("f.txt")});
    // Without an old target none is made.
    const QString fresh = dir.filePath(QStringLiteral("fresh.txt"));
    QVERIFY(platform::downloadFile(url, fresh) != 0);
    QVERIFY(!QFile::exists(fresh));
  }

  void aSilentServerEndsWithinTheLimit() {
    testing::HttpsServer server;
    QVERIFY(server.isRunning());
    server.stall(QStringLiteral("/ZEMLO/zemlo.txt"));
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("zemlo.txt"));
    platform::setFirstByteLimit(1);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(platform::downloadFile(platform::serverUrl(QStringLiteral("/ZEMLO/zemlo.txt")),
                                   target) != 0);
    platform::setFirstByteLimit(10);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(server.requests(), QStringList{QStringLiteral("/ZEMLO/zemlo.txt")});
  }

  // While a download waits for its server the windows keep painting under
  // the hourglass, and none of their controls acts, by any means: a click
  // given by code, a screen reader's press, the close. A download asked for
  // meanwhile runs at once. Afterwards all is as it was.
  void windowsPaintAndNothingActsMeanwhile() {
    testing::HttpsServer server;
    QVERIFY(server.isRunning());
    server.stall(QStringLiteral("/slow.txt"));
    server.put(QStringLiteral("/quick.txt"), "quick");
    QTemporaryDir dir;
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Go"), &window);
    auto *other = new QPushButton(QStringLiteral("Other"), &window);
    other->move(0, 40);
    QWidget closed; // a window that was disabled before stays so
    closed.setEnabled(false);
    int clicks = 0;
    connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
    window.show();
    closed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();

    struct Paints : QObject {
      int count = 0;
      bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
          ++count;
        return false;
      }
    } paints;
    button->installEventFilter(&paints);
    bool ran = false, disabled = false, hourglass = false, stillOpen = false;
    int quick = -1;
    QTimer during;
    during.setSingleShot(true);
    connect(&during, &QTimer::timeout, this, [&] {
      ran = true;
      disabled = !window.isEnabled() && !button->isEnabled() && !closed.isEnabled();
      hourglass = QGuiApplication::overrideCursor() &&
                  QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
      paints.count = 0;
      button->update();
      QApplication::processEvents();
      button->click();
      button->animateClick();
      if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(button))
        if (QAccessibleActionInterface *action = a->actionInterface())
          action->doAction(QAccessibleActionInterface::pressAction());
      QTest::mouseClick(button, Qt::LeftButton);
      window.close();
      stillOpen = window.isVisible();
      quick = platform::downloadFile(platform::serverUrl(QStringLiteral("/quick.txt")),
                                     dir.filePath(QStringLiteral("quick.txt")));
    });
    during.start(200);
    platform::setFirstByteLimit(2);
    const int rc = platform::downloadFile(platform::serverUrl(QStringLiteral("/slow.txt")),
                                          dir.filePath(QStringLiteral("slow.txt")));
    platform::setFirstByteLimit(10);
    QVERIFY(rc != 0);
    QVERIFY(ran);
    QVERIFY(disabled);
    QVERIFY(hourglass);
    QVERIFY(paints.count > 0);
    QVERIFY(stillOpen);
    QCOMPARE(quick, 0);
    QCOMPARE(readAll(dir.filePath(QStringLiteral("quick.txt"))), QByteArray("quick"));
    QTest::qWait(200); // an animated click would have ended by now
    QCOMPARE(clicks, 0);
    // All as it was: enabled, the focus back, no hourglass.
    QVERIFY(window.isVisible());
    QVERIFY(button->isEnabled());
    QVERIFY(!closed.isEnabled());
    QCOMPARE(window.focusWidget(), other);
    QVERIFY(!QGuiApplication::overrideCursor());
    button->click();
    QCOMPARE(clicks, 1);
  }

  void aMissingFolderFails() {
    testing::HttpsServer server;
    server.put(QStringLiteral("/f.txt"), "new");
    QTemporaryDir dir;
    QVERIFY(platform::downloadFile(platform::serverUrl(QStringLiteral("/f.txt")),
                                   dir.filePath(QStringLiteral("no/such/f.txt"))) != 0);
  }

  void theServerAddressIsRestored() {
    const QString before = platform::serverUrl(QString());
    { testing::HttpsServer server; }
    QCOMPARE(platform::serverUrl(QString()), before);
    QVERIFY(before.startsWith(QStringLiteral("https://")));
  }
};

#include "download_test.moc"
ZEMLO_TEST_CLASS(DownloadTest)
