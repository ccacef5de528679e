// Wide-flange beam file: every derived row by the section rules, its nominal sizes and the order of a group.
#include "sections/Pro_Load_WsBeam.h"

#include <gtest/gtest.h>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

TEST(Pro_Load_WsBeam, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_WsBeam, "WsBeam.sct");
    const Expected e = expectedRecords("WsBeam.sct", 208, true, false);
    expectWideFlangeRows(recs, e,
                         {.tol = {1e-5, 1e-5, 1e-5, 1e-5, 1e-4, 1e-4, 1e-5, 5e-5, 6, 5},
                          .depth = {-1.80, 3.82},
                          .width = {-0.19, 0.78},
                          .mass = {-0.022, 0.016},
                          .dSpread = 0.6,
                          .otherRootRadius = {169, 170},
                          .rising = {28, 40, 100, 104, 108, 168, 172, 156, 184, 160}},
                         "WsBeam.sct");
    // t never falls within a group; B falls at the records named, repeats at others and rises elsewhere.
    const std::vector<int> narrower = {61, 75, 90, 102, 115, 129, 141, 151, 164, 179, 191};
    const std::vector<int> sameWidth = {3, 195, 196, 197};
    for (const std::vector<int>& group : groupsOf(e))
        for (std::size_t k = 1; k < group.size(); ++k) {
            const int pos = group[k];
            const Image& a = recs[group[k - 1] - 1];
            const Image& b = recs[pos - 1];
            EXPECT_LE(at(a, 36), at(b, 36)) << "t falls at " << pos;
            const int side = std::count(narrower.begin(), narrower.end(), pos)     ? -1
                             : std::count(sameWidth.begin(), sameWidth.end(), pos) ? 0
                                                                                   : 1;
            EXPECT_EQ((at(b, 32) > at(a, 32)) - (at(b, 32) < at(a, 32)), side) << "B at " << pos;
        }
}
