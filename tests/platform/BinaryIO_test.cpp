// Binary images and the file operations behind them: little-endian layout, reads past the end,
// the program's I/O messages, and replacing writes that never leave a half-written file.
#include "platform/BinaryIO.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// The program's I/O error number and text a call fails with, or "none".
template <class F> std::string IoCodeAndMessage(F&& call) {
    try {
        call();
    } catch (const IoError& e) {
        return std::to_string(e.code()) + " " + e.what();
    }
    return "none";
}

TEST(BinaryIO, NumbersAtTheEndsOfTheirRangesKeepEveryBit) {
    BinaryWriter w;
    for (std::int32_t v : {INT32_MIN, INT32_MAX, -1, 0})
        w.int32(v);
    // The largest and the smallest subnormal single, a negative zero, an infinity.
    for (float v : {3.4028235e38f, -1.4e-45f, -0.0f, -std::numeric_limits<float>::infinity()})
        w.single(v);
    for (double v : {1.7976931348623157e308, 4.9e-324, -0.0})
        w.dbl(v);
    w.str(ShortString<5>("abcdefgh")); // cut to its five characters
    // clang-format off
    const Bytes expected = {
        0, 0, 0, 0x80,   0xFF, 0xFF, 0xFF, 0x7F,   0xFF, 0xFF, 0xFF, 0xFF,   0, 0, 0, 0,
        0xFF, 0xFF, 0x7F, 0x7F,   1, 0, 0, 0x80,   0, 0, 0, 0x80,   0, 0, 0x80, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xEF, 0x7F,   1, 0, 0, 0, 0, 0, 0, 0,   0, 0, 0, 0, 0, 0, 0, 0x80,
        5, 'a', 'b', 'c', 'd', 'e'};
    // clang-format on
    EXPECT_EQ(w.data(), expected);

    BinaryReader r(w.data());
    EXPECT_EQ(r.int32(), INT32_MIN);
    EXPECT_EQ(r.int32(), INT32_MAX);
    EXPECT_EQ(r.int32(), -1);
    EXPECT_EQ(r.int32(), 0);
    EXPECT_EQ(r.single(), 3.4028235e38f);
    EXPECT_EQ(r.single(), -1.4e-45f);
    const float negativeZero = r.single();
    EXPECT_TRUE(negativeZero == 0 && std::signbit(negativeZero));
    EXPECT_EQ(r.single(), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(r.dbl(), 1.7976931348623157e308);
    EXPECT_EQ(r.dbl(), 4.9e-324);
    EXPECT_TRUE(std::signbit(r.dbl()));
    EXPECT_EQ(r.position(), 56u);
    EXPECT_EQ(r.str<5>().str(), "abcde");
    EXPECT_EQ(r.remaining(), 0u);
    // A read of nothing at the end is no read beyond it.
    EXPECT_EQ(IoCodeAndMessage([&] { r.bytes(nullptr, 0); }), "none");

    // Short by one byte, a read fails whole and leaves nothing more to read.
    struct Short {
        std::size_t size;
        const char* what;
    };
    for (const Short& s :
         {Short{3, "int32"}, Short{3, "single"}, Short{7, "double"}, Short{5, "string[5]"}}) {
        BinaryReader shortRead(Bytes(s.size, 1));
        EXPECT_EQ(IoCodeAndMessage([&] {
                      const std::string what = s.what;
                      if (what == "int32") shortRead.int32();
                      if (what == "single") shortRead.single();
                      if (what == "double") shortRead.dbl();
                      if (what == "string[5]") shortRead.str<5>();
                  }),
                  "100 Read beyond end of file")
            << s.what;
        EXPECT_EQ(shortRead.remaining(), 0u) << s.what;
    }
}

// Each system error the file code can meet, as the user reads it.
TEST(BinaryIO, EverySystemErrorBecomesTheProgramsNumberAndText) {
    const std::pair<int, const char*> rows[] = {
        {ENOENT, "2 File not found"},
        {ENOTDIR, "2 File not found"},
        {ENAMETOOLONG, "3 Invalid filename"},
        {EINVAL, "3 Invalid filename"},
        {EMFILE, "4 Too many open files"},
        {ENFILE, "4 Too many open files"},
        {EACCES, "5 File access denied"},
        {EPERM, "5 File access denied"},
        {EROFS, "5 File access denied"},
        {EISDIR, "5 File access denied"},
        {ENXIO, "5 File access denied"},
        {ETXTBSY, "5 File access denied"},
        {ENOSPC, "101 Disk full"},
        {EDQUOT, "101 Disk full"},
        {EFBIG, "101 Disk full"},
        {EIO, "5 I/O error 5"},
        {ELOOP, "40 I/O error 40"},
        {EEXIST, "17 I/O error 17"},
    };
    // EIO is 5 here: the number of "File access denied", but not that error.
    for (const auto& [err, text] : rows)
        EXPECT_EQ(IoCodeAndMessage([e = err] { ThrowSystemIoError(e); }), text) << err;
}

// The failures the file code tells apart, met for real: a name too long, a loop of links, no
// descriptor left, a read-only file replaced, and a full disk during a replacing write.
TEST(BinaryIO, FailuresMetOnDiskKeepWhatWasThere) {
    TempDir dir;
    const std::string longName = dir.path(std::string(300, 'n'));
    EXPECT_EQ(IoCodeAndMessage([&] { ReadWholeFile(longName); }), "3 Invalid filename");
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileDirect(longName, {1}); }), "3 Invalid filename");
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileReplacing(longName, {1}); }), "3 Invalid filename");

    fs::create_symlink("b", dir.path("a"));
    fs::create_symlink("a", dir.path("b"));
    EXPECT_EQ(IoCodeAndMessage([&] { ReadWholeFile(dir.path("a")); }), "40 I/O error 40");
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileDirect(dir.path("a"), {1}); }), "40 I/O error 40");

    // No descriptor left to open the file with.
    WriteFileDirect(dir.path("old.bin"), {1, 2, 3});
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
    // The lowest free descriptor number becomes the limit, so no further file can be opened.
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit limited = old;
    limited.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limited), 0);
    const std::string readErr = IoCodeAndMessage([&] { ReadWholeFile(dir.path("old.bin")); });
    const std::string writeErr = IoCodeAndMessage([&] { WriteFileDirect(dir.path("new.bin"), {1}); });
    setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_EQ(readErr, "4 Too many open files");
    EXPECT_EQ(writeErr, "4 Too many open files");
    EXPECT_FALSE(fs::exists(dir.path("new.bin")));

    // A file that no one may write is kept, even from root; one its owner may write keeps its bits.
    fs::permissions(dir.path("old.bin"), fs::perms(0444));
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileReplacing(dir.path("old.bin"), {9}); }),
              "5 File access denied");
    EXPECT_EQ(ReadWholeFile(dir.path("old.bin")), (Bytes{1, 2, 3}));
    for (unsigned mode : {0200u, 0020u, 0002u, 0640u}) {
        fs::permissions(dir.path("old.bin"), fs::perms(mode));
        EXPECT_EQ(IoCodeAndMessage([&] { WriteFileReplacing(dir.path("old.bin"), {9}); }), "none") << mode;
        EXPECT_EQ(fs::status(dir.path("old.bin")).permissions(), fs::perms(mode)) << mode;
    }
    fs::permissions(dir.path("old.bin"), fs::perms(0644));
    EXPECT_EQ(ReadWholeFile(dir.path("old.bin")), Bytes{9});

    // The disk fills while the new file is written: the old one stays whole, the temporary goes.
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldSize{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldSize), 0);
    rlimit smallFiles = oldSize;
    smallFiles.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &smallFiles), 0);
    const std::string fullErr =
        IoCodeAndMessage([&] { WriteFileReplacing(dir.path("old.bin"), Bytes(150, 7)); });
    setrlimit(RLIMIT_FSIZE, &oldSize);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(fullErr, "101 Disk full");
    EXPECT_EQ(ReadWholeFile(dir.path("old.bin")), Bytes{9});
    EXPECT_EQ(EntriesIn(dir.dir()), 3u) << "a, b and old.bin";
}

