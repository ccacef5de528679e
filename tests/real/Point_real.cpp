// Results at a point in a real window system, reached as a user reaches it: the start screen, Beam
// Analysis, a beam opened and then analysed again, Analyse > Results at a point, Calculate, Print.
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>
#include <vector>

#include "RealWindow.h"
#include "platform/QtPrinter.h"
#include "window/IndexJobs.h"
#include "window/ui/Index.h"
#include "window/ui/Point.h"

using namespace kx;

namespace {

void Calculate(TPointFrm* p, const char* typed) {
    p->Edit_Dist->selectAll();
    QTest::keyClicks(p->Edit_Dist, QString::fromLatin1(typed));
    QTest::mouseClick(p->cmd_Calc, Qt::LeftButton);
    QTest::qWait(50);
}

std::vector<std::string> Row(TPointFrm* p, int r) {
    std::vector<std::string> out;
    for (int c = 0; c < 5; ++c)
        out.push_back(p->Grid_RaP->item(r, c)->text().toStdString());
    return out;
}

} // namespace

TEST_F(RealWindowTest, OpenedAndAnalysedBeamGivesItsValuesAtAPointAndPrintsThem) {
    // Beam A: one 6000 mm span, 10 N/mm over it, section y 100 mm.
    TempDir jobs;
    kxtest::AnalyseJob(kxtest::BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000));
    Model.SpanData[1][mfY] = 100;
    WriteBeamFile(jobs.path("a.kxf"));
    ResetProgramState();
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    TIndexFrm* w = Forms.IndexFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(200);
    dialogs_->fileAnswers.push_back(jobs.path("a.kxf"));
    pick(w, "File", w->Open1);
    ASSERT_TRUE(dialogs_->messages().empty());
    // Analyse > Results at a point, which holds the program until the window closes: `inside` runs
    // while it is open, then OK closes it.
    auto resultsAtAPoint = [&](const std::function<void(TPointFrm*)>& inside) {
        bool ran = false;
        QTimer::singleShot(200, [&] {
            ran = true;
            EXPECT_TRUE(Forms.PointFrm->isVisible() && Forms.PointFrm->isModal());
            inside(Forms.PointFrm);
            QTest::mouseClick(Forms.PointFrm->cmd_OK, Qt::LeftButton);
        });
        pick(w, "Analyse", w->Resultsatapoint1);
        EXPECT_TRUE(ran);
        EXPECT_FALSE(Forms.PointFrm->isVisible());
    };

    // On the opened beam: mid-span, M = w L^2 / 8 = 45 kN m, stress 45 N/mm^2, 5 w L^4 / 384 E I.
    const std::string pdf = jobs.path("point.pdf");
    QtPrinter toPdf(pdf);
    Printer& installed = printer();
    InstallPrinter(&toPdf);
    resultsAtAPoint([&](TPointFrm* p) {
        Calculate(p, "3");
        EXPECT_EQ(Row(p, 7), (std::vector<std::string>{" Maxima", "0.000", "45.00", "45.00", "-8.036"}));
        EXPECT_EQ(p->List_Results->count(), 15);
        QTest::mouseClick(p->cmd_Print, Qt::LeftButton);
        QTest::qWait(50);
    });
    InstallPrinter(&installed);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString printed = QString::fromLocal8Bit(text.readAllStandardOutput());
    EXPECT_EQ(printed.count(QLatin1Char('\f')), 1) << printed.toStdString(); // one page
    EXPECT_TRUE(printed.contains("Moment = 45.00 kN-m")) << printed.toStdString();

    // Analysed again from the menu: the window shows the last distance, and V = w (L/2 - x).
    pick(w, "Analyse", w->Analyse2);
    resultsAtAPoint([&](TPointFrm* p) {
        EXPECT_EQ(p->Edit_Dist->text().toStdString(), "3.00");
        Calculate(p, "1.5");
        EXPECT_EQ(Row(p, 2), (std::vector<std::string>{"  1 ", "15.00", "33.75", "33.75", "-5.750"}));
        Calculate(p, "6");
    });
    EXPECT_EQ(dialogs_->messages(),
              std::vector<std::string>{"Cannot analyse point nearer then 1/1000 span of a support"});
    // The diagrams, lists and file still hold the analysis' reactions.
    EXPECT_NEAR(Eng.SupportReaction[1][1], 30000, 0.01);
}
