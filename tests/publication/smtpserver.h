#pragma once
// A loopback SMTP server for the mail tests (Debian's aiosmtpd): plain,
// STARTTLS, implicit TLS or silent, with or without a required login,
// recipients it refuses, and what it does once a message's data has come. It
// keeps every message it takes; with TLS, its throw-away certificate is the
// one the mail sender trusts while it lives. Its port is closed when it ends.
// The servers of a test class share one server process (a listener each),
// started for the first of them and ended with the class.
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testing {

class SmtpServer {
public:
  struct Options {
    QString mode = QStringLiteral("plain"); // plain, starttls, tls, nostarttls, stall
    QString user;                           // a login is required when set
    QString password;
    QStringList refuse; // recipients answered with 550
    bool trust = true;  // the sender trusts the server's certificate
    // After the data: accept, accept-stall (then answers nothing until
    // released), accept-drop (then closes the connection) or no-reply (never
    // answers the data).
    QString onData = QStringLiteral("accept");
    // The name the certificate is made for; the server listens on 127.0.0.1.
    QString certificateHost = QStringLiteral("127.0.0.1");
  };

  explicit SmtpServer(const Options &options);
  ~SmtpServer();

  bool isRunning() const;
  int port() const { return m_port; }
  // Ends the stall after a message taken, for the sessions stalled now and
  // those to come: they go on as if the message had simply been accepted.
  void release();

  // The messages taken, in order: the server's record of each.
  QList<QJsonObject> messages() const;
  QByteArray attachment(int message, int index) const; // both counted from 0
  QByteArray raw(int message) const;

private:
  QTemporaryDir m_dir;
  int m_host = 0; // the server process it runs in
  int m_id = 0;   // its number there
  int m_port = 0;
};

} // namespace testing
