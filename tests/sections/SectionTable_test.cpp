// Table rows turned into records: spacer rows, padding, fixed and derived values, numbering.
#include "sections/SectionTable.h"

#include <gtest/gtest.h>

using namespace kx;

namespace {

using R = TSectionRec;

constexpr std::array<SectionField, 3> Columns = {&R::D, &R::B, &R::A};
constexpr TableRow<3> Rows[] = {
    {"First", 100, 50, 1200},
    {""},
    {"Second", 120.5, 60, 0.1},
};
constexpr FixedValue Fixed[] = {{&R::E, 205000}, {&R::Grade, 43}};

} // namespace

TEST(SectionTable, BuildsSectionAndSpacerRowsNumberedByPosition) {
    const TableStyle style{.PadDesignation = true,
                           .Shape = "RSC",
                           .SpacerShape = "Beam",
                           .Fixed = Fixed,
                           .Derive = DeriveChannel};
    const std::vector<TSectionRec> recs = BuildRecords(Columns, Rows, style);
    ASSERT_EQ(recs.size(), 3u);

    TSectionRec first;
    first.Designation = "First" + std::string(20, ' ');
    first.D = 100;
    first.B = 50;
    first.A = 1200;
    first.E = 205000;
    first.Grade = 43;
    first.Shape = "RSC";
    first.b = 50;      // b = B
    first.FibreX = 50; // D/2
    first.RecordNo = 1;
    EXPECT_EQ(recs[0], first);

    TSectionRec spacer;
    spacer.Designation = std::string(25, ' ');
    spacer.Shape = "Beam";
    spacer.RecordNo = 2;
    EXPECT_EQ(recs[1], spacer) << "a spacer row holds no fixed or derived value";

    EXPECT_EQ(recs[2].D, 120.5f);
    EXPECT_EQ(recs[2].A, 0.1f);
    EXPECT_EQ(recs[2].RecordNo, 3);
}

TEST(SectionTable, KeepsDesignationsAtTheirOwnLengthWhenAsked) {
    const TableStyle style{.PadDesignation = false, .Shape = "RSC"};
    const std::vector<TSectionRec> recs = BuildRecords(Columns, Rows, style);
    EXPECT_EQ(recs[0].Designation.str(), "First");
    EXPECT_EQ(recs[1].Designation.str(), "");
    EXPECT_EQ(recs[1].Shape.str(), "");
    EXPECT_EQ(recs[0].E, 0.0f);
}

TEST(SectionTable, AnglesCopyTheValuesTheirTablesListOnce) {
    TSectionRec r;
    r.D = 60;
    r.t = 6;
    r.Ixx = 227920;
    r.rx = 18.163f;
    r.cx = 16.875f;
    r.FibreY = 43.125f;
    DeriveEqualAngle(r);
    EXPECT_EQ(r.B, 60.0f);
    EXPECT_EQ(r.T, 6.0f);
    EXPECT_EQ(r.Iyy, 227920.0f);
    EXPECT_EQ(r.ry, 18.163f);
    EXPECT_EQ(r.cy, 16.875f);
    EXPECT_EQ(r.FibreX, 43.125f);

    TSectionRec u;
    u.t = 5;
    u.B = 40;
    DeriveAngle(u);
    EXPECT_EQ(u.T, 5.0f);
    EXPECT_EQ(u.B, 40.0f);
}

TEST(SectionTable, OnlyASpacerRowMayOmitItsValues) {
    EXPECT_NO_THROW(TableRow<2>("   "));
    EXPECT_THROW(TableRow<2>("UC 23"), std::logic_error);
}
