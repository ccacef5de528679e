// What the input windows give back when nobody changes them: jobs entered through the windows
// and saved, opened again and passed through every window with "Next >" alone, give the same
// beam file byte for byte; and typed lengths keep their meaning through changes of units.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "engine/AnalysedJob.h"
#include "engine/TimberFactors.h"
#include "foundation/SigFig.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "sections/SectionFile.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"
#include "window/KxfTestSupport.h"
#include "window/Point.h"
#include "window/Print.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

using Bytes = std::vector<char>;

Bytes FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Where two images first differ, for the failure message.
std::string FirstDifference(const Bytes& a, const Bytes& b) {
    if (a.size() != b.size()) return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
    std::string out;
    int shown = 0;
    char hex[16];
    for (std::size_t i = 0; i < a.size() && shown < 16; ++i)
        if (a[i] != b[i]) {
            std::snprintf(hex, sizeof hex, " %02x/%02x", a[i] & 0xFF, b[i] & 0xFF);
            out += " @" + std::to_string(i) + hex;
            ++shown;
        }
    return out;
}

// A load not applied in a loadcase is held as -1 or as 0 in its Apply flag, both meaning "not
// applied": a job read from a file holds what the file holds, the load form writes 0 for an
// unticked box. Both images hold -1 for either.
void UnappliedAsMinusOne(Bytes& image, int loadcases) {
    const std::size_t table = kxtest::KxfLayout(loadcases, 0, 0, 0)[26];
    for (int lc = 0; lc < loadcases; ++lc)
        for (int rec = 0; rec < kSelfWeightRecord; ++rec) {
            const std::size_t at =
                table +
                (static_cast<std::size_t>(lc) * kSelfWeightRecord + rec) * TLoadRec::count * sizeof(float) +
                lfApplied * sizeof(float);
            float flag;
            std::memcpy(&flag, &image.at(at), sizeof flag);
            if (flag == 0) flag = -1;
            std::memcpy(&image.at(at), &flag, sizeof flag);
        }
}

// The units a job is typed in: length, point load and distributed load, and factored loads.
struct JobUnits {
    const char *length = "m", *force = "kN", *udl = "kN/m";
    float lengthFactor = 1000, forceFactor = 1000, udlFactor = 1;
    int32 factored = -1;
};

// The steps are public: the jobs of the table take them.
class UnchangedPass : public FormSteps {
public:
    void SetUp() override {
        FormSteps::SetUp();
        ShowForm(main); // writes the section files; from now on a change of units rewrites the forms
    }

    // The units of the next File New: saved as the defaults, which New reads.
    void Units(const JobUnits& u) {
        TUnitSettings s = Model;
        s.UnitTextLength = u.length;
        s.UnitFactorLength = u.lengthFactor;
        s.UnitTextForce = u.force;
        s.UnitFactorForce = u.forceFactor;
        s.UnitTextUDL = u.udl;
        s.UnitFactorUDL = u.udlFactor;
        s.FactoredLoadsFlag = u.factored;
        WriteUnitFile(s);
    }
    // A unit of length chosen in the preferences, with OK.
    void ChangeLength(const char* button) {
        main->Units1->trigger();
        Forms.PreferencesFrm->optionButton(button)->setChecked(true);
        Forms.PreferencesFrm->Button2->click();
    }

