#include "testserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace testing {

bool makeTestCertificate(const QString &cert, const QString &key, const QString &host) {
  const bool address = !host.isEmpty() && host.front().isDigit();
  QProcess openssl;
  openssl.setProcessChannelMode(QProcess::MergedChannels);
  openssl.start(
      QStringLiteral("openssl"),
      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
       QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
       QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
       QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert, QStringLiteral("-days"),
       QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=") + host,
       QStringLiteral("-addext"),
       (address ? QStringLiteral("subjectAltName=IP:") : QStringLiteral("subjectAltName=DNS:")) +
           host});
  if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
    qWarning("openssl could not make a certificate: %s", openssl.readAll().constData());
    return false;
  }
  return true;
}

int waitForPort(const QProcess &server, const QString &portFile) {
  // The port file appears once the server listens.
  QDeadlineTimer deadline(15000);
  while (!deadline.hasExpired() && server.state() == QProcess::Running) {
    QFile f(portFile);
    if (f.open(QIODevice::ReadOnly))
      return f.readAll().trimmed().toInt();
    QThread::msleep(20);
  }
  return 0;
}

} // namespace testing
