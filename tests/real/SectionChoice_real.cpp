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
#include "sections/SectionFile.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class SectionChoiceReal : public RealWindowTest {
protected:
    static void clickItem(QAbstractItemView* v, int row, int col = 0) {
        const QModelIndex i = v->model()->index(row, col);
        v->scrollTo(i);
        settle();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
        settle();
    }
    static void typeAndEnter(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    }
};

} // namespace

TEST_F(SectionChoiceReal, UserSectionTypedSavedPickedAndCommitted) {
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    TIndexFrm* index = Forms.IndexFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(index));
    settle(200);
    pick(index, "Input", index->Beam1);
    TKX_BeamFrm* b = Forms.KX_BeamFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);

    pick(b, "  Edit Section Database", b->EditMiscellaneousSections1);
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    settle(100);
    const char* const typed[] = {"Alu beam", "1200", "70000", "50", "20", "150000"};
    for (int col = 0; col < 6; ++col) {
        clickItem(g->Grid, 0, col);
        typeAndEnter(typed[col]);
    }
    QTest::mouseClick(g->cmd_Save, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs_->messages().empty()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_EQ(ReadSectionFile("KX.sct").at(0).GA, 1.5e8f);
    QTest::mouseClick(g->cmd_ok, Qt::LeftButton);
    settle();
    EXPECT_FALSE(g->isVisible());
    // Back to the beam form (no window manager here hands it the focus).
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));

    pick(b, "Section Properties Database", b->Miscellaneous1);
    ASSERT_EQ(b->List_Sect->count(), 250);
    clickItem(b->List_Sect, 0);
    EXPECT_EQ(b->lbl_GA->text(), QStringLiteral("150000"));
    clickItem(b->Grid_Spans, 1, 1);
    typeAndEnter("3");
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs_->messages().empty()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    EXPECT_EQ(Model.MemberType, "KXF");
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.2e7f);
    EXPECT_EQ(Model.SpanData[1][mfPermMoment], 2e7f);
}
