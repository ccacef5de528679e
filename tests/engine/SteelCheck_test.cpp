// Steel member check: permissible moments from table A1 per member and restraint interval,
// permissible shear, deflection ratios, verdicts, the fail state and the stop beyond the table.
#include "engine/SteelCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/MemberCheckFixture.h"
#include "engine/Pro_Table_A1.h"
#include "window/ResultsSummary.h"

namespace kx::test {
namespace {

// The check text of the "127 x 76 UB 13" over 3000 mm under 5 N/mm: M = wL^2/8 = 5.625 kN-m
// against Mp = 104.32 x 4734400 / 63.5; V = wL/2 = 7.5 kN against 110 x 508 N; deflection
// 5wL^4/(384EI) = 5.433 mm = span/552.
std::vector<std::string> UB127Text() {
    return {
        " ",
        "CODE CHECK TO BS 5975",
        kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
        " CODE CHECK DATA",
        " SPAN 1",
        "  Max Shear = 7.500 kN",
        "  Shear = 0.134 x permissible                 SHEAR OK",
        "  Span Length = 3.00m",
        "  Le \"factor\" = 1.00 x L",
        "  Le = 3.00m",
        "  Le/ry = 163",
        "  Permissible compressive bending stress ",
        "  = 104 N/mm^2",
        "  Max Bending Moment = 5.625 kN-m",
        "  Bending Moment = 0.723 x permissible        BENDING MOMENT OK ",
        "  Deflection =  5.43 mm",
        "  Deflection/span ratio = 1/552 ",
        "",
        "", // the count runs one line past the closing empty line
    };
}

class SteelCheckTest : public MemberCheckTest {
protected:
    // "127 x 76 UB 13": D 127, t 4, T 7.6; Av = D t.
    void UB127(const char* shape = "Beam") {
        Section(mfIxx, 4734400);
        Section(mfY, 63.5f);
        Section(mfShearArea, 127 * 4);
        Section(mfRy, 18.369f);
        Section(mfDT, 127 / 7.6f);
        Model.SectionShape = shape;
        Model.SteelSectionFlag = 1;
    }
    void Hollow(const char* shape, float Ixx, float y, float Av, float ry) {
        Model.SectionShape = shape;
        Model.SteelSectionFlag = 1;
        Section(mfIxx, Ixx);
        Section(mfY, y);
        Section(mfShearArea, Av);
        Section(mfRy, ry);
    }
    static void EffectiveLength(int row, float Le, const char* text = "") {
        Model.EffLength[row][0] = Le;
        Model.EffLengthText[row] = text;
    }
    const TextTable<500>& Lines() const { return Txt.SteelCheckLines[1]; }
    std::string Line(int i) const { return Txt.SteelCheckLines[1][i].str(); }
};

TEST_F(SteelCheckTest, UniversalBeamUnderUniformLoad) {
    // 3000 mm span, 5 N/mm, E 205000: M = wL^2/8, V = wL/2, deflection 5wL^4/(384EI).
    BeamBuilder().Spans({3000}).Section(205000, 4734400).Udl(1, 0, 5, 3000).Commit();
    SetDefaultUnits(Model);
    Model.LoadcaseCount = 1;
    Txt.MemberLabel[1][1] = "1";
    UB127();
    EffectiveLength(1, 3000, "1.00 x L");
    SolveLoadcase(1);
    FindDeflections(1);
    SolveLoadcase(1, 200, true);
    GoverningFromWorkTables(1, 201);
    const double M = 5.0 * 3000 * 3000 / 8, V = 5.0 * 3000 / 2;
    const double d = 5 * 5.0 * std::pow(3000.0, 4) / (384 * 205000.0 * 4734400);
    ASSERT_NEAR(Eng.MomentExtremes[1][1][5], M, Tol(M, 1e-6));
    ASSERT_NEAR(Eng.DeflectionExtremes[1][1][5], d, Tol(d, 1e-3));

    SteelCodeCheck();

    // l/ry 163.32 and D/T 16.711 between rows 160/170 and columns 15/20 (111, 96; 106, 92).
    const double fr = (3000 / 18.369 - 160) / 10, fc = (127 / 7.6 - 15) / 5;
    const double P = 111 + (106 - 111) * fr, Q = 96 + (92 - 96) * fr;
    const double pbc = P - (P - Q) * fc;
    EXPECT_NEAR(Model.SlendernessRatio, 163.32, 0.005);
    EXPECT_NEAR(Model.DepthThicknessRatio, 16.711, 0.0005);
    EXPECT_NEAR(Model.Pbc, pbc, 1e-3);
    EXPECT_NEAR(pbc, 104.32, 0.005);
    const double Mp = pbc * 4734400 / 63.5;
    EXPECT_NEAR(Mp, 7.778e6, 1e3);
    EXPECT_NEAR(Eng.CheckResults[1][1][0], M / Mp, 1e-5);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], M / Mp, 1e-5);
    EXPECT_NEAR(Eng.ShearRatios[1][1], V / 55880, 1e-6);
    EXPECT_NEAR(Eng.ShearRatios[1][27], V / 55880, 1e-6);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Model.CheckAbortFlag, 0);

    EXPECT_EQ(Shown(Lines()), UB127Text());
    EXPECT_EQ(Line(0), "19");
}

