// The generic side of the binding tables: what every kind of control holds.
#include "foundation/ui/Binding.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QPlainTextEdit>

#include "foundation/ui/Windows.h"
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
    if (auto* m = qobject_cast<const QPlainTextEdit*>(w)) return FromQt(m->toPlainText());
    return FromQt(w->windowTitle());
}

void SetControlText(QWidget* w, const std::string& text) {
    const QString t = ToQt(text);
    // The same text again would move the cursor of a field being typed in.
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != t) e->setText(t);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(t);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(t);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        if (m->toPlainText() != t) m->setPlainText(t);
    } else {
        w->setWindowTitle(t);
    }
}

namespace {
// The property a control keeps the value behind its text in.
constexpr const char* kShownProperty = "kxShownText";
} // namespace

ShownText ControlShown(const QWidget* w) {
    ShownText t = w->property(kShownProperty).value<ShownText>();
    // A text typed since it was shown forgets the value.
    t = ControlText(w);
    return t;
}

void ShowControl(QWidget* w, const ShownText& text) {
    SetControlText(w, text.Text());
    w->setProperty(kShownProperty, QVariant::fromValue(text));
}

void Caption(QLabel* label, QWidget* input) {
    label->setBuddy(input);
    input->setAccessibleName(label->text().remove(QLatin1Char('&')).simplified());
}

EditRow MakeEditRow(QWidget* parent, const EditRowText& text, const EditRowPlace& at) {
    const auto label = [parent](const char* caption, const char* name) {
        auto* l = new QLabel(ToQt(caption), parent);
        if (*name) l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    EditRow row{label(text.caption, text.captionName), new QLineEdit(parent),
                label(text.unit, text.unitName)};
    row.edit->setObjectName(QString::fromLatin1(text.editName));
    Caption(row.caption, row.edit);
    row.caption->setGeometry(at.captionX, at.labelTop, at.captionWidth, at.labelHeight);
    row.edit->setGeometry(at.editX, at.editTop, at.editWidth, at.editHeight);
    row.unit->setGeometry(at.unitX, at.labelTop, at.unitWidth, at.labelHeight);
    return row;
}

EditRowPlace EditRowAt(const EditRowColumns& c, int labelTop, int labelHeight, int editHeight) {
    return {.captionX = c.captionX,
            .captionWidth = c.captionWidth,
            .editX = c.editX,
            .editWidth = c.editWidth,
            .unitX = c.unitX,
            .unitWidth = c.unitWidth,
            .labelTop = labelTop,
            .labelHeight = labelHeight,
            .editTop = labelTop + (labelHeight - editHeight) / 2,
            .editHeight = editHeight};
}

bool ControlEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }

std::vector<std::string> ListLines(const QListWidget* list) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(FromQt(list->item(i)->text()));
    return lines;
}

void ShowListLines(QListWidget* list, const std::vector<std::string>& lines) {
    if (ListLines(list) != lines) FillList(list, lines);
}

bool ListRed(const QListWidget* list) { return list->palette().color(QPalette::Text) == QColor(Qt::red); }

void SetListRed(QListWidget* list, bool red) {
    QPalette p = list->palette();
    p.setColor(QPalette::Text, red ? Qt::red : Qt::black);
    list->setPalette(p);
}

} // namespace kx
