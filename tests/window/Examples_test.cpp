// The example jobs of examples/: built as the tests build jobs, their sections picked as the beam
// form picks them, analysed and written by the program's own beam-file writer; each opens, rebuilds
// and saves again byte for byte, with results against hand statics. scripts/write-examples writes
// them afresh (KX_WRITE_EXAMPLES=1).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "KxfTestSupport.h"
#include "RecordingFileHost.h"
#include "TempDir.h"
#include "input/SectionChoice.h"
#include "input/TimSect.h"
#include "platform/BinaryIO.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "sections/SectionFile.h"
#include "sections/SectionWriters.h"
#include "window/FileCommands.h"
#include "window/KxfFile.h"

using namespace kx;
using namespace kxtest;
using kx::test::BeamBuilder;

namespace {

std::string Trimmed(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

void CommitWorkingSection();

// A section chosen on the beam form from the files the program writes (and the user's own file
// "KX.sct" when given), then committed with the beam as the beam form commits it.
void PickSection(const char* family, const std::string& designation,
                 const std::vector<TSectionRec>& kx = {}) {
    TempDir dir;
    const std::string saved = StartDir;
    StartDir = dir.dir();
    WriteAllSectionFiles();
    if (!kx.empty()) WriteSectionFile("KX.sct", kx);
    SetDefaultUnits(Model);
    BeamFormControls f;
    ChooseSectionFamily(f, *SectionFamilyByCode(family));
    const auto at = std::find_if(f.List_Sect.begin(), f.List_Sect.end(),
                                 [&](const std::string& line) { return Trimmed(line) == designation; });
    ASSERT_TRUE(PickSection(f, static_cast<int>(at - f.List_Sect.begin()))) << designation;
    StartDir = saved;
    CommitWorkingSection();
}

// What the beam form's commit takes of the working section, timber included.
void CommitWorkingSection() {
    const WorkingCopies& w = Work;
    SharedModel& m = Model;
    m.SectionShape = w.WorkSectionShape;
    m.SectionFamilyCode = w.SectionFamily;
    m.MemberType = w.WorkMemberType;
    m.SectionDescription = w.WorkSectionText;
    m.FlangeThickness = w.WorkFlangeThickness;
    m.WebThickness = w.WorkWebThickness;
    for (int i = 0; i <= 50; ++i)
        m.SectionPropLines[i] = w.WorkSectionPropLines[i];
    for (int row = 0; row <= kRHCantRow; ++row)
        for (int field = mfE; field <= 19; ++field)
            m.SpanData[row][field] = w.WorkSpanData[row][field];
    m.TimberGradeSaved = w.TimberGradeName;
    m.TimberSharingSaved = w.TimberSharingCode;
    m.TimberMoistureSaved = w.TimberMoistureCode;
    m.TimberDurationSaved = w.TimberDurationCode;
    m.TimberGradeValuesSaved = w.TimberGradeValues;
    m.TimberResultLinesSaved = w.TimberResultLines;
    m.TimberWidthSaved = w.TimberWidth;
    m.TimberDepthSaved = w.TimberDepth;
    m.TimberPermMomentSaved = w.TimberPermMoment;
    m.TimberPermShearSaved = w.TimberPermShear;
}

// Effective length of member row `row` = its length, with the code check on.
void CheckedMember(int row, const std::string& text) {
    Model.SteelSectionFlag = 1;
    Model.EffLength[row][0] = Model.EffLengthMemberLength[row] = Model.SpanData[row][mfL];
    Model.EffLengthText[row] = text;
}

// A dry, single, long-term timber member of a strength class and size (mm), worked out by the
// timber section window, then committed with the beam.
void PickTimber(const char* grade, const char* width, const char* depth) {
    SetDefaultUnits(Model);
    BeamFormControls f;
    ChooseSectionFamily(f, *SectionFamilyByCode("Timber"));
    TimSectControls& c = TimSectVars.Ctl;
    c.lbl_Width = width;
    c.lbl_Depth = depth;
    c.Option_Wet = false;
    c.Option_Dry = true;
    TimSectWetDryClick();
    c.Duration.fill(false);
    c.Duration[TimberDurationIndex("LT")] = true;
    TimSectDurationClick();
    c.Combo_Grade = TimberGradePosition(grade);
    TimSectGradeClick();
    TimSectNext();
    CommitWorkingSection();
}

struct Example {
    const char* file;
    const char* title;
    BeamBuilder beam;
    std::function<void()> setUp;
    std::function<void()> check; // on the job as opened
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

// Equal spans L under w with root moments M0 at both ends: the three-moment equation
// M[i-1] + 4 M[i] + M[i+1] = -w L^2 / 2 solved in closed form, r = -2 + sqrt(3).
double ThreeMoment(int n, int i, double w, double L, double M0) {
    const double r = std::sqrt(3.0) - 2, m0 = w * L * L / 12;
    return -m0 + (M0 + m0) * (std::pow(r, i) + std::pow(r, n - i)) / (1 + std::pow(r, n));
}

std::vector<Example> AllExamples() {
    const double w = 10; // N/mm
    std::vector<Example> x;

    // Two 2 m bays of scaffold tube clamped by double couplers to standards continuing above and
    // below (6EI/h each) at a 2 m lift: by symmetry the middle joint does not turn, so the end
    // joint takes theta = M_F L / (4EI + 6EI L / h) and the moments are -0.6 M_F and -1.2 M_F,
    // M_F = w L^2 / 12.
    {
        const float L = 2000, h = 2000;
        const float k = static_cast<float>(138000.0 / h * 210000); // Ixx of the tube, 13.8 cm^4
        BeamBuilder b = BeamBuilder().Spans({L, L});
        b.Support(1, supCouplerMid, 2 * k).Support(2, supCouplerMid, 2 * k).Support(3, supCouplerMid, 2 * k);
        x.push_back(
            {"scaffold-tube-double-couplers.kxf", "Scaffold tube on double couplers", b.Udl(1, 0, 0.9f, 4000),
             [=] {
                 PickSection("Scaffold", "\"New\" Steel Tube");
                 Model.LiftHeight = h;
             },
             [=] {
                 const double MF = 0.9 * L * L / 12;
                 ExpectNear(SupportMoment(1, 1), -0.6 * MF, "end support");
                 ExpectNear(SupportMoment(1, 2), -1.2 * MF, "middle support");
                 ExpectNear(Eng.SupportReaction[1][1], 0.9 * L / 2 - 0.6 * MF / L, "end reaction");
                 EXPECT_EQ(Txt.KxCheckLines[1][9].str(), "  Bending Moment = 0.406 x permissible        "
                                                         "BENDING MOMENT OK ");
             }});
    }

    // Five 6 m spans of UB on forkheads. All spans loaded: M_B = -2/19 w L^2, M_C = -3/38 w L^2,
    // R_A = 15/38 w L. The end span alone: support 3 lifts and goes.
    {
        const double L = 6000;
        BeamBuilder b = BeamBuilder().EqualSpans(5, L).AllSupports(supForkhead).Udl(1, 0, w, 30000);
        x.push_back({"five-span-ub-forkheads.kxf", "Five-span UB on forkheads", b.Udl(2, 0, w, 6000),
                     [] {
                         PickSection("UB", "305 x 165 UB 40");
                         Model.SteelSectionFlag = -1;
                     },
                     [=] {
                         ExpectNear(SupportMoment(1, 2), -2.0 / 19 * w * L * L, "M_B");
                         ExpectNear(SupportMoment(1, 3), -3.0 / 38 * w * L * L, "M_C");
                         ExpectNear(Eng.SupportReaction[1][1], 15.0 / 38 * w * L, "R_A");
                         EXPECT_EQ(Eng.ReleasedSupport[2][3], -1);
                         ExpectNear(StoredReactionTotal(2), w * L, "loadcase 2 equilibrium");
                     }});
    }

    // Two 6 m spans of UB checked to BS 5975, span 1 restrained at its third points. Both spans
    // loaded: M_B = -w L^2 / 8, R_A = 3 w L / 8; span 1 alone: M_B = -w L^2 / 16 and support 3
    // holds the span down with w L / 16.
    {
        const double L = 6000;
        BeamBuilder b = BeamBuilder().Spans({L, L}).Udl(1, 0, w, 12000).Udl(2, 0, w, 6000);
        x.push_back({"ub-steel-check-restraints.kxf", "UB checked to BS 5975, restrained at intervals", b,
                     [] {
                         PickSection("UB", "305 x 165 UB 40");
                         for (int row : {1, 2})
                             CheckedMember(row, row == 1 ? "2 support(s)" : "1.00 x L");
                         Model.SpanOptInt[1] = Model.SpanOptNot[2] = Model.AnySpanIntervals = 1;
                         Model.EffLength[1][kIntervalCountField] = 2;
                         Model.EffLength[1][1] = Model.EffLength[1][2] = 2000;
                         Model.RestraintPos[1][1] = Model.RestraintPos[1][2] = 67;
                     },
                     [=] {
                         ExpectNear(SupportMoment(1, 2), -w * L * L / 8, "both spans: M_B");
                         ExpectNear(Eng.SupportReaction[1][1], 3 * w * L / 8, "both spans: R_A");
                         ExpectNear(SupportMoment(2, 2), -w * L * L / 16, "span 1: M_B");
                         ExpectNear(Eng.SupportReaction[2][3], -w * L / 16, "span 1: R_C");
                         EXPECT_GT(LineCount(Txt.SteelCheckLines[1]), 20);
                     }});
    }

    // Three 3 m spans of 75 x 225 C24 joist under 2 kN/m: M_B = -w L^2 / 10, R_A = 0.4 w L, and the
    // middle span sags by 5 w L^4 / 384EI less M_B L^2 / 8EI = w L^4 / 1920EI.
    {
        const double L = 3000, EI = 7200 * 75 * std::pow(225.0, 3) / 12;
        x.push_back({"timber-joist.kxf", "Timber joist over three spans",
                     BeamBuilder().EqualSpans(3, L).Udl(1, 0, 2, 9000),
                     [] { PickTimber("C24", "75.00", "225.0"); },
                     [=] {
                         ExpectNear(SupportMoment(1, 2), -2 * L * L / 10, "M_B");
                         ExpectNear(Eng.SupportReaction[1][1], 0.4 * 2 * L, "R_A");
                         ExpectNear(Eng.StoredDeflection[1][2][11], -2 * std::pow(L, 4) / (1920 * EI), "sag");
                     }});
    }

    // A section of the user's file "KX.sct" on a 4 m span with a 1 m RH cantilever, shear
    // deflection on: w = 2 N/mm throughout and P = 1500 N at the tip. Statics: R1 = 3375 N,
    // root moment -(P c + w c^2 / 2); the tip by virtual work, bending and shear.
    {
        TSectionRec user;
        user.Designation = "Aluminium beam 150";
        user.Group = 1;
        user.E = 70000;
        user.Ixx = 8e6f;
        user.GA = 1.5e7f;
        user.PermShear = 30000;
        user.PermMoment = 6e6f;
        const double L = 4000, c = 1000, P = 1500, q = 2, R1 = 3375, EI = 70000 * 8e6, GA = 1.5e7;
        const double bending = (P * c * c * c / 3 + q * std::pow(c, 4) / 8 -
                                c / L * (R1 * L * L * L / 3 - q * std::pow(L, 4) / 8)) /
                               EI;
        const double shear = (P * c + q * c * c / 2 - c / L * (R1 * L - q * L * L / 2)) / GA;
        BeamBuilder b = BeamBuilder().Spans({L}).RHCantilever(c).ShearDeflection();
        x.push_back({"user-section-cantilever.kxf", "User section with a cantilever",
                     b.Udl(1, 0, 2, 5000).Point(1, 5000, 1500),
                     [=] {
                         PickSection("KXSect", "Aluminium beam 150", {user});
                         Model.SpanData[kFlagsRow][kShearDeflectionField] = 1;
                     },
                     [=] {
                         ExpectNear(Eng.SupportReaction[1][1], R1, "R1");
                         ExpectNear(SupportMoment(1, 2), -(P * c + q * c * c / 2), "root moment");
                         ExpectNear(Eng.StoredCantDeflection[1][2][21], -(bending + shear), "tip");
                     }});
    }

    // Twenty 3 m spans of UC between 1 m cantilevers in five loadcases: 5 N/mm throughout; 20 kN at
    // both tips; 10 N/mm on the odd spans; 15 kN in the middle of every span; the first two
    // together with factors 1.4 and 1.6. Support moments by the three-moment equation.
    {
        const double L = 3000, c = 1000;
        BeamBuilder b = BeamBuilder().LHCantilever(c).EqualSpans(20, L).RHCantilever(c);
        b.Udl(1, 0, 5, 62000).Point(2, 0, 20000).Point(2, 62000, 20000);
        for (int s = 0; s < 20; ++s) {
            if (s % 2 == 0) b.Udl(3, static_cast<float>(c + s * L), 10, 3000);
            b.Point(4, static_cast<float>(c + s * L + L / 2), 15000);
        }
        b.Udl(5, 0, 5, 62000, 1.4f).Point(5, 0, 20000, 1.6f).Point(5, 62000, 20000, 1.6f);
        x.push_back(
            {"twenty-spans-five-loadcases.kxf", "Twenty spans, both cantilevers, five loadcases", b,
             [] { PickSection("UC", "203 UC 46"); },
             [=] {
                 const double tip = -20000 * c, own = -5 * c * c / 2;
                 for (int k = 1; k <= 21; ++k) {
                     ExpectNear(SupportMoment(1, k), ThreeMoment(20, k - 1, 5, L, own), "1");
                     ExpectNear(SupportMoment(2, k), ThreeMoment(20, k - 1, 0, L, tip), "2");
                     ExpectNear(SupportMoment(5, k), ThreeMoment(20, k - 1, 7, L, 1.4 * own + 1.6 * tip),
                                "5");
                 }
                 const double loads[] = {5 * 62000, 40000, 10 * 30000, 20 * 15000, 1.4 * 5 * 62000 + 64000};
                 for (int lc = 1; lc <= 5; ++lc)
                     ExpectNear(StoredReactionTotal(lc), loads[lc - 1], "equilibrium");
             }});
    }
    return x;
}

class Examples : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        StartDir = dir_.dir();
    }
    void TearDown() override { StartDir = savedStartDir_; }

    TempDir dir_;
    std::string savedStartDir_ = StartDir;
    ScopedScriptedDialogs dialogs_;
    RecordingFileHost host_;
};

TEST_F(Examples, EachOpensRebuildsAndSavesTheSameBytesWithItsResultsByHand) {
    const bool write = std::getenv("KX_WRITE_EXAMPLES") != nullptr;
    for (const Example& x : AllExamples()) {
        SCOPED_TRACE(x.file);
        const std::string path = std::string(KX_SOURCE_DIR "/examples/") + x.file;
        NullAnalysisHost analysis;
        AnalyseAsSaved(x.beam, x.setUp, analysis);
        Model.HeaderCompany = "";
        Model.HeaderProject1 = "KX-Flexor example";
        Model.HeaderJobDesc = x.title;
        ASSERT_EQ(Model.AnalysedFlag, 1);
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{}) << "the analysis spoke";
        const Bytes built = WriteKxfFile();
        if (write) WriteFileReplacing(path, built);
        EXPECT_TRUE(ReadWholeFile(path) == built)
            << "not what the program writes today: scripts/write-examples";

        dialogs_->clear();
        ResetProgramState();
        ASSERT_TRUE(OpenBeamFile(host_, path));
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
        EXPECT_EQ(Model.AnalysedFlag, 1);
        Model.BeamFileName = dir_.path("saved.kxf");
        SaveBeamFile(host_);
        EXPECT_TRUE(ReadWholeFile(dir_.path("saved.kxf")) == ReadWholeFile(path));
        x.check();
    }
}

} // namespace
