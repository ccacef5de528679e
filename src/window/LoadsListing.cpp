// The loads listing of the printed beam and loading data: distributed loads, then point loads.
#include "window/LoadsListing.h"

#include <algorithm>
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

void PadTo(std::string& line, int length) {
    if (static_cast<int>(line.size()) < length) line.resize(static_cast<std::size_t>(length), ' ');
}

// The end of a unit line: "Factor" from position factorAt, "loadcases:-" from loadcasesAt.
void FactorAndLoadcases(std::string& units, int factorAt, int loadcasesAt) {
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

// Decimals (rule 4) of a column over the records that `use` accepts.
template <typename Value, typename Use> int ColumnDecimals(Value value, Use use) {
    double largest = 0;
    for (int k = 1; k <= kSelfWeightRecord; ++k)
        if (use(Definition(k))) largest = std::max(largest, std::fabs(value(Definition(k))));
    return DecimalsRule4(largest);
}

bool Every(const TLoadRec&) { return true; }

void DistributedLoads() {
    auto& L = Txt.LoadListLines;
    const float fL = Model.UnitFactorLength, fW = Model.UnitFactorUDL;
    L[2] = " UNIFORMLY DISTRIBUTED LOADS";
    L[3] = " No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to";
    std::string units;
    AppendUnitHeading(units, Model.UnitTextLength.view(), 10);
    AppendUnitHeading(units, Model.UnitTextUDL.view(), 23);
    AppendUnitHeading(units, Model.UnitTextUDL.view(), 36);
    AppendUnitHeading(units, Model.UnitTextLength.view(), 49);
    FactorAndLoadcases(units, 57, 66);
    L[4] = units;

    auto w1 = [&](const TLoadRec& r) { return static_cast<double>(r[lfW1]) / fW; };
    auto w2 = [&](const TLoadRec& r) { return static_cast<double>(r[lfW2]) / fW; };
    auto cover = [&](const TLoadRec& r) { return static_cast<double>(r[lfCover]) / fL; };
    const int distDecimals = ColumnDecimals(ShownDistance, Every);
    const int w1Decimals = ColumnDecimals(w1, [](const TLoadRec& r) { return r[lfKind] == -1.0f; });
    const int w2Decimals = ColumnDecimals(w2, Every);
    const int coverDecimals = ColumnDecimals(cover, Every);

    int n = 5;
    for (int k = 1; k <= kSelfWeightRecord; ++k) {
        const TLoadRec& r = Definition(k);
        if (FloatToInt(r[lfKind]) != kDistributed) continue;
        std::string line = k == kSelfWeightRecord ? " S/Wt" : RowNumberText(k);
        AppendAligned(line, ColumnValue(ShownDistance(r), distDecimals), 10, Align::Digit);
        AppendAligned(line, ColumnValue(w1(r), w1Decimals), 23, Align::Point);
        AppendAligned(line, ColumnValue(w2(r), w2Decimals), 36, Align::Point);
        AppendAligned(line, ColumnValue(cover(r), coverDecimals), 49, Align::Point);
        AppendAligned(line, SigFig3Dec3(r[lfLF]), 59, Align::Point);
        PadTo(line, 65);
        L[n++] = line + AppliedText(k, kDistributed);
    }
    L[0] = std::to_string(n + 1);
}

void PointLoads() {
    auto& P = Txt.PointLoadListLines;
    const float fF = Model.UnitFactorForce;
    P[1] = "";
    P[2] = " Point Loads";
    P[3] = " No      Load       Distance      Load        Applied to";
    std::string units = "    ";
    AppendUnitHeading(units, Model.UnitTextForce.view(), 10);
    AppendUnitHeading(units, Model.UnitTextLength.view(), 23);
    FactorAndLoadcases(units, 34, 47);
    P[4] = units;

    auto load = [&](const TLoadRec& r) { return static_cast<double>(r[lfP]) / fF; };
    const int loadDecimals = ColumnDecimals(load, Every);
    const int distDecimals = ColumnDecimals(ShownDistance, Every);

    int n = 5;
    for (int k = 1; k <= kSelfWeightRecord; ++k) {
        const TLoadRec& r = Definition(k);
        if (FloatToInt(r[lfKind]) != kPoint) continue;
        std::string line = RowNumberText(k);
        AppendAligned(line, ColumnValue(load(r), loadDecimals), 10, Align::Digit);
        AppendAligned(line, ColumnValue(ShownDistance(r), distDecimals), 23, Align::Digit);
        AppendAligned(line, SigFig3Dec3(r[lfLF]), 36, Align::Digit);
        PadTo(line, 49);
        P[n++] = line + AppliedText(k, kPoint);
    }
    P[n + 1] = "";
    P[0] = std::to_string(n + 2);
}

} // namespace

void BuildLoadsListing() {
    DistributedLoads();
    PointLoads();
}

} // namespace kx
