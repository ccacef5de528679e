// Steel member check: permissible moments from table A1 per member and restraint interval,
// permissible shear, deflection ratios, verdicts and the fail state.
#include "engine/SteelCheck.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "engine/AnalyseBeam.h"
#include "engine/AnalysisFixture.h"
#include "engine/MemberCheckText.h"

namespace kx::test {
namespace {

class SteelCheckTest : public MemberCheckTest {
protected:
    // "127 x 76 UB 13": D 127, t 4, T 7.6; Av = D t.
    static void UB127(const char* shape = "Beam") {
        Steel(shape, 4734400, 63.5f, 127 * 4, 18.369f, 127 / 7.6f);
    }
    static void Steel(const char* shape, float Ixx, float y, float Av, float ry, float DT = 0) {
        Model.SectionShape = shape;
        Model.SteelSectionFlag = 1;
        for (auto [field, value] :
             {std::pair{mfIxx, Ixx}, {mfY, y}, {mfShearArea, Av}, {mfRy, ry}, {mfDT, DT}})
            Section(field, value);
    }
    static void EffectiveLengths(std::initializer_list<std::pair<int, float>> rows) {
        for (auto [row, Le] : rows)
            Model.EffLength[row][0] = Le;
    }
    static std::string Line(int i) { return Txt.SteelCheckLines[1][i].str(); }
};

TEST_F(SteelCheckTest, UniversalBeamUnderUniformLoadThroughTheAnalysis) {
    // 3000 mm span, E 205000, under 5 N/mm.
    BeamBuilder().Spans({3000}).Section(205000, 4734400).Udl(1, 0, 5, 3000).Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "HRS";
    UB127();
    EffectiveLengths({{1, 3000}});
    Model.EffLengthText[1] = "1.00 x L";
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);

    // l/ry 163.32 and D/T 16.711 between rows 160/170 and columns 15/20 (111, 96; 106, 92).
    const double fr = (3000 / 18.369 - 160) / 10, fc = (127 / 7.6 - 15) / 5;
    const double P = 111 + (106 - 111) * fr, Q = 96 + (92 - 96) * fr;
    const double pbc = P - (P - Q) * fc, Mp = pbc * 4734400 / 63.5;
    EXPECT_NEAR(Model.SlendernessRatio, 163.32, 0.005);
    EXPECT_NEAR(Model.DepthThicknessRatio, 16.711, 0.0005);
    EXPECT_NEAR(pbc, 104.32, 0.005);
    EXPECT_NEAR(Model.Pbc, pbc, 1e-3);
    EXPECT_NEAR(Mp, 7.778e6, 1e3);
    // M = wL^2/8 against Mp; V = wL/2 against Vp = 110 x 508 = 55880; deflection 5wL^4/(384EI) =
    // 5.433 mm = span/552.
    EXPECT_NEAR(Eng.CheckResults[1][1][0], 5.0 * 3000 * 3000 / 8 / Mp, 1e-5);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], 5.0 * 3000 * 3000 / 8 / Mp, 1e-5);
    EXPECT_NEAR(Eng.ShearRatios[1][27], 5.0 * 3000 / 2 / 55880, 1e-6);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    const std::vector<std::string> text = {
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
    EXPECT_EQ(Shown(Txt.SteelCheckLines[1]), text);
    EXPECT_TRUE(dialogs->messages().empty());

    // Under 20 N/mm the moment 20 x 3000^2 / 8 = 22.5e6 N mm is 2.893 x Mp and fails; the shear
    // 30000 N is 0.537 x Vp and passes: one failure, however often the job is analysed.
    Model.LoadTable[1][1][lfW1] = Model.LoadTable[1][1][lfW2] = 20;
    for (int pass = 1; pass <= 2; ++pass) {
        AnalyseBeam(host);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        EXPECT_NEAR(Eng.CheckResults[1][27][0], 22.5e6 / Mp, 1e-5);
        EXPECT_EQ(Eng.CaseCheckFailures[1], -1) << pass;
    }

    // Analysed again without the steel check: none of the earlier check text, nor its failure, is
    // left to be saved with the job.
    Model.SteelSectionFlag = 0;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Shown(Txt.SteelCheckLines[1]), std::vector<std::string>{});
}

