#pragma once

#include <QColor>

#include <cstdint>

namespace tarvello::forms {

// A colour as the game writes it: &HBBGGRR, red in the low byte. Values with the top bit set name a
// system colour by its index in the low byte (&H80000008 is the window-text colour).
using VbColor = uint32_t;

inline constexpr VbColor kSystemColorFlag = 0x80000000u;
inline constexpr VbColor kSysButtonFace = 0x8000000Fu;
inline constexpr VbColor kSysButtonText = 0x80000012u;
inline constexpr VbColor kSysWindow = 0x80000005u;
inline constexpr VbColor kSysWindowText = 0x80000008u;

// The plain colours the game's windows use, by name.
namespace colors {
inline constexpr VbColor kBlack = 0x000000;
inline constexpr VbColor kWhite = 0xFFFFFF;
inline constexpr VbColor kGray = 0xC0C0C0;
inline constexpr VbColor kRed = 0x0000FF;
inline constexpr VbColor kGreen = 0x00FF00;
inline constexpr VbColor kBlue = 0xFF0000;
inline constexpr VbColor kYellow = 0x00FFFF;
inline constexpr VbColor kCyan = 0xFFFF00;
inline constexpr VbColor kMagenta = 0xFF00FF;
inline constexpr VbColor kDarkGreen = 0x008000;
inline constexpr VbColor kDarkRed = 0x000080;
inline constexpr VbColor kVeryDarkRed = 0x000040;
} // namespace colors

// The colour to draw: plain values by their bytes, system colours from the application's palette.
QColor toQColor(VbColor color);

} // namespace tarvello::forms
