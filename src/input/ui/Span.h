// The effective lengths of the spans.
#pragma once

#include <QWidget>

namespace kx {

class TSpanFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSpanFrm(QWidget* parent = nullptr);
};

} // namespace kx
