// The effective-length windows headless: each binding both ways and the names a screen reader
// reads (the wizard's routes and figures have their core tests and a real-window flow).
#include "input/ui/Span.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "OnScreen.h"
#include "WiringTables.h"
#include "app/Forms.h"
#include "engine/BeamBuilder.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/Units.h"
#include "input/Cantilever.h"
#include "input/FormTestSupport.h"
#include "input/Span.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"
#include "window/FileCommands.h"
#include "window/IndexJobs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class SpanFrmTest : public FormsTest {
protected:
    // Spans 5000 + 4000 mm of a 127 x 76 UB checked to BS 5975, units m, 5 N/mm in loadcase 1.
    void SetUp() override {
        FormsTest::SetUp();
        test::BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
        SetDefaultUnits(Model);
        test::UseUB127OnEveryMember();
        w = Forms.SpanFrm;
        w->show();
    }

    TSpanFrm* w = nullptr;

    // Span 1 on show with its panel closed, as a user finds it between steps.
    void start() {
        w->show();
        w->Edit_Span->setValue(1);
        if (!w->Frame_Int->isHidden()) w->cmd_OK->click();
    }
    void click(const char* name) { kxtest::Click(w, name); }
    // The picture shown is the sketch as cleared and drawn again, nothing of an earlier one left.
    void ExpectSketchAsDrawnAfresh() {
        const QImage shown = w->Image_Spans->Picture.copy();
        w->ClearSpanSketch();
        w->DrawSpanSketch();
        w->HighlightCurrentSpan();
        EXPECT_EQ(shown, w->Image_Spans->Picture);
    }
    // Span 1 restrained at intervals with the panel open: n equal spaces.
    void intervals(int n) {
        start();
        click("Option_Full");
        w->Edit_No->setValue(n);
        w->Option_Equal->setChecked(true);
        click("Option_Int");
    }
    // The beam sketch drawn again with span s (1: 0-5 m, 2: 5-9 m) marked in yellow 3 px above the
    // beam line, at the middle of the span.
    bool marked(int s) const {
        const float mid = s == 1 ? 2500 : 7000;
        return w->Image_Spans->Picture.pixelColor(25 + FloatToInt(mid * 719.0f / 9000), 65 / 2 - 2 - 3) ==
               QColor(Qt::yellow);
    }
    // The first n spaces of the interval grid, "|" between them.
    std::string cells(int n) const {
        std::string t = w->Grid_Int->item(1, 1)->text().toStdString();
        for (int col = 2; col <= n; ++col)
            t += "|" + w->Grid_Int->item(1, col)->text().toStdString();
        return t;
    }
    std::string lastInputCaption() {
        for (auto it = dialogs_->shown.rbegin(); it != dialogs_->shown.rend(); ++it)
            if (it->kind == "input") return it->caption;
        return "";
    }
};

TEST_F(SpanFrmTest, EveryControlReadAndShownThroughItsBindingAndNamed) {
    w->Option_Int->click(); // the interval panel, its grid filled
    ASSERT_FALSE(w->Frame_Int->isHidden());
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());

    // Each option, and the 1.2 box, reaches its own field and no other.
    using C = SpanControls;
    std::vector<std::pair<QAbstractButton*, std::function<bool(const C&)>>> options;
    for (auto [b, f] : {std::pair{w->Option_Full, &C::Option_Full},
                        {w->Option_Partial, &C::Option_Partial},
                        {w->Option_Not, &C::Option_Not},
                        {w->Option_Pos, &C::Option_Pos},
                        {w->Option_Dead, &C::Option_Dead},
                        {w->Option_Restrained, &C::Option_Restrained},
                        {w->Option_Edit, &C::Option_Edit},
                        {w->Option_Int, &C::Option_Int},
                        {w->Option_Blank, &C::Option_Blank},
                        {w->Option_Equal, &C::Option_Equal},
                        {w->Option_UnEqual, &C::Option_UnEqual}})
        options.push_back({b, [f = f](const C& c) { return c.*f; }});
    options.push_back({w->Check_12, [](const C& c) { return c.Check_12; }});
    C none;
    none.Option_UnEqual = false;
    kxtest::ExpectOwnFlags(w->Bindings, none, options);

    EXPECT_EQ(w->Edit_Span->accessibleName(), "Span");
    EXPECT_EQ(w->Edit_No->accessibleName(), "Number of supports");
    EXPECT_EQ(w->Grid_Int->accessibleName(), "Span intervals");
    // The two reset buttons stand one above the other without overlapping.
    EXPECT_FALSE(w->cmdEdit->geometry().intersects(w->cmd_Part->geometry()));
}

// The buttons, the spinners and the interval grid each reach their handler.
TEST_F(SpanFrmTest, ButtonsSpinnersAndTheIntervalGridReachTheirHandlers) {
    dialogs_->inputAnswers = {std::string("3.2"), std::string("4")};
    w->Option_Edit->setChecked(true);
    EXPECT_EQ(w->lbl_Le->text(), "3.20");
    w->cmdEdit->click(); // asks again
    EXPECT_EQ(w->lbl_Le->text(), "4.00");

    // Span 2 at two equal intervals, a space of 3 m typed: the first restraint in red on the beam
    // sketch 5 + 3 m along, at 25 + 8000 x 719 / 9000 px.
    w->Option_Full->setChecked(true);
    w->Edit_Span->setValue(2);
    w->Option_Equal->setChecked(true);
    w->Edit_No->setValue(2);
    w->Option_Int->setChecked(true);
    w->Grid_Int->item(1, 1)->setText(QStringLiteral("3"));
    w->Grid_Int->item(1, 2)->setText(QStringLiteral("0.5"));
    w->cmd_OK->click();
    EXPECT_TRUE(w->Frame_Int->isHidden());
    EXPECT_EQ(w->Image_Spans->Picture.pixelColor(25 + FloatToInt(8000 * 719.0f / 9000), 30), QColor(Qt::red));
    w->cmd_Back->click();
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible() && !w->isVisible());
}

