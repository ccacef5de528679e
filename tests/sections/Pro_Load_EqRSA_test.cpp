// Equal angle file, RSA series: the published rows as listed, every other row from its outline.
#include "sections/Pro_Load_EqRSA.h"

#include <gtest/gtest.h>

#include <map>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
1 "25 x 25 x 3 RSA"; 2 "25 x 25 x 4 RSA"; 3 "25 x 25 x 5 RSA"; 4 spacer row; 5 "30 x 30 x 3 RSA";
6 "30 x 30 x 4 RSA"; 7 "30 x 30 x 5 RSA"; 8 spacer row; 9 "40 x 40 x 3 RSA"; 10 "40 x 40 x 4 RSA";
11 "40 x 40 x 5 RSA"; 12 "40 x 40 x 6 RSA"; 13 spacer row; 14 "45 x 45 x 3 RSA"; 15 "45 x 45 x 4 RSA";
16 "45 x 45 x 5 RSA"; 17 "45 x 45 x 6 RSA"; 18 spacer row; 19 "50 x 50 x 3 RSA"; 20 "50 x 50 x 4 RSA";
21 "50 x 50 x 5 RSA"; 22 "50 x 50 x 6 RSA"; 23 "50 x 50 x 8 RSA"; 24 spacer row; 25 "60 x 60 x 5 RSA";
26 "60 x 60 x 6 RSA"; 27 "60 x 60 x 8 RSA"; 28 "60 x 60 x 10 RSA"; 29 spacer row; 30 "70 x 70 x 6 RSA";
31 "70 x 70 x 8 RSA"; 32 "70 x 70 x 10 RSA"; 33 spacer row; 34 "80 x 80 x 6 RSA"; 35 "80 x 80 x 8 RSA";
36 "80 x 80 x 10 RSA"; 37 spacer row; 38 "90 x 90 x 6 RSA"; 39 "90 x 90 x 8 RSA"; 40 "90 x 90 x 10 RSA";
41 "90 x 90 x 12 RSA"; 42 spacer row; 43 "100 x 100 x 8 RSA"; 44 "100 x 100 x 10 RSA";
45 "100 x 100 x 12 RSA"; 46 "100 x 100 x 15 RSA"; 47 spacer row; 48 "120 x 120 x 8 RSA";
49 "120 x 120 x 10 RSA"; 50 "120 x 120 x 12 RSA"; 51 "120 x 120 x 15 RSA"; 52 spacer row;
53 "150 x 150 x 10 RSA"; 54 "150 x 150 x 12 RSA"; 55 "150 x 150 x 15 RSA"; 56 "150 x 150 x 18 RSA";
57 spacer row; 58 "200 x 200 x 16 RSA"; 59 "200 x 200 x 18 RSA"; 60 "200 x 200 x 20 RSA";
61 "200 x 200 x 24 RSA"; 62 spacer row; 63 "250 x 250 x 25 RSA"; 64 "250 x 250 x 28 RSA";
65 "250 x 250 x 32 RSA"; 66 "250 x 250 x 35 RSA".
)";

const char* const ListedColumns =
    "no|0|28=32|36=40|44|48|100|104=108|112=116|120=124|128=132|136|140|144|148|152|156|160";
// No. | Designation | D = B | t = T | r1 | r2 | A | Ixx = Iyy | rx = ry | byte 120 = 124 | byte 128 = 132 | Iu | Iv |
//   ru | rv | alpha | J | byte 160
const char* const ListedRows = R"(
| 1 | "25 x 25 x 3 RSA" | 25 | 3 | 3.5 | 2.4 | 141.16 | 7842 | 7.4535 | 7.1775 | 17.823 | 12433 | 3250.7 | 9.385 | 4.7989 | 45.032 | 475.93 | 5.4267 |
| 16 | "45 x 45 x 5 RSA" | 45 | 5 | 7 | 2.4 | 433.04 | 79874 | 13.581 | 12.865 | 32.135 | 126420 | 33311 | 17.086 | 8.7705 | 45 | 4165.7 | 9.3442 |
| 66 | "250 x 250 x 35 RSA" | 250 | 35 | 20 | 4.8 | 16351 | 9.3047e+07 | 75.436 | 75.068 | 174.93 | 1.4723e+08 | 3.8863e+07 | 94.891 | 48.752 | 44.968 | 6768100 | 60.898 |
)";
// clang-format on

