// Extremes of the members, the loadcase and the envelope; coupler moments; twentieth-point values.
#include "engine/Extremes.h"

#include <cmath>

#include "engine/EngineState.h"

namespace kx {

namespace {

// Running largest and smallest, each replaced only by a strictly larger or smaller value.
struct Range {
    double largest = 0, smallest = 0;
    void Take(double v) {
        if (v > largest) largest = v;
        if (v < smallest) smallest = v;
    }
    // The value of larger magnitude; on equal magnitudes the largest.
    double Governing() const { return -smallest > largest ? smallest : largest; }
};

float Single(double v) { return static_cast<float>(v); }

void SetMagnitudeFromRange(TExtremesRec& r) {
    r[xMagnitude] = r[xLargest];
    if (-r[xSmallest] > r[xMagnitude]) r[xMagnitude] = -r[xSmallest];
}

// Raises field 3 and lowers field 4 of a record in place by the values of a row.
template <typename Row> void WidenInPlace(TExtremesRec& r, const Row& row, int points) {
    for (int p = 1; p <= points; ++p) {
        const float v = Single(row[p]);
        if (v > r[xLargest]) r[xLargest] = v;
        if (v < r[xSmallest]) r[xSmallest] = v;
    }
}

template <typename Row> Range RangeOf(const Row& row, int points) {
    Range range;
    for (int p = 1; p <= points; ++p)
        range.Take(row[p]);
    return range;
}

// Fields 3..5 of the whole-beam row from the member rows 0..26, each starting from 0.
void BeamRowFromMembers(Arr<TExtremesRec, 0, kBeamRow>& rows) {
    float largest = 0, smallest = 0, magnitude = 0;
    for (int m = 0; m <= kRHCantRow; ++m) {
        if (rows[m][xLargest] > largest) largest = rows[m][xLargest];
        if (rows[m][xSmallest] < smallest) smallest = rows[m][xSmallest];
        if (rows[m][xMagnitude] > magnitude) magnitude = rows[m][xMagnitude];
    }
    rows[kBeamRow][xLargest] = largest;
    rows[kBeamRow][xSmallest] = smallest;
    rows[kBeamRow][xMagnitude] = magnitude;
}

// Slot 0 fields 3..5 of every row: the largest, smallest and largest magnitude of the loadcases.
void EnvelopeRanges(TExtremesTable& table) {
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        for (int m = 0; m <= kBeamRow; ++m) {
            TExtremesRec& env = table[0][m];
            const TExtremesRec& c = table[lc][m];
            if (c[xLargest] > env[xLargest]) env[xLargest] = c[xLargest];
            if (c[xSmallest] < env[xSmallest]) env[xSmallest] = c[xSmallest];
            if (c[xMagnitude] > env[xMagnitude]) env[xMagnitude] = c[xMagnitude];
        }
    }
}

int TwentiethPoint(int j) { return (j - 1) * Eng.ResultIntervalStep + 1; }

// The member rows of the interval tables that hold values: the LH cantilever and the RH
// cantilever only when loadcase 1 has them.
template <typename F> void ForEnvelopeRows(F f) {
    if (Eng.LHCantileverActive[1] == 1) f(kLHCantRow);
    for (int s = 1; s <= Model.SpanCount[0]; ++s)
        f(s);
    if (Eng.RHCantileverActive[1] == 1) f(kRHCantRow);
}

} // namespace

