#include "platform/NumberInput.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "platform/Errors.h"

using namespace kx;

TEST(NumberInput, OneGrammarReadByEachPolicy) {
    using V = std::optional<double>;
    const V no; // the text holds no number as the policy reads it
    struct Row {
        const char* text;
        V leading, zero, refused; // ReadNumber gives the value, or 0 (RefusedWhenNotANumber: throws)
        std::optional<int> whole;
    };
    // clang-format off
    const Row rows[] = {
        {" 2 ",       2,     2,     2,     2},
        {"\t2\r\n",   2,     2,     2,     2},
        {"+5",        5,     5,     5,     5},
        {"-0",        0,     0,     0,     0},
        {"-.5",       -0.5,  -0.5,  -0.5,  {}},
        {"5.",        5,     5,     5,     {}},
        {"3.0",       3,     3,     3,     {}},
        {"2.5E-1",    0.25,  0.25,  0.25,  {}},
        {"1e39",      1e39,  1e39,  1e39,  {}}, // a double holds it; whether a single must is the form's
        {"",          no,    no,    0,     {}},
        {"   ",       no,    no,    0,     {}},
        {"1,5",       1,     no,    no,    {}}, // the point is the only decimal separator
        {"+-5",       no,    no,    no,    {}},
        {"1O",        1,     no,    no,    {}}, // letter O
        {"12.5 m",    12.5,  no,    no,    {}},
        {"7.25.3",    7.25,  no,    no,    {}},
        {"1e",        1,     no,    no,    {}}, // an exponent without digits is not taken
        {"1e5.5",     1e5,   no,    no,    {}},
        {"0x10",      0,     no,    no,    {}},
        {"abc",       no,    no,    no,    {}},
        {".",         no,    no,    no,    {}},
        {"-",         no,    no,    no,    {}},
        {"nan",       no,    no,    no,    {}},
        {"inf",       no,    no,    no,    {}},
        {"1e999",     no,    no,    no,    {}}, // beyond a double
        {"1e-999",    no,    no,    no,    {}},
        {"99999999999", 99999999999.0, 99999999999.0, 99999999999.0, INT_MAX},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("\"") + r.text + "\"");
        EXPECT_EQ(TryReadNumber(r.text, NumberPolicy::LeadingNumber), r.leading);
        EXPECT_EQ(TryReadNumber(r.text, NumberPolicy::ZeroWhenNotANumber), r.zero);
        EXPECT_EQ(TryReadNumber(r.text, NumberPolicy::RefusedWhenNotANumber), r.refused);
        EXPECT_EQ(ReadNumber(r.text, NumberPolicy::LeadingNumber), r.leading.value_or(0));
        EXPECT_EQ(ReadNumber(r.text, NumberPolicy::ZeroWhenNotANumber), r.zero.value_or(0));
        if (r.refused)
            EXPECT_EQ(ReadNumber(r.text, NumberPolicy::RefusedWhenNotANumber), *r.refused);
        else
            EXPECT_THROW(ReadNumber(r.text, NumberPolicy::RefusedWhenNotANumber), ConvertError);
        EXPECT_EQ(TryReadWholeNumber(r.text), r.whole);
    }
    // An empty text with no storage behind it at all.
    EXPECT_EQ(TryReadNumber(std::string_view(), NumberPolicy::LeadingNumber), no);
    EXPECT_EQ(TryReadNumber(std::string_view(), NumberPolicy::ZeroWhenNotANumber), no);
    EXPECT_EQ(TryReadNumber(std::string_view(), NumberPolicy::RefusedWhenNotANumber), 0.0);
    EXPECT_EQ(TryReadWholeNumber(std::string_view()), std::nullopt);
    EXPECT_EQ(BeyondDoubleRange(std::string_view()), 0);
    // The refusal quotes the text as typed.
    try {
        ReadNumber(" 3,5", NumberPolicy::RefusedWhenNotANumber);
        ADD_FAILURE() << "not refused";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "' 3,5' is not a valid floating point value");
    }
}

