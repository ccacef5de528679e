// The example jobs of examples/: each made as a user makes it, from File New through the beam
// form's and the load form's "Next >" to the analysis with the main window's drawings. Each file
// holds the members, supports, section and loads it is written from, opens and saves again byte
// for byte, with reactions that carry its loads, results against hand statics and its loadcase 1
// drawn with its load rate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "DrawingTestSupport.h"
#include "KxfTestSupport.h"
#include "input/FormTestSupport.h"
#include "input/LoadData.h"
#include "input/SectionChoice.h"
#include "input/TimSect.h"
#include "platform/BinaryIO.h"
#include "platform/Files.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"
#include "window/BeamAndLoadSketch.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"
#include "window/PrintDiagrams.h"
#include "window/ScreenDiagrams.h"

using namespace kx;
using namespace kxtest;
using kx::test::kFrameF;

namespace {

// A row of the load form as typed (m, kN, kN/m; an empty factor takes the default of 1), and the
// loadcases whose Apply box is ticked for it.
struct LoadRow {
    bool point;
    double value, dist, cover; // value: P, or the rate from start to finish
    std::string lf;
    std::vector<int> loadcases;
};
std::string Typed(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}
LoadRow Udl(double w, double dist, double cover, std::vector<int> lcs, std::string lf = "") {
    return {false, w, dist, cover, std::move(lf), std::move(lcs)};
}
LoadRow Point(double P, double dist, std::vector<int> lcs, std::string lf = "") {
    return {true, P, dist, 0, std::move(lf), std::move(lcs)};
}

// What an example is written from, known without the program: its members in mm (0 for a
// cantilever it has not), the code of its supports, its section with E and Ixx as published
// (within 0.5 %), and its loads as typed.
struct Job {
    double lhc;
    std::vector<double> spans;
    double rhc;
    int support;
    std::string section;
    double E, Ixx;
    std::vector<LoadRow> loads;
};

// Moment at support k (1 = LH end) of loadcase lc from the stores: the start of the span beyond
// it, or the end of the last span.
double SupportMoment(int lc, int k) {
    const int n = Model.SpanCount[lc];
    return k <= n ? Eng.StoredMoment[lc][k][1] : Eng.StoredMoment[lc][n][Model.StoredSpanIntervals + 1];
}

double StoredReactionTotal(int lc) {
    double sum = 0;
    for (int k = 1; k <= kMaxSupports; ++k)
        sum += Eng.SupportReaction[lc][k];
    return sum;
}

void ExpectNear(double got, double want, const std::string& what) {
    EXPECT_NEAR(got, want, 1e-5 * std::abs(want)) << what;
}

// A job of 305 x 165 UB 40 (E 205000 N/mm^2, Ixx 8503 cm^4) without cantilevers.
Job UB305x165x40(std::vector<double> spans, int support, std::vector<LoadRow> loads) {
    return {0, std::move(spans), 0, support, "305 x 165 UB 40", 205000, 8503e4, std::move(loads)};
}

// The committed job is the one described, and each analysed loadcase's reactions carry the loads
// it applies (factored).
void ExpectJob(const Job& j) {
    const int n = static_cast<int>(j.spans.size());
    ASSERT_EQ(Model.SpanCount[0], n);
    std::vector<double> members{j.lhc}, committed{Model.SpanData[kLHCantRow][mfL]};
    for (int s = 1; s <= n; ++s) {
        members.push_back(j.spans[static_cast<std::size_t>(s - 1)]);
        committed.push_back(Model.SpanData[s][mfL]);
    }
    members.push_back(j.rhc);
    committed.push_back(Model.SpanData[kRHCantRow][mfL]);
    EXPECT_EQ(committed, members);
    EXPECT_EQ(Model.SpanData[kLHCantRow][mfExists], j.lhc > 0 ? 1.0f : 0.0f);
    EXPECT_EQ(Model.SpanData[kRHCantRow][mfExists], j.rhc > 0 ? 1.0f : 0.0f);
    for (int k = 1; k <= n + 1; ++k)
        EXPECT_EQ(Model.SupportType[k == n + 1 ? 25 : k - 1], j.support) << "support " << k;
    EXPECT_NE(Model.SectionDescription.str().find(j.section), std::string::npos)
        << Model.SectionDescription.str();
    EXPECT_EQ(Model.SpanData[1][mfE], j.E);
    EXPECT_NEAR(Model.SpanData[1][mfIxx], j.Ixx, 0.005 * j.Ixx);

    int lastCase = 0;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        double total = 0;
        for (int r = 1; r <= kLoadRows; ++r) {
            const TLoadRec& rec = Model.LoadTable[lc][r];
            if (r > static_cast<int>(j.loads.size())) {
                EXPECT_NE(rec[lfApplied], 1.0f) << "loadcase " << lc << " record " << r;
                continue;
            }
            const LoadRow& l = j.loads[static_cast<std::size_t>(r - 1)];
            if (std::find(l.loadcases.begin(), l.loadcases.end(), lc) == l.loadcases.end()) {
                EXPECT_NE(rec[lfApplied], 1.0f) << "loadcase " << lc << " record " << r;
                continue;
            }
            // N and mm: a point load in kN, a rate in kN/m = N/mm; an empty factor is 1.
            const double lf = l.lf.empty() ? 1.0 : std::stod(l.lf);
            const double P = l.point ? 1000 * l.value : l.value, cover = 1000 * l.cover;
            const double want[] = {
                l.point ? 1.0 : -1.0, 1000 * l.dist, P, l.point ? 0 : P, l.point ? 0 : cover, lf, 1.0};
            for (int k = 0; k <= lfApplied; ++k)
                EXPECT_NEAR(rec[k], want[k], 1e-6 * std::abs(want[k]))
                    << "loadcase " << lc << " record " << r << " field " << k;
            total += (l.point ? P : P * cover) * lf;
            lastCase = lc;
        }
        EXPECT_NEAR(StoredReactionTotal(lc), total, 1e-5 * total) << "loadcase " << lc;
    }
    EXPECT_EQ(Model.LoadcaseCount, lastCase);
}