TEST_F(SteelCheckTest, RestraintIntervalsAreCheckedOneByOne) {
    // Span 3000 under 5 N/mm restrained 1650 and 600 apart (110 and 40 of the 200 intervals):
    // intervals over points 1..111, 111..151 and 151..201. ry 100 keeps every Le/ry below 40, so
    // pbc is 180.
    Members(0, {3000}, 0);
    UB127();
    Section(mfRy, 100);
    Eng.NumSpanIntervals = 200;
    auto moment = [](double x) { return 5.0 * x * (3000 - x) / 2; };
    for (int p = 1; p <= 201; ++p)
        Eng.BendingMoment[1][p] = moment((p - 1) * 15.0);
    Governing(1, 7500, static_cast<float>(moment(1500)), 5);
    Model.SpanOptInt[1] = 1;
    Model.EffLength[1][1] = 1650;
    Model.EffLength[1][2] = 600;
    Model.EffLength[1][kIntervalCountField] = 2;
    Model.RestraintPos[1][1] = 110;
    Model.RestraintPos[1][2] = 40;
    SteelCodeCheck();

    const double Mp = 180.0 * 4734400 / 63.5;
    const double ratios[] = {0, moment(1500) / Mp, moment(1650) / Mp, moment(2250) / Mp, 0};
    for (int g = 0; g <= 4; ++g)
        EXPECT_NEAR(Eng.CheckResults[1][1][g], ratios[g], 1e-6) << g;
    EXPECT_NEAR(Eng.CheckResults[1][27][0], ratios[1], 1e-6);
    EXPECT_NEAR(Model.SlendernessRatio, 7.5, 1e-5); // the remainder's Le is what the intervals leave
    const std::pair<int, std::string> lines[] = {
        {0, "34"},
        {9, "  Span 1  Int 1"},
        {14, "    Bending Moment = 0.419 x permissible        BENDING MOMENT OK "},
        {21, "    Bending Moment = 0.415 x permissible        BENDING MOMENT OK "},
        {28, "    Bending Moment = 0.314 x permissible        BENDING MOMENT OK "},
        {32, "  Deflection/span ratio = 1/600 "},
    };
    for (const auto& [i, text] : lines)
        EXPECT_EQ(Line(i), text) << i;

    // Intervals of exactly the span: the remainder is the RH support's point alone and has no
    // length. 15 mm short of it, the remainder takes points 200 and 201.
    for (auto [second, slots, remainder] : {std::tuple{1500.0f, 100, 0.0}, {1485.0f, 99, moment(2985)}}) {
        SCOPED_TRACE(second);
        Model.EffLength[1][1] = 1500;
        Model.EffLength[1][2] = second;
        Model.RestraintPos[1][1] = 100;
        Model.RestraintPos[1][2] = slots;
        SteelCodeCheck();
        EXPECT_NEAR(Eng.CheckResults[1][1][1], moment(1500) / Mp, 1e-6);
        EXPECT_NEAR(Eng.CheckResults[1][1][2], moment(1500) / Mp, 1e-6);
        EXPECT_NEAR(Eng.CheckResults[1][1][3], remainder / Mp, 1e-6);
        EXPECT_NEAR(Model.SlendernessRatio, (3000 - 1500 - second) / 100, 1e-6);
    }
}

