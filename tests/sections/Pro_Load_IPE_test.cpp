// IPE beam file: every derived row by the section rules, the depths its names imply and the order of a group.
#include "sections/Pro_Load_IPE.h"

#include <gtest/gtest.h>

#include "SectionRuleChecks.h"

using namespace kx;
using namespace sectiontest;

TEST(Pro_Load_IPE, EveryRowObeysTheSectionRules) {
    const std::vector<Image> recs = writtenRecords(Pro_Load_IPE, "IPE.sct");
    const Expected e = expectedRecords("IPE.sct", 92, true, false);
    ASSERT_EQ(recs.size(), 92u);
    const IHTolerances tol{1e-4, 1e-4, 1e-4, 1e-4, 2e-4, 4e-4, 1e-4, 5e-5, 5, 5};
    for (const std::vector<int>& group : groupsOf(e)) {
        const double nominal = numbersIn(e.names[group.front() - 1]).front();
        for (int pos : group) {
            const Image& rec = recs[pos - 1];
            const std::string& name = e.names[pos - 1];
            const std::string where = "IPE.sct record " + std::to_string(pos) + " " + name;
            expectIHRules(rec, tol, where);
            const double D = at(rec, 28);
            EXPECT_TRUE(pos == 50 || D == std::round(D)) << where << ": a whole depth";
            if (nominal == 750) {
                const double mass = at(rec, 100) * 7.85e-3, named = numbersIn(name).back();
                EXPECT_LE(std::fabs(mass - named), 0.005 * named) << where << " mass " << mass;
                continue;
            }
            // "A" rows are shallower than the nominal depth, rows without a letter as deep, "O", "R", "V"
            // deeper.
            const int side = name.back() == 'A'                                      ? -1
                             : std::isdigit(static_cast<unsigned char>(name.back())) ? 0
                                                                                     : 1;
            EXPECT_EQ((D > nominal) - (D < nominal), side) << where << " D " << D;
        }
        if (nominal != 750) {
            EXPECT_EQ(at(recs[group[0] - 1], 32), at(recs[group[1] - 1], 32)) << "the A row of " << nominal;
        }
        // D, A, Ixx, Sx and J rise, but for "IPE 600 O" before the shallower "IPE 600 R" and the equal
        // depths of the first two 750 rows.
        for (std::size_t k = 1; k < group.size(); ++k) {
            const Image& a = recs[group[k - 1] - 1];
            const Image& b = recs[group[k] - 1];
            for (int off : {28, 100, 104, 168, 156}) {
                if (group[k] == 82) {
                    EXPECT_GT(at(a, off), at(b, off)) << "byte " << off << " record 82";
                } else if (group[k] == 86 && off == 28) {
                    EXPECT_EQ(at(a, off), at(b, off)) << "record 86";
                } else {
                    EXPECT_LT(at(a, off), at(b, off)) << "byte " << off << " record " << group[k];
                }
            }
        }
    }
}
