// The strut calculator against hand-worked Perry-Robertson loads and the root of its quadratic.
#include "calculators/Scaffold.h"

#include <gtest/gtest.h>

#include "foundation/SigFig.h"

using namespace kx;

TEST(Strut, LoadsMatchTheHandWorkedFiguresAndTheRootOfThePerryRobertsonQuadratic) {
    // Le (m) and the loads of the new, used and aluminium tubes (kN).
    const std::vector<std::vector<const char*>> loads = {
        {"0.5", "74.4", "63.3", "83.1"}, {"1", "64.3", "54.6", "48.0"},   {"1.5", "45.3", "38.5", "22.7"},
        {"2", "29.3", "24.9", "12.9"},   {"2.5", "19.8", "16.8", "8.31"}, {"3", "14.1", "11.9", "5.79"},
        {"4", "8.07", "6.86", "3.26"}};
    for (const auto& r : loads) {
        const float Le = std::stof(r[0]);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(SigFig3(StrutCalc(TubeKind(k), Le).P), r[k + 1]) << r[0] << " m, tube " << k;
        EXPECT_NEAR(StrutCalc(TubeKind::Used, Le).P / StrutCalc(TubeKind::New, Le).P, 0.85, 1e-6);
    }
    EXPECT_NEAR(StrutCalc(TubeKind::New, 2).pc, 89.48, 0.005);
    EXPECT_NEAR(StrutCalc(TubeKind::New, 0.001f).pc, 235.0, 0.05);
    EXPECT_EQ(SigFig3(StrutCalc(TubeKind::New, 0.001f).P), "77.0"); // 235 x 557 / 1.7 / 1000

    // pc is the smaller root of (Ys - p)(Co - p) = eta Co p, eta = 0.3 (lambda / 100)², found by
    // bisection; also far below a millimetre and far beyond a kilometre, where phi - sqrt(phi² -
    // Ys Co) cancels to nothing (0 kN, or a stress above yield).
    for (int k = 0; k < 3; ++k) {
        const TubeData& t = Tube(TubeKind(k));
        for (double Le :
             {1e-20, 1e-12, 1e-8, 1e-7, 1e-4, 0.05, 0.75, 1.25, 3.5, 12.0, 1e3, 1e6, 1e12, 1e17}) {
            const float Lef = static_cast<float>(Le);
            const double lambda = Lef / t.r, eta = 0.3 * (lambda / 100) * (lambda / 100);
            const double Co = 3.14159 * 3.14159 * t.E / (lambda * lambda);
            double lo = 0, hi = t.Ys; // f(0) > 0 > f(Ys)
            for (int i = 0; i < 200; ++i) {
                const double p = (lo + hi) / 2;
                ((t.Ys - p) * (Co - p) - eta * Co * p > 0 ? lo : hi) = p;
            }
            const float pc = StrutCalc(TubeKind(k), Lef).pc;
            EXPECT_NEAR(pc, lo, 1e-5 * lo) << k << " " << Le;
            EXPECT_LE(pc, t.Ys);
        }
    }
    // So slender that eta passes a single's range: no strength left, not "nan".
    for (float Le : {1e20f, 3e38f})
        EXPECT_EQ(SigFig3(StrutCalc(TubeKind::New, Le).P), "0.0");
}

TEST(Strut, MemoHoldsSixLinesAndUnusableLengthsGiveNone) {
    EXPECT_EQ(ScaffoldCalculate({TubeKind::New, "2"}),
              (std::vector<std::string>{" ", " \"New\" Steel Tube 48.3 o/d x 4.0 wt",
                                        " to BS 1139  Part 1  Section 1.1  1990", " ",
                                        " Effective Length = 2.00 m", " Permissible Axial Load = 29.3 kN"}));
    EXPECT_EQ(ScaffoldCalculate({TubeKind::Used, " 2 "}).value()[1],
              " \"Used\" Steel Tube 48.3 o/d x 4.0 wt");
    const auto aluminium = ScaffoldCalculate({TubeKind::Aluminium, "2.5"}).value();
    EXPECT_EQ(aluminium[1], " Aluminium Tube 48.3 o/d x 4.47 wt");
    EXPECT_EQ(aluminium[2], " to BS 1139 1990");
    EXPECT_EQ(aluminium[5], " Permissible Axial Load = 8.31 kN");
    // Empty, not a number, zero, negative, beyond a single or below one.
    for (const char* text : {"", "abc", "2m", "1,5", "0", "-1", "1e39", "-1e39", "1e-50"})
        EXPECT_FALSE(ScaffoldCalculate({TubeKind::New, text})) << text;
    // The bounds themselves are lengths: the largest single (FLT_MAX exactly) leaves no strength,
    // and the smallest positive single is so short that pc is Ys: 235 x 557 / 1.7 / 1000 = 77.0 kN.
    for (const auto& [text, load] :
         {std::pair<const char*, const char*>{"3.4028234663852886e38", "0.0"}, {"1.5e-45", "77.0"}}) {
        const auto memo = ScaffoldCalculate({TubeKind::New, text});
        ASSERT_TRUE(memo) << text;
        EXPECT_EQ(memo->at(5), std::string(" Permissible Axial Load = ") + load + " kN") << text;
    }
}

// Every memo line of each tube, the last (aluminium) among them, at 3 m and at 150 m. 150 m: the
// steel tube's lambda 9554, eta 2739, Co = pi^2 210000 / 9554^2 = 0.02271, pc = 0.01796 N/mm^2,
// P = 0.01796 x 557 / 1.7 = 0.00588 kN (/ 2.0: 0.00500); aluminium lambda 9615, Co 0.007355,
// eta 2774, pc 0.006810, P = 0.006810 x 615 / 1.8 = 0.00233 kN.
TEST(Strut, EveryMemoLineOfEachTubeShortAndLong) {
    const char* steel = " to BS 1139  Part 1  Section 1.1  1990";
    const struct {
        TubeKind tube;
        const char *le, *line1, *line2, *length, *load;
    } rows[] = {
        {TubeKind::New, "3", " \"New\" Steel Tube 48.3 o/d x 4.0 wt", steel, "3.00", "14.1"},
        {TubeKind::Used, "3", " \"Used\" Steel Tube 48.3 o/d x 4.0 wt", steel, "3.00", "11.9"},
        {TubeKind::Aluminium, "3", " Aluminium Tube 48.3 o/d x 4.47 wt", " to BS 1139 1990", "3.00", "5.79"},
        {TubeKind::New, "150", " \"New\" Steel Tube 48.3 o/d x 4.0 wt", steel, "150", "0.00588"},
        {TubeKind::Used, "150", " \"Used\" Steel Tube 48.3 o/d x 4.0 wt", steel, "150", "0.00500"},
        {TubeKind::Aluminium, "150", " Aluminium Tube 48.3 o/d x 4.47 wt", " to BS 1139 1990", "150",
         "0.00233"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ScaffoldCalculate({r.tube, r.le}),
                  (std::vector<std::string>{" ", r.line1, r.line2, " ",
                                            std::string(" Effective Length = ") + r.length + " m",
                                            std::string(" Permissible Axial Load = ") + r.load + " kN"}))
            << r.le;
}
