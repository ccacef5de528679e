// Results summary, maxima, envelope text and the content of the two result lists.
#include "window/ResultsSummary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/ResultText.h"

namespace kx {
namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class ResultsSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSharedModelToStart();
        Eng = EngineState{};
        Txt = ResultTextTables{};
        SetDefaultUnits(Model); // lengths in m, shear kN, moment kN-m, deflection mm
        Model.LoadcaseCount = 1;
    }
    // Committed members (0 = none) in mm; the loadcase slots as an analysis leaves them.
    void Members(float lh, std::vector<float> spans, float rh) {
        const int n = static_cast<int>(spans.size());
        Model.SpanCount[0] = n;
        Model.SpanData[0][mfExists] = lh > 0 ? 1.0f : 0.0f;
        Model.SpanData[0][mfL] = lh;
        for (int i = 1; i <= n; ++i) {
            Model.SpanData[i][mfExists] = 1;
            Model.SpanData[i][mfL] = spans[static_cast<std::size_t>(i - 1)];
        }
        Model.SpanData[26][mfExists] = rh > 0 ? 1.0f : 0.0f;
        Model.SpanData[26][mfL] = rh;
        double total = lh + rh;
        for (float L : spans)
            total += L;
        Model.BeamLength = total;
        for (int lc = 0; lc <= kMaxLoadcases; ++lc) {
            Eng.LHCantileverActive[lc] = lh > 0 ? 1 : 0;
            Eng.RHCantileverActive[lc] = rh > 0 ? 1 : 0;
            Eng.CantileverLength[lc][0] = lh;
            Eng.CantileverLength[lc][1] = rh;
        }
    }
    static std::vector<std::string> Lines(const std::vector<std::string>& all, std::size_t from,
                                          std::size_t count) {
        return {all.begin() + static_cast<long>(from), all.begin() + static_cast<long>(from + count)};
    }
    static std::string Summary(int i) { return Txt.SummaryLines[i].str(); }
};

TEST_F(ResultsSummaryTest, ComplianceVerdictAndListColour) {
    Members(0, {4000}, 0);
    Model.MemberType = "Timber";
    Model.LoadcaseCount = 2;
    for (int lc = 1; lc <= 2; ++lc) {
        Eng.ShearRatios[lc][27] = 1.0f; // exactly 1.0 passes
        Eng.CheckResults[lc][27][0] = 1.0f;
    }
    BuildResultsSummary();
    EXPECT_EQ(Summary(1), "RESULTS");
    EXPECT_EQ(Summary(2), "");
    EXPECT_EQ(Summary(3), "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR");
    EXPECT_EQ(Summary(4), " ");
    EXPECT_EQ(Summary(5), "BEAM DATA");
    ResultListContent list = ResultsListContent();
    EXPECT_EQ(list.colour, colors::Black);

    Eng.CheckResults[2][27][0] = 1.01f;
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "     BEAM DOES NOT COMPLY WITH BS 5975");
    EXPECT_EQ(ResultsListContent().colour, colors::Red);

    // A failure in a loadcase beyond those analysed does not count.
    Eng.CheckResults[2][27][0] = 1.0f;
    Eng.ShearRatios[3][27] = 2.0f;
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR");

    // The steel code check words it the same way; user sections and scaffold members their own.
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
    Eng.ShearRatios[1][27] = 1.2f;
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "     BEAM DOES NOT COMPLY WITH BS 5975");
    Model.SteelSectionFlag = 0;
    Model.MemberType = "KXF";
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "     LOADING EXCEEDS BEAM CAPACITY");
    Model.MemberType = "Scaffold";
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "     PERMISSABLE BENDING MOMENT EXCEEDED");
    Eng.ShearRatios[1][27] = 0.5f;
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "     TUBE BENDING OK");
    Model.MemberType = "KXF";
    BuildResultsSummary();
    EXPECT_EQ(Summary(3), "     BEAM BENDING and SHEAR OK");
}

TEST_F(ResultsSummaryTest, SteelWithoutTheCheckHasNoVerdict) {
    Members(0, {5000}, 0);
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = -1;
    BuildResultsSummary();
    EXPECT_EQ(Summary(1), "RESULTS");
    EXPECT_EQ(Summary(2), "");
    EXPECT_EQ(Summary(3), " ");
    EXPECT_EQ(Summary(4), "BEAM DATA");
    EXPECT_EQ(Summary(5), " Length = 5.000 m");
    EXPECT_EQ(Summary(6), "");
}

