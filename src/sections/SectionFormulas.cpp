// Section properties of rolled I/H sections, hollow sections and angles, from their outlines.
#include "sections/SectionFormulas.h"

#include <cmath>
#include <numbers>

namespace kx {

namespace {

constexpr double pi = std::numbers::pi;

// 10^k for 0 <= k <= 22, exact in double.
double powerOfTen(int k) {
    double p = 1;
    for (int i = 0; i < k; ++i)
        p *= 10;
    return p;
}

// Stores x rounded to n significant figures in field; returns the value stored, so that values
// worked out from it agree with the record.
double store(float& field, double x, int n) {
    const double v = RoundSig(x, n);
    field = static_cast<float>(v);
    return v;
}

// Every stored value is the single nearest to a decimal of at most seven digits; a difference of
// dimensions is brought back to that decimal before it is stored.
void storeDecimal(float& field, double x) { store(field, x, 7); }

} // namespace

double RoundSig(double x, int n) {
    if (x == 0 || !std::isfinite(x)) return x;
    const int decimals = n - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x))));
    if (decimals >= 0) {
        const double p = powerOfTen(decimals);
        return std::round(x * p) / p;
    }
    const double p = powerOfTen(-decimals);
    return std::round(x / p) * p;
}

double DimensionValue(float stored) { return RoundSig(stored, 6); }

// ---- Outline

void Outline::AddRect(double x0, double y0, double x1, double y1, double sign) {
    const double w = x1 - x0, h = y1 - y0;
    a_ += sign * w * h;
    mx_ += sign * h * (x1 * x1 - x0 * x0) / 2;
    my_ += sign * w * (y1 * y1 - y0 * y0) / 2;
    iyy_ += sign * h * (x1 * x1 * x1 - x0 * x0 * x0) / 3;
    ixx_ += sign * w * (y1 * y1 * y1 - y0 * y0 * y0) / 3;
    ixy_ += sign * (x1 * x1 - x0 * x0) * (y1 * y1 - y0 * y0) / 4;
}

// The quarter of the disc of radius r about (cx, cy) that lies towards (sx, sy).
void Outline::addQuarterDisc(double cx, double cy, double r, int sx, int sy, double sign) {
    const double a = pi * r * r / 4;
    const double m = r * r * r / 3; // first moment of the quarter disc about either of its edges
    const double i = pi * r * r * r * r / 16;
    a_ += sign * a;
    mx_ += sign * (cx * a + sx * m);
    my_ += sign * (cy * a + sy * m);
    iyy_ += sign * (cx * cx * a + 2 * cx * sx * m + i);
    ixx_ += sign * (cy * cy * a + 2 * cy * sy * m + i);
    ixy_ += sign * (cx * cy * a + (cx * sy + cy * sx) * m + sx * sy * r * r * r * r / 8);
}

void Outline::AddFillet(double cx, double cy, double r, int sx, int sy, double sign) {
    const double fx = cx + sx * r, fy = cy + sy * r;
    AddRect(std::fmin(cx, fx), std::fmin(cy, fy), std::fmax(cx, fx), std::fmax(cy, fy), sign);
    addQuarterDisc(fx, fy, r, -sx, -sy, -sign);
}

double Outline::Ixx() const { return ixx_ - my_ * my_ / a_; }
double Outline::Iyy() const { return iyy_ - mx_ * mx_ / a_; }
double Outline::Ixy() const { return ixy_ - mx_ * my_ / a_; }

// ---- Torsion

double TorsionStressLength(double D1, double r, double A) {
    const double q = D1 / (2 * r);
    return D1 / (1 + pi * pi * D1 * D1 * D1 * D1 / (16 * A * A)) *
           (1 + (0.118 * std::log(1 + q) + 0.238 * q) * std::tanh(1.0));
}

// ---- Parallel-flange I and H sections

