// Lenient number reading that never depends on the system's locale.
#include "platform/NumberInput.h"

#include <charconv>

namespace kx {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Parses a number at the start of t; returns the characters used (0 when there is none).
std::size_t ParseNumberPrefix(std::string_view t, double& value) {
    // Accepted form: [+|-] digits [. digits] [(e|E) [+|-] digits], with at least one digit
    // in the mantissa; an exponent without digits is not part of the number.
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i]))
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < t.size() && isDigit(t[j]))
            ++j, ++expDigits;
        if (expDigits > 0) end = j;
    }
    std::string_view num = t.substr(0, end);
    std::size_t skipPlus = (num[0] == '+') ? 1 : 0;
    double v = 0;
    auto res = std::from_chars(num.data() + skipPlus, num.data() + num.size(), v);
    // A number beyond the range of a double is no usable number.
    if (res.ec != std::errc()) return 0;
    value = v;
    return end;
}

} // namespace

double ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    double v = 0;
    if (ParseNumberPrefix(text.substr(i), v) == 0) return 0.0;
    return v;
}

double ReadNumberOrZero(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string_view t = text.substr(b, e - b);
    double v = 0;
    if (t.empty() || ParseNumberPrefix(t, v) != t.size()) return 0.0;
    return v;
}

} // namespace kx
