// The loadcase results listing: loads applied, reactions, span summary, member labels, span data at
// the twentieth points, and the largest elastic stress.
#include "window/CaseResults.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/CapacityCheck.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "engine/SteelCheck.h"
#include "engine/TimberCheck.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"
#include "platform/StateRegistry.h"

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

// The rows the loads part shows: applied distributed loads (the self-weight among them) and
// applied point loads.
bool ShowsDistributed(const TLoadRec& r) { return IsApplied(r) && FloatToInt(r[lfKind]) == -1; }
bool ShowsPoint(int k, const TLoadRec& r) {
    return k < kSelfWeightRecord && IsApplied(r) && FloatToInt(r[lfKind]) == 1;
}

// The loads part of a loadcase's listing, from a copy of its load records.
class LoadLines final : public DeferredLines<TResultLine, 100> {
public:
    explicit LoadLines(int lc)
        : lc_(lc), loads_(Model.LoadTable[lc]), fLength_(Model.UnitFactorLength),
          fForce_(Model.UnitFactorForce), fUDL_(Model.UnitFactorUDL), length_(Model.UnitTextLength),
          force_(Model.UnitTextForce), udl_(Model.UnitTextUDL) {
        const auto& loads = loads_;
        dist_.decimals = DecimalsRule4(
            LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfDist] / fLength_; }));
        start_.decimals = DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) {
            return loads[k][lfKind] == -1.0f ? loads[k][lfW1] / fUDL_ : 0.0;
        }));
        finish_.decimals =
            DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfW2] / fUDL_; }));
        cover_.decimals = DecimalsRule4(
            LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfCover] / fLength_; }));
        load_.decimals =
            DecimalsRule4(LargestOver(1, kSelfWeightRecord, [&](int k) { return loads[k][lfP] / fForce_; }));
        at_.decimals = dist_.decimals;
        for (int k = 1; k <= kSelfWeightRecord; ++k)
            distributedRows_ += ShowsDistributed(loads[k]) ? 1 : 0;
        for (int k = 1; k < kSelfWeightRecord; ++k)
            pointRows_ += ShowsPoint(k, loads[k]) ? 1 : 0;
    }
    int Lines() const { return 7 + distributedRows_ + 4 + pointRows_ + 2; }
    void NoteColumns(LastColumnDecimals& last) const {
        for (const Column* c : {&dist_, &start_, &finish_, &cover_})
            last.Note(distributedRows_ > 0, *c);
        for (const Column* c : {&load_, &at_})
            last.Note(pointRows_ > 0, *c);
    }

    void Put(TextWriter<TResultLine, 100>& out) const override {
        const auto& loads = loads_;
        out.Put("LOADCASE " + std::to_string(lc_));
        out.Put("");
        out.Put("");
        out.Put("APPLIED LOADS ");
        out.Put(" UDL");
        out.Put(" No    Distance     Start UDL     Finish UDL      Cover  Load Factor");
        ListingLine units;
        AppendUnitHeading(units, Unit(length_), 10);
        AppendUnitHeading(units, Unit(udl_), 24);
        AppendUnitHeading(units, Unit(udl_), 38);
        AppendUnitHeading(units, Unit(length_), 52);
        out.Put(units);

        ListingLine line;
        LoadFactorTexts factorText;
        for (int k = 1; k <= kSelfWeightRecord; ++k) {
            const TLoadRec& r = loads[k];
            if (!ShowsDistributed(r)) continue;
            line.clear();
            if (k == kSelfWeightRecord)
                line = " S/Wt";
            else
                AppendRowNumber(line, k);
            dist_.Put(line, r[lfDist] / fLength_);
            start_.Put(line, r[lfW1] / fUDL_);
            finish_.Put(line, r[lfW2] / fUDL_);
            cover_.Put(line, r[lfCover] / fLength_);
            AppendAligned(line, factorText(r[lfLF]), 62, Align::Point);
            out.Put(line);
        }

        out.Put("");
        out.Put(" Point Loads");
        out.Put(" No     Load       Distance    Load Factor");
        units = "    ";
        AppendUnitHeading(units, Unit(force_), 10);
        AppendUnitHeading(units, Unit(length_), 24);
        out.Put(units);

        for (int k = 1; k < kSelfWeightRecord; ++k) {
            const TLoadRec& r = loads[k];
            if (!ShowsPoint(k, r)) continue;
            line.clear();
            AppendRowNumber(line, k);
            load_.Put(line, r[lfP] / fForce_);
            at_.Put(line, r[lfDist] / fLength_);
            AppendAligned(line, factorText(r[lfLF]), 38, Align::Digit);
            out.Put(line);
        }
        // The count reaches two lines past the last row; both are empty.
        out.Put("");
        out.Put("");
    }

