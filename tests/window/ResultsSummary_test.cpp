// Results summary, maxima, envelope text and the content of the two result lists.
#include "window/ResultsSummary.h"

#include <gtest/gtest.h>

#include <vector>

#include "KxfTestSupport.h"
#include "ListingTestSupport.h"

using namespace kx;
using namespace kx::test;
using kxtest::SetLines;

namespace {

class ResultsSummaryTest : public ListingTest {
protected:
    // Committed members (0 = no cantilever) in mm, as an analysis of one loadcase leaves them.
    static void Members(double lh, std::vector<double> spans, double rh) {
        Commit(BeamBuilder().LHCantilever(lh).Spans(spans).RHCantilever(rh));
        Model.LoadcaseCount = 1;
    }
    static std::string Summary(int i) { return Txt.SummaryLines[i].str(); }
};

TEST_F(ResultsSummaryTest, ComplianceVerdictAndListColour) {
    Members(0, {5000}, 0);
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
        EXPECT_EQ(Summary(3), c.verdict) << c.group << " " << c.shear1 << " " << c.moment2;
        EXPECT_EQ(ResultsListContent().colour, c.colour) << c.group << " " << c.shear1 << " " << c.moment2;
        if (c.verdict != " ") {
            EXPECT_EQ(Summary(4), " ");
            EXPECT_EQ(Summary(5), "BEAM DATA");
        }
    }
    ExpectLines(Txt.SummaryLines, "ResultsSummary", "no-verdict");
}

TEST_F(ResultsSummaryTest, MemberLengthsAndSectionLines) {
    Members(750, {4500, 12000}, 0);
    Model.MemberType = "HRS";
    SetLines(Model.SectionPropLines, 2, " Section");
    BuildResultsSummary();
    ExpectLines(Txt.SummaryLines, "ResultsSummary", "lengths");

    Model.SectionPropLines[0] = ""; // no section lines
    Members(0, {4500}, 0);
    BuildResultsSummary();
    ExpectLines(Txt.SummaryLines, "ResultsSummary", "lengths-short");

    // Scaffold and user sections hold lines 5 and 7 back and join them to lines 6 and 8.
    SetLines(Model.SectionPropLines, 8, "L");
    Model.MemberType = "Scaffold";
    BuildResultsSummary();
    const char* joined[] = {"L 1", "L 2", "L 3", "L 4", "", "L 5L 6", "", "L 7L 8"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Summary(8 + i), joined[i]) << i; // after the verdict
    Model.MemberType = "Timber";
    BuildResultsSummary();
    EXPECT_EQ(Summary(12), "L 5");
    EXPECT_EQ(Summary(13), "L 6");
}

TEST_F(ResultsSummaryTest, MaximaOfTheEnvelopeFollowTheSummaryInTheList) {
    Members(0, {3000, 3000}, 0);
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
    ResultListContent list = ResultsListContent();
    ASSERT_EQ(list.lines.size(), 11u + 7u);
    EXPECT_EQ(list.lines[0], "RESULTS");
    EXPECT_EQ(list.lines[10], "");
    EXPECT_EQ(list.lines[11], "MAXIMA");
    EXPECT_EQ(list.lines[16], " Max stress = 123.5 N/mm^2");
    Txt.MaximaLines[0] = ""; // maxima never built are not shown
    EXPECT_EQ(ResultsListContent().lines.size(), 11u);

    Txt.FactoredLoadCount = 2;
    BuildResultsSummary();
    ExpectLines(Txt.MaximaLines, "ResultsSummary", "maxima-factored");
    for (int k = 1; k <= 3; ++k) // only uplift: the largest positive reaction is 0
        Eng.SupportWorkValues[k] = -100;
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[5], " Max positive factored support reaction = 0.000 kN");

    // A user's section: the maxima are shown too, without a stress line.
    Model.MemberType = "KXF";
    Txt.MaximaLines[0] = "";
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[0], "7");
    EXPECT_EQ(Txt.MaximaLines[6], "");
    list = ResultsListContent();
    ASSERT_EQ(list.lines.size(), static_cast<std::size_t>(LineCount(Txt.SummaryLines) + 7));
    EXPECT_EQ(list.lines[static_cast<std::size_t>(LineCount(Txt.SummaryLines))], "MAXIMA");
}