TEST_F(SteelCheckTest, ANoIntervalCountChecksTheWholeSpanAsOneInterval) {
    // A restrained span whose interval count (as a damaged beam file may hold it) is 0, below 0 or
    // no number: one interval, the remainder, over the whole 3000 mm span. Le/ry = 3000 / 100 = 30
    // gives pbc 180, Mp = 180 x 4734400 / 63.5; M = wL^2/8 = 5 x 3000^2 / 8 = 5.625e6 N mm at the
    // middle (point 101 of 201).
    Members(0, {3000}, 0);
    UB127();
    Section(mfRy, 100);
    Eng.NumSpanIntervals = 200;
    for (int p = 1; p <= 201; ++p) {
        const double x = (p - 1) * 15.0;
        Eng.BendingMoment[1][p] = 5.0 * x * (3000 - x) / 2;
    }
    Governing(1, 7500, 5.625e6f, 5);
    Model.SpanOptInt[1] = 1;
    const double Mp = 180.0 * 4734400 / 63.5;
    for (float stored : {0.0f, -1.0f, -5.5f, std::numeric_limits<float>::quiet_NaN()}) {
        SCOPED_TRACE(stored);
        Model.EffLength[1][kIntervalCountField] = stored;
        Model.EffLength[1][1] = 1000; // not an interval when there are none
        Model.RestraintPos[1][1] = 67;
        SteelCodeCheck();
        EXPECT_NEAR(Eng.CheckResults[1][1][1], 5.625e6 / Mp, 1e-6);
        EXPECT_FLOAT_EQ(Eng.CheckResults[1][1][2], 0);
        EXPECT_NEAR(Model.SlendernessRatio, 30, 1e-5);
        EXPECT_EQ(Line(9), "  Span 1  Int 1");
        EXPECT_EQ(Line(10), "    Le/ry = 30.0");
        EXPECT_EQ(Line(16), ""); // no second interval follows: the span's deflection does
        EXPECT_EQ(Line(17), "  Deflection =  5.00 mm");
    }
}

