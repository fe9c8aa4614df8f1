#pragma once
// A loopback HTTPS server for download tests: it serves what the test puts,
// answers chosen paths with a status or not at all, and records the paths
// asked. While it lives, the program's server address points at it and its
// throw-away certificate is the one trusted.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testing {

class HttpsServer {
public:
  HttpsServer();
  ~HttpsServer();

  bool isRunning() const;
  QString baseUrl() const; // "https://127.0.0.1:<port>"
  // The throw-away certificate to trust, for a program run as a process.
  QString certificateFile() const { return m_cert; }

  // Serves body at path, e.g. "/ZEMLO/zemlo.txt"; clears a fail or stall of it.
  void put(const QString &path, const QByteArray &body);
  // Answers path with this status.
  void fail(const QString &path, int status);
  // Accepts requests for path but answers nothing.
  void stall(const QString &path);
  // The paths asked, in order.
  QStringList requests() const;
  // Forgets everything put, failed, stalled and asked, so that one server
  // can serve several tests as a fresh one; points the program at it again.
  void clear();

private:
  QString controlFile(const QString &path, const QString &suffix) const;
  QTemporaryDir m_dir;
  QString m_root;
  QString m_cert;
  QProcess m_process;
  int m_port = 0;
  QString m_oldBase;
};

} // namespace testing
