// The note on the double-coupler model.
#pragma once

#include <QDialog>

namespace kx {

class TCouplersFrm : public QDialog {
    Q_OBJECT
public:
    explicit TCouplersFrm(QWidget* parent = nullptr);
};

} // namespace kx
