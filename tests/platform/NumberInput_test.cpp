#include "platform/NumberInput.h"

#include <gtest/gtest.h>

using namespace kx;

TEST(NumberInput, LeadingNumberTakesTheNumberAtTheStartAndIgnoresTheRest) {
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("  12.5 m"), 12.5);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("-3"), -3.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("+.5x"), 0.5);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("1e3kN"), 1000.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("2e"), 2.0) << "an exponent without digits is not taken";
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("7.25.3"), 7.25);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("."), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("1,5"), 1.0) << "the point is the only decimal separator";
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("1e999"), 0.0) << "beyond the range of a double";
}

TEST(NumberInput, NumberOrZeroNeedsTheWholeTextToBeANumber) {
    EXPECT_DOUBLE_EQ(ReadNumberOrZero(" 12.5 "), 12.5);
    EXPECT_DOUBLE_EQ(ReadNumberOrZero("-0.25e2"), -25.0);
    EXPECT_DOUBLE_EQ(ReadNumberOrZero("12.5 m"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumberOrZero("1,5"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumberOrZero(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumberOrZero("nan"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumberOrZero("inf"), 0.0);
}
