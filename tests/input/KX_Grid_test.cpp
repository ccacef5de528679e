// The user section file as the editor shows and saves it: the rows and their texts, the records
// Save writes, the refused cells, and what an old, damaged or unwritable file keeps.
#include "input/KX_Grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <limits>
#include <span>
#include <sys/resource.h>
#include <tuple>

#include "FormTestSupport.h"
#include "foundation/Units.h"
#include "platform/BinaryIO.h"
#include "sections/SectionFile.h"

using namespace kx;

namespace {

class SectionGrid : public kxtest::InputFormTest {
protected:
    std::vector<std::uint8_t> FileBytes(const char* name = "KX.sct") {
        return ReadWholeFile(dir_.path(name));
    }
    std::vector<SectionGridRow> Rows() { return SectionGridShow().Rows; }
    // A file of n user records "S1", "S2", ... with Ixx 1, 2, ... cm^4.
    void WriteRecords(int n) {
        std::vector<TSectionRec> recs(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            recs[static_cast<std::size_t>(i)].Designation = "S" + std::to_string(i + 1);
            recs[static_cast<std::size_t>(i)].Ixx = static_cast<float>(10000 * (i + 1));
        }
        WriteSectionFile("KX.sct", recs);
    }
};

TEST_F(SectionGrid, NoFileShowsEmptyRowsAndTypedRowsAreStoredInNewtonsAndMillimetres) {
    const SectionGridContent c = SectionGridShow();
    EXPECT_EQ(c.Headings, (SectionGridRow{" Ref", "     Description", "     Ixx  (cm^4)", "     E  (N/mm^2)",
                                          "     Permissible Shear  (kN)", "     Permissible Moment  (kN-m)",
                                          "     GA/Kform  (kN)"}));
    std::vector<SectionGridRow> rows = c.Rows;
    ASSERT_EQ(rows.size(), 250u);
    for (int i = 0; i < 250; ++i)
        EXPECT_EQ(rows[static_cast<std::size_t>(i)], (SectionGridRow{std::to_string(i + 1)}));

    rows[0] = {"1", "Alu beam", "1200", "70000", "50", "20", "150000"};
    // The description is cut, not checked; blanks, a sign, an exponent and "-0" are fine.
    rows[1] = {"2", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", " +1.234567e2 ", "  ", "0", "-0", ""};
    rows[2][1] = "#####";
    ASSERT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(FileBytes().size(), 50000u);
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    EXPECT_EQ(recs[1].Designation.str(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(recs[1].Ixx, 1234567.0f);
    EXPECT_EQ(recs[2].Designation.str(), "#####");
    TSectionRec want; // the empty rows: blank, group 1.0, shape " ", their record numbers
    want.Group = 1.0f;
    want.Shape = " ";
    for (std::size_t i = 3; i < 250; ++i) {
        want.RecordNo = static_cast<int>(i) + 1;
        EXPECT_EQ(recs[i], want) << i;
    }
    want.Designation = "Alu beam";
    want.Ixx = 1.2e7f;
    want.E = 70000;
    want.PermShear = 49999.996f; // 50 / the single 0.001, in double, then stored
    want.PermMoment = 2e7f;
    want.GA = 1.5e8f;
    want.RecordNo = 1;
    EXPECT_EQ(recs[0], want);

    // Shown again at five figures.
    rows = Rows();
    EXPECT_EQ((std::vector<std::string>(rows[0].begin(), rows[0].end())),
              (std::vector<std::string>{"1", "Alu beam", "1200.0", "70000", "50.000", "20.000", "150000"}));
    EXPECT_EQ(rows[1][2], "123.46");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SectionGrid, RowsSavedInTheirOrderShortFileShownFileOfAnyCaseWrittenOver) {
    // 249 records: all shown, the last row empty; row 5 dragged to the top is saved as record 1.
    WriteRecords(249);
    std::vector<SectionGridRow> rows = Rows();
    EXPECT_EQ(rows[248][1] + " " + rows[248][2], "S249 249.00");
    EXPECT_EQ(rows[249], (SectionGridRow{"250"}));
    std::rotate(rows.begin(), rows.begin() + 4, rows.begin() + 5);
    ASSERT_FALSE(SaveSectionGrid(rows));
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    ASSERT_EQ(recs.size(), 250u);
    EXPECT_EQ(recs[0].Designation.str() + recs[4].Designation.str() + recs[248].Designation.str(),
              "S5S4S249");
    EXPECT_EQ(recs[0].RecordNo, 1);
    EXPECT_EQ(recs[0].Ixx, 50000.0f);

    // A file named in another case is the one written over.
    std::filesystem::rename(dir_.path("KX.sct"), dir_.path("kx.SCT"));
    rows = Rows();
    rows[0][1] = "changed";
    ASSERT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(FileBytes("kx.SCT").size(), 50000u);
    EXPECT_EQ(ReadSectionFile("kx.SCT")[0].Designation.str(), "changed");
    EXPECT_FALSE(std::filesystem::exists(dir_.path("KX.sct")));
}

TEST_F(SectionGrid, RefusedCellsAndFailedWritesLeaveTheFileAsItWas) {
    WriteRecords(3);
    const std::vector<std::uint8_t> before = FileBytes();
    const std::tuple<int, int, const char*, const char*> cases[] = {
        {1, 2, "12 cm", "Row 1: \"12 cm\" is not a number"},
        {250, 3, "1e39", "Row 250: \"1e39\" is not a number"},
        {2, 6, "1e300", "Row 2: \"1e300\" is not a number"},
        {4, 2, "4e34", "Row 4: \"4e34\" is not a number"}, // 4e38 mm^4 is beyond a single
        {5, 2, "+-5", "Row 5: \"+-5\" is not a number"},
        {9, 4, "-5", "Row 9: negative values not allowed"},
        {3, 5, "-0.001", "Row 3: negative values not allowed"},
    };
    for (const auto& [row, col, text, message] : cases) {
        dialogs->clear();
        std::vector<SectionGridRow> rows = Rows();
        rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = text;
        const auto refusal = SaveSectionGrid(rows);
        ASSERT_TRUE(refusal) << text;
        EXPECT_EQ((std::pair{refusal->Row, refusal->Col}), (std::pair{row, col}));
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_EQ(FileBytes(), before) << text;
    }

    // A failed write (here a file-size limit below the 50,000 bytes) keeps the old file whole.
    std::vector<SectionGridRow> rows = Rows();
    rows[0][1] = "never written";
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string error;
    try {
        SaveSectionGrid(rows);
    } catch (const IoError& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error, "Disk full");
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.dir()), {}), 1); // no temporary left

    // A file that no one may write is kept, whoever saves (root included, as CI runs).
    std::filesystem::permissions(dir_.path("KX.sct"), std::filesystem::perms(0444));
    error.clear();
    try {
        SaveSectionGrid(rows);
    } catch (const IoError& e) {
        error = e.what();
    }
    EXPECT_EQ(error, "File access denied");
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(std::filesystem::status(dir_.path("KX.sct")).permissions(), std::filesystem::perms(0444));
    std::filesystem::permissions(dir_.path("KX.sct"), std::filesystem::perms(0644));

    // A damaged value shows as "#####" and must be retyped.
    TSectionRec rec;
    rec.E = std::numeric_limits<float>::quiet_NaN();
    rec.Ixx = std::numeric_limits<float>::infinity();
    WriteSectionFile("KX.sct", std::span(&rec, 1));
    rows = Rows();
    EXPECT_EQ(rows[0][2] + rows[0][3], "##########");
    dialogs->clear();
    EXPECT_TRUE(SaveSectionGrid(rows));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Row 1: \"#####\" is not a number"});
    rows[0][2] = "10";
    rows[0][3] = "70000";
    EXPECT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(ReadSectionFile("KX.sct")[0].E, 70000.0f);
}

} // namespace

