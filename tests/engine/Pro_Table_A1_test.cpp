// Table A1 look-up: grid values, bilinear interpolation, the cap and the table's edges.
#include "app/ProgramState.h"
#include "engine/Pro_Table_A1.h"

#include <gtest/gtest.h>

#include "foundation/SharedModel.h"

namespace kx {
namespace {

TEST(ProTableA1, LooksUpInterpolatesAndHoldsToTheTable) {
    const struct {
        float slenderness, dt;
        double pbc;
    } rows[] = {
        // Grid points.
        {100, 20, 136},
        {120, 50, 95},
        {300, 5, 135},
        // Between four corners: A 150, B 133, C 146, D 127 -> P 148, Q 130 -> 139; and 178, 176,
        // 172, 170 -> 175, 173 -> 174.
        {125, 12.5f, 139},
        {57.5f, 22.5f, 174},
        // Along a row only, down a column only, and just short of the last column and row.
        {100, 22.5f, (136 + 129) / 2.0},
        {295, 5, (137 + 135) / 2.0},
        {200, 49.9f, 55 - 2 * 4.9 / 5},
        {299.5f, 10, 94 - 0.95},
        // Stocky sections get the cap.
        {39.9f, 5, 180},
        // D/T below 5 takes column 5, the safe side, since stresses fall as D/T grows; D/T of 50
        // and above takes column 50; l/ry of 300 and above takes row 300.
        {150, 4.29f, 168},
        {150, 50, 75},
        {150, 80, 75},
        {350, 15, 73},
        {1e30f, 60, 32},
    };
    ResetProgramState();
    for (const auto& r : rows) {
        Model.SlendernessRatio = r.slenderness;
        Model.DepthThicknessRatio = r.dt;
        Model.Pbc = -1;
        Pro_Table_A1();
        EXPECT_FLOAT_EQ(Model.Pbc, static_cast<float>(r.pbc)) << r.slenderness << " " << r.dt;
        EXPECT_EQ(Model.DepthThicknessRatio, r.dt); // held inside the look-up only
    }
}

} // namespace
} // namespace kx