// Each drawing of the two pictures reaches the screen: the interval panel opened, a space typed,
// the panel closed with the restraints marked on the beam sketch.
TEST_F(SpanFrmTest, EveryDrawingOfThePicturesReachesTheScreen) {
    intervals(3);
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_IntSpan));
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Spans));
    const QImage before = w->Image_IntSpan->Picture.copy();
    w->Grid_Int->item(1, 1)->setText(QStringLiteral("1"));
    EXPECT_NE(w->Image_IntSpan->Picture, before);
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_IntSpan));
    w->cmd_OK->click();
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Spans));
    w->DrawSpanSketch();
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Spans));
}

// The beam sketch carries the beam's length under it, 5 + 4 m = "Length = 9.00 m"; showing the
// form clears the sketch and hides the caption, drawing it brings the caption back; a beam of
// 2.5 + 3.5 = 6 m committed since is captioned anew when drawn.
TEST_F(SpanFrmTest, TheSketchIsCaptionedWithTheBeamsLengthAndTheCaptionGoesWithTheSketch) {
    start();
    EXPECT_TRUE(w->lbl_Length->isHidden());
    w->DrawSpanSketch();
    EXPECT_EQ(w->lbl_Length->text(), "Length = 9.00 m");
    EXPECT_FALSE(w->lbl_Length->isHidden());
    w->ClearSpanSketch();
    EXPECT_TRUE(w->lbl_Length->isHidden());
    test::BeamBuilder().Spans({2500, 3500}).Section(205000, 4734400).Commit();
    w->DrawSpanSketch();
    EXPECT_EQ(w->lbl_Length->text(), "Length = 6.00 m");
    EXPECT_FALSE(w->lbl_Length->isHidden());
}

// Which of the reset buttons, "Apply to all spans", the two panels and Cancel are usable or shown,
// in each state a user reaches on the way through spans 1 and 2.
TEST_F(SpanFrmTest, ResetButtonsAndPanelsUsableOrShownInEachState) {
    dialogs_->inputAnswers = {std::string("3.2")};
    kxtest::ExpectStates(
        w, {{"shown, nothing chosen",
             nullptr,
             {},
             {"cmdEdit", "cmd_Part", "cmd_All"},
             {"Frame_Span", "cmd_Cancel"},
             {"Frame_Int"}},
            {"fully restrained at the supports",
             [this] { click("Option_Full"); },
             {"cmd_All"},
             {"cmdEdit", "cmd_Part"}},
            {"the 1.2 box ticked", [this] { click("Check_12"); }, {"cmd_All"}, {"cmdEdit", "cmd_Part"}},
            {"a value typed", [this] { click("Option_Edit"); }, {"cmdEdit"}, {"cmd_All", "cmd_Part"}},
            {"restrained at intervals, panel open",
             [this] { click("Option_Int"); },
             {"cmd_Part"},
             {"cmd_All"},
             {"Frame_Int", "lbl_SpanL"},
             {"Frame_Span", "cmd_Cancel"}},
            {"panel closed by OK",
             [this] { click("cmd_OK"); },
             {"cmd_Part"},
             {"cmd_All"},
             {"Frame_Span", "cmd_Cancel"},
             {"Frame_Int"}},
            {"span 2, nothing chosen there",
             [this] { w->Edit_Span->setValue(2); },
             {},
             {"cmdEdit", "cmd_Part", "cmd_All"}},
            {"span 2 by positive connection",
             [this] { click("Option_Pos"); },
             {"cmd_All"},
             {"cmdEdit", "cmd_Part"}},
            {"span 1 again, at intervals",
             [this] { w->Edit_Span->setValue(1); },
             {"cmd_Part"},
             {"cmdEdit", "cmd_All"}},
            {"panel opened again by its reset",
             [this] { click("cmd_Part"); },
             {"cmd_Part"},
             {"cmd_All"},
             {"Frame_Int"},
             {"Frame_Span", "cmd_Cancel"}},
            {"span 2 typed, span 1 and span 2 shown again",
             [this] {
                 click("cmd_OK");
                 w->Edit_Span->setValue(2);
                 dialogs_->inputAnswers = {std::string("2")};
                 click("Option_Edit");
                 w->Edit_Span->setValue(1);
                 w->Edit_Span->setValue(2);
             },
             {"cmdEdit"},
             {"cmd_All", "cmd_Part"}}});
}