// The main window's drawings on a recording canvas; the sketch leaves the member lengths that
// the printed pages read.
class DrawingHost : public NullAnalysisHost {
public:
    void DrawLoads() override { kx::DrawLoads(canvas, kFrameF); }
    void DrawBeam() override { kx::DrawBeam(canvas, kFrameF); }
    void DrawDiagrams() override { kx::DrawDiagrams(canvas, kFrameF); }
    RecordingCanvas canvas;
};

class Examples : public BeamFormTest {
protected:
    // File New (factored loads shown, as the preferences say) and the beam form shown.
    void SetUp() override {
        BeamFormTest::SetUp();
        host.onReset = [this] {
            ResetBeamForm(f);
            NewBeamLoadForm(lf);
        };
        WriteAllSectionFiles(); // as the main window's showing writes them
        ResetProgramState();
        Model.VersionNumber = kVersionNumber;
        Model.VersionSuffix = kVersionSuffix;
        ReadUnitFile();
        NewBeam(host);
        Model.FactoredLoadsFlag = 1;
        BeamFormShow(f);
    }

    // A section of a family's file, clicked in the beam form's list.
    void PickSection(const char* family, const std::string& designation) {
        ChooseSectionFamily(f, *SectionFamilyByCode(family));
        const auto at = std::find_if(f.List_Sect.begin(), f.List_Sect.end(), [&](std::string line) {
            line.erase(0, line.find_first_not_of(' '));
            return line.erase(line.find_last_not_of(' ') + 1) == designation;
        });
        ASSERT_TRUE(kx::PickSection(f, static_cast<int>(at - f.List_Sect.begin()))) << designation;
    }