void MemberShearExtremes() {
    const int lc = Eng.CurrentCase;
    const int points = MemberPointCount();
    auto& rows = Eng.ShearExtremes[lc];
    if (Eng.LHCantileverActive[lc] == 1) {
        TExtremesRec& r = rows[kLHCantRow];
        r[xGoverning] = 0;
        r[xEnd] = Eng.CantileverShear[1][points];
        WidenInPlace(r, Eng.CantileverShear[1], points);
        SetMagnitudeFromRange(r);
    }
    for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
        TExtremesRec& r = rows[s];
        const Range range = RangeOf(Eng.ShearForce[s], points);
        r[xGoverning] = Single(Eng.ShearForce[s][1]);
        r[xEnd] = Single(Eng.ShearForce[s][points]);
        r[xLargest] = Single(range.largest);
        r[xSmallest] = Single(range.smallest);
        SetMagnitudeFromRange(r);
    }
    if (Eng.RHCantileverActive[lc] == 1) {
        TExtremesRec& r = rows[kRHCantRow];
        r[xGoverning] = Eng.CantileverShear[2][1];
        WidenInPlace(r, Eng.CantileverShear[2], points);
        SetMagnitudeFromRange(r);
    }
}

void MemberMomentExtremes() {
    const int lc = Eng.CurrentCase;
    const int points = MemberPointCount();
    auto& rows = Eng.MomentExtremes[lc];

    // The cantilever rows are worked out whether or not the cantilevers exist: theirs are 0 then.
    const Range lh = RangeOf(Eng.CantileverMoment[1], points);
    rows[kLHCantRow][xStart] = 0;
    rows[kLHCantRow][xGoverning] = Single(lh.Governing());
    rows[kLHCantRow][xEnd] = Eng.CantileverMoment[1][points];

    for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
        const auto& M = Eng.BendingMoment[s];
        const double first = M[1], last = M[points];
        const double mean = (first + last) / 2;
        double largest = mean, smallest = mean;
        for (int p = 1; p <= points; ++p) {
            if (M[p] > largest) largest = M[p];
            if (M[p] < smallest) smallest = M[p];
        }
        double governing = mean - smallest >= largest - mean ? smallest : largest;
        // A span whose extremes are its end moments has no peak of its own.
        if (governing == first || governing == last) governing = 0;
        rows[s][xStart] = Single(first);
        rows[s][xGoverning] = Single(governing);
        rows[s][xEnd] = Single(last);
    }

    const Range rh = RangeOf(Eng.CantileverMoment[2], points);
    rows[kRHCantRow][xStart] = Eng.CantileverMoment[2][1];
    rows[kRHCantRow][xGoverning] = Single(rh.Governing());
}

void MemberDeflectionExtremes() {
    const int lc = Eng.CurrentCase;
    auto& rows = Eng.DeflectionExtremes[lc];
    auto fill = [](TExtremesRec& r, const Range& range) {
        r[xLargest] = Single(range.largest);
        r[xSmallest] = Single(range.smallest);
        r[xGoverning] = Single(range.Governing());
        r[xMagnitude] = std::fabs(r[xGoverning]);
    };
    fill(rows[kLHCantRow], RangeOf(Eng.CantDeflectionPoints, kDeflectionPoints));
    for (int s = 1; s <= Model.SpanCount[lc]; ++s)
        fill(rows[s], RangeOf(Eng.SpanDeflection[s], kDeflectionPoints));
    fill(rows[kRHCantRow], RangeOf(Eng.CantDeflectionStore, kDeflectionPoints));
}

void CaseShearExtremes() { BeamRowFromMembers(Eng.ShearExtremes[Eng.CurrentCase]); }

void CaseMomentExtremes() {
    auto& rows = Eng.MomentExtremes[Eng.CurrentCase];
    for (int m = 0; m <= kRHCantRow; ++m) {
        TExtremesRec& r = rows[m];
        Range range;
        range.Take(r[xStart]);
        range.Take(r[xGoverning]);
        range.Take(r[xEnd]);
        r[xLargest] = Single(range.largest);
        r[xSmallest] = Single(range.smallest);
        SetMagnitudeFromRange(r);
    }
    BeamRowFromMembers(rows);
}

void CaseDeflectionExtremes() {
    auto& rows = Eng.DeflectionExtremes[Eng.CurrentCase];
    Range governing;
    for (int m = 0; m <= kRHCantRow; ++m)
        governing.Take(rows[m][xGoverning]);
    rows[kBeamRow][xGoverning] = Single(governing.Governing());
    BeamRowFromMembers(rows);
}

