// Timber member capacities.
#pragma once

#include <QMainWindow>

namespace kx {

class TTimberFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TTimberFrm(QWidget* parent = nullptr);
};

} // namespace kx