TEST_F(SteelCheckTest, RestraintIntervalsAreCheckedOneByOne) {
    // Span 3000 under 5 N/mm with restraints at 1000 and 2000 (67/200ths apart): intervals over
    // points 1..68, 68..135 and 135..201 of the 200-interval solve. ry 100 keeps every Le/ry
    // below 40, so pbc is 180.
    Members(0, {3000}, 0);
    UB127();
    Section(mfRy, 100);
    Eng.NumSpanIntervals = 200;
    auto moment = [](double x) { return 5.0 * x * (3000 - x) / 2; };
    for (int p = 1; p <= 201; ++p)
        Eng.BendingMoment[1][p] = moment((p - 1) * 15.0);
    Governing(1, 1, 7500, static_cast<float>(moment(1500)), 5);
    WholeBeam(1);
    Model.SpanOptInt[1] = 1;
    Model.EffLength[1][1] = 1000;
    Model.EffLength[1][2] = 1000;
    Model.EffLength[1][kIntervalCountField] = 2;
    Model.RestraintPos[1][1] = 67;
    Model.RestraintPos[1][2] = 67;

    SteelCodeCheck();

    const double Mp = 180.0 * 4734400 / 63.5;
    const double M1 = moment(67 * 15.0), M2 = moment(1500), M3 = moment(134 * 15.0);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][1][0], 0);
    EXPECT_NEAR(Eng.CheckResults[1][1][1], M1 / Mp, 1e-6);
    EXPECT_NEAR(Eng.CheckResults[1][1][2], M2 / Mp, 1e-6);
    EXPECT_NEAR(Eng.CheckResults[1][1][3], M3 / Mp, 1e-6);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][1][4], 0);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], M2 / Mp, 1e-6);
    // The remainder's effective length is what the given intervals leave of the span.
    EXPECT_NEAR(Model.SlendernessRatio, 10, 1e-5);

    const std::vector<std::string> expected = {
        " ",
        "CODE CHECK TO BS 5975",
        kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
        " CODE CHECK DATA",
        " SPAN 1",
        "  Max Shear = 7.500 kN",
        "  Shear = 0.134 x permissible                 SHEAR OK",
        "",
        "  Span 1  Int 1",
        "    Le/ry = 10.0",
        "    Permissible compressive bending stress ",
        "    = 180 N/mm^2",
        "    Max Bending Moment = 5.012 kN-m",
        "    Bending Moment = 0.373 x permissible        BENDING MOMENT OK ",
        "",
        "  Span 1  Int 2",
        "    Le/ry = 10.0",
        "    Permissible compressive bending stress ",
        "    = 180 N/mm^2",
        "    Max Bending Moment = 5.625 kN-m",
        "    Bending Moment = 0.419 x permissible        BENDING MOMENT OK ",
        "",
        "  Span 1  Int 3",
        "    Le/ry = 10.0",
        "    Permissible compressive bending stress ",
        "    = 180 N/mm^2",
        "    Max Bending Moment = 4.975 kN-m",
        "    Bending Moment = 0.371 x permissible        BENDING MOMENT OK ",
        "",
        "",
        "  Deflection =  5.00 mm",
        "  Deflection/span ratio = 1/600 ",
        "",
        "",
    };
    EXPECT_EQ(Shown(Lines()), expected);

    // A hollow section prints the same groups without the slenderness lines.
    Model.SectionShape = "Box";
    SteelCodeCheck();
    EXPECT_EQ(Line(9), "    Permissible compressive bending stress ");
    EXPECT_EQ(Line(13), "");
    EXPECT_EQ(Line(14), "    Permissible compressive bending stress ");
}

