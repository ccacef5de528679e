// Byte image of the section record: every field at its fixed offset, little-endian.
#include "sections/SectionRec.h"

#include <algorithm>
#include <cstring>

namespace kx {

namespace {

struct SingleField {
    int Offset;
    float TSectionRec::*Field;
};

// Every single of the record with its byte offset; encoding and decoding both walk this list.
constexpr SingleField SingleFields[] = {
    {28, &TSectionRec::D},
    {32, &TSectionRec::B},
    {36, &TSectionRec::t},
    {40, &TSectionRec::T},
    {44, &TSectionRec::r1},
    {48, &TSectionRec::r2},
    {52, &TSectionRec::b},
    {56, &TSectionRec::d},
    {60, &TSectionRec::Taper},
    {64, &TSectionRec::Group},
    {68, &TSectionRec::Spare68},
    {72, &TSectionRec::GA},
    {76, &TSectionRec::Spare76},
    {80, &TSectionRec::Grade},
    {84, &TSectionRec::E},
    {100, &TSectionRec::A},
    {104, &TSectionRec::Ixx},
    {108, &TSectionRec::Iyy},
    {112, &TSectionRec::rx},
    {116, &TSectionRec::ry},
    {120, &TSectionRec::cx},
    {124, &TSectionRec::cy},
    {128, &TSectionRec::FibreY},
    {132, &TSectionRec::FibreX},
    {136, &TSectionRec::Iu},
    {140, &TSectionRec::Iv},
    {144, &TSectionRec::ru},
    {148, &TSectionRec::rv},
    {152, &TSectionRec::Alpha},
    {156, &TSectionRec::J},
    {160, &TSectionRec::TorsionLength},
    {164, &TSectionRec::Cs},
    {168, &TSectionRec::Sx},
    {172, &TSectionRec::Sy},
    {176, &TSectionRec::u},
    {180, &TSectionRec::x},
    {184, &TSectionRec::H},
    {188, &TSectionRec::PermShear},
    {192, &TSectionRec::PermMoment},
};

constexpr bool singlesCoverTheirBytes() {
    int expected = 28;
    for (const auto& f : SingleFields) {
        if (f.Offset != expected) return false;
        expected = (expected == 84) ? 100 : expected + 4;
    }
    return expected == 196;
}
static_assert(singlesCoverTheirBytes(), "the singles run from byte 28 to 84 and from 100 to 192");

constexpr int DesignationOffset = 0;
constexpr int ShapeOffset = 88;
constexpr int RecordNoOffset = 196;

void putUint32(std::uint8_t* out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t getUint32(const std::uint8_t* in) {
    return in[0] | (in[1] << 8) | (in[2] << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

// Length byte and the characters only; the rest of the field stays as the zeroed buffer has it.
template <int N> void putString(std::uint8_t* out, const ShortString<N>& s) {
    out[0] = static_cast<std::uint8_t>(s.length());
    std::memcpy(out + 1, s.view().data(), static_cast<std::size_t>(s.length()));
}

} // namespace

void EncodeSectionRec(const TSectionRec& rec, std::uint8_t* out) {
    std::fill_n(out, SectionRecSize, std::uint8_t{0});
    putString(out + DesignationOffset, rec.Designation);
    for (const auto& f : SingleFields) {
        std::uint32_t bits;
        std::memcpy(&bits, &(rec.*f.Field), 4);
        putUint32(out + f.Offset, bits);
    }
    putString(out + ShapeOffset, rec.Shape);
    putUint32(out + RecordNoOffset, static_cast<std::uint32_t>(rec.RecordNo));
}

SectionRecImage EncodeSectionRec(const TSectionRec& rec) {
    SectionRecImage image;
    EncodeSectionRec(rec, image.data());
    return image;
}

TSectionRec DecodeSectionRec(const std::uint8_t* in) {
    TSectionRec rec;
    rec.Designation.fromBytes(in + DesignationOffset);
    for (const auto& f : SingleFields) {
        std::uint32_t bits = getUint32(in + f.Offset);
        std::memcpy(&(rec.*f.Field), &bits, 4);
    }
    rec.Shape.fromBytes(in + ShapeOffset);
    rec.RecordNo = static_cast<std::int32_t>(getUint32(in + RecordNoOffset));
    return rec;
}

bool IsSpacerDesignation(std::string_view designation) {
    return std::all_of(designation.begin(), designation.end(), [](char c) { return c == ' '; });
}

} // namespace kx
