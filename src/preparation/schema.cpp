#include "preparation/schema.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace preparation {

using BAS_Zemlo::Tekst;

namespace {

QString tweeCijfers(int value) { return QString::number(value + 100).right(2); }

QString setTekst(int first, int last) {
  return u'(' + QString::number(first) + u'-' + QString::number(last) + u')';
}

// An evening has at most 99 pairs (the results header's limit); board sets
// are read up to four digits, beyond any evening's boards.
constexpr int kHoogstePaar = 99;
constexpr int kHoogsteSpel = 9999;

const QRegularExpression &setPatroon() {
  static const QRegularExpression re(QStringLiteral("\\(([0-9]+)-([0-9]+)\\)"));
  return re;
}

// A field read into its numbers, and the text around its board set, from
// which the field's text is built again with the set that is played there.
struct GelezenVeld {
  Tafel tafel;
  QString voor; // the field before its board set
  QString na;   // and after it
  QString tekst(int eerste, int laatste) const { return voor + setTekst(eerste, laatste) + na; }
};

// A field split into its pairs and board set; nothing when it is no table,
// or when a pair or board number lies out of range.
std::optional<GelezenVeld> leesVeld(const QString &veld) {
  if (veld.contains(QStringLiteral("-  -")))
    return std::nullopt;
  const QRegularExpressionMatch m = setPatroon().match(veld);
  if (!m.hasMatch())
    return std::nullopt;
  GelezenVeld g;
  g.voor = veld.left(m.capturedStart());
  g.na = veld.mid(m.capturedEnd());
  Tafel &t = g.tafel;
  t.paren = (g.voor + g.na).trimmed();
  const qsizetype dash = t.paren.indexOf(u'-');
  if (dash < 0)
    return std::nullopt;
  const QString ns = t.paren.left(dash).trimmed();
  const QString ewTekst = t.paren.mid(dash + 1);
  const QString ew = ewTekst.trimmed();
  if (ns.isEmpty() || !ns[0].isDigit() || ew.isEmpty() || !ew[0].isDigit())
    return std::nullopt;
  const auto nsNummer = platform::readInt(ns, 1, kHoogstePaar);
  const auto ewNummer = platform::readInt(ew, 1, kHoogstePaar);
  const auto eerste = platform::readDigits(m.captured(1), 1, kHoogsteSpel);
  const auto laatste = platform::readDigits(m.captured(2), 1, kHoogsteSpel);
  if (!nsNummer || !ewNummer || !eerste || !laatste)
    return std::nullopt;
  t.ns = *nsNummer;
  t.ew = *ewNummer;
  // The East-West text keeps its blanks as written, its number as read, so
  // that it names the same pair as ew.
  t.ewTekst = ewTekst.left(ewTekst.indexOf(ew)) + QString::number(t.ew);
  t.eersteSpel = *eerste;
  t.laatsteSpel = *laatste;
  t.veld = g.tekst(t.eersteSpel, t.laatsteSpel);
  return g;
}

} // namespace

QString SchemaPatroon(int iParen, int iRonden) {
  return tweeCijfers(iParen) + u' ' + Tekst(32) + u' ' + tweeCijfers(iRonden) + u' ' + Tekst(50);
}

QString SchemaMap() {
  return BAS_Zemlo::Pad(QStringLiteral("schema/") + QString::number(BAS_Zemlo::iTaal));
}

QString SchemaPad(const QString &sSchema) {
  return BAS_Zemlo::ZoekBestand(SchemaMap(), sSchema.trimmed() + QStringLiteral(".txt"));
}

QStringList PassendeSchemas(int iParen, int iRonden) {
  const QString patroon = SchemaPatroon(iParen, iRonden);
  QStringList files = QDir(SchemaMap()).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
  // Sorted by name as a file list shows them: case-insensitive first.
  std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  QStringList namen;
  for (const QString &file : files) {
    if (!file.startsWith(patroon, Qt::CaseInsensitive) ||
        !file.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ||
        file.size() < patroon.size() + 4)
      continue;
    // A schema of the maker's list that does not belong in this choice.
    if (file == QStringLiteral("08 paren 03 ronden Mitchell.txt"))
      continue;
    // Names that differ only in case open the same file: listed once.
    const QString naam = file.left(file.size() - 4);
    if (!namen.contains(naam, Qt::CaseInsensitive))
      namen.append(naam);
  }
  return namen;
}

QStringList SchemaRegels(const QStringList &fileLines) {
  QStringList regels;
  for (qsizetype i = 1; i < fileLines.size(); ++i)
    if (!fileLines[i].trimmed().isEmpty())
      regels.append(fileLines[i]);
  return regels;
}

