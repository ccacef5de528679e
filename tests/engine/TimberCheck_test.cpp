// Timber member check: ratios against the section's permissible shear and moment, verdict,
// torsion note, member blocks and the fail state.
#include "engine/TimberCheck.h"

#include <gtest/gtest.h>

#include "engine/MemberCheckFixture.h"

namespace kx::test {
namespace {

class TimberCheckTest : public MemberCheckTest {
protected:
    void SetUp() override {
        MemberCheckTest::SetUp();
        Model.MemberType = "Timber";
        Model.TimberPermShearSaved = 10000; // N
        Model.TimberPermMomentSaved = 4e6f; // N mm
        Model.TimberWidthSaved = 75;
        Model.TimberDepthSaved = 200;
    }
    std::string Line(int i) const { return Txt.TimberCheckLines[1][i].str(); }
};

TEST_F(TimberCheckTest, MembersOfACantileveredBeam) {
    Members(1000, {4000}, 1500);
    Governing(1, 0, 2000, 1e6f, 4);   // 1/250 of its length: within 1/180
    Governing(1, 1, 8000, 3e6f, 12);  // 1/333: over 1/360
    Governing(1, 26, 5000, 2e6f, 10); // 1/150: over 1/180
    WholeBeam(1);

    TimberCodeCheck();
    const std::vector<std::string> expected = {
        "CODE CHECK TO BS 5975",
        kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR",
        kTwentyBlanks + " Assuming adequate torsional restraint",
        " CODE CHECK DATA",
        " LHC",
        "  Max Shear = 2.000 kN",
        "  Shear = 0.200 x permissible                 SHEAR OK",
        "  Max Bending Moment = 1.000 kN-m",
        "  Bending Moment = 0.250 x permissible        BENDING MOMENT OK ",
        "  deflection/span ratio = 1/250 ",
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
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][0], 0.2f);
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][1], 0.8f);
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][26], 0.5f);
    EXPECT_FLOAT_EQ(Eng.ShearRatios[1][27], 0.8f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][0][0], 0.25f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][1][0], 0.75f);
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][27][0], 0.75f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);
}

TEST_F(TimberCheckTest, RatiosJustUnderAtAndOverOne) {
    Members(0, {3000, 3000}, 0);
    // Just under in span 1, exactly at the permissible values in span 2.
    Governing(1, 1, 9999, 3999000, 5);
    Governing(1, 2, 10000, 4e6f, 5);
    WholeBeam(1);
    TimberCodeCheck();
    EXPECT_EQ(Line(2), kTwentyBlanks + " BEAM COMPLIES FOR BENDING AND SHEAR");
    EXPECT_EQ(Line(7), "  Shear = 1.000 x permissible                 SHEAR OK");
    EXPECT_EQ(Line(9), "  Bending Moment = 1.000 x permissible        BENDING MOMENT OK ");
    EXPECT_EQ(Line(15), "  Shear = 1.000 x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(17), "  Bending Moment = 1.000 x permissible        BENDING MOMENT TOO HIGH");
    EXPECT_EQ(Eng.CaseCheckFailures[1], 0);

    // Over in shear only: one failure, no torsion note.
    Governing(1, 2, 10001, 4e6f, 5);
    WholeBeam(1);
    TimberCodeCheck();
    EXPECT_EQ(Line(2), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
    EXPECT_EQ(Line(3), "");
    EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
    EXPECT_GT(Eng.ShearRatios[1][27], 1.0f);

    // Over in both.
    Governing(1, 2, 10001, 4.1e6f, 5);
    WholeBeam(1);
    Eng.CaseCheckFailures[1] = 0;
    TimberCodeCheck();
    EXPECT_EQ(Eng.CaseCheckFailures[1], -2);
    EXPECT_NEAR(Eng.CheckResults[1][2][0], 1.025, 1e-6);
}

TEST_F(TimberCheckTest, TorsionNoteOnlyForNarrowSections) {
    Members(0, {3000}, 0);
    Governing(1, 1, 100, 1000, 1);
    WholeBeam(1);
    Model.TimberWidthSaved = 100; // exactly half the depth
    TimberCodeCheck();
    EXPECT_EQ(Line(3), "");
    Model.TimberWidthSaved = 99;
    TimberCodeCheck();
    EXPECT_EQ(Line(3), kTwentyBlanks + " Assuming adequate torsional restraint");
}

TEST_F(TimberCheckTest, ZeroDeflectionAndZeroPermissibleValues) {
    Members(0, {3000}, 0);
    Governing(1, 1, 100, 1000, 0);
    WholeBeam(1);
    Model.TimberPermShearSaved = 0;
    TimberCodeCheck();
    EXPECT_EQ(Line(7), "  Shear = ##### x permissible                 SHEAR TOO HIGH");
    EXPECT_EQ(Line(11), "  deflection/span ratio = 1/##### ");
    EXPECT_EQ(Line(2), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
    EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
}

TEST_F(TimberCheckTest, TwentySpansOverrunTheTableWithoutLosingTheVerdict) {
    // 4 heading lines and 8 per span: 20 spans need 164 lines of a table of 100.
    Members(0, std::vector<double>(20, 2000), 0);
    for (int i = 1; i <= 20; ++i)
        Governing(1, i, 100, 1000, 1);
    Governing(1, 20, 100, 5e6f, 1); // the last span fails in bending
    WholeBeam(1);
    TimberCodeCheck();
    EXPECT_EQ(Txt.TimberCheckLines[1][0], "100");
    EXPECT_EQ(Line(99), "  deflection/span ratio = 1/2000 ");
    EXPECT_EQ(Line(100), " (list full: further lines are not shown)");
    EXPECT_EQ(Line(2), kTwentyBlanks + " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR");
    EXPECT_FLOAT_EQ(Eng.CheckResults[1][20][0], 1.25f);
    EXPECT_EQ(Eng.CaseCheckFailures[1], -1);
}

} // namespace
} // namespace kx::test