    // The beam form's "Next >", every load row typed, each loadcase's rows ticked and "Next >".
    void CommitBeamAndLoads(const std::vector<LoadRow>& loads) {
        ASSERT_TRUE(Commit()) << testing::PrintToString(Messages());
        LoadFormShow(lf, lpic);
        for (int n = 1; n <= static_cast<int>(loads.size()); ++n) {
            const LoadRow& l = loads[static_cast<std::size_t>(n - 1)];
            LoadRowControls& r = lf.Rows[n];
            r.OptionP = l.point;
            r.OptionUDL = !l.point;
            SetLoadRowMode(lf, n);
            (l.point ? r.Edit_PL : r.Edit_UDLS).Text = Typed(l.value);
            r.Edit_UDLF.Text = l.point ? "" : Typed(l.value);
            r.Edit_Dist.Text = Typed(l.dist);
            r.Edit_Cover.Text = l.point ? "" : Typed(l.cover);
            r.Edit_LF.Text = l.lf;
        }
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            lf.Edit_Case = lc;
            LoadcaseClicked(lf, lpic);
            for (int n = 1; n <= static_cast<int>(loads.size()); ++n) {
                const std::vector<int>& in = loads[static_cast<std::size_t>(n - 1)].loadcases;
                if (std::find(in.begin(), in.end(), lc) == in.end()) continue;
                lf.Rows[n].Check = true;
                ApplyClicked(lf, n, lpic);
            }
        }
        ASSERT_NE(CommitLoads(lf, lpic), LoadRoute::Stay) << testing::PrintToString(Messages());
    }

    // The analysis as the main window runs it, then the example file opened in its place: each
    // the job described, and the file saved again unchanged. Loadcase 1 on the screen: the rate
    // of its one distributed load in red over its start; on the printed page with the member
    // lengths that the file keeps from the sketch.
    void AnalyseAndCompare(const std::string& file, const char* title, const Job& job,
                           const std::string& screenRate, const std::string& printedRate) {
        Model.HeaderCompany = "";
        Model.HeaderProject1 = "KX-Flexor example";
        Model.HeaderJobDesc = title;
        DrawingHost analysis;
        AnalyseBeam(analysis);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        EXPECT_EQ(Messages(), std::vector<std::string>{}) << "the forms or the analysis spoke";
        {
            SCOPED_TRACE("as made in the forms");
            ExpectJob(job);
        }

        const std::string path = std::string(KX_SOURCE_DIR "/examples/") + file;
        ResetProgramState();
        ASSERT_TRUE(OpenBeamFile(host, path));
        EXPECT_EQ(Messages(), std::vector<std::string>{});
        EXPECT_EQ(Model.AnalysedFlag, 1);
        EXPECT_EQ(Model.HeaderJobDesc, title);
        {
            SCOPED_TRACE("as " + file + " holds it");
            ExpectJob(job);
        }
        Model.BeamFileName = dir_.path("saved.kxf");
        SaveBeamFile(host);
        EXPECT_TRUE(ReadWholeFile(dir_.path("saved.kxf")) == ReadWholeFile(path));

        test::Show(1);
        RecordingCanvas screen;
        kx::DrawLoads(screen, kFrameF);
        std::vector<std::string> rates;
        for (const auto& t : test::Of(screen.texts(), colors::Red))
            rates.push_back(t.text);
        EXPECT_EQ(rates, std::vector<std::string>{screenRate});
        EXPECT_EQ(Drawing.DrawnMemberLength[1], Model.SpanData[1][mfL]);
        RecordingPrinter printer;
        printer.BeginDoc();
        PrintCaseDiagrams(printer);
        ASSERT_FALSE(printer.pages.empty());
        EXPECT_TRUE(printer.pages[0]->hasText(printedRate));
    }

    LoadFormControls lf;
    RecordingCanvas loadCanvas;
    LoadFormPicture lpic{loadCanvas, 743, 145};
};

