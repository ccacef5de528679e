// Slope-deflection solver: support rotations, end moments, and shear and moment along every span.
#include "engine/SlopeDeflection.h"

#include <algorithm>
#include <array>

#include "engine/EngineState.h"

namespace kx {

namespace {

// A fixed end is a support whose rotation stiffness is made enormous.
constexpr double kFixedEndFactor = 1e14;

// One load piece of a span with its simply supported reactions. Left of the piece (x <= a) its
// shear is RA and its moment RA x; right of it (x >= a + c) they are -RB and RB (L - x); a point
// load standing on x takes the shear of its left side.
struct SpanPiece {
    SpanPiece(int i, int q, double span)
        : W(Eng.SpanPieceLoad[i][q]), type(Eng.SpanPieceType[i][q]), a(Eng.SpanPieceStart[i][q]),
          c(Eng.SpanPieceCover[i][q]), L(span) {
        RA = W * (L - PieceCentroid(type, a, c)) / L;
        RB = W - RA;
    }

    // Adds shear and moment at the points x[from..to) lying under the piece (a < x < a + c).
    void AddCovered(const double* x, int from, int to, double* shear, double* moment) const {
        Covered(x, from, to, [&](int p, double V, double M) {
            shear[p] += V;
            moment[p] += M;
        });
    }
    // The same, keeping the piece's own shear at those points as well.
    void AddCovered(const double* x, int from, int to, double* shear, double* moment, float* kept) const {
        Covered(x, from, to, [&](int p, double V, double M) {
            shear[p] += V;
            moment[p] += M;
            kept[p] = static_cast<float>(V);
        });
    }

private:
    template <typename Take> void Covered(const double* x, int from, int to, Take take) const {
        if (from >= to) return;
        if (type == ptUniform) {
            const double w = W / c;
            for (int p = from; p < to; ++p) {
                const double u = x[p] - a;
                take(p, RA - w * u, x[p] * RA - w * u * u / 2);
            }
        } else if (type == ptRising) {
            const double k = W / (c * c);
            for (int p = from; p < to; ++p) {
                const double u = x[p] - a;
                take(p, RA - k * u * u, x[p] * RA - k * u * u * u / 3);
            }
        } else {
            const double k = W / (c * c), end = a + c;
            for (int p = from; p < to; ++p) {
                const double v = end - x[p];
                take(p, k * v * v - RB, (L - x[p]) * RB - k * v * v * v / 3);
            }
        }
    }

public:
    double W, type, a, c, L, RA = 0, RB = 0;
};

// The first point p of from..points - 1 for which `beyond(x[p])` holds, or points: what a binary
// search gives, as x rises and `beyond` turns true once. Points lie evenly, so the search starts at
// the estimate v x perLength and steps from there.
template <typename Beyond>
int FirstPointBeyond(const double* x, int from, int points, double v, double perLength, Beyond beyond) {
    const double estimate = v * perLength;
    int p = !(estimate > from) ? from : estimate >= points ? points : static_cast<int>(estimate);
    while (p > from && beyond(x[p - 1]))
        --p;
    while (p < points && !beyond(x[p]))
        ++p;
    return p;
}

} // namespace

void AssembleStiffness() {
    const int n = Model.SpanCount[Eng.CurrentCase];
    if (n < 1) return;
    auto& D = Eng.StiffnessDiagonal;
    auto& C = Eng.StiffnessOffDiagonal;
    const auto& k = Eng.SpanStiffness;
    const auto& type = Model.SupportType;
    const auto& spring = Model.SupportStiffness;

    D[1] = 4 * k[1];
    if (type[0] == supCouplerTop || type[0] == supCouplerMid) D[1] = 3.0 * spring[0] + D[1];
    if (type[0] == supFixedEnd) D[1] = kFixedEndFactor * D[1];
    C[1] = 2 * k[1];
    // An interior support's spring is 0 unless it is a double coupler.
    for (int j = 2; j <= n; ++j) {
        D[j] = 4 * (k[j - 1] + k[j]) + 3.0 * spring[j - 1];
        C[j] = 2 * k[j];
    }
    D[n + 1] = 4 * k[n];
    const int rhEnd = type[kRHEndSupport];
    if (rhEnd == supFixedEnd) D[n + 1] = kFixedEndFactor * D[n + 1];
    if (rhEnd == supCouplerTop || rhEnd == supCouplerMid) D[n + 1] = 3.0 * spring[kRHEndSupport] + D[n + 1];
    C[n + 1] = 0;
}

void CalcFixedEndMoments() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    for (int i = 1; i <= n; ++i) {
        const double L = Eng.LoadcaseSpanLength[lc][i];
        double left = 0, right = 0;
        for (int q = 1; q <= Eng.SpanPieceCount[i]; ++q) {
            const double W = Eng.SpanPieceLoad[i][q], type = Eng.SpanPieceType[i][q];
            const double c = Eng.SpanPieceCover[i][q];
            const double d = PieceCentroid(type, Eng.SpanPieceStart[i][q], c);
            const double b = L - d;
            const double scale = W / (L * L);
            if (type == ptPoint) {
                left += d * b * b * scale;
                right += d * d * b * scale;
            } else if (type == ptUniform) {
                left += (d * b * b + (d - 2 * b) * c * c / 12) * scale;
                right += (b * d * d + (b - 2 * d) * c * c / 12) * scale;
            } else {
                // The triangle's own skew: positive towards the left end for a falling one.
                const double skew = (type == ptRising ? -1.0 : 1.0) * c * c * c / 135;
                left += (d * b * b + (d - 2 * b) * c * c / 18 + skew) * scale;
                right += (b * d * d + (b - 2 * d) * c * c / 18 - skew) * scale;
            }
        }
        Eng.FixedEndMomentLeft[i] = left;
        Eng.FixedEndMomentRight[i] = right;
    }
}

