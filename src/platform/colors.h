#pragma once
// Colours given as 0xBBGGRR values, as the program's data and layout give them.
#include <QColor>
#include <cstdint>

namespace platform {

inline QColor colorFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace platform
