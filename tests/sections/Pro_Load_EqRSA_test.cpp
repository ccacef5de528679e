// Equal angle file, RSA series: every derived row against its outline traced as a polygon and the rules
// printed.
#include "sections/Pro_Load_EqRSA.h"

#include <gtest/gtest.h>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// An angle with its heel at the origin, leg D up the y axis and leg B along the x axis, traced
// anticlockwise: the root fillet and the two toe roundings as arcs.
Points angleOutline(double D, double B, double t, double r1, double r2) {
    Points p{{0, 0}, {B, 0}};
    addArc(p, B - r2, t - r2, r2, 0, 90);
    addArc(p, t + r1, t + r1, r1, 270, 180);
    addArc(p, t - r2, D - r2, r2, 0, 90);
    p.emplace_back(0, D);
    return p;
}

} // namespace

TEST(Pro_Load_EqRSA, EveryRowObeysTheOutlineRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_EqRSA, "EqRSA.sct");
    const Expected e = expectedRecords("EqRSA.sct", 66, true, false);
    ASSERT_EQ(recs.size(), 66u);
    for (int pos = 1; pos <= 66; ++pos) {
        if (e.spacer(pos)) continue;
        const Image& rec = recs[pos - 1];
        const std::uint8_t* r = rec.data();
        const std::string where = "EqRSA.sct record " + std::to_string(pos) + " " + e.names[pos - 1];
        const std::vector<double> n = numbersIn(e.names[pos - 1]);
        ASSERT_EQ(n.size(), 3u) << where;
        EXPECT_EQ(singleAt(r, 28), static_cast<float>(n[0])) << where;
        EXPECT_EQ(singleAt(r, 36), static_cast<float>(n[2])) << where;
        for (auto [x, y] : {std::pair{28, 32}, {36, 40}, {108, 104}, {116, 112}, {124, 120}, {132, 128}})
            EXPECT_EQ(singleAt(r, x), singleAt(r, y)) << where << " bytes " << x << ", " << y;

        const double D = at(rec, 28), B = at(rec, 32), t = at(rec, 36), r1 = at(rec, 44), r2 = at(rec, 48);
        const double A = at(rec, 100), Ixx = at(rec, 104), Iyy = at(rec, 108), Iu = at(rec, 136),
                     Iv = at(rec, 140);
        const double alpha = at(rec, 152);
        EXPECT_TRUE(within(A, t * (D + B - t) + (1 - Pi / 4) * (r1 * r1 - 2 * r2 * r2), 5e-5))
            << where << " A";
        const PolygonValues o = polygonValues(angleOutline(D, B, t, r1, r2));
        EXPECT_TRUE(within(A, o.A, 5e-5)) << where << " A of the outline";
        EXPECT_TRUE(within(Ixx, o.Ixx, 5e-5)) << where << " Ixx";
        EXPECT_TRUE(within(Iyy, o.Iyy, 5e-5)) << where << " Iyy";
        EXPECT_TRUE(within(at(rec, 120), o.cy, 5e-5)) << where << " byte 120";
        EXPECT_TRUE(within(at(rec, 124), o.cx, 5e-5)) << where << " byte 124";
        EXPECT_NEAR(at(rec, 128), B - at(rec, 124), 0.006) << where << " byte 128";
        EXPECT_NEAR(at(rec, 132), D - at(rec, 120), 0.006) << where << " byte 132";
        for (auto [off, I] : {std::pair{112, Ixx}, {116, Iyy}, {144, Iu}, {148, Iv}})
            EXPECT_TRUE(within(at(rec, off), std::sqrt(I / A), 5e-5)) << where << " radius at byte " << off;

        EXPECT_TRUE(Iu > Ixx && Ixx >= Iyy && Iyy > Iv) << where;
        EXPECT_TRUE(within(Iu + Iv, Ixx + Iyy, 1.1e-3)) << where << " Iu + Iv";
        EXPECT_LE(std::fabs((Iu - Iv) * std::cos(2 * alpha * Pi / 180) - (Ixx - Iyy)), 2.1e-3 * (Iu - Iv))
            << where;
        const double mean = (o.Ixx + o.Iyy) / 2, radius = std::hypot((o.Ixx - o.Iyy) / 2, o.Ixy);
        EXPECT_TRUE(within(Iu, mean + radius, 3e-4)) << where << " Iu";
        EXPECT_TRUE(within(Iv, mean - radius, 3e-4)) << where << " Iv";
        EXPECT_NEAR(alpha, std::atan2(-2 * o.Ixy, o.Ixx - o.Iyy) * 90 / Pi, 0.05) << where << " alpha";

        const double bt = B - t;
        const double K1 =
            D * std::pow(t, 3) * (1.0 / 3 - 0.21 * (t / D) * (1 - std::pow(t, 4) / (12 * std::pow(D, 4))));
        const double K2 = bt * std::pow(t, 3) *
                          (1.0 / 3 - 0.105 * (t / bt) * (1 - std::pow(t, 4) / (192 * std::pow(bt, 4))));
        const double Dr = 2 * (2 * t + 3 * r1 - std::sqrt(2.0) * (2 * r1 + t));
        EXPECT_TRUE(within(at(rec, 156), K1 + K2 + (0.07 + 0.076 * r1 / t) * std::pow(Dr, 4), 1.2e-4))
            << where << " J";
        EXPECT_TRUE(within(at(rec, 160), torsionStressLength(Dr, r1, A), 5e-5)) << where << " byte 160";
        for (int off = 28; off < 196; off += 4)
            EXPECT_TRUE((off >= 88 && off < 100) || heldTo(singleAt(r, off), 5)) << where << " byte " << off;
    }
}
