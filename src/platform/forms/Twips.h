#pragma once

#include <cmath>

namespace tarvello::forms {

// Positions and sizes are kept in twips, as the game writes them; the screen gets pixels at 96 dpi
// (15 twips a pixel) and Qt's high-DPI scaling does the rest. Rounding to the nearest pixel keeps odd
// values such as 5161 as close as a pixel allows.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// A control's Left, Top, Width and Height, in twips.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipRect &) const = default;
};

} // namespace tarvello::forms
