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

// The colour to draw: plain values by their bytes, system colours from the application's palette.
QColor toQColor(VbColor color);

} // namespace tarvello::forms
