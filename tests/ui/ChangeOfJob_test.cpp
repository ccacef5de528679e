// What a change of job, or of the factored-loads setting, leaves of the job that was: the
// effective-length and timber section windows take nothing of it into the next job, and results
// found with load factors that no longer stand are neither shown nor saved nor printed.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "WiringTables.h"
#include "engine/AnalysedJob.h"
#include "engine/BeamBuilder.h"
#include "foundation/JobChecks.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "input/Cantilever.h"
#include "input/FormTestSupport.h"
#include "input/KX_Beam.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "platform/QtDialogs.h"
#include "window/FileCommands.h"
#include "window/IndexJobs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

using Texts = std::vector<std::string>;

class ChangeOfJob : public FormsTest {
protected:
    TIndexFrm* main() const { return Forms.IndexFrm; }
    void open(const std::string& path) {
        dialogs_->fileAnswers.push_back(path);
        main()->Open1->trigger();
    }
    void factoredLoads(bool on) {
        TPreferencesFrm* prefs = Forms.PreferencesFrm;
        ShowForm(prefs);
        prefs->Check_Factor->setChecked(on);
        prefs->Button2->click();
    }
    TempDir jobs_;
};

// A checked beam through the wizard with an option chosen on the span or a cantilever form; File
// New; a new checked beam of other lengths, on whose form the user clicks the same option. The
// click works the length out for the new beam, and Next takes it without asking for the option
// again: 0.85 L of a 6000 mm span is 5100 mm; a restrained cantilever has none.
TEST_F(ChangeOfJob, AnOptionChosenBeforeFileNewWorksWhenClickedOnTheNewBeam) {
    struct Row {
        const char* form;
        std::function<QWidget*()> window;
        int row; // of the member the form is for
        const char* option;
        const char* factorText;
        const char* committedText; // as each form commits it today
        float lengthMm;
    };
    const Row rows[] = {
        {"span", [] { return Forms.SpanFrm; }, 1, "Option_Full", "0.85L", "0.85L", 5100},
        {"LH cantilever", [] { return Forms.CantLHFrm; }, kLHCantRow, "Option_Restrained", "Restrained",
         "Fully Restrained", 0},
        {"RH cantilever", [] { return Forms.CantRHFrm; }, kRHCantRow, "Option_Restrained", "Restrained",
         "Restrained", 0},
    };
    auto checkedBeam = [](double cantilever, double span) {
        test::BeamBuilder()
            .LHCantilever(cantilever)
            .Spans({span})
            .RHCantilever(cantilever)
            .Udl(1, 0, 5, static_cast<float>(span + 2 * cantilever))
            .Commit();
        SetDefaultUnits(Model);
        test::UseUB127OnEveryMember();
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.form);
        ResetProgramState();
        checkedBeam(1500, 5000);
        QWidget* w = r.window();
        w->show();
        kxtest::Click(w, r.option);
        ASSERT_TRUE(kxtest::Button(w, r.option)->isChecked());
        kxtest::Click(w, "cmd_Next");
        w->hide();

        main()->New1->trigger();
        checkedBeam(1000, 6000);
        dialogs_->clear();
        w->show(); // as the step before it shows it
        kxtest::Click(w, r.option);
        EXPECT_EQ(FromQt(w->findChild<QLabel*>(QStringLiteral("lbl_Lf"))->text()), r.factorText);
        kxtest::Click(w, "cmd_Next");
        // Nothing asks for the option again (the last form may still ask for members not shown).
        for (const std::string& m : dialogs_->messages())
            EXPECT_EQ(m.find("changed"), std::string::npos) << m;
        EXPECT_EQ(Model.EffLengthText[r.row].str(), r.committedText);
        EXPECT_NEAR(Model.EffLength[r.row][0], r.lengthMm, 0.01);
        for (QWidget* f : FormsInCreationOrder())
            if (f != Widget(Forms.Form1)) f->hide();
    }
}

