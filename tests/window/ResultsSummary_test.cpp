// Results summary, maxima, envelope text and the content of the two result lists.
#include "window/ResultsSummary.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ListingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

class ResultsSummaryTest : public ListingTest {};

TEST_F(ResultsSummaryTest, ComplianceVerdictAndListColour) {
    Commit(BeamBuilder().Spans({5000}));
    Model.LoadcaseCount = 2;
    const std::string complies = "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR";
    const std::string fails = "     BEAM DOES NOT COMPLY WITH BS 5975";
    struct Case {
        const char* group;
        int32 steel;
        float shear1, moment2, shear3; // ratios of loadcases 1, 2 and 3
        std::string verdict;
        Color colour;
    };
    const Case cases[] = {
        {"Timber", 0, 1.0f, 1.0f, 0, complies, colors::Black}, // exactly 1.0 passes
        {"Timber", 0, 1.0f, 1.01f, 0, fails, colors::Red},
        {"Timber", 0, 1.0f, 1.0f, 2.0f, complies, colors::Black}, // loadcase 3 not analysed
        {"HRS", 1, 1.2f, 0, 0, fails, colors::Red},
        {"HRS", 1, 0.5f, 0, 0, complies, colors::Black},
        {"KXF", 0, 1.2f, 0, 0, "     LOADING EXCEEDS BEAM CAPACITY", colors::Red},
        {"KXF", 0, 0.5f, 0, 0, "     BEAM BENDING and SHEAR OK", colors::Black},
        {"Scaffold", 0, 1.2f, 0, 0, "     PERMISSABLE BENDING MOMENT EXCEEDED", colors::Red},
        {"Scaffold", 0, 0.5f, 0, 0, "     TUBE BENDING OK", colors::Black},
        {"HRS", -1, 0, 0, 0, " ", colors::Black}}; // steel without the check: no verdict
    for (const Case& c : cases) {
        Model.MemberType = c.group;
        Model.SteelSectionFlag = c.steel;
        Eng.ShearRatios[1][27] = c.shear1;
        Eng.CheckResults[2][27][0] = c.moment2;
        Eng.ShearRatios[3][27] = c.shear3;
        BuildResultsSummary();
        EXPECT_EQ(Txt.SummaryLines[3].str(), c.verdict) << c.group << " " << c.shear1 << " " << c.moment2;
        EXPECT_EQ(ResultsListContent().colour, c.colour) << c.group << " " << c.shear1 << " " << c.moment2;
    }
    ExpectLines(Txt.SummaryLines, "ResultsSummary", "no-verdict");
}

// A section of the user's own file on a 4 m span with a 1 m RH cantilever, its property lines as
// the section choice writes them (Ixx 800 cm^4, E 70000 N/mm^2, permissible moment 6 kN-m and shear
// 30 kN, GA 15000 kN): each caption line is held back and joined to the value line after it.
TEST_F(ResultsSummaryTest, AUserSectionsPropertyLinesAreJoinedInPairs) {
    Commit(BeamBuilder().Spans({4000}).RHCantilever(1000));
    Model.LoadcaseCount = 1;
    Model.MemberType = "KXF";
    const char* const props[] = {"9",
                                 "Aluminium beam 150",
                                 "",
                                 " Ixx = 800.0 cm^4",
                                 " E = 70000 N/mm^2",
                                 " Permissible Bending Moment",
                                 " = 6.000 kN-m",
                                 " Permissible Shear",
                                 " = 30.00 kN",
                                 " GA/Kform = 15000 kN"};
    for (int i = 0; i <= 9; ++i)
        Model.SectionPropLines[i] = props[i];
    BuildResultsSummary();
    // The span and the cantilever with 3 decimals (the longest, 4 m, has one digit before the
    // point), each point in column 14; the count runs one past the last row.
    const char* const expected[] = {"21",
                                    "RESULTS",
                                    "",
                                    "     BEAM BENDING and SHEAR OK",
                                    " ",
                                    "BEAM DATA",
                                    " Length = 5.000 m",
                                    "",
                                    "Aluminium beam 150",
                                    "",
                                    " Ixx = 800.0 cm^4",
                                    " E = 70000 N/mm^2",
                                    "",
                                    " Permissible Bending Moment = 6.000 kN-m",
                                    "",
                                    " Permissible Shear = 30.00 kN",
                                    " GA/Kform = 15000 kN",
                                    "",
                                    " Span    Length (m)",
                                    "  1         4.000",
                                    " RHC        1.000",
                                    ""};
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i)
        EXPECT_EQ(Txt.SummaryLines[i].str(), expected[i]) << "line " << i;
}

