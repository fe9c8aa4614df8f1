#include "smtpserver.h"

#include "platform/mail.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QThread>

namespace testing {

namespace {
QByteArray readAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

SmtpServer::SmtpServer(const Options &options) {
  if (!m_dir.isValid())
    return;
  const QString out = m_dir.filePath(QStringLiteral("out"));
  const QString portFile = m_dir.filePath(QStringLiteral("port"));
  const QString cert = m_dir.filePath(QStringLiteral("cert.pem"));
  const QString key = m_dir.filePath(QStringLiteral("key.pem"));
  QDir().mkpath(out);

  QStringList args = {QStringLiteral(ZEMLO_TEST_SERVERS "/smtp_server.py"),
                      QStringLiteral("--mode"),
                      options.mode,
                      QStringLiteral("--out-dir"),
                      out,
                      QStringLiteral("--port-file"),
                      portFile,
                      QStringLiteral("--lifetime"),
                      QStringLiteral("300")};
  const bool tls =
      options.mode == QStringLiteral("starttls") || options.mode == QStringLiteral("tls");
  if (tls) {
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert,
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
      qWarning("openssl could not make a certificate: %s", openssl.readAll().constData());
      return;
    }
    args << QStringLiteral("--cert") << cert << QStringLiteral("--key") << key;
  }
  if (!options.user.isEmpty())
    args << QStringLiteral("--user") << options.user << QStringLiteral("--password")
         << options.password;
  for (const QString &address : options.refuse)
    args << QStringLiteral("--refuse") << address;

  m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process.start(QStringLiteral("/usr/bin/python3"), args);
  if (!m_process.waitForStarted(10000))
    return;
  QDeadlineTimer deadline(15000);
  while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
    QFile f(portFile);
    if (f.open(QIODevice::ReadOnly)) {
      m_port = f.readAll().trimmed().toInt();
      break;
    }
    QThread::msleep(20);
  }
  if (!isRunning()) {
    qWarning("the SMTP test server did not start");
    return;
  }
  platform::setTrustedMailCaFile(tls && options.trust ? cert : QString());
}

SmtpServer::~SmtpServer() {
  if (m_process.state() != QProcess::NotRunning) {
    m_process.closeWriteChannel(); // the server ends when its input ends
    if (!m_process.waitForFinished(5000)) {
      m_process.kill();
      m_process.waitForFinished(5000);
    }
  }
  platform::setTrustedMailCaFile(QString());
}

bool SmtpServer::isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }

QList<QJsonObject> SmtpServer::messages() const {
  QList<QJsonObject> list;
  for (int n = 1;; ++n) {
    const QByteArray json = readAll(m_dir.filePath(QStringLiteral("out/%1.json").arg(n)));
    if (json.isEmpty())
      return list;
    list.append(QJsonDocument::fromJson(json).object());
  }
}

QByteArray SmtpServer::attachment(int message, int index) const {
  return readAll(m_dir.filePath(QStringLiteral("out/%1.%2.bin").arg(message + 1).arg(index)));
}

QByteArray SmtpServer::raw(int message) const {
  return readAll(m_dir.filePath(QStringLiteral("out/%1.eml").arg(message + 1)));
}

} // namespace testing
