// The column rules the listings share: values placed by their point or last digit, unit headings
// centred on their column, each kept one blank clear of what stands before it when it just fits.
#include "window/CaseResults.h"

#include <gtest/gtest.h>

using namespace kx;

TEST(ListingColumns, ValuesAndHeadingsStandAtTheirColumnOneBlankClearWhenTheyJustFit) {
    const struct {
        const char *before, *value;
        int c;
        Align align;
        const char* line;
    } values[] = {
        {"  1", "12.50", 10, Align::Point, "  1    12.50"}, // the point at 10
        {"  1", "2500", 10, Align::Point, "  1  2500"},     // no point: ends at 9
        {"  1", "2500", 10, Align::Digit, "  1   2500"},    // ends at 10
        {"  1", "12345.5", 10, Align::Point, "  1 12345.5"},
        {"  1", "123456", 10, Align::Digit, "  1 123456"},
    };
    for (const auto& v : values) {
        ListingLine line = v.before;
        AppendAligned(line, v.value, v.c, v.align);
        EXPECT_EQ(line.str(), v.line) << v.value;
    }
    // "(unit)" opens width / 2 before the column, the width counting the brackets.
    const struct {
        const char *before, *unit;
        int c;
        const char* line;
    } headings[] = {{"", "m", 10, "         (m)"},
                    {"   (m)", "kN/m", 13, "   (m)    (kN/m)"},
                    {"   (m)", "kN/m", 10, "   (m) (kN/m)"}};
    for (const auto& h : headings) {
        ListingLine line = h.before;
        AppendUnitHeading(line, h.unit, h.c);
        EXPECT_EQ(line.str(), h.line) << h.unit << " at " << h.c;
    }
}
