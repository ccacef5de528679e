// Unequal angle file, RSA series: every record as published, and the outline rules it obeys.
#include "sections/Pro_Load_UnEqRSA.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
1 spacer row; 2 spacer row; 3 spacer row; 4 "40 x 25 x 4 RSA"; 5 spacer row; 6 "60 x 30 x 5 RSA";
7 "60 x 30 x 6 RSA"; 8 spacer row; 9 "65 x 50 x 5 RSA"; 10 "65 x 50 x 6 RSA"; 11 "65 x 50 x 8 RSA";
12 spacer row; 13 "75 x 50 x 6 RSA"; 14 "75 x 50 x 8 RSA"; 15 spacer row; 16 "100 x 65 x 7 RSA";
17 "100 x 65 x 8 RSA"; 18 "100 x 65 x 10 RSA"; 19 spacer row; 20 "100 x 75 x 8 RSA"; 21 "100 x 75 x 10 RSA";
22 "100 x 75 x 12 RSA"; 23 spacer row; 24 "125 x 75 x 8 RSA"; 25 "125 x 75 x 10 RSA"; 26 "125 x 75 x 12 RSA";
27 spacer row; 28 "150 x 75 x 10 RSA"; 29 "150 x 75 x 12 RSA"; 30 "150 x 75 x 15 RSA"; 31 spacer row;
32 "150 x 90 x 10 RSA"; 33 "150 x 90 x 12 RSA"; 34 "150 x 90 x 15 RSA"; 35 spacer row;
36 "200 x 100 x 10 RSA"; 37 "200 x 100 x 12 RSA"; 38 "200 x 100 x 15 RSA"; 39 spacer row; 40 spacer row;
41 "200 x 150 x 12 RSA"; 42 "200 x 150 x 15 RSA"; 43 "200 x 100 x 15 RSA".
)";

const char* const Columns =
    "no|0|28|32|36=40|44|48|100|104|108|112|116|120|124|128|132|136|140|144|148|152|156|160";
