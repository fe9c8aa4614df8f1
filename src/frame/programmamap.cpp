#include "frame/programmamap.h"

#include "platform/lockfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <optional>

namespace BAS_Zemlo {

namespace {

// What a lock file says of its holder, line by line: the process id, the
// program's file name, the computer's host name, its machine id and the id of
// the computer's current boot (the last two may be missing).
struct Houder {
  qint64 pid = 0;
  QString programma;
  QString computer;
  QByteArray machine;
  QByteArray start;
};

// Nothing when the file cannot be read or is no lock: empty, or a first line
// that is no process id.
std::optional<Houder> LeesHouder(const QString &pad) {
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly))
    return std::nullopt;
  QList<QByteArray> regels = f.read(4096).split('\n');
  for (QByteArray &regel : regels)
    if (regel.endsWith('\r'))
      regel.chop(1);
  bool ok = false;
  Houder houder;
  houder.pid = regels.value(0).toLongLong(&ok);
  if (!ok || houder.pid <= 0)
    return std::nullopt;
  houder.programma = QString::fromUtf8(regels.value(1));
  houder.computer = QString::fromUtf8(regels.value(2));
  houder.machine = regels.value(3);
  houder.start = regels.value(4);
  return houder;
}

// Told apart as QLockFile does: by the machine id where both are known, else
// by the host name (a lock without one is of this computer).
bool VanDezeComputer(const Houder &houder) {
  const QByteArray machine = QSysInfo::machineUniqueId();
  if (!houder.machine.isEmpty() && !machine.isEmpty())
    return houder.machine == machine;
  return houder.computer.isEmpty() || houder.computer == QSysInfo::machineHostName();
}

// A lock of this computer whose copy still runs: written since the computer
// last started, by a process that still runs the same program.
bool Draait(const Houder &houder) {
  if (!houder.start.isEmpty() && houder.start != QSysInfo::bootUniqueId())
    return false;
  return platform::processRuns(houder.pid, houder.programma);
}

} // namespace

ProgrammaMapSlot::ProgrammaMapSlot(const QString &programmaMap)
    : m_lock(programmaMap + u'/' + QLatin1String(kSlotBestand)) {
  // A lock counts as left behind only when the copy that took it no longer
  // runs, never because it is old: a Zemlo may stay open for days.
  m_lock.setStaleLockTime(0);
}

ProgrammaMapSlot::Uitkomst ProgrammaMapSlot::neem() { return probeer(false); }

ProgrammaMapSlot::Uitkomst ProgrammaMapSlot::neemOver() { return probeer(true); }

ProgrammaMapSlot::Uitkomst ProgrammaMapSlot::probeer(bool andereComputerOvernemen) {
  const QString pad = m_lock.fileName();
  // Another start may take the folder between a removal and the next try.
  for (int ronde = 0; ronde < 3; ++ronde) {
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
      return Uitkomst::Genomen;
    // Something stands in the lock's place.
    const QFileInfo info(pad);
    if (info.isFile() && !info.isSymLink()) {
      if (const std::optional<Houder> houder = LeesHouder(pad)) {
        if (VanDezeComputer(*houder)) {
          if (Draait(*houder))
            return Uitkomst::InGebruik;
        } else if (!andereComputerOvernemen) {
          m_computer = houder->computer;
          m_sinds = info.lastModified();
          return Uitkomst::AndereComputer;
        }
      }
    }
    switch (platform::removeUnheldLockFile(pad)) {
    case platform::LockRemoval::Removed:
      break;
    case platform::LockRemoval::Held:
      return Uitkomst::InGebruik;
    case platform::LockRemoval::Failed:
      return Uitkomst::NietTeVerwijderen;
    }
  }
  return Uitkomst::InGebruik;
}

} // namespace BAS_Zemlo
