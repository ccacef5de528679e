// Circular hollow section file: the published rows as listed, every other row by the formulas.
#include "sections/Pro_Load_CHS.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const DesignationList = R"(
1. "21.3  x  3.2   CHS"
2. spacer row
3. "26.9   x 3.2  CHS"
4. spacer row
5. "33.7  x 2.6  CHS"
6. "33.7  x 4.0 CHS"
7. spacer row
8. "42.4  x  2.6 CHS"
9. "42.4   x  3.2  CHS"
10. "42.4  x  4.0  CHS"
11. spacer row
12. "48.3  x  3.2   CHS"
13. "48.3  x 4.0    CHS"
14. "48.3  x  5.0    CHS"
15. spacer row
16. "60.3   x  3.2   CHS"
17. "60.3   x  4.0  CHS"
18. "60.3   x  5.0   CHS"
19. spacer row
20. "76.1  x  3.2    CHS"
21. "76.1  x 4.0   CHS"
22. "76.1   x 5.0   CHS"
23. spacer row
24. "88.9  x 3.2  CHS"
25. "88.9   x 4.0    CHS"
26. "88.9   x 5.0    CHS"
27. spacer row
28. "114.3   x  3.6   CHS"
29. "114.3  x  5.0    CHS"
30. "114.3   x  6.3    CHS"
31. spacer row
32. "139.7   x  5.0  CHS"
33. "139.7  x  6.3   CHS"
34. "139.7   x  8.0   CHS"
35. "139.7  x  10   CHS"
36. spacer row
37. "168.3   x  5.0    CHS"
38. "168.3   x  6.3   CHS"
39. "168.3   x  8.0    CHS"
40. "168.3  x  10    CHS"
41. "168.3   x 12.5    CHS"
42. spacer row
43. "193.7 x  5   CHS"
44. "193.7  x  6.3   CHS"
45. "193.7 x  8   CHS"
46. "193.7 x  10    CHS"
47. "193.7 x  12.5  CHS"
48. spacer row
49. "219.1  x  5.0   CHS"
50. "219.1  x  6.3    CHS"
51. "219.1   x  8.0    CHS"
52. "219.1   x 10   CHS"
53. "219.1  x  12.5    CHS"
54. "219.1   x 16    CHS"
55. spacer row
56. "244.5   x  6.3    CHS"
57. "244.5   x  8.0   CHS"
58. "244.5   x  10   CHS"
59. "244.5   x  12.5    CHS"
60. "244.5   x  16   CHS"
61. spacer row
62. "273   x  6.3   CHS"
63. "273   x  8   CHS"
64. "273   x 10   CHS"
65. "273   x  12.5    CHS"
66. "273   x  16   CHS"
67. spacer row
68. "323.9  x  6.3   CHS"
69. "323.9   x  8.0    CHS"
70. "323.9   x  10   CHS"
71. "323.9   x  12.5   CHS"
72. "323.9   x  16    CHS"
73. spacer row
74. "355.6  x  8.0   CHS"
75. "355.6   x  10   CHS"
76. "355.6   x 12.5   CHS"
77. "355.6   x 16    CHS"
78. spacer row
79. "406.4   x 10    CHS"
80. "406.4   x 12.5    CHS"
81. "406.4   x 16   CHS"
82. spacer row
83. "457   x  10  CHS"
84. "457   x  12.5   CHS"
85. "457  x  16  CHS"
86. spacer row
87. "508   x  10   CHS"
88. "508   x 12.5   CHS"
89. "508   x  16   CHS"
)";

const char* const ListedColumns = "no|28|32|36|40|100|104|108|112|116|128|132|156|160|168|172";
// Row | D | B | t | T | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 | J | byte 160 | Sx | Sy
const char* const ListedRows = R"(
| 1 | 21.3 | 21.3 | 3.2 | 3.2 | 181.96 | 7684.4 | 7684.4 | 6.4986 | 6.4986 | 10.65 | 10.65 | 15369 | 10.65 | 1058.2 | 1058.2 |
| 13 | 48.3 | 48.3 | 4 | 4 | 556.69 | 137680 | 137680 | 15.726 | 15.726 | 24.15 | 24.15 | 275350 | 24.15 | 7863.6 | 7863.6 |
| 32 | 139.7 | 139.7 | 5 | 5 | 2120 | 4810000 | 4810000 | 47.7 | 47.7 | 69.85 | 69.85 | 9620000 | 69.85 | 90800 | 90800 |
| 33 | 139.7 | 139.7 | 6.3 | 6.3 | 2640 | 5890000 | 5890000 | 47.2 | 47.2 | 69.85 | 69.85 | 1.178e+07 | 69.85 | 112000 | 112000 |
| 34 | 139.7 | 139.7 | 8 | 8 | 3310 | 7200000 | 7200000 | 46.6 | 46.6 | 69.85 | 69.85 | 1.44e+07 | 69.85 | 139000 | 139000 |
| 35 | 139.7 | 139.7 | 10 | 10 | 4070 | 8620000 | 8620000 | 46 | 46 | 69.85 | 69.85 | 1.724e+07 | 69.85 | 169000 | 169000 |
| 89 | 508 | 508 | 16 | 16 | 24731 | 7.4909e+08 | 7.4909e+08 | 174.04 | 174.04 | 254 | 254 | 1.4982e+09 | 254 | 3870600 | 3870600 |
)";
// clang-format on

const std::vector<int> Spacers = {2, 4, 7, 11, 15, 19, 23, 27, 31, 36, 42, 48, 55, 61, 67, 73, 78, 82, 86};

