// Significant-figure number texts. Every routine rounds half away from zero to its band's step
// in extended precision and prints fixed-point; the band is the highest one whose threshold the
// magnitude passes.
#include "foundation/SigFig.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// The listings format thousands of numbers per analysis. Away from a decimal half, taking the
// value to 18 digits first cannot change where it rounds: |v| x 10^decimals below 1e10 moves by
// at most 5e-7 at 18 digits and by far less in one extended multiplication, so a fraction more
// than 1e-5 from one half rounds alike either way. Only values that close to a half take the
// long way round.
std::string FormatFixed(long double v, int decimals) {
    static constexpr Ext kPow10[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L};
    if (decimals < 0 || decimals > 9) return FormatFixedExact(v, decimals);
    const Ext scaled = std::fabs(v) * kPow10[decimals];
    if (!(scaled < 1e10L)) return FormatFixedExact(v, decimals);
    long long units = static_cast<long long>(scaled); // the whole part: scaled is not negative
    const Ext fraction = scaled - static_cast<Ext>(units);
    if (std::fabs(fraction - 0.5L) <= 1e-5L) return FormatFixedExact(v, decimals);
    if (fraction > 0.5L) ++units;

    char digits[24];
    int n = 0;
    for (int i = 0; i < decimals || units > 0 || n == decimals; ++i) {
        digits[n++] = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(n) + 2);
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

} // namespace

std::string FormatBands(double value, const SigFigRule& rule) {
    if (std::isnan(value) || std::isinf(value)) return kOverflow;
    Ext x = value;
    Ext a = std::fabs(x);
    if (a < rule.zeroBelow) return rule.zeroText;
    if (a > rule.overflowAbove) return kOverflow;
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
    return FormatFixed(r, decimals);
}

std::string SigFig2(double x) { return FormatBands(x, kSigFig2); }
std::string SigFig3(double x) { return FormatBands(x, kSigFig3); }
std::string SigFig4(double x) { return FormatBands(x, kSigFig4); }
std::string SigFig5(double x) { return FormatBands(x, kSigFig5); }
std::string SigFig3Dec3(double x) { return FormatBands(x, kSigFig3Dec3); }
std::string SigFig4Dec3(double x) { return FormatBands(x, kSigFig4Dec3); }

std::string FormatDecimalPlaces(double x) { return FormatDecimalPlaces(x, Model.DecimalPlaces); }

std::string FormatDecimalPlaces(double x, int n) {
    if (std::isnan(x) || std::isinf(x)) return kOverflow;
    if (n < 0) n = 0;
    if (n > 3) n = 3;
    static const char* const zero[] = {"0", "0.0", "0.00", "0.000"};
    Ext a = std::fabs(static_cast<Ext>(x));
    if (a < static_cast<Ext>(1e-4)) return zero[n];
    if (a > 1e5L) return SigFig5(x);
    if (n == 0) {
        long long t = static_cast<long long>(std::trunc(x));
        return std::to_string(t);
    }
    std::string s = FormatFixed(x, n);
    if (s.size() < 5) s.insert(0, 5 - s.size(), ' ');
    return s;
}

} // namespace kx
