// The loadcase results listing: loads applied, reactions, span summary, member labels, span data at
// the twentieth points, and the largest elastic stress.
#include "window/CaseResults.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "engine/CapacityCheck.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "engine/SteelCheck.h"
#include "engine/TimberCheck.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"

namespace kx {

namespace {

// Characters of the integer part of a magnitude written as a plain decimal.
int IntegerDigits(double m) {
    if (!(m < 1e18)) return 19;
    long long t = static_cast<long long>(m);
    int d = 1;
    while (t >= 10) {
        t /= 10;
        ++d;
    }
    return d;
}

bool IsApplied(const TLoadRec& r) { return r[lfApplied] == 1.0f; }

std::string_view Unit(const Str10& text) { return text.view(); }

void BuildLoadLines(int lc) {
    const auto& loads = Model.LoadTable[lc];
    const double fLength = Model.UnitFactorLength, fForce = Model.UnitFactorForce, fUDL = Model.UnitFactorUDL;
    TextWriter out(Txt.CaseLoadLines[lc]);

    out.Put("LOADCASE " + std::to_string(lc));
    out.Put("");
    out.Put("");
    out.Put("APPLIED LOADS ");
    out.Put(" UDL");
    out.Put(" No    Distance     Start UDL     Finish UDL      Cover  Load Factor");
    ListingLine units;
    AppendUnitHeading(units, Unit(Model.UnitTextLength), 10);
    AppendUnitHeading(units, Unit(Model.UnitTextUDL), 24);
    AppendUnitHeading(units, Unit(Model.UnitTextUDL), 38);
    AppendUnitHeading(units, Unit(Model.UnitTextLength), 52);
    out.Put(units);

    Column dist{10, Align::Digit}, start{24, Align::Point}, finish{38, Align::Point}, cover{52, Align::Point};
    dist.decimals =
        DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfDist] / fLength; }));
    start.decimals = DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) {
        return loads[k][lfKind] == -1.0f ? loads[k][lfW1] / fUDL : 0.0;
    }));
    finish.decimals =
        DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfW2] / fUDL; }));
    cover.decimals =
        DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfCover] / fLength; }));
    ListingLine line;
    for (int k = 1; k <= kSelfWeightRecord; ++k) {
        const TLoadRec& r = loads[k];
        if (!IsApplied(r) || FloatToInt(r[lfKind]) != -1) continue;
        line.clear();
        if (k == kSelfWeightRecord)
            line = " S/Wt";
        else
            AppendRowNumber(line, k);
        dist.Put(line, r[lfDist] / fLength);
        start.Put(line, r[lfW1] / fUDL);
        finish.Put(line, r[lfW2] / fUDL);
        cover.Put(line, r[lfCover] / fLength);
        AppendAligned(line, SigFig3Dec3(r[lfLF]), 62, Align::Point);
        out.Put(line);
    }

    out.Put("");
    out.Put(" Point Loads");
    out.Put(" No     Load       Distance    Load Factor");
    units = "    ";
    AppendUnitHeading(units, Unit(Model.UnitTextForce), 10);
    AppendUnitHeading(units, Unit(Model.UnitTextLength), 24);
    out.Put(units);

    Column load{10, Align::Digit}, at{24, Align::Digit};
    load.decimals =
        DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfP] / fForce; }));
    at.decimals = dist.decimals;
    for (int k = 1; k < kSelfWeightRecord; ++k) {
        const TLoadRec& r = loads[k];
        if (!IsApplied(r) || FloatToInt(r[lfKind]) != 1) continue;
        line.clear();
        AppendRowNumber(line, k);
        load.Put(line, r[lfP] / fForce);
        at.Put(line, r[lfDist] / fLength);
        AppendAligned(line, SigFig3Dec3(r[lfLF]), 38, Align::Digit);
        out.Put(line);
    }
    // The count reaches two lines past the last row; both are empty.
    out.Put("");
    out.Put("");
    out.WriteCount();
}

// What the span summary's decimals look at for one member: its extremes row (0, span, 26), its
// largest and smallest moment and its deflection.
struct SummaryValues {
    int row;
    double maxMoment, minMoment, deflection;
};

