// Rectangular hollow section file: the published rows as listed, every other row by the formulas.
#include "sections/Pro_Load_RHS.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
- 1 to 2: "20 x 20 x 2.0 RHS", "20 x 20 x 2.5 RHS"
- 3: spacer row
- 4 to 7: "25 x 25 x 2.0 RHS", "25 x 25 x 2.5 RHS", "25 x 25 x 3.0 RHS", "25 x 25 x 3.2 RHS"
- 8: spacer row
- 9 to 10: "30 x 30 x 2.5 RHS", "30 x 30 x 3.0 RHS"
- 11: spacer row
- 12 to 15: "40 x 40 x 2.5 RHS", "40 x 40 x 3.0 RHS", "40 x 40 x 4.0 RHS", "40 x 40 x 5.0 RHS"
- 16: spacer row
- 17 to 19: "50 x 25 x 2.5 RHS", "50 x 25 x 3.0 RHS", "50 x 25 x 3.2 RHS"
- 20: spacer row
- 21 to 25: "50 x 30 x 2.5 RHS", "50 x 30 x 3.0 RHS", "50 x 30 x 3.2 RHS", "50 x 30 x 4.0 RHS", "50 x 30 x 5.0 RHS"
- 26: spacer row
- 27 to 32: "50 x 50 x 2.5 RHS", "50 x 50 x 3.0 RHS", "50 x 50 x 3.2 RHS", "50 x 50 x 4.0 RHS", "50 x 50 x 5.0 RHS", "50 x 50 x 6.3 RHS"
- 33: spacer row
- 34 to 39: "60 x 40 x 2.5 RHS", "60 x 40 x 3.0 RHS", "60 x 40 x 3.2 RHS", "60 x 40 x 4.0 RHS", "60 x 40 x 5.0 RHS", "60 x 40 x 6.3 RHS"
- 40: spacer row
- 41 to 46: "60 x 60 x 3.0 RHS", "60 x 60 x 3.2 RHS", "60 x 60 x 4.0 RHS", "60 x 60 x 5.0 RHS", "60 x 60 x 6.3 RHS", "60 x 60 x 8.0 RHS"
- 47: spacer row
- 48 to 52: "70 x 70 x 3.0 RHS", "70 x 70 x 3.6 RHS", "70 x 70 x 5.0 RHS", "70 x 70 x 6.3 RHS", "70 x 70 x 8.0 RHS"
- 53: spacer row
- 54 to 59: "80 x 40 x 3.0 RHS", "80 x 40 x 3.2 RHS", "80 x 40 x 4.0 RHS", "80 x 40 x 5.0 RHS", "80 x 40 x 6.3 RHS", "80 x 40 x 8.0 RHS"
- 60: spacer row
- 61 to 65: "80 x 80 x 3.0 RHS", "80 x 80 x 3.6 RHS", "80 x 80 x 5.0 RHS", "80 x 80 x 6.3 RHS", "80 x 80 x 8.0 RHS"
- 66: spacer row
- 67 to 71: "90 x 50 x 3.0 RHS", "90 x 50 x 3.6 RHS", "90 x 50 x 5.0 RHS", "90 x 50 x 6.3 RHS", "90 x 50 x 8.0 RHS"
- 72: spacer row
- 73 to 76: "90 x 90 x 3.6 RHS", "90 x 90 x 5.0 RHS", "90 x 90 x 6.3 RHS", "90 x 90 x 8.0 RHS"
- 77: spacer row
- 78 to 83: "100 x 50 x 3.0 RHS", "100 x 50 x 3.2 RHS", "100 x 50 x 4.0 RHS", "100 x 50 x 5.0 RHS", "100 x 50 x 6.3 RHS", "100 x 50 x 8.0 RHS"
- 84: spacer row
- 85 to 89: "100 x 60 x 3.0 RHS", "100 x 60 x 3.6 RHS", "100 x 60 x 5.0 RHS", "100 x 60 x 6.3 RHS", "100 x 60 x 8.0 RHS"
- 90: spacer row
- 91 to 95: "100 x 100 x 4.0 RHS", "100 x 100 x 5.0 RHS", "100 x 100 x 6.3 RHS", "100 x 100 x 8.0 RHS", "100 x 100 x 10 RHS"
- 96: spacer row
- 97 to 100: "120 x 60 x 3.6  RHS", "120 x 60 x 5.0  RHS", "120 x 60 x 6.3  RHS", "120 x 60 x 8.0  RHS"
- 101: spacer row
- 102 to 105: "120 x 80 x 5.0  RHS", "120 x 80 x 6.3  RHS", "120 x 80 x 8.0  RHS", "120 x 80 x 10  RHS"
- 106: spacer row
- 107 to 111: "120 x 120 x 5.0  RHS", "120 x 120 x 6.3  RHS", "120 x 120 x 8.0  RHS", "120 x 120 x 10  RHS", "120 x 120 x 12.5  RHS"
- 112: spacer row
- 113 to 117: "150 x 100 x 5.0  RHS", "150 x 100 x 6.3  RHS", "150 x 100 x 8.0  RHS", "150 x 100 x 10  RHS", "150 x 100 x 12.5  RHS"
- 118: spacer row
- 119 to 123: "150 x 150 x 5.0  RHS", "150 x 150 x 6.3  RHS", "150 x 150 x 8.0  RHS", "150 x 150 x 10  RHS", "150 x 150 x 12.5  RHS"
- 124: spacer row
- 125 to 129: "160 x 80 x 5.0  RHS", "160 x 80 x 6.3  RHS", "160 x 80 x 8.0  RHS", "160 x 80 x 10  RHS", "160 x 80 x 12.5  RHS"
- 130: spacer row
- 131 to 135: "180 x 180 x 6.3  RHS", "180 x 180 x 8.0  RHS", "180 x 180 x 10  RHS", "180 x 180 x 12.5  RHS", "180 x 180 x 16  RHS"
- 136: spacer row
- 137 to 142: "200 x 100 x 5.0 RHS", "200 x 100 x 6.3 RHS", "200 x 100 x 8.0 RHS", "200 x 100 x 10 RHS", "200 x 100 x 12.5  RHS", "200 x 100 x 16  RHS"
- 143: spacer row
- 144 to 148: "200 x 200 x 6.3  RHS", "200 x 200 x 8.0  RHS", "200 x 200 x 10  RHS", "200 x 200 x 12.5  RHS", "200 x 200 x 16  RHS"
- 149: spacer row
- 150 to 154: "250 x 150 x 6.3  RHS", "250 x 150 x 8.0  RHS", "250 x 150 x 10  RHS", "250 x 150 x 12.5  RHS", "250 x 150 x 16  RHS"
- 155: spacer row
- 156 to 160: "250 x 250 x 6.3  RHS", "250 x 250 x 8.0  RHS", "250 x 250 x 10  RHS", "250 x 250 x 12.5  RHS", "250 x 250 x 16  RHS"
- 161: spacer row
- 162 to 166: "300 x 200 x 6.3  RHS", "300 x 200 x 8.0  RHS", "300 x 200 x 10  RHS", "300 x 200 x 12.5  RHS", "300 x 200 x 16  RHS"
- 167: spacer row
- 168 to 171: "300 x 300 x 8.0  RHS", "300 x 300 x 10  RHS", "300 x 300 x 12.5  RHS", "300 x 300 x 16  RHS"
- 172: spacer row
- 173 to 176: "350 x 350 x 8.0  RHS", "350 x 350 x 10  RHS", "350 x 350 x 12.5  RHS", "350 x 350 x 16  RHS"
- 177: spacer row
- 178 to 181: "400 x 200 x 8.0  RHS", "400 x 200 x 10  RHS", "400 x 200 x 12.5  RHS", "400 x 200 x 16  RHS"
- 182: spacer row
- 183 to 185: "400 x 400 x 10  RHS", "400 x 400 x 12.5  RHS", "400 x 400 x 16  RHS"
- 186: spacer row
- 187 to 189: "450 x 250 x 10  RHS", "450 x 250 x 12.5  RHS", "450 x 250 x 16  RHS"
- 190: spacer row
- 191 to 193: "500 x 300 x 10  RHS", "500 x 300 x 12.5  RHS", "500 x 300 x 16  RHS"
)";

