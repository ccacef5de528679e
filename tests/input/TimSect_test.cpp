// The strength-class table and the timber modification factors.
#include "input/TimSect.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kx;

TEST(TimSect, GradeListHoldsTwentySixPositionsWithTwoSeparators) {
    EXPECT_EQ(TimberGradeItem(0), "   C14");
    EXPECT_EQ(TimberGradeItem(8), "   C40");
    EXPECT_EQ(TimberGradeItem(9), "   ");
    EXPECT_EQ(TimberGradeItem(16), "");
    EXPECT_EQ(TimberGradeItem(25), "   SC9");
    EXPECT_EQ(TimberGradeAt(9), nullptr);
    EXPECT_EQ(TimberGradeAt(16), nullptr);
    EXPECT_EQ(TimberGradeAt(-1), nullptr);
    EXPECT_EQ(TimberGradeAt(26), nullptr);
    EXPECT_EQ(TimberGradePosition("C24"), 4);
    EXPECT_EQ(TimberGradePosition("SC1"), 17);
    EXPECT_EQ(TimberGradePosition(""), -1);
    EXPECT_EQ(TimberGradePosition("c24"), -1);

    // One row of each group, every column (BS 5268-2 grade values).
    struct Row {
        int pos;
        const char* name;
        float e1, e2, bend, shear, comp;
    };
    for (const Row& r :
         {Row{1, "C16", 5800, 8800, 5.3f, 0.67f, 6.8f}, Row{4, "C24", 7200, 10800, 7.5f, 0.71f, 7.9f},
          Row{12, "D40", 7500, 10800, 12.5f, 2, 12.6f}, Row{15, "D70", 18000, 21000, 23, 2.6f, 23},
          Row{23, "SC7", 13600, 16200, 15, 1.75f, 14.5f}}) {
        const TimberGrade* g = TimberGradeAt(r.pos);
        ASSERT_NE(g, nullptr) << r.name;
        EXPECT_STREQ(g->ClassName, r.name);
        EXPECT_EQ(g->ESingle, r.e1);
        EXPECT_EQ(g->ESharing, r.e2);
        EXPECT_EQ(g->Bending, r.bend);
        EXPECT_EQ(g->Shear, r.shear);
        EXPECT_EQ(g->Compression, r.comp);
    }
    // Sharing never lowers E; every class has all five values.
    for (int i = 0; i < kTimberGradeItems; ++i)
        if (const TimberGrade* g = TimberGradeAt(i)) {
            EXPECT_GE(g->ESharing, g->ESingle) << g->ClassName;
            EXPECT_GT(g->Bending * g->Shear * g->Compression, 0) << g->ClassName;
        }
}

TEST(TimSect, SharingWetDryAndDurationFactors) {
    EXPECT_EQ(TimberK8(false).K8, 1.0f);
    EXPECT_STREQ(TimberK8(false).Text, "  (Single)");
    EXPECT_EQ(TimberK8(true).K8, 1.1f);
    EXPECT_STREQ(TimberK8(true).Text, "  (Sharing)");

    const TimberMoisture wet = TimberK1K2(true), dry = TimberK1K2(false);
    EXPECT_EQ(wet.K1, 1.02f);
    EXPECT_EQ(wet.K2, 0.8f);
    EXPECT_EQ(wet.K2Shear, 0.9f);
    EXPECT_EQ(wet.K2Axial, 0.6f);
    EXPECT_STREQ(wet.Text, "Wet");
    EXPECT_EQ(dry.K1 * dry.K2 * dry.K2Shear * dry.K2Axial, 1.0f);
    EXPECT_STREQ(dry.Text, "Dry");

    const char* codes[] = {"LT", "MT", "ST", "VST", "General", "Wall", "1 Week", "1 Month", "1 Year"};
    const float k3[] = {1.0f, 1.25f, 1.5f, 1.75f, 1.4f, 1.5f, 1.4f, 1.3f, 1.2f};
    for (int i = 0; i < kTimberDurations; ++i) {
        EXPECT_EQ(TimberDurationIndex(codes[i]), i);
        EXPECT_EQ(TimberDurations()[static_cast<std::size_t>(i)].K3, k3[i]) << codes[i];
    }
    EXPECT_STREQ(TimberDurations()[4].Text, "  (General Formwork)");
    EXPECT_STREQ(TimberDurations()[5].Text, "  (Formwork Wall Shutters)");
    EXPECT_STREQ(TimberDurations()[3].Caption, "V. Short Term");
    EXPECT_EQ(TimberDurationIndex("general"), -1);
}

TEST(TimSect, DepthFactorOverItsThreeRanges) {
    EXPECT_EQ(TimberK7(50), 1.17f);
    EXPECT_EQ(TimberK7(72), 1.17f);
    EXPECT_NEAR(TimberK7(72.5), std::pow(300.0 / 72.5, 0.11), 1e-6);
    EXPECT_NEAR(TimberK7(150), 1.079228, 1e-6); // 2^0.11
    EXPECT_EQ(TimberK7(300), 1.0f);
    EXPECT_NEAR(TimberK7(301), 0.81 * (301.0 * 301 + 92300) / (301.0 * 301 + 56800), 1e-7);
    EXPECT_NEAR(TimberK7(1000), 0.81 * 1092300.0 / 1056800.0, 1e-7);
}
