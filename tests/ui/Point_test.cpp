// The results-at-a-point window: its texts, what it shows when shown, Calculate, refusals and OK.
#include "window/ui/Point.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "engine/BeamBuilder.h"
#include "foundation/Units.h"
#include "platform/BusyCursor.h"
#include "platform/Printer.h"

using namespace kx;

namespace {

// A printer whose document fails as it ends.
class FailingPrinter : public RecordingPrinter {
public:
    void EndDoc() override { throw std::runtime_error("Printer out of paper"); }
};

class PointWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        w = Forms.PointFrm;
    }
    // Beam A: one 6000 mm span, 10 N/mm over it, section y 100 mm, analysed in metric units.
    void AnalyseBeamA() {
        test::BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000).Commit();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = -1;
        Model.SpanData[1][mfY] = 100;
        NullAnalysisHost host;
        AnalyseBeam(host);
        dialogs_->clear();
    }
    std::string cell(int row, int col) const { return w->Grid_RaP->item(row, col)->text().toStdString(); }
    std::vector<std::string> row(int r) const {
        return {cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 3), cell(r, 4)};
    }
    std::vector<std::string> list() const {
        std::vector<std::string> out;
        for (int i = 0; i < w->List_Results->count(); ++i)
            out.push_back(w->List_Results->item(i)->text().toStdString());
        return out;
    }
    void calculate(const char* typed) {
        w->Edit_Dist->setText(QString::fromLatin1(typed));
        w->cmd_Calc->click();
    }

    TPointFrm* w = nullptr;
};

TEST_F(PointWindow, ShowCalculateRefuseAndShowAgain) {
    EXPECT_EQ(w->windowTitle().toStdString(), "Results at point.");
    EXPECT_EQ(w->Label1->text().toStdString(), "Distance from LH end of beam.");
    EXPECT_EQ(w->cmd_Calc->text().toStdString(), "Calculate");
    EXPECT_EQ(w->cmd_Print->text().toStdString(), "Print");
    EXPECT_EQ(w->cmd_OK->text().toStdString(), "OK");
    const int widths[] = {95, 65, 70, 80, 90};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(w->Grid_RaP->columnWidth(c), widths[c]);
    EXPECT_EQ(w->Grid_RaP->editTriggers(), QAbstractItemView::NoEditTriggers);

    // No distance yet: the field shows a blank.
    AnalyseBeamA();
    w->show();
    EXPECT_EQ(w->Label_Unit->text().toStdString(), "m");
    EXPECT_EQ(w->Edit_Dist->text().toStdString(), " ");
    EXPECT_EQ(row(0),
              (std::vector<std::string>{" Loadcase", " Shear ", " Moment ", " Stress ", " Deflection "}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"", " kN", " kN-m", " N/mm^2", " mm"}));

    calculate("3");
    EXPECT_EQ(BusyCursor::depth(), 0);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_EQ(row(2), (std::vector<std::string>{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
    EXPECT_EQ(row(3), (std::vector<std::string>{"  2 ", "", "", "", ""}));
    EXPECT_EQ(row(7), (std::vector<std::string>{" Maxima", "0.000", "45.00", "45.00", "-8.036"}));
    const std::vector<std::string> lines = list();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], "    Distance along beam = 3.00 m");
    EXPECT_EQ(lines[14], "");

    // A refusal leaves grid and list as they were.
    calculate("7");
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Value exceeds length of beam"});
    EXPECT_EQ(row(2), (std::vector<std::string>{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
    EXPECT_EQ(list(), lines);

    // OK closes; the next showing empties the values, keeps the list and shows the last distance.
    w->cmd_OK->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    w->show();
    EXPECT_EQ(w->Edit_Dist->text().toStdString(), "7.00");
    EXPECT_EQ(row(2), (std::vector<std::string>{"  1 ", "", "", "", ""}));
    EXPECT_EQ(list(), lines);
}

TEST_F(PointWindow, PrintSendsTheListToThePrinterAndAFailureIsReportedWithTheWindowOpen) {
    AnalyseBeamA();
    w->show();
    Printer& installed = printer();
    RecordingPrinter recording;
    InstallPrinter(&recording);
    w->cmd_Print->click(); // nothing calculated yet
    EXPECT_TRUE(recording.pages.empty());

    calculate("3");
    w->cmd_Print->click();
    ASSERT_EQ(recording.pages.size(), 1u);
    EXPECT_TRUE(recording.ended);
    EXPECT_TRUE(recording.pages[0]->hasText("    Moment = 45.00 kN-m"));

    FailingPrinter failing;
    InstallPrinter(&failing);
    w->cmd_Print->click();
    InstallPrinter(&installed);
    EXPECT_TRUE(failing.aborted);
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Printer out of paper"});
    EXPECT_EQ(BusyCursor::depth(), 0);
    EXPECT_TRUE(w->isVisible());
}

} // namespace
