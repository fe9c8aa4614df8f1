#include "preparation/windows.h"

#include "preparation/frmzemlo04.h"
#include "preparation/frmzemlo12.h"

void registerPreparationWindows() {
  registerWindow(QStringLiteral("frmZemlo04"), [] { return new frmZemlo04; });
  registerWindow(QStringLiteral("frmZemlo12"), [] { return new frmZemlo12; });
}
