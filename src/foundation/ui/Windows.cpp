// Naming, placing and showing a window.
#include "foundation/ui/Windows.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QWidget>

#include "platform/QtDialogs.h"

namespace kx {

void NameObject(QObject* o, const std::string& name) { o->setObjectName(QString::fromStdString(name)); }

void FillList(QListWidget* list, const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items.append(ToQt(line));
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(items);
    list->setUpdatesEnabled(true);
}

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