// Each option, the 1.2 box, each button, spinner and the grid acted on with the handlers live, on
// span 1 of 5000 mm with D = 127 mm, shown in m. Le by hand: 0.85 x 5 = 4.25, 1.05 x 5 = 5.25,
// 1.2 x 5 = 6, 1.2 x 5 + 2 x 0.127 = 6.254, 1.4 x 5 + 0.254 = 7.254; with the 1.2 box 4.25 / 1.2 =
// 3.5417 and 6 / 1.2 = 5. A restraint choice draws the beam sketch again; a typed value and the
// interval panel do not.
TEST_F(SpanFrmTest, EachControlHasItsOwnEffect) {
    struct Choice {
        const char* option;
        bool by12;
        const char* lf;
        float mm;
        const char* le;
    };
    const Choice choices[] = {
        {"Option_Full", false, "0.85L", 4250, "4.25"},
        {"Option_Partial", false, "1.05L", 5250, "5.25"},
        {"Option_Not", false, "1.2L", 6000, "6.00"},
        {"Option_Pos", false, "1.2L + 2D", 6254, "6.25"},
        {"Option_Dead", false, "1.4L + 2D", 7254, "7.25"},
        {"Option_Full", true, "0.85L / 1.2", 3541.667f, "3.54"},
        {"Option_Not", true, "1.2L / 1.2", 5000, "5.00"},
        {"Option_Pos", true, "1.2L + 2D", 6254, "6.25"},
        {"Option_Restrained", false, "Restrained", 0, " "},
    };
    auto shows = [this](const char* lf, float mm, const char* le, bool redrawn) {
        return [=, this] {
            EXPECT_EQ(w->lbl_Lf->text().toStdString(), lf);
            EXPECT_EQ(w->lbl_Le->text().toStdString(), le);
            EXPECT_NEAR(Work.EffLengthWork[1][0], mm, 0.5);
            EXPECT_EQ(marked(1), redrawn);
        };
    };
    std::vector<kxtest::ControlEffect> rows;
    for (const Choice& c : choices)
        rows.push_back({c.option,
                        [this, c] {
                            start();
                            w->Check_12->setChecked(c.by12);
                            click(c.option == std::string("Option_Full") ? "Option_Restrained"
                                                                         : "Option_Full");
                            w->ClearSpanSketch();
                        },
                        shows(c.lf, c.mm, c.le, true)});
    // The 1.2 box reworks the length at once, ticked after a choice or unticked after one made with it.
    for (auto [option, ticked, lf, mm, le] :
         {std::tuple{"Option_Full", false, "0.85L / 1.2", 3541.667f, "3.54"},
          {"Option_Full", true, "0.85L", 4250.0f, "4.25"},
          {"Option_Not", false, "1.2L / 1.2", 5000.0f, "5.00"},
          {"Option_Not", true, "1.2L", 6000.0f, "6.00"},
          {"Option_Dead", false, "1.4L + 2D", 7254.0f, "7.25"}})
        rows.push_back({"Check_12",
                        [this, option, ticked] {
                            start();
                            click("Option_Restrained");
                            w->Check_12->setChecked(ticked);
                            click(option);
                            w->ClearSpanSketch();
                        },
                        shows(lf, mm, le, true)});
    // A value typed, and typed again by the reset button: the sketch is not drawn again.
    for (auto [control, first, again, mm, le] :
         {std::tuple{"Option_Edit", "3.2", "", 3200.0f, "3.20"}, {"cmdEdit", "3.2", "4", 4000.0f, "4.00"}})
        rows.push_back({control,
                        [=, this] {
                            start();
                            click("Option_Full");
                            dialogs_->inputAnswers = {std::string(first), std::string(again)};
                            if (*again) click("Option_Edit");
                            dialogs_->inputAnswers.resize(1);
                            w->ClearSpanSketch();
                        },
                        [=, this] {
                            shows("User value", mm, le, false)();
                            EXPECT_EQ(lastInputCaption(), "Span Effective Length");
                            EXPECT_TRUE(dialogs_->inputAnswers.empty());
                        }});
    // The panel: one restraint at half-end spacing gives two spaces of 2.5 m; two restraints give
    // equal spaces of 5 / 3 = 1.67 m, half ends 1.25, 2.5 and 1.25 m; three equal ones 1.25 m.
    rows.push_back({"Option_Int",
                    [this] {
                        start();
                        w->Edit_No->setValue(1);
                        w->Option_UnEqual->setChecked(true);
                        click("Option_Full");
                        w->ClearSpanSketch();
                    },
                    [this] {
                        EXPECT_FALSE(w->Frame_Int->isHidden());
                        EXPECT_EQ(w->lbl_Lf->text() + w->lbl_Le->text() + w->lbl_Span->text(),
                                  "1 support(s)variesSpan 1");
                        EXPECT_EQ(cells(2), "2.50|2.50");
                        EXPECT_FALSE(marked(1));
                    }});
    for (auto [option, from, spaces] : {std::tuple{"Option_Equal", "Option_UnEqual", "1.67|1.67|1.67"},
                                        {"Option_UnEqual", "Option_Equal", "1.25|2.50|1.25"},
                                        {"Option_Blank", "Option_Equal", " | | "}})
        rows.push_back({option,
                        [=, this] {
                            intervals(2);
                            click(from);
                        },
                        [=, this] { EXPECT_EQ(cells(3), spaces); }});
    rows.push_back({"Edit_No", [this] { intervals(2); },
                    [this] {
                        EXPECT_EQ(w->lbl_Lf->text(), "3 support(s)");
                        EXPECT_EQ(cells(4), "1.25|1.25|1.25|1.25");
                        EXPECT_TRUE(w->Grid_Int->isColumnHidden(4) && !w->Grid_Int->isColumnHidden(3));
                    },
                    [this] { w->Edit_No->setValue(3); }});
    // A space typed in the grid is stored at once: 1 m of 5 m is 40 two-hundredths.
    rows.push_back({"Grid_Int", [this] { intervals(2); },
                    [] {
                        EXPECT_EQ(Work.EffLengthWork[1][1], 1000.0f);
                        EXPECT_EQ(Work.EffLengthWork[1][kIntervalCountField], 2.0f);
                        EXPECT_EQ(Work.RestraintPosWork[1][1], 40);
                    },
                    [this] { w->Grid_Int->item(1, 1)->setText(QStringLiteral("1")); }});
    rows.push_back({"cmd_OK",
                    [this] {
                        intervals(3);
                        w->ClearSpanSketch();
                    },
                    [this] {
                        EXPECT_TRUE(w->Frame_Int->isHidden());
                        EXPECT_EQ(Work.EffLengthWork[1][kIntervalCountField], 3.0f);
                        for (int i = 1; i <= 3; ++i)
                            EXPECT_EQ(Work.RestraintPosWork[1][i], 50) << i;
                        EXPECT_TRUE(marked(1));
                        // Red restraint marks every 1250 x 719 / 9000 = 100 px from the left support.
                        for (int x : {125, 225, 325})
                            EXPECT_EQ(w->Image_Spans->Picture.pixelColor(x, 30), QColor(Qt::red)) << x;
                    }});
    rows.push_back({"cmd_Part",
                    [this] {
                        intervals(3);
                        click("cmd_OK");
                        w->Grid_Int->item(1, 1)->setText(QStringLiteral("9"));
                    },
                    [this] {
                        EXPECT_FALSE(w->Frame_Int->isHidden());
                        EXPECT_EQ(cells(1), "1.25");
                    }});
    rows.push_back({"cmd_Next",
                    [this] {
                        start();
                        click("Option_Full");
                        dialogs_->clear();
                    },
                    [this] {
                        EXPECT_EQ(dialogs_->messages(),
                                  std::vector<std::string>{" Effective length not selected for span 2"});
                        EXPECT_TRUE(w->isVisible());
                    }});
    // Span 2 of 4000 mm takes 1.4 x 4 + 0.254 = 5.854 m from span 1's choice.
    rows.push_back({"cmd_All",
                    [this] {
                        start();
                        click("Option_Dead");
                    },
                    [] {
                        EXPECT_NEAR(Work.EffLengthWork[2][0], 5854, 0.5);
                        EXPECT_EQ(Work.EffLengthTextWork[2].str(), "1.4L + 2D");
                        EXPECT_EQ(Work.SpanOptDeadWork[2], 1);
                    }});
    rows.push_back({"Edit_Span", [this] { start(); },
                    [this] {
                        EXPECT_EQ(w->lbl_L->text(), "4.00");
                        EXPECT_TRUE(marked(2) && !marked(1));
                        EXPECT_TRUE(w->Option_Dead->isChecked()); // taken from span 1 just above
                    },
                    [this] { w->Edit_Span->setValue(2); }});
    rows.push_back({"cmd_Cancel",
                    [this] {
                        start();
                        Forms.LoadDataFrm->hide();
                    },
                    [this] { EXPECT_FALSE(w->isVisible() || Forms.LoadDataFrm->isVisible()); }});
    rows.push_back({"cmd_Back", [this] { start(); },
                    [this] { EXPECT_TRUE(Forms.LoadDataFrm->isVisible() && !w->isVisible()); }});
    kxtest::ExpectEffects(w, rows);
}

