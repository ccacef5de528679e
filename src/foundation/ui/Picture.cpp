// Controls that the windows draw on or click.
#include "foundation/ui/Picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/QtCanvas.h"

namespace kx {

TPicture::TPicture(int width, int height, QWidget* parent)
    : QWidget(parent), Picture(MakeScreenImage(width, height)) {
    Picture.fill(QColor(0x80, 0x80, 0x80));
    setFixedSize(width, height);
}

void TPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Picture);
}

void TPicture::mousePressEvent(QMouseEvent* e) {
    QWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) emit clicked();
}

void TLabelClick::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) emit clicked();
}

} // namespace kx
