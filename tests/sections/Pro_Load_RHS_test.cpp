// Rectangular hollow section file: every derived row against its outline and the formulas printed.
#include "sections/Pro_Load_RHS.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

namespace {

// A B × D rectangle about its centre with its corners rounded to radius r, anticlockwise.
PolygonValues roundedRectangle(double B, double D, double r) {
    Points p;
    addArc(p, B / 2 - r, D / 2 - r, r, 0, 90);
    addArc(p, -B / 2 + r, D / 2 - r, r, 90, 180);
    addArc(p, -B / 2 + r, -D / 2 + r, r, 180, 270);
    addArc(p, B / 2 - r, -D / 2 + r, r, 270, 360);
    return polygonValues(p);
}

} // namespace

TEST(Pro_Load_RHS, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_RHS, "RHS.sct");
    const Expected e = expectedRecords("RHS.sct", 193, true, false);
    ASSERT_EQ(recs.size(), 193u);
    // Rows whose torsion stress length is stored as published rather than as t + K/t to three figures.
    const std::vector<int> storedTorsionLength = {104, 140, 171, 178};
    for (const std::vector<int>& group : groupsOf(e)) {
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::uint8_t* r = rec.data();
            const std::string where = "RHS.sct record " + std::to_string(pos) + " " + e.names[pos - 1];
            const std::vector<double> n = numbersIn(e.names[pos - 1]);
            ASSERT_EQ(n.size(), 3u) << where;
            const float D = singleAt(r, 28), B = singleAt(r, 32), t = singleAt(r, 36);
            EXPECT_TRUE(D == float(n[0]) && B == float(n[1]) && t == float(n[2])) << where << " D, B, t";
            EXPECT_TRUE(singleAt(r, 40) == t && singleAt(r, 44) == t) << where << " T = r1 = t";
            EXPECT_TRUE(within(at(rec, 52), double(B) - 3 * double(t), 1e-7)) << where << " b";
            EXPECT_TRUE(within(at(rec, 56), double(D) - 3 * double(t), 1e-7)) << where << " d";
            EXPECT_TRUE(singleAt(r, 128) == B / 2 && singleAt(r, 132) == D / 2) << where << " bytes 128, 132";

            const double ro = 1.25 * t, ri = t;
            const double A = at(rec, 100), Ixx = at(rec, 104), Iyy = at(rec, 108);
            EXPECT_TRUE(within(A, 2 * t * (B + D - 2.0 * t) - (4 - Pi) * (ro * ro - ri * ri), 1e-4))
                << where << " A";
            const PolygonValues outer = roundedRectangle(B, D, ro),
                                inner = roundedRectangle(B - 2 * t, D - 2 * t, ri);
            EXPECT_TRUE(within(A, outer.A - inner.A, 1e-4)) << where << " A of the outline";
            EXPECT_TRUE(within(Ixx, outer.Ixx - inner.Ixx, 1e-4)) << where << " Ixx";
            EXPECT_TRUE(within(Iyy, outer.Iyy - inner.Iyy, 1e-4)) << where << " Iyy";
            EXPECT_TRUE(within(at(rec, 112), std::sqrt(Ixx / A), 1e-4)) << where << " rx";
            EXPECT_TRUE(within(at(rec, 116), std::sqrt(Iyy / A), 1e-4)) << where << " ry";

            const double Rc = 1.125 * t;
            const double h = 2 * ((B - t) + (D - t)) - 2 * Rc * (4 - Pi);
            const double Ah = (B - t) * (D - t) - Rc * Rc * (4 - Pi);
            const double K = 2 * Ah * t / h;
            EXPECT_TRUE(within(at(rec, 156), t * t * t * h / 3 + 2 * K * Ah, 1e-4)) << where << " J";
            if (std::count(storedTorsionLength.begin(), storedTorsionLength.end(), pos) == 0) {
                char text[32];
                std::snprintf(text, sizeof text, "%.2e", t + K / t);
                EXPECT_EQ(singleAt(r, 160), std::strtof(text, nullptr)) << where << " byte 160";
            }
            const double c = t * (10 - 3 * Pi) / (12 - 3 * Pi), Ao = (1 - Pi / 4) * ro * ro,
                         Ai = (1 - Pi / 4) * ri * ri;
            const auto plastic = [&](double b, double d) {
                return b * d * d / 4 - (b - 2 * t) * (d - 2 * t) * (d - 2 * t) / 4 - 2 * Ao * (d - 2 * c) +
                       2 * Ai * (d - 2 * t - 2 * c);
            };
            EXPECT_TRUE(within(at(rec, 168), plastic(B, D), 1e-4)) << where << " Sx";
            EXPECT_TRUE(within(at(rec, 172), plastic(D, B), 1e-4)) << where << " Sy";
            for (int off : {100, 104, 108, 112, 116, 156, 168, 172})
                EXPECT_TRUE(heldTo(singleAt(r, off), 5)) << where << " byte " << off;
            for (auto [x, y] : {std::pair{104, 108}, {112, 116}, {168, 172}, {52, 56}, {128, 132}})
                EXPECT_TRUE(D != B || singleAt(r, x) == singleAt(r, y))
                    << where << " bytes " << x << ", " << y;
        }
        // Within a group the wall thickens: the properties rise, the radii of gyration, b and d fall.
        for (int off : {100, 104, 108, 156, 160, 168, 172})
            expectRising(recs, group, off, "RHS.sct");
        for (std::size_t k = 1; k < group.size(); ++k)
            for (int off : {112, 116, 52, 56})
                EXPECT_GT(at(recs[group[k - 1] - 1], off), at(recs[group[k] - 1], off))
                    << "byte " << off << " record " << group[k];
    }
}
