// Seeded random beams: spans, cantilevers, support kinds, point loads (now and then exactly on a
// support) and trapezoidal loads with load factors, in up to five loadcases.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "engine/BeamBuilder.h"

namespace kx::test {

// The next random beam drawn from `random`.
inline BeamBuilder RandomBeam(std::mt19937& random) {
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    auto f = [](double v) { return static_cast<float>(v); };
    const int n = pick(1, 20);
    std::vector<double> spans;
    for (int i = 0; i < n; ++i)
        spans.push_back(std::round(uniform(1000, 8000)));
    const double lh = pick(0, 1) ? std::round(uniform(500, 3000)) : 0;
    const double rh = pick(0, 1) ? std::round(uniform(500, 3000)) : 0;
    BeamBuilder beam;
    beam.LHCantilever(lh).Spans(spans).RHCantilever(rh);
    const int supportKind = pick(0, 3);
    const float spring = 210000.0f * 1e8f / 2000;
    if (supportKind == 1) beam.Support(1, supFixedEnd).Support(n + 1, supFixedEnd);
    if (supportKind == 2) beam.Support(1, supCouplerTop, spring).Support(n + 1, supCouplerMid, 2 * spring);
    if (supportKind == 2 && n > 1) beam.Support(2, supCouplerMid, 2 * spring);
    if (supportKind == 3) beam.AllSupports(supForkhead);
    if (supportKind == 3 && pick(0, 1)) beam.Support(n + 1, supFixedEnd);
    if (pick(0, 1)) beam.Section(210000, 1e8, 8e7).ShearDeflection();

    std::vector<double> supports{lh};
    for (double L : spans)
        supports.push_back(supports.back() + L);
    const double length = supports.back() + rh;
    for (int i = pick(1, 50); i > 0; --i) {
        const int lc = pick(1, 5);
        const float LF = f(pick(0, 1) ? 1.0 : uniform(1.0, 1.6));
        if (pick(0, 1)) {
            const double a =
                pick(0, 4) == 0 ? supports[static_cast<std::size_t>(pick(0, n))] : uniform(0, length);
            beam.Point(lc, f(a), f(uniform(500, 20000)), LF);
        } else {
            const double a = uniform(0, length - 100), w1 = uniform(0, 20), w2 = uniform(0, 20);
            beam.Distributed(lc, f(a), f(w1), f(w2), f(uniform(100, length - a)), LF);
        }
    }
    return beam;
}

} // namespace kx::test
