#include "platform/mailoutcome.h"

namespace platform {

long mailError(long transferCode, bool accepted) { return accepted ? 0 : transferCode; }

} // namespace platform
