// The results summary, the maxima, the envelope text, and what the result lists show of them.
#include "window/ResultsSummary.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SigFig.h"
#include "foundation/SigFigBands.h"
#include "window/CaseResults.h"

namespace kx {

namespace {

// A loadcase fails when a ratio is above 1.0; exactly 1.0 passes.
bool AnyLoadcaseFails() {
    int shear = 0, moment = 0;
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        if (Eng.ShearRatios[lc][27] > 1.0f) ++shear;
        if (Eng.CheckResults[lc][27][0] > 1.0f) ++moment;
    }
    return shear > 0 || moment > 0;
}

// The digits at the start of a text (no sign, nothing skipped); 0 when there are none.
int LeadingInteger(std::string_view s) {
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9' || v > 100000) break;
        v = v * 10 + (c - '0');
    }
    return v;
}

template <int Hi> void AddLines(std::vector<std::string>& out, const TextTable<Hi>& t, int count) {
    count = std::min(count, Hi); // a count beyond the table comes only from a damaged file
    for (int i = 1; i <= count; ++i)
        out.push_back(t[i].str());
}

// The section property lines of the summary. Scaffold and user sections hold lines 5 and 7 back
// and show them in front of lines 6 and 8.
void SectionLines(int& n) {
    const std::string type = Model.MemberType.str();
    const bool joined = type == "Scaffold" || type == "KXF";
    const int k = std::clamp(TableLineCount(TResultLine(Model.SectionPropLines[0].view())), 0, 50);
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
        Txt.SummaryLines[n++] = text;
    }
}

void MemberLengthRows(int& n) {
    const auto& rows = Model.SpanData;
    auto shown = [&](int member) { return static_cast<double>(rows[member][mfL]) / Model.UnitFactorLength; };
    double largest = std::fabs(shown(kLHCantRow));
    for (int s = 1; s <= Model.SpanCount[0]; ++s)
        largest = std::max(largest, std::fabs(shown(s)));
    largest = std::max(largest, std::fabs(shown(kRHCantRow)));
    const int decimals = DecimalsRule4(largest);

    auto row = [&](std::string line, int member) {
        AppendAligned(line, ColumnValue(shown(member), decimals), 14, Align::Point);
        Txt.SummaryLines[n++] = line;
    };
    if (rows[kLHCantRow][mfExists] == 1.0f) row(" LHC", kLHCantRow);
    for (int s = 1; s <= Model.SpanCount[0]; ++s)
        row("  " + std::to_string(s), s);
    if (rows[kRHCantRow][mfExists] == 1.0f) row(" RHC", kRHCantRow);
}

void BuildMaxima(bool kxf) {
    auto& m = Txt.MaximaLines;
    const bool factored = Txt.FactoredLoadCount != 0;
    auto value = [](double v, float factor, const Str10& unit) {
        return SigFig4Dec3(v * factor) + " " + unit;
    };
    m[1] = "MAXIMA";
    m[2] = (factored ? " Max factored shear = " : " Max shear = ") +
           value(Eng.ShearExtremes[0][27][5], Model.UnitFactorShear, Model.UnitTextShear);
    m[3] = (factored ? " Max factored bending moment = " : " Max bending moment = ") +
           value(Eng.MomentExtremes[0][27][5], Model.UnitFactorMoment, Model.UnitTextMoment);
    m[4] = " Max deflection = " +
           value(Eng.DeflectionExtremes[0][27][5], Model.UnitFactorDeflection, Model.UnitTextDeflection);
    float reaction = 0;
    for (int k = 1; k <= Model.SpanCount[0] + 1; ++k)
        reaction = std::max(reaction, Eng.SupportWorkValues[k]);
    m[5] = (factored ? " Max positive factored support reaction = " : " Max positive support reaction = ") +
           value(reaction, Model.UnitFactorShear, Model.UnitTextShear);
    // A user's section has no extreme-fibre distance, hence no stress line.
    m[6] = kxf ? std::string() : Txt.MaxStressLine.str();
    m[0] = "7";
}

// "%2.0f" of a loadcase number held as a real.
std::string LoadcaseText(float lc) {
    // Loadcase numbers are whole: print them directly, as the fixed-point routine is slow.
    std::string s = lc >= 0 && lc <= 99 && lc == static_cast<int>(lc) ? std::to_string(static_cast<int>(lc))
                                                                      : FormatFixed(lc, 0);
    if (s.size() < 2) s.insert(0, 2 - s.size(), ' ');
    return s;
}

} // namespace

void BuildResultsSummary() {
    auto& S = Txt.SummaryLines;
    const std::string type = Model.MemberType.str();
    S[1] = "RESULTS";
    S[2] = "";
    int n = 3;
    if (type == "Timber" || type == "KXF" || type == "Scaffold" || Model.SteelSectionFlag == 1) {
        const bool fails = AnyLoadcaseFails();
        const char* comply = fails ? "     BEAM DOES NOT COMPLY WITH BS 5975"
                                   : "BEAM COMPLIES WITH BS 5975 for BENDING and SHEAR";
        if (type == "Timber") S[n++] = comply;
        if (Model.SteelSectionFlag == 1) S[n++] = comply;
        if (type == "KXF")
            S[n++] = fails ? "     LOADING EXCEEDS BEAM CAPACITY" : "     BEAM BENDING and SHEAR OK";
        if (type == "Scaffold")
            S[n++] = fails ? "     PERMISSABLE BENDING MOMENT EXCEEDED" : "     TUBE BENDING OK";
    }
    S[n] = " ";
    S[n + 1] = "BEAM DATA";
    S[n + 2] =
        " Length = " + SigFig4Dec3(Model.BeamLength / Model.UnitFactorLength) + " " + Model.UnitTextLength;
    S[n + 3] = "";
    n += 4;
    SectionLines(n);
    S[n++] = "";
    std::string heading = " Span";
    const std::string caption = "Length (" + Model.UnitTextLength + ")";
    const int blanks = 14 - 5 - static_cast<int>(caption.size()) / 2;
    if (blanks > 0) heading.append(static_cast<std::size_t>(blanks), ' ');
    S[n++] = heading + caption;
    MemberLengthRows(n);
    S[0] = std::to_string(n);
    BuildMaxima(type == "KXF");
}

