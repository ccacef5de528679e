// The effective length of the left-hand cantilever.
#pragma once

#include <QWidget>

namespace kx {

class TCantLHFrm : public QWidget {
    Q_OBJECT
public:
    explicit TCantLHFrm(QWidget* parent = nullptr);
};

} // namespace kx
