#include "frame/programmamap.h"

namespace BAS_Zemlo {

ProgrammaMapSlot::ProgrammaMapSlot(const QString &programmaMap)
    : m_lock(programmaMap + u'/' + QLatin1String(kSlotBestand)) {
  // A lock counts as left behind only when the copy that took it no longer
  // runs, never because it is old: a Zemlo may stay open for days.
  m_lock.setStaleLockTime(0);
}

bool ProgrammaMapSlot::neem() {
  if (m_lock.tryLock(0))
    return true;
  return m_lock.error() != QLockFile::LockFailedError;
}

} // namespace BAS_Zemlo
