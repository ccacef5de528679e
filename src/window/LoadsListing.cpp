// The loads listing of the printed beam and loading data: distributed loads, then point loads.
#include "window/LoadsListing.h"

#include <cmath>
#include <memory>
#include <string>

#include "engine/ResultText.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"
#include "window/CaseResults.h"

namespace kx {

namespace {

constexpr int kDistributed = -1;
constexpr int kPoint = 1;

// What both listings show: the load records, the loadcases analysed and the units, copied when
// the listings are built.
struct LoadsShown {
    Arr<Arr<TLoadRec, 1, kSelfWeightRecord>, 1, kMaxLoadcases> loads = Model.LoadTable;
    int32 loadcaseCount = Model.LoadcaseCount;
    float fL = Model.UnitFactorLength, fW = Model.UnitFactorUDL, fF = Model.UnitFactorForce;
    Str10 lengthText = Model.UnitTextLength, udlText = Model.UnitTextUDL, forceText = Model.UnitTextForce;

    const TLoadRec& Definition(int k) const { return loads[1][k]; }
    double ShownDistance(const TLoadRec& r) const { return static_cast<double>(r[lfDist]) / fL; }
    // Record k is listed as a load of the given kind.
    bool Lists(int k, int kind) const { return FloatToInt(Definition(k)[lfKind]) == kind; }
    // The loadcases that apply record k as a load of the given kind: "1 3 ", or "Not applied".
    std::string AppliedText(int k, int kind) const {
        std::string text;
        for (int lc = 1; lc <= loadcaseCount; ++lc) {
            const TLoadRec& rec = loads[lc][k];
            if (rec[lfApplied] == 1.0f && FloatToInt(rec[lfKind]) == kind) text += std::to_string(lc) + " ";
        }
        return text.empty() ? "Not applied" : text;
    }
    // The listed rows of a kind. Every value the listing will convert is converted here, so that a
    // record that cannot be listed stops the build rather than a later reading.
    int Rows(int kind) const {
        int rows = 0;
        for (int k = 1; k <= kSelfWeightRecord; ++k) {
            if (!Lists(k, kind)) continue;
            ++rows;
            for (int lc = 1; lc <= loadcaseCount; ++lc)
                if (loads[lc][k][lfApplied] == 1.0f) FloatToInt(loads[lc][k][lfKind]);
        }
        return rows;
    }
    // The largest magnitude of a value over the load records that `use` accepts.
    template <typename Value, typename Use> double LargestOverRecords(Value value, Use use) const {
        return LargestOver(1, kSelfWeightRecord,
                           [&](int k) { return use(Definition(k)) ? value(Definition(k)) : 0.0; });
    }
};

void PadTo(ListingLine& line, int length) {
    if (static_cast<int>(line.size()) < length)
        line.append(static_cast<std::size_t>(length) - line.size(), ' ');
}

// The end of a unit line: "Factor" from position factorAt, "loadcases:-" from loadcasesAt.
void FactorAndLoadcases(ListingLine& units, int factorAt, int loadcasesAt) {
    PadTo(units, factorAt - 1);
    units += "Factor";
    PadTo(units, loadcasesAt - 1);
    units += "loadcases:-";
}

bool Every(const TLoadRec&) { return true; }

class DistributedLoads final : public DeferredLines<TLoadListLine, 100> {
public:
    explicit DistributedLoads(std::shared_ptr<const LoadsShown> shown) : s_(std::move(shown)) {
        const LoadsShown& s = *s_;
        dist_.decimals =
            DecimalsRule4(s.LargestOverRecords([&](const TLoadRec& r) { return s.ShownDistance(r); }, Every));
        start_.decimals = DecimalsRule4(s.LargestOverRecords(
            [&](const TLoadRec& r) { return W1(r); }, [](const TLoadRec& r) { return r[lfKind] == -1.0f; }));
        finish_.decimals =
            DecimalsRule4(s.LargestOverRecords([&](const TLoadRec& r) { return W2(r); }, Every));
        cover_.decimals =
            DecimalsRule4(s.LargestOverRecords([&](const TLoadRec& r) { return Cover(r); }, Every));
        rows_ = s.Rows(kDistributed);
    }
    // The count reaches one line past the last row.
    int Lines() const { return 4 + rows_ + 1; }
    void NoteColumns(LastColumnDecimals& last) const {
        for (const Column* c : {&dist_, &start_, &finish_, &cover_})
            last.Note(rows_ > 0, *c);
    }

