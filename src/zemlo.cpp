#include "zemlo.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/programmamap.h"
#include "frame/window.h"
#include "frame/windows.h"
#include "groups/windows.h"
#include "platform/messagebox.h"
#include "preparation/windows.h"
#include "publication/windows.h"
#include "rounds/windows.h"
#include "scoring/windows.h"

#include <QApplication>
#include <QDateTime>

#include <csignal>

int StartZemlo() {
  using namespace BAS_Zemlo;
  // A file-size limit (ulimit -f) would end the program with SIGXFSZ on a
  // save beyond it, taking unsaved work along; ignored, the write fails
  // (EFBIG) and the save says so, as on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  sProgrammaMap = QCoreApplication::applicationDirPath();
  // The folder is taken before anything in it is read or written.
  ProgrammaMapSlot slot(sProgrammaMap);
  ProgrammaMapSlot::Uitkomst slotUitkomst = slot.neem();
  if (slotUitkomst != ProgrammaMapSlot::Uitkomst::Genomen) {
    iTaal = KiesTaal(sProgrammaMap);
    ZetQtTaal(iTaal);
  }
  // Whether a Zemlo still works with the folder on another computer is for
  // the director to say.
  if (slotUitkomst == ProgrammaMapSlot::Uitkomst::AndereComputer) {
    const QDateTime sinds = slot.sinds();
    const QString vraag = TekstMet(
        208,
        {{u'~', slot.computer()},
         {u'#', DatumTekst(sinds.date()) + u' ' + sinds.time().toString(QStringLiteral("HH:mm"))}});
    if (!platform::question(nullptr, Tekst(0), vraag))
      return 0;
    slotUitkomst = slot.neemOver();
  }
  switch (slotUitkomst) {
  case ProgrammaMapSlot::Uitkomst::Genomen:
    break;
  case ProgrammaMapSlot::Uitkomst::InGebruik:
  case ProgrammaMapSlot::Uitkomst::AndereComputer:
    platform::information(nullptr, Tekst(0), TekstMet(196, sProgrammaMap));
    return 0;
  case ProgrammaMapSlot::Uitkomst::NietTeVerwijderen:
    platform::critical(nullptr, Tekst(0), TekstMet(209, slot.bestand()));
    return 1;
  }
  registerFrameWindows();
  registerGroupsWindows();
  registerPreparationWindows();
  registerScoringWindows();
  registerRoundsWindows();
  registerPublicationWindows();
  auto *hoofdvenster = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
  if (!hoofdvenster)
    return 1;
  // The first activation runs before the event loop: a program it ended
  // (Yes to the update question) must not start the loop, which no quit
  // would end any more.
  if (hoofdvenster->isBeeindigd())
    return 0;
  return QApplication::exec();
}
