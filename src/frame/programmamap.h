#pragma once
// One Zemlo a program folder: two copies on one folder would each write back
// what they read, and the one that closes last would undo the other's work.
#include <QDateTime>
#include <QLockFile>
#include <QString>

namespace BAS_Zemlo {

// The lock file of a program folder, held while the program runs.
class ProgrammaMapSlot {
public:
  enum class Uitkomst {
    Genomen,          // this copy may run
    InGebruik,        // a Zemlo of this computer works with the folder
    AndereComputer,   // the lock is of another computer: computer() and sinds()
    NietTeVerwijderen // what stands in the lock's place cannot be removed
  };

  explicit ProgrammaMapSlot(const QString &programmaMap);
  // Genomen when the folder was free; when its lock was left by a copy of
  // this computer that no longer runs (it crashed or was killed); when what
  // stands in its place is no lock (an empty, unreadable or garbled file, an
  // empty folder), which is then removed; or when the folder takes no lock
  // file at all (a read-only folder or a full disk, where nothing can be
  // saved anyway). A lock of a running Zemlo of this computer is never taken,
  // however old it is. Nothing but what is no lock is touched unless the
  // folder is taken.
  Uitkomst neem();
  // The same, but a lock of another computer is removed and the folder taken
  // over: the director knows that no Zemlo works with it there any more.
  Uitkomst neemOver();

  // After AndereComputer: the name of the computer that holds the lock, and
  // the time its lock file was written.
  QString computer() const { return m_computer; }
  QDateTime sinds() const { return m_sinds; }
  // The full path of the lock file.
  QString bestand() const { return m_lock.fileName(); }

private:
  Uitkomst probeer(bool andereComputerOvernemen);

  QLockFile m_lock;
  QString m_computer;
  QDateTime m_sinds;
};

// The name of the lock file in the program folder.
inline constexpr char kSlotBestand[] = "zemlo.lock";

} // namespace BAS_Zemlo
