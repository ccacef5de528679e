// The choice of section on the beam window headless: the menus in their order and what each item
// runs, the timber size handed on, and the user section editor opened from its menu: every column
// in view, rows dragged and saved, the grid's binding, the user list refilled and picked, a refused
// cell, OK leaving the file alone.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <filesystem>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
#include "app/Forms.h"
#include "foundation/Units.h"
#include "input/SectionChoice.h"
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

TEST_F(SectionMenus, EditorSavesRowsInTheOrderTheyStandAndTheUserListFollows) {
    w->Miscellaneous1->trigger();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"File not found"}); // none saved yet
    dialogs_->clear();
    w->EditMiscellaneousSections1->trigger();
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(g->isVisible());
    QApplication::sendPostedEvents();
    EXPECT_GE(g->Grid->viewport()->width(), g->Grid->horizontalHeader()->length()); // every column shows
    // Six columns and no more: description, Ixx, E, shear, moment and GA/Kform.
    EXPECT_EQ(g->Grid->columnCount(), 6);
    EXPECT_EQ(g->Cell(2, 0), "     Ixx  (cm^4)");
    // Row 5 dragged by its reference to the top; a character beyond single bytes is stored as "?".
    g->Grid->item(4, 0)->setText(QStringLiteral("Ply box"));
    g->Grid->item(4, 1)->setText(QStringLiteral("900"));
    g->Grid->item(0, 0)->setText(QString::fromUtf8("Beam \u20AC1"));
    ASSERT_TRUE(g->Grid->verticalHeader()->sectionsMovable());
    g->Grid->verticalHeader()->moveSection(4, 0);
    g->cmd_Save->click();
    const std::vector<TSectionRec> saved = ReadSectionFile("KX.sct");
    kxtest::ExpectRoundTrip(g->Bindings);
    EXPECT_EQ(saved[0].Designation.str() + "|" + saved[1].Designation.str(), "Ply box|Beam ?1");

    // The list shows the file saved: a click picks a line, the current one too, and so do the keys.
    ASSERT_EQ(w->List_Sect->count(), 250);
    EXPECT_EQ(FromQt(w->List_Sect->item(1)->text()), "Beam ?1");
    w->List_Sect->setCurrentRow(0);
    emit w->List_Sect->itemClicked(w->List_Sect->item(0));
    EXPECT_EQ(FromQt(w->lbl_S01_Ixx->text()), "900.0");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(w->List_Sect, &down);
    EXPECT_EQ(Work.SectionRecordNo, 2);
    Work.SectionRecordNo = 0;
    emit w->List_Sect->itemClicked(w->List_Sect->item(1)); // the current line again
    EXPECT_EQ(Work.SectionRecordNo, 2);

    // A refused cell takes the focus.
    g->SetCell(4, 3, "-2");
    g->cmd_Save->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Row 3: negative values not allowed"});
    EXPECT_EQ(g->Grid->currentRow(), g->Grid->verticalHeader()->logicalIndex(2));
    EXPECT_EQ(g->Grid->currentColumn(), 3);
    // OK hides without saving; shown again, the rows stand in file order with the file's texts.
    g->SetCell(4, 3, "2");
    g->cmd_ok->click();
    EXPECT_FALSE(g->isVisible());
    EXPECT_EQ(ReadSectionFile("KX.sct"), saved);
    g->show();
    EXPECT_EQ(g->Cell(0, 1) + g->Cell(1, 1) + g->Cell(4, 3), "1Ply box");
}

