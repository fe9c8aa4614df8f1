#include "groups/windows.h"

#include "frame/window.h"
#include "groups/frmzemlo02.h"
#include "groups/frmzemlo03.h"
#include "groups/frmzemlo05.h"

void registerGroupsWindows() {
  registerWindow(QStringLiteral("frmZemlo02"), [] { return new frmZemlo02; });
  registerWindow(QStringLiteral("frmZemlo03"), [] { return new frmZemlo03; });
  registerWindow(QStringLiteral("frmZemlo05"), [] { return new frmZemlo05; });
}
