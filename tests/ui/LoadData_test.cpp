// The load window's wiring beyond the user's flow (tests/real/LoadForm_real.cpp): each binding both
// ways with fifty rows, the names a screen reader reads, the rows' layout, handlers run by buttons
// set from code and by a double click, the scrolling form, the routes of "Next >" to the
// effective-length forms, a refusal, and the beam commit's calls.
#include "input/ui/LoadData.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "OnScreen.h"
#include "WiringTables.h"
#include "foundation/JobChecks.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "input/FormTestSupport.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/Span.h"
#include "platform/NumberInput.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

// The form as the beam form's commit leaves it: a steel beam of 3 m and 4 m, factored loads on,
// nothing typed; the handlers live.
class LoadFormTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = 1;
        kxtest::CommitTwoSpanBeam();
        w = Forms.LoadDataFrm;
        ShowForm(w);
    }
    TLoadDataFrm* w = nullptr;
};

class LoadDataFrmTest : public LoadFormTest {
protected:
    // 12 kN typed at 1.5 m in row 1 and applied.
    void SetUp() override {
        LoadFormTest::SetUp();
        w->Row(1).OptionP->setChecked(true);
        w->Row(1).Edit_PL->setText("12");
        w->Row(1).Edit_Dist->setText("1.5");
        w->Row(1).Check->click();
    }
};

TEST_F(LoadDataFrmTest, EveryControlReadAndShownThroughItsBindingAndNamed) {
    w->Button4->click(); // all fifty rows
    w->Row(50).Edit_UDLF->setText("4");
    kxtest::ExpectRoundTrip(w->Bindings);
    std::set<std::string> numbers; // read-only, each showing its row's fixed number
    for (int n = 1; n <= kLoadRows; ++n)
        numbers.insert(FromQt(w->Row(n).Edit_No->objectName()));
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), numbers);

    // The type buttons and the Apply box of each row reach their own row's fields.
    using F = LoadFormControls;
    std::vector<std::pair<QAbstractButton*, std::function<bool(const F&)>>> flags = {
        {w->Check_Swt, [](const F& f) { return f.Check_Swt; }}};
    for (int n = 1; n <= kLoadRows; ++n) {
        flags.push_back({w->Row(n).OptionP, [n](const F& f) { return f.Rows[n].OptionP; }});
        flags.push_back({w->Row(n).OptionUDL, [n](const F& f) { return f.Rows[n].OptionUDL; }});
        flags.push_back({w->Row(n).Check, [n](const F& f) { return f.Rows[n].Check; }});
    }
    kxtest::ExpectOwnFlags(w->Bindings, F{}, flags);

    for (auto [input, name] : {std::pair<QWidget*, const char*>{w->Row(3).Edit_Dist, "Load 3 Distance"},
                               {w->Row(50).Edit_UDLF, "Load 50 UDL finish rate"},
                               {w->Check_Swt, "Steel Beam Self-weight: Apply"},
                               {w->Edit_LF, "LF"},
                               {w->Edit_Case, "Loadcase"}})
        EXPECT_EQ(input->accessibleName(), name);
}

