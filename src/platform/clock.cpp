#include "platform/clock.h"

namespace platform {

namespace {
std::optional<QDateTime> gFixed;
}

QDateTime now() { return gFixed ? *gFixed : QDateTime::currentDateTime(); }
QDate today() { return now().date(); }
void setClock(std::optional<QDateTime> fixed) { gFixed = std::move(fixed); }

} // namespace platform