// No. | Designation | D | B | t = T | r1 | r2 | A | Ixx | Iyy | rx | ry | byte 120 | byte 124 | byte 128 | byte 132 |
//   Iu | Iv | ru | rv | alpha | J | byte 160
const char* const Rows = R"(
| 4 | "40 x 25 x 4 RSA" | 40 | 25 | 4 | 4 | 2.4 | 244.96 | 38610 | 11495 | 12.554 | 6.8503 | 13.601 | 6.2062 | 18.794 | 26.399 | 43200 | 6924.8 | 13.28 | 5.3169 | 20.82 | 1417.4 | 7.0992 |
| 6 | "60 x 30 x 5 RSA" | 60 | 30 | 5 | 6 | 2.4 | 430.25 | 156700 | 26362 | 19.084 | 7.8276 | 21.574 | 6.8437 | 23.156 | 38.426 | 166060 | 17191 | 19.646 | 6.3209 | 14.417 | 3977.7 | 9.1046 |
| 7 | "60 x 30 x 6 RSA" | 60 | 30 | 6 | 6 | 2.4 | 509.25 | 183050 | 30531 | 18.959 | 7.7429 | 22.01 | 7.2371 | 22.763 | 37.991 | 193640 | 20136 | 19.5 | 6.2881 | 14.212 | 6635.4 | 10.624 |
| 9 | "65 x 50 x 5 RSA" | 65 | 50 | 5 | 6 | 2.4 | 555.25 | 233290 | 120300 | 20.498 | 14.719 | 19.971 | 12.575 | 37.425 | 45.029 | 289870 | 63763 | 22.848 | 10.716 | 29.994 | 5019.4 | 9.1519 |
| 10 | "65 x 50 x 6 RSA" | 65 | 50 | 6 | 6 | 2.4 | 659.25 | 273780 | 140710 | 20.379 | 14.609 | 20.382 | 12.97 | 37.03 | 44.618 | 339680 | 74852 | 22.699 | 10.656 | 29.897 | 8435.3 | 10.693 |
| 11 | "65 x 50 x 8 RSA" | 65 | 50 | 8 | 6 | 2.4 | 861.25 | 349230 | 178270 | 20.137 | 14.387 | 21.164 | 13.731 | 36.269 | 43.836 | 431330 | 96211 | 22.379 | 10.569 | 29.653 | 19139 | 13.895 |
| 13 | "75 x 50 x 6 RSA" | 75 | 50 | 6 | 7 | 2.4 | 722.04 | 409310 | 146400 | 23.809 | 14.239 | 24.441 | 12.123 | 37.877 | 50.559 | 471130 | 84762 | 25.544 | 10.835 | 23.484 | 9414.6 | 10.917 |
| 14 | "75 x 50 x 8 RSA" | 75 | 50 | 8 | 7 | 2.4 | 944.04 | 524030 | 185660 | 23.56 | 14.024 | 25.257 | 12.896 | 37.104 | 49.743 | 601120 | 108730 | 25.234 | 10.732 | 23.26 | 21300 | 14.029 |
| 16 | "100 x 65 x 7 RSA" | 100 | 65 | 7 | 10 | 4.8 | 1117.6 | 1127100 | 376810 | 31.758 | 18.362 | 32.303 | 15.139 | 49.861 | 67.697 | 1283800 | 220830 | 33.894 | 14.057 | 22.468 | 20577 | 13.218 |
| 17 | "100 x 65 x 8 RSA" | 100 | 65 | 8 | 10 | 4.8 | 1267.6 | 1270100 | 423330 | 31.654 | 18.275 | 32.756 | 15.552 | 49.448 | 67.244 | 1445600 | 248470 | 33.771 | 14.001 | 22.483 | 29937 | 14.707 |
| 18 | "100 x 65 x 10 RSA" | 100 | 65 | 10 | 10 | 4.8 | 1561.6 | 1542500 | 510800 | 31.429 | 18.086 | 33.607 | 16.347 | 48.653 | 66.393 | 1752000 | 302040 | 33.495 | 13.908 | 22.262 | 56199 | 17.757 |
| 20 | "100 x 75 x 8 RSA" | 100 | 75 | 8 | 10 | 4.8 | 1347.6 | 1332700 | 642120 | 31.448 | 21.829 | 31.049 | 18.748 | 56.252 | 68.951 | 1628100 | 347110 | 34.758 | 16.049 | 28.681 | 31644 | 14.725 |
| 21 | "100 x 75 x 10 RSA" | 100 | 75 | 10 | 10 | 4.8 | 1661.6 | 1620200 | 777290 | 31.227 | 21.629 | 31.885 | 19.546 | 55.454 | 68.115 | 1975400 | 422430 | 34.48 | 15.945 | 28.53 | 59532 | 17.785 |
| 22 | "100 x 75 x 12 RSA" | 100 | 75 | 12 | 10 | 4.8 | 1967.6 | 1890500 | 902950 | 30.997 | 21.422 | 32.679 | 20.315 | 54.685 | 67.321 | 2298400 | 495420 | 34.178 | 15.868 | 28.417 | 99828 | 20.938 |
| 24 | "125 x 75 x 8 RSA" | 125 | 75 | 8 | 11 | 4.8 | 1552.1 | 2485300 | 681220 | 40.016 | 20.95 | 41.408 | 16.826 | 58.174 | 83.592 | 2755900 | 412220 | 42.138 | 16.297 | 19.807 | 36689 | 15.01 |
| 25 | "125 x 75 x 10 RSA" | 125 | 75 | 10 | 11 | 4.8 | 1916.1 | 3032200 | 825460 | 39.781 | 20.756 | 42.296 | 17.634 | 57.366 | 82.704 | 3357700 | 501510 | 41.862 | 16.178 | 19.66 | 69022 | 18.035 |
| 26 | "125 x 75 x 12 RSA" | 125 | 75 | 12 | 11 | 4.8 | 2272.1 | 3551300 | 959960 | 39.535 | 20.555 | 43.13 | 18.416 | 56.584 | 81.87 | 3925200 | 587660 | 41.564 | 16.083 | 19.535 | 115870 | 21.149 |
| 28 | "150 x 75 x 10 RSA" | 150 | 75 | 10 | 11 | 4.8 | 2166.1 | 5029100 | 862840 | 48.185 | 19.958 | 53.227 | 16.176 | 58.824 | 96.773 | 5338500 | 556400 | 49.645 | 16.027 | 14.608 | 77355 | 18.072 |
| 29 | "150 x 75 x 12 RSA" | 150 | 75 | 12 | 11 | 4.8 | 2572.1 | 5906700 | 1004400 | 47.921 | 19.761 | 54.089 | 16.968 | 58.033 | 95.911 | 6261800 | 652240 | 49.341 | 15.924 | 14.488 | 130270 | 21.205 |
| 30 | "150 x 75 x 15 RSA" | 150 | 75 | 15 | 11 | 4.8 | 3166.1 | 7150700 | 1200900 | 47.524 | 19.475 | 55.32 | 18.128 | 56.872 | 94.68 | 7563000 | 791490 | 48.875 | 15.811 | 14.278 | 246400 | 26.071 |
| 32 | "150 x 90 x 10 RSA" | 150 | 90 | 10 | 12 | 4.8 | 2321 | 5363100 | 1474000 | 48.07 | 25.2 | 50.026 | 20.426 | 69.575 | 99.974 | 5949100 | 890550 | 50.628 | 19.588 | 19.84 | 83643 | 18.316 |
| 33 | "150 x 90 x 12 RSA" | 150 | 90 | 12 | 12 | 4.8 | 2757 | 6304000 | 1721500 | 47.818 | 24.988 | 50.881 | 21.217 | 68.783 | 99.119 | 6983400 | 1044600 | 50.328 | 19.465 | 19.709 | 140720 | 21.403 |
| 34 | "150 x 90 x 15 RSA" | 150 | 90 | 15 | 12 | 4.8 | 3396 | 7640800 | 2066900 | 47.433 | 24.67 | 52.099 | 22.372 | 67.628 | 97.901 | 8442500 | 1267700 | 49.86 | 19.321 | 19.481 | 266120 | 26.19 |
| 36 | "200 x 100 x 10 RSA" | 200 | 100 | 10 | 15 | 4.8 | 2938.4 | 1.2331e+07 | 2147500 | 64.779 | 27.034 | 69.465 | 20.287 | 79.713 | 130.54 | 1.3109e+07 | 1379200 | 66.793 | 21.665 | 14.782 | 108390 | 19.146 |
| 37 | "200 x 100 x 12 RSA" | 200 | 100 | 12 | 15 | 4.8 | 3494.4 | 1.4543e+07 | 2515200 | 64.511 | 26.829 | 70.41 | 21.101 | 78.899 | 129.59 | 1.5449e+07 | 1618600 | 66.492 | 21.522 | 14.789 | 181800 | 22.136 |
| 38 | "200 x 100 x 15 RSA" | 200 | 100 | 15 | 15 | 4.8 | 4313.4 | 1.7723e+07 | 3032600 | 64.1 | 26.515 | 71.729 | 22.289 | 77.711 | 128.27 | 1.8801e+07 | 1964400 | 66.021 | 21.34 | 14.583 | 343560 | 26.754 |
| 41 | "200 x 150 x 12 RSA" | 200 | 150 | 12 | 15 | 4.8 | 4094.4 | 1.6674e+07 | 8124800 | 63.816 | 44.546 | 60.971 | 36.266 | 113.73 | 139.03 | 2.0448e+07 | 4353100 | 70.67 | 32.606 | 28.934 | 210590 | 22.178 |
| 42 | "200 x 150 x 15 RSA" | 200 | 150 | 15 | 15 | 4.8 | 5063.4 | 2.0373e+07 | 9886300 | 63.431 | 44.187 | 62.215 | 37.454 | 112.55 | 137.79 | 2.4953e+07 | 5308400 | 70.201 | 32.379 | 28.802 | 399810 | 26.819 |
| 43 | "200 x 100 x 15 RSA" | 200 | 100 | 15 | 15 | 4.8 | 4313.4 | 1.7723e+07 | 3032600 | 64.1 | 26.515 | 71.729 | 22.289 | 77.711 | 128.27 | 1.8801e+07 | 1964400 | 66.021 | 21.34 | 14.583 | 343560 | 26.754 |
)";
// clang-format on

