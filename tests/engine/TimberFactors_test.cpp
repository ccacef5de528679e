// The strength-class table and the timber modification factors.
#include "engine/TimberFactors.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
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

TEST(TimberFactors, APositionOutsideTheListIsNoItemAndNoClass) {
    // The list holds positions 0..25; a position just past either end reads nothing.
    for (int position : {-1, kTimberGradeItems, kTimberGradeItems + 1}) {
        EXPECT_EQ(TimberGradeItem(position), "") << position;
        EXPECT_EQ(TimberGradeAt(position), nullptr) << position;
    }
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

TEST(TimberFactors, EveryClassEveryDurationAndEveryFactorText) {
    // The strength classes as printed: position, class, E single, E sharing, bending, shear,
    // compression (N/mm^2); positions 9 and 16 are the separators.
    const struct {
        int position;
        const char* name;
        std::array<float, 5> values;
    } grades[] = {
        {0, "C14", {4600, 6800, 4.1f, 0.6f, 5.2f}},      {1, "C16", {5800, 8800, 5.3f, 0.67f, 6.8f}},
        {2, "C18", {6000, 9100, 5.8f, 0.67f, 7.1f}},     {3, "C22", {6500, 9700, 6.8f, 0.71f, 7.5f}},
        {4, "C24", {7200, 10800, 7.5f, 0.71f, 7.9f}},    {5, "C27", {8200, 12300, 10, 1.1f, 8.2f}},
        {6, "C30", {8200, 12300, 11, 1.2f, 8.6f}},       {7, "C35", {9000, 13400, 12, 1.3f, 8.7f}},
        {8, "C40", {10000, 14500, 13, 1.4f, 8.7f}},      {10, "D30", {6000, 9500, 9, 1.4f, 8.1f}},
        {11, "D35", {6500, 10000, 11, 1.7f, 8.6f}},      {12, "D40", {7500, 10800, 12.5f, 2, 12.6f}},
        {13, "D50", {12600, 15000, 16, 2.2f, 15.2f}},    {14, "D60", {15600, 18500, 18, 2.4f, 18}},
        {15, "D70", {18000, 21000, 23, 2.6f, 23}},       {17, "SC1", {4500, 6800, 2.8f, 0.46f, 3.5f}},
        {18, "SC2", {5000, 8000, 4.1f, 0.66f, 5.3f}},    {19, "SC3", {5800, 8800, 5.3f, 0.67f, 6.8f}},
        {20, "SC4", {6600, 9900, 7.5f, 0.71f, 7.9f}},    {21, "SC5", {7100, 10700, 10, 1, 8.7f}},
        {22, "SC6", {11800, 14100, 12.5f, 1.5f, 12.5f}}, {23, "SC7", {13600, 16200, 15, 1.75f, 14.5f}},
        {24, "SC8", {15600, 18700, 17.5f, 2, 16.5f}},    {25, "SC9", {18000, 21600, 20.5f, 2.25f, 19.5f}},
    };
    for (const auto& g : grades) {
        SCOPED_TRACE(g.name);
        const TimberGrade* t = TimberGradeAt(g.position);
        ASSERT_NE(t, nullptr);
        EXPECT_STREQ(t->ClassName, g.name);
        EXPECT_EQ((std::array{t->ESingle, t->ESharing, t->Bending, t->Shear, t->Compression}), g.values);
        EXPECT_EQ(TimberGradeItem(g.position), std::string("   ") + g.name);
        EXPECT_EQ(TimberGradePosition(g.name), g.position);
    }
    EXPECT_EQ(TimberGradeItem(9), "   ");
    EXPECT_EQ(TimberGradeAt(-1), nullptr);
    EXPECT_EQ(TimberGradePosition("C15"), -1);
    EXPECT_EQ(TimberGradePosition(""), -1); // a stored blank class is no class, not a separator

    const struct {
        const char *option, *caption, *code;
        float K3;
        const char* text;
    } durations[] = {
        {"Option_LT", "Long Term", "LT", 1.0f, "  (Long Term)"},
        {"Option_MT", "Medium Term", "MT", 1.25f, "  (Medium Term)"},
        {"Option_ST", "Short Term", "ST", 1.5f, "  (Short Term)"},
        {"Option_VST", "V. Short Term", "VST", 1.75f, "  (Very Short Term)"},
        {"Option_General", "General", "General", 1.4f, "  (General Formwork)"},
        {"Option_Wall", "Wall", "Wall", 1.5f, "  (Formwork Wall Shutters)"},
        {"Option_Week", "1 Week", "1 Week", 1.4f, "  (1 Week)"},
        {"Option_Month", "1 Month", "1 Month", 1.3f, "  (1 Month)"},
        {"Option_Year", "1 Year", "1 Year", 1.2f, "  (1 Year)"},
    };
    for (int i = 0; i < kTimberDurations; ++i) {
        const auto& d = durations[i];
        const TimberDuration& t = TimberDurations()[static_cast<std::size_t>(i)];
        SCOPED_TRACE(d.code);
        EXPECT_STREQ(t.Option, d.option);
        EXPECT_STREQ(t.Caption, d.caption);
        EXPECT_STREQ(t.Code, d.code);
        EXPECT_EQ(t.K3, d.K3);
        EXPECT_STREQ(t.Text, d.text);
        EXPECT_EQ(TimberDurationIndex(d.code), i);
    }
    EXPECT_EQ(TimberDurationIndex("lt"), -1);

    EXPECT_EQ(TimberK8(false).K8, 1.0f);
    EXPECT_STREQ(TimberK8(true).Text, "  (Sharing)");
    const TimberMoisture dry = TimberK1K2(false);
    EXPECT_EQ((std::array{dry.K1, dry.K2, dry.K2Shear, dry.K2Axial}), (std::array{1.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_STREQ(dry.Text, "Dry");
    EXPECT_STREQ(TimberK1K2(true).Text, "Wet");
}

TEST(TimberFactors, PermissibleMomentFromADepthOfOneMillimetreAndNoneWithoutADepth) {
    // M = f I 2 / d / K1 / 100 (f N/mm^2, I cm^4 with K1^4, d mm, kN-m); f = grade x K2 x K3 x K7 x K8.
    const struct {
        long double depth, K1, K2;
        double moment;
    } rows[] = {
        {1, 1, 1, 1.2402},          // f = 5.3 x 1.17 = 6.201; 6.201 x 10 x 2 / 1 / 100 = 1.2402
        {1, 1.02L, 0.8L, 0.972706}, // f = 5.3 x 0.8 x 1.17 = 4.9608; 4.9608 x 20 / 1.02 / 100 = 0.972706
        {0.5L, 1, 1, 2.4804},       // twice the moment of 1 mm
        {2, 1, 1, 0.6201},          // half of it
        {0, 1, 1, 0},               // no depth: no moment
        {150, 0, 1, 0},             // no K1: no moment
    };
    for (const auto& r : rows) {
        TimberBendingShearInputs in;
        in.GradeBending = 5.3L, in.K1 = r.K1, in.K2Bending = r.K2, in.K3 = 1, in.K7 = 1.17L, in.K8 = 1;
        in.BendingDepth = r.depth, in.I = 10;
        EXPECT_NEAR(static_cast<double>(TimberBendingShearValues(in).PermMoment), r.moment, 1e-5)
            << static_cast<double>(r.depth) << " " << static_cast<double>(r.K1);
    }
}
