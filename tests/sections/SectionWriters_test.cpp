// All section files written in order: sizes, idempotence, overwrite, and a failure ending the sequence.
#include "sections/SectionWriters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SectionTestSupport.h"
#include "platform/Errors.h"
#include "sections/SectionFile.h"

using namespace kx;
using namespace sectiontest;
namespace fs = std::filesystem;

namespace {

// File and size of every table, in the order they are written.
const std::vector<std::pair<std::string, std::uintmax_t>> Files = {
    {"UB.sct", 19000},     {"UC.sct", 7400},      {"RSJ.sct", 1800},  {"IPE.sct", 18400},  {"HE.sct", 24800},
    {"WsBeam.sct", 41600}, {"WsCol.sct", 13200},  {"RSC.sct", 3400},  {"PFC.sct", 3200},   {"UPN.sct", 4800},
    {"EqRSA.sct", 13200},  {"UnEqRSA.sct", 8600}, {"EqL.sct", 3400},  {"UnEqL.sct", 6800}, {"RHS.sct", 38600},
    {"CHS.sct", 17800},    {"C.sct", 7400},       {"Scaf.sct", 2200},
};

} // namespace

TEST(SectionWriters, WriteEveryFileInOrderWithItsSize) {
    StartDirScope dir;
    ASSERT_EQ(SectionWriters().size(), Files.size());
    for (std::size_t i = 0; i < Files.size(); ++i)
        EXPECT_EQ(SectionWriters()[i].FileName, Files[i].first);

    WriteAllSectionFiles();
    std::uintmax_t total = 0;
    for (const auto& [name, size] : Files)
        total += fs::file_size(dir.path(name));
    EXPECT_EQ(total, 235600u) << "1178 records in all";
    for (const auto& [name, size] : Files) {
        ASSERT_TRUE(fs::exists(dir.path(name))) << name;
        EXPECT_EQ(fs::file_size(dir.path(name)), size) << name;
        EXPECT_EQ(ReadSectionFile(name).size(), size / 200) << name;
        expectUnusedBytesZero(dir.path(name));
    }
}

TEST(SectionWriters, WritingAgainGivesTheSameBytesOverLongerOrChangedFiles) {
    StartDirScope first, second;
    WriteAllSectionFiles();
    StartDir = first.dir();
    WriteAllSectionFiles();
    for (const auto& [name, size] : Files)
        std::ofstream(second.path(name), std::ios::binary) << std::string(20000, 'x');
    StartDir = second.dir();
    WriteAllSectionFiles();
    WriteAllSectionFiles();
    for (const auto& [name, size] : Files) {
        EXPECT_EQ(fs::file_size(second.path(name)), size) << name;
        EXPECT_EQ(fileBytes(first.path(name)), fileBytes(second.path(name))) << name;
    }
}

TEST(SectionWriters, SpacerRowsHoldNoDimensionsAndReadBackAsBlankLines) {
    StartDirScope dir;
    WriteAllSectionFiles();
    for (const auto& [name, size] : Files) {
        for (const TSectionRec& r : ReadSectionFile(name)) {
            if (!IsSpacerDesignation(r.Designation.view())) continue;
            EXPECT_EQ(r.B, 0.0f) << name << " record " << r.RecordNo;
            EXPECT_EQ(r.E, 0.0f) << name << " record " << r.RecordNo;
            EXPECT_EQ(r.A, 0.0f) << name << " record " << r.RecordNo;
        }
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
    for (const char* written :
         {"UB.sct", "UC.sct", "RSJ.sct", "IPE.sct", "HE.sct", "WsBeam.sct", "WsCol.sct", "RSC.sct"})
        EXPECT_TRUE(fs::is_regular_file(dir.path(written)));
    for (const char* notCalled : {"UPN.sct", "EqRSA.sct", "UnEqRSA.sct", "EqL.sct", "UnEqL.sct", "RHS.sct",
                                  "CHS.sct", "C.sct", "Scaf.sct"})
        EXPECT_FALSE(fs::exists(dir.path(notCalled))) << notCalled;
}
