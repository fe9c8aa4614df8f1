#include "platform/mail.h"

#include "platform/busy.h"
#include "platform/mailoutcome.h"

#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

SmtpMailSender gSmtp;
QString gCaFile;
long gTimeLimit = 120;
// Once the server has taken the message, its goodbye (the reply to QUIT) is
// waited for this long at most: the message counts as sent whatever follows.
long gGoodbyeSeconds = 5;
// The connection must stand within this time, and the server must answer
// each command within the other; a whole send may take gTimeLimit.
constexpr long kConnectSeconds = 15;
constexpr long kResponseSeconds = 60;

using Clock = std::chrono::steady_clock;

// One transfer: the message as libcurl reads it out, the server's reply once
// the data has ended, and the limits that also hold while libcurl says
// goodbye (where its own total limit does not).
struct Transfer {
  const QByteArray *data;
  qsizetype pos = 0;
  bool dataEnded = false; // the last byte was handed over
  bool answered = false;  // the server replied to the end of the data
  bool accepted = false;  // with a 2xx reply: the message is taken
  Clock::time_point start = Clock::now();
  Clock::time_point lastSign = start; // the last reply or byte sent
  Clock::time_point acceptedAt{};
  std::chrono::seconds goodbye{};
  std::chrono::seconds silence{};
  std::chrono::seconds whole{};
};

size_t readBody(char *buffer, size_t size, size_t count, void *user) {
  auto *t = static_cast<Transfer *>(user);
  const qsizetype room = static_cast<qsizetype>(size * count);
  const qsizetype n = std::min(room, t->data->size() - t->pos);
  if (n <= 0)
    return 0;
  std::memcpy(buffer, t->data->constData() + t->pos, static_cast<size_t>(n));
  t->pos += n;
  t->lastSign = Clock::now();
  // libcurl knows the size and asks no further once it has every byte.
  t->dataEnded = t->pos == t->data->size();
  return static_cast<size_t>(n);
}

// Every reply line of the server passes here; the first one after the end
// of the data says whether the server took the message.
size_t replyLine(char *buffer, size_t size, size_t count, void *user) {
  auto *t = static_cast<Transfer *>(user);
  const size_t n = size * count;
  t->lastSign = Clock::now();
  if (t->dataEnded && !t->answered && n > 0) {
    t->answered = true;
    t->accepted = buffer[0] == '2';
    t->acceptedAt = t->lastSign;
  }
  return n;
}

// Called while libcurl waits: ends the connection when the goodbye after a
// message taken is late, when the server has been silent longer than a reply
// may take, or when the whole send has taken its time.
int progress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto *t = static_cast<const Transfer *>(user);
  const Clock::time_point now = Clock::now();
  const bool late = (t->accepted && now - t->acceptedAt > t->goodbye) ||
                    now - t->lastSign > t->silence || now - t->start > t->whole;
  return late ? 1 : 0;
}

void initCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

QByteArray serverUrl(const MailServer &server) {
  QString host = server.host;
  if (host.contains(u':'))
    host = u'[' + host + u']';
  return QByteArray(server.implicitTls ? "smtps://" : "smtp://") + host.toUtf8() + ':' +
         QByteArray::number(server.port) + '/' + QUrl::toPercentEncoding(server.ehloName);
}

} // namespace

bool isLocalHost(const QString &host) {
  if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
    return true;
  if (host == QStringLiteral("::1") || host == QStringLiteral("[::1]"))
    return true;
  // 127.0.0.0/8: four numbers, the first 127.
  const QStringList parts = host.split(u'.');
  if (parts.size() != 4 || parts[0] != QStringLiteral("127"))
    return false;
  for (const QString &part : parts) {
    bool ok = false;
    const int n = part.toInt(&ok);
    if (!ok || n < 0 || n > 255 || part.isEmpty() || part.size() > 3)
      return false;
  }
  return true;
}

MailOutcome SmtpMailSender::send(const MailServer &server, const QString &sender,
                                 const QString &recipient, const QByteArray &message) {
  const bool encrypted = server.implicitTls || server.startTls;
  if (!encrypted && !server.user.isEmpty() && !isLocalHost(server.host))
    return {kMailPlainLogin,
            QStringLiteral("A password is sent only over an encrypted connection")};

  initCurl();
  CURL *curl = curl_easy_init();
  if (!curl)
    return {kMailNoCurl, QStringLiteral("No transfer could be set up")};

  const QByteArray url = serverUrl(server);
  const QByteArray from = '<' + sender.toUtf8() + '>';
  const QByteArray to = '<' + recipient.toUtf8() + '>';
  const QByteArray user = server.user.toUtf8();
  const QByteArray password = server.password.toUtf8();
  const QByteArray caFile = gCaFile.toLocal8Bit();
  const long timeLimit = gTimeLimit;
  const long responseLimit = std::min(kResponseSeconds, timeLimit);
  curl_slist *recipients = curl_slist_append(nullptr, to.constData());
  Transfer transfer{&message};
  transfer.goodbye = std::chrono::seconds(std::min(gGoodbyeSeconds, timeLimit));
  transfer.silence = std::chrono::seconds(responseLimit) + transfer.goodbye;
  transfer.whole = std::chrono::seconds(timeLimit);
  char error[CURL_ERROR_SIZE] = {};

  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
  curl_easy_setopt(curl, CURLOPT_USE_SSL,
                   encrypted ? static_cast<long>(CURLUSESSL_ALL)
                             : static_cast<long>(CURLUSESSL_NONE));
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!caFile.isEmpty())
    curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
  if (!user.isEmpty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
  }
  curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
  curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, readBody);
  curl_easy_setopt(curl, CURLOPT_READDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, replyLine);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  // The connection ends with this transfer, its goodbye watched by progress.
  curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, std::min(kConnectSeconds, timeLimit));
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, responseLimit);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, timeLimit);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);

  // A failure unless the transfer itself says otherwise.
  CURLcode code = CURLE_FAILED_INIT;
  runWhilePainting([&] {
    code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
  });
  curl_slist_free_all(recipients);
  const long outcome = mailError(static_cast<long>(code), transfer.accepted);
  if (outcome == 0)
    return {};
  const QString text =
      error[0] ? QString::fromUtf8(error) : QString::fromUtf8(curl_easy_strerror(code));
  return {outcome, text};
}

MailSender &mailSender() { return gSmtp; }
void setTrustedMailCaFile(const QString &caFile) { gCaFile = caFile; }
void setMailTimeLimit(long seconds) { gTimeLimit = std::max(1L, seconds); }
void setMailGoodbyeLimit(long seconds) { gGoodbyeSeconds = std::clamp(seconds, 1L, 5L); }

} // namespace platform