private:
    int lc_;
    Arr<TLoadRec, 1, kSelfWeightRecord> loads_;
    double fLength_, fForce_, fUDL_;
    Str10 length_, force_, udl_;
    Column dist_{10, Align::Digit}, start_{24, Align::Point}, finish_{38, Align::Point},
        cover_{52, Align::Point}, load_{10, Align::Digit}, at_{24, Align::Digit};
    int distributedRows_ = 0, pointRows_ = 0;
};

// What the span summary's decimals look at for one member: its extremes row (0, span, 26), its
// largest and smallest moment and its deflection.
struct SummaryValues {
    int row;
    double maxMoment, minMoment, deflection;
};

// The reactions and the span summary of a loadcase, from copies of the values they show. Building
// them names the members (BuildMemberLabels), which the member checks use.
class SupportLines final : public DeferredLines<TResultLine, 100> {
public:
    explicit SupportLines(int lc)
        : factored_(Model.FactoredLoadsFlag), fShear_(Model.UnitFactorShear),
          fMoment_(Model.UnitFactorMoment), fDefl_(Model.UnitFactorDeflection),
          shearText_(Model.UnitTextShear), momentText_(Model.UnitTextMoment),
          deflectionText_(Model.UnitTextDeflection) {
        const int n0 = Model.SpanCount[0], n = Model.SpanCount[lc];
        reactions_.reserve(static_cast<std::size_t>(n0) + 1);
        rows_.reserve(static_cast<std::size_t>(n) + 2);
        for (int i = 1; i <= n0 + 1; ++i)
            reactions_.push_back(Eng.SupportReaction[lc][i]);
        reaction_.decimals = DecimalsRule5(
            LargestOver(0, n0, [&](int i) { return reactions_[static_cast<std::size_t>(i)] * fShear_; }));

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
        double shearLargest = 0, posLargest = 0, negLargest = 0, deflectionLargest = 0;
        for (int k = 0; k <= n0 + 1; ++k) {
            const SummaryValues m = member(k);
            shearLargest = Larger(shearLargest, shear[m.row][xMagnitude] * fShear_);
            posLargest = Larger(posLargest, m.maxMoment * fMoment_);
            negLargest = Larger(negLargest, m.minMoment * fMoment_);
            deflectionLargest = Larger(deflectionLargest, m.deflection * fDefl_);
        }
        shearCol_.decimals = DecimalsRule5(shearLargest);
        pos_.decimals = DecimalsRule5(posLargest);
        neg_.decimals = DecimalsRule5(negLargest);
        deflectionCol_.decimals = DecimalsRule5(deflectionLargest);

        BuildMemberLabels();
        const auto& labels = Txt.MemberLabel[lc];
        if (Eng.LHCantileverActive[lc] == 1)
            rows_.push_back({" " + labels[0], shear[kLHCantRow][xMagnitude], Eng.StoredCantEndB[lc][0],
                             Eng.StoredCantEndA[lc][0], deflection[kLHCantRow][1]});
        for (int s = 1; s <= n; ++s)
            rows_.push_back({(s < 10 ? "  " : " ") + labels[s], shear[s][xMagnitude],
                             Eng.SpanMaxMoment[lc][s], Eng.SpanMinMoment[lc][s], -deflection[s][1]});
        rhRow_ = Eng.RHCantileverActive[lc] == 1;
        if (rhRow_)
            rows_.push_back({" " + labels[n + 1], shear[kRHCantRow][xMagnitude], Eng.StoredCantEndB[lc][1],
                             Eng.StoredCantEndA[lc][1], deflection[kRHCantRow][1]});
    }
    int Lines() const {
        return 3 + static_cast<int>(reactions_.size()) + 1 + 3 + static_cast<int>(rows_.size()) +
               (rhRow_ ? 0 : 1);
    }
    void NoteColumns(LastColumnDecimals& last) const {
        last.Note(!reactions_.empty(), reaction_);
        for (const Column* c : {&shearCol_, &pos_, &neg_, &deflectionCol_})
            last.Note(!rows_.empty(), *c);
    }

