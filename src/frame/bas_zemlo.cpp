#include "frame/bas_zemlo.h"

#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/online.h"
#include "platform/profile.h"
#include "platform/textfile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <span>
#include <vector>

static void initTextResources() { Q_INIT_RESOURCE(texts); }

namespace BAS_Zemlo {

namespace {

const QHash<int, QString> &textTable() {
  static const QHash<int, QString> table = [] {
    initTextResources();
    QHash<int, QString> t;
    QFile f(QStringLiteral(":/texts.txt"));
    if (f.open(QIODevice::ReadOnly)) {
      const QString all = QString::fromUtf8(f.readAll());
      for (const QString &line : all.split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
          continue;
        bool ok = false;
        const int number = line.left(tab).toInt(&ok);
        if (ok)
          t.insert(number, line.mid(tab + 1));
      }
    }
    return t;
  }();
  return table;
}

// A start value made as in the variable's definition: {} value-initialises.
template <class T> T beginwaarde(T value) { return value; }

} // namespace

void HerstelBeginstand() {
#define ZEMLO_HERSTEL(type, name, start) name = beginwaarde<type>(start);
  ZEMLO_GEDEELDE_STAAT(ZEMLO_HERSTEL);
#undef ZEMLO_HERSTEL
}

QString Tekst(int iIndex) {
  QString s = QString::number(iIndex);
  if (s.size() == 1)
    s.prepend(QStringLiteral("00"));
  else if (s.size() == 2)
    s.prepend(u'0');
  bool ok = false;
  const int number = s.size() == 5 ? s.toInt(&ok) : (QString::number(iTaal) + s).toInt(&ok);
  if (!ok)
    return {};
  return textTable().value(number);
}

namespace {

// Each character of sTekst that the first matching item names becomes its value.
QString vulIn(const QString &sTekst, std::span<const Invulling> invullingen) {
  QString uit;
  uit.reserve(sTekst.size());
  for (const QChar c : sTekst) {
    const auto it = std::find_if(invullingen.begin(), invullingen.end(),
                                 [c](const Invulling &i) { return i.teken == c; });
    if (it == invullingen.end())
      uit.append(c);
    else
      uit.append(it->waarde);
  }
  return uit;
}

} // namespace

QString VulIn(const QString &sTekst, std::initializer_list<Invulling> invullingen) {
  return vulIn(sTekst, {invullingen.begin(), invullingen.size()});
}

QString TekstMet(int iIndex, const QString &sWaarde) {
  return VulIn(Tekst(iIndex), {{u'~', sWaarde}});
}

QString TekstMet(int iIndex, std::initializer_list<Invulling> invullingen) {
  return vulIn(Tekst(iIndex), {invullingen.begin(), invullingen.size()});
}

QString TekstMetRegels(int iIndex, std::initializer_list<Invulling> invullingen) {
  std::vector<Invulling> alle(invullingen);
  alle.push_back({u'|', QStringLiteral("\n")});
  return vulIn(Tekst(iIndex), alle);
}

int KiesTaal(const QString &programFolder) {
  const QString path = programFolder + QStringLiteral("/taal.txt");
  const QString line =
      BestandBestaat(path) == 1 ? platform::readFirstLine(path) : QStringLiteral("10");
  const double value = platform::val(line);
  if (value < 10 || value > 11)
    return 10;
  return platform::toIntInRange(value, 10, 11).value_or(10);
}

QString Pad(const QString &relative) {
  return relative.isEmpty() ? sProgrammaMap : sProgrammaMap + u'/' + relative;
}

void MaakPad(QString &sPad) {
  if (!sPad.endsWith(u'/'))
    sPad.append(u'/');
  // Level by level, ignoring folders that exist or cannot be made.
  for (qsizetype pos = sPad.indexOf(u'/', 1); pos > 0; pos = sPad.indexOf(u'/', pos + 1)) {
    const QString folder = sPad.left(pos);
    if (!QFileInfo(folder).isDir())
      QDir().mkdir(folder);
  }
}

int BestandBestaat(const QString &sPad) {
  if (sPad.isEmpty())
    return -1;
  const QFileInfo info(sPad);
  if (!info.exists() || !info.isFile())
    return -1;
  return info.size() > 0 ? 1 : 0;
}

QString ZoekBestand(const QString &sMap, const QString &sNaam) {
  const QString exact = sMap + u'/' + sNaam;
  if (sNaam.isEmpty() || QFileInfo(exact).isFile())
    return exact;
  QStringList namen = QDir(sMap).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString &naam : namen)
    if (naam.compare(sNaam, Qt::CaseInsensitive) == 0)
      return sMap + u'/' + naam;
  return exact;
}

