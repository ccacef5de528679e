// What a form does with its own controls, as tables written from the form's rules: which controls
// are usable and shown in each state, and what acting on each control does with the handlers live.
// A missing enabled/visible binding fails the first table; a control wired to another control's
// handler fails the second.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "foundation/ui/Binding.h"

namespace kxtest {

// A control of the form by its object name; a missing name fails the test that asked.
inline QWidget* Control(const QWidget* form, const std::string& name) {
    if (form->objectName().toStdString() == name) return const_cast<QWidget*>(form);
    auto* w = form->findChild<QWidget*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << "no control named " << name;
    return w;
}
inline QAbstractButton* Button(const QWidget* form, const std::string& name) {
    auto* b = qobject_cast<QAbstractButton*>(Control(form, name));
    EXPECT_NE(b, nullptr) << name << " is not a button";
    return b;
}

// Clicks a button as the user does: a check box or radio changes its state and runs its handler.
inline void Click(const QWidget* form, const std::string& name) {
    if (QAbstractButton* b = Button(form, name)) b->click();
}

// One state the form's rules name, reached as a user reaches it, and the controls that are usable
// (or not) and shown (or not) in it. Controls the state does not mention are not checked.
struct FormState {
    std::string name;
    std::function<void()> enter;
    std::vector<std::string> enabled{};
    std::vector<std::string> disabled{};
    std::vector<std::string> shown{};
    std::vector<std::string> hidden{};
};

inline void ExpectStates(const QWidget* form, const std::vector<FormState>& states) {
    for (const FormState& s : states) {
        SCOPED_TRACE("state: " + s.name);
        if (s.enter) s.enter();
        for (const std::string& n : s.enabled) {
            if (QWidget* w = Control(form, n)) {
                EXPECT_TRUE(kx::ControlEnabled(w)) << n << " should be usable";
            }
        }
        for (const std::string& n : s.disabled) {
            if (QWidget* w = Control(form, n)) {
                EXPECT_FALSE(kx::ControlEnabled(w)) << n << " should be greyed";
            }
        }
        for (const std::string& n : s.shown) {
            if (QWidget* w = Control(form, n)) {
                EXPECT_FALSE(w->isHidden()) << n << " should be shown";
            }
        }
        for (const std::string& n : s.hidden) {
            if (QWidget* w = Control(form, n)) {
                EXPECT_TRUE(w->isHidden()) << n << " should be hidden";
            }
        }
    }
}

// One control acted on from a known state, and the effect the form's rules give it, checked with
// gtest expectations. `act` defaults to a click on the control.
struct ControlEffect {
    std::string control;
    std::function<void()> arrange;
    std::function<void()> expect;
    std::function<void()> act{};
};

inline void ExpectEffects(const QWidget* form, const std::vector<ControlEffect>& effects) {
    for (const ControlEffect& e : effects) {
        SCOPED_TRACE("control: " + e.control);
        if (e.arrange) e.arrange();
        if (e.act)
            e.act();
        else
            Click(form, e.control);
        e.expect();
    }
}

// The two ends of a beam: a row written once for the left-hand end serves the right-hand end with
// every "LH" in its names read as "RH" (and "Left"/"Right" likewise), so both halves of a pair run
// from one table.
struct Side {
    bool right = false;
    std::string operator()(std::string name) const {
        if (!right) return name;
        for (auto [from, to] : {std::pair<std::string, std::string>{"LH", "RH"}, {"Left", "Right"}}) {
            for (std::size_t at = name.find(from); at != std::string::npos;
                 at = name.find(from, at + to.size()))
                name.replace(at, from.size(), to);
        }
        return name;
    }
    const char* tag() const { return right ? "RH" : "LH"; }
};
inline constexpr Side kLeft{false};
inline constexpr Side kRight{true};

// Rows for both ends from one function of the end.
template <class Row, class F> std::vector<Row> BothEnds(F rowsFor) {
    std::vector<Row> rows;
    for (const Side& s : {kLeft, kRight})
        for (Row& r : rowsFor(s))
            rows.push_back(std::move(r));
    return rows;
}

// Each name, and its right-hand twin where the name has one: a list written for the left-hand
// end checks both ends.
inline std::vector<std::string> BothNames(const std::vector<std::string>& names) {
    std::vector<std::string> out;
    for (const std::string& n : names)
        for (const Side& s : {kLeft, kRight})
            if (std::find(out.begin(), out.end(), s(n)) == out.end()) out.push_back(s(n));
    return out;
}

// A menu item of the window by its object name, triggered as the user chooses it.
inline void Trigger(const QWidget* form, const std::string& name) {
    auto* a = form->findChild<QAction*>(QString::fromStdString(name));
    EXPECT_NE(a, nullptr) << "no menu item named " << name;
    if (a) a->trigger();
}

// The states of a window with a menu: an enabled or disabled name that is a menu item is checked
// as one, every other name as a control.
inline void ExpectStatesWithItems(const QWidget* form, const std::vector<FormState>& states) {
    for (const FormState& s : states) {
        if (s.enter) s.enter();
        FormState controls{s.name, nullptr, {}, {}, s.shown, s.hidden};
        for (const bool on : {true, false})
            for (const std::string& n : on ? s.enabled : s.disabled) {
                const auto* a = form->findChild<QAction*>(QString::fromStdString(n));
                if (!a) {
                    (on ? controls.enabled : controls.disabled).push_back(n);
                    continue;
                }
                EXPECT_EQ(a->isEnabled(), on)
                    << "state: " << s.name << ": " << n << " should be " << (on ? "usable" : "greyed");
            }
        ExpectStates(form, {controls});
    }
}

// The text a label, button or edit of the form shows.
inline std::string Text(const QWidget* form, const std::string& name) {
    const QWidget* w = Control(form, name);
    return w ? w->property("text").toString().toStdString() : std::string();
}

// Whether a control lies wholly inside what each of its parents shows, up to the form: one placed
// beyond its group's edge cannot be reached by a user although it is not hidden.
inline void ExpectInView(const QWidget* form, const std::vector<std::string>& names, bool inView) {
    for (const std::string& n : names) {
        const QWidget* w = Control(form, n);
        bool inside = w != nullptr;
        for (; inside && w != form && w->parentWidget(); w = w->parentWidget())
            inside = w->parentWidget()->rect().contains(w->geometry());
        EXPECT_EQ(inside, inView) << n << (inView ? " should be in view" : " should lie out of view");
    }
}

} // namespace kxtest
