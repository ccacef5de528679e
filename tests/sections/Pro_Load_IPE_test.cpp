// IPE beam file: the published rows as listed, every other row by the section formulas.
#include "sections/Pro_Load_IPE.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
1 "IPE 100 A", 2 "IPE 100", 3 spacer, 4 "IPE 120 A", 5 "IPE 120", 6 spacer, 7 "IPE 140 A", 8 "IPE 140",
9 "IPE 140 R", 10 spacer, 11 "IPE 160 A", 12 "IPE 160", 13 "IPE 160 R", 14 spacer, 15 "IPE 180 A",
16 "IPE 180", 17 "IPE 180 O", 18 "IPE 180 R", 19 spacer, 20 "IPE 200 A", 21 "IPE 200", 22 "IPE 200 O",
23 "IPE 200 R", 24 spacer, 25 "IPE 220 A", 26 "IPE 220", 27 "IPE 220 O", 28 "IPE 220 R", 29 spacer,
30 "IPE 240 A", 31 "IPE 240", 32 "IPE 240 O", 33 "IPE 240 R", 34 spacer, 35 "IPE 270 A", 36 "IPE 270",
37 "IPE 270 O", 38 "IPE 270 R", 39 spacer, 40 "IPE 300 A", 41 "IPE 300", 42 "IPE 300 O", 43 "IPE 300 R",
44 spacer, 45 "IPE 330 A", 46 "IPE 330", 47 "IPE 330 O", 48 "IPE 330 R", 49 spacer, 50 "IPE 360 A",
51 "IPE 360", 52 "IPE 360 O", 53 "IPE 360 R", 54 spacer, 55 "IPE 400 A", 56 "IPE 400", 57 "IPE 400 O",
58 "IPE 400 R", 59 "IPE 400 V", 60 spacer, 61 "IPE 450 A", 62 "IPE 450", 63 "IPE 450 O", 64 "IPE 450 R",
65 "IPE 450 V", 66 spacer, 67 "IPE 500 A", 68 "IPE 500", 69 "IPE 500 O", 70 "IPE 500 R", 71 "IPE 500 V",
72 spacer, 73 "IPE 550 A", 74 "IPE 550", 75 "IPE 550 O", 76 "IPE 550 R", 77 "IPE 550 V", 78 spacer,
79 "IPE 600 A", 80 "IPE 600", 81 "IPE 600 O", 82 "IPE 600 R", 83 "IPE 600 V", 84 spacer, 85 "IPE 750 x 137",
86 "IPE 750 x 147", 87 "IPE 750 x 161", 88 "IPE 750 x 173", 89 "IPE 750 x 185", 90 "IPE 750 x 196",
91 "IPE 750 x 210", 92 "IPE 750 x 222"
)";

const char* const ListedColumns =
    "no|0|28|32|36|40|44|52|56|80|84|100|104|108|112|116|128|132|156|160|168|172|176|180|184";
// Row | Designation | D | B | t | T | r1 | b | d | grade | E | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 | J |
//   byte 160 | Sx | Sy | u | x | H
const char* const ListedRows = R"(
| 1 | "IPE 100 A" | 98 | 55 | 3.6 | 4.7 | 7 | 27.5 | 74.6 | 43 | 205000 | 878.02 | 1411600 | 131220 | 40.096 | 12.225 | 27.5 | 49 | 7270 | 10.192 | 33238 | 7474.5 | 0.87911 | 18.352 | 2.8556e+08 |
| 50 | "IPE 360 A" | 357.6 | 170 | 6.6 | 11.5 | 18 | 85 | 298.6 | 43 | 205000 | 6396.5 | 1.4516e+08 | 9442700 | 150.64 | 38.422 | 85 | 178.8 | 273680 | 24.082 | 911070 | 170740 | 0.8921 | 29.948 | 2.8277e+11 |
| 81 | "IPE 600 O" | 610 | 224 | 15 | 24 | 24 | 112 | 514 | 43 | 205000 | 19676 | 1.183e+09 | 4.5208e+07 | 245.2 | 47.933 | 112 | 305 | 3163900 | 44.997 | 4485500 | 637440 | 0.87351 | 26.156 | 3.881e+12 |
| 82 | "IPE 600 R" | 608 | 218 | 14 | 23 | 24 | 109 | 514 | 43 | 205000 | 18390 | 1.1031e+09 | 3.9928e+07 | 244.91 | 46.596 | 109 | 304 | 2705500 | 43.293 | 4188900 | 577530 | 0.87436 | 27.299 | 3.4161e+12 |
| 85 | "IPE 750 x 137" | 753 | 263 | 11.5 | 17 | 17 | 131.5 | 685 | 43 | 205000 | 17459 | 1.5988e+09 | 5.1659e+07 | 302.61 | 54.396 | 131.5 | 376.5 | 1354800 | 32.474 | 4870300 | 613140 | 0.86354 | 47.289 | 6.9958e+12 |
| 86 | "IPE 750 x 147" | 753 | 265 | 13.2 | 17 | 17 | 132.5 | 685 | 43 | 205000 | 18749 | 1.6606e+09 | 5.2894e+07 | 297.61 | 53.115 | 132.5 | 376.5 | 1571000 | 33.545 | 5115000 | 629880 | 0.85408 | 45.509 | 7.1632e+12 |
| 92 | "IPE 750 x 222" | 778 | 269 | 17 | 29.5 | 17 | 134.5 | 685 | 43 | 205000 | 28342 | 2.7821e+09 | 9.6038e+07 | 313.3 | 58.211 | 134.5 | 389 | 6013500 | 50.827 | 8233300 | 1121400 | 0.87332 | 29.084 | 1.3451e+13 |
)";
// clang-format on

