// The input forms walked as a user walks them: on every form, every kind of change left by every
// way out. Only a commit changes the job the beam file would save; results stand only for the job
// they came from; Analyse refuses what the forms' "Next >" refuses, with the same message.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "foundation/JobChecks.h"
#include "foundation/SharedModel.h"
#include "foundation/ui/Preferences.h"
#include "input/BeamMessages.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "window/KxfFile.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

using Image = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

// The two places the walk looks past the forms: the job as File > Save would write it, and
// whether results are on offer (listed, and Print usable; Save is greyed while the beam form is
// shown, whatever the results).
Image Committed() { return WriteKxfFile(); }
// Where two images first differ, for the failure message.
std::string FirstDifference(const Image& a, const Image& b) {
    const auto d = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return " (sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) +
           ", first difference at byte " + std::to_string(d.first - a.begin()) + ")";
}

bool ResultsShown() {
    const TIndexFrm* m = Forms.IndexFrm;
    return m->List_Results->count() > 0 && m->Print1->isEnabled();
}

const std::string kSpan2Changed =
    " Span 2 length has been changed\r goto span 2 and re-select option.\r (it may be necessary to "
    "de-select it first)";

const std::string kRHCChanged =
    " RHC length has been changed\r re-select option.\r (it may be necessary to de-select it first)";

enum Way { Next, Back, Cancel, Close, FileNew, FileOpen };
const char* const kWayNames[] = {"Next", "< Back", "Cancel", "close box", "File > New", "File > Open"};

class Walk : public FormSteps {
public:
    void SetUp() override {
        FormSteps::SetUp();
        main->show();
        dialogs_->confirmAnswers.assign(8, true);
    }

    // --- the user's steps, beyond the shared ones ---
    // File > New with every member's length typed (the spans counted from them).
    void NewBeam(bool lhc, const std::vector<const char*>& lengths, bool rhc) {
        main->New1->trigger();
        if (lhc) beam->Check_LHC->click();
        if (rhc) beam->Check_RHC->click();
        const int spans = static_cast<int>(lengths.size()) - (lhc ? 1 : 0) - (rhc ? 1 : 0);
        beam->Edit_Spans->setValue(spans);
        Lengths(lengths);
    }
    // "Next >" on the effective-length forms, each member restrained as given, up to the analysis.
    void ChooseAndAnalyse(QRadioButton* spanOption = nullptr) {
        if (Forms.CantLHFrm->isVisible()) {
            Forms.CantLHFrm->Option_Restrained->click();
            Forms.CantLHFrm->cmd_Next->click();
        }
        if (Forms.SpanFrm->isVisible()) {
            (spanOption ? spanOption : Forms.SpanFrm->Option_Full)->click();
            Forms.SpanFrm->cmd_All->click();
            Forms.SpanFrm->cmd_Next->click();
        }
        if (Forms.CantRHFrm->isVisible()) {
            Forms.CantRHFrm->Option_Restrained->click();
            Forms.CantRHFrm->cmd_Next->click();
        }
    }
    void FactoredLoads(bool on) {
        main->Units1->trigger();
        Forms.PreferencesFrm->Check_Factor->setChecked(on);
        Forms.PreferencesFrm->Button2->click();
    }
    bool Asked(const char* question) {
        return std::any_of(
            dialogs_->shown.begin(), dialogs_->shown.end(),
            [&](const ScriptedDialogs::Shown& s) { return s.kind == "confirm" && s.text == question; });
    }

    // A 1.5 m LH cantilever, spans of 4 and 4 m and a 1.5 m RH cantilever of 127 x 76 UB 13
    // checked to BS 5975, 2 kN/m over the 11 m, every member restrained: entered, analysed, saved.
    void WalkJob() {
        NewBeam(true, {"1.5", "4", "4", "1.5"}, true);
        Section("127 x 76 UB 13");
        beam->Option_Check->click();
        beam->cmdNext->click();
        Udl(1, "0", "2", "2", "11");
        Apply(1, {1});
        loads->cmd_Next->click();
        ChooseAndAnalyse();
        ASSERT_TRUE(ResultsShown()) << ::testing::PrintToString(dialogs_->messages());
        SaveAs(dir_.path("walk.kxf"));
    }

