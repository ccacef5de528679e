// Table A1 of permissible compressive bending stresses and its bilinear look-up.
#include "engine/Pro_Table_A1.h"

#include <array>
#include <cmath>

#include "foundation/SharedModel.h"

namespace kx {

namespace {

constexpr int kRows = 35;
constexpr int kCols = 10;

// l/ry of the table's rows and D/T of its columns.
constexpr std::array<int, kRows> kSlenderness{40,  45,  50,  55,  60,  65,  70,  75,  80,  85,  90,  95,
                                              100, 105, 110, 115, 120, 130, 140, 150, 160, 170, 180, 190,
                                              200, 210, 220, 230, 240, 250, 260, 270, 280, 290, 300};
constexpr std::array<int, kCols> kDepthThickness{5, 10, 15, 20, 25, 30, 35, 40, 45, 50};

// N/mm^2; never increasing along a row or down a column.
constexpr std::array<std::array<float, kCols>, kRows> kPbc{{
    {180, 180, 180, 180, 180, 180, 180, 180, 180, 180}, // 40
    {180, 180, 180, 180, 180, 180, 180, 180, 180, 180}, // 45
    {180, 180, 180, 180, 180, 180, 180, 180, 180, 180}, // 50
    {180, 180, 180, 178, 176, 175, 174, 174, 173, 173}, // 55
    {180, 180, 176, 172, 170, 169, 168, 167, 167, 166}, // 60
    {180, 180, 172, 167, 164, 163, 162, 161, 160, 160}, // 65
    {180, 177, 167, 162, 159, 157, 156, 155, 154, 154}, // 70
    {180, 174, 163, 157, 154, 151, 150, 149, 148, 147}, // 75
    {180, 171, 159, 153, 148, 146, 144, 143, 142, 141}, // 80
    {180, 168, 156, 148, 143, 140, 138, 137, 136, 135}, // 85
    {180, 165, 152, 144, 139, 135, 133, 131, 130, 129}, // 90
    {180, 162, 148, 140, 134, 130, 127, 125, 124, 123}, // 95
    {180, 160, 145, 136, 129, 125, 122, 119, 118, 117}, // 100
    {180, 157, 142, 132, 125, 120, 116, 114, 112, 111}, // 105
    {180, 155, 139, 128, 120, 115, 111, 108, 106, 105}, // 110
    {178, 152, 136, 124, 116, 110, 106, 103, 101, 99},  // 115
    {177, 150, 133, 120, 112, 106, 101, 98, 96, 95},    // 120
    {174, 146, 127, 113, 104, 97, 94, 91, 89, 88},      // 130
    {171, 142, 121, 107, 97, 92, 88, 85, 83, 81},       // 140
    {168, 138, 116, 100, 92, 87, 82, 79, 77, 75},       // 150
    {166, 134, 111, 96, 88, 82, 77, 74, 72, 70},        // 160
    {163, 130, 106, 92, 84, 77, 73, 69, 67, 65},        // 170
    {161, 126, 102, 89, 80, 73, 69, 65, 63, 60},        // 180
    {158, 123, 97, 85, 76, 70, 65, 61, 59, 56},         // 190
    {156, 119, 95, 82, 73, 66, 62, 58, 55, 53},         // 200
    {154, 116, 92, 79, 70, 63, 58, 55, 52, 50},         // 210
    {151, 113, 90, 77, 67, 61, 56, 52, 49, 47},         // 220
    {149, 110, 87, 74, 65, 58, 53, 49, 47, 44},         // 230
    {147, 107, 85, 72, 62, 56, 51, 47, 44, 42},         // 240
    {145, 104, 83, 69, 60, 53, 48, 45, 42, 40},         // 250
    {143, 101, 80, 67, 58, 51, 46, 43, 40, 38},         // 260
    {141, 98, 78, 65, 56, 49, 45, 41, 38, 36},          // 270
    {139, 96, 76, 63, 54, 48, 43, 39, 37, 35},          // 280
    {137, 94, 75, 61, 52, 46, 41, 38, 35, 33},          // 290
    {135, 93, 73, 60, 51, 44, 40, 36, 34, 32},          // 300
}};

// The grid lines that bracket v: the first line strictly above v and the one below it, so a
// value on a grid line is its lower bound. Below the first line both are the first line; at or
// above the last line they are the last two lines.
template <std::size_t N> void bracket(const std::array<int, N>& lines, float v, int& lower, int& upper) {
    upper = static_cast<int>(N) - 1;
    for (int i = 0; i < static_cast<int>(N); ++i)
        if (lines[i] > v) {
            upper = i;
            break;
        }
    lower = upper == 0 ? 0 : upper - 1;
}

float fraction(float v, int lowerLine, int upperLine) {
    if (upperLine == lowerLine) return 0.0f;
    return static_cast<float>((static_cast<long double>(v) - lowerLine) / (upperLine - lowerLine));
}

} // namespace

void Pro_Table_A1() {
    // The table ends at l/ry 300 and spans D/T 5..50. Below D/T 5 the column 5 is the safe
    // side, since stresses fall as D/T grows; an undefined ratio takes the lowest stresses.
    float slenderness = Model.SlendernessRatio;
    if (std::isnan(slenderness) || slenderness > 300.0f) slenderness = 300.0f;
    float dt = Model.DepthThicknessRatio;
    if (std::isnan(dt) || dt > 50.0f) dt = 50.0f;
    if (dt < 5.0f) dt = 5.0f;

    int r0, r1, c0, c1;
    bracket(kSlenderness, slenderness, r0, r1);
    bracket(kDepthThickness, dt, c0, c1);
    const float fr = fraction(slenderness, kSlenderness[r0], kSlenderness[r1]);
    const float fc = fraction(dt, kDepthThickness[c0], kDepthThickness[c1]);

    const long double A = kPbc[r0][c0], B = kPbc[r0][c1], C = kPbc[r1][c0], D = kPbc[r1][c1];
    const float P = static_cast<float>((C - A) * fr + A);
    const float Q = static_cast<float>((D - B) * fr + B);
    float pbc = static_cast<float>(P - (static_cast<long double>(P) - Q) * fc);
    if (pbc > 180.0f) pbc = 180.0f;
    Model.Pbc = pbc;
}

} // namespace kx
