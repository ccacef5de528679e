// The user section editor headless: its size and texts, the file shown and saved, a row dragged
// by its reference, a refused cell taking the focus, OK leaving the file alone.
#include "input/ui/KX_Grid.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FormsFixture.h"
#include "foundation/Units.h"
#include "sections/SectionFile.h"

using namespace kx;

namespace {

class GridWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        ReadUnitFile();
        g = Forms.KX_GridFrm;
    }
    std::vector<std::uint8_t> fileBytes() {
        std::ifstream in(dir_.path("KX.sct"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void writeRecords(int n) {
        std::vector<TSectionRec> recs(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            recs[static_cast<std::size_t>(i)].Designation = "S" + std::to_string(i + 1);
            recs[static_cast<std::size_t>(i)].E = 205000;
            recs[static_cast<std::size_t>(i)].Group = 1;
        }
        WriteSectionFile("KX.sct", recs);
    }
    TKX_GridFrm* g = nullptr;
};

TEST_F(GridWindow, FormAsMadeAndShown) {
    EXPECT_EQ(g->windowTitle(), "Section Data");
    EXPECT_TRUE(g->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(g->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(g->width(), 1050); // the screen is at least 800 wide
    EXPECT_EQ(g->Grid->width(), 1000);
    EXPECT_EQ(g->height(), g->Grid->height() + 125);
    EXPECT_EQ(g->Panel1->width(), 790);
    EXPECT_EQ(g->Grid->rowCount(), 250);
    EXPECT_EQ(g->Grid->verticalHeader()->width(), 35);
    const int widths[] = {186, 110, 114, 180, 209, 153};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g->Grid->columnWidth(c), widths[c]) << c;
    EXPECT_TRUE(g->Grid->verticalHeader()->sectionsMovable());
    EXPECT_FALSE(g->Grid->horizontalHeader()->sectionsMovable());
    for (const char* note :
         {"Drag reference number to change order",
          "Displayed data has been formatted to remove excessive number of digits ",
          "Re-saving data using different units may produce rounding errors.", "File name saved to is KX.sct",
          "GA / Kform. = GA /  the appropriate form factor for that section."}) {
        bool found = false;
        for (const QLabel* l : g->findChildren<QLabel*>())
            if (l->text() == QString::fromLatin1(note)) {
                found = true;
                EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::blue));
            }
        EXPECT_TRUE(found) << note;
    }

    writeRecords(3);
    g->show();
    EXPECT_EQ(g->Cell(0, 0), " Ref");
    EXPECT_EQ(g->Cell(2, 0), "     Ixx  (cm^4)");
    EXPECT_EQ(g->Cell(5, 0), "     Permissible Moment  (kN-m)");
    EXPECT_EQ(g->Cell(0, 1), "1");
    EXPECT_EQ(g->Cell(0, 250), "250");
    EXPECT_EQ(g->Cell(1, 3), "S3");
    EXPECT_EQ(g->Cell(3, 3), "205000");
    EXPECT_EQ(g->Cell(1, 4), "");
    EXPECT_TRUE(g->Grid->item(0, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(GridWindow, DraggedRowIsSavedFirstAndShowingAgainRestoresTheOrder) {
    writeRecords(6);
    g->show();
    // Row 5 dragged by its reference to the top.
    g->Grid->verticalHeader()->moveSection(4, 0);
    EXPECT_EQ(g->Cell(0, 1), "5");
    EXPECT_EQ(g->Cell(1, 1), "S5");
    EXPECT_EQ(g->Cell(1, 2), "S1");
    // A character beyond single-byte text is stored as "?".
    g->Grid->item(g->Grid->verticalHeader()->logicalIndex(2), 0)->setText(QString::fromUtf8("Beam \u20AC1"));
    g->cmd_Save->click();
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    EXPECT_EQ(recs[2].Designation.str(), "Beam ?1");
    EXPECT_EQ(recs[0].Designation.str(), "S5");
    EXPECT_EQ(recs[0].RecordNo, 1);
    EXPECT_EQ(recs[1].Designation.str(), "S1");
    EXPECT_EQ(g->Cell(0, 1), "5"); // the reference stays with its row until shown again

    g->cmd_ok->click();
    EXPECT_FALSE(g->isVisible());
    g->show();
    EXPECT_EQ(g->Cell(0, 1), "1");
    EXPECT_EQ(g->Cell(1, 1), "S5");
    EXPECT_EQ(g->Cell(1, 5), "S4");
}

TEST_F(GridWindow, RefusedCellTakesTheFocusAndNothingIsWritten) {
    writeRecords(250);
    g->show();
    const std::vector<std::uint8_t> before = fileBytes();
    g->Grid->verticalHeader()->moveSection(9, 0); // the row of reference 10 stands first
    g->SetCell(4, 3, "-2");
    g->cmd_Save->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Row 3: negative values not allowed"});
    EXPECT_EQ(g->Grid->currentRow(), g->Grid->verticalHeader()->logicalIndex(2));
    EXPECT_EQ(g->Grid->currentColumn(), 3);
    EXPECT_EQ(fileBytes(), before);

    // OK hides without saving; showing again reads the file, not the edits.
    g->SetCell(4, 3, "2");
    g->cmd_ok->click();
    EXPECT_EQ(fileBytes(), before);
    g->show();
    EXPECT_EQ(g->Cell(4, 3), "");
}

} // namespace
