// The band tables of the significant-figure routines.
#pragma once

#include <string>

namespace kx {

struct SigFigBand {
    long double threshold; // the magnitude must pass it
    int stepExp;           // rounding step 10^stepExp
    int decimals;          // digits after the point
    int negativeDecimals;  // digits after the point for negative values, -1 when the same
};

struct SigFigRule {
    const char* zeroText;
    long double zeroBelow;     // magnitudes below it give zeroText
    long double overflowAbove; // magnitudes above it give "#####"
    bool allInclusive;         // every band fires at its threshold (else only strictly above)
    bool firstBandInclusive;   // the first band fires at its threshold
    long double offset;        // rounding offset, 0.5 or 0.5001
    int bandCount;
    SigFigBand bands[17];
};

// clang-format off
inline constexpr SigFigRule kSigFig2{
    "0.0", 9.951e-5L, 1e9L, false, false, 0.5L, 14,
    {{9.95e-5L, -5, 5, -1}, {0.000995L, -4, 4, -1}, {0.00995L, -3, 3, -1}, {0.0995L, -2, 2, -1},
     {0.995L, -1, 1, -1}, {9.95L, 0, 1, 0}, {99.5L, 1, 0, -1}, {995.0L, 2, 0, -1}, {9950.0L, 3, 0, -1},
     {99500.0L, 4, 0, -1}, {995000.0L, 5, 0, -1}, {9.95e6L, 6, 0, -1}, {9.95e7L, 7, 0, -1},
     {9.95e8L, 8, 0, -1}}};

inline constexpr SigFigRule kSigFig3{
    "0.0", 9.951e-5L, 1e9L, false, false, 0.5L, 14,
    {{9.995e-5L, -6, 6, -1}, {0.0009995L, -5, 5, -1}, {0.009995L, -4, 4, -1}, {0.09995L, -3, 3, -1},
     {0.9995L, -2, 2, -1}, {9.995L, -1, 1, -1}, {99.95L, 0, 0, -1}, {999.5L, 1, 0, -1},
     {9995.0L, 2, 0, -1}, {99950.0L, 3, 0, -1}, {999500.0L, 4, 0, -1}, {9995000.0L, 5, 0, -1},
     {99950000.0L, 6, 0, -1}, {999500000.0L, 7, 0, -1}}};

inline constexpr SigFigRule kSigFig4{
    "0.0", 9.951e-5L, 1e12L, false, false, 0.5L, 17,
    {{9.9995e-5L, -7, 7, -1}, {0.00099995L, -6, 6, -1}, {0.0099995L, -5, 5, -1},
     {0.099995L, -4, 4, -1}, {0.99995L, -3, 3, -1}, {9.9995L, -2, 2, -1}, {99.995L, -1, 1, -1},
     {999.95L, 0, 0, -1}, {9999.5L, 1, 0, -1}, {99995.0L, 2, 0, -1}, {999950.0L, 3, 0, -1},
     {9999500.0L, 4, 0, -1}, {99995000.0L, 5, 0, -1}, {999950000.0L, 6, 0, -1},
     {9999500000.0L, 7, 0, -1}, {9.9995e10L, 8, 0, -1}, {9.9995e11L, 9, 0, -1}}};

inline constexpr SigFigRule kSigFig5{
    "0.0", 5e-6L, 1e9L, true, true, 0.5L, 16,
    {{9.99995e-7L, -10, 10, -1}, {9.99995e-6L, -9, 9, -1}, {9.99995e-5L, -8, 8, -1},
     {0.000999995L, -7, 7, -1}, {0.00999995L, -6, 6, -1}, {0.0999995L, -5, 5, -1},
     {0.999995L, -4, 4, -1}, {9.99995L, -3, 3, -1}, {99.9995L, -2, 2, -1}, {999.995L, -1, 1, -1},
     {9999.95L, 0, 0, -1}, {99999.5L, 1, 0, -1}, {999995.0L, 2, 0, -1}, {9999950.0L, 3, 0, -1},
     {99999500.0L, 4, 0, -1}, {999995000.0L, 5, 0, -1}}};

inline constexpr SigFigRule kSigFig3Dec3{
    "0.00", 0.005L, 1e9L, false, true, 0.5001L, 12,
    {{0.0005L, -5, 3, -1}, {0.01L, -4, 3, -1}, {0.1L, -3, 3, -1}, {1.0L, -2, 2, -1}, {10.0L, -1, 1, -1},
     {100.0L, 0, 0, -1}, {1000.0L, 1, 0, -1}, {1e4L, 2, 0, -1}, {1e5L, 3, 0, -1}, {1e6L, 4, 0, -1},
     {1e7L, 5, 0, -1}, {1e8L, 6, 0, -1}}};

inline constexpr SigFigRule kSigFig4Dec3{
    "0.000", 0.0005L, 1e9L, false, true, 0.5001L, 12,
    {{0.0005L, -5, 3, -1}, {0.01L, -4, 3, -1}, {0.1L, -3, 3, -1}, {1.0L, -3, 3, -1}, {10.0L, -2, 2, -1},
     {100.0L, -1, 1, -1}, {1000.0L, 0, 0, -1}, {1e4L, 1, 0, -1}, {1e5L, 2, 0, -1}, {1e6L, 3, 0, -1},
     {1e7L, 4, 0, -1}, {1e8L, 5, 0, -1}}};

// Fixed-point text rounded half away from zero at 18 significant digits.
std::string FormatFixed(long double v, int decimals);
// The same by way of the full 18-digit text; FormatFixed takes it only near a decimal half.
std::string FormatFixedExact(long double v, int decimals);
// clang-format on

} // namespace kx
