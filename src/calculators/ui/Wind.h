// Wind loading on scaffolds.
#pragma once

#include <QMainWindow>

namespace kx {

class TWindFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TWindFrm(QWidget* parent = nullptr);
};

} // namespace kx
