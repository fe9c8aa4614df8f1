#include "scoring/windows.h"

#include "frame/window.h"
#include "scoring/frmzemlo06.h"

void registerScoringWindows() {
  registerWindow(QStringLiteral("frmZemlo06"), [] { return new frmZemlo06; });
}
