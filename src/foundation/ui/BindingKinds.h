// More kinds of binding: a list's lines and its text's red, for the windows whose core keeps the
// lines their lists show, and a group of radios each of which has a flag of its own.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "foundation/ui/Binding.h"

namespace kx {

std::vector<std::string> ListLines(const QListWidget* list);
// Replaces a list's lines; a list that shows them already keeps its current line.
void ShowListLines(QListWidget* list, const std::vector<std::string>& lines);
// Red text, or black.
bool ListRed(const QListWidget* list);
void SetListRed(QListWidget* list, bool red);

template <class S>
Binding<S> LinesBinding(QListWidget* list, std::function<std::vector<std::string>&(S&)> get,
                        std::string field) {
    return {{list},
            std::move(field),
            [list, get](S& s) { get(s) = ListLines(list); },
            [list, get](const S& s) { ShowListLines(list, get(const_cast<S&>(s))); },
            [list] { list->addItem(QStringLiteral("#")); },
            [get](const S& a, const S& b) { return get(const_cast<S&>(a)) == get(const_cast<S&>(b)); },
            [get](S& s) { get(s).push_back("@"); }};
}

template <class S> Binding<S> RedBinding(QListWidget* list, std::function<bool&(S&)> get, std::string field) {
    return {{list},
            std::move(field),
            [list, get](S& s) { get(s) = ListRed(list); },
            [list, get](const S& s) { SetListRed(list, get(const_cast<S&>(s))); },
            [list] { SetListRed(list, !ListRed(list)); },
            [get](const S& a, const S& b) { return get(const_cast<S&>(a)) == get(const_cast<S&>(b)); },
            [get](S& s) { get(s) = !get(s); }};
}

// Radios that each set a flag of their own, true for the checked one.
template <class S>
Binding<S> RadioFlags(std::vector<std::pair<QAbstractButton*, bool S::*>> radios, std::string field) {
    std::vector<QWidget*> controls;
    for (const auto& r : radios)
        controls.push_back(r.first);
    // The radio after the first one set (the first when none is).
    auto next = [radios](auto on) {
        std::size_t i = 0;
        while (i < radios.size() && !on(radios[i]))
            ++i;
        return i < radios.size() ? (i + 1) % radios.size() : 0;
    };
    return {controls,
            std::move(field),
            [radios](S& s) {
                for (const auto& [b, f] : radios)
                    s.*f = b->isChecked();
            },
            [radios](const S& s) {
                for (const auto& [b, f] : radios)
                    if (!(s.*f)) SetChecked(b, false);
                for (const auto& [b, f] : radios)
                    if (s.*f) SetChecked(b, true);
            },
            [radios, next] {
                SetChecked(radios[next([](const auto& r) { return r.first->isChecked(); })].first, true);
            },
            [radios](const S& a, const S& b) {
                for (const auto& r : radios)
                    if (a.*r.second != b.*r.second) return false;
                return true;
            },
            [radios, next](S& s) {
                const std::size_t i = next([&s](const auto& r) { return s.*r.second; });
                for (const auto& r : radios)
                    s.*r.second = false;
                s.*radios[i].second = true;
            }};
}

} // namespace kx

// The list `name` shows the field of the same name; its red, the field name + Red.
#define KX_BIND_LINES(b, name)                                                                               \
    (b).custom(kx::LinesBinding<std::remove_reference_t<decltype(b)>::Struct>(                               \
        name, &std::remove_reference_t<decltype(b)>::Struct::name, #name))
#define KX_BIND_RED(b, name)                                                                                 \
    (b).custom(kx::RedBinding<std::remove_reference_t<decltype(b)>::Struct>(                                 \
        name, &std::remove_reference_t<decltype(b)>::Struct::name##Red, #name "Red"))
// Two radios, each setting the field of its name.
#define KX_BIND_RADIO_PAIR(b, first, second)                                                                 \
    (b).custom(kx::RadioFlags<std::remove_reference_t<decltype(b)>::Struct>(                                 \
        {{first, &std::remove_reference_t<decltype(b)>::Struct::first},                                      \
         {second, &std::remove_reference_t<decltype(b)>::Struct::second}},                                   \
        #first "/" #second))
