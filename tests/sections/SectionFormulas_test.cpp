// Section formulas against hand calculations and the published rows in data/.
#include "sections/SectionFormulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "SectionTestSupport.h"

using namespace kx;
using namespace sectiontest;

namespace {

constexpr double pi = std::numbers::pi;

::testing::AssertionResult near(double got, double want, double rel) {
    if (std::fabs(got - want) <= rel * std::fabs(want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " against " << want;
}

// The decimal a stored dimension was typed as.
double typed(const Image& rec, int off) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", singleAt(rec.data(), off));
    return std::strtod(text, nullptr);
}

// The singles of a filled record against a published row, each within its relative tolerance (0: exact).
void expectFields(const TSectionRec& rec, const Image& want,
                  std::initializer_list<std::pair<int, double>> fields, const std::string& what) {
    const SectionRecImage got = EncodeSectionRec(rec);
    for (const auto& [off, tol] : fields)
        EXPECT_TRUE(near(singleAt(got.data(), off), singleAt(want.data(), off), tol))
            << what << " byte " << off;
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

TEST(SectionFormulas, ReproducePublishedRows) {
    // 152 UC 23, 305 UC 97 and 356 UC 634.
    const Expected uc = expectedRecords("UC.sct", 37, true, true);
    for (int pos : {1, 17, 36}) {
        const Image& w = uc.records[pos - 1];
        TSectionRec rec;
        FillIHRecord(rec, typed(w, 28), typed(w, 32), typed(w, 36), typed(w, 40), typed(w, 44), 5, 5);
        expectFields(rec, w, {{52, 0}, {56, 0}, {132, 0}, {160, 5e-5}}, uc.names[pos - 1]);
        expectFields(rec, w, {{100, 1e-3}, {104, 1e-3}, {108, 1e-3}, {112, 1e-3}, {116, 1e-3}, {156, 1e-3}},
                     uc.names[pos - 1]);
        expectFields(rec, w, {{168, 1e-3}, {172, 1e-3}, {176, 1e-3}, {180, 1e-3}, {184, 1e-3}},
                     uc.names[pos - 1]);
    }

    const Image rhs = expectedRecords("RHS.sct", 193, true, false).records[192]; // 500 x 300 x 16
    TSectionRec r;
    FillRHSRecord(r, 500, 300, 16);
    expectFields(r, rhs, {{52, 0}, {56, 0}, {100, 0}, {104, 0}, {108, 0}, {112, 1e-4}, {116, 1e-4}}, "RHS");
    expectFields(r, rhs, {{156, 0}, {160, 0}, {168, 0}, {172, 0}}, "RHS");

    const Image chs = expectedRecords("CHS.sct", 89, true, false).records[12]; // 48.3 x 4.0
    TSectionRec c;
    FillCHSRecord(c, 48.3, 4);
    expectFields(c, chs, {{100, 0}, {104, 1e-4}, {112, 0}, {156, 1e-4}, {160, 0}, {168, 3e-3}}, "CHS");

    const Image rsa = expectedRecords("UnEqRSA.sct", 43, true, true).records[40]; // 200 x 150 x 12
    TSectionRec a;
    FillAngleRecord(a, 200, 150, 12, 15, 4.8);
    expectFields(
        a, rsa, {{40, 0}, {100, 0}, {104, 5e-5}, {108, 5e-5}, {120, 0}, {124, 0}, {128, 0}, {132, 0}}, "RSA");
    expectFields(a, rsa, {{136, 1.2e-3}, {140, 1.2e-3}, {156, 1.2e-4}, {160, 0}}, "RSA");
    EXPECT_NEAR(a.Alpha, at(rsa, 152), 0.07);
}