QString ZoekBestand(const QString &sPad) {
  const qsizetype slash = sPad.lastIndexOf(u'/');
  if (slash < 0)
    return ZoekBestand(QStringLiteral("."), sPad).mid(2);
  return ZoekBestand(sPad.left(slash), sPad.mid(slash + 1));
}

QString BestandNaam(const QString &sPad) {
  const QString map = sProgrammaMap.isEmpty() ? QString() : QDir(sProgrammaMap).absolutePath();
  const QString pad = QFileInfo(sPad).absoluteFilePath();
  if (!map.isEmpty() && pad.startsWith(map + u'/'))
    return pad.mid(map.size() + 1);
  return sPad;
}

QString OnleesbaarTekst(const QString &sPad) {
  if (!platform::isUnreadable(sPad))
    return {};
  return TekstMet(210, BestandNaam(sPad));
}

QString WisBestanden(const QStringList &paden) {
  QStringList blijven;
  for (const QString &pad : paden)
    if (!platform::removeFile(pad))
      blijven.append(BestandNaam(pad));
  if (blijven.isEmpty())
    return {};
  return TekstMet(211, blijven.join(u'|'));
}

bool SchrijfIni(const QString &sSectie, const QString &sSleutel, const QString &sWaarde,
                const QString &sBestand) {
  return platform::writeProfileString(sSectie, sSleutel, sWaarde, sBestand);
}

void LeesIni(const QString &sSectie, const QString &sSleutel, const QString &sBestand) {
  sIniWaarde = platform::readProfileString(sSectie, sSleutel, sBestand);
}

bool IsInternetVerbonden() { return platform::isOnline(); }

int ZoekInLijst(const QStringList &lijst, const QString &sTekst, int iExact) {
  for (qsizetype i = 0; i < lijst.size(); ++i) {
    const bool match = iExact != 0 ? lijst[i].compare(sTekst, Qt::CaseInsensitive) == 0
                                   : lijst[i].startsWith(sTekst, Qt::CaseInsensitive);
    if (match)
      return static_cast<int>(i);
  }
  return -1;
}

QString DatumVorm() { return Tekst(63); }

QString DatumTekst(const QDate &date) {
  QString form = DatumVorm();
  form.replace(QStringLiteral("YYYY"), QStringLiteral("yyyy"));
  form.replace(QStringLiteral("DD"), QStringLiteral("dd"));
  return date.toString(form);
}

std::optional<QDate> LeesDatum(const QString &text) {
  const QString t = text.trimmed();
  if (t.size() < 10)
    return std::nullopt;
  const QString head = t.left(10);
  auto digits = [&](int from, int count) {
    for (int i = from; i < from + count; ++i)
      if (!head[i].isDigit() || head[i].unicode() > '9')
        return -1;
    return head.mid(from, count).toInt();
  };
  int y = -1, m = -1, d = -1;
  if (head[2] == u'-' && head[5] == u'-') {
    d = digits(0, 2), m = digits(3, 2), y = digits(6, 4);
  } else if (head[4] == u'-' && head[7] == u'-') {
    y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
  }
  const QDate date(y, m, d);
  if (y < 0 || m < 0 || d < 0 || !date.isValid())
    return std::nullopt;
  return date;
}

} // namespace BAS_Zemlo