    std::string Path(const char* name) { return dir_.path(name); }
};

// One change made on a form, and what its commit is to give.
struct Change {
    const char* what;
    std::function<void(Walk&)> make; // nullptr: the form left as shown
    std::function<void()> committed; // what its "Next >" commits, checked on the job
    const char* analyse = nullptr;   // Analyse's refusal after that commit; nullptr: analysed
    const char* refused = nullptr;   // the refusal of its "Next >", which commits nothing
    bool changesJob = true;          // false: what its Next commits is the job as it was
};
// One form of the walk: how the user reaches it from the opened job, and its changes.
struct Form {
    const char* name;
    std::function<void(Walk&)> reach;
    std::function<QWidget*()> window;
    std::vector<Change> changes;
    bool hasBack;
    bool reachChanges = false; // reaching it is itself a change (the timber choice)
};

// The buttons of each way out, as each form names them.
struct Buttons {
    QAbstractButton *next, *back, *cancel;
};
Buttons ButtonsOf(QWidget* form) {
    if (form == Widget(Forms.KX_BeamFrm))
        return {Forms.KX_BeamFrm->cmdNext, nullptr, Forms.KX_BeamFrm->cmdCancel};
    if (form == Widget(Forms.LoadDataFrm))
        return {Forms.LoadDataFrm->cmd_Next, Forms.LoadDataFrm->cmdBack, Forms.LoadDataFrm->cmd_Cancel};
    if (form == Widget(Forms.SpanFrm))
        return {Forms.SpanFrm->cmd_Next, Forms.SpanFrm->cmd_Back, Forms.SpanFrm->cmd_Cancel};
    TCantileverFrm* c = form == Widget(Forms.CantLHFrm) ? static_cast<TCantileverFrm*>(Forms.CantLHFrm)
                                                        : static_cast<TCantileverFrm*>(Forms.CantRHFrm);
    return {c->cmd_Next, c->cmd_Back, c->cmd_Cancel};
}

// True while the wizard is still on one of its forms (a Next that ran the analysis leaves none).
bool InputFormShown() {
    for (QWidget* w : {Widget(Forms.KX_BeamFrm), Widget(Forms.LoadDataFrm), Widget(Forms.CantLHFrm),
                       Widget(Forms.SpanFrm), Widget(Forms.CantRHFrm)})
        if (w->isVisible()) return true;
    return false;
}

void TakeWayOut(Walk& t, QWidget* form, Way way, const std::string& job) {
    // The timber section form's way out is its beam form's, with its own OK first for Next.
    const bool timber = form == Widget(Forms.TimSectFrm);
    QWidget* owner = timber ? Widget(t.beam) : form;
    switch (way) {
    case Next:
        if (timber) Forms.TimSectFrm->cmd_OK->click();
        ButtonsOf(owner).next->click();
        break;
    case Back: ButtonsOf(owner).back->click(); break;
    case Cancel:
        ButtonsOf(owner).cancel->click();
        // A timber form left open after its beam form's Cancel is one the user can still OK.
        if (timber && Forms.TimSectFrm->isVisible()) Forms.TimSectFrm->cmd_OK->click();
        break;
    case Close:
        form->close();
        if (timber) t.beam->cmdCancel->click();
        break;
    case FileNew: t.main->New1->trigger(); break;
    case FileOpen: t.Open(job); break;
    }
}

