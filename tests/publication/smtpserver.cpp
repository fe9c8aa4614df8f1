#include "smtpserver.h"

#include "common/testserver.h"

#include "platform/mail.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

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
    if (!makeTestCertificate(cert, key, options.certificateHost))
      return;
    args << QStringLiteral("--cert") << cert << QStringLiteral("--key") << key;
  }
  if (!options.user.isEmpty())
    args << QStringLiteral("--user") << options.user << QStringLiteral("--password")
         << options.password;
  for (const QString &address : options.refuse)
    args << QStringLiteral("--refuse") << address;
  args << QStringLiteral("--on-data") << options.onData;

  m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process.start(QStringLiteral("/usr/bin/python3"), args);
  if (!m_process.waitForStarted(10000))
    return;

  m_port = waitForPort(m_process, portFile);
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

void SmtpServer::release() {
  m_process.write("release\n");
  m_process.waitForBytesWritten(5000);
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
