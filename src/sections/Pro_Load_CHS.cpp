// Circular hollow section table, written to "CHS.sct".
#include "sections/Pro_Load_CHS.h"

#include "sections/ListedRows.h"
#include "sections/SectionFile.h"
#include "sections/SectionFormulas.h"

namespace kx {

namespace {

using R = TSectionRec;

constexpr std::array<SectionField, 2> Columns = {&R::D, &R::t};

constexpr std::array<SectionField, 15> ListedColumns = {
    &R::D,  &R::B,  &R::t,      &R::T,      &R::A, &R::Ixx,           &R::Iyy,
    &R::rx, &R::ry, &R::FibreY, &R::FibreX, &R::J, &R::TorsionLength, &R::Sx,
    &R::Sy};

// clang-format off
// Designation, D, t; {""} is a spacer
constexpr TableRow<Columns.size()> Rows[] = {
    {"21.3  x  3.2   CHS",     21.3,  3.2},
    {""},
    {"26.9   x 3.2  CHS",      26.9,  3.2},
    {""},
    {"33.7  x 2.6  CHS",       33.7,  2.6},
    {"33.7  x 4.0 CHS",        33.7,  4},
    {""},
    {"42.4  x  2.6 CHS",       42.4,  2.6},
    {"42.4   x  3.2  CHS",     42.4,  3.2},
    {"42.4  x  4.0  CHS",      42.4,  4},
    {""},
    {"48.3  x  3.2   CHS",     48.3,  3.2},
    {"48.3  x 4.0    CHS",     48.3,  4},
    {"48.3  x  5.0    CHS",    48.3,  5},
    {""},
    {"60.3   x  3.2   CHS",    60.3,  3.2},
    {"60.3   x  4.0  CHS",     60.3,  4},
    {"60.3   x  5.0   CHS",    60.3,  5},
    {""},
    {"76.1  x  3.2    CHS",    76.1,  3.2},
    {"76.1  x 4.0   CHS",      76.1,  4},
    {"76.1   x 5.0   CHS",     76.1,  5},
    {""},
    {"88.9  x 3.2  CHS",       88.9,  3.2},
    {"88.9   x 4.0    CHS",    88.9,  4},
    {"88.9   x 5.0    CHS",    88.9,  5},
    {""},
    {"114.3   x  3.6   CHS",   114.3, 3.6},
    {"114.3  x  5.0    CHS",   114.3, 5},
    {"114.3   x  6.3    CHS",  114.3, 6.3},
    {""},
    {"139.7   x  5.0  CHS",    139.7, 5},
    {"139.7  x  6.3   CHS",    139.7, 6.3},
    {"139.7   x  8.0   CHS",   139.7, 8},
    {"139.7  x  10   CHS",     139.7, 10},
    {""},
    {"168.3   x  5.0    CHS",  168.3, 5},
    {"168.3   x  6.3   CHS",   168.3, 6.3},
    {"168.3   x  8.0    CHS",  168.3, 8},
    {"168.3  x  10    CHS",    168.3, 10},
    {"168.3   x 12.5    CHS",  168.3, 12.5},
    {""},
    {"193.7 x  5   CHS",       193.7, 5},
    {"193.7  x  6.3   CHS",    193.7, 6.3},
    {"193.7 x  8   CHS",       193.7, 8},
    {"193.7 x  10    CHS",     193.7, 10},
    {"193.7 x  12.5  CHS",     193.7, 12.5},
    {""},
    {"219.1  x  5.0   CHS",    219.1, 5},
    {"219.1  x  6.3    CHS",   219.1, 6.3},
    {"219.1   x  8.0    CHS",  219.1, 8},
    {"219.1   x 10   CHS",     219.1, 10},
    {"219.1  x  12.5    CHS",  219.1, 12.5},
    {"219.1   x 16    CHS",    219.1, 16},
    {""},
    {"244.5   x  6.3    CHS",  244.5, 6.3},
    {"244.5   x  8.0   CHS",   244.5, 8},
    {"244.5   x  10   CHS",    244.5, 10},
    {"244.5   x  12.5    CHS", 244.5, 12.5},
    {"244.5   x  16   CHS",    244.5, 16},
    {""},
    {"273   x  6.3   CHS",     273,   6.3},
    {"273   x  8   CHS",       273,   8},
    {"273   x 10   CHS",       273,   10},
    {"273   x  12.5    CHS",   273,   12.5},
    {"273   x  16   CHS",      273,   16},
    {""},
    {"323.9  x  6.3   CHS",    323.9, 6.3},
    {"323.9   x  8.0    CHS",  323.9, 8},
    {"323.9   x  10   CHS",    323.9, 10},
    {"323.9   x  12.5   CHS",  323.9, 12.5},
    {"323.9   x  16    CHS",   323.9, 16},
    {""},
    {"355.6  x  8.0   CHS",    355.6, 8},
    {"355.6   x  10   CHS",    355.6, 10},
    {"355.6   x 12.5   CHS",   355.6, 12.5},
    {"355.6   x 16    CHS",    355.6, 16},
    {""},
    {"406.4   x 10    CHS",    406.4, 10},
    {"406.4   x 12.5    CHS",  406.4, 12.5},
    {"406.4   x 16   CHS",     406.4, 16},
    {""},
    {"457   x  10  CHS",       457,   10},
    {"457   x  12.5   CHS",    457,   12.5},
    {"457  x  16  CHS",        457,   16},
    {""},
    {"508   x  10   CHS",      508,   10},
    {"508   x 12.5   CHS",     508,   12.5},
    {"508   x  16   CHS",      508,   16},
};

// Rows published in full, stored as published: the 139.7 mm group is held to three figures.
// Position, {designation, D, B, t, T, A, Ixx, Iyy, rx, ry, byte 128, byte 132, J, byte 160, Sx, Sy}
constexpr ListedRow<ListedColumns.size()> Listed[] = {
    {1, {"21.3  x  3.2   CHS", 21.3, 21.3, 3.2, 3.2, 181.96, 7684.4, 7684.4, 6.4986, 6.4986, 10.65, 10.65, 15369, 10.65, 1058.2, 1058.2}},
    {13, {"48.3  x 4.0    CHS", 48.3, 48.3, 4, 4, 556.69, 137680, 137680, 15.726, 15.726, 24.15, 24.15, 275350, 24.15, 7863.6, 7863.6}},
    {32, {"139.7   x  5.0  CHS", 139.7, 139.7, 5, 5, 2120, 4810000, 4810000, 47.7, 47.7, 69.85, 69.85, 9620000, 69.85, 90800, 90800}},
    {33, {"139.7  x  6.3   CHS", 139.7, 139.7, 6.3, 6.3, 2640, 5890000, 5890000, 47.2, 47.2, 69.85, 69.85, 1.178e+07, 69.85, 112000, 112000}},
    {34, {"139.7   x  8.0   CHS", 139.7, 139.7, 8, 8, 3310, 7200000, 7200000, 46.6, 46.6, 69.85, 69.85, 1.44e+07, 69.85, 139000, 139000}},
    {35, {"139.7  x  10   CHS", 139.7, 139.7, 10, 10, 4070, 8620000, 8620000, 46, 46, 69.85, 69.85, 1.724e+07, 69.85, 169000, 169000}},
    {89, {"508   x  16   CHS", 508, 508, 16, 16, 24731, 7.4909e+08, 7.4909e+08, 174.04, 174.04, 254, 254, 1.4982e+09, 254, 3870600, 3870600}},
};
// clang-format on

constexpr FixedValue Fixed[] = {{&R::Grade, 43}, {&R::E, 205000}};
const TableStyle Style{
    .PadDesignation = true, .Shape = "Tube", .SpacerShape = "", .Fixed = Fixed, .Derive = DeriveCHSRecord};

} // namespace

void Pro_Load_CHS() {
    WriteSectionFile("CHS.sct", BuildRecords(Columns, Rows, ListedColumns, Listed, Style));
}

} // namespace kx