// Two 2 m bays of scaffold tube clamped by double couplers to standards continuing above and below
// (6EI/h each) at a 2 m lift: by symmetry the middle joint does not turn, so the end joint takes
// theta = M_F L / (4EI + 6EI L / h) and the moments are -0.6 M_F and -1.2 M_F, M_F = w L^2 / 12.
TEST_F(Examples, ScaffoldTubeOnDoubleCouplers) {
    PickSection("Scaffold", "\"New\" Steel Tube");
    TypeBeam({"2", "2"});
    f.Edit_L = "2";
    for (bool* box : {&f.Check_LH_End_Sup, &f.Check_Span_Sup, &f.Check_RH_End_Sup})
        *box = true;
    f.Option_Span_Top = false;
    f.Option_Span_Mid = true; // every coupler between two lifts
    CouplerClicked(f, pic);
    // A 48.3 x 4.0 tube: Ixx = pi / 64 (48.3^4 - 40.3^4).
    const Job job{0,
                  {2000, 2000},
                  0,
                  supCouplerMid,
                  "\"New\" Steel Tube",
                  210000,
                  std::numbers::pi / 64 * (std::pow(48.3, 4) - std::pow(40.3, 4)),
                  {Udl(0.9, 0, 4, {1})}};
    ASSERT_NO_FATAL_FAILURE(CommitBeamAndLoads(job.loads));
    ASSERT_NO_FATAL_FAILURE(AnalyseAndCompare("scaffold-tube-double-couplers.kxf",
                                              "Scaffold tube on double couplers", job, "0.900 x 1.000",
                                              "0.900 x 1.000"));
    const double L = 2000, MF = 0.9 * L * L / 12;
    ExpectNear(SupportMoment(1, 1), -0.6 * MF, "end support");
    ExpectNear(SupportMoment(1, 2), -1.2 * MF, "middle support");
    ExpectNear(Eng.SupportReaction[1][1], 0.9 * L / 2 - 0.6 * MF / L, "end reaction");
    EXPECT_EQ(Txt.KxCheckLines[1][9].str(),
              "  Bending Moment = 0.406 x permissible        BENDING MOMENT OK ");
}

// Five 6 m spans of UB on forkheads. All spans loaded: M_B = -2/19 w L^2, M_C = -3/38 w L^2,
// R_A = 15/38 w L. The end span alone: support 3 lifts and goes.
TEST_F(Examples, FiveSpanUBOnForkheads) {
    PickSection("UB", "305 x 165 UB 40");
    TypeBeam({"6", "6", "6", "6", "6"});
    f.Option_Vert_Fixed = false;
    f.Option_Forkhead = true;
    SupportKindClicked(f, pic);
    const Job job =
        UB305x165x40(std::vector<double>(5, 6000), supForkhead, {Udl(10, 0, 30, {1}), Udl(10, 0, 6, {2})});
    ASSERT_NO_FATAL_FAILURE(CommitBeamAndLoads(job.loads));
    ASSERT_NO_FATAL_FAILURE(AnalyseAndCompare("five-span-ub-forkheads.kxf", "Five-span UB on forkheads", job,
                                              "10.00 x 1.000", "10.000 x 1.000"));
    const double w = 10, L = 6000;
    ExpectNear(SupportMoment(1, 2), -2.0 / 19 * w * L * L, "M_B");
    ExpectNear(SupportMoment(1, 3), -3.0 / 38 * w * L * L, "M_C");
    ExpectNear(Eng.SupportReaction[1][1], 15.0 / 38 * w * L, "R_A");
    EXPECT_EQ(Eng.ReleasedSupport[2][3], -1);
    ExpectNear(StoredReactionTotal(2), w * L, "loadcase 2 equilibrium");
}

