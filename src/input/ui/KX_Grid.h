// The editor of the user's own section table.
#pragma once

#include <QWidget>

namespace kx {

class TKX_GridFrm : public QWidget {
    Q_OBJECT
public:
    explicit TKX_GridFrm(QWidget* parent = nullptr);
};

} // namespace kx
