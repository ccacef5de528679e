// Loads listing: distributed and point loads with the loadcases that apply them.
#include "window/LoadsListing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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

// Rule 4 in each of its bands, each column deciding its own decimals (m, kN/m, kN), on the last
// loadcase and the last load row: one distributed load in record 1 applied in loadcases 2 and 5,
// one point load in record 50 applied in loadcase 5. Distances end at position 10 (digit variant)
// or put their point there; rates and covers put their point at 23, 36 and 49, or end one before.
TEST_F(LoadsListingTest, DecimalsOfEachColumnFollowItsLargestFigureInEveryBand) {
    struct Band {
        const char* name;
        float dist, w1, w2, cover, P, pointDist; // mm, N/mm, N
        bool point;
        const char *distributed, *pointRow;
        int decimalPlaces; // of the last column listed
    };
    // clang-format off
    const Band bands[] = {
        // Below 10: three decimals. 45.6 mm = 0.0456 m shows 0.046; the distance column takes the
        // point load's 9.999 m too.
        {"small", 45.6f, 0.25f, 9.5f, 999, 2500, 9999, true,
         "  1     0.046        0.250        9.500        0.999     1.000   2 5 ",
         " 50     2.500        9.999        1.50           5 ", 3},
        // 10 to 99: two decimals (45.67 kN/m, 99.99 m, 12.34 kN).
        {"tens", 12500, 45.67f, 10, 99990, 12340, 50000, true,
         "  1    12.50        45.67        10.00        99.99      1.000   2 5 ",
         " 50    12.34        50.00         1.50           5 ", 2},
        // 100 to 999: one (150.24 m shows 150.2, 456.78 kN/m 456.8, 999.9 kN).
        {"hundreds", 150240, 456.78f, 100, 250000, 999900, 100000, true,
         "  1   150.2        456.8        100.0        250.0       1.000   2 5 ",
         " 50   999.9        100.0          1.50           5 ", 1},
        // 1000 and over: whole numbers, distances ending at 10 and 23, rates one before their point.
        {"thousands", 1234400, 1500, 2000, 1000000, 1500000, 2000000, true,
         "  1   1234        1500         2000         1000         1.000   2 5 ",
         " 50   1500         2000           1.50           5 ", 0},
        // Each column on its own: the start rate ignores the point load's 1500 kN (it is no rate),
        // the finish rate 1234.4 kN/m is whole, the cover 0.046 m keeps three decimals.
        {"mixed", 150240, 45.67f, 1234.4f, 45.6f, 1500000, 100000, true,
         "  1   150.2         45.67      1234            0.046     1.000   2 5 ",
         " 50   1500         100.0          1.50           5 ", 1},
        // Without a point row the cover column is the last one set.
        {"mixed, no point load", 150240, 45.67f, 1234.4f, 45.6f, 0, 0, false,
         "  1   150.2         45.67      1234            0.046     1.000   2 5 ", "", 3}};
    // clang-format on
    for (const Band& b : bands) {
        ResetProgramState();
        SetDefaultUnits(Model);
        Model.LoadcaseCount = 5;
        Model.DecimalPlaces = 7;
        Load(1, -1, b.dist, b.w1, b.w2, b.cover, 1, {2, 5});
        if (b.point) Load(50, 1, b.pointDist, b.P, 0, 0, 1.5f, {5});
        BuildLoadsListing();
        EXPECT_EQ(Txt.LoadListLines[0].str(), "7") << b.name; // one row: line 5, count N + 1 = 7
        EXPECT_EQ(Txt.LoadListLines[5].str(), b.distributed) << b.name;
        EXPECT_EQ(Txt.PointLoadListLines[0].str(), b.point ? "8" : "7") << b.name;
        EXPECT_EQ(Txt.PointLoadListLines[5].str(), b.pointRow) << b.name;
        EXPECT_EQ(Model.DecimalPlaces, b.decimalPlaces) << b.name;
    }
}

// A rebuild over a longer listing rewrites every line its count covers, the closing blank lines
// included: three loads of each kind, then one. Lines up to the count match a build on empty
// tables; the distributed listing ends on one blank line (6 of 1..6), the point listing on two
// (6 and 7 of 1..7), where the longer listings had rows.
TEST_F(LoadsListingTest, ARebuildOverALongerListingRewritesItsClosingBlankLines) {
    auto job = [](bool three) {
        Model.LoadcaseCount = 1;
        for (int k = 1; k <= 6; ++k)
            Load(k, 0, 0, 0, 0, 0, 0, {});
        Load(1, -1, 1000, 5, 5, 2000, 1, {1});
        Load(4, 1, 2000, 10000, 0, 0, 1, {1});
        if (!three) return;
        Load(2, -1, 1500, 6, 6, 2500, 1, {1});
        Load(3, -1, 2500, 7, 7, 3000, 1, {1});
        Load(5, 1, 3000, 20000, 0, 0, 1, {1});
        Load(6, 1, 4000, 30000, 0, 0, 1, {1});
    };
    job(false);
    BuildLoadsListing();
    std::vector<std::string> distributed, point;
    for (int i = 0; i <= 6; ++i)
        distributed.push_back(Txt.LoadListLines[i].str());
    for (int i = 0; i <= 7; ++i)
        point.push_back(Txt.PointLoadListLines[i].str());
    EXPECT_EQ(distributed[0] + "|" + distributed[6], "7|");
    EXPECT_EQ(point[0] + "|" + point[6] + "|" + point[7], "8||");

    job(true);
    BuildLoadsListing();
    ASSERT_EQ(Txt.LoadListLines[0].str() + "|" + Txt.PointLoadListLines[0].str(), "9|10");
    ASSERT_NE(Txt.LoadListLines[6].str(), "");
    ASSERT_NE(Txt.PointLoadListLines[7].str(), "");
    job(false);
    BuildLoadsListing();
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(Txt.LoadListLines[i].str(), distributed[static_cast<std::size_t>(i)])
            << "distributed " << i;
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(Txt.PointLoadListLines[i].str(), point[static_cast<std::size_t>(i)]) << "point " << i;
}

// A load whose kind no whole number holds stops the build, also when only the last loadcase
// analysed applies it: the listing is then left as the build found it, not read later as blanks.
TEST_F(LoadsListingTest, ALoadKindThatIsNoWholeNumberInTheLastLoadcaseStopsTheBuild) {
    for (int count : {1, 5}) {
        ResetProgramState();
        SetDefaultUnits(Model);
        Model.LoadcaseCount = count;
        Load(1, -1, 0, 5, 5, 3000, 1, {count});
        Model.LoadTable[count][1][lfKind] = 3e10f;
        EXPECT_THROW(BuildLoadsListing(), ConvertError) << count << " loadcases";
    }
    // Beyond the loadcases analysed the record is not read.
    Model.LoadcaseCount = 4;
    EXPECT_NO_THROW(BuildLoadsListing());
    EXPECT_EQ(Txt.LoadListLines[5].str().substr(65), "Not applied");
}

} // namespace
