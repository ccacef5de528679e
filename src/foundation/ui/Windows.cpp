// Naming, placing and showing a window.
#include "foundation/ui/Windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/QtDialogs.h"

namespace kx {

void ShowForm(QWidget* w) {
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

void InitForm(QWidget* w, const char* objectName, const char* caption) {
    w->setObjectName(QString::fromLatin1(objectName));
    w->setWindowTitle(ToQt(caption));
}

void CentreOnScreen(QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->geometry();
    w->move(s.x() + (s.width() - w->width()) / 2, s.y() + (s.height() - w->height()) / 2);
}

} // namespace kx