TEST_F(LoadDataFrmTest, RowsLaidOutAndReachedFromCode) {
    // A new window shows loadcase 1, the first of the five.
    EXPECT_EQ(w->Edit_Case->text(), "1");
    EXPECT_EQ(std::pair(w->Edit_Case->minimum(), w->Edit_Case->maximum()), std::pair(1, 5));
    // Row 17 is 40 high, the others 35, from 240 down; the length caption 119 below the picture.
    for (auto [n, top, height] : {std::tuple{16, 765, 35}, {17, 800, 40}, {18, 840, 35}, {50, 1960, 35}})
        EXPECT_EQ(w->Row(n).Panel->geometry(), QRect(10, top, 745, height)) << n;
    EXPECT_EQ(w->lbl_Length->y() - w->Image_Beam->y(), 119);
    // A click on a row's ground takes the focus, so the box typed in last is left and its typing ends.
    for (int n : {1, 50})
        EXPECT_EQ(w->Row(n).Panel->focusPolicy(), Qt::ClickFocus) << n;
    // Each row's number, the first and the last, shows in two figures and cannot be typed over.
    for (auto [n, no] : {std::pair{1, "01"}, {9, "09"}, {50, "50"}}) {
        EXPECT_EQ(w->Row(n).Edit_No->text().toStdString(), no);
        EXPECT_TRUE(w->Row(n).Edit_No->isReadOnly()) << n;
    }

    // A type chosen from code lays its row out as a click does; the type buttons of one row exclude
    // each other, not those of another row.
    w->Row(7).OptionP->setChecked(true);
    EXPECT_FALSE(w->Row(8).Panel->isHidden());
    w->Row(6).OptionUDL->setChecked(true);
    w->Row(7).OptionUDL->setChecked(true);
    EXPECT_TRUE(!w->Row(7).OptionP->isChecked() && w->Row(6).OptionUDL->isChecked());

    // A double click on a row's number resets the row.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w->Row(1).Edit_No, &dbl);
    EXPECT_FALSE(w->Row(1).OptionP->isChecked() || w->Row(1).Check->isChecked());
    EXPECT_TRUE(w->Row(1).Edit_PL->text().isEmpty());

    // "Expand": all fifty rows scroll above the commands, the window no taller than the form. A
    // window the user made shorter is laid out again: as tall as the form, or the screen's room
    // less 40 when that is less.
    w->resize(w->width(), 300);
    w->Button4->click();
    EXPECT_EQ(w->Content->height(), 2130 - 65);
    EXPECT_LE(w->height(), w->screen()->availableGeometry().height());
    EXPECT_EQ(w->height(), std::min(2130, w->screen()->availableGeometry().height() - 40));
    EXPECT_FALSE(w->Row(50).Panel->isHidden());
    w->Edit_Case->setValue(6);
    EXPECT_EQ(w->Edit_Case->value(), 5);
}

// Each drawing of the beam picture reaches the screen: a load applied, and the committed beam drawn
// on it again as the beam form's commit does, its second span lengthened from 4 m to 6 m.
TEST_F(LoadDataFrmTest, EachDrawingOfTheBeamPictureReachesTheScreen) {
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam));
    QImage before = w->Image_Beam->Picture.copy();
    w->Row(2).OptionP->setChecked(true);
    w->Row(2).Edit_PL->setText("5");
    w->Row(2).Edit_Dist->setText("6");
    w->Row(2).Check->click();
    EXPECT_NE(w->Image_Beam->Picture, before);
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam));
    before = w->Image_Beam->Picture.copy();
    Model.SpanData[2][mfL] = 6000;
    Model.BeamLength = 9000;
    w->DrawLoadFormBeam();
    EXPECT_NE(w->Image_Beam->Picture, before);
    EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam));
}

// Each drawing of the picture starts from a cleared one: a load taken off, a loadcase shown that
// applies less, the form shown again over the committed list, or "Clear" leaves no trace of the
// arrows drawn before; the picture is the one the same loads gave when first drawn.
TEST_F(LoadFormTest, TheBeamPictureIsDrawnFromClearWhenLoadsGoTheLoadcaseChangesOrTheFormShows) {
    const QImage bare = w->Image_Beam->Picture.copy();
    // "Clear" draws the beam alone, without the loads' empty outline.
    w->cmd_Clear->click();
    const QImage cleared = w->Image_Beam->Picture.copy();
    const auto applyRow1 = [this] { // 12 kN at 1.5 m
        w->Row(1).OptionP->setChecked(true);
        w->Row(1).Edit_PL->setText("12");
        w->Row(1).Edit_Dist->setText("1.5");
        w->Row(1).Check->click();
    };
    applyRow1();
    const QImage loaded = w->Image_Beam->Picture.copy();
    ASSERT_NE(loaded, bare);
    const std::tuple<const char*, std::function<void()>, const QImage*> steps[] = {
        {"loadcase 2, where nothing is applied", [this] { w->Edit_Case->stepUp(); }, &bare},
        {"loadcase 1 again", [this] { w->Edit_Case->stepDown(); }, &loaded},
        {"row 1 taken off", [this] { w->Row(1).Check->click(); }, &bare},
        {"row 1 applied again", [this] { w->Row(1).Check->click(); }, &loaded},
        // The committed list has no load: "Cancel" goes back to it.
        {"Cancel and shown again",
         [this] {
             w->cmd_Cancel->click();
             ShowForm(w);
         },
         &bare},
        {"typed and applied on the form shown again", applyRow1, &loaded},
        {"Clear", [this] { w->cmd_Clear->click(); }, &cleared}};
    for (const auto& [step, act, expected] : steps) {
        act();
        EXPECT_TRUE(w->Image_Beam->Picture == *expected) << step;
        EXPECT_TRUE(kxtest::ShownAsDrawn(w->Image_Beam)) << step;
    }
}

