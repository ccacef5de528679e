// Loads listing: distributed and point loads with the loadcases that apply them.
#include "window/LoadsListing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/ResultText.h"

namespace kx {
namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class LoadsListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSharedModelToStart();
        Txt = ResultTextTables{};
        SetDefaultUnits(Model); // m, kN, kN/m
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            for (int k = 1; k <= kSelfWeightRecord; ++k)
                Model.LoadTable[lc][k][lfApplied] = -1.0f;
    }
    // One load definition, the same in every loadcase, applied in the loadcases given.
    static void Load(int k, float kind, float dist, float w1, float w2, float cover, float lf,
                     std::initializer_list<int> applied) {
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            TLoadRec& r = Model.LoadTable[lc][k];
            r[lfKind] = kind;
            r[lfDist] = dist;
            r[lfW1] = w1;
            r[lfW2] = w2;
            r[lfCover] = cover;
            r[lfLF] = lf;
        }
        for (int lc : applied)
            Model.LoadTable[lc][k][lfApplied] = 1.0f;
    }
    static std::string Udl(int i) { return Txt.LoadListLines[i].str(); }
    static std::string Point(int i) { return Txt.PointLoadListLines[i].str(); }
};

TEST_F(LoadsListingTest, EveryLoadOnceWithItsLoadcases) {
    Model.LoadcaseCount = 3;
    Load(1, -1, 0, 5, 5, 3000, 1.5f, {1, 3});
    Load(2, 1, 1500, 10000, 0, 0, 1, {});
    Load(3, -1, 1000, 2, 4, 2000, 1, {2});
    Load(4, -1, 500, 1, 1, 1000, 1, {5}); // beyond the loadcases analysed
    Load(kSelfWeightRecord, -1, 0, 0.13f, 0.13f, 6000, 1, {1, 2, 3});

    BuildLoadsListing();

    EXPECT_EQ(Udl(1), "");
    EXPECT_EQ(Udl(2), " UNIFORMLY DISTRIBUTED LOADS");
    EXPECT_EQ(Udl(3), " No   Distance     Start UDL    Finish UDL     Cover     Load    Applied to");
    EXPECT_EQ(Udl(4), Blanks(9) + "(m)" + Blanks(8) + "(kN/m)" + Blanks(7) + "(kN/m)" + Blanks(9) + "(m)" +
                          Blanks(5) + "Factor" + Blanks(3) + "loadcases:-");
    // Three decimals in every column: distance 1.5 m, rates 5 kN/m, cover 6 m at most.
    EXPECT_EQ(Udl(5), "  1" + Blanks(5) + "0.000" + Blanks(8) + "5.000" + Blanks(8) + "5.000" + Blanks(8) +
                          "3.000" + Blanks(5) + "1.50" + Blanks(4) + "1 3 ");
    EXPECT_EQ(Udl(6), "  3" + Blanks(5) + "1.000" + Blanks(8) + "2.000" + Blanks(8) + "4.000" + Blanks(8) +
                          "2.000" + Blanks(5) + "1.000" + Blanks(3) + "2 ");
    const std::string notApplied = Udl(7);
    EXPECT_EQ(notApplied.substr(65), "Not applied");
    EXPECT_EQ(notApplied.size(), 76u);
    EXPECT_EQ(Udl(8), " S/Wt" + Blanks(3) + "0.000" + Blanks(8) + "0.130" + Blanks(8) + "0.130" + Blanks(8) +
                          "6.000" + Blanks(5) + "1.000" + Blanks(3) + "1 2 3 ");
    EXPECT_EQ(Txt.LoadListLines[0].str(), "10");

    EXPECT_EQ(Point(1), "");
    EXPECT_EQ(Point(2), " Point Loads");
    EXPECT_EQ(Point(3), " No      Load       Distance      Load        Applied to");
    EXPECT_EQ(Point(4),
              Blanks(8) + "(kN)" + Blanks(10) + "(m)" + Blanks(8) + "Factor" + Blanks(7) + "loadcases:-");
    // Loads up to 10 kN: two decimals; distances three.
    EXPECT_EQ(Point(5), "  2" + Blanks(4) + "10.00" + Blanks(9) + "1.500" + Blanks(8) + "1.000" + Blanks(10) +
                            "Not applied");
    EXPECT_EQ(Point(6), "");
    EXPECT_EQ(Point(7), "");
    EXPECT_EQ(Txt.PointLoadListLines[0].str(), "8");
}