void BuildSupportLines(int lc) {
    const int n0 = Model.SpanCount[0], n = Model.SpanCount[lc];
    const double fShear = Model.UnitFactorShear, fMoment = Model.UnitFactorMoment;
    const double fDefl = Model.UnitFactorDeflection;
    TextWriter out(Txt.CaseSupportLines[lc]);

    out.Put("SUPPORTS");
    const int32 factored = Model.FactoredLoadsFlag;
    out.Put(factored == -1 ? " Support       Reaction" : factored == 1 ? " Support   Factored Reaction" : "");
    out.Put(" No             (" + Model.UnitTextShear + ")");
    Column reaction{19, Align::Digit};
    reaction.decimals =
        DecimalsRule5(LargestOver(1, n0 + 1, [&](int i) { return Eng.SupportReaction[lc][i] * fShear; }));
    ListingLine line;
    for (int i = 1; i <= n0 + 1; ++i) {
        line.clear();
        AppendRowNumber(line, i);
        reaction.Put(line, Eng.SupportReaction[lc][i] * fShear);
        out.Put(line);
    }
    out.Put("");

    out.Put("SPAN SUMMARY");
    out.Put(" Span     Max Shear    Max +ve Mom    Max -ve Mom    Max Deflection");
    ListingLine units = " No";
    AppendUnitHeading(units, Unit(Model.UnitTextShear), 15);
    AppendUnitHeading(units, Unit(Model.UnitTextMoment), 29);
    AppendUnitHeading(units, Unit(Model.UnitTextMoment), 43);
    AppendUnitHeading(units, Unit(Model.UnitTextDeflection), 57);
    out.Put(units);

    // The decimals look at both cantilevers and every committed span, whether or not they exist.
    const auto& shear = Eng.ShearExtremes[lc];
    const auto& deflection = Eng.DeflectionExtremes[lc];
    auto member = [&](int k) {
        if (k == 0)
            return SummaryValues{kLHCantRow, Eng.StoredCantEndB[lc][0], Eng.StoredCantEndA[lc][0],
                                 deflection[kLHCantRow][1]};
        if (k > n0)
            return SummaryValues{kRHCantRow, Eng.StoredCantEndB[lc][1], Eng.StoredCantEndA[lc][1],
                                 deflection[kRHCantRow][1]};
        return SummaryValues{k, Eng.SpanMaxMoment[lc][k], Eng.SpanMinMoment[lc][k],
                             Eng.SpanMaxDeflection[lc][k]};
    };
    Column vCol{15, Align::Point}, pos{29, Align::Point}, neg{43, Align::Point}, dCol{57, Align::Point};
    vCol.decimals = DecimalsRule5(
        LargestOver(0, n0 + 1, [&](int k) { return shear[member(k).row][xMagnitude] * fShear; }));
    pos.decimals =
        DecimalsRule5(LargestOver(0, n0 + 1, [&](int k) { return member(k).maxMoment * fMoment; }));
    neg.decimals =
        DecimalsRule5(LargestOver(0, n0 + 1, [&](int k) { return member(k).minMoment * fMoment; }));
    dCol.decimals =
        DecimalsRule5(LargestOver(0, n0 + 1, [&](int k) { return member(k).deflection * fDefl; }));

    BuildMemberLabels();
    const auto& labels = Txt.MemberLabel[lc];
    auto row = [&](const std::string& name, int extremesRow, double maxMoment, double minMoment,
                   double shown) {
        line = name;
        vCol.Put(line, shear[extremesRow][xMagnitude] * fShear);
        pos.Put(line, maxMoment * fMoment);
        neg.Put(line, minMoment * fMoment);
        dCol.Put(line, shown * fDefl);
        out.Put(line);
    };
    if (Eng.LHCantileverActive[lc] == 1)
        row(" " + labels[0], kLHCantRow, Eng.StoredCantEndB[lc][0], Eng.StoredCantEndA[lc][0],
            deflection[kLHCantRow][1]);
    for (int s = 1; s <= n; ++s)
        row((s < 10 ? "  " : " ") + labels[s], s, Eng.SpanMaxMoment[lc][s], Eng.SpanMinMoment[lc][s],
            -deflection[s][1]);
    if (Eng.RHCantileverActive[lc] == 1)
        row(" " + labels[n + 1], kRHCantRow, Eng.StoredCantEndB[lc][1], Eng.StoredCantEndA[lc][1],
            deflection[kRHCantRow][1]);
    else
        out.Put("");
    out.WriteCount();
}

