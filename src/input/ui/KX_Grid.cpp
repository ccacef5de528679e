// The editor of the user's own section table.
#include "input/ui/KX_Grid.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

#include "foundation/ui/Windows.h"
#include "input/ui/KX_Beam.h"
#include "platform/BusyCursor.h"
#include "platform/Errors.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

constexpr int kColumnWidths[kSectionGridCols] = {35, 186, 110, 114, 180, 209, 153};
constexpr int kWideForm = 1050;
constexpr int kNarrowForm = 790; // Panel1
constexpr int kGridHeight = 420;
constexpr int kBelowGrid = 125;

const char* const kNotes[] = {
    "Drag reference number to change order",
    "Displayed data has been formatted to remove excessive number of digits ",
    "Re-saving data using different units may produce rounding errors.",
    "File name saved to is KX.sct",
    "GA / Kform. = GA /  the appropriate form factor for that section.",
};

void checkCell(int col, int row) {
    if (col < 0 || col >= kSectionGridCols || row < 0 || row > kUserSectionRows) throw RangeError();
}

} // namespace

TKX_GridFrm::TKX_GridFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "KX_GridFrm", "Section Data");
    // A fixed border with the system menu only, on top of the other windows.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Grid = new QTableWidget(kUserSectionRows, kSectionGridCols - 1, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    QHeaderView* refs = Grid->verticalHeader();
    refs->setSectionsMovable(true);
    refs->setFixedWidth(kColumnWidths[0]);
    refs->setSectionResizeMode(QHeaderView::Fixed);
    refs->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView* headings = Grid->horizontalHeader();
    headings->setSectionsMovable(false);
    headings->setSectionsClickable(false);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 1; c < kSectionGridCols; ++c)
        Grid->setColumnWidth(c - 1, kColumnWidths[c]);
    for (int r = 0; r < kUserSectionRows; ++r) {
        Grid->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
        for (int c = 0; c < kSectionGridCols - 1; ++c)
            Grid->setItem(r, c, new QTableWidgetItem());
    }
    Grid->setCornerButtonEnabled(false);
    Label_Ref = new QLabel(QStringLiteral(" Ref"), Grid);
    Label_Ref->setObjectName(QStringLiteral("Label_Ref"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kNarrowForm, 4);
    Panel1->hide();

    // FormCreate: the wide form on a screen of at least 800 pixels, else Panel1's width. The wide
    // form grows as far as its grid needs to show every column beside the references and the
    // scroll bar.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int gridNeeds = 2 * Grid->frameWidth() + kColumnWidths[0] + Grid->horizontalHeader()->length() +
                          Grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Grid);
    const int formWidth =
        screen && screen->geometry().width() >= 800 ? std::max(kWideForm, gridNeeds + 50) : Panel1->width();
    Grid->setGeometry(25, 10, formWidth - 50, kGridHeight);
    const int frame = Grid->frameWidth();
    Label_Ref->setGeometry(frame, frame, kColumnWidths[0], Grid->horizontalHeader()->sizeHint().height());

    int y = 10 + kGridHeight + 8;
    for (int i = 0; i < 5; ++i) {
        auto* note = new QLabel(ToQt(kNotes[i]), this);
        note->setObjectName(QStringLiteral("Label_Note%1").arg(i + 1));
        QPalette p = note->palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        note->setPalette(p);
        note->setGeometry(25, y + i * 21, formWidth - 250, 20);
    }
    cmd_ok = new QPushButton(QStringLiteral("OK"), this);
    cmd_ok->setObjectName(QStringLiteral("cmd_ok"));
    cmd_ok->setGeometry(formWidth - 205, y + 40, 80, 30);
    cmd_Save = new QPushButton(QStringLiteral("Save"), this);
    cmd_Save->setObjectName(QStringLiteral("cmd_Save"));
    cmd_Save->setGeometry(formWidth - 110, y + 40, 80, 30);
    setFixedSize(formWidth, kGridHeight + kBelowGrid);
    CentreOnScreen(this);

    // The grid feeds the headings and the rows as they stand; shown, the rows stand in file order
    // again, each under its own reference.
    Bindings.custom({{Grid},
                     "Grid",
                     [this](SectionGridContent& c) {
                         c.Rows.resize(kUserSectionRows);
                         for (int col = 0; col < kSectionGridCols; ++col) {
                             const auto i = static_cast<std::size_t>(col);
                             c.Headings[i] = Cell(col, 0);
                             for (int row = 1; row <= kUserSectionRows; ++row)
                                 c.Rows[static_cast<std::size_t>(row - 1)][i] = CellShown(col, row);
                         }
                     },
                     [this](const SectionGridContent& c) {
                         QHeaderView* moved = Grid->verticalHeader();
                         for (int r = 0; r < kUserSectionRows; ++r)
                             if (moved->visualIndex(r) != r) moved->moveSection(moved->visualIndex(r), r);
                         for (int col = 0; col < kSectionGridCols; ++col) {
                             const auto i = static_cast<std::size_t>(col);
                             SetCell(col, 0, c.Headings[i]);
                             for (int row = 1; row <= kUserSectionRows; ++row)
                                 ShowCell(col, row, c.Rows.at(static_cast<std::size_t>(row - 1))[i]);
                         }
                     },
                     [this] {
                         for (int col = 0; col < kSectionGridCols; ++col)
                             for (int row = 0; row <= kUserSectionRows; ++row)
                                 SetCell(col, row, Cell(col, row) + "#");
                     },
                     [](const SectionGridContent& a, const SectionGridContent& b) {
                         return a.Headings == b.Headings && a.Rows == b.Rows;
                     },
                     [](SectionGridContent& c) {
                         for (ShownText& t : c.Headings)
                             t = t.Text() + "@";
                         for (SectionGridRow& r : c.Rows)
                             for (ShownText& t : r)
                                 t = t.Text() + "@";
                     }});
    Grid->setAccessibleName(QStringLiteral("Sections"));

    connect(cmd_ok, &QPushButton::clicked, this, &TKX_GridFrm::cmd_okClick);
    connect(cmd_Save, &QPushButton::clicked, this, &TKX_GridFrm::cmd_SaveClick);
}

