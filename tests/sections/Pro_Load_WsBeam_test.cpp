// Wide-flange beam file: the published rows as listed, every other row by the section formulas.
#include "sections/Pro_Load_WsBeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
1 "W 6 x 4 x 9", 2 "W 6 x 4 x 12", 3 "W 6 x 4 x 16", 4 spacer, 5 "W 8 x 5-1/4 x 18", 6 "W 8 x 5-1/4 x 21",
7 spacer, 8 "W 10 x 4 x 15", 9 "W 10 x 4 x 17", 10 "W 10 x 4 x 19", 11 spacer, 12 "W 10 x 5-3/4 x 22",
13 "W 10 x 5-3/4 x 26", 14 "W 10 x 5-3/4 x 30", 15 spacer, 16 "W 12 x 4 x 16", 17 "W 12 x 4 x 19",
18 "W 12 x 4 x 22", 19 spacer, 20 "W 14 x 5 x 22", 21 "W 14 x 5 x 26", 22 spacer, 23 "W 14 x 6-3/4 x 30",
24 "W 14 x 6-3/4 x 34", 25 "W 14 x 6-3/4 x 38", 26 spacer, 27 "W 16 x 5-1/2 x 26", 28 "W 16 x 5-1/2 x 31",
29 spacer, 30 "W 16 x 7 x 36", 31 "W 16 x 7 x 40", 32 "W 16 x 7 x 45", 33 "W 16 x 7 x 50",
34 "W 16 x 7 x 57", 35 spacer, 36 "W 18 x 6 x 35", 37 "W 18 x 6 x 40", 38 "W 18 x 6 x 46", 39 spacer,
40 "W 18 x 7-1/2 x 50", 41 "W 18 x 7-1/2 x 55", 42 "W 18 x 7-1/2 x 60", 43 "W 18 x 7-1/2 x 65",
44 "W 18 x 7-1/2 x 71", 45 spacer, 46 "W 21 x 6-1/2 x 44", 47 "W 21 x 6-1/2 x 50", 48 "W 21 x 6-1/2 x 57",
49 spacer, 50 "W 21 x 8-1/4 x 62", 51 "W 21 x 8-1/4 x 68", 52 "W 21 x 8-1/4 x 73", 53 "W 21 x 8-1/4 x 83",
54 "W 21 x 8-1/4 x 93", 55 spacer, 56 "W21 x 12-1/4 x 101", 57 "W21 x 12-1/4 x 111", 58 "W21 x 12-1/4 x 122",
59 "W21 x 12-1/4 x 132", 60 "W21 x 12-1/4 x 147", 61 "W21 x 12-1/4 x 166", 62 "W21 x 12-1/4 x 182",
63 "W21 x 12-1/4 x 201", 64 "W21 x 12-1/4 x 223", 65 "W21 x 12-1/4 x 248", 66 "W21 x 12-1/4 x 275",
67 spacer, 68 "W24 x 7 x 55", 69 "W24 x 7 x 62", 70 spacer, 71 "W24 x 9 x 68", 72 "W24 x 9 x 76",
73 "W24 x 9 x 84", 74 "W24 x 9 x 94", 75 "W24 x 9 x 103", 76 "W24 x 9 x 114", 77 "W24 x 9 x 128",
78 "W24 x 9 x 146", 79 "W24 x 9 x 163", 80 "W24 x 9 x 181", 81 "W24 x 9 x 198", 82 "W24 x 9 x 218",
83 "W24 x 9 x 239", 84 spacer, 85 "W24 x 12-3/4 x 104", 86 "W24 x 12-3/4 x 117", 87 "W24 x 12-3/4 x 131",
88 "W24 x 12-3/4 x 146", 89 "W24 x 12-3/4 x 162", 90 "W24 x 12-3/4 x 176", 91 "W24 x 12-3/4 x 192",
92 "W24 x 12-3/4 x 207", 93 "W24 x 12-3/4 x 229", 94 "W24 x 12-3/4 x 250", 95 "W24 x 12-3/4 x 279",
96 "W24 x 12-3/4 x 306", 97 spacer, 98 "W27 x 10 x 84", 99 "W27 x 10 x 94", 100 "W27 x 10 x 102",
101 "W27 x 10 x 114", 102 "W27 x 10 x 129", 103 "W27 x 10 x 143", 104 "W27 x 10 x 159", 105 "W27 x 10 x 182",
106 "W27 x 10 x 201", 107 "W27 x 10 x 221", 108 "W27 x 10 x 247", 109 "W27 x 10 x 271", 110 "W27 x 10 x 302",
111 spacer, 112 "W27 x 14 x 146", 113 "W27 x 14 x 161", 114 "W27 x 14 x 178", 115 "W27 x 14 x 194",
116 "W27 x 14 x 217", 117 "W27 x 14 x 235", 118 "W27 x 14 x 258", 119 "W27 x 14 x 281", 120 "W27 x 14 x 307",
121 "W27 x 14 x 336", 122 spacer, 123 "W30 x 10-1/2 x 90", 124 "W30 x 10-1/2 x 99", 125 "W30 x 10-1/2 x 108",
126 "W30 x 10-1/2 x 116", 127 "W30 x 10-1/2 x 124", 128 "W30 x 10-1/2 x 132", 129 "W30 x 10-1/2 x 148",
130 "W30 x 10-1/2 x 165", 131 "W30 x 10-1/2 x 185", 132 "W30 x 10-1/2 x 207", 133 "W30 x 10-1/2 x 226",
134 "W30 x 10-1/2 x 246", 135 "W30 x 10-1/2 x 269", 136 "W30 x 10-1/2 x 295", 137 spacer,
138 "W30 x 15 x 173", 139 "W30 x 15 x 191", 140 "W30 x 15 x 211", 141 "W30 x 15 x 235", 142 "W30 x 15 x 261",
143 "W30 x 15 x 292", 144 "W30 x 15 x 326", 145 "W30 x 15 x 357", 146 spacer, 147 "W33 x 11-1/2 x 118",
148 "W33 x 11-1/2 x 130", 149 "W33 x 11-1/2 x 141", 150 "W33 x 11-1/2 x 152", 151 "W33 x 11-1/2 x 169",
152 "W33 x 11-1/2 x 187", 153 "W33 x 11-1/2 x 204", 154 "W33 x 11-1/2 x 219", 155 "W33 x 11-1/2 x 243",
156 "W33 x 11-1/2 x 271", 157 "W33 x 11-1/2 x 301", 158 "W33 x 11-1/2 x 332", 159 "W33 x 11-1/2 x 361",
160 spacer, 161 "W33 x 15-3/4 x 201", 162 "W33 x 15-3/4 x 221", 163 "W33 x 15-3/4 x 241",
164 "W33 x 15-3/4 x 263", 165 "W33 x 15-3/4 x 291", 166 "W33 x 15-3/4 x 318", 167 "W33 x 15-3/4 x 354",
168 "W33 x 15-3/4 x 387", 169 "W33 x 15-3/4 x 424", 170 "W33 x 15-3/4 x 468", 171 spacer,
172 "W36 x 12 x 135", 173 "W36 x 12 x 150", 174 "W36 x 12 x 160", 175 "W36 x 12 x 170", 176 "W36 x 12 x 182",
177 "W36 x 12 x 194", 178 "W36 x 12 x 210", 179 "W36 x 12 x 232", 180 "W36 x 12 x 256", 181 "W36 x 12 x 286",
182 "W36 x 12 x 318", 183 "W36 x 12 x 350", 184 "W36 x 12 x 387", 185 spacer, 186 "W36 x 16-1/2 x 230",
187 "W36 x 16-1/2 x 245", 188 "W36 x 16-1/2 x 260", 189 "W36 x 16-1/2 x 280", 190 "W36 x 16-1/2 x 300",
191 "W36 x 16-1/2 x 328", 192 "W36 x 16-1/2 x 359", 193 spacer, 194 "W40 x 12 x 149", 195 "W40 x 12 x 167",
196 "W40 x 12 x 183", 197 "W40 x 12 x 211", 198 "W40 x 12 x 235", 199 "W40 x 12 x 264", 200 "W40 x 12 x 294",
201 "W40 x 12 x 327", 202 "W40 x 12 x 359", 203 spacer, 204 spacer, 205 spacer, 206 spacer, 207 spacer,
208 spacer
)";