std::optional<QStringList> LeesSchema(const QString &sSchema) {
  const QString path = SchemaPad(sSchema);
  if (sSchema.trimmed().isEmpty() || BAS_Zemlo::BestandBestaat(path) != 1)
    return std::nullopt;
  const auto lines = platform::readTextLines(path);
  if (!lines || !IsSchema(*lines))
    return std::nullopt;
  return SchemaRegels(*lines);
}

bool IsSchema(const QStringList &fileLines) {
  for (const QString &regel : SchemaRegels(fileLines)) {
    const QStringList velden = regel.split(u'\t');
    for (qsizetype i = 1; i < velden.size(); ++i)
      if (leesVeld(velden[i]))
        return true;
  }
  return false;
}

QList<Tafel> ParenSpellen(const QStringList &rondeRegels, int iRonden, int iSpellen) {
  QList<Tafel> tafels;
  for (qsizetype r = 0; r < rondeRegels.size(); ++r) {
    const QStringList velden = rondeRegels[r].split(u'\t');
    for (qsizetype i = 1; i < velden.size(); ++i) {
      const auto g = leesVeld(velden[i]);
      if (!g)
        continue;
      Tafel t = g->tafel;
      t.ronde = static_cast<int>(r + 1);
      t.tafel = static_cast<int>(i);
      // Only the file's own sets, (1-4) up to the one ending at board 4R,
      // stand for boards; any other set is left as read and plays none. The
      // field's text is built from the numbers, so it shows the set played.
      const int k = t.laatsteSpel / 4;
      if (iSpellen >= 1 && t.laatsteSpel % 4 == 0 && t.eersteSpel == 4 * k - 3 && k >= 1 &&
          k <= iRonden) {
        t.eersteSpel = (k - 1) * iSpellen + 1;
        t.laatsteSpel = k * iSpellen;
        t.veld = g->tekst(t.eersteSpel, t.laatsteSpel);
      } else {
        t.eersteSpel = 0;
        t.laatsteSpel = 0;
      }
      tafels.append(t);
    }
  }
  return tafels;
}

namespace {

// The board set of a field as played: the file's k-th set, (4k-3 - 4k), is
// the k-th set of iSpellen boards; any other set plays none (0 and 0).
void KaartSet(int &eerste, int &laatste, int iRonden, int iSpellen) {
  const int k = laatste / 4;
  if (iSpellen >= 1 && laatste % 4 == 0 && eerste == 4 * k - 3 && k >= 1 && k <= iRonden) {
    eerste = (k - 1) * iSpellen + 1;
    laatste = k * iSpellen;
  } else {
    eerste = 0;
    laatste = 0;
  }
}

// A field that names no pairs: "-  -" and a board set.
std::optional<TafelVeld> leesLeegVeld(const QString &veld) {
  if (veld.trimmed() == QStringLiteral("-  -  -  -  -   -"))
    return std::nullopt;
  const QRegularExpressionMatch m = setPatroon().match(veld);
  if (!m.hasMatch())
    return std::nullopt;
  const auto eerste = platform::readDigits(m.captured(1), 1, kHoogsteSpel);
  const auto laatste = platform::readDigits(m.captured(2), 1, kHoogsteSpel);
  if (!eerste || !laatste)
    return std::nullopt;
  TafelVeld t;
  t.zonderParen = true;
  t.paren = veld.left(m.capturedStart()).trimmed();
  t.eersteSpel = *eerste;
  t.laatsteSpel = *laatste;
  return t;
}

} // namespace

QList<QList<TafelVeld>> RondeTafels(const QStringList &rondeRegels, int iRonden, int iSpellen) {
  QList<QList<TafelVeld>> rondes;
  for (qsizetype r = 0; r < rondeRegels.size(); ++r) {
    QList<TafelVeld> tafels;
    const QStringList velden = rondeRegels[r].split(u'\t');
    for (qsizetype i = 1; i < velden.size(); ++i) {
      std::optional<TafelVeld> t;
      if (velden[i].contains(QStringLiteral("-  -"))) {
        t = leesLeegVeld(velden[i]);
      } else if (const auto g = leesVeld(velden[i])) {
        t = TafelVeld{};
        t->ns = g->tafel.ns;
        t->ew = g->tafel.ew;
        t->paren = g->voor.trimmed();
        t->eersteSpel = g->tafel.eersteSpel;
        t->laatsteSpel = g->tafel.laatsteSpel;
      }
      if (!t)
        continue;
      t->ronde = static_cast<int>(r + 1);
      t->tafel = static_cast<int>(i);
      KaartSet(t->eersteSpel, t->laatsteSpel, iRonden, iSpellen);
      tafels.append(*t);
    }
    rondes.append(tafels);
  }
  return rondes;
}

} // namespace preparation
