#pragma once
// Fetching one web file into a local file.
#include <QString>

namespace platform {

// Fetches url into target: 0 on success. A status of 400 or more, a refused
// or silent server or a certificate that does not check out is a failure,
// and leaves an existing target as it was. The whole transfer may take at
// most totalSeconds.
int downloadFile(const QString &url, const QString &target, long totalSeconds = 600);

// The address of a path on the maker's web server.
QString serverUrl(const QString &path);
// For tests: another server, and a certificate to trust.
void setServerBaseUrl(const QString &base);
void setTrustedCaFile(const QString &caFile);

} // namespace platform
