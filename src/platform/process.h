#pragma once
// Starting another program that lives on after this one ends.
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Starts program with the given arguments (each one argv entry, no shell) in
// workingFolder, detached from this process: true when it has started.
bool startDetached(const QString &program, const QStringList &arguments,
                   const QString &workingFolder);

// For tests: a hook that is called instead of starting anything, and whose
// answer is taken as whether the start succeeded (an empty hook: real starts).
using StartHook = std::function<bool(const QString &program, const QStringList &arguments,
                                     const QString &workingFolder)>;
void setStartHook(StartHook hook);

} // namespace platform
