#include "rounds/windows.h"

#include "frame/window.h"
#include "rounds/frmzemlo07.h"

void registerRoundsWindows() {
  registerWindow(QStringLiteral("frmZemlo07"), [] { return new frmZemlo07; });
}
