// The results file header, start.txt, and the pass that writes the dates at
// the start of group and results file names in the current form. The input
// is group names (one a line), then a results file, then start.txt, cut at
// 0x1E. Each group gets its file, a companion for every other group, and a
// results file holding the input's results file.
#include "fuzzsupport.h"

#include "frame/bas_zemlo.h"
#include "platform/textfile.h"
#include "preparation/bestanden.h"
#include "preparation/invoerkop.h"

#include <QMap>
#include <algorithm>

using namespace preparation;

namespace {

void checkKop(const QByteArray &bytes) {
  fuzz::freshFolder(QStringLiteral("invoer"));
  fuzz::writeFile(QStringLiteral("invoer/kop.txt"), bytes);
  const QString path = BAS_Zemlo::Pad(QStringLiteral("invoer/kop.txt"));
  const auto kop = LeesInvoerKop(path);
  const QStringList lines = platform::splitLines(fuzz::text(bytes));
  if (lines.size() < 7)
    FUZZ_CHECK(!kop);
  if (kop) {
    FUZZ_CHECK(kop->regels == lines.mid(0, 7));
    FUZZ_CHECK(kop->paren >= 1 && kop->paren <= 99);
    FUZZ_CHECK(kop->stilzit >= 0 && kop->stilzit <= kop->paren);
    FUZZ_CHECK(kop->ronden >= 3 && kop->ronden <= 12);
    FUZZ_CHECK(kop->spellen >= 1 && kop->spellen <= 9);
    FUZZ_CHECK(kop->invoerWijze == 0 || kop->invoerWijze == 1);
    FUZZ_CHECK(kop->schema == kop->regels[5].trimmed());
    // The header written afresh reads the same.
    const QString fresh = BAS_Zemlo::Pad(QStringLiteral("invoer/nieuw.txt"));
    FUZZ_CHECK(MaakInvoerBestand(fresh, InvoerKop::Nieuw(kop->regels)));
    const auto again = LeesInvoerKop(fresh);
    FUZZ_CHECK(again && again->regels == kop->regels && again->paren == kop->paren &&
               again->stilzit == kop->stilzit && again->ronden == kop->ronden &&
               again->spellen == kop->spellen && again->invoerWijze == kop->invoerWijze);
  }
  // A results file that holds anything is never written over.
  MaakInvoerBestand(path,
                    InvoerKop::Nieuw({QStringLiteral("x"), QStringLiteral("8"), QStringLiteral("0"),
                                      QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("s"),
                                      QStringLiteral("0")}));
  if (!bytes.isEmpty())
    FUZZ_CHECK(fuzz::readFile(QStringLiteral("invoer/kop.txt")) == bytes);
}

void checkStart(const QByteArray &bytes) {
  fuzz::writeFile(QStringLiteral("start.txt"), bytes);
  const int wijze = LeesStart();
  FUZZ_CHECK(wijze == 0 || wijze == 1);
  FUZZ_CHECK(SchrijfStart(1 - wijze));
  FUZZ_CHECK(LeesStart() == 1 - wijze);
}

// The names to use: no folder separators, line breaks or dots (a group's
// name ends at its first dot), distinct in any letter case (names that differ
// only in case are one file), at most four.
QStringList groepNamen(const QByteArray &bytes) {
  QStringList namen;
  for (QString naam : platform::splitLines(fuzz::text(bytes.left(400)))) {
    naam.remove(u'/');
    naam.remove(u'.');
    naam.remove(QChar(0));
    naam = naam.left(60);
    if (!naam.isEmpty() && !namen.contains(naam, Qt::CaseInsensitive))
      namen.append(naam);
    if (namen.size() == 4)
      break;
  }
  return namen;
}

// The files of a folder by their contents' marker line (the last line).
QMap<QString, QString> opMerk(const QString &folder) {
  QMap<QString, QString> out;
  for (const QString &name : fuzz::fileNames(folder)) {
    const QStringList lines =
        platform::splitLines(fuzz::text(fuzz::readFile(folder + u'/' + name)));
    FUZZ_CHECK(!lines.isEmpty());
    FUZZ_CHECK(!out.contains(lines.last()));
    out.insert(lines.last(), name);
  }
  return out;
}

QString zonderTxt(const QString &name) {
  return name.endsWith(QStringLiteral(".txt")) ? name.left(name.size() - 4) : QString();
}

void checkHernoemen(const QStringList &namen, const QByteArray &uitslag, int taal) {
  fuzz::setLanguage(taal);
  fuzz::freshFolder(QStringLiteral("groepen"));
  fuzz::freshFolder(QStringLiteral("invoer"));
  QMap<QString, QByteArray> inhoud; // results files by marker
  for (int i = 0; i < namen.size(); ++i) {
    const QString n = QString::number(i);
    fuzz::writeFile(QStringLiteral("groepen/") + namen[i] + QStringLiteral(".txt"),
                    "G" + n.toLatin1() + "\r\n");
    if (i % 2 == 0)
      fuzz::writeFile(QStringLiteral("groepen/") + namen[i] + QStringLiteral(".mail"),
                      "M" + n.toLatin1() + "\r\n");
    const QByteArray bytes = uitslag + "\r\nR" + n.toLatin1() + "\r\n";
    inhoud.insert(QStringLiteral("R") + n, bytes);
    fuzz::writeFile(QStringLiteral("invoer/") + InvoerNaam(namen[i] + QStringLiteral(".txt")),
                    bytes);
  }

  QMap<QString, QString> invoerVoor = opMerk(QStringLiteral("invoer"));
  QMap<QString, QByteArray> inhoudVoor = inhoud;
  for (Soort soort : {Soort::Groepen, Soort::Invoer}) {
    const QStringList lijst = VulBestanden(soort, false);
    for (const QString &naam : lijst)
      FUZZ_CHECK(!naam.contains(u'.'));

    // Nothing lost: every group and companion is still there, together.
    const QMap<QString, QString> groepen = opMerk(QStringLiteral("groepen"));
    FUZZ_CHECK(groepen.size() == namen.size() + (namen.size() + 1) / 2);
    for (int i = 0; i < namen.size(); i += 2) {
      const QString n = QString::number(i);
      const QString txt = groepen.value(u'G' + n);
      const QString mail = groepen.value(u'M' + n);
      FUZZ_CHECK(!txt.isEmpty() && mail == zonderTxt(txt) + QStringLiteral(".mail"));
    }
    // Every results file is there, still named after its group. Only the
    // date of its title may change, into the current form, and only when the
    // file gets a new name.
    const QMap<QString, QString> invoer = opMerk(QStringLiteral("invoer"));
    FUZZ_CHECK(invoer.size() == namen.size());
    for (int i = 0; i < namen.size(); ++i) {
      const QString n = QString::number(i);
      FUZZ_CHECK(invoer.value(u'R' + n) == InvoerNaam(groepen.value(u'G' + n)));
    }
    for (auto it = invoer.cbegin(); it != invoer.cend(); ++it) {
      const QByteArray voor = inhoudVoor.value(it.key());
      const QByteArray na = fuzz::readFile(QStringLiteral("invoer/") + it.value());
      FUZZ_CHECK(na.size() == voor.size() && na.mid(10) == voor.mid(10));
      if (na.left(10) != voor.left(10)) {
        FUZZ_CHECK(invoerVoor.value(it.key()) != it.value());
        const auto datum = BAS_Zemlo::LeesDatum(fuzz::text(na.left(10)));
        FUZZ_CHECK(datum && BAS_Zemlo::DatumTekst(*datum) == fuzz::text(na.left(10)));
      }
      inhoudVoor.insert(it.key(), na);
    }
    invoerVoor = invoer;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QList<QByteArray> p = fuzz::parts(data, size, 3);
  fuzz::setLanguage(10);
  checkKop(p[1]);
  checkStart(p[2]);

  const QStringList namen = groepNamen(p[0]);
  // The pass of a language lists only names that hold its group word.
  for (int taal : {10, 11}) {
    fuzz::setLanguage(taal);
    const QString woord = BAS_Zemlo::Tekst(125);
    if (std::any_of(namen.begin(), namen.end(),
                    [&](const QString &n) { return n.contains(woord, Qt::CaseInsensitive); }))
      checkHernoemen(namen, p[1], taal);
  }
  fuzz::setLanguage(10);

  // The group name in a title line, and the results file name of a group.
  for (const QString &naam : namen) {
    if (naam.contains(u' ' + BAS_Zemlo::Tekst(70)))
      continue;
    FUZZ_CHECK(GroepNaamVan(naam + u' ' + BAS_Zemlo::Tekst(70)) == naam);
    FUZZ_CHECK(InvoerNaam(naam + QStringLiteral(".txt")) ==
               naam + u' ' + BAS_Zemlo::Tekst(70) + QStringLiteral(".txt"));
  }
  return 0;
}
