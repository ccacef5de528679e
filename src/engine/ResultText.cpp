// The one instance of the result text tables, and the count convention of their line 0.
#include "engine/ResultText.h"

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

} // namespace kx
