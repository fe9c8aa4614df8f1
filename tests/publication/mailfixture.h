#pragma once
// MAIL.TXT files whose providers point at a loopback mail server.
#include "rules/mailtxtfixture.h"

#include <QString>
#include <QStringList>

namespace fixture {

// The fields of a stored line for the nine items of a provider list.
inline QStringList alsVelden(const QStringList &items) {
  static const int kOrder[9] = {2, 4, 0, 5, 1, 6, 8, 3, 7};
  QStringList velden;
  for (int i = 0; i < 9; ++i)
    velden.append(QString());
  for (int i = 0; i < 9; ++i)
    velden[kOrder[i]] = items.value(i);
  return velden;
}

struct Provider {
  int port = 25;
  QString tls = QStringLiteral("False");
  QString startTls = QStringLiteral("False");
  QString user;
  QString password;
  QString groet = QStringLiteral("club.test");
  QString host = QStringLiteral("127.0.0.1");
  QString adres = QStringLiteral("uitslag@zemlo.test");
  QString naam = QStringLiteral("Bridgeclub Zemlo");

  QStringList items() const {
    return {groet, host, QString::number(port), tls, user, password, startTls, adres, naam};
  }
};

inline QByteArray mailTxtVoor(const QList<Provider> &providers) {
  QList<QStringList> lijnen;
  for (const Provider &p : providers)
    lijnen.append(alsVelden(p.items()));
  return mailTxt(lijnen);
}

} // namespace fixture
