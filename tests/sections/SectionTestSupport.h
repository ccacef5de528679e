// Test support for section files: raw record images built from typed tables, and a StartDir scope.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "platform/Files.h"

namespace sectiontest {

using Image = std::vector<std::uint8_t>; // one 200-byte record

// Points StartDir at a fresh temporary directory for the life of the scope.
class StartDirScope {
public:
    StartDirScope() : saved_(kx::StartDir) { kx::StartDir = dir_.dir(); }
    ~StartDirScope() { kx::StartDir = saved_; }
    std::string path(const std::string& name) const { return dir_.path(name); }
    const std::string& dir() const { return dir_.dir(); }

private:
    TempDir dir_;
    std::string saved_;
};

inline std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian fields of a record image, read and written without the program's encoder.
inline float singleAt(const std::uint8_t* rec, int off) {
    std::uint32_t u = rec[off] | (rec[off + 1] << 8) | (rec[off + 2] << 16) |
                      (static_cast<std::uint32_t>(rec[off + 3]) << 24);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}
inline std::int32_t int32At(const std::uint8_t* rec, int off) {
    std::uint32_t u = rec[off] | (rec[off + 1] << 8) | (rec[off + 2] << 16) |
                      (static_cast<std::uint32_t>(rec[off + 3]) << 24);
    return static_cast<std::int32_t>(u);
}
// The characters of the short string at off (its length byte, then that many characters).
inline std::string stringAt(const std::uint8_t* rec, int off) {
    return std::string(reinterpret_cast<const char*>(rec + off + 1), rec[off]);
}
inline void putSingle(Image& rec, int off, float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    for (int i = 0; i < 4; ++i)
        rec[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
inline void putInt32(Image& rec, int off, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        rec[off + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}
inline void putString(Image& rec, int off, const std::string& s) {
    rec[off] = static_cast<std::uint8_t>(s.size());
    std::memcpy(rec.data() + off + 1, s.data(), s.size());
}

inline std::string trim(std::string_view s) {
    std::size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string_view::npos ? std::string() : std::string(s.substr(a, b - a + 1));
}

inline std::vector<std::string> splitCells(const std::string& line) {
    std::vector<std::string> cells;
    std::string body = trim(line);
    if (!body.empty() && body.front() == '|') body.erase(0, 1);
    if (!body.empty() && body.back() == '|') body.pop_back();
    std::stringstream ss(body);
    std::string cell;
    while (std::getline(ss, cell, '|'))
        cells.push_back(trim(cell));
    return cells;
}

// A quoted cell without its outer quotes; inner quotes and blanks stay.
inline std::string unquote(const std::string& cell) {
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') return cell.substr(1, cell.size() - 2);
    return cell;
}

// How a typed table's designations are stored.
struct Designations {
    bool padTo25 = true;     // blank-padded to 25 characters
    std::string spacer = ""; // what a row typed as "spacer" holds
};

// Fills record images from a typed table: one line per row, cells separated by '|'.
// columns names the meaning of each cell: "pos" (the record's position), "no" (position and
// record number), a byte offset (0 the designation, 88 the shape code, 196 the record number, any
// other a single) or several offsets joined by '=' for a value stored in more than one field.
inline void fillFromTable(std::vector<Image>& records, const std::string& columns, const std::string& text,
                          const Designations& style = {}) {
    const std::vector<std::string> cols = splitCells(columns);
    std::stringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (trim(line).empty()) continue;
        const std::vector<std::string> cells = splitCells(line);
        ASSERT_EQ(cells.size(), cols.size()) << line;
        int pos = 0;
        for (std::size_t i = 0; i < cols.size(); ++i)
            if (cols[i] == "pos" || cols[i] == "no") pos = std::stoi(cells[i]);
        ASSERT_GE(pos, 1) << line;
        ASSERT_LE(static_cast<std::size_t>(pos), records.size()) << line;
        Image& rec = records[pos - 1];
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const std::string& c = cols[i];
            const std::string& v = cells[i];
            if (c == "pos") continue;
            if (c == "no") {
                putInt32(rec, 196, pos);
                continue;
            }
            std::stringstream offs(c);
            std::string off;
            while (std::getline(offs, off, '=')) {
                const int o = std::stoi(off);
                if (o == 0) {
                    std::string d = v == "spacer" ? style.spacer : unquote(v);
                    if (style.padTo25 && d.size() < 25) d.resize(25, ' ');
                    putString(rec, 0, d);
                } else if (o == 88) {
                    putString(rec, 88, unquote(v));
                } else if (o == 196) {
                    putInt32(rec, 196, std::stoi(v));
                } else {
                    // The nearest single to the decimal as typed.
                    putSingle(rec, o, std::strtof(v.c_str(), nullptr));
                }
            }
        }
    }
}

inline std::vector<Image> blankRecords(int count) { return std::vector<Image>(count, Image(200, 0)); }

inline bool isSpacerImage(const Image& rec) {
    const std::string d = stringAt(rec.data(), 0);
    return d.find_first_not_of(' ') == std::string::npos;
}

// Sets, in every section row (non-blank designation), the values the table states once for all
// rows: singles by offset and the shape code.
inline void setInSectionRows(std::vector<Image>& records, const std::vector<std::pair<int, float>>& singles,
                             const std::string& shape) {
    for (Image& rec : records) {
        if (isSpacerImage(rec)) continue;
        for (const auto& [off, v] : singles)
            putSingle(rec, off, v);
        putString(rec, 88, shape);
    }
}

// Record numbers equal to the position, for tables that do not list them.
inline void numberByPosition(std::vector<Image>& records) {
    for (std::size_t i = 0; i < records.size(); ++i)
        putInt32(records[i], 196, static_cast<std::int32_t>(i + 1));
}

// Channel rows: b equals B and the extreme fibre about x-x is D/2.
inline void setChannelDerived(std::vector<Image>& records) {
    for (Image& rec : records) {
        if (isSpacerImage(rec)) continue;
        putSingle(rec, 52, singleAt(rec.data(), 32));
        putSingle(rec, 132, singleAt(rec.data(), 28) / 2);
    }
}

// Channel tables give their dimensions and their properties in two tables; constants and derived
// values complete each section row. Record numbers are the positions unless the dimensions list them.
inline const char* const ChannelPropertyColumns =
    "pos|100|104|108|112|116|124|128|156|160|164|168|172|176|180|184|188";
inline std::vector<Image> channelRecords(int count, const std::string& dimensionColumns,
                                         const std::string& dimensions, const std::string& properties,
                                         const std::vector<std::pair<int, float>>& constants,
                                         const Designations& style = {}) {
    std::vector<Image> expected = blankRecords(count);
    numberByPosition(expected);
    fillFromTable(expected, dimensionColumns, dimensions, style);
    fillFromTable(expected, ChannelPropertyColumns, properties);
    setInSectionRows(expected, constants, "RSC");
    setChannelDerived(expected);
    return expected;
}

// Every number field of a record (the singles and the record number aside) holds 0.
inline void expectSinglesZero(const std::uint8_t* rec, const std::string& what) {
    for (int off = 28; off < 196; off += 4) {
        if (off >= 88 && off < 100) continue;
        EXPECT_EQ(singleAt(rec, off), 0.0f) << what << " byte " << off;
    }
}

// Compares a file with the expected records byte for byte, naming the first differences.
inline void expectFileHolds(const std::string& path, const std::vector<Image>& expected) {
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), expected.size() * 200) << path;
    int reported = 0;
    for (std::size_t r = 0; r < expected.size() && reported < 20; ++r) {
        const std::uint8_t* got = bytes.data() + r * 200;
        const std::uint8_t* want = expected[r].data();
        for (int b = 0; b < 200 && reported < 20; ++b) {
            if (got[b] == want[b]) continue;
            ++reported;
            const bool inSingle = (b >= 28 && b < 88) || (b >= 100 && b < 196);
            if (!inSingle) {
                ADD_FAILURE() << path << " record " << r + 1 << " byte " << b << ": file " << int(got[b])
                              << ", expected " << int(want[b]);
                continue;
            }
            const int field = b - b % 4;
            ADD_FAILURE() << path << " record " << r + 1 << " single at byte " << field << ": file "
                          << singleAt(got, field) << ", expected " << singleAt(want, field);
            b = field + 3;
        }
    }
}

