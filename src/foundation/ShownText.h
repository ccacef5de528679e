// The text a control shows together with the exact value it was made from, so that a text nobody
// has changed reads back as that value, as long as it is read in the unit it was written in.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// A control's text, and, when the program wrote it for a value, that value (internal units) and
// the factor of the unit it was shown in. A new text forgets the value by itself: the value only
// ever stands behind the text it was shown as.
class ShownText {
public:
    ShownText() = default;
    // A text that stands for itself (typed, a caption, a proposal).
    ShownText(std::string text) : text_(std::move(text)) {}
    ShownText(const char* text) : text_(text ? text : "") {}
    // A text shown for a value under a unit of the factor given.
    ShownText(std::string text, double value, float unit);

    // The control now holds this text: the value stays only when the text is the same.
    ShownText& operator=(std::string text);
    ShownText& operator=(const char* text) { return *this = std::string(text ? text : ""); }
    ShownText& operator=(const ShownText&) = default;
    ShownText& operator=(ShownText&&) = default;
    ShownText(const ShownText&) = default;
    ShownText(ShownText&&) = default;
    ~ShownText() = default;

    const std::string& Text() const { return text_; }
    operator const std::string&() const { return text_; }
    operator std::string_view() const { return text_; }
    bool empty() const { return text_.empty(); }
    // No text and no value.
    void clear() { *this = ShownText(); }

    // The text stays, standing for itself from now on.
    void Forget() { unit_ = 0; }
    // Whether a value stands behind the text, and which, in the unit of the factor given.
    bool HasValue() const { return unit_ != 0; }
    double Value() const { return value_; }
    float Unit() const { return unit_; }
    // The value behind the text when it was shown under a unit of this factor; nothing otherwise:
    // the same figures under another unit mean another value.
    std::optional<double> Exact(float unit) const;
    // The value in internal units: the exact one behind the text, else the typed number times the
    // unit's factor.
    double Read(float unit, double typed) const;

    bool operator==(const ShownText&) const = default;
    bool operator==(const std::string& text) const { return text_ == text; }
    bool operator==(const char* text) const { return text_ == text; }

    // Joined with other text, it is its text.
    friend std::string operator+(const ShownText& a, const ShownText& b) { return a.text_ + b.text_; }
    friend std::string operator+(const ShownText& a, const std::string& b) { return a.text_ + b; }
    friend std::string operator+(const std::string& a, const ShownText& b) { return a + b.text_; }
    friend std::string operator+(const ShownText& a, const char* b) { return a.text_ + b; }
    friend std::string operator+(const char* a, const ShownText& b) { return a + b.text_; }

private:
    std::string text_;
    double value_ = 0;
    float unit_ = 0; // 0: no value stands behind the text
};

// The factor a value is held under: that of an input unit (internal = shown x factor), or for an
// output unit (shown = internal x factor) its reciprocal.
float ShownUnit(bool input, double factor);

void PrintTo(const ShownText& t, std::ostream* os);

} // namespace kx
