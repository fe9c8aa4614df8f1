#pragma once
// The date and time of day, from one clock that tests can set.
#include <QDateTime>
#include <optional>

namespace platform {

QDateTime now();
QDate today();
// A fixed time for tests; nothing goes back to the system clock.
void setClock(std::optional<QDateTime> fixed);

} // namespace platform