// "Next >" of a beam whose section is not steel analyses at once; this beam has no section yet, so
// the analysis is refused and the beam form asks for one, while the main window shows the committed
// loads and beam it was told to draw.
TEST_F(LoadDataFrmTest, NextToAnAnalysisTheJobRefusesLeavesTheLoadsDrawnOnTheMainWindow) {
    TIndexFrm* main = Forms.IndexFrm;
    ASSERT_NE(Model.SteelSectionFlag, 1);
    // The main window is up before, with no load committed yet: its showing draws none.
    ShowForm(main);
    QApplication::processEvents();
    dialogs_->clear();
    w->cmd_Next->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{kSpecifySectionMessage});
    EXPECT_TRUE(main->isVisible() && Forms.KX_BeamFrm->isVisible());
    EXPECT_EQ(Model.LoadTable[1][1][lfApplied], 1.0f);
    kxtest::ExpectLoadsAndBeamDrawn(main);
}

TEST_F(LoadDataFrmTest, NextLeadsToTheEffectiveLengthsOrStaysOnARefusal) {
    Model.SteelSectionFlag = 1;
    for (QWidget* next : {Widget(Forms.SpanFrm), Widget(Forms.CantLHFrm)}) {
        Model.SpanData[kLHCantRow][mfExists] = next == Widget(Forms.CantLHFrm) ? 1.0f : 0.0f;
        Model.SpanData[kLHCantRow][mfL] = 1000;
        ShowForm(w);
        w->cmd_Next->click();
        EXPECT_TRUE(next->isVisible() && w->isHidden());
        if (next == Widget(Forms.SpanFrm)) {
            // The span form's sketch marks span 1, as the spinner moved back there marks it, and
            // not span 2.
            TSpanFrm* span = Forms.SpanFrm;
            ASSERT_EQ(span->Edit_Span->value(), 1);
            const QImage shown = span->Image_Spans->Picture.copy();
            span->Edit_Span->setValue(2);
            EXPECT_NE(span->Image_Spans->Picture, shown);
            span->Edit_Span->setValue(1);
            EXPECT_EQ(span->Image_Spans->Picture, shown);
        }
        next->hide();
    }
    // A refusal keeps the form open; Cancel goes back to the committed ticks.
    ShowForm(w);
    w->Row(5).OptionUDL->setChecked(true);
    w->Row(5).Edit_Dist->setText("6.5");
    w->Row(5).Edit_Cover->setText("0.6");
    w->Row(5).Check->click();
    dialogs_->clear();
    w->cmd_Next->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(dialogs_->messages().front(), "Load 5 extends past end of beam");
    w->cmd_Cancel->click();
    EXPECT_TRUE(w->isHidden());
    EXPECT_NE(Work.ApplyFlags[1][5], 1.0f);
}