void BuildLoadVector() {
    const int n = Model.SpanCount[Eng.CurrentCase];
    if (n < 1) return;
    auto& R = Eng.LoadVector;
    R[1] = -Eng.FixedEndMomentLeft[1] - Eng.LHCantileverMoment;
    for (int j = 2; j <= n; ++j)
        R[j] = Eng.FixedEndMomentRight[j - 1] - Eng.FixedEndMomentLeft[j];
    R[n + 1] = Eng.FixedEndMomentRight[n] - Eng.RHCantileverMoment;
}

void SolveSupportRotations() {
    const int n = Model.SpanCount[Eng.CurrentCase];
    if (n < 1) return;
    const auto& D = Eng.StiffnessDiagonal;
    const auto& C = Eng.StiffnessOffDiagonal;
    const auto& R = Eng.LoadVector;
    auto& theta = Eng.SupportRotation;

    // Elimination keeps the reduced pivots and right-hand sides, so that each rotation is
    // recovered from its own reduced row: this stays accurate however many spans there are.
    Arr<double, 1, kMaxSupports> pivot, rhs;
    pivot[1] = D[1];
    rhs[1] = R[1];
    for (int j = 2; j <= n + 1; ++j) {
        rhs[j] = R[j] - C[j - 1] * rhs[j - 1] / pivot[j - 1];
        pivot[j] = D[j] - C[j - 1] * C[j - 1] / pivot[j - 1];
    }
    theta[n + 1] = rhs[n + 1] / pivot[n + 1];
    for (int j = n; j >= 1; --j)
        theta[j] = (rhs[j] - C[j] * theta[j + 1]) / pivot[j];

    for (int i = 1; i <= n; ++i) {
        const double k = Eng.SpanStiffness[i];
        Eng.EndMomentLeft[i] = (4 * theta[i] + 2 * theta[i + 1]) * k + Eng.FixedEndMomentLeft[i];
        Eng.EndMomentRight[i] = (2 * theta[i] + 4 * theta[i + 1]) * k - Eng.FixedEndMomentRight[i];
    }
}

