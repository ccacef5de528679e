// Results at a point in a real window system, reached as a user reaches it: the start screen, Beam
// Analysis, a beam opened and then analysed again, Analyse > Results at a point, Calculate, Print.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
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

class PointReal : public RealWindowTest {
protected:
    void SetUp() override {
        // Beam A: one 6000 mm span, 10 N/mm over it, section y 100 mm.
        kxtest::AnalyseJob(test::BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000));
        Model.SpanData[1][mfY] = 100;
        WriteBeamFile(jobs_.path("a.kxf"));
        ResetProgramState();
        RealWindowTest::SetUp();
    }

    // Picks a menu item the way a user does: the menu bar's title, then the item.
    void pick(TIndexFrm* w, const char* menu, QAction* item) {
        QMenuBar* bar = w->menuBar();
        QAction* title = nullptr;
        for (QAction* a : bar->actions())
            if (a->text() == QString::fromLatin1(menu)) title = a;
        ASSERT_NE(title, nullptr) << menu;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        settle();
        QMenu* popup = title->menu();
        ASSERT_TRUE(popup->isVisible()) << menu;
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
        settle();
    }

    // Analyse > Results at a point, which holds the program until the window closes: `inside`
    // runs while it is open, then OK closes it.
    void resultsAtAPoint(TIndexFrm* w, const std::function<void(TPointFrm*)>& inside) {
        bool ran = false;
        QTimer::singleShot(200, [&] {
            TPointFrm* p = Forms.PointFrm;
            ran = true;
            EXPECT_TRUE(p->isVisible());
            EXPECT_TRUE(p->isModal());
            inside(p);
            QTest::mouseClick(p->cmd_OK, Qt::LeftButton);
        });
        pick(w, "Analyse", w->Resultsatapoint1);
        EXPECT_TRUE(ran);
        EXPECT_FALSE(Widget(Forms.PointFrm)->isVisible());
    }

    static void calculate(TPointFrm* p, const char* typed) {
        p->Edit_Dist->selectAll();
        QTest::keyClicks(p->Edit_Dist, QString::fromLatin1(typed));
        QTest::mouseClick(p->cmd_Calc, Qt::LeftButton);
        settle();
    }

    static std::vector<std::string> row(TPointFrm* p, int r) {
        std::vector<std::string> out;
        for (int c = 0; c < 5; ++c)
            out.push_back(p->Grid_RaP->item(r, c)->text().toStdString());
        return out;
    }

    TempDir jobs_;
};

} // namespace

TEST_F(PointReal, OpenedAndAnalysedBeamGivesItsValuesAtAPointAndPrintsThem) {
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    TIndexFrm* w = Forms.IndexFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(200);
    dialogs_->fileAnswers.push_back(jobs_.path("a.kxf"));
    pick(w, "File", w->Open1);
    ASSERT_TRUE(dialogs_->messages().empty());

    // On the opened beam: mid-span, M = w L^2 / 8 = 45 kN m, stress 45 N/mm^2, 5 w L^4 / 384 E I.
    const std::string pdf = jobs_.path("point.pdf");
    QtPrinter toPdf(pdf);
    Printer& installed = printer();
    InstallPrinter(&toPdf);
    resultsAtAPoint(w, [&](TPointFrm* p) {
        EXPECT_EQ(p->Label_Unit->text().toStdString(), "m");
        calculate(p, "3");
        EXPECT_EQ(row(p, 2), (std::vector<std::string>{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
        EXPECT_EQ(row(p, 7), (std::vector<std::string>{" Maxima", "0.000", "45.00", "45.00", "-8.036"}));
        EXPECT_EQ(p->List_Results->count(), 15);
        QTest::mouseClick(p->cmd_Print, Qt::LeftButton);
        settle();
    });
    InstallPrinter(&installed);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString printed = QString::fromLocal8Bit(text.readAllStandardOutput());
    EXPECT_EQ(printed.count(QLatin1Char('\f')), 1) << printed.toStdString(); // one page
    EXPECT_TRUE(printed.contains(QStringLiteral("Distance along beam = 3.00 m"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Moment = 45.00 kN-m"))) << printed.toStdString();

    // Analysed again from the menu: the window shows the last distance, and V = w (L/2 - x).
    pick(w, "Analyse", w->Analyse2);
    resultsAtAPoint(w, [&](TPointFrm* p) {
        EXPECT_EQ(p->Edit_Dist->text().toStdString(), "3.00");
        EXPECT_EQ(row(p, 2), (std::vector<std::string>{"  1 ", "", "", "", ""}));
        calculate(p, "1.5");
        EXPECT_EQ(row(p, 2), (std::vector<std::string>{"  1 ", "15.00", "33.75", "33.75", "-5.750"}));
        calculate(p, "6");
    });
    EXPECT_EQ(dialogs_->messages(),
              std::vector<std::string>{"Cannot analyse point nearer then 1/1000 span of a support"});
    // The diagrams, lists and file still hold the analysis' reactions.
    EXPECT_NEAR(Eng.SupportReaction[1][1], 30000, 0.01);
    EXPECT_NEAR(Eng.SupportReaction[1][2], 30000, 0.01);
}
