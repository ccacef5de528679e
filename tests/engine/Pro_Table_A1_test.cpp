// Table A1 look-up: grid values, bilinear interpolation, the cap and the table's edges.
#include "app/ProgramState.h"
#include "engine/Pro_Table_A1.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>

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

TEST(ProTableA1, EveryRowAndColumnBandGivesTheTableValuesAndTheirMeans) {
    // The table as printed, l/ry down and D/T 5, 10, ..., 50 across, N/mm^2.
    const struct {
        float slenderness;
        std::array<float, 10> pbc;
    } table[] = {
        {40, {180, 180, 180, 180, 180, 180, 180, 180, 180, 180}},
        {45, {180, 180, 180, 180, 180, 180, 180, 180, 180, 180}},
        {50, {180, 180, 180, 180, 180, 180, 180, 180, 180, 180}},
        {55, {180, 180, 180, 178, 176, 175, 174, 174, 173, 173}},
        {60, {180, 180, 176, 172, 170, 169, 168, 167, 167, 166}},
        {65, {180, 180, 172, 167, 164, 163, 162, 161, 160, 160}},
        {70, {180, 177, 167, 162, 159, 157, 156, 155, 154, 154}},
        {75, {180, 174, 163, 157, 154, 151, 150, 149, 148, 147}},
        {80, {180, 171, 159, 153, 148, 146, 144, 143, 142, 141}},
        {85, {180, 168, 156, 148, 143, 140, 138, 137, 136, 135}},
        {90, {180, 165, 152, 144, 139, 135, 133, 131, 130, 129}},
        {95, {180, 162, 148, 140, 134, 130, 127, 125, 124, 123}},
        {100, {180, 160, 145, 136, 129, 125, 122, 119, 118, 117}},
        {105, {180, 157, 142, 132, 125, 120, 116, 114, 112, 111}},
        {110, {180, 155, 139, 128, 120, 115, 111, 108, 106, 105}},
        {115, {178, 152, 136, 124, 116, 110, 106, 103, 101, 99}},
        {120, {177, 150, 133, 120, 112, 106, 101, 98, 96, 95}},
        {130, {174, 146, 127, 113, 104, 97, 94, 91, 89, 88}},
        {140, {171, 142, 121, 107, 97, 92, 88, 85, 83, 81}},
        {150, {168, 138, 116, 100, 92, 87, 82, 79, 77, 75}},
        {160, {166, 134, 111, 96, 88, 82, 77, 74, 72, 70}},
        {170, {163, 130, 106, 92, 84, 77, 73, 69, 67, 65}},
        {180, {161, 126, 102, 89, 80, 73, 69, 65, 63, 60}},
        {190, {158, 123, 97, 85, 76, 70, 65, 61, 59, 56}},
        {200, {156, 119, 95, 82, 73, 66, 62, 58, 55, 53}},
        {210, {154, 116, 92, 79, 70, 63, 58, 55, 52, 50}},
        {220, {151, 113, 90, 77, 67, 61, 56, 52, 49, 47}},
        {230, {149, 110, 87, 74, 65, 58, 53, 49, 47, 44}},
        {240, {147, 107, 85, 72, 62, 56, 51, 47, 44, 42}},
        {250, {145, 104, 83, 69, 60, 53, 48, 45, 42, 40}},
        {260, {143, 101, 80, 67, 58, 51, 46, 43, 40, 38}},
        {270, {141, 98, 78, 65, 56, 49, 45, 41, 38, 36}},
        {280, {139, 96, 76, 63, 54, 48, 43, 39, 37, 35}},
        {290, {137, 94, 75, 61, 52, 46, 41, 38, 35, 33}},
        {300, {135, 93, 73, 60, 51, 44, 40, 36, 34, 32}},
    };
    ResetProgramState();
    auto lookUp = [](float slenderness, float dt) {
        Model.SlendernessRatio = slenderness;
        Model.DepthThicknessRatio = dt;
        Model.Pbc = -1;
        Pro_Table_A1();
        return Model.Pbc;
    };
    constexpr int rows = static_cast<int>(std::size(table));
    ASSERT_EQ(rows, 35);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 10; ++c) {
            const float l = table[r].slenderness, dt = 5.0f * (c + 1);
            const float A = table[r].pbc[c];
            SCOPED_TRACE(::testing::Message() << "l/ry " << l << " D/T " << dt);
            // On a grid line, and halfway to the next line of each kind and of both: the mean of
            // the two or four values (halves are exact in singles).
            EXPECT_EQ(lookUp(l, dt), A);
            if (r + 1 < rows) {
                const float l2 = (l + table[r + 1].slenderness) / 2, C = table[r + 1].pbc[c];
                EXPECT_EQ(lookUp(l2, dt), (A + C) / 2);
                if (c + 1 < 10) {
                    const float B = table[r].pbc[c + 1], D = table[r + 1].pbc[c + 1];
                    EXPECT_EQ(lookUp(l2, dt + 2.5f), (A + B + C + D) / 4);
                }
            }
            if (c + 1 < 10) {
                EXPECT_EQ(lookUp(l, dt + 2.5f), (A + table[r].pbc[c + 1]) / 2);
            }
        }
}

} // namespace
} // namespace kx