TEST_F(LoadDataFrmTest, TheBeamCommitsCallsReachTheForm) {
    // Hiding the frame unticks the self-weight without reading the rows, which after Open show
    // the working list only from the next showing on (the commit takes the self-weight off).
    w->Check_Swt->click();
    Work.WorkLoads[1][lfP] = 5000;
    w->ShowSelfWeightFrame(false);
    EXPECT_TRUE(w->Frame_SWt->isHidden() && !w->Check_Swt->isChecked());
    EXPECT_EQ(Work.WorkLoads[1][lfP], 5000.0f);
    // The new beam and its length drawn.
    Model.SpanData[2][mfL] = 5000;
    Model.BeamLength = 8000;
    w->hide();
    w->DrawLoadFormBeam();
    EXPECT_EQ(w->lbl_Length->text(), "Length = 8.00 m");
    EXPECT_FALSE(w->lbl_Length->isHidden());
    // The caption sits centred under the picture: its text's middle within a few characters of
    // the picture's middle, 743 / 2 = 371 from the picture's left.
    const QLabel* length = w->lbl_Length;
    const int textLeft =
        length->x() + (length->alignment() & Qt::AlignHCenter
                           ? (length->width() - length->fontMetrics().horizontalAdvance(length->text())) / 2
                           : 0);
    const int textMiddle = textLeft + length->fontMetrics().horizontalAdvance(length->text()) / 2;
    EXPECT_NEAR(textMiddle - w->Image_Beam->x(), 371, 25);
    // File New empties the rows.
    w->Row(1).OptionP->setChecked(true);
    w->Row(1).Edit_PL->setText(QStringLiteral("12"));
    Forms.IndexFrm->New1->trigger();
    EXPECT_FALSE(w->Row(1).OptionP->isChecked());
    EXPECT_TRUE(w->Row(1).Edit_PL->text().isEmpty());
}

class LoadWiring : public LoadFormTest {
protected:
    void showAgain() {
        w->hide();
        ShowForm(w);
    }
    // The form shown and emptied, as "Clear" leaves it, with no message pending.
    void fresh() {
        ShowForm(w);
        w->cmd_ClearClick();
        dialogs_->clear();
    }
    // Row n typed as the user types it: "Point" clicked, then the load (kN) and its distance (m).
    void point(int n, const char* load, const char* dist) {
        w->Row(n).OptionP->click();
        w->Row(n).Edit_PL->setText(load);
        w->Row(n).Edit_Dist->setText(dist);
    }
    void doubleClick(int n) {
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->Row(n).Edit_No, &dbl);
    }
    // Which of row n's six edits show.
    std::vector<bool> layout(int n) const {
        const TLoadRow& r = w->Row(n);
        std::vector<bool> shown;
        for (QLineEdit* e : {r.Edit_PL, r.Edit_Dist, r.Edit_UDLS, r.Edit_UDLF, r.Edit_Cover, r.Edit_LF})
            shown.push_back(!e->isHidden());
        return shown;
    }
    // The controls of row n named by their stems.
    static std::vector<std::string> of(int n, std::vector<std::string> stems) {
        for (std::string& s : stems)
            s += std::to_string(n);
        return stems;
    }
};

const std::vector<std::string> kRowEdits = {"Edit_PL",   "Edit_Dist",  "Edit_UDLS",
                                            "Edit_UDLF", "Edit_Cover", "Edit_LF"};

