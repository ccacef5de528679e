// The starts of the listings' lines (row number and distance), kept from one listing to the next:
// each listing still shows the distances of its own members.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "ListingTestSupport.h"
#include "window/CaseResults.h"
#include "window/ResultsSummary.h"

using namespace kx;
using namespace kx::test;

namespace {

class ListingStartsTest : public ListingTest {};

// The first line of the table that reads `title`, or 0.
template <class Table> int LineOf(Table& table, const std::string& title) {
    for (int i = 1; i <= Table::high; ++i)
        if (table[i].str() == title) return i;
    return 0;
}

// Spans of 3000 and 4500 mm listed, then the same spans the other way round (a second analysis of
// the changed beam), then as at first: each member's place held the other length the listing
// before. A twentieth of 3000 mm is 0.150 m, of 4500 mm 0.225 m; the midpoints (row 11) 1.500 and
// 2.250 m; the ends (row 21) 3.000 and 4.500 m. The span data put the distance's point at 15, the
// envelope at 10.
TEST_F(ListingStartsTest, DistancesFollowTheMemberListedInEachPlaceWhateverItsLengthBefore) {
    Commit(BeamBuilder().Spans({3000, 4500}));
    Model.SpanCount[0] = Model.SpanCount[1] = 2;
    Model.LoadcaseCount = 1;
    Eng.CurrentCase = 1;
    Eng.NumSpanIntervals = 20;
    Eng.ResultIntervalStep = 1;
    struct Rows {
        const char *r2, *r11, *r21; // span data
        const char *e2, *e11, *e21; // envelope
    };
    const Rows of3000{"  2          0.150", " 11          1.500", " 21          3.000",
                      " 2      0.150",      "11      1.500",      "21      3.000"};
    const Rows of4500{"  2          0.225", " 11          2.250", " 21          4.500",
                      " 2      0.225",      "11      2.250",      "21      4.500"};
    for (auto [first, second] : {std::pair{3000.0f, 4500.0f}, {4500.0f, 3000.0f}, {3000.0f, 4500.0f}}) {
        Eng.LoadcaseSpanLength[1][1] = Model.SpanData[1][mfL] = first;
        Eng.LoadcaseSpanLength[1][2] = Model.SpanData[2][mfL] = second;
        BuildCaseResultsText();
        BuildEnvelopeText();
        for (int s : {1, 2}) {
            const Rows& r = (s == 1 ? first : second) == 3000.0f ? of3000 : of4500;
            const std::string title = " Span " + std::to_string(s);
            const int at = LineOf(Txt.CaseListing[1], title); // title, heading, units, row 1
            ASSERT_GT(at, 0) << title;
            EXPECT_EQ(Txt.CaseListing[1][at + 4].str().substr(0, 18), r.r2) << first << " then " << second;
            EXPECT_EQ(Txt.CaseListing[1][at + 13].str().substr(0, 18), r.r11) << first << " then " << second;
            EXPECT_EQ(Txt.CaseListing[1][at + 23].str().substr(0, 18), r.r21) << first << " then " << second;
            const int env = LineOf(Txt.EnvelopeLines, title);
            ASSERT_GT(env, 0) << title;
            EXPECT_EQ(Txt.EnvelopeLines[env + 4].str().substr(0, 13), r.e2) << first << " then " << second;
            EXPECT_EQ(Txt.EnvelopeLines[env + 13].str().substr(0, 13), r.e11) << first << " then " << second;
            EXPECT_EQ(Txt.EnvelopeLines[env + 23].str().substr(0, 13), r.e21) << first << " then " << second;
        }
    }
}

} // namespace