TEST_F(SteelCheckTest, FailuresCountPerKindAndARatioOfOnePasses) {
    // Box: pbc 180, Mp = 180 x 1e6 / 100 = 1.8e6; Vp = 125 x 100 = 12500.
    Members(0, {2000, 2000}, 0);
    Hollow("Box", 1e6f, 100, 100, 10);
    EffectiveLength(1, 2000);
    EffectiveLength(2, 2000);
    Governing(1, 1, 12500, 1.8e6f, 1);
    Governing(1, 2, 100, 1000, 1);
    WholeBeam(1);

    SteelCodeCheck();
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][27], 1.0f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][27][0], 1.0f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Line(3), kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR");
    EXPECT_EQ(Line(7), "  Shear = 1.000 x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(11), "  Bending Moment = 1.000 x permissible        BENDING MOMENT TOO HIGH");
    EXPECT_EQ(Line(17), "  Shear = 0.008 x permissible                 SHEAR OK");

    // Just over in both kinds: two failures.
    Governing(1, 2, 12501, 1.81e6f, 1);
    WholeBeam(1);
    Eng.CaseCheckFailures[1] = 0;
    SteelCodeCheck();
    EXPECT_EQ(Eng.CaseCheckFailures[1], -2);
    EXPECT_EQ(Line(3), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
    EXPECT_NEAR(Eng.CheckResults[1][2][0], 1.81e6 / 1.8e6, 1e-6);

    // Moment alone: one failure.
    Governing(1, 2, 100, 1.81e6f, 1);
    WholeBeam(1);
    Eng.CaseCheckFailures[1] = 0;
    SteelCodeCheck();
    EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
}

TEST_F(SteelCheckTest, CantileversPrintTheirOwnBlocks) {
    // Tube: pbc 180 whatever the slenderness, Vp = 125 Av; no slenderness lines.
    Members(1000, {4000}, 500);
    Hollow("Tube", 1e6f, 25, 200, 16);
    EffectiveLength(0, 2000);
    EffectiveLength(1, 4000);
    EffectiveLength(26, 1000);
    Governing(1, 0, 5000, 1.8e6f, 8);   // 1/125 of its length: over 1/180
    Governing(1, 1, 10000, 3.6e6f, 10); // 1/400: within 1/360
    Governing(1, 26, 25000, 7.2e6f, 0); // no deflection: no ratio and no flag
    WholeBeam(1);

    SteelCodeCheck();
    // Mp = 180 x 1e6 / 25 = 7.2e6; Vp = 25000.
    const std::vector<std::string> expected = {
        " ",
        "CODE CHECK TO BS 5975",
        kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
        " CODE CHECK DATA",
        " LHC",
        "  Max Shear = 5.000 kN",
        "  Shear = 0.200 x permissible                 SHEAR OK",
        "  Permissible compressive bending stress ",
        "  = 180 N/mm^2",
        "  Max Bending Moment = 1.800 kN-m",
        "  Bending Moment = 0.250 x permissible        BENDING MOMENT OK ",
        "  Deflection/span ratio = 1/125               LHC DEFLECTION HIGH",
        "",
        " SPAN 1",
        "  Max Shear = 10.00 kN",
        "  Shear = 0.400 x permissible                 SHEAR OK",
        "  Permissible compressive bending stress ",
        "  = 180 N/mm^2",
        "  Max Bending Moment = 3.600 kN-m",
        "  Bending Moment = 0.500 x permissible        BENDING MOMENT OK ",
        "  Deflection =  10.00 mm",
        "  Deflection/span ratio = 1/400 ",
        "",
        " RHC",
        "  Max Shear = 25.00 kN",
        "  Shear = 1.000 x permissible                 SHEAR TOO HIGH",
        "  Permissible compressive bending stress ",
        "  = 180 N/mm^2",
        "  Max bending Moment = 7.200 kN-m",
        "  Bending Moment = 1.000 x permissible        BENDING MOMENT TOO HIGH",
        "  Deflection =  0.00 mm",
        "  Deflection/span ratio = 1/##### ",
        "",
        "",
    };
    EXPECT_EQ(Shown(Lines()), expected);
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][0], 0.2f);
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][26], 1.0f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][0][0], 0.25f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][26][0], 1.0f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    // Hollow sections are checked whatever their slenderness (2000 / 16 = 125; 4000 / 16 = 250).
    EXPECT_EQ(Model.CheckAbortFlag, 0);
}