// The last "Next >" analyses from the main window: when the analysis stops at the beam's data
// (shear deflection asked for without a GA), the main window still shows the 5 N/mm load and the
// beam it was told to draw.
TEST_F(SpanFrmTest, NextToAnAnalysisStoppedByTheBeamDataLeavesTheLoadsDrawnOnTheMainWindow) {
    TIndexFrm* main = Forms.IndexFrm;
    ShowForm(main);
    QApplication::processEvents();
    main->FillImageBlack(); // as an earlier step left it, without this job's drawing
    Model.SpanData[kFlagsRow][kShearDeflectionField] = 1;
    Model.SpanData[1][mfGA] = 0;
    for (int s : {1, 2}) {
        start();
        w->Edit_Span->setValue(s);
        click("Option_Full");
    }
    dialogs_->clear();
    w->cmd_Next->click();
    EXPECT_EQ(dialogs_->messages(),
              std::vector<std::string>{
                  " ERROR  \r GA must be greater than 0 for shear deflection\r Beam not analysed"});
    EXPECT_TRUE(main->isVisible() && w->isHidden());
    kxtest::ExpectLoadsAndBeamDrawn(main);
}

// "Next >" and "< Back" pressed while the interval panel is open, on span 1 (5000 mm) and on the
// last span (4000 mm): the span keeps the spaces and the count the panel shows, as OK takes them.
// By hand: half-end spacing with 1 restraint gives L/2 (slot 100); 3 equal restraints L/4 (slots
// 50); typed spaces 2 + 3 m of 5 m are slots 80 and 120, 1.5 + 2.5 m of 4 m 75 and 125.
TEST_F(SpanFrmTest, NextAndBackTakeTheOpenIntervalPanelAsOkDoes) {
    struct Row {
        const char* what;
        int span;
        std::function<void()> inPanel; // after "Span restrained at intervals" is clicked
        std::vector<float> spaces;     // mm; none when the panel must stay open
        std::vector<int> positions;    // restraint slots
    };
    auto spacing = [this](QRadioButton* option, int n) {
        option->setChecked(true);
        w->Edit_No->setValue(n);
    };
    auto type = [this](std::vector<const char*> cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            w->Grid_Int->item(1, static_cast<int>(i) + 1)->setText(QString::fromLatin1(cells[i]));
    };
    // The panel as it opens, its spacing and count set on an earlier visit.
    auto reopened = [this, spacing](QRadioButton* option, int n) {
        return [this, spacing, option, n] {
            spacing(option, n);
            click("cmd_OK");
            click("Option_Full");
            click("Option_Int");
        };
    };
    std::vector<Row> rows;
    for (int s : {1, 2}) {
        const float L = s == 1 ? 5000.0f : 4000.0f;
        rows.push_back({"just opened, half ends", s, reopened(w->Option_UnEqual, 1), {L / 2}, {100}});
        rows.push_back({"count raised from 1 to 3 after a space was typed",
                        s,
                        [=, this] {
                            spacing(w->Option_Equal, 1);
                            type({"1"});
                            w->Edit_No->setValue(3);
                        },
                        {L / 4, L / 4, L / 4},
                        {50, 50, 50}});
        rows.push_back({"count lowered from 3 to 1 after a space was typed",
                        s,
                        [=, this] {
                            spacing(w->Option_Equal, 3);
                            type({"1"});
                            w->Edit_No->setValue(1);
                        },
                        {L / 2},
                        {100}});
        rows.push_back({"spaces adding up to the span exactly", s,
                        [=, this] {
                            spacing(w->Option_Blank, 2);
                            type(s == 1 ? std::vector{"2", "3"} : std::vector{"1.5", "2.5"});
                        },
                        s == 1 ? std::vector{2000.0f, 3000.0f} : std::vector{1500.0f, 2500.0f},
                        s == 1 ? std::vector{80, 120} : std::vector{75, 125}});
        rows.push_back({"spaces 10 mm longer than the span",
                        s,
                        [=, this] {
                            spacing(w->Option_Blank, 2);
                            type(s == 1 ? std::vector{"2", "3.01"} : std::vector{"1.5", "2.51"});
                        },
                        {},
                        {}});
    }
    for (const bool next : {true, false})
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(next ? "Next, span " : "Back, span ") + std::to_string(row.span) + ", " +
                         row.what);
            for (int s = 1; s <= 2; ++s) {
                Work.SpanOptIntWork[s] = Work.SpanOptFullWork[s] = 0;
                Model.SpanOptInt[s] = 0;
                Model.EffLength[s] = TEffLengthRec{};
                Model.RestraintPos[s] = Arr<int32, 1, 10>{};
            }
            w->hide(); // shown again with neither span chosen
            start();
            w->Edit_Span->setValue(row.span);
            click("Option_Int");
            row.inPanel();
            dialogs_->clear();
            (next ? w->cmd_Next : w->cmd_Back)->click();

            if (row.spaces.empty()) {
                EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{spanmsg::kSumExceeds});
                EXPECT_TRUE(w->isVisible() && !w->Frame_Int->isHidden());
                EXPECT_EQ(Model.SpanOptInt[row.span], 0); // nothing committed
                type({"1", "1"});
                click("cmd_OK");
                continue;
            }
            EXPECT_TRUE(w->Frame_Int->isHidden() && !w->Frame_Span->isHidden());
            const int n = static_cast<int>(row.spaces.size());
            // Next and Back both leave the span's working copy as OK would.
            const TEffLengthRec& e = Work.EffLengthWork[row.span];
            const Arr<int32, 1, 10>& stored = Work.RestraintPosWork[row.span];
            EXPECT_EQ(e[kIntervalCountField], static_cast<float>(n));
            for (int i = 1; i <= n; ++i) {
                EXPECT_NEAR(e[i], row.spaces[static_cast<std::size_t>(i - 1)], 0.01) << i;
                EXPECT_EQ(stored[i], row.positions[static_cast<std::size_t>(i - 1)]) << i;
            }
            EXPECT_EQ(Work.SpanOptIntWork[row.span], 1);
            if (next) {
                // The other span has no choice yet: the form stays with its message, and the
                // refused Next commits nothing.
                EXPECT_TRUE(Model.SpanOptInt[row.span] == 0 && Model.EffLength[row.span] == TEffLengthRec{});
                EXPECT_EQ(dialogs_->messages(),
                          std::vector<std::string>{spanmsg::kNotSelected + std::to_string(3 - row.span)});
            } else {
                EXPECT_TRUE(Forms.LoadDataFrm->isVisible() && !w->isVisible());
                Forms.LoadDataFrm->hide();
            }
        }
}

