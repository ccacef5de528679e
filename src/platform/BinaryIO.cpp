// Little-endian binary images and the file operations, with the program's I/O error texts.
#include "platform/BinaryIO.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kx {

std::string IoErrorText(int code) {
    switch (code) {
    case IoFileNotFound: return "File not found";
    case IoInvalidFilename: return "Invalid filename";
    case IoTooManyOpenFiles: return "Too many open files";
    case IoAccessDenied: return "File access denied";
    case IoReadBeyondEnd: return "Read beyond end of file";
    case IoDiskFull: return "Disk full";
    default: return "I/O error " + std::to_string(code);
    }
}

void ThrowIoError(int code) { throw IoError(code, IoErrorText(code)); }

void ThrowSystemIoError(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR: ThrowIoError(IoFileNotFound);
    case ENAMETOOLONG:
    case EINVAL: ThrowIoError(IoInvalidFilename);
    case EMFILE:
    case ENFILE: ThrowIoError(IoTooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ENXIO: // a pipe that nobody reads
    case ETXTBSY: ThrowIoError(IoAccessDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: ThrowIoError(IoDiskFull);
    // Any other system error keeps its own number in its text: the program's texts belong to the
    // program's numbers, and an errno of the same value (EIO is 5) is not what they say.
    default: throw IoError(err, "I/O error " + std::to_string(err));
    }
}

namespace {

void putLE(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

void BinaryWriter::int32(std::int32_t v) { putLE(buf_, static_cast<std::uint32_t>(v)); }

void BinaryWriter::single(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    putLE(buf_, u);
}

void BinaryWriter::dbl(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    putLE(buf_, static_cast<std::uint32_t>(u));
    putLE(buf_, static_cast<std::uint32_t>(u >> 32));
}

void BinaryWriter::bytes(const void* p, std::size_t n) {
    const auto* c = static_cast<const std::uint8_t*>(p);
    buf_.insert(buf_.end(), c, c + n);
}

void BinaryReader::bytes(void* p, std::size_t n) {
    if (n > remaining()) {
        pos_ = buf_.size();
        ThrowIoError(IoReadBeyondEnd);
    }
    if (n > 0) std::memcpy(p, buf_.data() + pos_, n);
    pos_ += n;
}

std::int32_t BinaryReader::int32() {
    std::uint8_t b[4];
    bytes(b, 4);
    std::uint32_t u = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return static_cast<std::int32_t>(u);
}

float BinaryReader::single() {
    std::uint32_t u = static_cast<std::uint32_t>(int32());
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

double BinaryReader::dbl() {
    std::uint64_t lo = static_cast<std::uint32_t>(int32());
    std::uint64_t hi = static_cast<std::uint32_t>(int32());
    std::uint64_t u = lo | (hi << 32);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

namespace {

int openOrThrow(const std::string& path, int flags, mode_t mode = 0) {
    if (path.empty()) ThrowIoError(IoInvalidFilename);
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    if (fd < 0) ThrowSystemIoError(errno);
    return fd;
}

// Closes the descriptor when the scope ends, whatever happens in it.
struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

void writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowSystemIoError(errno);
        }
        if (n == 0) ThrowIoError(IoDiskFull);
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

RegularFileReader::RegularFileReader(const std::string& path) {
    if (path.empty()) ThrowIoError(IoInvalidFilename);
    // Looked at before it is opened: opening a pipe or a device can wait or act on its own.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) ThrowSystemIoError(errno);
    if (!S_ISREG(st.st_mode)) ThrowIoError(IoAccessDenied);
    fd_ = openOrThrow(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    // And again once open, as the name may have been given to something else in between.
    if (::fstat(fd_, &st) != 0) {
        const int err = errno;
        ::close(fd_);
        ThrowSystemIoError(err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        ThrowIoError(IoAccessDenied);
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
}

RegularFileReader::~RegularFileReader() { ::close(fd_); }

void RegularFileReader::readInto(std::vector<std::uint8_t>& out, std::size_t n) {
    std::uint8_t chunk[65536];
    while (n > 0) {
        const ssize_t got = ::read(fd_, chunk, std::min(n, sizeof chunk));
        if (got < 0) {
            if (errno == EINTR) continue;
            ThrowSystemIoError(errno);
        }
        if (got == 0) break;
        out.insert(out.end(), chunk, chunk + got);
        n -= static_cast<std::size_t>(got);
    }
}

std::vector<std::uint8_t> ReadRegularFile(const std::string& path, std::size_t largest) {
    RegularFileReader file(path);
    if (file.size() > largest) ThrowIoError(IoAccessDenied);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(file.size()));
    // One byte more than the largest shows a file that has grown since it was opened.
    file.readInto(bytes, largest == SIZE_MAX ? largest : largest + 1);
    if (bytes.size() > largest) ThrowIoError(IoAccessDenied);
    return bytes;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) { return ReadRegularFile(path, SIZE_MAX); }

void WriteFileDirect(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // Not waiting for a reader: a pipe at the name must not hold the program up.
    int fd = openOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY, 0644);
    FdCloser closer{fd};
    writeAll(fd, bytes);
    closer.fd = -1;
    if (::close(fd) != 0) ThrowSystemIoError(errno);
}

namespace {

// The file that a save to path replaces: path itself, or the file that a link at path names.
std::string replacedFile(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) ThrowSystemIoError(errno);
    return resolved;
}

// A temporary file beside the target, created under a name nobody has used (O_EXCL never opens
// what stands at the name, a link included), and removed again unless it has been renamed.
class TempFile {
public:
    explicit TempFile(const std::string& target) {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device seed;
        std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = target + ".~tmp";
            for (int i = 0; i < 6; ++i)
                name += letters[pick(seed)];
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0) {
                path = name;
                return;
            }
            if (errno != EEXIST) ThrowSystemIoError(errno);
        }
        ThrowSystemIoError(EEXIST);
    }
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!path.empty()) ::unlink(path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void close() {
        const int f = fd;
        fd = -1;
        if (::close(f) != 0) ThrowSystemIoError(errno);
    }
    void renameTo(const std::string& target) {
        if (::rename(path.c_str(), target.c_str()) != 0) ThrowSystemIoError(errno);
        path.clear();
    }

    int fd = -1;
    std::string path;
};

} // namespace

void WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (path.empty()) ThrowIoError(IoInvalidFilename);
    const std::string target = replacedFile(path);
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) ThrowSystemIoError(errno);
    if (exists) {
        // Renaming over the file would pass by its permissions: what the user may not write stays.
        if (!S_ISREG(old.st_mode)) ThrowIoError(IoAccessDenied);
        // A file that no one may write was made read-only to keep it: its mode bits say so to every
        // user, root included, whom the access check below always lets through.
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) ThrowIoError(IoAccessDenied);
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) ThrowSystemIoError(errno);
    }
    TempFile temp(target);
    writeAll(temp.fd, bytes);
    if (exists && ::fchmod(temp.fd, old.st_mode & 0777) != 0) ThrowSystemIoError(errno);
    if (::fsync(temp.fd) != 0) ThrowSystemIoError(errno);
    temp.close();
    temp.renameTo(target);
}

} // namespace kx
