// The exact values behind the rounded texts of the input windows: given back for the text they
// were shown as, in the unit it was shown in, and for nothing else.
#include "foundation/ShownValues.h"

#include <gtest/gtest.h>

#include "app/ProgramState.h"

namespace kx {
namespace {

TEST(ShownValues, AnUnchangedTextInItsOwnUnitGivesBackItsValue) {
    ResetProgramState();
    const std::uint64_t span = ShownValueKey(1, 5, 2), other = ShownValueKey(1, 5, 3);
    EXPECT_EQ(ShowValue(span, "10.13", 10125, 1000), "10.13");
    struct Case {
        const char* what;
        std::uint64_t key;
        const char* text;
        float unit;
        double typed, expected;
    };
    for (const Case& c : {Case{"as shown", span, "10.13", 1000, 10.13, 10125},
                          {"the same figures in feet", span, "10.13", 304.8f, 10.13, 10.13 * 304.8f},
                          {"another field", other, "10.13", 1000, 10.13, 10130},
                          {"as shown, again", span, "10.13", 1000, 10.13, 10125},
                          {"typed over", span, "10.2", 1000, 10.2, 10200},
                          {"typed back as shown", span, "10.13", 1000, 10.13, 10125}})
        EXPECT_DOUBLE_EQ(ReadShownValue(c.key, c.text, c.unit, c.typed), c.expected) << c.what;

    // An output unit is recorded under the reciprocal of its factor.
    EXPECT_FLOAT_EQ(ShownUnit(true, 1000), 1000);
    EXPECT_FLOAT_EQ(ShownUnit(false, 0.001), 1000);

    ShowValue(other, "1.23", 1234, 1000);
    ForgetShownValue(other);
    EXPECT_FALSE(ShownExact(other, "1.23", 1000));
    ShowValue(other, "1.23", 1234, 1000);
    ResetProgramState(); // the records go with the program's reset
    EXPECT_FALSE(ShownExact(other, "1.23", 1000));
}

} // namespace
} // namespace kx
