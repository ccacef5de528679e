// Section properties from outline dimensions, in double, and their rounding for the table records.
#pragma once

#include "sections/SectionRec.h"

namespace kx {

// x rounded to n significant figures (0 stays 0).
double RoundSig(double x, int n);

// The decimal that a stored dimension stands for (dimensions have at most six digits), so that
// properties are worked out from the published figure, not from its nearest single.
double DimensionValue(float stored);

// Area, first and second moments of an outline built from rectangles and corner fillets, each
// added or taken away.
class Outline {
public:
    // The rectangle [x0, x1] × [y0, y1].
    void AddRect(double x0, double y0, double x1, double y1, double sign = 1);
    // The fillet at corner (cx, cy): the region of the r × r square that reaches from the corner
    // towards (sx, sy) (each ±1) and lies outside the quarter circle of radius r tangent to the
    // square's two far sides.
    void AddFillet(double cx, double cy, double r, int sx, int sy, double sign = 1);

    double Area() const { return a_; }
    double CentroidX() const { return mx_ / a_; }
    double CentroidY() const { return my_ / a_; }
    // Second moments about the axes through the centroid parallel to x and y, and the product.
    double Ixx() const;
    double Iyy() const;
    double Ixy() const;

private:
    void addQuarterDisc(double cx, double cy, double r, int sx, int sy, double sign);
    double a_ = 0, mx_ = 0, my_ = 0, ixx_ = 0, iyy_ = 0, ixy_ = 0; // about the origin
};

// The largest shear stress under a torque Mt is Mt × TorsionStressLength / J, where D1 is the
// diameter of the largest circle inscribed at the root, r the root radius and A the area.
double TorsionStressLength(double D1, double r, double A);

// Properties of a rolled parallel-flange I- or H-section with four root fillets.
struct IHProperties {
    double A, Ixx, Iyy, J, TorsionLength, Sx, Sy;
};
IHProperties IHSectionProperties(double D, double B, double t, double T, double r1);

// Fills a parallel-flange I/H record from its dimensions: the properties to sig significant
// figures, u to uSig, d to the dimensions' own precision. The radii of gyration, H, x and u are
// worked out from the properties as stored, so that the stored values agree with each other.
void FillIHRecord(TSectionRec& rec, double D, double B, double t, double T, double r1, int sig, int uSig);

// Properties of a rectangular hollow section, outside corner radius 1.25t, inside t.
struct RHSProperties {
    double A, Ixx, Iyy, J, K, Sx, Sy;
};
RHSProperties RHSSectionProperties(double D, double B, double t);
void FillRHSRecord(TSectionRec& rec, double D, double B, double t);

// Properties of a circular hollow section.
struct CHSProperties {
    double A, I, J, S;
};
CHSProperties CHSSectionProperties(double D, double t);
void FillCHSRecord(TSectionRec& rec, double D, double t);

// Properties of an angle, leg D upright and leg B flat, both of thickness t, root radius r1 and
// toe radius r2. cx and cy are the distances of the centroid from the backs of the B and D legs;
// Alpha is the angle in degrees from the x axis to the major principal axis.
struct AngleProperties {
    double A, cx, cy, Ixx, Iyy, Iu, Iv, Alpha, J, Dr;
};
AngleProperties AngleSectionProperties(double D, double B, double t, double r1, double r2);
void FillAngleRecord(TSectionRec& rec, double D, double B, double t, double r1, double r2);

// Table derive steps (TableStyle::Derive): the record's dimensions are set; the rest follows.
// Universal beam, IPE and HE rows: five significant figures.
void DeriveIHRecord(TSectionRec& rec);
// Wide-flange rows: six significant figures, u five.
void DeriveWideFlangeRecord(TSectionRec& rec);
// Rectangular hollow sections from D, B and t.
void DeriveRHSRecord(TSectionRec& rec);
// Circular hollow sections from D and t.
void DeriveCHSRecord(TSectionRec& rec);
// Equal angles from D, t, r1 and r2.
void DeriveEqualAngleRecord(TSectionRec& rec);

} // namespace kx
