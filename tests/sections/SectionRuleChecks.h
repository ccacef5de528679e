// Test support for the derived section tables: layouts from printed lists, independent formulas.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "SectionTestSupport.h"

namespace sectiontest {

constexpr double Pi = std::numbers::pi;

// The designations of a file in order, from a list as printed: each quoted text is a section row
// and each word "spacer" a spacer row (returned as ""); numbering and punctuation are ignored.
inline std::vector<std::string> designationsInOrder(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            out.push_back(text.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (text.compare(i, 6, "spacer") == 0) {
            out.emplace_back();
            i += 6;
        } else {
            ++i;
        }
    }
    return out;
}

// Positions (from 1) of the section rows of each group: the runs between spacer rows.
inline std::vector<std::vector<int>> groupsOf(const std::vector<std::string>& designations) {
    std::vector<std::vector<int>> groups(1);
    for (std::size_t i = 0; i < designations.size(); ++i) {
        if (designations[i].empty()) {
            if (!groups.back().empty()) groups.emplace_back();
        } else {
            groups.back().push_back(static_cast<int>(i + 1));
        }
    }
    if (groups.back().empty()) groups.pop_back();
    return groups;
}

// The numbers written in a designation, in order ("W21 x 12-1/4 x 101" gives 21, 12.25, 101).
inline std::vector<double> numbersIn(const std::string& designation) {
    std::vector<double> out;
    const char* p = designation.c_str();
    while (*p) {
        if (!std::isdigit(static_cast<unsigned char>(*p))) {
            ++p;
            continue;
        }
        char* end = nullptr;
        double v = std::strtod(p, &end);
        // A fraction after a whole number: "12-1/4".
        if (end[0] == '-' && std::isdigit(static_cast<unsigned char>(end[1])) && end[2] == '/' &&
            std::isdigit(static_cast<unsigned char>(end[3]))) {
            v += double(end[1] - '0') / double(end[3] - '0');
            end += 4;
        }
        out.push_back(v);
        p = end;
    }
    return out;
}

// The records of a file written by a writer into a fresh start-up directory.
inline std::vector<Image> writtenRecords(void (*writer)(), const std::string& name) {
    StartDirScope dir;
    writer();
    const std::vector<std::uint8_t> bytes = fileBytes(dir.path(name));
    std::vector<Image> recs;
    for (std::size_t r = 0; r + 200 <= bytes.size(); r += 200)
        recs.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(r),
                          bytes.begin() + static_cast<std::ptrdiff_t>(r + 200));
    EXPECT_EQ(bytes.size() % 200, 0u) << name;
    return recs;
}

inline double at(const Image& rec, int off) { return singleAt(rec.data(), off); }

// True when the stored single is the one nearest to a decimal of at most n significant figures.
inline bool heldTo(float v, int n) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", n - 1, static_cast<double>(v));
    return std::strtof(text, nullptr) == v;
}