// A row dragged in the editor takes the exact values behind its texts along: two sections whose
// Ixx both show as 12346 cm^4, the second dragged to the top and saved, each keeps its own.
TEST_F(SectionMenus, ADraggedRowKeepsItsOwnExactValues) {
    TSectionRec a, b;
    a.Designation = "A";
    a.Ixx = 1.2345610e8f;
    a.PermMoment = 2.3456789e7f;
    b.Designation = "B";
    b.Ixx = 1.2345640e8f;
    b.PermMoment = 3.4567891e7f;
    for (TSectionRec* r : {&a, &b})
        r->Group = 1, r->Shape = " ";
    WriteSectionFile("KX.sct", std::vector<TSectionRec>{a, b});
    w->EditMiscellaneousSections1->trigger();
    TKX_GridFrm* g = Forms.KX_GridFrm;
    ASSERT_TRUE(g->isVisible());
    ASSERT_EQ(g->Cell(2, 1), g->Cell(2, 2)); // the same figures
    g->Grid->verticalHeader()->moveSection(1, 0);
    g->cmd_Save->click();
    const std::vector<TSectionRec> saved = ReadSectionFile("KX.sct");
    const struct {
        std::size_t at;
        const TSectionRec& was;
    } rows[] = {{0, b}, {1, a}};
    for (const auto& r : rows) {
        EXPECT_EQ(saved[r.at].Designation, r.was.Designation) << r.at;
        EXPECT_EQ(saved[r.at].Ixx, r.was.Ixx) << r.at;
        EXPECT_EQ(saved[r.at].PermMoment, r.was.PermMoment) << r.at;
    }
    EXPECT_TRUE(dialogs_->messages().empty());

    // A cell shown anew with a plain text keeps no exact value of the figure it showed before.
    const std::string shown = g->Cell(2, 1);
    g->ShowCell(2, 1, ShownText(shown));
    EXPECT_EQ(g->CellShown(2, 1), ShownText(shown));
    EXPECT_FALSE(g->CellShown(2, 1).HasValue());
}

TEST_F(SectionMenus, TheEditorShowsItsControlsAndOkAndSaveEachDoTheirOwn) {
    TKX_GridFrm* g = Forms.KX_GridFrm;
    auto shown = [this, g] {
        w->EditMiscellaneousSections1->trigger();
        ASSERT_TRUE(g->isVisible());
        g->SetCell(1, 1, "Ply box");
        g->SetCell(2, 1, "900");
    };
    kxtest::ExpectStates(g, {{"shown from the beam form's menu",
                              shown,
                              {"Grid", "cmd_ok", "cmd_Save"},
                              {},
                              {"Grid", "Label_Ref", "cmd_ok", "cmd_Save"},
                              {"Panel1"}}});
    // OK hides and writes nothing; Save writes the 250 rows and leaves the editor open.
    kxtest::ExpectEffects(g, {{"cmd_ok", shown,
                               [g] {
                                   EXPECT_FALSE(g->isVisible());
                                   EXPECT_FALSE(std::filesystem::exists("KX.sct"));
                               }},
                              {"cmd_Save", shown, [g] {
                                   EXPECT_TRUE(g->isVisible());
                                   const std::vector<TSectionRec> saved = ReadSectionFile("KX.sct");
                                   ASSERT_EQ(saved.size(), 250u);
                                   EXPECT_EQ(saved[0].Designation.str(), "Ply box");
                                   EXPECT_EQ(saved[0].Ixx, 900.0f * 10000); // cm^4 in mm^4
                               }}});
}

} // namespace

namespace {

// The keys pick the line they move to, the first and the last of the list too: Up from the second
// universal beam picks the first (record 1), End the last (record count), Home the first again.
TEST_F(SectionMenus, TheKeysPickTheFirstAndTheLastLineOfTheList) {
    w->UniversalBeams1->trigger();
    const int lines = w->List_Sect->count();
    ASSERT_GT(lines, 2);
    w->List_Sect->setCurrentRow(1);
    emit w->List_Sect->itemClicked(w->List_Sect->item(1));
    ASSERT_EQ(Work.SectionRecordNo, 2);
    const struct {
        Qt::Key key;
        int record;
    } presses[] = {{Qt::Key_Up, 1}, {Qt::Key_End, lines}, {Qt::Key_Home, 1}};
    for (const auto& p : presses) {
        SCOPED_TRACE(p.record);
        QKeyEvent press(QEvent::KeyPress, p.key, Qt::NoModifier);
        QApplication::sendEvent(w->List_Sect, &press);
        EXPECT_EQ(Work.SectionRecordNo, p.record);
        // The description shown is that of the line picked.
        const std::string line = FromQt(w->List_Sect->item(p.record - 1)->text());
        EXPECT_NE(FromQt(w->lbl_S01_Desc->text()).find(line.substr(0, line.find_last_not_of(' ') + 1)),
                  std::string::npos)
            << FromQt(w->lbl_S01_Desc->text()) << " / " << line;
    }
}

} // namespace
