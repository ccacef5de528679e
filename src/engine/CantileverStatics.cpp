// Cantilever statics: shear, moment, unit-load moments and own bending deflection of both cantilevers.
#include "engine/CantileverStatics.h"

#include "engine/EngineState.h"

namespace kx {

namespace {

// Shear (the load outward of x) and moment magnitude of one cantilever piece at x from the support.
struct CantPiece {
    CantPiece(int e, int q)
        : W(Eng.CantPieceLoad[e][q]), type(Eng.CantPieceType[e][q]), a(Eng.CantPieceStart[e][q]),
          c(Eng.CantPieceCover[e][q]) {}

    void At(double x, double& V, double& M) const {
        if (x <= a) {
            V = W;
            M = W * (PieceCentroid(type, a, c) - x);
            return;
        }
        V = 0;
        M = 0;
        if (type == ptPoint || x > a + c) return;
        const double r = a + c - x; // loaded length still outward of x
        if (type == ptUniform) {
            V = W * r / c;
            M = (W / c) * r * r / 2;
        } else if (type == ptRising) {
            const double w = 2 * W / c;      // intensity at the outer end
            const double wx = w - w * r / c; // intensity at x
            V = (w + wx) / 2 * r;
            M = wx * r * (r / 2) + (w - wx) * r / 2 * (2 * r / 3);
        } else {
            const double wx = 2 * W / c * r / c; // intensity at x; 0 at the outer end
            V = wx / 2 * r;
            M = wx * r / 2 * r / 3;
        }
    }

    double W, type, a, c;
};

} // namespace

void CantileverForces() {
    const int lc = Eng.CurrentCase;
    const int N = Eng.NumSpanIntervals;
    const int points = MemberPointCount();
    for (int e = 1; e <= 2; ++e) {
        const double Lc = Eng.CantileverLength[lc][e - 1];
        if (Lc == 0 || Eng.CantPieceCount[e] == 0) continue;
        const double h = Lc / N;
        float* shear = Eng.CantileverShear[e].begin();
        float* moment = Eng.CantileverMoment[e].begin();
        for (int q = 1; q <= Eng.CantPieceCount[e]; ++q) {
            const CantPiece piece(e, q);
            for (int p = 0; p < points; ++p) {
                double V, M;
                piece.At(p * h, V, M);
                shear[p] = static_cast<float>(shear[p] + V);
                moment[p] = static_cast<float>(moment[p] + M);
            }
        }
    }
    for (int e = 1; e <= 2; ++e) {
        float* moment = Eng.CantileverMoment[e].begin();
        float largest = 0, smallest = 0;
        for (int p = 0; p < points; ++p) {
            moment[p] = -moment[p];
            if (moment[p] > largest) largest = moment[p];
            if (moment[p] < smallest) smallest = moment[p];
        }
        Eng.StoredCantEndB[lc][e - 1] = largest;
        Eng.StoredCantEndA[lc][e - 1] = smallest;
    }
}

void CantileverUnitMoments() {
    const int lc = Eng.CurrentCase;
    constexpr int N = kDeflectionIntervals;
    for (int e = 1; e <= 2; ++e) {
        const double Lc = Eng.CantileverLength[lc][e - 1];
        // Measured from the support outward, the RH cantilever's moments turn the other way.
        const double sign = e == 1 ? 1.0 : -1.0;
        const double h = Lc / N;
        for (int q = 1; q <= N + 1; ++q) {
            const double aq = (q - 1) * h;
            for (int p = 1; p <= N + 1; ++p) {
                const double xp = (p - 1) * h;
                Eng.CantUnitMoment[e][q][p] = Lc != 0 && xp <= aq ? sign * (aq - xp) : 0.0;
            }
        }
    }
}

void CantileverDeflection() {
    const int lc = Eng.CurrentCase;
    constexpr int N = kDeflectionIntervals;
    for (int e = 1; e <= 2; ++e) {
        const int32 active = e == 1 ? Eng.LHCantileverActive[lc] : Eng.RHCantileverActive[lc];
        if (active != 1) continue;
        const double scale = Eng.CantileverLength[lc][e - 1] / (N * Eng.BeamIxx * Eng.BeamE) / 3;
        for (int q = 1; q <= N + 1; ++q) {
            double sum = 0;
            for (int p = 1; p <= N + 1; ++p)
                sum += Eng.CantileverMoment[e][p] * Eng.CantUnitMoment[e][q][p] * SimpsonWeight(p, N);
            Eng.CantBendingDeflection[e][q] = sum * scale;
        }
    }
}

} // namespace kx
