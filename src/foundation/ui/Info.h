// The information window: a note on units and the disclaimer.
#pragma once

#include <QWidget>

class QPushButton;

namespace kx {

class TInfoFrm : public QWidget {
    Q_OBJECT
public:
    explicit TInfoFrm(QWidget* parent = nullptr);

    QPushButton* Button1;

    void Button1Click();
};

} // namespace kx
