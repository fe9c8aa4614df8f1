#pragma once
// One Zemlo a program folder: two copies on one folder would each write back
// what they read, and the one that closes last would undo the other's work.
#include <QLockFile>
#include <QString>

namespace BAS_Zemlo {

// The lock file of a program folder, held while the program runs.
class ProgrammaMapSlot {
public:
  explicit ProgrammaMapSlot(const QString &programmaMap);
  // True when this copy may run: the folder was free, or its lock was left
  // by a copy that no longer runs (it crashed or was killed), or the folder
  // takes no lock file at all (a read-only folder or a full disk, where
  // nothing can be saved anyway). False only while another Zemlo holds it;
  // nothing in the folder is touched then.
  bool neem();

private:
  QLockFile m_lock;
};

// The name of the lock file in the program folder.
inline constexpr char kSlotBestand[] = "zemlo.lock";

} // namespace BAS_Zemlo
