// Test support for section files: the expected records read from the tables in data/, and checks on files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <bitset>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "platform/Files.h"
#include "sections/SectionWriters.h"

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
inline std::uint32_t wordAt(const std::uint8_t* rec, int off) {
    return rec[off] | (rec[off + 1] << 8) | (rec[off + 2] << 16) |
           (static_cast<std::uint32_t>(rec[off + 3]) << 24);
}
inline float singleAt(const std::uint8_t* rec, int off) { return std::bit_cast<float>(wordAt(rec, off)); }
inline double at(const Image& rec, int off) { return singleAt(rec.data(), off); }
// The characters of the short string at off (its length byte, then that many characters).
inline std::string stringAt(const std::uint8_t* rec, int off) {
    return std::string(reinterpret_cast<const char*>(rec + off + 1), rec[off]);
}
inline void putWord(std::uint8_t* rec, int off, std::uint32_t u) {
    for (int i = 0; i < 4; ++i)
        rec[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
inline void putSingle(std::uint8_t* rec, int off, float f) {
    putWord(rec, off, std::bit_cast<std::uint32_t>(f));
}

// The records of a file as the entry point writes it into a fresh start-up directory.
inline std::vector<Image> writtenRecords(const std::string& name) {
    StartDirScope dir;
    kx::WriteAllSectionFiles();
    const std::vector<std::uint8_t> bytes = fileBytes(dir.path(name));
    EXPECT_EQ(bytes.size() % 200, 0u) << name;
    std::vector<Image> recs;
    for (auto r = bytes.begin(); bytes.end() - r >= 200; r += 200)
        recs.emplace_back(r, r + 200);
    return recs;
}

// A parameterised case named by its file, without the extension.
template <class Case> std::string fileCaseName(const ::testing::TestParamInfo<Case>& c) {
    return std::string(c.param.file).substr(0, std::string(c.param.file).find('.'));
}

inline ::testing::AssertionResult within(double got, double want, double rel) {
    if (std::fabs(got - want) <= rel * std::fabs(want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " against " << want << " (relative difference "
                                         << (got - want) / want << ", allowed " << rel << ")";
}

// The single holds no more than n significant figures.
inline bool heldTo(float v, int n) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", n - 1, static_cast<double>(v));
    return std::strtof(text, nullptr) == v;
}

// ---- Expected records from a file's tables in data/<file>.txt (see data/README.md).

struct Expected {
    std::vector<Image> records;          // the expected bytes
    std::vector<std::bitset<200>> known; // fields the tables fix, by their first byte
    std::vector<std::string> names;      // designations as listed; blanks or "" in a spacer row
    bool spacer(int pos) const { return names[pos - 1].find_first_not_of(' ') == std::string::npos; }
};

// The cells of a table line, blanks trimmed; none if the line is not a table line.
inline std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    if (line.empty() || line.front() != '|') return cells;
    std::stringstream ss(line.substr(1));
    for (std::string cell; std::getline(ss, cell, '|');) {
        const std::size_t a = cell.find_first_not_of(' '), b = cell.find_last_not_of(' ');
        cells.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
    }
    return cells;
}

// The byte offsets a header cell names.
inline std::vector<int> offsetsIn(const std::string& header) {
    std::vector<int> out;
    for (std::size_t i = 0; i < header.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(header[i])) &&
            (i == 0 || !std::isalnum(static_cast<unsigned char>(header[i - 1]))))
            out.push_back(std::atoi(header.c_str() + i));
    if (out.empty() && header.starts_with("Designation")) out.push_back(0);
    if (out.empty() && (header.starts_with("Shape") || header.starts_with("shape"))) out.push_back(88);
    return out;
}

// Reads the tables of a file with count records; padded: designations blank-padded to 25 characters.
// A record's own rows come first, then the rows for every section or spacer row, then record numbers as
// positions and bytes 68 and 76 zero: what one sets, those after it leave. complete: every field of every
// record is fixed.
inline Expected expectedRecords(const std::string& file, int count, bool padded, bool complete) {
    using Cells = std::vector<std::pair<std::vector<int>, std::string>>; // a row's values and their offsets
    std::vector<Cells> rows;
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" / (file + ".txt"));
    EXPECT_TRUE(in.good()) << "no table for " << file;
    std::vector<std::vector<int>> header;
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> cells = cellsOf(line);
        if (cells.empty()) header.clear();
        if (cells.empty() || cells[0].starts_with("---")) continue;
        if (header.empty()) {
            for (std::size_t i = 0; i < cells.size(); ++i) {
                header.push_back(offsetsIn(cells[i]));
                EXPECT_TRUE(i == 0 || !header.back().empty()) << file << ": no offset in " << cells[i];
            }
            continue;
        }
        EXPECT_EQ(cells.size(), header.size()) << file << ": " << line;
        rows.emplace_back();
        for (std::size_t i = 0; i < cells.size() && i < header.size(); ++i)
            rows.back().emplace_back(header[i], cells[i]);
    }

    Expected e{std::vector<Image>(count, Image(200, 0)), std::vector<std::bitset<200>>(count),
               std::vector<std::string>(count)};
    const auto put = [&](int pos, int off, const std::string& v) {
        std::uint8_t* rec = e.records[pos - 1].data();
        if (v.empty() || e.known[pos - 1][off]) return;
        e.known[pos - 1].set(off);
        if (off == 0 || off == 88) {
            EXPECT_TRUE(v == "spacer" || (v.size() >= 2 && v.front() == '"' && v.back() == '"'))
                << file << ": " << v;
            std::string s = v == "spacer" ? "" : v.substr(1, v.size() - 2);
            if (off == 0) e.names[pos - 1] = s;
            if (off == 0 && padded && s.size() < 25) s.resize(25, ' ');
            rec[off] = static_cast<std::uint8_t>(s.size());
            std::copy(s.begin(), s.end(), rec + off + 1);
            return;
        }
        char* end = nullptr; // a record number, or the nearest single to the decimal as typed
        putWord(rec, off,
                off == 196 ? std::strtoul(v.c_str(), &end, 10)
                           : std::bit_cast<std::uint32_t>(std::strtof(v.c_str(), &end)));
        EXPECT_EQ(*end, '\0') << file << ": record " << pos << " byte " << off << " holds " << v;
    };
    const auto fill = [&](const Cells& row, int pos) {
        for (std::size_t i = 1; i < row.size(); ++i)
            for (int off : row[i].first)
                put(pos, off, row[i].second);
    };
    for (const Cells& row : rows) {
        const int pos = std::atoi(row[0].second.c_str());
        EXPECT_TRUE((pos >= 1 && pos <= count) || row[0].second.ends_with(" rows"))
            << file << ": " << row[0].second;
        if (pos >= 1 && pos <= count) fill(row, pos);
    }
    for (int pos = 1; pos <= count; ++pos) {
        put(pos, 0, "spacer"); // a record no table names
        for (const Cells& row : rows)
            if (row[0].second == (e.spacer(pos) ? "spacer rows" : "section rows")) fill(row, pos);
        put(pos, 196, std::to_string(pos));
        put(pos, 68, "0");
        put(pos, 76, "0");
        if (complete || e.spacer(pos)) e.known[pos - 1].set();
    }
    return e;
}