IHProperties IHSectionProperties(double D, double B, double t, double T, double r1) {
    // Origin at the centre; flanges, web and the four fillets where web meets flange.
    const double yf = D / 2 - T;
    Outline o;
    o.AddRect(-B / 2, yf, B / 2, D / 2);
    o.AddRect(-B / 2, -D / 2, B / 2, -yf);
    o.AddRect(-t / 2, -yf, t / 2, yf);
    o.AddFillet(t / 2, yf, r1, 1, -1);
    o.AddFillet(-t / 2, yf, r1, -1, -1);
    o.AddFillet(t / 2, -yf, r1, 1, 1);
    o.AddFillet(-t / 2, -yf, r1, -1, 1);

    IHProperties p{};
    p.A = o.Area();
    p.Ixx = o.Ixx();
    p.Iyy = o.Iyy();

    const double D1 = ((T + r1) * (T + r1) + (r1 + t / 4) * t) / (2 * r1 + T);
    const double alpha =
        -0.042 + 0.2204 * t / T + 0.1355 * r1 / T - 0.0865 * r1 * t / (T * T) - 0.0725 * t * t / (T * T);
    p.J = 2.0 / 3.0 * B * T * T * T + (D - 2 * T) * t * t * t / 3 + 2 * alpha * D1 * D1 * D1 * D1 -
          0.420 * T * T * T * T;
    p.TorsionLength = TorsionStressLength(D1, r1, p.A);

    const double fillets = (4 - pi) * r1 * r1;
    p.Sx = B * T * (D - T) + t * (D - 2 * T) * (D - 2 * T) / 4 + fillets * D / 2;
    p.Sy = T * B * B / 2 + (D - 2 * T) * t * t / 4 + fillets * t / 2;
    return p;
}

void FillIHRecord(TSectionRec& rec, double D, double B, double t, double T, double r1, int sig, int uSig) {
    const IHProperties p = IHSectionProperties(D, B, t, T, r1);
    rec.D = static_cast<float>(D);
    rec.B = static_cast<float>(B);
    rec.t = static_cast<float>(t);
    rec.T = static_cast<float>(T);
    rec.r1 = static_cast<float>(r1);
    rec.b = static_cast<float>(B / 2);
    storeDecimal(rec.d, D - 2 * (T + r1));
    rec.FibreY = static_cast<float>(B / 2);
    rec.FibreX = static_cast<float>(D / 2);

    const double A = store(rec.A, p.A, sig), Ixx = store(rec.Ixx, p.Ixx, sig),
                 Iyy = store(rec.Iyy, p.Iyy, sig);
    const double J = store(rec.J, p.J, sig), Sx = store(rec.Sx, p.Sx, sig);
    store(rec.Sy, p.Sy, sig);
    store(rec.TorsionLength, p.TorsionLength, sig);
    store(rec.rx, std::sqrt(Ixx / A), sig);
    store(rec.ry, std::sqrt(Iyy / A), sig);

    const double h = D - T; // between the flange centres
    store(rec.H, Iyy * h * h / 4, sig);
    store(rec.x, 0.566 * h * std::sqrt(A / J), sig);
    store(rec.u, std::pow(4 * Sx * Sx * (1 - Iyy / Ixx) / (A * A * h * h), 0.25), uSig);
}

// ---- Rectangular hollow sections