    void Pick(QAction* family, int row) {
        family->trigger();
        QListWidgetItem* it = beam->List_Sect->item(row);
        ASSERT_NE(it, nullptr);
        beam->List_Sect->setCurrentItem(it);
        emit beam->List_Sect->itemClicked(it);
        ASSERT_GT(beam->lbl_S01_Ixx->text().toDouble(), 0) << it->text().toStdString();
    }
    void PickNamed(QAction* family, const char* designation) {
        family->trigger();
        const QList<QListWidgetItem*> found =
            beam->List_Sect->findItems(QString::fromLatin1(designation), Qt::MatchStartsWith);
        ASSERT_FALSE(found.empty()) << designation;
        Pick(family, beam->List_Sect->row(found.front()));
    }
    // Row n of the load form a point load (P), and its factor.
    void Point(int n, const char* at, const char* P, const char* lf = nullptr) {
        const TLoadRow& r = loads->Row(n);
        r.OptionP->click();
        r.Edit_Dist->setText(at);
        r.Edit_PL->setText(P);
        if (lf) r.Edit_LF->setText(lf);
    }
    // "Next >" of whichever window is showing, until the analysis has shown the main window.
    void NextToTheAnalysis(const std::function<void(const char* form)>& afterEachNext = {}) {
        const auto after = [&](const char* form) {
            if (afterEachNext) afterEachNext(form);
        };
        for (int step = 0; step < 8; ++step) {
            if (beam->isVisible()) {
                beam->cmdNext->click();
                after("beam");
            } else if (loads->isVisible()) {
                loads->cmd_Next->click();
                after("loads");
            } else if (Widget(Forms.CantLHFrm)->isVisible()) {
                Forms.CantLHFrm->cmd_Next->click();
                after("LH cantilever");
            } else if (Widget(Forms.SpanFrm)->isVisible()) {
                Forms.SpanFrm->cmd_Next->click();
                after("spans");
            } else if (Widget(Forms.CantRHFrm)->isVisible()) {
                Forms.CantRHFrm->cmd_Next->click();
                after("RH cantilever");
            } else {
                return;
            }
        }
        FAIL() << "the wizard did not reach the analysis";
    }
    // Two steel spans of 6 and 4 m checked to BS 5975, one point load, up to the span form.
    void CheckedBeamToTheSpanForm() {
        Units({});
        NewBeam(2, false, false);
        Lengths({"6", "4"});
        Pick(beam->UniversalBeams1, 2);
        beam->Option_Check->click();
        beam->cmdNext->click();
        Point(1, "1", "10");
        Apply(1, {1});
        loads->cmd_Next->click();
        ASSERT_TRUE(Widget(Forms.SpanFrm)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    }
    static std::string Text(const QTableWidget* g, int col, int row) {
        const QTableWidgetItem* it = g->item(row, col);
        return it ? it->text().toStdString() : "<none>";
    }
    std::string Path(const char* name) const { return (std::filesystem::path(StartDir) / name).string(); }
};

// One job of the table: its units, what is typed into the windows, and the answers to the
// questions that the entry and the unchanged pass ask ("factored loads for permissible stress
// design?": Yes, to keep them).
struct Job {
    const char* name;
    JobUnits units;
    std::function<void(UnchangedPass&)> enter;
    int questions = 0;
};

// Every kind of input, in values that do not round to the figures the windows show (a span of
// 10.125 m shows as "10.13", 12.375 ft as "12.38", 1.2345 kN/m as "1.235", a lift height of
// 1.875 m as "1.88", a factor of 1.2345 as "1.23"). Analysed, saved, opened and passed through
// every window with "Next >" alone, the job saves to the same bytes.
const std::vector<Job>& Jobs() {
    static const std::vector<Job> jobs = {
        {"steel checked to BS 5975 with both cantilevers, factored loads and self-weight",
         {"m", "kN", "kN/m", 1000, 1000, 1, 1},
         [](UnchangedPass& t) {
             t.NewBeam(2, true, true);
             t.Lengths({"1.2345", "10.125", "4.3217", "0.9876"});
             t.PickNamed(t.beam->UniversalBeams1, "457 x 191 UB 67");
             t.beam->Option_Check->click();
             t.Script().confirmAnswers.push_back(true);
             t.beam->cmdNext->click();
             t.Udl(1, "0.5", "1.2345", "2.3456", "3.21", "1.2345");
             t.Point(2, "7.8125", "12.345", "1.5675");
             t.Point(3, "16.0001", "0.98765", "1.05");
             t.loads->Edit_LF->setText("1.3579");
             t.Apply(1, {1, 2});
             t.loads->Check_Swt->click();
             t.Apply(2, {2, 3});
             t.Apply(3, {3});
             t.Apply(4, {2});
             t.Apply(5, {2, 3});
             t.loads->cmd_Next->click();
             // The LH cantilever's own length, spans 1 by factor and 2 at unequal intervals typed,
             // the RH cantilever by factor.
             TCantLHFrm* left = Forms.CantLHFrm;
             t.Script().inputAnswers.push_back("1.2345");
             left->Option_Edit->click();
             left->cmd_Next->click();
             TSpanFrm* span = Forms.SpanFrm;
             span->Option_Partial->click();
             span->Check_12->click();
             span->Edit_Span->setValue(2);
             span->Option_Int->click();
             span->Edit_No->setValue(2);
             span->Grid_Int->item(1, 1)->setText("1.2345");
             span->Grid_Int->item(1, 2)->setText("2.0005");
             span->cmd_OK->click();
             span->cmd_Next->click();
             TCantRHFrm* right = Forms.CantRHFrm;
             for (QRadioButton* o :
                  {right->Option_Support_Lateral, right->Option_End_Torsion, right->Option_Destabilizing})
                 o->click();
             right->cmd_Next->click();
         },
         1},
        {"scaffold tube on double couplers at the top and between lifts, lift height 1.875 m",
         {},
         [](UnchangedPass& t) {
             t.NewBeam(3, false, false);
             t.Lengths({"1.875", "2.0625", "1.9375"});
             t.Pick(t.beam->Tube1, 0);
             t.beam->Check_LH_End_Sup->click();
             t.beam->Option_LH_Top->click();
             t.beam->Check_Span_Sup->click();
             t.beam->Option_Span_Mid->click();
             t.beam->Check_RH_End_Sup->click();
             t.beam->Option_RH_Top->click();
             t.beam->Edit_L->setText("1.875");
             t.beam->cmdNext->click();
             t.Point(1, "0.9375", "1.2345");
             t.Udl(2, "0", "0.12345", "0.12345", "5.875");
             t.Apply(1, {1, 2});
             t.Apply(4, {1});
             t.loads->cmd_Next->click();
         }},
        {"own section in ft and Kips with shear deflection and fixed ends",
         {"ft", "Kips", "Kips/ft", 304.8f, 4448.22f, 14.593903f, -1},
         [](UnchangedPass& t) {
             WriteOwnSectionFile();
             t.NewBeam(2, false, false);
             t.Lengths({"12.375", "9.8765"});
             t.beam->Check_LHF->click();
             t.beam->Check_RHF->click();
             t.Pick(t.beam->Miscellaneous1, 0);
             t.beam->Check_GA->click();
             t.beam->cmdNext->click();
             t.Udl(1, "1.2345", "0.12345", "0.23456", "10.125");
             t.Point(2, "13.3125", "1.2345");
             t.Apply(1, {1, 2});
             t.Apply(5, {2});
             t.loads->cmd_Next->click();
         }},
        {"forkheads in inches and lbf with a RH cantilever",
         {"in", "lbf", "lbf/in", 25.4f, 4.4482217f, 0.175127f, -1},
         [](UnchangedPass& t) {
             t.NewBeam(2, false, true);
             t.Lengths({"157.4375", "98.4375", "23.625"});
             t.beam->Option_Forkhead->click();
             t.Pick(t.beam->UniversalBeams1, 0);
             t.beam->cmdNext->click();
             t.Point(1, "100.25", "1234.5");
             t.Udl(2, "12.375", "5.4321", "0", "100.0625");
             t.Apply(1, {1, 2});
             t.Apply(2, {1});
             t.loads->cmd_Next->click();
         }},
        {"timber of sizes that do not round, with shear deflection",
         {},
         [](UnchangedPass& t) {
             t.NewBeam(2, false, false);
             t.Lengths({"3.125", "2.6875"});
             t.beam->Timber1->trigger();
             t.beam->Edit_Timber_W->setText("47.25");
             t.beam->Edit_Timber_H->setText("147.25");
             t.beam->cmd_OK->click();
             TTimSectFrm* ts = Forms.TimSectFrm;
             ts->Combo_Grade->setCurrentIndex(4); // C24
             ts->Option_Dry->setChecked(true);
             ts->Option_Share->setChecked(true);
             ts->Duration[TimberDurationIndex("General")]->setChecked(true);
             ts->cmd_OK->click();
             t.beam->Check_GA->click();
             t.beam->cmdNext->click();
             t.Point(1, "1.5625", "2.3456");
             t.Apply(1, {1});
             t.loads->cmd_Next->click();
         }},
    };
    return jobs;
}

// Each job in a program of its own, so that one that stops leaves nothing to the next.
class RoundTrip : public UnchangedPass, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(RoundTrip, OpenThenNextThroughEveryWindowSavesTheSameFile) {
    {
        const Job& job = Jobs().at(GetParam());
        SCOPED_TRACE(job.name);
        Units(job.units);
        job.enter(*this);
        ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
        SaveAs(Path("entered.kxf"));
        Bytes entered = FileBytes(Path("entered.kxf"));
        ASSERT_FALSE(entered.empty());