TEST_F(SectionGrid, ValuesAreSavedInTheUnitsTheirHeadingsNameWhateverUnitsTheJobTakesSince) {
    // Shown under a job in mm^4 and N-mm: Ixx 5000000 mm^4 and a permissible moment of
    // 12500000 N mm (12.5 kN m) typed.
    Model.UnitTextSectI = "mm^4", Model.UnitFactorSectI = 1;
    Model.UnitTextMoment = "N-mm", Model.UnitFactorMoment = 1;
    SectionGridContent c = SectionGridShow();
    c.Rows[0][1] = "Ply box";
    c.Rows[0][2] = "5000000";
    c.Rows[0][5] = "12500000";
    // File New or Open puts the job in cm^4 and kN-m while the editor stays open.
    SetDefaultUnits(Model);
    EXPECT_EQ(SectionGridHeadings()[2], "     Ixx  (mm^4)");
    EXPECT_EQ(SectionGridHeadings()[5], "     Permissible Moment  (N-mm)");
    ASSERT_FALSE(SaveSectionGrid(c.Rows));
    const TSectionRec rec = ReadSectionFile("KX.sct").at(0);
    EXPECT_EQ(rec.Ixx, 5.0e6f);
    EXPECT_EQ(rec.PermMoment, 1.25e7f);
    // Shown again, the grid takes the job's units: 500 cm^4 and 12.5 kN-m.
    c = SectionGridShow();
    EXPECT_EQ(c.Headings[2], "     Ixx  (cm^4)");
    EXPECT_EQ(c.Rows[0][2] + " " + c.Rows[0][5], "500.00 12.500");
}

