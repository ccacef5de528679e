// Number texts and whole numbers checked against figures worked out by hand.
#include "foundation/SigFig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "foundation/Func_FloatToInt.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFigBands.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Guard.h"

using namespace kx;

namespace {

struct Routine {
    const char* name;
    std::string (*format)(double);
    std::vector<std::pair<double, const char*>> cases; // value, text
};

// clang-format off
const std::vector<Routine> kRoutines = {
    // Above ten a positive value keeps one (zero) decimal, a negative one none.
    {"SigFig2", SigFig2, {{12.34, "12.0"}, {-12.34, "-12"}, {0.0456, "0.046"}, {3.14, "3.1"},
                          {156.0, "160"}, {5e-5, "0.0"}}},
    {"SigFig3", SigFig3, {{0.0123456, "0.0123"}, {12.345, "12.3"}, {1234.5, "1230"}, {-1234.5, "-1230"},
                          {99.96, "100"}, // the rounding carries into the next decade, the format stays
                          {1235.0, "1240"}, {-1235.0, "-1240"}, // half away from zero
                          {2.345, "2.35"}, // the double lies a hair above the half
                          {0.125, "0.125"}, {0.5, "0.500"}, {7.0, "7.00"}, {45000000.0, "45000000"},
                          {0.0, "0.0"}, {9.95e-5, "0.0"}, {-9.95e-5, "0.0"}, {1e9, "1000000000"},
                          {1.0000001e9, "#####"}, {-2e9, "#####"}, {0.99949, "0.999"}, {0.99951, "1.00"},
                          // Between the zero limit and the first band: the first band's format.
                          {9.951e-5, "0.000100"}, {9.96e-5, "0.000100"}, {-9.99e-5, "-0.000100"},
                          {9.9949e-5, "0.000100"}}},
    {"SigFig4", SigFig4, {{5e11, "500000000000"}, {1e12, "1000000000000"}, {1.1e12, "#####"},
                          {3.14159, "3.142"}, {-123456.0, "-123500"},
                          {0.012345, "0.01235"}, // 0.012345 lies above the half in binary
                          {9.96e-5, "0.0000996"}, {9.999e-5, "0.0001000"}}},
    // The zero limit itself is not zero; bands fire at their threshold.
    {"SigFig5", SigFig5, {{6e-6, "0.0000060000"}, {4.9e-6, "0.0"}, {5e-6, "0.0000050000"},
                          {123456.7, "123460"}, {1.0, "1.0000"}, {210000.0, "210000"},
                          {1.0000001e9, "#####"}}},
    // A decimal half rounds up in the format; the offset of 0.5001 rounds up from just below a half.
    {"SigFig3Dec3", SigFig3Dec3, {{0.0125, "0.013"}, {0.004, "0.00"}, {0.005, "0.005"}, {0.0123, "0.012"},
                                  {6.0, "6.00"}, {-6.0, "-6.00"}, {2000.0, "2000"}, {123456.0, "123000"},
                                  {1.2349995, "1.24"}, {-1.2349995, "-1.24"}}},
    {"SigFig4Dec3", SigFig4Dec3, {{0.0125, "0.013"}, {1.23456, "1.235"}, {0.0004, "0.000"},
                                  {0.0005, "0.001"}, {5.433, "5.433"}, {-30000.0, "-30000"},
                                  {1.0000001e9, "#####"}, {1.23449995, "1.235"}}},
    // No decimals: the digits truncated toward zero; the width of 5 pads with blanks. Above 1e5
    // SigFig5's text. 0.1245 and 1.0585 are read as a hair below the half, but are the half in 18
    // digits, and round up as typed; 2.675 lies further below and rounds down.
    {"FormatDecimalPlaces 0", [](double x) { return FormatDecimalPlaces(x, 0); },
     {{7.9, "7"}, {-7.9, "-7"}, {0.00005, "0"}}},
    // From 1e-4 up the format, padded to five: below 0.001 that is a blank and "0.00" or "0.0",
    // and with three decimals the half 0.0005 and what lies above it round up to 0.001.
    {"FormatDecimalPlaces 1", [](double x) { return FormatDecimalPlaces(x, 1); },
     {{1.5, "  1.5"}, {0.00005, "0.0"}, {-0.25, " -0.3"}, {0.00065, "  0.0"}, {0.0001, "  0.0"}}},
    {"FormatDecimalPlaces 2", [](double x) { return FormatDecimalPlaces(x, 2); },
     {{0.00005, "0.00"}, {123456.7, "123460"}, {3.14159, " 3.14"}, {2.675, " 2.67"}, {100000.0, "100000.00"},
      {0.00095, " 0.00"}, {0.0001, " 0.00"}, {0.0000999, "0.00"}}},
    {"FormatDecimalPlaces 3", [](double x) { return FormatDecimalPlaces(x, 3); },
     {{2.0, "2.000"}, {0.00005, "0.000"}, {0.1245, "0.125"}, {-1.0585, "-1.059"},
      {0.0005, "0.001"}, {0.00065, "0.001"}, {0.00095, "0.001"}, {0.000975, "0.001"}, {-0.00065, "-0.001"},
      {0.00049, "0.000"}, {0.0004999, "0.000"}}},
};
// clang-format on

} // namespace