// Both cantilevers and a span over 100 m: the lengths take the decimals of the longest, 120 m with
// three figures before the point: one decimal (none in mm, six figures), each point in column 14;
// the beam 0.5 + 120 + 3 + 0.4 = 123.9 m.
TEST_F(ResultsSummaryTest, MemberLengthsOfBothCantileversAndALongSpan) {
    Commit(BeamBuilder().LHCantilever(500).Spans({120000, 3000}).RHCantilever(400));
    Model.LoadcaseCount = 1;
    Model.MemberType = "HRS";
    BuildResultsSummary();
    const char* const metres[] = {"13",
                                  "RESULTS",
                                  "",
                                  " ",
                                  "BEAM DATA",
                                  " Length = 123.9 m",
                                  "",
                                  "",
                                  " Span    Length (m)",
                                  " LHC        0.5",
                                  "  1       120.0",
                                  "  2         3.0",
                                  " RHC        0.4",
                                  ""};
    for (int i = 0; i < static_cast<int>(std::size(metres)); ++i)
        EXPECT_EQ(Txt.SummaryLines[i].str(), metres[i]) << "line " << i;
    Model.UnitTextLength = "mm", Model.UnitFactorLength = 1;
    BuildResultsSummary();
    const char* const mm[] = {" Length = 123900 mm",
                              "",
                              "",
                              " Span    Length (mm)",
                              " LHC      500",
                              "  1    120000",
                              "  2      3000",
                              " RHC      400"};
    for (int i = 5; i <= 12; ++i)
        EXPECT_EQ(Txt.SummaryLines[i].str(), mm[i - 5]) << "line " << i;

    // The long span last, in metres: it still decides the decimals of every row.
    Commit(BeamBuilder().LHCantilever(500).Spans({3000, 120000}).RHCantilever(400));
    Model.LoadcaseCount = 1;
    Model.MemberType = "HRS";
    Model.UnitTextLength = "m", Model.UnitFactorLength = 1000;
    BuildResultsSummary();
    EXPECT_EQ(Txt.SummaryLines[10].str(), "  1         3.0");
    EXPECT_EQ(Txt.SummaryLines[11].str(), "  2       120.0");

    // A cantilever the longest member, at either end: 12 m has two figures before the point, two
    // decimals for every row (the spans alone would give three).
    const std::tuple<bool, std::vector<std::string>> longest[] = {
        {true, {" LHC       12.00", "  1         3.00", "  2         4.00"}},
        {false, {"  1         3.00", "  2         4.00", " RHC       12.00"}}};
    for (const auto& [lh, rows] : longest) {
        BeamBuilder b;
        if (lh) b.LHCantilever(12000);
        b.Spans({3000, 4000});
        if (!lh) b.RHCantilever(12000);
        Commit(b);
        Model.LoadcaseCount = 1;
        Model.MemberType = "HRS";
        BuildResultsSummary();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Txt.SummaryLines[9 + i].str(), rows[static_cast<std::size_t>(i)])
                << lh << " line " << 9 + i;
    }
}

TEST_F(ResultsSummaryTest, MaximaOfTheEnvelopeFollowTheSummaryInTheList) {
    Commit(BeamBuilder().Spans({3000, 3000}));
    Model.LoadcaseCount = 1;
    Model.MemberType = "HRS";
    Eng.ShearExtremes[0][27][5] = 12345;
    Eng.MomentExtremes[0][27][5] = 9.87654e6f;
    Eng.DeflectionExtremes[0][27][5] = 4.321f;
    const float reactions[] = {5000, 20000, 7000, 99999}; // the last is no support of this beam
    for (int k = 1; k <= 4; ++k)
        Eng.SupportWorkValues[k] = reactions[k - 1];
    Txt.MaxStressLine = " Max stress = 123.5 N/mm^2";
    BuildResultsSummary();
    ExpectLines(Txt.MaximaLines, "ResultsSummary", "maxima");
    // The list: RESULTS, empty, " ", BEAM DATA, Length, empty, empty, heading, two span rows,
    // then the line the count runs past; then the seven maxima lines.
    const ResultListContent list = ResultsListContent();
    ASSERT_EQ(list.lines.size(), 11u + 7u);
    EXPECT_EQ(list.lines[0] + list.lines[10] + list.lines[11] + list.lines[16],
              "RESULTSMAXIMA Max stress = 123.5 N/mm^2");
    Txt.MaximaLines[0] = ""; // maxima never built are not shown
    EXPECT_EQ(ResultsListContent().lines.size(), 11u);

    Txt.FactoredLoadCount = 2;
    BuildResultsSummary();
    ExpectLines(Txt.MaximaLines, "ResultsSummary", "maxima-factored");
    for (int k = 1; k <= 3; ++k) // only uplift: the largest positive reaction is 0
        Eng.SupportWorkValues[k] = -100;
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[5], " Max positive factored support reaction = 0.000 kN");
    Eng.SupportWorkValues[3] = 31000; // the last support's reaction is the largest
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[5], " Max positive factored support reaction = 31.00 kN");
    Eng.SupportWorkValues[1] = 45000; // and now the first support's
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[5], " Max positive factored support reaction = 45.00 kN");

    // A user's section: the maxima are shown too, without a stress line.
    Model.MemberType = "KXF";
    Txt.MaximaLines[0] = "";
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[0].str() + "|" + Txt.MaximaLines[6].str(), "7|");
}