TEST_F(SteelCheckTest, SlendernessBeyondTheTableStopsTheCheck) {
    Members(0, {4000, 6000}, 0);
    UB127();
    Section(mfRy, 20);
    EffectiveLength(1, 4000); // 200
    EffectiveLength(2, 6000); // 300: beyond the table
    Governing(1, 1, 1000, 1e6f, 1);
    Governing(1, 2, 1000, 1e6f, 1);
    WholeBeam(1);

    SteelCodeCheck();
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{" Le/r exceeds max value for table A1"});
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_EQ(Line(1), " ");
    EXPECT_EQ(Line(2), "CODE CHECK TO BS 5975");
    EXPECT_EQ(Line(3), "");
    EXPECT_EQ(Line(0), "");
    // The ratio of span 1 was worked out before the stop.
    EXPECT_GT(Eng.CheckResults[1][1][0], 0.0f);
    EXPECT_FLOAT_EQ(Model.SlendernessRatio, 300);

    // No radius of gyration: the slenderness is unbounded and the check stops the same way.
    dialogs->clear();
    Model.CheckAbortFlag = 0;
    Section(mfRy, 0);
    SteelCodeCheck();
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_EQ(dialogs->messages().size(), 1u);
}

TEST_F(SteelCheckTest, AnglesUseTheTableAndTheRolledSectionShearStress) {
    // "RSA" can only come from a beam file; its shear stress is taken as for rolled sections.
    Members(0, {3000}, 0);
    UB127("RSA");
    EffectiveLength(1, 3000);
    Governing(1, 1, 7500, 5.625e6f, 5.433f);
    WholeBeam(1);
    SteelCodeCheck();
    EXPECT_NEAR(Eng.ShearRatios[1][1], 7500.0 / (110 * 508), 1e-6);
    EXPECT_NEAR(Model.Pbc, 104.32, 0.005);
    EXPECT_EQ(Line(8), "  Permissible compressive bending stress ");
    EXPECT_EQ(Model.CheckAbortFlag, 0);
}