RHSProperties RHSSectionProperties(double D, double B, double t) {
    const double ro = 1.25 * t, ri = t;
    const double bi = B - 2 * t, di = D - 2 * t;
    Outline o;
    o.AddRect(-B / 2, -D / 2, B / 2, D / 2);
    o.AddFillet(B / 2, D / 2, ro, -1, -1, -1);
    o.AddFillet(-B / 2, D / 2, ro, 1, -1, -1);
    o.AddFillet(B / 2, -D / 2, ro, -1, 1, -1);
    o.AddFillet(-B / 2, -D / 2, ro, 1, 1, -1);
    o.AddRect(-bi / 2, -di / 2, bi / 2, di / 2, -1);
    o.AddFillet(bi / 2, di / 2, ri, -1, -1);
    o.AddFillet(-bi / 2, di / 2, ri, 1, -1);
    o.AddFillet(bi / 2, -di / 2, ri, -1, 1);
    o.AddFillet(-bi / 2, -di / 2, ri, 1, 1);

    RHSProperties p{};
    p.A = o.Area();
    p.Ixx = o.Ixx();
    // A square tube holds the same values about both axes.
    p.Iyy = D == B ? p.Ixx : o.Iyy();

    // Thin-walled closed section on the mid-line, corners at the mean radius.
    const double Rc = 1.125 * t;
    const double h = 2 * ((B - t) + (D - t)) - 2 * Rc * (4 - pi);
    const double Ah = (B - t) * (D - t) - Rc * Rc * (4 - pi);
    p.K = 2 * Ah * t / h;
    p.J = t * t * t * h / 3 + 2 * p.K * Ah;

    const double Ao = (1 - pi / 4) * ro * ro, Ai = (1 - pi / 4) * ri * ri;
    const double c = t * (10 - 3 * pi) / (12 - 3 * pi);
    auto plastic = [&](double across, double deep) {
        return across * deep * deep / 4 - (across - 2 * t) * (deep - 2 * t) * (deep - 2 * t) / 4 -
               2 * Ao * (deep - 2 * c) + 2 * Ai * (deep - 2 * t - 2 * c);
    };
    p.Sx = plastic(B, D);
    p.Sy = plastic(D, B);
    return p;
}

void FillRHSRecord(TSectionRec& rec, double D, double B, double t) {
    const RHSProperties p = RHSSectionProperties(D, B, t);
    rec.D = static_cast<float>(D);
    rec.B = static_cast<float>(B);
    rec.t = rec.T = rec.r1 = static_cast<float>(t);
    storeDecimal(rec.b, B - 3 * t);
    storeDecimal(rec.d, D - 3 * t);
    rec.FibreY = static_cast<float>(B / 2);
    rec.FibreX = static_cast<float>(D / 2);
    const double A = store(rec.A, p.A, 5), Ixx = store(rec.Ixx, p.Ixx, 5), Iyy = store(rec.Iyy, p.Iyy, 5);
    store(rec.rx, std::sqrt(Ixx / A), 5);
    store(rec.ry, std::sqrt(Iyy / A), 5);
    store(rec.J, p.J, 5);
    store(rec.TorsionLength, t + p.K / t, 3);
    store(rec.Sx, p.Sx, 5);
    store(rec.Sy, p.Sy, 5);
}

// ---- Circular hollow sections

CHSProperties CHSSectionProperties(double D, double t) {
    const double d = D - 2 * t;
    CHSProperties p{};
    p.A = pi * t * (D - t);
    p.I = pi * (D * D * D * D - d * d * d * d) / 64;
    p.J = 2 * p.I;
    p.S = (D * D * D - d * d * d) / 6;
    return p;
}

void FillCHSRecord(TSectionRec& rec, double D, double t) {
    const CHSProperties p = CHSSectionProperties(D, t);
    rec.D = rec.B = static_cast<float>(D);
    rec.t = rec.T = static_cast<float>(t);
    const double A = store(rec.A, p.A, 5), I = store(rec.Ixx, p.I, 5);
    rec.Iyy = rec.Ixx;
    store(rec.rx, std::sqrt(I / A), 5);
    rec.ry = rec.rx;
    rec.FibreY = rec.FibreX = rec.TorsionLength = static_cast<float>(D / 2);
    store(rec.J, p.J, 5);
    store(rec.Sx, p.S, 5);
    rec.Sy = rec.Sx;
}

// ---- Angles

