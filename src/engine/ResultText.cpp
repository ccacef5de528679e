// The one instance of the result text tables, and the count convention of their line 0.
#include "engine/ResultText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

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

namespace {

// The line's stored image (length byte, then the characters padded with zeros) written in words of
// eight characters with the characters past the text masked off; the last word ends the image.
template <int N> void StorePadded(ShortString<N>& line, const char* text, std::size_t n) {
    static_assert(std::is_trivially_copyable_v<ShortString<N>> && sizeof(ShortString<N>) == N + 1 && N >= 8);
    const std::size_t length = std::min<std::size_t>(n, N);
    auto* image = reinterpret_cast<unsigned char*>(&line);
    auto put = [&](std::size_t at) { // characters at..at + 7
        std::uint64_t word;
        std::memcpy(&word, text + at, 8);
        const std::size_t shown = length > at ? std::min<std::size_t>(length - at, 8) : 0;
        word &= shown == 8 ? ~0ull : (1ull << (8 * shown)) - 1;
        std::memcpy(image + 1 + at, &word, 8);
    };
    image[0] = static_cast<unsigned char>(length);
    for (std::size_t at = 0; at + 8 < N; at += 8)
        put(at);
    put(N - 8);
}

} // namespace

void StorePaddedLine(TResultLine& line, const char* text, std::size_t n) { StorePadded(line, text, n); }
void StorePaddedLine(TLoadListLine& line, const char* text, std::size_t n) { StorePadded(line, text, n); }

} // namespace kx
