// Deflection by unit loads with Simpson's rule, cantilever tips through the support rotations,
// and shear deflection from the shear of the load pieces.
#include "engine/Deflection.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/EngineState.h"

namespace kx {

namespace {

constexpr int N = kDeflectionIntervals;
// The LH cantilever's angle is held just below a right angle, so that its tangent stays finite.
constexpr double kMaxCantileverAngle = 1.5707;

// Deflection of the cantilever point at x from its support, seen from the support at the angle phi.
double TiltedDeflection(double phi, double x) { return std::sin(phi) / std::cos(phi) * x; }

bool ShearDeflectionWanted() { return Model.SpanData[kFlagsRow][kShearDeflectionField] == 1.0f; }

// Shear deflection of one span under the shear V of its load pieces at the twentieth points:
// integrated from each support towards the middle, each interval in ten steps along a
// straight-line shear, so that it is 0 at both supports. The constant shear that the end moments
// add is left out: with both supports held it gives no shear deflection.
void SpanShearDeflection(const TwentiethRow<double>& V, double h, double GA, TwentiethRow<float>& out) {
    const double step = h / 10 / GA;
    // The ten steps' shears V + j dV, j = 1..10, sum to 10 V + 55 dV.
    double T = 0;
    out[1] = 0;
    for (int k = 2; k <= 11; ++k) {
        const double dV = (V[k] - V[k - 1]) / 10;
        T -= (10 * V[k - 1] + 55 * dV) * step;
        out[k] = static_cast<float>(T);
    }
    T = 0;
    out[N + 1] = 0;
    for (int k = N; k >= 12; --k) {
        const double dV = (V[k] - V[k + 1]) / 10;
        T += (10 * V[k + 1] + 55 * dV) * step;
        out[k] = static_cast<float>(T);
    }
}

// Shear deflection of a cantilever from its support outward (trapezoidal rule on the shear V,
// positive for an upward shear, i.e. minus the load outward of the point).
void CantileverShearDeflection(int e, double Lc, double GA) {
    auto& d = Eng.CantShearDeflection[e];
    const double h = Lc / N;
    for (int p = 2; p <= N + 1; ++p) {
        const double V = -static_cast<double>(Eng.CantileverShear[e][p]);
        const double Vprev = -static_cast<double>(Eng.CantileverShear[e][p - 1]);
        d[p] = static_cast<float>(d[p - 1] + (V + Vprev) / 2 * h / GA);
    }
}

} // namespace

void CalcUnitMomentDiagrams() {
    // The unit load enters no fixed-end moment and the cantilevers apply none, so the continuous
    // beam under it has no support rotations: its diagram is that of a simply supported span.
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    for (int i = 1; i <= n; ++i) {
        const double L = Eng.LoadcaseSpanLength[lc][i];
        if (Eng.UnitMomentLength[i] == L) continue; // the same diagrams as before
        Eng.UnitMomentLength[i] = L;
        std::array<double, N + 1> x;
        for (int p = 0; p <= N; ++p)
            x[p] = p * L / N;
        for (int q = 1; q <= N + 1; ++q) {
            double* row = Eng.UnitMomentStore[i][q].begin();
            // No unit load stands on the RH support: that row stays 0.
            const double a = x[q - 1];
            const double RA = q <= N ? 1.0 * (L - a) / L : 0.0;
            const double RB = q <= N ? 1.0 - RA : 0.0;
            // The points up to the load (x[p] <= a: p < q, the points being in order) and past it.
            for (int p = 0; p < q; ++p)
                row[p] = RA * x[p];
            for (int p = q; p <= N; ++p)
                row[p] = (L - x[p]) * RB;
        }
    }
}

void IntegrateDeflection() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    const double EI = Eng.BeamIxx * Eng.BeamE;

    for (int s = 1; s <= n; ++s) {
        const double L = Eng.LoadcaseSpanLength[lc][s];
        TwentiethRow<double> weighted;
        for (int p = 1; p <= N + 1; ++p)
            weighted[p] = Eng.BendingMoment[s][p] * SimpsonWeight(p, N);
        const auto& unit = Eng.UnitMomentStore[s];
        // Seven points at a time, each sum still taken over p in order: the seven chains of
        // additions run side by side.
        constexpr int kChains = 7;
        static_assert((N + 1) % kChains == 0);
        std::array<double, N + 1> sums; // point q at [q - 1]
        for (int q = 1; q <= N + 1; q += kChains) {
            std::array<double, kChains> sum{};
            for (int p = 0; p <= N; ++p) {
                const double w = weighted[p + 1];
                for (int k = 0; k < kChains; ++k)
                    sum[k] += w * unit[q + k].begin()[p];
            }
            std::copy(sum.begin(), sum.end(), sums.begin() + (q - 1));
        }
        // Apart from the sums, so that the divisions run side by side.
        double* deflection = Eng.SpanDeflection[s].begin();
        for (int q = 0; q <= N; ++q)
            deflection[q] = -sums[static_cast<std::size_t>(q)] * L / (N * EI) / 3;
    }

