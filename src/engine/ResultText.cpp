// The one instance of the result text tables, and the count convention of their line 0.
#include "engine/ResultText.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "platform/StateRegistry.h"

namespace kx {

ResultTextTables Txt;
KX_REGISTER_STATE(Txt);

void ClearResultText() {
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        ClearTable(Txt.CaseListing[lc]);
        ClearTable(Txt.CaseLoadLines[lc]);
        ClearTable(Txt.CaseSupportLines[lc]);
        Txt.CaseMaxStressLines[lc] = "";
    }
    ClearTextLines(Txt.EnvelopeLines);
    for (int slot = 0; slot <= kMaxLoadcases; ++slot) { // slot 0: the envelope
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

namespace {

// The line's stored image (length byte, then the characters padded with zeros) written in place:
// the line's whole room is read from the text and the characters past its length are masked off,
// a loop that compiles to a few whole-register moves.
template <int N> void StorePadded(ShortString<N>& line, const char* text, std::size_t n) {
    static_assert(std::is_trivially_copyable_v<ShortString<N>> && sizeof(ShortString<N>) == N + 1 && N < 256);
    const auto length = static_cast<unsigned char>(std::min<std::size_t>(n, N));
    unsigned char chars[N];
    std::memcpy(chars, text, N);
    auto* image = reinterpret_cast<unsigned char*>(&line);
    image[0] = length;
    for (int i = 0; i < N; ++i)
        image[1 + i] = static_cast<unsigned char>(i) < length ? chars[i] : 0;
}

} // namespace

void StorePaddedLine(TResultLine& line, const char* text, std::size_t n) { StorePadded(line, text, n); }
void StorePaddedLine(TLoadListLine& line, const char* text, std::size_t n) { StorePadded(line, text, n); }

} // namespace kx
