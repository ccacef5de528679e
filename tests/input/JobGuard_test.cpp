// The analysis sees only a whole, confirmed job: sequences of the wizard with Back, Cancel and the
// Analyse command in the user's order, through the forms' own steps. After a Cancel, Analyse refuses
// a member whose effective length was chosen for another length or depth, and loads past the end of
// the beam; each commit clears results that no longer belong to the job; the committed self-weight
// and the load stacks follow the committed section and loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FormTestSupport.h"
#include "engine/AnalysedJob.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/Preferences.h"
#include "input/Cantilever.h"
#include "input/LoadData.h"
#include "input/SectionChoice.h"
#include "input/Span.h"
#include "platform/Files.h"
#include "sections/SectionWriters.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"

using namespace kx;
using namespace kxtest;

namespace {

const char* const kIncomplete =
    "Click all appropriate option boxes or\renter desired effective length in box";
std::string spanChanged(int s) {
    const std::string n = std::to_string(s);
    return " Span " + n + " length has been changed\r goto span " + n +
           " and re-select option.\r (it may be necessary to de-select it first)";
}
std::string cantChanged(const char* end) {
    return std::string(" ") + end +
           " length has been changed\r re-select option.\r (it may be necessary to de-select it first)";
}

// Steel self-weight of a section of area A mm^2 at 7.85 t/m^3 and g = 9.81, in kN/m (= N/mm).
double selfWeight(double area) { return 7.85e-6 * area * 9.81; }

class JobGuardTest : public BeamFormTest {
protected:
    // File New, the section files written as the main window writes them, the beam form shown.
    void SetUp() override {
        BeamFormTest::SetUp();
        host.onReset = [this] {
            ResetBeamForm(f);
            NewBeamLoadForm(lf);
            CantClear(LHCantSide(), left);
            SpanClear(sc, sp);
            CantClear(RHCantSide(), right);
        };
        host.onRestore = [this] {
            RestoreBeamForm(f);
            RestoreCommittedLoads();
            SpanRestoreFromCommitted();
            CantRestoreFromCommitted(LHCantSide(), left);
            CantRestoreFromCommitted(RHCantSide(), right);
        };
        WriteAllSectionFiles();
        ReadUnitFile();
        NewBeam(host);
        BeamFormShow(f);
    }

    void pick(const std::string& designation) {
        ChooseSectionFamily(f, *SectionFamilyByCode("UB"));
        const auto at = std::find_if(f.List_Sect.begin(), f.List_Sect.end(), [&](std::string line) {
            line.erase(0, line.find_first_not_of(' '));
            return line.erase(line.find_last_not_of(' ') + 1) == designation;
        });
        ASSERT_TRUE(PickSection(f, static_cast<int>(at - f.List_Sect.begin()))) << designation;
    }
    void checkToBS5975() {
        f.Option_None = false;
        f.Option_Check = true;
        CodeCheckClicked(f);
    }
    // The beam form's "Next >"; the load form shown.
    void beamNext() {
        ASSERT_TRUE(Commit()) << testing::PrintToString(Messages());
        LoadFormShow(lf, lpic);
    }
    // Row n of the load form typed as a distributed load (m, kN/m) and ticked in loadcase lc.
    void udl(int n, const char* dist, const char* cover, const char* rate, int lc = 1) {
        LoadRowControls& r = lf.Rows[n];
        r.OptionUDL = true;
        SetLoadRowMode(lf, n);
        r.Edit_Dist.Text = dist;
        r.Edit_Cover.Text = cover;
        r.Edit_UDLS.Text = r.Edit_UDLF.Text = rate;
        showLoadcase(lc);
        r.Check = true;
        ApplyClicked(lf, n, lpic);
    }
    void showLoadcase(int lc) {
        lf.Edit_Case = lc;
        LoadcaseClicked(lf, lpic);
    }
    LoadRoute loadNext() { return CommitLoads(lf, lpic); }

