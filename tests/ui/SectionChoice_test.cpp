// The choice of section on the beam window headless: the menus in their order, a family chosen,
// a line picked with the mouse and the keys, the timber size handed on, the editor opened.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "foundation/Units.h"
#include "input/SectionChoice.h"
#include "input/ui/InputForms.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/TimSect.h"
#include "platform/QtDialogs.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"
#include "window/FileCommands.h"

using namespace kx;

namespace {

class SectionMenus : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        ReadUnitFile();
        ResetBeamJob();
        WriteAllSectionFiles();
        w = Forms.KX_BeamFrm;
        ResetAllInputForms();
        w->show();
    }
    static std::vector<std::string> captions(const QMenu* m) {
        std::vector<std::string> out;
        for (const QAction* a : m->actions())
            out.push_back(a->isSeparator() ? "-" : FromQt(a->text()));
        return out;
    }
    static std::vector<std::string> items(const QListWidget* l) {
        std::vector<std::string> out;
        for (int i = 0; i < l->count(); ++i)
            out.push_back(FromQt(l->item(i)->text()));
        return out;
    }
    void clickLine(int row) {
        QListWidgetItem* it = w->List_Sect->item(row);
        ASSERT_NE(it, nullptr);
        w->List_Sect->scrollToItem(it);
        QWidget* view = w->List_Sect->viewport();
        const QPointF at = w->List_Sect->visualItemRect(it).center();
        const QPointF global = view->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(view, &release);
    }

    TKX_BeamFrm* w = nullptr;
};

TEST_F(SectionMenus, MenusHoldTheFamiliesInTheirOrder) {
    const QList<QAction*> bar = w->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->menu(), w->SectionProperties1);
    EXPECT_EQ(w->SectionProperties1->objectName(), "SectionProperties1");
    EXPECT_EQ(captions(w->SectionProperties1),
              (std::vector<std::string>{"Scaffold ", "-", "Hot Rolled Sections", "-", "Timber", "-",
                                        "KX Sections"}));
    EXPECT_EQ(captions(w->HotRolledSections1),
              (std::vector<std::string>{"Beams", "Channels", "Angles", "Closed Sections"}));
    EXPECT_EQ(captions(w->Beams1),
              (std::vector<std::string>{"Universal Beams", "Univeral Columns", "RSJ", "IPE", "HE",
                                        "W Shape Beams", "W Shape Columns"}));
    EXPECT_EQ(captions(w->Channels1), (std::vector<std::string>{"RSC", "PFC", "UPN", "C Shape"}));
    EXPECT_EQ(captions(w->Angles1),
              (std::vector<std::string>{"Equal RSA", "Unequal RSA", "Equal 'L'", "Unequal 'L'"}));
    EXPECT_EQ(captions(w->ClosedSections1), (std::vector<std::string>{"RHS", "CHS"}));
    EXPECT_EQ(w->UniveralColumns1->objectName(), "UniveralColumns1");
    EXPECT_EQ(w->Miscellaneous1->objectName(), "Miscellaneous1");

    // Every item runs its family's loader.
    for (const SectionFamilyRow& family : SectionFamilies()) {
        SCOPED_TRACE(family.Code);
        QAction* item = w->findChild<QAction*>(QString::fromLatin1(family.Item));
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(Work.SectionFamily, family.Code);
        if (family.Kind == FamilyKind::Timber) continue;
        EXPECT_EQ(FromQt(w->lbl_Group->text()), family.Group);
    }
}

TEST_F(SectionMenus, FamilyListedAndLinePickedWithMouseAndKeys) {
    w->IPE1->trigger();
    EXPECT_EQ(items(w->List_Sect), ReadSectionDesignations("IPE.sct"));
    EXPECT_FALSE(w->Frame_Steel->isHidden());
    EXPECT_FALSE(w->Frame_SteelCheck->isHidden());
    EXPECT_TRUE(w->Frame_Shear->isHidden());

    clickLine(49); // "IPE 360 A"
    EXPECT_EQ(Work.SectionRecordNo, 50);
    EXPECT_EQ(FromQt(w->lbl_S01_Ixx->text()), "14520");
    EXPECT_EQ(FromQt(w->lbl_S01_E->text()), "205000");
    EXPECT_EQ(FromQt(w->List_Props->item(3)->text()), " Ixx = 14520 cm^4");
    EXPECT_EQ(Work.WorkSpanData[5][mfIxx], 1.4516e8f);

    // Up a line with the keyboard picks the line above.
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(w->List_Sect, &up);
    EXPECT_EQ(w->List_Sect->currentRow(), 48);
    EXPECT_EQ(Work.SectionRecordNo, 49);

    // A click on the line that is current picks it again.
    Work.SectionRecordNo = 0;
    clickLine(48);
    EXPECT_EQ(Work.SectionRecordNo, 49);
    EXPECT_TRUE(dialogs_->messages().empty());
}

TEST_F(SectionMenus, TimberSizeGoesToTheTimberSectionForm) {
    w->Timber1->trigger();
    EXPECT_FALSE(w->Frame_Timber->isHidden());
    EXPECT_TRUE(w->Frame_Steel->isHidden());
    EXPECT_FALSE(w->Frame_Shear->isHidden());
    EXPECT_EQ(Work.WorkMemberType, "Timber");

    w->Edit_Timber_W->setText("0");
    w->Edit_Timber_H->setText("200");
    w->cmd_OK->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Input beam size"});
    EXPECT_FALSE(Widget(Forms.TimSectFrm)->isVisible());

    w->Edit_Timber_W->setText("75");
    w->cmd_OK->click();
    EXPECT_EQ(Work.TimberWidth, 75.0f);
    EXPECT_EQ(Work.TimberDepth, 200.0f);
    EXPECT_TRUE(Widget(Forms.TimSectFrm)->isVisible());
}

TEST_F(SectionMenus, EditorOpensFromItsMenuAndItsSaveRefillsTheUserList) {
    w->EditMiscellaneousSections1->trigger();
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(g->isVisible());
    w->Miscellaneous1->trigger();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"File not found"}); // none saved yet
    EXPECT_EQ(w->List_Sect->count(), 0);

    g->SetCell(1, 1, "Ply box");
    g->SetCell(2, 1, "900");
    g->SetCell(3, 1, "9000");
    g->cmd_Save->click();
    EXPECT_EQ(w->List_Sect->count(), 250);
    EXPECT_EQ(FromQt(w->List_Sect->item(0)->text()), "Ply box");
    clickLine(0);
    EXPECT_EQ(FromQt(w->lbl_S01_Ixx->text()), "900.0");
    EXPECT_EQ(Work.WorkMemberType, "KXF");
}

} // namespace
