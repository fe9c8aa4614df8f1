// Times the names window's Add and the groups window's pick of a player into
// a slot on names files of 50, 2,000 and 5,000 players, through the windows
// themselves: each step is a click followed by the events it leaves behind
// (the grid's layout and painting), as a director waits for it. The files
// take turns, a step on each in every round, so that a machine busy with
// other work slows them alike; the processor time of the program's thread,
// which other programs do not add to, is given beside the time that passed.
#include "lijsten.h"

#include "frame/bas_zemlo.h"
#include "frame/window.h"
#include "groups/frmzemlo02.h"
#include "groups/frmzemlo03.h"
#include "groups/windows.h"
#include "platform/gridview.h"
#include "platform/gridviewmodel.h"
#include "platform/messagebox.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr std::array<int, 3> kAantallen = {50, 2000, 5000};

// Milliseconds of a step: passed, and of processor time of this thread.
struct Tijd {
  double verstreken = 0;
  double processor = 0;
};

double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F> Tijd Meet(F &&f) {
  QElapsedTimer klok;
  const double begin = ThreadMs();
  klok.start();
  f();
  return {klok.nsecsElapsed() / 1e6, ThreadMs() - begin};
}

double Mediaan(const std::vector<Tijd> &tijden, double Tijd::*soort) {
  std::vector<double> v;
  for (const Tijd &t : tijden)
    v.push_back(t.*soort);
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

QString Bestand(int n) { return QStringLiteral("Bench %1").arg(n, 4, 10, QLatin1Char('0')); }

// A spread of places in a list of n: 1 to n, each once in n calls.
int Plek(int i, int n) { return static_cast<int>((static_cast<long long>(i + 1) * 7919) % n) + 1; }

// A names file of n players whose last names are not in file order, so that
// opening it sorts them.
QStringList NamenBestand(int n) {
  QStringList regels{QStringLiteral("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres")};
  for (int k = 1; k <= n; ++k)
    regels.append(QStringLiteral("%1|%2|Voornaam%1|Achternaam%3|speler%1@club.nl")
                      .arg(k)
                      .arg(k % 2 ? QStringLiteral("Dhr.") : QStringLiteral("Mevr."))
                      .arg(Plek(k, n), 5, 10, QLatin1Char('0')));
  return regels;
}

// Lets go of the list or group changed when another names file is chosen.
class LaatGaan : public platform::MessageAnswerer {
public:
  LaatGaan() { platform::setMessageAnswerer(this); }
  ~LaatGaan() override { platform::setMessageAnswerer(nullptr); }
  LaatGaan(const LaatGaan &) = delete;
  LaatGaan &operator=(const LaatGaan &) = delete;
  bool answer(const platform::BoxRecord &) override { return false; }
  platform::Keuze kies(const platform::BoxRecord &) override { return platform::Keuze::Nee; }
};

// The time of a click and of what follows it.
Tijd Klik(QWidget *knop, QPoint waar = {}) {
  return Meet([&] {
    QTest::mouseClick(knop, Qt::LeftButton, {}, waar);
    QCoreApplication::processEvents();
  });
}

// Clicks a cell of a grid as a person does: scrolled into view first (not
// timed), then clicked.
Tijd KlikCel(platform::GridView *view, int rij, int kol) {
  view->scrollTo(view->tableModel()->indexOfCell(rij, kol));
  QCoreApplication::processEvents();
  return Klik(view->viewport(), view->cellRect(rij, kol).center());
}

// Reads a names file into a window's list of names files.
bool Kies(QListWidget *lijst, const QString &naam) {
  const auto items = lijst->findItems(naam, Qt::MatchExactly);
  if (items.isEmpty())
    return false;
  lijst->clearSelection();
  lijst->setCurrentItem(items.first());
  QCoreApplication::processEvents();
  return true;
}

void Sluit(ZemloWindow *venster) {
  venster->closeWindow();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

struct Stappen {
  std::vector<Tijd> toevoegen; // names window: Add
  std::vector<Tijd> kiezen;    // groups window: a player into a slot
  std::vector<Tijd> paar;      // groups window: the pair of the slots into the group
};

// In the names window, per round and file: the file read (not timed), then
// one player added whose last name sorts somewhere in the list.
bool NamenVenster(int rondes, std::vector<Stappen> *uit) {
  auto *w = qobject_cast<frmZemlo02 *>(showWindow(QStringLiteral("frmZemlo02")));
  if (!w)
    return false;
  QCoreApplication::processEvents();
  bool goed = true;
  for (int ronde = 0; ronde < rondes && goed; ++ronde) {
    for (size_t i = 0; i < kAantallen.size() && goed; ++i) {
      const int n = kAantallen[i];
      goed = Kies(w->lstNamenBestand, Bestand(n)) && w->namen.rows() == n + 2;
      w->txtNaam[0]->setText(QStringLiteral("Nieuw%1").arg(ronde));
      w->txtNaam[1]->setText(
          QStringLiteral("Achternaam%1x").arg(Plek(ronde, n), 5, 10, QLatin1Char('0')));
      w->txtNaam[2]->setText(QStringLiteral("nieuw%1@club.nl").arg(ronde));
      w->chkTitel[ronde % 2]->setChecked(true);
      QCoreApplication::processEvents();
      goed = goed && w->cmdToevoegen->isEnabled();
      if (!goed)
        break;
      const Tijd ms = Klik(w->cmdToevoegen);
      goed = w->namen.rows() == n + 3;
      if (uit)
        (*uit)[i].toevoegen.push_back(ms);
    }
  }
  Sluit(w); // closing asks nothing: the list is let go
  return goed;
}

// In the groups window, per round and file: the file read (not timed), two
// players picked into the slots, and the pair added to the group.
bool GroepenVenster(int rondes, std::vector<Stappen> *uit) {
  auto *w = qobject_cast<frmZemlo03 *>(showWindow(QStringLiteral("frmZemlo03")));
  if (!w)
    return false;
  QCoreApplication::processEvents();
  bool goed = true;
  for (int ronde = 0; ronde < rondes && goed; ++ronde) {
    for (size_t i = 0; i < kAantallen.size() && goed; ++i) {
      const int n = kAantallen[i];
      goed = Kies(w->lstNamenBestand, Bestand(n)) && w->namen.rows() == n + 2;
      for (int slot = 0; slot < 2 && goed; ++slot) {
        const int rij = Plek(2 * ronde + slot, n);
        const Tijd ms = KlikCel(w->msfgNamen, rij, 2);
        goed = w->samenstelling.vakken[slot].nummer == rij;
        if (uit)
          (*uit)[i].kiezen.push_back(ms);
      }
      if (!goed)
        break;
      const Tijd ms = Klik(w->cmdToevoegen);
      goed = w->samenstelling.aantal() == 1;
      if (uit)
        (*uit)[i].paar.push_back(ms);
    }
  }
  Sluit(w);
  return goed;
}

} // namespace

bool TijdLijsten(int rondes) {
  QTemporaryDir map;
  if (!map.isValid())
    return false;
  const QString eerder = BAS_Zemlo::sProgrammaMap;
  BAS_Zemlo::sProgrammaMap = map.path();
  for (const char *f : {"namen", "groepen"})
    QDir().mkpath(map.filePath(QString::fromLatin1(f)));
  for (int n : kAantallen)
    platform::writeTextLines(
        map.filePath(QStringLiteral("namen/") + Bestand(n) + QStringLiteral(".txt")),
        NamenBestand(n));
  registerGroupsWindows();

  LaatGaan vragen;
  std::vector<Stappen> stappen(kAantallen.size());
  const bool goed = NamenVenster(1, nullptr) && GroepenVenster(1, nullptr) && // warm up
                    NamenVenster(rondes, &stappen) && GroepenVenster(rondes, &stappen);
  BAS_Zemlo::sProgrammaMap = eerder;
  if (!goed) {
    std::fprintf(stderr, "the names or groups window did not do the steps\n");
    return false;
  }

  std::printf("Names and groups windows, median ms of %d steps on a names file of (players)\n",
              rondes);
  for (const auto &[titel, soort] : {std::pair{"time passed", &Tijd::verstreken},
                                     std::pair{"processor time", &Tijd::processor}}) {
    std::printf("  %-34s", titel);
    for (int n : kAantallen)
      std::printf(" %9d", n);
    std::printf("   %d / %d\n", kAantallen.back(), kAantallen.front());
    auto regel = [&](const char *naam, std::vector<Tijd> Stappen::*stap) {
      std::printf("    %-32s", naam);
      for (const Stappen &s : stappen)
        std::printf(" %9.2f", Mediaan(s.*stap, soort));
      std::printf("   %7.2f\n",
                  Mediaan(stappen.back().*stap, soort) / Mediaan(stappen.front().*stap, soort));
    };
    regel("names window: Add", &Stappen::toevoegen);
    regel("groups window: pick into a slot", &Stappen::kiezen);
    regel("groups window: add the pair", &Stappen::paar);
  }
  return true;
}
