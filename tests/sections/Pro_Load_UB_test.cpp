// Universal beam file: every derived row by the section rules, the mass its name gives and the ranges
// printed.
#include "sections/Pro_Load_UB.h"

#include <gtest/gtest.h>

#include <tuple>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

TEST(Pro_Load_UB, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_UB, "UB.sct");
    const Expected e = expectedRecords("UB.sct", 95, true, false);
    ASSERT_EQ(recs.size(), 95u);
    const IHTolerances tol{1e-3, 1e-3, 1e-3, 1e-3, 1e-3, 1e-3, 1e-3, 5e-5, 5, 5};
    // Ranges of D, B, t, T, r1, u and x over the table.
    const std::vector<std::tuple<int, float, float>> ranges = {
        {28, 127, 926.6f}, {32, 76, 420.5f},          {36, 4, 21.4f},         {40, 6.8f, 36.6f},
        {44, 7.6f, 24.1f}, {176, 0.84667f, 0.89764f}, {180, 16.267f, 49.785f}};
    for (const std::vector<int>& group : groupsOf(e)) {
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string where = "UB.sct record " + std::to_string(pos) + " " + e.names[pos - 1];
            expectIHRules(rec, tol, where);
            const double mass = at(rec, 100) * 0.00785;
            if (pos == 87) {
                EXPECT_NEAR(mass, 226.52, 0.005) << where << " weighs more than its name says";
            } else {
                EXPECT_EQ(std::round(mass), numbersIn(e.names[pos - 1]).back()) << where << " mass " << mass;
            }
            for (const auto& [off, lo, hi] : ranges)
                EXPECT_TRUE(singleAt(rec.data(), off) >= lo && singleAt(rec.data(), off) <= hi)
                    << where << " byte " << off << " " << at(rec, off);
            // The ratio of plastic to elastic modulus, stated to two decimals.
            const double shapeFactor =
                std::round(at(rec, 168) / (at(rec, 104) / (at(rec, 28) / 2)) * 100) / 100;
            EXPECT_TRUE(shapeFactor >= 1.11 && shapeFactor <= 1.17) << where << " Sx/Zx " << shapeFactor;
        }
        expectRising(recs, group, 100, "UB.sct");
    }
}
