// The user section file as the editor shows and saves it: the rows and their texts, the records
// Save writes byte by byte, the refused cells, and what an old or damaged file keeps.
#include "input/KX_Grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <span>
#include <sys/resource.h>

#include "foundation/StartDirTest.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "sections/SectionFile.h"

using namespace kx;

namespace {

class SectionGrid : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        SetDefaultUnits(Model); // m, kN, cm^4, N/mm^2, kN-m
    }
    std::vector<std::uint8_t> FileBytes() {
        std::ifstream in(dir_.path("KX.sct"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<SectionGridRow> Rows() { return SectionGridShow().Rows; }
    // A file of n user records named "S1", "S2", ... with Ixx n cm^4.
    void WriteRecords(int n) {
        std::vector<TSectionRec> recs(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            recs[static_cast<std::size_t>(i)].Designation = "S" + std::to_string(i + 1);
            recs[static_cast<std::size_t>(i)].Ixx = static_cast<float>(10000 * (i + 1));
            recs[static_cast<std::size_t>(i)].Group = 1;
        }
        WriteSectionFile("KX.sct", recs);
    }
    ScopedScriptedDialogs dialogs;
};

TEST_F(SectionGrid, NoFileShowsEmptyRowsAndSavesBlankRecords) {
    const SectionGridContent c = SectionGridShow();
    EXPECT_EQ(c.Headings, (SectionGridRow{" Ref", "     Description", "     Ixx  (cm^4)", "     E  (N/mm^2)",
                                          "     Permissible Shear  (kN)", "     Permissible Moment  (kN-m)",
                                          "     GA/Kform  (kN)"}));
    ASSERT_EQ(c.Rows.size(), 250u);
    for (int i = 0; i < 250; ++i)
        EXPECT_EQ(c.Rows[static_cast<std::size_t>(i)], (SectionGridRow{std::to_string(i + 1)})) << i;
    EXPECT_TRUE(dialogs->messages().empty());

    ASSERT_FALSE(SaveSectionGrid(c.Rows));
    const std::vector<std::uint8_t> bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 50000u);
    for (int i = 0; i < 250; ++i) {
        const std::uint8_t* rec = bytes.data() + i * 200;
        TSectionRec expected;
        expected.Group = 1.0f;
        expected.Shape = " ";
        expected.RecordNo = i + 1;
        EXPECT_TRUE(std::equal(rec, rec + 200, EncodeSectionRec(expected).begin())) << i;
        EXPECT_EQ(rec[64 + 3], 0x3F); // group 1.0f = 0x3F800000
        EXPECT_EQ(rec[88], 1);        // shape " "
        EXPECT_EQ(rec[89], ' ');
        EXPECT_EQ(rec[196], i + 1);
    }
}

TEST_F(SectionGrid, TypedSectionIsStoredInNewtonsAndMillimetres) {
    std::vector<SectionGridRow> rows = Rows();
    rows[0] = {"1", "Alu beam", "1200", "70000", "50", "20", "150000"};
    rows[1] = {"2", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", " 1.234567e2 ", "", "", "", ""};
    ASSERT_FALSE(SaveSectionGrid(rows));
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    ASSERT_EQ(recs.size(), 250u);
    TSectionRec alu;
    alu.Designation = "Alu beam";
    alu.Group = 1.0f;
    alu.Shape = " ";
    alu.Ixx = 1.2e7f;
    alu.E = 70000;
    alu.PermShear = 49999.996f; // 50 / the single 0.001, in double, then stored
    alu.PermMoment = 2e7f;
    alu.GA = 1.5e8f;
    alu.RecordNo = 1;
    EXPECT_EQ(recs[0], alu);
    EXPECT_EQ(recs[1].Designation.str(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(recs[1].Ixx, 1234567.0f);

    // Shown again at five figures.
    const std::vector<SectionGridRow> shown = Rows();
    EXPECT_EQ(shown[0], (SectionGridRow{"1", "Alu beam", "1200.0", "70000", "50.000", "20.000", "150000"}));
    EXPECT_EQ(shown[1][2], "123.46");
}

TEST_F(SectionGrid, RowsAreSavedInTheOrderTheyStand) {
    WriteRecords(6);
    std::vector<SectionGridRow> rows = Rows();
    // Row 5 dragged to the top keeps its reference.
    std::rotate(rows.begin(), rows.begin() + 4, rows.begin() + 5);
    EXPECT_EQ(rows[0][0], "5");
    ASSERT_FALSE(SaveSectionGrid(rows));
    const std::vector<TSectionRec> recs = ReadSectionFile("KX.sct");
    EXPECT_EQ(recs[0].Designation.str(), "S5");
    EXPECT_EQ(recs[0].RecordNo, 1);
    EXPECT_EQ(recs[0].Ixx, 50000.0f);
    EXPECT_EQ(recs[4].Designation.str(), "S4");
    EXPECT_EQ(recs[4].RecordNo, 5);
    EXPECT_EQ(recs[5].Designation.str(), "S6");
}

TEST_F(SectionGrid, ShortFileShowsWhatItHoldsAndLongFileKeepsItsTail) {
    // 249 records: all 249 shown, the last row empty; Save keeps them.
    WriteRecords(249);
    std::vector<SectionGridRow> rows = Rows();
    EXPECT_EQ(rows[0][1], "S1");
    EXPECT_EQ(rows[248][1], "S249");
    EXPECT_EQ(rows[248][2], "249.00");
    EXPECT_EQ(rows[249], (SectionGridRow{"250"}));
    ASSERT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(ReadSectionFile("KX.sct")[248].Designation.str(), "S249");
    EXPECT_EQ(FileBytes().size(), 50000u);

    // 252 records and a partial one: the 250 shown are written, what follows stays.
    WriteRecords(252);
    {
        std::ofstream out(dir_.path("KX.sct"), std::ios::binary | std::ios::app);
        out << "tail";
    }
    const std::vector<std::uint8_t> before = FileBytes();
    rows = Rows();
    rows[0][1] = "changed";
    ASSERT_FALSE(SaveSectionGrid(rows));
    const std::vector<std::uint8_t> after = FileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin() + 50000, after.end(), before.begin() + 50000));
    EXPECT_EQ(ReadSectionFile("KX.sct")[0].Designation.str(), "changed");
}

TEST_F(SectionGrid, CellsThatAreNoUsableNumberAreRefusedAndNothingIsWritten) {
    WriteRecords(3);
    const std::vector<std::uint8_t> before = FileBytes();
    struct Case {
        int row, col;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {1, 2, "12 cm", "Row 1: \"12 cm\" is not a number"},
        {7, 5, "#####", "Row 7: \"#####\" is not a number"},
        {250, 3, "1e39", "Row 250: \"1e39\" is not a number"},
        {2, 6, "1e300", "Row 2: \"1e300\" is not a number"},
        {4, 2, "4e34", "Row 4: \"4e34\" is not a number"}, // 4e38 mm^4 is beyond a single
        {9, 4, "-5", "Row 9: negative values not allowed"},
        {3, 5, "-0.001", "Row 3: negative values not allowed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        dialogs->clear();
        std::vector<SectionGridRow> rows = Rows();
        rows[static_cast<std::size_t>(c.row - 1)][static_cast<std::size_t>(c.col)] = c.text;
        const auto refusal = SaveSectionGrid(rows);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->Row, c.row);
        EXPECT_EQ(refusal->Col, c.col);
        EXPECT_EQ(refusal->Message, c.message);
        EXPECT_EQ(dialogs->messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(FileBytes(), before);
    }
    // Text in the description, blanks, a sign and an exponent are fine.
    std::vector<SectionGridRow> rows = Rows();
    rows[0] = {"1", "#####", " +2.5E+1 ", "  ", "0", "-0", ""};
    EXPECT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(ReadSectionFile("KX.sct")[0].Ixx, 250000.0f);
}

TEST_F(SectionGrid, DamagedValueShowsAsOverflowAndMustBeRetyped) {
    TSectionRec rec;
    rec.Designation = "damaged";
    rec.E = std::numeric_limits<float>::quiet_NaN();
    rec.Ixx = std::numeric_limits<float>::infinity();
    WriteSectionFile("KX.sct", std::span(&rec, 1));
    std::vector<SectionGridRow> rows = Rows();
    EXPECT_EQ(rows[0][2], "#####");
    EXPECT_EQ(rows[0][3], "#####");
    EXPECT_TRUE(SaveSectionGrid(rows));
    rows[0][2] = "10";
    rows[0][3] = "70000";
    EXPECT_FALSE(SaveSectionGrid(rows));
    EXPECT_EQ(ReadSectionFile("KX.sct")[0].E, 70000.0f);
}

TEST_F(SectionGrid, FailedSaveKeepsTheOldFile) {
    WriteRecords(250);
    const std::vector<std::uint8_t> before = FileBytes();
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
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.dir()), {}), 1);
}

