// The 200-byte section record of the ".sct" files, and its byte image.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ShortString.h"

namespace kx {

constexpr int SectionRecSize = 200;

// One record of a section file. The image on disk is built field by field at fixed byte offsets
// (EncodeSectionRec), never by copying this struct.
struct TSectionRec {
    ShortString<25> Designation; // 0; blanks (or nothing) in a spacer row
    float D = 0;                 // 28  overall depth (angles: upright leg; CHS: diameter)
    float B = 0;                 // 32  flange width (angles: horizontal leg); 0 marks no dimensions
    float t = 0;                 // 36  web, wall or leg thickness
    float T = 0;                 // 40  flange thickness
    float r1 = 0;                // 44  root radius
    float r2 = 0;                // 48  toe radius
    float b = 0;                 // 52  flange outstand
    float d = 0;                 // 56  depth between fillets
    float Taper = 0;             // 60  slope of the inner flange faces, degrees
    float Group = 0;             // 64  0 standard table, 1 user section, 2 scaffold member
    float Spare68 = 0;           // 68
    float GA = 0;                // 72  GA/Kform, N
    float Spare76 = 0;           // 76
    float Grade = 0;             // 80  steel grade, 43 or 0
    float E = 0;                 // 84  N/mm²
    ShortString<11> Shape;       // 88  "Beam", "RSJ", "RSC", "RSA", "Box", "Tube", "KXSect"
    float A = 0;                 // 100
    float Ixx = 0;               // 104
    float Iyy = 0;               // 108
    float rx = 0;                // 112
    float ry = 0;                // 116
    float cx = 0;                // 120 angles: back of the horizontal leg to the x-x axis
    float cy = 0;                // 124 channels and angles: back of the web or upright leg to y-y
    float FibreY = 0;            // 128 extreme fibre for bending about y-y
    float FibreX = 0;            // 132 extreme fibre for bending about x-x
    float Iu = 0;                // 136 angles: principal axes
    float Iv = 0;                // 140
    float ru = 0;                // 144
    float rv = 0;                // 148
    float Alpha = 0;             // 152 angles: inclination of the principal axes, degrees
    float J = 0;                 // 156 torsion constant
    float TorsionLength = 0;     // 160 largest shear stress = Mt × TorsionLength / J
    float Cs = 0;                // 164 channels: centroid to shear centre
    float Sx = 0;                // 168
    float Sy = 0;                // 172
    float u = 0;                 // 176 buckling parameter
    float x = 0;                 // 180 torsional index
    float H = 0;                 // 184 warping constant
    float PermShear = 0;         // 188 scaffold and user records; channels: back of web to plastic axis
    float PermMoment = 0;        // 192 N mm
    std::int32_t RecordNo = 0;   // 196

    bool operator==(const TSectionRec&) const = default;
};

using SectionRecImage = std::array<std::uint8_t, SectionRecSize>;

// Writes the record into a zeroed 200-byte image: the bytes that belong to no value, and those
// after the last character of each string, are zero.
void EncodeSectionRec(const TSectionRec& rec, std::uint8_t* out);
SectionRecImage EncodeSectionRec(const TSectionRec& rec);

// Reads a record from its image; a string's length byte above its capacity is held to it.
TSectionRec DecodeSectionRec(const std::uint8_t* in);

// True when the designation holds nothing but blanks: a spacer row between groups.
bool IsSpacerDesignation(std::string_view designation);

} // namespace kx
