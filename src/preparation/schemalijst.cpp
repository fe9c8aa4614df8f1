#include "preparation/schemalijst.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "preparation/schema.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

#include <algorithm>

namespace preparation {

namespace {

// A group's pair count: the count of a schema's file name, two digits.
std::optional<int> paarAantal(const QString &text) { return platform::readInt(text, 0, 99); }

} // namespace

bool IsVeiligeNaam(const QString &name) {
  if (name.trimmed().isEmpty() || name.contains(u'/') || name.contains(u'\\') ||
      name.contains(QStringLiteral("..")))
    return false;
  return std::none_of(name.begin(), name.end(), [](QChar c) {
    return c.unicode() < 32 || c.unicode() == 127 || c.category() == QChar::Other_Control;
  });
}

QList<SchemaGroep> LeesSchemaLijst(const QStringList &lines) {
  QList<SchemaGroep> groepen;
  bool inGroep = false;
  for (const QString &line : lines) {
    if (line.contains(QStringLiteral("======"))) {
      QString kop = line;
      kop.replace(QStringLiteral("  "), QStringLiteral(" "));
      kop.replace(QStringLiteral("  "), QStringLiteral(" "));
      const QStringList woorden = kop.split(u' ');
      SchemaGroep groep;
      if (woorden.size() >= 2)
        groep.tag = woorden[1];
      // A count out of range is no group: it and its names are left out.
      const auto paren = paarAantal(groep.tag);
      inGroep = paren.has_value();
      if (!inGroep)
        continue;
      groep.paren = *paren;
      groepen.append(groep);
    } else if (inGroep && IsVeiligeNaam(line)) {
      groepen.last().namen.append(line);
    }
  }
  return groepen;
}

QStringList SpinnerLijst(const QList<SchemaGroep> &groepen) {
  QStringList lijst;
  for (const SchemaGroep &g : groepen)
    lijst.append(QString::number(g.paren + 100).right(2));
  std::stable_sort(lijst.begin(), lijst.end(), [](const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  std::reverse(lijst.begin(), lijst.end());
  return lijst;
}

QStringList NamenVoorParen(const QList<SchemaGroep> &groepen, const QString &paren) {
  const auto waarde = paarAantal(paren);
  QStringList namen;
  for (const SchemaGroep &g : groepen)
    if (waarde && g.paren == *waarde)
      namen.append(g.namen);
  return namen;
}

std::optional<int> RondenVanNaam(const QString &name) {
  static const QRegularExpression vorm(QStringLiteral("^(\\d{2}) (\\S+) (\\d{2}) (\\S+)( |$)"));
  const QRegularExpressionMatch m = vorm.match(name);
  if (!m.hasMatch())
    return std::nullopt;
  auto woord = [](const QString &w, int tekst) {
    return w.compare(BAS_Zemlo::Tekst(10000 + tekst), Qt::CaseInsensitive) == 0 ||
           w.compare(BAS_Zemlo::Tekst(11000 + tekst), Qt::CaseInsensitive) == 0;
  };
  if (!woord(m.captured(2), 32) || !woord(m.captured(4), 50))
    return std::nullopt;
  return m.captured(3).toInt();
}

QString SchemaNaamInTaal(const QString &name) {
  static const QRegularExpression vorm(QStringLiteral("^(\\d{2}) (\\S+) (\\d{2}) (\\S+)( .*)?$"));
  const QRegularExpressionMatch m = vorm.match(name);
  if (BAS_Zemlo::iTaal != 11 || !m.hasMatch() ||
      m.captured(2).compare(BAS_Zemlo::Tekst(10032), Qt::CaseInsensitive) != 0 ||
      m.captured(4).compare(BAS_Zemlo::Tekst(10050), Qt::CaseInsensitive) != 0)
    return name;
  return m.captured(1) + u' ' + BAS_Zemlo::Tekst(11032) + u' ' + m.captured(3) + u' ' +
         BAS_Zemlo::Tekst(11050) + m.captured(5);
}

bool IsHeelSchema(const QByteArray &bytes, const QString &name) {
  if (!bytes.endsWith("\r\n"))
    return false;
  const QStringList lines = platform::splitLines(platform::decodeAnsi(bytes));
  if (!IsSchema(lines))
    return false;
  const auto ronden = RondenVanNaam(name);
  return !ronden || SchemaRegels(lines).size() == *ronden;
}

QString SchemaLijstPad() { return BAS_Zemlo::Pad(QStringLiteral("Lijst met speelschemas.txt")); }

void SchemaKeuze::laad(const QStringList &lines) {
  groepen = LeesSchemaLijst(lines);
  spinner = SpinnerLijst(groepen);
}

void SchemaKeuze::toon(int index) {
  paren = spinner.value(index);
  namen = NamenVoorParen(groepen, paren);
}

QString SchemaKeuze::titel() const {
  return BAS_Zemlo::Tekst(55) + QStringLiteral(" (") + QString::number(namen.size()) + u')';
}

} // namespace preparation
