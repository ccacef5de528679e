// Capacity check of the user's sections ("KXF") and scaffold members, the double-coupler section
// of its text, and the double-coupler warning.
#include "engine/CapacityCheck.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/AnalysisFixture.h"
#include "window/ResultsSummary.h"

namespace kx::test {
namespace {

class CapacityCheckTest : public MemberCheckTest {
protected:
    // Members of group `type` taking 20000 N and 5e6 N mm.
    static void Capacity(const char* type, double lh, const std::vector<double>& spans, double rh) {
        Members(lh, spans, rh);
        Model.MemberType = type;
        Section(mfPermShear, 20000);
        Section(mfPermMoment, 5e6f);
    }
    static std::string Line(int i) { return Txt.KxCheckLines[1][i].str(); }
};

TEST_F(CapacityCheckTest, UserSectionChecksShearAndMomentAndReportsDeflection) {
    Capacity("KXF", 800, {3000}, 0);
    Governing(0, 4000, 1e6f, 4.8f); // 1/167: over 1/180
    Governing(1, 10000, 4e6f, 10);  // 1/300: over 1/360
    BeamCapacityCheck();
    const std::vector<std::string> expected = {
        " BEAM CAPACITY CHECK for LOADCASE 1",
        "",
        "      SHEAR OK",
        "      BENDING MOMENT OK",
        "",
        " CAPACITY CHECK DATA",
        "",
        " LHC",
        "  Max Shear = 4.000 kN",
        "  Shear = 0.200 x permissible                 SHEAR OK",
        "  Max Bending Moment = 1.000 kN-m",
        "  Bending Moment = 0.200 x permissible        BENDING MOMENT OK ",
        "  Deflection =  4.80 mm",
        "  deflection/span ratio = 1/167               LHC DEFLECTION HIGH",
        "",
        " SPAN 1",
        "  Max Shear = 10.00 kN",
        "  Shear = 0.500 x permissible                 SHEAR OK",
        "  Max Bending Moment = 4.000 kN-m",
        "  Bending Moment = 0.800 x permissible        BENDING MOMENT OK ",
        "  Deflection =  10.00 mm",
        "  deflection/span ratio = 1/300               SPAN DEFLECTION HIGH",
        "",
        "",
    };
    EXPECT_EQ(Shown(Txt.KxCheckLines[1]), expected);
    EXPECT_EQ(Eng.ShearRatios[1][27], 0.5f);
    EXPECT_EQ(Values(Eng.CheckResults[1][0], 0, 0), std::vector<double>{0.2f});
    EXPECT_EQ(Eng.CheckResults[1][27][0], 0.8f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);

    // Just under, then just over the permissible values.
    const struct {
        float V, M;
        const char *shear, *moment;
        int failures;
    } verdicts[] = {
        {19999, 4999999, "      SHEAR OK", "      BENDING MOMENT OK", 0},
        {20001, 5000001, "      SHEAR EXCEEDS PERMISSIBLE", "      BENDING MOMENT EXCEEDS PERMISSIBLE", -2},
    };
    for (const auto& c : verdicts) {
        Governing(1, c.V, c.M, 1);
        Eng.CaseCheckFailures[1] = 0;
        BeamCapacityCheck();
        EXPECT_EQ(Shown(Txt.KxCheckLines[1], 3, 4), (std::vector<std::string>{c.shear, c.moment}));
        EXPECT_EQ(Eng.CaseCheckFailures[1], c.failures);
    }
}

TEST_F(CapacityCheckTest, UserSectionRHCantileverIsJudgedOnItsOwnRowAndLength) {
    // The RH cantilever's row holds 24 kN and 6 kN-m; 1.2 m long, so 6 mm is 1/200: under 1/180,
    // though over the spans' 1/360.
    Capacity("KXF", 0, {3000}, 1200);
    Model.SpanData[kRHCantRow][mfPermShear] = 24000;
    Model.SpanData[kRHCantRow][mfPermMoment] = 6e6f;
    Governing(1, 10000, 4e6f, 5);
    Governing(26, 12000, 3e6f, 6);
    BeamCapacityCheck();
    const std::vector<std::string> rh = {
        " RHC",
        "  Max Shear = 12.00 kN",
        "  Shear = 0.500 x permissible                 SHEAR OK",
        "  Max bending Moment = 3.000 kN-m",
        "  Bending Moment = 0.500 x permissible        BENDING MOMENT OK ",
        "  deflection =  6.00 mm",
        "  deflection/span ratio = 1/200 ",
        "",
        "",
    };
    EXPECT_EQ(Shown(Txt.KxCheckLines[1], 16), rh);
    EXPECT_EQ(Eng.ShearRatios[1][26], 0.5f);
    EXPECT_EQ(Eng.CheckResults[1][26][0], 0.5f);

    // Just over its own values: each member line says so; 6.7 mm is 1/179.
    Governing(26, 24001, 6000001, 6.7f);
    Eng.CaseCheckFailures[1] = 0;
    BeamCapacityCheck();
    EXPECT_EQ(
        Shown(Txt.KxCheckLines[1], 18, 22),
        (std::vector<std::string>{"  Shear = 1.000 x permissible                 SHEAR TOO HIGH",
                                  "  Max bending Moment = 6.000 kN-m",
                                  "  Bending Moment = 1.00 x permissible        BENDING MOMENT TOO HIGH",
                                  "  deflection =  6.70 mm",
                                  "  deflection/span ratio = 1/179               RHC DEFLECTION HIGH"}));
    // The loadcase's verdict is against span 1's values, which the RH cantilever's loads exceed.
    EXPECT_EQ(Shown(Txt.KxCheckLines[1], 3, 4),
              (std::vector<std::string>{"      SHEAR EXCEEDS PERMISSIBLE",
                                        "      BENDING MOMENT EXCEEDS PERMISSIBLE"}));
    EXPECT_EQ(Eng.CaseCheckFailures[1], -2);
}

TEST_F(CapacityCheckTest, TheLoadcaseVerdictIsAgainstSpanOneWhateverSpanTwoHolds) {
    // Rows that differ, as a beam file may hold them: span 1 takes 20 kN and 5 kN-m, span 2 either
    // twice or half that. Each span's block is judged on its own row, the loadcase's verdict on
    // span 1's. The governing values (row 27) are the larger of the two spans'.
    const struct {
        float Vp2, Mp2;       // span 2's permissible values, N and N mm
        float V1, M1, V2, M2; // governing shear and moment of spans 1 and 2
        const char *shear, *moment;
        int failures;
        float shearRatio, momentRatio; // row 27 against span 1
        const char *span2Shear, *span2Moment;
    } cases[] = {
        // Span 2 carries 30 kN and 8 kN-m: 30/40 = 0.750 and 8/10 = 0.800 of its own, but over
        // span 1's 20 kN (1.500) and 5 kN-m (1.60).
        {40000, 1e7f, 1000, 1e6f, 30000, 8e6f, "      SHEAR EXCEEDS PERMISSIBLE",
         "      BENDING MOMENT EXCEEDS PERMISSIBLE", -2, 1.5f, 1.6f,
         "  Shear = 0.750 x permissible                 SHEAR OK",
         "  Bending Moment = 0.800 x permissible        BENDING MOMENT OK "},
        // Span 1 carries 15 kN and 4 kN-m: 0.750 and 0.800 of its own; over span 2's 10 kN and
        // 2.5 kN-m, which its own 5 kN and 1 kN-m stay within (0.500 and 0.400).
        {10000, 2.5e6f, 15000, 4e6f, 5000, 1e6f, "      SHEAR OK", "      BENDING MOMENT OK", 0, 0.75f, 0.8f,
         "  Shear = 0.500 x permissible                 SHEAR OK",
         "  Bending Moment = 0.400 x permissible        BENDING MOMENT OK "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Vp2);
        Capacity("KXF", 0, {3000, 3000}, 0);
        Model.SpanData[2][mfPermShear] = c.Vp2;
        Model.SpanData[2][mfPermMoment] = c.Mp2;
        Governing(1, c.V1, c.M1, 1);
        Governing(2, c.V2, c.M2, 1);
        Eng.CaseCheckFailures[1] = 0;
        BeamCapacityCheck();
        EXPECT_EQ(Shown(Txt.KxCheckLines[1], 3, 4), (std::vector<std::string>{c.shear, c.moment}));
        EXPECT_EQ(Eng.CaseCheckFailures[1], c.failures);
        EXPECT_FLOAT_EQ(Eng.ShearRatios[1][27], c.shearRatio);
        EXPECT_FLOAT_EQ(Eng.CheckResults[1][27][0], c.momentRatio);
        EXPECT_EQ(Line(16), " SPAN 2");
        EXPECT_EQ(Line(18), c.span2Shear);
        EXPECT_EQ(Line(20), c.span2Moment);
    }
}

TEST_F(CapacityCheckTest, ScaffoldMembersAreCheckedInMomentOnly) {
    Capacity("Scaffold", 0, {2000}, 600);
    Governing(1, 30000, 2e6f, 10); // shear above its permissible value: not checked
    Governing(26, 1000, 5e6f, 10); // exactly the permissible moment
    BeamCapacityCheck();
    const std::vector<std::string> expected = {
        " BEAM CAPACITY CHECK for LOADCASE 1",
        "",
        "      BENDING MOMENT OK",
        "",
        " CAPACITY CHECK DATA",
        "",
        " SPAN 1",
        "  Max Bending Moment = 2.000 kN-m",
        "  Bending Moment = 0.400 x permissible        BENDING MOMENT OK ",
        "",
        " RHC",
        "  Max bending Moment = 5.000 kN-m",
        "  Bending Moment = 1.000 x permissible        BENDING MOMENT TOO HIGH",
        "",
        "",
    };
    EXPECT_EQ(Shown(Txt.KxCheckLines[1]), expected);
    EXPECT_EQ(Eng.ShearRatios[1][27], 0);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);

