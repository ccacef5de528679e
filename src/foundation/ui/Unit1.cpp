// The start screen window.
#include "foundation/ui/Unit1.h"

#include "platform/Dialogs.h"

namespace kx {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    resize(473, 521);
}

} // namespace kx
