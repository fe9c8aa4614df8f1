#include "platform/online.h"

#include <QFile>
#include <QStringList>

namespace platform {

namespace {
std::optional<bool> gAnswer;

QString readAll(const QString &path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  return QString::fromLatin1(f.readAll());
}
} // namespace

bool hasDefaultRoute(const QString &ipv4Table, const QString &ipv6Table) {
  // /proc/net/route: Iface Destination Gateway Flags ...; flag 0x1 is "up".
  const QStringList v4 = ipv4Table.split(u'\n', Qt::SkipEmptyParts);
  for (qsizetype i = 1; i < v4.size(); ++i) {
    const QStringList f = v4[i].split(QChar(u'\t'), Qt::SkipEmptyParts);
    if (f.size() < 4 || f[0].trimmed() == u"lo")
      continue;
    bool ok = false;
    const uint flags = f[3].trimmed().toUInt(&ok, 16);
    if (f[1].trimmed() == u"00000000" && ok && (flags & 0x1))
      return true;
  }
  // /proc/net/ipv6_route: dest destlen src srclen next metric ref use flags iface
  for (const QString &line : ipv6Table.split(u'\n', Qt::SkipEmptyParts)) {
    const QStringList f = line.simplified().split(u' ');
    if (f.size() < 10 || f[9] == u"lo")
      continue;
    bool ok = false;
    const uint flags = f[8].toUInt(&ok, 16);
    if (f[0] == QString(32, u'0') && f[1] == u"00" && ok && (flags & 0x1))
      return true;
  }
  return false;
}

bool isOnline() {
  if (gAnswer)
    return *gAnswer;
  return hasDefaultRoute(readAll(QStringLiteral("/proc/net/route")),
                         readAll(QStringLiteral("/proc/net/ipv6_route")));
}

void setOnlineAnswer(std::optional<bool> answer) { gAnswer = answer; }

} // namespace platform
