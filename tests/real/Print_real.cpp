// Set Header and Print in a real window system, reached from the start screen after a job is
// opened: the header texts typed into the modal form reach the report, and the report goes to the
// PDF named in the save dialog when no printer is configured.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "RealWindow.h"
#include "window/IndexJobs.h"
#include "window/ui/Print.h"
#include "window/ui/SetHeader.h"

using namespace kx;

TEST_F(RealWindowTest, SetHeaderThenPrintTheOpenedJobToAPdf) {
    TempDir jobs;
    kxtest::WriteJob(kxtest::JobC(), jobs.path("c.kxf"));
    TIndexFrm* w = openJob(jobs.path("c.kxf"));

    // The header form is modal: it is filled and closed while its own event loop runs.
    TSetHeaderFrm* header = Forms.SetHeaderFrm;
    QTimer::singleShot(300, [header] {
        QTest::keyClicks(header->Edit_User, QStringLiteral("J Bloggs"));
        QTest::keyClicks(header->Edit_Project_1, QStringLiteral("Bridge Street"));
        QTest::mouseClick(header->Button1, Qt::LeftButton);
    });
    pick(w, "File", w->SetHeader1);
    EXPECT_FALSE(header->isVisible());

    QtPrinter printer; // the system's printer, or a PDF named in the save dialog
    const UsePrinter use(printer);
    pick(w, "File", w->Print1);
    TPrintFrm* print = Forms.PrintFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(print));
    EXPECT_EQ(print->lbl_Project_1->text(), QStringLiteral("Bridge Street"));
    QTest::mouseClick(print->Check_Beam, Qt::LeftButton);
    const std::string pdf = jobs.path("report.pdf");
    dialogs_->fileAnswers.push_back(pdf);
    QTest::mouseClick(print->Cmd_OK, Qt::LeftButton);
    settle();
    EXPECT_FALSE(print->isVisible());
    EXPECT_TRUE(dialogs_->messages().empty());

    const QString report = pdfText(pdf);
    for (const char* expected : {"J Bloggs", "Bridge Street", "Page 1", "BEAM DATA", "c.kxf"})
        EXPECT_TRUE(report.contains(QString::fromLatin1(expected))) << expected << "\n"
                                                                    << report.toStdString();
}
