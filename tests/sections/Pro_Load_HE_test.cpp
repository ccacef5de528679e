// HE beam file: the published rows as listed, every other row by the section formulas.
#include "sections/Pro_Load_HE.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
- 1 to 3: "HE 100 AA", "HE100 A", "HE 100  B"; 4: spacer row
- 5 to 7: "HE 120  AA", "HE 120  A", "HE 120  B"; 8: spacer row
- 9 to 11: "HE 140  AA", "HE 140  A", "HE 140  B"; 12: spacer row
- 13 to 16: "HE 160  AA", "HE 160  A", "HE 160  B", "HE 160  M"; 17: spacer row
- 18 to 21: "HE 180  AA", "HE 180  A", "HE 180  B", "HE 180  M"; 22: spacer row
- 23 to 26: "HE 200 AA", "HE 200 A", "HE 200 B", "HE 200 M"; 27: spacer row
- 28 to 32: "HE 220  AA", "HE 220  AA", "HE 220  A", "HE 220  B", "HE 220  M"; 33: spacer row
- 34 to 37: "HE 240  AA", "HE 240  A", "HE 240  B", "HE 240  M"; 38: spacer row
- 39 to 42: "HE 260  AA", "HE 260  A", "HE 260  B", "HE 260  M"; 43: spacer row
- 44 to 47: "HE 280  AA", "HE 280  A", "HE 280  B", "HE 280  M"; 48: spacer row
- 49 to 53: "HE 300  AA", "HE 300  A", "HE 300  B", "HE 300  C", "HE 300  M"; 54: spacer row
- 55 to 58: "HE 320  AA", "HE 320  A", "HE 320  B", "HE 320  M"; 59: spacer row
- 60 to 63: "HE 340  AA", "HE 340  A", "HE 340  B", "HE 340  M"; 64: spacer row
- 65 to 68: "HE 360  AA", "HE 360  A", "HE 360  B", "HE 360  M"; 69: spacer row
- 70 to 74: "HE 400 AA", "HE 400 x 107", "HE 400  A", "HE 400 B", "HE 400 M"; 75: spacer row
- 76 to 80: "HE 450 AA", "HE 450 x 123", "HE 450  A", "HE 450  B", "HE 450  M"; 81: spacer row
- 82 to 85: "HE 500  AA", "HE 500  A", "HE 500  B", "HE 500  M"; 86: spacer row
- 87 to 90: "HE 550  AA", "HE 550  A", "HE 550  B", "HE 550  M"; 91: spacer row
- 92 to 98: "HE 600  AA", "HE 600 x 137", "HE 600 x 151", "HE 600 x 174", "HE 600  A", "HE 600  B", "HE 600  M"; 99: spacer row
- 100 to 103: "HE 650  AA", "HE 650  A", "HE 650  B", "HE 650  M"; 104: spacer row
- 105 to 109: "HE 700  AA", "HE 700 x 166", "HE 700  A", "HE 700  B", "HE 700  M"; 110: spacer row
- 111 to 114: "HE 800  AA", "HE 800  A", "HE 800  B", "HE 800  M"; 115: spacer row
- 116 to 119: "HE 900  AA", "HE 900  A", "HE 900  B", "HE 900  M"; 120: spacer row
- 121 to 124: "HE 1000  AA", "HE 1000  A", "HE 1000  B", "HE 1000  M" (the last record)
)";

const char* const ListedDimensionColumns = "no|0|28|32|36|40|44|52|56|80|84|88";
// Record | Designation | D | B | t | T | r1 | b | d | grade | E | shape
const char* const ListedDimensions = R"(
| 1 | "HE 100 AA" | 91 | 100 | 4.2 | 5.5 | 12 | 50 | 56 | 43 | 205000 | "Beam" |
| 2 | "HE100 A" | 96 | 100 | 5 | 8 | 12 | 50 | 56 | 43 | 205000 | "Beam" |
| 16 | "HE 160  M" | 180 | 166 | 14 | 23 | 15 | 83 | 104 | 43 | 205000 | "Beam" |
| 28 | "HE 220  AA" | 205 | 220 | 6 | 8.5 | 18 | 110 | 152 | 43 | 205000 | "Beam" |
| 29 | "HE 220  AA" | 205 | 220 | 6 | 8.5 | 18 | 110 | 152 | 43 | 205000 | "Beam" |
| 52 | "HE 300  C" | 320 | 305 | 16 | 29 | 27 | 152.5 | 208 | 43 | 205000 | "Beam" |
| 71 | "HE 400 x 107" | 384 | 297 | 10 | 16 | 27 | 148.5 | 298 | 43 | 205000 | "Beam" |
| 77 | "HE 450 x 123" | 435 | 300 | 10.2 | 18.5 | 27 | 150 | 344 | 43 | 205000 | "Beam" |
| 93 | "HE 600 x 137" | 575 | 300 | 11.8 | 17.5 | 27 | 150 | 486 | 43 | 205000 | "Beam" |
| 94 | "HE 600 x 151" | 582 | 300 | 11.6 | 20.6 | 27 | 150 | 486.8 | 43 | 205000 | "Beam" |
| 95 | "HE 600 x 174" | 588 | 300 | 13.6 | 23.9 | 27 | 150 | 486.2 | 43 | 205000 | "Beam" |
| 106 | "HE 700 x 166" | 678 | 300 | 12.5 | 21 | 27 | 150 | 582 | 43 | 205000 | "Beam" |
| 124 | "HE 1000  M" | 1008 | 302 | 21 | 40 | 30 | 151 | 868 | 43 | 205000 | "Beam" |
)";

