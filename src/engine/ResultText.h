// The result text tables: short fixed-width lines, line 0 of each table holding its line count,
// and the one writer that fills them.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "foundation/SharedModel.h"
#include "platform/Arr.h"
#include "platform/ShortString.h"

namespace kx {

// One line of result text; a longer text is cut after character 75.
using TResultLine = ShortString<75>;
using TLoadListLine = ShortString<85>;

// Lines 0..Hi. `used` bounds the lines 1..Hi that may hold text, so that clearing a table of a
// thousand lines touches only the few dozen an analysis wrote: every access that may write a line
// raises it.
template <class Line, int Hi> struct LineTable : Arr<Line, 0, Hi> {
    using Base = Arr<Line, 0, Hi>;
    Line& operator[](int i) {
        Line& line = Base::operator[](i);
        if (i > used) used = i;
        return line;
    }
    const Line& operator[](int i) const { return Base::operator[](i); }
    Line* begin() {
        used = Hi;
        return Base::begin();
    }
    Line* end() {
        used = Hi;
        return Base::end();
    }
    const Line* begin() const { return Base::begin(); }
    const Line* end() const { return Base::end(); }
    void fill(const Line& x) {
        used = Hi;
        Base::fill(x);
    }
    int used = 0;
};
template <int Hi> using TextTable = LineTable<TResultLine, Hi>;

struct ResultTextTables {
    Arr<TextTable<100>, 1, 5> CaseLoadLines;
    Arr<TextTable<100>, 1, 5> CaseSupportLines;
    Arr<TextTable<1000>, 1, 5> CaseListing;
    Arr<TextTable<100>, 0, 5> KxCheckLines;
    Arr<TextTable<500>, 0, 5> SteelCheckLines;
    Arr<TextTable<100>, 0, 5> TimberCheckLines;
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
    const int to = std::min(t.used, last);
    for (int i = 1; i <= to; ++i)
        t[i] = "";
    if (t.used <= last) t.used = 0;
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

// Fills a table line by line from line 1. Lines past the table's end are not stored: the table's
// last line then says that the list is full, and the count stops at that line.
template <class Line, int Hi> class TextWriter {
public:
    explicit TextWriter(LineTable<Line, Hi>& table) : t_(table) {}
    void Put(std::string_view text) {
        if (n_ <= Hi) StoreLine(t_[n_], text);
        ++n_;
    }
    int Next() const { return n_; }
    // Line 0 := the next line to write, as readers show lines 1..count.
    void WriteCount() {
        if (n_ > Hi + 1) t_[Hi] = kListFullText;
        t_[0] = std::to_string(std::min(n_, Hi));
    }
    static constexpr const char* kListFullText = " (list full: further lines are not shown)";

private:
    LineTable<Line, Hi>& t_;
    int n_ = 1;
};

// Empties the result texts before an analysis and for a new beam: the loadcase listings, load and
// support lines, the capacity and timber check lines, the summary, maxima and loads listings, the
// envelope text (its count stays) and the stress lines of the loadcases. The steel check lines
// are left as they are.
void ClearResultText();

// The count in line 0 of a table: an empty line counts 0; a line that is no whole number is a
// conversion error.
int TableLineCount(const TResultLine& line0);
template <int Hi> int LineCount(const Arr<TResultLine, 0, Hi>& t) { return TableLineCount(t[0]); }
template <int Hi> int LineCount(const Arr<TLoadListLine, 0, Hi>& t) {
    return TableLineCount(TResultLine(t[0].view()));
}

} // namespace kx
