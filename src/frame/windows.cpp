#include "frame/windows.h"

#include "frame/frmzemlo01.h"
#include "frame/updatecheck.h"
#include "frame/window.h"

// The main window, with the update check on its activation and its download
// button.
void registerFrameWindows() {
  registerWindow(QStringLiteral("frmZemlo01"), [] {
    auto *frm = new frmZemlo01;
    QObject::connect(frm, &frmZemlo01::activatedOnLine, frm,
                     [frm] { checkForUpdate(frm->updateWindow()); });
    QObject::connect(frm, &frmZemlo01::downloadRequested, frm,
                     [frm] { HaalNieuweVersie(frm->updateWindow()); });
    return frm;
  });
}
