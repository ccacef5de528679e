// The result text tables: short fixed-width lines, line 0 of each table holding its line count.
#pragma once

#include <string>

#include "foundation/SharedModel.h"
#include "platform/Arr.h"
#include "platform/ShortString.h"

namespace kx {

// One line of result text; a longer text is cut after character 75.
using TResultLine = ShortString<75>;
using TLoadListLine = ShortString<85>;

template <int Hi> using TextTable = Arr<TResultLine, 0, Hi>;

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
    Arr<TLoadListLine, 0, 100> LoadListLines;
    TextTable<100> PointLoadListLines;
    Arr<TResultLine, 1, 5> CaseMaxStressLines;
    ShortString<50> MaxStressLine;
    // Names of the members per loadcase: slot 0 LH cantilever, then the spans, then the RH cantilever.
    Arr<Arr<std::string, 0, 26>, 1, 5> MemberLabel;
    float FactoredLoadCount = 0;
    float MaxStressValue = 0;
};

extern ResultTextTables Txt;

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
