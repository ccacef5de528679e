// Steel member capacities.
#pragma once

#include <QMainWindow>

namespace kx {

class TKX_CapFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TKX_CapFrm(QWidget* parent = nullptr);
};

} // namespace kx
