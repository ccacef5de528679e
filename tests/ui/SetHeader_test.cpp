// The Set Header window headless: its edits, OK storing the texts, the close box storing nothing,
// and File New emptying the job texts.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "input/ui/InputForms.h"
#include "window/ui/Print.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

class SetHeaderFrmTest : public FormsTest {
protected:
    TSetHeaderFrm& frm() { return *Forms.SetHeaderFrm; }
    void SetUp() override {
        FormsTest::SetUp();
        Model.HeaderCompany = "Acme Temporary Works";
        Model.HeaderUser = "J Bloggs";
        Model.HeaderProject1 = "Bridge Street";
        Model.HeaderJobRef = "JR-7";
    }
};

} // namespace

TEST_F(SetHeaderFrmTest, ShowsTheTextsWithTheCompanyLockedAndItsLabels) {
    EXPECT_EQ(frm().windowTitle(), QStringLiteral("Set Header"));
    EXPECT_TRUE(frm().isModal());
    EXPECT_TRUE(frm().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frm().windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    std::vector<QString> labels;
    for (QLabel* l : {frm().Label1, frm().Label2, frm().Label3, frm().Label4, frm().Label5})
        labels.push_back(l->text());
    EXPECT_EQ(labels, (std::vector<QString>{"Company", "User", "Project", "Job Description", "Job Ref"}));
    EXPECT_EQ(frm().Edit_Ref->width(), 121);
    EXPECT_EQ(frm().Edit_Project_2->width(), 324);
    EXPECT_GT(frm().Edit_Project_2->y(), frm().Edit_Project_1->y());
    EXPECT_EQ(frm().Button1->text(), QStringLiteral("OK"));

    frm().show();
    EXPECT_FALSE(frm().Edit_Company->isEnabled());
    EXPECT_EQ(frm().Edit_Company->text(), QStringLiteral("Acme Temporary Works"));
    EXPECT_EQ(frm().Edit_User->text(), QStringLiteral("J Bloggs"));
    EXPECT_EQ(frm().Edit_Project_1->text(), QStringLiteral("Bridge Street"));
    EXPECT_EQ(frm().Edit_Ref->text(), QStringLiteral("JR-7"));
    frm().hide();
}

TEST_F(SetHeaderFrmTest, OkStoresCutTextsAndShowsThemOnThePrintOptionsAtOnce) {
    frm().show();
    frm().Edit_User->setText(QStringLiteral("K Smith"));
    frm().Edit_Project_1->setText(QString(101, QLatin1Char('p')));
    frm().Edit_Project_2->setText(QStringLiteral("Phase 2 \u2013 east")); // an en dash has no Latin-1 byte
    frm().Edit_JobDesc->setText(QStringLiteral("Needle beams"));
    frm().Edit_Ref->setText(QString());
    frm().Button1->click();
    EXPECT_EQ(frm().result(), QDialog::Accepted);
    EXPECT_FALSE(frm().isVisible());
    EXPECT_EQ(Model.HeaderCompany, "Acme Temporary Works");
    EXPECT_EQ(Model.HeaderUser, "K Smith");
    EXPECT_EQ(Model.HeaderProject1.str(), std::string(100, 'p'));
    EXPECT_EQ(Model.HeaderProject2, "Phase 2 ? east");
    EXPECT_EQ(Model.HeaderJobDesc, "Needle beams");
    EXPECT_EQ(Model.HeaderJobRef, "");
    EXPECT_EQ(Forms.PrintFrm->lbl_Project_1->text(), QString(100, QLatin1Char('p')));
    EXPECT_EQ(Forms.PrintFrm->lbl_JobDesc->text(), QStringLiteral("Needle beams"));
}

TEST_F(SetHeaderFrmTest, TheCloseBoxChangesNothingAndNewEmptiesTheJobTexts) {
    frm().show();
    frm().Edit_User->setText(QStringLiteral("Someone Else"));
    frm().close();
    EXPECT_EQ(frm().result(), QDialog::Rejected);
    EXPECT_EQ(Model.HeaderUser, "J Bloggs");
    frm().show();
    EXPECT_EQ(frm().Edit_User->text(), QStringLiteral("J Bloggs")) << "the edits show the stored texts again";

    frm().Edit_JobDesc->setText(QStringLiteral("typed"));
    ResetAllInputForms();
    for (QLineEdit* e : {frm().Edit_Project_1, frm().Edit_Project_2, frm().Edit_JobDesc, frm().Edit_Ref})
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
    EXPECT_EQ(frm().Edit_User->text(), QStringLiteral("J Bloggs"));
    EXPECT_EQ(frm().Edit_Company->text(), QStringLiteral("Acme Temporary Works"));
    frm().hide();
}
