// Timber member check: ratios against the section's permissible shear and moment, verdict,
// torsion note, member blocks and the fail state.
#include "engine/TimberCheck.h"

#include <gtest/gtest.h>

#include "engine/AnalysisFixture.h"

namespace kx::test {
namespace {

class TimberCheckTest : public MemberCheckTest {
protected:
    // Timber members of 75 x 200 taking 10000 N and 4e6 N mm.
    static void Timber(double lh, const std::vector<double>& spans, double rh) {
        Members(lh, spans, rh);
        Model.MemberType = "Timber";
        Model.TimberPermShearSaved = 10000;
        Model.TimberPermMomentSaved = 4e6f;
        Model.TimberWidthSaved = 75;
        Model.TimberDepthSaved = 200;
    }
    static std::string Line(int i) { return Txt.TimberCheckLines[1][i].str(); }
    const std::string kComplies = kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR";
    const std::string kFails = kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR";
};

TEST_F(TimberCheckTest, MembersOfACantileveredBeam) {
    Timber(1000, {4000}, 1500);
    Governing(0, 2000, 1e6f, 10.004f); // 1/99.96: over 1/180, in three figures and a decimal
    Governing(1, 8000, 3e6f, 12);      // 1/333: over 1/360
    Governing(26, 5000, 2e6f, 10);     // 1/150: over 1/180
    TimberCodeCheck();
    const std::vector<std::string> expected = {
        "CODE CHECK TO BS 5975",
        kComplies,
        kTwentyBlanks + " Assuming adequate torsional restraint",
        " CODE CHECK DATA",
        " LHC",
        "  Max Shear = 2.000 kN",
        "  Shear = 0.200 x permissible                 SHEAR OK",
        "  Max Bending Moment = 1.000 kN-m",
        "  Bending Moment = 0.250 x permissible        BENDING MOMENT OK ",
        "  deflection/span ratio = 1/100.0               LHC DEFLECTION HIGH",
        "",
        " SPAN 1",
        "  Max Shear = 8.000 kN",
        "  Shear = 0.800 x permissible                 SHEAR OK",
        "  Max Bending Moment = 3.000 kN-m",
        "  Bending Moment = 0.750 x permissible        BENDING MOMENT OK ",
        "  Deflection =  12.0 mm",
        "  deflection/span ratio = 1/333               SPAN DEFLECTION HIGH",
        "",
        " RHC",
        "  Max Shear = 5.000 kN",
        "  Shear = 0.500 x permissible                 SHEAR OK",
        "  Max bending Moment = 2.000 kN-m",
        "  Bending Moment = 0.500 x permissible        BENDING MOMENT OK ",
        "  deflection =  10.00 mm",
        "  deflection/span ratio = 1/150               RHC DEFLECTION HIGH",
        "",
        "",
    };
    EXPECT_EQ(Shown(Txt.TimberCheckLines[1]), expected);
    EXPECT_EQ(Values(Eng.ShearRatios[1], 26, 27), (std::vector<double>{0.5f, 0.8f}));
    EXPECT_EQ(Eng.CheckResults[1][27][0], 0.75f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
}

TEST_F(TimberCheckTest, RatiosJustUnderAtAndOverOne) {
    // Just under in span 1, exactly at the permissible values in span 2: the beam complies. A width
    // of half the depth needs no torsional restraint.
    Timber(0, {3000, 3000}, 0);
    Model.TimberWidthSaved = 100;
    Governing(1, 9999, 3999000, 5);
    Governing(2, 10000, 4e6f, 5);
    TimberCodeCheck();
    EXPECT_EQ(Shown(Txt.TimberCheckLines[1], 2, 3), (std::vector<std::string>{kComplies, ""}));
    EXPECT_EQ(Line(7), "  Shear = 1.000 x permissible                 SHEAR OK");
    EXPECT_EQ(Line(9), "  Bending Moment = 1.000 x permissible        BENDING MOMENT OK ");
    EXPECT_EQ(Line(15), "  Shear = 1.000 x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(17), "  Bending Moment = 1.000 x permissible        BENDING MOMENT TOO HIGH");
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);

    // Over in shear only, then in both; a failing beam has no torsion note. No permissible shear
    // at all: any shear fails; no deflection: no ratio.
    const struct {
        float V, M, d, Vp;
        int failures;
    } over[] = {{10001, 4e6f, 5, 10000, -1}, {10001, 4.1e6f, 5, 10000, -2}, {9999, 1000, 0, 0, -1}};
    for (const auto& c : over) {
        Governing(2, c.V, c.M, c.d);
        Model.TimberPermShearSaved = c.Vp;
        Eng.CaseCheckFailures[1] = 0;
        TimberCodeCheck();
        EXPECT_EQ(Line(2), kFails) << c.V;
        EXPECT_EQ(Line(3), "") << c.V;
        EXPECT_EQ(Eng.CaseCheckFailures[1], c.failures) << c.V;
        EXPECT_NEAR(Eng.CheckResults[1][2][0], c.M / 4e6, 1e-6) << c.V;
    }
    EXPECT_EQ(Line(15), "  Shear = ##### x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(19), "  deflection/span ratio = 1/##### ");
}

TEST_F(TimberCheckTest, TwentySpansOverrunTheTableWithoutLosingTheVerdict) {
    // 4 heading lines and 8 per span: 20 spans need 164 lines of a table of 100.
    Timber(0, std::vector<double>(20, 2000), 0);
    for (int i = 1; i <= 20; ++i)
        Governing(i, 100, i == 20 ? 5e6f : 1000, 1); // the last span fails in bending
    TimberCodeCheck();
    EXPECT_EQ(Line(0), "100");
    EXPECT_EQ(Line(99), "  deflection/span ratio = 1/2000 ");
    EXPECT_EQ(Line(100), " (list full: further lines are not shown)");
    EXPECT_EQ(Line(2), kFails);
    EXPECT_EQ(Eng.CheckResults[1][20][0], 1.25f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
}

TEST_F(TimberCheckTest, FiguresOverAHundredAndAThousandAndSpansOverAHundredMetres) {
    // Spans of 100 m and 200 m against 2000 kN and 2000 kN-m. Four figures with at most three
    // decimals: 123.456 kN gives 123.5, 1234.567 kN gives 1235; deflections to three figures:
    // 123.456 mm gives 123, 1234.5 mm gives 1230.
    Timber(0, {100000, 200000}, 0);
    Model.TimberPermShearSaved = 2e6f;
    Model.TimberPermMomentSaved = 2e9f;
    Governing(1, 123456, 123.456e6f, 123.456f);
    Governing(2, 1234567, 1234.567e6f, 1234.5f);
    TimberCodeCheck();
    const std::vector<std::string> expected = {
        "CODE CHECK TO BS 5975",
        kComplies,
        kTwentyBlanks + " Assuming adequate torsional restraint",
        " CODE CHECK DATA",
        " SPAN 1",
        "  Max Shear = 123.5 kN",
        "  Shear = 0.062 x permissible                 SHEAR OK", // 123456 / 2e6 = 0.0617
        "  Max Bending Moment = 123.5 kN-m",
        "  Bending Moment = 0.062 x permissible        BENDING MOMENT OK ",
        "  Deflection =  123 mm",
        "  deflection/span ratio = 1/810 ", // 100000 / 123.456 = 810.0
        "",
        " SPAN 2",
        "  Max Shear = 1235 kN",
        "  Shear = 0.617 x permissible                 SHEAR OK", // 1234567 / 2e6 = 0.6173
        "  Max Bending Moment = 1235 kN-m",
        "  Bending Moment = 0.617 x permissible        BENDING MOMENT OK ",
        "  Deflection =  1230 mm",
        "  deflection/span ratio = 1/162               SPAN DEFLECTION HIGH", // 200000 / 1234.5
        "",
        "",
    };
    EXPECT_EQ(Shown(Txt.TimberCheckLines[1]), expected);
    EXPECT_NEAR(Eng.ShearRatios[1][2], 0.6172835, 1e-6);
    EXPECT_NEAR(Eng.CheckResults[1][27][0], 1234.567 / 2000, 1e-6);
}

} // namespace
} // namespace kx::test
