// Times the entry per board on the largest evening: 26 pairs at 13 tables,
// 12 rounds of 9 boards, every board entered. It opens the window on that
// evening (which reads and scores every board again) and on the same evening
// with no board entered, and times the scoring rules alone on the 108 boards.
// Then it times the names and groups windows on short and long names files
// (lijsten.cpp). Run by hand; it prints its figures and changes nothing
// outside a temporary folder.
#include "frame/bas_zemlo.h"
#include "frame/window.h"
#include "lijsten.h"
#include "platform/textfile.h"
#include "scoring/avondbestand.h"
#include "scoring/avondmodel.h"
#include "scoring/matchpunten.h"
#include "scoring/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kParen = 26;
constexpr int kTafels = kParen / 2;
constexpr int kRonden = 12;
constexpr int kSpellen = 9;
const QString kGroep = QStringLiteral("08-11-2023 Groep A");

// A Mitchell movement for 13 tables: North-South pairs 1 to 13 stay, the
// East-West pairs 14 to 26 move up one table a round and the boards down one.
// With 12 sets for 13 tables one table a round has no boards (its set 13
// plays none), so every board is played at 12 tables and scored on 13.
QStringList SchemaBestand() {
  QStringList regels{QStringLiteral("26 paren 12 ronden")};
  for (int k = 0; k < kRonden; ++k) {
    QString regel = QString::number(k + 1);
    for (int t = 0; t < kTafels; ++t) {
      const int set = (t - k + kTafels) % kTafels + 1;
      regel += QStringLiteral("\t%1- %2 (%3-%4)")
                   .arg(t + 1)
                   .arg(kTafels + 1 + (t + k) % kTafels)
                   .arg(4 * set - 3)
                   .arg(4 * set);
    }
    regels.append(regel);
  }
  return regels;
}

QStringList GroepBestand() {
  QStringList regels;
  for (int p = 1; p <= kParen; ++p)
    regels.append(
        QStringLiteral("%1| Speler %1 Noord+%2| Speler %1 Zuid").arg(2 * p - 1).arg(2 * p));
  return regels;
}

QStringList Kop() {
  return {kGroep + QStringLiteral(" Uitslag"),
          QString::number(kParen),
          QStringLiteral("Geen"),
          QString::number(kRonden),
          QString::number(kSpellen),
          QStringLiteral("26 Paren 12 Ronden Bench"),
          QStringLiteral("0")};
}

double Mediaan(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds of one run of f.
double Tijd(const std::function<void()> &f) {
  QElapsedTimer klok;
  klok.start();
  f();
  return klok.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int keer = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;

  QTemporaryDir map;
  if (!map.isValid())
    return 1;
  BAS_Zemlo::sProgrammaMap = map.path();
  BAS_Zemlo::iTaal = 10;
  for (const char *f : {"groepen", "invoer", "schema/10"})
    QDir().mkpath(map.filePath(QString::fromLatin1(f)));
  platform::writeTextLines(
      map.filePath(QStringLiteral("groepen/") + kGroep + QStringLiteral(".txt")), GroepBestand());
  const QStringList schema = SchemaBestand();
  platform::writeTextLines(map.filePath(QStringLiteral("schema/10/26 Paren 12 Ronden Bench.txt")),
                           schema);

  // The whole evening entered with sample scores.
  const scoring::AvondKop kop{kParen, 0, kRonden, kSpellen};
  const auto tafels = scoring::TafelsPerSpel(schema.mid(1), kRonden, kSpellen);
  scoring::AvondModel model(kop, tafels);
  QRandomGenerator toeval(2023);
  for (int b = 1; b <= model.AantalSpellen(); ++b)
    model.VulVoorbeeld(b, [&toeval] { return static_cast<int>(toeval.bounded(10)); });
  const QStringList regels = model.Regels();
  if (regels.size() != kRonden * kSpellen) {
    std::fprintf(stderr, "the sample evening is incomplete\n");
    return 1;
  }
  const QString vol = QStringLiteral("vol Uitslag.txt");
  const QString leeg = QStringLiteral("leeg Uitslag.txt");
  platform::writeTextLines(map.filePath(QStringLiteral("invoer/") + vol), Kop() + regels);
  platform::writeTextLines(map.filePath(QStringLiteral("invoer/") + leeg), Kop());

  registerScoringWindows();
  BAS_Zemlo::sGroepBestand = kGroep + QStringLiteral(".txt");
  const auto open = [](const QString &bestand) {
    BAS_Zemlo::sInvoerBestand = bestand;
    ZemloWindow *venster = nullptr;
    const double ms = Tijd([&venster] {
      venster = showWindow(QStringLiteral("frmZemlo06"));
      QCoreApplication::processEvents();
    });
    if (!venster)
      return -1.0;
    venster->closeWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
  };

  open(vol); // warm up: fonts, styles
  open(leeg);
  std::vector<double> tijdVol, tijdLeeg;
  for (int i = 0; i < keer; ++i) {
    tijdVol.push_back(open(vol));
    tijdLeeg.push_back(open(leeg));
  }
  if (*std::min_element(tijdVol.begin(), tijdVol.end()) < 0 ||
      *std::min_element(tijdLeeg.begin(), tijdLeeg.end()) < 0) {
    std::fprintf(stderr, "the entry window did not open\n");
    return 1;
  }

  // The rules alone: reading and scoring the 108 board lines, and the
  // matchpoints of the 108 boards by themselves.
  std::vector<double> tijdRegels, tijdScoor;
  QVector<QVector<scoring::SpelRijScore>> borden;
  for (int b = 1; b <= model.AantalSpellen(); ++b) {
    QVector<scoring::SpelRijScore> rijen;
    for (const scoring::SpelRij &r : model.Rijen(b))
      rijen.append({r.scoreNZ, r.scoreOW, r.doetMee});
    borden.append(rijen);
  }
  for (int i = 0; i < 20 * keer; ++i) {
    tijdRegels.push_back(Tijd([&] {
      scoring::AvondModel m(kop, tafels);
      m.LeesRegels(regels);
    }));
    tijdScoor.push_back(Tijd([&] {
      for (const auto &rijen : borden)
        scoring::ScoorSpel(rijen, model.intTop());
    }));
  }

  const double mVol = Mediaan(tijdVol);
  const double mLeeg = Mediaan(tijdLeeg);
  std::printf("Entry per board, %d pairs, %d rounds of %d boards (%d boards), median of %d runs\n",
              kParen, kRonden, kSpellen, kRonden * kSpellen, keer);
  std::printf("  open, every board entered and scored again : %8.2f ms\n", mVol);
  std::printf("  open, no board entered                     : %8.2f ms\n", mLeeg);
  std::printf("  ratio entered / empty                      : %8.2f\n", mVol / mLeeg);
  std::printf("  re-scoring adds                            : %8.2f ms\n", mVol - mLeeg);
  std::printf("Rules alone, median of %d runs\n", 20 * keer);
  std::printf("  read and score the 108 board lines         : %8.3f ms\n", Mediaan(tijdRegels));
  std::printf("  matchpoints of the 108 boards              : %8.3f ms\n", Mediaan(tijdScoor));
  return TijdLijsten(keer) ? 0 : 1;
}
