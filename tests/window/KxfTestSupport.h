// Beam-file layout worked out from the stated field sizes, independently of the writer, and
// little-endian helpers to read and patch file images in tests.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kxtest {

using Bytes = std::vector<std::uint8_t>;

// Start of every field 1..56 and the file size, for NLC loadcases, NS spans, NI intervals and
// `lines` stored text lines in fields 49 to 52 together.
struct KxfLayout {
    std::array<std::size_t, 58> start{}; // start[57] = file size
    std::size_t size() const { return start[57]; }
    std::size_t operator[](int field) const { return start.at(static_cast<std::size_t>(field)); }
};

inline KxfLayout MakeKxfLayout(int NLC, int NS, int NI, int lines) {
    const std::size_t nlc = static_cast<std::size_t>(NLC), ns = static_cast<std::size_t>(NS),
                      pts = static_cast<std::size_t>(NI) + 1;
    const std::array<std::size_t, 57> sizes = {0,
                                               26,
                                               26,
                                               26,
                                               606,
                                               24,
                                               4,
                                               4,
                                               4,
                                               4,
                                               2508,
                                               20,
                                               101,
                                               63,
                                               99,
                                               36,
                                               208,
                                               4,
                                               20,
                                               4,
                                               1344,
                                               96,
                                               48,
                                               8,
                                               2240,
                                               108,
                                               1632 * nlc,         // 26
                                               60,                 // 27
                                               ns * pts * 8 * nlc, // 28
                                               ns * 84 * nlc,      // 29
                                               2 * pts * 8 * nlc,  // 30
                                               176 * nlc,          // 31
                                               80,                 // 32
                                               200 * (nlc + 1),    // 33
                                               16,
                                               32,
                                               88,
                                               936,
                                               1296,
                                               1080,
                                               702,
                                               4,
                                               6717,
                                               106,        // 34..43
                                               1600 * nlc, // 44
                                               4,
                                               3111,
                                               108,
                                               431, // 45..48
                                               76 * static_cast<std::size_t>(lines),
                                               0,
                                               0,
                                               0, // 49..52 together
                                               24038,
                                               3876,
                                               8,
                                               2600};
    KxfLayout l;
    std::size_t at = 0;
    for (int f = 1; f <= 56; ++f) {
        l.start[static_cast<std::size_t>(f)] = at;
        at += sizes[static_cast<std::size_t>(f)];
    }
    l.start[57] = at;
    return l;
}

inline std::uint32_t U32At(const Bytes& b, std::size_t off) {
    return b.at(off) | (b.at(off + 1) << 8) | (b.at(off + 2) << 16) |
           (static_cast<std::uint32_t>(b.at(off + 3)) << 24);
}
inline std::int32_t IntAt(const Bytes& b, std::size_t off) {
    return static_cast<std::int32_t>(U32At(b, off));
}
inline float FloatAt(const Bytes& b, std::size_t off) {
    std::uint32_t u = U32At(b, off);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}
inline double DoubleAt(const Bytes& b, std::size_t off) {
    std::uint64_t u = U32At(b, off) | (static_cast<std::uint64_t>(U32At(b, off + 4)) << 32);
    double d;
    std::memcpy(&d, &u, 8);
    return d;
}
inline std::string StrAt(const Bytes& b, std::size_t off) {
    return std::string(reinterpret_cast<const char*>(b.data() + off + 1), b.at(off));
}

inline void PutU32(Bytes& b, std::size_t off, std::uint32_t u) {
    for (int i = 0; i < 4; ++i)
        b.at(off + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(u >> (8 * i));
}
inline void PutInt(Bytes& b, std::size_t off, std::int32_t v) {
    PutU32(b, off, static_cast<std::uint32_t>(v));
}
inline void PutFloat(Bytes& b, std::size_t off, float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    PutU32(b, off, u);
}
inline void PutDouble(Bytes& b, std::size_t off, double d) {
    std::uint64_t u;
    std::memcpy(&u, &d, 8);
    PutU32(b, off, static_cast<std::uint32_t>(u));
    PutU32(b, off + 4, static_cast<std::uint32_t>(u >> 32));
}
// Writes a text into a string field of capacity cap, the bytes after it cleared.
inline void PutStr(Bytes& b, std::size_t off, const std::string& s, int cap) {
    b.at(off) = static_cast<std::uint8_t>(s.size());
    for (int i = 0; i < cap; ++i)
        b.at(off + 1 + static_cast<std::size_t>(i)) =
            static_cast<std::size_t>(i) < s.size() ? static_cast<std::uint8_t>(s[static_cast<std::size_t>(i)])
                                                   : 0;
}

} // namespace kxtest
