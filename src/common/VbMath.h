#pragma once

#include <cstdint>

namespace tarvello::vb {

// Int: the largest whole number not above x (Int(-1.25) = -2).
double Int(double x);
// Fix: x with its fraction dropped (Fix(-1.25) = -1).
double Fix(double x);
// CInt / CLng: round half to even, saturating at the type's range instead of overflowing.
int16_t CInt(double x);
int32_t CLng(double x);
// Narrow a Double to a Single, as a Single variable stores it.
inline float toSingle(double x) { return static_cast<float>(x); }
// Mod on whole numbers: the sign follows the dividend (-7 Mod 6 = -1).
int32_t Mod(int32_t a, int32_t b);

} // namespace tarvello::vb
