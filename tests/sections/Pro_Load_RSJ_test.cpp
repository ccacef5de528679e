// Joist file: every record as published, byte for byte.
#include "sections/Pro_Load_RSJ.h"

#include <gtest/gtest.h>

#include "SectionTestSupport.h"
#include "sections/SectionFile.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const Columns =
    "pos|0|28|32|36|40|44|48|52|56|60|84|88|100|104|108|112|116|128|132|156|160|168|172|176|180|184|196";
// Pos. | Designation | D | B | t | T | r1 | r2 | b | d | taper | E | Shape | A | Ixx | Iyy | rx | ry | byte 128 |
//   byte 132 | J | byte 160 | Sx | Sy | u | x | H | No.
const char* const Rows = R"(
| 1 | "76 x 76 x 13 RSJ" | 76.2 | 76.2 | 5.1 | 8.4 | 9.4 | 4.6 | 38.1 | 38.1 | 8 | 205000 | "RSJ" | 1628.6 | 1579300 | 518460 | 31.14 | 17.84 | 38.1 | 38.1 | 45955 | 17.5 | 48654 | 22424 | 0.85098 | 7.2051 | 5.9267e+08 | 1 |
| 2 | "89 x 89 x 19 RSJ" | 88.9 | 88.9 | 9.5 | 9.9 | 11.1 | 3.2 | 44.45 | 44.2 | 8 | 205000 | "RSJ" | 2496.7 | 3063600 | 1011900 | 35.03 | 20.13 | 44.45 | 44.45 | 115140 | 22.6 | 82577 | 37961 | 0.82954 | 6.5567 | 1.5655e+09 | 2 |
| 3 | "102 x 44 x 7 RSJ" | 101.6 | 44.5 | 4.3 | 6.1 | 6.9 | 3.3 | 22.25 | 74.6 | 8 | 205000 | "RSJ" | 952.69 | 1528400 | 78265 | 40.05 | 9.06 | 22.25 | 50.8 | 12551 | 12.6 | 35354 | 6027.4 | 0.87075 | 14.868 | 1.7789e+08 | 3 |
| 4 | "102 x 102 x 23 RSJ" | 101.6 | 101.6 | 9.5 | 10.3 | 11.1 | 3.2 | 50.8 | 55.2 | 8 | 205000 | "RSJ" | 2942.5 | 4853000 | 1540400 | 40.61 | 22.88 | 50.8 | 50.8 | 141950 | 23.5 | 113070 | 50588 | 0.83548 | 7.413 | 3.1866e+09 | 4 |
| 5 | "127 x 114 x 27 RSJ" | 127 | 114.3 | 7.4 | 11.4 | 9.9 | 5 | 57.15 | 79.5 | 8 | 205000 | "RSJ" | 3429.6 | 9456700 | 2361400 | 52.51 | 26.24 | 57.15 | 63.5 | 168630 | 24 | 172040 | 68232 | 0.86802 | 9.3099 | 7.8536e+09 | 5 |
| 6 | "127 x 114 x 29 RSJ" | 127 | 114.3 | 10.2 | 11.5 | 9.9 | 4.8 | 57.15 | 79.5 | 8 | 205000 | "RSJ" | 3747.2 | 9785700 | 2420500 | 51.1 | 25.42 | 57.15 | 63.5 | 207930 | 25.8 | 180840 | 70854 | 0.85278 | 8.7486 | 8.0226e+09 | 6 |
| 7 | "152 x 127 x 37 RSJ" | 152.4 | 127 | 10.4 | 13.2 | 13.5 | 6.6 | 63.5 | 94.3 | 8 | 205000 | "RSJ" | 4763 | 1.8163e+07 | 3788900 | 61.75 | 28.2 | 63.5 | 76.2 | 338800 | 28.9 | 278240 | 99794 | 0.86524 | 9.3171 | 1.8258e+10 | 7 |
| 8 | "203 x 152 x 52 RSJ" | 203.2 | 152.4 | 8.9 | 16.5 | 15.5 | 7.6 | 76.2 | 133 | 8 | 205000 | "RSJ" | 6668.7 | 4.7943e+07 | 8168700 | 84.79 | 35 | 76.2 | 101.6 | 647690 | 33.3 | 540420 | 176160 | 0.88996 | 10.705 | 7.0945e+10 | 8 |
| 9 | "254 x 203 x 82 RSJ" | 254 | 203.2 | 10.2 | 19.9 | 19.6 | 9.7 | 101.6 | 167 | 8 | 205000 | "RSJ" | 10468 | 1.2015e+08 | 2.2829e+07 | 107.14 | 46.7 | 101.6 | 127 | 1517100 | 40.9 | 1075900 | 370750 | 0.88968 | 10.989 | 3.1181e+11 | 9 |
)";
// clang-format on

} // namespace

TEST(Pro_Load_RSJ, WritesEveryRecordAsPublished) {
    std::vector<Image> expected = blankRecords(9);
    fillFromTable(expected, Columns, Rows);
    expectWriterFile(Pro_Load_RSJ, "RSJ.sct", expected,
                     {{28, 1231.9},    {32, 1022.4},     {36, 75.5},      {40, 107.2},        {44, 106.9},
                      {48, 48},        {52, 511.2},      {56, 765.4},     {60, 72},           {84, 1845000},
                      {100, 37096.99}, {104, 216522700}, {108, 42717525}, {112, 504.12},      {116, 231.47},
                      {128, 511.2},    {132, 615.95},    {156, 3195746},  {160, 229.1},       {168, 2527095},
                      {172, 902790.4}, {176, 7.75243},   {180, 85.1124},  {184, 422411860000}});
}

TEST(Pro_Load_RSJ, HasNoSpacerAndNoGrade) {
    StartDirScope dir;
    Pro_Load_RSJ();
    const std::vector<std::uint8_t> bytes = fileBytes(dir.path("RSJ.sct"));
    ASSERT_EQ(bytes.size(), 1800u);
    for (int pos = 1; pos <= 9; ++pos) {
        const std::uint8_t* rec = bytes.data() + (pos - 1) * 200;
        EXPECT_NE(singleAt(rec, 32), 0.0f) << pos;
        EXPECT_EQ(singleAt(rec, 80), 0.0f) << pos;
        EXPECT_EQ(singleAt(rec, 60), 8.0f) << pos;
        EXPECT_EQ(stringAt(rec, 88), "RSJ") << pos;
        EXPECT_EQ(rec[0], 25) << pos;
        EXPECT_EQ(singleAt(rec, 52), singleAt(rec, 32) / 2) << pos;
        EXPECT_EQ(singleAt(rec, 132), singleAt(rec, 28) / 2) << pos;
    }
    EXPECT_EQ(stringAt(bytes.data(), 0), "76 x 76 x 13 RSJ         ");
}
