// Controls that the windows draw on or click: a picture that keeps what was drawn on it, and a
// label that reports a click.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

class QMouseEvent;
class QPaintEvent;

namespace kx {

// A picture of a fixed size on a grey ground that keeps what was drawn on it until the next
// drawing, and reports a click.
class TPicture : public QWidget {
    Q_OBJECT
public:
    TPicture(int width, int height, QWidget* parent);
    QImage Picture;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

// A label that reports a click.
class TLabelClick : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace kx
