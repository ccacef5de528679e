// The loads listing of the printed beam and loading data: distributed loads, then point loads.
#include "window/LoadsListing.h"

#include <cmath>
#include <string>

#include "engine/ResultText.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"
#include "window/CaseResults.h"

namespace kx {

namespace {

constexpr int kDistributed = -1;
constexpr int kPoint = 1;

const TLoadRec& Definition(int k) { return Model.LoadTable[1][k]; }

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

double ShownDistance(const TLoadRec& r) { return static_cast<double>(r[lfDist]) / Model.UnitFactorLength; }

// The loadcases that apply record k as a load of the given kind: "1 3 ", or "Not applied".
std::string AppliedText(int k, int kind) {
    std::string text;
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        const TLoadRec& rec = Model.LoadTable[lc][k];
        if (rec[lfApplied] == 1.0f && FloatToInt(rec[lfKind]) == kind) text += std::to_string(lc) + " ";
    }
    return text.empty() ? "Not applied" : text;
}

// The largest magnitude of a value over the load records that `use` accepts.
template <typename Value, typename Use> double LargestOverRecords(Value value, Use use) {
    return LargestOver(1, kSelfWeightRecord,
                       [&](int k) { return use(Definition(k)) ? value(Definition(k)) : 0.0; });
}

bool Every(const TLoadRec&) { return true; }

void DistributedLoads() {
    TextWriter L(Txt.LoadListLines);
    const float fL = Model.UnitFactorLength, fW = Model.UnitFactorUDL;
    L.Put("");
    L.Put(" UNIFORMLY DISTRIBUTED LOADS");
    L.Put(" No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to");
    ListingLine units;
    AppendUnitHeading(units, Model.UnitTextLength.view(), 10);
    AppendUnitHeading(units, Model.UnitTextUDL.view(), 23);
    AppendUnitHeading(units, Model.UnitTextUDL.view(), 36);
    AppendUnitHeading(units, Model.UnitTextLength.view(), 49);
    FactorAndLoadcases(units, 57, 66);
    L.Put(units);

    auto w1 = [&](const TLoadRec& r) { return static_cast<double>(r[lfW1]) / fW; };
    auto w2 = [&](const TLoadRec& r) { return static_cast<double>(r[lfW2]) / fW; };
    auto cover = [&](const TLoadRec& r) { return static_cast<double>(r[lfCover]) / fL; };
    Column dist{10, Align::Digit}, start{23, Align::Point}, finish{36, Align::Point}, cov{49, Align::Point};
    dist.decimals = DecimalsRule4(LargestOverRecords(ShownDistance, Every));
    start.decimals =
        DecimalsRule4(LargestOverRecords(w1, [](const TLoadRec& r) { return r[lfKind] == -1.0f; }));
    finish.decimals = DecimalsRule4(LargestOverRecords(w2, Every));
    cov.decimals = DecimalsRule4(LargestOverRecords(cover, Every));

    ListingLine line;
    for (int k = 1; k <= kSelfWeightRecord; ++k) {
        const TLoadRec& r = Definition(k);
        if (FloatToInt(r[lfKind]) != kDistributed) continue;
        line.clear();
        if (k == kSelfWeightRecord)
            line = " S/Wt";
        else
            AppendRowNumber(line, k);
        dist.Put(line, ShownDistance(r));
        start.Put(line, w1(r));
        finish.Put(line, w2(r));
        cov.Put(line, cover(r));
        AppendAligned(line, SigFig3Dec3(r[lfLF]), 59, Align::Point);
        PadTo(line, 65);
        line += AppliedText(k, kDistributed);
        L.Put(line);
    }
    // The count reaches one line past the last row.
    L.Put("");
    L.WriteCount();
}

void PointLoads() {
    TextWriter P(Txt.PointLoadListLines);
    const float fF = Model.UnitFactorForce;
    P.Put("");
    P.Put(" Point Loads");
    P.Put(" No      Load       Distance      Load        Applied to");
    ListingLine units = "    ";
    AppendUnitHeading(units, Model.UnitTextForce.view(), 10);
    AppendUnitHeading(units, Model.UnitTextLength.view(), 23);
    FactorAndLoadcases(units, 34, 47);
    P.Put(units);

    auto load = [&](const TLoadRec& r) { return static_cast<double>(r[lfP]) / fF; };
    Column force{10, Align::Digit}, dist{23, Align::Digit};
    force.decimals = DecimalsRule4(LargestOverRecords(load, Every));
    dist.decimals = DecimalsRule4(LargestOverRecords(ShownDistance, Every));

    ListingLine line;
    for (int k = 1; k <= kSelfWeightRecord; ++k) {
        const TLoadRec& r = Definition(k);
        if (FloatToInt(r[lfKind]) != kPoint) continue;
        line.clear();
        AppendRowNumber(line, k);
        force.Put(line, load(r));
        dist.Put(line, ShownDistance(r));
        AppendAligned(line, SigFig3Dec3(r[lfLF]), 36, Align::Digit);
        PadTo(line, 49);
        line += AppliedText(k, kPoint);
        P.Put(line);
    }
    // The count reaches two lines past the last row.
    P.Put("");
    P.Put("");
    P.WriteCount();
}

} // namespace

void BuildLoadsListing() {
    DistributedLoads();
    PointLoads();
}

} // namespace kx
