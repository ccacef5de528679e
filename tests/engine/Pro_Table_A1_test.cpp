// Table A1 look-up: grid values, bilinear interpolation, the cap and the table's edges.
#include "engine/Pro_Table_A1.h"

#include <gtest/gtest.h>

#include "foundation/SharedModel.h"

namespace kx {
namespace {

float Lookup(float slenderness, float dt) {
    Model.SlendernessRatio = slenderness;
    Model.DepthThicknessRatio = dt;
    Model.Pbc = -1;
    Pro_Table_A1();
    return Model.Pbc;
}

class ProTableA1 : public ::testing::Test {
protected:
    void SetUp() override { ResetSharedModelToStart(); }
};

TEST_F(ProTableA1, GridPointsGiveTheTableValues) {
    EXPECT_FLOAT_EQ(Lookup(100, 20), 136);
    EXPECT_FLOAT_EQ(Lookup(120, 5), 177);
    EXPECT_FLOAT_EQ(Lookup(120, 50), 95);
    EXPECT_FLOAT_EQ(Lookup(130, 25), 104);
    EXPECT_FLOAT_EQ(Lookup(300, 5), 135);
    EXPECT_FLOAT_EQ(Lookup(290, 45), 35);
    // The inputs are left as they were.
    EXPECT_FLOAT_EQ(Model.SlendernessRatio, 290);
    EXPECT_FLOAT_EQ(Model.DepthThicknessRatio, 45);
}

TEST_F(ProTableA1, InterpolatesBetweenTheFourCorners) {
    // A 150, B 133, C 146, D 127: P 148, Q 130, halfway 139.
    EXPECT_FLOAT_EQ(Lookup(125, 12.5f), 139);
    // A 178, B 176, C 172, D 170: P 175, Q 173, halfway 174.
    EXPECT_FLOAT_EQ(Lookup(57.5f, 22.5f), 174);
    // Along a row only, and down a column only.
    EXPECT_FLOAT_EQ(Lookup(100, 22.5f), (136 + 129) / 2.0f);
    EXPECT_FLOAT_EQ(Lookup(295, 5), (137 + 135) / 2.0f);
    // D/T 49.9 lies between columns 45 and 50 of row 200 (55, 53).
    EXPECT_NEAR(Lookup(200, 49.9f), 55 - 2 * 4.9 / 5, 1e-4);
    // l/ry 299.5 between rows 290 and 300 of column 10 (94, 93).
    EXPECT_NEAR(Lookup(299.5f, 10), 94 - 0.95, 1e-4);
}

TEST_F(ProTableA1, StockySectionsGetTheCap) {
    for (float dt : {5.0f, 12.0f, 33.3f, 49.9f}) {
        EXPECT_FLOAT_EQ(Lookup(39.9f, dt), 180) << dt;
        EXPECT_FLOAT_EQ(Lookup(0, dt), 180) << dt;
        EXPECT_FLOAT_EQ(Lookup(-25, dt), 180) << dt;
    }
    // Between rows 50 and 55 of column 20 (180, 178).
    EXPECT_FLOAT_EQ(Lookup(52.5f, 20), 179);
}

TEST_F(ProTableA1, InputsBeyondTheTableAreHeldToItsEdges) {
    // D/T below 5 takes column 5, the safe side, since stresses fall as D/T grows.
    EXPECT_FLOAT_EQ(Lookup(150, 4.29f), 168);
    EXPECT_FLOAT_EQ(Lookup(150, 4.56f), 168);
    EXPECT_FLOAT_EQ(Lookup(150, 0), 168);
    // D/T of 50 and above takes column 50.
    EXPECT_FLOAT_EQ(Lookup(150, 50), 75);
    EXPECT_FLOAT_EQ(Lookup(150, 80), 75);
    // l/ry of 300 and above takes row 300.
    EXPECT_FLOAT_EQ(Lookup(300, 15), 73);
    EXPECT_FLOAT_EQ(Lookup(450, 15), 73);
    EXPECT_FLOAT_EQ(Lookup(1e30f, 60), 32);
}
} // namespace
} // namespace kx
