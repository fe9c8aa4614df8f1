#include "httpsserver.h"

#include "testserver.h"

#include "platform/download.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace testing {

namespace {
// Writes a file whole, so that the server never reads half of it.
void writeWhole(const QString &path, const QByteArray &bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile f(path);
  if (f.open(QIODevice::WriteOnly)) {
    f.write(bytes);
    f.commit();
  }
}
} // namespace

HttpsServer::HttpsServer() {
  m_oldBase = platform::serverUrl(QString());
  if (!m_dir.isValid())
    return;
  m_root = m_dir.filePath(QStringLiteral("root"));
  m_cert = m_dir.filePath(QStringLiteral("cert.pem"));
  const QString key = m_dir.filePath(QStringLiteral("key.pem"));
  const QString portFile = m_dir.filePath(QStringLiteral("port"));
  QDir().mkpath(m_root + QStringLiteral("/.control"));

  if (!makeTestCertificate(m_cert, key))
    return;

  m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  m_process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(ZEMLO_TEST_SERVERS "/https_server.py"), QStringLiteral("--root"),
                   m_root, QStringLiteral("--cert"), m_cert, QStringLiteral("--key"), key,
                   QStringLiteral("--port-file"), portFile, QStringLiteral("--lifetime"),
                   QStringLiteral("600")});
  if (!m_process.waitForStarted(10000))
    return;
  m_port = waitForPort(m_process, portFile);
  if (!isRunning()) {
    qWarning("the HTTPS test server did not start");
    return;
  }
  platform::setServerBaseUrl(baseUrl());
  platform::setTrustedCaFile(m_cert);
}

HttpsServer::~HttpsServer() {
  if (m_process.state() != QProcess::NotRunning) {
    m_process.closeWriteChannel(); // the server ends when its input ends
    if (!m_process.waitForFinished(5000)) {
      m_process.kill();
      m_process.waitForFinished(5000);
    }
  }
  platform::setServerBaseUrl(m_oldBase);
  platform::setTrustedCaFile(QString());
}

bool HttpsServer::isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }

QString HttpsServer::baseUrl() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }

QString HttpsServer::controlFile(const QString &path, const QString &suffix) const {
  return m_root + QStringLiteral("/.control/") + QString::fromLatin1(path.toUtf8().toHex()) +
         suffix;
}

void HttpsServer::put(const QString &path, const QByteArray &body) {
  QFile::remove(controlFile(path, QStringLiteral(".status")));
  QFile::remove(controlFile(path, QStringLiteral(".stall")));
  writeWhole(m_root + u'/' + (path.startsWith(u'/') ? path.mid(1) : path), body);
}

void HttpsServer::fail(const QString &path, int status) {
  QFile::remove(controlFile(path, QStringLiteral(".stall")));
  writeWhole(controlFile(path, QStringLiteral(".status")), QByteArray::number(status));
}

void HttpsServer::stall(const QString &path) {
  writeWhole(controlFile(path, QStringLiteral(".stall")), QByteArray());
}

void HttpsServer::clear() {
  QDir(m_root).removeRecursively();
  QDir().mkpath(m_root + QStringLiteral("/.control"));
  if (isRunning()) {
    platform::setServerBaseUrl(baseUrl());
    platform::setTrustedCaFile(m_cert);
  }
}

QStringList HttpsServer::requests() const {
  QFile f(m_root + QStringLiteral("/.control/requests.log"));
  if (!f.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace testing
