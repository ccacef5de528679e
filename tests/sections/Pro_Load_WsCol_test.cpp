// Wide-flange column file: the published rows as listed, every other row by the section formulas.
#include "sections/Pro_Load_WsCol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
1 "W 6 x 6 x 15", 2 "W 6 x 6 x 20", 3 "W 6 x 6 x 25", 4 spacer, 5 "W 8 x 8 x 31", 6 "W 8 x 8 x 35",
7 "W 8 x 8 x 40", 8 "W 8 x 8 x 48", 9 "W 8 x 8 x 58", 10 "W 8 x 8 x 67", 11 spacer, 12 "W 10 x 10 x 49",
13 "W 10 x 10 x 54", 14 "W 10 x 10 x 60", 15 "W 10 x 10 x 68", 16 "W 10 x 10 x 72", 17 "W 10 x 10 x 77",
18 "W 10 x 10 x 88", 19 "W 10 x 10 x 100", 20 "W 10 x 10 x 112", 21 spacer, 22 "W 12 x 12 x 65",
23 "W 12 x 12 x 72", 24 "W 12 x 12 x 79", 25 "W 12 x 12 x 87", 26 "W 12 x 12 x 92", 27 "W 12 x 12 x 96",
28 "W 12 x 12 x 106", 29 "W 12 x 12 x 120", 30 "W 12 x 12 x 136", 31 "W 12 x 12 x 152", 32 "W 12 x 12 x 170",
33 "W 12 x 12 x 190", 34 "W 12 x 12 x 210", 35 "W 12 x 12 x 230", 36 "W 12 x 12 x 252", 37 "W 12 x 12 x 279",
38 "W 12 x 12 x 305", 39 "W 12 x 12 x 336", 40 spacer, 41 "W14 x 14-1/2 x 90", 42 "W14 x 14-1/2 x 99",
43 "W14 x 14-1/2 x 109", 44 "W14 x 14-1/2 x 120", 45 "W14 x 14-1/2 x 132", 46 spacer, 47 "W14 x 16 x 145",
48 "W 14 x 16 x 159", 49 "W 14 x 16 x 176", 50 "W 14 x 16 x 193", 51 "W 14 x 16 x 211", 52 "W 14 x 16 x 219",
53 "W 14 x 16 x 233", 54 "W 14 x 16 x 257", 55 "W 14 x 16 x 283", 56 "W 14 x 16 x 311", 57 "W 14 x 16 x 342",
58 "W 14 x 16 x 370", 59 "W 14 x 16 x 398", 60 "W 14 x 16 x 426", 61 "W 14 x 16 x 455", 62 "W 14 x 16 x 500",
63 "W 14 x 16 x 550", 64 "W 14 x 16 x 605", 65 "W 14 x 16 x 665", 66 "W 14 x 16 x 730"
)";

const char* const ListedColumns =
    "no|0|28|32|36|40|44|52|56|84|100|104|108|112|116|128|132|156|160|168|172|176|180|184";
// Row | Designation | D | B | t | T | r1 | b | d | E | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 | J | byte 160 |
//   Sx | Sy | u | x | H
const char* const ListedRows = R"(
| 1 | "W 6 x 6 x 15" | 152.1 | 152.1 | 5.8 | 6.6 | 8 | 76.05 | 122.9 | 205000 | 2868.28 | 1.21802e+07 | 3874210 | 65.1653 | 36.752 | 76.05 | 76.05 | 44022.1 | 14.0199 | 178206 | 77674.4 | 0.83979 | 21.0211 | 2.05045e+10 |
| 27 | "W 12 x 12 x 96" | 322.8 | 308.8 | 14 | 22.9 | 15 | 154.4 | 247 | 205000 | 18214.2 | 3.4695e+08 | 1.12473e+08 | 138.016 | 78.5812 | 154.4 | 161.4 | 2862820 | 40.2696 | 2420450 | 1106770 | 0.85355 | 13.5394 | 2.52894e+12 |
| 41 | "W14 x 14-1/2 x 90" | 356.1 | 368.8 | 11.2 | 18 | 15.2 | 184.4 | 289.7 | 205000 | 17060.2 | 4.15263e+08 | 1.5054e+08 | 156.016 | 93.9364 | 184.4 | 178.05 | 1683000 | 32.7654 | 2566630 | 1235280 | 0.84294 | 19.2669 | 4.30213e+12 |
| 47 | "W14 x 16 x 145" | 375.4 | 393.7 | 17.3 | 27.7 | 15.2 | 196.85 | 289.6 | 205000 | 27545.3 | 7.12712e+08 | 2.81893e+08 | 160.855 | 101.162 | 196.85 | 187.7 | 6326300 | 48.4999 | 4271910 | 2172410 | 0.83281 | 12.9858 | 8.51989e+12 |
| 48 | "W 14 x 16 x 159" | 380.4 | 395.4 | 18.9 | 30.2 | 15.2 | 197.7 | 289.6 | 205000 | 30128.5 | 7.90518e+08 | 3.11361e+08 | 161.982 | 101.659 | 197.7 | 190.2 | 8199440 | 52.8286 | 4703290 | 2391210 | 0.83313 | 12.0152 | 9.54634e+12 |
| 66 | "W 14 x 16 x 730" | 569.4 | 454.4 | 78 | 125 | 15.2 | 227.2 | 289 | 205000 | 138711 | 5.97332e+09 | 1.96766e+09 | 207.516 | 119.102 | 227.2 | 284.7 | 6.05875e+08 | 286.029 | 2.72876e+07 | 1.33985e+07 | 0.85147 | 3.80588 | 9.7149e+13 |
)";
// clang-format on

