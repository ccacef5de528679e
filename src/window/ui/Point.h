// Results at a point.
#pragma once

#include <QDialog>

namespace kx {

class TPointFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPointFrm(QWidget* parent = nullptr);
};

} // namespace kx
