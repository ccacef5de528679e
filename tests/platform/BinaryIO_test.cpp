#include "platform/BinaryIO.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "TempDir.h"
#include "Unprivileged.h"

using namespace kx;

TEST(BinaryIO, WritesLittleEndianImagesAndReadsThemBack) {
    BinaryWriter w;
    w.int32(0x01020304);
    w.int32(-2);
    w.single(1.0f);
    w.dbl(-2.5);
    w.str(ShortString<3>("ab"));
    const auto& d = w.data();
    ASSERT_EQ(d.size(), 4u + 4 + 4 + 8 + 4);
    EXPECT_EQ(d[0], 0x04);
    EXPECT_EQ(d[3], 0x01);
    EXPECT_EQ(d[4], 0xFE);
    EXPECT_EQ(d[7], 0xFF);
    // 1.0f = 0x3F800000
    EXPECT_EQ(d[8], 0x00);
    EXPECT_EQ(d[10], 0x80);
    EXPECT_EQ(d[11], 0x3F);
    // -2.5 = 0xC004000000000000
    EXPECT_EQ(d[19], 0xC0);
    EXPECT_EQ(d[18], 0x04);
    EXPECT_EQ(d[20], 2);
    EXPECT_EQ(d[21], 'a');
    EXPECT_EQ(d[23], 0);

    BinaryReader r(d);
    EXPECT_EQ(r.int32(), 0x01020304);
    EXPECT_EQ(r.int32(), -2);
    EXPECT_EQ(r.single(), 1.0f);
    EXPECT_EQ(r.dbl(), -2.5);
    EXPECT_EQ(r.str<3>().str(), "ab");
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(BinaryIO, AShortReadThrowsReadBeyondEndOfFile) {
    BinaryWriter w;
    w.int32(7);
    std::vector<std::uint8_t> d = w.data();
    d.pop_back();
    BinaryReader r(d);
    try {
        r.int32();
        FAIL() << "a truncated int32 was read";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Read beyond end of file");
        EXPECT_EQ(e.code(), 100);
    }
    BinaryReader r2(std::vector<std::uint8_t>(25, 0));
    EXPECT_THROW(r2.str<25>(), IoError) << "a string is read whole: 26 bytes";
}

TEST(BinaryIO, ErrorTextsAreTheProgramsOwn) {
    EXPECT_EQ(IoErrorText(2), "File not found");
    EXPECT_EQ(IoErrorText(3), "Invalid filename");
    EXPECT_EQ(IoErrorText(4), "Too many open files");
    EXPECT_EQ(IoErrorText(5), "File access denied");
    EXPECT_EQ(IoErrorText(100), "Read beyond end of file");
    EXPECT_EQ(IoErrorText(101), "Disk full");
    EXPECT_EQ(IoErrorText(123), "I/O error 123");
}

TEST(BinaryIO, FileOperationsReportFailuresWithTheProgramsTexts) {
    TempDir dir;
    std::string missing = dir.path("none.bin");
    try {
        ReadWholeFile(missing);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    // A directory cannot be written as a file.
    try {
        WriteFileDirect(dir.path(""), {1, 2, 3});
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    if (std::filesystem::exists("/dev/full")) {
        try {
            WriteFileDirect("/dev/full", std::vector<std::uint8_t>(10, 1));
            FAIL();
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), "Disk full");
        }
    }
    EXPECT_THROW(WriteFileDirect("", {1}), IoError);
}

TEST(BinaryIO, ReplacingWriteKeepsTheOldFileWhenTheWriteFails) {
    TempDir dir;
    std::string f = dir.path("beam.kxf");
    WriteFileReplacing(f, {1, 2, 3, 4});
    EXPECT_EQ(ReadWholeFile(f), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    WriteFileReplacing(f, {9});
    EXPECT_EQ(ReadWholeFile(f), (std::vector<std::uint8_t>{9}));
    EXPECT_EQ(ReadFileStart(f, 0).size(), 0u);

    // The target's folder is missing: the write fails and leaves nothing behind.
    EXPECT_THROW(WriteFileReplacing(dir.path("gone/beam.kxf"), {1}), IoError);
    // A target that is a directory: rename fails, the directory is untouched, no temp remains.
    std::filesystem::create_directory(dir.path("adir"));
    EXPECT_THROW(WriteFileReplacing(dir.path("adir"), {1, 2}), IoError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("adir")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.dir()), {}), 2);

    // Direct write overwrites a longer file completely.
    WriteFileDirect(f, std::vector<std::uint8_t>(100, 7));
    WriteFileDirect(f, {5, 6});
    EXPECT_EQ(ReadWholeFile(f), (std::vector<std::uint8_t>{5, 6}));
    EXPECT_EQ(ReadFileStart(f, 1), (std::vector<std::uint8_t>{5}));
}