TEST_F(SectionGrid, FileInAnotherCaseIsTheOneShownAndReplaced) {
    WriteRecords(2);
    std::filesystem::rename(dir_.path("KX.sct"), dir_.path("kx.SCT"));
    std::vector<SectionGridRow> rows = Rows();
    EXPECT_EQ(rows[1][1], "S2");
    rows[1][1] = "renamed";
    ASSERT_FALSE(SaveSectionGrid(rows));
    EXPECT_FALSE(std::filesystem::exists(dir_.path("KX.sct")));
    EXPECT_EQ(ReadSectionFile("kx.SCT")[1].Designation.str(), "renamed");
}

TEST_F(SectionGrid, ValuesFollowTheUnitsInUse) {
    // Shear and moment in tonnes-force and tonne-metres: typed values divided by their factors.
    Model.UnitTextShear = "tonnef";
    Model.UnitFactorShear = 1.0f / 9964.02f;
    Model.UnitFactorMoment = 1.0f / 9964020.0f;
    std::vector<SectionGridRow> rows = Rows();
    EXPECT_EQ(SectionGridShow().Headings[4], "     Permissible Shear  (tonnef)");
    rows[0] = {"1", "T", "", "", "2", "3", ""};
    ASSERT_FALSE(SaveSectionGrid(rows));
    const TSectionRec rec = ReadSectionFile("KX.sct")[0];
    EXPECT_NEAR(rec.PermShear, 2 * 9964.02, 0.01);
    EXPECT_NEAR(rec.PermMoment, 3 * 9964020.0, 10);
    EXPECT_EQ(Rows()[0][4], "2.0000");
}

} // namespace
