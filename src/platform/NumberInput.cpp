// Reading typed numbers without regard to the system's locale.
#include "platform/NumberInput.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "platform/Errors.h"

namespace kx {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view withoutLeadingBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    return t;
}

std::string_view trimmed(std::string_view t) {
    t = withoutLeadingBlanks(t);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

// The characters of the number the text starts with; 0 when it starts with none. An exponent
// without digits is not part of the number.
std::size_t numberLength(std::string_view t) {
    std::size_t i = 0, digits = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    for (; i < t.size() && isDigit(t[i]); ++i)
        ++digits;
    if (i < t.size() && t[i] == '.')
        for (++i; i < t.size() && isDigit(t[i]); ++i)
            ++digits;
    if (digits == 0) return 0;
    const std::size_t mantissaEnd = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        for (; i < t.size() && isDigit(t[i]); ++i)
            ++expDigits;
        if (expDigits == 0) return mantissaEnd;
    }
    return i;
}

// The value of a text that is one number of the grammar; nothing beyond the range of a double.
std::optional<double> valueOf(std::string_view number) {
    if (number.front() == '+') number.remove_prefix(1);
    double v = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec != std::errc() || res.ptr != number.data() + number.size()) return std::nullopt;
    return v;
}

std::optional<double> leadingNumber(std::string_view text) {
    const std::string_view t = withoutLeadingBlanks(text);
    const std::size_t n = numberLength(t);
    if (n == 0) return std::nullopt;
    return valueOf(t.substr(0, n));
}

std::optional<double> wholeNumber(std::string_view text) {
    const std::string_view t = trimmed(text);
    if (t.empty() || numberLength(t) != t.size()) return std::nullopt;
    return valueOf(t);
}

} // namespace

std::optional<double> TryReadNumber(std::string_view text, NumberPolicy policy) {
    switch (policy) {
    case NumberPolicy::LeadingNumber: return leadingNumber(text);
    case NumberPolicy::ZeroWhenNotANumber: return wholeNumber(text);
    case NumberPolicy::RefusedWhenNotANumber:
        if (trimmed(text).empty()) return 0.0;
        return wholeNumber(text);
    }
    return std::nullopt;
}

double ReadNumber(std::string_view text, NumberPolicy policy) {
    if (const std::optional<double> v = TryReadNumber(text, policy)) return *v;
    if (policy == NumberPolicy::RefusedWhenNotANumber) throw ConvertError(NotANumberMessage(text));
    return 0.0;
}

int BeyondDoubleRange(std::string_view text) {
    std::string_view t = trimmed(text);
    if (t.empty() || numberLength(t) != t.size() || valueOf(t)) return 0;
    // Out of range, so either beyond the largest double or below the smallest: the power of ten
    // of the leading digit, from where it stands and the exponent, tells which.
    const int sign = t.front() == '-' ? -1 : 1;
    if (t.front() == '+' || t.front() == '-') t.remove_prefix(1);
    long long power = 0;
    bool seen = false, point = false;
    std::size_t i = 0;
    for (; i < t.size() && (isDigit(t[i]) || t[i] == '.'); ++i) {
        if (t[i] == '.') {
            point = true;
        } else if (!point) {
            if (seen || t[i] != '0') ++power;
            seen = seen || t[i] != '0';
        } else if (!seen) {
            --power;
            seen = t[i] != '0';
        }
    }
    if (!seen) return 0;
    long long exponent = 0;
    if (i < t.size()) {
        const bool negative = t[++i] == '-';
        if (t[i] == '+' || t[i] == '-') ++i;
        for (; i < t.size(); ++i)
            exponent = std::min(exponent * 10 + (t[i] - '0'), 1'000'000'000LL);
        if (negative) exponent = -exponent;
    }
    return power + exponent > 0 ? sign : 0;
}

std::string NotANumberMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::optional<int> TryReadWholeNumber(std::string_view text) {
    std::string_view t = trimmed(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return std::nullopt;
    long long v = 0;
    for (char c : t) {
        if (!isDigit(c)) return std::nullopt;
        v = std::min<long long>(v * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative) return static_cast<int>(-v);
    return static_cast<int>(std::min<long long>(v, INT_MAX));
}

} // namespace kx
