// Records of the built-in section tables: the values a row does not list.
#include "sections/SectionTable.h"

#include <string>

namespace kx {

namespace {

ShortString<25> designationField(std::string_view designation, const TableStyle& style) {
    std::string text(designation);
    if (style.PadDesignation && text.size() < 25) text.resize(25, ' ');
    return ShortString<25>(text);
}

} // namespace

TSectionRec SectionRow(std::string_view designation, const TableStyle& style) {
    TSectionRec rec;
    rec.Designation = designationField(designation, style);
    rec.Shape = style.Shape;
    for (const FixedValue& f : style.Fixed)
        rec.*f.Field = f.Value;
    return rec;
}

TSectionRec SpacerRow(std::string_view designation, const TableStyle& style) {
    TSectionRec rec;
    rec.Designation = designationField(designation, style);
    rec.Shape = style.SpacerShape;
    return rec;
}

void DeriveChannel(TSectionRec& rec) {
    rec.b = rec.B;
    rec.FibreX = rec.D / 2;
}

void DeriveAngle(TSectionRec& rec) { rec.T = rec.t; }

void DeriveEqualAngle(TSectionRec& rec) {
    DeriveAngle(rec);
    rec.B = rec.D;
    rec.Iyy = rec.Ixx;
    rec.ry = rec.rx;
    rec.cy = rec.cx;
    rec.FibreX = rec.FibreY;
}

} // namespace kx