    // The effective-length forms' choices, each as a click on it, and their "Next >".
    void chooseSpan(int s, bool SpanControls::*option) {
        sc.Edit_Span = s;
        SpanSpinnerClick(sc, sp);
        for (bool SpanControls::*o :
             {&SpanControls::Option_Full, &SpanControls::Option_Partial, &SpanControls::Option_Not,
              &SpanControls::Option_Pos, &SpanControls::Option_Dead, &SpanControls::Option_Restrained,
              &SpanControls::Option_Edit, &SpanControls::Option_Int})
            sc.*o = false;
        sc.*option = true;
        SpanOptionClick(sc, sp);
    }
    SpanRoute spanForm(bool SpanControls::*option = &SpanControls::Option_Full) {
        SpanFormShow(sc, sp);
        for (int s = 1; s <= Model.SpanCount[0]; ++s)
            chooseSpan(s, option);
        return SpanNext(sc, sp);
    }
    // Continuous with lateral and torsional restraint, both ends restrained, normal loading: 0.7 L.
    CantRoute cantForm(const CantSide& side) {
        CantControls& c = &side == &LHCantSide() ? left : right;
        CantFormShow(side, c);
        for (int field : {coNormal, coSupportBoth, coEndBoth})
            CheckCantOption(side, c, field);
        return CantNext(side, c);
    }

    // A straight run: 127 x 76 UB 13 checked to BS 5975, 10 kN/m over the whole beam, each member
    // given its effective length, analysed.
    void straightRun(const std::vector<std::string>& spans, const std::string& lhc = "",
                     const std::string& rhc = "", bool SpanControls::*option = &SpanControls::Option_Full) {
        pick("127 x 76 UB 13");
        TypeBeam(spans, lhc, rhc);
        checkToBS5975();
        ASSERT_NO_FATAL_FAILURE(beamNext());
        udl(1, "0", std::to_string(Model.BeamLength / 1000).c_str(), "10");
        const LoadRoute route = loadNext();
        ASSERT_EQ(route, lhc.empty() ? LoadRoute::Span : LoadRoute::CantLH);
        if (!lhc.empty()) {
            ASSERT_EQ(cantForm(LHCantSide()), CantRoute::SpanFrm);
        }
        ASSERT_EQ(spanForm(option), rhc.empty() ? SpanRoute::Analysis : SpanRoute::CantRHFrm);
        if (!rhc.empty()) {
            ASSERT_EQ(cantForm(RHCantSide()), CantRoute::Analysis);
        }
        RunAnalysis(host);
        ASSERT_EQ(Model.AnalysedFlag, 1) << testing::PrintToString(Messages());
        dialogs->clear();
        host.calls.clear();
    }

    // The texts of the messages and questions shown, a text repeated at once counted once (the
    // load form's "Next >" reports a load twice, once as it reads the rows).
    std::vector<std::string> shownTexts() {
        std::vector<std::string> out;
        for (const ScriptedDialogs::Shown& s : dialogs->shown)
            if (out.empty() || out.back() != s.text) out.push_back(s.text);
        return out;
    }
    // Factored loads turned on in the preferences, the load form following as it is told to.
    void factoredLoadsOnInPreferences() {
        PreferencesShow();
        PreferenceChoices c = ChoicesForUnits(Model, DesignTimeChoices());
        c.Check_Factor = true;
        PreferencesOK(c);
        FactoredLoadsChanged(lf);
    }

