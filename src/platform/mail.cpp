#include "platform/mail.h"

#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

SmtpMailSender gSmtp;
MailSender *gSender = nullptr;
QString gCaFile;
long gTimeLimit = 120;
// The connection must stand within this time, and the server must answer
// each command within the other; a whole send may take gTimeLimit.
constexpr long kConnectSeconds = 15;
constexpr long kResponseSeconds = 60;

struct Upload {
  const QByteArray *data;
  qsizetype pos = 0;
};

size_t readBody(char *buffer, size_t size, size_t count, void *user) {
  auto *u = static_cast<Upload *>(user);
  const qsizetype room = static_cast<qsizetype>(size * count);
  const qsizetype n = std::min(room, u->data->size() - u->pos);
  if (n <= 0)
    return 0;
  std::memcpy(buffer, u->data->constData() + u->pos, static_cast<size_t>(n));
  u->pos += n;
  return static_cast<size_t>(n);
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
  curl_slist *recipients = curl_slist_append(nullptr, to.constData());
  Upload upload{&message};
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
  curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, std::min(kConnectSeconds, gTimeLimit));
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, std::min(kResponseSeconds, gTimeLimit));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, gTimeLimit);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = curl_easy_perform(curl);
  curl_slist_free_all(recipients);
  curl_easy_cleanup(curl);
  if (code == CURLE_OK)
    return {};
  const QString text =
      error[0] ? QString::fromUtf8(error) : QString::fromUtf8(curl_easy_strerror(code));
  return {static_cast<long>(code), text};
}

MailSender &mailSender() { return gSender ? *gSender : gSmtp; }
void setMailSender(MailSender *sender) { gSender = sender; }
void setTrustedMailCaFile(const QString &caFile) { gCaFile = caFile; }
void setMailTimeLimit(long seconds) { gTimeLimit = std::max(1L, seconds); }

} // namespace platform
