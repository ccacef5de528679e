// Wide-flange column file: every derived row by the section rules, its nominal sizes and the order of a
// group.
#include "sections/Pro_Load_WsCol.h"

#include <gtest/gtest.h>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

TEST(Pro_Load_WsCol, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_WsCol, "WsCol.sct");
    const Expected e = expectedRecords("WsCol.sct", 66, true, false);
    expectWideFlangeRows(recs, e,
                         {.tol = {1e-5, 1e-5, 1e-5, 1e-5, 5e-5, 5e-5, 1e-5, 5e-5, 6, 5},
                          .depth = {-0.02, 8.42},
                          .width = {-0.50, 1.89},
                          .mass = {-0.0035, 0.0087},
                          .dSpread = 1.3,
                          .otherRootRadius = {},
                          .rising = {28, 36, 40, 100, 104, 108, 168, 172, 156, 160}},
                         "WsCol.sct");
    // d of the last group lies between 289 and 290.3; B never falls but at record 27.
    for (int pos = 47; pos <= 66; ++pos)
        EXPECT_TRUE(at(recs[pos - 1], 56) >= 289.0f && at(recs[pos - 1], 56) <= 290.3f) << "d at " << pos;
    for (const std::vector<int>& group : groupsOf(e))
        for (std::size_t k = 1; k < group.size(); ++k) {
            const double before = at(recs[group[k - 1] - 1], 32), B = at(recs[group[k] - 1], 32);
            EXPECT_TRUE(group[k] == 27 ? B < before : B >= before) << "B at " << group[k];
        }
}