    // Just over in span 1, then no permissible moment at all: "#####" and failing.
    for (float Mp : {5e6f, 0.0f}) {
        Section(mfPermMoment, Mp);
        Governing(1, 1000, 5000001, 10);
        Eng.CaseCheckFailures[1] = 0;
        BeamCapacityCheck();
        EXPECT_EQ(Line(3), "      BENDING MOMENT EXCEEDS PERMISSIBLE");
        EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
    }
    EXPECT_EQ(Line(9), "  Bending Moment = ##### x permissible        BENDING MOMENT TOO HIGH");
}

TEST_F(CapacityCheckTest, APermissibleValueThatIsNoPositiveNumberNeverPasses) {
    // 10 kN and 4 kN-m against permissible values that are no number, infinite, below 0 or 0 (a
    // member carrying nothing, so that no ratio can pass it either): the verdict, the member line
    // and the results summary all fail.
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (int field : {mfPermShear, mfPermMoment})
        for (float bad : {nan, inf, -inf, -1.0f, 0.0f}) {
            SCOPED_TRACE(::testing::Message() << "field " << field << " = " << bad);
            const bool shear = field == mfPermShear;
            Capacity("KXF", 0, {3000}, 0);
            Section(field, bad);
            Governing(1, bad == 0 ? 0 : 10000, bad == 0 ? 0 : 4e6f, 5);
            Eng.CaseCheckFailures[1] = 0;
            BeamCapacityCheck();
            EXPECT_EQ(Line(shear ? 3 : 4),
                      shear ? "      SHEAR EXCEEDS PERMISSIBLE" : "      BENDING MOMENT EXCEEDS PERMISSIBLE");
            EXPECT_EQ(Line(shear ? 4 : 3), shear ? "      BENDING MOMENT OK" : "      SHEAR OK");
            EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
            const std::string member = Line(shear ? 10 : 12);
            EXPECT_TRUE(member.ends_with("TOO HIGH")) << member;
            if (bad != 0) {
                EXPECT_NE(member.find("= ##### x permissible"), std::string::npos) << member;
            }
            BuildResultsSummary();
            EXPECT_EQ(Txt.SummaryLines[3].str(), "     LOADING EXCEEDS BEAM CAPACITY");
        }
    // Nor does a governing load that is no number.
    Capacity("KXF", 0, {3000}, 0);
    Eng.ShearExtremes[1][27][5] = Eng.MomentExtremes[1][27][5] = nan;
    BeamCapacityCheck();
    EXPECT_EQ(Shown(Txt.KxCheckLines[1], 3, 4),
              (std::vector<std::string>{"      SHEAR EXCEEDS PERMISSIBLE",
                                        "      BENDING MOMENT EXCEEDS PERMISSIBLE"}));
    EXPECT_EQ(Eng.CaseCheckFailures[1], -2);
}

TEST_F(CapacityCheckTest, ASpanMergedOverALiftedForkheadIsJudgedOverItsWholeLength) {
    // Spans of 3 m, 2 m and 4 m; in loadcase 1 the support between the first two has lifted, so
    // the loadcase's span 1 is 5 m long. Its 10 mm deflection is 1/500 of that: no flag. Against
    // the committed 3 m of span 1 it would read 1/300 and be flagged.
    Capacity("KXF", 0, {3000, 2000, 4000}, 0);
    Model.SpanCount[1] = 2;
    Eng.LoadcaseSpanLength[1][1] = 5000;
    Eng.LoadcaseSpanLength[1][2] = 4000;
    Txt.MemberLabel[1][1] = "1 2";
    Txt.MemberLabel[1][2] = "3";
    Governing(1, 1000, 1e6f, 10);
    Governing(2, 1000, 1e6f, 16); // 1/250 of 4 m: flagged
    BeamCapacityCheck();
    EXPECT_EQ(Shown(Txt.KxCheckLines[1], 8, 8), std::vector<std::string>{" SPAN 1 2"});
    EXPECT_EQ(Line(14), "  deflection/span ratio = 1/500 ");
    EXPECT_EQ(Line(22), "  deflection/span ratio = 1/250               SPAN DEFLECTION HIGH");
}

TEST_F(CapacityCheckTest, DoubleCouplerSectionWhereverTheCouplerStands) {
    Capacity("Scaffold", 0, {2000, 2000, 2000}, 0);
    Governing(1, 100, 1e6f, 1);
    Eng.CouplerMomentMax[1] = 123456;
    // The supports of three spans stand in slots 0, 1, 2 and 25; slot 3 is none of them. Either
    // double coupler, top or mid, counts.
    for (int coupler : {25, 2, 1, 0, 3}) {
        const TSupportCode kind = coupler % 2 == 1 ? supCouplerTop : supCouplerMid;
        for (int slot : {0, 1, 2, 3, 25})
            Model.SupportType[slot] = slot == coupler ? kind : supFixed;
        BeamCapacityCheck();
        const std::vector<std::string> section = {"", " DOUBLE COUPLER CONNECTIONS",
                                                  "  Max moment applied to double coupler",
                                                  "  for loadcase 1 = 0.123 kN-m"};
        EXPECT_EQ(Shown(Txt.KxCheckLines[1], 19, 22), coupler == 3 ? std::vector<std::string>(4) : section)
            << coupler;
        EXPECT_EQ(Line(0), coupler == 3 ? "19" : "23") << coupler;
    }
    // Three figures over 100 and over 1000 kN-m: 123.456 gives 123, 1234.56 gives 1230.
    Model.SupportType[25] = supCouplerMid;
    for (auto [moment, text] : {std::pair{123.456e6f, "123"}, {1.23456e9f, "1230"}}) {
        Eng.CouplerMomentMax[1] = moment;
        BeamCapacityCheck();
        EXPECT_EQ(Line(22), std::string("  for loadcase 1 = ") + text + " kN-m");
    }
}

TEST_F(CapacityCheckTest, EverySupportOfTheBeamCountsWhereLoadcaseOneLostASpan) {
    // Three spans; loadcase 1 lost one over a lifted support, loadcase 2 has all three. A double
    // coupler on support 3 (slot 2) still gives loadcase 1 its coupler section, and 450000 N mm
    // carried at support 4 in loadcase 2 (span 3's end against the RH cantilever's root) is warned of.
    Capacity("Scaffold", 0, {2000, 2000, 2000}, 0);
    Model.SpanCount[1] = 2;
    Model.LoadcaseCount = 2;
    Model.SupportType[2] = supCouplerTop;
    Governing(1, 100, 1e6f, 1);
    Eng.CouplerMomentMax[1] = 123456;
    BeamCapacityCheck();
    const std::vector<std::string> section = {"", " DOUBLE COUPLER CONNECTIONS",
                                              "  Max moment applied to double coupler",
                                              "  for loadcase 1 = 0.123 kN-m"};
    EXPECT_EQ(Shown(Txt.KxCheckLines[1], 15, 18), section);
    Eng.MomentExtremes[2][3][2] = -450000;
    DoubleCouplerWarning();
    EXPECT_EQ(
        dialogs->messages(),
        std::vector<std::string>{"Moment on double coupler exceeds 0.4 kN for\rLoadcase 2 Support 4\r"});
}

TEST_F(CapacityCheckTest, WarningListsMomentsCarriedAcrossSupports) {
    Members(0, {2000, 2000}, 0);
    Model.LoadcaseCount = 2;
    // Loadcase 1: 400001 N mm carried at support 1 (LH cantilever end 0, span 1 start -400001),
    // exactly 400000 at support 2, and at support 3 the RH cantilever's root against span 2's end.
    // Loadcase 2: 500000 at span 2's end, but 300000 of it carried on by the RH cantilever.
    Eng.MomentExtremes[1][1][0] = -400001;
    Eng.MomentExtremes[1][1][2] = -100000;
    Eng.MomentExtremes[1][2][0] = 300000;
    Eng.MomentExtremes[1][26][0] = 450000;
    Eng.MomentExtremes[2][2][2] = -500000;
    Eng.MomentExtremes[2][26][0] = -300000;
    DoubleCouplerWarning();
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Moment on double coupler exceeds 0.4 kN for\r"
                                                            "Loadcase 1 Support 1\rLoadcase 1 Support 3\r"});
    dialogs->clear();
    Eng.MomentExtremes[1][1][0] = -400000;
    Eng.MomentExtremes[1][26][0] = 0;
    DoubleCouplerWarning();
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(CapacityCheckTest, WarningReadsEveryLoadcaseUpToTheFifthAndEverySupportUpToTheLast) {
    // Five loadcases over two spans; only loadcase 5 carries a moment across a support: at the
    // last one, 250000 N mm at the end of span 2 against -250000 at the RH cantilever's root
    // (500000 carried), and at support 2, 450000 at the end of span 1 against -50000 at the start
    // of span 2 (500000). Loadcase 4 carries 400000 exactly at support 1: not reported.
    Members(0, {2000, 2000}, 0);
    Model.LoadcaseCount = 5;
    Eng.MomentExtremes[4][1][0] = 400000;
    Eng.MomentExtremes[5][1][2] = 450000;
    Eng.MomentExtremes[5][2][0] = -50000;
    Eng.MomentExtremes[5][2][2] = 250000;
    Eng.MomentExtremes[5][26][0] = -250000;
    DoubleCouplerWarning();
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Moment on double coupler exceeds 0.4 kN for\r"
                                                            "Loadcase 5 Support 2\rLoadcase 5 Support 3\r"});
}

// A permissible value below 1 in the units it is held in (N, N mm) is still a positive number to
// judge by: 0.25 N and 0.25 N mm against 0.5 N and 0.5 N mm pass at 0.25 / 0.5 = 0.500.
TEST_F(CapacityCheckTest, APermissibleValueBelowOneUnitIsJudgedLikeAnyOther) {
    Capacity("KXF", 0, {3000}, 0);
    Section(mfPermShear, 0.5f);
    Section(mfPermMoment, 0.5f);
    Governing(1, 0.25f, 0.25f, 1);
    Eng.CaseCheckFailures[1] = 0;
    BeamCapacityCheck();
    EXPECT_EQ(Shown(Txt.KxCheckLines[1], 3, 4),
              (std::vector<std::string>{"      SHEAR OK", "      BENDING MOMENT OK"}));
    EXPECT_EQ(Line(10), "  Shear = 0.500 x permissible                 SHEAR OK");
    EXPECT_EQ(Line(12), "  Bending Moment = 0.500 x permissible        BENDING MOMENT OK ");
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
    EXPECT_EQ(Eng.ShearRatios[1][27], 0.5f);
    EXPECT_EQ(Eng.CheckResults[1][27][0], 0.5f);
}

} // namespace
} // namespace kx::test