int OpenDescriptors() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// A program started without standard input gets descriptor 0 for the first file it opens: that file is
// written, read and closed like any other, on failure too.
TEST(BinaryIO, AFileOnDescriptorZeroIsWrittenReadAndClosedLikeAnyOther) {
    TempDir dir;
    WriteFileDirect(dir.path("old.kxf"), {1});
    const int savedInput = ::dup(0);
    ASSERT_GE(savedInput, 0);
    ::close(0);
    const int before = OpenDescriptors();
    const std::string replaced = IoCodeAndMessage([&] { WriteFileReplacing(dir.path("old.kxf"), {2, 3}); });
    const std::string direct = IoCodeAndMessage([&] { WriteFileDirect(dir.path("new.kxf"), {4}); });
    Bytes read;
    const std::string readErr = IoCodeAndMessage([&] { read = ReadWholeFile(dir.path("old.kxf")); });
    const std::string full = IoCodeAndMessage([] { WriteFileDirect("/dev/full", {5}); });
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldSize{};
    getrlimit(RLIMIT_FSIZE, &oldSize);
    rlimit small = oldSize;
    small.rlim_cur = 1;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string replaceFull = IoCodeAndMessage([&] {
        WriteFileReplacing(dir.path("old.kxf"), {6, 6});
    });
    setrlimit(RLIMIT_FSIZE, &oldSize);
    std::signal(SIGXFSZ, oldHandler);
    const int after = OpenDescriptors();
    ::dup2(savedInput, 0);
    ::close(savedInput);

    EXPECT_EQ(replaced, "none");
    EXPECT_EQ(direct, "none");
    EXPECT_EQ(readErr, "none");
    EXPECT_EQ(read, (Bytes{2, 3}));
    EXPECT_EQ(full, "101 Disk full");
    EXPECT_EQ(replaceFull, "101 Disk full");
    EXPECT_EQ(after, before) << "every file closed again";
    EXPECT_EQ(ReadWholeFile(dir.path("old.kxf")), (Bytes{2, 3}));
    EXPECT_EQ(ReadWholeFile(dir.path("new.kxf")), Bytes{4});
    EXPECT_EQ(EntriesIn(dir.dir()), 2u) << "no temporary file left";
}

