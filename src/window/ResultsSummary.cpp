// The results summary, the maxima, the envelope text, and what the result lists show of them.
#include "window/ResultsSummary.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SigFig.h"
#include "foundation/SigFigBands.h"
#include "platform/StateRegistry.h"
#include "window/CaseResults.h"

namespace kx {

namespace {

// A loadcase fails when a ratio is above 1.0; exactly 1.0 passes.
bool AnyLoadcaseFails() {
    int shear = 0, moment = 0;
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        if (Eng.ShearRatios[lc][kBeamRow] > 1.0f) ++shear;
        if (Eng.CheckResults[lc][kBeamRow][0] > 1.0f) ++moment;
    }
    return shear > 0 || moment > 0;
}

using SummaryWriter = TextWriter<TResultLine, 100>;

void AppendWhole(ListingLine& line, int k) {
    char digits[16];
    line += std::string_view(digits,
                             static_cast<std::size_t>(std::to_chars(digits, digits + 16, k).ptr - digits));
}

// Lines 1..count of a table, put first if they were deferred; a count beyond the table comes
// only from a damaged file.
struct TableLines {
    const TResultLine* first = nullptr;
    int count = 0;
};
template <int Hi> TableLines Lines(TextTable<Hi>& t, int count) {
    count = std::clamp(count, 0, Hi);
    if (count == 0) return {};
    t.Settle();
    return {&t[1], count};
}

// The lines of the tables one after the other.
void AddLines(ResultLines& out, std::initializer_list<TableLines> tables) {
    std::size_t lines = 0;
    for (const TableLines& t : tables)
        lines += static_cast<std::size_t>(t.count);
    out.reserve(lines);
    for (const TableLines& t : tables)
        out.append(t.first, static_cast<std::size_t>(t.count));
}

// The section property lines of the summary. Scaffold and user sections hold lines 5 and 7 back
// and show them in front of lines 6 and 8.
void SectionLines(SummaryWriter& S) {
    const std::string type = Model.MemberType.str();
    const bool joined = type == "Scaffold" || type == "KXF";
    const int k = LineCount(Model.SectionPropLines, CountPolicy::WithinTable);
    std::string held5, held7;
    for (int i = 1; i <= k; ++i) {
        std::string text = Model.SectionPropLines[i].str();
        if (joined) {
            if (i == 5) {
                held5 = text;
                text.clear();
            } else if (i == 6) {
                text = held5 + text;
            } else if (i == 7) {
                held7 = text;
                text.clear();
            } else if (i == 8) {
                text = held7 + text;
            }
        }
        S.Put(text);
    }
}

void MemberLengthRows(SummaryWriter& S, LastColumnDecimals& last) {
    const auto& rows = Model.SpanData;
    const int n = Model.SpanCount[0];
    auto shown = [&](int member) { return static_cast<double>(rows[member][mfL]) / Model.UnitFactorLength; };
    // Members in order: the LH cantilever, the spans, the RH cantilever.
    auto memberRow = [&](int k) { return k == 0 ? kLHCantRow : k > n ? kRHCantRow : k; };
    Column length{14, Align::Point};
    length.decimals = DecimalsRule4(LargestOver(0, n + 1, [&](int k) { return shown(memberRow(k)); }));

    ListingLine line;
    auto row = [&](const char* name, int member) {
        line = name;
        length.Put(line, shown(member));
        S.Put(line);
    };
    if (rows[kLHCantRow][mfExists] == 1.0f) row(" LHC", kLHCantRow);
    for (int s = 1; s <= n; ++s) {
        line = "  ";
        AppendWhole(line, s);
        length.Put(line, shown(s));
        S.Put(line);
    }
    if (rows[kRHCantRow][mfExists] == 1.0f) row(" RHC", kRHCantRow);
    last.Note(n > 0 || rows[kLHCantRow][mfExists] == 1.0f || rows[kRHCantRow][mfExists] == 1.0f, length);
}

void BuildMaxima(bool kxf) {
    TextWriter m(Txt.MaximaLines);
    const bool factored = Txt.FactoredLoadCount != 0;
    auto value = [](double v, float factor, const Str10& unit) {
        return SigFig4Dec3(v * factor) + " " + unit;
    };
    const auto& beam = [](const TExtremesTable& table) { return table[0][kBeamRow][xMagnitude]; };
    m.Put("MAXIMA");
    m.Put((factored ? " Max factored shear = " : " Max shear = ") +
          value(beam(Eng.ShearExtremes), Model.UnitFactorShear, Model.UnitTextShear));
    m.Put((factored ? " Max factored bending moment = " : " Max bending moment = ") +
          value(beam(Eng.MomentExtremes), Model.UnitFactorMoment, Model.UnitTextMoment));
    m.Put(" Max deflection = " +
          value(beam(Eng.DeflectionExtremes), Model.UnitFactorDeflection, Model.UnitTextDeflection));
    float reaction = 0;
    for (int k = 1; k <= Model.SpanCount[0] + 1; ++k)
        reaction = std::max(reaction, Eng.SupportWorkValues[k]);
    m.Put((factored ? " Max positive factored support reaction = " : " Max positive support reaction = ") +
          value(reaction, Model.UnitFactorShear, Model.UnitTextShear));
    // A user's section has no extreme-fibre distance, hence no stress line.
    m.Put(kxf ? std::string() : Txt.MaxStressLine.str());
    m.WriteCount();
}

// " (lc)" of a loadcase number that is no whole number below 100 (only in a damaged state).
[[gnu::noinline]] void AppendOtherLoadcase(ListingLine& line, float lc) {
    line += " (";
    const std::string s = FormatFixed(lc, 0);
    if (s.size() < 2) line += ' ';
    line += s;
    line += ')';
}

// Appends " (lc)": the loadcase number held as a real, as "%2.0f".
void AppendLoadcase(ListingLine& line, float lc) {
    // Loadcase numbers are whole: print them directly, as the fixed-point routine is slower.
    if (lc >= 0 && lc <= 99 && lc == static_cast<int>(lc)) {
        line.AppendWord(' ' | '(' << 8 | TwoDigitWord(static_cast<int>(lc)) << 16 | std::uint64_t{')'} << 32,
                        5);
        return;
    }
    AppendOtherLoadcase(line, lc);
}

// The starts of the envelope's members' lines: the LH cantilever, the spans, the RH cantilever.
std::array<DistanceStarts, kMaxSpans + 2> envelopeStarts;
KX_REGISTER_STATE(envelopeStarts);

// The results envelope, from copies of the envelope values it shows.
class EnvelopeText final : public DeferredLines<TResultLine, 750> {
public:
    EnvelopeText()
        : fL_(Model.UnitFactorLength), fV_(Model.UnitFactorShear), fM_(Model.UnitFactorMoment),
          lengthText_(Model.UnitTextLength), shearText_(Model.UnitTextShear),
          momentText_(Model.UnitTextMoment) {
        if (Eng.LHCantileverActive[1] == 1) lh_ = Capture(kLHCantRow, Eng.CantileverLength[0][0]);
        for (int s = 1; s <= Model.SpanCount[0]; ++s)
            spans_.push_back(Capture(s, Model.SpanData[s][mfL]));
        if (Eng.RHCantileverActive[1] == 1) rh_ = Capture(kRHCantRow, Eng.CantileverLength[0][1]);
    }
    int Lines() const {
        const int block = 2 + kDeflectionPoints;
        return 2 + (lh_ ? 1 + block : 0) + static_cast<int>(spans_.size()) * (2 + block) + 1 +
               (rh_ ? 1 + block : 0);
    }
    // Each member's last column is its negative moments.
    void NoteColumns(LastColumnDecimals& last) const {
        const Block* b = rh_ ? &*rh_ : !spans_.empty() ? &spans_.back() : lh_ ? &*lh_ : nullptr;
        if (b) last.Note(true, NegativeMomentColumn(*b));
    }

