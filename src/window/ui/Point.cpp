// The results-at-a-point window.
#include "window/ui/Point.h"

#include <QBrush>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "foundation/SharedModel.h"
#include "foundation/ui/Binding.h"
#include "foundation/ui/Windows.h"
#include "platform/BusyCursor.h"
#include "platform/Guard.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

constexpr int kRowHeight = 22;

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(ToQt(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    // No button acts on Enter: the window is closed only by OK or its close box.
    b->setAutoDefault(false);
    return b;
}

// The caption rows and the title column are drawn as fixed cells.
bool IsFixedCell(int row, int col) { return row < 2 || col == 0; }

} // namespace

TPointFrm::TPointFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "PointFrm", "Results at point.");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    KeepAboveWindowsOnTop(this);

    Label1 = new QLabel(QStringLiteral("Distance from LH end of beam."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit_Dist = new QLineEdit(this);
    Edit_Dist->setObjectName(QStringLiteral("Edit_Dist"));
    Label_Unit = new QLabel(this);
    Label_Unit->setObjectName(QStringLiteral("Label_Unit"));
    Label_Unit->setTextFormat(Qt::PlainText); // a unit text read from a beam file is no markup
    cmd_Calc = button(this, "cmd_Calc", "Calculate");
    cmd_Print = button(this, "cmd_Print", "Print");
    cmd_OK = button(this, "cmd_OK", "OK");

    Grid_RaP = new QTableWidget(kPointGridRows, kPointGridCols, this);
    Grid_RaP->setObjectName(QStringLiteral("Grid_RaP"));
    Grid_RaP->horizontalHeader()->hide();
    Grid_RaP->verticalHeader()->hide();
    Grid_RaP->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_RaP->setSelectionMode(QAbstractItemView::NoSelection);
    Grid_RaP->setFocusPolicy(Qt::NoFocus);
    Grid_RaP->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid_RaP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int gridWidth = 0;
    for (int c = 0; c < kPointGridCols; ++c) {
        Grid_RaP->setColumnWidth(c, kPointGridColWidths[static_cast<std::size_t>(c)]);
        gridWidth += kPointGridColWidths[static_cast<std::size_t>(c)];
    }
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int r = 0; r < kPointGridRows; ++r) {
        Grid_RaP->setRowHeight(r, kRowHeight);
        for (int c = 0; c < kPointGridCols; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (IsFixedCell(r, c)) item->setBackground(fixed);
            Grid_RaP->setItem(r, c, item);
        }
    }
    const int frame = 2 * Grid_RaP->frameWidth();
    List_Results = new QListWidget(this);
    List_Results->setObjectName(QStringLiteral("List_Results"));

    const int margin = 12, left = margin;
    Label1->setGeometry(left, margin, 220, 20);
    Edit_Dist->setGeometry(left, margin + 24, 100, 24);
    Label_Unit->setGeometry(left + 108, margin + 26, 80, 20);
    cmd_Calc->setGeometry(left + 200, margin + 22, 80, 28);
    const int gridTop = margin + 62;
    Grid_RaP->setGeometry(left, gridTop, gridWidth + frame, kPointGridRows * kRowHeight + frame);
    const int listTop = gridTop + kPointGridRows * kRowHeight + frame + 10;
    List_Results->setGeometry(left, listTop, gridWidth + frame, 260);
    const int buttonsTop = listTop + 260 + 10;
    cmd_Print->setGeometry(left + gridWidth + frame - 2 * 80 - 8, buttonsTop, 80, 28);
    cmd_OK->setGeometry(left + gridWidth + frame - 80, buttonsTop, 80, 28);
    setFixedSize(left + gridWidth + frame + margin, buttonsTop + 28 + margin);
    CentreOnScreen(this);

    Caption(Label1, Edit_Dist);
    Grid_RaP->setAccessibleName(QStringLiteral("Values at the point"));
    List_Results->setAccessibleName(QStringLiteral("Results"));
    KX_BIND(Bindings, text, Edit_Dist);
    KX_BIND(Bindings, text, Label_Unit);
    auto cell = [this](std::size_t r, std::size_t c) {
        return Grid_RaP->item(static_cast<int>(r), static_cast<int>(c));
    };
    Bindings.custom({{Grid_RaP},
                     "Grid_RaP",
                     [cell](PointControls& p) {
                         for (std::size_t r = 0; r < kPointGridRows; ++r)
                             for (std::size_t c = 0; c < kPointGridCols; ++c)
                                 p.Grid_RaP[r][c] = FromQt(cell(r, c)->text());
                     },
                     [cell](const PointControls& p) {
                         for (std::size_t r = 0; r < kPointGridRows; ++r)
                             for (std::size_t c = 0; c < kPointGridCols; ++c)
                                 cell(r, c)->setText(ToQt(p.Grid_RaP[r][c]));
                     },
                     [cell] { cell(7, 4)->setText(cell(7, 4)->text() + QLatin1Char('#')); },
                     [](const PointControls& a, const PointControls& b) { return a.Grid_RaP == b.Grid_RaP; },
                     [](PointControls& p) { p.Grid_RaP[7][4] += "@"; }});
    KX_BIND_LINES(Bindings, List_Results);

    connect(cmd_Calc, &QPushButton::clicked, this, &TPointFrm::cmd_CalcClick);
    connect(cmd_Print, &QPushButton::clicked, this, &TPointFrm::cmd_PrintClick);
    connect(cmd_OK, &QPushButton::clicked, this, &TPointFrm::cmd_OKClick);
}

void TPointFrm::FormShow() {
    PointControls c = Bindings.Read();
    PointFormShow(c);
    Bindings.Show(c);
}

void TPointFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) Guard([this] { FormShow(); });
}

void TPointFrm::cmd_CalcClick() {
    Guard([this] {
        BusyCursor busy;
        PointControls c = Bindings.Read();
        PointCalculate(c);
        Bindings.Show(c);
    });
}

void TPointFrm::cmd_PrintClick() {
    // The print job shows the hourglass while it draws, not while a file is being chosen.
    Guard([] { PrintPointResults(printer()); });
}

void TPointFrm::cmd_OKClick() { accept(); }

} // namespace kx