// Factored loads turned off in the preferences with a job analysed: when a committed factor was
// other than 1.0 (1.4 here), it becomes 1.0 with the message; either way the results found with
// factored loads go (their texts name factored values): lists emptied, Save and Print unusable.
TEST_F(ChangeOfJob, FactoredLoadsTurnedOffClearTheResultsOfFactorsThatChanged) {
    struct Row {
        float factor;
        bool reset;
    };
    for (const Row& r : {Row{1.4f, true}, Row{1.0f, false}}) {
        SCOPED_TRACE(r.factor);
        const std::string path = jobs_.path(r.reset ? "factored.kxf" : "unfactored.kxf");
        test::BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000, r.factor).Commit();
        kxtest::AnalyseCommitted(1);
        WriteBeamFile(path);
        ResetProgramState();

        main()->show();
        open(path);
        factoredLoads(true);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        ASSERT_GT(main()->List_Results->count(), 0);
        ASSERT_TRUE(main()->Save1->isEnabled());
        dialogs_->clear();

        factoredLoads(false);
        EXPECT_EQ(dialogs_->messages(), r.reset ? Texts{beammsg::kFactorsReset} : Texts{});
        EXPECT_EQ(Model.LoadTable[1][1][lfLF], 1.0f);
        EXPECT_FALSE(ResultsStand());
        EXPECT_EQ(main()->List_Results->count() + main()->List_CaseResults->count(), 0);
        for (QAction* a : {main()->Save1, main()->SaveAs1, main()->Print1})
            EXPECT_FALSE(a->isEnabled()) << FromQt(a->objectName());
    }
}

// The span, cantilever and timber section forms left open over File New or File Open of a job of
// two spans, after a job of four whose third span was shown: none stays open on the job that was,
// and none commits anything of it.
TEST_F(ChangeOfJob, AFormLeftOpenOverNewOrOpenCommitsNothingOfTheJobThatWas) {
    const std::string four = jobs_.path("four.kxf");
    const std::string two = jobs_.path("two.kxf");
    kxtest::WriteJob(test::BeamBuilder()
                         .LHCantilever(1000)
                         .Spans({3000, 4000, 5000, 6000})
                         .RHCantilever(1200)
                         .Udl(1, 0, 5, 20200),
                     four);
    kxtest::WriteJob(
        test::BeamBuilder().LHCantilever(800).Spans({2000, 2500}).RHCantilever(900).Udl(1, 0, 5, 6200), two);
    struct Form {
        const char* name;
        std::function<QWidget*()> window;
        const char* commit; // the button that commits it
    };
    const Form forms[] = {
        {"span", [] { return Forms.SpanFrm; }, "cmd_Next"},
        {"LH cantilever", [] { return Forms.CantLHFrm; }, "cmd_Next"},
        {"RH cantilever", [] { return Forms.CantRHFrm; }, "cmd_Next"},
        {"timber section", [] { return Forms.TimSectFrm; }, "cmd_OK"},
    };
    // What a commit of these forms reaches: the effective lengths, and the beam form's section.
    auto committed = [] {
        return std::tuple{Model.EffLength,
                          Model.RestraintPos,
                          Model.EffLengthText,
                          Model.AnySpanIntervals,
                          Work.TimberWidth,
                          Work.TimberDepth,
                          FromQt(Forms.KX_BeamFrm->lbl_S01_Desc->text())};
    };
    for (const Form& f : forms)
        for (bool isNew : {true, false}) {
            SCOPED_TRACE(std::string(f.name) + (isNew ? " over File New" : " over File Open"));
            main()->show();
            open(four);
            QWidget* w = f.window();
            w->show();
            if (w == Widget(Forms.SpanFrm)) Forms.SpanFrm->Edit_Span->setValue(3);
            dialogs_->clear();

            if (isNew)
                main()->New1->trigger();
            else
                open(two);
            const auto after = committed();
            EXPECT_FALSE(w->isVisible());
            if (w->isVisible()) kxtest::Click(w, f.commit); // what a user could then do
            EXPECT_TRUE(committed() == after);
            for (QWidget* x : FormsInCreationOrder())
                if (x != Widget(Forms.Form1)) x->hide();
        }
}

} // namespace
