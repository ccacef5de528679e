// Loads listing: distributed and point loads with the loadcases that apply them.
#include "window/LoadsListing.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "ListingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

class LoadsListingTest : public ListingTest {
protected:
    // One load definition, the same in every loadcase, applied in the loadcases given.
    static void Load(int k, float kind, float dist, float w1, float w2, float cover, float lf,
                     std::initializer_list<int> applied) {
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            TLoadRec& r = Model.LoadTable[lc][k];
            r = TLoadRec{};
            r[lfKind] = kind, r[lfDist] = dist, r[lfW1] = w1, r[lfW2] = w2, r[lfCover] = cover, r[lfLF] = lf;
            r[lfApplied] = -1;
        }
        for (int lc : applied)
            Model.LoadTable[lc][k][lfApplied] = 1;
    }
};

TEST_F(LoadsListingTest, EveryLoadOnceWithItsLoadcasesAndWholeNumbersEndingAtTheirColumn) {
    Model.LoadcaseCount = 3;
    Load(1, -1, 0, 5, 5, 3000, 1.5f, {1, 3});
    Load(2, 1, 1500, 10000, 0, 0, 1, {});
    Load(3, -1, 1000, 2, 4, 2000, 1, {2});
    Load(4, -1, 500, 1, 1, 1000, 1, {5}); // beyond the loadcases analysed
    Load(kSelfWeightRecord, -1, 0, 0.13f, 0.13f, 6000, 1, {1, 2, 3});
    BuildLoadsListing();
    ExpectLines(Txt.LoadListLines, "LoadsListing", "distributed");
    ExpectLines(Txt.PointLoadListLines, "LoadsListing", "point");

    // In millimetres a distance of 2500 takes no decimals and ends at position 10 (digit
    // alignment); a start rate of 1500 ends at position 22 (point alignment); 2000 kN and 12000 mm
    // are whole numbers, and the load factor's point stands at 36.
    Model.UnitTextLength = "mm";
    Model.UnitFactorLength = 1;
    Model.UnitTextUDL = "N/mm";
    Model.LoadcaseCount = 1;
    for (int k : {3, 4, kSelfWeightRecord})
        Load(k, 0, 0, 0, 0, 0, 0, {});
    Load(1, -1, 2500, 1500, 1500, 1000, 1, {1});
    Load(2, 1, 12000, 2000000, 0, 0, 1.25f, {1});
    BuildLoadsListing();
    EXPECT_EQ(Txt.LoadListLines[5].str().substr(0, 22), "  1   2500        1500");
    const std::string point = Txt.PointLoadListLines[5].str();
    EXPECT_EQ(point.substr(0, 23), "  2   2000        12000");
    EXPECT_EQ(point.find('.'), 35u);
    EXPECT_EQ(point.substr(49), "1 ");

    // With all five loadcases analysed, the last one is listed among those applying a load.
    Model.LoadcaseCount = 5;
    Load(2, 1, 12000, 2000000, 0, 0, 1.25f, {1, 5});
    BuildLoadsListing();
    EXPECT_EQ(Txt.PointLoadListLines[5].str().substr(49), "1 5 ");
}

} // namespace