// Root radius by leg length; the toe radius is 2.4 mm up to 70 mm legs and 4.8 mm from 80 mm.
const std::map<int, float> RootRadius = {{25, 3.5f}, {30, 5},   {40, 6},   {45, 7},  {50, 7},
                                         {60, 8},    {70, 9},   {80, 10},  {90, 11}, {100, 12},
                                         {120, 13},  {150, 16}, {200, 18}, {250, 20}};

const std::vector<int> Spacers = {4, 8, 13, 18, 24, 29, 33, 37, 42, 47, 52, 57, 62};

std::vector<Image> written() { return writtenRecords(Pro_Load_EqRSA, "EqRSA.sct"); }

} // namespace

TEST(Pro_Load_EqRSA, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(66);
    fillFromTable(expected, ListedColumns, ListedRows);
    setInSectionRows(expected, {{84, 205000}}, "RSA");
    const std::vector<Image> recs = written();
    expectListedRows(recs, expected, {1, 16, 66}, "EqRSA.sct");
    EXPECT_EQ(singleAt(recs[54].data(), 152), 44.955f) << "record 55 keeps its own angle";
}

TEST(Pro_Load_EqRSA, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 66u);
    Layout layout;
    layout.designations = designationsInOrder(DesignationList);
    layout.shape = "RSA";
    layout.spacerShape = [](int) { return std::string(); };
    layout.constants = {{84, 205000}};
    layout.zeros = AngleZeros;
    expectLayout(recs, layout, "EqRSA.sct");
    EXPECT_EQ(spacerPositions(layout.designations), Spacers);
}

TEST(Pro_Load_EqRSA, EveryRowObeysTheOutlineRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const std::vector<std::vector<int>> groups = groupsOf(names);
    ASSERT_EQ(groups.size(), 14u);
    double lastLeg = 0;
    for (const std::vector<int>& group : groups) {
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::uint8_t* r = rec.data();
            const std::string where = "EqRSA.sct record " + std::to_string(pos) + " " + names[pos - 1];
            expectAngleRules(rec, 3e-4, 0.05, where);
            const std::vector<double> n = numbersIn(names[pos - 1]);
            ASSERT_EQ(n.size(), 3u) << where;
            EXPECT_EQ(singleAt(r, 28), static_cast<float>(n[0])) << where;
            EXPECT_EQ(n[1], n[0]) << where;
            EXPECT_EQ(singleAt(r, 36), static_cast<float>(n[2])) << where;
            for (auto [x, y] : {std::pair{28, 32}, {108, 104}, {116, 112}, {124, 120}, {132, 128}}) {
                EXPECT_EQ(singleAt(r, x), singleAt(r, y)) << where << " bytes " << x << ", " << y;
            }
            const int leg = static_cast<int>(n[0]);
            EXPECT_EQ(singleAt(r, 44), RootRadius.at(leg)) << where;
            EXPECT_EQ(singleAt(r, 48), leg <= 70 ? 2.4f : 4.8f) << where;

            // The symmetric outline has its principal axes at 45 degrees; the listed rows keep theirs.
            const float alpha = singleAt(r, 152);
            EXPECT_GE(alpha, 44.955f) << where;
            EXPECT_LE(alpha, 45.036f) << where;
            if (pos == 1) {
                EXPECT_EQ(alpha, 45.032f);
            } else if (pos == 55) {
                EXPECT_EQ(alpha, 44.955f);
            } else if (pos == 66) {
                EXPECT_EQ(alpha, 44.968f);
            } else {
                EXPECT_EQ(alpha, 45.0f) << where;
            }
        }
        EXPECT_GT(at(recs[group.front() - 1], 28), lastLeg);
        lastLeg = at(recs[group.front() - 1], 28);
        expectRising(recs, group, 36, "EqRSA.sct");
    }
}