// Two 6 m spans of UB checked to BS 5975, span 1 restrained at its third points. Both spans loaded:
// M_B = -w L^2 / 8, R_A = 3 w L / 8; span 1 alone: M_B = -w L^2 / 16 and support 3 holds the span
// down with w L / 16.
TEST_F(Examples, UBCheckedWithRestraintsAtIntervals) {
    PickSection("UB", "305 x 165 UB 40");
    TypeBeam({"6", "6"});
    f.Option_None = false;
    f.Option_Check = true;
    CodeCheckClicked(f);
    dialogs->confirmAnswers.push_back(true); // factored loads stay shown
    const Job job = UB305x165x40({6000, 6000}, supFixed, {Udl(10, 0, 12, {1}), Udl(10, 0, 6, {2})});
    ASSERT_NO_FATAL_FAILURE(CommitBeamAndLoads(job.loads));
    // The effective lengths: span 1 between its restraints, span 2 its own length.
    for (int row : {1, 2}) {
        Model.EffLength[row][0] = Model.EffLengthMemberLength[row] = Model.SpanData[row][mfL];
        Model.EffLengthText[row] = row == 1 ? "2 support(s)" : "1.00 x L";
    }
    Model.SpanOptInt[1] = Model.SpanOptNot[2] = Model.AnySpanIntervals = 1;
    Model.EffLength[1][kIntervalCountField] = 2;
    Model.EffLength[1][1] = Model.EffLength[1][2] = 2000;
    Model.RestraintPos[1][1] = Model.RestraintPos[1][2] = 67;
    ASSERT_NO_FATAL_FAILURE(AnalyseAndCompare("ub-steel-check-restraints.kxf",
                                              "UB checked to BS 5975, restrained at intervals", job,
                                              "10.00 x 1.000", "10.000 x 1.000"));
    const double w = 10, L = 6000;
    ExpectNear(SupportMoment(1, 2), -w * L * L / 8, "both spans: M_B");
    ExpectNear(Eng.SupportReaction[1][1], 3 * w * L / 8, "both spans: R_A");
    ExpectNear(SupportMoment(2, 2), -w * L * L / 16, "span 1: M_B");
    ExpectNear(Eng.SupportReaction[2][3], -w * L / 16, "span 1: R_C");
    EXPECT_GT(LineCount(Txt.SteelCheckLines[1]), 20);
}

// Three 3 m spans of 75 x 225 C24 joist (dry, long-term, from the timber section window) under
// 2 kN/m: M_B = -w L^2 / 10, R_A = 0.4 w L, and the middle span sags by 5 w L^4 / 384EI less
// M_B L^2 / 8EI = w L^4 / 1920EI.
TEST_F(Examples, TimberJoistOverThreeSpans) {
    ChooseSectionFamily(f, *SectionFamilyByCode("Timber"));
    f.Edit_Timber_W = "75";
    f.Edit_Timber_H = "225";
    TimSectControls& c = TimSectVars.Ctl;
    c.lbl_Width = "75.00";
    c.lbl_Depth = "225.0";
    c.Option_Wet = false;
    c.Option_Dry = true;
    TimSectWetDryClick();
    c.Duration.fill(false);
    c.Duration[TimberDurationIndex("LT")] = true;
    TimSectDurationClick();
    c.Combo_Grade = TimberGradePosition("C24");
    TimSectGradeClick();
    ApplyTimberToBeamForm(*TimSectNext(), f);
    TypeBeam({"3", "3", "3"});
    // C24: E min 7200 N/mm^2.
    const Job job{0,
                  {3000, 3000, 3000},
                  0,
                  supFixed,
                  "75.0 x 225 C24",
                  7200,
                  75 * std::pow(225.0, 3) / 12,
                  {Udl(2, 0, 9, {1})}};
    ASSERT_NO_FATAL_FAILURE(CommitBeamAndLoads(job.loads));
    ASSERT_NO_FATAL_FAILURE(AnalyseAndCompare("timber-joist.kxf", "Timber joist over three spans", job,
                                              "2.00 x 1.000", "2.000 x 1.000"));
    const double L = 3000, EI = 7200 * 75 * std::pow(225.0, 3) / 12;
    ExpectNear(SupportMoment(1, 2), -2 * L * L / 10, "M_B");
    ExpectNear(Eng.SupportReaction[1][1], 0.4 * 2 * L, "R_A");
    ExpectNear(Eng.StoredDeflection[1][2][11], -2 * std::pow(L, 4) / (1920 * EI), "sag");
}

