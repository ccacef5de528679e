// The count line of a text table: one grammar, one rule for a damaged count, two bounds.
#include "foundation/LineCount.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/Errors.h"

using namespace kx;

TEST(LineCount, WholeNumbersReadDamagedCountsThrowAndTheTableBoundsHold) {
    // line 0, as stored (nothing: damaged), held to a table of lines 0..10
    const struct {
        const char* line0;
        std::optional<int> stored;
        int within;
    } cases[] = {
        {"", 0, 0},
        {"0", 0, 0},
        {"7", 7, 7},
        {"10", 10, 10},
        {"11", 11, 10},
        {"+3", 3, 3},
        {"-2", -2, 0},
        {"0012", 12, 10},
        {"2147483647", 2147483647, 10},
        {"2147483648", {}, 0},
        {"9999999999", {}, 0},
        {" 5", {}, 0},
        {"5 ", {}, 0},
        {"5x", {}, 0},
        {"x", {}, 0},
        {"1.5", {}, 0},
        {"-", {}, 0},
        {"+-5", {}, 0},
        {"\t3", {}, 0},
    };
    for (const auto& c : cases) {
        Arr<std::string, 0, 10> text;
        Arr<ShortString<50>, 0, 10> shortText;
        text[0] = c.line0;
        shortText[0] = c.line0;
        if (c.stored) {
            EXPECT_EQ(LineCount(text), *c.stored) << c.line0;
            EXPECT_EQ(LineCount(shortText, CountPolicy::AsStored), *c.stored) << c.line0;
            EXPECT_EQ(LineCount(text, CountPolicy::WithinTable), c.within) << c.line0;
        } else {
            for (CountPolicy p : {CountPolicy::AsStored, CountPolicy::WithinTable}) {
                try {
                    LineCount(shortText, p);
                    ADD_FAILURE() << "'" << c.line0 << "' read as a count";
                } catch (const ConvertError& e) {
                    EXPECT_EQ(e.what(), "'" + std::string(c.line0) + "' is not a valid integer value");
                }
            }
        }
    }

    // The writer's text reads back.
    Arr<ShortString<75>, 0, 1000> table;
    for (int n : {0, 1, 999, 1000}) {
        SetLineCount(table, n);
        EXPECT_EQ(LineCount(table), n);
    }
    EXPECT_EQ(table[0], "1000");
}
