// HE beam file: every derived row by the section rules, the figures stored and the rules of the size groups.
#include "sections/Pro_Load_HE.h"

#include <gtest/gtest.h>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

TEST(Pro_Load_HE, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_HE, "HE.sct");
    const Expected e = expectedRecords("HE.sct", 124, true, false);
    ASSERT_EQ(recs.size(), 124u);
    const IHTolerances tol{1e-4, 1e-4, 1e-4, 1e-4, 2e-4, 2e-4, 1e-4, 5e-5, 5, 5};
    for (const std::vector<int>& group : groupsOf(e)) {
        double widestOther = 0, mWidth = 0;
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string& name = e.names[pos - 1];
            const std::string where = "HE.sct record " + std::to_string(pos) + " " + name;
            expectIHRules(rec, tol, where);
            for (int off = 28; off <= 56; off += 4)
                EXPECT_TRUE(heldTo(singleAt(rec.data(), off), 5)) << where << " byte " << off;
            // One d per group but for "HE 600 x 151" and "HE 600 x 174".
            EXPECT_TRUE(pos == 94 || pos == 95 || at(rec, 56) == at(recs[group.front() - 1], 56))
                << where << " d";
            double& widest = name.ends_with('M') ? mWidth : widestOther;
            widest = std::max(widest, at(rec, 32));
            if (name.find(" x ") != std::string::npos) {
                const double mass = at(rec, 100) * 0.00785;
                EXPECT_LE(std::fabs(mass - numbersIn(name).back()), 1.2) << where << " mass " << mass;
            }
        }
        if (mWidth > 0) {
            EXPECT_GT(mWidth, widestOther) << "the M row is the widest of the group of record " << group[0];
        }
        // Depth and area rise within the group; the two "HE 220  AA" rows are equal.
        for (std::size_t k = 1; k < group.size(); ++k)
            for (int off : {28, 100})
                EXPECT_TRUE(group[k] == 29 || at(recs[group[k - 1] - 1], off) < at(recs[group[k] - 1], off))
                    << "byte " << off << " record " << group[k];
    }
}