// Root radius by leg pair; the toe radius is 2.4 mm up to D = 75 and 4.8 mm from D = 100.
float rootRadius(int D, int B) {
    if (D == 40) return 4;
    if (D <= 65) return 6;
    if (D == 75) return 7;
    if (D == 100) return 10;
    if (D <= 150 && B == 75) return 11;
    if (D == 150) return 12;
    return 15;
}

} // namespace

TEST(Pro_Load_UnEqRSA, WritesEveryRecordAsPublished) {
    std::vector<Image> expected = blankRecords(43);
    numberByPosition(expected);
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(names.size(), 43u);
    for (int pos = 1; pos <= 43; ++pos)
        if (names[pos - 1].empty()) putString(expected[pos - 1], 0, std::string(25, ' '));
    fillFromTable(expected, Columns, Rows);
    setInSectionRows(expected, {{84, 205000}}, "RSA");
    for (int pos = 1; pos <= 3; ++pos)
        putString(expected[pos - 1], 88, "RSA");
    expectWriterFile(Pro_Load_UnEqRSA, "UnEqRSA.sct", expected, {});
}

TEST(Pro_Load_UnEqRSA, LaysOutEveryRecord) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_UnEqRSA, "UnEqRSA.sct");
    ASSERT_EQ(recs.size(), 43u);
    Layout layout;
    layout.designations = designationsInOrder(DesignationList);
    layout.shape = "RSA";
    layout.spacerShape = [](int pos) { return std::string(pos <= 3 ? "RSA" : ""); };
    layout.constants = {{84, 205000}};
    layout.zeros = AngleZeros;
    expectLayout(recs, layout, "UnEqRSA.sct");
    // The last record repeats record 38 in every byte but its record number.
    EXPECT_TRUE(std::equal(recs[42].begin(), recs[42].begin() + 196, recs[37].begin()));
    EXPECT_EQ(int32At(recs[42].data(), 196), 43);
    EXPECT_TRUE(layout.designations[38].empty() && layout.designations[39].empty());
}