TEST(NumberText, EveryRoutineGivesTheHandWorkedTexts) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const Routine& r : kRoutines) {
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << x << ")";
        for (double v : {std::numeric_limits<double>::quiet_NaN(), inf, -inf})
            EXPECT_EQ(r.format(v), "#####") << r.name << "(" << v << ")";
    }
    Model.DecimalPlaces = 1;
    EXPECT_EQ(FormatDecimalPlaces(12.34), " 12.3") << "the model's DecimalPlaces by default";
    Model.DecimalPlaces = 0;
    // Past the 18 digits taken, the whole part is filled out with zeros (a ratio of 1e20).
    // clang-format off
    const std::tuple<long double, int, const char*> fixed[] = {
        {0.0L, 0, "0"}, {-0.0004L, 3, "0.000"}, {-0.0006L, 3, "-0.001"}, {9999.9996L, 3, "10000.000"},
        {2.5L, 0, "3"}, {0.125L, 2, "0.13"}, {1e20L, 0, "100000000000000000000"},
        {-2.5e19L, 1, "-25000000000000000000.0"}};
    // clang-format on
    for (const auto& [v, decimals, text] : fixed)
        EXPECT_EQ(FormatFixed(v, decimals), text) << static_cast<double>(v) << " " << decimals;
}