class CantFrmTest : public FormsTest {
protected:
    // Cantilevers of 1500 and 1234 mm either side of a 5000 mm span, units m, 5 N/mm.
    void SetUp() override {
        FormsTest::SetUp();
        test::BeamBuilder().LHCantilever(1500).Spans({5000}).RHCantilever(1234).Udl(1, 0, 5, 7734).Commit();
        SetDefaultUnits(Model);
        test::UseUB127OnEveryMember();
    }
};

TEST_F(CantFrmTest, EveryControlReadAndShownThroughItsBindingAndNamed) {
    for (TCantileverFrm* w : std::initializer_list<TCantileverFrm*>{Forms.CantLHFrm, Forms.CantRHFrm}) {
        SCOPED_TRACE(w->objectName().toStdString());
        CantControls chosen;
        for (int f : {coRestrained, coDestabilizing, coSupportPartial, coEndTop})
            chosen.Option[f] = true;
        w->Bindings.Show(chosen);
        kxtest::ExpectRoundTrip(w->Bindings);
        EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
        // Each option reaches its own flag and no other.
        std::vector<std::pair<QAbstractButton*, std::function<bool(const CantControls&)>>> options;
        for (int f = 0; f <= coEdit; ++f)
            options.push_back({w->Options[f], [f](const CantControls& c) { return c.Option[f]; }});
        kxtest::ExpectOwnFlags(w->Bindings, CantControls{}, options);
        // The three support options, which show no text, are named by their labels.
        EXPECT_EQ(w->Option_Support_Lateral->accessibleName(), "Continuous with lateral restraint only");
        EXPECT_EQ(w->Option_Support_Partial->accessibleName(), "Continuous with partial torsional restraint");
        EXPECT_EQ(w->Option_Support_Both->accessibleName(),
                  "Continuous with lateral and torsional restraint");
    }
}

// A beam file whose cantilevers both hold 3.0 L (lateral support, free end, normal loading) is
// opened; the user makes another choice on each cantilever form, goes back through the span form
// to the left form and forward again to the analysis. Each form keeps the user's choice: fully
// restrained gives 0; support and end both restrained, destabilizing gives 2.5 L (3750 mm of
// 1500, and 3085 of 1234, shown again as 3.085 m); a typed 2 m, asked once, gives 2000 mm.
TEST_F(CantFrmTest, AChoiceMadeAfterOpenStaysThroughBackAndNext) {
    TempDir jobs;
    const std::string path = jobs.path("cantilevers.kxf");
    Model.SteelSectionFlag = 1;
    Model.SpanOptFull[1] = 1;
    Model.EffLength[1][0] = 4250;
    Model.EffLengthText[1] = "0.85L";
    Model.EffLengthMemberLength[1] = 5000;
    for (auto [r, opts, L] : {std::tuple{kLHCantRow, &SharedModel::CantLHOpts, 1500.0f},
                              {kRHCantRow, &SharedModel::CantRHOpts, 1234.0f}}) {
        for (int f : {coNormal, coSupportLateral, coEndFree})
            (Model.*opts)[f] = 1;
        Model.EffLength[r][0] = 3 * L;
        Model.EffLengthText[r] = "3.00 L";
        Model.EffLengthMemberLength[r] = L;
    }
    kxtest::AnalyseCommitted();
    WriteBeamFile(path);

    struct Choice {
        std::vector<const char*> options;
        const char* lf; // the factor box when shown again, which both forms commit: left
        float leftMm, rightMm;
        const char* rightLf = nullptr; // and right, where it differs
    };
    const Choice choices[] = {
        {{"Option_Restrained"}, "Fully Restrained", 0, 0, "Restrained"},
        {{"Option_Support_Both", "Option_End_Top", "Option_Destabilizing"}, "2.50 L", 3750, 3085},
        {{"Option_Edit"}, "User value", 2000, 2000},
    };
    TCantileverFrm* left = Forms.CantLHFrm;
    TCantileverFrm* right = Forms.CantRHFrm;
    TSpanFrm* span = Forms.SpanFrm;
    for (const Choice& choice : choices) {
        SCOPED_TRACE(choice.lf);
        dialogs_->fileAnswers.push_back(path);
        Forms.IndexFrm->Open1->trigger();
        dialogs_->clear();
        dialogs_->inputAnswers = {std::string("2"), std::string("2")};
        auto choose = [&choice](TCantileverFrm* w) {
            for (const char* option : choice.options)
                kxtest::Click(w, option);
        };

        left->show(); // as the load form's Next shows it
        ASSERT_EQ(left->lbl_Lf->text(), "3.00 L");
        choose(left);
        left->cmd_Next->click();
        ASSERT_TRUE(span->isVisible());
        span->cmd_Next->click();
        ASSERT_TRUE(right->isVisible());
        ASSERT_EQ(right->lbl_Lf->text(), "3.00 L");
        choose(right);
        right->cmd_Back->click();
        span->cmd_Back->click();
        ASSERT_TRUE(left->isVisible());
        EXPECT_EQ(left->lbl_Lf->text(), choice.lf);
        left->cmd_Next->click();
        span->cmd_Next->click();
        ASSERT_TRUE(right->isVisible());
        const char* rightLf = choice.rightLf ? choice.rightLf : choice.lf;
        EXPECT_EQ(right->lbl_Lf->text(), rightLf);
        right->cmd_Next->click();
        EXPECT_FALSE(right->isVisible());

        EXPECT_EQ(Model.EffLength[kLHCantRow][0], choice.leftMm);
        EXPECT_EQ(Model.EffLength[kRHCantRow][0], choice.rightMm);
        EXPECT_EQ(Model.EffLengthText[kLHCantRow].str(), choice.lf);
        EXPECT_EQ(Model.EffLengthText[kRHCantRow].str(), rightLf);
        EXPECT_EQ(Model.CantLHOpts[coNormal] + Model.CantRHOpts[coNormal], 0);
        // The typed value is asked for once on each form, not again at each showing.
        EXPECT_EQ(dialogs_->inputAnswers.size(),
                  choice.options.front() == std::string("Option_Edit") ? 0u : 2u);
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        Forms.IndexFrm->hide();
    }
}

