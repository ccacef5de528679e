// The beam form headless: its controls, the handlers as the user reaches them (clicks, keys in
// the grids and the span count), Next and Cancel, New, the sketch on its picture, the couplers note.
#include "input/ui/KX_Beam.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "foundation/Units.h"
#include "input/ui/Couplers.h"
#include "input/ui/InputForms.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"
#include "window/FileCommands.h"
#include "window/IndexJobs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class BeamWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        ReadUnitFile();
        ResetBeamJob();
        w = Forms.KX_BeamFrm;
        ResetAllInputForms();
        w->show();
    }

    // Keys typed into a widget, as the keyboard sends them.
    static void typeKeys(QWidget* target, const QString& text) {
        for (QChar ch : text) {
            const int key = ch.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &release);
        }
    }
    static void pressKey(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }
    // A length typed into a cell of the spans grid through the grid's editor.
    void typeLength(int col, const QString& text) {
        QTableWidgetItem* it = w->Grid_Spans->item(1, col);
        ASSERT_NE(it, nullptr);
        w->Grid_Spans->setCurrentItem(it);
        w->Grid_Spans->editItem(it);
        QLineEdit* editor = nullptr; // the open editor: closed ones are hidden until deleted
        for (QLineEdit* e : w->Grid_Spans->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        typeKeys(editor, text);
        pressKey(editor, Qt::Key_Return);
    }
    std::string cell(QTableWidget* t, int col, int row) const {
        const QTableWidgetItem* it = t->item(row, col);
        return it ? FromQt(it->text()) : std::string("<none>");
    }
    // A section as its pick leaves the working rows and the captions.
    void pickSection() {
        for (int row = 0; row <= kRHCantRow; ++row) {
            Work.WorkSpanData[row][mfE] = 205000;
            Work.WorkSpanData[row][mfIxx] = 4734400;
            Work.WorkSpanData[row][mfArea] = 1652;
        }
        Work.WorkSectionShape = "Beam";
        Work.WorkMemberType = "HRS";
        Work.SectionFamily = "UB";
        w->lbl_S01_Ixx->setText("473.4");
        w->lbl_S01_E->setText("205000");
        w->lbl_S01_Desc->setText(" 127 x 76 UB 13");
    }

    TKX_BeamFrm* w = nullptr;
};

