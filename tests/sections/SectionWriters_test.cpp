// All section files written in order: every record against the tables in data/, rewriting, and a failure.
#include "sections/SectionWriters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "SectionTestSupport.h"
#include "platform/Errors.h"
#include "sections/SectionFile.h"

using namespace kx;
using namespace sectiontest;
namespace fs = std::filesystem;

namespace {

struct FileCase {
    const char* name;
    int records;
    bool complete; // every record given in full
    bool padded;   // designations blank-padded to 25 characters
    bool channel;  // b = B and byte 132 = D/2 in every section row, not repeated in the tables
};

// Every file in the order it is written, with its number of records.
const FileCase Files[] = {
    {"UB.sct", 95, false, true, false},    {"UC.sct", 37, true, true, false},
    {"RSJ.sct", 9, true, true, false},     {"IPE.sct", 92, false, true, false},
    {"HE.sct", 124, false, true, false},   {"WsBeam.sct", 208, false, true, false},
    {"WsCol.sct", 66, false, true, false}, {"RSC.sct", 17, true, true, true},
    {"PFC.sct", 16, true, true, true},     {"UPN.sct", 24, true, true, true},
    {"EqRSA.sct", 66, false, true, false}, {"UnEqRSA.sct", 43, true, true, false},
    {"EqL.sct", 17, true, true, false},    {"UnEqL.sct", 34, true, true, false},
    {"RHS.sct", 193, false, true, false},  {"CHS.sct", 89, false, true, false},
    {"C.sct", 37, true, false, true},      {"Scaf.sct", 11, true, false, false},
};

void PrintTo(const FileCase& f, std::ostream* os) { *os << f.name; }

// One call of the entry point writes the files that every case reads.
class SectionFiles : public ::testing::TestWithParam<FileCase> {
public:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<StartDirScope>();
        WriteAllSectionFiles();
    }
    static void TearDownTestSuite() { dir_.reset(); }

protected:
    static std::unique_ptr<StartDirScope> dir_;
};
std::unique_ptr<StartDirScope> SectionFiles::dir_;

} // namespace

TEST(SectionWriters, WriteTheFilesInOrder1178RecordsInAll) {
    ASSERT_EQ(SectionWriters().size(), std::size(Files));
    int total = 0;
    for (std::size_t i = 0; i < std::size(Files); ++i) {
        EXPECT_STREQ(SectionWriters()[i].FileName, Files[i].name);
        total += Files[i].records;
    }
    EXPECT_EQ(total, 1178);
}

// Size, designations, shape codes, record numbers, constant and zero fields, spacer rows, the bytes that
// hold no value and every row given in full; the column sums; and the file read back by the reader.
TEST_P(SectionFiles, HoldEveryRecordAsListed) {
    const FileCase& f = GetParam();
    Expected want = expectedRecords(f.name, f.records, f.padded, f.complete);
    for (int pos = 1; pos <= f.records && f.channel; ++pos) {
        if (want.spacer(pos)) continue;
        std::uint8_t* rec = want.records[pos - 1].data();
        putSingle(rec, 52, singleAt(rec, 32));
        putSingle(rec, 132, singleAt(rec, 28) / 2);
    }
    const std::vector<std::uint8_t> bytes = fileBytes(dir_->path(f.name));
    ASSERT_EQ(bytes.size(), 200u * f.records) << f.name;
    expectRecords(f.name, bytes, want);
    expectColumnSums(f.name, bytes, want);
    for (int pos = 1; pos <= f.records && !f.complete; ++pos)
        EXPECT_TRUE(want.spacer(pos) || singleAt(bytes.data() + 200 * (pos - 1), 32) > 0)
            << f.name << " record " << pos << ": a section row holds its width";

    EXPECT_EQ(ReadSectionFile(f.name).size(), static_cast<std::size_t>(f.records));
    std::vector<std::string> names;
    for (const Image& rec : want.records)
        names.push_back(stringAt(rec.data(), 0));
    EXPECT_EQ(ReadSectionDesignations(f.name), names) << f.name;
}

std::string caseName(const ::testing::TestParamInfo<FileCase>& c) {
    const std::string name = c.param.name;
    return name.substr(0, name.find('.'));
}
INSTANTIATE_TEST_SUITE_P(All, SectionFiles, ::testing::ValuesIn(Files), caseName);

TEST(SectionWriters, WritingAgainGivesTheSameBytesOverLongerFiles) {
    StartDirScope first, second;
    StartDir = first.dir();
    WriteAllSectionFiles();
    for (const FileCase& f : Files)
        std::ofstream(second.path(f.name), std::ios::binary) << std::string(50000, 'x');
    StartDir = second.dir();
    WriteAllSectionFiles();
    WriteAllSectionFiles();
    for (const FileCase& f : Files) {
        EXPECT_EQ(fs::file_size(second.path(f.name)), 200u * f.records) << f.name;
        EXPECT_EQ(fileBytes(first.path(f.name)), fileBytes(second.path(f.name))) << f.name;
    }
}

TEST(SectionWriters, AFailingWriterEndsTheSequenceThere) {
    StartDirScope dir;
    fs::create_directory(dir.path("PFC.sct"));
    try {
        WriteAllSectionFiles();
        ADD_FAILURE() << "the failure must reach the caller";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    for (std::size_t i = 0; i < std::size(Files); ++i) // "PFC.sct" is the ninth
        EXPECT_EQ(fs::is_regular_file(dir.path(Files[i].name)), i < 8) << Files[i].name;
}