// The loadcase after each envelope value is written two wide in brackets, " ( 7)"; a number that is
// no whole loadcase (only from a damaged file) is rounded half away from zero and not cut:
// 100 -> " (100)", 2.5 -> " ( 3)", -1 -> " (-1)"; 0, whichever its sign, " ( 0)".
TEST_F(ResultsSummaryTest, EnvelopeLoadcaseNumbersStandTwoWideInBrackets) {
    Commit(BeamBuilder().Spans({5000}));
    Model.MemberType = "HRS";
    const float loadcases[][3] = {{7, 1, 5}, {100, 2.5f, -1}, {0, -0.0f, 0}}; // shear, +ve, -ve moment
    const char* const shown[][3] = {
        {" ( 7)", " ( 1)", " ( 5)"}, {" (100)", " ( 3)", " (-1)"}, {" ( 0)", " ( 0)", " ( 0)"}};
    for (int k = 0; k < 3; ++k) {
        auto& shear = Eng.EnvelopeIntervalValues[0][1][1];
        auto& moments = Eng.EnvelopeTable[0][1][1];
        shear[0] = 1000, shear[1] = loadcases[k][0];
        moments[0] = 2e6f, moments[1] = -1e6f, moments[2] = loadcases[k][1], moments[3] = loadcases[k][2];
        BuildEnvelopeText();
        const std::string line = Txt.EnvelopeLines[7].str();
        ASSERT_EQ(line.substr(0, 2), " 1") << line;
        std::size_t at = 0;
        for (const char* text : shown[k]) {
            at = line.find(text, at);
            ASSERT_NE(at, std::string::npos) << text << " in \"" << line << "\"";
            at += std::string_view(text).size();
        }
        EXPECT_EQ(line.find("( 100)"), std::string::npos) << line;
    }
}

// The envelope lists a cantilever when loadcase 1 has it, whatever the later loadcases have: one
// span gives 2 + 25 + 1 = 28 lines, each cantilever 1 + 2 + 21 = 24 more (the count one past).
TEST_F(ResultsSummaryTest, TheEnvelopeListsTheCantileversOfLoadcaseOne) {
    const std::tuple<int, int, const char*, bool, bool> rows[] = {
        {1, 0, "77", true, true}, {0, 1, "29", false, false}}; // active in loadcase 1, in 2
    for (auto [first, second, count, lh, rh] : rows) {
        Commit(BeamBuilder().Spans({5000}));
        Model.LoadcaseCount = 2;
        Eng.LHCantileverActive[1] = Eng.RHCantileverActive[1] = first;
        Eng.LHCantileverActive[2] = Eng.RHCantileverActive[2] = second;
        Eng.CantileverLength[0][0] = Eng.CantileverLength[0][1] = 1000;
        BuildEnvelopeText();
        ASSERT_EQ(Txt.EnvelopeLines[0].str(), count) << first;
        bool lhShown = false, rhShown = false;
        for (int i = 1; i < std::stoi(count); ++i) {
            lhShown = lhShown || Txt.EnvelopeLines[i].str() == " LH Cantilever ";
            rhShown = rhShown || Txt.EnvelopeLines[i].str() == " RH Cantilever ";
        }
        EXPECT_EQ(std::make_pair(lhShown, rhShown), std::make_pair(lh, rh)) << first;
    }
}

TEST_F(ResultsSummaryTest, TheAnalysisBuildsTheEnvelopeOfTwentyFiveSpans) {
    Commit(BeamBuilder()
               .LHCantilever(1000)
               .EqualSpans(25, 2000)
               .RHCantilever(1000)
               .Udl(1, 0, 10, 52000)
               .Udl(2, 0, 20, 1000));
    Model.MemberType = "HRS";
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ExpectLines(Txt.EnvelopeLines, "ResultsSummary", "envelope-25");
    EXPECT_EQ(EnvelopeListContent().lines.size(), 677u);
    EXPECT_EQ(EnvelopeListContent().colour, colors::Navy);
    // A forkhead beam has no envelope: nothing shown, the colour left. Its kind is read from the
    // second support's slot; a forkhead at the third alone is no forkhead beam.
    Model.SupportType[2] = supForkhead;
    EXPECT_EQ(EnvelopeListContent().lines.size(), 677u);
    Model.SupportType.fill(supForkhead);
    Model.SupportType[2] = supFixed;
    EXPECT_TRUE(EnvelopeListContent().lines.empty());
    EXPECT_FALSE(EnvelopeListContent().colour.has_value());
}