TEST_F(BeamWindow, ControlsAsTheFormIsMadeAndShown) {
    EXPECT_EQ(w->windowTitle(), "Beam Data");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(w->width(), 777);
    EXPECT_EQ(w->Image_Beam->Picture.size(), QSize(753, 73));
    const QList<QAction*> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "  Edit Section Database");
    EXPECT_EQ(w->EditMiscellaneousSections1->text(), "KX Sections");

    // After New and the show: one span, units in the captions, the member grid filled.
    EXPECT_EQ(w->Edit_Spans->value(), 1);
    EXPECT_EQ(w->Edit_Spans->minimum(), 1);
    EXPECT_EQ(w->Edit_Spans->maximum(), 20);
    EXPECT_EQ(w->Grid_Spans->columnCount(), 2);
    EXPECT_EQ(cell(w->Grid_Spans, 0, 0), " Spans");
    EXPECT_EQ(cell(w->Grid_Spans, 1, 0), " Span 1");
    EXPECT_EQ(cell(w->Grid_Spans, 0, 1), "  Length (m)");
    EXPECT_FALSE(w->Grid_Spans->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(w->Grid_Spans->item(1, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(w->Grid_Spans->item(1, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(w->lbl_E->text(), "( N/mm^2 )");
    EXPECT_EQ(w->lbl_Ixx->text(), "( cm^4 )");
    EXPECT_EQ(w->Label_L_Std_Unit->text(), "m");
    EXPECT_EQ(w->lbl_Wunit->text(), "mm");
    EXPECT_EQ(w->Label_Demo->text(), "Enter lengths for spans and cantilevers in the grid above.");
    EXPECT_EQ(Model.LoadRowsShown, 0);
    EXPECT_EQ(w->Grid_SpanData->columnCount(), 28);
    EXPECT_EQ(w->Grid_SpanData->rowCount(), 21);
    EXPECT_EQ(cell(w->Grid_SpanData, 0, 12), "12) GA");
    EXPECT_EQ(cell(w->Grid_SpanData, 2, 0), "Span 1");
    EXPECT_EQ(cell(w->Grid_SpanData, 27, 0), " RHC");
    EXPECT_EQ(cell(w->Grid_SpanData, 1, 1), " No");
    EXPECT_EQ(cell(w->Grid_SpanData, 1, 3), "0.0");
    EXPECT_TRUE(w->Option_Vert_Fixed->isChecked());
    EXPECT_TRUE(w->Option_None->isChecked());
    EXPECT_TRUE(w->Frame_Couplers->isHidden());
    EXPECT_TRUE(w->Frame_Shear->isHidden());
    EXPECT_FALSE(w->Check_Span_Sup->isEnabled());
    EXPECT_TRUE(w->Option_LH_Mid->isChecked());
    EXPECT_TRUE(w->Option_Span_Top->isChecked());

    // The member grid lies below the client area until the instruction is clicked.
    const int shortHeight = w->height();
    EXPECT_GT(w->Grid_SpanData->y(), w->centralWidget()->height());
    w->Label_DemoClick();
    EXPECT_GT(w->height(), shortHeight);
    EXPECT_EQ(w->y(), 10);
    EXPECT_LE(w->Grid_SpanData->geometry().bottom(), w->centralWidget()->height());
}

TEST_F(BeamWindow, TypedLengthsFollowTheCantileverTicksAndFillTheMemberGrid) {
    w->Edit_Spans->setValue(2); // the spinner
    EXPECT_EQ(w->Grid_Spans->columnCount(), 3);
    EXPECT_TRUE(w->Check_Span_Sup->isEnabled());
    typeLength(1, "3");
    typeLength(2, "4");
    EXPECT_EQ(Work.WorkSpanData[2][mfL], 4000.0f);
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 7000);
    EXPECT_EQ(cell(w->Grid_SpanData, 3, 1), " Yes");
    EXPECT_EQ(cell(w->Grid_SpanData, 3, 2), "4000.0");

    w->Check_LHC->click();
    EXPECT_EQ(w->Grid_Spans->columnCount(), 4);
    EXPECT_EQ(cell(w->Grid_Spans, 1, 0), " LHC ");
    EXPECT_EQ(cell(w->Grid_Spans, 1, 1), "");
    EXPECT_EQ(cell(w->Grid_Spans, 2, 1), "3.000");
    EXPECT_EQ(cell(w->Grid_Spans, 3, 1), "4.000");
    typeLength(1, "1.5");
    EXPECT_EQ(cell(w->Grid_SpanData, 1, 1), " Yes");
    EXPECT_EQ(cell(w->Grid_SpanData, 1, 2), "1500.0");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 8500);

    // "LH Support Fixed" unticks "LHC" and takes its column away.
    w->Check_LHF->click();
    EXPECT_FALSE(w->Check_LHC->isChecked());
    EXPECT_EQ(w->Grid_Spans->columnCount(), 3);
    EXPECT_EQ(cell(w->Grid_Spans, 1, 1), "3.000");
    EXPECT_EQ(Work.WorkSupportType[0], supFixedEnd);

    // Forkheads refuse a coupler box ticked afterwards.
    w->Option_Forkhead->click();
    EXPECT_EQ(Work.WorkSupportType[1], supForkhead);
    w->Frame_Couplers->show();
    w->Check_RH_End_Sup->click();
    EXPECT_FALSE(w->Check_RH_End_Sup->isChecked());
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kCouplerWithForkheads});
}

TEST_F(BeamWindow, SpanCountTypedBeyondTheSpinnerIsHeldToIt) {
    QLineEdit* edit = w->Edit_Spans->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    typeKeys(w->Edit_Spans, "30");
    pressKey(w->Edit_Spans, Qt::Key_Return);
    EXPECT_EQ(w->Edit_Spans->value(), 20);
    EXPECT_EQ(Work.WorkSpanCount, 20);
    EXPECT_EQ(w->Grid_Spans->columnCount(), 21);
    EXPECT_EQ(cell(w->Grid_Spans, 20, 0), " Span 20");

    // Back to one span: the "Spans" coupler box goes unticked and disabled.
    w->Check_Span_Sup->setChecked(true);
    w->Edit_Spans->setValue(1);
    EXPECT_FALSE(w->Check_Span_Sup->isChecked());
    EXPECT_FALSE(w->Check_Span_Sup->isEnabled());
}