std::vector<Form> WalkForms() {
    // Factored loads turned on and off again with the form open: the job is as it was.
    auto pref = Change{"change a preference (factored loads on, then off)",
                       [](Walk& t) {
                           t.FactoredLoads(true);
                           t.FactoredLoads(false);
                       },
                       [] {},
                       nullptr,
                       nullptr,
                       false};
    auto toLoads = [](Walk& t) { t.main->Loads1->trigger(); };
    auto toLH = [=](Walk& t) {
        toLoads(t);
        t.loads->cmd_Next->click();
    };
    auto toSpan = [=](Walk& t) {
        toLH(t);
        Forms.CantLHFrm->cmd_Next->click();
        Forms.SpanFrm->Edit_Span->setValue(1);
    };
    auto toRH = [=](Walk& t) {
        toSpan(t);
        Forms.SpanFrm->cmd_Next->click();
    };
    auto cantChanges = [](TCantileverFrm* (*f)(), int row) {
        return std::vector<Change>{
            {"click options (supported both ways, end restrained both ways, normal load)",
             [f](Walk&) {
                 for (QRadioButton* o : {f()->Option_Support_Both, f()->Option_End_Both, f()->Option_Normal})
                     o->click();
             },
             [row] { EXPECT_GT(Model.EffLength[row][0], 0.0f); }},
            {"type a value (1.2345 m)",
             [f](Walk& t) {
                 t.Script().inputAnswers.push_back("1.2345");
                 f()->Option_Edit->click();
             },
             [row] { EXPECT_FLOAT_EQ(Model.EffLength[row][0], 1234.5f); }},
        };
    };
    std::vector<Form> forms = {
        {"beam",
         [](Walk& t) { t.main->Beam1->trigger(); },
         [] { return Widget(Forms.KX_BeamFrm); },
         {{"click an option (no member check)", [](Walk& t) { t.beam->Option_None->click(); }, [] {}},
          // Forkheads and the check do not go together: the click says so and chooses "None", and
          // Next commits forkheads without a check.
          {"click an option (forkheads)",
           [](Walk& t) {
               t.beam->Option_Forkhead->click();
               EXPECT_EQ(t.Script().messages(), Texts{beammsg::kNoCheckWithForkheads});
               t.Script().clear();
           },
           [] {
               EXPECT_EQ(Model.SupportType[1], supForkhead);
               EXPECT_EQ(Model.SteelSectionFlag, -1);
           }},
          {"type a value (span 2 of 6 m)",
           [](Walk& t) {
               t.Lengths({nullptr, nullptr, "6"});
           },
           [] { EXPECT_EQ(Model.SpanData[2][mfL], 6000.0f); }, kSpan2Changed.c_str()},
          {"type a value refused (span 2 of 0 m)",
           [](Walk& t) {
               t.Lengths({nullptr, nullptr, "0"});
           },
           [] {}, nullptr, kSpanLengthMessage},
          {"pick a section (152 x 89 UB 16)", [](Walk& t) { t.Section("152 x 89 UB 16"); },
           [] { EXPECT_EQ(Model.SectionDescription.str().rfind("152 x 89 UB 16", 0), 0u); }},
          // A rolled section has no GA to calculate with, so the tick commits the flag it had.
          {"tick a box (shear deflection)", [](Walk& t) { t.beam->Check_GA->click(); },
           [] { EXPECT_EQ(Model.SpanData[kFlagsRow][kShearDeflectionField], -1.0f); }, nullptr, nullptr,
           false}},
         false},
        {"load",
         toLoads,
         [] { return Widget(Forms.LoadDataFrm); },
         {{"click an option (load 1 a point load of 5 kN)",
           [](Walk& t) {
               t.loads->Row(1).OptionP->click();
               t.loads->Row(1).Edit_PL->setText("5");
           },
           [] { EXPECT_EQ(Model.LoadTable[1][1][lfKind], 1.0f); }},
          {"type a value (3 kN/m)",
           [](Walk& t) {
               t.loads->Row(1).Edit_UDLS->setText("3");
               t.loads->Row(1).Edit_UDLF->setText("3");
           },
           [] { EXPECT_FLOAT_EQ(Model.LoadTable[1][1][lfW1], 3.0f); }},
          {"tick a box (self-weight)", [](Walk& t) { t.loads->Check_Swt->click(); }, [] {}}},
         true},
        {"LH cantilever", toLH, [] { return Widget(Forms.CantLHFrm); },
         cantChanges([]() -> TCantileverFrm* { return Forms.CantLHFrm; }, kLHCantRow), true},
        {"span",
         toSpan,
         [] { return Widget(Forms.SpanFrm); },
         {{"click an option (1.05L)", [](Walk&) { Forms.SpanFrm->Option_Partial->click(); },
           [] { EXPECT_FLOAT_EQ(Model.EffLength[1][0], 1.05f * 4000); }},
          {"click \"Apply to all spans\" after 1.2L",
           [](Walk&) {
               Forms.SpanFrm->Option_Not->click();
               Forms.SpanFrm->cmd_All->click();
           },
           [] { EXPECT_FLOAT_EQ(Model.EffLength[2][0], 1.2f * 4000); }},
          {"type a value (2.5 m)",
           [](Walk& t) {
               t.Script().inputAnswers.push_back("2.5");
               Forms.SpanFrm->Option_Edit->click();
           },
           [] { EXPECT_FLOAT_EQ(Model.EffLength[1][0], 2500.0f); }},
          {"tick a box (divide by 1.2)", [](Walk&) { Forms.SpanFrm->Check_12->click(); },
           [] { EXPECT_NEAR(Model.EffLength[1][0], 0.85 * 4000 / 1.2, 0.01); }}},
         true},
        {"RH cantilever", toRH, [] { return Widget(Forms.CantRHFrm); },
         cantChanges([]() -> TCantileverFrm* { return Forms.CantRHFrm; }, kRHCantRow), true},
        {"timber section",
         [](Walk& t) {
             t.main->Beam1->trigger();
             t.beam->Timber1->trigger();
             t.beam->Edit_Timber_W->setText("75");
             t.beam->Edit_Timber_H->setText("225");
             t.beam->cmd_OK->click();
         },
         [] { return Widget(Forms.TimSectFrm); },
         {{"click an option (the other of wet and dry)",
           [](Walk&) {
               TTimSectFrm* f = Forms.TimSectFrm;
               (f->Option_Wet->isChecked() ? f->Option_Dry : f->Option_Wet)->setChecked(true);
           },
           [] {}},
          {"pick a grade (C24)", [](Walk&) { Forms.TimSectFrm->Combo_Grade->setCurrentIndex(4); }, [] {}}},
         false,
         true},
    };
    for (Form& f : forms) {
        f.changes.insert(f.changes.begin(), Change{"no change", nullptr, [] {}});
        f.changes.push_back(pref);
    }
    // A timber choice committed is timber, whatever the grade and the form's options.
    for (Change& c : forms.back().changes)
        c.committed = [] {
            EXPECT_NE(Model.SectionDescription.str().find("Timber"), std::string::npos);
            EXPECT_NE(Model.MemberType.str(), "HRS");
        };
    return forms;
}

