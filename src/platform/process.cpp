#include "platform/process.h"

#include <QProcess>

namespace platform {

namespace {
StartHook gHook;
} // namespace

bool startDetached(const QString &program, const QStringList &arguments,
                   const QString &workingFolder) {
  if (gHook)
    return gHook(program, arguments, workingFolder);
  return QProcess::startDetached(program, arguments, workingFolder);
}

void setStartHook(StartHook hook) { gHook = std::move(hook); }

} // namespace platform
