// Binary images and the file operations behind them: little-endian layout, reads past the end,
// the program's I/O messages, and replacing writes that never leave a half-written file.
#include "platform/BinaryIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "TempDir.h"
#include "Unprivileged.h"

using namespace kx;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The I/O message the call fails with, or "" when it does not fail.
template <class F> std::string IoMessage(F&& call) {
    try {
        call();
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

std::size_t EntriesIn(const std::string& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(BinaryIO, WritesLittleEndianImagesAndReadsThemBack) {
    BinaryWriter w;
    w.int32(0x01020304);
    w.int32(-2);
    w.single(1.0f); // 0x3F800000
    w.dbl(-2.5);    // 0xC004000000000000
    w.str(ShortString<3>("ab"));
    const Bytes expected = {4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0,   0x80, 0x3F,
                            0, 0, 0, 0, 0,    0,    0x04, 0xC0, 2, 'a', 'b',  0};
    EXPECT_EQ(w.data(), expected);

    BinaryReader r(w.data());
    EXPECT_EQ(r.int32(), 0x01020304);
    EXPECT_EQ(r.int32(), -2);
    EXPECT_EQ(r.single(), 1.0f);
    EXPECT_EQ(r.dbl(), -2.5);
    EXPECT_EQ(r.str<3>().str(), "ab");
    EXPECT_EQ(r.remaining(), 0u);
    // Reading past the end: error 100; a string is read whole, 26 bytes for a string[25].
    BinaryReader shortInt(Bytes(3, 0)), shortText(Bytes(25, 0));
    try {
        shortInt.int32();
        ADD_FAILURE() << "a truncated int32 was read";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Read beyond end of file");
        EXPECT_EQ(e.code(), 100);
    }
    EXPECT_THROW(shortText.str<25>(), IoError);
}

TEST(BinaryIO, FailuresGiveTheProgramsMessages) {
    const std::pair<int, const char*> texts[] = {
        {2, "File not found"},     {3, "Invalid filename"},          {4, "Too many open files"},
        {5, "File access denied"}, {100, "Read beyond end of file"}, {101, "Disk full"},
        {123, "I/O error 123"}};
    for (auto [code, text] : texts)
        EXPECT_EQ(IoErrorText(code), text);

    TempDir dir;
    EXPECT_EQ(IoMessage([&] { ReadWholeFile(dir.path("none.bin")); }), "File not found");
    EXPECT_EQ(IoMessage([&] { WriteFileDirect(dir.path(""), {1, 2, 3}); }), "File access denied");
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(IoMessage([] { WriteFileDirect("/dev/full", Bytes(10, 1)); }), "Disk full");
    }
    EXPECT_EQ(IoMessage([] { WriteFileDirect("", {1}); }), "Invalid filename");
    // Only regular files are read, and no more of them than asked.
    EXPECT_EQ(IoMessage([&] { RegularFileReader r(dir.dir()); }), "File access denied");
    EXPECT_EQ(IoMessage([&] { RegularFileReader r(dir.path("missing")); }), "File not found");
    Bytes bytes(200000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    WriteFileDirect(dir.path("long.bin"), bytes);
    RegularFileReader r(dir.path("long.bin"));
    EXPECT_EQ(r.size(), 200000u);
    Bytes read;
    r.readInto(read, 26);
    r.readInto(read, 100000 - 26);
    EXPECT_EQ(read, Bytes(bytes.begin(), bytes.begin() + 100000));
    r.readInto(read, 150000); // fewer at the end
    EXPECT_EQ(read, bytes);
    // The program's readers take a whole file no longer than the largest of its kind, and nothing
    // else: a folder, a pipe nobody writes to, a device without end are refused unopened.
    EXPECT_EQ(ReadRegularFile(dir.path("long.bin"), 200000), bytes);
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir.path("zero"));
    for (const char* name : {"long.bin", "", "pipe", "zero"})
        EXPECT_EQ(IoMessage([&] { ReadRegularFile(dir.path(name), 199999); }), "File access denied") << name;
    // Nor does a write wait for a reader of the pipe.
    EXPECT_EQ(IoMessage([&] { WriteFileDirect(dir.path("pipe"), {1}); }), "File access denied");
    WriteFileDirect(dir.path("long.bin"), {5, 6}); // overwrites the longer file whole
    EXPECT_EQ(ReadWholeFile(dir.path("long.bin")), (Bytes{5, 6}));
}

TEST(BinaryIO, ReplacingWriteReplacesOnlyRegularFilesAndOnlyWhenComplete) {
    TempDir dir;
    const std::string f = dir.path("beam.kxf"), other = dir.path("other.kxf");
    WriteFileReplacing(f, {1, 2, 3, 4});
    WriteFileReplacing(f, {9});
    EXPECT_EQ(ReadWholeFile(f), Bytes{9});
    // A new file gets the permissions any new file gets.
    WriteFileDirect(other, {7});
    EXPECT_EQ(fs::status(f).permissions(), fs::status(other).permissions());
    // A target that is a link: the file it names is replaced and the link stays.
    fs::create_symlink("other.kxf", dir.path("link.kxf"));
    WriteFileReplacing(dir.path("link.kxf"), {4});
    EXPECT_TRUE(fs::is_symlink(dir.path("link.kxf")));
    EXPECT_EQ(ReadWholeFile(other), Bytes{4});

    // A missing folder, a folder or a pipe as the target: refused, and nothing left behind.
    fs::create_directory(dir.path("adir"));
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0644), 0);
    EXPECT_EQ(IoMessage([&] { WriteFileReplacing(dir.path("gone/beam.kxf"), {1}); }), "File not found");
    EXPECT_EQ(IoMessage([&] { WriteFileReplacing(dir.path("adir"), {1, 2}); }), "File access denied");
    EXPECT_EQ(IoMessage([&] { WriteFileReplacing(dir.path("pipe"), {5}); }), "File access denied");
    EXPECT_TRUE(fs::is_directory(dir.path("adir")) && fs::is_fifo(dir.path("pipe")));
    EXPECT_EQ(EntriesIn(dir.dir()), 5u);
}

TEST(BinaryIO, ReplacingWriteLeavesAFolderTheUserMayNotWriteTo) {
    if (kxtest::RanAsUnprivilegedUser()) return;
    TempDir dir;
    const std::string f = dir.path("folder/job.kxf");
    fs::create_directory(dir.path("folder"));
    WriteFileReplacing(f, {3});
    fs::permissions(dir.path("folder"), fs::perms(0555));
    EXPECT_EQ(IoMessage([&] { WriteFileReplacing(f, {9, 9, 9}); }), "File access denied");
    EXPECT_EQ(ReadWholeFile(f), Bytes{3});
    EXPECT_EQ(EntriesIn(dir.path("folder")), 1u);
    fs::permissions(dir.path("folder"), fs::perms(0755)); // so that it can be removed
}

} // namespace