// What a user who is not root meets: a read-only file, a file they may not read, a read-only folder.
TEST(BinaryIO, ReadOnlyFilesAndFoldersRefuseTheUserAndKeepTheirContents) {
    if (kxtest::RanAsUnprivilegedUser()) return;
    TempDir dir;
    fs::create_directory(dir.path("folder"));
    const std::string file = dir.path("folder/UB.sct");
    WriteFileDirect(file, {1, 2});
    fs::permissions(file, fs::perms(0444));
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileDirect(file, {3}); }), "5 File access denied");
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileReplacing(file, {3}); }), "5 File access denied");
    EXPECT_EQ(ReadWholeFile(file), (Bytes{1, 2}));
    fs::permissions(file, fs::perms(0200));
    EXPECT_EQ(IoCodeAndMessage([&] { ReadWholeFile(file); }), "5 File access denied");
    // Writable by its group but not by its owner, the user: the folder would let a rename replace it.
    fs::permissions(file, fs::perms(0464));
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileReplacing(file, {3}); }), "5 File access denied");
    EXPECT_EQ(ReadWholeFile(file), (Bytes{1, 2}));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0464));
    EXPECT_EQ(EntriesIn(dir.path("folder")), 1u) << "no temporary file left";
    fs::permissions(file, fs::perms(0644));

    // In a folder the user may not write, no file is made, but one standing there is rewritten in place.
    fs::permissions(dir.path("folder"), fs::perms(0555));
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileDirect(dir.path("folder/new.sct"), {1}); }),
              "5 File access denied");
    EXPECT_EQ(IoCodeAndMessage([&] { WriteFileDirect(file, {4, 5, 6}); }), "none");
    EXPECT_EQ(ReadWholeFile(file), (Bytes{4, 5, 6}));
    EXPECT_EQ(EntriesIn(dir.path("folder")), 1u);
    fs::permissions(dir.path("folder"), fs::perms(0755));
}

} // namespace