TEST_F(SteelCheckTest, FailuresCountPerKindAndARatioOfOnePasses) {
    // Box: pbc 180, Mp = 180 x 1e6 / 100 = 1.8e6; Vp = 125 x 100 = 12500.
    Members(0, {2000, 2000}, 0);
    Steel("Box", 1e6f, 100, 100, 10);
    EffectiveLengths({{1, 2000}, {2, 2000}});
    Governing(1, 12500, 1.8e6f, 1);
    Governing(2, 100, 1000, 1);
    SteelCodeCheck();
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][27], 1.0f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][27][0], 1.0f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Line(3), kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR");
    EXPECT_EQ(Line(7), "  Shear = 1.000 x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(11), "  Bending Moment = 1.000 x permissible        BENDING MOMENT TOO HIGH");
    EXPECT_EQ(Shown(Txt.SteelCheckLines[1], 16, 17),
              (std::vector<std::string>{"  Max Shear = 0.100 kN",
                                        "  Shear = 0.008 x permissible                 SHEAR OK"}));

    // Just over in span 2: one failure per kind.
    const struct {
        float V, M;
        int failures;
    } over[] = {{12501, 1.81e6f, -2}, {100, 1.81e6f, -1}, {12501, 1000, -1}};
    for (const auto& c : over) {
        Governing(2, c.V, c.M, 1);
        Eng.CaseCheckFailures[1] = 0;
        SteelCodeCheck();
        EXPECT_EQ(Eng.CaseCheckFailures[1], c.failures) << c.V << " " << c.M;
        EXPECT_EQ(Line(3), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
        EXPECT_NEAR(Eng.CheckResults[1][2][0], c.M / 1.8e6, 1e-6);
    }
}

TEST_F(SteelCheckTest, EverySpanOfTheBeamCountsInTheVerdictWhereLoadcaseOneLostASpan) {
    // Three 2 m spans of a box (Vp = 125 x 100 = 12500 N, Mp = 180 x 1e6 / 100 = 1.8e6 N mm). In
    // loadcase 1 a forkhead lifted off, so that loadcase has two spans; loadcase 2 has all three.
    // One span of loadcase 2 carries 12501 N (1.00008 x Vp) or 1.81e6 N mm (1.00556 x Mp), the
    // others 100 N and 1000 N mm: whichever span and effect it is, the beam does not comply, with
    // one failure.
    Members(0, {2000, 2000, 2000}, 0);
    Steel("Box", 1e6f, 100, 100, 10);
    EffectiveLengths({{1, 2000}, {2, 2000}, {3, 2000}});
    Model.LoadcaseCount = 2;
    Model.SpanCount[1] = 2;
    for (int i = 1; i <= 3; ++i)
        Txt.MemberLabel[2][i] = std::to_string(i);
    for (bool moment : {false, true})
        for (int over = 1; over <= 3; ++over) {
            SCOPED_TRACE(::testing::Message() << (moment ? "moment" : "shear") << " over in span " << over);
            const float V = moment ? 100 : 12501, M = moment ? 1.81e6f : 1000;
            for (TExtremesTable* t : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes})
                ZeroFill((*t)[2]);
            for (int i = 1; i <= 3; ++i) {
                Eng.ShearExtremes[2][i][5] = i == over ? V : 100;
                Eng.MomentExtremes[2][i][5] = i == over ? M : 1000;
                Eng.DeflectionExtremes[2][i][5] = 1;
            }
            Eng.ShearExtremes[2][27][5] = V;
            Eng.MomentExtremes[2][27][5] = M;
            Eng.DeflectionExtremes[2][27][5] = 1;
            Eng.CurrentCase = 2;
            Eng.CaseCheckFailures[2] = 0;
            SteelCodeCheck();
            EXPECT_NEAR(Eng.ShearRatios[2][27], V / 12500.0, 1e-6);
            EXPECT_NEAR(Eng.CheckResults[2][27][0], M / 1.8e6, 1e-6);
            EXPECT_NEAR(Eng.CheckResults[2][over][0], M / 1.8e6, 1e-6);
            EXPECT_EQ(Txt.SteelCheckLines[2][3].str(),
                      kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
            EXPECT_EQ(Eng.CaseCheckFailures[2], -1);
        }
}

TEST_F(SteelCheckTest, EachCantileverIsCheckedOnItsOwnEffectiveLengthAndCountsInTheVerdict) {
    // D/T 15 and ry 20 put every Le/ry on a line of table A1: LH cantilever Le 1000 (50: 180),
    // span Le 2000 (100: 145), RH cantilever Le 3000 (150: 116). Mp = pbc x 1e7 / 100, Vp = 110 x 500.
    Members(1000, {4000}, 1500);
    Steel("Beam", 1e7f, 100, 500, 20, 15);
    EffectiveLengths({{0, 1000}, {1, 2000}, {26, 3000}});
    Model.EffLengthText[1] = "0.50 x L";
    auto base = [] {
        Governing(0, 11000, 1.5e7f, 4); // 1/250: under 1/180
        Governing(1, 27500, 7.25e6f, 8);
        Governing(26, 33000, 1.044e7f, 6); // 1/250: under 1/180, though over 1/360
    };
    base();
    SteelCodeCheck();
    const std::vector<std::string> text = {
        " ",
        "CODE CHECK TO BS 5975",
        kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
        " CODE CHECK DATA",
        " LHC",
        "  Max Shear = 11.00 kN",
        "  Shear = 0.200 x permissible                 SHEAR OK",
        "  Le/ry = 50.0",
        "  Permissible compressive bending stress ",
        "  = 180 N/mm^2",
        "  Max Bending Moment = 15.00 kN-m",
        "  Bending Moment = 0.833 x permissible        BENDING MOMENT OK ",
        "  Deflection/span ratio = 1/250 ",
        "",
        " SPAN 1",
        "  Max Shear = 27.50 kN",
        "  Shear = 0.500 x permissible                 SHEAR OK",
        "  Span Length = 4.00m",
        "  Le \"factor\" = 0.50 x L",
        "  Le = 2.00m",
        "  Le/ry = 100",
        "  Permissible compressive bending stress ",
        "  = 145 N/mm^2",
        "  Max Bending Moment = 7.250 kN-m",
        "  Bending Moment = 0.500 x permissible        BENDING MOMENT OK ",
        "  Deflection =  8.00 mm",
        "  Deflection/span ratio = 1/500 ",
        "",
        " RHC",
        "  Max Shear = 33.00 kN",
        "  Shear = 0.600 x permissible                 SHEAR OK",
        "  Le/ry = 150",
        "  Permissible compressive bending stress ",
        "  = 116 N/mm^2",
        "  Max bending Moment = 10.44 kN-m",
        "  Bending Moment = 0.900 x permissible        BENDING MOMENT OK ",
        "  Deflection =  6.00 mm",
        "  Deflection/span ratio = 1/250 ",
        "",
        "",
    };
    EXPECT_EQ(Shown(Txt.SteelCheckLines[1]), text);
    EXPECT_NEAR(Eng.CheckResults[1][0][0], 1.5e7 / 1.8e7, 1e-6);
    EXPECT_NEAR(Eng.CheckResults[1][26][0], 0.9, 1e-6);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], 0.9, 1e-6);
    EXPECT_NEAR(Eng.ShearRatios[1][26], 0.6, 1e-6);
    EXPECT_NEAR(Eng.ShearRatios[1][27], 0.6, 1e-6);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);

    // Either cantilever over its own permissible moment or shear fails the loadcase, though the
    // other members' permissible values would take it; the deflection flags follow 1/180.
    const struct {
        int row;
        float V, M, d;
        int line;
        std::string deflection;
    } over[] = {
        {26, 33000, 1.17e7f, 6, 38, "  Deflection/span ratio = 1/250 "},
        {26, 55001, 1.044e7f, 8.4f, 38, "  Deflection/span ratio = 1/179               RHC DEFLECTION HIGH"},
        {0, 11000, 1.81e7f, 5.6f, 13, "  Deflection/span ratio = 1/179               LHC DEFLECTION HIGH"},
        {0, 55001, 1.5e7f, 4, 13, "  Deflection/span ratio = 1/250 "},
    };
    for (const auto& c : over) {
        SCOPED_TRACE(::testing::Message() << "row " << c.row << " V " << c.V << " M " << c.M);
        base();
        Governing(c.row, c.V, c.M, c.d);
        Eng.CaseCheckFailures[1] = 0;
        SteelCodeCheck();
        EXPECT_EQ(Line(3), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
        EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
        EXPECT_EQ(Line(c.line), c.deflection);
    }

    // Le/ry of exactly 300 on the RH cantilever alone stops the check; just under it is looked up.
    for (float Le : {5999.0f, 6000.0f}) {
        base();
        EffectiveLengths({{26, Le}});
        Model.CheckAbortFlag = 0;
        dialogs->clear();
        SteelCodeCheck();
        const bool stops = Le == 6000.0f;
        EXPECT_EQ(Model.CheckAbortFlag, stops ? 1 : 0) << Le;
        EXPECT_EQ(dialogs->messages(), stops
                                           ? std::vector<std::string>{" Le/r exceeds max value for table A1"}
                                           : std::vector<std::string>{})
            << Le;
    }
}

