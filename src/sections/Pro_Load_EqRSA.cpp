// Equal angle table, RSA series, written to "EqRSA.sct".
#include "sections/Pro_Load_EqRSA.h"

#include "sections/ListedRows.h"
#include "sections/SectionFile.h"
#include "sections/SectionFormulas.h"

namespace kx {

namespace {

using R = TSectionRec;

constexpr std::array<SectionField, 4> Columns = {&R::D, &R::t, &R::r1, &R::r2};

constexpr std::array<SectionField, 22> ListedColumns = {
    &R::D,   &R::B,  &R::t,  &R::T,     &R::r1, &R::r2,           &R::A,      &R::Ixx,
    &R::Iyy, &R::rx, &R::ry, &R::cx,    &R::cy, &R::FibreY,       &R::FibreX, &R::Iu,
    &R::Iv,  &R::ru, &R::rv, &R::Alpha, &R::J,  &R::TorsionLength};

// clang-format off
// Designation, D = B, t = T, r1, r2 (root radius by leg, toe radius 2.4 up to 70 mm legs, 4.8 above);
// {""} is a spacer
constexpr TableRow<Columns.size()> Rows[] = {
    {"25 x 25 x 3 RSA",    25,  3,  3.5, 2.4},
    {"25 x 25 x 4 RSA",    25,  4,  3.5, 2.4},
    {"25 x 25 x 5 RSA",    25,  5,  3.5, 2.4},
    {""},
    {"30 x 30 x 3 RSA",    30,  3,  5,   2.4},
    {"30 x 30 x 4 RSA",    30,  4,  5,   2.4},
    {"30 x 30 x 5 RSA",    30,  5,  5,   2.4},
    {""},
    {"40 x 40 x 3 RSA",    40,  3,  6,   2.4},
    {"40 x 40 x 4 RSA",    40,  4,  6,   2.4},
    {"40 x 40 x 5 RSA",    40,  5,  6,   2.4},
    {"40 x 40 x 6 RSA",    40,  6,  6,   2.4},
    {""},
    {"45 x 45 x 3 RSA",    45,  3,  7,   2.4},
    {"45 x 45 x 4 RSA",    45,  4,  7,   2.4},
    {"45 x 45 x 5 RSA",    45,  5,  7,   2.4},
    {"45 x 45 x 6 RSA",    45,  6,  7,   2.4},
    {""},
    {"50 x 50 x 3 RSA",    50,  3,  7,   2.4},
    {"50 x 50 x 4 RSA",    50,  4,  7,   2.4},
    {"50 x 50 x 5 RSA",    50,  5,  7,   2.4},
    {"50 x 50 x 6 RSA",    50,  6,  7,   2.4},
    {"50 x 50 x 8 RSA",    50,  8,  7,   2.4},
    {""},
    {"60 x 60 x 5 RSA",    60,  5,  8,   2.4},
    {"60 x 60 x 6 RSA",    60,  6,  8,   2.4},
    {"60 x 60 x 8 RSA",    60,  8,  8,   2.4},
    {"60 x 60 x 10 RSA",   60,  10, 8,   2.4},
    {""},
    {"70 x 70 x 6 RSA",    70,  6,  9,   2.4},
    {"70 x 70 x 8 RSA",    70,  8,  9,   2.4},
    {"70 x 70 x 10 RSA",   70,  10, 9,   2.4},
    {""},
    {"80 x 80 x 6 RSA",    80,  6,  10,  4.8},
    {"80 x 80 x 8 RSA",    80,  8,  10,  4.8},
    {"80 x 80 x 10 RSA",   80,  10, 10,  4.8},
    {""},
    {"90 x 90 x 6 RSA",    90,  6,  11,  4.8},
    {"90 x 90 x 8 RSA",    90,  8,  11,  4.8},
    {"90 x 90 x 10 RSA",   90,  10, 11,  4.8},
    {"90 x 90 x 12 RSA",   90,  12, 11,  4.8},
    {""},
    {"100 x 100 x 8 RSA",  100, 8,  12,  4.8},
    {"100 x 100 x 10 RSA", 100, 10, 12,  4.8},
    {"100 x 100 x 12 RSA", 100, 12, 12,  4.8},
    {"100 x 100 x 15 RSA", 100, 15, 12,  4.8},
    {""},
    {"120 x 120 x 8 RSA",  120, 8,  13,  4.8},
    {"120 x 120 x 10 RSA", 120, 10, 13,  4.8},
    {"120 x 120 x 12 RSA", 120, 12, 13,  4.8},
    {"120 x 120 x 15 RSA", 120, 15, 13,  4.8},
    {""},
    {"150 x 150 x 10 RSA", 150, 10, 16,  4.8},
    {"150 x 150 x 12 RSA", 150, 12, 16,  4.8},
    {"150 x 150 x 15 RSA", 150, 15, 16,  4.8},
    {"150 x 150 x 18 RSA", 150, 18, 16,  4.8},
    {""},
    {"200 x 200 x 16 RSA", 200, 16, 18,  4.8},
    {"200 x 200 x 18 RSA", 200, 18, 18,  4.8},
    {"200 x 200 x 20 RSA", 200, 20, 18,  4.8},
    {"200 x 200 x 24 RSA", 200, 24, 18,  4.8},
    {""},
    {"250 x 250 x 25 RSA", 250, 25, 20,  4.8},
    {"250 x 250 x 28 RSA", 250, 28, 20,  4.8},
    {"250 x 250 x 32 RSA", 250, 32, 20,  4.8},
    {"250 x 250 x 35 RSA", 250, 35, 20,  4.8},
};

// Rows published in full, stored as published: their principal-axis angles stray from the 45
// degrees of the symmetric outline.
// Position, {designation, D, B, t, T, r1, r2, A, Ixx, Iyy, rx, ry, byte 120, byte 124, byte 128,
//   byte 132, Iu, Iv, ru, rv, alpha, J, byte 160}
constexpr ListedRow<ListedColumns.size()> Listed[] = {
    {1, {"25 x 25 x 3 RSA", 25, 25, 3, 3, 3.5, 2.4, 141.16, 7842, 7842, 7.4535, 7.4535, 7.1775, 7.1775, 17.823, 17.823, 12433, 3250.7, 9.385, 4.7989, 45.032, 475.93, 5.4267}},
    {16, {"45 x 45 x 5 RSA", 45, 45, 5, 5, 7, 2.4, 433.04, 79874, 79874, 13.581, 13.581, 12.865, 12.865, 32.135, 32.135, 126420, 33311, 17.086, 8.7705, 45, 4165.7, 9.3442}},
    {66, {"250 x 250 x 35 RSA", 250, 250, 35, 35, 20, 4.8, 16351, 9.3047e+07, 9.3047e+07, 75.436, 75.436, 75.068, 75.068, 174.93, 174.93, 1.4723e+08, 3.8863e+07, 94.891, 48.752, 44.968, 6768100, 60.898}},
};
// clang-format on

constexpr FixedValue Fixed[] = {{&R::E, 205000}};
const TableStyle Style{.PadDesignation = true,
                       .Shape = "RSA",
                       .SpacerShape = "",
                       .Fixed = Fixed,
                       .Derive = DeriveEqualAngleRecord};

} // namespace

void Pro_Load_EqRSA() {
    std::vector<TSectionRec> records = BuildRecords(Columns, Rows, ListedColumns, Listed, Style);
    // "150 x 150 x 15 RSA" keeps its published angle; the rest of it follows the outline.
    records[54].Alpha = 44.955f;
    WriteSectionFile("EqRSA.sct", records);
}

} // namespace kx