const char* const ListedColumns =
    "no|0|28|32|36|40|44|52|56|84|100|104|108|112|116|128|132|156|160|168|172|176|180|184";
// Row | Designation | D | B | t | T | r1 | b | d | E | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 | J | byte 160 |
//   Sx | Sy | u | x | H
const char* const ListedRows = R"(
| 1 | "W 6 x 4 x 9" | 150 | 100 | 4.3 | 5.5 | 6.3 | 50 | 126.4 | 205000 | 1731.77 | 6865220 | 918066 | 62.9625 | 23.0246 | 50 | 75 | 16997.2 | 11.1847 | 102793 | 28218.5 | 0.87445 | 26.106 | 4.79236e+09 |
| 54 | "W 21 x 8-1/4 x 93" | 549.1 | 213.9 | 14.7 | 23.6 | 12.7 | 106.95 | 476.5 | 205000 | 17612.5 | 8.60879e+08 | 3.8642e+07 | 221.086 | 46.8403 | 106.95 | 274.55 | 2502810 | 41.259 | 3616480 | 568025 | 0.87393 | 24.9508 | 2.66775e+12 |
| 56 | "W21 x 12-1/4 x 101" | 542.5 | 312.2 | 12.7 | 20.3 | 12.7 | 156.1 | 476.5 | 205000 | 19187.9 | 1.00688e+09 | 1.03052e+08 | 229.074 | 73.285 | 156.1 | 271.25 | 2163150 | 35.7916 | 4146850 | 1010430 | 0.88556 | 27.8371 | 7.0254e+12 |
| 168 | "W33 x 15-3/4 x 387" | 913 | 411 | 32 | 57.9 | 17.8 | 205.5 | 761.6 | 205000 | 73376.2 | 1.01068e+10 | 6.72254e+08 | 371.133 | 95.717 | 205.5 | 456.5 | 6.12632e+07 | 101.729 | 2.55571e+07 | 5098710 | 0.88718 | 16.7498 | 1.22887e+14 |
| 169 | "W33 x 15-3/4 x 424" | 923 | 414 | 35.1 | 63 | 17.6 | 207 | 761.8 | 205000 | 80404.6 | 1.11846e+10 | 7.48056e+08 | 372.966 | 96.4554 | 207 | 461.5 | 7.92814e+07 | 112.436 | 2.81271e+07 | 5649130 | 0.88649 | 15.5014 | 1.38316e+14 |
| 170 | "W33 x 15-3/4 x 468" | 935 | 418 | 38.6 | 69.1 | 17.6 | 209 | 761.6 | 205000 | 88790 | 1.25199e+10 | 8.45081e+08 | 375.507 | 97.559 | 209 | 467.5 | 1.04995e+08 | 125.354 | 3.12614e+07 | 6338650 | 0.88617 | 14.2522 | 1.58407e+14 |
| 202 | "W40 x 12 x 359" | 1046 | 311.4 | 33 | 58.9 | 29 | 155.7 | 870.2 | 205000 | 68035.4 | 1.12966e+10 | 2.9961e+08 | 407.48 | 66.3607 | 155.7 | 523 | 5.54822e+07 | 100.287 | 2.55902e+07 | 3120390 | 0.86713 | 19.5645 | 7.29826e+13 |
)";
// clang-format on

