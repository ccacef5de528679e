// The page header texts.
#pragma once

#include <QDialog>

namespace kx {

class TSetHeaderFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSetHeaderFrm(QWidget* parent = nullptr);
};

} // namespace kx
