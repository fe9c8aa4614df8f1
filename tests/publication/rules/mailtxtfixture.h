#pragma once
// Makes MAIL.TXT files the way the maker's server stores them: per provider
// a three-digit offset, each character's code plus the offset in three
// digits, and four closing characters, the first line's being the file's
// length less 12.
#include <QByteArray>
#include <QList>
#include <QStringList>

namespace fixture {

inline QByteArray scrambleLine(const QStringList &fields, int offset, const QByteArray &tail) {
  QByteArray line = QByteArray::number(offset).rightJustified(3, '0');
  for (char c : fields.join(QStringLiteral("<>")).toLatin1())
    line += QByteArray::number(static_cast<unsigned char>(c) + offset).rightJustified(3, '0');
  return line + tail;
}

// A whole file; blank lines may be put before, between and after.
inline QByteArray mailTxt(const QList<QStringList> &providers, const QByteArray &before = {},
                          const QByteArray &between = {}, const QByteArray &after = {}) {
  QByteArray body;
  QList<QByteArray> lines;
  for (qsizetype i = 0; i < providers.size(); ++i)
    lines.append(
        scrambleLine(providers[i], 100 + static_cast<int>(i) * 7, i == 0 ? "####" : "0000"));
  QByteArray all = before;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    all += lines[i] + "\r\n";
    if (i + 1 < lines.size())
      all += between;
  }
  all += after;
  const QByteArray check = QByteArray::number(all.size() - 12).rightJustified(4, '0');
  all.replace(all.indexOf("####"), 4, check);
  return all;
}

inline QStringList provider(const QString &name) {
  QStringList f;
  for (int i = 0; i < 9; ++i)
    f.append(name + QString::number(i));
  return f;
}

// The items of a provider's list, in the order LeesMailTxt gives them.
inline QStringList inListOrder(const QStringList &f) {
  return {f[2], f[4], f[0], f[5], f[1], f[6], f[8], f[3], f[7]};
}

} // namespace fixture
