// What a list shows: its lines and the colour of its text.
#include "foundation/ui/BindingKinds.h"

#include "foundation/ui/Windows.h"
#include "platform/QtDialogs.h"

namespace kx {

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