// The pictures and the support labels choose their options; Back goes where the beam leads.
TEST_F(CantFrmTest, PicturesAndLabelsChooseAndBackLeadsBack) {
    auto clickOn = [](QWidget* w) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
    TCantLHFrm* left = Forms.CantLHFrm;
    left->show();
    clickOn(left->Image[7]);
    EXPECT_TRUE(left->Option_Support_Partial->isChecked());
    left->Option_Restrained->setChecked(true);
    left->cmd_Next->click();
    EXPECT_TRUE(Forms.SpanFrm->isVisible() && !left->isVisible());
    Forms.SpanFrm->cmd_Back->click();
    EXPECT_TRUE(left->isVisible());
    left->cmd_Back->click();
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible() && !left->isVisible());

    TCantRHFrm* right = Forms.CantRHFrm;
    right->show();
    clickOn(right->Image[7]); // chooses nothing on the right
    for (QRadioButton* b : right->Options)
        EXPECT_FALSE(b->isChecked());
    clickOn(right->Label_Support_Both);
    EXPECT_TRUE(right->Option_Support_Both->isChecked());
    clickOn(right->Image[1]);
    EXPECT_TRUE(right->Option_Support_Lateral->isChecked() && !right->Option_Support_Both->isChecked());
    right->cmd_Back->click();
    EXPECT_TRUE(Forms.SpanFrm->isVisible() && !right->isVisible());
}