// Root radius by nominal depth.
const std::map<int, float> RootRadius = {{100, 7},  {120, 7},  {140, 7},  {160, 9},  {180, 9},  {200, 12},
                                         {220, 12}, {240, 15}, {270, 15}, {300, 15}, {330, 18}, {360, 18},
                                         {400, 21}, {450, 21}, {500, 21}, {550, 24}, {600, 24}, {750, 17}};

const std::vector<int> Spacers = {3, 6, 10, 14, 19, 24, 29, 34, 39, 44, 49, 54, 60, 66, 72, 78, 84};

std::vector<Image> written() { return writtenRecords(Pro_Load_IPE, "IPE.sct"); }

} // namespace

TEST(Pro_Load_IPE, WritesThePublishedRowsAsListed) {
    std::vector<Image> expected = blankRecords(92);
    fillFromTable(expected, ListedColumns, ListedRows);
    setInSectionRows(expected, {}, "Beam");
    expectListedRows(written(), expected, {1, 50, 81, 82, 85, 86, 92}, "IPE.sct");
}

TEST(Pro_Load_IPE, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 92u);
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    expectLayout(recs, ihLayout(names, true, [](int) { return std::string("Beam"); }), "IPE.sct");
    EXPECT_EQ(spacerPositions(names), Spacers);
}

TEST(Pro_Load_IPE, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const IHTolerances tol{1e-4, 1e-4, 1e-4, 1e-4, 2e-4, 4e-4, 1e-4, 5e-5};
    const std::vector<std::vector<int>> groups = groupsOf(names);
    ASSERT_EQ(groups.size(), 18u);
    for (const std::vector<int>& group : groups) {
        const int nominal = static_cast<int>(numbersIn(names[group.front() - 1]).front());
        const Image* plain = nullptr; // the row without a letter
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string& name = names[pos - 1];
            const std::string where = "IPE.sct record " + std::to_string(pos);
            expectIHRules(rec, tol, where);
            expectIHFigures(rec, 5, 5, where);
            EXPECT_EQ(numbersIn(name).front(), nominal) << where;
            EXPECT_EQ(at(rec, 44), RootRadius.at(nominal)) << where;
            const double D = at(rec, 28);
            if (pos != 50) {
                EXPECT_EQ(D, std::round(D)) << where << ": a whole depth";
            }
            if (nominal == 750) {
                const double mass = at(rec, 100) * 7.85e-3, named = numbersIn(name).back();
                EXPECT_LE(std::fabs(mass - named), 0.005 * named) << where;
                continue;
            }
            const char letter = name.back();
            if (name == "IPE " + std::to_string(nominal)) {
                EXPECT_EQ(D, nominal) << where;
                plain = &rec;
            } else if (letter == 'A') {
                EXPECT_LT(D, nominal) << where;
            } else {
                EXPECT_TRUE(letter == 'O' || letter == 'R' || letter == 'V') << where;
                EXPECT_GT(D, nominal) << where;
            }
        }
        if (nominal != 750) {
            ASSERT_NE(plain, nullptr) << nominal;
            EXPECT_EQ(at(recs[group.front() - 1], 32), at(*plain, 32))
                << "the A row is as wide as IPE " << nominal;
        }
        // D, A, Ixx, Sx and J rise, but for "IPE 600 O" before "IPE 600 R" and the equal depths at 753.
        for (std::size_t k = 1; k < group.size(); ++k) {
            const Image& a = recs[group[k - 1] - 1];
            const Image& b = recs[group[k] - 1];
            if (group[k] == 82) {
                EXPECT_GT(at(a, 28), at(b, 28));
                EXPECT_GT(at(a, 100), at(b, 100));
                continue;
            }
            for (int off : {28, 100, 104, 168, 156}) {
                if (group[k] == 86 && off == 28) {
                    EXPECT_EQ(at(a, off), at(b, off));
                } else {
                    EXPECT_LT(at(a, off), at(b, off)) << "byte " << off << " record " << group[k];
                }
            }
        }
    }
}