TEST(NumberInput, ANumberTooLargeForADoubleIsToldFromOneTooSmallAndFromNoNumber) {
    const std::pair<const char*, int> rows[] = {
        {"1e400", 1},   {" -1e400 ", -1},  {"+2.5E+308", 1},
        {"180e307", 1}, {"0.0001e313", 1}, {"1e99999999999999999999", 1},
        {"1e308", 0},   {"1e-400", 0},     {"-0.001e-330", 0},
        {"0e999", 0},   {"1e400x", 0},     {"1e400 m", 0},
        {"", 0},        {"abc", 0},        {"3", 0}};
    for (const auto& [text, sign] : rows)
        EXPECT_EQ(BeyondDoubleRange(text), sign) << text;
    // Leading zeros do not raise the power of ten of the leading digit: 0...01e-400 is 1e-400, too small, not
    // too large; 0...01e400 is 1e400, too large.
    const std::string zeros(500, '0');
    EXPECT_EQ(BeyondDoubleRange(zeros + "1e-400"), 0);
    EXPECT_EQ(BeyondDoubleRange("-" + zeros + "1e-400"), 0);
    EXPECT_EQ(BeyondDoubleRange(zeros + "1e400"), 1);
    EXPECT_EQ(BeyondDoubleRange(zeros + "." + zeros + "1e-400"), 0);
    // Digits after the point do not raise it either: 1.0...0e-400 is 1e-400.
    EXPECT_EQ(BeyondDoubleRange("1." + zeros + "e-400"), 0);
    EXPECT_EQ(BeyondDoubleRange("-1." + zeros + "5e-400"), 0);
    // A leading 1 just after the point: 0.1e400 is 1e399, too large.
    EXPECT_EQ(BeyondDoubleRange("0.1e400"), 1);
    EXPECT_EQ(BeyondDoubleRange("-.1e400"), -1);
}

// Whole numbers at the ends of the int range, and numbers at the ends of a double's range.
TEST(NumberInput, NumbersAtTheEndsOfTheirRanges) {
    const std::pair<const char*, std::optional<int>> whole[] = {
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {" +0 ", 0},
        {"-1", -1},
        {"007", 7},
        {"+", std::nullopt},
        {"1 2", std::nullopt},
        {"\t", std::nullopt},
        {"1e3", std::nullopt},
        {"-+1", std::nullopt},
    };
    for (const auto& [text, want] : whole)
        EXPECT_EQ(TryReadWholeNumber(text), want) << "\"" << text << "\"";

    // The largest double is a number; the first decimal past it is too large, as is its negative.
    EXPECT_EQ(TryReadNumber("1.7976931348623157e308", NumberPolicy::RefusedWhenNotANumber),
              1.7976931348623157e308);
    EXPECT_EQ(TryReadNumber("4.9e-324", NumberPolicy::ZeroWhenNotANumber), 4.9e-324);
    const std::pair<const char*, int> beyond[] = {{"1.7976931348623157e308", 0},
                                                  {"1.8e308", 1},
                                                  {"-1.8e308", -1},
                                                  {"18e307", 1},
                                                  {"0.18e309", 1},
                                                  {"1e-330", 0},
                                                  {"-1e-330", 0},
                                                  {"4.9e-324", 0}};
    for (const auto& [text, sign] : beyond)
        EXPECT_EQ(BeyondDoubleRange(text), sign) << text;
    // Too large for a double: no number by any policy, so the refusing one refuses.
    EXPECT_EQ(TryReadNumber("1.8e308", NumberPolicy::LeadingNumber), std::nullopt);
    EXPECT_EQ(ReadNumber("1.8e308", NumberPolicy::ZeroWhenNotANumber), 0.0);
    EXPECT_THROW(ReadNumber("1.8e308", NumberPolicy::RefusedWhenNotANumber), ConvertError);

    // The edges of the grammar: a point with digits on one side only, an exponent sign with and without
    // digits after it. Leading number, then the whole text as a number.
    using V = std::optional<double>;
    const std::tuple<const char*, V, V> edges[] = {{".5", 0.5, 0.5},
                                                   {"5.", 5, 5},
                                                   {"+.5e-0", 0.5, 0.5},
                                                   {"1E+2", 100, 100},
                                                   {"1e+", 1, std::nullopt},
                                                   {"1e-", 1, std::nullopt},
                                                   {"+.", std::nullopt, std::nullopt},
                                                   {"-e5", std::nullopt, std::nullopt},
                                                   {"\n\t-7\r", -7, -7}};
    for (const auto& [text, leading, wholeText] : edges) {
        EXPECT_EQ(TryReadNumber(text, NumberPolicy::LeadingNumber), leading) << text;
        EXPECT_EQ(TryReadNumber(text, NumberPolicy::ZeroWhenNotANumber), wholeText) << text;
    }
}
