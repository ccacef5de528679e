// Watches for the next modal box in a real window system under a window manager: where the manager
// stacks it among the program's windows, and whether a real mouse click on its button closes it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace kxtest {

// The manager's stacking of its client windows, bottom first, from the root window's
// _NET_CLIENT_LIST_STACKING.
inline std::vector<unsigned long> ManagerStacking() {
    QProcess p;
    p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    if (!p.waitForFinished(10000)) return {};
    const QString out = QString::fromLatin1(p.readAllStandardOutput());
    std::vector<unsigned long> ids;
    const qsizetype hash = out.indexOf(QLatin1Char('#'));
    if (hash < 0) return ids;
    for (const QString& part : out.mid(hash + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const unsigned long id = part.trimmed().toULong(&ok, 16);
        if (ok) ids.push_back(id);
    }
    return ids;
}

// The program's shown top-level windows in the manager's stacking, bottom first.
inline std::vector<QWidget*> ProgramStacking() {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && w->windowHandle()) shown.push_back(w);
    std::vector<QWidget*> order;
    for (unsigned long id : ManagerStacking())
        for (QWidget* w : shown)
            if (static_cast<unsigned long>(w->winId()) == id) order.push_back(w);
    return order;
}

// True when upper stands above lower in the manager's stacking.
inline bool StackedAbove(const QWidget* upper, const QWidget* lower) {
    int u = -1, l = -1, i = 0;
    for (QWidget* w : ProgramStacking()) {
        if (w == upper) u = i;
        if (w == lower) l = i;
        ++i;
    }
    return u >= 0 && l >= 0 && u > l;
}

// A real click of the first mouse button at a point of the screen.
inline bool RealClick(QPoint global) {
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(global.x()),
                              QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")}) ==
           0;
}

// The button a user closes a box with: Cancel or No where the box has one, else its first.
inline QAbstractButton* ClosingButton(QWidget* box) {
    if (auto* bar = box->findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* b : bar->buttons()) {
            const auto role = bar->buttonRole(b);
            if (b->isVisible() && (role == QDialogButtonBox::RejectRole || role == QDialogButtonBox::NoRole))
                return b;
        }
        for (QAbstractButton* b : bar->buttons())
            if (b->isVisible()) return b;
    }
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->isVisible()) return b;
    return nullptr;
}

// Started before the action that opens a box; the watch runs in whatever event loop the box runs.
// Once the box is shown and the manager has stacked it, the watch records the program's stacking,
// clicks the box's closing button with the real mouse and waits for the box to close; a box the
// click did not close is closed from here, so that the test goes on.
class TopBoxWatch {
public:
    // Watches the next modal box, or the window given (a box that is not modal).
    explicit TopBoxWatch(QWidget* window = nullptr) : expected_(window) {
        QObject::connect(&tick_, &QTimer::timeout, [this] { step(); });
        clock_.start();
        tick_.start(50);
    }

    bool opened = false;   // a modal box was shown
    bool boxOnTop = false; // it was the topmost of the program's windows in the manager's stacking
    std::string stacking;  // the program's windows then, bottom first, for a failure's message
    bool clicked = false;
    bool closedByClick = false;

    bool done = false; // the watch has seen all it will see

private:
    void step() {
        if (clock_.elapsed() > 15000) return finish();
        if (!opened) {
            QWidget* m = expected_ ? expected_.data() : QApplication::activeModalWidget();
            if (!m || !m->isVisible()) return;
            box_ = m;
            opened = true;
            seenAt_ = clock_.elapsed();
            return;
        }
        if (!clicked) {
            if (!box_) return finish();
            // The manager maps, frames and stacks the box a moment after Qt shows it.
            const std::vector<QWidget*> order = ProgramStacking();
            const bool managed = std::find(order.begin(), order.end(), box_.data()) != order.end();
            if (!managed || clock_.elapsed() - seenAt_ < 500) return;
            boxOnTop = order.back() == box_.data();
            stacking.clear();
            for (QWidget* w : order)
                stacking += (stacking.empty() ? "" : " < ") + w->objectName().toStdString() + "(" +
                            w->windowTitle().toStdString() + ")";
            QAbstractButton* b = ClosingButton(box_);
            if (!b) return finish();
            clicked = RealClick(b->mapToGlobal(b->rect().center()));
            clickedAt_ = clock_.elapsed();
            return;
        }
        if (!box_ || !box_->isVisible()) {
            closedByClick = true;
            return finish();
        }
        if (clock_.elapsed() - clickedAt_ > 3000) finish();
    }
    // Closes a box the click did not reach, so that the test goes on.
    void finish() {
        tick_.stop();
        done = true;
        if (box_ && box_->isVisible()) box_->close();
        if (!opened)
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
    }

    QPointer<QWidget> expected_;
    QPointer<QWidget> box_;
    QTimer tick_;
    QElapsedTimer clock_;
    qint64 seenAt_ = 0;
    qint64 clickedAt_ = 0;
};

} // namespace kxtest