void EnvelopeShearExtremes() {
    ZeroFill(Eng.ShearExtremes[0]);
    EnvelopeRanges(Eng.ShearExtremes);
}

void EnvelopeMomentExtremes() {
    ZeroFill(Eng.MomentExtremes[0]);
    EnvelopeRanges(Eng.MomentExtremes);
}

void EnvelopeDeflectionExtremes() {
    auto& table = Eng.DeflectionExtremes;
    ZeroFill(table[0]);
    for (int m = 0; m <= kBeamRow; ++m) {
        Range governing;
        for (int lc = 1; lc <= Model.LoadcaseCount; ++lc)
            governing.Take(table[lc][m][xGoverning]);
        table[0][m][xGoverning] = Single(governing.Governing());
    }
    EnvelopeRanges(table);
}

void MaxCouplerMoment() {
    const int lc = Eng.CurrentCase;
    const auto& rows = Eng.MomentExtremes[lc];
    const int last = Model.SpanCount[0] + 1;
    float largest = 0;
    for (int i = 1; i <= last; ++i) {
        const int right = i == last ? kRHCantRow : i;
        const float jump = Single(std::fabs(static_cast<double>(rows[right][xStart]) - rows[i - 1][xEnd]));
        if (jump > largest) largest = jump;
    }
    Eng.CouplerMomentMax[lc] = largest;
}

void CalcSpanIntervalValues() {
    const int lc = Eng.CurrentCase;
    auto& shear = Eng.EnvelopeIntervalValues[lc];
    auto& moment = Eng.EnvelopeTable[lc];
    auto set = [&](int row, double V, double M, int j) {
        shear[row][j][0] = Single(std::fabs(V));
        moment[row][j][0] = moment[row][j][1] = Single(M);
    };
    for (int j = 1; j <= kDeflectionPoints; ++j) {
        const int p = TwentiethPoint(j);
        set(kLHCantRow, Eng.CantileverShear[1][p], Eng.CantileverMoment[1][p], j);
        for (int s = 1; s <= Model.SpanCount[0]; ++s)
            set(s, Eng.ShearForce[s][p], Eng.BendingMoment[s][p], j);
        set(kRHCantRow, Eng.CantileverShear[2][p], Eng.CantileverMoment[2][p], j);
    }
}

void BuildEnvelopeTable() {
    auto& shear = Eng.EnvelopeIntervalValues;
    auto& moment = Eng.EnvelopeTable;
    ZeroFill(shear[0]);
    ZeroFill(moment[0]);
    ForEnvelopeRows([&](int m) {
        for (int j = 1; j <= kDeflectionPoints; ++j) {
            auto& s = shear[0][m][j];
            auto& e = moment[0][m][j];
            s[0] = shear[1][m][j][0];
            s[1] = 1;
            e[0] = moment[1][m][j][0];
            e[1] = moment[1][m][j][1];
            e[2] = e[3] = 1;
            for (int lc = 2; lc <= Model.LoadcaseCount; ++lc) {
                const float named = static_cast<float>(lc);
                const float V = shear[lc][m][j][0];
                const auto& c = moment[lc][m][j];
                if (V > s[0]) {
                    s[0] = V;
                    s[1] = named;
                }
                if (c[0] > e[0]) {
                    e[0] = c[0];
                    e[2] = named;
                }
                if (c[1] < e[1]) {
                    e[1] = c[1];
                    e[3] = named;
                }
            }
        }
    });
}

void EnvelopeSupportReactions() {
    const int supports = Model.SpanCount[0] + 1;
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc)
        for (int k = 1; k <= supports; ++k) {
            if (Eng.ReleasedSupport[lc][k] == -1) continue;
            const float r = static_cast<float>(Eng.SupportReaction[lc][k]);
            if (r > Eng.SupportWorkValues[k]) Eng.SupportWorkValues[k] = r;
            if (r < Eng.MinSupportReaction[k]) Eng.MinSupportReaction[k] = r;
        }
}

} // namespace kx
