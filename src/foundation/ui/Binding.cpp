// The generic side of the binding tables: what every kind of control holds.
#include "foundation/ui/Binding.h"

#include <QAccessible>
#include <QButtonGroup>

#include "platform/QtDialogs.h"

namespace kx {

void SetChecked(QAbstractButton* b, bool on) {
    if (b->isChecked() == on) return;
    // An exclusive group (or auto-exclusive radio) refuses to uncheck its checked button.
    QButtonGroup* g = b->group();
    const bool exclusive = g && g->exclusive();
    const bool autoExclusive = b->autoExclusive();
    if (!on) {
        if (exclusive) g->setExclusive(false);
        if (autoExclusive) b->setAutoExclusive(false);
    }
    b->setChecked(on);
    if (!on) {
        if (autoExclusive) b->setAutoExclusive(true);
        if (exclusive) g->setExclusive(true);
    }
}

std::string ControlText(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return FromQt(e->text());
    if (auto* l = qobject_cast<const QLabel*>(w)) return FromQt(l->text());
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return FromQt(b->text());
    return FromQt(w->windowTitle());
}

void SetControlText(QWidget* w, const std::string& text) {
    const QString t = ToQt(text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // Shown the text it holds, an edit keeps its cursor where the user is typing.
        if (e->text() != t) e->setText(t);
    } else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(t);
    else
        w->setWindowTitle(t);
}

void Caption(QLabel* label, QWidget* input) {
    label->setBuddy(input);
    input->setAccessibleName(label->text().remove(QLatin1Char('&')).simplified());
}

bool ControlEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }

} // namespace kx