TEST_F(ResultsSummaryTest, EnvelopeRowsAlignValuesAndNameTheirLoadcase) {
    Members(0, {5000}, 0);
    Eng.ShearExtremes[0][1][5] = 12500;
    Eng.MomentExtremes[0][1][3] = 15.625e6f;
    Eng.MomentExtremes[0][1][4] = -2.5e6f;
    // [point][value, loadcase] of the shear; [point][+ve, -ve, their loadcases] of the moment.
    auto& shear = Eng.EnvelopeIntervalValues[0][1];
    auto& moment = Eng.EnvelopeTable[0][1];
    const float row1[] = {12500, 1, 0, -2.5e6f, 1, 2}, row11[] = {0, 3, 15.625e6f, 0, 1, 1};
    for (int i = 0; i < 2; ++i) {
        shear[1][i] = row1[i];
        shear[11][i] = row11[i];
    }
    for (int i = 0; i < 4; ++i) {
        moment[1][i] = row1[i + 2];
        moment[11][i] = row11[i + 2];
    }
    BuildEnvelopeText();
    ExpectLines(Txt.EnvelopeLines, "ResultsSummary", "envelope-rows");
    const ResultListContent list = EnvelopeListContent();
    EXPECT_EQ(list.colour, colors::Navy);
    ASSERT_EQ(list.lines.size(), 29u); // to the line the count runs past
    EXPECT_EQ(list.lines[6], Txt.EnvelopeLines[7].str());

    // A forkhead beam has no envelope: the list stays empty and keeps its colour.
    Model.SupportType[1] = supForkhead;
    const ResultListContent none = EnvelopeListContent();
    EXPECT_TRUE(none.lines.empty());
    EXPECT_FALSE(none.colour.has_value());
}

TEST_F(ResultsSummaryTest, TheAnalysisGivesTheTimberVerdict) {
    // Two loadcases on a 4 m span: 5 N/mm gives M = 10 kN-m and V = 10 kN; 6 N/mm gives 12 kN-m.
    Commit(BeamBuilder().Spans({4000}).Section(9000, 1e8).Udl(1, 0, 5, 4000).Udl(2, 0, 6, 4000));
    Model.MemberType = "Timber";
    Model.TimberPermShearSaved = 20000;
    Model.TimberPermMomentSaved = 12e6f;
    Model.TimberWidthSaved = 75;
    Model.TimberDepthSaved = 200;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], 10.0 / 12, 1e-5);
    EXPECT_NEAR(Eng.CheckResults[2][27][0], 1.0, 1e-5);
    EXPECT_EQ(Summary(3), "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR");
    EXPECT_EQ(ResultsListContent().colour, colors::Black);
    EXPECT_EQ(Txt.MaximaLines[3], " Max bending moment = 12.00 kN-m");

    // 6.1 N/mm in loadcase 2: 12.2 kN-m fails.
    Model.LoadTable[2][1][lfW1] = Model.LoadTable[2][1][lfW2] = 6.1f;
    AnalyseBeam(host);
    EXPECT_EQ(Summary(3), "     BEAM DOES NOT COMPLY WITH BS 5975");
    EXPECT_EQ(ResultsListContent().colour, colors::Red);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Eng.CaseCheckFailures[2], -1);
    EXPECT_TRUE(dialogs->messages().empty());
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
    // The LH cantilever's root (its last twentieth point) carries wc^2/2: 10 kN-m in loadcase 2
    // against 5 kN-m in loadcase 1; the RH root carries 5 kN-m in loadcase 1 only.
    const std::string lhRoot = Txt.EnvelopeLines[26].str();
    EXPECT_EQ(lhRoot.substr(0, 13), "21      1.000");
    EXPECT_EQ(lhRoot.substr(lhRoot.size() - 12), "-10.000 ( 2)");
    const std::string rhRoot = Txt.EnvelopeLines[656].str();
    EXPECT_EQ(rhRoot.substr(0, 13), " 1      0.000");
    EXPECT_EQ(rhRoot.substr(rhRoot.size() - 12), " -5.000 ( 1)");
}

} // namespace