std::vector<Image> written() { return writtenRecords(Pro_Load_CHS, "CHS.sct"); }

} // namespace

TEST(Pro_Load_CHS, WritesThePublishedRowsAsListed) {
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(names.size(), 89u);
    std::vector<Image> expected = blankRecords(89);
    fillFromTable(expected, ListedColumns, ListedRows);
    for (int pos : {1, 13, 32, 33, 34, 35, 89}) {
        std::string name = names[pos - 1];
        name.resize(25, ' ');
        putString(expected[pos - 1], 0, name);
    }
    setInSectionRows(expected, {{80, 43}, {84, 205000}}, "Tube");
    expectListedRows(written(), expected, {1, 13, 32, 33, 34, 35, 89}, "CHS.sct");
}

TEST(Pro_Load_CHS, LaysOutEveryRecord) {
    const std::vector<Image> recs = written();
    ASSERT_EQ(recs.size(), 89u);
    Layout layout;
    layout.designations = designationsInOrder(DesignationList);
    layout.shape = "Tube";
    layout.spacerShape = [](int) { return std::string(); };
    layout.constants = {{80, 43}, {84, 205000}};
    layout.zeros = {44,  48,  52,  56,  60,  64,  68,  72,  76,  120, 124,
                    136, 140, 144, 148, 152, 164, 176, 180, 184, 188, 192};
    expectLayout(recs, layout, "CHS.sct");
    for (const std::string& name : layout.designations)
        if (!name.empty()) {
            EXPECT_NE(name[0], ' ') << name;
        }
    EXPECT_EQ(spacerPositions(layout.designations), Spacers);
    EXPECT_EQ(layout.designations[84], "457  x  16  CHS");
    EXPECT_EQ(layout.designations[83], "457   x  12.5   CHS");
}

TEST(Pro_Load_CHS, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = written();
    const std::vector<std::string> names = designationsInOrder(DesignationList);
    ASSERT_EQ(recs.size(), names.size());
    const std::vector<std::vector<int>> groups = groupsOf(names);
    const std::vector<std::size_t> sizes = {1, 1, 2, 3, 3, 3, 3, 3, 3, 4, 5, 5, 6, 5, 5, 5, 4, 3, 3, 3};
    ASSERT_EQ(groups.size(), sizes.size());
    double lastD = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::vector<int>& group = groups[g];
        EXPECT_EQ(group.size(), sizes[g]) << "group " << g + 1;
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::uint8_t* r = rec.data();
            const std::string where = "CHS.sct record " + std::to_string(pos) + " " + names[pos - 1];
            const std::vector<double> n = numbersIn(names[pos - 1]);
            ASSERT_EQ(n.size(), 2u) << where;
            EXPECT_EQ(singleAt(r, 28), static_cast<float>(n[0])) << where;
            EXPECT_EQ(singleAt(r, 36), static_cast<float>(n[1])) << where;
            EXPECT_EQ(singleAt(r, 32), singleAt(r, 28)) << where << " B = D";
            EXPECT_EQ(singleAt(r, 40), singleAt(r, 36)) << where << " T = t";
            EXPECT_EQ(singleAt(r, 108), singleAt(r, 104)) << where << " Iyy = Ixx";
            EXPECT_EQ(singleAt(r, 116), singleAt(r, 112)) << where << " ry = rx";
            EXPECT_EQ(singleAt(r, 172), singleAt(r, 168)) << where << " Sy = Sx";
            for (int off : {128, 132, 160}) {
                EXPECT_EQ(singleAt(r, off), singleAt(r, 28) / 2) << where << " byte " << off;
            }

            const double D = at(rec, 28), t = at(rec, 36), d = D - 2 * t;
            const double A = at(rec, 100), I = at(rec, 104);
            EXPECT_TRUE(within(at(rec, 156), 2 * I, 5e-5)) << where << " J";
            EXPECT_TRUE(within(A, Pi * t * (D - t), 2e-3)) << where << " A";
            EXPECT_TRUE(within(I, Pi * (std::pow(D, 4) - std::pow(d, 4)) / 64, 1e-3)) << where << " Ixx";
            EXPECT_TRUE(within(at(rec, 112), std::sqrt(I / A), 1.5e-3)) << where << " rx";
            EXPECT_TRUE(within(at(rec, 168), (std::pow(D, 3) - std::pow(d, 3)) / 6, 3e-3)) << where << " Sx";
            // The 139.7 mm group is held to three figures, with J exactly twice the stored Ixx.
            const bool threeFigures = singleAt(r, 28) == 139.7f;
            for (int off : {100, 104, 112, 168}) {
                EXPECT_TRUE(heldTo(singleAt(r, off), threeFigures ? 3 : 5)) << where << " byte " << off;
            }
            if (threeFigures) {
                EXPECT_EQ(singleAt(r, 156), 2 * singleAt(r, 104)) << where;
            } else {
                EXPECT_TRUE(heldTo(singleAt(r, 156), 5)) << where << " J";
            }
        }
        EXPECT_GT(at(recs[group.front() - 1], 28), lastD) << "group " << g + 1;
        lastD = at(recs[group.front() - 1], 28);
        expectRising(recs, group, 36, "CHS.sct");
        for (std::size_t k = 1; k < group.size(); ++k) {
            EXPECT_EQ(at(recs[group[k] - 1], 28), lastD) << "one diameter in group " << g + 1;
        }
    }
}