// A state in which only what shows is checked.
kxtest::FormState Showing(std::string name, std::function<void()> enter, std::vector<std::string> shown,
                          std::vector<std::string> hidden) {
    return {std::move(name), std::move(enter), {}, {}, std::move(shown), std::move(hidden)};
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(LoadWiring, EachRowsTypeTheFactoredLoadsAndTheSectionDecideWhatShowsAndIsUsable) {
    const auto section = [this](const char* shape, const char* family) {
        return [this, shape, family] {
            Model.SectionShape = shape, Model.SectionFamilyCode = family;
            showAgain();
        };
    };
    const auto factored = [this](int32 flag, int n, bool point) {
        return [this, flag, n, point] {
            Model.FactoredLoadsFlag = flag;
            showAgain();
            (point ? w->Row(n).OptionP : w->Row(n).OptionUDL)->click();
        };
    };
    std::vector<kxtest::FormState> states = {
        {"first showing",
         {},
         {"Edit_LF", "Check_Swt"},
         {},
         {"Panel_1", "Panel_6", "Frame_SWt"},
         Join({"Panel_7", "Panel_50"}, of(1, kRowEdits))},
        // One empty row is offered below the last in use.
        Showing("row 6 typed", [this] { w->Row(6).OptionP->click(); }, {"Panel_7"}, {"Panel_8"}),
        Showing("Expand", [this] { w->Button4->click(); },
                of(50, {"Panel_", "Edit_Dist", "Edit_UDLS", "Edit_UDLF", "Edit_Cover"}), {"Edit_PL50"})};
    for (int n : {1, 25, 50}) {
        const std::string row = "row " + std::to_string(n);
        states.push_back(Showing(
            row + " Point", [this, n] { w->Row(n).OptionP->click(); },
            of(n, {"Edit_PL", "Edit_Dist", "Edit_LF"}), of(n, {"Edit_UDLS", "Edit_UDLF", "Edit_Cover"})));
        states.push_back(Showing(
            row + " UDL", [this, n] { w->Row(n).OptionUDL->click(); },
            of(n, {"Edit_Dist", "Edit_UDLS", "Edit_UDLF", "Edit_Cover", "Edit_LF"}), of(n, {"Edit_PL"})));
        states.push_back(Showing(
            row + " reset", [this, n] { doubleClick(n); }, {}, of(n, kRowEdits)));
    }
    const std::vector<kxtest::FormState> more = {
        {"factored loads off",
         factored(-1, 2, true),
         {},
         {"Edit_LF"},
         {"Edit_PL2", "Frame_SWt"},
         {"Edit_LF2"}},
        {"factored loads on", factored(1, 3, false), {"Edit_LF"}, {}, {"Edit_LF3"}, {}},
        Showing("a timber section", section("Timber", ""), {}, {"Frame_SWt"}),
        Showing("a scaffold tube", section("Tube", "Scaffold"), {}, {"Frame_SWt"}),
        Showing("a steel tube", section("Tube", "CHS"), {"Frame_SWt"}, {}),
        Showing(
            "Clear", [this] { w->cmd_Clear->click(); }, {"Panel_6"},
            Join({"Panel_7", "Panel_50"}, of(3, kRowEdits)))};
    states.insert(states.end(), more.begin(), more.end());
    kxtest::ExpectStates(w, states);
}

TEST_F(LoadWiring, EachButtonAndBoxDoesItsOwnStep) {
    QImage before;
    std::vector<bool> rowLayout;
    const auto expanded = [this] {
        fresh();
        w->Button4->click();
    };
    // Row 1 a 12 kN point load at 1.5 m, applied in loadcase 1.
    const auto applied = [this] {
        fresh();
        point(1, "12", "1.5");
        w->Row(1).Check->click();
    };
    std::vector<kxtest::ControlEffect> effects;
    for (int n : {1, 25, 50}) {
        const std::string no = std::to_string(n);
        const TLoadRow& r = w->Row(n);
        // A type lays its row out and reads nothing: the list learns it when the rows are read.
        for (bool pt : {true, false})
            effects.push_back({(pt ? "OptionP" : "OptionUDL") + no, expanded, [&r, n, pt] {
                                   EXPECT_EQ(r.Edit_PL->isHidden(), !pt);
                                   EXPECT_EQ(r.Edit_UDLS->isHidden(), pt);
                                   EXPECT_FALSE(r.Edit_Dist->isHidden() || r.Check->isChecked());
                                   EXPECT_EQ(Work.WorkLoads[n][lfKind], 0.0f);
                               }});
        // Apply on a typed row: the row read, the tick stored for the loadcase, the sketch redrawn;
        // the row keeps its type and layout.
        effects.push_back({"Check" + no,
                           [this, n, &before, &rowLayout, expanded] {
                               expanded();
                               point(n, "12", "1.5");
                               before = w->Image_Beam->Picture.copy();
                               rowLayout = layout(n);
                           },
                           [this, &r, n, &before, &rowLayout] {
                               EXPECT_TRUE(r.Check->isChecked());
                               EXPECT_EQ(Work.ApplyFlags[1][n], 1.0f);
                               const TLoadRec& load = Work.WorkLoads[n];
                               EXPECT_TRUE(load[lfKind] == 1 && load[lfP] == 12000 && load[lfDist] == 1500);
                               EXPECT_TRUE(r.OptionP->isChecked() && !r.OptionUDL->isChecked());
                               EXPECT_EQ(layout(n), rowLayout);
                               EXPECT_NE(w->Image_Beam->Picture, before) << "the sketch shows the load";
                               EXPECT_TRUE(dialogs_->messages().empty());
                           }});
        // Apply on a row without a type: the tick is taken off again and stored as not applied.
        effects.push_back({"Check" + no,
                           [this, n, &rowLayout, expanded] {
                               expanded();
                               rowLayout = layout(n);
                           },
                           [this, &r, n, &rowLayout] {
                               EXPECT_FALSE(r.Check->isChecked() || r.OptionP->isChecked() ||
                                            r.OptionUDL->isChecked());
                               EXPECT_EQ(Work.ApplyFlags[1][n], -1.0f);
                               EXPECT_EQ(layout(n), rowLayout);
                           }});
    }
    const TLoadRow& r1 = w->Row(1);
    const std::vector<kxtest::ControlEffect> commands = {
        // Apply checks the loads and says what is wrong; the self-weight's Apply does not, and
        // applies it in every loadcase.
        {"Check2", [this] { fresh(), point(2, "5", "-1"); },
         [this] { EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{loadmsg::kNegativeLengths}); }},
        {"Check_Swt", [this] { fresh(), point(2, "5", "-1"); },
         [this] {
             for (int lc = 1; lc <= kMaxLoadcases; ++lc)
                 EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], 1.0f) << lc;
             EXPECT_FALSE(w->Row(2).Check->isChecked());
             EXPECT_TRUE(dialogs_->messages().empty());
         }},
        // The spinner shows another loadcase's ticks over the same loads.
        {"Edit_Case", applied,
         [&r1] {
             // Only the load form's commit writes the committed loadcase.
             EXPECT_TRUE(LoadDataVars.WorkLoadcase == 2 && Model.CurrentLoadcase == 1);
             EXPECT_FALSE(r1.Check->isChecked());
             EXPECT_EQ(r1.Edit_PL->text(), "12");
             EXPECT_EQ(Work.ApplyFlags[1][1], 1.0f);
         },
         [this] { w->Edit_Case->stepUp(); }},
        {"Button4", [this] { fresh(); },
         [this] {
             EXPECT_EQ(LoadDataVars.WorkRowsShown, 50);
             EXPECT_FALSE(w->Row(50).Panel->isHidden() || w->Row(50).Edit_Cover->isHidden());
         }},
        // A double click on a row's number empties it and takes its tick off.
        {"Edit_01", applied,
         [&r1] {
             EXPECT_FALSE(r1.OptionP->isChecked() || r1.Check->isChecked());
             EXPECT_TRUE(r1.Edit_PL->text().isEmpty() && r1.Edit_PL->isHidden());
             EXPECT_EQ(Work.ApplyFlags[1][1], -1.0f);
         },
         [this] { doubleClick(1); }},
        // "Clear" empties the form and leaves the committed loads.
        {"cmd_Clear",
         [this, applied] {
             applied();
             w->Button4->click();
         },
         [this, &r1] {
             EXPECT_FALSE(r1.OptionP->isChecked());
             EXPECT_TRUE(r1.Edit_PL->text().isEmpty());
             EXPECT_EQ(Work.ApplyFlags[1][1], 0.0f);
             EXPECT_TRUE(w->Row(7).Panel->isHidden() && w->isVisible());
             EXPECT_EQ(Model.LoadTable[1][1][lfApplied], -1.0f);
         }},
        // "Cancel" goes back to the committed loads and hides.
        {"cmd_Cancel", applied,
         [this] {
             EXPECT_TRUE(w->isHidden());
             EXPECT_EQ(Work.ApplyFlags[1][1], -1.0f);
             EXPECT_EQ(Work.WorkLoads[1][lfKind], 0.0f);
         }},
        // "< Back" shows the beam form and keeps the working loads uncommitted.
        {"cmdBack", applied,
         [this] {
             EXPECT_TRUE(w->isHidden() && Forms.KX_BeamFrm->isVisible());
             EXPECT_EQ(Work.ApplyFlags[1][1], 1.0f);
             EXPECT_EQ(Model.LoadTable[1][1][lfApplied], -1.0f);
         }},
        // "Next >" commits the loads and goes on to the main window.
        {"cmd_Next", applied, [this] {
             EXPECT_TRUE(w->isHidden() && Forms.IndexFrm->isVisible());
             EXPECT_TRUE(Model.LoadTable[1][1][lfP] == 12000 && Model.LoadTable[1][1][lfApplied] == 1);
             EXPECT_TRUE(Model.CaseHasLoads[1] == 1 && Model.CaseHasLoads[2] == 0);
         }}};
    effects.insert(effects.end(), commands.begin(), commands.end());
    kxtest::ExpectEffects(w, effects);
}