void BuildEnvelopeText() {
    auto& E = Txt.EnvelopeLines;
    int n = 1;
    auto put = [&](const std::string& s) { E[n++] = s; };
    put("RESULTS ENVELOPE at 1/20th SPAN INTERVALS");
    put("");

    const std::string h1 = " Span  Distance    Max shear       +ve Moment      -ve Moment";
    std::string h2 = " Int";
    AppendUnitHeading(h2, Model.UnitTextLength.view(), 10);
    AppendUnitHeading(h2, Model.UnitTextShear.view(), 23);
    AppendUnitHeading(h2, Model.UnitTextMoment.view(), 40);
    AppendUnitHeading(h2, Model.UnitTextMoment.view(), 57);

    auto block = [&](int row, double L) {
        put(h1);
        put(h2);
        const float fL = Model.UnitFactorLength, fV = Model.UnitFactorShear, fM = Model.UnitFactorMoment;
        const int distDecimals = DecimalsRule4(std::fabs(L) / fL);
        const int shearDecimals = DecimalsRule5(std::fabs(Eng.ShearExtremes[0][row][5]) * fV);
        const int posDecimals = DecimalsRule5(std::fabs(Eng.MomentExtremes[0][row][3]) * fM);
        const int negDecimals = DecimalsRule5(std::fabs(Eng.MomentExtremes[0][row][4]) * fM);
        auto column = [](std::string& line, int c, int decimals, double v) {
            AppendAligned(line, ColumnValue(v, decimals), c, Align::Point);
        };
        for (int i = 1; i <= kDeflectionPoints; ++i) {
            const auto& shear = Eng.EnvelopeIntervalValues[0][row][i];
            const auto& moment = Eng.EnvelopeTable[0][row][i];
            std::string line = std::to_string(i);
            if (i < 10) line.insert(0, 1, ' ');
            column(line, 10, distDecimals, (i - 1) / 20.0 * L / fL);
            column(line, 23, shearDecimals, shear[0] * fV);
            line += " (" + LoadcaseText(shear[1]) + ")";
            column(line, 40, posDecimals, moment[0] * fM);
            line += " (" + LoadcaseText(moment[2]) + ")";
            column(line, 57, negDecimals, moment[1] * fM);
            line += " (" + LoadcaseText(moment[3]) + ")";
            put(line);
        }
    };

    if (Eng.LHCantileverActive[1] == 1) {
        put(" LH Cantilever ");
        block(kLHCantRow, Eng.CantileverLength[0][0]);
    }
    for (int s = 1; s <= Model.SpanCount[0]; ++s) {
        put("");
        put(" Span " + std::to_string(s));
        block(s, Model.SpanData[s][mfL]);
    }
    put("");
    if (Eng.RHCantileverActive[1] == 1) {
        put(" RH Cantilever ");
        block(kRHCantRow, Eng.CantileverLength[0][1]);
    }
    E[0] = std::to_string(n);
}

ResultListContent ResultsListContent() {
    ResultListContent out;
    out.colour = AnyLoadcaseFails() ? colors::Red : colors::Black;
    AddLines(out.lines, Txt.SummaryLines, LineCount(Txt.SummaryLines));
    const int k = LeadingInteger(Txt.MaximaLines[0].view());
    if (k >= 1) AddLines(out.lines, Txt.MaximaLines, k);
    return out;
}

ResultListContent EnvelopeListContent() {
    ResultListContent out;
    if (Model.SupportType[1] == supForkhead) return out;
    out.colour = colors::Navy;
    AddLines(out.lines, Txt.EnvelopeLines, LineCount(Txt.EnvelopeLines));
    return out;
}

ResultListContent CaseResultsListContent(int c) {
    ResultListContent out;
    const bool loadcase = c >= 1 && c <= kMaxLoadcases;
    out.colour = (c == 0 || loadcase) && Eng.CaseCheckFailures[c] != 0 ? colors::Red : colors::Black;
    if (!loadcase) return out;
    AddLines(out.lines, Txt.CaseLoadLines[c], LineCount(Txt.CaseLoadLines[c]));
    TextTable<100>& support = Txt.CaseSupportLines[c];
    int n = std::max(LineCount(support), 0);
    // The stress line goes into the table itself, after the lines its count covers, so the count
    // stays as the listing wrote it.
    if (Model.MemberType == "HRS" && n < 100) support[++n] = Txt.CaseMaxStressLines[c];
    AddLines(out.lines, support, n);
    const std::string type = Model.MemberType.str();
    if (type == "Timber") AddLines(out.lines, Txt.TimberCheckLines[c], LineCount(Txt.TimberCheckLines[c]));
    if (type == "KXF" || type == "Scaffold")
        AddLines(out.lines, Txt.KxCheckLines[c], LineCount(Txt.KxCheckLines[c]));
    if (Model.SteelSectionFlag == 1)
        AddLines(out.lines, Txt.SteelCheckLines[c], LineCount(Txt.SteelCheckLines[c]));
    AddLines(out.lines, Txt.CaseListing[c], LineCount(Txt.CaseListing[c]));
    return out;
}

} // namespace kx
