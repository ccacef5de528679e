// Scaffold member file: every record as published, byte for byte.
#include "sections/Pro_Load_Scaffold.h"

#include <gtest/gtest.h>

#include "SectionTestSupport.h"
#include "sections/SectionFile.h"

using namespace kx;
using namespace sectiontest;

namespace {

// clang-format off
const char* const IdentityColumns = "pos|0|196|88|64|84|80|28|32|36|40|72";
// Row | Designation | Record number | Shape code | Group | E | Grade | D | B | t | T | GA/Kform
const char* const Identity = R"(
| 1 | " "Used" Steel Tube" | 1 | "Tube" | 2 | 210000 | 43 | 0 | 48.3 | 4 | 4 | 0 |
| 2 | " "New" Steel Tube" | 2 | "Tube" | 2 | 210000 | 43 | 0 | 48.3 | 4 | 4 | 0 |
| 3 | "  Aluminium Tube" | 3 | "Tube" | 2 | 68900 | 0 | 0 | 48.3 | 4.47 | 4.47 | 0 |
| 4 | " " | 5 | "" | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 |
| 5 | " 38 x 225 Board" | 6 | "KXSect" | 2 | 6000 | 0 | 38 | 225 | 0 | 0 | 0 |
| 6 | " 50 x 225 Board" | 7 | "KXSect" | 2 | 6000 | 0 | 46.8 | 222 | 0 | 0 | 0 |
| 7 | "  " | 8 | "0" | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 |
| 8 | " 12" x 12" Ladder Beam" | 9 | "KXSect" | 2 | 210000 | 0 | 305 | 48.3 | 4 | 4 | 3250000 |
| 9 | " 12" x 18" Ladder Beam" | 10 | "KXSect" | 2 | 210000 | 0 | 305 | 0 | 0 | 0 | 1225000 |
| 10 | " " | 11 | " " | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 |
| 11 | " Unit Beam" | 12 | "KXSect" | 2 | 210000 | 0 | 610 | 48.3 | 0 | 0 | 7000000 |
)";

const char* const PropertyColumns = "pos|100|104|108|112|116|128|132|156|160|168|172|188|192";
// Row | A | Ixx | Iyy | rx | ry | byte 128 | byte 132 | J | byte 160 | Sx | Sy | Perm. shear | Perm. moment
const char* const Properties = R"(
| 1 | 556.69 | 138000 | 138000 | 15.726 | 15.726 | 24.15 | 24.15 | 275350 | 24.15 | 7863.6 | 7863.6 | 25900 | 794300 |
| 2 | 556.69 | 138000 | 138000 | 15.726 | 15.726 | 24.15 | 24.15 | 275350 | 24.15 | 7863.6 | 7863.6 | 25900 | 885700 |
| 3 | 615 | 149000 | 149000 | 15.6 | 15.6 | 24.15 | 24.15 | 298700 | 24.15 | 8609 | 8609 | 25500 | 950000 |
| 4 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 |
| 5 | 8550 | 848000 | 0 | 0 | 0 | 0 | 17.875 | 0 | 0 | 0 | 0 | 8000 | 468000 |
| 6 | 10530 | 1896000 | 0 | 0 | 0 | 0 | 23.4 | 0 | 0 | 0 | 0 | 10472 | 798000 |
| 7 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 |
| 8 | 1113 | 2.59e+07 | 0 | 152 | 15.726 | 0 | 0 | 0 | 0 | 0 | 0 | 20000 | 1.27e+07 |
| 9 | 1113 | 2.59e+07 | 0 | 152 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 12500 | 7250000 |
| 10 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 0 |
| 11 | 1113 | 1.036e+08 | 0 | 310 | 0 | 0 | 0 | 0 | 0 | 0 | 0 | 20000 | 2.77e+07 |
)";
// clang-format on

} // namespace

TEST(Pro_Load_Scaffold, WritesEveryRecordAsPublished) {
    std::vector<Image> expected = blankRecords(11);
    fillFromTable(expected, IdentityColumns, Identity, {.padTo25 = false});
    fillFromTable(expected, PropertyColumns, Properties);
    expectWriterFile(Pro_Load_Scaffold, "Scaf.sct", expected,
                     {{28, 1304.8},   {32, 688.5},    {36, 16.47},    {40, 16.47},     {64, 16},
                      {72, 11475000}, {80, 86},       {84, 1130900},  {100, 24147.38}, {104, 158569000},
                      {108, 425000},  {112, 661.052}, {116, 62.778},  {128, 72.45},    {132, 113.725},
                      {156, 849400},  {160, 72.45},   {168, 24336.2}, {172, 24336.2},  {188, 148272},
                      {192, 51546000}});
}

TEST(Pro_Load_Scaffold, KeepsItsSpacersRecordNumbersAndMemberValues) {
    StartDirScope dir;
    Pro_Load_Scaffold();
    const std::vector<TSectionRec> recs = ReadSectionFile("Scaf.sct");
    ASSERT_EQ(recs.size(), 11u);
    std::vector<int> numbers;
    for (const TSectionRec& r : recs)
        numbers.push_back(r.RecordNo);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12})) << "no record holds 4";
    EXPECT_EQ(recs[3].Designation.str(), " ");
    EXPECT_EQ(recs[3].Shape, "");
    EXPECT_EQ(recs[6].Designation.str(), "  ");
    EXPECT_EQ(recs[6].Shape, "0");
    EXPECT_EQ(recs[9].Designation.str(), " ");
    EXPECT_EQ(recs[9].Shape, " ");
    EXPECT_EQ(recs[0].Designation.str(), " \"Used\" Steel Tube");
    EXPECT_EQ(recs[7].Designation.str(), " 12\" x 12\" Ladder Beam");
    for (int i : {0, 1, 2, 4, 5, 7, 8, 10}) {
        EXPECT_EQ(recs[i].Group, 2.0f) << i;
        EXPECT_NE(recs[i].PermShear, 0.0f) << i;
        EXPECT_NE(recs[i].PermMoment, 0.0f) << i;
    }
    // The two steel tubes differ only in designation, permissible moment and record number.
    TSectionRec used = recs[0], fresh = recs[1];
    EXPECT_EQ(used.PermMoment, 794300.0f);
    EXPECT_EQ(fresh.PermMoment, 885700.0f);
    used.Designation = fresh.Designation;
    used.PermMoment = fresh.PermMoment;
    used.RecordNo = fresh.RecordNo;
    EXPECT_EQ(used, fresh);
    EXPECT_EQ(recs[10].Ixx, 103600000.0f);
    EXPECT_EQ(recs[4].FibreX, 17.875f) << "38 x 225 board, stored as it stands";
}
