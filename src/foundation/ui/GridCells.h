// The cells of a string grid as texts, and the editor that hands each key on to the grid.
#pragma once

#include <QStyledItemDelegate>
#include <string>

#include "foundation/ShownText.h"

class QTableWidget;

// Controls and cells keep the value behind their text as a property of theirs.
Q_DECLARE_METATYPE(kx::ShownText)

namespace kx {

// The text of a cell; an empty string where the grid holds no item.
std::string CellText(const QTableWidget* t, int col, int row);
// Sets a cell's text (the same text again leaves the cell alone); a new cell of row 0 or column 0
// is a grey caption that cannot be edited.
void SetCellText(QTableWidget* t, int col, int row, const std::string& text);
// A cell's text with the exact value the program showed behind it, which the cell keeps while it
// shows that text (and takes along when its row moves); and back.
ShownText CellShown(const QTableWidget* t, int col, int row);
void ShowCell(QTableWidget* t, int col, int row, const ShownText& text);

// A cell being typed in is stored at every key, so that whatever follows the grid follows the
// typing.
class LiveCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

} // namespace kx
