// Support positions: the running sums of member lengths that the file, the sketches, the diagrams
// and results at a point all place the supports by.
#include "foundation/SharedModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace kx;

TEST(SupportPositions, RunningSumsBySlotWithTheLastSupportCarriedToTheRHEnd) {
    struct Row {
        const char* beam;
        float lh;                 // LH cantilever length
        std::vector<float> spans; // spans 1..n
        float past;               // a length left in every row past the last span
        std::vector<double> want; // slots 0..n, worked by hand
    };
    const Row rows[] = {
        {"three spans, no cantilever", 0, {4000, 2500.5f, 3000}, 0, {0, 4000, 6500.5, 9500.5}},
        {"LH cantilever", 1200, {4000, 4000}, 0, {1200, 5200, 9200}},
        {"one span", 0, {6000}, 0, {0, 6000}},
        {"no spans", 750, {}, 0, {750}},
        {"lengths left past the last span", 300, {1000, 2000}, 9999, {300, 1300, 3300}},
        {"25 spans", 500, std::vector<float>(25, 1000), 0, {500,   1500,  2500,  3500,  4500,  5500,  6500,
                                                            7500,  8500,  9500,  10500, 11500, 12500, 13500,
                                                            14500, 15500, 16500, 17500, 18500, 19500, 20500,
                                                            21500, 22500, 23500, 24500, 25500}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.beam);
        const int n = static_cast<int>(r.spans.size());
        Arr<TMemberRow, 0, 27> members;
        members[kLHCantRow][mfL] = r.lh;
        for (int k = 1; k <= kMaxSpans; ++k)
            members[k][mfL] = k <= n ? r.spans[static_cast<std::size_t>(k - 1)] : r.past;
        members[kRHCantRow][mfL] = 800; // the RH cantilever places no support
        const auto pos = SupportPositions(members, r.lh, n);
        for (int k = 0; k <= kRHEndSupport; ++k)
            EXPECT_EQ(pos[k], r.want[static_cast<std::size_t>(std::min(k, n))]) << "slot " << k;
    }
}

TEST(SupportPositions, SummedInTheCallersType) {
    // 2^24 + 1 holds in a double but rounds back to 2^24 in a single.
    const float L[] = {0, 16777216.0f, 1.0f};
    auto span = [&L](int k) { return L[k]; };
    EXPECT_EQ(SupportPositions(0.0, 2, span)[2], 16777217.0);
    EXPECT_EQ(SupportPositions(0.0f, 2, span)[2], 16777216.0f);
    EXPECT_EQ(SupportPositions(0.0f, 2, span)[kRHEndSupport], 16777216.0f);
}
