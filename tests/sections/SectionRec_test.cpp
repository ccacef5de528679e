// The section record's byte image: every field at its offset, unused bytes zero, read back whole.
#include "sections/SectionRec.h"

#include <gtest/gtest.h>

#include "SectionTestSupport.h"

using namespace kx;
using namespace sectiontest;

namespace {

// A record whose every single holds its own byte offset plus a half, so a field at the wrong offset
// shows at once.
TSectionRec numberedRecord() {
    TSectionRec r;
    // clang-format off
    float* fields[] = {&r.D, &r.B, &r.t, &r.T, &r.r1, &r.r2, &r.b, &r.d, &r.Taper, &r.Group, &r.Spare68, &r.GA,
                       &r.Spare76, &r.Grade, &r.E, &r.A, &r.Ixx, &r.Iyy, &r.rx, &r.ry, &r.cx, &r.cy, &r.FibreY,
                       &r.FibreX, &r.Iu, &r.Iv, &r.ru, &r.rv, &r.Alpha, &r.J, &r.TorsionLength, &r.Cs, &r.Sx,
                       &r.Sy, &r.u, &r.x, &r.H, &r.PermShear, &r.PermMoment};
    // clang-format on
    int off = 28;
    for (float* f : fields) {
        *f = off + 0.5f;
        off += off == 84 ? 16 : 4; // the shape code lies between E and A
    }
    r.Designation = "254 UC 73";
    r.Shape = "KXSect";
    r.RecordNo = -2;
    return r;
}

} // namespace

TEST(SectionRec, EncodesEveryFieldAtItsOffsetLeavesOtherBytesZeroAndDecodesBack) {
    const SectionRecImage img = EncodeSectionRec(numberedRecord());
    for (int off = 28; off <= 192; off += off == 84 ? 16 : 4)
        EXPECT_EQ(singleAt(img.data(), off), off + 0.5f) << off;
    EXPECT_EQ(stringAt(img.data(), 0), "254 UC 73");
    EXPECT_EQ(stringAt(img.data(), 88), "KXSect");
    EXPECT_EQ(wordAt(img.data(), 196), 0xFFFFFFFEu) << "-2 as a little-endian int32";
    for (int b = 10; b < 28; ++b)
        EXPECT_EQ(img[b], 0) << "designation tail and bytes 26-27: " << b;
    for (int b = 95; b < 100; ++b)
        EXPECT_EQ(img[b], 0) << "shape code tail: " << b;
    EXPECT_EQ(DecodeSectionRec(img.data()), numberedRecord());
    const TSectionRec empty;
    EXPECT_EQ(DecodeSectionRec(EncodeSectionRec(empty).data()), empty);
}

TEST(SectionRec, SpacerDesignationsAreBlanksOrNothing) {
    EXPECT_TRUE(IsSpacerDesignation(""));
    EXPECT_TRUE(IsSpacerDesignation(" "));
    EXPECT_TRUE(IsSpacerDesignation(std::string(25, ' ')));
    EXPECT_FALSE(IsSpacerDesignation("  x"));
    EXPECT_FALSE(IsSpacerDesignation("0"));
}