// Sums of the singles at the given offsets over all records of a file, compared with sums typed
// from the published tables.
inline void expectColumnSums(const std::string& path, const std::vector<std::pair<int, double>>& sums) {
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    for (const auto& [off, want] : sums) {
        double got = 0;
        for (std::size_t r = 0; r + 200 <= bytes.size(); r += 200)
            got += singleAt(bytes.data() + r, off);
        EXPECT_NEAR(got, want, std::abs(want) * 2e-7 + 1e-9) << path << " column at byte " << off;
    }
}

// Runs a writer in a fresh start-up directory and compares its file with the expected records,
// its column sums and its unused bytes.
inline void expectWriterFile(void (*writer)(), const std::string& name, const std::vector<Image>& expected,
                             const std::vector<std::pair<int, double>>& sums);

// Bytes that belong to no value: 26-27, 68-71, 76-79 and the tails of the two strings.
inline void expectUnusedBytesZero(const std::string& path) {
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    for (std::size_t r = 0; r + 200 <= bytes.size(); r += 200) {
        const std::uint8_t* rec = bytes.data() + r;
        std::vector<int> zero = {26, 27, 68, 69, 70, 71, 76, 77, 78, 79};
        for (int b = 1 + rec[0]; b < 26; ++b)
            zero.push_back(b);
        for (int b = 89 + rec[88]; b < 100; ++b)
            zero.push_back(b);
        for (int b : zero)
            ASSERT_EQ(rec[b], 0) << path << " record " << r / 200 + 1 << " byte " << b;
        ASSERT_LE(rec[0], 25) << path;
        ASSERT_LE(rec[88], 11) << path;
    }
}

inline void expectWriterFile(void (*writer)(), const std::string& name, const std::vector<Image>& expected,
                             const std::vector<std::pair<int, double>>& sums) {
    StartDirScope dir;
    writer();
    expectFileHolds(dir.path(name), expected);
    expectColumnSums(dir.path(name), sums);
    expectUnusedBytesZero(dir.path(name));
}

} // namespace sectiontest
