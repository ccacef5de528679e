// Bindings of a list's lines and of its text's red, for the windows whose core keeps the lines
// their lists show.
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

} // namespace kx

// The list `name` shows the field of the same name; its red, the field name + Red.
#define KX_BIND_LINES(b, name)                                                                               \
    (b).custom(kx::LinesBinding<std::remove_reference_t<decltype(b)>::Struct>(                               \
        name, &std::remove_reference_t<decltype(b)>::Struct::name, #name))
#define KX_BIND_RED(b, name)                                                                                 \
    (b).custom(kx::RedBinding<std::remove_reference_t<decltype(b)>::Struct>(                                 \
        name, &std::remove_reference_t<decltype(b)>::Struct::name##Red, #name "Red"))
