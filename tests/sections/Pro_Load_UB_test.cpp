// Universal beam file: the published rows as listed, every other row by the section formulas.
#include "sections/Pro_Load_UB.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
"127 x 76 UB 13", spacer, "152 x 89 UB 16", spacer, "178 x 102 UB 19", spacer, "203 x 102 UB 23", spacer,
"203 x 133 UB 25", "203 x 133 UB 30", spacer, "254 x 102 UB 22", "254 x 102 UB 25", "254 x 102 UB 28",
spacer, "254 x 146 UB 31", "254 x 146 UB 37", "254 x 146 UB 43", spacer, "305 x 102 UB 25",
"305 x 102 UB 28", "305 x 102 UB 33", spacer, "305 x 127 UB 37", "305 x 127 UB 42", "305 x 127 UB 48",
spacer, "305 x 165 UB 40", "305 x 165 UB 46", "305 x 165 UB 54", spacer, "356 x 127 UB 33",
"356 x 127 UB 39", spacer, "356 x 171 UB 45", "356 x 171 UB 51", "356 x 171 UB 57", "356 x 171 UB 67",
spacer, "406 x 140 UB 39", "406 x 140 UB 46", spacer, "406 x 178 UB 54", "406 x 178 UB 60",
"406 x 178 UB 67", "406 x 178 UB 74", spacer, "457 x 152 UB 52", "457 x 152 UB 60", "457 x 152 UB 67",
"457 x 152 UB 74", "457 x 152 UB 82", spacer, "457 x 191 UB 67", "457 x 191 UB 74", "457 x 191 UB 82",
"457 x 191 UB 89", "457 x 191 UB 98", spacer, "533 x 210 UB 82", "533 x 210 UB 92", "533 x 210 UB 101",
"533 x 210 UB 109", "533 x 210 UB 122", spacer, "610 x 229 UB 101", "610 x 229 UB 113", "610 x 229 UB 125",
"610 x 229 UB 140", spacer, "610 x 305 UB 149", "610 x 305 UB 179", "610 x 305 UB 238", spacer,
"686 x 254 UB 125", "686 x 254 UB 140", "686 x 254 UB 152", "686 x 254 UB 170", spacer, "762 x 267 UB 134",
"762 x 267 UB 147", "762 x 267 UB 173", "762 x 267 UB 197", spacer, "838 x 292 UB 176", "838 x 292 UB 194",
"838 x 292 UB 226", spacer, "914 x 305 UB 201", "914 x 305 UB 224", "914 x 305 UB 253", "914 x 305 UB 289",
spacer, "914 x 419 UB 343", "914 x 419 UB 388"
)";

const char* const ListedColumns =
    "pos|0|28|32|36|40|44|52|56|80|84|88|100|104|108|112|116|128|132|156|160|168|172|176|180|184|196";
// Pos. | Designation | D | B | t | T | r1 | b | d | grade | E | Shape | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 |
//   J | byte 160 | Sx | Sy | u | x | H | No.
const char* const ListedRows = R"(
| 1 | "127 x 76 UB 13" | 127 | 76 | 4 | 7.6 | 7.6 | 38 | 96.6 | 43 | 205000 | "Beam" | 1652 | 4734400 | 557410 | 53.534 | 18.369 | 38 | 63.5 | 28512 | 13.796 | 84604 | 22498 | 0.89764 | 16.267 | 1.9867e+09 | 1 |
| 2 | spacer | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | "" | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 2 |
| 31 | spacer | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | "Beam" | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 31 |
| 87 | "838 x 292 UB 226" | 850.9 | 293.8 | 16.1 | 26.8 | 17.8 | 146.9 | 761.7 | 43 | 205000 | "Beam" | 28856 | 3.397e+09 | 1.136e+08 | 343.11 | 62.743 | 146.9 | 425.45 | 5136600 | 47.029 | 9163200 | 1210500 | 0.87043 | 34.96 | 1.9287e+13 | 87 |
| 95 | "914 x 419 UB 388" | 921 | 420.5 | 21.4 | 36.6 | 24.1 | 210.25 | 799.6 | 43 | 205000 | "Beam" | 49422 | 7.1964e+09 | 4.5438e+08 | 381.59 | 95.885 | 210.25 | 460.5 | 1.7342e+07 | 63.804 | 1.7686e+07 | 3338200 | 0.88504 | 26.723 | 8.8851e+13 | 95 |
)";
// clang-format on

