// The one instance of the result text tables, and the count convention of their line 0.
#include "engine/ResultText.h"

#include "platform/Errors.h"
#include "platform/StateRegistry.h"

namespace kx {

ResultTextTables Txt;
KX_REGISTER_STATE(Txt);

void ClearResultText() {
    for (int lc = 1; lc <= 5; ++lc) {
        ClearTable(Txt.CaseListing[lc]);
        ClearTable(Txt.CaseLoadLines[lc]);
        ClearTable(Txt.CaseSupportLines[lc]);
        Txt.CaseMaxStressLines[lc] = "";
    }
    ClearTextLines(Txt.EnvelopeLines);
    for (int slot = 0; slot <= 5; ++slot) {
        ClearTable(Txt.KxCheckLines[slot]);
        ClearTable(Txt.TimberCheckLines[slot]);
    }
    ClearTable(Txt.SummaryLines);
    ClearTable(Txt.LoadListLines);
    ClearTable(Txt.PointLoadListLines);
    ClearTable(Txt.MaximaLines);
}

void StoreLine(TResultLine& line, std::string_view text) { line = text; }
void StoreLine(TLoadListLine& line, std::string_view text) { line = text; }

int TableLineCount(const TResultLine& line0) {
    std::string_view s = line0.view();
    if (s.empty()) return 0;
    std::size_t i = 0;
    bool negative = false;
    if (s[0] == '-' || s[0] == '+') negative = s[0] == '-', i = 1;
    if (i == s.size()) throw ConvertError("'" + line0.str() + "' is not a valid integer value");
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9' || v > 1000000000LL)
            throw ConvertError("'" + line0.str() + "' is not a valid integer value");
        v = v * 10 + (s[i] - '0');
    }
    return static_cast<int>(negative ? -v : v);
}

} // namespace kx
