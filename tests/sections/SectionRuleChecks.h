// Test support for the derived section rows: independent closed forms and outlines traced as polygons.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "SectionTestSupport.h"

namespace sectiontest {

constexpr double Pi = std::numbers::pi;

// The torsion stress length of a junction whose inscribed circle has diameter D1, root radius r, area A.
inline double torsionStressLength(double D1, double r, double A) {
    return D1 / (1 + Pi * Pi * std::pow(D1, 4) / (16 * A * A)) *
           (1 + (0.118 * std::log(1 + D1 / (2 * r)) + 0.238 * D1 / (2 * r)) * std::tanh(1.0));
}

// Relative tolerances of a parallel-flange table's rules, and the significant figures of its derived values.
struct IHTolerances {
    double area, radii, moments, J, Sx, Sy, Hxu, L160;
    int figures, uFigures;
};

// The rules every parallel-flange row obeys, by the closed forms as printed: exact halves and d, the
// properties within the table's tolerances and held to its figures.
inline void expectIHRules(const Image& rec, const IHTolerances& tol, const std::string& where) {
    const double D = at(rec, 28), B = at(rec, 32), t = at(rec, 36), T = at(rec, 40), r1 = at(rec, 44);
    EXPECT_EQ(singleAt(rec.data(), 52), singleAt(rec.data(), 32) / 2) << where << " b = B/2";
    EXPECT_EQ(singleAt(rec.data(), 128), singleAt(rec.data(), 32) / 2) << where << " byte 128 = B/2";
    EXPECT_EQ(singleAt(rec.data(), 132), singleAt(rec.data(), 28) / 2) << where << " byte 132 = D/2";
    EXPECT_TRUE(within(at(rec, 56), D - 2 * (T + r1), 2e-7)) << where << " d = D - 2(T + r1)";

    const double fA = (1 - Pi / 4) * r1 * r1, fc = (10 - 3 * Pi) / (12 - 3 * Pi) * r1; // one root fillet
    const double fI = (1.0 / 3 - Pi / 16 - 1 / (36 * (1 - Pi / 4))) * std::pow(r1, 4);
    const double wantIxx = B * std::pow(D, 3) / 12 - (B - t) * std::pow(D - 2 * T, 3) / 12 +
                           4 * (fI + fA * std::pow(D / 2 - T - fc, 2));
    const double wantIyy = 2 * T * std::pow(B, 3) / 12 + (D - 2 * T) * std::pow(t, 3) / 12 +
                           4 * (fI + fA * std::pow(t / 2 + fc, 2));
    const double D1 = (std::pow(T + r1, 2) + (r1 + t / 4) * t) / (2 * r1 + T);
    const double alpha =
        -0.042 + 0.2204 * t / T + 0.1355 * r1 / T - 0.0865 * r1 * t / (T * T) - 0.0725 * t * t / (T * T);
    const double wantJ = 2.0 / 3 * B * std::pow(T, 3) + (D - 2 * T) * std::pow(t, 3) / 3 -
                         0.420 * std::pow(T, 4) + 2 * alpha * std::pow(D1, 4);

    const double A = at(rec, 100), Ixx = at(rec, 104), Iyy = at(rec, 108), J = at(rec, 156),
                 Sx = at(rec, 168);
    EXPECT_TRUE(within(A, 2 * B * T + (D - 2 * T) * t + (4 - Pi) * r1 * r1, tol.area)) << where << " A";
    EXPECT_TRUE(within(Ixx, wantIxx, tol.moments)) << where << " Ixx";
    EXPECT_TRUE(within(Iyy, wantIyy, tol.moments)) << where << " Iyy";
    EXPECT_TRUE(within(at(rec, 112), std::sqrt(Ixx / A), tol.radii)) << where << " rx";
    EXPECT_TRUE(within(at(rec, 116), std::sqrt(Iyy / A), tol.radii)) << where << " ry";
    EXPECT_TRUE(within(J, wantJ, tol.J)) << where << " J";
    EXPECT_TRUE(
        within(Sx, B * T * (D - T) + t * std::pow(D - 2 * T, 2) / 4 + (4 - Pi) * r1 * r1 * D / 2, tol.Sx))
        << where << " Sx";
    EXPECT_TRUE(
        within(at(rec, 172), T * B * B / 2 + (D - 2 * T) * t * t / 4 + (4 - Pi) * r1 * r1 * t / 2, tol.Sy))
        << where << " Sy";
    // H, x and u follow from the properties as stored.
    const double h = D - T;
    EXPECT_TRUE(within(at(rec, 184), Iyy * h * h / 4, tol.Hxu)) << where << " H";
    EXPECT_TRUE(within(at(rec, 180), 0.566 * h * std::sqrt(A / J), tol.Hxu)) << where << " x";
    EXPECT_TRUE(within(at(rec, 180), 1.132 * std::sqrt(A * at(rec, 184) / (Iyy * J)), tol.Hxu))
        << where << " x";
    EXPECT_TRUE(
        within(at(rec, 176), std::pow(4 * Sx * Sx * (1 - Iyy / Ixx) / (A * A * h * h), 0.25), tol.Hxu))
        << where << " u";
    EXPECT_TRUE(within(at(rec, 160), torsionStressLength(D1, r1, A), tol.L160)) << where << " byte 160";
    for (int off : {100, 104, 108, 112, 116, 156, 160, 168, 172, 180, 184})
        EXPECT_TRUE(heldTo(singleAt(rec.data(), off), tol.figures)) << where << " byte " << off;
    EXPECT_TRUE(heldTo(singleAt(rec.data(), 176), tol.uFigures)) << where << " u";
}

// The values at off rise strictly over the rows of a group.
inline void expectRising(const std::vector<Image>& recs, const std::vector<int>& group, int off,
                         const std::string& file) {
    for (std::size_t k = 1; k < group.size(); ++k)
        EXPECT_LT(at(recs[group[k - 1] - 1], off), at(recs[group[k] - 1], off))
            << file << " byte " << off << " from record " << group[k - 1] << " to " << group[k];
}

// A wide-flange file: every section row by the rules, D/25.4, B/25.4 and the mass at 7.85e-3 kg/m per
// mm² against the designation "W d x b x m" (inches, pounds per foot) within the ranges as printed (inches
// to two decimals, fractions to three), one root radius per group but for the rows named, d within
// dSpread over a group, and the values at rising strictly within each group.
struct WideFlange {
    IHTolerances tol;
    std::pair<double, double> depth, width, mass; // lowest and highest departure from the name
    double dSpread;
    std::vector<int> otherRootRadius, rising;
};
inline void expectWideFlangeRows(const std::vector<Image>& recs, const Expected& e, const WideFlange& w,
                                 const std::string& file) {
    ASSERT_EQ(recs.size(), e.names.size()) << file;
    for (const std::vector<int>& group : groupsOf(e)) {
        double dLo = 1e300, dHi = -1e300;
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string where = file + " record " + std::to_string(pos) + " " + e.names[pos - 1];
            expectIHRules(rec, w.tol, where);
            const std::vector<double> n = numbersIn(e.names[pos - 1]);
            ASSERT_EQ(n.size(), 3u) << where;
            const double depth = at(rec, 28) / 25.4 - n[0], width = at(rec, 32) / 25.4 - n[1];
            const double mass = at(rec, 100) * 7.85e-3 / (n[2] * 1.48816) - 1;
            const auto inRange = [](double v, std::pair<double, double> r, double slack) {
                return v >= r.first - slack && v <= r.second + slack;
            };
            EXPECT_TRUE(inRange(depth, w.depth, 0.005)) << where << " depth " << depth;
            EXPECT_TRUE(inRange(width, w.width, 0.005)) << where << " width " << width;
            EXPECT_TRUE(inRange(mass, w.mass, 5e-4)) << where << " mass " << mass;
            if (std::count(w.otherRootRadius.begin(), w.otherRootRadius.end(), pos) == 0) {
                EXPECT_EQ(at(rec, 44), at(recs[group.front() - 1], 44)) << where << " root radius";
            }
            dLo = std::min(dLo, at(rec, 56));
            dHi = std::max(dHi, at(rec, 56));
        }
        EXPECT_LE(dHi - dLo, w.dSpread + 1e-4) << file << " d over the group of record " << group.front();
        for (int off : w.rising)
            expectRising(recs, group, off, file);
    }
}

// ---- Outlines as fine polygons (Green's theorem), independent of the program's composition.

struct PolygonValues {
    double A, cx, cy, Ixx, Iyy, Ixy; // centroid and moments about centroidal axes
};

using Points = std::vector<std::pair<double, double>>;

// Appends the arc about (cx, cy) from angle a0 to a1 (degrees) in n steps, both ends included.
inline void addArc(Points& p, double cx, double cy, double r, double a0, double a1, int n = 4000) {
    for (int i = 0; i <= n; ++i) {
        const double a = (a0 + (a1 - a0) * i / n) * Pi / 180;
        p.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
}

inline PolygonValues polygonValues(const Points& p) {
    double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto [x0, y0] = p[i];
        const auto [x1, y1] = p[(i + 1) % p.size()];
        const double c = x0 * y1 - x1 * y0;
        a += c / 2;
        sx += (x0 + x1) * c / 6;
        sy += (y0 + y1) * c / 6;
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12;
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * c / 12;
        ixy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * c / 24;
    }
    const double cx = sx / a, cy = sy / a;
    return {a, cx, cy, ixx - a * cy * cy, iyy - a * cx * cx, ixy - a * cx * cy};
}

} // namespace sectiontest
