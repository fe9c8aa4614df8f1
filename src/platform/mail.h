#pragma once
// Sending one finished mail message to one recipient through an SMTP server.
#include <QByteArray>
#include <QString>

namespace platform {

struct MailServer {
  QString host;
  int port = 25;
  bool implicitTls = false; // TLS from the first byte (smtps)
  bool startTls = false;    // STARTTLS, required: a server without it is refused
  QString user;             // log in only when it is not empty
  QString password;
  QString ehloName; // the name to greet the server with
};

struct MailOutcome {
  long error = 0; // 0: the server took the message (its reply to the data)
  QString text;   // what went wrong
};

// Failures of the sender itself, before any server is asked.
constexpr long kMailPlainLogin = -10; // a password would go unencrypted to another machine
constexpr long kMailNoCurl = -11;     // the transfer could not be set up

class MailSender {
public:
  virtual ~MailSender() = default;
  // Sends message (headers and body, CR LF line ends) with sender as the
  // envelope's sender to one recipient.
  virtual MailOutcome send(const MailServer &server, const QString &sender,
                           const QString &recipient, const QByteArray &message) = 0;
};

// The sender over libcurl. Certificates are checked, host name included; a
// password goes only over TLS, or to a server on this machine. A message the
// server has taken counts as sent, however the connection ends after it.
// The transfer runs on a thread of its own (runWhilePainting): while the
// caller waits, its windows keep painting and none of their controls acts.
class SmtpMailSender : public MailSender {
public:
  MailOutcome send(const MailServer &server, const QString &sender, const QString &recipient,
                   const QByteArray &message) override;
};

// The sender the program uses: the SMTP one.
MailSender &mailSender();

// True for "localhost" and loopback addresses.
bool isLocalHost(const QString &host);

// For tests: a certificate to trust, the time one send may take at most
// (and a server's silence at any point), and how long the goodbye after a
// message taken is waited for (5 seconds, and never longer).
void setTrustedMailCaFile(const QString &caFile);
void setMailTimeLimit(long seconds);
void setMailGoodbyeLimit(long seconds);

} // namespace platform