AngleProperties AngleSectionProperties(double D, double B, double t, double r1, double r2) {
    // Heel at the origin, leg D up the y axis, leg B along the x axis.
    Outline o;
    o.AddRect(0, 0, t, D);
    o.AddRect(t, 0, B, t);
    o.AddFillet(t, t, r1, 1, 1);
    o.AddFillet(t, D, r2, -1, -1, -1);
    o.AddFillet(B, t, r2, -1, -1, -1);

    AngleProperties p{};
    p.A = o.Area();
    p.cx = o.CentroidY();
    p.cy = o.CentroidX();
    p.Ixx = o.Ixx();
    p.Iyy = o.Iyy();
    const double ixy = o.Ixy();
    const double mean = (p.Ixx + p.Iyy) / 2, radius = std::hypot((p.Ixx - p.Iyy) / 2, ixy);
    p.Iu = mean + radius;
    p.Iv = mean - radius;
    p.Alpha = 0.5 * std::atan2(-2 * ixy, p.Ixx - p.Iyy) * 180 / pi;
    if (D == B) {
        // Symmetric about the 45 degree line through the heel.
        p.Iyy = p.Ixx;
        p.cy = p.cx;
        p.Alpha = 45;
    }

    const double bt = B - t;
    const double K1 = D * t * t * t * (1.0 / 3 - 0.21 * (t / D) * (1 - t * t * t * t / (12 * D * D * D * D)));
    const double K2 =
        bt * t * t * t * (1.0 / 3 - 0.105 * (t / bt) * (1 - t * t * t * t / (192 * bt * bt * bt * bt)));
    p.Dr = 2 * (2 * t + 3 * r1 - std::numbers::sqrt2 * (2 * r1 + t));
    p.J = K1 + K2 + (0.07 + 0.076 * r1 / t) * p.Dr * p.Dr * p.Dr * p.Dr;
    return p;
}

void FillAngleRecord(TSectionRec& rec, double D, double B, double t, double r1, double r2) {
    const AngleProperties p = AngleSectionProperties(D, B, t, r1, r2);
    rec.D = static_cast<float>(D);
    rec.B = static_cast<float>(B);
    rec.t = rec.T = static_cast<float>(t);
    rec.r1 = static_cast<float>(r1);
    rec.r2 = static_cast<float>(r2);
    const double A = store(rec.A, p.A, 5), Ixx = store(rec.Ixx, p.Ixx, 5), Iyy = store(rec.Iyy, p.Iyy, 5);
    const double Iu = store(rec.Iu, p.Iu, 5), Iv = store(rec.Iv, p.Iv, 5);
    store(rec.rx, std::sqrt(Ixx / A), 5);
    store(rec.ry, std::sqrt(Iyy / A), 5);
    store(rec.ru, std::sqrt(Iu / A), 5);
    store(rec.rv, std::sqrt(Iv / A), 5);
    store(rec.cx, p.cx, 5);
    store(rec.cy, p.cy, 5);
    store(rec.FibreY, B - p.cy, 5);
    store(rec.FibreX, D - p.cx, 5);
    store(rec.Alpha, p.Alpha, 5);
    store(rec.J, p.J, 5);
    store(rec.TorsionLength, TorsionStressLength(p.Dr, r1, A), 5);
}

// ---- Table derive steps

void DeriveIHRecord(TSectionRec& rec) {
    FillIHRecord(rec, DimensionValue(rec.D), DimensionValue(rec.B), DimensionValue(rec.t),
                 DimensionValue(rec.T), DimensionValue(rec.r1), 5, 5);
}

void DeriveWideFlangeRecord(TSectionRec& rec) {
    FillIHRecord(rec, DimensionValue(rec.D), DimensionValue(rec.B), DimensionValue(rec.t),
                 DimensionValue(rec.T), DimensionValue(rec.r1), 6, 5);
}

void DeriveRHSRecord(TSectionRec& rec) {
    FillRHSRecord(rec, DimensionValue(rec.D), DimensionValue(rec.B), DimensionValue(rec.t));
}

void DeriveCHSRecord(TSectionRec& rec) { FillCHSRecord(rec, DimensionValue(rec.D), DimensionValue(rec.t)); }

void DeriveEqualAngleRecord(TSectionRec& rec) {
    const double D = DimensionValue(rec.D);
    FillAngleRecord(rec, D, D, DimensionValue(rec.t), DimensionValue(rec.r1), DimensionValue(rec.r2));
}

} // namespace kx
