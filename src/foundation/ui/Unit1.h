// The start screen: the program's main window.
#pragma once

#include <QMainWindow>

namespace kx {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace kx
