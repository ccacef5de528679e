// Section formulas against hand calculations and published section properties.
#include "sections/SectionFormulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kx;

namespace {

constexpr double pi = std::numbers::pi;

::testing::AssertionResult near(double got, double want, double rel) {
    if (std::fabs(got - want) <= rel * std::fabs(want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " against " << want;
}

} // namespace

TEST(SectionFormulas, RoundsToSignificantFigures) {
    EXPECT_EQ(RoundSig(84613.14, 5), 84613.0);
    EXPECT_EQ(RoundSig(0.8974449, 5), 0.89744);
    EXPECT_EQ(RoundSig(1.986655e9, 5), 1.9867e9);
    EXPECT_EQ(RoundSig(53.3524, 3), 53.4);
    EXPECT_EQ(RoundSig(999.996, 5), 1000.0);
    EXPECT_EQ(RoundSig(-1234.56, 3), -1230.0);
    EXPECT_EQ(RoundSig(0.0, 5), 0.0);
    // A stored dimension stands for its published decimal.
    EXPECT_EQ(DimensionValue(12.7f), 12.7);
    EXPECT_EQ(DimensionValue(357.6f), 357.6);
    EXPECT_EQ(DimensionValue(1046.0f), 1046.0);
}

TEST(SectionFormulas, OutlineOfRectanglesAndFillets) {
    Outline rect;
    rect.AddRect(-50, -100, 50, 100);
    EXPECT_DOUBLE_EQ(rect.Area(), 20000);
    EXPECT_DOUBLE_EQ(rect.Ixx(), 100.0 * 200 * 200 * 200 / 12);
    EXPECT_DOUBLE_EQ(rect.Iyy(), 200.0 * 100 * 100 * 100 / 12);
    EXPECT_NEAR(rect.Ixy(), 0, 1e-6);

    // One root fillet: area (1 - pi/4) r², centroid 0.2234 r from both faces.
    const double r = 10;
    Outline fillet;
    fillet.AddFillet(0, 0, r, 1, 1);
    EXPECT_TRUE(near(fillet.Area(), (1 - pi / 4) * r * r, 1e-12));
    EXPECT_TRUE(near(fillet.CentroidX(), (10 - 3 * pi) / (12 - 3 * pi) * r, 1e-12));
    EXPECT_TRUE(near(fillet.CentroidY(), 2.2337, 1e-4));
    EXPECT_TRUE(near(fillet.Ixx(), (1.0 / 3 - pi / 16 - 1 / (36 * (1 - pi / 4))) * std::pow(r, 4), 1e-9));

    // A 2r square less its four corner fillets is a disc.
    Outline disc;
    disc.AddRect(-r, -r, r, r);
    disc.AddFillet(r, r, r, -1, -1, -1);
    disc.AddFillet(-r, r, r, 1, -1, -1);
    disc.AddFillet(r, -r, r, -1, 1, -1);
    disc.AddFillet(-r, -r, r, 1, 1, -1);
    EXPECT_TRUE(near(disc.Area(), pi * r * r, 1e-12));
    EXPECT_TRUE(near(disc.Ixx(), pi * std::pow(r, 4) / 4, 1e-12));
    EXPECT_TRUE(near(disc.Iyy(), pi * std::pow(r, 4) / 4, 1e-12));
    EXPECT_NEAR(disc.Ixy(), 0, 1e-9);
}

TEST(SectionFormulas, SharpCorneredAngleByHand) {
    // 100 x 60 x 10 angle, no radii: legs 10 x 100 upright and 50 x 10 flat.
    const AngleProperties p = AngleSectionProperties(100, 60, 10, 0, 0);
    EXPECT_DOUBLE_EQ(p.A, 1500);
    const double cy = (1000 * 5 + 500 * 35) / 1500.0; // from the back of the upright leg
    const double cx = (1000 * 50 + 500 * 5) / 1500.0; // from the back of the flat leg
    EXPECT_NEAR(p.cy, cy, 1e-9);
    EXPECT_NEAR(p.cx, cx, 1e-9);
    const double Ixx =
        10 * 1e6 / 12 + 1000 * std::pow(50 - cx, 2) + 50 * 1000 / 12.0 + 500 * std::pow(5 - cx, 2);
    const double Iyy =
        100 * 1000 / 12.0 + 1000 * std::pow(5 - cy, 2) + 10 * 125000 / 12.0 + 500 * std::pow(35 - cy, 2);
    const double Ixy = 1000 * (5 - cy) * (50 - cx) + 500 * (35 - cy) * (5 - cx);
    EXPECT_NEAR(p.Ixx, Ixx, 1e-6);
    EXPECT_NEAR(p.Iyy, Iyy, 1e-6);
    const double mean = (Ixx + Iyy) / 2, radius = std::hypot((Ixx - Iyy) / 2, Ixy);
    EXPECT_NEAR(p.Iu, mean + radius, 1e-6);
    EXPECT_NEAR(p.Iv, mean - radius, 1e-6);
    EXPECT_NEAR(std::tan(2 * p.Alpha * pi / 180), -2 * Ixy / (Ixx - Iyy), 1e-9);
    EXPECT_GT(p.Alpha, 0);
    EXPECT_LT(p.Alpha, 45);
    // Equal legs: principal axes at 45 degrees.
    EXPECT_EQ(AngleSectionProperties(80, 80, 8, 10, 4.8).Alpha, 45);
}

TEST(SectionFormulas, ReproducePublishedColumnRows) {
    // 152 UC 23, 305 UC 97 and 356 UC 634 as published: D, B, t, T, r1, then A, Ixx, Iyy, rx, ry,
    // J, byte 160, Sx, Sy, u, x, H.
    struct Row {
        double D, B, t, T, r1, A, Ixx, Iyy, rx, ry, J, L, Sx, Sy, u, x, H;
    };
    const Row rows[] = {
        {152.4, 152.2, 5.8, 6.8, 7.6, 2924.5, 1.2498e+07, 3999200, 65.372, 36.979, 46348, 14.066, 182400,
         80075, 0.84051, 20.701, 2.1195e+10},
        {307.9, 305.3, 9.9, 15.4, 15.2, 12345, 2.2249e+08, 7.3076e+07, 134.25, 76.939, 912380, 29.015,
         1595800, 725480, 0.85107, 19.257, 1.563e+12},
        {474.6, 424, 47.6, 77, 15.2, 80755, 2.7485e+09, 9.8125e+08, 184.48, 110.23, 1.3724e+08, 151.08,
         1.4251e+07, 7107700, 0.84368, 5.459, 3.878e+13},
    };
    for (const Row& w : rows) {
        TSectionRec rec;
        FillIHRecord(rec, w.D, w.B, w.t, w.T, w.r1, 5, 5);
        EXPECT_TRUE(near(rec.A, w.A, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.Ixx, w.Ixx, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.Iyy, w.Iyy, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.rx, w.rx, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.ry, w.ry, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.J, w.J, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.TorsionLength, w.L, 5e-5)) << w.D;
        EXPECT_TRUE(near(rec.Sx, w.Sx, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.Sy, w.Sy, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.u, w.u, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.x, w.x, 1e-3)) << w.D;
        EXPECT_TRUE(near(rec.H, w.H, 1e-3)) << w.D;
        EXPECT_EQ(rec.b, static_cast<float>(w.B / 2));
        EXPECT_EQ(rec.FibreX, static_cast<float>(w.D / 2));
        EXPECT_EQ(rec.d, static_cast<float>(RoundSig(w.D - 2 * (w.T + w.r1), 6)));
    }
}

TEST(SectionFormulas, ReproducePublishedHollowSections) {
    // 500 x 300 x 16 RHS and 48.3 x 4.0 CHS as published.
    TSectionRec rhs;
    FillRHSRecord(rhs, 500, 300, 16);
    EXPECT_EQ(rhs.A, 24452.0f);
    EXPECT_EQ(rhs.Ixx, 8.2673e+08f);
    EXPECT_EQ(rhs.Iyy, 3.7076e+08f);
    EXPECT_TRUE(near(rhs.rx, 183.87, 1e-4));
    EXPECT_TRUE(near(rhs.ry, 123.14, 1e-4));
    EXPECT_EQ(rhs.J, 8.0223e+08f);
    EXPECT_EQ(rhs.TorsionLength, 198.0f);
    EXPECT_EQ(rhs.Sx, 4041400.0f);
    EXPECT_EQ(rhs.Sy, 2825000.0f);
    EXPECT_EQ(rhs.b, 252.0f);
    EXPECT_EQ(rhs.d, 452.0f);

    TSectionRec chs;
    FillCHSRecord(chs, 48.3, 4);
    EXPECT_EQ(chs.A, 556.69f);
    EXPECT_TRUE(near(chs.Ixx, 137680, 1e-4));
    EXPECT_EQ(chs.rx, 15.726f);
    EXPECT_TRUE(near(chs.J, 275350, 1e-4));
    EXPECT_TRUE(near(chs.Sx, 7863.6, 3e-3));
    EXPECT_EQ(chs.TorsionLength, 24.15f);
}

TEST(SectionFormulas, ReproducePublishedUnequalAngle) {
    // 200 x 150 x 12 RSA as published.
    TSectionRec rec;
    FillAngleRecord(rec, 200, 150, 12, 15, 4.8);
    EXPECT_EQ(rec.A, 4094.4f);
    EXPECT_EQ(rec.cx, 60.971f);
    EXPECT_EQ(rec.cy, 36.266f);
    EXPECT_EQ(rec.FibreY, 113.73f);
    EXPECT_EQ(rec.FibreX, 139.03f);
    EXPECT_TRUE(near(rec.Ixx, 1.6674e+07, 5e-5));
    EXPECT_TRUE(near(rec.Iyy, 8124800, 5e-5));
    EXPECT_TRUE(near(rec.Iu, 2.0448e+07, 1.2e-3));
    EXPECT_TRUE(near(rec.Iv, 4353100, 1.2e-3));
    EXPECT_NEAR(rec.Alpha, 28.934, 0.07);
    EXPECT_TRUE(near(rec.J, 210590, 1.2e-4));
    EXPECT_EQ(rec.TorsionLength, 22.178f);
    EXPECT_EQ(rec.T, rec.t);
}