const char* const ListedDimensionColumns = "no|0|28|32|36|40|44|52|56|128|132";
// Record | Designation | D | B | t | T | r1 | b | d | byte 128 | byte 132
const char* const ListedDimensions = R"(
| 1 | "20 x 20 x 2.0 RHS" | 20 | 20 | 2 | 2 | 2 | 14 | 14 | 10 | 10 |
| 104 | "120 x 80 x 8.0  RHS" | 120 | 80 | 8 | 8 | 8 | 56 | 96 | 40 | 60 |
| 140 | "200 x 100 x 10 RHS" | 200 | 100 | 10 | 10 | 10 | 70 | 170 | 50 | 100 |
| 171 | "300 x 300 x 16  RHS" | 300 | 300 | 16 | 16 | 16 | 252 | 252 | 150 | 150 |
| 178 | "400 x 200 x 8.0  RHS" | 400 | 200 | 8 | 8 | 8 | 176 | 376 | 100 | 200 |
| 193 | "500 x 300 x 16  RHS" | 500 | 300 | 16 | 16 | 16 | 252 | 452 | 150 | 250 |
)";

const char* const ListedPropertyColumns = "no|100|104|108|112|116|156|160|168|172";
// Record | A | Ixx | Iyy | rx | ry | J | byte 160 | Sx | Sy
const char* const ListedProperties = R"(
| 1 | 142.07 | 7588.9 | 7588.9 | 7.3087 | 7.3087 | 12178 | 11.4 | 950.68 | 950.68 |
| 104 | 2913.1 | 5372600 | 2775600 | 42.945 | 30.868 | 5861300 | 53.3 | 112710 | 83883 |
| 140 | 5551.7 | 2.718e+07 | 8809700 | 69.97 | 39.835 | 2.1539e+07 | 72.8 | 346420 | 208840 |
| 171 | 18052 | 2.4157e+08 | 2.4157e+08 | 115.68 | 115.68 | 3.7567e+08 | 162 | 1916200 | 1916200 |
| 178 | 9313.1 | 1.9708e+08 | 6.6949e+07 | 145.47 | 84.786 | 1.5718e+08 | 139 | 1210500 | 746350 |
| 193 | 24452 | 8.2673e+08 | 3.7076e+08 | 183.87 | 123.14 | 8.0223e+08 | 198 | 4041400 | 2825000 |
)";
// clang-format on

