#pragma once
// The answers of the stand-ins that a test may fix, put back together.

namespace platform {

// Puts back what the stand-ins answer at program start: the system clock
// (setClock), the system's own on-line test (setOnlineAnswer), and files
// read and removed as the system allows (setUnreadableFiles,
// setUndeletableFiles).
void resetState();

} // namespace platform
