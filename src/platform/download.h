#pragma once
// Fetching one web file into a local file.
#include <QString>

namespace platform {

// Fetches url into target: 0 on success. A status of 400 or more, a refused
// or silent server or a certificate that does not check out is a failure,
// and leaves an existing target as it was. The whole transfer may take at
// most totalSeconds, and the server must begin its answer within 10
// seconds. The transfer runs beside the event loop (runWhilePainting): the
// windows keep painting meanwhile and none of their controls acts.
int downloadFile(const QString &url, const QString &target, long totalSeconds = 600);

// The address of a path on the maker's web server.
QString serverUrl(const QString &path);
// For tests: another server, a certificate to trust, and a shorter time for
// the server to begin its answer (never longer than 10 seconds).
void setServerBaseUrl(const QString &base);
void setTrustedCaFile(const QString &caFile);
void setFirstByteLimit(long seconds);

} // namespace platform
