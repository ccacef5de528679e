// The timber section window.
#pragma once

#include <QWidget>

namespace kx {

class TTimSectFrm : public QWidget {
    Q_OBJECT
public:
    explicit TTimSectFrm(QWidget* parent = nullptr);
};

} // namespace kx