TEST_F(ResultsSummaryTest, MemberLengthsAlignOnTheirDecimalPoint) {
    Members(750, {4500, 12000}, 0);
    Model.MemberType = "HRS";
    Model.SectionPropLines[0] = "2";
    Model.SectionPropLines[1] = " Section 1";
    Model.SectionPropLines[2] = " Section 2";
    BuildResultsSummary();
    // RESULTS, empty, " ", BEAM DATA, Length, empty, two section lines, empty, heading, rows.
    EXPECT_EQ(Summary(5), " Length = 17.25 m");
    EXPECT_EQ(Summary(7), " Section 1");
    EXPECT_EQ(Summary(8), " Section 2");
    EXPECT_EQ(Summary(9), "");
    EXPECT_EQ(Summary(10), " Span    Length (m)");
    // The longest member, 12 m, has two digits: two decimals.
    EXPECT_EQ(Summary(11), " LHC" + Blanks(7) + " 0.75");
    EXPECT_EQ(Summary(12), "  1" + Blanks(8) + " 4.50");
    EXPECT_EQ(Summary(13), "  2" + Blanks(8) + "12.00");
    for (int i = 11; i <= 13; ++i)
        EXPECT_EQ(Summary(i).find('.'), 13u) << i;
    EXPECT_EQ(Txt.SummaryLines[0], "14");
    EXPECT_EQ(Model.DecimalPlaces, 2);

    // Without a section line count nothing is listed; lengths under 10 m get three decimals.
    Model.SectionPropLines[0] = "";
    Members(0, {4500}, 0);
    BuildResultsSummary();
    EXPECT_EQ(Summary(7), "");
    EXPECT_EQ(Summary(8), " Span    Length (m)");
    EXPECT_EQ(Summary(9), "  1" + Blanks(9) + "4.500");
    EXPECT_EQ(Txt.SummaryLines[0], "10");
}

TEST_F(ResultsSummaryTest, ScaffoldAndUserSectionsJoinTheirSectionLines) {
    Members(0, {3000}, 0);
    Model.SectionPropLines[0] = "8";
    for (int i = 1; i <= 8; ++i)
        Model.SectionPropLines[i] = "L" + std::to_string(i);
    Model.MemberType = "Scaffold";
    BuildResultsSummary();
    // Verdict on line 3, section lines from line 8.
    const std::vector<std::string> expected = {"L1", "L2", "L3", "L4", "", "L5L6", "", "L7L8"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Summary(8 + i), expected[static_cast<std::size_t>(i)]) << i;

    Model.MemberType = "Timber";
    BuildResultsSummary();
    EXPECT_EQ(Summary(12), "L5");
    EXPECT_EQ(Summary(13), "L6");
}

TEST_F(ResultsSummaryTest, MaximaOfTheEnvelope) {
    Members(0, {3000, 3000}, 0);
    Model.MemberType = "HRS";
    Eng.ShearExtremes[0][27][5] = 12345;
    Eng.MomentExtremes[0][27][5] = 9.87654e6f;
    Eng.DeflectionExtremes[0][27][5] = 4.321f;
    Eng.SupportWorkValues[1] = 5000;
    Eng.SupportWorkValues[2] = 20000;
    Eng.SupportWorkValues[3] = 7000;
    Eng.SupportWorkValues[4] = 99999; // not a support of this beam
    Txt.MaxStressLine = " Max stress = 123.5 N/mm^2";
    BuildResultsSummary();
    const std::vector<std::string> unfactored = {
        "MAXIMA",
        " Max shear = 12.35 kN",
        " Max bending moment = 9.877 kN-m",
        " Max deflection = 4.321 mm",
        " Max positive support reaction = 20.00 kN",
        " Max stress = 123.5 N/mm^2",
    };
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(Txt.MaximaLines[i].str(), unfactored[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(Txt.MaximaLines[0], "7");

    Txt.FactoredLoadCount = 2;
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[2], " Max factored shear = 12.35 kN");
    EXPECT_EQ(Txt.MaximaLines[3], " Max factored bending moment = 9.877 kN-m");
    EXPECT_EQ(Txt.MaximaLines[5], " Max positive factored support reaction = 20.00 kN");

    // Only uplift: the largest positive reaction is 0.
    for (int k = 1; k <= 3; ++k)
        Eng.SupportWorkValues[k] = -100;
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[5], " Max positive factored support reaction = 0.000 kN");
}

