// What an input window leaves behind when its "Next >" is not pressed: a choice made on the span
// or a cantilever window and left by Cancel, "< Back" or the close box, a window merely shown, and
// File New change nothing of the committed job; the analysis then asks for the choice again.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "engine/AnalysedJob.h"
#include "foundation/JobChecks.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "window/KxfFile.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

using Texts = std::vector<std::string>;

// The steps are public: the rows of the tables take them.
class UncommittedChoice : public FormSteps {
public:
    void SetUp() override {
        FormSteps::SetUp();
        left = Forms.CantLHFrm;
        span = Forms.SpanFrm;
        right = Forms.CantRHFrm;
        ShowForm(main); // writes the section files the beam form reads
    }

    // 2 kN/m over the whole beam in loadcase 1.
    void udl(const char* cover) {
        Udl(1, "0", "2", "2", cover);
        Apply(1, {1});
    }
    // Both cantilevers: continuous with lateral and torsional restraint, the end restrained
    // laterally and torsionally, normal loading: 0.7 L.
    static void cantileverChoice(TCantileverFrm* f) {
        for (QRadioButton* o : {f->Option_Support_Both, f->Option_End_Both, f->Option_Normal})
            o->click();
    }
    // A 1.5 m LH cantilever, spans of 4 m and 4 m and a 1.5 m RH cantilever of 127 x 76 UB 13
    // checked to BS 5975 under 2 kN/m, entered through the wizard and analysed: the cantilevers at
    // 0.7 L (1050 mm), both spans by the span option given (applied to all spans).
    void enterJob(const char* spanOption) {
        ASSERT_NO_FATAL_FAILURE(NewBeam(2, true, true));
        ASSERT_NO_FATAL_FAILURE(Lengths({"1.5", "4", "4", "1.5"}));
        ASSERT_NO_FATAL_FAILURE(Section("127 x 76 UB 13"));
        beam->Option_Check->click();
        beam->cmdNext->click();
        udl("11");
        loads->cmd_Next->click();
        ASSERT_TRUE(left->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        cantileverChoice(left);
        left->cmd_Next->click();
        span->Edit_Span->setValue(1);
        click(span, spanOption);
        span->cmd_All->click();
        span->cmd_Next->click();
        cantileverChoice(right);
        right->cmd_Next->click();
        ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
        dialogs_->clear();
    }
    static void click(QWidget* w, const char* name) {
        QAbstractButton* b = w->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    // Input > Beam, the lengths typed or a section picked, "Next >": committed with the beam.
    void changeBeam(const std::function<void()>& change) {
        main->Beam1->trigger();
        change();
        beam->cmdNext->click();
        ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    }
    void analyse() {
        dialogs_->clear();
        Analyse();
    }
    void nextToTheAnalysis() {
        for (int step = 0; step < 6; ++step) {
            if (loads->isVisible())
                loads->cmd_Next->click();
            else if (left->isVisible())
                left->cmd_Next->click();
            else if (span->isVisible())
                span->cmd_Next->click();
            else if (right->isVisible())
                right->cmd_Next->click();
            else
                return;
        }
        FAIL() << "the wizard did not reach the analysis";
    }
    void hideInputForms() {
        for (QWidget* w : std::vector<QWidget*>{beam, loads, left, span, right})
            w->hide();
    }
    // The committed job as the beam file would hold it.
    static std::vector<std::uint8_t> committed() { return WriteKxfFile(); }

    TCantLHFrm* left = nullptr;
    TSpanFrm* span = nullptr;
    TCantRHFrm* right = nullptr;
};

std::string changedSpan(int s) {
    const std::string n = std::to_string(s);
    return " Span " + n + " length has been changed\r goto span " + n +
           " and re-select option.\r (it may be necessary to de-select it first)";
}
std::string changedCantilever(const char* end) {
    return std::string(" ") + end +
           " length has been changed\r re-select option.\r (it may be necessary to de-select it first)";
}

// A member changed on the beam form and committed; on an effective-length window a choice is made
// for it and not committed (Cancel, or "< Back" and Cancel on the load form). Analyse refuses with
// the window's message instead of checking the member with the effective length of what it was;
// "Next >" through the windows then checks it with the length worked out by hand (table A1's
// factors: 0.85 L; 1.2 L + 2D; 0.7 L).
TEST_F(UncommittedChoice, AnEffectiveLengthNotCommittedIsAskedForAgainByAnalyse) {
    struct Row {
        const char* what;
        const char* spanOption;
        std::function<void(UncommittedChoice&)> change; // on the beam form, then the load form's Next
        std::function<void(UncommittedChoice&)> leave;  // the choice made and left uncommitted
        std::string refusal;
        std::function<void(UncommittedChoice&)> chooseAgain; // before Next through to the analysis
        int row;
        double le; // mm, by hand
    };
    const Row rows[] = {
        // 0.85 x 6000 = 5100 mm, not the 3400 of 4 m.
        {"span 2 lengthened to 6 m; Apply to all spans, Cancel", "Option_Full",
         [](UncommittedChoice& t) {
             t.Lengths({"1.5", "4", "6", "1.5"});
         },
         [](UncommittedChoice& t) {
             t.left->cmd_Next->click();
             t.span->cmd_All->click();
             t.span->cmd_Cancel->click();
         },
         changedSpan(2), [](UncommittedChoice&) {}, 2, 5100},
        {"span 2 lengthened to 6 m; Apply to all spans, < Back twice, Cancel on the load form", "Option_Full",
         [](UncommittedChoice& t) {
             t.Lengths({"1.5", "4", "6", "1.5"});
         },
         [](UncommittedChoice& t) {
             t.left->cmd_Next->click();
             t.span->cmd_All->click();
             t.span->cmd_Back->click();
             t.left->cmd_Back->click();
             t.loads->cmd_Cancel->click();
         },
         changedSpan(2), [](UncommittedChoice&) {}, 2, 5100},
        // 1.2 x 4000 + 2 x 251.4 = 5302.8 mm for 254 x 146 UB 31, not 4800 + 2 x 127 = 5054.
        {"a deeper section under 1.2L + 2D; Apply to all spans, Cancel", "Option_Pos",
         [](UncommittedChoice& t) { t.Section("254 x 146 UB 31"); },
         [](UncommittedChoice& t) {
             t.left->cmd_Next->click();
             t.span->cmd_All->click();
             t.span->cmd_Cancel->click();
         },
         changedSpan(1), [](UncommittedChoice&) {}, 1, 5302.8},
        // 0.7 x 3000 = 2100 mm, not 0.7 x 1500 = 1050.
        {"RH cantilever lengthened to 3 m; an option, Cancel", "Option_Full",
         [](UncommittedChoice& t) {
             t.Lengths({"1.5", "4", "4", "3"});
         },
         [](UncommittedChoice& t) {
             t.left->cmd_Next->click();
             t.span->cmd_Next->click();
             t.right->Option_Destabilizing->click();
             t.right->cmd_Cancel->click();
         },
         changedCantilever("RHC"), [](UncommittedChoice& t) { t.right->Option_Normal->click(); }, kRHCantRow,
         2100},
        // 0.7 x 2000 = 1400 mm.
        {"LH cantilever lengthened to 2 m; an option, < Back, Cancel on the load form", "Option_Full",
         [](UncommittedChoice& t) {
             t.Lengths({"2", "4", "4", "1.5"});
         },
         [](UncommittedChoice& t) {
             t.left->Option_Destabilizing->click();
             t.left->cmd_Back->click();
             t.loads->cmd_Cancel->click();
         },
         changedCantilever("LHC"), [](UncommittedChoice& t) { t.left->Option_Normal->click(); }, kLHCantRow,
         1400},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ASSERT_NO_FATAL_FAILURE(enterJob(r.spanOption));
        ASSERT_NO_FATAL_FAILURE(changeBeam([&] { r.change(*this); }));
        loads->cmd_Next->click();
        ASSERT_TRUE(left->isVisible());
        r.leave(*this);
        const std::vector<std::uint8_t> before = committed();

        analyse();
        EXPECT_EQ(dialogs_->messages(), Texts{r.refusal});
        EXPECT_FALSE(ResultsStand()); // the results before the change are of another job
        EXPECT_TRUE(committed() == before);

        r.chooseAgain(*this);
        dialogs_->clear();
        nextToTheAnalysis();
        EXPECT_EQ(dialogs_->messages(), Texts{});
        EXPECT_EQ(Model.AnalysedFlag, 1);
        EXPECT_NEAR(Model.EffLength[r.row][0], r.le, 0.01);
        hideInputForms();
    }
}

// Each way out of an input window without its "Next >", after a change on it, leaves the committed
// job as the beam file would save it byte for byte. The job's members were lengthened and
// committed first, so that every effective length waits to be chosen again; the cantilever rows
// after Open are those whose first showing works the file's choices out again.
TEST_F(UncommittedChoice, EveryWayOutWithoutNextLeavesTheCommittedJobAsItWas) {
    struct Row {
        const char* what;
        bool opened; // the job saved, opened, then lengthened
        std::function<void(UncommittedChoice&)> act;
        std::string refusal; // of Analyse afterwards
    };
    const Row rows[] = {
        {"LH cantilever: an option, Cancel", false,
         [](UncommittedChoice& t) {
             t.left->Option_Destabilizing->click();
             t.left->cmd_Cancel->click();
         },
         changedCantilever("LHC")},
        {"LH cantilever: fully restrained, < Back, Cancel on the load form", false,
         [](UncommittedChoice& t) {
             t.left->Option_Restrained->click();
             t.left->cmd_Back->click();
             t.loads->cmd_Cancel->click();
         },
         changedCantilever("LHC")},
        {"LH cantilever: an option, close box", false,
         [](UncommittedChoice& t) {
             t.left->Option_Destabilizing->click();
             t.left->close();
         },
         changedCantilever("LHC")},
        {"spans: Apply to all spans, Cancel", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             ShowForm(t.span);
             t.span->cmd_All->click();
             t.span->cmd_Cancel->click();
         },
         changedCantilever("LHC")},
        {"spans: an option, < Back", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             ShowForm(t.span);
             t.span->Option_Partial->click();
             t.span->cmd_Back->click();
             t.left->hide();
         },
         changedCantilever("LHC")},
        {"spans: an option, close box", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             ShowForm(t.span);
             t.span->Option_Not->click();
             t.span->close();
         },
         changedCantilever("LHC")},
        {"RH cantilever: an option, < Back", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             ShowForm(t.right);
             t.right->Option_Destabilizing->click();
             t.right->cmd_Back->click();
             t.span->hide();
         },
         changedCantilever("LHC")},
        {"RH cantilever: an option, close box", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             ShowForm(t.right);
             t.right->Option_Restrained->click();
             t.right->close();
         },
         changedCantilever("LHC")},
        {"the beam form shown, Cancel", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             t.main->Beam1->trigger();
             t.beam->cmdCancel->click();
         },
         changedCantilever("LHC")},
        {"the load form's loadcase 2 shown, Cancel", false,
         [](UncommittedChoice& t) {
             t.left->hide();
             t.main->Loads1->trigger();
             t.loads->Edit_Case->setValue(2);
             t.loads->cmd_Cancel->click();
         },
         changedCantilever("LHC")},
        // Shown by Analyse at the member it asks about: its first showing since Open works the
        // file's choice out again for the new length, which only its "Next >" may commit.
        {"after Open, the LH cantilever shown by Analyse, Cancel", true,
         [](UncommittedChoice& t) {
             t.analyse();
             ASSERT_TRUE(t.left->isVisible());
             t.left->cmd_Cancel->click();
         },
         changedCantilever("LHC")},
        {"after Open, the RH cantilever shown by Analyse, Cancel", true,
         [](UncommittedChoice& t) {
             t.analyse();
             ASSERT_TRUE(t.right->isVisible());
             t.right->cmd_Cancel->click();
         },
         changedCantilever("RHC")},
    };
    const std::string path = (std::filesystem::path(StartDir) / "job.kxf").string();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ASSERT_NO_FATAL_FAILURE(enterJob("Option_Full"));
        if (r.opened) {
            SaveAs(path);
            Open(path);
            ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
        }
        // Every member lengthened; after Open only the cantilever whose window the row shows.
        std::vector<const char*> longer = {"2", "5", "5", "2"};
        if (r.opened)
            longer = r.refusal == changedCantilever("LHC") ? std::vector<const char*>{"2", "4", "4", "1.5"}
                                                           : std::vector<const char*>{"1.5", "4", "4", "2"};
        ASSERT_NO_FATAL_FAILURE(changeBeam([&] { Lengths(longer); }));
        if (r.opened)
            loads->cmd_Cancel->click();
        else
            loads->cmd_Next->click();
        dialogs_->clear();

        const std::vector<std::uint8_t> before = committed();
        r.act(*this);
        EXPECT_TRUE(committed() == before);

        hideInputForms();
        analyse();
        EXPECT_EQ(dialogs_->messages(), Texts{r.refusal});
        EXPECT_FALSE(ResultsStand()); // the results before the change are of another job
        hideInputForms();
    }
}

