#include "foundation/SigFig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "foundation/Func_FloatToInt.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFigBands.h"
#include "platform/Errors.h"

using namespace kx;

TEST(SigFig3, ThreeSignificantFiguresRoundedHalfAwayFromZeroPerDecade) {
    EXPECT_EQ(SigFig3(0.0123456), "0.0123");
    EXPECT_EQ(SigFig3(12.345), "12.3");
    EXPECT_EQ(SigFig3(1234.5), "1230");
    EXPECT_EQ(SigFig3(-1234.5), "-1230");
    EXPECT_EQ(SigFig3(99.96), "100") << "rounding carries into the next decade, the format stays";
    EXPECT_EQ(SigFig3(1235.0), "1240") << "half away from zero";
    EXPECT_EQ(SigFig3(-1235.0), "-1240");
    EXPECT_EQ(SigFig3(2.345), "2.35") << "the double 2.345 lies a hair above the half";
    EXPECT_EQ(SigFig3(0.125), "0.125");
    EXPECT_EQ(SigFig3Dec3(0.0125), "0.013") << "a decimal half rounds up in the format too";
    EXPECT_EQ(SigFig4Dec3(0.0125), "0.013");
    EXPECT_EQ(SigFig3(0.5), "0.500");
    EXPECT_EQ(SigFig3(7.0), "7.00");
    EXPECT_EQ(SigFig3(45000000.0), "45000000");
}

TEST(SigFig3, ZeroAndOverflowLimits) {
    EXPECT_EQ(SigFig3(0.0), "0.0");
    EXPECT_EQ(SigFig3(9.95e-5), "0.0");
    EXPECT_EQ(SigFig3(-9.95e-5), "0.0");
    EXPECT_EQ(SigFig3(1e9), "1000000000");
    EXPECT_EQ(SigFig3(1.0000001e9), "#####");
    EXPECT_EQ(SigFig3(-2e9), "#####");
    EXPECT_EQ(SigFig3(0.99949), "0.999");
    EXPECT_EQ(SigFig3(0.99951), "1.00");
}

TEST(SigFig, NotANumberAndInfinityShowAsHashes) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {nan, inf, -inf}) {
        EXPECT_EQ(SigFig2(v), "#####");
        EXPECT_EQ(SigFig3(v), "#####");
        EXPECT_EQ(SigFig4(v), "#####");
        EXPECT_EQ(SigFig5(v), "#####");
        EXPECT_EQ(SigFig3Dec3(v), "#####");
        EXPECT_EQ(SigFig4Dec3(v), "#####");
        EXPECT_EQ(FormatDecimalPlaces(v, 2), "#####");
    }
}

TEST(SigFig, MagnitudesBetweenTheZeroLimitAndTheFirstBandUseTheFirstBand) {
    EXPECT_EQ(SigFig3(9.951e-5), "0.000100");
    EXPECT_EQ(SigFig3(9.96e-5), "0.000100");
    EXPECT_EQ(SigFig3(-9.99e-5), "-0.000100");
    EXPECT_EQ(SigFig4(9.96e-5), "0.0000996");
    EXPECT_EQ(SigFig4(9.999e-5), "0.0001000");
    EXPECT_EQ(SigFig3(9.9949e-5), "0.000100");
}

TEST(SigFig2, TwoFiguresWithTheOddFormatAboveTen) {
    EXPECT_EQ(SigFig2(12.34), "12.0");
    EXPECT_EQ(SigFig2(-12.34), "-12");
    EXPECT_EQ(SigFig2(0.0456), "0.046");
    EXPECT_EQ(SigFig2(3.14), "3.1");
    EXPECT_EQ(SigFig2(156.0), "160");
    EXPECT_EQ(SigFig2(5e-5), "0.0");
}

TEST(SigFig4, FourFiguresUpToATrillion) {
    EXPECT_EQ(SigFig4(5e11), "500000000000");
    EXPECT_EQ(SigFig4(1e12), "1000000000000");
    EXPECT_EQ(SigFig4(1.1e12), "#####");
    EXPECT_EQ(SigFig4(3.14159), "3.142");
    EXPECT_EQ(SigFig4(-123456.0), "-123500");
    EXPECT_EQ(SigFig4(0.012345), "0.01235") << "0.012345 lies above the half in binary";
}

TEST(SigFig5, FiveFiguresFromFiveMillionthsUp) {
    EXPECT_EQ(SigFig5(6e-6), "0.0000060000");
    EXPECT_EQ(SigFig5(4.9e-6), "0.0");
    EXPECT_EQ(SigFig5(5e-6), "0.0000050000") << "the zero limit itself is not zero";
    EXPECT_EQ(SigFig5(123456.7), "123460");
    EXPECT_EQ(SigFig5(1.0), "1.0000") << "bands fire at their threshold";
    EXPECT_EQ(SigFig5(210000.0), "210000");
    EXPECT_EQ(SigFig5(1.0000001e9), "#####");
}

