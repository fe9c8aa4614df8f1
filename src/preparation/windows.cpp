#include "preparation/windows.h"

#include "preparation/frmzemlo04.h"

void registerPreparationWindows() {
  registerWindow(QStringLiteral("frmZemlo04"), [] { return new frmZemlo04; });
}
