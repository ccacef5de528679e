// Numbers as the user sees them: fixed significant figures, zero texts and "#####" for too large.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kx {

std::string SigFig2(double x);
std::string SigFig3(double x);
std::string SigFig4(double x);
std::string SigFig5(double x);
std::string SigFig3Dec3(double x);
std::string SigFig4Dec3(double x);

// 0..3 decimals as chosen by DecimalPlaces of the shared model.
std::string FormatDecimalPlaces(double x);
std::string FormatDecimalPlaces(double x, int decimalPlaces);

// The usual fixed-point number, worked out in registers so that a listing can place its text
// straight into a line: |x| x 10^decimals rounded half away from zero to whole units below 1e8,
// at most 7 decimals, and more than 1e-5 from a decimal half. Taking the value to 18 digits first
// cannot change where such a value rounds (see SigFig.cpp), so the text is the 18-digit one.
// The digits are placed with whole-word moves that take the first byte as the lowest.
static_assert(std::endian::native == std::endian::little, "number texts place digits little-endian");
struct FixedDigits {
    std::uint64_t word = 0; // the units' eight digits, the first one lowest
    int digits = 0;         // how many of the last of them are shown: at least decimals + 1
    int decimals = 0;
    bool negative = false; // a minus sign in front; never on a zero
    int size() const { return (negative ? 1 : 0) + digits + (decimals > 0 ? 1 : 0); }
    // The decimals after the point, in the first bytes of a word.
    std::uint64_t FractionField() const { return word >> (8 * (8 - decimals)); }
    // Writes the size() characters of the text at to, and up to 8 more bytes past them: the one
    // writer of these digits, for the number texts and the listing columns alike.
    void WriteTo(char* to) const {
        // The sign without a branch, as signs follow no pattern: a positive text writes over it.
        *to = '-';
        to += negative ? 1 : 0;
        const std::uint64_t shown = word >> (8 * (8 - digits));
        std::memcpy(to, &shown, 8);
        if (decimals == 0) return;
        const int whole = digits - decimals;
        const std::uint64_t fraction = FractionField();
        std::memcpy(to + whole + 1, &fraction, 8);
        to[whole] = '.';
    }
};

// Whole units of magnitude x 10^decimals as RoundFixed takes them; false for any other case. The
// one rounding of the usual case, for every number text and listing column.
[[gnu::always_inline]] inline bool RoundUnits(double magnitude, int decimals, std::uint32_t& units) {
    static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};
    if (decimals < 0 || decimals > 7) return false;
    const double scaled = magnitude * kPow10[decimals];
    if (!(scaled < 99999999.0)) return false; // also no number; the units fill the eight digits
    units = static_cast<std::uint32_t>(scaled);
    const double fraction = scaled - static_cast<double>(units); // exact
    if (std::fabs(fraction - 0.5) <= 1e-5) return false;
    if (fraction > 0.5) ++units;
    return true;
}

// The four digits of 0..9999 as the values 0..9 of the bytes of a word, the first digit lowest;
// worked out when compiling. Looked up rather than divided out, as the listings place tens of
// thousands of numbers.
inline constexpr auto kFourDigits = [] {
    std::array<std::uint32_t, 10000> t{};
    for (std::uint32_t n = 0; n < 10000; ++n)
        t[n] = n / 1000 | (n / 100 % 10) << 8 | (n / 10 % 10) << 16 | (n % 10) << 24;
    return t;
}();

// The eight digits of units below 1e8 as the values 0..9 of the bytes of a word, the first digit
// lowest.
[[gnu::always_inline]] inline std::uint64_t DigitBytes(std::uint32_t units) {
    const std::uint32_t high = units / 10000;
    return kFourDigits[high] | static_cast<std::uint64_t>(kFourDigits[units - high * 10000]) << 32;
}

// FixedDigits of magnitude x 10^decimals with the sign given; false for any other case.
[[gnu::always_inline]] inline bool RoundFixed(double magnitude, bool negative, int decimals,
                                              FixedDigits& out) {
    std::uint32_t units;
    if (!RoundUnits(magnitude, decimals, units)) return false;
    const std::uint64_t v = DigitBytes(units);
    out.word = v | 0x3030303030303030ull;
    // The leading zero digits are the lowest zero bytes.
    const int significant = v == 0 ? 1 : 8 - std::countr_zero(v) / 8;
    out.digits = std::max(significant, decimals + 1);
    out.decimals = decimals;
    out.negative = negative && units != 0;
    return true;
}

// A short number text held in place, so that the listings build their lines without allocating.
// Every text of the routines above fits; a longer one is cut. The text is kept at the end of the
// buffer, so that blanks in front need no moving; 8 bytes after it take whole-word writes that run
// past the text.
class NumberText {
public:
    static constexpr int capacity = 40;
    NumberText() = default;
    explicit NumberText(std::string_view s) { assign(s); }
    void assign(std::string_view s) {
        const int n = std::min(static_cast<int>(s.size()), capacity);
        start_ = capacity - n;
        std::copy_n(s.data(), n, chars_ + start_);
    }
    // Blanks in front up to the given width.
    void padLeft(int width) {
        while (size() < width && start_ > 0)
            chars_[--start_] = ' ';
    }
    std::string_view view() const {
        return std::string_view(chars_ + start_, static_cast<std::size_t>(capacity - start_));
    }
    std::string str() const { return std::string(view()); }
    int size() const { return capacity - start_; }
    void assign(const FixedDigits& f) {
        start_ = capacity - f.size();
        f.WriteTo(chars_ + start_);
    }

private:
    char chars_[capacity + 8];
    int start_ = capacity;
};

// The text of FormatDecimalPlaces(x, decimalPlaces) without touching the shared model.
NumberText DecimalPlacesText(double x, int decimalPlaces);

} // namespace kx
