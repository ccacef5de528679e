// The print options window.
#pragma once

#include <QWidget>

namespace kx {

class TPrintFrm : public QWidget {
    Q_OBJECT
public:
    explicit TPrintFrm(QWidget* parent = nullptr);
};

} // namespace kx