// What a way out leaves: the job as saved, whether results are on offer, and what Analyse then
// gives (its messages and the job as saved after it).
struct After {
    Image job;
    bool results;
    Texts analyseMessages;
    Image analysed;
    bool operator==(const After&) const = default;
};

TEST_F(Walk, EveryFormEveryChangeEveryWayOut) {
    WalkJob();
    const std::string job = dir_.path("walk.kxf");
    int rows = 0;
    for (const Form& f : WalkForms())
        for (Way way : {Next, Back, Cancel, Close, FileNew, FileOpen}) {
            if (way == Back && !f.hasBack) continue;
            After unchanged{};
            for (std::size_t i = 0; i < f.changes.size(); ++i) {
                const Change& c = f.changes[i];
                SCOPED_TRACE(std::string(f.name) + " form, " + c.what + ", " + kWayNames[way]);
                ++rows;
                Open(job);
                const Image opened = Committed();
                ASSERT_TRUE(ResultsShown());
                f.reach(*this);
                QWidget* form = f.window();
                ASSERT_TRUE(form->isVisible()) << ::testing::PrintToString(dialogs_->messages());
                // Showing a form, and the unchanged commits on the way to it, change nothing; the
                // rest of the row holds to the job as reached, so that one fault shows once.
                EXPECT_TRUE(Committed() == opened)
                    << "showing the form changed the job" << FirstDifference(opened, Committed());
                EXPECT_TRUE(ResultsShown()) << "showing the form dropped the results";
                // Analysed again with the form open, so that the row starts from results that stand.
                if (!ResultsShown()) Analyse();
                ASSERT_TRUE(form->isVisible());
                const Image reached = Committed();
                const bool reachedResults = ResultsShown();
                dialogs_->clear();
                dialogs_->confirmAnswers.assign(8, true);
                if (c.make) c.make(*this);
                TakeWayOut(*this, form, way, job);
                const bool stillInForms = InputFormShown();
                const Image left = Committed();
                const bool results = ResultsShown();
                const Texts wayMessages = dialogs_->messages();
                dialogs_->clear();
                Analyse();
                const After now{left, results, dialogs_->messages(), Committed()};
                // Results on offer are those of the job now: analysing it again gives them again.
                if (results && now.analyseMessages.empty()) {
                    EXPECT_TRUE(now.analysed == left)
                        << "results shown for another job" << FirstDifference(left, now.analysed);
                }
                const bool changed = (c.make && c.changesJob) || f.reachChanges;
                if (way == Next) {
                    if (!changed && reachedResults) {
                        // The last form's Next analyses again: the same job gives the same results.
                        EXPECT_TRUE(left == reached)
                            << "an unchanged commit changed the job" << FirstDifference(reached, left);
                        EXPECT_TRUE(results) << "an unchanged commit dropped the results";
                    } else if (c.refused) {
                        EXPECT_EQ(wayMessages, Texts{c.refused});
                        EXPECT_TRUE(left == reached)
                            << "a refused commit changed the job" << FirstDifference(reached, left);
                        EXPECT_EQ(results, reachedResults) << "a refused commit dropped the results";
                    } else if (changed) {
                        c.committed();
                        EXPECT_EQ(wayMessages, Texts{});
                        // Unless its Next ran the analysis, a commit that changed the job ends its results.
                        if (stillInForms) {
                            EXPECT_FALSE(results) << "results kept after the job changed";
                        }
                    }
                    EXPECT_EQ(now.analyseMessages, c.analyse ? Texts{c.analyse} : Texts{});
                } else if (i == 0) {
                    unchanged = now;
                    if (way != FileNew && way != FileOpen) {
                        EXPECT_TRUE(left == reached)
                            << "a way out without a commit changed the job" << FirstDifference(reached, left);
                        EXPECT_EQ(results, reachedResults)
                            << "a way out without a commit dropped the results";
                    }
                } else {
                    // Without a commit the change is as if never made.
                    EXPECT_TRUE(now.job == unchanged.job)
                        << "the job changed without a commit" << FirstDifference(unchanged.job, now.job);
                    EXPECT_EQ(now.results, unchanged.results);
                    EXPECT_EQ(now.analyseMessages, unchanged.analyseMessages);
                    EXPECT_TRUE(now.analysed == unchanged.analysed)
                        << "Analyse ran on another job" << FirstDifference(unchanged.analysed, now.analysed);
                }
                for (QWidget* w : FormsInCreationOrder())
                    if (w != Widget(Forms.Form1) && w != Widget(main)) w->hide();
            }
        }
    EXPECT_EQ(rows, 174); // 6 forms, 4 to 8 changes each, 5 or 6 ways out
}