// Each band of each routine on both sides of its threshold (0.037% below and above it; 0.4% for the
// Dec3 routines, whose thresholds are exact), odd bands with negative values, then the zero limit
// (0.1% below, 1% above, negative), the overflow limit (at it and above it) and 0. The texts were
// worked out in decimal arithmetic from the band tables: the exact value of the double rounded half
// away from zero to the band's step (with the routine's offset), then to the band's decimals; none
// of these values lies near a half.
TEST(NumberText, EveryBandOnBothSidesOfItsThresholdAndTheLimits) {
    // clang-format off
    const std::vector<Routine> bands = {
    {"SigFig2", SigFig2,
     {
      {0.00099463185, "0.00099"}, {-0.00099536815, "-0.0010"}, {0.0099463185, "0.0099"}, {0.0099536815, "0.010"},
      {0.099463185, "0.099"}, {-0.099536815, "-0.10"}, {0.99463185, "0.99"}, {0.99536815, "1.0"},
      {9.9463185, "9.9"}, {-9.9536815, "-10"}, {99.463185, "99.0"}, {99.536815, "100"},
      {994.63185, "990"}, {-995.36815, "-1000"}, {9946.3185, "9900"}, {9953.6815, "10000"},
      {99463.185, "99000"}, {-99536.815, "-100000"}, {994631.85, "990000"}, {995368.15, "1000000"},
      {9946318.5, "9900000"}, {-9953681.5, "-10000000"}, {99463185.0, "99000000"}, {99536815.0, "100000000"},
      {994631850.0, "990000000"}, {-995368150.0, "-1000000000"}, {9.941049e-05, "0.0"}, {-0.0001005051, "-0.00010"},
      {1000000000.0, "1000000000"}, {1000001000.0, "#####"}, {0.0, "0.0"}}},
    {"SigFig3", SigFig3,
     {
      {0.000999130185, "0.000999"}, {-0.000999869815, "-0.00100"}, {0.00999130185, "0.00999"}, {0.00999869815, "0.0100"},
      {0.0999130185, "0.0999"}, {-0.0999869815, "-0.100"}, {0.999130185, "0.999"}, {0.999869815, "1.00"},
      {9.99130185, "9.99"}, {-9.99869815, "-10.0"}, {99.9130185, "99.9"}, {99.9869815, "100"},
      {999.130185, "999"}, {-999.869815, "-1000"}, {9991.30185, "9990"}, {9998.69815, "10000"},
      {99913.0185, "99900"}, {-99986.9815, "-100000"}, {999130.185, "999000"}, {999869.815, "1000000"},
      {9991301.85, "9990000"}, {-9998698.15, "-10000000"}, {99913018.5, "99900000"}, {99986981.5, "100000000"},
      {999130185.0, "999000000"}, {-999869815.0, "-1000000000"}, {9.941049e-05, "0.0"}, {-0.0001005051, "-0.000101"},
      {1000000000.0, "1000000000"}, {1000001000.0, "#####"}, {0.0, "0.0"}}},
    {"SigFig4", SigFig4,
     {
      {0.0009995800185, "0.0009996"}, {-0.0010003199815, "-0.001000"}, {0.009995800185, "0.009996"}, {0.010003199815, "0.01000"},
      {0.09995800185, "0.09996"}, {-0.10003199815, "-0.1000"}, {0.9995800185, "0.9996"}, {1.0003199815, "1.000"},
      {9.995800185, "9.996"}, {-10.003199815, "-10.00"}, {99.95800185, "99.96"}, {100.03199815, "100.0"},
      {999.5800185, "999.6"}, {-1000.3199815, "-1000"}, {9995.800185, "9996"}, {10003.199815, "10000"},
      {99958.00185, "99960"}, {-100031.99815, "-100000"}, {999580.0185, "999600"}, {1000319.9815, "1000000"},
      {9995800.185, "9996000"}, {-10003199.815, "-10000000"}, {99958001.85, "99960000"}, {100031998.15, "100000000"},
      {999580018.5, "999600000"}, {-1000319981.5, "-1000000000"}, {9995800185.0, "9996000000"}, {10003199815.0, "10000000000"},
      {99958001850.0, "99960000000"}, {-100031998150.0, "-100000000000"}, {999580018500.0, "999600000000"}, {1000319981500.0, "#####"},
      {9.941049e-05, "0.0"}, {-0.0001005051, "-0.0001005"}, {1000000000000.0, "1000000000000"}, {1000001000000.0, "#####"},
      {0.0, "0.0"}}},
    {"SigFig5", SigFig5,
     {
      {9.9962500185e-06, "0.0000099963"}, {-1.00036499815e-05, "-0.000010004"}, {9.9962500185e-05, "0.000099963"}, {0.000100036499815, "0.00010004"},
      {0.00099962500185, "0.00099963"}, {-0.00100036499815, "-0.0010004"}, {0.0099962500185, "0.0099963"}, {0.0100036499815, "0.010004"},
      {0.099962500185, "0.099963"}, {-0.100036499815, "-0.10004"}, {0.99962500185, "0.99963"}, {1.00036499815, "1.0004"},
      {9.9962500185, "9.9963"}, {-10.0036499815, "-10.004"}, {99.962500185, "99.963"}, {100.036499815, "100.04"},
      {999.62500185, "999.63"}, {-1000.36499815, "-1000.4"}, {9996.2500185, "9996.3"}, {10003.6499815, "10004"},
      {99962.500185, "99963"}, {-100036.499815, "-100040"}, {999625.00185, "999630"}, {1000364.99815, "1000400"},
      {9996250.0185, "9996300"}, {-10003649.9815, "-10004000"}, {99962500.185, "99963000"}, {100036499.815, "100040000"},
      {999625001.85, "999630000"}, {-1000364998.15, "#####"}, {4.995e-06, "0.0"}, {-5.05e-06, "-0.0000050500"},
      {1000000000.0, "1000000000"}, {1000001000.0, "#####"}, {0.0, "0.0"}}},
    {"SigFig3Dec3", SigFig3Dec3,
     {
      {0.00996, "0.010"}, {-0.01004, "-0.010"}, {0.0996, "0.100"}, {0.1004, "0.100"},
      {0.996, "0.996"}, {-1.004, "-1.00"}, {9.96, "9.96"}, {10.04, "10.0"},
      {99.6, "99.6"}, {-100.4, "-100"}, {996.0, "996"}, {1004.0, "1000"},
      {9960.0, "9960"}, {-10040.0, "-10000"}, {99600.0, "99600"}, {100400.0, "100000"},
      {996000.0, "996000"}, {-1004000.0, "-1000000"}, {9960000.0, "9960000"}, {10040000.0, "10000000"},
      {99600000.0, "99600000"}, {-100400000.0, "-100000000"}, {0.004995, "0.00"}, {-0.00505, "-0.005"},
      {1000000000.0, "1000000000"}, {1000001000.0, "#####"}, {0.0, "0.00"}}},
    {"SigFig4Dec3", SigFig4Dec3,
     {
      {0.00996, "0.010"}, {-0.01004, "-0.010"}, {0.0996, "0.100"}, {0.1004, "0.100"},
      {0.996, "0.996"}, {-1.004, "-1.004"}, {9.96, "9.960"}, {10.04, "10.04"},
      {99.6, "99.60"}, {-100.4, "-100.4"}, {996.0, "996.0"}, {1004.0, "1004"},
      {9960.0, "9960"}, {-10040.0, "-10040"}, {99600.0, "99600"}, {100400.0, "100400"},
      {996000.0, "996000"}, {-1004000.0, "-1004000"}, {9960000.0, "9960000"}, {10040000.0, "10040000"},
      {99600000.0, "99600000"}, {-100400000.0, "-100400000"}, {0.0004995, "0.000"}, {-0.000505, "-0.001"},
      {1000000000.0, "1000000000"}, {1000001000.0, "#####"}, {0.0, "0.000"}}},
    };
    // clang-format on
    for (const Routine& r : bands)
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << std::setprecision(17) << x << ")";

    // The listings' decimals for figures over 100, 1000 and 10000, and on both sides of 1e5, where
    // SigFig5 takes over (100000.4 rounds to the step of 10 of its band: 100000).
    const std::tuple<double, int, const char*> listing[] = {
        {1234.5678, 3, "1234.568"}, {1234.5678, 2, "1234.57"},   {1234.5678, 1, "1234.6"},
        {1234.5678, 0, "1234"},     {-99999.99, 2, "-99999.99"}, {-99999.99, 0, "-99999"},
        {150.26, 1, "150.3"},       {-150.26, 3, "-150.260"},    {9.96, 1, " 10.0"},
        {-1.5, 2, "-1.50"},         {100000.4, 1, "100000"},     {-123456.7, 3, "-123460"},
        {99999.96, 1, "100000.0"},  {12.3456, 3, "12.346"}};
    for (const auto& [x, n, text] : listing)
        EXPECT_EQ(FormatDecimalPlaces(x, n), text) << x << " " << n;
}