TEST_F(SteelCheckTest, ZeroPermissibleValuesFailWithoutDividingByZero) {
    Members(0, {3000, 3000}, 0);
    Hollow("Box", 1e6f, 0, 0, 10); // no extreme-fibre distance, no shear area
    EffectiveLength(1, 3000);
    EffectiveLength(2, 3000);
    Governing(1, 1, 100, 1000, 0);
    Governing(1, 2, 0, 0, 0);
    WholeBeam(1);

    SteelCodeCheck();
    EXPECT_EQ(Line(7), "  Shear = ##### x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(11), "  Bending Moment = ##### x permissible        BENDING MOMENT TOO HIGH");
    EXPECT_EQ(Line(13), "  Deflection/span ratio = 1/##### ");
    // Nothing over nothing is 0.
    EXPECT_EQ(Line(17), "  Shear = 0.000 x permissible                 SHEAR TOO HIGH");
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][2], 0);
    EXPECT_GT(Eng.ShearRatios[1][27], 1.0f);
    EXPECT_GT(Eng.CheckResults[1][27][0], 1.0f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], -2);
}

TEST_F(SteelCheckTest, AListTooLongForItsTableStopsAtTheTableEnd) {
    // Nine restraints on each of 20 spans give far more lines than the table holds.
    std::vector<double> spans(20, 2000);
    Members(0, spans, 0);
    UB127();
    Section(mfRy, 100);
    Eng.NumSpanIntervals = 200;
    for (int i = 1; i <= 20; ++i) {
        Model.SpanOptInt[i] = 1;
        for (int k = 1; k <= 9; ++k) {
            Model.EffLength[i][k] = 200;
            Model.RestraintPos[i][k] = 20;
        }
        Model.EffLength[i][kIntervalCountField] = 9;
        Governing(1, i, 100, 1000, 1);
    }
    WholeBeam(1);
    SteelCodeCheck();
    EXPECT_EQ(Line(0), "500");
    EXPECT_EQ(Line(500), " (list full: further lines are not shown)");
    EXPECT_EQ(Line(3), kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR");
}

TEST_F(SteelCheckTest, TheAnalysisChecksEveryLoadcase) {
    // Loadcase 2 carries 12 N/mm: M = 13.5 kN-m over Mp = 7.778 kN-m; V = 18 kN stays under 55.88.
    BeamBuilder().Spans({3000}).Section(205000, 4734400).Udl(1, 0, 5, 3000).Udl(2, 0, 12, 3000).Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "HRS";
    UB127();
    EffectiveLength(1, 3000, "1.00 x L");
    NullAnalysisHost host;
    AnalyseBeam(host);

    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(Shown(Txt.SteelCheckLines[1]), UB127Text());
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Txt.SteelCheckLines[2][3].str(), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
    EXPECT_EQ(Txt.SteelCheckLines[2][14].str(), "  Max Bending Moment = 13.50 kN-m");
    EXPECT_NEAR(Eng.CheckResults[2][27][0], 13.5e6 / (Model.Pbc * 4734400 / 63.5), 1e-5);
    EXPECT_NEAR(Eng.ShearRatios[2][27], 18000.0 / 55880, 1e-6);
    EXPECT_EQ(Eng.CaseCheckFailures[2], -1);
    EXPECT_EQ(Txt.SummaryLines[3], "     BEAM DOES NOT COMPLY WITH BS 5975");
    EXPECT_EQ(ResultsListContent().colour, colors::Red);
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(SteelCheckTest, TheAnalysisStopsAtASlendernessBeyondTheTable) {
    BeamBuilder().Spans({3000, 3000}).Section(205000, 4734400).Udl(1, 0, 5, 6000).Udl(2, 0, 5, 6000).Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "HRS";
    UB127();
    EffectiveLength(1, 3000);
    EffectiveLength(2, 6000); // 6000 / 18.369 = 327
    Model.AnalysedFlag = 0;
    NullAnalysisHost host;
    AnalyseBeam(host);

    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{" Le/r exceeds max value for table A1"});
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_EQ(Txt.SteelCheckLines[1][2], "CODE CHECK TO BS 5975");
    EXPECT_EQ(LineCount(Txt.SteelCheckLines[1]), 0);
    // The analysis stopped after loadcase 1.
    EXPECT_EQ(Txt.SteelCheckLines[2][2], "");
}

} // namespace
} // namespace kx::test
