// The cells of a string grid as texts, and the editor that hands each key on to the grid.
#include "foundation/ui/GridCells.h"

#include <QLineEdit>
#include <QTableWidget>

#include "platform/QtDialogs.h"

namespace kx {

std::string CellText(const QTableWidget* t, int col, int row) {
    const QTableWidgetItem* it = t->item(row, col);
    return it ? FromQt(it->text()) : std::string();
}

void SetCellText(QTableWidget* t, int col, int row, const std::string& text) {
    QTableWidgetItem* it = t->item(row, col);
    const QString q = ToQt(text);
    if (!it) {
        it = new QTableWidgetItem(q);
        if (row == 0 || col == 0) {
            it->setFlags(Qt::ItemIsEnabled);
            it->setBackground(QColor(0xC0, 0xC0, 0xC0));
        }
        t->setItem(row, col, it);
    } else if (it->text() != q) {
        it->setText(q);
    }
}

ShownText CellShown(const QTableWidget* t, int col, int row) {
    const QTableWidgetItem* it = t->item(row, col);
    if (!it) return {};
    ShownText shown = it->data(Qt::UserRole).value<ShownText>();
    // A text typed since it was shown forgets the value.
    shown = FromQt(it->text());
    return shown;
}

void ShowCell(QTableWidget* t, int col, int row, const ShownText& text) {
    SetCellText(t, col, row, text.Text());
    QTableWidgetItem* it = t->item(row, col);
    if (text.HasValue())
        it->setData(Qt::UserRole, QVariant::fromValue(text));
    else if (it->data(Qt::UserRole).isValid())
        it->setData(Qt::UserRole, QVariant());
}

QWidget* LiveCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        auto* self = const_cast<LiveCellDelegate*>(this);
        QObject::connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

} // namespace kx