// A value exactly at a threshold (every threshold that is a double: the decimal halves and the
// Dec3 routines' powers of ten) takes the band below it, save in SigFig5, where bands fire at their
// threshold; the neighbouring doubles (below: b, above: a) take the band below and above. At a decimal
// half both bands round to the same power of ten, so there only the band's decimals can show it: the
// texts here are SigFig2's "100.0" at 99.5 and the Dec3 routines' decimals at 1, 10, 100 and 1000.
TEST(NumberText, AThresholdThatIsADoubleTakesTheBandBelowIt) {
    const auto b = [](double x) { return std::nextafter(x, 0.0); };
    const auto a = [](double x) { return std::nextafter(x, 2 * x); };
    // clang-format off
    const std::vector<Routine> at = {
    {"SigFig2", SigFig2,
     {{99.5, "100.0"},      // band 9.95: step 1, one decimal; 99.5 + 0.5 = 100
      {-99.5, "-100"},      // negatives in that band keep no decimal
      {b(99.5), "99.0"},    // 99.4999.. + 0.5 truncates to 99
      {a(99.5), "100"},     // band 99.5: step 10; 9.95.. + 0.5 truncates to 10
      {995.0, "1000"}, {b(995.0), "990"}, {9950.0, "10000"}, {995000000.0, "1000000000"}}},
    {"SigFig3", SigFig3,
     {{999.5, "1000"}, {b(999.5), "999"}, {a(999.5), "1000"}, {-9995.0, "-10000"}, {b(9995.0), "9990"},
      {999500000.0, "1000000000"}, {b(999500000.0), "999000000"}}},
    // Step 10^k below 9999.5 x 10^k and 10^(k+1) above it: 9999.5 + 0.5 and 999.95 + 0.5 both
    // truncate to the same 10^(k+4), and the decimals are 0 in both bands.
    {"SigFig4", SigFig4,
     {{9999.5, "10000"}, {b(9999.5), "9999"}, {a(9999.5), "10000"}, {-9999.5, "-10000"},
      {99995.0, "100000"}, {b(99995.0), "99990"},
      {999950.0, "1000000"}, {b(999950.0), "999900"},
      {9999500.0, "10000000"}, {b(9999500.0), "9999000"},
      {99995000.0, "100000000"}, {b(99995000.0), "99990000"},
      {999950000.0, "1000000000"}, {b(999950000.0), "999900000"},
      {9999500000.0, "10000000000"}, {b(9999500000.0), "9999000000"},
      {99995000000.0, "100000000000"}, {b(99995000000.0), "99990000000"},
      {999950000000.0, "1000000000000"}, {b(999950000000.0), "999900000000"}, {-999950000000.0, "-1000000000000"}}},
    {"SigFig5", SigFig5,
     {{99999.5, "100000"}, {b(99999.5), "99999"}, {999995.0, "1000000"}, {b(999995.0), "999990"},
      {-999995000.0, "-1000000000"}}},
    // Offset 0.5001: 0.9999.. x 1000 + 0.5001 truncates to 1000, so the neighbours below round up.
    {"SigFig3Dec3", SigFig3Dec3,
     {{1.0, "1.000"}, {b(1.0), "1.000"}, {a(1.0), "1.00"},       // bands 0.1 (step 0.001) and 1 (0.01)
      {10.0, "10.00"}, {-10.0, "-10.00"}, {b(10.0), "10.00"}, {a(10.0), "10.0"},
      {100.0, "100.0"}, {b(100.0), "100.0"}, {a(100.0), "100"},
      {1000.0, "1000"}, {a(1000.0), "1000"}, {100000000.0, "100000000"}}},
    {"SigFig4Dec3", SigFig4Dec3,
     {{1.0, "1.000"}, {a(1.0), "1.000"},                       // bands 0.1 and 1 both step 0.001
      {10.0, "10.000"}, {b(10.0), "10.000"}, {a(10.0), "10.00"},
      {100.0, "100.00"}, {-100.0, "-100.00"}, {a(100.0), "100.0"},
      {1000.0, "1000.0"}, {b(1000.0), "1000.0"}, {a(1000.0), "1000"},
      {10000.0, "10000"}, {a(10000.0), "10000"}, {100000000.0, "100000000"}}},
    };
    // clang-format on
    for (const Routine& r : at)
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << std::setprecision(17) << x << ")";
}

