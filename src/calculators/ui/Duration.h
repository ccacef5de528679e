// The timber load-duration dialog.
#pragma once

#include <QDialog>

namespace kx {

class TDurationFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDurationFrm(QWidget* parent = nullptr);
};

} // namespace kx
