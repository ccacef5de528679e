// The strut calculator against hand-worked Perry-Robertson loads and the root of its quadratic.
#include "calculators/Scaffold.h"

#include <gtest/gtest.h>

#include <cmath>

#include "foundation/SigFig.h"

using namespace kx;

namespace {

// The smaller root of (Ys - p)(Co - p) = eta Co p, with eta = 0.3 (lambda / 100)², by bisection
// on [0, Ys], in double from the tube's data.
double bisectedPc(TubeKind kind, double Le) {
    const TubeData& t = Tube(kind);
    const double lambda = Le / t.r;
    const double eta = 0.3 * (lambda / 100) * (lambda / 100);
    const double Co = 3.14159 * 3.14159 * t.E / (lambda * lambda);
    auto f = [&](double p) { return (t.Ys - p) * (Co - p) - eta * Co * p; };
    double lo = 0, hi = t.Ys; // f(0) > 0 > f(Ys)
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (f(mid) > 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

std::vector<std::string> memo(TubeKind kind, const std::string& length) {
    return ScaffoldCalculate({kind, length}).value_or(std::vector<std::string>{"(nothing)"});
}

} // namespace

TEST(Strut, LoadsOfTheThreeTubesMatchTheHandWorkedFigures) {
    struct Row {
        double Le;
        const char *fresh, *used, *aluminium;
    };
    const Row rows[] = {{0.5, "74.4", "63.3", "83.1"}, {1, "64.3", "54.6", "48.0"},
                        {1.5, "45.3", "38.5", "22.7"}, {2, "29.3", "24.9", "12.9"},
                        {2.5, "19.8", "16.8", "8.31"}, {3, "14.1", "11.9", "5.79"},
                        {4, "8.07", "6.86", "3.26"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Le);
        const float Le = static_cast<float>(r.Le);
        const StrutCapacity fresh = StrutCalc(TubeKind::New, Le), used = StrutCalc(TubeKind::Used, Le);
        EXPECT_EQ(SigFig3(fresh.P), r.fresh);
        EXPECT_EQ(SigFig3(used.P), r.used);
        EXPECT_EQ(SigFig3(StrutCalc(TubeKind::Aluminium, Le).P), r.aluminium);
        // Used tube: the new tube's load with a factor of safety of 2 in place of 1.7.
        EXPECT_NEAR(used.P / fresh.P, 0.85, 1e-6);
    }
    EXPECT_NEAR(StrutCalc(TubeKind::New, 2).pc, 89.48, 0.005);
    // A very short strut reaches the yield stress: 235 x 557 / 1.7 / 1000 = 77.0 kN.
    const StrutCapacity stub = StrutCalc(TubeKind::New, 0.001f);
    EXPECT_NEAR(stub.pc, 235.0, 0.05);
    EXPECT_EQ(SigFig3(stub.P), "77.0");
}

TEST(Strut, BucklingStressIsTheRootOfThePerryRobertsonQuadraticAtEveryLength) {
    // Includes lengths far below a millimetre, where phi - sqrt(phi² - Ys Co) cancels to nothing
    // (0 kN, or a stress above yield) and must not.
    for (TubeKind kind : {TubeKind::New, TubeKind::Used, TubeKind::Aluminium}) {
        for (double Le : {1e-20, 1e-12, 1e-9, 1e-8, 1e-7, 1e-6, 1e-4, 0.001, 0.05, 0.3, 0.75,
                          1.25,  2.0,   3.5,  6.0,  12.0, 50.0, 1e3,  1e6,   1e12, 1e17}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " " << Le);
            const float Lef = static_cast<float>(Le);
            const StrutCapacity s = StrutCalc(kind, Lef);
            const double root = bisectedPc(kind, Lef);
            EXPECT_NEAR(s.pc, root, 1e-5 * root);
            EXPECT_LE(s.pc, Tube(kind).Ys);
        }
    }
    // So slender that the Perry factor passes a single's range: no strength, not "nan".
    for (float Le : {1e20f, 1e30f, 3e38f}) {
        const StrutCapacity s = StrutCalc(TubeKind::New, Le);
        EXPECT_EQ(s.pc, 0.0f);
        EXPECT_EQ(SigFig3(s.P), "0.0");
    }
}

TEST(Strut, MemoHoldsTheSixLinesOfTheTubeAndLength) {
    EXPECT_EQ(memo(TubeKind::New, "2"),
              (std::vector<std::string>{" ", " \"New\" Steel Tube 48.3 o/d x 4.0 wt",
                                        " to BS 1139  Part 1  Section 1.1  1990", " ",
                                        " Effective Length = 2.00 m", " Permissible Axial Load = 29.3 kN"}));
    const auto used = memo(TubeKind::Used, " 2 ");
    EXPECT_EQ(used[1], " \"Used\" Steel Tube 48.3 o/d x 4.0 wt");
    EXPECT_EQ(used[5], " Permissible Axial Load = 24.9 kN");
    const auto aluminium = memo(TubeKind::Aluminium, "2.5");
    EXPECT_EQ(aluminium[1], " Aluminium Tube 48.3 o/d x 4.47 wt");
    EXPECT_EQ(aluminium[2], " to BS 1139 1990");
    EXPECT_EQ(aluminium[4], " Effective Length = 2.50 m");
    EXPECT_EQ(aluminium[5], " Permissible Axial Load = 8.31 kN");
}

TEST(Strut, LengthsThatCannotBeUsedDoNothing) {
    // Empty, not a number, zero, negative, beyond a single, or too small for one.
    for (const char* text : {"", "  ", "abc", "2m", "1,5", "0", "-0", "-1", "-1e39", "1e39", "1e-50"})
        EXPECT_FALSE(ScaffoldCalculate({TubeKind::New, text}).has_value()) << text;
}