const std::vector<int> Spacers = {3,   8,   11,  16,  20,  26,  33,  40,  47,  53,  60,  66,
                                  72,  77,  84,  90,  96,  101, 106, 112, 118, 124, 130, 136,
                                  143, 149, 155, 161, 167, 172, 177, 182, 186, 190};

// Rows whose torsion stress length is stored as published rather than as t + K/t to three figures.
const std::vector<int> StoredTorsionLength = {104, 140, 171, 178};

std::vector<Image> written() { return writtenRecords(Pro_Load_RHS, "RHS.sct"); }

// Area and second moments of the wall: outer corners rounded to 1.25t, inner to t.
PolygonValues wall(double D, double B, double t) {
    const PolygonValues outer = polygonValues(roundedRectangle(B, D, 1.25 * t));
    const PolygonValues inner = polygonValues(roundedRectangle(B - 2 * t, D - 2 * t, t));
    return {outer.A - inner.A, 0, 0, outer.Ixx - inner.Ixx, outer.Iyy - inner.Iyy, 0};
}

} // namespace

TEST(Pro_Load_RHS, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(193);
    fillFromTable(expected, ListedDimensionColumns, ListedDimensions);
    fillFromTable(expected, ListedPropertyColumns, ListedProperties);
    setInSectionRows(expected, {{80, 43}, {84, 205000}}, "Box");
    expectListedRows(written(), expected, {1, 104, 140, 171, 178, 193}, "RHS.sct");
}

TEST(Pro_Load_RHS, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 193u);
    Layout layout;
    layout.designations = designationsInOrder(DesignationList);
    layout.shape = "Box";
    layout.spacerShape = [](int) { return std::string(); };
    layout.constants = {{80, 43}, {84, 205000}};
    layout.zeros = {48, 60, 64, 68, 72, 76, 120, 124, 136, 140, 144, 148, 152, 164, 176, 180, 184, 188, 192};
    expectLayout(recs, layout, "RHS.sct");
    for (int pos = 1; pos <= 193; ++pos) {
        const std::string& name = layout.designations[pos - 1];
        if (name.empty()) continue;
        const bool twoBlanks = (pos >= 97 && pos <= 135) || pos >= 141;
        EXPECT_EQ(name.find("  RHS") != std::string::npos, twoBlanks) << pos << " " << name;
        // The thickness is written with one decimal, 10 and 16 without.
        const std::size_t from = name.rfind(" x ") + 3;
        const std::string thickness = name.substr(from, name.find(' ', from) - from);
        if (thickness == "10" || thickness == "16") continue;
        EXPECT_EQ(thickness.size() - thickness.find('.'), 2u) << pos << " " << name;
    }
    EXPECT_EQ(spacerPositions(layout.designations), Spacers);
}