    void Put(TextWriter<TResultLine, 100>& out) const override {
        out.Put("SUPPORTS");
        out.Put(factored_ == -1  ? " Support       Reaction"
                : factored_ == 1 ? " Support   Factored Reaction"
                                 : "");
        out.Put(" No             (" + shearText_ + ")");
        ListingLine line;
        for (std::size_t i = 0; i < reactions_.size(); ++i) {
            line.clear();
            AppendRowNumber(line, static_cast<int>(i) + 1);
            reaction_.Put(line, reactions_[i] * fShear_);
            out.Put(line);
        }
        out.Put("");

        out.Put("SPAN SUMMARY");
        out.Put(" Span     Max Shear    Max +ve Mom    Max -ve Mom    Max Deflection");
        ListingLine units = " No";
        AppendUnitHeading(units, Unit(shearText_), 15);
        AppendUnitHeading(units, Unit(momentText_), 29);
        AppendUnitHeading(units, Unit(momentText_), 43);
        AppendUnitHeading(units, Unit(deflectionText_), 57);
        out.Put(units);
        for (const Row& r : rows_) {
            line = r.name;
            shearCol_.Put(line, r.shear * fShear_);
            pos_.Put(line, r.maxMoment * fMoment_);
            neg_.Put(line, r.minMoment * fMoment_);
            deflectionCol_.Put(line, r.shown * fDefl_);
            out.Put(line);
        }
        if (!rhRow_) out.Put("");
    }

private:
    struct Row {
        std::string name;
        float shear;
        double maxMoment, minMoment, shown;
    };
    int32 factored_;
    double fShear_, fMoment_, fDefl_;
    Str10 shearText_, momentText_, deflectionText_;
    std::vector<double> reactions_; // supports 1..n0 + 1
    Column reaction_{19, Align::Digit}, shearCol_{15, Align::Point}, pos_{29, Align::Point},
        neg_{43, Align::Point}, deflectionCol_{57, Align::Point};
    std::vector<Row> rows_;
    bool rhRow_ = false;
};

// The member check of the section group; each check writes its own table.
void RunMemberCheck() {
    const std::string_view group = Model.MemberType.view();
    if (group == "KXF" || group == "Scaffold") BeamCapacityCheck();
    if (group == "Timber") TimberCodeCheck();
    if (Model.SteelSectionFlag == 1) SteelCodeCheck();
}

// The row number and distance that begin each of a member's lines: the same in every loadcase
// that has a member of that length in that place, so kept from one loadcase's span data to the
// next.
std::array<DistanceStarts, kMaxSpans + 2> distanceStarts;
KX_REGISTER_STATE(distanceStarts);

// The span data of a loadcase at 1/20th points, from copies of the members' work rows, which
// the next loadcase overwrites.
class SpanData final : public DeferredLines<TResultLine, 1000> {
public:
    explicit SpanData(int lc)
        : fLength_(Model.UnitFactorLength), fShear_(Model.UnitFactorShear), fMoment_(Model.UnitFactorMoment),
          fDefl_(Model.UnitFactorDeflection), lengthText_(Model.UnitTextLength),
          shearText_(Model.UnitTextShear), momentText_(Model.UnitTextMoment),
          deflectionText_(Model.UnitTextDeflection) {
        const int n = Model.SpanCount[lc];
        const auto& labels = Txt.MemberLabel[lc];
        // Points past the last one the work rows hold would be read as garbage: refuse instead.
        if ((kDeflectionPoints - 1) * Eng.ResultIntervalStep + 1 > MemberPointCount()) throw RangeError();
        members_.reserve(static_cast<std::size_t>(n) + 2);
        shearDeflectionNote_ =
            Model.SpanData[kFlagsRow][kShearDeflectionField] == 1.0f && Model.SupportType[1] != supForkhead;
        if (Eng.LHCantileverActive[lc] == 1)
            Add(labels[0], Eng.CantileverLength[lc][0], Eng.CantileverShear[1].begin(),
                Eng.CantileverMoment[1].begin(), Eng.CantDeflectionPoints.begin());
        for (int s = 1; s <= n; ++s)
            Add(" Span " + labels[s], Eng.LoadcaseSpanLength[lc][s], Eng.ShearForce[s].begin(),
                Eng.BendingMoment[s].begin(), Eng.SpanDeflection[s].begin());
        if (Eng.RHCantileverActive[lc] == 1)
            Add(" " + labels[n + 1], Eng.CantileverLength[lc][1], Eng.CantileverShear[2].begin(),
                Eng.CantileverMoment[2].begin(), Eng.CantDeflectionStore.begin());
    }
    int Lines() const { return 2 + (shearDeflectionNote_ ? 1 : 0) + 25 * static_cast<int>(members_.size()); }
    // Each member's last column is its deflections.
    void NoteColumns(LastColumnDecimals& last) const {
        if (!members_.empty()) last.Note(true, DeflectionColumn(members_.back()));
    }