// The listings' fast way is to give the texts of the 18-digit way: on values of every size, and
// on decimal halves of the last digit shown, as typed, as singles and as long doubles (which the
// double the fast way reads may put on the other side of the half), with their neighbours.
TEST(NumberText, FastFixedTextsAreThoseOfThe18DigitWay) {
    std::mt19937_64 random(5975);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 480000; ++i) {
        const int decimals = static_cast<int>(random() % 11);
        const auto m = static_cast<long long>(std::pow(10.0, 9 * unit(random)));
        double x = std::strtod((std::to_string(m) + "5e" + std::to_string(-decimals - 1)).c_str(), nullptr);
        if (i % 6 == 1) x = std::nextafter(x, 0.0);
        if (i % 6 == 2) x = std::nextafter(x, 1e300);
        if (i % 6 == 3) x = static_cast<float>(x);
        if (i % 6 == 4) x = std::pow(10.0, -6 + 17 * unit(random));
        long double v = i % 6 == 5 ? (static_cast<long double>(m) + 0.5L) / std::pow(10.0L, decimals) : x;
        if (i % 12 >= 6) v = -v;
        ASSERT_EQ(FormatFixed(v, decimals), FormatFixedExact(v, decimals))
            << std::setprecision(21) << static_cast<double>(v) << " " << decimals;
    }
}

