// The strength-class table and the timber modification factors.
#include "engine/TimberFactors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

using namespace kx;

TEST(TimberFactors, GradeListFactorsAndDepthFactor) {
    EXPECT_EQ(TimberGradeItem(0) + "|" + TimberGradeItem(9) + "|" + TimberGradeItem(16) + "|" +
                  TimberGradeItem(25),
              "   C14|   ||   SC9");
    for (int separator : {9, 16, 26})
        EXPECT_EQ(TimberGradeAt(separator), nullptr);
    EXPECT_EQ(TimberGradePosition("SC1"), 17);
    // One class of each group, every column.
    for (auto [pos, e1, e2, bend, shear, comp] : {std::tuple{1, 5800.f, 8800.f, 5.3f, 0.67f, 6.8f},
                                                  std::tuple{12, 7500.f, 10800.f, 12.5f, 2.f, 12.6f},
                                                  std::tuple{23, 13600.f, 16200.f, 15.f, 1.75f, 14.5f}}) {
        const TimberGrade* g = TimberGradeAt(pos);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ((std::array{g->ESingle, g->ESharing, g->Bending, g->Shear, g->Compression}),
                  (std::array{e1, e2, bend, shear, comp}))
            << g->ClassName;
    }

    EXPECT_EQ(TimberK8(true).K8, 1.1f);
    EXPECT_STREQ(TimberK8(false).Text, "  (Single)");
    const TimberMoisture wet = TimberK1K2(true);
    EXPECT_EQ((std::array{wet.K1, wet.K2, wet.K2Shear, wet.K2Axial}), (std::array{1.02f, 0.8f, 0.9f, 0.6f}));
    EXPECT_EQ(TimberK1K2(false).K2Axial, 1.0f);
    EXPECT_EQ(TimberDurationIndex("1 Month"), 7);
    const float K3[] = {1.0f, 1.25f, 1.5f, 1.75f, 1.4f, 1.5f, 1.4f, 1.3f, 1.2f}; // LT .. 1 Year
    for (int i = 0; i < kTimberDurations; ++i)
        EXPECT_EQ(TimberDurations()[i].K3, K3[i]) << TimberDurations()[i].Code;
    EXPECT_STREQ(TimberDurations()[5].Text, "  (Formwork Wall Shutters)");

    EXPECT_EQ(TimberK7(72), 1.17f);
    EXPECT_NEAR(TimberK7(150), std::pow(2.0, 0.11), 1e-7);
    EXPECT_EQ(TimberK7(300), 1.0f);
    EXPECT_NEAR(TimberK7(301), 0.81 * (301.0 * 301 + 92300) / (301.0 * 301 + 56800), 1e-7);
}

TEST(TimberFactors, DepthFactorInEachBandAndOnEachBoundary) {
    // K7: 1.17 up to 72 mm, (300/h)^0.11 up to 300 mm, 0.81 (h^2 + 92300) / (h^2 + 56800) above.
    // Neighbouring bands' formulas give other figures at each boundary: (300/72)^0.11 = 1.16997
    // and at 300 mm the top formula gives 0.81 x 182300 / 146800 = 1.00589.
    const struct {
        double depth, K7;
    } rows[] = {
        {0.5, 1.17},      {50, 1.17},        {72, 1.17}, {72.5, 1.169085}, // (300 / 72.5)^0.11
        {100, 1.128453},                                                   // 3^0.11
        {299, 1.000367},                                                   // (300 / 299)^0.11
        {300, 1.0},       {300.5, 1.005479},                               // 0.81 x 182600.25 / 147100.25
        {1000, 0.837210},                                                  // 0.81 x 1092300 / 1056800
        {1e5, 0.810003},                                                   // tends to 0.81
    };
    for (const auto& r : rows)
        EXPECT_NEAR(TimberK7(r.depth), r.K7, 1e-6) << r.depth;
    EXPECT_EQ(TimberK7(72), 1.17f);
    EXPECT_NE(TimberK7(72.0001), 1.17f);
}
