// The drawing surface that pictures and printed pages are drawn on, and a recording one for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color&) const = default;
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Lime{0, 255, 0};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Fuchsia{255, 0, 255};
inline constexpr Color Aqua{0, 255, 255};
inline constexpr Color Gray{128, 128, 128};
inline constexpr Color Navy{0, 0, 128};
inline constexpr Color Maroon{128, 0, 0};
} // namespace colors

enum class BrushStyle { Solid, Clear };

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

// Pen, brush and font are state, set before drawing, as on the platform's canvas. Text is
// single-byte (Latin-1), but a file path is in the system's encoding (UTF-8), as the file dialogs
// give it. TextOut places the top-left of the text at (x, y) and, with a solid brush, fills the
// text's background with the brush colour.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetPenColor(Color c) = 0;
    virtual void SetPenWidth(int w) = 0;
    virtual void SetBrushColor(Color c) = 0;
    virtual void SetBrushStyle(BrushStyle s) = 0;
    virtual void SetFontName(const std::string& name) = 0;
    // Size in points (at the surface's resolution).
    virtual void SetFontSize(int points) = 0;
    // Height in pixels of the surface, for fonts given that way.
    virtual void SetFontPixelHeight(int pixels) = 0;
    virtual void SetFontColor(Color c) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // TextOut for a file path.
    virtual void TextOutPath(int x, int y, const std::string& path) = 0;
    // Fills left..right-1, top..bottom-1 with the brush colour.
    virtual void FillRect(const Rect& r) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
};

// Remembers every drawing operation with the state it was drawn in.
class RecordingCanvas : public Canvas {
public:
    enum class Op { Line, Text, Fill };
    struct Item {
        Op op;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a line's ends, a text's point, a fill's rect
        std::string text;
        Color color;        // pen colour for lines, font colour for texts, brush for fills
        int width = 1;      // pen width for lines
        std::string font;   // font name of a text
        int fontSize = 0;   // points, or 0 when set in pixels
        int fontPixels = 0; // pixels, or 0 when set in points
        bool bold = false;
        bool path = false; // a file path in the system's encoding
    };

    void SetPenColor(Color c) override { pen_ = c; }
    void SetPenWidth(int w) override { penWidth_ = w; }
    void SetBrushColor(Color c) override { brush_ = c; }
    void SetBrushStyle(BrushStyle s) override { brushStyle_ = s; }
    void SetFontName(const std::string& name) override { fontName_ = name; }
    void SetFontSize(int points) override { fontSize_ = points, fontPixels_ = 0; }
    void SetFontPixelHeight(int pixels) override { fontPixels_ = pixels, fontSize_ = 0; }
    void SetFontColor(Color c) override { fontColor_ = c; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void MoveTo(int x, int y) override { px_ = x, py_ = y; }
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutPath(int x, int y, const std::string& path) override;
    void FillRect(const Rect& r) override;
    // A fixed advance per character, so that layouts are reproducible in tests.
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    std::vector<Item> items;
    // Convenience views for tests.
    std::vector<Item> lines() const;
    std::vector<Item> texts() const;
    bool hasText(const std::string& t) const;

    int penWidth() const { return penWidth_; }
    int fontSize() const { return fontSize_; }
    const std::string& fontName() const { return fontName_; }

private:
    Color pen_ = colors::Black, brush_ = colors::White, fontColor_ = colors::Black;
    int penWidth_ = 1;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    std::string fontName_ = "Arial";
    int fontSize_ = 8, fontPixels_ = 0;
    bool bold_ = false;
    int px_ = 0, py_ = 0;
};

} // namespace kx
