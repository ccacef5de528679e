// Naming, placing and showing a window.
#include "foundation/ui/Windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

#include "platform/QtDialogs.h"

namespace kx {

void NameObject(QObject* o, const std::string& name) { o->setObjectName(QString::fromStdString(name)); }

QLabel* text(QWidget* parent, const std::string& caption, int x, int y, int w, int h) {
    auto* l = new QLabel(ToQt(caption), parent);
    l->setGeometry(x, y, w, h);
    return l;
}

QLabel* label(QWidget* parent, const std::string& name, const std::string& caption, int x, int y, int w,
              int h) {
    return Named(text(parent, caption, x, y, w, h), name);
}

QRadioButton* radio(QWidget* parent, const std::string& name, const std::string& caption) {
    return Named(new QRadioButton(ToQt(caption), parent), name);
}

QRadioButton* radio(QWidget* parent, const std::string& name, const std::string& caption, int x, int y,
                    int w) {
    QRadioButton* b = radio(parent, name, caption);
    b->setGeometry(x, y, w, 22);
    return b;
}

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
