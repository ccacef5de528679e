// The canvas drawn with QPainter on an image or a printer page.
#pragma once

#include <QFont>
#include <QPainter>

#include "platform/Canvas.h"

class QImage;

namespace kx {

class QtCanvas : public Canvas {
public:
    // Draws on device, which must outlive the canvas. The painter opens on the first drawing
    // call and closes with End() or the canvas's end.
    explicit QtCanvas(QPaintDevice* device);
    ~QtCanvas() override;

    void SetPenColor(Color c) override { pen_ = c; }
    void SetPenWidth(int w) override { penWidth_ = w; }
    void SetBrushColor(Color c) override { brush_ = c; }
    void SetBrushStyle(BrushStyle s) override { brushStyle_ = s; }
    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetFontPixelHeight(int pixels) override;
    void SetFontColor(Color c) override { fontColor_ = c; }
    void SetFontBold(bool bold) override { font_.setBold(bold); }
    void MoveTo(int x, int y) override { px_ = x, py_ = y; }
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutPath(int x, int y, const std::string& path) override;
    void FillRect(const Rect& r) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // Starts painting now rather than at the first drawing call; false when the device refuses.
    bool Begin();
    // Ends painting (needed before a printer page is finished or an image is read).
    void End();
    // Moves to another device (a printer between documents).
    void Restart(QPaintDevice* device);

private:
    QPainter& painter();
    QFont deviceFont() const;
    void drawText(int x, int y, const QString& text);

    QPaintDevice* device_;
    QPainter painter_;
    Color pen_ = colors::Black, brush_ = colors::White, fontColor_ = colors::Black;
    int penWidth_ = 1;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QFont font_;
    int px_ = 0, py_ = 0;
};

// A picture for the canvas: an RGB image at the screen's 96 dots per inch.
QImage MakeScreenImage(int width, int height);

// The font family drawn for a face the program names: "Arial" and "Courier", when the system
// lacks them, are drawn in their metric twins "Liberation Sans" and "Liberation Mono", so that
// pictures and reports come out alike on every machine.
QString FontFamilyFor(const std::string& name);

} // namespace kx