    void Put(TextWriter<TResultLine, 1000>& out) const override {
        out.Put("");
        out.Put("SPAN DATA at 1/20th SPAN INTERVALS");
        if (shearDeflectionNote_) out.Put("              (deflection values include shear deflection)");
        // The units line is the same for every member.
        ListingLine units = " Interval";
        AppendUnitHeading(units, Unit(lengthText_), 15);
        AppendUnitHeading(units, Unit(shearText_), 29);
        AppendUnitHeading(units, Unit(momentText_), 43);
        AppendUnitHeading(units, Unit(deflectionText_), 57);
        for (std::size_t i = 0; i < members_.size(); ++i) // each start holds its own length
            PutBlock(out, members_[i], units, distanceStarts[i % distanceStarts.size()]);
    }

private:
    // One member's values at its 21 points.
    struct Member {
        std::string title;
        double length;
        double shear[kDeflectionPoints], moment[kDeflectionPoints], deflection[kDeflectionPoints];
    };

    // Work rows from point 1: shear and moment at every point of the result resolution, the
    // deflection at the 21 points.
    template <class Value, class Deflection>
    void Add(std::string title, double length, const Value* shear, const Value* moment,
             const Deflection* deflection) {
        Member& m = members_.emplace_back();
        m.title = std::move(title);
        m.length = length;
        const int step = Eng.ResultIntervalStep;
        for (int p = 0; p < kDeflectionPoints; ++p) {
            m.shear[p] = shear[p * step];
            m.moment[p] = moment[p * step];
            m.deflection[p] = deflection[p];
        }
    }

    Column DeflectionColumn(const Member& m) const {
        Column defl{57, Align::Point};
        defl.decimals = DecimalsRule4(
            LargestOver(1, kDeflectionPoints, [&](int p) { return m.deflection[p - 1] * fDefl_; }));
        return defl;
    }

    void PutBlock(TextWriter<TResultLine, 1000>& out, const Member& m, const ListingLine& units,
                  DistanceStarts& starts) const {
        out.Put(m.title);
        out.Put(" Span     Distance       Shear         Moment      Deflection");
        out.Put(units);

        auto distance = [&](int p) { return kTwentieths[static_cast<std::size_t>(p)] * m.length / fLength_; };
        Column dist{15, Align::Point}, shear{29, Align::Point}, moment{43, Align::Point};
        const Column defl = DeflectionColumn(m);
        auto start = [&](ListingLine& line, int p) {
            line.clear();
            AppendRowNumber(line, p);
            dist.Put(line, distance(p));
        };
        if (!starts.Hold(m.length, fLength_)) {
            dist.decimals = DecimalsRule4(LargestOver(1, kDeflectionPoints, distance));
            starts.Keep(m.length, fLength_, start);
        }
        const bool fromStarts = starts.complete;
        shear.decimals =
            DecimalsRule5(LargestOver(1, kDeflectionPoints, [&](int p) { return m.shear[p - 1] * fShear_; }));
        moment.decimals = DecimalsRule5(
            LargestOver(1, kDeflectionPoints, [&](int p) { return m.moment[p - 1] * fMoment_; }));
        ListingLine line;
        for (int p = 1; p <= kDeflectionPoints; ++p) {
            if (fromStarts)
                line = starts.rows[static_cast<std::size_t>(p - 1)];
            else
                start(line, p);
            shear.Put(line, m.shear[p - 1] * fShear_);
            moment.Put(line, m.moment[p - 1] * fMoment_);
            defl.Put(line, m.deflection[p - 1] * fDefl_);
            out.Put(line);
        }
        out.Put(" ");
    }

    double fLength_, fShear_, fMoment_, fDefl_;
    Str10 lengthText_, shearText_, momentText_, deflectionText_;
    bool shearDeflectionNote_ = false;
    std::vector<Member> members_;
};

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
void ListingLine::Fill(char* to, std::size_t n, char c) { std::memset(to, c, n); }

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

void Column::PutOther(ListingLine& line, double v) const {
    AppendAligned(line, DecimalPlacesText(v, decimals).view(), pos, align);
}

void AppendRowNumber(ListingLine& line, int k) {
    if (k >= 0 && k < 100) { // the usual row: three characters
        line.AppendWord(' ' | TwoDigitWord(k) << 8, 3);
        return;
    }
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
    LastColumnDecimals last;
    const auto loads = std::make_shared<const LoadLines>(lc);
    DeferLines(Txt.CaseLoadLines[lc], loads);
    loads->NoteColumns(last);
    const auto supports = std::make_shared<const SupportLines>(lc);
    DeferLines(Txt.CaseSupportLines[lc], supports);
    supports->NoteColumns(last);
    RunMemberCheck();
    if (Model.CheckAbortFlag != 1) {
        const auto spans = std::make_shared<const SpanData>(lc);
        DeferLines(Txt.CaseListing[lc], spans);
        spans->NoteColumns(last);
    }
    last.Leave();
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
