// The load input window.
#pragma once

#include <QWidget>

namespace kx {

class TLoadDataFrm : public QWidget {
    Q_OBJECT
public:
    explicit TLoadDataFrm(QWidget* parent = nullptr);
};

} // namespace kx
