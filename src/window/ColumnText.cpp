// Column mechanics of the fixed-pitch result listings.
#include "window/ColumnText.h"

#include <cmath>

#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"

namespace kx {

namespace {

// Characters of the integer part of |m| written as a plain decimal ("0" for |m| < 1).
int IntegerDigits(double m) {
    m = std::fabs(m);
    if (!(m < 1e15)) return 16; // too large to show any decimals, or not a number
    int d = 1;
    for (double t = std::trunc(m); t >= 10; t = std::trunc(t / 10))
        ++d;
    return d;
}

} // namespace

void AppendUnitHeading(std::string& line, std::string_view unitText, int c) {
    const std::string u = "(" + std::string(unitText) + ")";
    const int pad = c - static_cast<int>(line.size()) - static_cast<int>(u.size()) / 2;
    if (pad >= 1) line.append(static_cast<std::size_t>(pad), ' ');
    line += u;
}

int DecimalsRule4(double largest) {
    const int d = IntegerDigits(largest);
    return d >= 4 ? 0 : 4 - d;
}

int DecimalsRule5(double largest) {
    const int d = IntegerDigits(largest);
    if (d >= 5) return 0;
    if (d == 4) return 1;
    if (d == 3) return 2;
    return 3;
}

void AppendAligned(std::string& line, const std::string& value, int c, Align align) {
    const std::size_t dot = value.find('.');
    int p;
    if (dot != std::string::npos)
        p = static_cast<int>(dot) + 1;
    else
        p = static_cast<int>(value.size()) + (align == Align::Point ? 1 : 0);
    const int pad = c - static_cast<int>(line.size()) - p;
    if (pad >= 1) line.append(static_cast<std::size_t>(pad), ' ');
    line += value;
}

std::string ColumnValue(double value, int decimals) {
    Model.DecimalPlaces = decimals;
    return FormatDecimalPlaces(value);
}

std::string RowNumberText(int k) { return (k < 10 ? "  " : " ") + std::to_string(k); }

} // namespace kx