// The message the "Next >" of the input form now shown gives, the commit taken as the user takes it.
Texts NextOfShownForm(Walk& t) {
    t.Script().clear();
    for (QWidget* w :
         {Widget(Forms.LoadDataFrm), Widget(Forms.CantLHFrm), Widget(Forms.SpanFrm), Widget(Forms.CantRHFrm)})
        if (w->isVisible()) {
            ButtonsOf(w).next->click();
            return t.Script().messages();
        }
    ADD_FAILURE() << "no input form shown";
    return {};
}

// Analyse on a job the forms would not let through: refused with the form's own message for the
// member (given, or else the one the "Next >" of the form it shows gives), no results, and that
// form shown.
void ExpectRefusedAsTheFormRefuses(Walk& t, const std::string& message = "") {
    t.Script().clear();
    t.Analyse();
    const Texts refused = t.Script().messages();
    EXPECT_EQ(refused.size(), 1u) << "Analyse ran on a job the forms refuse";
    EXPECT_FALSE(ResultsShown());
    EXPECT_TRUE(InputFormShown());
    if (!message.empty()) {
        EXPECT_EQ(refused, Texts{message});
    } else if (refused.size() == 1) {
        EXPECT_EQ(NextOfShownForm(t), refused);
    }
}

// Two 4 m spans of 127 x 76 UB 13 checked to BS 5975 (each span's option as given, applied to
// all), with a LH or RH cantilever of 1.5 m when asked, 2 kN/m over the beam, analysed.
void CheckedJob(Walk& t, QRadioButton* option, bool rhc = false) {
    t.NewBeam(false, rhc ? std::vector<const char*>{"4", "4", "1.5"} : std::vector<const char*>{"4", "4"},
              rhc);
    t.Section("127 x 76 UB 13");
    t.beam->Option_Check->click();
    t.beam->cmdNext->click();
    t.Udl(1, "0", "2", "2", rhc ? "9.5" : "8");
    t.Apply(1, {1});
    t.loads->cmd_Next->click();
    t.ChooseAndAnalyse(option);
    ASSERT_TRUE(ResultsShown()) << ::testing::PrintToString(t.Script().messages());
}
// The beam form's commit of the change made, and the load form's Next up to the span form.
void CommitBeamChange(Walk& t, const std::function<void()>& change) {
    t.main->Beam1->trigger();
    change();
    t.beam->cmdNext->click();
    t.loads->cmd_Next->click();
}