// A row reset by a double click on its number is applied in no loadcase, whichever loadcase is
// shown: a new load typed there is committed only where it is ticked, the only load reset leaves
// no load applied, and on forkheads the emptied record's factor does not stand among the others.
TEST_F(LoadWiring, ARowResetIsAppliedInNoLoadcase) {
    struct Case {
        const char* name;
        int appliedIn, resetIn, newIn; // newIn 0: no new load typed
        bool forkheads;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"applied in 1, reset and typed anew in 2", 1, 2, 2, false, {}},
        {"applied in 5, reset and typed anew in 1", 5, 1, 1, false, {}},
        {"the only load applied in 1, reset in 2", 1, 2, 0, false, {loadmsg::kNoLoadsApplied}},
        {"the only load applied in 5, reset in 4", 5, 4, 0, false, {loadmsg::kNoLoadsApplied}},
        {"on forkheads, applied in 1 beside a load at 1.4, reset in 2", 1, 2, 0, true, {}},
        {"on forkheads, applied in 5 beside a load at 1.4, reset in 3", 5, 3, 0, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model.SupportType[1] = c.forkheads ? supForkhead : supFixed;
        fresh();
        w->Edit_Case->setValue(c.appliedIn);
        point(1, "12", "1.5");
        w->Row(1).Edit_LF->setText("1.4");
        w->Row(1).Check->click();
        if (c.forkheads) {
            point(2, "8", "2");
            w->Row(2).Edit_LF->setText("1.4");
            w->Row(2).Check->click();
        }
        w->Edit_Case->setValue(c.resetIn);
        doubleClick(1);
        if (c.newIn != 0) {
            w->Edit_Case->setValue(c.newIn);
            point(1, "20", "3");
            w->Row(1).Check->click();
        }
        dialogs_->clear();
        w->cmd_Next->click();
        if (!c.messages.empty()) {
            EXPECT_EQ(dialogs_->messages(), c.messages);
            EXPECT_TRUE(w->isVisible());
            continue;
        }
        EXPECT_TRUE(w->isHidden()) << (dialogs_->messages().empty() ? "" : dialogs_->messages().front());
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            EXPECT_EQ(Model.LoadTable[lc][1][lfApplied] == 1.0f, lc == c.newIn) << lc;
            EXPECT_EQ(Model.LoadTable[lc][2][lfApplied] == 1.0f, c.forkheads && lc == c.appliedIn) << lc;
        }
        if (c.newIn != 0) {
            EXPECT_EQ(Model.LoadTable[c.newIn][1][lfP], 20000.0f);
        }
    }
}