// Saved again unchanged, every value is saved as it was read, not as rounded for showing; a value
// typed over is read in the column's unit.
TEST_F(SectionGrid, AnUnchangedSaveKeepsEveryValueAsItWas) {
    TSectionRec own;
    own.Designation = "Ply box 300";
    own.Group = 1;
    own.E = 9876.54f;
    own.Ixx = 1.2345678e8f;   // shown as 12346 cm^4
    own.GA = 1.2345678e7f;    // 12346 kN
    own.PermShear = 34567.8f; // 34.568 kN
    own.PermMoment = 2.3456789e7f;
    WriteSectionFile("KX.sct", std::vector<TSectionRec>{own, own});
    std::vector<SectionGridRow> rows = Rows();
    EXPECT_EQ(rows[0][2], "12346");
    rows[1][3] = "9000";
    ASSERT_FALSE(SaveSectionGrid(rows));
    std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    for (auto [field, want] : {std::pair{&TSectionRec::Ixx, own.Ixx},
                               {&TSectionRec::E, own.E},
                               {&TSectionRec::GA, own.GA},
                               {&TSectionRec::PermShear, own.PermShear},
                               {&TSectionRec::PermMoment, own.PermMoment}})
        EXPECT_EQ(recs[0].*field, want);
    EXPECT_EQ(recs[1].E, 9000.0f);
    EXPECT_EQ(recs[1].Ixx, own.Ixx);

    // Typed over, the figures are read in the column's unit.
    rows = Rows();
    rows[0][2] = "12345";
    ASSERT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(ReadSectionFile("KX.sct")[0].Ixx, 123450000.0f);
}

namespace {

// A second grid that differs from the first in every cell of every row, the last included, is
// saved whole: each record holds its own row's description and values, in N and mm.
TEST_F(SectionGrid, ASecondGridDifferingInEveryCellIsSavedWhole) {
    // Row i (1 to 250) of grid A: Ixx i cm^4, E 1000 + i N/mm^2, shear i / 2 kN, moment i / 4
    // kN-m, GA 2i kN; grid B adds 1000 to every figure.
    const auto grid = [](int add) {
        std::vector<SectionGridRow> rows(kUserSectionRows);
        for (int i = 1; i <= kUserSectionRows; ++i)
            rows[static_cast<std::size_t>(i - 1)] = {std::to_string(i),
                                                     (add ? "B " : "A ") + std::to_string(i),
                                                     std::to_string(i + add),
                                                     std::to_string(1000 + i + add),
                                                     std::to_string(i / 2.0 + add),
                                                     std::to_string(i / 4.0 + add),
                                                     std::to_string(2 * i + add)};
        return rows;
    };
    ASSERT_FALSE(SaveSectionGrid(grid(0)));
    ASSERT_FALSE(SaveSectionGrid(grid(1000)));
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    ASSERT_EQ(recs.size(), 250u);
    for (int i = 1; i <= kUserSectionRows; ++i) {
        const TSectionRec& r = recs[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(r.Designation.str(), "B " + std::to_string(i)) << i;
        // cm^4 x 10000 = mm^4; kN x 1000 = N; kN-m x 1e6 = N mm.
        EXPECT_EQ(r.Ixx, static_cast<float>((i + 1000) * 10000.0)) << i;
        EXPECT_EQ(r.E, static_cast<float>(2000 + i)) << i;
        EXPECT_NEAR(r.PermShear, (i / 2.0 + 1000) * 1000, (i / 2.0 + 1000) * 1e-3) << i;
        EXPECT_NEAR(r.PermMoment, (i / 4.0 + 1000) * 1e6, (i / 4.0 + 1000) * 1.0) << i;
        EXPECT_EQ(r.GA, static_cast<float>((2 * i + 1000) * 1000.0)) << i;
        EXPECT_TRUE(r.Group == 1.0f && r.Shape.str() == " " && r.RecordNo == i) << i;
    }
}

} // namespace