// A section of the user's file "KX.sct" on a 4 m span with a 1 m RH cantilever, shear deflection
// on: w = 2 N/mm throughout and P = 1500 N at the tip. Statics: R1 = 3375 N, root moment
// -(P c + w c^2 / 2); the tip by virtual work, bending and shear.
TEST_F(Examples, UserSectionWithACantilever) {
    TSectionRec user;
    user.Designation = "Aluminium beam 150";
    user.Group = 1;
    user.E = 70000;
    user.Ixx = 8e6f;
    user.GA = 1.5e7f;
    user.PermShear = 30000;
    user.PermMoment = 6e6f;
    WriteSectionFile("KX.sct", std::vector<TSectionRec>{user});
    PickSection("KXSect", "Aluminium beam 150");
    TypeBeam({"4"}, "", "1");
    f.Check_GA = true;
    const Job job{
        0, {4000}, 1000, supFixed, "Aluminium beam 150", 70000, 8e6, {Udl(2, 0, 5, {1}), Point(1.5, 5, {1})}};
    ASSERT_NO_FATAL_FAILURE(CommitBeamAndLoads(job.loads));
    ASSERT_NO_FATAL_FAILURE(AnalyseAndCompare("user-section-cantilever.kxf", "User section with a cantilever",
                                              job, "2.00 x 1.000", "2.000 x 1.000"));
    const double L = 4000, c = 1000, P = 1500, q = 2, R1 = 3375, EI = 70000 * 8e6, GA = 1.5e7;
    const double bending =
        (P * c * c * c / 3 + q * std::pow(c, 4) / 8 - c / L * (R1 * L * L * L / 3 - q * std::pow(L, 4) / 8)) /
        EI;
    const double shear = (P * c + q * c * c / 2 - c / L * (R1 * L - q * L * L / 2)) / GA;
    ExpectNear(Eng.SupportReaction[1][1], R1, "R1");
    ExpectNear(SupportMoment(1, 2), -(P * c + q * c * c / 2), "root moment");
    ExpectNear(Eng.StoredCantDeflection[1][2][21], -(bending + shear), "tip");
}

// Twenty 3 m spans of UC between 1 m cantilevers in five loadcases: 5 N/mm throughout; 20 kN at
// both tips; 10 N/mm on the odd spans; 15 kN in the middle of every span; the first two together
// with factors 1.4 and 1.6. Each loadcase's reactions carry its loads.
TEST_F(Examples, TwentySpansBothCantileversFiveLoadcases) {
    PickSection("UC", "203 UC 46");
    TypeBeam(std::vector<std::string>(20, "3"), "1", "1");
    std::vector<LoadRow> loads = {Udl(5, 0, 62, {1}), Point(20, 0, {2}), Point(20, 62, {2})};
    for (int s = 0; s < 20; s += 2)
        loads.push_back(Udl(10, 1 + 3 * s, 3, {3}));
    for (int s = 0; s < 20; ++s)
        loads.push_back(Point(15, 2.5 + 3 * s, {4}));
    for (LoadRow l : {Udl(5, 0, 62, {5}, "1.4"), Point(20, 0, {5}, "1.6"), Point(20, 62, {5}, "1.6")})
        loads.push_back(l);
    const Job job{1000, std::vector<double>(20, 3000), 1000, supFixed, "203 UC 46", 205000, 4568e4, loads};
    ASSERT_NO_FATAL_FAILURE(CommitBeamAndLoads(loads));
    ASSERT_NO_FATAL_FAILURE(AnalyseAndCompare("twenty-spans-five-loadcases.kxf",
                                              "Twenty spans, both cantilevers, five loadcases", job,
                                              "5.00 x 1.000", "5.000 x 1.000"));
    const double totals[] = {5 * 62000, 40000, 10 * 30000, 20 * 15000, 1.4 * 5 * 62000 + 64000};
    for (int lc = 1; lc <= 5; ++lc)
        ExpectNear(StoredReactionTotal(lc), totals[lc - 1], "equilibrium");
}

} // namespace
