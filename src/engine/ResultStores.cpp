// Result stores of a finished loadcase: stored results, reactions, diagram polylines and extremes.
#include "engine/ResultStores.h"

#include <algorithm>

#include "engine/EngineState.h"
#include "engine/Extremes.h"

namespace kx {

namespace {

// The vertex count that element 0 of a polyline holds; the last element when it holds no count
// (only in a damaged state), so that clearing up to it clears everything.
int StoredCount(float count, int last) {
    if (!(count >= 0 && count <= static_cast<float>(last))) return last;
    const int n = static_cast<int>(count);
    return static_cast<float>(n) == count ? n : last;
}

// Appends vertices to a polyline whose element 0 holds the count; vertices of a longer polyline
// stored there before are set to 0.
class PolylineWriter {
public:
    explicit PolylineWriter(Arr<TPolyPoint, 0, kMaxShearVertices>& line)
        : pairs_(line.begin()), cap_(line.count), old_(StoredCount(line[0].x, line.high)) {}
    explicit PolylineWriter(Arr<TPolyPoint, 0, kMaxMomentVertices>& line)
        : pairs_(line.begin()), cap_(line.count), old_(StoredCount(line[0].x, line.high)) {}

    void Add(double x, double y) {
        if (++count_ >= cap_) throw RangeError();
        pairs_[count_] = {static_cast<float>(x), static_cast<float>(y)};
    }
    ~PolylineWriter() {
        pairs_[0] = {static_cast<float>(count_), 0.0f};
        for (int i = count_ + 1; i <= old_; ++i)
            pairs_[i] = {};
    }
    PolylineWriter(const PolylineWriter&) = delete;
    PolylineWriter& operator=(const PolylineWriter&) = delete;

private:
    TPolyPoint* pairs_;
    int cap_;
    int old_;
    int count_ = 0;
};

// Where the members of loadcase lc lie along the beam, mm from its LH end.
struct MemberPositions {
    explicit MemberPositions(int lc)
        : lh(Eng.LHCantileverActive[lc] == 1), rh(Eng.RHCantileverActive[lc] == 1),
          Lc(lh ? Eng.CantileverLength[lc][0] : 0.0), LcR(Eng.CantileverLength[lc][1]),
          n(Model.SpanCount[lc]) {
        double x = Lc;
        for (int s = 1; s <= n; ++s) {
            spanStart[s] = x;
            x += Eng.LoadcaseSpanLength[lc][s];
        }
        rhSupport = x;
    }
    bool lh, rh;
    double Lc, LcR;
    int n;
    Arr<double, 1, kMaxSpans> spanStart;
    double rhSupport = 0;
};

void StoreWorkTables(int lc, int points) {
    for (int s = 1; s <= Model.SpanCount[0]; ++s) {
        auto& shear = Eng.StoredShear[lc][s];
        auto& moment = Eng.StoredMoment[lc][s];
        for (int p = 1; p <= points; ++p) {
            shear[p] = static_cast<float>(Eng.ShearForce[s][p]);
            moment[p] = static_cast<float>(Eng.BendingMoment[s][p]);
        }
        for (int p = 1; p <= kDeflectionPoints; ++p)
            Eng.StoredDeflection[lc][s][p] = static_cast<float>(Eng.SpanDeflection[s][p]);
    }
    for (int e = 1; e <= 2; ++e) {
        for (int p = 1; p <= points; ++p) {
            Eng.StoredCantShear[lc][e][p] = Eng.CantileverShear[e][p];
            Eng.StoredCantMoment[lc][e][p] = Eng.CantileverMoment[e][p];
        }
    }
    for (int p = 1; p <= 22; ++p) {
        Eng.StoredCantDeflection[lc][1][p] = static_cast<float>(Eng.CantDeflectionPoints[p]);
        Eng.StoredCantDeflection[lc][2][p] = static_cast<float>(Eng.CantDeflectionStore[p]);
    }
}

// The LH cantilever is solved from its support outward; the beam reads from its LH end, where the
// cantilever's shear turns sign.
void ReverseLHCantilever(int points) {
    float* shear = Eng.CantileverShear[1].begin();
    float* moment = Eng.CantileverMoment[1].begin();
    std::reverse(shear, shear + points);
    std::reverse(moment, moment + points);
    for (int p = 0; p < points; ++p)
        shear[p] = -shear[p];
    double* deflection = Eng.CantDeflectionPoints.begin();
    std::reverse(deflection, deflection + kDeflectionPoints);
}

// Each result value drawn as a level step centred on its point; the RH cantilever's steps run from
// the previous point to their own.
void BuildShearPolyline(int lc, const MemberPositions& at, int N) {
    const double L = Model.BeamLength;
    PolylineWriter line(Eng.ShearPolyline[lc]);
    double xPrev = 0, VPrev = 0;
    auto step = [&](double x, double V) {
        const double m = (xPrev + x) / 2;
        line.Add(m, VPrev);
        line.Add(m, V);
        line.Add(x, V);
        xPrev = x;
        VPrev = V;
    };
    if (at.lh) {
        for (int p = 1; p <= N + 1; ++p)
            step(static_cast<double>(p - 1) / N * at.Lc / L, Eng.CantileverShear[1][p]);
    } else {
        VPrev = Eng.ShearForce[1][1];
        line.Add(0, VPrev);
    }
    for (int s = 1; s <= at.n; ++s) {
        const double Ls = Eng.LoadcaseSpanLength[lc][s];
        for (int p = 1; p <= N + 1; ++p)
            step((at.spanStart[s] + static_cast<double>(p - 1) / N * Ls) / L, Eng.ShearForce[s][p]);
    }
    if (at.rh) {
        for (int p = 1; p <= N + 1; ++p) {
            const double x = (at.rhSupport + static_cast<double>(p - 1) / N * at.LcR) / L;
            const double V = Eng.CantileverShear[2][p];
            line.Add(xPrev, V);
            line.Add(x, V);
            xPrev = x;
        }
    }
    line.Add(xPrev, 0);
}

// A reaction is the jump of the shear across the support plus the point loads standing on it; a
// support released in the loadcase keeps 0 and the others take the loadcase's own numbering.
void StoreSupportReactions(int lc, const MemberPositions& at, int N) {
    Arr<double, 1, kMaxSupports> R;
    if (at.lh) R[1] = -static_cast<double>(Eng.CantileverShear[1][N + 1]);
    for (int s = 1; s <= at.n; ++s) {
        R[s] += Eng.ShearForce[s][1];
        R[s + 1] = -Eng.ShearForce[s][N + 1];
    }
    for (int k = 1; k <= at.n + 1; ++k)
        R[k] += Eng.SupportPointLoad[lc][k];
    if (at.rh) R[at.n + 1] += Eng.CantileverShear[2][1];

    Eng.SupportReaction[lc].fill(0);
    int shift = 0;
    for (int k = 1; k <= Model.SpanCount[0] + 1; ++k) {
        if (Eng.ReleasedSupport[lc][k] == -1)
            ++shift;
        else
            Eng.SupportReaction[lc][k] = R[k - shift];
    }
}

void BuildMomentPolyline(int lc, const MemberPositions& at, int N) {
    const double L = Model.BeamLength;
    PolylineWriter line(Eng.MomentPolyline[lc]);
    if (at.lh) {
        for (int p = 1; p <= N + 1; ++p)
            line.Add(static_cast<double>(p - 1) / N * at.Lc / L, Eng.CantileverMoment[1][p]);
    }
    for (int s = 1; s <= at.n; ++s) {
        const double Ls = Eng.LoadcaseSpanLength[lc][s];
        for (int p = 1; p <= N + 1; ++p)
            line.Add((at.spanStart[s] + static_cast<double>(p - 1) / N * Ls) / L, Eng.BendingMoment[s][p]);
    }
    // A RH end that takes moment: the drawn diagram returns to 0 there.
    const int rhEnd = Model.SupportType[25];
    if (rhEnd == supFixedEnd || rhEnd == supCouplerTop || rhEnd == supCouplerMid)
        line.Add(at.rhSupport / L, 0);
    if (at.rh) {
        double x = 0;
        for (int p = 1; p <= N + 1; ++p) {
            x = (at.rhSupport + static_cast<double>(p - 1) / N * at.LcR) / L;
            line.Add(x, Eng.CantileverMoment[2][p]);
        }
        line.Add(x, 0);
    }
}

void BuildDeflectionPolyline(int lc, const MemberPositions& at) {
    const double L = Model.BeamLength;
    constexpr int N = kDeflectionIntervals;
    auto& line = Eng.DeflectionPolyline[lc];
    const int old = StoredCount(line[0][0], line.high);
    int count = 0;
    auto add = [&](double x, double deflection) {
        auto& v = line[++count];
        v[0] = 0;
        v[1] = static_cast<float>(x);
        v[2] = static_cast<float>(-deflection);
    };
    if (at.lh) {
        for (int p = 1; p <= N + 1; ++p)
            add(static_cast<double>(p - 1) / N * at.Lc / L, Eng.CantDeflectionPoints[p]);
    }
    for (int s = 1; s <= at.n; ++s) {
        const double Ls = Eng.LoadcaseSpanLength[lc][s];
        for (int p = 1; p <= N + 1; ++p)
            add((at.spanStart[s] + static_cast<double>(p - 1) / N * Ls) / L, Eng.SpanDeflection[s][p]);
    }
    if (at.rh) {
        for (int p = 1; p <= N + 1; ++p)
            add((at.rhSupport + static_cast<double>(p - 1) / N * at.LcR) / L, Eng.CantDeflectionStore[p]);
    }
    line[0][0] = static_cast<float>(count);
    for (int i = count + 1; i <= old; ++i)
        line[i].fill(0);
}

template <typename Line> void ClearPolyline(Line& line, float count) {
    const int n = StoredCount(count, line.high);
    for (int i = 0; i <= n; ++i)
        line[i] = {};
}

} // namespace

void ClearPolylines(int lc) {
    ClearPolyline(Eng.ShearPolyline[lc], Eng.ShearPolyline[lc][0].x);
    ClearPolyline(Eng.MomentPolyline[lc], Eng.MomentPolyline[lc][0].x);
    ClearPolyline(Eng.DeflectionPolyline[lc], Eng.DeflectionPolyline[lc][0][0]);
}

void StoreLoadcaseResults() {
    const int lc = Eng.CurrentCase;
    const int points = MemberPointCount();
    const int N = points - 1;
    if (Model.StoredSpanIntervals + 1 > kResultPoints) throw RangeError();
    const MemberPositions at(lc);

    StoreWorkTables(lc, Model.StoredSpanIntervals + 1);
    ReverseLHCantilever(points);

    BuildShearPolyline(lc, at, N);
    MemberShearExtremes();
    CaseShearExtremes();

    StoreSupportReactions(lc, at, N);

    BuildMomentPolyline(lc, at, N);
    MemberMomentExtremes();
    CaseMomentExtremes();

    BuildDeflectionPolyline(lc, at);
    MemberDeflectionExtremes();
    CaseDeflectionExtremes();
}

} // namespace kx
