// Fixed arrays with their own index bounds, and fixed-capacity strings as the files store them.
#include "platform/Arr.h"
#include "platform/ShortString.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace kx;

TEST(Arr, AcceptsExactlyItsDeclaredBounds) {
    Arr<float, 1, 5> a;
    a[5] = 2.5f;
    EXPECT_EQ(std::vector<float>(a.begin(), a.end()), (std::vector<float>{0, 0, 0, 0, 2.5f}));
    for (int i : {0, 6, -1})
        EXPECT_THROW(a[i], RangeError) << i;
    Arr<Arr<int, 0, 19>, 0, 27> rows;
    rows[27][19] = 7;
    EXPECT_EQ(rows[27][19], 7);
    EXPECT_THROW(rows[28][0], RangeError);
    EXPECT_THROW(rows[0][20], RangeError);
    const Arr<float, 1, 5>& c = a;
    try {
        (void)c[6];
        FAIL();
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}

TEST(ShortString, CutsAtCapacityAndStoresTheLengthByteThenEveryCharacter) {
    ShortString<10> s = "0123456789ABC";
    EXPECT_EQ(s.str(), "0123456789");
    s = "kN";
    std::uint8_t bytes[11];
    s.toBytes(bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 11),
              (std::vector<std::uint8_t>{2, 'k', 'N', 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ShortString<10>("N/mm\xB2").length(), 5) << "Latin-1: one byte a character";
    // Read back, a damaged length is held to the capacity, and what follows the text is not kept.
    std::uint8_t in[6] = {200, 'a', 'b', 'c', 'd', 'e'};
    ShortString<5> r;
    r.fromBytes(in);
    EXPECT_EQ(r.str(), "abcde");
    in[0] = 2;
    r.fromBytes(in);
    r.toBytes(bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 6), (std::vector<std::uint8_t>{2, 'a', 'b', 0, 0, 0}));
}

// Comparisons with a text, each way round and negated, are by the characters held: equal only to
// the same characters, the cut text included, and never to a prefix or a longer text.
TEST(ShortString, ComparesWithATextByItsCharactersEitherWayRound) {
    const ShortString<5> held = "kN/m2"; // exactly the capacity
    const ShortString<5> cut = "kN/m2x"; // cut to "kN/m2"
    const ShortString<5> none;
    const struct {
        const ShortString<5>& s;
        std::string_view text;
        bool equal;
    } rows[] = {
        {held, "kN/m2", true},   {cut, "kN/m2", true},   {none, "", true},   {held, "kN/m", false},
        {held, "kN/m2x", false}, {held, "kN/M2", false}, {none, " ", false}, {cut, "", false},
    };
    EXPECT_TRUE(held == cut && !(held != cut) && !(held == none));
    for (const auto& r : rows) {
        const std::string what = r.s.str() + " / " + std::string(r.text);
        EXPECT_EQ(r.s == r.text, r.equal) << what;
        EXPECT_EQ(r.text == r.s, r.equal) << what;
        EXPECT_EQ(r.s != r.text, !r.equal) << what;
        EXPECT_EQ(r.text != r.s, !r.equal) << what;
    }
}

// Both ends of each array: the first and the last index hold their own values, one past either end
// throws, written or only read; a lower bound below zero and an array of one value likewise.
TEST(Arr, BothEndsAreReachableAndOnePastEitherEndThrows) {
    Arr<int, 1, 5> loads;
    loads[1] = 11;
    loads[5] = 55;
    const Arr<int, 1, 5>& shown = loads;
    EXPECT_EQ(shown[1], 11);
    EXPECT_EQ(shown[5], 55);
    EXPECT_EQ(*loads.begin(), 11) << "index 1 is the first value held";
    EXPECT_EQ(*(loads.end() - 1), 55) << "index 5 is the last value held";
    EXPECT_THROW((void)shown[0], RangeError);
    EXPECT_THROW((void)shown[6], RangeError);
    EXPECT_THROW(loads[0] = 1, RangeError);
    EXPECT_THROW(loads[6] = 1, RangeError);

    Arr<double, -2, 2> around;
    around[-2] = -2.5;
    around[2] = 2.5;
    EXPECT_EQ(std::vector<double>(around.begin(), around.end()), (std::vector<double>{-2.5, 0, 0, 0, 2.5}));
    EXPECT_THROW(around[-3], RangeError);
    EXPECT_THROW(around[3], RangeError);
    static_assert(Arr<double, -2, 2>::count == 5 && Arr<int, 0, 0>::count == 1);

    Arr<int, 0, 0> one;
    one[0] = 9;
    EXPECT_EQ(std::as_const(one)[0], 9);
    EXPECT_THROW(one[1], RangeError);
    EXPECT_THROW(one[-1], RangeError);
    EXPECT_THROW((void)std::as_const(one)[-1], RangeError);

    // Filled, compared: every value takes part.
    Arr<int, 1, 5> same;
    same.fill(3);
    Arr<int, 1, 5> other = same;
    EXPECT_TRUE(other == same);
    other[5] = 4;
    EXPECT_FALSE(other == same);
    EXPECT_EQ(std::vector<int>(same.begin(), same.end()), (std::vector<int>{3, 3, 3, 3, 3}));
}
