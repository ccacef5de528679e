// The round trip every form's binding table must pass: each control feeds its own field and no
// other, and each field shows on its own control and no other.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "foundation/ui/Binding.h"

namespace kxtest {

// Radios that uncheck each other: checking one changes the other's field too.
inline bool Exclusive(const QWidget* a, const QWidget* b) {
    auto* x = qobject_cast<const QAbstractButton*>(a);
    auto* y = qobject_cast<const QAbstractButton*>(b);
    if (!x || !y || x == y) return false;
    if (x->group() && x->group() == y->group()) return x->group()->exclusive();
    return !x->group() && !y->group() && x->autoExclusive() && y->autoExclusive() &&
           x->parentWidget() == y->parentWidget();
}

template <class S> bool Coupled(const kx::Binding<S>& a, const kx::Binding<S>& b) {
    for (const QWidget* x : a.controls)
        for (const QWidget* y : b.controls)
            if (x == y || Exclusive(x, y)) return true;
    return false;
}

// Checks every binding of a table both ways, from the controls as they stand; the controls are as
// they were afterwards. Each binding's control must carry the name the field starts with (or, for a
// group of radios, a name of its own), so a table that wires a control to another's field fails.
template <class S> void ExpectRoundTrip(kx::FormBindings<S>& table) {
    // A poke stands for a value shown, not for a user's action: the form's handlers stay quiet.
    table.SetFilling(true);
    const auto& all = table.All();
    const S base = table.Read();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const kx::Binding<S>& b = all[i];
        const std::string what = b.field;
        ASSERT_FALSE(b.controls.empty()) << what;
        if (b.controls.size() == 1) {
            EXPECT_EQ(what.rfind(b.controls[0]->objectName().toStdString(), 0), 0u)
                << what << " is bound to the control " << b.controls[0]->objectName().toStdString();
        }

        b.poke();
        const S poked = table.Read();
        EXPECT_FALSE(b.same(base, poked)) << "changing its control leaves " << what << " unchanged";
        for (std::size_t j = 0; j < all.size(); ++j)
            if (j != i && !Coupled(b, all[j])) {
                EXPECT_TRUE(all[j].same(base, poked))
                    << "changing the control of " << what << " also changes " << all[j].field;
            }
        table.Show(base);
        const S back = table.Read();
        for (const kx::Binding<S>& o : all)
            EXPECT_TRUE(o.same(base, back))
                << "showing the snapshot again after " << what << " leaves " << o.field << " changed";

        S altered = base;
        b.alter(altered);
        table.Show(altered);
        const S shown = table.Read();
        EXPECT_TRUE(b.same(altered, shown)) << what << " is not shown on its control";
        for (std::size_t j = 0; j < all.size(); ++j)
            if (j != i && !Coupled(b, all[j])) {
                EXPECT_TRUE(all[j].same(base, shown)) << "showing " << what << " changes " << all[j].field;
            }
        table.Show(base);
    }
    table.SetFilling(false);
}

// Checking each button alone, from a state with none checked, sets its own flag and no other.
template <class S>
void ExpectOwnFlags(kx::FormBindings<S>& table, const S& none,
                    const std::vector<std::pair<QAbstractButton*, std::function<bool(const S&)>>>& flags) {
    table.SetFilling(true);
    for (const auto& [button, flag] : flags) {
        table.Show(none);
        kx::SetChecked(button, true);
        const S s = table.Read();
        for (const auto& [other, f] : flags)
            EXPECT_EQ(f(s), other == button) << other->objectName().toStdString() << " after checking "
                                             << button->objectName().toStdString();
    }
    table.Show(none);
    table.SetFilling(false);
}

// The input controls of a window (edits, spin boxes, combo and check boxes, radios) that no
// binding of the table names, by object name.
template <class S>
std::set<std::string> UnboundInputs(const QWidget* window, const kx::FormBindings<S>& table) {
    std::set<const QWidget*> bound;
    for (const auto& b : table.All())
        for (const QWidget* w : b.controls)
            bound.insert(w);
    std::set<std::string> missing;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const bool input = w->inherits("QLineEdit") || w->inherits("QAbstractSpinBox") ||
                           w->inherits("QComboBox") || w->inherits("QCheckBox") ||
                           w->inherits("QRadioButton");
        if (input && !bound.count(w) && !w->parentWidget()->inherits("QAbstractSpinBox") &&
            !w->parentWidget()->inherits("QComboBox"))
            missing.insert(w->objectName().toStdString());
    }
    return missing;
}

} // namespace kxtest