    void Put(TextWriter<TResultLine, 750>& E) const override {
        E.Put("RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
        E.Put("");
        if (lh_) {
            E.Put(" LH Cantilever ");
            PutBlock(E, *lh_, envelopeStarts.front());
        }
        for (std::size_t i = 0; i < spans_.size(); ++i) {
            E.Put("");
            E.Put(" Span " + std::to_string(i + 1));
            PutBlock(E, spans_[i], envelopeStarts[(i + 1) % envelopeStarts.size()]);
        }
        E.Put("");
        if (rh_) {
            E.Put(" RH Cantilever ");
            PutBlock(E, *rh_, envelopeStarts.back());
        }
    }

private:
    // One member: its length, its envelope extremes and its values at the 21 points.
    struct Block {
        double L;
        float largestShear, largestMoment, smallestMoment;
        Arr<Arr<float, 0, 1>, 1, kDeflectionPoints> shearAt;  // shear, loadcase
        Arr<Arr<float, 0, 3>, 1, kDeflectionPoints> momentAt; // +ve, -ve moment, their loadcases
    };

    static Block Capture(int row, double L) {
        return {L,
                Eng.ShearExtremes[0][row][xMagnitude],
                Eng.MomentExtremes[0][row][xLargest],
                Eng.MomentExtremes[0][row][xSmallest],
                Eng.EnvelopeIntervalValues[0][row],
                Eng.EnvelopeTable[0][row]};
    }

    Column NegativeMomentColumn(const Block& b) const {
        Column neg{57, Align::Point};
        neg.decimals = DecimalsRule5(std::fabs(b.smallestMoment) * fM_);
        return neg;
    }

    void PutBlock(TextWriter<TResultLine, 750>& E, const Block& b, DistanceStarts& starts) const {
        ListingLine h2 = " Int";
        AppendUnitHeading(h2, lengthText_.view(), 10);
        AppendUnitHeading(h2, shearText_.view(), 23);
        AppendUnitHeading(h2, momentText_.view(), 40);
        AppendUnitHeading(h2, momentText_.view(), 57);
        E.Put(" Span  Distance    Max shear       +ve Moment      -ve Moment");
        E.Put(h2);
        const float fL = fL_, fV = fV_, fM = fM_;
        Column dist{10, Align::Point}, shear{23, Align::Point}, pos{40, Align::Point};
        const Column neg = NegativeMomentColumn(b);
        dist.decimals = DecimalsRule4(std::fabs(b.L) / fL);
        shear.decimals = DecimalsRule5(std::fabs(b.largestShear) * fV);
        pos.decimals = DecimalsRule5(std::fabs(b.largestMoment) * fM);
        auto start = [&](ListingLine& line, int i) {
            line.clear();
            line.AppendWord(TwoDigitWord(i), 2);
            dist.Put(line, kTwentieths[static_cast<std::size_t>(i)] * b.L / fL);
        };
        if (!starts.Hold(b.L, fL)) starts.Keep(b.L, fL, start);
        const bool fromStarts = starts.complete;
        ListingLine line;
        for (int i = 1; i <= kDeflectionPoints; ++i) {
            const auto& shearAt = b.shearAt[i];
            const auto& momentAt = b.momentAt[i];
            if (fromStarts)
                line = starts.rows[static_cast<std::size_t>(i - 1)];
            else
                start(line, i);
            shear.Put(line, shearAt[0] * fV);
            AppendLoadcase(line, shearAt[1]);
            pos.Put(line, momentAt[0] * fM);
            AppendLoadcase(line, momentAt[2]);
            neg.Put(line, momentAt[1] * fM);
            AppendLoadcase(line, momentAt[3]);
            E.Put(line);
        }
    }

    float fL_, fV_, fM_;
    Str10 lengthText_, shearText_, momentText_;
    std::optional<Block> lh_, rh_;
    std::vector<Block> spans_;
};

} // namespace

void BuildResultsSummary() {
    SummaryWriter S(Txt.SummaryLines);
    const std::string type = Model.MemberType.str();
    S.Put("RESULTS");
    S.Put("");
    if (type == "Timber" || type == "KXF" || type == "Scaffold" || Model.SteelSectionFlag == 1) {
        const bool fails = AnyLoadcaseFails();
        const char* comply = fails ? "     BEAM DOES NOT COMPLY WITH BS 5975"
                                   : "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR";
        if (type == "Timber") S.Put(comply);
        if (Model.SteelSectionFlag == 1) S.Put(comply);
        if (type == "KXF")
            S.Put(fails ? "     LOADING EXCEEDS BEAM CAPACITY" : "     BEAM BENDING and SHEAR OK");
        if (type == "Scaffold")
            S.Put(fails ? "     PERMISSABLE BENDING MOMENT EXCEEDED" : "     TUBE BENDING OK");
    }
    S.Put(" ");
    S.Put("BEAM DATA");
    S.Put(" Length = " + SigFig4Dec3(Model.BeamLength / Model.UnitFactorLength) + " " + Model.UnitTextLength);
    S.Put("");
    SectionLines(S);
    S.Put("");
    std::string heading = " Span";
    const std::string caption = "Length (" + Model.UnitTextLength + ")";
    const int blanks = 14 - 5 - static_cast<int>(caption.size()) / 2;
    if (blanks > 0) heading.append(static_cast<std::size_t>(blanks), ' ');
    S.Put(heading + caption);
    LastColumnDecimals last;
    MemberLengthRows(S, last);
    S.WriteCount();
    BuildMaxima(type == "KXF");
    last.Leave();
}

void BuildEnvelopeText() {
    LastColumnDecimals last;
    const auto envelope = std::make_shared<const EnvelopeText>();
    DeferLines(Txt.EnvelopeLines, envelope);
    envelope->NoteColumns(last);
    last.Leave();
}

ResultListContent ResultsListContent() {
    ResultListContent out;
    out.colour = AnyLoadcaseFails() ? colors::Red : colors::Black;
    AddLines(out.lines, {Lines(Txt.SummaryLines, LineCount(Txt.SummaryLines)),
                         Lines(Txt.MaximaLines, LineCount(Txt.MaximaLines))});
    return out;
}

ResultListContent EnvelopeListContent() {
    ResultListContent out;
    if (Model.SupportType[1] == supForkhead) return out;
    out.colour = colors::Navy;
    AddLines(out.lines, {Lines(Txt.EnvelopeLines, LineCount(Txt.EnvelopeLines))});
    return out;
}

ResultListContent CaseResultsListContent(int c) {
    ResultListContent out;
    const bool loadcase = c >= 1 && c <= kMaxLoadcases;
    out.colour = (c == 0 || loadcase) && Eng.CaseCheckFailures[c] != 0 ? colors::Red : colors::Black;
    if (!loadcase) return out;
    const int loads = LineCount(Txt.CaseLoadLines[c]);
    TextTable<100>& support = Txt.CaseSupportLines[c];
    int n = std::max(LineCount(support), 0);
    // The stress line goes into the table itself, after the lines its count covers, so the count
    // stays as the listing wrote it.
    if (Model.MemberType == "HRS" && n < 100) support[++n] = Txt.CaseMaxStressLines[c];
    const std::string_view type = Model.MemberType.view();
    const bool timber = type == "Timber", kx = type == "KXF" || type == "Scaffold",
               steel = Model.SteelSectionFlag == 1;
    // The tables are put in the order in which the list shows them.
    const TableLines loadLines = Lines(Txt.CaseLoadLines[c], loads), supportLines = Lines(support, n);
    const TableLines timberLines =
        timber ? Lines(Txt.TimberCheckLines[c], LineCount(Txt.TimberCheckLines[c])) : TableLines{};
    const TableLines kxLines = kx ? Lines(Txt.KxCheckLines[c], LineCount(Txt.KxCheckLines[c])) : TableLines{};
    const TableLines steelLines =
        steel ? Lines(Txt.SteelCheckLines[c], LineCount(Txt.SteelCheckLines[c])) : TableLines{};
    AddLines(out.lines, {loadLines, supportLines, timberLines, kxLines, steelLines,
                         Lines(Txt.CaseListing[c], LineCount(Txt.CaseListing[c]))});
    return out;
}

} // namespace kx