// The member check of the section group; each check writes its own table.
void RunMemberCheck() {
    const std::string_view group = Model.MemberType.view();
    if (group == "KXF" || group == "Scaffold") BeamCapacityCheck();
    if (group == "Timber") TimberCodeCheck();
    if (Model.SteelSectionFlag == 1) SteelCodeCheck();
}

// One member's 21 rows of the span data.
struct MemberData {
    std::string title;
    double length;
    const double* spanShear = nullptr; // span work rows, or
    const double* spanMoment = nullptr;
    const float* cantShear = nullptr; // cantilever work rows
    const float* cantMoment = nullptr;
    const double* deflection = nullptr; // 21 points

    double Shear(int p) const { return spanShear ? spanShear[p - 1] : cantShear[p - 1]; }
    double Moment(int p) const { return spanMoment ? spanMoment[p - 1] : cantMoment[p - 1]; }
};

template <int Hi> void PutSpanDataBlock(TextWriter<TResultLine, Hi>& out, const MemberData& m) {
    const double fLength = Model.UnitFactorLength, fShear = Model.UnitFactorShear;
    const double fMoment = Model.UnitFactorMoment, fDefl = Model.UnitFactorDeflection;
    const int step = Eng.ResultIntervalStep;
    auto point = [&](int p) { return (p - 1) * step + 1; };

    out.Put(m.title);
    out.Put(" Span     Distance       Shear         Moment      Deflection");
    ListingLine units = " Interval";
    AppendUnitHeading(units, Unit(Model.UnitTextLength), 15);
    AppendUnitHeading(units, Unit(Model.UnitTextShear), 29);
    AppendUnitHeading(units, Unit(Model.UnitTextMoment), 43);
    AppendUnitHeading(units, Unit(Model.UnitTextDeflection), 57);
    out.Put(units);

    auto distance = [&](int p) { return (p - 1) / 20.0 * m.length / fLength; };
    Column dist{15, Align::Point}, shear{29, Align::Point}, moment{43, Align::Point}, defl{57, Align::Point};
    dist.decimals = DecimalsRule4(LargestOver(1, kDeflectionPoints, distance));
    shear.decimals =
        DecimalsRule5(LargestOver(1, kDeflectionPoints, [&](int p) { return m.Shear(point(p)) * fShear; }));
    moment.decimals =
        DecimalsRule5(LargestOver(1, kDeflectionPoints, [&](int p) { return m.Moment(point(p)) * fMoment; }));
    defl.decimals =
        DecimalsRule4(LargestOver(1, kDeflectionPoints, [&](int p) { return m.deflection[p - 1] * fDefl; }));
    ListingLine line;
    for (int p = 1; p <= kDeflectionPoints; ++p) {
        line.clear();
        AppendRowNumber(line, p);
        dist.Put(line, distance(p));
        shear.Put(line, m.Shear(point(p)) * fShear);
        moment.Put(line, m.Moment(point(p)) * fMoment);
        defl.Put(line, m.deflection[p - 1] * fDefl);
        out.Put(line);
    }
    out.Put(" ");
}

