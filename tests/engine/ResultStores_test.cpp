// Result stores and polylines: room for the largest beam the model holds at the finest resolution.
#include "engine/ResultStores.h"

#include <gtest/gtest.h>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

class ResultStoresTest : public AnalysisTest {};

TEST_F(ResultStoresTest, LargestBeamTheModelHoldsFitsEveryTable) {
    // 25 spans and both cantilevers at the finest resolution, with shear deflection.
    BeamBuilder beam = BeamBuilder().LHCantilever(1000).EqualSpans(25, 2000).RHCantilever(1000);
    beam.Section(210000, 1e8, 8e7).ShearDeflection();
    for (int lc = 1; lc <= 5; ++lc)
        beam.Udl(lc, 0, static_cast<float>(lc), 52000).Point(lc, 26000, 1000, 1.5f);
    Commit(beam);
    Model.AnySpanIntervals = 1;
    AnalyseBeam(host);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Eng.ShearPolyline[5][0].x, 3 * 201 + 25 * 3 * 201 + 2 * 201 + 1);
    EXPECT_EQ(Eng.MomentPolyline[5][0].x, 27 * 201 + 1);
    EXPECT_EQ(Eng.DeflectionPolyline[5][0][0], 27 * 21);
    EXPECT_NEAR(StoredReactionSum(5), 5 * 52000 + 1500, 1e-4 * 5 * 52000);
    EXPECT_EQ(Txt.CaseListing[5][0].str(), "679");
    EXPECT_EQ(Txt.CaseSupportLines[5][0].str(), "61");
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

} // namespace
