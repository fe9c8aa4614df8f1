#pragma once
#include <QString>
#include <optional>

namespace platform {

// True when a network interface other than loopback is up and carries a
// default route.
bool isOnline();
// Reads the answer from the given route tables (for tests of the reading).
bool hasDefaultRoute(const QString &ipv4Table, const QString &ipv6Table);
// A fixed answer for tests.
void setOnlineAnswer(std::optional<bool> answer);

} // namespace platform
