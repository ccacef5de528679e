// The cells of a string grid as texts, and the editor that hands each key on to the grid.
#pragma once

#include <QStyledItemDelegate>
#include <string>

class QTableWidget;

namespace kx {

// The text of a cell; an empty string where the grid holds no item.
std::string CellText(const QTableWidget* t, int col, int row);
// Sets a cell's text (the same text again leaves the cell alone); a new cell of row 0 or column 0
// is a grey caption that cannot be edited.
void SetCellText(QTableWidget* t, int col, int row, const std::string& text);

// A cell being typed in is stored at every key, so that whatever follows the grid follows the
// typing.
class LiveCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

} // namespace kx
