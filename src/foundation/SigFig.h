// Numbers as the user sees them: fixed significant figures, zero texts and "#####" for too large.
#pragma once

#include <algorithm>
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

// A short number text held in place, so that the listings build their lines without allocating.
// Every text of the routines above fits; a longer one is cut.
class NumberText {
public:
    static constexpr int capacity = 40;
    NumberText() = default;
    explicit NumberText(std::string_view s) { assign(s.data(), static_cast<int>(s.size())); }
    void assign(const char* s, int n) {
        size_ = std::min(n, capacity);
        std::copy_n(s, size_, chars_);
    }
    // Blanks in front up to the given width.
    void padLeft(int width);
    std::string_view view() const { return std::string_view(chars_, static_cast<std::size_t>(size_)); }
    std::string str() const { return std::string(view()); }
    int size() const { return size_; }

private:
    char chars_[capacity];
    int size_ = 0;
};

// The text of FormatDecimalPlaces(x, decimalPlaces) without touching the shared model.
NumberText DecimalPlacesText(double x, int decimalPlaces);

} // namespace kx