TEST(FloatToInt, RoundsToNearestWithTiesToEvenAndRefusesWhatIsNoInt32) {
    // clang-format off
    const std::pair<double, std::int32_t> cases[] = {
        {0.0, 0}, {0.5, 0}, {1.5, 2}, {-1.5, -2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2},
        {2147483647.0, 2147483647}, {-2147483648.0, -2147483647 - 1}, {2147483647.4, 2147483647},
        {-0.0, 0}, {0.49999999999999994, 0}, {-2147483647.5, -2147483647 - 1},
        {-2147483648.5, -2147483647 - 1}, {1e-300, 0}, {495.5, 496}};
    // clang-format on
    for (const auto& [x, n] : cases)
        EXPECT_EQ(FloatToInt(x), n) << x;
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {2147483647.5, 2147483648.0, -2147483649.0, 3e9, std::numeric_limits<double>::quiet_NaN(),
                     inf, -inf})
        EXPECT_THROW(FloatToInt(x), ConvertError) << x;
    // The message of each refusal: the rounded value in up to 15 figures, or the name of a non-number.
    const std::pair<double, const char*> refused[] = {
        {2147483647.5, "'2147483648' is not a valid integer value"},
        {-2147483649.0, "'-2147483649' is not a valid integer value"},
        {-1e20, "'-1E+20' is not a valid integer value"},
        {std::numeric_limits<double>::quiet_NaN(), "'NAN' is not a valid integer value"},
        {inf, "'INF' is not a valid integer value"},
        {-inf, "'-INF' is not a valid integer value"}};
    for (const auto& [x, message] : refused) {
        try {
            FloatToInt(x);
            ADD_FAILURE() << x << " converted";
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
    ScopedScriptedDialogs d;
    EXPECT_FALSE(Guard([] { FloatToInt(3e9); }));
    EXPECT_EQ(d->messages(), std::vector<std::string>{"'3000000000' is not a valid integer value"});
}

// The eight digits the listings place, against the decimal text of the same whole number: every
// four-digit group in either half, and numbers spread over the whole range.
TEST(NumberText, DigitBytesAreTheEightDigitsInOrder) {
    auto expected = [](std::uint32_t units) {
        char text[9];
        std::snprintf(text, sizeof text, "%08u", units);
        std::uint64_t word = 0;
        for (int i = 7; i >= 0; --i)
            word = word << 8 | static_cast<std::uint64_t>(text[i] - '0');
        return word;
    };
    for (std::uint32_t n = 0; n < 10000; ++n) {
        ASSERT_EQ(DigitBytes(n), expected(n)) << n;
        ASSERT_EQ(DigitBytes(n * 10000 + 9999 - n), expected(n * 10000 + 9999 - n)) << n;
    }
    for (std::uint32_t u = 0; u < 100000000; u += 9973)
        ASSERT_EQ(DigitBytes(u), expected(u)) << u;
    EXPECT_EQ(DigitBytes(99999999), 0x0909090909090909ull);
    EXPECT_EQ(DigitBytes(12345678), 0x0807060504030201ull);
}

// Below 0.1 the Dec3 routines round twice: to the band's step (1e-5 up to 0.01, 1e-4 up to 0.1, with
// the offset 0.5001), then to three decimals, half away from zero. So a value a step's half below a
// printed half rounds up, and one on a printed half of a coarser step rounds down; a step one power
// finer or coarser gives the other text. The first band of SigFig3Dec3 starts at its zero limit 0.005.
TEST(NumberText, TheDec3RoutinesRoundToTheBandsStepBeforeTheirThreeDecimals) {
    // clang-format off
    const std::vector<Routine> steps = {
    {"SigFig4Dec3", SigFig4Dec3,
     {{0.001495, "0.002"},     // band 0.0005: 149.5 + 0.5001 -> 150 x 1e-5 = 0.0015 -> 0.002 (0.001495 -> 0.001)
      {-0.001495, "-0.002"},
      {0.0014949, "0.001"},    // 149.49 + 0.5001 -> 149 x 1e-5 = 0.00149 -> 0.001
      {0.00145, "0.001"},      // 145.0 + 0.5001 -> 145 x 1e-5 = 0.00145 -> 0.001 (step 1e-4: 0.0015 -> 0.002)
      {-0.00145, "-0.001"},
      {0.009495, "0.010"},     // 949.5 + 0.5001 -> 950 x 1e-5 = 0.0095 -> 0.010 (0.009495 -> 0.009)
      {-0.009495, "-0.010"},
      {0.01245, "0.013"},      // band 0.01: 124.5 + 0.5001 -> 125 x 1e-4 = 0.0125 -> 0.013 (0.01245 -> 0.012)
      {-0.01245, "-0.013"},
      {0.09945, "0.100"},      // 994.5 + 0.5001 -> 995 x 1e-4 = 0.0995 -> 0.100 (0.09945 -> 0.099)
      {-0.09945, "-0.100"},
      {0.09449, "0.095"}}},    // 944.9 + 0.5001 -> 945 x 1e-4 = 0.0945 -> 0.095 (0.09449 -> 0.094)
    {"SigFig3Dec3", SigFig3Dec3,
     {{0.005495, "0.006"},     // band 0.0005: 549.5 + 0.5001 -> 550 x 1e-5 = 0.0055 -> 0.006 (0.005495 -> 0.005)
      {-0.005495, "-0.006"},
      {0.00545, "0.005"},      // 545.0 + 0.5001 -> 545 x 1e-5 = 0.00545 -> 0.005 (step 1e-4: 0.0055 -> 0.006)
      {-0.00545, "-0.005"},
      {0.009495, "0.010"},     // 949.5 + 0.5001 -> 950 x 1e-5 = 0.0095 -> 0.010
      {-0.009495, "-0.010"},
      {0.01245, "0.013"},      // band 0.01: 124.5 + 0.5001 -> 125 x 1e-4 = 0.0125 -> 0.013
      {-0.01245, "-0.013"},
      {0.09945, "0.100"},      // 994.5 + 0.5001 -> 995 x 1e-4 = 0.0995 -> 0.100
      {-0.09945, "-0.100"}}},
    };
    // clang-format on
    for (const Routine& r : steps)
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << std::setprecision(17) << x << ")";
}

// From 0.1 up the Dec3 routines' step is the last digit shown, so a value 0.49 of a step past it
// rounds down (x / step + 0.5001 < next whole number); a step ten times finer would round it to a
// half and then up, one ten times coarser would drop a digit. One such value in every band.
TEST(NumberText, EveryDec3BandRoundsAFourNineToItsOwnStep) {
    // clang-format off
    const std::vector<Routine> steps = {
    {"SigFig3Dec3", SigFig3Dec3,
     {{0.12349, "0.123"},          // band 0.1, step 0.001: 123.49 + 0.5001 -> 123
      {-0.12349, "-0.123"},
      {1.2349, "1.23"},            // band 1, step 0.01: 123.49 + 0.5001 -> 123 (step 0.001: 1.235 -> 1.24)
      {12.349, "12.3"},            // band 10, step 0.1: 123.49 + 0.5001 -> 123
      {-12.349, "-12.3"},
      {123.49, "123"},             // band 100, step 1: 123.49 + 0.5001 -> 123 (step 0.1: 123.5 -> 124)
      {123456789.0, "123000000"},  // band 1e8, step 1e6: 123.46 + 0.5001 -> 123 (step 1e7: 120000000)
      {-123456789.0, "-123000000"}}},
    {"SigFig4Dec3", SigFig4Dec3,
     {{0.12349, "0.123"},          // band 0.1, step 0.001: 123.49 + 0.5001 -> 123
      {1.23449, "1.234"},          // band 1, step 0.001: 1234.49 + 0.5001 -> 1234 (step 1e-4: 1.2345 -> 1.235)
      {-1.23449, "-1.234"},
      {12.3449, "12.34"},          // band 10, step 0.01: 1234.49 + 0.5001 -> 1234
      {123.449, "123.4"},          // band 100, step 0.1: 1234.49 + 0.5001 -> 1234
      {-123.449, "-123.4"},
      {1234.49, "1234"},           // band 1000, step 1: 1234.49 + 0.5001 -> 1234 (step 0.1: 1234.5 -> 1235)
      {12344.9, "12340"},          // band 1e4, step 10: 1234.49 + 0.5001 -> 1234 (step 1: 12345)
      {-12344.9, "-12340"},
      {123449.0, "123400"},        // band 1e5, step 100
      {1234490.0, "1234000"},      // band 1e6, step 1000
      {12344900.0, "12340000"},    // band 1e7, step 1e4
      {123449000.0, "123400000"}}},// band 1e8, step 1e5
    };
    // clang-format on
    for (const Routine& r : steps)
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << std::setprecision(17) << x << ")";
}

// SigFig2 and SigFig3 alike: in every band below the last a value with 49 after the last digit
// shown rounds down to its band's step (1.249 x 10^m -> 1.2 x 10^m, 1.2349 x 10^m -> 1.23 x 10^m);
// a step ten times finer would round it to a half first and then up.
TEST(NumberText, SigFig2And3RoundAFourNineToEachBandsStep) {
    // clang-format off
    const std::vector<Routine> steps = {
    {"SigFig2", SigFig2,
     {{0.0001249, "0.00012"}, {0.001249, "0.0012"}, {0.01249, "0.012"}, {-0.1249, "-0.12"},
      {1.249, "1.2"},
      {12.49, "12.0"},          // band 9.95, step 1, one decimal: 12.49 + 0.5 -> 12
      {124.9, "120"}, {-1249.0, "-1200"}, {12490.0, "12000"}, {124900.0, "120000"},
      {1249000.0, "1200000"}, {12490000.0, "12000000"}, {124900000.0, "120000000"}}},
    {"SigFig3", SigFig3,
     {{0.00012349, "0.000123"}, {0.0012349, "0.00123"}, {-0.012349, "-0.0123"}, {0.12349, "0.123"},
      {1.2349, "1.23"}, {12.349, "12.3"}, {123.49, "123"}, {1234.9, "1230"}, {-12349.0, "-12300"},
      {123490.0, "123000"}, {1234900.0, "1230000"}, {12349000.0, "12300000"},
      {123490000.0, "123000000"}}},
    };
    // clang-format on
    for (const Routine& r : steps)
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << std::setprecision(17) << x << ")";
}
