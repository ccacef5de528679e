// The result text tables: short fixed-width lines, line 0 of each table holding its line count,
// and the one writer that fills them.
#pragma once

#include <algorithm>
#include <cassert>
#include <concepts>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "foundation/LineCount.h"
#include "foundation/SharedModel.h"
#include "platform/Arr.h"
#include "platform/ShortString.h"

namespace kx {

// One line of result text; a longer text is cut after character 75.
using TResultLine = ShortString<75>;
using TLoadListLine = ShortString<85>;

template <class Line, int Hi> class TextWriter;

// The lines 1.. of a table, put when the table is first read rather than when it is built: an
// analysis writes tens of thousands of numbers into listings that are seldom all read. It holds
// copies of every value it shows, so that it puts the same lines whenever it runs.
template <class Line, int Hi> class DeferredLines {
public:
    virtual ~DeferredLines() = default;
    // Puts the lines from line 1 on; the table's count was set when the lines were deferred.
    virtual void Put(TextWriter<Line, Hi>& w) const = 0;
};

// Lines 0..Hi. `used_` bounds the lines 1..Hi that may hold text, so that clearing a table of a
// thousand lines touches only the few dozen an analysis wrote: every access that may write a line
// raises it.
// Lines 1.. may be deferred (Defer): they are put by the first access through a table that may be
// changed, so that no such reader can tell. A table read as const is never changed: reading lines
// 1.. of a const table whose lines are still deferred is a fault of the program and throws, rather
// than showing blanks. Copies share the deferred lines, which never change. Line 0, the count, is
// always written at once.
template <class Line, int Hi> class LineTable {
public:
    using Lines = Arr<Line, 0, Hi>;
    static constexpr int low = 0;
    static constexpr int high = Hi;

    Line& operator[](int i) {
        if (i != 0) Settle();
        Line& line = lines_[i];
        if (i > used_) used_ = i;
        return line;
    }
    const Line& operator[](int i) const { return i == 0 ? lines_[0] : Settled()[i]; }
    Line* begin() {
        Settle();
        used_ = Hi;
        return lines_.begin();
    }
    Line* end() {
        Settle();
        used_ = Hi;
        return lines_.end();
    }
    const Line* begin() const { return Settled().begin(); }
    const Line* end() const { return Settled().end(); }
    void fill(const Line& x) {
        Forget();
        used_ = Hi;
        lines_.fill(x);
    }
    // Compares the lines as readers see them, putting deferred lines into copies.
    bool operator==(const LineTable& o) const {
        if (!deferred_ && !o.deferred_) return lines_ == o.lines_;
        return Put(*this)->lines_ == Put(o)->lines_;
    }
    // Whether some lines are deferred and not yet put.
    bool Pending() const { return deferred_ != nullptr; }

    // Line 0 := the count of `lines` lines from line 1, as TextWriter::WriteCount gives it; the
    // lines themselves are put by `deferred` when lines 1.. are first read.
    void Defer(std::shared_ptr<const DeferredLines<Line, Hi>> deferred, int lines);
    // Lines 1..last := "" (line 0 stays). Deferred lines are not put for that, unless some of
    // them lie past `last`.
    void ClearLines(int last);
    // Puts the deferred lines, if any.
    void Settle() {
        if (deferred_) [[unlikely]]
            PutDeferred();
    }

private:
    const Lines& Settled() const {
        if (deferred_) throw std::logic_error("a result table was read as const before its lines were put");
        return lines_;
    }
    static std::unique_ptr<LineTable> Put(const LineTable& t) {
        auto copy = std::make_unique<LineTable>(t);
        copy->Settle();
        return copy;
    }
    void Forget() {
        deferred_.reset();
        clearTo_ = 0;
    }
    void PutDeferred();

    Lines lines_;
    int used_ = 0;
    std::shared_ptr<const DeferredLines<Line, Hi>> deferred_;
    int deferredLines_ = 0; // how many lines `deferred_` puts
    int clearTo_ = 0;       // lines 1..clearTo_ are emptied after the deferred lines are put
};
template <int Hi> using TextTable = LineTable<TResultLine, Hi>;

// Lines of a loadcase's member check text: the capacity and timber checks', and the steel
// check's, which lists every restraint interval of every member.
inline constexpr int kCheckLines = 100;
inline constexpr int kSteelCheckLines = 500;

struct ResultTextTables {
    Arr<TextTable<100>, 1, 5> CaseLoadLines;
    Arr<TextTable<100>, 1, 5> CaseSupportLines;
    Arr<TextTable<1000>, 1, 5> CaseListing;
    Arr<TextTable<kCheckLines>, 0, 5> KxCheckLines;
    Arr<TextTable<kSteelCheckLines>, 0, 5> SteelCheckLines;
    Arr<TextTable<kCheckLines>, 0, 5> TimberCheckLines;
    TextTable<100> SummaryLines;
    TextTable<50> MaximaLines;
    TextTable<750> EnvelopeLines;
    LineTable<TLoadListLine, 100> LoadListLines;
    TextTable<100> PointLoadListLines;
    Arr<TResultLine, 1, 5> CaseMaxStressLines;
    ShortString<50> MaxStressLine;
    // Names of the members per loadcase: slot 0 LH cantilever, then the spans, then the RH cantilever.
    Arr<Arr<std::string, 0, 26>, 1, 5> MemberLabel;
    float FactoredLoadCount = 0;
    float MaxStressValue = 0;
    bool operator==(const ResultTextTables&) const = default;
};

extern ResultTextTables Txt;

// Empties lines 1..last of a table (line 0, the count, stays).
template <class Line, int Hi> void ClearTextLines(LineTable<Line, Hi>& t, int last = Hi) {
    t.ClearLines(last);
}

// Empties a table with its count line.
template <class Line, int Hi> void ClearTable(LineTable<Line, Hi>& t) {
    t[0] = "";
    ClearTextLines(t);
}

// line := text. Kept out of line: where the copy is inlined into a loop, the compiler picks a
// string instruction that costs more than the call.
void StoreLine(TResultLine& line, std::string_view text);
void StoreLine(TLoadListLine& line, std::string_view text);
// The same for a text whose buffer may be read for the line's whole capacity from its start: the
// line is then filled in whole moves, the bytes past the text cleared as an assignment clears them.
void StorePaddedLine(TResultLine& line, const char* text, std::size_t n);
void StorePaddedLine(TLoadListLine& line, const char* text, std::size_t n);

// A text built in a buffer that holds at least `readable` bytes from its start (view()).
template <class Text>
concept PaddedText = requires(const Text& t) {
    { Text::readable } -> std::convertible_to<std::size_t>;
    { t.view() } -> std::convertible_to<std::string_view>;
};

// Fills a table line by line from line 1. Lines past the table's end are not stored: the table's
// last line then says that the list is full, and the count stops at that line.
template <class Line, int Hi> class TextWriter {
public:
    explicit TextWriter(LineTable<Line, Hi>& table) : t_(table) {}
    void Put(std::string_view text) {
        if (n_ <= Hi) StoreLine(t_[n_], text);
        ++n_;
    }
    template <PaddedText Text> void Put(const Text& text) {
        static_assert(Text::readable >= static_cast<std::size_t>(Line::capacity));
        const std::string_view v = text.view();
        if (n_ <= Hi) StorePaddedLine(t_[n_], v.data(), v.size());
        ++n_;
    }
    int Next() const { return n_; }
    // Line 0 := the next line to write, as readers show lines 1..count.
    void WriteCount() {
        WriteFullNote();
        t_[0] = CountText(n_ - 1);
    }
    // The last line says that the list is full when more lines were put than it holds.
    void WriteFullNote() {
        if (n_ > Hi + 1) t_[Hi] = kListFullText;
    }
    // Line 0 of a table that `lines` lines were put into.
    static std::string CountText(int lines) { return std::to_string(std::min(lines + 1, Hi)); }
    static constexpr const char* kListFullText = " (list full: further lines are not shown)";

private:
    LineTable<Line, Hi>& t_;
    int n_ = 1;
};

template <class Line, int Hi>
void LineTable<Line, Hi>::Defer(std::shared_ptr<const DeferredLines<Line, Hi>> deferred, int lines) {
    Settle(); // earlier deferred lines that a clearing left partly standing
    deferred_ = std::move(deferred);
    deferredLines_ = lines;
    lines_[0] = TextWriter<Line, Hi>::CountText(lines);
}

template <class Line, int Hi> void LineTable<Line, Hi>::ClearLines(int last) {
    if (deferred_) {
        // The deferred lines are lines 1..deferredLines_, the last of them at most Hi.
        if (std::min(deferredLines_, Hi) > last) {
            clearTo_ = std::max(clearTo_, last);
            return;
        }
        Forget(); // every line they would put is emptied
    }
    const int to = std::min(used_, last);
    if (to > 0) Line::Clear(lines_.begin() + 1, static_cast<std::size_t>(to));
    if (used_ <= last) used_ = 0;
}

template <class Line, int Hi> void LineTable<Line, Hi>::PutDeferred() {
    // Taken first: the writer comes back through operator[].
    const std::shared_ptr<const DeferredLines<Line, Hi>> deferred = std::move(deferred_);
    const int clearTo = std::exchange(clearTo_, 0);
    TextWriter<Line, Hi> w(*this);
    deferred->Put(w);
    assert(w.Next() == deferredLines_ + 1 && "deferred lines other than counted");
    w.WriteFullNote();
    if (clearTo > 0) ClearLines(clearTo);
}

// The lines 1.. of a loadcase listing that an analysis empties before it runs; the listing it then
// writes puts every line that its count covers.
inline constexpr int kClearedListingLines = 500;

// Empties the result texts before an analysis and for a new beam: the loadcase listings, load and
// support lines, the capacity and timber check lines, the summary, maxima and loads listings, the
// envelope text (its count stays) and the stress lines of the loadcases. The steel check lines
// are left as they are.
void ClearResultText();

} // namespace kx
