// Number texts and whole numbers checked against figures worked out by hand.
#include "foundation/SigFig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
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
const std::vector<Routine>& routines() {
    static const std::vector<Routine> all = {
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
        // No decimals: the digits truncated toward zero; the width of 5 pads with blanks.
        {"FormatDecimalPlaces 0", [](double x) { return FormatDecimalPlaces(x, 0); },
         {{7.9, "7"}, {-7.9, "-7"}, {0.00005, "0"}}},
        {"FormatDecimalPlaces 1", [](double x) { return FormatDecimalPlaces(x, 1); },
         {{1.5, "  1.5"}, {0.00005, "0.0"}}},
        {"FormatDecimalPlaces 2", [](double x) { return FormatDecimalPlaces(x, 2); },
         {{0.00005, "0.00"}, {123456.7, "123460"}, {3.14159, " 3.14"}}},
        {"FormatDecimalPlaces 3", [](double x) { return FormatDecimalPlaces(x, 3); },
         {{2.0, "2.000"}, {0.00005, "0.000"}}},
    };
    return all;
}
// clang-format on

} // namespace

TEST(NumberText, EveryRoutineGivesTheHandWorkedTexts) {
    for (const Routine& r : routines())
        for (const auto& [x, text] : r.cases)
            EXPECT_EQ(r.format(x), text) << r.name << "(" << x << ")";
    Model.DecimalPlaces = 1;
    EXPECT_EQ(FormatDecimalPlaces(12.34), " 12.3") << "the model's DecimalPlaces by default";
    Model.DecimalPlaces = 0;
}

TEST(NumberText, NotANumberAndInfinityShowAsHashes) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const Routine& r : routines())
        for (double v : {std::numeric_limits<double>::quiet_NaN(), inf, -inf})
            EXPECT_EQ(r.format(v), "#####") << r.name << "(" << v << ")";
}

TEST(FloatToInt, RoundsToNearestWithTiesToEvenWithinThe32BitRange) {
    // clang-format off
    const std::pair<double, std::int32_t> cases[] = {
        {0.0, 0}, {0.5, 0}, {1.5, 2}, {-1.5, -2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2},
        {2147483647.0, 2147483647}, {-2147483648.0, -2147483647 - 1}, {2147483647.4, 2147483647}};
    // clang-format on
    for (const auto& [x, n] : cases)
        EXPECT_EQ(FloatToInt(x), n) << x;
}

TEST(FloatToInt, OutOfRangeOrNotANumberIsAConversionErrorThatTheGuardShows) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {2147483647.5, 2147483648.0, -2147483649.0, 3e9, std::numeric_limits<double>::quiet_NaN(),
                     inf, -inf})
        EXPECT_THROW(FloatToInt(x), ConvertError) << x;
    ScopedScriptedDialogs d;
    EXPECT_FALSE(Guard([] { FloatToInt(3e9); }));
    EXPECT_EQ(d->messages(), std::vector<std::string>{"'3000000000' is not a valid integer value"});
}