TEST_F(SteelCheckTest, ZeroPermissibleValuesFailWithoutDividingByZero) {
    Members(0, {3000, 3000}, 0);
    Steel("Box", 1e6f, 0, 0, 10); // no extreme-fibre distance, no shear area
    EffectiveLengths({{1, 3000}, {2, 3000}});
    Governing(1, 100, 1000, 0);
    Governing(2, 0, 0, 0);
    SteelCodeCheck();
    EXPECT_EQ(Line(7), "  Shear = ##### x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(11), "  Bending Moment = ##### x permissible        BENDING MOMENT TOO HIGH");
    EXPECT_EQ(Line(13), "  Deflection/span ratio = 1/##### ");
    EXPECT_EQ(Line(17), "  Shear = 0.000 x permissible                 SHEAR TOO HIGH"); // 0/0
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][2], 0);
    EXPECT_GT(Eng.ShearRatios[1][27], 1.0f);
    EXPECT_GT(Eng.CheckResults[1][27][0], 1.0f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], -2);

    // "RSA" (only from a beam file) has no shear stress of its own: 110 N/mm^2, as rolled sections.
    UB127("RSA");
    SteelCodeCheck();
    EXPECT_NEAR(Eng.ShearRatios[1][1], 100.0 / (110 * 508), 1e-6);
    EXPECT_NEAR(Model.Pbc, 104.32, 0.005); // angles use the table
}

