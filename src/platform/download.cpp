#include "platform/download.h"

#include "platform/busy.h"

#include <QSaveFile>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <mutex>

namespace platform {

namespace {
QString gBase = QStringLiteral(ZEMLO_SERVER_URL);
QString gCaFile;

// Time limits. The version file is fetched at every activation of the main
// window while on line, so a server that does not answer must not hold the
// window for long: the connection must stand within kConnectSeconds and the
// answer must begin within gFirstByteSeconds. A large file may take longer
// as long as it keeps coming (kLowSpeedBytes a second over kLowSpeedSeconds),
// but never more than the caller's total.
constexpr long kConnectSeconds = 5;
long gFirstByteSeconds = 10;
constexpr long kLowSpeedBytes = 512;
constexpr long kLowSpeedSeconds = 10;

struct Transfer {
  QSaveFile *file;
  bool writeFailed = false;
  bool started = false;
  std::chrono::steady_clock::time_point begin;
  std::chrono::seconds firstByte;
};

size_t writeBody(char *data, size_t size, size_t count, void *user) {
  auto *t = static_cast<Transfer *>(user);
  const size_t bytes = size * count;
  t->started = true;
  if (t->file->write(data, static_cast<qint64>(bytes)) != static_cast<qint64>(bytes)) {
    t->writeFailed = true;
    return 0; // makes curl stop with a write error
  }
  return bytes;
}

size_t headerSeen(char *, size_t size, size_t count, void *user) {
  static_cast<Transfer *>(user)->started = true;
  return size * count;
}

// Ends a transfer whose server has said nothing within the first-byte limit.
int progress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto *t = static_cast<Transfer *>(user);
  if (t->started)
    return 0;
  return std::chrono::steady_clock::now() - t->begin > t->firstByte ? 1 : 0;
}

void initCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The transfer itself, on whatever thread runs it.
int fetch(const QString &url, const QString &target, long totalSeconds, long firstByteSeconds,
          const QByteArray &caFile) {
  const QUrl parsed(url, QUrl::TolerantMode);
  if (!parsed.isValid() ||
      parsed.scheme().compare(QStringLiteral("https"), Qt::CaseInsensitive) != 0)
    return -1;
  const QByteArray encodedUrl = parsed.toEncoded();

  // The body goes into a temporary file beside the target, which replaces
  // the target only when everything has come.
  QSaveFile file(target);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly))
    return -1;

  CURL *curl = curl_easy_init();
  if (!curl)
    return -1;

  Transfer transfer{&file, false, false, std::chrono::steady_clock::now(),
                    std::chrono::seconds(firstByteSeconds)};
  curl_easy_setopt(curl, CURLOPT_URL, encodedUrl.constData());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!caFile.isEmpty())
    curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, std::max(1L, totalSeconds));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, headerSeen);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

  const CURLcode code = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_cleanup(curl);

  if (code != CURLE_OK)
    return static_cast<int>(code);
  // Only a final answer of 2xx counts; anything else leaves the target alone.
  if (status < 200 || status > 299)
    return status > 0 ? static_cast<int>(status) : -1;
  // commit() does not check the flush of Qt's buffer (a full disk): flush first.
  if (transfer.writeFailed || !file.flush() || !file.commit())
    return -1;
  return 0;
}

} // namespace

int downloadFile(const QString &url, const QString &target, long totalSeconds) {
  // Set up here, on the caller's thread.
  initCurl();
  const QByteArray caFile = gCaFile.toLocal8Bit();
  const long firstByte = gFirstByteSeconds;
  int result = -1;
  runWhilePainting([&] { result = fetch(url, target, totalSeconds, firstByte, caFile); });
  return result;
}

QString serverUrl(const QString &path) { return gBase + path; }
void setServerBaseUrl(const QString &base) { gBase = base; }
void setTrustedCaFile(const QString &caFile) { gCaFile = caFile; }
void setFirstByteLimit(long seconds) { gFirstByteSeconds = std::clamp(seconds, 1L, 10L); }

} // namespace platform
