#include "smtpserver.h"

#include "common/testserver.h"
#include "common/testsupport.h"

#include "platform/mail.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace testing {

namespace {

QByteArray readAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The process that runs the mail servers of a test class, each a listener of
// its own: started for the class's first server and ended with the class, so
// that Python and aiosmtpd start once a class, not once a server.
class SmtpHost {
public:
  SmtpHost() {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral(ZEMLO_TEST_SERVERS "/smtp_server.py"),
                     QStringLiteral("--lifetime"), QStringLiteral("600")});
    if (!m_process.waitForStarted(10000))
      qWarning("the SMTP test server did not start");
  }
  ~SmtpHost() {
    if (m_process.state() == QProcess::NotRunning)
      return;
    m_process.closeWriteChannel(); // the servers end when their input ends
    if (!m_process.waitForFinished(5000)) {
      m_process.kill();
      m_process.waitForFinished(5000);
    }
  }
  SmtpHost(const SmtpHost &) = delete;
  SmtpHost &operator=(const SmtpHost &) = delete;

  bool isRunning() const { return m_process.state() == QProcess::Running; }

  // Sends a command and waits, at most 15 seconds, for its answer: the
  // server has acted on it then. Empty when no answer came.
  QJsonObject ask(const QJsonObject &command) {
    if (!isRunning())
      return {};
    m_process.write(QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n');
    QDeadlineTimer deadline(15000);
    while (!m_process.canReadLine()) {
      if (!isRunning() || deadline.hasExpired() ||
          !m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
        return {};
    }
    return QJsonDocument::fromJson(m_process.readLine()).object();
  }

private:
  QProcess m_process;
};

// The host of the class that runs now, and how many hosts came before it, so
// that a server knows whether its host is still the one that runs.
SmtpHost *gHost = nullptr;
int gHostNumber = 0;

SmtpHost &host() {
  if (!gHost) {
    gHost = new SmtpHost;
    ++gHostNumber;
    atClassEnd([] {
      delete gHost;
      gHost = nullptr;
    });
  }
  return *gHost;
}

} // namespace

SmtpServer::SmtpServer(const Options &options) {
  if (!m_dir.isValid())
    return;
  const QString out = m_dir.filePath(QStringLiteral("out"));
  const QString cert = m_dir.filePath(QStringLiteral("cert.pem"));
  const QString key = m_dir.filePath(QStringLiteral("key.pem"));
  QDir().mkpath(out);

  QJsonObject start{{QStringLiteral("mode"), options.mode},
                    {QStringLiteral("out_dir"), out},
                    {QStringLiteral("on_data"), options.onData},
                    {QStringLiteral("refuse"), QJsonArray::fromStringList(options.refuse)}};
  const bool tls =
      options.mode == QStringLiteral("starttls") || options.mode == QStringLiteral("tls");
  if (tls) {
    if (!makeTestCertificate(cert, key, options.certificateHost))
      return;
    start.insert(QStringLiteral("cert"), cert);
    start.insert(QStringLiteral("key"), key);
  }
  if (!options.user.isEmpty()) {
    start.insert(QStringLiteral("user"), options.user);
    start.insert(QStringLiteral("password"), options.password);
  }

  const QJsonObject answer = host().ask({{QStringLiteral("start"), start}});
  m_host = gHostNumber;
  m_id = answer.value(QStringLiteral("id")).toInt();
  m_port = answer.value(QStringLiteral("port")).toInt();
  if (!isRunning()) {
    qWarning("the SMTP test server did not start: %s",
             qPrintable(answer.value(QStringLiteral("error")).toString()));
    return;
  }
  platform::setTrustedMailCaFile(tls && options.trust ? cert : QString());
}

SmtpServer::~SmtpServer() {
  // Its port is closed, and every connection to it, once the stop is answered.
  if (m_id > 0 && m_host == gHostNumber && gHost)
    gHost->ask({{QStringLiteral("stop"), m_id}});
  platform::setTrustedMailCaFile(QString());
}

void SmtpServer::release() {
  if (isRunning())
    gHost->ask({{QStringLiteral("release"), m_id}});
}

bool SmtpServer::isRunning() const {
  return m_port > 0 && m_id > 0 && m_host == gHostNumber && gHost && gHost->isRunning();
}

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