int TKX_GridFrm::tableRow(int row) const { return Grid->verticalHeader()->logicalIndex(row - 1); }

std::string TKX_GridFrm::Cell(int col, int row) const {
    checkCell(col, row);
    if (row == 0) {
        const QTableWidgetItem* h = col == 0 ? nullptr : Grid->horizontalHeaderItem(col - 1);
        return FromQt(col == 0 ? Label_Ref->text() : h ? h->text() : QString());
    }
    const int r = tableRow(row);
    const QTableWidgetItem* it = col == 0 ? Grid->verticalHeaderItem(r) : Grid->item(r, col - 1);
    return it ? FromQt(it->text()) : std::string();
}

ShownText TKX_GridFrm::CellShown(int col, int row) const {
    checkCell(col, row);
    if (row == 0 || col == 0) return Cell(col, row);
    const QTableWidgetItem* it = Grid->item(tableRow(row), col - 1);
    if (!it) return {};
    ShownText shown = it->data(Qt::UserRole).value<ShownText>();
    // A text typed since it was shown forgets the value.
    shown = FromQt(it->text());
    return shown;
}

void TKX_GridFrm::ShowCell(int col, int row, const ShownText& text) {
    SetCell(col, row, text.Text());
    if (row == 0 || col == 0) return;
    QTableWidgetItem* it = Grid->item(tableRow(row), col - 1);
    if (text.HasValue())
        it->setData(Qt::UserRole, QVariant::fromValue(text));
    else if (it->data(Qt::UserRole).isValid())
        it->setData(Qt::UserRole, QVariant());
}

void TKX_GridFrm::SetCell(int col, int row, const std::string& text) {
    checkCell(col, row);
    if (row == 0) {
        if (col == 0)
            Label_Ref->setText(ToQt(text));
        else
            Grid->setHorizontalHeaderItem(col - 1, new QTableWidgetItem(ToQt(text)));
        return;
    }
    const int r = tableRow(row);
    if (col == 0)
        Grid->setVerticalHeaderItem(r, new QTableWidgetItem(ToQt(text)));
    else if (QTableWidgetItem* it = Grid->item(r, col - 1))
        it->setText(ToQt(text));
    else
        Grid->setItem(r, col - 1, new QTableWidgetItem(ToQt(text)));
}

void TKX_GridFrm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TKX_GridFrm::FormShow() {
    Guard([this] { Bindings.Show(SectionGridShow()); });
}

void TKX_GridFrm::cmd_okClick() { hide(); }

void TKX_GridFrm::cmd_SaveClick() {
    Guard([this] {
        BusyCursor busy;
        const std::optional<SectionGridRefusal> refusal = SaveSectionGrid(Bindings.Read().Rows);
        if (refusal) {
            Grid->setCurrentCell(tableRow(refusal->Row), refusal->Col - 1);
            Grid->setFocus();
            return;
        }
        if (Link.Beam) Link.Beam->UserSectionsSaved();
    });
}

} // namespace kx
