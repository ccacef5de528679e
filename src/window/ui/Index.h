// The main analysis window.
#pragma once

#include <QMainWindow>

namespace kx {

class TIndexFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TIndexFrm(QWidget* parent = nullptr);
};

} // namespace kx