TEST_F(LoadsListingTest, TablesWithoutLoadsKeepTheirHeadings) {
    Model.LoadcaseCount = 1;
    BuildLoadsListing();
    EXPECT_EQ(Udl(2), " UNIFORMLY DISTRIBUTED LOADS");
    EXPECT_EQ(Udl(5), "");
    EXPECT_EQ(Txt.LoadListLines[0].str(), "6");
    EXPECT_EQ(Point(2), " Point Loads");
    EXPECT_EQ(Point(6), "");
    EXPECT_EQ(Txt.PointLoadListLines[0].str(), "7");
}

TEST_F(LoadsListingTest, WholeNumbersEndAtTheirColumn) {
    // In millimetres a distance of 2500 takes no decimals and ends at position 10 (digit
    // alignment); a start rate of 1500 ends at position 22 (point alignment).
    Model.UnitTextLength = "mm";
    Model.UnitFactorLength = 1;
    Model.UnitTextUDL = "N/mm";
    Model.LoadcaseCount = 1;
    Load(1, -1, 2500, 1500, 1500, 1000, 1, {1});
    Load(2, 1, 12000, 2000000, 0, 0, 1.25f, {1});
    BuildLoadsListing();
    const std::string row = Udl(5);
    EXPECT_EQ(row.substr(0, 10), "  1" + Blanks(3) + "2500");
    EXPECT_EQ(row.substr(10, 12), Blanks(8) + "1500");
    const std::string point = Point(5);
    // 2000 kN and 12000 mm: whole numbers; the load factor's point at 36.
    EXPECT_EQ(point.substr(0, 23), "  2" + Blanks(3) + "2000" + Blanks(8) + "12000");
    EXPECT_EQ(point.find('.'), 35u);
    EXPECT_EQ(point.substr(49), "1 ");
}

TEST_F(LoadsListingTest, TheAnalysisListsTheLoadsOnce) {
    ScopedScriptedDialogs dialogs;
    test::BeamBuilder().Spans({4000, 4000}).Commit();
    SetDefaultUnits(Model);
    Model.MemberType = "HRS";
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int k = 1; k <= kSelfWeightRecord; ++k)
            Model.LoadTable[lc][k][lfApplied] = -1.0f;
    Load(1, -1, 0, 2, 2, 8000, 1, {1, 2});
    Load(2, 1, 2000, 5000, 0, 0, 1, {});
    Load(kSelfWeightRecord, -1, 0, 0.1f, 0.1f, 8000, 1, {1, 2});
    Model.CaseHasLoads[1] = Model.CaseHasLoads[2] = 1;
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_EQ(Model.LoadcaseCount, 2);

    EXPECT_EQ(Txt.LoadListLines[0].str(), "8");
    EXPECT_EQ(Udl(5).substr(0, 3), "  1");
    EXPECT_EQ(Udl(5).substr(65), "1 2 ");
    EXPECT_EQ(Udl(6).substr(0, 5), " S/Wt");
    EXPECT_EQ(Udl(6).substr(65), "1 2 ");
    EXPECT_EQ(Txt.PointLoadListLines[0].str(), "8");
    EXPECT_EQ(Point(5).substr(0, 3), "  2");
    EXPECT_EQ(Point(5).substr(49), "Not applied");
    // Equilibrium held: (2 + 0.1) x 8000 N on the supports.
    EXPECT_TRUE(dialogs->messages().empty());
    double sum = 0;
    for (int k = 1; k <= 3; ++k)
        sum += Eng.SupportReaction[1][k];
    EXPECT_NEAR(sum, 2.1 * 8000, 1e-3 * 16800);
}

} // namespace
} // namespace kx
