// The recording canvas used by tests of drawing and page layout.
#include "platform/Canvas.h"

namespace kx {

void RecordingCanvas::LineTo(int x, int y) {
    Item it{Op::Line, px_, py_, x, y, {}, pen_, penWidth_, {}, 0, 0, false};
    items.push_back(it);
    px_ = x, py_ = y;
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Item it{Op::Text, x, y, x, y, text, fontColor_, 1, fontName_, fontSize_, fontPixels_, bold_};
    items.push_back(it);
}

void RecordingCanvas::TextOutPath(int x, int y, const std::string& path) {
    TextOut(x, y, path);
    items.back().path = true;
}

void RecordingCanvas::FillRect(const Rect& r) {
    Item it{Op::Fill, r.left, r.top, r.right, r.bottom, {}, brush_, 1, {}, 0, 0, false};
    items.push_back(it);
}

int RecordingCanvas::TextWidth(const std::string& text) {
    int size = fontPixels_ > 0 ? fontPixels_ : fontSize_;
    return static_cast<int>(text.size()) * (size > 0 ? size : 8) * 3 / 4;
}

int RecordingCanvas::TextHeight(const std::string&) {
    int size = fontPixels_ > 0 ? fontPixels_ : fontSize_;
    return (size > 0 ? size : 8) * 4 / 3;
}

std::vector<RecordingCanvas::Item> RecordingCanvas::lines() const {
    std::vector<Item> out;
    for (const auto& i : items)
        if (i.op == Op::Line) out.push_back(i);
    return out;
}

std::vector<RecordingCanvas::Item> RecordingCanvas::texts() const {
    std::vector<Item> out;
    for (const auto& i : items)
        if (i.op == Op::Text) out.push_back(i);
    return out;
}

bool RecordingCanvas::hasText(const std::string& t) const {
    for (const auto& i : items)
        if (i.op == Op::Text && i.text == t) return true;
    return false;
}

} // namespace kx