void BuildSpanData(int lc) {
    const int n = Model.SpanCount[lc];
    TextWriter out(Txt.CaseListing[lc]);
    const auto& labels = Txt.MemberLabel[lc];
    // Points past the last one the work rows hold would be read as garbage: refuse instead.
    if ((kDeflectionPoints - 1) * Eng.ResultIntervalStep + 1 > MemberPointCount()) throw RangeError();

    out.Put("");
    out.Put("SPAN DATA at 1/20th SPAN INTERVALS");
    if (Model.SpanData[kFlagsRow][kShearDeflectionField] == 1.0f && Model.SupportType[1] != supForkhead)
        out.Put("              (deflection values include shear deflection)");
    if (Eng.LHCantileverActive[lc] == 1) {
        MemberData m{labels[0], Eng.CantileverLength[lc][0]};
        m.cantShear = Eng.CantileverShear[1].begin();
        m.cantMoment = Eng.CantileverMoment[1].begin();
        m.deflection = Eng.CantDeflectionPoints.begin();
        PutSpanDataBlock(out, m);
    }
    for (int s = 1; s <= n; ++s) {
        MemberData m{" Span " + labels[s], Eng.LoadcaseSpanLength[lc][s]};
        m.spanShear = Eng.ShearForce[s].begin();
        m.spanMoment = Eng.BendingMoment[s].begin();
        m.deflection = Eng.SpanDeflection[s].begin();
        PutSpanDataBlock(out, m);
    }
    if (Eng.RHCantileverActive[lc] == 1) {
        MemberData m{" " + labels[n + 1], Eng.CantileverLength[lc][1]};
        m.cantShear = Eng.CantileverShear[2].begin();
        m.cantMoment = Eng.CantileverMoment[2].begin();
        m.deflection = Eng.CantDeflectionStore.begin();
        PutSpanDataBlock(out, m);
    }
    out.WriteCount();
}

// The largest elastic stress of a member, or 0 when it has no extreme-fibre distance.
double MemberStress(int lc, int row) {
    const float y = Model.SpanData[row][mfY], Ixx = Model.SpanData[row][mfIxx];
    if (y == 0 || !(Ixx > 0)) return 0;
    return static_cast<double>(Eng.MomentExtremes[lc][row][xMagnitude]) * y / Ixx;
}

std::string StressText(double stress) {
    return SigFig4Dec3(stress * Model.UnitFactorStress) + " " + Model.UnitTextStress.str();
}

} // namespace

void AppendUnitHeading(ListingLine& line, std::string_view unitText, int c) {
    const int width = static_cast<int>(unitText.size()) + 2;
    const int pad = c - static_cast<int>(line.size()) - width / 2;
    if (pad >= 1) line.append(static_cast<std::size_t>(pad), ' ');
    line += '(';
    line += unitText;
    line += ')';
}

int DecimalsRule4(double largest) {
    const int d = IntegerDigits(largest);
    return d >= 4 ? 0 : 4 - d;
}

int DecimalsRule5(double largest) {
    const int d = IntegerDigits(largest);
    return d >= 5 ? 0 : d <= 2 ? 3 : 5 - d;
}

void ListingLine::CopyLong(char* to, const char* from, std::size_t n) { std::memcpy(to, from, n); }

void AppendAligned(ListingLine& line, std::string_view value, int c, Align align) {
    const int size = static_cast<int>(value.size());
    int p = size + (align == Align::Point ? 1 : 0);
    for (int i = 0; i < size; ++i) {
        if (value[static_cast<std::size_t>(i)] == '.') {
            p = i + 1;
            break;
        }
    }
    const int pad = c - static_cast<int>(line.size()) - p;
    if (pad >= 1) line.append(static_cast<std::size_t>(pad), ' ');
    line += value;
}

void Column::Put(ListingLine& line, double v) const {
    Model.DecimalPlaces = decimals;
    // The usual value goes straight into the line, with the blanks that make FormatDecimalPlaces
    // at least 5 characters long; any other takes the whole way.
    const double a = std::fabs(v);
    FixedDigits f;
    if (decimals >= 1 && a >= 1e-4 && a <= 1e5 && RoundFixed(a, v < 0, decimals, f)) {
        const int size = f.size(), blanks = std::max(0, 5 - size);
        const int pad = std::max(0, pos - static_cast<int>(line.size()) - (blanks + f.pointAt() + 1));
        if (line.size() + static_cast<std::size_t>(pad + blanks + size) <= ListingLine::room) {
            line.append(static_cast<std::size_t>(pad + blanks), ' ');
            line.Append(f);
            return;
        }
    }
    AppendAligned(line, DecimalPlacesText(v, decimals).view(), pos, align);
}

