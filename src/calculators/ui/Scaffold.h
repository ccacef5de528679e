// The axial capacity of a scaffold tube strut.
#pragma once

#include <QWidget>

namespace kx {

class TScaffoldFrm : public QWidget {
    Q_OBJECT
public:
    explicit TScaffoldFrm(QWidget* parent = nullptr);
};

} // namespace kx
