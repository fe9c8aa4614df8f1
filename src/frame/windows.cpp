#include "frame/windows.h"

#include "frame/frmzemlo01.h"
#include "frame/updatecheck.h"
#include "frame/window.h"

#include <QPushButton>

namespace {

// The main window as the update check needs it.
UpdateWindow updateWindowOf(frmZemlo01 *frm) {
  return {frm, frm->cmdSetfocus, [frm] { frm->beeindigProgramma(); }};
}

} // namespace

// The main window, with the update check on its activation and its download
// button.
void registerFrameWindows() {
  registerWindow(QStringLiteral("frmZemlo01"), [] {
    auto *frm = new frmZemlo01;
    QObject::connect(frm, &frmZemlo01::activatedOnLine, frm,
                     [frm] { checkForUpdate(updateWindowOf(frm)); });
    QObject::connect(frm, &frmZemlo01::downloadRequested, frm,
                     [frm] { HaalNieuweVersie(updateWindowOf(frm)); });
    return frm;
  });
}
