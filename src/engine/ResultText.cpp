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

// The line's stored image (length byte, then the characters padded with zeros) written in moves of
// sixteen characters with the characters past the text masked off; the last move ends the image.
template <int N> void StorePadded(ShortString<N>& line, const char* text, std::size_t n) {
    // Positions and the length are compared as signed bytes.
    static_assert(std::is_trivially_copyable_v<ShortString<N>> && sizeof(ShortString<N>) == N + 1 &&
                  N >= 16 && N <= 127);
    using Bytes = signed char __attribute__((vector_size(16)));
    constexpr Bytes kAt = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const auto length = static_cast<signed char>(std::min<std::size_t>(n, N));
    auto* image = reinterpret_cast<unsigned char*>(&line);
    auto put = [&](int at) { // characters at..at + 15
        Bytes word;
        std::memcpy(&word, text + at, 16);
        word &= kAt + static_cast<signed char>(at) < length;
        std::memcpy(image + 1 + at, &word, 16);
    };
    image[0] = static_cast<unsigned char>(length);
    for (int at = 0; at + 16 < N; at += 16)
        put(at);
    put(N - 16);
}

} // namespace

void StorePaddedLine(TResultLine& line, const char* text, std::size_t n) { StorePadded(line, text, n); }
void StorePaddedLine(TLoadListLine& line, const char* text, std::size_t n) { StorePadded(line, text, n); }

} // namespace kx