TEST_F(SteelCheckTest, EveryShapeFamilyPrintsItsOwnLinesDownToTheLastSpansLastInterval) {
    // Span 1 of 3 m, Le 2 m; span 2 of 4 m restrained once at its middle (points 1..101 and the
    // remainder 101..201, both Le 2 m). ry 20 and D/T 15: Le/ry 100 gives pbc 145 from table A1,
    // hollow sections 180. Ixx 1e9, y 100: Mp = 145e7 or 180e7 N mm. Av 500: Vp = 110 x 500 = 55000,
    // hollow 125 x 500 = 62500. Interval moments 123.46 and 1234.56 kN-m, shown to four figures.
    const struct {
        const char* shape;
        bool slenderness;
        const char *pbc, *shear1, *moment1, *shear2, *int1, *int2;
    } shapes[] = {
        // 11000 / 55000 = 0.200; 145e6 / 145e7 = 0.100; 27500 / 55000 = 0.500;
        // 123.46e6 / 145e7 = 0.0851; 1234.56e6 / 145e7 = 0.851.
        {"Beam", true, "145", "0.200", "0.100", "0.500", "0.0851", "0.851"},
        {"RSJ", true, "145", "0.200", "0.100", "0.500", "0.0851", "0.851"},
        {"RSC", true, "145", "0.200", "0.100", "0.500", "0.0851", "0.851"},
        // Angles take the table and the rolled sections' shear stress but print no slenderness.
        {"RSA", false, "145", "0.200", "0.100", "0.500", "0.0851", "0.851"},
        // 11000 / 62500 = 0.176; 145e6 / 180e7 = 0.0806; 27500 / 62500 = 0.440;
        // 123.46e6 / 180e7 = 0.0686; 1234.56e6 / 180e7 = 0.686.
        {"Tube", false, "180", "0.176", "0.081", "0.440", "0.0686", "0.686"},
        {"Box", false, "180", "0.176", "0.081", "0.440", "0.0686", "0.686"},
    };
    for (const auto& c : shapes) {
        SCOPED_TRACE(c.shape);
        Members(0, {3000, 4000}, 0);
        Steel(c.shape, 1e9f, 100, 500, 20, 15);
        EffectiveLengths({{1, 2000}});
        Model.EffLengthText[1] = "0.67 x L";
        Model.SpanOptInt[2] = 1;
        Model.EffLength[2][1] = 2000;
        Model.EffLength[2][kIntervalCountField] = 1;
        Model.RestraintPos[2][1] = 100;
        Eng.BendingMoment[2][50] = -123.46e6; // the largest |M| of interval 1 is a hogging one
        Eng.BendingMoment[2][151] = 1234.56e6;
        Governing(1, 11000, 145e6f, 6); // 6 mm on 3 m: 1/500
        Governing(2, 27500, 0, 8);      // 8 mm on 4 m: 1/500
        SteelCodeCheck();

        std::vector<std::string> text = {" ",
                                         "CODE CHECK TO BS 5975",
                                         kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
                                         " CODE CHECK DATA",
                                         " SPAN 1",
                                         "  Max Shear = 11.00 kN",
                                         "  Shear = " + std::string(c.shear1) +
                                             " x permissible                 SHEAR OK"};
        if (c.slenderness)
            text.insert(text.end(), {"  Span Length = 3.00m", "  Le \"factor\" = 0.67 x L", "  Le = 2.00m",
                                     "  Le/ry = 100"});
        text.insert(
            text.end(),
            {"  Permissible compressive bending stress ", "  = " + std::string(c.pbc) + " N/mm^2",
             "  Max Bending Moment = 145.0 kN-m",
             "  Bending Moment = " + std::string(c.moment1) + " x permissible        BENDING MOMENT OK ",
             "  Deflection =  6.00 mm", "  Deflection/span ratio = 1/500 ", "", " SPAN 2",
             "  Max Shear = 27.50 kN",
             "  Shear = " + std::string(c.shear2) + " x permissible                 SHEAR OK", ""});
        const std::pair<const char*, const char*> intervals[] = {{"123.5", c.int1}, {"1235", c.int2}};
        for (int k = 1; k <= 2; ++k) {
            if (c.slenderness)
                text.insert(text.end(), {"  Span 2  Int " + std::to_string(k), "    Le/ry = 100"});
            text.insert(text.end(),
                        {"    Permissible compressive bending stress ",
                         "    = " + std::string(c.pbc) + " N/mm^2",
                         "    Max Bending Moment = " + std::string(intervals[k - 1].first) + " kN-m",
                         "    Bending Moment = " + std::string(intervals[k - 1].second) +
                             " x permissible        BENDING MOMENT OK ",
                         ""});
        }
        text.insert(text.end(), {"", "  Deflection =  8.00 mm", "  Deflection/span ratio = 1/500 ", "", ""});
        EXPECT_EQ(Shown(Txt.SteelCheckLines[1]), text);
        EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
        EXPECT_NEAR(Eng.CheckResults[1][2][2], std::stod(c.int2), 0.0005);
        EXPECT_NEAR(Eng.CheckResults[1][27][0], std::stod(c.int2), 0.0005);
        EXPECT_NEAR(Eng.ShearRatios[1][2], std::stod(c.shear2), 1e-6);
    }

    // The same rolled channel with every unit other than the built-in one: N, N-mm, mm, cm and
    // kN/m^2 (1 N/mm^2 = 1000 kN/m^2).
    Model.UnitTextShear = "N", Model.UnitFactorShear = 1;
    Model.UnitTextMoment = "N-mm", Model.UnitFactorMoment = 1;
    Model.UnitTextLength = "mm", Model.UnitFactorLength = 1;
    Model.UnitTextDeflection = "cm", Model.UnitFactorDeflection = 0.1f;
    Model.UnitTextStress = "kN/m^2", Model.UnitFactorStress = 1000;
    Model.SectionShape = "RSC";
    SteelCodeCheck();
    const std::pair<int, std::string> lines[] = {
        {6, "  Max Shear = 11000 N"},
        {8, "  Span Length = 3000mm"},
        {10, "  Le = 2000mm"},
        {13, "  = 145000 kN/m^2"},
        {14, "  Max Bending Moment = 145000000 N-mm"},
        {16, "  Deflection =  0.600 cm"},
        {20, "  Max Shear = 27500 N"},
        {26, "    = 145000 kN/m^2"},
        {27, "    Max Bending Moment = 123500000 N-mm"},
        {34, "    Max Bending Moment = 1235000000 N-mm"},
        {38, "  Deflection =  0.800 cm"},
    };
    for (const auto& [i, line] : lines)
        EXPECT_EQ(Line(i), line) << i;
}

