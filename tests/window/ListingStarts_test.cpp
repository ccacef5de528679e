// The starts of the listings' lines (row number and distance), kept from one listing to the next:
// each listing still shows the distances of its own members.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>
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
// before; then the same spans in millimetres, then in metres again. A twentieth of 3000 mm is
// 0.150 m, of 4500 mm 0.225 m; the midpoints (row 11) 1.500 and 2.250 m; the ends (row 21) 3.000
// and 4.500 m. The span data put the distance's point at 15, the envelope at 10; whole
// millimetres end one before.
TEST_F(ListingStartsTest, DistancesFollowTheMemberListedInEachPlaceWhateverItsLengthBefore) {
    Commit(BeamBuilder().Spans({3000, 4500}));
    Model.SpanCount[0] = Model.SpanCount[1] = 2;
    Model.LoadcaseCount = 1;
    Eng.CurrentCase = 1;
    Eng.NumSpanIntervals = 20;
    Eng.ResultIntervalStep = 1;
    struct Rows {
        float length, unit;
        std::string r2, r11, r21; // span data
        std::string e2, e11, e21; // envelope
    };
    // clang-format off
    const Rows rows[] = {
        {3000, 1000, "  2          0.150", " 11          1.500", " 21          3.000",
                     " 2      0.150",      "11      1.500",      "21      3.000"},
        {4500, 1000, "  2          0.225", " 11          2.250", " 21          4.500",
                     " 2      0.225",      "11      2.250",      "21      4.500"},
        {3000, 1,    "  2        150 ",    " 11       1500 ",    " 21       3000 ",
                     " 2    150 ",         "11   1500 ",         "21   3000 "},
        {4500, 1,    "  2        225 ",    " 11       2250 ",    " 21       4500 ",
                     " 2    225 ",         "11   2250 ",         "21   4500 "}};
    const std::tuple<float, float, float> listings[] = {
        {3000, 4500, 1000}, {4500, 3000, 1000}, {3000, 4500, 1000}, {3000, 4500, 1}, {3000, 4500, 1000}};
    // clang-format on
    for (auto [first, second, unit] : listings) {
        Eng.LoadcaseSpanLength[1][1] = Model.SpanData[1][mfL] = first;
        Eng.LoadcaseSpanLength[1][2] = Model.SpanData[2][mfL] = second;
        Model.UnitFactorLength = unit;
        Model.UnitTextLength = unit == 1 ? "mm" : "m";
        BuildCaseResultsText();
        BuildEnvelopeText();
        for (int s : {1, 2}) {
            const float L = s == 1 ? first : second, factor = unit; // a lambda takes no structured binding
            const Rows& r = *std::find_if(std::begin(rows), std::end(rows),
                                          [&](const Rows& x) { return x.length == L && x.unit == factor; });
            const std::string title = " Span " + std::to_string(s);
            const std::string job = std::to_string(first) + " then " + std::to_string(second) + " in " +
                                    Model.UnitTextLength.str();
            const int at = LineOf(Txt.CaseListing[1], title); // title, heading, units, row 1
            ASSERT_GT(at, 0) << title;
            for (auto [line, text] : {std::pair{at + 4, r.r2}, {at + 13, r.r11}, {at + 23, r.r21}})
                EXPECT_EQ(Txt.CaseListing[1][line].str().substr(0, text.size()), text) << job;
            const int env = LineOf(Txt.EnvelopeLines, title);
            ASSERT_GT(env, 0) << title;
            for (auto [line, text] : {std::pair{env + 4, r.e2}, {env + 13, r.e11}, {env + 23, r.e21}})
                EXPECT_EQ(Txt.EnvelopeLines[line].str().substr(0, text.size()), text) << job;
        }
    }
}

} // namespace
