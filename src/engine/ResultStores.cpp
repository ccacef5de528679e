// Result stores of a finished loadcase: stored results, reactions, diagram polylines and extremes.
#include "engine/ResultStores.h"

#include <algorithm>
#include <type_traits>
#include <vector>

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
          n(Model.SpanCount[lc]),
          support(SupportPositions(Lc, n, [lc](int s) { return Eng.LoadcaseSpanLength[lc][s]; })),
          rhSupport(support[n]) {}
    bool lh, rh;
    double Lc, LcR;
    int n;
    Arr<double, 0, kRHEndSupport> support; // support[s - 1] the start of span s
    double rhSupport;
};

// The points of every member at N intervals, as fractions of the beam length from its LH end
// (member 0 the LH cantilever, n + 1 the RH one), worked out once for the diagrams, which place
// their vertices alike.
class PointFractions {
public:
    PointFractions(const MemberPositions& at, int lc, int N)
        : N_(N), x_(static_cast<std::size_t>((at.n + 2) * (N + 1))) {
        const double L = Model.BeamLength;
        for (int p = 1; p <= N + 1; ++p) {
            if (at.lh) Member(0)[p - 1] = static_cast<double>(p - 1) / N * at.Lc / L;
            if (at.rh) Member(at.n + 1)[p - 1] = (at.rhSupport + static_cast<double>(p - 1) / N * at.LcR) / L;
        }
        for (int s = 1; s <= at.n; ++s) {
            const double Ls = Eng.LoadcaseSpanLength[lc][s], start = at.support[s - 1];
            double* x = Member(s);
            for (int p = 1; p <= N + 1; ++p)
                x[p - 1] = (start + static_cast<double>(p - 1) / N * Ls) / L;
        }
    }
    int Intervals() const { return N_; }
    // The fractions of member k: point p at [p - 1].
    const double* Member(int k) const { return x_.data() + k * (N_ + 1); }

private:
    double* Member(int k) { return x_.data() + k * (N_ + 1); }
    int N_;
    std::vector<double> x_;
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
    for (int p = 1; p <= kCantDeflectionPoints; ++p) {
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
void BuildShearPolyline(int lc, const MemberPositions& at, const PointFractions& xs) {
    const int N = xs.Intervals();
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
        const double* x = xs.Member(0);
        for (int p = 1; p <= N + 1; ++p)
            step(x[p - 1], Eng.CantileverShear[1][p]);
    } else {
        VPrev = Eng.ShearForce[1][1];
        line.Add(0, VPrev);
    }
    for (int s = 1; s <= at.n; ++s) {
        const double* x = xs.Member(s);
        const double* V = Eng.ShearForce[s].begin(); // point p at [p - 1]
        for (int p = 1; p <= N + 1; ++p)
            step(x[p - 1], V[p - 1]);
    }
    if (at.rh) {
        const double* x = xs.Member(at.n + 1);
        for (int p = 1; p <= N + 1; ++p) {
            const double V = Eng.CantileverShear[2][p];
            line.Add(xPrev, V);
            line.Add(x[p - 1], V);
            xPrev = x[p - 1];
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

void BuildMomentPolyline(int lc, const MemberPositions& at, const PointFractions& xs) {
    const int N = xs.Intervals();
    const double L = Model.BeamLength;
    PolylineWriter line(Eng.MomentPolyline[lc]);
    if (at.lh) {
        const double* x = xs.Member(0);
        for (int p = 1; p <= N + 1; ++p)
            line.Add(x[p - 1], Eng.CantileverMoment[1][p]);
    }
    for (int s = 1; s <= at.n; ++s) {
        const double* x = xs.Member(s);
        const double* M = Eng.BendingMoment[s].begin(); // point p at [p - 1]
        for (int p = 1; p <= N + 1; ++p)
            line.Add(x[p - 1], M[p - 1]);
    }
    // A RH end that takes moment: the drawn diagram returns to 0 there.
    const int rhEnd = Model.SupportType[kRHEndSupport];
    if (rhEnd == supFixedEnd || rhEnd == supCouplerTop || rhEnd == supCouplerMid)
        line.Add(at.rhSupport / L, 0);
    if (at.rh) {
        const double* x = xs.Member(at.n + 1);
        for (int p = 1; p <= N + 1; ++p)
            line.Add(x[p - 1], Eng.CantileverMoment[2][p]);
        line.Add(x[N], 0);
    }
}

// The deflections, at the twentieth points of every member (xs at 20 intervals).
void BuildDeflectionPolyline(int lc, const MemberPositions& at, const PointFractions& xs) {
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
        const double* x = xs.Member(0);
        for (int p = 1; p <= N + 1; ++p)
            add(x[p - 1], Eng.CantDeflectionPoints[p]);
    }
    for (int s = 1; s <= at.n; ++s) {
        const double* x = xs.Member(s);
        const double* d = Eng.SpanDeflection[s].begin(); // point p at [p - 1]
        for (int p = 1; p <= N + 1; ++p)
            add(x[p - 1], d[p - 1]);
    }
    if (at.rh) {
        const double* x = xs.Member(at.n + 1);
        for (int p = 1; p <= N + 1; ++p)
            add(x[p - 1], Eng.CantDeflectionStore[p]);
    }
    line[0][0] = static_cast<float>(count);
    for (int i = count + 1; i <= old; ++i)
        line[i].fill(0);
}

template <typename Line> void ClearPolyline(Line& line, float count) {
    const int n = StoredCount(count, line.high);
    std::fill(line.begin(), line.begin() + n + 1, std::remove_reference_t<decltype(line[0])>{});
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

    const PointFractions xs(at, lc, N);
    BuildShearPolyline(lc, at, xs);
    MemberShearExtremes();
    CaseShearExtremes();

    StoreSupportReactions(lc, at, N);

    BuildMomentPolyline(lc, at, xs);
    MemberMomentExtremes();
    CaseMomentExtremes();

    if (N == kDeflectionIntervals)
        BuildDeflectionPolyline(lc, at, xs);
    else
        BuildDeflectionPolyline(lc, at, PointFractions(at, lc, kDeflectionIntervals));
    MemberDeflectionExtremes();
    CaseDeflectionExtremes();
}

} // namespace kx
