#include "platform/state.h"

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/online.h"

#include <optional>

namespace platform {

void resetState() {
  setClock(std::nullopt);
  setOnlineAnswer(std::nullopt);
  setUnreadableFiles({});
  setUndeletableFiles({});
}

} // namespace platform