std::vector<Image> written() { return writtenRecords(Pro_Load_WsBeam, "WsBeam.sct"); }

} // namespace

TEST(Pro_Load_WsBeam, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(208);
    fillFromTable(expected, ListedColumns, ListedRows);
    setInSectionRows(expected, {}, "Beam");
    numberByPosition(expected);
    for (int pos = 203; pos <= 208; ++pos)
        putString(expected[pos - 1], 0, std::string(25, ' '));
    expectListedRows(written(), expected, {1, 54, 56, 168, 169, 170, 202, 203, 204, 205, 206, 207, 208},
                     "WsBeam.sct");
}

TEST(Pro_Load_WsBeam, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 208u);
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    expectLayout(recs, ihLayout(names, false, [](int) { return std::string(); }), "WsBeam.sct");
    // Six spacer rows close the file; the others stand between groups.
    for (int pos = 202; pos <= 208; ++pos)
        EXPECT_EQ(names[pos - 1].empty(), pos > 202) << pos;
    for (int pos = 1; pos <= 202; ++pos) {
        if (names[pos - 1].empty()) continue;
        EXPECT_EQ(names[pos - 1][1] == ' ', pos <= 54) << pos << " " << names[pos - 1];
    }
}

TEST(Pro_Load_WsBeam, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const IHTolerances tol{1e-5, 1e-5, 1e-5, 1e-5, 1e-4, 1e-4, 1e-5, 5e-5};
    const NominalRanges nominal{-1.80, 3.82, -0.19, 0.78, -0.022, 0.016};
    const std::vector<std::vector<int>> groups = groupsOf(names);
    const std::vector<std::size_t> sizes = {3,  2, 3,  3,  3,  2,  3,  2, 5,  3,  5,  3, 5,
                                            11, 2, 13, 12, 13, 10, 14, 8, 13, 10, 13, 7, 9};
    ASSERT_EQ(groups.size(), sizes.size());
    const std::vector<int> narrower = {61, 75, 90, 102, 115, 129, 141, 151, 164, 179, 191};
    const std::vector<int> sameWidth = {3, 195, 196, 197};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::vector<int>& group = groups[g];
        EXPECT_EQ(group.size(), sizes[g]) << "group " << g + 1;
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string where = "WsBeam.sct record " + std::to_string(pos) + " " + names[pos - 1];
            expectWideFlangeRow(rec, names[pos - 1], names[group.front() - 1], tol, nominal, where);
            const float r1 = pos == 169 || pos == 170 ? 17.6f : at(recs[group.front() - 1], 44);
            EXPECT_EQ(at(rec, 44), r1) << where << " root radius";
        }
        EXPECT_LE(spreadOver(recs, group, 56), 0.6 + 1e-4) << "group " << g + 1;
        for (int off : {28, 40, 100, 104, 108, 168, 172, 156, 184, 160})
            expectRising(recs, group, off, "WsBeam.sct");
        for (std::size_t k = 1; k < group.size(); ++k) {
            const int pos = group[k];
            const Image& a = recs[group[k - 1] - 1];
            const Image& b = recs[pos - 1];
            EXPECT_LE(at(a, 36), at(b, 36)) << "t falls at " << pos;
            if (std::count(narrower.begin(), narrower.end(), pos)) {
                EXPECT_LT(at(b, 32), at(a, 32)) << "B at " << pos;
            } else if (std::count(sameWidth.begin(), sameWidth.end(), pos)) {
                EXPECT_EQ(at(b, 32), at(a, 32)) << "B at " << pos;
            } else {
                EXPECT_GT(at(b, 32), at(a, 32)) << "B at " << pos;
            }
        }
    }
    EXPECT_EQ(at(recs[0], 44), 6.3f);
    EXPECT_EQ(at(recs[201], 44), 29.0f);
    EXPECT_EQ(at(recs[160], 44), 17.8f);
    EXPECT_EQ(at(recs[194], 36), 16.5f);
    EXPECT_EQ(at(recs[195], 36), 16.5f);
}
