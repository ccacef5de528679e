// The effective length of the right-hand cantilever.
#pragma once

#include <QWidget>

namespace kx {

class TCantRHFrm : public QWidget {
    Q_OBJECT
public:
    explicit TCantRHFrm(QWidget* parent = nullptr);
};

} // namespace kx
