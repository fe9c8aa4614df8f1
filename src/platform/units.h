#pragma once
// Sizes in twips (1/1440 inch, 15 to a screen pixel).

namespace platform {

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

} // namespace platform
