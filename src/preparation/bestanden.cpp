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
void herschrijfTitel(const QString &path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return;
  QByteArray bytes = f.readAll();
  f.close();
  const auto titel = NieuweDatumNaam(platform::decodeAnsi(bytes.left(10)));
  if (!titel || titel->size() != 10)
    return;
  const QByteArray datum = platform::encodeAnsi(*titel);
  if (datum.size() != 10)
    return;
  bytes.replace(0, 10, datum);
  platform::writeBytes(path, bytes);
}

void hernoem(const QString &folder, const QString &name, Soort soort) {
  const auto nieuw = NieuweDatumNaam(name);
  if (!nieuw || bestaat(folder, *nieuw))
    return;
  const QString oudPad = folder + u'/' + name;
  const QString nieuwPad = folder + u'/' + *nieuw;
  if (soort == Soort::Groepen) {
    // A group whose results file cannot follow keeps its name, so that the
    // evening still finds its group.
    const QString invoer = BAS_Zemlo::Pad(QStringLiteral("invoer"));
    if (QFileInfo::exists(invoer + u'/' + InvoerNaam(name)) && bestaat(invoer, InvoerNaam(*nieuw)))
      return;
    const QString oudeMail = name.left(name.size() - 4) + QStringLiteral(".mail");
    const QString nieuweMail = nieuw->left(nieuw->size() - 4) + QStringLiteral(".mail");
    const bool metMail = QFileInfo::exists(folder + u'/' + oudeMail);
    if (metMail && bestaat(folder, nieuweMail))
      return;
    if (!QFile::rename(oudPad, nieuwPad))
      return;
    if (metMail && !QFile::rename(folder + u'/' + oudeMail, folder + u'/' + nieuweMail))
      QFile::rename(nieuwPad, oudPad); // keep the pair together
    return;
  }
  // A results file whose group kept its old name keeps its name too.
  if (const auto groep = GroepNaamVan(name.left(name.indexOf(u'.'))))
    if (QFileInfo::exists(BAS_Zemlo::Pad(QStringLiteral("groepen/")) + *groep +
                          QStringLiteral(".txt")))
      return;
  if (QFile::rename(oudPad, nieuwPad))
    herschrijfTitel(nieuwPad);
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

QStringList VulBestanden(Soort soort, bool bOmgekeerd) {
  const QString folder = BAS_Zemlo::Pad(soort == Soort::Groepen ? QStringLiteral("groepen")
                                                                : QStringLiteral("invoer"));
  for (const QString &name : GroepWoordBestanden(folder, bOmgekeerd))
    hernoem(folder, name, soort);
  QStringList lijst;
  for (const QString &name : GroepWoordBestanden(folder, bOmgekeerd))
    lijst.append(name.left(name.indexOf(u'.')));
  return lijst;
}

} // namespace preparation
