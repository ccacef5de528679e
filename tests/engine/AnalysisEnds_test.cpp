// The ends of a whole analysis: what it refuses before solving, and the warnings it gives after.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

class AnalysisEndsTest : public AnalysisTest {};

// A single 4000 mm span under w, one end held against rotation: the end carries the fixed-pinned
// moment w L^2 / 8 = 2e6 w N mm (a coupler of 1e15 N mm/rad holds it as a fixed end to 1e-5). The
// warning names each coupler support that carries more than 400000 N mm; a fixed end is no coupler.
TEST_F(AnalysisEndsTest, ADoubleCouplerCarryingMoreThanItsLimitIsNamedAfterTheAnalysis) {
    const std::string head = "Moment on double coupler exceeds 0.4 kN for\r";
    const struct {
        int support, code;
        float w;
        std::vector<std::string> messages;
    } cases[] = {
        {1, supCouplerTop, 0.25f, {head + "Loadcase 1 Support 1\r"}}, // 2e6 x 0.25 = 500000
        {1, supCouplerMid, 0.15f, {}},                                // 2e6 x 0.15 = 300000
        {2, supCouplerMid, 0.25f, {head + "Loadcase 1 Support 2\r"}},
        {2, supCouplerTop, 0.15f, {}},
        {1, supFixedEnd, 0.25f, {}}, // 500000 carried, but by no coupler
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "support " << c.support << " code " << c.code << " w " << c.w);
        dialogs->clear();
        Analyse(BeamBuilder().Spans({4000}).Support(c.support, c.code, 1e15f).Udl(1, 0, c.w, 4000));
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Model.AnalysedFlag, 1);
        // The held end carries the fixed-pinned moment: w L^2 / 8.
        const auto& M = Eng.MomentExtremes[1][1];
        EXPECT_NEAR(std::fabs(c.support == 1 ? M[0] : M[2]), 2e6 * c.w, 1e-4 * 2e6 * c.w);
    }
}

// Lengths and section values of 1 or less are still positive: the beam is analysed like any other,
// its reactions summing to the load (w L).
TEST_F(AnalysisEndsTest, MembersAndSectionValuesOfOneOrLessAreAnalysed) {
    const struct {
        const char* what;
        BeamBuilder beam;
        double load;
    } cases[] = {
        {"E 1 N/mm^2", BeamBuilder().Spans({4000}).Section(1, 1e8f).Udl(1, 0, 1, 4000), 4000},
        {"Ixx 1 mm^4", BeamBuilder().Spans({4000}).Section(210000, 1).Udl(1, 0, 1, 4000), 4000},
        {"E and Ixx 0.5", BeamBuilder().Spans({4000}).Section(0.5f, 0.5f).Udl(1, 0, 1, 4000), 4000},
        {"GA 1 N with shear deflection",
         BeamBuilder().Spans({4000}).Section(210000, 1e8f, 1).ShearDeflection().Udl(1, 0, 1, 4000), 4000},
        {"a span of 1 mm", BeamBuilder().Spans({1}).Udl(1, 0, 1000, 1), 1000},
        {"a span of 0.5 mm", BeamBuilder().Spans({0.5}).Udl(1, 0, 1000, 0.5f), 500},
        {"LH cantilever of 1 mm", BeamBuilder().LHCantilever(1).Spans({4000}).Udl(1, 0, 1, 4001), 4001},
        {"RH cantilever of 1 mm", BeamBuilder().Spans({4000}).RHCantilever(1).Udl(1, 0, 1, 4001), 4001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs->clear();
        Model.AnalysedFlag = 0;
        Analyse(c.beam);
        EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
        EXPECT_EQ(Model.AnalysedFlag, 1);
        EXPECT_NEAR(StoredReactionSum(1), c.load, 1e-4 * c.load);
    }
}

} // namespace
