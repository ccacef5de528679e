// Scaffold member table (tubes, boards, ladder beams, unit beam), written to "Scaf.sct".
#include "sections/Pro_Load_Scaffold.h"

#include "sections/SectionFile.h"
#include "sections/SectionTable.h"

namespace kx {

namespace {

using R = TSectionRec;

constexpr std::array<SectionField, 21> Columns = {
    &R::Group,  &R::E, &R::Grade,         &R::D,   &R::B,  &R::t,         &R::T,
    &R::GA,     &R::A, &R::Ixx,           &R::Iyy, &R::rx, &R::ry,        &R::FibreY,
    &R::FibreX, &R::J, &R::TorsionLength, &R::Sx,  &R::Sy, &R::PermShear, &R::PermMoment};

// Unlike the steel tables, every row carries its own record number and shape code.
struct ScaffoldRow {
    int RecordNo;
    std::string_view Shape;
    TableRow<Columns.size()> Row;
};

// clang-format off
// Record number, shape code, {designation, group, E, grade, D, B, t, T, GA/Kform,
//   A, Ixx, Iyy, rx, ry, byte 128, byte 132, J, byte 160, Sx, Sy, permissible shear, permissible moment}
// The values stand as the scaffold file holds them, the odd ones included (the 50 x 225 board's
// D, B and A; the 38 x 225 board's byte 132; no record number 4): beam files and the boards
// check refer to these records by number.
constexpr ScaffoldRow Rows[] = {
    {1,  "Tube",   {" \"Used\" Steel Tube",     2, 210000, 43, 0,    48.3, 4,    4,    0,       556.69, 138000,    138000, 15.726, 15.726, 24.15, 24.15,  275350, 24.15, 7863.6, 7863.6, 25900, 794300}},
    {2,  "Tube",   {" \"New\" Steel Tube",      2, 210000, 43, 0,    48.3, 4,    4,    0,       556.69, 138000,    138000, 15.726, 15.726, 24.15, 24.15,  275350, 24.15, 7863.6, 7863.6, 25900, 885700}},
    {3,  "Tube",   {"  Aluminium Tube",         2, 68900,  0,  0,    48.3, 4.47, 4.47, 0,       615,    149000,    149000, 15.6,   15.6,   24.15, 24.15,  298700, 24.15, 8609,   8609,   25500, 950000}},
    {5,  "",       {" "}},
    {6,  "KXSect", {" 38 x 225 Board",          2, 6000,   0,  38,   225,  0,    0,    0,       8550,   848000,    0,      0,      0,      0,     17.875, 0,      0,     0,      0,      8000,  468000}},
    {7,  "KXSect", {" 50 x 225 Board",          2, 6000,   0,  46.8, 222,  0,    0,    0,       10530,  1896000,   0,      0,      0,      0,     23.4,   0,      0,     0,      0,      10472, 798000}},
    {8,  "0",      {"  "}},
    {9,  "KXSect", {" 12\" x 12\" Ladder Beam", 2, 210000, 0,  305,  48.3, 4,    4,    3250000, 1113,   2.59e+07,  0,      152,    15.726, 0,     0,      0,      0,     0,      0,      20000, 1.27e+07}},
    {10, "KXSect", {" 12\" x 18\" Ladder Beam", 2, 210000, 0,  305,  0,    0,    0,    1225000, 1113,   2.59e+07,  0,      152,    0,      0,     0,      0,      0,     0,      0,      12500, 7250000}},
    {11, " ",      {" "}},
    {12, "KXSect", {" Unit Beam",               2, 210000, 0,  610,  48.3, 0,    0,    7000000, 1113,   1.036e+08, 0,      310,    0,      0,     0,      0,      0,     0,      0,      20000, 2.77e+07}},
};
// clang-format on

// Designations keep their own length, each beginning with a blank.
const TableStyle Style{.PadDesignation = false};

} // namespace

void Pro_Load_Scaffold() {
    std::vector<TSectionRec> records;
    for (const ScaffoldRow& row : Rows) {
        records.push_back(TableRecord(Columns, row.Row, Style));
        records.back().Shape = row.Shape;
        records.back().RecordNo = row.RecordNo;
    }
    WriteSectionFile("Scaf.sct", records);
}

} // namespace kx