inline ::testing::AssertionResult within(double got, double want, double rel) {
    if (std::fabs(got - want) <= rel * std::fabs(want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " against " << want << " (relative difference "
                                         << (got - want) / want << ", allowed " << rel << ")";
}

// How a file's records are laid out besides their numbers.
struct Layout {
    std::vector<std::string> designations;        // in file order, "" for a spacer row
    std::string shape;                            // shape code of the section rows
    std::function<std::string(int)> spacerShape;  // shape code of the spacer row at a position
    std::vector<std::pair<int, float>> constants; // set in every section row
    std::vector<int> zeros;                       // singles that hold 0 in every record
};

// Positions (from 1) of the spacer rows.
inline std::vector<int> spacerPositions(const std::vector<std::string>& designations) {
    std::vector<int> out;
    for (std::size_t i = 0; i < designations.size(); ++i)
        if (designations[i].empty()) out.push_back(static_cast<int>(i + 1));
    return out;
}

// Designation bytes, shape codes, record numbers, constants, zero fields and empty spacer rows.
inline void expectLayout(const std::vector<Image>& recs, const Layout& layout, const std::string& file) {
    ASSERT_EQ(recs.size(), layout.designations.size()) << file;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const int pos = static_cast<int>(i + 1);
        const std::uint8_t* rec = recs[i].data();
        const std::string where = file + " record " + std::to_string(pos);
        std::string want = layout.designations[i];
        want.resize(25, ' ');
        EXPECT_EQ(rec[0], 25) << where;
        EXPECT_EQ(stringAt(rec, 0), want) << where;
        EXPECT_EQ(int32At(rec, 196), pos) << where;
        if (layout.designations[i].empty()) {
            EXPECT_EQ(stringAt(rec, 88), layout.spacerShape(pos)) << where;
            expectSinglesZero(rec, where);
            continue;
        }
        EXPECT_EQ(stringAt(rec, 88), layout.shape) << where;
        for (const auto& [off, v] : layout.constants) {
            EXPECT_EQ(singleAt(rec, off), v) << where << " byte " << off;
        }
        for (int off : layout.zeros) {
            EXPECT_EQ(singleAt(rec, off), 0.0f) << where << " byte " << off;
        }
        EXPECT_GT(singleAt(rec, 32), 0.0f) << where << ": a section row holds its width";
    }
}

// Compares the records at the typed positions field by field with the typed images.
inline void expectListedRows(const std::vector<Image>& recs, const std::vector<Image>& expected,
                             const std::vector<int>& positions, const std::string& file) {
    ASSERT_EQ(recs.size(), expected.size()) << file;
    for (int pos : positions) {
        const Image& got = recs[static_cast<std::size_t>(pos - 1)];
        const Image& want = expected[static_cast<std::size_t>(pos - 1)];
        EXPECT_EQ(stringAt(got.data(), 0), stringAt(want.data(), 0)) << file << " record " << pos;
        EXPECT_EQ(stringAt(got.data(), 88), stringAt(want.data(), 88)) << file << " record " << pos;
        EXPECT_EQ(int32At(got.data(), 196), int32At(want.data(), 196)) << file << " record " << pos;
        for (int off = 28; off < 196; off += 4) {
            if (off >= 88 && off < 100) continue;
            EXPECT_EQ(at(got, off), at(want, off)) << file << " record " << pos << " byte " << off;
        }
        EXPECT_EQ(got, want) << file << " record " << pos << " differs in a byte that holds no value";
    }
}

// ---- Parallel-flange I and H sections, by the closed forms as printed.

struct IHValues {
    double A, Ixx, Iyy, J, Sx, Sy, L160;
};

inline double torsionStressLength(double D1, double r, double A) {
    return D1 / (1 + Pi * Pi * std::pow(D1, 4) / (16 * A * A)) *
           (1 + (0.118 * std::log(1 + D1 / (2 * r)) + 0.238 * D1 / (2 * r)) * std::tanh(1.0));
}

inline IHValues ihValues(double D, double B, double t, double T, double r1) {
    IHValues v{};
    v.A = 2 * B * T + (D - 2 * T) * t + (4 - Pi) * r1 * r1;
    const double af = (1 - Pi / 4) * r1 * r1;
    const double cf = (10 - 3 * Pi) / (12 - 3 * Pi) * r1;
    const double own = (1.0 / 3 - Pi / 16 - 1 / (36 * (1 - Pi / 4))) * std::pow(r1, 4);
    v.Ixx = B * std::pow(D, 3) / 12 - (B - t) * std::pow(D - 2 * T, 3) / 12 +
            4 * (own + af * std::pow(D / 2 - T - cf, 2));
    v.Iyy = 2 * T * std::pow(B, 3) / 12 + (D - 2 * T) * std::pow(t, 3) / 12 +
            4 * (own + af * std::pow(t / 2 + cf, 2));
    const double D1 = (std::pow(T + r1, 2) + (r1 + t / 4) * t) / (2 * r1 + T);
    const double alpha =
        -0.042 + 0.2204 * t / T + 0.1355 * r1 / T - 0.0865 * r1 * t / (T * T) - 0.0725 * t * t / (T * T);
    v.J = 2.0 / 3 * B * std::pow(T, 3) + (D - 2 * T) * std::pow(t, 3) / 3 - 0.420 * std::pow(T, 4) +
          2 * alpha * std::pow(D1, 4);
    v.Sx = B * T * (D - T) + t * std::pow(D - 2 * T, 2) / 4 + (4 - Pi) * r1 * r1 * D / 2;
    v.Sy = T * B * B / 2 + (D - 2 * T) * t * t / 4 + (4 - Pi) * r1 * r1 * t / 2;
    v.L160 = torsionStressLength(D1, r1, v.A);
    return v;
}

// Relative tolerances of a table's rules.
struct IHTolerances {
    double area, radii, moments, J, Sx, Sy, Hxu, L160;
};

// The rules every parallel-flange row obeys: exact halves and d, the formulas within tolerance.
inline void expectIHRules(const Image& rec, const IHTolerances& tol, const std::string& where) {
    const double D = at(rec, 28), B = at(rec, 32), t = at(rec, 36), T = at(rec, 40), r1 = at(rec, 44);
    EXPECT_EQ(singleAt(rec.data(), 52), singleAt(rec.data(), 32) / 2) << where << " b = B/2";
    EXPECT_EQ(singleAt(rec.data(), 128), singleAt(rec.data(), 32) / 2) << where << " byte 128 = B/2";
    EXPECT_EQ(singleAt(rec.data(), 132), singleAt(rec.data(), 28) / 2) << where << " byte 132 = D/2";
    EXPECT_TRUE(within(at(rec, 56), D - 2 * (T + r1), 2e-7)) << where << " d = D - 2(T + r1)";
    const IHValues v = ihValues(D, B, t, T, r1);
    const double A = at(rec, 100), Ixx = at(rec, 104), Iyy = at(rec, 108);
    EXPECT_TRUE(within(A, v.A, tol.area)) << where << " A";
    EXPECT_TRUE(within(Ixx, v.Ixx, tol.moments)) << where << " Ixx";
    EXPECT_TRUE(within(Iyy, v.Iyy, tol.moments)) << where << " Iyy";
    EXPECT_TRUE(within(at(rec, 112), std::sqrt(Ixx / A), tol.radii)) << where << " rx";
    EXPECT_TRUE(within(at(rec, 116), std::sqrt(Iyy / A), tol.radii)) << where << " ry";
    EXPECT_TRUE(within(at(rec, 156), v.J, tol.J)) << where << " J";
    EXPECT_TRUE(within(at(rec, 168), v.Sx, tol.Sx)) << where << " Sx";
    EXPECT_TRUE(within(at(rec, 172), v.Sy, tol.Sy)) << where << " Sy";
    // H, x and u follow from the properties as stored.
    const double h = D - T, J = at(rec, 156), Sx = at(rec, 168);
    EXPECT_TRUE(within(at(rec, 184), Iyy * h * h / 4, tol.Hxu)) << where << " H";
    EXPECT_TRUE(within(at(rec, 180), 0.566 * h * std::sqrt(A / J), tol.Hxu)) << where << " x";
    EXPECT_TRUE(within(at(rec, 180), 1.132 * std::sqrt(A * at(rec, 184) / (Iyy * J)), tol.Hxu))
        << where << " x";
    const double u = std::pow(4 * Sx * Sx * (1 - Iyy / Ixx) / (A * A * h * h), 0.25);
    EXPECT_TRUE(within(at(rec, 176), u, tol.Hxu)) << where << " u";
    EXPECT_TRUE(within(at(rec, 160), v.L160, tol.L160)) << where << " byte 160";
}

// Every derived value (A to H, byte 160 and u) held to the table's significant figures.
inline void expectIHFigures(const Image& rec, int figures, int uFigures, const std::string& where) {
    for (int off : {100, 104, 108, 112, 116, 156, 160, 168, 172, 180, 184}) {
        EXPECT_TRUE(heldTo(singleAt(rec.data(), off), figures)) << where << " byte " << off;
    }
    EXPECT_TRUE(heldTo(singleAt(rec.data(), 176), uFigures)) << where << " u";
}

// Fields of a parallel-flange table that hold 0 in every record.
inline const std::vector<int> IHZeros = {48,  60,  64,  68,  72,  76,  120, 124,
                                         136, 140, 144, 148, 152, 164, 188, 192};

// The layout of a parallel-flange table: "Beam" in every section row, E 205000, and grade 43 in
// the tables that have one.
inline Layout ihLayout(const std::vector<std::string>& designations, bool graded,
                       std::function<std::string(int)> spacerShape) {
    Layout layout;
    layout.designations = designations;
    layout.shape = "Beam";
    layout.spacerShape = std::move(spacerShape);
    layout.constants = {{84, 205000}};
    layout.zeros = IHZeros;
    if (graded)
        layout.constants.emplace_back(80, 43);
    else
        layout.zeros.push_back(80);
    return layout;
}

// A wide-flange row against its designation "W d x b x m" (inches and pounds per foot): D/25.4 - d,
// B/25.4 - b and the mass at 7.85e-3 kg/m per mm² against m lb/ft, each within its range as
// printed (inches to two decimals, percentages to one).
struct NominalRanges {
    double depthLo, depthHi, widthLo, widthHi, massLo, massHi; // inches, inches, fractions
};
inline void expectNominalSizes(const Image& rec, const std::string& name, const NominalRanges& r,
                               const std::string& where) {
    const std::vector<double> n = numbersIn(name);
    ASSERT_EQ(n.size(), 3u) << where;
    const double depth = at(rec, 28) / 25.4 - n[0], width = at(rec, 32) / 25.4 - n[1];
    const double mass = at(rec, 100) * 7.85e-3 / (n[2] * 1.48816) - 1;
    EXPECT_GE(depth, r.depthLo - 0.005) << where;
    EXPECT_LE(depth, r.depthHi + 0.005) << where;
    EXPECT_GE(width, r.widthLo - 0.005) << where;
    EXPECT_LE(width, r.widthHi + 0.005) << where;
    EXPECT_GE(mass, r.massLo - 5e-4) << where;
    EXPECT_LE(mass, r.massHi + 5e-4) << where;
}

// A wide-flange row: the section rules, six figures (u five), its nominal sizes, and the nominal
// depth and width of its group's first row.
inline void expectWideFlangeRow(const Image& rec, const std::string& name, const std::string& firstOfGroup,
                                const IHTolerances& tol, const NominalRanges& nominal,
                                const std::string& where) {
    expectIHRules(rec, tol, where);
    expectIHFigures(rec, 6, 5, where);
    expectNominalSizes(rec, name, nominal, where);
    const std::vector<double> n = numbersIn(name), first = numbersIn(firstOfGroup);
    EXPECT_EQ(n[0], first[0]) << where;
    EXPECT_EQ(n[1], first[1]) << where;
}

// The largest less the smallest value at off over a group.
inline double spreadOver(const std::vector<Image>& recs, const std::vector<int>& group, int off) {
    double lo = 1e300, hi = -1e300;
    for (int pos : group) {
        lo = std::min(lo, at(recs[pos - 1], off));
        hi = std::max(hi, at(recs[pos - 1], off));
    }
    return hi - lo;
}

// The values at off rise strictly over the rows of a group.
inline void expectRising(const std::vector<Image>& recs, const std::vector<int>& group, int off,
                         const std::string& file) {
    for (std::size_t k = 1; k < group.size(); ++k)
        EXPECT_LT(at(recs[group[k - 1] - 1], off), at(recs[group[k] - 1], off))
            << file << " byte " << off << " from record " << group[k - 1] << " to " << group[k];
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
    PolygonValues v{};
    v.A = a;
    v.cx = sx / a;
    v.cy = sy / a;
    v.Ixx = ixx - a * v.cy * v.cy;
    v.Iyy = iyy - a * v.cx * v.cx;
    v.Ixy = ixy - a * v.cx * v.cy;
    return v;
}

// An angle with its heel at the origin, leg D up the y axis and leg B along the x axis, traced
// anticlockwise: the root fillet and the two toe roundings as arcs.
inline Points angleOutline(double D, double B, double t, double r1, double r2) {
    Points p{{0, 0}, {B, 0}};
    addArc(p, B - r2, t - r2, r2, 0, 90);
    addArc(p, t + r1, t + r1, r1, 270, 180);
    addArc(p, t - r2, D - r2, r2, 0, 90);
    p.emplace_back(0, D);
    return p;
}

// A B × D rectangle about its centre with its corners rounded to radius r, anticlockwise.
inline Points roundedRectangle(double B, double D, double r) {
    Points p;
    addArc(p, B / 2 - r, D / 2 - r, r, 0, 90);
    addArc(p, -B / 2 + r, D / 2 - r, r, 90, 180);
    addArc(p, -B / 2 + r, -D / 2 + r, r, 180, 270);
    addArc(p, B / 2 - r, -D / 2 + r, r, 270, 360);
    return p;
}

// ---- Angles

// The rules every angle row obeys, against the outline traced as a polygon; principal second
// moments and the angle of the principal axes within the file's own tolerances.
inline void expectAngleRules(const Image& rec, double principalTol, double alphaTol,
                             const std::string& where) {
    const double D = at(rec, 28), B = at(rec, 32), t = at(rec, 36), r1 = at(rec, 44), r2 = at(rec, 48);
    EXPECT_EQ(singleAt(rec.data(), 40), singleAt(rec.data(), 36)) << where << " T = t";
    const double A = at(rec, 100), Ixx = at(rec, 104), Iyy = at(rec, 108), Iu = at(rec, 136),
                 Iv = at(rec, 140);
    const double alpha = at(rec, 152);
    EXPECT_TRUE(within(A, t * (D + B - t) + (1 - Pi / 4) * (r1 * r1 - 2 * r2 * r2), 5e-5)) << where << " A";

    const PolygonValues o = polygonValues(angleOutline(D, B, t, r1, r2));
    EXPECT_TRUE(within(A, o.A, 5e-5)) << where << " A of the outline";
    EXPECT_TRUE(within(Ixx, o.Ixx, 5e-5)) << where << " Ixx";
    EXPECT_TRUE(within(Iyy, o.Iyy, 5e-5)) << where << " Iyy";
    EXPECT_TRUE(within(at(rec, 120), o.cy, 5e-5)) << where << " byte 120";
    EXPECT_TRUE(within(at(rec, 124), o.cx, 5e-5)) << where << " byte 124";
    EXPECT_NEAR(at(rec, 128), B - at(rec, 124), 0.006) << where << " byte 128";
    EXPECT_NEAR(at(rec, 132), D - at(rec, 120), 0.006) << where << " byte 132";

    EXPECT_TRUE(within(at(rec, 112), std::sqrt(Ixx / A), 5e-5)) << where << " rx";
    EXPECT_TRUE(within(at(rec, 116), std::sqrt(Iyy / A), 5e-5)) << where << " ry";
    EXPECT_TRUE(within(at(rec, 144), std::sqrt(Iu / A), 5e-5)) << where << " ru";
    EXPECT_TRUE(within(at(rec, 148), std::sqrt(Iv / A), 5e-5)) << where << " rv";

    EXPECT_GT(Iu, Ixx) << where;
    EXPECT_GE(Ixx, Iyy) << where;
    EXPECT_GT(Iyy, Iv) << where;
    EXPECT_TRUE(within(Iu + Iv, Ixx + Iyy, 1.1e-3)) << where << " Iu + Iv";
    EXPECT_LE(std::fabs((Iu - Iv) * std::cos(2 * alpha * Pi / 180) - (Ixx - Iyy)), 2.1e-3 * (Iu - Iv))
        << where;
    const double mean = (o.Ixx + o.Iyy) / 2, radius = std::hypot((o.Ixx - o.Iyy) / 2, o.Ixy);
    EXPECT_TRUE(within(Iu, mean + radius, principalTol)) << where << " Iu";
    EXPECT_TRUE(within(Iv, mean - radius, principalTol)) << where << " Iv";
    EXPECT_NEAR(alpha, std::atan2(-2 * o.Ixy, o.Ixx - o.Iyy) * 90 / Pi, alphaTol) << where << " alpha";

    const double bt = B - t;
    const double K1 =
        D * std::pow(t, 3) * (1.0 / 3 - 0.21 * (t / D) * (1 - std::pow(t, 4) / (12 * std::pow(D, 4))));
    const double K2 =
        bt * std::pow(t, 3) * (1.0 / 3 - 0.105 * (t / bt) * (1 - std::pow(t, 4) / (192 * std::pow(bt, 4))));
    const double Dr = 2 * (2 * t + 3 * r1 - std::sqrt(2.0) * (2 * r1 + t));
    EXPECT_TRUE(within(at(rec, 156), K1 + K2 + (0.07 + 0.076 * r1 / t) * std::pow(Dr, 4), 1.2e-4))
        << where << " J";
    EXPECT_TRUE(within(at(rec, 160), torsionStressLength(Dr, r1, A), 5e-5)) << where << " byte 160";
    for (int off = 28; off < 196; off += 4)
        if (off < 88 || off >= 100) {
            EXPECT_TRUE(heldTo(singleAt(rec.data(), off), 5)) << where << " byte " << off;
        }
}

// Fields of an angle table that hold 0 in every record.
inline const std::vector<int> AngleZeros = {52,  56,  60,  64,  68,  72,  76,  80,
                                            164, 168, 172, 176, 180, 184, 188, 192};

} // namespace sectiontest