TEST(Pro_Load_RHS, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const std::vector<std::vector<int>> groups = groupsOf(names);
    ASSERT_EQ(groups.size(), 35u);
    double lastD = 0, lastB = 0;
    for (const std::vector<int>& group : groups) {
        EXPECT_GE(group.size(), 2u);
        EXPECT_LE(group.size(), 6u);
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string where = "RHS.sct record " + std::to_string(pos) + " " + names[pos - 1];
            const std::vector<double> n = numbersIn(names[pos - 1]);
            ASSERT_EQ(n.size(), 3u) << where;
            const float D = singleAt(rec.data(), 28), B = singleAt(rec.data(), 32),
                        t = singleAt(rec.data(), 36);
            EXPECT_EQ(D, static_cast<float>(n[0])) << where;
            EXPECT_EQ(B, static_cast<float>(n[1])) << where;
            EXPECT_EQ(t, static_cast<float>(n[2])) << where;
            EXPECT_GE(D, B) << where;
            EXPECT_EQ(at(rec, 40), t) << where;
            EXPECT_EQ(at(rec, 44), t) << where;
            EXPECT_TRUE(within(at(rec, 52), double(B) - 3 * double(t), 1e-7)) << where << " b";
            EXPECT_TRUE(within(at(rec, 56), double(D) - 3 * double(t), 1e-7)) << where << " d";
            EXPECT_EQ(singleAt(rec.data(), 128), B / 2) << where;
            EXPECT_EQ(singleAt(rec.data(), 132), D / 2) << where;

            const double ro = 1.25 * t, ri = t;
            const double A = at(rec, 100), Ixx = at(rec, 104), Iyy = at(rec, 108);
            EXPECT_TRUE(within(A, 2 * t * (B + D - 2.0 * t) - (4 - Pi) * (ro * ro - ri * ri), 1e-4))
                << where << " A";
            const PolygonValues w = wall(D, B, t);
            EXPECT_TRUE(within(A, w.A, 1e-4)) << where << " A of the outline";
            EXPECT_TRUE(within(Ixx, w.Ixx, 1e-4)) << where << " Ixx";
            EXPECT_TRUE(within(Iyy, w.Iyy, 1e-4)) << where << " Iyy";
            EXPECT_TRUE(within(at(rec, 112), std::sqrt(Ixx / A), 1e-4)) << where << " rx";
            EXPECT_TRUE(within(at(rec, 116), std::sqrt(Iyy / A), 1e-4)) << where << " ry";

            const double Rc = 1.125 * t;
            const double h = 2 * ((B - t) + (D - t)) - 2 * Rc * (4 - Pi);
            const double Ah = (B - t) * (D - t) - Rc * Rc * (4 - Pi);
            const double K = 2 * Ah * t / h;
            EXPECT_TRUE(within(at(rec, 156), t * t * t * h / 3 + 2 * K * Ah, 1e-4)) << where << " J";
            if (std::count(StoredTorsionLength.begin(), StoredTorsionLength.end(), pos) == 0) {
                char text[32];
                std::snprintf(text, sizeof text, "%.2e", t + K / t);
                EXPECT_EQ(singleAt(rec.data(), 160), std::strtof(text, nullptr)) << where << " byte 160";
            }
            const double c = t * (10 - 3 * Pi) / (12 - 3 * Pi), Ao = (1 - Pi / 4) * ro * ro,
                         Ai = (1 - Pi / 4) * ri * ri;
            const double Sx = B * D * D / 4 - (B - 2 * t) * (D - 2 * t) * (D - 2 * t) / 4 -
                              2 * Ao * (D - 2 * c) + 2 * Ai * (D - 2 * t - 2 * c);
            const double Sy = D * B * B / 4 - (D - 2 * t) * (B - 2 * t) * (B - 2 * t) / 4 -
                              2 * Ao * (B - 2 * c) + 2 * Ai * (B - 2 * t - 2 * c);
            EXPECT_TRUE(within(at(rec, 168), Sx, 1e-4)) << where << " Sx";
            EXPECT_TRUE(within(at(rec, 172), Sy, 1e-4)) << where << " Sy";
            for (int off : {100, 104, 108, 112, 116, 156, 168, 172}) {
                EXPECT_TRUE(heldTo(singleAt(rec.data(), off), 5)) << where << " byte " << off;
            }
            if (D == B) {
                for (auto [x, y] : {std::pair{104, 108}, {112, 116}, {168, 172}, {52, 56}, {128, 132}}) {
                    EXPECT_EQ(singleAt(rec.data(), x), singleAt(rec.data(), y))
                        << where << " bytes " << x << ", " << y;
                }
            }
        }
        // Groups ascend by D, then B; within a group the wall thickens.
        const double D = at(recs[group.front() - 1], 28), B = at(recs[group.front() - 1], 32);
        EXPECT_TRUE(D > lastD || (D == lastD && B > lastB)) << "group of record " << group.front();
        lastD = D;
        lastB = B;
        for (int off : {36, 100, 104, 108, 156, 160, 168, 172})
            expectRising(recs, group, off, "RHS.sct");
        for (std::size_t k = 1; k < group.size(); ++k)
            for (int off : {112, 116, 52, 56})
                EXPECT_GT(at(recs[group[k - 1] - 1], off), at(recs[group[k] - 1], off))
                    << "byte " << off << " record " << group[k];
    }
}
