#include "publication/windows.h"

#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "platform/messagebox.h"
#include "publication/frmzemlo08.h"
#include "publication/frmzemlo09.h"
#include "publication/frmzemlo10.h"
#include "publication/mailtxt.h"
#include "scoring/uitslagvenster.h"

void LeesMailTxt(frmZemlo01 *frm) {
  if (const int tekst = LeesMailTxtBestand()) {
    // At start-up the main window is not shown yet: a box placed on it would
    // stand in the corner of the screen, so it is centred on the screen.
    QWidget *ouder = frm && frm->isVisible() ? frm : nullptr;
    platform::critical(ouder, frm ? frm->windowTitle() : BAS_Zemlo::Tekst(0),
                       BAS_Zemlo::Tekst(tekst));
  }
}

void registerPublicationWindows() {
  frmZemlo01::setMailTxtReader(&LeesMailTxt);
  registerWindow(QStringLiteral("frmZemlo08"), [] { return new frmZemlo08; });
  scoring::ZetUitslagVenster([](ZemloWindow *opener, int iVanForm, const scoring::Uitslag &uitslag,
                                const QStringList &lstVoorMail) {
    return openWindow(QStringLiteral("frmZemlo08"), opener, iVanForm, [&](ZemloWindow *w) {
      static_cast<frmZemlo08 *>(w)->neemUitslag(uitslag, lstVoorMail);
    });
  });
  registerWindow(QStringLiteral("frmZemlo09"), [] { return new frmZemlo09; });
  registerWindow(QStringLiteral("frmZemlo10"), [] { return new frmZemlo10; });
}
