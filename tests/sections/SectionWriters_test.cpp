// All section files written in order: every record against the tables in data/, rewriting, and a failure.
#include "sections/SectionWriters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SectionTestSupport.h"
#include "Unprivileged.h"
#include "platform/Errors.h"
#include "sections/SectionFile.h"

using namespace kx;
using namespace sectiontest;
namespace fs = std::filesystem;

namespace {

struct FileCase {
    const char* file;
    int records;
    bool complete; // every record given in full
    bool padded;   // designations blank-padded to 25 characters
    bool channel;  // b = B and byte 132 = D/2 in every section row, not repeated in the tables
};

// Every file the entry point writes, with its number of records.
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

void PrintTo(const FileCase& f, std::ostream* os) { *os << f.file; }

class SectionFiles : public ::testing::TestWithParam<FileCase> {};

} // namespace

// After one call of the entry point: size, designations, shape codes, record numbers, constant and zero
// fields, spacer rows, the bytes that hold no value and every row given in full; and the file read back.
TEST_P(SectionFiles, HoldEveryRecordAsListed) {
    const FileCase& f = GetParam();
    Expected want = expectedRecords(f.file, f.records, f.padded, f.complete);
    for (int pos = 1; pos <= f.records && f.channel; ++pos) {
        if (want.spacer(pos)) continue;
        std::uint8_t* rec = want.records[pos - 1].data();
        putSingle(rec, 52, singleAt(rec, 32));
        putSingle(rec, 132, singleAt(rec, 28) / 2);
    }
    StartDirScope dir;
    WriteAllSectionFiles();
    const std::vector<std::uint8_t> bytes = fileBytes(dir.path(f.file));
    expectRecords(f.file, bytes, want);
    EXPECT_EQ(ReadSectionFile(f.file).size(), static_cast<std::size_t>(f.records));
    std::vector<std::string> names;
    for (const Image& rec : want.records)
        names.push_back(stringAt(rec.data(), 0));
    EXPECT_EQ(ReadSectionDesignations(f.file), names) << f.file;
}

INSTANTIATE_TEST_SUITE_P(All, SectionFiles, ::testing::ValuesIn(Files), fileCaseName<FileCase>);

TEST(SectionWriters, WritingAgainGivesTheSameBytesOverLongerFiles) {
    StartDirScope first, second;
    StartDir = first.dir();
    WriteAllSectionFiles();
    for (const FileCase& f : Files)
        std::ofstream(second.path(f.file), std::ios::binary) << std::string(50000, 'x');
    StartDir = second.dir();
    WriteAllSectionFiles();
    WriteAllSectionFiles();
    for (const FileCase& f : Files) {
        EXPECT_EQ(fs::file_size(second.path(f.file)), 200u * f.records) << f.file;
        EXPECT_EQ(fileBytes(first.path(f.file)), fileBytes(second.path(f.file))) << f.file;
    }
}

TEST(SectionWriters, AFailingWriterKeepsTheOthersAndReportsTheFirstError) {
    StartDirScope dir;
    fs::create_directory(dir.path("PFC.sct"));
    fs::create_directory(dir.path("CHS.sct"));
    try {
        WriteAllSectionFiles();
        ADD_FAILURE() << "the failure must reach the caller";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    for (const FileCase& f : Files) {
        const bool blocked = std::string(f.file) == "PFC.sct" || std::string(f.file) == "CHS.sct";
        EXPECT_EQ(fs::is_regular_file(dir.path(f.file)), !blocked) << f.file;
        if (!blocked) {
            EXPECT_EQ(fs::file_size(dir.path(f.file)), 200u * f.records) << f.file;
        }
    }
}

// A user who may not write the first file or the folder: the file keeps its old bytes and the
// writers after it still run; in a read-only folder the files already there are rewritten in place.
TEST(SectionWriters, AReadOnlyFileOrFolderRefusesTheUserAndKeepsWhatStood) {
    if (kxtest::RanAsUnprivilegedUser()) return;
    StartDirScope dir;
    std::ofstream(dir.path("UB.sct"), std::ios::binary) << "old";
    fs::permissions(dir.path("UB.sct"), fs::perms(0444));
    try {
        WriteAllSectionFiles();
        ADD_FAILURE() << "the read-only file was written";
    } catch (const IoError& e) {
        EXPECT_EQ(std::to_string(e.code()) + " " + e.what(), "5 File access denied");
    }
    EXPECT_EQ(fileBytes(dir.path("UB.sct")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(fs::file_size(dir.path("Scaf.sct")), 11u * 200) << "the last writer ran";

    fs::permissions(dir.path("UB.sct"), fs::perms(0644));
    fs::remove(dir.path("Scaf.sct"));
    fs::permissions(dir.dir(), fs::perms(0555));
    try {
        WriteAllSectionFiles();
        ADD_FAILURE() << "a file was made in the read-only folder";
    } catch (const IoError& e) {
        EXPECT_EQ(std::to_string(e.code()) + " " + e.what(), "5 File access denied");
    }
    fs::permissions(dir.dir(), fs::perms(0755));
    EXPECT_FALSE(fs::exists(dir.path("Scaf.sct")));
    EXPECT_EQ(fs::file_size(dir.path("UB.sct")), 95u * 200) << "rewritten where it stands";
    EXPECT_EQ(fs::file_size(dir.path("C.sct")), 37u * 200);
}
