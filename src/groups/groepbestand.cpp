#include "groups/groepbestand.h"

#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QDir>
#include <algorithm>

using BAS_Zemlo::Tekst;

namespace groups {

QString StilzitRegel() { return QStringLiteral("***** ") + Tekst(34) + QStringLiteral(" *****"); }

bool isStilzitRegel(const QString &regel) { return regel.contains(QStringLiteral("**")); }

QString spelerNaam(const Speler &speler) {
  return u' ' + speler.titel + u' ' + speler.voornaam + u' ' + speler.achternaam;
}

QString paarRegel(const GroepSpeler &a, const GroepSpeler &b) {
  return QString::number(a.nummer) + u'|' + a.naam + u'+' + QString::number(b.nummer) + u'|' +
         b.naam;
}

namespace {
// A player's number is their place in a names file; no club has more players.
constexpr int kHoogsteSpeler = 99999;

GroepSpeler leesHelft(const QString &helft) {
  GroepSpeler s;
  const qsizetype bar = helft.indexOf(u'|');
  if (bar < 0) {
    s.naam = helft;
    return s;
  }
  s.nummer = platform::readDigits(helft.left(bar), 1, kHoogsteSpeler).value_or(0);
  s.naam = helft.mid(bar + 1);
  return s;
}
} // namespace

GroepRegel leesGroepRegel(const QString &regel) {
  GroepRegel g;
  g.regel = regel;
  if (isStilzitRegel(regel)) {
    g.stilzit = true;
    return g;
  }
  const qsizetype plus = regel.indexOf(u'+');
  g.a = leesHelft(plus < 0 ? regel : regel.left(plus));
  if (plus >= 0)
    g.b = leesHelft(regel.mid(plus + 1));
  return g;
}

QVector<GroepRegel> leesGroepRegels(const QStringList &regels) {
  QVector<GroepRegel> out;
  for (const QString &regel : regels)
    if (!regel.trimmed().isEmpty())
      out.append(leesGroepRegel(regel));
  return out;
}

std::optional<QVector<GroepRegel>> leesGroepBestand(const QString &pad) {
  const auto regels = platform::readTextLines(pad);
  if (!regels)
    return std::nullopt;
  return leesGroepRegels(*regels);
}

TweelingOpslag schrijfGroepBestand(const QString &naam, const QStringList &groep,
                                   const QStringList &mail) {
  QString map = BAS_Zemlo::Pad(QStringLiteral("groepen"));
  BAS_Zemlo::MaakPad(map);
  return schrijfTweeling(groepPad(naam), groep, mail);
}

QString groepBestandNaam(const QString &datum, const QString &letter) {
  const qsizetype punt = datum.indexOf(u'.');
  const QString d = punt < 0 ? datum : datum.left(punt);
  return d + u' ' + Tekst(125) + u' ' + letter + QStringLiteral(".txt");
}

QString groepPad(const QString &naam) {
  return BAS_Zemlo::ZoekBestand(BAS_Zemlo::Pad(QStringLiteral("groepen")),
                                naam + QStringLiteral(".txt"));
}

QString groepMailPad(const QString &naam) {
  return tweelingPad(groepPad(naam), QStringLiteral(".mail"));
}

QString invoerPad(const QString &sInvoerBestand) {
  return BAS_Zemlo::ZoekBestand(BAS_Zemlo::Pad(QStringLiteral("invoer")), sInvoerBestand);
}

QString uitslagPad(const QString &naam) {
  return invoerPad(naam + u' ' + Tekst(70) + QStringLiteral(".txt"));
}

GroepNaamDelen splitsGroepNaam(const QString &naam) {
  const QString scheiding = u' ' + Tekst(125);
  const qsizetype pos = naam.indexOf(scheiding, 0, Qt::CaseInsensitive);
  if (pos < 0)
    return {naam.trimmed(), QString()};
  return {naam.left(pos).trimmed(), naam.mid(pos + scheiding.size()).trimmed().toUpper()};
}

QVector<LijstBestand> groepBestanden(bool omgekeerd) {
  return txtBestanden(BAS_Zemlo::Pad(QStringLiteral("groepen")), omgekeerd, Tekst(125));
}

} // namespace groups