void AppendRowNumber(ListingLine& line, int k) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, k).ptr;
    line += k < 10 ? "  " : " ";
    line += std::string_view(digits, static_cast<std::size_t>(end - digits));
}

void BuildMemberLabels() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[0];
    auto& label = Txt.MemberLabel[lc];
    for (auto& text : label)
        text.clear();
    const bool lhExists = Model.SpanData[kLHCantRow][mfExists] == 1.0f;
    for (int s = 1; s <= n; ++s)
        label[s] = std::to_string(s);
    label[0] = lhExists ? "LHC" : "";
    label[n + 1] = Model.SpanData[kRHCantRow][mfExists] == 1.0f ? "RHC" : "";
    if (Model.SupportType[1] != supForkhead) return;

    // Support position k (0 = LH end .. n = RH end) is committed support k + 1.
    auto released = [&](int k) { return k >= 0 && k <= n && Eng.ReleasedSupport[lc][k + 1] == -1; };
    auto join = [&](int onto, int from) {
        label[onto] += " " + label[from];
        label[from].clear();
    };

    if (released(0)) label[0] = lhExists ? "LHC 1" : "1";
    int first = n + 1;
    for (int i = 1; i <= n + 1; ++i) {
        if (!released(i - 1)) {
            first = i;
            break;
        }
    }
    for (int j = 2; j <= first; ++j)
        if (released(j - 1)) join(0, j);
    int last = 1;
    for (int i = n + 1; i >= 1; --i) {
        if (!released(i - 1)) {
            last = i;
            break;
        }
    }
    for (int i = last; i <= n; ++i)
        join(last, i + 1);
    for (int i = first; i <= last - 1; ++i) {
        if (!released(i - 1)) continue;
        int run = 0;
        while (released(i - 1 + run))
            ++run;
        for (int j = i; j <= i + run - 1; ++j)
            join(i - 1, j);
    }
    int shift = 0;
    for (int i = 1; i <= last; ++i) {
        if (released(i - 1))
            ++shift;
        else
            label[i - shift] = label[i];
    }
}

void BuildCaseResultsText() {
    const int lc = Eng.CurrentCase;
    BuildLoadLines(lc);
    BuildSupportLines(lc);
    RunMemberCheck();
    if (Model.CheckAbortFlag == 1) return;
    BuildSpanData(lc);
}

void BuildMaxStressText() {
    const int lc = Eng.CurrentCase;
    double caseMax = 0;
    if (Eng.LHCantileverActive[lc] == 1) caseMax = MemberStress(lc, kLHCantRow);
    for (int s = 1; s <= Model.SpanCount[lc]; ++s)
        caseMax = std::fmax(caseMax, MemberStress(lc, s));
    if (Eng.RHCantileverActive[lc] == 1) caseMax = std::fmax(caseMax, MemberStress(lc, kRHCantRow));
    const float caseMaxSingle = static_cast<float>(caseMax);
    if (caseMaxSingle > Txt.MaxStressValue) Txt.MaxStressValue = caseMaxSingle;

    int factored = 0;
    for (int k = 1; k <= kMaxLoadcases; ++k)
        for (int r = 1; r <= kSelfWeightRecord; ++r)
            if (IsApplied(Model.LoadTable[k][r]) && Model.LoadTable[k][r][lfLF] != 1.0f) ++factored;
    Txt.FactoredLoadCount = static_cast<float>(factored);

    const std::string number = std::to_string(lc);
    if (caseMax != 0) {
        Txt.CaseMaxStressLines[lc] =
            factored != 0
                ? " Max factored elastic stress for loadcase " + number + " = " + StressText(caseMax)
                : " Max stress for loadcase " + number + " = " + StressText(caseMax);
    }
    if (Txt.MaxStressValue != 0) {
        const std::string v = StressText(Txt.MaxStressValue).substr(0, 50);
        Txt.MaxStressLine = factored != 0 ? " Max factored elastic stress = " + v : " Max stress = " + v;
    }
}

} // namespace kx