// The distances of a member's envelope lines take their decimals from the member's length in the
// shown unit: 1 integer digit gives 3, 2 give 2, 3 give 1, 4 or more 0 (a whole number ends one
// before the point's place, 10). Point 11 is at L/2, point 21 at L. The values are all zero: 0.000
// with loadcase ( 0) in each column.
TEST_F(ResultsSummaryTest, EnvelopeDistancesTakeTheirDecimalsFromTheMembersShownLength) {
    const std::string zeros = "        0.000 ( 0)       0.000 ( 0)       0.000 ( 0)";
    const std::tuple<double, bool, const char*, const char*> rows[] = {
        {500, false, "11      0.250", "21      0.500"},     // 0.5 m: 3 decimals
        {9000, false, "11      4.500", "21      9.000"},    // 9 m: 3 decimals
        {50000, false, "11     25.00 ", "21     50.00 "},   // 50 m: 2 decimals
        {500000, false, "11    250.0  ", "21    500.0  "},  // 500 m: 1 decimal
        {5000000, false, "11   2500    ", "21   5000    "}, // 5000 m: none
        {5000, true, "11   2500    ", "21   5000    "},     // 5000 mm: none
        {50, true, "11     25.00 ", "21     50.00 "},       // 50 mm: 2 decimals
    };
    for (auto [L, inMm, mid, end] : rows) {
        Commit(BeamBuilder().Spans({L}));
        Model.MemberType = "HRS";
        if (inMm) {
            Model.UnitFactorLength = 1;
            Model.UnitTextLength = "mm";
        }
        BuildEnvelopeText();
        ASSERT_EQ(Txt.EnvelopeLines[6].str(),
                  inMm ? " Int    (mm)         (kN)            (kN-m)           (kN-m)"
                       : " Int     (m)         (kN)            (kN-m)           (kN-m)")
            << L;
        EXPECT_EQ(Txt.EnvelopeLines[17].str(), mid + zeros) << L;
        EXPECT_EQ(Txt.EnvelopeLines[27].str(), end + zeros) << L;
    }
}

// The shear and both moment columns of a member take their decimals by rule 5 from the member's
// extremes, not from the values at the points: 1 or 2 integer digits give 3, 3 give 2, 4 give 1, 5 or
// more 0 (a whole number ends one before the point's place: 23, 40, 57). Point 11 of a 5 m span,
// shear in kN (x 0.001), moments in kN-m (x 1e-6).
TEST_F(ResultsSummaryTest, EnvelopeShearAndMomentDecimalsTakeRuleFiveOfTheMembersExtremes) {
    struct Row {
        float largestShear, largestMoment, smallestMoment; // the member's extremes, N and N mm
        float shear, positive, negative;                   // at point 11
        const char* line;
    };
    const Row rows[] = {
        // 1500 kN: 1 decimal; 12345 kN-m: none; 300 kN-m: 2 decimals
        {1.5e6f, 12345e6f, -300e6f, 250e3f, 2000e6f, -150e6f,
         "11      2.500      250.0 ( 1)      2000 ( 2)        -150.00 ( 3)"},
        // 50 kN: 3 decimals; 5000 kN-m: 1 decimal; 123456 kN-m: none
        {50e3f, 5000e6f, -123456e6f, 25e3f, 2500e6f, -100000e6f,
         "11      2.500       25.000 ( 1)    2500.0 ( 2)   -100000 ( 3)"},
    };
    for (const Row& r : rows) {
        Commit(BeamBuilder().Spans({5000}));
        Model.MemberType = "HRS";
        Eng.ShearExtremes[0][1][xMagnitude] = r.largestShear;
        Eng.MomentExtremes[0][1][xLargest] = r.largestMoment;
        Eng.MomentExtremes[0][1][xSmallest] = r.smallestMoment;
        auto& shear = Eng.EnvelopeIntervalValues[0][1][11];
        auto& moments = Eng.EnvelopeTable[0][1][11];
        shear[0] = r.shear, shear[1] = 1;
        moments[0] = r.positive, moments[1] = r.negative, moments[2] = 2, moments[3] = 3;
        BuildEnvelopeText();
        EXPECT_EQ(Txt.EnvelopeLines[17].str(), r.line);
    }
}

} // namespace