    // Cantilever tips: their own bending plus the rotation of the end support.
    const double LcL = Eng.CantileverLength[lc][0];
    if (Eng.LHCantileverActive[lc] == 1 && LcL != 0) {
        for (int q = 2; q <= N + 1; ++q) {
            const double x = (q - 1) * LcL / N;
            double phi = std::atan(Eng.CantBendingDeflection[1][q] / x) - Eng.SupportRotation[1];
            if (phi > kMaxCantileverAngle) phi = kMaxCantileverAngle;
            Eng.CantDeflectionPoints[q] = TiltedDeflection(phi, x);
        }
        Eng.CantDeflectionPoints[1] = 0;
    }
    const double LcR = Eng.CantileverLength[lc][1];
    if (Eng.RHCantileverActive[lc] == 1 && LcR != 0 && n >= 1) {
        for (int q = 2; q <= N + 1; ++q) {
            const double x = (q - 1) * LcR / N;
            const double phi = -(std::atan(Eng.CantBendingDeflection[2][q] / x) - Eng.SupportRotation[n + 1]);
            Eng.CantDeflectionStore[q] = TiltedDeflection(phi, x);
        }
    }

    for (int s = 1; s <= n; ++s) {
        float largest = 0, smallest = 0;
        for (int q = 1; q <= N + 1; ++q) {
            const float d = static_cast<float>(Eng.SpanDeflection[s][q]);
            if (d > largest) largest = d;
            if (d < smallest) smallest = d;
        }
        Eng.SpanMaxDeflection[lc][s] = -(-smallest > largest ? smallest : largest);
    }

    // Shear deflection is left out on forkhead beams, whose spans may have merged over released supports.
    if (Model.SupportType[1] == supForkhead || !ShearDeflectionWanted()) return;
    for (int q = 1; q <= N + 1; ++q) {
        Eng.CantDeflectionPoints[q] += Eng.CantShearDeflection[1][q];
        Eng.CantDeflectionStore[q] += Eng.CantShearDeflection[2][q];
    }
    for (int s = 1; s <= Model.SpanCount[0]; ++s)
        for (int q = 1; q <= N + 1; ++q)
            Eng.SpanDeflection[s][q] += Eng.ShearDeflection[s][q];
}

void ShearDeflectionPass() {
    const int lc = Eng.CurrentCase;
    const int n = Model.SpanCount[lc];
    const double GA = Model.SpanData[1][mfGA];
    for (auto& row : Eng.CantShearDeflection)
        row.fill(0);
    for (int s = 1; s <= n; ++s)
        Eng.ShearDeflection[s].fill(0);
    // Without a shear stiffness there is no shear deflection to find.
    if (!(GA > 0)) return;

    double phiL = 0, phiR = 0;
    const double LcL = Eng.CantileverLength[lc][0], LcR = Eng.CantileverLength[lc][1];
    if (Model.SpanData[kLHCantRow][mfExists] == 1.0f && n >= 1) {
        CantileverShearDeflection(1, LcL, GA);
        // The root moment's constant shear in the first span tilts the support.
        const double L1 = Eng.LoadcaseSpanLength[lc][1];
        const double ML0 = -static_cast<double>(Eng.CantileverMoment[1][1]);
        phiL = ML0 / L1 * L1 / GA / L1;
    }
    for (int s = 1; s <= n; ++s) {
        // The profile is linear in the shear: one profile of the pieces' summed shear serves.
        TwentiethRow<double> V;
        for (int q = 1; q <= Eng.SpanPieceCount[s]; ++q) {
            const auto& piece = Eng.PieceShear[s][q];
            for (int k = 1; k <= N + 1; ++k)
                V[k] += piece[k];
        }
        SpanShearDeflection(V, Model.SpanData[s][mfL] / N, GA, Eng.ShearDeflection[s]);
    }
    if (Model.SpanData[kRHCantRow][mfExists] == 1.0f && n >= 1) {
        CantileverShearDeflection(2, LcR, GA);
        const double Ln = Eng.LoadcaseSpanLength[lc][n];
        const double MR0 = Eng.CantileverMoment[2][1];
        phiR = MR0 / Ln * Ln / GA / Ln;
    }
    for (int k = 2; k <= N + 1; ++k) {
        Eng.CantShearDeflection[1][k] =
            static_cast<float>(Eng.CantShearDeflection[1][k] - phiL * (k - 1) * LcL / N);
        Eng.CantShearDeflection[2][k] =
            static_cast<float>(Eng.CantShearDeflection[2][k] + phiR * (k - 1) * LcR / N);
    }
}

} // namespace kx
