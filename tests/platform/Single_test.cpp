// Doubles stored as singles: rounded to nearest, infinite beyond the single's range.
#include "platform/Single.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using namespace kx;

TEST(ToSingle, RoundsToNearestAndOverflowsToInfinityWithItsSign) {
    const float inf = INFINITY;
    const std::pair<long double, float> cases[] = {
        {0.0L, 0.0f},
        {3.14159L, 3.14159f},
        {-2.5L, -2.5f},
        {FLT_MAX, FLT_MAX},
        {-FLT_MAX, -FLT_MAX},
        {0x1.fffffefffp127L, FLT_MAX}, // below the half-way point to the next power of two
        {0x1.ffffffp127L, inf},        // half-way: ties to even, which is the infinity
        {1e39L, inf},
        {-1e39L, -inf},
        {1e308L, inf},
        {-1e308L, -inf},
        {1e-50L, 0.0f},
    };
    for (const auto& [v, single] : cases) {
        SCOPED_TRACE(static_cast<double>(v));
        EXPECT_EQ(ToSingle(v), single);
    }
    EXPECT_TRUE(std::isnan(ToSingle(NAN)));
}
