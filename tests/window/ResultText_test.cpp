// Emptying the result texts and the count convention of their line 0.
#include "window/ResultText.h"

#include <gtest/gtest.h>

using namespace kx;

namespace {

TEST(ResultText, ClearResultTextEmptiesAllButTheSteelCheckAndTheEnvelopeCount) {
    Txt = ResultTextTables{};
    for (int lc = 1; lc <= 5; ++lc) {
        Txt.CaseListing[lc][1000] = "x";
        Txt.CaseListing[lc][0] = "9";
        Txt.CaseLoadLines[lc][100] = "x";
        Txt.CaseSupportLines[lc][0] = "9";
        Txt.CaseMaxStressLines[lc] = "x";
    }
    for (int slot = 0; slot <= 5; ++slot) {
        Txt.KxCheckLines[slot][100] = "x";
        Txt.TimberCheckLines[slot][0] = "9";
        Txt.SteelCheckLines[slot][3] = "kept";
    }
    Txt.EnvelopeLines[0] = "5";
    Txt.EnvelopeLines[750] = "x";
    Txt.SummaryLines[100] = "x";
    Txt.LoadListLines[0] = "9";
    Txt.PointLoadListLines[100] = "x";
    Txt.MaximaLines[50] = "x";
    ClearResultText();

    for (int lc = 1; lc <= 5; ++lc) {
        EXPECT_TRUE(Txt.CaseListing[lc][1000].empty());
        EXPECT_TRUE(Txt.CaseListing[lc][0].empty());
        EXPECT_TRUE(Txt.CaseLoadLines[lc][100].empty());
        EXPECT_TRUE(Txt.CaseSupportLines[lc][0].empty());
        EXPECT_TRUE(Txt.CaseMaxStressLines[lc].empty());
    }
    for (int slot = 0; slot <= 5; ++slot) {
        EXPECT_TRUE(Txt.KxCheckLines[slot][100].empty());
        EXPECT_TRUE(Txt.TimberCheckLines[slot][0].empty());
        EXPECT_EQ(Txt.SteelCheckLines[slot][3], "kept");
    }
    EXPECT_EQ(Txt.EnvelopeLines[0], "5");
    EXPECT_TRUE(Txt.EnvelopeLines[750].empty());
    EXPECT_TRUE(Txt.SummaryLines[100].empty());
    EXPECT_TRUE(Txt.LoadListLines[0].empty());
    EXPECT_TRUE(Txt.PointLoadListLines[100].empty());
    EXPECT_TRUE(Txt.MaximaLines[50].empty());
    EXPECT_EQ(LineCount(Txt.CaseListing[1]), 0);
}

} // namespace
