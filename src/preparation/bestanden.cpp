#include "preparation/bestanden.h"

#include "frame/bas_zemlo.h"
#include "groups/namenbestand.h"
#include "platform/textfile.h"
#include "preparation/invoerkop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace preparation {

using BAS_Zemlo::Tekst;

namespace {

// Whether the folder holds an entry of that name, in any case.
bool bestaat(const QString &folder, const QString &name) {
  const QStringList entries =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  return std::any_of(entries.begin(), entries.end(),
                     [&](const QString &e) { return e.compare(name, Qt::CaseInsensitive) == 0; });
}

// Writes the title line of a results file with its date in the current form.
// Only the date's own ten bytes change, so the rest stays byte for byte.
// False when the file could not be saved (it is then as it was).
bool herschrijfTitel(const QString &path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return true;
  QByteArray bytes = f.readAll();
  f.close();
  const auto titel = NieuweDatumNaam(platform::decodeAnsi(bytes.left(10)));
  if (!titel || titel->size() != 10)
    return true;
  const QByteArray datum = platform::encodeAnsi(*titel);
  if (datum.size() != 10)
    return true;
  bytes.replace(0, 10, datum);
  return platform::writeBytes(path, bytes);
}

// The part of a file name from its last full stop on: ".txt", ".MAIL".
QString extensie(const QString &name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot);
}

// A group moves together with its companion and its results file, or not at
// all: when any of the three new names is taken, also by a file that is not
// its own, the group keeps its name. Otherwise it would take over another
// group's addresses or evening. A results file whose title cannot take the
// new date moves back with the rest, since the entry windows find the group
// by that title; its name is then added to nietBewaard.
void hernoemGroep(const QString &folder, const QString &name, QStringList &nietBewaard) {
  const auto nieuw = NieuweDatumNaam(name);
  if (!nieuw)
    return;
  const QString invoer = BAS_Zemlo::Pad(QStringLiteral("invoer"));
  const QString basis = name.left(name.size() - 4);
  const QString nieuweBasis = nieuw->left(nieuw->size() - 4);
  if (bestaat(folder, *nieuw) || bestaat(folder, nieuweBasis + QStringLiteral(".mail")) ||
      bestaat(invoer, InvoerNaam(*nieuw)))
    return;

  const QString oudeMail = BAS_Zemlo::ZoekBestand(folder, basis + QStringLiteral(".mail"));
  const QString oudeInvoer = BAS_Zemlo::ZoekBestand(invoer, InvoerNaam(name));
  const bool metMail = QFileInfo(oudeMail).isFile();
  const bool metInvoer = QFileInfo(oudeInvoer).isFile();
  const QString oudPad = folder + u'/' + name;
  const QString nieuwPad = folder + u'/' + *nieuw;
  const QString nieuweMail = folder + u'/' + nieuweBasis + extensie(oudeMail);
  const QString nieuweInvoer =
      invoer + u'/' + NieuweDatumNaam(QFileInfo(oudeInvoer).fileName()).value_or(QString());

  if (!QFile::rename(oudPad, nieuwPad))
    return;
  if (metMail && !QFile::rename(oudeMail, nieuweMail)) {
    QFile::rename(nieuwPad, oudPad);
    return;
  }
  if (metInvoer) {
    if (nieuweInvoer.endsWith(u'/') || !QFile::rename(oudeInvoer, nieuweInvoer)) {
      if (metMail)
        QFile::rename(nieuweMail, oudeMail);
      QFile::rename(nieuwPad, oudPad);
      return;
    }
    if (!herschrijfTitel(nieuweInvoer)) {
      QFile::rename(nieuweInvoer, oudeInvoer);
      if (metMail)
        QFile::rename(nieuweMail, oudeMail);
      QFile::rename(nieuwPad, oudPad);
      nietBewaard.append(QStringLiteral("invoer/") + QFileInfo(oudeInvoer).fileName());
    }
  }
}

// A results file left without its group (the group moves it along) takes the
// new date too, unless its group still stands under the old name or a group
// of the new name exists, which is another group's. One whose title cannot
// take the new date keeps its name too, and is added to nietBewaard.
void hernoemInvoer(const QString &folder, const QString &name, QStringList &nietBewaard) {
  const auto nieuw = NieuweDatumNaam(name);
  if (!nieuw || bestaat(folder, *nieuw))
    return;
  const QString groepen = BAS_Zemlo::Pad(QStringLiteral("groepen"));
  for (const QString &naam : {name, *nieuw})
    if (const auto groep = GroepNaamVan(naam.left(naam.indexOf(u'.'))))
      if (bestaat(groepen, *groep + QStringLiteral(".txt")))
        return;
  const QString oudPad = folder + u'/' + name;
  const QString nieuwPad = folder + u'/' + *nieuw;
  if (QFile::rename(oudPad, nieuwPad) && !herschrijfTitel(nieuwPad)) {
    QFile::rename(nieuwPad, oudPad);
    nietBewaard.append(QStringLiteral("invoer/") + name);
  }
}

} // namespace

QStringList GroepWoordBestanden(const QString &folder, bool bOmgekeerd) {
  QStringList names;
  for (const groups::LijstBestand &b : groups::txtBestanden(folder, bOmgekeerd, Tekst(125)))
    names.append(b.bestand);
  return names;
}

std::optional<QString> NieuweDatumNaam(const QString &name) {
  if (name.size() < 10)
    return std::nullopt;
  const auto datum = BAS_Zemlo::LeesDatum(name.left(10));
  if (!datum)
    return std::nullopt;
  const QString nieuw = BAS_Zemlo::DatumTekst(*datum) + name.mid(10);
  if (nieuw == name || BAS_Zemlo::DatumTekst(*datum).size() != 10)
    return std::nullopt;
  return nieuw;
}

QStringList VulBestanden(Soort soort, bool bOmgekeerd, QStringList *nietBewaard) {
  const QString folder = BAS_Zemlo::Pad(soort == Soort::Groepen ? QStringLiteral("groepen")
                                                                : QStringLiteral("invoer"));
  QStringList nietGeschreven;
  for (const QString &name : GroepWoordBestanden(folder, bOmgekeerd)) {
    if (soort == Soort::Groepen)
      hernoemGroep(folder, name, nietGeschreven);
    else
      hernoemInvoer(folder, name, nietGeschreven);
  }
  if (nietBewaard)
    *nietBewaard = nietGeschreven;
  // Names that differ only in case are the same file to every look-up:
  // listed once.
  QStringList lijst;
  for (const QString &name : GroepWoordBestanden(folder, bOmgekeerd)) {
    const QString naam = name.left(name.indexOf(u'.'));
    if (!lijst.contains(naam, Qt::CaseInsensitive))
      lijst.append(naam);
  }
  return lijst;
}

} // namespace preparation
