#include "platform/download.h"

namespace platform {

namespace {
QString gBase = QStringLiteral(ZEMLO_SERVER_URL);
QString gCaFile;
} // namespace

int downloadFile(const QString &, const QString &) { return -1; }

QString serverUrl(const QString &path) { return gBase + path; }
void setServerBaseUrl(const QString &base) { gBase = base; }
void setTrustedCaFile(const QString &caFile) { gCaFile = caFile; }

} // namespace platform
