// Whole numbers from reals: drawing positions, flag tests and counts held in singles.
#pragma once

#include <cstdint>

namespace kx {

// x rounded to the nearest whole number, ties to even; 0 for 0.0. A value whose rounded value
// lies outside the 32-bit range, or that is not a number, throws ConvertError.
std::int32_t FloatToInt(double x);

} // namespace kx
