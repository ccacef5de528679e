// The results listing of one loadcase (loads, reactions, span summary, member check, span data),
// its largest-stress lines, and the column rules that the loads listing shares.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"

namespace kx {

// A listing line being built, in place: no allocation however many lines a listing has. Text past
// its room is dropped; every table keeps far fewer characters of a line. Short pieces are copied
// in fixed-size moves, as the listings append tens of thousands of them.
class ListingLine {
public:
    static constexpr std::size_t room = 128;
    static constexpr std::size_t readable = room + 64; // the buffer, blanks' room included
    ListingLine() = default;
    ListingLine(std::string_view s) { *this += s; }
    ListingLine(const char* s) : ListingLine(std::string_view(s)) {}
    ListingLine& operator=(std::string_view s) {
        n_ = 0;
        return *this += s;
    }
    ListingLine& operator=(const char* s) { return *this = std::string_view(s); }
    ListingLine& operator+=(std::string_view s) {
        const std::size_t n = std::min(s.size(), room - n_);
        char* d = c_ + n_;
        const char* from = s.data();
        if (n >= 8 && n <= 16) { // two moves of 8 that may overlap
            std::memcpy(d, from, 8);
            std::memcpy(d + n - 8, from + n - 8, 8);
        } else if (n >= 4 && n < 8) {
            std::memcpy(d, from, 4);
            std::memcpy(d + n - 4, from + n - 4, 4);
        } else if (n < 4) {
            for (std::size_t i = 0; i < n; ++i)
                d[i] = from[i];
        } else {
            CopyLong(d, from, n);
        }
        n_ += n;
        return *this;
    }
    ListingLine& operator+=(char c) { return append(1, c); }
    // Appends the first n (at most 8) characters of a word, the first character lowest: a short
    // piece put together in a register goes in as one move.
    void AppendWord(std::uint64_t word, std::size_t n) {
        std::memcpy(c_ + n_, &word, 8); // the bytes past the n fall in the blanks' room
        n_ += std::min(n, room - n_);
    }
    ListingLine& append(std::size_t count, char c) {
        count = std::min(count, room - n_);
        if (c == ' ' && count <= kBlanks) {
            std::memcpy(c_ + n_, kBlankRun, kBlanks); // blanks past the count are not part of the line
        } else {
            Fill(c_ + n_, count, c);
        }
        n_ += count;
        return *this;
    }
    std::size_t size() const { return n_; }
    void clear() { n_ = 0; }
    // The first characters of a line, kept to start other lines with (Start) in one move.
    struct Start {
        static constexpr std::size_t room = 24;
        char c[room];
        std::size_t n = 0;
        bool operator==(const Start&) const = default;
    };
    // The line as a start; false when it is too long for one.
    bool KeepStart(Start& s) const {
        if (n_ > Start::room) return false;
        std::memcpy(s.c, c_, Start::room);
        s.n = n_;
        return true;
    }
    ListingLine& operator=(const Start& s) {
        std::memcpy(c_, s.c, Start::room);
        n_ = s.n;
        return *this;
    }
    // Appends the text of f, which has decimals, with its point at position c, where AppendAligned
    // puts FormatDecimalPlaces's text of the same value (blanks in front to 5 characters). False,
    // and nothing appended, when the line reaches too far for that or the text would pass the room.
    bool PlaceAt(const FixedDigits& f, int c) {
        const int n = static_cast<int>(n_), size = f.size();
        const int point = std::max(size, 5) - f.decimals; // the point's place in the text with its blanks
        if (f.decimals < 1 || c - n - point < 1 || c + f.decimals > static_cast<int>(room)) return false;
        const int start = c - size + f.decimals; // the point falls at c
        append(static_cast<std::size_t>(start - n), ' ');
        f.WriteTo(c_ + start); // what it writes past the text falls in the blanks' room
        n_ = static_cast<std::size_t>(start + size);
        return true;
    }
    std::string_view view() const { return std::string_view(c_, n_); }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

private:
    [[gnu::noinline]] static void CopyLong(char* to, const char* from, std::size_t n);
    [[gnu::noinline]] static void Fill(char* to, std::size_t n, char c);
    static constexpr std::size_t kBlanks = 64;
    static constexpr char kBlankRun[kBlanks + 1] =
        "                                                                ";
    static_assert(readable == room + kBlanks);
    char c_[room + kBlanks] = {}; // every byte set: a table line is stored from whole moves
    std::size_t n_ = 0;
};

// The listings' lines go to their tables by the padded store (TextWriter::Put): a ListingLine that
// lost what it needs would still give every text, only by the slower store.
static_assert(PaddedText<ListingLine>, "listing lines are stored padded");

// Column rules. Positions are 1-based character positions in the line.

// Appends "(" + unit + ")" centred at position c (nothing is removed from a line already too long).
void AppendUnitHeading(ListingLine& line, std::string_view unitText, int c);

// Decimals of a column from the largest magnitude it shows, by the length of its integer part d.
// Rule 4: d of 4 or more gives 0, 3 gives 1, 2 gives 2, 1 gives 3.
int DecimalsRule4(double largest);
// Rule 5: d of 5 or more gives 0, 4 gives 1, 3 gives 2, 1 or 2 gives 3.
int DecimalsRule5(double largest);

// A value text placed so that its decimal point stands at position c. A text without a point
// ends at c - 1 (Point) or at c (Digit).
enum class Align { Point, Digit };
void AppendAligned(ListingLine& line, std::string_view value, int c, Align align);

// A column of numbers: its position, how it aligns, and its decimals, which the largest value it
// shows decides (DecimalsRule4 or DecimalsRule5 of LargestOver).
struct Column {
    int pos;
    Align align;
    int decimals = 3;
    // Appends v with the column's decimals. The usual value, with decimals and not above 1e5 (below
    // 1e-4 it shows as zero), goes straight into the line; any other takes the whole way (PutOther).
    void Put(ListingLine& line, double v) const {
        const double a = std::fabs(v);
        const bool zero = a < 1e-4;
        FixedDigits f;
        if (decimals >= 1 && decimals <= 3 && a <= 1e5 &&
            RoundFixed(zero ? 0 : a, v < 0 && !zero, decimals, f) && line.PlaceAt(f, pos))
            return;
        PutOther(line, v);
    }

private:
    void PutOther(ListingLine& line, double v) const;
};

// Defers `lines` into a table. Lines: a DeferredLines that can say how many lines it puts (Lines()).
template <class Lines, class Line, int Hi>
void DeferLines(LineTable<Line, Hi>& table, const std::shared_ptr<const Lines>& lines) {
    table.Defer(lines, lines->Lines());
}

// The decimals of the last column a build formats, which DecimalPlaces holds once the build ends:
// each column that formats a value sets them in turn.
class LastColumnDecimals {
public:
    // The column formats at least one value after those noted before.
    void Note(bool formats, const Column& column) {
        if (formats) decimals_ = column.decimals;
    }
    // DecimalPlaces := the decimals of the last column noted, when any was.
    void Leave() const {
        if (decimals_ >= 0) Model.DecimalPlaces = decimals_;
    }

private:
    int decimals_ = -1;
};

// The larger of m and |v|, as LargestOver takes them.
inline double Larger(double m, double v) {
    const double a = std::fabs(v);
    return a > m ? a : m;
}

// Largest |f(k)| over k = from..to; values that are no number are passed over.
template <typename F> double LargestOver(int from, int to, F f) {
    double m = 0;
    for (int k = from; k <= to; ++k)
        m = Larger(m, f(k));
    return m;
}

// (p - 1) / 20.0 at the twentieth points p = 1..21, where the listings give the distance along a
// member; worked out when compiling, to the same doubles.
inline constexpr auto kTwentieths = [] {
    std::array<double, 22> f{};
    for (int p = 1; p <= 21; ++p)
        f[static_cast<std::size_t>(p)] = (p - 1) / 20.0;
    return f;
}();

// SigFig3Dec3 of the load factors of a listing, which repeat from row to row: the text of the
// last factor is kept for the next row.
class LoadFactorTexts {
public:
    std::string_view operator()(float factor) {
        if (!kept_ || std::memcmp(&factor, &factor_, sizeof factor) != 0) {
            text_ = SigFig3Dec3(factor);
            factor_ = factor;
            kept_ = true;
        }
        return text_;
    }

private:
    float factor_ = 0;
    bool kept_ = false;
    std::string text_;
};

// The row number and distance that begin each of a member's 21 lines of a listing, kept from one
// listing to the next: they depend only on the member's length and the length unit's factor.
struct DistanceStarts {
    double length = 0, factor = 0;
    bool complete = false; // every start fits
    std::array<ListingLine::Start, kDeflectionPoints> rows;
    bool Hold(double L, double f) const {
        return complete && std::memcmp(&L, &length, sizeof L) == 0 && std::memcmp(&f, &factor, sizeof f) == 0;
    }
    // Keeps what start(line, p) puts in an empty line for p = 1..21, for length L and factor f.
    template <typename Start> void Keep(double L, double f, Start start) {
        complete = true;
        ListingLine line;
        for (int p = 1; p <= kDeflectionPoints; ++p) {
            start(line, p);
            complete = line.KeepStart(rows[static_cast<std::size_t>(p - 1)]) && complete;
        }
        length = L;
        factor = f;
    }
    bool operator==(const DistanceStarts&) const = default;
};

// k of 0..99 as two characters, a blank in front of one digit (" 7", "12"), the first lowest in a
// word, for ListingLine::AppendWord.
inline std::uint64_t TwoDigitWord(int k) {
    const std::uint64_t tens = k < 10 ? ' ' : '0' + static_cast<unsigned>(k) / 10;
    return tens | static_cast<std::uint64_t>('0' + k % 10) << 8;
}

// Appends the row number: "  7", " 12".
void AppendRowNumber(ListingLine& line, int k);

// Builds CaseLoadLines, CaseSupportLines, MemberLabel and CaseListing of Eng.CurrentCase and runs
// the member check of the section group between them. The loadcase must have been stored
// (StoreLoadcaseResults) and MaxCouplerMoment run. Stops before the span data when the steel
// check sets CheckAbortFlag.
void BuildCaseResultsText();

// The member labels of Eng.CurrentCase, merged over the supports released in it on a forkhead beam.
void BuildMemberLabels();

// CaseMaxStressLines of Eng.CurrentCase, MaxStressValue, FactoredLoadCount and MaxStressLine.
void BuildMaxStressText();

} // namespace kx