// Factored loads turned off in the preferences while the load form is open, or after its loads
// were committed: the factor edits hide at once and every factor becomes 1.0 with the beam form's
// message; on again, each edit shows the factor committed.
TEST_F(LoadWiring, TheFactorEditsFollowTheFactoredLoadsSettingAndNoFactorIsDroppedUnsaid) {
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    auto factored = [&](bool on) {
        ShowForm(prefs);
        prefs->Check_Factor->setChecked(on);
        prefs->Button2->click();
    };
    for (bool committed : {false, true}) {
        SCOPED_TRACE(committed ? "committed at 1.5" : "typed at 1.5");
        factored(true);
        fresh();
        point(1, "12", "1.5");
        w->Row(1).Edit_LF->setText("1.5");
        w->Row(1).Check->click();
        if (committed) {
            w->cmd_Next->click();
            ASSERT_EQ(Model.LoadTable[1][1][lfLF], 1.5f);
            Forms.IndexFrm->Loads1->trigger();
            ASSERT_TRUE(w->isVisible());
        }
        dialogs_->clear();
        factored(false);
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kFactorsReset});
        EXPECT_TRUE(w->Row(1).Edit_LF->isHidden());
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            EXPECT_EQ(Model.LoadTable[lc][1][lfLF], 1.0f) << lc;

        // Committed with factored loads off, then on again: the edit shows what was committed.
        w->cmd_Next->click();
        EXPECT_EQ(Model.LoadTable[1][1][lfLF], 1.0f);
        dialogs_->clear();
        factored(true);
        EXPECT_TRUE(dialogs_->messages().empty());
        Forms.IndexFrm->Loads1->trigger();
        ASSERT_FALSE(w->Row(1).Edit_LF->isHidden());
        EXPECT_EQ(ReadNumber(FromQt(w->Row(1).Edit_LF->text()), NumberPolicy::ZeroWhenNotANumber), 1.0);
        w->cmd_Next->click();
        EXPECT_EQ(Model.LoadTable[1][1][lfLF], 1.0f);
    }
}

