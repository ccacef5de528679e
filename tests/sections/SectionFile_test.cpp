// Section files in the start-up directory: written whole or up to a failure, read back by position.
#include "sections/SectionFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

#include "SectionTestSupport.h"
#include "platform/Errors.h"

using namespace kx;
using namespace sectiontest;
namespace fs = std::filesystem;

namespace {

std::vector<TSectionRec> someRecords(int n) {
    std::vector<TSectionRec> recs(n);
    for (int i = 0; i < n; ++i) {
        recs[i].Designation = "Section " + std::to_string(i + 1);
        recs[i].B = 10.0f * (i + 1);
        recs[i].Shape = "Beam";
        recs[i].RecordNo = i + 1;
    }
    return recs;
}

int openDescriptors() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// The code and text of the error a call throws, as the user would see them.
template <class F> std::string ioErrorOf(F f) {
    try {
        f();
    } catch (const IoError& e) {
        return std::to_string(e.code()) + " " + e.what();
    }
    return "no error";
}

void writeOne() { WriteSectionFile("UC.sct", someRecords(1)); }

} // namespace

TEST(SectionFile, WritesIntoStartDirAndReadsBackByPosition) {
    StartDirScope dir;
    const fs::path cwd = fs::current_path();
    const std::vector<TSectionRec> recs = someRecords(3);
    WriteSectionFile("Test.sct", recs);
    EXPECT_EQ(fs::current_path(), cwd) << "the working directory never changes";
    EXPECT_FALSE(fs::exists(cwd / "Test.sct")) << "nothing lands in the working directory";
    ASSERT_EQ(fs::file_size(dir.path("Test.sct")), 600u);

    EXPECT_EQ(ReadSectionFile("Test.sct"), recs);
    EXPECT_EQ(ReadSectionDesignations("Test.sct"),
              (std::vector<std::string>{"Section 1", "Section 2", "Section 3"}));
    EXPECT_EQ(ReadSectionRecord("Test.sct", 2), recs[1]);
    EXPECT_EQ(ReadSectionRecord("TEST.SCT", 3).B, 30.0f) << "names are found without regard to case";

    // A longer file named in another case is overwritten under its own name.
    fs::rename(dir.path("Test.sct"), dir.path("test.sct"));
    std::ofstream(dir.path("test.sct"), std::ios::binary | std::ios::app) << std::string(5000, 'x');
    WriteSectionFile("Test.sct", someRecords(2));
    EXPECT_EQ(fs::file_size(dir.path("test.sct")), 400u);
    EXPECT_FALSE(fs::exists(dir.path("Test.sct")));
}

TEST(SectionFile, CountsWholeRecordsOnlyAndRefusesRecordsBeyondThemOrAMissingFile) {
    StartDirScope dir;
    WriteSectionFile("Four.sct", someRecords(4));
    std::ofstream(dir.path("Four.sct"), std::ios::binary | std::ios::app) << std::string(150, '\x7f');
    ASSERT_EQ(fs::file_size(dir.path("Four.sct")), 950u);
    EXPECT_EQ(ReadSectionFile("Four.sct").size(), 4u);
    EXPECT_EQ(ReadSectionDesignations("Four.sct").size(), 4u);
    EXPECT_EQ(ReadSectionRecord("Four.sct", 4).Designation, "Section 4");
    EXPECT_EQ(ioErrorOf([] { ReadSectionRecord("Four.sct", 5); }), "100 Read beyond end of file");
    EXPECT_THROW(ReadSectionRecord("Four.sct", 0), RangeError);
    EXPECT_EQ(ioErrorOf([] { ReadSectionFile("UB.sct"); }), "2 File not found");
    EXPECT_EQ(ioErrorOf([] { ReadSectionDesignations("UB.sct"); }), "2 File not found");
    EXPECT_EQ(ioErrorOf([] { ReadSectionRecord("UB.sct", 1); }), "2 File not found");
}

TEST(SectionFile, AFailedCreateOrAFullDiskReportsThePlatformTextAndClosesTheFile) {
    StartDirScope dir;
    const int before = openDescriptors();

    // The start-up directory is a regular file, or missing.
    std::ofstream(dir.path("plain"), std::ios::binary) << std::string(10, 'p');
    StartDir = dir.path("plain");
    EXPECT_EQ(ioErrorOf(writeOne), "2 File not found");
    StartDir = dir.path("missing");
    EXPECT_EQ(ioErrorOf(writeOne), "2 File not found");
    EXPECT_FALSE(fs::exists(dir.path("missing")));
    EXPECT_EQ(fs::file_size(dir.path("plain")), 10u);

    // A full disk.
    StartDir = dir.dir();
    fs::create_symlink("/dev/full", dir.path("UC.sct"));
    EXPECT_EQ(ioErrorOf(writeOne), "101 Disk full");
    EXPECT_EQ(openDescriptors(), before) << "no file is left open";
}

TEST(SectionFile, RecordsWrittenBeforeAFailureStand) {
    StartDirScope dir;
    // A file size limit of five records stops the sixth; the signal it raises is ignored so that
    // the write fails instead.
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 5 * 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::vector<TSectionRec> recs = someRecords(8);
    const std::string err = ioErrorOf([&] { WriteSectionFile("UC.sct", recs); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(err, "101 Disk full");
    ASSERT_EQ(fs::file_size(dir.path("UC.sct")), 1000u);
    EXPECT_EQ(ReadSectionFile("UC.sct"), std::vector<TSectionRec>(recs.begin(), recs.begin() + 5));
}
