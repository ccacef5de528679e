// The results-at-a-point window: its texts, what it shows when shown, Calculate, refusals, OK and
// Print.
#include "window/ui/Point.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
#include "foundation/ui/Preferences.h"
#include "platform/BusyCursor.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"
#include "window/IndexJobs.h"

using namespace kx;

namespace {

using Texts = std::vector<std::string>;

class FailingPrinter : public RecordingPrinter {
public:
    void EndDoc() override { throw std::runtime_error("Printer out of paper"); }
};

class PointWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        w = Forms.PointFrm;
        // Beam A: one 6000 mm span, 10 N/mm over it, section y 100 mm.
        kxtest::BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000).Commit();
        Model.SpanData[1][mfY] = 100;
        kxtest::AnalyseCommitted();
        dialogs_->clear();
        w->show();
    }
    Texts row(int r) const {
        Texts out;
        for (int c = 0; c < 5; ++c)
            out.push_back(FromQt(w->Grid_RaP->item(r, c)->text()));
        return out;
    }
    std::vector<Texts> grid() const {
        std::vector<Texts> out;
        for (int r = 0; r < w->Grid_RaP->rowCount(); ++r)
            out.push_back(row(r));
        return out;
    }
    Texts list() const {
        Texts out;
        for (int i = 0; i < w->List_Results->count(); ++i)
            out.push_back(FromQt(w->List_Results->item(i)->text()));
        return out;
    }
    void calculate(const char* typed) {
        w->Edit_Dist->setText(typed);
        w->cmd_Calc->click();
    }
    void print(Printer& p) {
        Printer& installed = printer();
        InstallPrinter(&p);
        w->cmd_Print->click();
        InstallPrinter(&installed);
    }

    TPointFrm* w = nullptr;
};

} // namespace

