#pragma once
// Sizes in twips (1/1440 inch, 15 to a screen pixel) and colours as 0xBBGGRR.
#include <QColor>
#include <cstdint>

namespace platform {

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QColor colorFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace platform