namespace {

namespace fs = std::filesystem;

std::size_t EntriesIn(const std::string& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

} // namespace

TEST(BinaryIO, ReplacingWriteKeepsPermissionsAndReplacesOnlyRegularFiles) {
    TempDir dir;
    const std::string f = dir.path("job.kxf"), other = dir.path("other.kxf");
    // A new file gets the permissions any new file gets; a replaced one keeps its own.
    WriteFileReplacing(f, {1});
    WriteFileDirect(other, {7});
    EXPECT_EQ(fs::status(f).permissions(), fs::status(other).permissions());
    fs::permissions(f, fs::perms(0600));
    WriteFileReplacing(f, {2});
    EXPECT_EQ(fs::status(f).permissions(), fs::perms(0600));
    // A target that is a link: the file it names is replaced and the link stays.
    const std::string link = dir.path("link.kxf");
    fs::create_symlink("other.kxf", link);
    WriteFileReplacing(link, {4});
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(other), (std::vector<std::uint8_t>{4}));
    // A target that is no regular file is not replaced.
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0644), 0);
    try {
        WriteFileReplacing(dir.path("pipe"), {5});
        ADD_FAILURE() << "a pipe was replaced";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_TRUE(fs::is_fifo(dir.path("pipe")));
    EXPECT_EQ(EntriesIn(dir.dir()), 4u); // nothing left behind
}

TEST(BinaryIO, ReplacingWriteLeavesAFolderTheUserMayNotWriteTo) {
    if (kxtest::RanAsUnprivilegedUser()) return;
    TempDir dir;
    const std::string f = dir.path("folder/job.kxf");
    fs::create_directory(dir.path("folder"));
    WriteFileReplacing(f, {3});
    fs::permissions(dir.path("folder"), fs::perms(0555));
    try {
        WriteFileReplacing(f, {9, 9, 9});
        ADD_FAILURE() << "the file was replaced";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(ReadWholeFile(f), std::vector<std::uint8_t>{3});
    EXPECT_EQ(EntriesIn(dir.path("folder")), 1u);
    fs::permissions(dir.path("folder"), fs::perms(0755)); // so that it can be removed
}

TEST(BinaryIO, TheRegularFileReaderReadsNoMoreThanAsked) {
    TempDir dir;
    const std::string f = dir.path("long.bin");
    std::vector<std::uint8_t> bytes(200000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    WriteFileDirect(f, bytes);
    RegularFileReader r(f);
    EXPECT_EQ(r.size(), 200000u);
    std::vector<std::uint8_t> read;
    r.readInto(read, 26);
    r.readInto(read, 100000 - 26);
    EXPECT_EQ(read, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100000));
    r.readInto(read, 150000); // fewer at the end
    EXPECT_EQ(read, bytes);
    EXPECT_THROW(RegularFileReader(dir.path("missing")), IoError);
    EXPECT_THROW(RegularFileReader(dir.dir()), IoError);
}