const std::vector<int> EmptyShapeSpacers = {2, 4, 6, 8, 11, 15, 19, 23, 27};
const std::vector<int> BeamShapeSpacers = {31, 34, 39, 42, 47, 53, 59, 65, 70, 74, 79, 84, 88, 93};

std::vector<Image> written() { return writtenRecords(Pro_Load_UB, "UB.sct"); }

} // namespace

TEST(Pro_Load_UB, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(95);
    fillFromTable(expected, ListedColumns, ListedRows);
    expectListedRows(written(), expected, {1, 2, 31, 87, 95}, "UB.sct");
}

TEST(Pro_Load_UB, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 95u);
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    const Layout layout = ihLayout(names, true, [](int pos) {
        for (int p : BeamShapeSpacers)
            if (p == pos) return std::string("Beam");
        for (int p : EmptyShapeSpacers)
            if (p == pos) return std::string();
        ADD_FAILURE() << "record " << pos << " is not a spacer row";
        return std::string("?");
    });
    expectLayout(recs, layout, "UB.sct");
    EXPECT_EQ(groupsOf(layout.designations).size(), 24u);
    EXPECT_EQ(EmptyShapeSpacers.size() + BeamShapeSpacers.size(), 23u);
}

TEST(Pro_Load_UB, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const IHTolerances tol{1e-3, 1e-3, 1e-3, 1e-3, 1e-3, 1e-3, 1e-3, 5e-5};
    for (const std::vector<int>& group : groupsOf(names)) {
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string where = "UB.sct record " + std::to_string(pos);
            expectIHRules(rec, tol, where);
            expectIHFigures(rec, 5, 5, where);

            const double A = at(rec, 100), D = at(rec, 28), mass = A * 0.00785;
            const double nominal = numbersIn(names[pos - 1]).back();
            if (pos == 87)
                EXPECT_NEAR(mass, 226.52, 0.005) << where << " weighs more than its name says";
            else
                EXPECT_EQ(std::round(mass), nominal) << where << " mass " << mass;

            EXPECT_GE(D, 127.0f);
            EXPECT_LE(D, 926.6f);
            EXPECT_GE(at(rec, 32), 76.0f);
            EXPECT_LE(at(rec, 32), 420.5f);
            EXPECT_GE(at(rec, 36), 4.0f);
            EXPECT_LE(at(rec, 36), 21.4f);
            EXPECT_GE(at(rec, 40), 6.8f);
            EXPECT_LE(at(rec, 40), 36.6f);
            EXPECT_GE(at(rec, 44), 7.6f);
            EXPECT_LE(at(rec, 44), 24.1f);
            // The ratio of plastic to elastic modulus, stated to two decimals.
            const double shapeFactor = std::round(at(rec, 168) / (at(rec, 104) / (D / 2)) * 100) / 100;
            EXPECT_GE(shapeFactor, 1.11) << where;
            EXPECT_LE(shapeFactor, 1.17) << where;
            EXPECT_GE(at(rec, 176), 0.84667f) << where;
            EXPECT_LE(at(rec, 176), 0.89764f) << where;
            EXPECT_GE(at(rec, 180), 16.267f) << where;
            EXPECT_LE(at(rec, 180), 49.785f) << where;
        }
        // One serial size per group, rising in mass.
        const std::vector<double> first = numbersIn(names[group.front() - 1]);
        for (int pos : group) {
            const std::vector<double> n = numbersIn(names[pos - 1]);
            EXPECT_EQ(n[0], first[0]) << pos;
            EXPECT_EQ(n[1], first[1]) << pos;
        }
        expectRising(recs, group, 100, "UB.sct");
    }
}
