// Which control feeds which field of a window's core struct, declared once per window; reading and
// showing the controls is generic code over that table.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "foundation/ShownText.h"
#include "foundation/ui/GridCells.h"
#include "platform/Guard.h"

namespace kx {

// Checks or unchecks a button, also the checked radio of an exclusive group.
void SetChecked(QAbstractButton* b, bool on);
// The text of a line edit, label, button or plain text box, and back.
std::string ControlText(const QWidget* w);
void SetControlText(QWidget* w, const std::string& text);
// The text of a control with the exact value the program showed behind it, which the control
// keeps while it shows that text; and back.
ShownText ControlShown(const QWidget* w);
void ShowControl(QWidget* w, const ShownText& text);
// Gives an input the caption a label shows, as its accessible name and the label's buddy.
void Caption(QLabel* label, QWidget* input);

// A caption, the edit box it names and the unit after it, laid out in one row.
struct EditRow {
    QLabel* caption;
    QLineEdit* edit;
    QLabel* unit;
};
// Their texts and object names; an empty name leaves a label unnamed.
struct EditRowText {
    const char* caption;
    const char* editName;
    const char* unit;
    const char* captionName = "";
    const char* unitName = "";
};
// Where they stand: the labels share a top, and the edit's own top lets its text line up with theirs.
struct EditRowPlace {
    int captionX, captionWidth;
    int editX, editWidth;
    int unitX, unitWidth;
    int labelTop, labelHeight;
    int editTop, editHeight;
};
EditRow MakeEditRow(QWidget* parent, const EditRowText& text, const EditRowPlace& at);
// Where the three stand across a window, for every row alike.
struct EditRowColumns {
    int captionX, captionWidth;
    int editX, editWidth;
    int unitX, unitWidth;
};
// A row in those columns: labels labelHeight high at labelTop, and the edit box editHeight high
// centred on them, so that its text lines up with theirs.
EditRowPlace EditRowAt(const EditRowColumns& columns, int labelTop, int labelHeight, int editHeight);
// What setEnabled last said of the control itself, whatever its parents are.
bool ControlEnabled(const QWidget* w);
// A list's lines, and back: a list that shows them already keeps its current line and scroll.
std::vector<std::string> ListLines(const QListWidget* list);
void ShowListLines(QListWidget* list, const std::vector<std::string>& lines);
// A list's text red, or black.
bool ListRed(const QListWidget* list);
void SetListRed(QListWidget* list, bool red);

// One control (or group of radios) and the field it feeds. The last three members serve the
// round-trip test: change the control, tell whether two structs agree on the field, change the field.
template <class S> struct Binding {
    std::vector<QWidget*> controls;
    std::string field;
    std::function<void(S&)> read;
    std::function<void(const S&)> show;
    std::function<void()> poke;
    std::function<bool(const S&, const S&)> same;
    std::function<void(S&)> alter;
};

template <class S> class FormBindings {
public:
    using Struct = S;
    template <class T> using Field = std::function<T&(S&)>;

    // A member of S (or of a struct S extends), or any field reached from S (a row of a table, a
    // member of a member).
    template <class T, class B>
    requires std::is_base_of_v<B, S>
    static Field<T> member(T B::*m) {
        return [m](S& s) -> T& { return s.*m; };
    }

    // The text of a line edit, a label, a button's caption or a plain text box.
    template <class F> FormBindings& text(QWidget* w, F f, std::string field) {
        Field<std::string> get = asField<std::string>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = ControlText(w); },
                    [w, get](const S& s) { SetControlText(w, get(const_cast<S&>(s))); },
                    [w] { SetControlText(w, ControlText(w) + "#"); },
                    sameField(get),
                    [get](S& s) { get(s) += "@"; }});
    }

    // The same, for a text that keeps the exact value behind it.
    template <class F> FormBindings& shown(QWidget* w, F f, std::string field) {
        Field<ShownText> get = asField<ShownText>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = ControlShown(w); },
                    [w, get](const S& s) { ShowControl(w, get(const_cast<S&>(s))); },
                    [w] { SetControlText(w, ControlText(w) + "#"); },
                    sameField(get),
                    [get](S& s) { get(s) = get(s).Text() + "@"; }});
    }

    template <class F> FormBindings& checked(QAbstractButton* w, F f, std::string field) {
        Field<bool> get = asField<bool>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = w->isChecked(); },
                    [w, get](const S& s) { SetChecked(w, get(const_cast<S&>(s))); },
                    [w] { SetChecked(w, !w->isChecked()); },
                    sameField(get),
                    [get](S& s) { get(s) = !get(s); }});
    }

    // One field for a group of radios: the value of the checked one (fallback when none is).
    template <class F, class V>
    FormBindings& choice(F f, std::string field, std::vector<std::pair<QAbstractButton*, V>> options,
                         V none) {
        Field<V> get = asField<V>(f);
        std::vector<QWidget*> ws;
        for (auto& o : options)
            ws.push_back(o.first);
        return add({ws, std::move(field),
                    [get, options, none](S& s) {
                        get(s) = none;
                        for (const auto& [b, v] : options)
                            if (b->isChecked()) get(s) = v;
                    },
                    [get, options](const S& s) {
                        for (const auto& [b, v] : options)
                            if (v != get(const_cast<S&>(s))) SetChecked(b, false);
                        for (const auto& [b, v] : options)
                            if (v == get(const_cast<S&>(s))) SetChecked(b, true);
                    },
                    [options] {
                        for (std::size_t i = 0; i < options.size(); ++i)
                            if (options[i].first->isChecked() || i + 1 == options.size()) {
                                SetChecked(options[(i + 1) % options.size()].first, true);
                                return;
                            }
                    },
                    sameField(get),
                    [get, options](S& s) {
                        for (std::size_t i = 0; i < options.size(); ++i)
                            if (options[i].second == get(s) || i + 1 == options.size()) {
                                get(s) = options[(i + 1) % options.size()].second;
                                return;
                            }
                    }});
    }

    // The lines a list shows.
    template <class F> FormBindings& lines(QListWidget* list, F f, std::string field) {
        Field<std::vector<std::string>> get = asField<std::vector<std::string>>(f);
        return add({{list},
                    std::move(field),
                    [list, get](S& s) { get(s) = ListLines(list); },
                    [list, get](const S& s) { ShowListLines(list, get(const_cast<S&>(s))); },
                    [list] { list->addItem(QStringLiteral("#")); },
                    sameField(get),
                    [get](S& s) { get(s).push_back("@"); }});
    }

    // A list's text shown red.
    template <class F> FormBindings& red(QListWidget* list, F f, std::string field) {
        Field<bool> get = asField<bool>(f);
        return add({{list},
                    std::move(field),
                    [list, get](S& s) { get(s) = ListRed(list); },
                    [list, get](const S& s) { SetListRed(list, get(const_cast<S&>(s))); },
                    [list] { SetListRed(list, !ListRed(list)); },
                    sameField(get),
                    [get](S& s) { get(s) = !get(s); }});
    }

    // A group of radios that exclude one another, each with a flag of its own (none may be set):
    // one binding, so that a flag is only ever shown together with the rest of its group.
    FormBindings& radios(std::string field, std::vector<std::pair<QAbstractButton*, Field<bool>>> options) {
        std::vector<QWidget*> ws;
        for (auto& o : options)
            ws.push_back(o.first);
        const auto on = [options](const S& s) {
            std::size_t i = 0;
            while (i < options.size() && !options[i].second(const_cast<S&>(s)))
                ++i;
            return i;
        };
        return add({ws, std::move(field),
                    [options](S& s) {
                        for (const auto& [b, get] : options)
                            get(s) = b->isChecked();
                    },
                    [options](const S& s) {
                        for (const auto& [b, get] : options)
                            if (!get(const_cast<S&>(s))) SetChecked(b, false);
                        for (const auto& [b, get] : options)
                            if (get(const_cast<S&>(s))) SetChecked(b, true);
                    },
                    [options] {
                        std::size_t i = 0;
                        while (i < options.size() && !options[i].first->isChecked())
                            ++i;
                        SetChecked(options[(i + 1) % options.size()].first, true);
                    },
                    [options](const S& a, const S& b) {
                        for (const auto& o : options)
                            if (o.second(const_cast<S&>(a)) != o.second(const_cast<S&>(b))) return false;
                        return true;
                    },
                    [options, on](S& s) {
                        const std::size_t next = (on(s) + 1) % options.size();
                        for (std::size_t i = 0; i < options.size(); ++i)
                            options[i].second(s) = i == next;
                    }});
    }

    template <class F> FormBindings& enabled(QWidget* w, F f, std::string field) {
        Field<bool> get = asField<bool>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = ControlEnabled(w); },
                    [w, get](const S& s) { w->setEnabled(get(const_cast<S&>(s))); },
                    [w] { w->setEnabled(!ControlEnabled(w)); },
                    sameField(get),
                    [get](S& s) { get(s) = !get(s); }});
    }

    // Shown, as far as the control itself is concerned (its window may be hidden).
    template <class F> FormBindings& visible(QWidget* w, F f, std::string field) {
        Field<bool> get = asField<bool>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = !w->isHidden(); },
                    [w, get](const S& s) { w->setVisible(get(const_cast<S&>(s))); },
                    [w] { w->setVisible(w->isHidden()); },
                    sameField(get),
                    [get](S& s) { get(s) = !get(s); }});
    }

    // A spin box's value; its range is the control's own.
    template <class F> FormBindings& value(QSpinBox* w, F f, std::string field) {
        Field<int> get = asField<int>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = w->value(); },
                    [w, get](const S& s) { w->setValue(get(const_cast<S&>(s))); },
                    [w] { w->setValue(w->value() < w->maximum() ? w->value() + 1 : w->minimum()); },
                    sameField(get),
                    [w, get](S& s) { get(s) = get(s) < w->maximum() ? get(s) + 1 : w->minimum(); }});
    }

    // A spin box's largest value.
    template <class F> FormBindings& maximum(QSpinBox* w, F f, std::string field) {
        Field<int> get = asField<int>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = w->maximum(); },
                    [w, get](const S& s) { w->setMaximum(std::max(w->minimum(), get(const_cast<S&>(s)))); },
                    [w] { w->setMaximum(w->maximum() + 7); },
                    sameField(get),
                    [get](S& s) { get(s) += 7; }});
    }

    // The current row of a list or combo box (-1 for none).
    template <class F> FormBindings& index(QWidget* w, F f, std::string field) {
        Field<int> get = asField<int>(f);
        return add({{w},
                    std::move(field),
                    [w, get](S& s) { get(s) = currentIndex(w); },
                    [w, get](const S& s) { setCurrentIndex(w, get(const_cast<S&>(s))); },
                    [w] { setCurrentIndex(w, nextIndex(w, currentIndex(w))); },
                    sameField(get),
                    [w, get](S& s) { get(s) = nextIndex(w, get(s)); }});
    }

    // Anything else (a grid's cells, a list's lines): the binding written out.
    FormBindings& custom(Binding<S> b) { return add(std::move(b)); }

    void Read(S& s) const {
        for (const Binding<S>& b : bindings_)
            b.read(s);
    }
    S Read() const {
        S s;
        Read(s);
        return s;
    }
    // Shows every field; the toggle handlers stay quiet meanwhile.
    void Show(const S& s) {
        const bool was = filling_;
        filling_ = true;
        for (const Binding<S>& b : bindings_)
            b.show(s);
        filling_ = was;
    }
    // One step of the form: the controls read into s, the step run under Guard, and s shown again,
    // also after an error (what the step did before it stays, as it stays on the form). While the
    // form shows values it takes no step. True when the step ran to its end.
    template <class F> bool Step(S& s, F&& step) {
        if (filling_) return false;
        const bool done = Guard([&] {
            Read(s);
            step();
        });
        Show(s);
        return done;
    }
    // The same for a form whose core call takes the inputs read from this table and gives back what
    // another table shows; after an error that table shows `standing()`, the state as it stands.
    template <class Out, class F, class G> bool Step(FormBindings<Out>& shown, F&& call, G&& standing) {
        if (filling_) return false;
        std::optional<Out> out;
        const bool done = Guard([&] { out = call(Read()); });
        shown.Show(out ? *out : standing());
        return done;
    }
    bool Filling() const { return filling_; }
    void SetFilling(bool on) { filling_ = on; }

    // Runs a handler when the user (or an accessibility client) changes a check box or radio, not
    // when the program shows a value; a radio acts on being checked only.
    template <class Receiver, class Handler>
    void OnToggle(QAbstractButton* b, Receiver* receiver, Handler handler) {
        QObject::connect(b, &QAbstractButton::toggled, receiver, [this, b, handler](bool on) {
            if (filling_ || (!on && b->autoExclusive())) return;
            handler();
        });
    }

    const std::vector<Binding<S>>& All() const { return bindings_; }

