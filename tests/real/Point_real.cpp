// Results at a point in a real window system, reached as a user reaches it: the start screen, Beam
// Analysis, a beam opened and analysed, Analyse > Results at a point, Calculate, Print.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "RealWindow.h"
#include "window/IndexJobs.h"
#include "window/ui/Point.h"

using namespace kx;

TEST_F(RealWindowTest, AnalysedBeamGivesItsValuesAtAPointAndPrintsThem) {
    // Beam A: one 6000 mm span, 10 N/mm over it, section y 100 mm.
    TempDir jobs;
    kxtest::BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000).Commit();
    Model.SpanData[1][mfY] = 100;
    kxtest::AnalyseCommitted();
    WriteBeamFile(jobs.path("a.kxf"));
    ResetProgramState();
    TIndexFrm* w = openJob(jobs.path("a.kxf"));
    pick(w, "Analyse", w->Analyse2);
    ASSERT_TRUE(dialogs_->messages().empty());

    // The window holds the program until it closes: typed into, calculated, printed, closed by OK.
    // At 1.5 m: V = w (L/2 - x) = 15 kN, M = w x (L - x) / 2 = 33.75 kN m; at 6 m a support.
    const std::string pdf = jobs.path("point.pdf");
    QtPrinter toPdf(pdf);
    const UsePrinter use(toPdf);
    TPointFrm* p = Forms.PointFrm;
    bool ran = false;
    QTimer::singleShot(200, [&] {
        ran = p->isVisible() && p->isModal();
        for (const char* typed : {"6", "1.5"}) {
            p->Edit_Dist->selectAll();
            QTest::keyClicks(p->Edit_Dist, QString::fromLatin1(typed));
            QTest::mouseClick(p->cmd_Calc, Qt::LeftButton);
        }
        QTest::mouseClick(p->cmd_Print, Qt::LeftButton);
        QTest::mouseClick(p->cmd_OK, Qt::LeftButton);
    });
    pick(w, "Analyse", w->Resultsatapoint1);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(dialogs_->messages(),
              std::vector<std::string>{"Cannot analyse point nearer then 1/1000 span of a support"});
    std::vector<std::string> row;
    for (int c = 0; c < 5; ++c)
        row.push_back(p->Grid_RaP->item(2, c)->text().toStdString());
    EXPECT_EQ(row, (std::vector<std::string>{"  1 ", "15.00", "33.75", "33.75", "-5.750"}));
    EXPECT_EQ(p->List_Results->count(), 15);

    const QString printed = pdfText(pdf);
    EXPECT_EQ(printed.count(QLatin1Char('\f')), 1) << printed.toStdString(); // one page
    EXPECT_TRUE(printed.contains("Moment = 33.75 kN-m")) << printed.toStdString();
    EXPECT_NEAR(Eng.SupportReaction[1][1], 30000, 0.01) << "the analysis as it was";
}
