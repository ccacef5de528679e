// The calculators' reader of typed numbers.
#include "calculators/CalcNumber.h"

#include <charconv>
#include <cmath>

#include "platform/Errors.h"

namespace kx {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double ReadTypedNumber(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    if (b == e) return 0.0;
    std::string_view t = text.substr(b, e - b);
    const auto refuse = [text] {
        return ConvertError("'" + std::string(text) + "' is not a valid floating point value");
    };
    std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    // A digit or a point must follow the sign: no "inf", "nan" or hexadecimal forms.
    if (i >= t.size() || !(isDigit(t[i]) || t[i] == '.')) throw refuse();
    double v = 0;
    const char* first = t.data() + (t[0] == '+' ? 1 : 0);
    const auto res = std::from_chars(first, t.data() + t.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(v)) throw refuse();
    return v;
}

} // namespace kx
