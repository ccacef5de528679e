// The beam and section input window.
#pragma once

#include <QMainWindow>

namespace kx {

class TKX_BeamFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TKX_BeamFrm(QWidget* parent = nullptr);
};

} // namespace kx