void CalcSpanShearMoment(PieceShears pieces) {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    const int N = Eng.NumSpanIntervals;
    const int points = MemberPointCount();
    const bool keepPieceShear = pieces == PieceShears::Keep && N == kDeflectionIntervals;
    // A span's shear and moment are summed here and stored once summed: the compiler cannot tell
    // the engine's tables apart from the pieces' shears kept beside them.
    std::array<double, kMaxPoints> x, leftRA, rightRB, shearAt, momentAt;

    for (int i = 1; i <= n; ++i) {
        const double L = Eng.LoadcaseSpanLength[lc][i];
        const double ML = Eng.EndMomentLeft[i], MR = Eng.EndMomentRight[i];
        const double V0 = (ML + MR) / L, perLength = N / L;
        double* shear = shearAt.data();
        double* moment = momentAt.data();
        for (int p = 0; p < points; ++p) {
            x[p] = p * L / N;
            shear[p] = V0;
            moment[p] = V0 * x[p] - ML;
            leftRA[p] = 0;
            rightRB[p] = 0;
        }
        // Each piece adds its reactions over the points beside it through the running sums below,
        // and its own formulae only at the points it covers.
        for (int q = 1; q <= Eng.SpanPieceCount[i]; ++q) {
            const SpanPiece piece(i, q, L);
            // As std::upper_bound of a over x, and std::lower_bound of a + c over x from there.
            const double a = piece.a, end = piece.a + piece.c;
            const int left =
                FirstPointBeyond(x.data(), 0, points, a, perLength, [a](double xp) { return a < xp; });
            const int right = FirstPointBeyond(x.data(), left, points, end, perLength,
                                               [end](double xp) { return !(xp < end); });
            if (left > 0) leftRA[left - 1] += piece.RA;
            if (right < points) rightRB[right] += piece.RB;
            if (!keepPieceShear) {
                piece.AddCovered(x.data(), left, right, shear, moment);
                continue;
            }
            float* kept = Eng.PieceShear[i][q].begin(); // points 1..21 at [0..20]
            for (int p = 0; p < left; ++p)
                kept[p] = static_cast<float>(piece.RA);
            piece.AddCovered(x.data(), left, right, shear, moment, kept);
            for (int p = right; p < points; ++p)
                kept[p] = static_cast<float>(-piece.RB);
        }
        // The two running sums, from either end, side by side: each is still summed in its own
        // order, and each point takes the reactions right of it first.
        double sumRA = 0, sumRB = 0;
        for (int p = points - 1, r = 0; p >= 0; --p, ++r) {
            sumRA += leftRA[p];
            leftRA[p] = sumRA;
            sumRB += rightRB[r];
            rightRB[r] = sumRB;
        }
        double* storedShear = Eng.ShearForce[i].begin();
        double* storedMoment = Eng.BendingMoment[i].begin();
        for (int p = 0; p < points; ++p) {
            storedShear[p] = shear[p] + leftRA[p] - rightRB[p];
            storedMoment[p] = moment[p] + leftRA[p] * x[p] + rightRB[p] * (L - x[p]);
        }
    }
}

void FindSpanMomentExtremes() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    const int points = MemberPointCount();
    for (int i = 1; i <= n; ++i) {
        const double* moment = Eng.BendingMoment[i].begin();
        float& largest = Eng.SpanMaxMoment[lc][i];
        float& smallest = Eng.SpanMinMoment[lc][i];
        for (int p = 0; p < points; ++p)
            if (moment[p] > largest) largest = static_cast<float>(moment[p]);
        for (int p = 0; p < points; ++p)
            if (moment[p] < smallest) smallest = static_cast<float>(moment[p]);
    }
}

} // namespace kx
