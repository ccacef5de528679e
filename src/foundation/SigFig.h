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
// Every text of the routines above fits; a longer one is cut. The text is kept at the end of the
// buffer, so that digits written backwards and blanks in front need no moving; 8 bytes after it
// take whole-word writes that run past the text.
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
    // Where a text written backwards ends, and where it then starts.
    char* end() { return chars_ + capacity; }
    void startAt(const char* p) { start_ = static_cast<int>(p - chars_); }

private:
    char chars_[capacity + 8];
    int start_ = capacity;
};

// The text of FormatDecimalPlaces(x, decimalPlaces) without touching the shared model.
NumberText DecimalPlacesText(double x, int decimalPlaces);

} // namespace kx
