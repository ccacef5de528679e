// The editor of the user's own section table.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "foundation/ui/Binding.h"
#include "input/KX_Grid.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kx {

class TKX_BeamFrm;

class TKX_GridFrm : public QWidget {
    Q_OBJECT
public:
    explicit TKX_GridFrm(QWidget* parent = nullptr);

    // The beam form it reports to, handed over by whoever makes the windows.
    struct Links {
        TKX_BeamFrm* Beam = nullptr;
    };
    Links Link;

    // The grid: the heading row is the table's header, the references are the row headers, which
    // the user drags to move their rows; table column c is grid column c + 1.
    QTableWidget* Grid;
    QPushButton* cmd_ok;
    QPushButton* cmd_Save;
    QFrame* Panel1;
    QLabel* Label_Ref; // " Ref", over the references

    // A cell as the grid stands: row 0 the headings, rows 1 to 250 in the order they are shown,
    // column 0 the references. For the conversion of the values to new units.
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // The same with the exact value behind a value's text, which the cell keeps while it shows
    // that text, wherever its row is moved.
    ShownText CellShown(int col, int row) const;
    void ShowCell(int col, int row, const ShownText& text);
    // The headings and rows 1 to 250 in the order they are shown.
    FormBindings<SectionGridContent> Bindings;

    void FormShow();
    void cmd_okClick();
    void cmd_SaveClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The table row shown at a place (1 to 250).
    int tableRow(int row) const;
};

} // namespace kx
