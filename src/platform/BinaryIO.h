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
    void zeros(std::size_t n);
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
    void skip(std::size_t n);
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

// Reads a whole file; a missing or unreadable file throws the program's I/O error.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
// Reads at most maxBytes from the start of a file.
std::vector<std::uint8_t> ReadFileStart(const std::string& path, std::size_t maxBytes);
// Creates or overwrites a file and writes the bytes; the file is closed on every path, and
// what was written before a failure stays in it.
void WriteFileDirect(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Writes the bytes to a temporary file in the same folder and renames it over the target
// only when complete, so a failed save leaves the old file as it was.
void WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace kx