// The left (1500 mm) and right (1234 mm) forms from one table each: what is usable in each state,
// and what each option, picture, label and button does with the handlers live.
class CantWiringTest : public CantFrmTest {
protected:
    static TCantileverFrm* form(kxtest::Side s) {
        return s.right ? static_cast<TCantileverFrm*>(Forms.CantRHFrm) : Forms.CantLHFrm;
    }
    // Where "< Back" leads.
    static QWidget* back(kxtest::Side s) {
        return s.right ? static_cast<QWidget*>(Forms.SpanFrm) : static_cast<QWidget*>(Forms.LoadDataFrm);
    }
    static int row(kxtest::Side s) { return s.right ? kRHCantRow : kLHCantRow; }
    static float length(kxtest::Side s) { return s.right ? 1234.0f : 1500.0f; }
    // The options by flag, named as the form names them.
    static constexpr const char* kOption[] = {
        "Option_Restrained",      "Option_Normal",       "Option_Destabilizing", "Option_Support_Lateral",
        "Option_Support_Partial", "Option_Support_Both", "Option_End_Both",      "Option_End_Torsion",
        "Option_End_Top",         "Option_End_Free",     "Option_Edit"};
    // The options shown chosen, without running a handler.
    static void showChosen(TCantileverFrm* w, std::initializer_list<int> fields) {
        CantControls c = w->Bindings.Read();
        for (bool& b : c.Option)
            b = false;
        for (int f : fields)
            c.Option[f] = true;
        w->Bindings.Show(c);
    }
    static std::string chosen(const TCantileverFrm* w) {
        std::string names;
        for (int f = 0; f <= coEdit; ++f)
            if (w->Options[f]->isChecked()) names += std::string(names.empty() ? "" : " ") + kOption[f];
        return names;
    }
    static void press(QWidget* w) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

TEST_F(CantWiringTest, ResetUsableOnlyOnceAValueIsTypedAtBothEnds) {
    for (kxtest::Side s : {kxtest::kLeft, kxtest::kRight}) {
        SCOPED_TRACE(s.tag());
        TCantileverFrm* w = form(s);
        w->show();
        const std::vector<std::string> options(std::begin(kOption), std::end(kOption));
        dialogs_->inputAnswers = {std::string("2")};
        kxtest::ExpectStates(
            w, {{"shown, nothing chosen", nullptr, options, {"cmdEdit"}},
                {"a full choice",
                 [w] {
                     for (const char* n : {"Option_Support_Lateral", "Option_End_Free", "Option_Normal"})
                         kxtest::Click(w, n);
                 },
                 options,
                 {"cmdEdit"}},
                {"fully restrained", [w] { kxtest::Click(w, "Option_Restrained"); }, options, {"cmdEdit"}},
                {"a value typed", [w] { kxtest::Click(w, "Option_Edit"); }, {"cmdEdit"}}});
    }
}

// Factors by hand from the table of support, end and loading: each option, newly chosen beside a
// cantilever shown fully restrained, clears that choice and gives k x L.
TEST_F(CantWiringTest, TheArrowKeysStepBetweenRestrainedAndATypedValue) {
    // Restrained and a typed value are one group of the keyboard: Down from the one chooses the
    // other (and asks for the value), Up comes back.
    for (kxtest::Side s : {kxtest::kLeft, kxtest::kRight}) {
        SCOPED_TRACE(s.tag());
        TCantileverFrm* w = form(s);
        w->show();
        showChosen(w, {coRestrained});
        dialogs_->clear();
        dialogs_->inputAnswers = {std::string("2.5")};
        w->activateWindow();
        QCoreApplication::processEvents();
        auto key = [](QWidget* to, Qt::Key k) {
            to->setFocus();
            QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
            QApplication::sendEvent(to, &e);
        };
        key(w->Option_Restrained, Qt::Key_Down);
        EXPECT_EQ(chosen(w), "Option_Edit");
        EXPECT_EQ(Work.EffLengthWork[row(s)][0], 2500.0f); // 2.5 m typed
        key(w->Option_Edit, Qt::Key_Up);
        EXPECT_EQ(chosen(w), "Option_Restrained");
        EXPECT_EQ(Work.EffLengthWork[row(s)][0], 0.0f);
    }
}

TEST_F(CantWiringTest, EachControlHasItsOwnEffectAtBothEnds) {
    struct Factor {
        int option, other1, other2;
        float k;
        const char* lf;
    };
    const Factor factors[] = {
        {coNormal, coSupportLateral, coEndFree, 3.0f, "3.00 L"},
        {coDestabilizing, coSupportLateral, coEndFree, 7.5f, "7.50 L"},
        {coSupportLateral, coEndTorsion, coNormal, 2.4f, "2.40 L"},
        {coSupportPartial, coEndTorsion, coDestabilizing, 3.0f, "3.00 L"},
        {coSupportBoth, coEndTop, coNormal, 0.9f, "0.900 L"},
        {coEndFree, coSupportPartial, coNormal, 2.0f, "2.00 L"},
        {coEndTop, coSupportLateral, coNormal, 2.7f, "2.70 L"},
        {coEndTorsion, coSupportBoth, coDestabilizing, 1.5f, "1.50 L"},
        {coEndBoth, coSupportPartial, coNormal, 1.4f, "1.40 L"},
    };
    // Image1..Image7 of each form and the option each chooses (-1: none).
    const int pictures[2][7] = {
        {coEndFree, coEndTop, coEndBoth, coEndTorsion, coSupportBoth, coSupportLateral, coSupportPartial},
        {coSupportLateral, coSupportBoth, coEndTop, coEndBoth, coEndTorsion, coEndFree, -1}};
    for (kxtest::Side s : {kxtest::kLeft, kxtest::kRight}) {
        SCOPED_TRACE(s.tag());
        TCantileverFrm* w = form(s);
        const int r = row(s);
        const float L = length(s);
        const std::string caption = s.right ? "RHC Effective Length" : "LHC Effective Length";
        auto start = [this, w](std::initializer_list<int> fields) {
            w->show();
            showChosen(w, fields);
            dialogs_->clear();
        };
        auto typed = [this, w, start](const char* first, const char* next) {
            start({});
            dialogs_->inputAnswers = {std::string(first)};
            kxtest::Click(w, "Option_Edit");
            dialogs_->inputAnswers = {std::string(next)};
        };
        auto userValue = [this, w, r, caption](float mm, const char* le) {
            return [=, this] {
                EXPECT_EQ(chosen(w), "Option_Edit");
                EXPECT_EQ(w->lbl_Lf->text(), "User value");
                EXPECT_EQ(w->lbl_Le->text().toStdString(), le);
                EXPECT_EQ(Work.EffLengthWork[r][0], mm);
                EXPECT_TRUE(w->cmdEdit->isEnabled());
                EXPECT_TRUE(dialogs_->inputAnswers.empty());
                ASSERT_FALSE(dialogs_->shown.empty());
                EXPECT_EQ(dialogs_->shown.back().caption, caption);
            };
        };
        std::vector<kxtest::ControlEffect> rows;
        for (const Factor& f : factors)
            rows.push_back({kOption[f.option],
                            [=] {
                                start({coRestrained, f.other1, f.other2});
                            },
                            [=] {
                                EXPECT_FALSE(w->Option_Restrained->isChecked());
                                EXPECT_TRUE(w->Options[f.option]->isChecked());
                                EXPECT_EQ(w->lbl_Lf->text().toStdString(), f.lf);
                                EXPECT_FLOAT_EQ(Work.EffLengthWork[r][0], f.k * L);
                                EXPECT_EQ(Work.EffLengthMemberLengthWork[r], L);
                            }});
        rows.push_back({"Option_Restrained",
                        [=] {
                            start({coSupportLateral, coEndFree, coNormal});
                        },
                        [=] {
                            EXPECT_EQ(chosen(w), "Option_Restrained");
                            EXPECT_EQ(w->lbl_Lf->text(), "Restrained");
                            // the right form's working text is what its box shows and commits
                            EXPECT_EQ(Work.EffLengthTextWork[r].str(),
                                      s.right ? "Restrained" : "Fully Restrained");
                            EXPECT_EQ(Work.EffLengthWork[r][0], 0.0f);
                        }});
        // Restrained and a typed value are one choice of two: either clears the other.
        rows.push_back({"Option_Restrained", [=] { start({coEdit}); },
                        [=] { EXPECT_EQ(chosen(w), "Option_Restrained"); }});
        rows.push_back({"Option_Edit",
                        [=, this] {
                            start({coSupportLateral, coEndFree, coNormal});
                            dialogs_->inputAnswers = {std::string("2.5")};
                        },
                        userValue(2500, "2.50")});
        rows.push_back({"cmdEdit", [=] { typed("2.5", "3"); }, userValue(3000, "3.00")});
        // While a value is typed, a loading option asks for the value again and stays unchosen.
        rows.push_back({"Option_Normal", [=] { typed("2.5", "2"); }, userValue(2000, "2.00")});
        for (auto [label, option] : {std::pair{"Label_Support_Lateral", coSupportLateral},
                                     {"Label_Support_Partial", coSupportPartial},
                                     {"Label_Support_Both", coSupportBoth}})
            rows.push_back({label,
                            [=] {
                                start({coEndFree, coNormal});
                            },
                            [=] { EXPECT_TRUE(w->Options[option]->isChecked()); },
                            [=] { press(kxtest::Control(w, label)); }});
        for (int i = 1; i <= 7; ++i) {
            const int option = pictures[s.right ? 1 : 0][i - 1];
            const std::string name = "Image" + std::to_string(i);
            rows.push_back({name, [=] { start({}); },
                            [=] { EXPECT_EQ(chosen(w), option < 0 ? "" : kOption[option]); },
                            [=] { press(kxtest::Control(w, name)); }});
        }
        rows.push_back({"cmd_Next",
                        [=] {
                            start({coNormal, coSupportLateral});
                        },
                        [=, this] {
                            EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{cantmsg::kIncomplete});
                            EXPECT_TRUE(w->isVisible());
                        }});
        rows.push_back({"cmd_Next",
                        [=] {
                            start({});
                            kxtest::Click(w, "Option_Restrained");
                        },
                        [=] {
                            EXPECT_FALSE(w->isVisible());
                            EXPECT_TRUE(s.right ? Forms.IndexFrm->isVisible() : Forms.SpanFrm->isVisible());
                            EXPECT_EQ(Model.EffLengthText[r].str(),
                                      s.right ? "Restrained" : "Fully Restrained");
                        }});
        rows.push_back({s.right ? "cmd_Back" : "Cmd_Back", [=] { start({}); },
                        [=] { EXPECT_TRUE(!w->isVisible() && back(s)->isVisible()); }});
        rows.push_back({s.right ? "cmdCancel" : "Button1",
                        [=] {
                            start({});
                            back(s)->hide();
                        },
                        [=] { EXPECT_FALSE(w->isVisible() || back(s)->isVisible()); }});
        kxtest::ExpectEffects(w, rows);
    }
}