const char* const ListedPropertyColumns = "no|100|104|108|112|116|128|132|156|160|168|172|176|180|184";
// Record | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 | J | byte 160 | Sx | Sy | u | x | H
const char* const ListedProperties = R"(
| 1 | 1559.6 | 2365100 | 920610 | 38.942 | 24.296 | 50 | 45.5 | 23254 | 13.746 | 59361 | 28118 | 0.83415 | 12.533 | 1.6825e+09 |
| 2 | 2123.6 | 3492300 | 1338100 | 40.553 | 25.102 | 50 | 48 | 52835 | 16.692 | 84323 | 40814 | 0.84188 | 9.9856 | 2.5906e+09 |
| 16 | 9705.1 | 5.0983e+07 | 1.7588e+07 | 72.479 | 42.57 | 83 | 90 | 1605900 | 40.192 | 679630 | 324820 | 0.8497 | 6.9081 | 1.0838e+11 |
| 28 | 5146.1 | 4.1703e+07 | 1.5105e+07 | 90.021 | 54.178 | 110 | 102.5 | 155430 | 20.744 | 448970 | 208230 | 0.84211 | 20.237 | 1.4581e+11 |
| 29 | 5146.1 | 4.1703e+07 | 1.5105e+07 | 90.021 | 54.178 | 110 | 102.5 | 155430 | 20.744 | 448970 | 208230 | 0.84211 | 20.237 | 1.4581e+11 |
| 52 | 22508 | 4.0951e+08 | 1.3736e+08 | 134.89 | 78.121 | 152.5 | 160 | 6040900 | 52.287 | 2948600 | 1370700 | 0.85673 | 10.054 | 2.908e+12 |
| 71 | 13650 | 3.7641e+08 | 6.9983e+07 | 166.06 | 71.603 | 148.5 | 192 | 1261400 | 34.912 | 2178600 | 717610 | 0.88468 | 21.667 | 2.3693e+12 |
| 77 | 15785 | 5.5861e+08 | 8.3379e+07 | 188.12 | 72.677 | 150 | 217.5 | 1783100 | 37.59 | 2851600 | 846050 | 0.89448 | 22.181 | 3.616e+12 |
| 93 | 17498 | 1.0146e+09 | 7.8929e+07 | 240.8 | 67.162 | 150 | 287.5 | 1765600 | 37.515 | 3967000 | 810000 | 0.88377 | 31.413 | 6.1329e+12 |
| 94 | 19259 | 1.171e+09 | 9.2874e+07 | 246.58 | 69.443 | 150 | 291 | 2474200 | 40.61 | 4499700 | 948830 | 0.89368 | 28.034 | 7.3178e+12 |
| 95 | 22313 | 1.3638e+09 | 1.0778e+08 | 247.23 | 69.502 | 150 | 294 | 3742700 | 45.301 | 5220700 | 1104800 | 0.89226 | 24.652 | 8.5743e+12 |
| 106 | 21176 | 1.6891e+09 | 9.4714e+07 | 282.42 | 66.879 | 150 | 339 | 2744300 | 41.567 | 5615300 | 973770 | 0.88559 | 32.665 | 1.0221e+13 |
| 124 | 44421 | 7.223e+09 | 1.8459e+08 | 403.24 | 64.464 | 151 | 504 | 1.713e+07 | 69.153 | 1.6604e+07 | 1934500 | 0.87313 | 27.9 | 4.3242e+13 |
)";
// clang-format on