TEST_F(SteelCheckTest, IxxAndYOfSpanOneServeEveryMemberWhileEachRowKeepsItsOwnRyAndShearArea) {
    // Rows that differ, as a beam file may hold them. Row 1: Ixx 1e7, y 100, ry 20, Av 500; row 2:
    // Ixx 4e7, y 50, ry 40, Av 1000; D/T 15. Both spans Le 2000.
    // Span 1: Le/ry = 2000/20 = 100 -> pbc 145, Mp = 145 x 1e7/100 = 1.45e7; Vp = 110 x 500 = 55000.
    // Span 2: Le/ry = 2000/40 = 50 -> pbc 180, Mp = 180 x 1e7/100 = 1.8e7 (Ixx and y of span 1;
    // its own 4e7/50 would give 1.44e8); Vp = 110 x 1000 = 110000.
    Members(0, {3000, 4000}, 0);
    Steel("Beam", 1e7f, 100, 500, 20, 15);
    for (auto [field, value] : {std::pair{mfIxx, 4e7f}, {mfY, 50.0f}, {mfRy, 40.0f}, {mfShearArea, 1000.0f}})
        Model.SpanData[2][field] = value;
    EffectiveLengths({{1, 2000}, {2, 2000}});
    Model.EffLengthText[1] = "0.67 x L";
    Model.EffLengthText[2] = "0.50 x L";
    Governing(1, 27500, 7.25e6f, 6); // 27500/55000 = 0.5; 7.25e6/1.45e7 = 0.5; 3000/6 = 500
    Governing(2, 55000, 9e6f, 8);    // 55000/110000 = 0.5; 9e6/1.8e7 = 0.5; 4000/8 = 500
    SteelCodeCheck();
    std::vector<std::string> text = {" ", "CODE CHECK TO BS 5975",
                                     kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
                                     " CODE CHECK DATA"};
    const struct {
        const char *span, *shear, *length, *factor, *slenderness, *pbc, *moment, *deflection;
    } spans[] = {{"1", "27.50", "3.00", "0.67", "100", "145", "7.250", "6.00"},
                 {"2", "55.00", "4.00", "0.50", "50.0", "180", "9.000", "8.00"}};
    for (const auto& c : spans)
        text.insert(text.end(),
                    {std::string(" SPAN ") + c.span, std::string("  Max Shear = ") + c.shear + " kN",
                     "  Shear = 0.500 x permissible                 SHEAR OK",
                     std::string("  Span Length = ") + c.length + "m",
                     std::string("  Le \"factor\" = ") + c.factor + " x L", "  Le = 2.00m",
                     std::string("  Le/ry = ") + c.slenderness, "  Permissible compressive bending stress ",
                     std::string("  = ") + c.pbc + " N/mm^2",
                     std::string("  Max Bending Moment = ") + c.moment + " kN-m",
                     "  Bending Moment = 0.500 x permissible        BENDING MOMENT OK ",
                     std::string("  Deflection =  ") + c.deflection + " mm",
                     "  Deflection/span ratio = 1/500 ", ""});
    text.push_back("");
    EXPECT_EQ(Shown(Txt.SteelCheckLines[1]), text);
    for (int row : {1, 2, 27}) {
        EXPECT_NEAR(Eng.CheckResults[1][row][0], 0.5, 1e-6) << row;
        EXPECT_NEAR(Eng.ShearRatios[1][row], 0.5, 1e-6) << row;
    }
}