// Compares every fixed field of a file's records with the expected bytes (string tails and the two bytes
// after the designation included), naming the first differences.
inline void expectRecords(const std::string& file, const std::vector<std::uint8_t>& bytes,
                          const Expected& e) {
    ASSERT_EQ(bytes.size(), e.records.size() * 200) << file;
    int reported = 0;
    for (std::size_t r = 0; r < e.records.size(); ++r)
        for (int off = 0, width = 28; off < 200 && reported < 20; off += width, width = off == 88 ? 12 : 4) {
            const std::uint8_t *got = bytes.data() + r * 200, *want = e.records[r].data();
            if (!e.known[r][off] || std::equal(got + off, got + off + width, want + off)) continue;
            const auto show = [off](const std::uint8_t* rec) {
                std::ostringstream s;
                s.precision(9);
                if (off == 0 || off == 88)
                    s << '"' << stringAt(rec, off) << "\" (length " << int(rec[off]) << ")";
                else if (off == 196)
                    s << static_cast<std::int32_t>(wordAt(rec, off));
                else
                    s << singleAt(rec, off);
                return s.str();
            };
            ADD_FAILURE() << file << " record " << r + 1 << " byte " << off << ": file " << show(got)
                          << ", expected " << show(want);
            ++reported;
        }
}

// Positions (from 1) of the section rows of each group: the runs between spacer rows.
inline std::vector<std::vector<int>> groupsOf(const Expected& e) {
    std::vector<std::vector<int>> groups(1);
    for (int pos = 1; pos <= static_cast<int>(e.names.size()); ++pos) {
        if (!e.spacer(pos))
            groups.back().push_back(pos);
        else if (!groups.back().empty())
            groups.emplace_back();
    }
    if (groups.back().empty()) groups.pop_back();
    return groups;
}

// The numbers written in a designation, in order ("W21 x 12-1/4 x 101" gives 21, 12.25, 101).
inline std::vector<double> numbersIn(const std::string& designation) {
    std::vector<double> out;
    for (const char* p = designation.c_str(); *p;) {
        if (!std::isdigit(static_cast<unsigned char>(*p))) {
            ++p;
            continue;
        }
        char* end = nullptr;
        int num = 0, den = 1, used = 0; // a fraction after a dash
        out.push_back(std::strtod(p, &end));
        if (std::sscanf(end, "-%1d/%1d%n", &num, &den, &used) == 2) out.back() += double(num) / den;
        p = end + used;
    }
    return out;
}

} // namespace sectiontest