// Root radius by nominal size.
float rootRadius(int size) {
    if (size <= 140) return 12;
    if (size <= 180) return 15;
    if (size <= 220) return 18;
    if (size == 240) return 21;
    if (size <= 280) return 24;
    if (size <= 700) return 27;
    return 30;
}

// The series of a row: "AA", "A", "B", "C", "M", or "x" for a row named by its mass.
std::string seriesOf(const std::string& name) {
    if (name.find(" x ") != std::string::npos) return "x";
    return name.substr(name.find_last_of(' ') + 1);
}

std::vector<Image> written() { return writtenRecords(Pro_Load_HE, "HE.sct"); }

} // namespace

TEST(Pro_Load_HE, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(124);
    fillFromTable(expected, ListedDimensionColumns, ListedDimensions);
    fillFromTable(expected, ListedPropertyColumns, ListedProperties);
    expectListedRows(written(), expected, {1, 2, 16, 28, 29, 52, 71, 77, 93, 94, 95, 106, 124}, "HE.sct");
}

TEST(Pro_Load_HE, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 124u);
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    expectLayout(recs, ihLayout(names, true, [](int) { return std::string("Beam"); }), "HE.sct");
    EXPECT_EQ(names[1], "HE100 A");
    EXPECT_EQ(names[27], names[28]);
    EXPECT_EQ(recs[27].size(), 200u);
    // Records 28 and 29 differ only in their record numbers.
    EXPECT_TRUE(std::equal(recs[27].begin(), recs[27].begin() + 196, recs[28].begin()));
}

TEST(Pro_Load_HE, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const IHTolerances tol{1e-4, 1e-4, 1e-4, 1e-4, 2e-4, 2e-4, 1e-4, 5e-5};
    const std::vector<std::vector<int>> groups = groupsOf(names);
    ASSERT_EQ(groups.size(), 24u);
    for (const std::vector<int>& group : groups) {
        const int size = static_cast<int>(numbersIn(names[group.front() - 1]).front());
        double widestOther = 0, mWidth = 0;
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string& name = names[pos - 1];
            const std::string where = "HE.sct record " + std::to_string(pos) + " " + name;
            expectIHRules(rec, tol, where);
            for (int off = 28; off < 196; off += 4)
                if (off < 88 || off >= 100) {
                    EXPECT_TRUE(heldTo(singleAt(rec.data(), off), 5)) << where << " byte " << off;
                }
            EXPECT_EQ(numbersIn(name).front(), size) << where;
            EXPECT_EQ(at(rec, 44), rootRadius(size)) << where;
            if (pos != 94 && pos != 95) {
                EXPECT_EQ(at(rec, 56), at(recs[group.front() - 1], 56)) << where << " d";
            }

            const std::string series = seriesOf(name);
            const double B = at(rec, 32);
            if (series == "M") {
                mWidth = B;
                if (size >= 300) {
                    EXPECT_EQ(at(rec, 36), 21.0f) << where;
                    EXPECT_EQ(at(rec, 40), size == 300 ? 39.0f : 40.0f) << where;
                }
            } else {
                widestOther = std::max(widestOther, B);
            }
            if (series == "B") {
                EXPECT_EQ(at(rec, 28), size) << where;
            }
            if (series == "C") {
                EXPECT_EQ(B, 305.0f) << where;
            }
            if (series == "AA" || series == "A" || series == "B" || series == "x") {
                EXPECT_EQ(B, pos == 71 ? 297.0f : size <= 300 ? float(size) : 300.0f) << where;
            }
            if (series == "x") {
                const double mass = at(rec, 100) * 0.00785;
                EXPECT_LE(std::fabs(mass - numbersIn(name).back()), 1.2) << where << " mass " << mass;
            }
        }
        if (mWidth > 0) {
            EXPECT_GT(mWidth, widestOther) << "size " << size;
        }
        // Depth and area rise within the group; the two "HE 220  AA" rows are equal.
        for (std::size_t k = 1; k < group.size(); ++k) {
            if (group[k] == 29) continue;
            for (int off : {28, 100}) {
                EXPECT_LT(at(recs[group[k - 1] - 1], off), at(recs[group[k] - 1], off))
                    << "record " << group[k];
            }
        }
    }
    EXPECT_EQ(at(recs[93], 56), 486.8f);
    EXPECT_EQ(at(recs[94], 56), 486.2f);
    EXPECT_EQ(at(recs[91], 56), 486.0f);
}
