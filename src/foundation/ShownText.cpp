// A control's text with the exact value behind it.
#include "foundation/ShownText.h"

#include <ostream>

namespace kx {

ShownText::ShownText(std::string text, double value, float unit)
    : text_(std::move(text)), value_(value), unit_(unit) {}

ShownText& ShownText::operator=(std::string text) {
    if (text != text_) {
        text_ = std::move(text);
        value_ = 0;
        unit_ = 0;
    }
    return *this;
}

std::optional<double> ShownText::Exact(float unit) const {
    if (unit_ == 0 || unit_ != unit) return std::nullopt;
    return value_;
}

double ShownText::Read(float unit, double typed) const {
    if (const std::optional<double> exact = Exact(unit)) return *exact;
    return typed * static_cast<double>(unit);
}

float ShownUnit(bool input, double factor) { return static_cast<float>(input ? factor : 1.0 / factor); }

void PrintTo(const ShownText& t, std::ostream* os) {
    *os << '"' << t.Text() << '"';
    if (t.HasValue()) *os << " (" << t.Value() << " at " << t.Unit() << ")";
}

} // namespace kx