    LoadFormControls lf;
    RecordingCanvas loadCanvas;
    LoadFormPicture lpic{loadCanvas, 743, 145};
    SpanControls sc;
    SpanPictures sp;
    CantControls left, right;
};

// File New after an analysed job with loads in two loadcases shows the beam, load and span forms,
// when they show again, as the first New showed them. The load form's self-weight frame follows
// the section, which only the next beam commit sets; "Apply to all spans" keeps its state while
// the span shown has no choice.
TEST_F(JobGuardTest, NewAfterAnAnalysedJobShowsEveryFormAsTheFirstNewDid) {
    const auto shown = [this] {
        BeamFormShow(f);
        LoadFormShow(lf, lpic);
        SpanFormShow(sc, sp);
        SpanControls span = sc;
        span.cmd_All_Enabled = false;
        const WorkingCopies& w = Work;
        return std::tuple{f,
                          lf.Rows,
                          lf.Edit_Case,
                          lf.Height,
                          span,
                          w.EffLengthWork,
                          w.RestraintPosWork,
                          w.EffLengthTextWork,
                          w.EffLengthMemberLengthWork,
                          w.SpanOptFullWork,
                          w.SpanOptNotWork};
    };
    const auto first = shown();
    straightRun({"3", "4", "2"}, "1.5", "1", &SpanControls::Option_Not);
    udl(2, "1", "2", "5", 3);
    ASSERT_EQ(loadNext(), LoadRoute::CantLH);
    NewBeam(host);
    EXPECT_TRUE(shown() == first);
}

TEST_F(JobGuardTest, AnalyseAfterACancelRefusesAMemberWhoseEffectiveLengthWasChosenForAnotherOne) {
    struct Case {
        const char* what;
        std::vector<std::string> spans;
        std::string lhc, rhc;
        bool SpanControls::*option;
        std::function<void()> change; // on the beam form
        // Where the wizard is left with Cancel: after the load form's "Next >" (0), or after the
        // span form's "Next >" too (1), on the form that asks next.
        int nextsBeforeCancel;
        std::string message;
        int asked; // member row
        // The effective length the member gets once it is chosen again (mm): L and D by hand.
        float Le;
    };
    const auto full = &SpanControls::Option_Full, pos = &SpanControls::Option_Pos;
    const std::vector<Case> cases = {
        {"span added",
         {"4"},
         "",
         "",
         full,
         [this] {
             TypeBeam({"4", "4"});
         },
         0,
         " Effective length not selected for span 2",
         2,
         0.85f * 4000},
        {"span 1 lengthened from 4 m to 8 m",
         {"4"},
         "",
         "",
         full,
         [this] { Type(1, "8"); },
         0,
         spanChanged(1),
         1,
         0.85f * 8000},
        {"last span lengthened",
         {"4", "4"},
         "",
         "",
         full,
         [this] { Type(2, "6"); },
         0,
         spanChanged(2),
         2,
         0.85f * 6000},
        {"RH cantilever added",
         {"4"},
         "",
         "",
         full,
         [this] { TypeBeam({"4"}, "", "1.5"); },
         1,
         kIncomplete,
         kRHCantRow,
         0.7f * 1500},
        {"LH cantilever added",
         {"4"},
         "",
         "",
         full,
         [this] { TypeBeam({"4"}, "1.5"); },
         0,
         kIncomplete,
         kLHCantRow,
         0.7f * 1500},
        {"RH cantilever lengthened",
         {"4"},
         "",
         "1.5",
         full,
         [this] { Type(2, "2.5"); },
         1,
         cantChanged("RHC"),
         kRHCantRow,
         0.7f * 2500},
        {"LH cantilever lengthened",
         {"4"},
         "1.5",
         "",
         full,
         [this] { Type(1, "2.5"); },
         0,
         cantChanged("LHC"),
         kLHCantRow,
         0.7f * 2500},
        // 1.2 L + 2 D: 4800 + 2 x 127 = 5054 mm chosen; 254 x 146 UB 31 (D 251.4) needs 5302.8.
        {"deeper section under 1.2L + 2D",
         {"4"},
         "",
         "",
         pos,
         [this] { pick("254 x 146 UB 31"); },
         0,
         spanChanged(1),
         1,
         4800 + 2 * 251.4f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewBeam(host);
        BeamFormShow(f);
        ASSERT_NO_FATAL_FAILURE(straightRun(c.spans, c.lhc, c.rhc, c.option));
        if (c.option == pos) {
            EXPECT_FLOAT_EQ(Model.EffLength[1][0], 1.2f * 4000 + 2 * 127);
        }

        c.change();
        ASSERT_NO_FATAL_FAILURE(beamNext());
        const LoadRoute route = loadNext();
        ASSERT_NE(route, LoadRoute::Stay);
        if (c.nextsBeforeCancel == 1) {
            ASSERT_EQ(route, LoadRoute::Span);
            SpanFormShow(sc, sp);
            ASSERT_EQ(SpanNext(sc, sp), SpanRoute::CantRHFrm);
        }
        // Cancel on the form shown commits nothing; then Analyse.
        dialogs->clear();
        host.calls.clear();
        RunAnalysis(host);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(host.calls, "AskForInput member " + std::to_string(c.asked));
        // The results of the job before the change stand no longer: neither shown nor saved.
        EXPECT_FALSE(ResultsStand());
        EXPECT_TRUE(ResultsOfAnotherJob());

        // Chosen again where it is asked for, the member's Le is that of its present length and
        // depth, and the job is analysed.
        if (c.asked == kLHCantRow || c.asked == kRHCantRow) {
            const CantSide& side = c.asked == kLHCantRow ? LHCantSide() : RHCantSide();
            CantControls& controls = c.asked == kLHCantRow ? left : right;
            for (int field : {coRestrained, coNormal, coSupportBoth, coEndBoth})
                controls.Option[field] = false;
            ASSERT_NE(cantForm(side), CantRoute::Stay) << testing::PrintToString(Messages());
            if (c.asked == kLHCantRow) {
                ASSERT_EQ(SpanNext(sc, sp), SpanRoute::Analysis);
            }
        } else {
            SpanFormShow(sc, sp);
            chooseSpan(c.asked, full);
            chooseSpan(c.asked, c.option);
            ASSERT_NE(SpanNext(sc, sp), SpanRoute::Stay) << testing::PrintToString(Messages());
        }
        EXPECT_FLOAT_EQ(Model.EffLength[c.asked][0], c.Le);
        // Now the steel check runs on it; table A1 ends at Le / ry = 300 (ry 18.369 mm), which the
        // 8 m span at 0.85 L (Le / ry = 370) passes, and the check says so.
        host.calls.clear();
        dialogs->clear();
        RunAnalysis(host);
        EXPECT_EQ(host.calls.find("AskForInput"), std::string::npos);
        const bool beyondTableA1 = c.Le / 18.369f >= 300;
        EXPECT_EQ(ResultsStand(), !beyondTableA1); // a stopped check leaves no results standing
        EXPECT_EQ(Messages(), beyondTableA1 ? std::vector<std::string>{" Le/r exceeds max value for table A1"}
                                            : std::vector<std::string>{});
    }
}

// A "+ 2D" choice made on the span form and not yet taken by its "Next >" was worked out for the
// depth of its time: a deeper section committed meanwhile has it asked for again, though the
// committed choice (0.85 L) does not depend on the depth. By hand: 1.2 x 4000 + 2 x 127 = 5054 mm
// with 127 x 76 UB 13; 4800 + 2 x 251.4 = 5302.8 mm with 254 x 146 UB 31.
TEST_F(JobGuardTest, APlus2DChoiceNotYetTakenIsAskedForAgainWhenTheSectionDeepens) {
    straightRun({"4"});
    SpanFormShow(sc, sp);
    chooseSpan(1, &SpanControls::Option_Pos);
    EXPECT_FLOAT_EQ(Work.EffLengthWork[1][0], 1.2f * 4000 + 2 * 127);
    pick("254 x 146 UB 31");
    ASSERT_NO_FATAL_FAILURE(beamNext());
    ASSERT_EQ(loadNext(), LoadRoute::Span);
    SpanFormShow(sc, sp);
    dialogs->clear();
    EXPECT_EQ(SpanNext(sc, sp), SpanRoute::Stay);
    EXPECT_EQ(Messages(), std::vector<std::string>{spanChanged(1)});
    chooseSpan(1, &SpanControls::Option_Pos);
    ASSERT_EQ(SpanNext(sc, sp), SpanRoute::Analysis) << testing::PrintToString(Messages());
    EXPECT_FLOAT_EQ(Model.EffLength[1][0], 4800 + 2 * 251.4f);
}

TEST_F(JobGuardTest, ASectionOrLengthChangedAndCancelledOnTheLoadFormKeepsItsOwnSelfWeight) {
    // 127 x 76 UB 13 (1652 mm^2) over one 4 m span, unchecked, 10 kN/m and its self-weight.
    pick("127 x 76 UB 13");
    TypeBeam({"4"});
    ASSERT_NO_FATAL_FAILURE(beamNext());
    udl(1, "0", "4", "10");
    lf.Check_Swt = true;
    SelfWeightApplyClicked(lf, lpic);
    ASSERT_EQ(loadNext(), LoadRoute::Analysis);
    RunAnalysis(host);
    EXPECT_NEAR(Eng.SupportReactionSum[1] / 1000, 4 * (10 + selfWeight(1652)), 1e-3);

    struct Case {
        const char* what;
        std::function<void()> change;
        double rate, length; // kN/m, m
    };
    // 254 x 146 UB 31: 31.1 kg/m in the tables, 0.306 kN/m.
    const Case cases[] = {
        {"deeper section", [this] { pick("254 x 146 UB 31"); }, 0.306, 4},
        {"longer span", [this] { Type(1, "8"); }, 0.306, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        ASSERT_NO_FATAL_FAILURE(beamNext());
        RestoreCommittedLoads(); // Cancel on the load form
        dialogs->clear();
        RunAnalysis(host);
        ASSERT_EQ(Model.AnalysedFlag, 1) << testing::PrintToString(Messages());
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            const TLoadRec& sw = Model.LoadTable[lc][kSelfWeightRecord];
            EXPECT_NEAR(sw[lfW1], c.rate, 0.002) << lc;
            EXPECT_EQ(sw[lfW2], sw[lfW1]) << lc;
            EXPECT_EQ(sw[lfCover], 1000 * c.length) << lc;
            EXPECT_EQ(sw[lfApplied], 1.0f) << lc; // applied as it was, at its factor
            EXPECT_EQ(sw[lfLF], 1.0f) << lc;
        }
        // The reactions carry 10 kN/m over 4 m and the self-weight over the whole beam.
        EXPECT_NEAR(Eng.SupportReactionSum[1] / 1000, 40 + c.rate * c.length, 0.01);
        EXPECT_EQ(Messages(), std::vector<std::string>{});
    }
}

TEST_F(JobGuardTest, ACommitThatChangesLoadsOrEffectiveLengthsClearsTheResultsOfTheOldOnes) {
    ASSERT_NO_FATAL_FAILURE(straightRun({"4"}, "", "1.5"));
    const auto analysed = [] { return ResultsStand() && Txt.SummaryLines[1].str() != ""; };

    // Loads changed, "Next >", Cancel on the span form: the old loads' results are gone.
    LoadFormShow(lf, lpic);
    lf.Rows[1].Edit_UDLS.Text = lf.Rows[1].Edit_UDLF.Text = "20";
    ASSERT_EQ(loadNext(), LoadRoute::Span);
    EXPECT_FALSE(analysed());
    EXPECT_TRUE(ResultsOfAnotherJob()); // and so not saved
    EXPECT_EQ(host.calls, "");          // the main window follows by itself

    // Analysed again: an unchanged "Next >" keeps the results; a changed span choice, committed
    // before the RH cantilever form is cancelled, clears them.
    SpanFormShow(sc, sp);
    ASSERT_EQ(SpanNext(sc, sp), SpanRoute::CantRHFrm);
    ASSERT_EQ(cantForm(RHCantSide()), CantRoute::Analysis);
    RunAnalysis(host);
    ASSERT_TRUE(analysed());
    host.calls.clear();
    ASSERT_EQ(loadNext(), LoadRoute::Span);
    SpanFormShow(sc, sp);
    ASSERT_EQ(SpanNext(sc, sp), SpanRoute::CantRHFrm);
    EXPECT_TRUE(analysed());
    EXPECT_EQ(host.calls, "");
    chooseSpan(1, &SpanControls::Option_Partial);
    ASSERT_EQ(SpanNext(sc, sp), SpanRoute::CantRHFrm);
    EXPECT_FALSE(analysed());
    EXPECT_FLOAT_EQ(Model.EffLength[1][0], 1.05f * 4000);

    // The same for the RH cantilever's own choice.
    RunAnalysis(host);
    ASSERT_TRUE(analysed());
    right.Option[coEndBoth] = false;
    CheckCantOption(RHCantSide(), right, coEndFree); // 1.0 L
    ASSERT_EQ(CantNext(RHCantSide(), right), CantRoute::Analysis);
    EXPECT_FALSE(analysed());
    EXPECT_FLOAT_EQ(Model.EffLength[kRHCantRow][0], 1.0f * 1500);
}

TEST_F(JobGuardTest, EveryLoadcasesStackIsCommittedFromItsOwnLoads) {
    // 10 kN/m over 0..4 m applied in loadcases 1 and 2.
    pick("127 x 76 UB 13");
    TypeBeam({"4"});
    ASSERT_NO_FATAL_FAILURE(beamNext());
    udl(1, "0", "4", "10", 1);
    showLoadcase(2);
    lf.Rows[1].Check = true;
    ApplyClicked(lf, 1, lpic);
    showLoadcase(1);
    ASSERT_EQ(loadNext(), LoadRoute::Analysis);
    const auto rates = [](int lc) {
        const TUDLStackRec& s = Model.UDLStackTable[lc][1];
        return std::vector<float>{s[usX1], s[usX2], s[usW1], s[usW2], s[usW1Sum], s[usW2Sum]};
    };
    const std::vector<float> tenOverFour{0, 4000, 10, 10, 10, 10};
    ASSERT_EQ(rates(2), tenOverFour);

    // Loadcase 2 edited to 50 kN/m and cancelled; the form shown again, loadcase 1, "Next >".
    LoadFormShow(lf, lpic);
    showLoadcase(2);
    lf.Rows[1].Edit_UDLS.Text = lf.Rows[1].Edit_UDLF.Text = "50";
    lf.Rows[1].Check = false;
    ApplyClicked(lf, 1, lpic);
    lf.Rows[1].Check = true;
    ApplyClicked(lf, 1, lpic);
    RestoreCommittedLoads();
    LoadFormShow(lf, lpic);
    showLoadcase(1);
    ASSERT_EQ(loadNext(), LoadRoute::Analysis);
    EXPECT_EQ(rates(1), tenOverFour);
    EXPECT_EQ(rates(2), tenOverFour);

    // Saved, opened, "Next >" unchanged: the loadcase not shown keeps its stack too.
    RunAnalysis(host);
    const std::string path = StartDirPath("job.kxf");
    WriteBeamFile(path);
    ASSERT_TRUE(OpenBeamFile(host, path));
    LoadFormShow(lf, lpic);
    ASSERT_EQ(loadNext(), LoadRoute::Analysis);
    EXPECT_EQ(rates(1), tenOverFour);
    EXPECT_EQ(rates(2), tenOverFour);
    EXPECT_EQ(rates(3), std::vector<float>(6, 0.0f));
}

TEST_F(JobGuardTest, AnalyseRefusesLoadsLeftPastTheEndOfAShortenedBeam) {
    pick("127 x 76 UB 13");
    TypeBeam({"8"});
    ASSERT_NO_FATAL_FAILURE(beamNext());
    udl(1, "6", "2", "10");
    ASSERT_EQ(loadNext(), LoadRoute::Analysis);
    RunAnalysis(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);

    // Shortened to 4 m: the load form refuses its "Next >"; Cancel; Analyse.
    Type(1, "4");
    ASSERT_NO_FATAL_FAILURE(beamNext());
    dialogs->clear();
    ASSERT_EQ(loadNext(), LoadRoute::Stay);
    RestoreCommittedLoads();
    dialogs->clear();
    host.calls.clear();
    RunAnalysis(host);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Load 1 extends past end of beam"});
    EXPECT_EQ(host.calls, "AskForInput loads");
    EXPECT_FALSE(ResultsStand());
    EXPECT_TRUE(ResultsOfAnotherJob()); // the 8 m beam's results are neither shown nor saved
}

TEST_F(JobGuardTest, AnalyseRefusesUnequalLoadFactorsOnForkheadsAsTheLoadFormDoes) {
    // Two 4 m spans on vertically fixed supports, factored loads on: 10 kN/m x 1.6 on span 1 and
    // 2 kN/m x 1.0 on span 2. By hand M_B = -(16 + 2) x 4^2 / 16 = -18 kNm, so support 3 carries
    // 2 x 4 / 2 - 18 / 4 = (-16 + 14) x 4 / 16 = -0.5 kN: it holds the beam down.
    Model.FactoredLoadsFlag = 1;
    pick("127 x 76 UB 13");
    TypeBeam({"4", "4"});
    ASSERT_NO_FATAL_FAILURE(beamNext());
    udl(1, "0", "4", "10");
    udl(2, "4", "4", "2");
    lf.Rows[1].Edit_LF.Text = "1.6";
    lf.Rows[2].Edit_LF.Text = "1.0";
    ASSERT_EQ(loadNext(), LoadRoute::Analysis);
    RunAnalysis(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_NEAR(Eng.SupportReaction[1][3] / 1000, (-16 + 14) * 4 / 16.0, 0.002);

    // Forkheads, which cannot hold the beam down, on the beam form; "Next >".
    f.Option_Vert_Fixed = false;
    f.Option_Forkhead = true;
    SupportKindClicked(f, pic);
    ASSERT_NO_FATAL_FAILURE(beamNext());
    dialogs->clear();
    EXPECT_EQ(loadNext(), LoadRoute::Stay);
    EXPECT_EQ(Messages(), std::vector<std::string>{loadmsg::kForkheadFactors});
    RestoreCommittedLoads(); // Cancel

    dialogs->clear();
    host.calls.clear();
    RunAnalysis(host);
    EXPECT_EQ(Messages(), std::vector<std::string>{loadmsg::kForkheadFactors});
    EXPECT_EQ(host.calls, "AskForInput loads");
    EXPECT_FALSE(ResultsStand()); // the reaction above is of the vertically fixed beam
    EXPECT_TRUE(ResultsOfAnotherJob());
}

TEST_F(JobGuardTest, TheFactoredLoadsQuestionIsAskedOnceWhicheverOfTheCheckAndTheSettingComesLast) {
    struct Case {
        const char* what;
        bool
            settingFirst; // factored loads on before the beam form's "Next >", or while the load form is open
        bool yes;
        float committedFactor; // of the 10 kN/m typed with 1.6
    };
    const Case cases[] = {
        {"setting, then the check; Yes", true, true, 1.6f},
        {"setting, then the check; No", true, false, 1.0f},
        {"the check, then the setting; Yes", false, true, 1.6f},
        {"the check, then the setting; No", false, false, 1.0f},
    };
    const std::string question = beammsg::kFactoredLoads;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NewBeam(host);
        BeamFormShow(f);
        ASSERT_EQ(Model.FactoredLoadsFlag, -1);
        dialogs->clear();
        dialogs->confirmAnswers = {c.yes};
        if (c.settingFirst) factoredLoadsOnInPreferences();
        pick("127 x 76 UB 13");
        TypeBeam({"4"});
        checkToBS5975();
        ASSERT_NO_FATAL_FAILURE(beamNext());
        if (!c.settingFirst) factoredLoadsOnInPreferences();
        udl(1, "0", "4", "10");
        lf.Rows[1].Edit_LF.Text = "1.6";
        ASSERT_EQ(loadNext(), LoadRoute::Span);
        ASSERT_EQ(spanForm(), SpanRoute::Analysis);
        RunAnalysis(host);
        ASSERT_EQ(Model.AnalysedFlag, 1);

        const std::vector<std::string> expected =
            c.yes ? std::vector<std::string>{question}
                  : std::vector<std::string>{question, beammsg::kFactorsReset};
        EXPECT_EQ(shownTexts(), expected);
        EXPECT_EQ(Model.FactoredLoadsFlag, c.yes ? 1 : -1);
        EXPECT_EQ(Model.LoadTable[1][1][lfLF], c.committedFactor);
        // Factored: the reactions carry 10 x 1.6 x 4 = 64 kN; refused: 40 kN.
        EXPECT_NEAR(Eng.SupportReactionSum[1] / 1000, 10 * c.committedFactor * 4, 0.01);
        // The load form asked, and shows the factor that counts.
        if (!c.yes && !c.settingFirst) {
            EXPECT_EQ(lf.Rows[1].Edit_LF.Text, "1.000");
        }
        // Nothing changed since: nothing asks again.
        dialogs->clear();
        LoadFormShow(lf, lpic);
        ASSERT_EQ(loadNext(), LoadRoute::Span);
        RunAnalysis(host);
        EXPECT_EQ(shownTexts(), std::vector<std::string>{});
    }
}

TEST_F(JobGuardTest, NextAndAnalyseAskTheSameRulesWithTheSameMessages) {
    enum class Next { Beam, Loads, Span };
    struct Case {
        const char* what;
        std::function<void()> spoil; // of the committed job
        Next form;                   // whose "Next >" asks
        std::vector<std::string> texts;
        std::string asked; // what Analyse asks of the windows first
        bool opens = true; // false: the file reader refuses such a job already
    };
    const auto loads = [](const std::function<void(int lc, TLoadRec&)>& change) {
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            change(lc, Model.LoadTable[lc][1]);
    };
    const std::vector<Case> cases = {
        {"timber sizes with member type HRS",
         [] {
             for (int r = 0; r <= kRHCantRow; ++r) {
                 Model.SpanData[r][mfTimberDepth] = 225;
                 Model.SpanData[r][mfTimberWidth] = 75;
             }
         },
         Next::Beam,
         {beammsg::kSection},
         "AskForInput beam"},
        {"timber member type without timber sizes",
         [] { Model.MemberType = "Timber"; },
         Next::Beam,
         {beammsg::kSection},
         "AskForInput beam"},
        {"a load 1 m past the end",
         [&] { loads([](int, TLoadRec& r) { r[lfCover] = 9000; }); },
         Next::Loads,
         {"Load 1 extends past end of beam"},
         "AskForInput loads"},
        {"forkheads with factors 1.6 and 1.0",
         [&] {
             Model.FactoredLoadsFlag = 1;
             Model.SupportType.fill(supForkhead);
             loads([](int lc, TLoadRec& r) {
                 r[lfLF] = 1.6f;
                 Model.LoadTable[lc][kSelfWeightRecord][lfApplied] = 1.0f;
                 Model.LoadTable[lc][kSelfWeightRecord][lfLF] = 1.0f;
             });
         },
         Next::Loads,
         {loadmsg::kForkheadFactors},
         "AskForInput loads"},
        {"span 2's effective length chosen for 3 m",
         [] { Model.EffLengthMemberLength[2] = 3000; },
         Next::Span,
         {spanChanged(2)},
         "AskForInput member 2"},
        {"no load applied in any loadcase",
         [&] {
             for (auto& loadcase : Model.LoadTable)
                 for (int i = 1; i < kSelfWeightRecord; ++i)
                     loadcase[i][lfApplied] = 0;
         },
         Next::Loads,
         {loadmsg::kNoLoadsApplied},
         "AskForInput loads"},
        {"a load starting 1 m before the beam",
         [&] {
             loads([](int, TLoadRec& r) {
                 r[lfDist] = -1000;
                 r[lfCover] = 8000;
             });
         },
         Next::Loads,
         {loadmsg::kNegativeLengths},
         "AskForInput loads"},
        {"span 2 without a length",
         [] {
             Model.SpanData[2][mfL] = 0;
             Model.BeamLength = 4000;
         },
         Next::Beam,
         {beammsg::kSpanLength},
         "AskForInput beam",
         false},
        {"a flange 41 mm thick",
         [] { Model.FlangeThickness = 41; },
         Next::Beam,
         {beammsg::kThickness},
         "AskForInput beam"},
        {"a coupler at the LH end without a lift height",
         [] {
             Model.SupportType[0] = supCouplerTop;
             Model.LiftHeight = 0;
         },
         Next::Beam,
         {beammsg::kLiftHeight},
         "AskForInput beam"},
        {"a section without E",
         [] {
             for (TMemberRow& r : Model.SpanData)
                 r[mfE] = 0;
         },
         Next::Beam,
         {beammsg::kSection},
         "AskForInput beam",
         false},
        {"factored loads turned on since the question",
         [] {
             Model.FactoredLoadsFlag = 1;
             FactoredLoadsSettingChanged(Model);
         },
         Next::Loads,
         {beammsg::kFactoredLoads, beammsg::kFactorsReset},
         "ShowLoadFactorsReset"},
    };
    ASSERT_NO_FATAL_FAILURE(straightRun({"4", "4"}));
    const auto job = std::make_unique<SharedModel>(Model);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Model = *job;
        c.spoil();
        host.onRestore();
        dialogs->clear();
        switch (c.form) {
        case Next::Beam:
            BeamFormShow(f);
            EXPECT_FALSE(Commit());
            break;
        case Next::Loads:
            LoadFormShow(lf, lpic);
            loadNext();
            break;
        case Next::Span:
            SpanFormShow(sc, sp);
            EXPECT_EQ(SpanNext(sc, sp), SpanRoute::Stay);
            break;
        }
        EXPECT_EQ(shownTexts(), c.texts) << "Next";

        // The job as committed, and as a file holds it and File > Open reads it.
        for (const bool opened : {false, true}) {
            Model = *job;
            c.spoil();
            if (opened && !c.opens) {
                EXPECT_THROW(ReadKxfFile(WriteKxfFile()), KxfFileError);
                continue;
            }
            if (opened) ReadKxfFile(WriteKxfFile());
            dialogs->clear();
            host.calls.clear();
            RunAnalysis(host);
            EXPECT_EQ(shownTexts(), c.texts) << "Analyse" << (opened ? " after Open" : "");
            EXPECT_EQ(host.calls.substr(0, c.asked.size()), c.asked);
            if (c.asked.starts_with("AskForInput")) {
                EXPECT_EQ(host.calls.find("FillResultsList"), std::string::npos);
            }
        }
    }
}

} // namespace