    void Put(TextWriter<TLoadListLine, 100>& L) const override {
        const LoadsShown& s = *s_;
        L.Put("");
        L.Put(" UNIFORMLY DISTRIBUTED LOADS");
        L.Put(" No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to");
        ListingLine units;
        AppendUnitHeading(units, s.lengthText.view(), 10);
        AppendUnitHeading(units, s.udlText.view(), 23);
        AppendUnitHeading(units, s.udlText.view(), 36);
        AppendUnitHeading(units, s.lengthText.view(), 49);
        FactorAndLoadcases(units, 57, 66);
        L.Put(units);

        ListingLine line;
        LoadFactorTexts factorText;
        for (int k = 1; k <= kSelfWeightRecord; ++k) {
            if (!s.Lists(k, kDistributed)) continue;
            const TLoadRec& r = s.Definition(k);
            line.clear();
            if (k == kSelfWeightRecord)
                line = " S/Wt";
            else
                AppendRowNumber(line, k);
            dist_.Put(line, s.ShownDistance(r));
            start_.Put(line, W1(r));
            finish_.Put(line, W2(r));
            cover_.Put(line, Cover(r));
            AppendAligned(line, factorText(r[lfLF]), 59, Align::Point);
            PadTo(line, 65);
            line += s.AppliedText(k, kDistributed);
            L.Put(line);
        }
        L.Put("");
    }

private:
    double W1(const TLoadRec& r) const { return static_cast<double>(r[lfW1]) / s_->fW; }
    double W2(const TLoadRec& r) const { return static_cast<double>(r[lfW2]) / s_->fW; }
    double Cover(const TLoadRec& r) const { return static_cast<double>(r[lfCover]) / s_->fL; }

    std::shared_ptr<const LoadsShown> s_;
    Column dist_{10, Align::Digit}, start_{23, Align::Point}, finish_{36, Align::Point},
        cover_{49, Align::Point};
    int rows_ = 0;
};

class PointLoads final : public DeferredLines<TResultLine, 100> {
public:
    explicit PointLoads(std::shared_ptr<const LoadsShown> shown) : s_(std::move(shown)) {
        const LoadsShown& s = *s_;
        force_.decimals =
            DecimalsRule4(s.LargestOverRecords([&](const TLoadRec& r) { return Load(r); }, Every));
        dist_.decimals =
            DecimalsRule4(s.LargestOverRecords([&](const TLoadRec& r) { return s.ShownDistance(r); }, Every));
        rows_ = s.Rows(kPoint);
    }
    // The count reaches two lines past the last row.
    int Lines() const { return 4 + rows_ + 2; }
    void NoteColumns(LastColumnDecimals& last) const {
        for (const Column* c : {&force_, &dist_})
            last.Note(rows_ > 0, *c);
    }

    void Put(TextWriter<TResultLine, 100>& P) const override {
        const LoadsShown& s = *s_;
        P.Put("");
        P.Put(" Point Loads");
        P.Put(" No      Load       Distance      Load        Applied to");
        ListingLine units = "    ";
        AppendUnitHeading(units, s.forceText.view(), 10);
        AppendUnitHeading(units, s.lengthText.view(), 23);
        FactorAndLoadcases(units, 34, 47);
        P.Put(units);

        ListingLine line;
        LoadFactorTexts factorText;
        for (int k = 1; k <= kSelfWeightRecord; ++k) {
            if (!s.Lists(k, kPoint)) continue;
            const TLoadRec& r = s.Definition(k);
            line.clear();
            AppendRowNumber(line, k);
            force_.Put(line, Load(r));
            dist_.Put(line, s.ShownDistance(r));
            AppendAligned(line, factorText(r[lfLF]), 36, Align::Digit);
            PadTo(line, 49);
            line += s.AppliedText(k, kPoint);
            P.Put(line);
        }
        P.Put("");
        P.Put("");
    }

private:
    double Load(const TLoadRec& r) const { return static_cast<double>(r[lfP]) / s_->fF; }

    std::shared_ptr<const LoadsShown> s_;
    Column force_{10, Align::Digit}, dist_{23, Align::Digit};
    int rows_ = 0;
};

} // namespace

void BuildLoadsListing() {
    const auto shown = std::make_shared<const LoadsShown>();
    LastColumnDecimals last;
    const auto distributed = std::make_shared<const DistributedLoads>(shown);
    DeferLines(Txt.LoadListLines, distributed);
    distributed->NoteColumns(last);
    const auto point = std::make_shared<const PointLoads>(shown);
    DeferLines(Txt.PointLoadListLines, point);
    point->NoteColumns(last);
    last.Leave();
}

} // namespace kx
