// The choice of section and the user section editor in a real window system, from the start
// screen: a family from the nested menus, a section clicked, the beam committed with "Next >";
// then a section typed into the editor, saved, chosen from "KX Sections" and committed.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
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
    // Opens the window's menu, then each submenu in turn, then clicks the item.
    static void pickNested(QMainWindow* w, const char* menu, std::initializer_list<QMenu*> path,
                           QAction* item) {
        QMenuBar* bar = w->menuBar();
        QAction* title = nullptr;
        for (QAction* a : bar->actions())
            if (a->text() == QString::fromLatin1(menu)) title = a;
        ASSERT_NE(title, nullptr) << menu;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        settle();
        QMenu* popup = title->menu();
        ASSERT_TRUE(popup->isVisible()) << menu;
        for (QMenu* sub : path) {
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(sub->menuAction()).center());
            settle(150);
            ASSERT_TRUE(sub->isVisible()) << FromQt(sub->title());
            popup = sub;
        }
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        settle();
    }
    static void typeAndEnter(const QString& text) {
        for (QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    }
    static void clickCell(QTableWidget* t, int row, int col) {
        QTableWidgetItem* it = t->item(row, col);
        ASSERT_NE(it, nullptr);
        t->scrollToItem(it);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(it).center());
        settle();
    }
    static void clickLine(QListWidget* l, int row) {
        QListWidgetItem* it = l->item(row);
        ASSERT_NE(it, nullptr);
        l->scrollToItem(it);
        settle();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(it).center());
        settle();
    }
    TKX_BeamFrm* openBeamForm() {
        QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
        TIndexFrm* index = Forms.IndexFrm;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(index));
        settle(200);
        pick(index, "Input", index->Beam1);
        TKX_BeamFrm* b = Forms.KX_BeamFrm;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(b));
        settle(100);
        return b;
    }
    void typeSpan(TKX_BeamFrm* b, const QString& length) {
        clickCell(b->Grid_Spans, 1, 1);
        typeAndEnter(length);
    }
};

} // namespace

TEST_F(SectionChoiceReal, UniversalBeamPickedAndCommitted) {
    TKX_BeamFrm* b = openBeamForm();
    pickNested(b, "Section Properties Database", {b->HotRolledSections1, b->Beams1}, b->UniversalBeams1);
    EXPECT_EQ(b->lbl_Group->text(), QStringLiteral("Beam"));
    ASSERT_EQ(b->List_Sect->count(), static_cast<int>(ReadSectionDesignations("UB.sct").size()));

    clickLine(b->List_Sect, 0); // "127 x 76 UB 13"
    EXPECT_EQ(b->lbl_S01_Ixx->text(), QStringLiteral("473.4"));
    EXPECT_EQ(b->List_Props->item(4)->text(), QStringLiteral(" D/T = 16.7"));
    EXPECT_EQ(Work.WorkSectionShape, "Beam");

    typeSpan(b, "4");
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs_->messages().empty()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    EXPECT_EQ(Model.SpanData[1][mfIxx], 4734400.0f);
    EXPECT_EQ(Model.SpanData[1][mfShearArea], 508.0f);
    EXPECT_EQ(Model.SectionFamilyCode, "UB");
    EXPECT_EQ(Model.SteelSectionFlag, -1);
}

TEST_F(SectionChoiceReal, UserSectionTypedSavedPickedAndCommitted) {
    TKX_BeamFrm* b = openBeamForm();
    pick(b, "  Edit Section Database", b->EditMiscellaneousSections1);
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g));
    ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    settle(100);
    EXPECT_EQ(g->Cell(1, 1), "");

    const char* const typed[] = {"Alu beam", "1200", "70000", "50", "20", "150000"};
    for (int col = 0; col < 6; ++col) {
        clickCell(g->Grid, 0, col);
        typeAndEnter(QString::fromLatin1(typed[col]));
    }
    EXPECT_EQ(g->Cell(1, 1), "Alu beam");
    EXPECT_EQ(g->Cell(6, 1), "150000");
    QTest::mouseClick(g->cmd_Save, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs_->messages().empty()) << ::testing::PrintToString(dialogs_->messages());
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    ASSERT_EQ(recs.size(), 250u);
    EXPECT_EQ(recs[0].Designation.str(), "Alu beam");
    EXPECT_EQ(recs[0].Ixx, 1.2e7f);
    EXPECT_EQ(recs[0].GA, 1.5e8f);
    QTest::mouseClick(g->cmd_ok, Qt::LeftButton);
    settle();
    EXPECT_FALSE(g->isVisible());
    // Back to the beam form (no window manager here hands it the focus).
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));

    pickNested(b, "Section Properties Database", {}, b->Miscellaneous1);
    EXPECT_EQ(b->lbl_Group->text(), QStringLiteral("Miscellaneous"));
    ASSERT_EQ(b->List_Sect->count(), 250);
    clickLine(b->List_Sect, 0);
    EXPECT_EQ(b->lbl_GA->text(), QStringLiteral("150000"));
    typeSpan(b, "3");
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialogs_->messages().empty()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_EQ(Model.MemberType, "KXF");
    EXPECT_EQ(Model.SpanData[1][mfIxx], 1.2e7f);
    EXPECT_EQ(Model.SpanData[1][mfPermMoment], 2e7f);
}