TEST_F(SteelCheckTest, DeflectionIsFlaggedOnlyBeyondItsLimitAndLargeRatiosKeepThreeFigures) {
    // Span 3600 mm: 10 mm is exactly span/360 and passes, 10.01 mm is flagged. LH cantilever
    // 1800 mm and RH cantilever 900 mm: 10 and 5 mm are exactly length/180.
    Members(1800, {3600}, 900);
    Steel("Box", 1e9f, 100, 500, 20);
    EffectiveLengths({{0, 1800}, {1, 3600}, {26, 900}});
    const struct {
        float lh, span, rh;
        const char *lhLine, *spanLine, *rhLine;
    } cases[] = {
        {10, 10, 5, "  Deflection/span ratio = 1/180 ", "  Deflection/span ratio = 1/360 ",
         "  Deflection/span ratio = 1/180 "},
        // Just over: 1800 / 10.01 = 179.8, 3600 / 10.01 = 359.6 and 900 / 5.01 = 179.6 show rounded.
        {10.01f, 10.01f, 5.01f, "  Deflection/span ratio = 1/180               LHC DEFLECTION HIGH",
         "  Deflection/span ratio = 1/360               SPAN DEFLECTION HIGH",
         "  Deflection/span ratio = 1/180               RHC DEFLECTION HIGH"},
        // Ratios over 1000 (1800 / 1.2 = 1500, 3600 / 2.4 = 1500, 900 / 0.6 = 1500) and a hogging
        // (upward) deflection, whose LH ratio is shown without its sign.
        {-1.2f, 2.4f, 0.6f, "  Deflection/span ratio = 1/1500 ", "  Deflection/span ratio = 1/1500 ",
         "  Deflection/span ratio = 1/1500 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.span);
        Governing(0, 100, 1000, c.lh);
        Governing(1, 100, 1000, c.span);
        Governing(26, 100, 1000, c.rh);
        SteelCodeCheck();
        EXPECT_EQ(Line(12), c.lhLine);
        EXPECT_EQ(Line(22), c.spanLine);
        EXPECT_EQ(Line(32), c.rhLine);
    }
}

} // namespace
} // namespace kx::test

namespace kx {
namespace {

// A check ratio over a permissible value of 0: any load effect, however small, is infinitely too
// high in its own sign; nothing over nothing is 0.
TEST(CheckRatio, OverNothingEveryEffectIsInfinitelyTooHigh) {
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [a, b, ratio] : {std::tuple{0.5, 0.0, inf},
                               {1e-9, 0.0, inf},
                               {250.0, 0.0, inf},
                               {-0.5, 0.0, -inf},
                               {0.0, 0.0, 0.0},
                               {3.0, 2.0, 1.5},
                               {-3.0, 2.0, -1.5}})
        EXPECT_EQ(CheckRatio(a, b), ratio) << a << " / " << b;
}

} // namespace
} // namespace kx