TEST_F(ResultsSummaryTest, UserSectionsShowTheirMaximaToo) {
    Members(0, {3000}, 0);
    Model.MemberType = "KXF";
    Txt.MaxStressLine = " Max stress = 1.000 N/mm^2";
    BuildResultsSummary();
    EXPECT_EQ(Txt.MaximaLines[0], "7");
    EXPECT_EQ(Txt.MaximaLines[6], "");
    const ResultListContent list = ResultsListContent();
    const int summary = LineCount(Txt.SummaryLines);
    ASSERT_EQ(list.lines.size(), static_cast<std::size_t>(summary + 7));
    EXPECT_EQ(list.lines[static_cast<std::size_t>(summary)], "MAXIMA");
}

TEST_F(ResultsSummaryTest, ResultsListShowsSummaryThenMaxima) {
    Members(0, {3000}, 0);
    Model.MemberType = "HRS";
    BuildResultsSummary();
    const ResultListContent list = ResultsListContent();
    // RESULTS, empty, " ", BEAM DATA, Length, empty, empty, heading, span row, then the line the
    // count runs past; then MAXIMA and six more, the last of them empty.
    ASSERT_EQ(list.lines.size(), 10u + 7u);
    EXPECT_EQ(list.lines[0], "RESULTS");
    EXPECT_EQ(list.lines[8], "  1" + Blanks(9) + "3.000");
    EXPECT_EQ(list.lines[9], "");
    EXPECT_EQ(list.lines[10], "MAXIMA");
    EXPECT_EQ(list.lines[16], "");

    // Maxima that were never built are not shown.
    Txt.MaximaLines[0] = "";
    EXPECT_EQ(ResultsListContent().lines.size(), 10u);
}