// A restraint choice made after span 1 was restrained at 3 intervals takes the intervals away, and
// the beam sketch is drawn afresh without their red marks (every 1250 x 719 / 9000 = 100 px from
// the left support: 125, 225, 325), not over the sketch that showed them.
TEST_F(SpanFrmTest, ARestraintChoiceAfterIntervalsDrawsTheSketchAfreshWithoutTheirMarks) {
    for (const char* option : {"Option_Partial", "Option_Not", "Option_Restrained", "Check_12"}) {
        SCOPED_TRACE(option);
        intervals(3);
        click("cmd_OK");
        for (int x : {125, 225, 325})
            ASSERT_EQ(w->Image_Spans->Picture.pixelColor(x, 30), QColor(Qt::red)) << x;
        click(option);
        EXPECT_EQ(Work.EffLengthWork[1][kIntervalCountField], 0.0f);
        for (int x : {125, 225, 325})
            EXPECT_NE(w->Image_Spans->Picture.pixelColor(x, 30), QColor(Qt::red)) << x;
        ExpectSketchAsDrawnAfresh();
        EXPECT_TRUE(marked(1));
        if (w->Check_12->isChecked()) w->Check_12->click();
    }
}

// Span 1 restrained at 3 intervals, then reset to 2: OK draws the beam sketch afresh with the two marks
// 5000 / 3 x 719 / 9000 = 133 px apart (158 and 291), not over the three 100 px apart (125, 225,
// 325).
TEST_F(SpanFrmTest, FewerIntervalsTakenByOkDrawTheSketchAfreshWithOnlyTheirMarks) {
    intervals(3);
    click("cmd_OK");
    ASSERT_EQ(w->Image_Spans->Picture.pixelColor(125, 30), QColor(Qt::red));
    click("cmd_Part"); // the panel again, the sketch as it was
    ASSERT_FALSE(w->Frame_Int->isHidden());
    w->Edit_No->setValue(2);
    click("cmd_OK");
    ASSERT_EQ(Work.EffLengthWork[1][kIntervalCountField], 2.0f);
    for (int x : {158, 291})
        EXPECT_EQ(w->Image_Spans->Picture.pixelColor(x, 30), QColor(Qt::red)) << x;
    for (int x : {125, 225, 325})
        EXPECT_NE(w->Image_Spans->Picture.pixelColor(x, 30), QColor(Qt::red)) << x;
    ExpectSketchAsDrawnAfresh();
}

// The span form shown again after the length unit was changed while it was hidden captions the
// span length and the effective length in the new unit, and gives span 1 (5000 mm) in it.
TEST_F(SpanFrmTest, ShownAgainAfterAChangeOfLengthUnitCaptionsBothLengthsInTheNewUnit) {
    struct Row {
        const char* unit;
        float factor;
        const char* length;
    };
    for (const Row& r : {Row{"mm", 1, "5000"},      // 5000 / 1
                         Row{"ft", 304.8f, "16.4"}, // 5000 / 304.8 = 16.40
                         Row{"in", 25.4f, "197"},   // 5000 / 25.4 = 196.9
                         Row{"m", 1000, "5.00"}}) { // 5000 / 1000
        w->hide();
        Model.UnitTextLength = r.unit;
        Model.UnitFactorLength = r.factor;
        start();
        EXPECT_EQ((std::array{w->Label_1_Unit->text().toStdString(), w->Label_2_Unit->text().toStdString(),
                              w->lbl_L->text().toStdString()}),
                  (std::array<std::string, 3>{r.unit, r.unit, r.length}))
            << r.unit;
    }
}

} // namespace
