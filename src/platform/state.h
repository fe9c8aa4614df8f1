#pragma once
// The answers of the stand-ins that a test may fix, put back together.

namespace platform {

// Puts back what the stand-ins answer at program start: the system clock
// (setClock) and the system's own on-line test (setOnlineAnswer).
void resetState();

} // namespace platform
