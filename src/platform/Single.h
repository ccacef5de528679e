// Values stored as singles.
#pragma once

#include <limits>

namespace kx {

// v rounded to a single as the hardware rounds it (to nearest), a value beyond the single's range
// becoming infinite with its sign: written out, as C++ leaves that conversion undefined.
constexpr float ToSingle(long double v) {
    // The largest single plus half its last place: from here on the nearest single is infinite.
    constexpr long double kOverflow = 0x1.ffffffp127L;
    if (v >= kOverflow) return std::numeric_limits<float>::infinity();
    if (v <= -kOverflow) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

} // namespace kx
