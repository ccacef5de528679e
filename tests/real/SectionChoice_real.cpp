// The user section editor and the choice of section in a real window system, from the start
// screen: a section typed into the editor and saved, chosen from "KX Sections", clicked in the
// list and committed with "Next >".
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "RealWindow.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"

using namespace kx;

namespace {

class SectionChoiceReal : public RealWindowTest {
protected:
    // Clicks a cell, then types the text and Enter when there is one.
    static void clickAndType(QAbstractItemView* v, int row, int col, const char* text = "") {
        const QModelIndex i = v->model()->index(row, col);
        v->scrollTo(i);
        settle();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
        settle();
        if (!*text) return;
        for (const char* c = text; *c; ++c) // the first key opens the cell's editor
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    }
};

} // namespace

TEST_F(SectionChoiceReal, UserSectionTypedSavedPickedAndCommitted) {
    TIndexFrm* index = mainWindow();
    pick(index, "Input", index->Beam1);
    TKX_BeamFrm* b = Forms.KX_BeamFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);

    pick(b, "  Edit Section Database", b->EditMiscellaneousSections1);
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    settle(100);
    const char* const typed[] = {"Alu beam", "1200", "70000", "50", "20", "150000"};
    for (int col = 0; col < 6; ++col)
        clickAndType(g->Grid, 0, col, typed[col]);
    QTest::mouseClick(g->cmd_Save, Qt::LeftButton);
    settle();
    QTest::mouseClick(g->cmd_ok, Qt::LeftButton);
    settle();
    EXPECT_FALSE(g->isVisible());
    // Back to the beam form (no window manager here hands it the focus).
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));

    pick(b, "Section Properties Database", b->Miscellaneous1);
    ASSERT_EQ(b->List_Sect->count(), 250);
    clickAndType(b->List_Sect, 0, 0);
    EXPECT_EQ(b->lbl_GA->text(), QStringLiteral("150000"));
    clickAndType(b->Grid_Spans, 1, 1, "3");
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs_->messages().empty()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    EXPECT_EQ(Model.MemberType, "KXF");
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.2e7f);
    EXPECT_EQ(Model.SpanData[1][mfPermMoment], 2e7f);
    EXPECT_EQ(Model.SpanData[1][mfGA], 1.5e8f);
}