TEST_F(Walk, EachFaultOfOutOfOrderUse) {
    struct Row {
        const char* what;
        std::function<void(Walk&)> run;
    };
    TSpanFrm* span = Forms.SpanFrm;
    const Row rows[] = {
        {"span 2 lengthened to 6 m; \"Apply to all spans\" clicked, Cancel: refused; re-chosen, Le = "
         "0.85 x 6000 = 5100 mm",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full);
             EXPECT_FLOAT_EQ(Model.EffLength[2][0], 3400.0f);
             CommitBeamChange(t, [&] { t.Lengths({nullptr, "6"}); });
             ASSERT_TRUE(span->isVisible());
             span->cmd_All->click();
             span->cmd_Cancel->click();
             ExpectRefusedAsTheFormRefuses(t, kSpan2Changed);
             t.main->Loads1->trigger();
             t.loads->cmd_Next->click();
             span->Edit_Span->setValue(2);
             span->Option_Not->click();
             span->Option_Full->click();
             span->cmd_Next->click();
             EXPECT_FLOAT_EQ(Model.EffLength[2][0], 5100.0f);
             EXPECT_TRUE(ResultsShown());
         }},
        {"span 2 lengthened to 6 m; an option clicked, < Back, Cancel on the load form: refused",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full);
             CommitBeamChange(t, [&] { t.Lengths({nullptr, "6"}); });
             span->Edit_Span->setValue(2);
             span->Option_Partial->click();
             span->cmd_Back->click();
             t.loads->cmd_Cancel->click();
             ExpectRefusedAsTheFormRefuses(t, kSpan2Changed);
         }},
        {"254 x 146 UB 31 under 1.2L + 2D, an option clicked, Cancel: refused; re-chosen, Le = 1.2 x 4000 + "
         "2 x 251.4 = 5302.8 mm",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Pos);
             EXPECT_NEAR(Model.EffLength[1][0], 1.2 * 4000 + 2 * 127.0, 0.05);
             CommitBeamChange(t, [&] { t.Section("254 x 146 UB 31"); });
             span->Option_Partial->click();
             span->cmd_Cancel->click();
             ExpectRefusedAsTheFormRefuses(t);
             t.main->Loads1->trigger();
             t.loads->cmd_Next->click();
             span->Option_Not->click();
             span->Option_Pos->click();
             span->cmd_All->click();
             span->cmd_Next->click();
             EXPECT_NEAR(Model.EffLength[1][0], 5302.8, 0.05);
             EXPECT_NEAR(Model.EffLength[2][0], 5302.8, 0.05);
         }},
        {"RH cantilever 1.5 m lengthened to 3 m, an option clicked, Cancel: refused; re-chosen, Le doubles",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full, true);
             TCantRHFrm* rh = Forms.CantRHFrm;
             t.main->Loads1->trigger();
             t.loads->cmd_Next->click();
             span->cmd_Next->click();
             for (QRadioButton* o : {rh->Option_Support_Lateral, rh->Option_End_Free, rh->Option_Normal})
                 o->click();
             rh->cmd_Next->click();
             const float le = Model.EffLength[kRHCantRow][0];
             ASSERT_GT(le, 0);
             CommitBeamChange(t, [&] { t.Lengths({nullptr, nullptr, "3"}); });
             span->cmd_Next->click();
             ASSERT_TRUE(rh->isVisible());
             rh->Option_End_Top->click();
             rh->cmd_Cancel->click();
             ExpectRefusedAsTheFormRefuses(t, kRHCChanged);
             t.main->Loads1->trigger();
             t.loads->cmd_Next->click();
             span->cmd_Next->click();
             rh->Option_End_Top->click();
             for (QRadioButton* o : {rh->Option_Support_Lateral, rh->Option_End_Free, rh->Option_Normal})
                 o->click();
             rh->cmd_Next->click();
             EXPECT_FLOAT_EQ(Model.EffLength[kRHCantRow][0], 2 * le);
         }},
        {"after File > Open, RH cantilever lengthened to 3 m, its form only shown and cancelled: refused",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full, true);
             t.SaveAs(t.Path("rhc.kxf"));
             t.Open(t.Path("rhc.kxf"));
             CommitBeamChange(t, [&] { t.Lengths({nullptr, nullptr, "3"}); });
             span->cmd_Next->click();
             ASSERT_TRUE(Forms.CantRHFrm->isVisible());
             Forms.CantRHFrm->cmd_Cancel->click();
             ExpectRefusedAsTheFormRefuses(t, kRHCChanged);
         }},
        {"File > New after a user value; \"fully restrained\" clicked, Cancel: refused, never Le = 0",
         [span](Walk& t) {
             t.NewBeam(false, {"5"}, false);
             t.Section("127 x 76 UB 13");
             t.beam->cmdNext->click();
             t.Udl(1, "0", "2", "2", "5");
             t.Apply(1, {1});
             t.loads->cmd_Next->click();
             t.Script().inputAnswers.push_back("2");
             span->Option_Edit->click();
             span->cmd_Next->click();
             ASSERT_TRUE(ResultsShown()) << ::testing::PrintToString(t.Script().messages());
             t.NewBeam(false, {"6"}, false);
             t.Section("127 x 76 UB 13");
             t.beam->Option_Check->click();
             t.beam->cmdNext->click();
             t.Udl(1, "0", "2", "2", "6");
             t.Apply(1, {1});
             t.loads->cmd_Next->click();
             ASSERT_TRUE(span->isVisible());
             span->Option_Restrained->click();
             span->cmd_Cancel->click();
             ExpectRefusedAsTheFormRefuses(t, " Effective length not selected for span 1");
         }},
        {"forkhead with factors 1.6 and 1.0: the load form refuses, Cancel; Analyse refuses alike, never "
         "(-16 + 14) x 4/16 = -0.500 kN at support 3",
         [span](Walk& t) {
             t.NewBeam(false, {"4", "4"}, false);
             t.Section("127 x 76 UB 13");
             t.FactoredLoads(true);
             t.beam->cmdNext->click();
             t.Udl(1, "0", "10", "10", "4", "1.6");
             t.Udl(2, "4", "2", "2", "4", "1.0");
             t.Apply(1, {1, 2});
             t.loads->cmd_Next->click();
             t.ChooseAndAnalyse(span->Option_Full);
             ASSERT_TRUE(ResultsShown()) << ::testing::PrintToString(t.Script().messages());
             t.main->Beam1->trigger();
             t.beam->Option_Forkhead->click();
             t.beam->cmdNext->click();
             t.Script().clear();
             t.loads->cmd_Next->click();
             const Texts refused = t.Script().messages();
             ASSERT_EQ(refused.size(), 1u);
             EXPECT_EQ(refused[0],
                       " For the routine to remove negative\r forkhead support loads to be used, \r"
                       " load factors must all be the same.\r");
             t.loads->cmd_Cancel->click();
             t.Script().clear();
             t.Analyse();
             EXPECT_EQ(t.Script().messages(), refused);
             // Support 3 of two 4 m spans under 16 and 2 kN/m: R3 = 2 x 4/2 - (16 + 2) x 4^2/16/4 = -0.500
             // kN.
             for (int i = 0; i < t.main->List_CaseResults->count(); ++i)
                 EXPECT_NE(t.main->List_CaseResults->item(i)->text().simplified().toStdString(), "3 -0.500")
                     << "a forkhead pulling the beam down";
         }},
        {"timber 75 x 225 chosen, then 127 x 76 UB 13 picked, OK on the timber form: committed steel",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full);
             t.main->Beam1->trigger();
             t.beam->Timber1->trigger();
             t.beam->Edit_Timber_W->setText("75");
             t.beam->Edit_Timber_H->setText("225");
             t.beam->cmd_OK->click();
             t.Section("127 x 76 UB 13");
             if (Forms.TimSectFrm->isVisible()) Forms.TimSectFrm->cmd_OK->click();
             t.beam->cmdNext->click();
             EXPECT_EQ(Model.SectionDescription.str().rfind("127 x 76 UB 13", 0), 0u)
                 << Model.SectionDescription.str();
             EXPECT_EQ(Model.MemberType.str(), "HRS");
         }},
        {"timber chosen and the beam form cancelled, the timber form's OK later: the steel job stays",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full);
             const Image before = Committed();
             t.main->Beam1->trigger();
             t.beam->Timber1->trigger();
             t.beam->Edit_Timber_W->setText("75");
             t.beam->Edit_Timber_H->setText("225");
             t.beam->cmd_OK->click();
             t.beam->cmdCancel->click();
             if (Forms.TimSectFrm->isVisible()) Forms.TimSectFrm->cmd_OK->click();
             t.main->Beam1->trigger();
             t.beam->cmdNext->click();
             EXPECT_EQ(Model.SectionDescription.str().rfind("127 x 76 UB 13", 0), 0u)
                 << Model.SectionDescription.str();
             EXPECT_EQ(Model.MemberType.str(), "HRS");
             EXPECT_TRUE(Committed() == before) << FirstDifference(before, Committed());
             EXPECT_TRUE(ResultsShown());
         }},
        {"timber 75 x 225, depth 300 typed, Next without its OK: the size on the form is the size committed",
         [span](Walk& t) {
             t.NewBeam(false, {"3"}, false);
             t.beam->Timber1->trigger();
             t.beam->Edit_Timber_W->setText("75");
             t.beam->Edit_Timber_H->setText("225");
             t.beam->cmd_OK->click();
             Forms.TimSectFrm->Combo_Grade->setCurrentIndex(4);
             Forms.TimSectFrm->cmd_OK->click();
             t.beam->cmdNext->click();
             t.Udl(1, "0", "2", "2", "3");
             t.Apply(1, {1});
             t.loads->cmd_Next->click();
             t.ChooseAndAnalyse(span->Option_Full);
             ASSERT_TRUE(ResultsShown()) << ::testing::PrintToString(t.Script().messages());
             const Image before = Committed();
             t.main->Beam1->trigger();
             t.beam->Edit_Timber_H->setText("300");
             t.Script().clear();
             t.beam->cmdNext->click();
             if (t.beam->isVisible()) {
                 EXPECT_EQ(t.Script().messages().size(), 1u) << "refused without a word";
                 EXPECT_TRUE(Committed() == before);
             } else {
                 EXPECT_NE(Model.SectionDescription.str().find("x 300"), std::string::npos)
                     << Model.SectionDescription.str();
             }
         }},
        {"factored loads turned on with the load form open, factor 1.6: the question is asked",
         [span](Walk& t) {
             t.NewBeam(false, {"4", "4"}, false);
             t.Section("127 x 76 UB 13");
             t.beam->Option_Check->click();
             t.beam->cmdNext->click();
             t.FactoredLoads(true);
             t.Udl(1, "0", "2", "2", "8", "1.6");
             t.Apply(1, {1});
             t.loads->cmd_Next->click();
             t.ChooseAndAnalyse(span->Option_Full);
             EXPECT_TRUE(t.Asked(beammsg::kFactoredLoads));
         }},
        {"the beam form shown after File > Open: the committed load rows shown stay",
         [span](Walk& t) {
             CheckedJob(t, span->Option_Full);
             t.SaveAs(t.Path("rows.kxf"));
             t.Open(t.Path("rows.kxf"));
             const int32 shown = Model.LoadRowsShown;
             t.main->Beam1->trigger();
             EXPECT_EQ(Model.LoadRowsShown, shown);
             t.beam->cmdCancel->click();
             EXPECT_EQ(Model.LoadRowsShown, shown);
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        dialogs_->clear();
        dialogs_->confirmAnswers.assign(8, true);
        r.run(*this);
        for (QWidget* w : FormsInCreationOrder())
            if (w != Widget(Forms.Form1) && w != Widget(main)) w->hide();
    }
}

} // namespace