namespace reference {

// The number texts as they were before the fast way, kept whole: every text through the 18-digit
// rounding, or through a long double way that agrees with it. The routines must match it exactly.
using Ext = long double;

Ext pow10(int n) {
    Ext r = 1;
    for (int i = 0; i < (n < 0 ? -n : n); ++i)
        r *= 10;
    return n < 0 ? 1 / r : r;
}

std::string FormatFixedExact(long double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(v));
    std::string digits;
    digits.push_back(buf[0]);
    digits.append(buf + 2, 17);
    int exp10 = std::atoi(buf + 20);
    int pointPos = exp10 + 1;
    if (pointPos < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    if (pointPos > static_cast<int>(digits.size()))
        digits.append(static_cast<std::size_t>(pointPos) - digits.size(), '0');
    int keep = pointPos + decimals;
    if (keep < static_cast<int>(digits.size())) {
        bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        for (int i = keep - 1; up && i >= 0; --i) {
            auto& d = digits[static_cast<std::size_t>(i)];
            if (d == '9') {
                d = '0';
            } else {
                ++d;
                up = false;
            }
        }
        if (up) {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    } else {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    }
    std::string intPart = digits.substr(0, static_cast<std::size_t>(pointPos));
    std::string frac = digits.substr(static_cast<std::size_t>(pointPos));
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    bool zero = intPart == "0" && frac.find_first_not_of('0') == std::string::npos;
    std::string out = (v < 0 && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0) out += "." + frac;
    return out;
}

std::string FormatFixed(long double v, int decimals) {
    static constexpr Ext kPow10[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L};
    if (decimals < 0 || decimals > 9) return reference::FormatFixedExact(v, decimals);
    const Ext scaled = std::fabs(v) * kPow10[decimals];
    if (!(scaled < 1e10L)) return reference::FormatFixedExact(v, decimals);
    long long units = static_cast<long long>(scaled);
    const Ext fraction = scaled - static_cast<Ext>(units);
    if (std::fabs(fraction - 0.5L) <= 1e-5L) return reference::FormatFixedExact(v, decimals);
    if (fraction > 0.5L) ++units;
    char digits[24];
    int n = 0;
    for (int i = 0; i < decimals || units > 0 || n == decimals; ++i) {
        digits[n++] = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    std::string out;
    bool zero = true;
    for (int i = 0; i < n; ++i)
        zero = zero && digits[i] == '0';
    if (v < 0 && !zero) out.push_back('-');
    for (int i = n - 1; i >= 0; --i) {
        out.push_back(digits[i]);
        if (i == decimals && decimals > 0) out.push_back('.');
    }
    return out;
}

Ext roundToStep(Ext x, int stepExp, Ext offset) {
    Ext off = x < 0 ? -offset : offset;
    if (stepExp < 0) {
        Ext k = pow10(-stepExp);
        return std::trunc(x * k + off) / k;
    }
    Ext s = pow10(stepExp);
    return std::trunc(x / s + off) * s;
}

std::string FormatBands(double value, const SigFigRule& rule) {
    if (std::isnan(value) || std::isinf(value)) return "#####";
    Ext x = value;
    Ext a = std::fabs(x);
    if (a < rule.zeroBelow) return rule.zeroText;
    if (a > rule.overflowAbove) return "#####";
    int chosen = 0;
    for (int i = 0; i < rule.bandCount; ++i) {
        const SigFigBand& b = rule.bands[i];
        bool passes =
            (i == 0 && rule.firstBandInclusive) || rule.allInclusive ? a >= b.threshold : a > b.threshold;
        if (passes) chosen = i;
    }
    const SigFigBand& b = rule.bands[chosen];
    Ext r = roundToStep(x, b.stepExp, rule.offset);
    int decimals = (x < 0 && b.negativeDecimals >= 0) ? b.negativeDecimals : b.decimals;
    return reference::FormatFixed(r, decimals);
}

std::string FormatDecimalPlaces(double x, int n) {
    if (std::isnan(x) || std::isinf(x)) return "#####";
    if (n < 0) n = 0;
    if (n > 3) n = 3;
    static const char* const zero[] = {"0", "0.0", "0.00", "0.000"};
    Ext a = std::fabs(static_cast<Ext>(x));
    if (a < static_cast<Ext>(1e-4)) return zero[n];
    if (a > 1e5L) return reference::FormatBands(x, kSigFig5);
    if (n == 0) return std::to_string(static_cast<long long>(std::trunc(x)));
    std::string s = reference::FormatFixed(x, n);
    if (s.size() < 5) s.insert(0, 5 - s.size(), ' ');
    return s;
}

} // namespace reference

namespace {

// Each routine beside its rule table (FormatDecimalPlaces: the decimals as a fake step).
struct Compared {
    const char* name;
    std::string (*now)(double);
    std::string (*before)(double);
    const SigFigRule* rule; // nullptr: FormatDecimalPlaces, whose one band runs up to 1e5
    int decimals;           // FormatDecimalPlaces only
};

template <const SigFigRule& R> std::string Before(double x) { return reference::FormatBands(x, R); }
template <int N> std::string NowPlaces(double x) { return FormatDecimalPlaces(x, N); }
template <int N> std::string BeforePlaces(double x) { return reference::FormatDecimalPlaces(x, N); }

const Compared kCompared[] = {
    {"SigFig2", SigFig2, Before<kSigFig2>, &kSigFig2, 0},
    {"SigFig3", SigFig3, Before<kSigFig3>, &kSigFig3, 0},
    {"SigFig4", SigFig4, Before<kSigFig4>, &kSigFig4, 0},
    {"SigFig5", SigFig5, Before<kSigFig5>, &kSigFig5, 0},
    {"SigFig3Dec3", SigFig3Dec3, Before<kSigFig3Dec3>, &kSigFig3Dec3, 0},
    {"SigFig4Dec3", SigFig4Dec3, Before<kSigFig4Dec3>, &kSigFig4Dec3, 0},
    {"FormatDecimalPlaces 0", NowPlaces<0>, BeforePlaces<0>, nullptr, 0},
    {"FormatDecimalPlaces 1", NowPlaces<1>, BeforePlaces<1>, nullptr, 1},
    {"FormatDecimalPlaces 2", NowPlaces<2>, BeforePlaces<2>, nullptr, 2},
    {"FormatDecimalPlaces 3", NowPlaces<3>, BeforePlaces<3>, nullptr, 3},
};

// The bands of a routine as magnitude ranges [low, high] and the step each rounds to.
struct Range {
    double low, high;
    int stepExp, decimals;
};
std::vector<Range> Ranges(const Compared& c) {
    if (!c.rule) return {{1e-4, 1e5, -c.decimals, c.decimals}, {1e5, 1e9, 0, 0}};
    const SigFigRule& r = *c.rule;
    std::vector<Range> out;
    for (int i = 0; i < r.bandCount; ++i) {
        const double low = static_cast<double>(i == 0 ? r.zeroBelow : r.bands[i].threshold);
        const double high =
            static_cast<double>(i + 1 < r.bandCount ? r.bands[i + 1].threshold : r.overflowAbove);
        out.push_back({low, high, r.bands[i].stepExp, r.bands[i].decimals});
    }
    return out;
}

::testing::AssertionResult Same(const Compared& c, double x) {
    const std::string now = c.now(x), before = c.before(x);
    if (now == before) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << c.name << "(" << std::setprecision(21) << x << ") gives " << now << ", was " << before;
}

} // namespace

TEST(NumberText, EveryRoutineGivesTheTextsOfThe18DigitWayOnRandomValuesInEveryBand) {
    std::mt19937_64 random(2205);
    std::uniform_real_distribution<double> unit(0, 1);
    long compared = 0;
    for (const Compared& c : kCompared) {
        for (const Range& band : Ranges(c)) {
            const double lo = std::log10(band.low), hi = std::log10(band.high);
            for (int i = 0; i < 11000; ++i) {
                double x = std::pow(10.0, lo + (hi - lo) * unit(random));
                if (i % 4 == 1) x = static_cast<float>(x); // the image of a single, as results are stored
                if (i % 4 == 2) x = std::nextafter(band.low, i % 8 == 2 ? 0.0 : 1e300); // the band's edge
                if (i % 2) x = -x;
                ASSERT_TRUE(Same(c, x));
                ++compared;
            }
        }
    }
    // FormatFixed itself, on long doubles too, at every count of decimals the routines use.
    for (int i = 0; i < 120000; ++i) {
        const int decimals = static_cast<int>(random() % 11);
        long double v = std::pow(10.0L, static_cast<long double>(-6 + 17 * unit(random)));
        if (i % 2) v = -v;
        ASSERT_EQ(FormatFixed(v, decimals), reference::FormatFixed(v, decimals)) << static_cast<double>(v);
        ++compared;
    }
    EXPECT_GE(compared, 1000000);
}

TEST(NumberText, EveryDecimalHalfRoundsAsThe18DigitWayRoundsIt) {
    // In every band: values typed as a half of the step a routine rounds to, of the digits it
    // prints, and their neighbouring doubles and singles; in text, so that the double is the one
    // nearest the decimal half.
    std::mt19937_64 random(5975);
    long compared = 0;
    for (const Compared& c : kCompared) {
        for (const Range& band : Ranges(c)) {
            for (int exp : {band.stepExp, -band.decimals, band.stepExp + 1}) {
                // Halves (m + 0.5) x 10^exp within the band, m log-uniform.
                const double step = std::pow(10.0, exp);
                const double mLow = std::max(1.0, std::floor(band.low / step)),
                             mHigh = std::ceil(band.high / step);
                if (mHigh < mLow) continue;
                std::uniform_real_distribution<double> logM(std::log(mLow), std::log(mHigh + 1));
                for (int i = 0; i < 500; ++i) {
                    const auto m = static_cast<long long>(std::exp(logM(random)));
                    const double x =
                        std::strtod((std::to_string(m) + "5e" + std::to_string(exp - 1)).c_str(), nullptr);
                    for (double y : {x, std::nextafter(x, 0.0), std::nextafter(x, 1e300),
                                     static_cast<double>(static_cast<float>(x))}) {
                        ASSERT_TRUE(Same(c, y));
                        ASSERT_TRUE(Same(c, -y));
                        compared += 2;
                    }
                }
            }
        }
    }
    // Halves of FormatFixed's last digit at 0 to 3 decimals: every one up to 29999.5 units, and
    // as many more up to 1e8 units; as long doubles and as typed doubles.
    for (int decimals = 0; decimals <= 3; ++decimals) {
        for (long long k = 0; k < 60000; ++k) {
            const long long m = k < 30000 ? k : static_cast<long long>(random() % 100000000);
            const long double half = (static_cast<long double>(m) + 0.5L) / reference::pow10(decimals);
            const double typed =
                std::strtod((std::to_string(m) + "5e" + std::to_string(-decimals - 1)).c_str(), nullptr);
            for (long double v : {half, static_cast<long double>(typed), -static_cast<long double>(typed)})
                ASSERT_EQ(FormatFixed(v, decimals), reference::FormatFixed(v, decimals))
                    << std::setprecision(21) << static_cast<double>(v) << " " << decimals;
            compared += 3;
        }
    }
    EXPECT_GE(compared, 1000000);
}

TEST(FormatFixed, HandWorkedTexts) {
    EXPECT_EQ(FormatFixed(0.0L, 0), "0");
    EXPECT_EQ(FormatFixed(-0.0004L, 3), "0.000");
    EXPECT_EQ(FormatFixed(-0.0006L, 3), "-0.001");
    EXPECT_EQ(FormatFixed(9999.9996L, 3), "10000.000");
    EXPECT_EQ(FormatFixed(2.5L, 0), "3");
    EXPECT_EQ(FormatFixed(0.125L, 2), "0.13");
}
