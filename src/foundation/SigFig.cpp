// Significant-figure number texts. Every routine rounds half away from zero to its band's step
// in extended precision and prints fixed-point; the band is the highest one whose threshold the
// magnitude passes.
#include "foundation/SigFig.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "foundation/SharedModel.h"
#include "foundation/SigFigBands.h"

namespace kx {

namespace {

using Ext = long double;
// The 18-digit rounding and the exact steps below 1 need the 64-bit mantissa of x86's extended
// precision; a 53-bit long double would round some texts differently.
static_assert(std::numeric_limits<Ext>::digits >= 64, "number texts need an extended long double");

constexpr const char* kOverflow = "#####";

// 10^n for a small whole n, exact in extended precision.
Ext pow10(int n) {
    Ext r = 1;
    for (int i = 0; i < (n < 0 ? -n : n); ++i)
        r *= 10;
    return n < 0 ? 1 / r : r;
}

} // namespace

// Fixed-point text of v with the given decimals: the value is first taken to 18 significant
// digits, and that decimal number is then rounded half away from zero. So a value that is a
// decimal half in 18 digits rounds up, although its binary image may lie a hair below the half:
// a value typed as 0.125 shows as 0.13, as an engineer expects.
std::string FormatFixedExact(long double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(v));
    // buf: d.ddddddddddddddddde[+-]XX
    std::string digits;
    digits.push_back(buf[0]);
    digits.append(buf + 2, 17);
    int exp10 = std::atoi(buf + 20);
    // digits hold the value digits[0].digits[1..] x 10^exp10; the point sits after pointPos digits.
    int pointPos = exp10 + 1;
    if (pointPos < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    if (pointPos > static_cast<int>(digits.size()))
        digits.append(static_cast<std::size_t>(pointPos) - digits.size(), '0');
    int keep = pointPos + decimals; // digits kept
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

namespace {

// The listings format thousands of numbers per analysis, so the usual case takes one double
// multiplication (RoundFixed). Away from a decimal half, taking the value to 18 digits first cannot
// change where it rounds: a scaled value below 1e8 moves by at most 5e-10 at 18 digits and by at
// most 2e-8 through the conversion to double and the multiplication, so a fraction more than 1e-5
// from one half rounds alike either way. Values that close to a half, or larger, return false:
// only the 18-digit way is sure of them.
bool FixedAwayFromHalf(NumberText& out, double magnitude, bool negative, int decimals) {
    FixedDigits f;
    if (!RoundFixed(magnitude, negative, decimals, f)) return false;
    out.assign(f);
    return true;
}

NumberText FixedText(long double v, int decimals) {
    NumberText t;
    if (!FixedAwayFromHalf(t, static_cast<double>(std::fabs(v)), v < 0, decimals))
        t = NumberText(FormatFixedExact(v, decimals));
    return t;
}

} // namespace

std::string FormatFixed(long double v, int decimals) {
    NumberText t;
    if (FixedAwayFromHalf(t, static_cast<double>(std::fabs(v)), v < 0, decimals)) return t.str();
    return FormatFixedExact(v, decimals);
}

namespace {

Ext roundToStep(Ext x, int stepExp, Ext offset) {
    // Step 10^stepExp; below 1 multiply by the exact reciprocal, as dividing would not be exact.
    Ext off = x < 0 ? -offset : offset;
    if (stepExp < 0) {
        Ext k = pow10(-stepExp);
        return std::trunc(x * k + off) / k;
    }
    Ext s = pow10(stepExp);
    return std::trunc(x / s + off) * s;
}

NumberText BandsText(double value, const SigFigRule& rule) {
    if (std::isnan(value) || std::isinf(value)) return NumberText(kOverflow);
    Ext x = value;
    Ext a = std::fabs(x);
    if (a < rule.zeroBelow) return NumberText(rule.zeroText);
    if (a > rule.overflowAbove) return NumberText(kOverflow);
    // The highest band whose threshold is passed; magnitudes under the first threshold that
    // are not zero use the first band.
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
    return FixedText(r, decimals);
}

} // namespace

std::string SigFig2(double x) { return BandsText(x, kSigFig2).str(); }
std::string SigFig3(double x) { return BandsText(x, kSigFig3).str(); }
std::string SigFig4(double x) { return BandsText(x, kSigFig4).str(); }
std::string SigFig5(double x) { return BandsText(x, kSigFig5).str(); }
std::string SigFig3Dec3(double x) { return BandsText(x, kSigFig3Dec3).str(); }
std::string SigFig4Dec3(double x) { return BandsText(x, kSigFig4Dec3).str(); }

std::string FormatDecimalPlaces(double x) { return FormatDecimalPlaces(x, Model.DecimalPlaces); }

std::string FormatDecimalPlaces(double x, int n) { return DecimalPlacesText(x, n).str(); }

NumberText DecimalPlacesText(double x, int n) {
    // One text throughout, built where the caller keeps it: copying it out costs more than making it.
    NumberText t;
    n = std::clamp(n, 0, 3);
    static const char* const zero[] = {"0", "0.0", "0.00", "0.000"};
    const double a = std::fabs(x);
    if (std::isnan(x) || std::isinf(x)) {
        t.assign(kOverflow);
    } else if (a < 1e-4) {
        t.assign(zero[n]);
    } else if (a > 1e5) {
        t = BandsText(x, kSigFig5);
    } else if (n == 0) {
        char buf[24];
        const auto end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(std::trunc(x))).ptr;
        t.assign(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    } else {
        if (!FixedAwayFromHalf(t, a, x < 0, n)) t.assign(FormatFixedExact(x, n));
        t.padLeft(5);
    }
    return t;
}

} // namespace kx
