// Little-endian binary images of numbers and short strings, and the file operations behind them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Errors.h"
#include "platform/ShortString.h"

namespace kx {

// The program's I/O error numbers, with their texts.
enum IoCode : int {
    IoFileNotFound = 2,
    IoInvalidFilename = 3,
    IoTooManyOpenFiles = 4,
    IoAccessDenied = 5,
    IoReadBeyondEnd = 100,
    IoDiskFull = 101,
};
std::string IoErrorText(int code);
[[noreturn]] void ThrowIoError(int code);
// Maps a system error number (errno) onto the program's I/O error and throws it.
[[noreturn]] void ThrowSystemIoError(int err);

// Builds a file image in memory; nothing touches the disk until it is written out.
class BinaryWriter {
public:
    void int32(std::int32_t v);
    void single(float v);
    void dbl(double v);
    void bytes(const void* p, std::size_t n);
    template <int N> void str(const ShortString<N>& s) {
        std::uint8_t buf[N + 1];
        s.toBytes(buf);
        bytes(buf, N + 1);
    }

    const std::vector<std::uint8_t>& data() const { return buf_; }
    std::size_t size() const { return buf_.size(); }

private:
    std::vector<std::uint8_t> buf_;
};

// Reads a file image; reading past its end throws "Read beyond end of file".
class BinaryReader {
public:
    explicit BinaryReader(std::vector<std::uint8_t> data) : buf_(std::move(data)) {}

    std::int32_t int32();
    float single();
    double dbl();
    void bytes(void* p, std::size_t n);
    template <int N> void str(ShortString<N>& s) {
        std::uint8_t buf[N + 1];
        bytes(buf, N + 1);
        s.fromBytes(buf);
    }
    template <int N> ShortString<N> str() {
        ShortString<N> s;
        str(s);
        return s;
    }

    std::size_t position() const { return pos_; }
    std::size_t size() const { return buf_.size(); }
    std::size_t remaining() const { return buf_.size() - pos_; }

private:
    std::vector<std::uint8_t> buf_;
    std::size_t pos_ = 0;
};

// A regular file open for reading. Anything else (a folder, a device, a pipe) throws "File access
// denied" before a byte is read, so that nothing can hold up the reader or feed it without end.
class RegularFileReader {
public:
    explicit RegularFileReader(const std::string& path);
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    // The size the file system gave when the file was opened.
    std::uint64_t size() const { return size_; }
    // Appends up to n further bytes of the file to out; fewer only at its end.
    void readInto(std::vector<std::uint8_t>& out, std::size_t n);

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// The one reader of the program's own files: the whole of a regular file no longer than largest,
// the size of the largest file of its kind. Anything else (a folder, a device, a pipe, a longer
// file) throws "File access denied" before its contents are read; a missing or unreadable file
// throws the program's I/O error.
std::vector<std::uint8_t> ReadRegularFile(const std::string& path, std::size_t largest);
// The whole of a regular file of any length, for tools and tests that look at what was written.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
// Creates or overwrites a file and writes the bytes; the file is closed on every path, and
// what was written before a failure stays in it. A pipe that nobody reads is refused ("File access
// denied") rather than waited on.
void WriteFileDirect(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Writes the bytes to a temporary file in the same folder and renames it over the target
// only when complete, so a failed save leaves the old file as it was. A target that the user may
// not write, or that is no regular file, throws "File access denied" and is left alone; the new
// file keeps the old one's permission bits. A target that is a link has the file it names
// replaced. The temporary file gets a name of its own, created afresh (never through a link
// standing there), and is removed on every failure.
void WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace kx