        Open(Path("entered.kxf"));
        dialogs_->clear();
        for (int q = 0; q < job.questions; ++q)
            dialogs_->confirmAnswers.push_back(true);
        main->Beam1->trigger();
        NextToTheAnalysis();
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        std::filesystem::remove(Path("passed.kxf"));
        SaveAs(Path("passed.kxf"));
        Bytes passed = FileBytes(Path("passed.kxf"));
        ASSERT_EQ(passed.size(), entered.size()) << "the passed job saved";
        UnappliedAsMinusOne(entered, Model.LoadcaseCount);
        UnappliedAsMinusOne(passed, Model.LoadcaseCount);
        EXPECT_TRUE(passed == entered) << FirstDifference(entered, passed);
    }
}

INSTANTIATE_TEST_SUITE_P(UnchangedPass, RoundTrip, ::testing::Range<std::size_t>(0, 5));

// Each effective-length choice of the cantilevers and the spans (each span chosen alike), made
// in a straight run and saved: the job opened and passed through every window with "Next >" alone saves the
// same bytes. A 1.5 m LH cantilever, spans of 4 and 4 m and a 1.5 m RH cantilever of 127 x 76 UB 13 checked
// to BS 5975 under 2 kN/m.
struct EffLengthChoice {
    const char* name;
    std::function<void(TCantLHFrm*)> left;
    std::function<void(TSpanFrm*)> span;
    std::function<void(TCantRHFrm*)> right;
};

template <class Form>
std::function<void(Form*)> Factor(QRadioButton* Form::*support, QRadioButton* Form::*end,
                                  QRadioButton* Form::*loading) {
    return [=](Form* f) {
        for (QRadioButton* Form::*o : {support, end, loading})
            (f->*o)->click();
    };
}
template <class Form> std::function<void(Form*)> Click(QRadioButton* Form::*o) {
    return [=](Form* f) { (f->*o)->click(); };
}

const std::vector<EffLengthChoice>& EffLengthChoices() {
    static const std::vector<EffLengthChoice> rows = {
        {"both cantilevers fully restrained", Click(&TCantLHFrm::Option_Restrained),
         Click(&TSpanFrm::Option_Full), Click(&TCantRHFrm::Option_Restrained)},
        {"cantilevers by factor, span restrained",
         Factor(&TCantLHFrm::Option_Support_Partial, &TCantLHFrm::Option_End_Torsion,
                &TCantLHFrm::Option_Destabilizing),
         Click(&TSpanFrm::Option_Restrained),
         Factor(&TCantRHFrm::Option_Support_Both, &TCantRHFrm::Option_End_Both, &TCantRHFrm::Option_Normal)},
        {"a factor chosen after fully restrained, spans not restrained, by 1.2",
         [](TCantLHFrm* f) {
             f->Option_Restrained->click();
             Factor(&TCantLHFrm::Option_Support_Both, &TCantLHFrm::Option_End_Free,
                    &TCantLHFrm::Option_Normal)(f);
         },
         [](TSpanFrm* f) {
             f->Option_Not->click();
             f->Check_12->click();
         },
         [](TCantRHFrm* f) {
             f->Option_Restrained->click();
             Factor(&TCantRHFrm::Option_Support_Both, &TCantRHFrm::Option_End_Top,
                    &TCantRHFrm::Option_Destabilizing)(f);
         }},
        {"fully restrained after a factor, span partially restrained",
         [](TCantLHFrm* f) {
             Factor(&TCantLHFrm::Option_Support_Both, &TCantLHFrm::Option_End_Top,
                    &TCantLHFrm::Option_Destabilizing)(f);
             f->Option_Restrained->click();
         },
         Click(&TSpanFrm::Option_Partial),
         [](TCantRHFrm* f) {
             Factor(&TCantRHFrm::Option_Support_Partial, &TCantRHFrm::Option_End_Free,
                    &TCantRHFrm::Option_Normal)(f);
             f->Option_Restrained->click();
         }},
        {"lengths typed, span restrained at intervals", Click(&TCantLHFrm::Option_Edit),
         [](TSpanFrm* f) {
             f->Option_Full->click();
             f->Option_Int->click();
             f->Edit_No->setValue(2);
             f->Grid_Int->item(1, 1)->setText("1.2345");
             f->Grid_Int->item(1, 2)->setText("1.5");
             f->cmd_OK->click();
         },
         Click(&TCantRHFrm::Option_Edit)},
        {"span lengths typed", Click(&TCantLHFrm::Option_Restrained), Click(&TSpanFrm::Option_Edit),
         Click(&TCantRHFrm::Option_Restrained)},
        {"spans with the load on the top flange", Click(&TCantLHFrm::Option_Edit),
         Click(&TSpanFrm::Option_Pos),
         Factor(&TCantRHFrm::Option_Support_Both, &TCantRHFrm::Option_End_Torsion,
                &TCantRHFrm::Option_Destabilizing)},
    };
    return rows;
}

class EffLengthPass : public UnchangedPass, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(EffLengthPass, OpenThenNextKeepsTheSavedChoice) {
    const EffLengthChoice& row = EffLengthChoices().at(GetParam());
    SCOPED_TRACE(row.name);
    Units({});
    NewBeam(2, true, true);
    Lengths({"1.5", "4", "4", "1.5"});
    PickNamed(beam->UniversalBeams1, "127 x 76 UB 13");
    beam->Option_Check->click();
    beam->cmdNext->click();
    Udl(1, "0", "2", "2", "11");
    Apply(1, {1});
    Script().inputAnswers = {"1.2345", "3.4567", "2.3456"};
    loads->cmd_Next->click();
    ASSERT_TRUE(Widget(Forms.CantLHFrm)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    row.left(Forms.CantLHFrm);
    Forms.CantLHFrm->cmd_Next->click();
    ASSERT_TRUE(Widget(Forms.SpanFrm)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    for (int s : {1, 2}) {
        Forms.SpanFrm->Edit_Span->setValue(s);
        row.span(Forms.SpanFrm);
    }
    Forms.SpanFrm->cmd_Next->click();
    ASSERT_TRUE(Widget(Forms.CantRHFrm)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    row.right(Forms.CantRHFrm);
    Forms.CantRHFrm->cmd_Next->click();
    ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
    // The pass offers each typed length again and takes it as it stands.
    Script().inputAnswers.clear();
    const std::string lhText = Model.EffLengthText[kLHCantRow].str();
    const std::string rhText = Model.EffLengthText[kRHCantRow].str();
    // Through the windows again before any save: the same choice is committed.
    main->Beam1->trigger();
    NextToTheAnalysis();
    EXPECT_EQ(Model.EffLengthText[kLHCantRow].str(), lhText);
    EXPECT_EQ(Model.EffLengthText[kRHCantRow].str(), rhText);
    ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
    SaveAs(Path("entered.kxf"));
    Bytes entered = FileBytes(Path("entered.kxf"));
    ASSERT_FALSE(entered.empty());

    Open(Path("entered.kxf"));
    dialogs_->clear();
    main->Beam1->trigger();
    NextToTheAnalysis();
    EXPECT_EQ(Model.EffLengthText[kLHCantRow].str(), lhText);
    EXPECT_EQ(Model.EffLengthText[kRHCantRow].str(), rhText);
    ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
    std::filesystem::remove(Path("passed.kxf"));
    SaveAs(Path("passed.kxf"));
    Bytes passed = FileBytes(Path("passed.kxf"));
    ASSERT_EQ(passed.size(), entered.size());
    UnappliedAsMinusOne(entered, Model.LoadcaseCount);
    UnappliedAsMinusOne(passed, Model.LoadcaseCount);
    EXPECT_TRUE(passed == entered) << FirstDifference(entered, passed);

    // A second unchanged pass, without opening the file again, keeps it too.
    main->Beam1->trigger();
    NextToTheAnalysis();
    EXPECT_EQ(Model.EffLengthText[kRHCantRow].str(), rhText);
    std::filesystem::remove(Path("again.kxf"));
    SaveAs(Path("again.kxf"));
    Bytes again = FileBytes(Path("again.kxf"));
    UnappliedAsMinusOne(again, Model.LoadcaseCount);
    EXPECT_TRUE(again == entered) << FirstDifference(entered, again);
}

INSTANTIATE_TEST_SUITE_P(UnchangedPass, EffLengthPass, ::testing::Range<std::size_t>(0, 7));

// The example jobs as shipped: opened, passed through every window with "Next >" alone and saved,
// each gives back its own file byte for byte (the answers keep what the file holds).
class ExamplePass : public UnchangedPass, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExamplePass, OpenThenNextThroughEveryWindowSavesTheExampleAgain) {
    const std::string example = std::string(KX_SOURCE_DIR "/examples/") + GetParam();
    const Bytes shipped = FileBytes(example);
    ASSERT_FALSE(shipped.empty()) << example;
    Open(example);
    ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
    dialogs_->clear();
    for (int q = 0; q < 4; ++q)
        dialogs_->confirmAnswers.push_back(true);
    main->Beam1->trigger();
    // Every unchanged commit keeps the file's results shown.
    NextToTheAnalysis([this](const char* form) {
        EXPECT_TRUE(ResultsStand() && main->ShowsResults() && main->List_Results->count() > 0) << form;
    });
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
    ASSERT_EQ(Model.AnalysedFlag, 1);
    SaveAs(Path("passed.kxf"));
    Bytes passed = FileBytes(Path("passed.kxf"));
    Bytes expected = shipped;
    ASSERT_EQ(passed.size(), expected.size());
    UnappliedAsMinusOne(expected, Model.LoadcaseCount);
    UnappliedAsMinusOne(passed, Model.LoadcaseCount);
    EXPECT_TRUE(passed == expected) << FirstDifference(expected, passed);
}

INSTANTIATE_TEST_SUITE_P(UnchangedPass, ExamplePass,
                         ::testing::Values("scaffold-tube-double-couplers.kxf", "five-span-ub-forkheads.kxf",
                                           "ub-steel-check-restraints.kxf", "timber-joist.kxf",
                                           "user-section-cantilever.kxf", "twenty-spans-five-loadcases.kxf"));

// A length typed after changes of units is read in the unit its caption names, also where the
// same figures were shown in another unit before: spans of 6 and 4 m, feet, one span, metres,
// two spans again and 13.1 typed for span 2 is a span of 13.1 m.
TEST_F(UnchangedPass, FiguresTypedAgainAreReadInTheUnitShown) {
    Units({});
    NewBeam(2, false, false);
    Lengths({"6", "4"});
    ChangeLength("Option_L_ft");
    EXPECT_EQ(Text(beam->Grid_Spans, 2, 1), "13.1");
    beam->Edit_Spans->setValue(1);
    ChangeLength("Option_L_m");
    beam->Edit_Spans->setValue(2);
    EXPECT_EQ(Text(beam->Grid_Spans, 0, 1).find("(m)") != std::string::npos, true);
    Lengths({"6", "13.1"});
    EXPECT_FLOAT_EQ(Work.WorkSpanData[1][mfL], 6000);
    EXPECT_FLOAT_EQ(Work.WorkSpanData[2][mfL], 13100);
}

// Spaces between restraints typed in one unit keep their lengths through a change to another,
// both ways, with a caption naming the new unit (whose text may be part of the old one's), and
// the span length beside its own caption follows too.
struct SpaceCase {
    const char *from, *to, *typed, *shown, *unit;
    float mm;
};
class RestraintSpaces : public UnchangedPass, public ::testing::WithParamInterface<SpaceCase> {};

TEST_P(RestraintSpaces, AndTheSpanLengthFollowAChangeOfUnits) {
    const SpaceCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(CheckedBeamToTheSpanForm());
    ChangeLength(c.from);
    TSpanFrm* span = Forms.SpanFrm;
    span->Option_Full->click();
    span->Edit_Span->setValue(2);
    span->Option_Int->click();
    span->Grid_Int->item(1, 1)->setText(c.typed);
    ChangeLength(c.to);
    EXPECT_EQ(Text(span->Grid_Int, 1, 1), c.shown);
    EXPECT_EQ(Text(span->Grid_Int, 0, 1), std::string(" (") + c.unit + ")");
    span->cmd_OK->click();
    EXPECT_FLOAT_EQ(Work.EffLengthWork[2][1], c.mm);
    // Span 1 again: its 6 m shown in the new unit beside that unit.
    span->Edit_Span->setValue(1);
    EXPECT_EQ(span->Label_1_Unit->text().toStdString(), c.unit);
    EXPECT_EQ(span->lbl_L->text().toStdString(), SigFig3(6000 / static_cast<double>(Model.UnitFactorLength)));
    span->cmd_Next->click();
    EXPECT_FLOAT_EQ(Model.EffLength[2][1], c.mm);
    EXPECT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());
}

INSTANTIATE_TEST_SUITE_P(UnchangedPass, RestraintSpaces,
                         ::testing::Values(SpaceCase{"Option_L_m", "Option_L_mm", "1.5", "1500", "mm", 1500},
                                           SpaceCase{"Option_L_mm", "Option_L_m", "1234", "1.23", "m", 1234},
                                           SpaceCase{"Option_L_m", "Option_L_ft", "1.2345", "4.05", "ft",
                                                     1234.5f}));

// Loads typed in one unit keep their values through a change to another and back, both ways,
// also where the new unit's text is part of the old one's (kN to N).
TEST_F(UnchangedPass, LoadsKeepTheirValuesThroughAChangeOfUnits) {
    ASSERT_NO_FATAL_FAILURE(CheckedBeamToTheSpanForm());
    Forms.SpanFrm->cmd_Back->click();
    ASSERT_TRUE(loads->isVisible());
    Point(2, "2.5", "12.345");
    Apply(1, {2});
    for (const char* button : {"Option_PL_N", "Option_PL_kN", "Option_PL_N"}) {
        main->Units1->trigger();
        Forms.PreferencesFrm->optionButton(button)->setChecked(true);
        Forms.PreferencesFrm->Button2->click();
    }
    EXPECT_EQ(loads->lbl_PL->text().toStdString(), "(N)");
    EXPECT_EQ(loads->Row(2).Edit_PL->text().toStdString(), "12300");
    loads->cmd_Next->click();
    EXPECT_FLOAT_EQ(Model.LoadTable[1][2][lfP], 12345);
    EXPECT_FLOAT_EQ(Model.LoadTable[1][2][lfDist], 2500);
}

// After an analysis of a checked steel beam, each change that reaches the committed job takes its
// results off the main window (lists empty, no selector, Save, Save As and Print disabled), out of
// the report, the file and results at a point; a pass with "Next >" alone keeps them, and a change
// undone (the job as analysed again) shows them again, as the job is the one they were found for.
// (A span length changed back is no such undo: its effective lengths are asked for again.)
TEST_F(UnchangedPass, ResultsStandOnlyForTheJobTheyWereFoundFor) {
    struct Change {
        const char* what;
        std::function<void(UnchangedPass&)> make;
        bool stands;
    };
    const auto beamNext = [](UnchangedPass& t, const std::function<void()>& type) {
        t.main->Beam1->trigger();
        type();
        t.beam->cmdNext->click();
    };
    const auto preferences = [](UnchangedPass& t, const std::function<void(TPreferencesFrm&)>& choose) {
        t.main->Units1->trigger();
        choose(*Forms.PreferencesFrm);
        Forms.PreferencesFrm->Button2->click();
    };
    const Change changes[] = {
        {"nothing, Next up to the span form",
         [&](UnchangedPass& t) {
             beamNext(t, [] {});
             t.loads->cmd_Next->click();
         },
         true},
        {"a span length", [&](UnchangedPass& t) { beamNext(t, [&t] {
                                                      t.Lengths({"6.5", "4"});
                                                  }); }, false},
        {"the section",
         [&](UnchangedPass& t) {
             beamNext(t, [&t] { t.PickNamed(t.beam->UniversalBeams1, "203 x 133 UB 25"); });
         },
         false},
        {"a load",
         [](UnchangedPass& t) {
             t.main->Loads1->trigger();
             t.loads->Row(1).Edit_PL->setText("12");
             t.loads->cmd_Next->click();
         },
         false},
        {"factored loads turned on in the preferences",
         [&](UnchangedPass& t) {
             preferences(t, [](TPreferencesFrm& p) { p.Check_Factor->setChecked(true); });
         },
         false},
        {"the moment unit in the preferences",
         [&](UnchangedPass& t) {
             preferences(t, [](TPreferencesFrm& p) { p.optionButton("Option_Mom_Nmm")->setChecked(true); });
         },
         false},
        {"a load changed and changed back",
         [](UnchangedPass& t) {
             for (const char* typed : {"12", "10"}) {
                 t.main->Loads1->trigger();
                 t.loads->Row(1).Edit_PL->setText(typed);
                 t.loads->cmd_Next->click();
             }
         },
         true},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(CheckedBeamToTheSpanForm());
        TSpanFrm* span = Forms.SpanFrm;
        for (int s : {1, 2}) {
            span->Edit_Span->setValue(s);
            span->Option_Full->click();
        }
        span->cmd_Next->click();
        ASSERT_TRUE(ResultsStand()) << ::testing::PrintToString(dialogs_->messages());
        const int listed = main->List_Results->count();
        ASSERT_GT(listed, 0);
        dialogs_->clear();

        c.make(*this);
        EXPECT_EQ(ResultsStand(), c.stands);
        EXPECT_EQ(main->ShowsResults(), c.stands);
        EXPECT_EQ(main->List_Results->count(), c.stands ? listed : 0);
        EXPECT_EQ(main->UpDown1->isEnabled(), c.stands);
        EXPECT_EQ(main->Print1->isEnabled(), c.stands);
        EXPECT_EQ(BeamResultsAvailable(), c.stands);
        if (!c.stands) {
            EXPECT_FALSE(main->Save1->isEnabled() || main->SaveAs1->isEnabled());
            EXPECT_THROW(WriteBeamFile(Path("stale.kxf")), KxfFileError);
            dialogs_->clear();
            EXPECT_FALSE(CalcPointResults("3"));
            EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Analyse the beam first"});
        }
        for (QWidget* f : FormsInCreationOrder())
            if (f != Widget(Forms.Form1) && f != Widget(main)) f->hide();
    }
}

} // namespace

namespace {

// Lengths shown in one unit, rescaled to another and back: the text nobody touched commits the
// exact length it was typed as (3141.59 mm, which three figures in any unit would round), the text
// typed over commits what was typed. Every pair of length units, both ways.
struct UnitPair {
    const char *from, *to;
};
void PrintTo(const UnitPair& p, std::ostream* os) { *os << p.from << " to " << p.to; }
class LengthRoundTrip : public UnchangedPass, public ::testing::WithParamInterface<UnitPair> {};

const std::vector<UnitOption>& LengthOptions() { return UnitOptionGroups()[0].options; }
const UnitOption& LengthOption(const char* button) {
    for (const UnitOption& o : LengthOptions())
        if (std::string(o.button) == button) return o;
    throw std::logic_error(button);
}

TEST_P(LengthRoundTrip, KeepsTheExactLengthUntouchedAndTakesTheTypedOne) {
    const UnitPair p = GetParam();
    const UnitOption& from = LengthOption(p.from);
    JobUnits u;
    u.length = from.text;
    u.lengthFactor = from.factor;
    Units(u);
    NewBeam(2, false, false);
    const double exact = 3141.59; // mm
    char typed[32];
    std::snprintf(typed, sizeof typed, "%.9g", exact / from.factor);
    Lengths({typed, typed});
    Pick(beam->UniversalBeams1, 2);
    ChangeLength(p.to);
    const std::string away = Text(beam->Grid_Spans, 1, 1);
    ChangeLength(p.from);
    const std::string back = Text(beam->Grid_Spans, 1, 1);
    // The texts are rounded each way, so a value read from them would not be the length typed.
    ASSERT_NE(static_cast<float>(std::stod(back) * from.factor), static_cast<float>(exact))
        << away << " " << back;
    Lengths({back.c_str(), "2"}); // span 1 as shown, span 2 typed over
    beam->cmdNext->click();
    ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_FLOAT_EQ(Model.SpanData[1][mfL], static_cast<float>(exact)) << away << " " << back;
    EXPECT_FLOAT_EQ(Model.SpanData[2][mfL], 2 * from.factor);
}

std::vector<UnitPair> LengthPairs() {
    std::vector<UnitPair> pairs;
    for (const UnitOption& a : LengthOptions())
        for (const UnitOption& b : LengthOptions())
            if (&a != &b) pairs.push_back({a.button, b.button});
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(UnchangedPass, LengthRoundTrip, ::testing::ValuesIn(LengthPairs()));

} // namespace