// Job A gives span 1 a typed effective length, spans restrained at intervals and both cantilevers
// their options, and is analysed; File New clears every effective-length field, so that job B
// (6 m of 127 x 76 UB 13 under 2 kN/m, checked to BS 5975), with "Span Fully Restrained" clicked
// and cancelled, is refused by Analyse instead of being checked with Le = 0 (by hand its ratio is
// 1.68: it does not comply).
TEST_F(UncommittedChoice, FileNewClearsEveryEffectiveLengthOfTheJobThatWas) {
    ASSERT_NO_FATAL_FAILURE(enterJob("Option_Full"));
    ShowForm(span);
    span->Edit_Span->setValue(1);
    dialogs_->inputAnswers.push_back("3");
    span->Option_Edit->click();
    span->Edit_Span->setValue(2);
    span->Option_Int->click();
    span->cmd_OK->click();
    span->cmd_Next->click();
    right->cmd_Next->click();
    ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
    ASSERT_TRUE(Model.SpanOptEdit[1] == 1 && Model.AnySpanIntervals == 1);

    main->New1->trigger();
    const SharedModel blank;
    EXPECT_TRUE(Model.EffLength == blank.EffLength && Model.RestraintPos == blank.RestraintPos &&
                Model.EffLengthText == blank.EffLengthText &&
                Model.EffLengthMemberLength == blank.EffLengthMemberLength);
    EXPECT_TRUE(Model.CantLHOpts == blank.CantLHOpts && Model.CantRHOpts == blank.CantRHOpts);
    EXPECT_EQ(Model.AnySpanIntervals, 0);
    for (const SpanFlags* f :
         {&Model.SpanOptPos, &Model.SpanOptDead, &Model.SpanOptFull, &Model.SpanOptPartial, &Model.SpanOptNot,
          &Model.SpanOpt12, &Model.SpanOptRestrained, &Model.SpanOptEdit, &Model.SpanOptInt})
        EXPECT_TRUE(*f == SpanFlags{});

    ASSERT_NO_FATAL_FAILURE(Lengths({"6"}));
    ASSERT_NO_FATAL_FAILURE(Section("127 x 76 UB 13"));
    beam->Option_Check->click();
    beam->cmdNext->click();
    udl("6");
    loads->cmd_Next->click();
    ASSERT_TRUE(span->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    span->Option_Restrained->click();
    span->cmd_Cancel->click();
    analyse();
    EXPECT_EQ(dialogs_->messages(), Texts{" Effective length not selected for span 1"});
    EXPECT_FALSE(ResultsStand()); // none of the job before New
}

} // namespace
