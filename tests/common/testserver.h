#pragma once
// What the loopback test servers share: a throw-away certificate for
// 127.0.0.1, and waiting for a started server to write the port it listens on.
#include <QProcess>
#include <QString>

namespace testing {

// Makes a self-signed certificate and key for 127.0.0.1 (or for the host
// name given) with openssl; false (with a warning) when it could not.
bool makeTestCertificate(const QString &cert, const QString &key,
                         const QString &host = QStringLiteral("127.0.0.1"));

// Waits, at most 15 seconds, for the running server to write its port into
// portFile; 0 when it did not.
int waitForPort(const QProcess &server, const QString &portFile);

} // namespace testing