std::vector<Image> written() { return writtenRecords(Pro_Load_WsCol, "WsCol.sct"); }

} // namespace

TEST(Pro_Load_WsCol, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(66);
    fillFromTable(expected, ListedColumns, ListedRows);
    setInSectionRows(expected, {}, "Beam");
    expectListedRows(written(), expected, {1, 27, 41, 47, 48, 66}, "WsCol.sct");
}

TEST(Pro_Load_WsCol, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 66u);
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    expectLayout(recs, ihLayout(names, false, [](int) { return std::string(); }), "WsCol.sct");
    for (int pos = 1; pos <= 66; ++pos) {
        if (names[pos - 1].empty()) continue;
        const bool joined = (pos >= 41 && pos <= 45) || pos == 47;
        EXPECT_EQ(names[pos - 1][1] == ' ', !joined) << pos << " " << names[pos - 1];
    }
    EXPECT_EQ(spacerPositions(names), (std::vector<int>{4, 11, 21, 40, 46}));
}

TEST(Pro_Load_WsCol, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const IHTolerances tol{1e-5, 1e-5, 1e-5, 1e-5, 5e-5, 5e-5, 1e-5, 5e-5};
    const NominalRanges nominal{-0.02, 8.42, -0.50, 1.89, -0.0035, 0.0087};
    const std::vector<std::vector<int>> groups = groupsOf(names);
    const std::vector<std::size_t> sizes = {3, 6, 9, 18, 5, 20};
    const std::vector<float> rootRadii = {8, 10, 12.7f, 15, 15.2f, 15.2f};
    ASSERT_EQ(groups.size(), sizes.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::vector<int>& group = groups[g];
        EXPECT_EQ(group.size(), sizes[g]) << "group " << g + 1;
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string where = "WsCol.sct record " + std::to_string(pos) + " " + names[pos - 1];
            expectWideFlangeRow(rec, names[pos - 1], names[group.front() - 1], tol, nominal, where);
            EXPECT_EQ(at(rec, 44), rootRadii[g]) << where << " root radius";
            if (g == 0) {
                EXPECT_EQ(at(rec, 56), 122.9f) << where;
            }
            if (g == 5) {
                EXPECT_GE(at(rec, 56), 289.0f) << where;
                EXPECT_LE(at(rec, 56), 290.3f) << where;
            }
        }
        EXPECT_LE(spreadOver(recs, group, 56), 1.3 + 1e-4) << "group " << g + 1;
        for (int off : {28, 36, 40, 100, 104, 108, 168, 172, 156, 160})
            expectRising(recs, group, off, "WsCol.sct");
        for (std::size_t k = 1; k < group.size(); ++k) {
            const int pos = group[k];
            const double before = at(recs[group[k - 1] - 1], 32), B = at(recs[pos - 1], 32);
            if (pos == 27) {
                EXPECT_LT(B, before) << "B at " << pos;
            } else if (pos == 17) {
                EXPECT_EQ(B, before) << "B at " << pos;
            } else {
                EXPECT_GE(B, before) << "B at " << pos;
            }
        }
    }
    EXPECT_EQ(at(recs[15], 32), 258.8f);
    EXPECT_EQ(at(recs[26], 32), 308.8f);
    EXPECT_EQ(at(recs[25], 32), 309.2f);
}
