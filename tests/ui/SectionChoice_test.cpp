// The choice of section on the beam window headless: the menus in their order and what each item
// runs, a line picked with the mouse and the keys, the timber size handed on, and the user section
// editor opened from its menu: rows dragged and saved, a refused cell, OK leaving the file alone.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "foundation/Units.h"
#include "input/SectionChoice.h"
#include "input/ui/InputForms.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
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
        ResetAllInputForms();
        w = Forms.KX_BeamFrm;
        w->show();
    }
    // The items by caption, "-" for a separator, a submenu's items in brackets.
    static std::string tree(const QWidget* m) {
        std::string out;
        for (const QAction* a : m->actions())
            out += (out.empty() ? "" : "|") + (a->isSeparator() ? "-" : FromQt(a->text())) +
                   (a->menu() ? "(" + tree(a->menu()) + ")" : "");
        return out;
    }
    void clickLine(int row) {
        QListWidgetItem* it = w->List_Sect->item(row);
        ASSERT_NE(it, nullptr);
        w->List_Sect->scrollToItem(it);
        QWidget* view = w->List_Sect->viewport();
        const QPointF at = w->List_Sect->visualItemRect(it).center();
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, at, view->mapToGlobal(at), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view, &e);
        }
    }
    TKX_BeamFrm* w = nullptr;
};

TEST_F(SectionMenus, MenusHoldTheFamiliesInTheirOrderAndRunTheirLoaders) {
    EXPECT_EQ(
        tree(w->menuBar()),
        "Section Properties Database(Scaffold |-|Hot Rolled Sections(Beams(Universal Beams|Univeral Columns|"
        "RSJ|IPE|HE|W Shape Beams|W Shape Columns)|Channels(RSC|PFC|UPN|C Shape)|Angles(Equal RSA|"
        "Unequal RSA|Equal 'L'|Unequal 'L')|Closed Sections(RHS|CHS))|-|Timber|-|KX Sections)|"
        "  Edit Section Database(KX Sections)");
    for (const SectionFamilyRow& family : SectionFamilies()) {
        QAction* item = w->findChild<QAction*>(QString::fromLatin1(family.Item));
        ASSERT_NE(item, nullptr) << family.Item;
        item->trigger();
        EXPECT_EQ(Work.SectionFamily, family.Code);
        if (family.Kind != FamilyKind::Timber) {
            EXPECT_EQ(FromQt(w->lbl_Group->text()), family.Group);
        }
    }
}

TEST_F(SectionMenus, LinePickedWithMouseAndKeys) {
    w->IPE1->trigger();
    EXPECT_EQ(FromQt(w->List_Sect->item(49)->text()), ReadSectionDesignations("IPE.sct")[49]);
    clickLine(49); // "IPE 360 A"
    EXPECT_EQ(Work.SectionRecordNo, 50);
    EXPECT_EQ(FromQt(w->lbl_S01_Ixx->text()), "14520");
    EXPECT_EQ(FromQt(w->List_Props->item(3)->text()), " Ixx = 14520 cm^4");
    // Up a line with the keyboard picks the line above; a click on the current line picks it again.
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(w->List_Sect, &up);
    EXPECT_EQ(Work.SectionRecordNo, 49);
    Work.SectionRecordNo = 0;
    clickLine(48);
    EXPECT_EQ(Work.SectionRecordNo, 49);
    EXPECT_TRUE(dialogs_->messages().empty());
}

TEST_F(SectionMenus, TimberSizeGoesToTheTimberSectionForm) {
    w->Timber1->trigger();
    w->Edit_Timber_W->setText("0");
    w->Edit_Timber_H->setText("200");
    w->cmd_OK->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Input beam size"});
    EXPECT_FALSE(Widget(Forms.TimSectFrm)->isVisible());
    w->Edit_Timber_W->setText("75");
    w->cmd_OK->click();
    EXPECT_EQ(Work.TimberWidth, 75.0f);
    EXPECT_TRUE(Widget(Forms.TimSectFrm)->isVisible());
}

TEST_F(SectionMenus, EditorSavesRowsInTheOrderTheyStandAndRefillsTheUserList) {
    w->Miscellaneous1->trigger();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"File not found"}); // none saved yet
    dialogs_->clear();
    w->EditMiscellaneousSections1->trigger();
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(g->isVisible());
    EXPECT_EQ(g->Cell(2, 0), "     Ixx  (cm^4)");
    // Row 5 dragged by its reference to the top; a character beyond single bytes is stored as "?".
    g->Grid->item(4, 0)->setText(QStringLiteral("Ply box"));
    g->Grid->item(4, 1)->setText(QStringLiteral("900"));
    g->Grid->item(0, 0)->setText(QString::fromUtf8("Beam \u20AC1"));
    ASSERT_TRUE(g->Grid->verticalHeader()->sectionsMovable());
    g->Grid->verticalHeader()->moveSection(4, 0);
    g->cmd_Save->click();
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    EXPECT_EQ(recs[0].Designation.str() + "|" + recs[1].Designation.str(), "Ply box|Beam ?1");
    EXPECT_EQ(recs[0].RecordNo, 1);
    EXPECT_EQ(g->Cell(0, 1), "5"); // the reference stays with its row until shown again
    EXPECT_EQ(FromQt(w->List_Sect->item(0)->text()), "Ply box");
    clickLine(0);
    EXPECT_EQ(FromQt(w->lbl_S01_Ixx->text()), "900.0");

    // A refused cell takes the focus and nothing is written.
    const std::vector<TSectionRec> saved = ReadSectionFile("KX.sct");
    g->SetCell(4, 3, "-2");
    g->cmd_Save->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Row 3: negative values not allowed"});
    EXPECT_EQ(g->Grid->currentRow(), g->Grid->verticalHeader()->logicalIndex(2));
    EXPECT_EQ(g->Grid->currentColumn(), 3);
    EXPECT_EQ(ReadSectionFile("KX.sct"), saved);
    // OK hides without saving; shown again, the rows stand in file order with the file's texts.
    g->cmd_ok->click();
    EXPECT_FALSE(g->isVisible());
    EXPECT_EQ(ReadSectionFile("KX.sct"), saved);
    g->show();
    EXPECT_EQ(g->Cell(0, 1) + g->Cell(1, 1) + g->Cell(4, 3), "1Ply box");
}

} // namespace
