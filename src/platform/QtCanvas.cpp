// QPainter behind the canvas interface: pen, brush and font state as the drawing code expects.
#include "platform/QtCanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPen>

#include "platform/QtDialogs.h"

namespace kx {

namespace {

QColor qc(Color c) { return QColor(c.r, c.g, c.b); }

} // namespace

QtCanvas::QtCanvas(QPaintDevice* device) : device_(device) {
    font_.setFamily(FontFamilyFor("Arial"));
    font_.setPointSize(8);
}

QtCanvas::~QtCanvas() { End(); }

QPainter& QtCanvas::painter() {
    if (!painter_.isActive()) painter_.begin(device_);
    return painter_;
}

bool QtCanvas::Begin() { return painter().isActive(); }

void QtCanvas::End() {
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::Restart(QPaintDevice* device) {
    End();
    device_ = device;
}

void QtCanvas::SetFontName(const std::string& name) { font_.setFamily(FontFamilyFor(name)); }

void QtCanvas::SetFontSize(int points) { font_.setPointSize(points > 0 ? points : 1); }

void QtCanvas::SetFontPixelHeight(int pixels) { font_.setPixelSize(pixels > 0 ? pixels : 1); }

QFont QtCanvas::deviceFont() const { return QFont(font_, device_); }

void QtCanvas::LineTo(int x, int y) {
    QPainter& p = painter();
    QPen pen(qc(pen_));
    pen.setWidth(penWidth_ < 1 ? 1 : penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(px_, py_, x, y);
    px_ = x, py_ = y;
}

void QtCanvas::TextOut(int x, int y, const std::string& text) { drawText(x, y, ToQt(text)); }

void QtCanvas::TextOutPath(int x, int y, const std::string& path) { drawText(x, y, PathToQt(path)); }

void QtCanvas::drawText(int x, int y, const QString& t) {
    QPainter& p = painter();
    QFont f = deviceFont();
    p.setFont(f);
    QFontMetrics fm(f, device_);
    if (brushStyle_ == BrushStyle::Solid)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(t), fm.height()), qc(brush_));
    p.setPen(qc(fontColor_));
    p.drawText(x, y + fm.ascent(), t);
}

void QtCanvas::FillRect(const Rect& r) {
    painter().fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), qc(brush_));
}

int QtCanvas::TextWidth(const std::string& text) {
    return QFontMetrics(deviceFont(), device_).horizontalAdvance(ToQt(text));
}

int QtCanvas::TextHeight(const std::string&) { return QFontMetrics(deviceFont(), device_).height(); }

QString FontFamilyFor(const std::string& name) {
    static const struct {
        const char* face;
        const char* twin;
    } kTwins[] = {{"Arial", "Liberation Sans"}, {"Courier", "Liberation Mono"}};
    const QString family = ToQt(name);
    for (const auto& t : kTwins) {
        if (name != t.face) continue;
        const QString twin = QString::fromLatin1(t.twin);
        if (!QFontDatabase::hasFamily(family) && QFontDatabase::hasFamily(twin)) return twin;
    }
    return family;
}

QImage MakeScreenImage(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = 3780; // 96 dots per inch
    img.setDotsPerMeterX(dotsPerMetre);
    img.setDotsPerMeterY(dotsPerMetre);
    img.fill(Qt::white);
    return img;
}

} // namespace kx