TEST(SigFigDec3, AtMostThreeDecimals) {
    EXPECT_EQ(SigFig3Dec3(0.004), "0.00");
    EXPECT_EQ(SigFig3Dec3(0.005), "0.005");
    EXPECT_EQ(SigFig3Dec3(0.0123), "0.012");
    EXPECT_EQ(SigFig3Dec3(6.0), "6.00");
    EXPECT_EQ(SigFig3Dec3(-6.0), "-6.00");
    EXPECT_EQ(SigFig3Dec3(2000.0), "2000");
    EXPECT_EQ(SigFig3Dec3(123456.0), "123000");
    EXPECT_EQ(SigFig4Dec3(1.23456), "1.235");
    EXPECT_EQ(SigFig4Dec3(0.0004), "0.000");
    EXPECT_EQ(SigFig4Dec3(0.0005), "0.001") << "the first band fires at its threshold";
    EXPECT_EQ(SigFig4Dec3(5.433), "5.433");
    EXPECT_EQ(SigFig4Dec3(-30000.0), "-30000");
    EXPECT_EQ(SigFig4Dec3(1.0000001e9), "#####");
}

TEST(FormatDecimalPlaces, FollowsDecimalPlacesOfTheModel) {
    EXPECT_EQ(FormatDecimalPlaces(0.00005, 2), "0.00");
    EXPECT_EQ(FormatDecimalPlaces(123456.7, 2), "123460");
    EXPECT_EQ(FormatDecimalPlaces(3.14159, 2), " 3.14");
    EXPECT_EQ(FormatDecimalPlaces(1.5, 1), "  1.5");
    EXPECT_EQ(FormatDecimalPlaces(2.0, 3), "2.000");
    EXPECT_EQ(FormatDecimalPlaces(7.9, 0), "7");
    EXPECT_EQ(FormatDecimalPlaces(-7.9, 0), "-7");
    EXPECT_EQ(FormatDecimalPlaces(0.00005, 0), "0");
    EXPECT_EQ(FormatDecimalPlaces(0.00005, 3), "0.000");
    EXPECT_EQ(FormatDecimalPlaces(0.00005, 1), "0.0");
    Model.DecimalPlaces = 1;
    EXPECT_EQ(FormatDecimalPlaces(12.34), " 12.3");
    Model.DecimalPlaces = 0;
}

TEST(FloatToInt, RoundsToNearestWithTiesToEven) {
    EXPECT_EQ(FloatToInt(0.0), 0);
    EXPECT_EQ(FloatToInt(0.5), 0);
    EXPECT_EQ(FloatToInt(1.5), 2);
    EXPECT_EQ(FloatToInt(-1.5), -2);
    EXPECT_EQ(FloatToInt(2.5), 2);
    EXPECT_EQ(FloatToInt(3.5), 4);
    EXPECT_EQ(FloatToInt(-2.5), -2);
    EXPECT_EQ(FloatToInt(2.4999), 2);
    EXPECT_EQ(FloatToInt(2147483647.0), 2147483647);
    EXPECT_EQ(FloatToInt(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(FloatToInt(2147483647.4), 2147483647);
}

TEST(FloatToInt, OutOfRangeOrNotANumberIsAConversionError) {
    EXPECT_THROW(FloatToInt(2147483648.0), ConvertError);
    EXPECT_THROW(FloatToInt(-2147483649.0), ConvertError);
    EXPECT_THROW(FloatToInt(3e9), ConvertError);
    EXPECT_THROW(FloatToInt(std::numeric_limits<double>::quiet_NaN()), ConvertError);
    EXPECT_THROW(FloatToInt(std::numeric_limits<double>::infinity()), ConvertError);
    try {
        FloatToInt(3e9);
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'3000000000' is not a valid integer value");
    }
}

TEST(FormatFixed, ShortWayGivesTheTextOfThe18DigitWay) {
    std::mt19937_64 random(102);
    std::uniform_real_distribution<double> exponent(-6, 11), unit(0, 1);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(random() % 11);
        long double v = std::pow(10.0L, static_cast<long double>(exponent(random)));
        if (i % 3 == 0)
            v = std::round(v * std::pow(10.0L, decimals)) / std::pow(10.0L, decimals); // on a step
        if (i % 5 == 0)
            v = (std::floor(v * std::pow(10.0L, decimals)) + 0.5L) / std::pow(10.0L, decimals); // a half
        if (i % 7 == 0) v = static_cast<float>(v); // a single's image
        if (random() % 2) v = -v;
        ASSERT_EQ(FormatFixed(v, decimals), FormatFixedExact(v, decimals))
            << std::scientific << static_cast<double>(v) << " " << decimals;
    }
    EXPECT_EQ(FormatFixed(0.0L, 0), "0");
    EXPECT_EQ(FormatFixed(-0.0004L, 3), "0.000");
    EXPECT_EQ(FormatFixed(-0.0006L, 3), "-0.001");
    EXPECT_EQ(FormatFixed(9999.9996L, 3), "10000.000");
    EXPECT_EQ(FormatFixed(2.5L, 0), "3");
    EXPECT_EQ(FormatFixed(0.125L, 2), "0.13");
}