TEST(Pro_Load_UnEqRSA, EveryRowObeysTheOutlineRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_UnEqRSA, "UnEqRSA.sct");
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    for (int pos = 1; pos <= 43; ++pos) {
        if (names[pos - 1].empty()) continue;
        const Image& rec = recs[pos - 1];
        const std::uint8_t* r = rec.data();
        const std::string where = "UnEqRSA.sct record " + std::to_string(pos) + " " + names[pos - 1];
        expectAngleRules(rec, 1.2e-3, 0.07, where);
        const std::vector<double> n = numbersIn(names[pos - 1]);
        ASSERT_EQ(n.size(), 3u) << where;
        EXPECT_EQ(singleAt(r, 28), static_cast<float>(n[0])) << where;
        EXPECT_EQ(singleAt(r, 32), static_cast<float>(n[1])) << where;
        EXPECT_EQ(singleAt(r, 36), static_cast<float>(n[2])) << where;
        EXPECT_GT(n[0], n[1]) << where;
        EXPECT_EQ(singleAt(r, 44), rootRadius(static_cast<int>(n[0]), static_cast<int>(n[1]))) << where;
        EXPECT_EQ(singleAt(r, 48), n[0] <= 75 ? 2.4f : 4.8f) << where;
        EXPECT_GE(singleAt(r, 152), 14.212f) << where;
        EXPECT_LE(singleAt(r, 152), 29.994f) << where;
    }
}