// "< Back" and the form shown again keep every row as typed, whether typed since the last Apply
// tick or never ticked, in loadcase 1 or loadcase 5; "Cancel" still brings back the committed loads.
TEST_F(LoadWiring, BackKeepsWhatWasTyped) {
    for (int lc : {1, 5}) {
        SCOPED_TRACE(lc);
        fresh();
        w->Edit_Case->setValue(lc);
        point(1, "10", "1.5");
        w->Row(1).Check->click();
        w->Row(1).Edit_PL->setText("20");    // corrected after the tick
        point(2, "7", "2");                  // a new row, not ticked
        w->Row(2).Edit_Dist->setText("2 m"); // not a number: Next refuses it, Back keeps it
        w->cmdBack->click();
        EXPECT_TRUE(dialogs_->messages().empty());
        ASSERT_TRUE(w->isHidden());
        Forms.IndexFrm->Loads1->trigger();
        EXPECT_EQ(w->Row(1).Edit_PL->text(), "20");
        EXPECT_TRUE(w->Row(2).OptionP->isChecked() && !w->Row(2).Check->isChecked());
        EXPECT_EQ(w->Row(2).Edit_PL->text(), "7");
        EXPECT_EQ(w->Row(2).Edit_Dist->text(), "2 m");
        w->Row(2).Edit_Dist->setText("2");
        w->cmd_Next->click();
        EXPECT_EQ(Model.LoadTable[lc][1][lfP], 20000.0f);
        EXPECT_EQ(Model.LoadTable[lc][1][lfApplied], 1.0f);
        EXPECT_EQ(Model.LoadTable[lc][2][lfP], 7000.0f);
        EXPECT_EQ(Model.LoadTable[lc][2][lfDist], 2000.0f);
        EXPECT_NE(Model.LoadTable[lc][2][lfApplied], 1.0f);

        // Typed, Back, shown again and cancelled: the committed 20 kN again.
        Forms.IndexFrm->Loads1->trigger();
        w->Row(1).Edit_PL->setText("30");
        w->cmdBack->click();
        Forms.IndexFrm->Loads1->trigger();
        EXPECT_EQ(w->Row(1).Edit_PL->text(), "30");
        w->cmd_Cancel->click();
        ShowForm(w);
        EXPECT_EQ(w->Row(1).Edit_PL->text(), "20.00");
        w->hide();
    }
}

} // namespace