TEST_F(ResultsSummaryTest, EnvelopeOfTwentyFiveSpansWithBothCantilevers) {
    Members(1000, std::vector<float>(25, 3000), 1000);
    BuildEnvelopeText();
    EXPECT_EQ(Txt.EnvelopeLines[0], "677");
    EXPECT_EQ(Txt.EnvelopeLines[1], "RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
    EXPECT_EQ(Txt.EnvelopeLines[2], "");
    EXPECT_EQ(Txt.EnvelopeLines[3], " LH Cantilever ");
    EXPECT_EQ(Txt.EnvelopeLines[4], " Span  Distance    Max shear       +ve Moment      -ve Moment");
    EXPECT_EQ(Txt.EnvelopeLines[5].str(), " Int" + Blanks(5) + "(m)" + Blanks(9) + "(kN)" + Blanks(12) +
                                              "(kN-m)" + Blanks(11) + "(kN-m)");
    EXPECT_EQ(Txt.EnvelopeLines[27], "");
    EXPECT_EQ(Txt.EnvelopeLines[28], " Span 1");
    EXPECT_EQ(Txt.EnvelopeLines[628], " Span 25");
    EXPECT_EQ(Txt.EnvelopeLines[651].str(),
              "21      3.000        0.000 ( 0)       0.000 ( 0)       0.000 ( 0)");
    EXPECT_EQ(Txt.EnvelopeLines[652], "");
    EXPECT_EQ(Txt.EnvelopeLines[653], " RH Cantilever ");
    EXPECT_EQ(Txt.EnvelopeLines[676].str(),
              "21      1.000        0.000 ( 0)       0.000 ( 0)       0.000 ( 0)");
    EXPECT_LE(LineCount(Txt.EnvelopeLines), 750);
}

TEST_F(ResultsSummaryTest, EnvelopeRowsAlignValuesAndNameTheirLoadcase) {
    Members(0, {5000}, 0);
    Eng.ShearExtremes[0][1][5] = 12500;
    Eng.MomentExtremes[0][1][3] = 15.625e6f;
    Eng.MomentExtremes[0][1][4] = -2.5e6f;
    auto& shear = Eng.EnvelopeIntervalValues[0][1];
    auto& moment = Eng.EnvelopeTable[0][1];
    shear[1][0] = 12500;
    shear[1][1] = 1;
    moment[1][0] = 0;
    moment[1][1] = -2.5e6f;
    moment[1][2] = 1;
    moment[1][3] = 2;
    shear[11][0] = 0;
    shear[11][1] = 3;
    moment[11][0] = 15.625e6f;
    moment[11][1] = 0;
    moment[11][2] = 1;
    moment[11][3] = 1;
    BuildEnvelopeText();
    // Lines: title, empty, empty, " Span 1", headings, then the rows from line 7.
    EXPECT_EQ(Txt.EnvelopeLines[4], " Span 1");
    EXPECT_EQ(Txt.EnvelopeLines[7].str(), " 1" + Blanks(6) + "0.000" + Blanks(7) + "12.500 ( 1)" + Blanks(7) +
                                              "0.000 ( 1)" + Blanks(6) + "-2.500 ( 2)");
    EXPECT_EQ(Txt.EnvelopeLines[17].str(), "11" + Blanks(6) + "2.500" + Blanks(8) + "0.000 ( 3)" + Blanks(6) +
                                               "15.625 ( 1)" + Blanks(7) + "0.000 ( 1)");
    EXPECT_EQ(Txt.EnvelopeLines[0], "29");

    const ResultListContent list = EnvelopeListContent();
    EXPECT_EQ(list.colour, colors::Navy);
    ASSERT_EQ(list.lines.size(), 29u);
    EXPECT_EQ(list.lines[6], Txt.EnvelopeLines[7].str());

    // A forkhead beam has no envelope: the list stays empty and keeps its colour.
    Model.SupportType[1] = supForkhead;
    const ResultListContent none = EnvelopeListContent();
    EXPECT_TRUE(none.lines.empty());
    EXPECT_FALSE(none.colour.has_value());
}

TEST_F(ResultsSummaryTest, TheAnalysisGivesTheTimberVerdict) {
    // Two loadcases on a 4 m span: 5 N/mm gives M = 10 kN-m and V = 10 kN; 6 N/mm gives 12 kN-m.
    ScopedScriptedDialogs dialogs;
    test::BeamBuilder().Spans({4000}).Section(9000, 1e8).Udl(1, 0, 5, 4000).Udl(2, 0, 6, 4000).Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "Timber";
    Model.TimberPermShearSaved = 20000;
    Model.TimberPermMomentSaved = 12e6f;
    Model.TimberWidthSaved = 75;
    Model.TimberDepthSaved = 200;
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], 10.0 / 12, 1e-5);
    EXPECT_NEAR(Eng.CheckResults[2][27][0], 1.0, 1e-5);
    EXPECT_EQ(Summary(3), "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR");
    EXPECT_EQ(ResultsListContent().colour, colors::Black);
    EXPECT_EQ(Txt.MaximaLines[3], " Max bending moment = 12.00 kN-m");

    // 6.1 N/mm in loadcase 2: 12.2 kN-m fails.
    Model.LoadTable[2][1][lfW1] = 6.1f;
    Model.LoadTable[2][1][lfW2] = 6.1f;
    AnalyseBeam(host);
    EXPECT_EQ(Summary(3), "     BEAM DOES NOT COMPLY WITH BS 5975");
    EXPECT_EQ(ResultsListContent().colour, colors::Red);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Eng.CaseCheckFailures[2], -1);
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(ResultsSummaryTest, TheAnalysisBuildsTheEnvelopeOfTwentyFiveSpans) {
    ScopedScriptedDialogs dialogs;
    test::BeamBuilder b;
    b.LHCantilever(1000)
        .EqualSpans(25, 2000)
        .RHCantilever(1000)
        .Udl(1, 0, 10, 52000)
        .Udl(2, 0, 20, 1000)
        .Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "HRS";
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(Txt.EnvelopeLines[0], "677");
    EXPECT_EQ(Txt.EnvelopeLines[653], " RH Cantilever ");
    // The LH cantilever's root (its last twentieth point) carries wc^2/2: 10 kN-m in loadcase 2
    // against 5 kN-m in loadcase 1; the RH root carries 5 kN-m in loadcase 1 only.
    const std::string lhRoot = Txt.EnvelopeLines[26].str();
    EXPECT_EQ(lhRoot.substr(0, 13), "21      1.000");
    EXPECT_EQ(lhRoot.substr(lhRoot.size() - 12), "-10.000 ( 2)");
    const std::string rhRoot = Txt.EnvelopeLines[656].str();
    EXPECT_EQ(rhRoot.substr(0, 13), " 1      0.000");
    EXPECT_EQ(rhRoot.substr(rhRoot.size() - 12), " -5.000 ( 1)");
    EXPECT_EQ(EnvelopeListContent().lines.size(), 677u);
}

} // namespace
} // namespace kx