private:
    template <class T, class F> static Field<T> asField(F f) {
        if constexpr (std::is_member_object_pointer_v<F>)
            return member<T>(f);
        else
            return Field<T>(std::move(f));
    }
    template <class T> static std::function<bool(const S&, const S&)> sameField(Field<T> get) {
        return [get](const S& a, const S& b) { return get(const_cast<S&>(a)) == get(const_cast<S&>(b)); };
    }
    static int currentIndex(const QWidget* w) {
        if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentIndex();
        return static_cast<const QListWidget*>(w)->currentRow();
    }
    static void setCurrentIndex(QWidget* w, int i) {
        if (auto* c = qobject_cast<QComboBox*>(w))
            c->setCurrentIndex(i);
        else
            static_cast<QListWidget*>(w)->setCurrentRow(i);
    }
    static int nextIndex(const QWidget* w, int i) {
        const auto* c = qobject_cast<const QComboBox*>(w);
        const int n = c ? c->count() : static_cast<const QListWidget*>(w)->count();
        return n > 0 ? (i + 1) % n : -1;
    }
    FormBindings& add(Binding<S> b) {
        bindings_.push_back(std::move(b));
        return *this;
    }

    std::vector<Binding<S>> bindings_;
    bool filling_ = false;
};

} // namespace kx

// Binds the form's control `name` to the struct's field of the same name: each control named once.
#define KX_BIND(b, kind, name) (b).kind(name, &std::remove_reference_t<decltype(b)>::Struct::name, #name)
// The same for a field named after its control with a suffix: KX_BIND_AS(b, enabled, cmd_OK, _Enabled).
#define KX_BIND_AS(b, kind, name, suffix)                                                                    \
    (b).kind(name, &std::remove_reference_t<decltype(b)>::Struct::name##suffix, #name #suffix)
// A list's lines and its red, in the fields of its name and its name + Red.
#define KX_BIND_LINES(b, name) KX_BIND(b, lines, name)
#define KX_BIND_RED(b, name) KX_BIND_AS(b, red, name, Red)
// Two radios of one group, each setting the field of its name.
#define KX_BIND_RADIO_PAIR(b, first, second)                                                                 \
    (b).radios(#first "/" #second, {{first, std::remove_reference_t<decltype(b)>::member(                    \
                                                &std::remove_reference_t<decltype(b)>::Struct::first)},      \
                                    {second, std::remove_reference_t<decltype(b)>::member(                   \
                                                 &std::remove_reference_t<decltype(b)>::Struct::second)}})