TEST_F(PointWindow, ShowCalculateRefuseAndShowAgain) {
    EXPECT_EQ(w->windowTitle(), "Results at point.");
    EXPECT_EQ(w->Label1->text(), "Distance from LH end of beam.");
    EXPECT_EQ(Texts({FromQt(w->cmd_Calc->text()), FromQt(w->cmd_Print->text()), FromQt(w->cmd_OK->text())}),
              (Texts{"Calculate", "Print", "OK"}));
    EXPECT_EQ(w->Grid_RaP->editTriggers(), QAbstractItemView::NoEditTriggers);
    // The grid only shows values: a click on a cell, or a drag over a row, highlights nothing.
    const QImage unclicked = w->Grid_RaP->grab().toImage();
    const auto at = [this](int r, int c) {
        return w->Grid_RaP->visualItemRect(w->Grid_RaP->item(r, c)).center();
    };
    const auto mouse = [this](QEvent::Type type, QPoint p, Qt::MouseButtons held) {
        QMouseEvent e(type, p, w->Grid_RaP->viewport()->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w->Grid_RaP->viewport(), &e);
    };
    mouse(QEvent::MouseButtonPress, at(2, 1), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at(2, 1), Qt::NoButton);
    EXPECT_TRUE(w->Grid_RaP->selectedItems().isEmpty());
    EXPECT_EQ(w->Grid_RaP->grab().toImage(), unclicked);
    mouse(QEvent::MouseButtonPress, at(2, 1), Qt::LeftButton);
    mouse(QEvent::MouseMove, at(2, 4), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at(2, 4), Qt::NoButton);
    EXPECT_TRUE(w->Grid_RaP->selectedItems().isEmpty());
    EXPECT_EQ(w->Grid_RaP->grab().toImage(), unclicked);
    // No distance yet: the field shows a blank.
    EXPECT_EQ(w->Label_Unit->text(), "m");
    EXPECT_EQ(w->Edit_Dist->text(), " ");
    const Texts headings{" Loadcase", " Shear ", " Moment ", " Stress ", " Deflection "};
    EXPECT_EQ(row(0), headings);
    EXPECT_EQ(row(1), (Texts{"", " kN", " kN-m", " N/mm^2", " mm"}));

    calculate("3");
    EXPECT_EQ(BusyCursor::depth(), 0);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_EQ(row(2), (Texts{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
    const Texts lines = list();
    ASSERT_EQ(lines.size(), 15u);
    const std::vector<Texts> calculated = grid();
    ASSERT_EQ(calculated.size(), 8u);
    EXPECT_EQ(calculated[0], headings);
    // Each control feeds and shows its own field.
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), std::set<std::string>{});
    // A refusal leaves grid (headings too) and list as they were.
    calculate("7");
    EXPECT_EQ(grid(), calculated);
    EXPECT_EQ(dialogs_->messages(), Texts{"Value exceeds length of beam"});
    EXPECT_EQ(row(2), (Texts{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
    EXPECT_EQ(list(), lines);
    // OK closes; the next showing empties the values, keeps the list and shows the last distance.
    w->cmd_OK->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    w->show();
    EXPECT_EQ(w->Edit_Dist->text(), "7.00");
    EXPECT_EQ(row(2), (Texts{"  1 ", "", "", "", ""}));
    EXPECT_EQ(list(), lines);
}

TEST_F(PointWindow, PrintSendsTheListToThePrinterAndAFailureIsReportedWithTheWindowOpen) {
    RecordingPrinter recording;
    print(recording); // nothing calculated yet
    EXPECT_TRUE(recording.pages.empty());
    calculate("3");
    print(recording);
    ASSERT_EQ(recording.pages.size(), 1u);
    EXPECT_TRUE(recording.ended);
    EXPECT_TRUE(recording.pages[0]->hasText("    Moment = 45.00 kN-m"));
    FailingPrinter failing;
    print(failing);
    EXPECT_TRUE(failing.aborted);
    EXPECT_EQ(dialogs_->messages(), Texts{"Printer out of paper"});
    EXPECT_EQ(BusyCursor::depth(), 0);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PointWindow, EachButtonDoesItsOwnStep) {
    RecordingPrinter recording;
    Printer& installed = printer();
    InstallPrinter(&recording);
    kxtest::ExpectEffects(
        w, {// A quarter along the span: V = 30 - 10 x 1.5 = 15 kN, M = 10 x 1.5 x 4.5 / 2 = 33.75 kN m.
            {"cmd_Calc", [this] { w->Edit_Dist->setText("1.5"); },
             [&] {
                 EXPECT_NEAR(std::fabs(std::stod(row(2)[1])), 15.0, 1e-9);
                 EXPECT_EQ(row(2)[2], "33.75");
                 EXPECT_TRUE(recording.pages.empty());
                 EXPECT_TRUE(w->isVisible());
             }},
            {"cmd_Print", [this] { w->Edit_Dist->setText("3"); },
             [&] {
                 ASSERT_EQ(recording.pages.size(), 1u);
                 EXPECT_TRUE(recording.pages[0]->hasText("    Moment = 33.75 kN-m")) << "what was calculated";
                 EXPECT_EQ(row(2)[2], "33.75");
                 EXPECT_TRUE(w->isVisible());
             }},
            {"cmd_OK", {}, [this] {
                 EXPECT_FALSE(w->isVisible());
                 EXPECT_EQ(w->result(), QDialog::Accepted);
                 EXPECT_EQ(row(2)[2], "33.75");
             }}});
    InstallPrinter(&installed);
}

// Every control lies wholly inside the window, with the same margin below and right of the lowest
// and rightmost ones as above and left of the first (Label1 at the top left).
TEST_F(PointWindow, EveryControlLiesInsideTheWindowWithItsMarginAllRound) {
    const int margin = w->Label1->x();
    ASSERT_GT(margin, 0);
    EXPECT_EQ(w->Label1->y(), margin);
    const QRect inside(margin, margin, w->width() - 2 * margin, w->height() - 2 * margin);
    int right = 0, bottom = 0;
    for (const QWidget* c :
         std::initializer_list<const QWidget*>{w->Label1, w->Edit_Dist, w->Label_Unit, w->cmd_Calc,
                                               w->Grid_RaP, w->List_Results, w->cmd_Print, w->cmd_OK}) {
        EXPECT_TRUE(inside.contains(c->geometry())) << c->objectName().toStdString();
        right = std::max(right, c->x() + c->width());
        bottom = std::max(bottom, c->y() + c->height());
    }
    EXPECT_EQ(w->width() - right, margin);
    EXPECT_EQ(w->height() - bottom, margin);
}

// With the window open, the moment unit switched to N-mm and back, then factored loads switched on
// and off again: while the job differs from the one analysed, Calculate asks for an analysis; once
// it is back as analysed, Calculate gives the figures again in kN-m and without the factored
// wording. At 3 m: M = wL^2/8 = 10 x 6000^2 / 8 = 45e6 N mm.
TEST_F(PointWindow, UnitsAndFactoredLoadsSwitchedAndSwitchedBackWhileTheWindowIsOpen) {
    calculate("3");
    const Texts lines = list();
    ASSERT_EQ(lines.size(), 15u);
    ASSERT_EQ(lines[5], "    Moment = 45.00 kN-m");
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    auto choose = [prefs](const std::function<void()>& change) {
        prefs->show();
        change();
        prefs->Button2->click();
    };
    const std::function<void()> steps[] = {
        [prefs] { prefs->optionButton("Option_Mom_Nmm")->click(); },
        [prefs] { prefs->optionButton("Option_Mom_kNm")->click(); },
        [prefs] { prefs->Check_Factor->setChecked(true); },
        [prefs] { prefs->Check_Factor->setChecked(false); },
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        choose(steps[i]);
        ASSERT_TRUE(w->isVisible());
        dialogs_->clear();
        const bool asAnalysed = i % 2 == 1;
        calculate("3");
        if (asAnalysed) {
            EXPECT_TRUE(dialogs_->messages().empty());
            EXPECT_EQ(row(2), (Texts{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
            EXPECT_EQ(list(), lines);
        } else {
            EXPECT_EQ(dialogs_->messages(), Texts{"Analyse the beam first"});
        }
    }
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    EXPECT_EQ(Model.UnitTextMoment.str(), "kN-m");
}

// The grid shows its 8 rows and 5 columns whole (95 + 65 + 70 + 80 + 90 = 400 px wide) with no
// scroll bar, even with a cell's text far wider than its column.
TEST_F(PointWindow, TheGridShowsEveryCellWholeWithoutAScrollBar) {
    calculate("3");
    w->Grid_RaP->item(2, 4)->setText(QString(200, 'W'));
    QApplication::processEvents();
    QTableWidget* g = w->Grid_RaP;
    EXPECT_EQ(g->viewport()->width(), 400);
    EXPECT_EQ(g->horizontalHeader()->length(), 400);
    for (const QScrollBar* bar : {g->horizontalScrollBar(), g->verticalScrollBar()}) {
        EXPECT_FALSE(bar->isVisible());
        EXPECT_EQ(bar->maximum(), 0);
    }
    // The last column and row end on the viewport's edges.
    EXPECT_EQ(g->columnViewportPosition(4) + g->columnWidth(4), 400);
    EXPECT_EQ(g->rowViewportPosition(7) + g->rowHeight(7), g->viewport()->height());
}

// The controls stand in a column: the grid 62 px below the top margin (12 + 62 = 74), its 8 rows of
// 22 px and the 400 px of its columns inside its frame; the results list 10 px below the grid's
// bottom edge, as wide as the grid and 260 px high; Print and OK 10 px below the list, OK's right
// edge on the list's, Print 8 px left of OK. A list placed higher would cover the grid's last rows.
TEST_F(PointWindow, TheListStandsTenPixelsBelowTheGridAndTheButtonsTenBelowTheList) {
    const QRect grid = w->Grid_RaP->geometry(), list = w->List_Results->geometry();
    const int frame = 2 * w->Grid_RaP->frameWidth();
    EXPECT_EQ(grid, QRect(12, 74, 400 + frame, 8 * 22 + frame));
    EXPECT_EQ(list, QRect(12, grid.y() + grid.height() + 10, grid.width(), 260));
    EXPECT_FALSE(list.intersects(grid));
    const QRect ok = w->cmd_OK->geometry(), print = w->cmd_Print->geometry();
    EXPECT_EQ(ok, QRect(list.x() + list.width() - 80, list.y() + list.height() + 10, 80, 28));
    EXPECT_EQ(print, QRect(ok.x() - 8 - 80, ok.y(), 80, 28));
    EXPECT_EQ(w->size(), QSize(12 + grid.width() + 12, ok.y() + 28 + 12));
    // The top row: the caption 4 px above the distance box (12 + 20 + 4 = 36); the unit 8 px right of
    // the box (12 + 100 + 8 = 120) and Calculate 12 px right of the unit (120 + 80 + 12 = 212), both
    // centred on the box's 24 px: 36 + (24 - 20) / 2 = 38 and 36 + (24 - 28) / 2 = 34.
    EXPECT_EQ(w->Label1->geometry(), QRect(12, 12, 220, 20));
    EXPECT_EQ(w->Edit_Dist->geometry(), QRect(12, 36, 100, 24));
    EXPECT_EQ(w->Label_Unit->geometry(), QRect(120, 38, 80, 20));
    EXPECT_EQ(w->cmd_Calc->geometry(), QRect(212, 34, 80, 28));
}
