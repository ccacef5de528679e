// The checks of the committed job that the input forms and the Analyse command share.
#include "foundation/JobChecks.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>

#include "foundation/JobRules.h"

namespace kx {

bool SpanEffLengthChosen(const SharedModel& m, int s) {
    int chosen = 0;
    for (const SpanFlags* f : {&m.SpanOptPos, &m.SpanOptDead, &m.SpanOptFull, &m.SpanOptPartial,
                               &m.SpanOptNot, &m.SpanOptRestrained, &m.SpanOptInt, &m.SpanOptEdit})
        chosen += (*f)[s] == 1;
    return chosen == 1;
}

bool CantEffLengthComplete(const std::function<bool(int field)>& chosen) {
    const auto any = [&chosen](std::initializer_list<int> fields) {
        return std::any_of(fields.begin(), fields.end(), chosen);
    };
    return (any({coNormal, coDestabilizing}) && any({coSupportLateral, coSupportPartial, coSupportBoth}) &&
            any({coEndFree, coEndTop, coEndTorsion, coEndBoth})) ||
           chosen(coRestrained) || chosen(coEdit);
}

bool EffLengthForPresentLength(const SharedModel& m, int r) {
    return m.EffLengthMemberLength[r] == m.SpanData[r][mfL];
}

std::string SpanNotSelectedMessage(int s) {
    return " Effective length not selected for span " + std::to_string(s);
}

std::string SpanLengthChangedMessage(int s) {
    const std::string n = std::to_string(s);
    return " Span " + n + " length has been changed\r goto span " + n +
           " and re-select option.\r (it may be necessary to de-select it first)";
}

std::string CantLengthChangedMessage(int r) {
    return std::string(r == kLHCantRow ? " LHC" : " RHC") +
           " length has been changed\r re-select option.\r (it may be necessary to de-select it first)";
}

EffLengthFault FirstEffLengthFault(const SharedModel& m) {
    const auto cantilever = [&m](int r) -> EffLengthFault {
        if (m.SpanData[r][mfExists] != 1.0f) return {};
        const TCantOpt& opts = r == kLHCantRow ? m.CantLHOpts : m.CantRHOpts;
        if (!CantEffLengthComplete([&opts](int f) { return opts[f] == 1; }))
            return {r, kCantIncompleteMessage};
        if (!EffLengthForPresentLength(m, r)) return {r, CantLengthChangedMessage(r)};
        return {};
    };
    if (EffLengthFault f = cantilever(kLHCantRow); f.row >= 0) return f;
    // As the span form asks: every span chosen first, then every span's length.
    const int spans = std::clamp(m.SpanCount[0], 0, kMaxSpans);
    for (int s = 1; s <= spans; ++s)
        if (!SpanEffLengthChosen(m, s)) return {s, SpanNotSelectedMessage(s)};
    for (int s = 1; s <= spans; ++s)
        if (!EffLengthForPresentLength(m, s)) return {s, SpanLengthChangedMessage(s)};
    return cantilever(kRHCantRow);
}

bool LoadPastBeamEnd(float dist, float cover, const SharedModel& m) {
    // The beam length is the member lengths added as singles (the cantilevers first, then the
    // spans), and each length, the distance and the cover were rounded to singles when typed: a
    // load typed to end exactly at the end may come out past the sum by the half units in the last
    // place each of those roundings can make, and is allowed that much.
    const auto halfUlp = [](float v) {
        return std::isfinite(v) && v != 0 ? std::ldexp(0.5, std::ilogb(v) - (FLT_MANT_DIG - 1)) : 0.0;
    };
    const auto& L = m.SpanData;
    double rounding = halfUlp(dist) + halfUlp(cover);
    float sum = 0;
    for (int row : {kLHCantRow, kRHCantRow}) {
        rounding += halfUlp(L[row][mfL]);
        sum += L[row][mfL];
    }
    rounding += halfUlp(sum);
    for (int s = 1; s <= kMaxSpans; ++s) {
        if (L[s][mfL] == 0) continue;
        sum += L[s][mfL];
        rounding += halfUlp(L[s][mfL]) + halfUlp(sum);
    }
    const double end = static_cast<double>(dist) + cover;
    return end > 1.0000001 * m.BeamLength && end > m.BeamLength + rounding;
}

std::string LoadExtendsPastEndMessage(int n) {
    return "Load " + std::to_string(n) + " extends past end of beam";
}

bool ForkheadFactorsDiffer(const SharedModel& m, const decltype(SharedModel::LoadTable)& loads) {
    if (m.SupportType[1] != supForkhead) return false;
    bool first = true;
    float previous = 0;
    for (const auto& loadcase : loads)
        for (const TLoadRec& r : loadcase) {
            if (r[lfApplied] != 1.0f) continue;
            if (!first && r[lfLF] != previous) return true;
            first = false;
            previous = r[lfLF];
        }
    return false;
}

bool SectionMatchesMemberType(const std::string& memberType, const Arr<TMemberRow, 0, 27>& rows) {
    if (memberType == "Timber") return rows[1][mfTimberDepth] > 0 && rows[1][mfTimberWidth] > 0;
    for (int r = 0; r <= kRHCantRow; ++r)
        if (rows[r][mfTimberDepth] != 0 || rows[r][mfTimberWidth] != 0) return false;
    return true;
}

bool LiftHeightGiven(float mm) { return mm != 0 && mm < kNoLiftHeightFromMm; }

bool LiftHeightMissing(const SharedModel& m) {
    const auto coupler = [](TSupportCode c) { return c == supCouplerTop || c == supCouplerMid; };
    const auto& codes = m.SupportType;
    if (!coupler(codes[0]) && !coupler(codes[1]) && !coupler(codes[kRHEndSupport])) return false;
    return !(m.LiftHeight > 0) || !std::isfinite(m.LiftHeight) || !LiftHeightGiven(m.LiftHeight);
}

bool UsableSectionValues(const TMemberRow& row, float flangeThickness, float webThickness) {
    auto usable = [](float v) { return std::isfinite(v) && v >= 0; };
    for (int field = mfE; field < TMemberRow::count; ++field)
        if (!usable(row[field])) return false;
    return usable(flangeThickness) && usable(webThickness);
}

bool SectionUsable(const SharedModel& m) {
    const TMemberRow& row = m.SpanData[1];
    if (!(row[mfIxx] > 0) || !(row[mfE] > 0)) return false;
    for (int r = 0; r <= kRHCantRow; ++r)
        if (!UsableSectionValues(m.SpanData[r], m.FlangeThickness, m.WebThickness)) return false;
    if (!SectionMatchesMemberType(m.MemberType.str(), m.SpanData)) return false;
    const bool timber =
        m.MemberType == "Timber" || m.SectionFamilyCode == "Timber" || m.SectionShape == "Timber";
    if (!timber) return true;
    const float shear = m.TimberPermShearSaved, moment = m.TimberPermMomentSaved;
    return row[mfTimberDepth] > 0 && row[mfTimberWidth] > 0 && shear > 0 && moment > 0 &&
           std::isfinite(shear) && std::isfinite(moment);
}

std::string MemberLengthFault(const SharedModel& m) {
    const auto missing = [&m](int row) {
        const double v = m.SpanData[row][mfL];
        return !(v > 0 && v <= kMaxMemberLength);
    };
    const auto exists = [&m](int row) { return m.SpanData[row][mfExists] == 1.0f; };
    if (exists(kLHCantRow) && missing(kLHCantRow)) return kLHCantileverLengthMessage;
    const int spans = std::clamp(m.SpanCount[0], 0, kMaxSpans);
    for (int s = 1; s <= spans; ++s)
        if (missing(s)) return kSpanLengthMessage;
    if (exists(kRHCantRow) && missing(kRHCantRow)) return kRHCantileverLengthMessage;
    return {};
}

bool SteelTooThick(const SharedModel& m) {
    return SteelSection(m.SectionShape.str(), m.SectionFamilyCode.str()) &&
           (m.WebThickness > kMaxSteelThickness || m.FlangeThickness > kMaxSteelThickness);
}

std::string LoadValueTooLargeMessage(int n) { return "Load " + std::to_string(n) + " value too large"; }

std::vector<std::string> LoadLengthFaults(const SharedModel& m, const LoadTableOf& loads) {
    std::vector<std::string> out;
    for (int i = 1; i < kSelfWeightRecord; ++i) {
        bool pastEnd = false, negative = false;
        for (const auto& loadcase : loads) {
            const TLoadRec& r = loadcase[i];
            pastEnd = pastEnd || (r[lfApplied] == 1.0f && LoadPastBeamEnd(r[lfDist], r[lfCover], m));
            negative = negative || r[lfDist] < 0 || r[lfCover] < 0;
        }
        if (pastEnd) out.push_back(LoadExtendsPastEndMessage(i));
        if (negative) out.emplace_back(kNegativeLengthsMessage);
    }
    return out;
}

std::vector<std::string> LoadTableFaults(const SharedModel& m, const LoadTableOf& loads,
                                         const UDLStacksOf& stacks) {
    // A value no single can hold could be saved but never read back.
    for (int i = 1; i <= kSelfWeightRecord; ++i)
        for (const auto& loadcase : loads)
            for (int field = lfDist; field <= lfLF; ++field)
                if (!std::isfinite(loadcase[i][field])) return {LoadValueTooLargeMessage(i)};
    for (int i = 1; i < kSelfWeightRecord; ++i)
        for (const auto& stack : stacks)
            for (float v : stack[i])
                if (!std::isfinite(v)) return {LoadValueTooLargeMessage(i)};

    float appliedSum = 0;
    bool emptyPoint = false, emptyDistributed = false;
    for (const auto& loadcase : loads)
        for (int i = 1; i < kSelfWeightRecord; ++i) {
            const TLoadRec& r = loadcase[i];
            const float a = r[lfApplied] == -1.0f ? 0.0f : r[lfApplied];
            appliedSum += a;
            if (a != 1.0f) continue;
            if (r[lfKind] == 1.0f && r[lfW1] == 0) emptyPoint = true;
            if (r[lfKind] == -1.0f && ((r[lfW1] == 0 && r[lfW2] == 0) || r[lfCover] == 0))
                emptyDistributed = true;
        }
    if (appliedSum == 0) return {kNoLoadsAppliedMessage};
    if (emptyPoint && emptyDistributed) return {kNoLoadsMessage};
    if (std::vector<std::string> lengths = LoadLengthFaults(m, loads); !lengths.empty()) return lengths;
    if (ForkheadFactorsDiffer(m, loads)) return {kForkheadFactorsMessage};
    return {};
}

} // namespace kx
