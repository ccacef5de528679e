// Whole numbers from reals: drawing positions, flag tests and counts held in singles.
#pragma once

#include <cmath>
#include <cstdint>

namespace kx {

// FloatToInt of the values the usual path leaves: the lowest whole number and every error.
std::int32_t FloatToIntOther(double x);

// x rounded to the nearest whole number, ties to even; 0 for 0.0. A value whose rounded value
// lies outside the 32-bit range, or that is not a number, throws ConvertError. Inline, as flag
// tests of the load records run in the analysis' inner loops.
inline std::int32_t FloatToInt(double x) {
    // Adding and taking away 1.5 x 2^52 rounds away the fraction of any |x| below 2^51, ties to
    // even, in the default rounding mode.
    constexpr double kRound = 6755399441055744.0;
    if (std::fabs(x) < 2147483648.0) {
        const double r = (x + kRound) - kRound;
        if (r <= 2147483647.0) return static_cast<std::int32_t>(r);
    }
    return FloatToIntOther(x);
}

} // namespace kx
