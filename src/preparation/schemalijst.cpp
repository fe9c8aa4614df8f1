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

int getal(const QString &text) {
  const double value = platform::val(text);
  return value < 0 || value > 1000000 ? 0 : static_cast<int>(platform::roundHalfEven(value));
}

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
  for (const QString &line : lines) {
    if (line.contains(QStringLiteral("======"))) {
      QString kop = line;
      kop.replace(QStringLiteral("  "), QStringLiteral(" "));
      kop.replace(QStringLiteral("  "), QStringLiteral(" "));
      const QStringList woorden = kop.split(u' ');
      SchemaGroep groep;
      if (woorden.size() >= 2)
        groep.tag = woorden[1];
      groep.paren = getal(groep.tag);
      groepen.append(groep);
    } else if (!groepen.isEmpty() && IsVeiligeNaam(line)) {
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
  const int waarde = getal(paren);
  QStringList namen;
  for (const SchemaGroep &g : groepen)
    if (g.paren == waarde)
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
