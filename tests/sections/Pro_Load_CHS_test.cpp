// Circular hollow section file: every derived row by the tube formulas and the figures stored.
#include "sections/Pro_Load_CHS.h"

#include <gtest/gtest.h>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

TEST(Pro_Load_CHS, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_CHS, "CHS.sct");
    const Expected e = expectedRecords("CHS.sct", 89, true, false);
    ASSERT_EQ(recs.size(), 89u);
    for (int pos = 1; pos <= 89; ++pos) {
        if (e.spacer(pos)) continue;
        const Image& rec = recs[pos - 1];
        const std::uint8_t* r = rec.data();
        const std::string where = "CHS.sct record " + std::to_string(pos) + " " + e.names[pos - 1];
        const std::vector<double> n = numbersIn(e.names[pos - 1]);
        ASSERT_EQ(n.size(), 2u) << where;
        EXPECT_TRUE(singleAt(r, 28) == float(n[0]) && singleAt(r, 36) == float(n[1])) << where << " D, t";
        // B = D, T = t, Iyy = Ixx, ry = rx, Sy = Sx.
        for (auto [x, y] : {std::pair{32, 28}, {40, 36}, {108, 104}, {116, 112}, {172, 168}})
            EXPECT_EQ(singleAt(r, x), singleAt(r, y)) << where << " bytes " << x << ", " << y;
        for (int off : {128, 132, 160})
            EXPECT_EQ(singleAt(r, off), singleAt(r, 28) / 2) << where << " byte " << off;

        const double D = at(rec, 28), t = at(rec, 36), d = D - 2 * t;
        const double A = at(rec, 100), I = at(rec, 104);
        EXPECT_TRUE(within(at(rec, 156), 2 * I, 5e-5)) << where << " J";
        EXPECT_TRUE(within(A, Pi * t * (D - t), 2e-3)) << where << " A";
        EXPECT_TRUE(within(I, Pi * (std::pow(D, 4) - std::pow(d, 4)) / 64, 1e-3)) << where << " Ixx";
        EXPECT_TRUE(within(at(rec, 112), std::sqrt(I / A), 1.5e-3)) << where << " rx";
        EXPECT_TRUE(within(at(rec, 168), (std::pow(D, 3) - std::pow(d, 3)) / 6, 3e-3)) << where << " Sx";
        // The 139.7 mm group is held to three figures, with J exactly twice the stored Ixx.
        const bool threeFigures = singleAt(r, 28) == 139.7f;
        for (int off : {100, 104, 112, 168})
            EXPECT_TRUE(heldTo(singleAt(r, off), threeFigures ? 3 : 5)) << where << " byte " << off;
        EXPECT_TRUE(threeFigures ? singleAt(r, 156) == 2 * singleAt(r, 104) : heldTo(singleAt(r, 156), 5))
            << where << " J";
    }
}
