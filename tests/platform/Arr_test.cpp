#include "platform/Arr.h"
#include "platform/ShortString.h"

#include <gtest/gtest.h>

using namespace kx;

TEST(Arr, AcceptsExactlyItsDeclaredBounds) {
    Arr<float, 1, 5> a;
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(a[i], 0.0f) << "value-initialised";
    a[1] = 1.5f;
    a[5] = 2.5f;
    EXPECT_EQ(a[1], 1.5f);
    EXPECT_EQ(a[5], 2.5f);
    EXPECT_THROW(a[0], RangeError);
    EXPECT_THROW(a[6], RangeError);
    EXPECT_THROW(a[-1], RangeError);

    Arr<Arr<int, 0, 19>, 0, 27> rows;
    rows[27][19] = 7;
    EXPECT_EQ(rows[27][19], 7);
    EXPECT_THROW(rows[28][0], RangeError);
    EXPECT_THROW(rows[0][20], RangeError);

    const Arr<float, 1, 5>& c = a;
    EXPECT_THROW(c[6], RangeError);
    try {
        (void)c[0];
        FAIL();
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}

TEST(ShortString, CutsAtCapacityAndStoresLengthByteThenAllCharacters) {
    ShortString<10> s = "0123456789ABC";
    EXPECT_EQ(s.length(), 10);
    EXPECT_EQ(s.str(), "0123456789");
    s = "kN";
    EXPECT_EQ(s.str(), "kN");
    EXPECT_EQ(s, "kN");

    std::uint8_t bytes[11];
    s.toBytes(bytes);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 'k');
    EXPECT_EQ(bytes[2], 'N');
    for (int i = 3; i < 11; ++i)
        EXPECT_EQ(bytes[i], 0) << "tail after a shorter text is zero at " << i;

    // Latin-1: one byte per character.
    ShortString<10> sq = "N/mm\xB2";
    EXPECT_EQ(sq.length(), 5);
    EXPECT_EQ(static_cast<unsigned char>(sq.str()[4]), 178);
}

TEST(ShortString, ReadingHoldsADamagedLengthToTheCapacityAndIgnoresTheTail) {
    std::uint8_t in[6] = {200, 'a', 'b', 'c', 'd', 'e'};
    ShortString<5> s;
    s.fromBytes(in);
    EXPECT_EQ(s.str(), "abcde");

    std::uint8_t in2[6] = {2, 'x', 'y', 'J', 'U', 'K'};
    s.fromBytes(in2);
    EXPECT_EQ(s.str(), "xy");
    std::uint8_t out[6];
    s.toBytes(out);
    EXPECT_EQ(out[3], 0);
}