TEST_F(BeamWindow, NextCommitsAndOpensTheLoadFormCancelRestoresNewResets) {
    pickSection();
    w->Edit_Spans->setValue(2);
    typeLength(1, "3");
    // A missing length: the message, and the form stays.
    w->cmdNext->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kSpanLength});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Model.BeamLength, 0.0);
    typeLength(2, "4");
    w->cmdNext->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    EXPECT_EQ(Model.BeamLength, 7000.0);
    EXPECT_EQ(Model.SpanData[2][mfL], 4000.0f);
    EXPECT_EQ(Model.SteelSectionFlag, -1);
    EXPECT_FLOAT_EQ(Work.WorkLoads[kSelfWeightRecord][lfW1], 0.12721804f);

    // Changed, then Cancel: the committed beam is back on the form.
    w->show();
    w->Check_RHC->click();
    typeLength(3, "9");
    w->cmdCancel->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->Check_RHC->isChecked());
    EXPECT_EQ(w->Grid_Spans->columnCount(), 3);
    EXPECT_EQ(cell(w->Grid_Spans, 2, 1), "4.000");
    EXPECT_EQ(w->lbl_S01_E->text(), "205000");

    // File New clears the form.
    ResetBeamJob();
    ResetAllInputForms();
    EXPECT_EQ(w->Grid_Spans->columnCount(), 2);
    EXPECT_EQ(cell(w->Grid_Spans, 1, 1), "");
    EXPECT_EQ(w->Edit_Spans->value(), 1);
    EXPECT_EQ(w->lbl_S01_E->text(), "");
    EXPECT_EQ(Work.WorkSpanCount, 1);
    EXPECT_EQ(Work.WorkSpanData[2][mfL], 0.0f);
    EXPECT_EQ(w->Image_Beam->Picture.pixelColor(400, 26), QColor(0x80, 0x80, 0x80));

    // Open rebuilds it from the committed model.
    Model.SpanCount[0] = 2;
    Model.SpanData[1][mfExists] = Model.SpanData[2][mfExists] = 1.0f;
    Model.SpanData[1][mfL] = 2500;
    Model.SpanData[2][mfL] = 3500;
    RestoreAllInputForms();
    EXPECT_EQ(cell(w->Grid_Spans, 1, 1), "2.500");
    EXPECT_EQ(cell(w->Grid_Spans, 2, 1), "3.500");
}

TEST_F(BeamWindow, ShowingDisablesSavingAndACommitClearsTheAnalysisShown) {
    TempDir jobs;
    kxtest::WriteJob(kxtest::JobC(), jobs.path("c.kxf"));
    TIndexFrm* index = Forms.IndexFrm;
    w->hide();
    dialogs_->fileAnswers.push_back(jobs.path("c.kxf"));
    index->Open1->trigger();
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_GT(index->List_Results->count(), 0);
    ASSERT_TRUE(index->Save1->isEnabled() && index->SaveAs1->isEnabled() && index->Print1->isEnabled());

    // Input > Beam: the restored beam, and the job cannot be saved while it is edited.
    index->Beam1->trigger();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(index->Save1->isEnabled());
    EXPECT_FALSE(index->SaveAs1->isEnabled());
    EXPECT_EQ(cell(w->Grid_Spans, 1, 1), "4.000");
    EXPECT_TRUE(w->Check_LHF->isChecked() && w->Check_RHF->isChecked());

    w->Option_Vert_Fixed->click(); // the job's interior entries hold no support kind
    w->cmdNext->click();
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_EQ(index->List_Results->count(), 0);
    EXPECT_EQ(index->List_CaseResults->count(), 0);
    EXPECT_FALSE(index->Print1->isEnabled());
    EXPECT_FALSE(index->Save1->isEnabled());
    EXPECT_EQ(Model.SupportType[0], supFixedEnd);
    EXPECT_EQ(Model.SupportType[1], supFixed);
}

TEST_F(BeamWindow, SketchIsPaintedOnItsOwnPicture) {
    w->Edit_Spans->setValue(3);
    w->Check_LHC->click();
    for (auto [col, text] : {std::pair{1, "1.5"}, {2, "3"}, {3, "4"}, {4, "3"}})
        typeLength(col, text);
    w->Check_RHF->click();
    const QImage& p = w->Image_Beam->Picture;
    const QColor grey(0x80, 0x80, 0x80), white(Qt::white);
    EXPECT_EQ(p.pixelColor(5, 5), grey);
    EXPECT_EQ(p.pixelColor(700, 68), grey);
    EXPECT_EQ(p.pixelColor(450, 26), white); // the beam line, 4 pixels wide on y = 26
    EXPECT_EQ(p.pixelColor(450, 25), white);
    EXPECT_EQ(p.pixelColor(450, 22), grey);
    EXPECT_EQ(p.pixelColor(728, 45), white); // the wall of the fixed end at x = 728
    EXPECT_EQ(p.pixelColor(732, 45), grey);
    EXPECT_EQ(p.pixelColor(117, 41), white); // the base of the support at the cantilever
}

TEST_F(BeamWindow, CouplersNoteIsModalAndOkClosesIt) {
    TCouplersFrm* note = Forms.CouplersFrm;
    EXPECT_EQ(note->windowTitle(), "Explanation");
    EXPECT_TRUE(note->isModal());
    const QStringList lines = note->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[1], " To enhance the capacity of a ledger, some designers occasionally utilise");
    EXPECT_EQ(lines[6], " capacity of the coupler does not exceed 0.4 kN-m.");
    EXPECT_EQ(lines[10], "     2.  Mid.   The ledger is assumed to be between two lifts.");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(note->Label2->text(),
              "The decision to use it to enhance ledger capacity is at the discretion of the user.");
    QTimer::singleShot(0, note, [note] {
        EXPECT_EQ(note->size(), QSize(489, 393));
        note->cmd_OK->click();
    });
    w->Button1->click();
    EXPECT_EQ(note->result(), 1);
    EXPECT_FALSE(note->isVisible());
}

} // namespace
