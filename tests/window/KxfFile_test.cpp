#include "window/KxfFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "KxfTestJobs.h"
#include "KxfTestSupport.h"
#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "window/DrawingState.h"
#include "window/ResultText.h"

using namespace kx;
using namespace kxtest;

namespace {

const KxfLayout& JobLayout() {
    static const KxfLayout l = MakeKxfLayout(kNLC, kNS, kNI, kStoredLines);
    return l;
}

TEST(KxfFile, FieldsOneToTwentySixStandAtTheirOffsets) {
    const KxfLayout& l = JobLayout();
    const std::size_t stated[] = {0,    26,   52,   78,   684,  708,  712,  716,  720,
                                  724,  3232, 3252, 3353, 3416, 3515, 3551, 3759, 3763,
                                  3783, 3787, 5131, 5227, 5275, 5283, 7523, 7631};
    for (int f = 1; f <= 26; ++f)
        EXPECT_EQ(l[f], stated[f - 1]) << "field " << f;
    EXPECT_EQ(kKxfFixedHeadSize, 7631u);

    SetUpJob();
    const Bytes b = WriteKxfFile();
    ASSERT_EQ(b.size(), l.size());
    EXPECT_EQ(StrAt(b, 0), "1.3");
    EXPECT_EQ(StrAt(b, 26), ".1");
    EXPECT_EQ(StrAt(b, 52), "MBS");
    EXPECT_EQ(StrAt(b, 78), "Acme Temporary Works");
    EXPECT_EQ(StrAt(b, 78 + 101), "J. Smith");
    EXPECT_EQ(StrAt(b, 78 + 5 * 101), "JR-7");
    const int spanCounts[] = {3, 2, 3, 3, 3, 3};
    for (int k = 0; k <= 5; ++k)
        EXPECT_EQ(IntAt(b, 684 + 4 * k), spanCounts[k]);
    EXPECT_EQ(IntAt(b, 708), kNLC);
    EXPECT_EQ(IntAt(b, 712), 2);
    EXPECT_EQ(IntAt(b, 716), kNI);
    EXPECT_EQ(IntAt(b, 720), 2);
    // The 33 count lines: CaseListing 1..5, CaseLoadLines, CaseSupportLines, then Kx, Steel and
    // Timber check lines 0..5.
    EXPECT_EQ(StrAt(b, 724), "12");
    EXPECT_EQ(StrAt(b, 724 + 76), "2");
    EXPECT_EQ(StrAt(b, 724 + 5 * 76), "14");
    EXPECT_EQ(StrAt(b, 724 + 10 * 76), "3");
    EXPECT_EQ(StrAt(b, 724 + 12 * 76), "4");
    EXPECT_EQ(StrAt(b, 724 + 15 * 76), "1");
    EXPECT_EQ(StrAt(b, 724 + 22 * 76), "2");
    EXPECT_EQ(StrAt(b, 724 + 26 * 76), "7");
    EXPECT_EQ(StrAt(b, 724 + 29 * 76), "1");
    EXPECT_EQ(IntAt(b, 3232), -1);
    EXPECT_EQ(IntAt(b, 3232 + 16), -3);
    EXPECT_EQ(StrAt(b, 3252), "203 x 133 UB 25");
    EXPECT_EQ(StrAt(b, 3353), "Beam");
    EXPECT_EQ(StrAt(b, 3379), "HRS");
    EXPECT_EQ(StrAt(b, 3390), "UB");
    const char* texts[] = {"m", "kN", "kN/m", "N/mm^2", "cm^4", "kN", "kN-m", "mm", "N/mm^2"};
    const float factors[] = {1000, 1000, 1, 1, 10000, 0.001f, 1e-6f, 1, 1};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(StrAt(b, 3416 + 11 * static_cast<std::size_t>(k)), texts[k]);
        EXPECT_EQ(FloatAt(b, 3515 + 4 * static_cast<std::size_t>(k)), factors[k]);
    }
    EXPECT_EQ(IntAt(b, 3551), supForkhead);
    EXPECT_EQ(FloatAt(b, 3555), 10.5f);
    EXPECT_EQ(IntAt(b, 3551 + 25 * 8), supForkhead);
    EXPECT_EQ(FloatAt(b, 3555 + 25 * 8), 35.5f);
    EXPECT_EQ(IntAt(b, 3759), 7);
    EXPECT_EQ(FloatAt(b, 3763), 1000.5f);
    EXPECT_EQ(FloatAt(b, 3763 + 16), 5000.5f);
    EXPECT_EQ(IntAt(b, 3783), 1);
    EXPECT_EQ(DoubleAt(b, 3787 + (1 * 28 + 2) * 8), 6000.0);
    EXPECT_EQ(DoubleAt(b, 3787 + (5 * 28 + 27) * 8), 5.27);
    EXPECT_EQ(DoubleAt(b, 5131 + (4 * 2 + 0) * 8), 1000.0);
    EXPECT_EQ(DoubleAt(b, 5131 + (4 * 2 + 1) * 8), 0.5);
    EXPECT_EQ(IntAt(b, 5227 + 5 * 8), 1); // LH flag of slot 5
    EXPECT_EQ(IntAt(b, 5227 + 5 * 8 + 4), 0);
    EXPECT_EQ(DoubleAt(b, 5275), 10000.0);
    EXPECT_EQ(FloatAt(b, 5283 + (2 * 20 + 1) * 4), 4000.0f);
    EXPECT_EQ(FloatAt(b, 5283 + (26 * 20 + 19) * 4), 26.19f);
    EXPECT_EQ(FloatAt(b, 5283 + (27 * 20 + 11) * 4), -1.0f);
    EXPECT_EQ(FloatAt(b, 7523), 100.0f);
    EXPECT_EQ(FloatAt(b, 7523 + 26 * 4), 126.0f);
    // Field 26: loadcase 2, record 51, field 7 is the last single of the field.
    EXPECT_EQ(FloatAt(b, 7631), 10010.0f);
    EXPECT_EQ(FloatAt(b, 7631 + 2 * 1632 - 4), 20517.0f);
}

TEST(KxfFile, LaterFieldsFollowTheStatedSizesAndLoops) {
    SetUpJob();
    const Bytes b = WriteKxfFile();
    const KxfLayout& l = JobLayout();
    ASSERT_EQ(b.size(), l.size());
    const std::size_t pts = kNI + 1;
    EXPECT_EQ(IntAt(b, l[27]), 1);
    EXPECT_EQ(DoubleAt(b, l[27] + 4), 15000.125);
    EXPECT_EQ(IntAt(b, l[27] + 12), 0);
    EXPECT_EQ(DoubleAt(b, l[27] + 4 * 12 + 4), 15000.125 * 5);
    // 28: shear and moment alternate, loadcase outermost, then span, then point.
    EXPECT_EQ(FloatAt(b, l[28]), StoreValue(1, 1, 1));
    EXPECT_EQ(FloatAt(b, l[28] + 4), -StoreValue(1, 1, 1));
    EXPECT_EQ(FloatAt(b, l[28] + (((2 - 1) * kNS + 3 - 1) * pts + 41 - 1) * 8), StoreValue(2, 3, 41));
    EXPECT_EQ(FloatAt(b, l[29] + (((2 - 1) * kNS + 2 - 1) * 21 + 21 - 1) * 4), StoreValue(2, 2, 21) / 1e6f);
    EXPECT_EQ(FloatAt(b, l[30] + (((2 - 1) * 2 + 2 - 1) * pts + 5 - 1) * 8 + 4), -StoreValue(2, 52, 5));
    EXPECT_EQ(FloatAt(b, l[31] + (((1 - 1) * 2 + 2 - 1) * 22 + 22 - 1) * 4), StoreValue(1, 62, 22) / 1e6f);
    // 32: slots 0..4 are loadcases 1..5; A and B alternate per element.
    EXPECT_EQ(FloatAt(b, l[32]), -StoreValue(1, 71, 0));
    EXPECT_EQ(FloatAt(b, l[32] + 4), StoreValue(1, 71, 0));
    EXPECT_EQ(FloatAt(b, l[32] + (4 * 2 + 1) * 8 + 4), StoreValue(5, 72, 0));
    // 33: slot 0 (the envelope) first, all 25 spans each.
    EXPECT_EQ(FloatAt(b, l[33]), StoreValue(0, 1, 7));
    EXPECT_EQ(FloatAt(b, l[33] + (2 * 25 + 25 - 1) * 8 + 4), -StoreValue(2, 25, 7));
    EXPECT_EQ(IntAt(b, l[34]), 1);
    EXPECT_EQ(FloatAt(b, l[34] + 4), 7.8f);
    EXPECT_EQ(IntAt(b, l[34] + 8), 0x5A5A);
    EXPECT_EQ(FloatAt(b, l[34] + 12), 5.7f);
    EXPECT_EQ(IntAt(b, l[35]), 1);
    EXPECT_EQ(IntAt(b, l[35] + 16), 5);
    EXPECT_EQ(FloatAt(b, l[35] + 20), 17.1f);
    EXPECT_EQ(FloatAt(b, l[35] + 24), 120.5f);
    EXPECT_EQ(FloatAt(b, l[35] + 28), 150.25f);
    EXPECT_EQ(IntAt(b, l[36] + 4), 1);
    EXPECT_EQ(IntAt(b, l[36] + 44), 1);
    EXPECT_EQ(IntAt(b, l[36] + 48), 0);
    // 37: per span Pos, Dead, Full, Partial, Not, 12, Restrained, Int, Edit.
    EXPECT_EQ(IntAt(b, l[37] + 1 * 36 + 0), 1);
    EXPECT_EQ(IntAt(b, l[37] + 2 * 36 + 28), 1);
    EXPECT_EQ(IntAt(b, l[37] + 2 * 36 + 32), 0);
    EXPECT_EQ(IntAt(b, l[37] + 3 * 36 + 32), 1);
    EXPECT_EQ(IntAt(b, l[37] + 3 * 36 + 28), 0);
    EXPECT_EQ(IntAt(b, l[37] + 25 * 36 + 24), 1);
    EXPECT_EQ(FloatAt(b, l[38] + (26 * 12 + 10) * 4), 26.1f);
    EXPECT_EQ(FloatAt(b, l[38] + (15 * 12 + 11) * 4), 4.0f);
    EXPECT_EQ(IntAt(b, l[39] + (20 * 10 + 9) * 4), (20 * 10 + 10) % 201);
    EXPECT_EQ(StrAt(b, l[40] + 26 * 26), "Le 26");
    EXPECT_EQ(IntAt(b, l[41]), 1);
    EXPECT_EQ(StrAt(b, l[42]), "C24");
    EXPECT_EQ(StrAt(b, l[42] + 26 + 40 * 101), "T41");
    EXPECT_EQ(StrAt(b, l[42] + 26 + 41 * 101), "R1");
    EXPECT_EQ(StrAt(b, l[42] + 26 + 41 * 101 + 49 * 51), "R50");
    EXPECT_EQ(StrAt(b, l[43] + 26), "Dry");
    EXPECT_EQ(FloatAt(b, l[43] + 60), 10800.0f);
    EXPECT_EQ(StrAt(b, l[43] + 64), "Long term");
    EXPECT_EQ(FloatAt(b, l[43] + 102), 7000.0f);
    EXPECT_EQ(FloatAt(b, l[44] + ((2 - 1) * 50 + 50 - 1) * 32 + 7 * 4), 2050.7f);
    EXPECT_EQ(IntAt(b, l[45]), -1);
    EXPECT_EQ(StrAt(b, l[46]), "3");
    EXPECT_EQ(StrAt(b, l[46] + 50 * 61), "Prop 50");
    EXPECT_EQ(FloatAt(b, l[47] + 26 * 4), 1026.0f);
    EXPECT_EQ(StrAt(b, l[48] + 4 * 76), " Max stress for loadcase 5");
    EXPECT_EQ(StrAt(b, l[48] + 5 * 76), " Max stress = 123.4 N/mm^2");
    // 49 to 52: the counted lines of loadcases 1..NLC (check tables from slot 0).
    const char* stored[] = {"SUPPORTS",
                            " Support   Factored Reaction",
                            " No             (kN)",
                            "SUPPORTS",
                            "case 2 line 2",
                            "kx envelope",
                            "kx 1 a",
                            "kx 1 b",
                            "steel 1 a",
                            "steel 1 b",
                            "steel 2 a",
                            "timber 2 a"};
    for (std::size_t i = 0; i < kStoredLines; ++i)
        EXPECT_EQ(StrAt(b, l[49] + 76 * i), stored[i]) << i;
    EXPECT_EQ(StrAt(b, l[53]), "9");
    EXPECT_EQ(StrAt(b, l[53] + 76), "5");
    EXPECT_EQ(StrAt(b, l[53] + 162), "4");
    EXPECT_EQ(StrAt(b, l[53] + 100 * 238 + 76).size(), 85u);
    EXPECT_EQ(StrAt(b, l[53] + 100 * 238 + 162), "Point 100");
    EXPECT_EQ(StrAt(b, l[54] + 50 * 76), "Max 50");
    EXPECT_EQ(FloatAt(b, l[55]), 2000.0f);
    EXPECT_EQ(IntAt(b, l[55] + 4), 1);
    for (int k = 0; k < 100; ++k)
        EXPECT_EQ(StrAt(b, l[56] + 26 * static_cast<std::size_t>(k)), "MBS");
}

// Size of a file from the stated formula.
std::size_t FormulaSize(int NLC, int NS, int NI, int lines) {
    return 52924 + 200 * (NLC + 1) + NLC * (3408 + 16 * (NI + 1) + NS * (8 * NI + 92)) + 76 * lines;
}

TEST(KxfFile, SizesFollowTheFormula) {
    // One span, one loadcase, 20 intervals, no text lines beyond the count lines.
    ResetAll();
    Model.SpanCount[0] = 1;
    Model.LoadcaseCount = 1;
    Model.StoredSpanIntervals = 20;
    EXPECT_EQ(WriteKxfFile().size(), 57320u);
    EXPECT_EQ(FormulaSize(1, 1, 20, 0), 57320u);

    SetUpJob();
    EXPECT_EQ(WriteKxfFile().size(), FormulaSize(kNLC, kNS, kNI, kStoredLines));

    // Twenty spans, five loadcases, 200 intervals and long check listings.
    ResetAll();
    Model.SpanCount[0] = 20;
    Model.LoadcaseCount = 5;
    Model.StoredSpanIntervals = 200;
    int lines = 0;
    for (int lc = 1; lc <= 5; ++lc) {
        Txt.CaseSupportLines[lc][0] = std::to_string(40 + lc);
        Txt.SteelCheckLines[lc][0] = "500";
        lines += 40 + lc + 500;
    }
    Txt.SteelCheckLines[0][0] = "3";
    Txt.TimberCheckLines[0][0] = "100";
    Txt.CaseListing[1][0] = "679"; // counted but not stored
    lines += 3 + 100;
    EXPECT_EQ(WriteKxfFile().size(), FormulaSize(5, 20, 200, lines));

    // A job after File New, never analysed: no loadcase, only the envelope slot of field 33.
    ResetAll();
    Model.SpanCount[0] = 1;
    EXPECT_EQ(WriteKxfFile().size(), FormulaSize(0, 1, 0, 0));
}

TEST(KxfFile, ReadsBackEveryFieldAndWritesTheSameBytes) {
    SetUpJob();
    const Bytes original = WriteKxfFile();
    ResetAll();
    ReadKxfFile(original);
    EXPECT_EQ(WriteKxfFile(), original);

    EXPECT_EQ(Model.HeaderJobRef, "JR-7");
    EXPECT_EQ(Eng.ResultIntervalStep, 2);
    EXPECT_EQ(Eng.NumSpanIntervals, kNI); // set from the stored resolution
    EXPECT_EQ(Eng.StoredShear[2][3][41], StoreValue(2, 3, 41));
    EXPECT_EQ(Eng.StoredCantDeflection[1][2][22], StoreValue(1, 62, 22) / 1e6f);
    EXPECT_EQ(Eng.StoredCantEndB[5][1], StoreValue(5, 72, 0));
    EXPECT_EQ(Eng.LoadcaseSpanLength[1][2], 6000.0);
    EXPECT_EQ(Txt.SteelCheckLines[2][1], "steel 2 a");
    EXPECT_EQ(Txt.CaseListing[1][0], "12");
    EXPECT_EQ(Model.SpanOptInt[2], 1);
    EXPECT_EQ(Model.SpanOptEdit[2], 0);
    EXPECT_EQ(Model.SectionSpare, 0x5A5A);
    EXPECT_EQ(Drawing.DrawnMemberLength[26], 1026.0f);
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    // The released support of loadcase 1 follows from its merged spans.
    const int released[] = {0, 0, -1, 0, 0};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(Eng.ReleasedSupport[1][k], released[k - 1]) << k;
    // What the file does not hold stays as it was.
    EXPECT_EQ(Model.UnitTextSectZ, "");
    EXPECT_EQ(Model.LoadTable[3][1][0], 0.0f);
    EXPECT_EQ(Txt.CaseSupportLines[3][1], "");
    EXPECT_EQ(Model.TimberResultLinesSaved[0], "");
}

TEST(KxfFile, JobsOfEverySizeSurviveARoundTrip) {
    const int shapes[][3] = {{1, 1, 20}, {25, 5, 200}, {20, 3, 100}, {4, 5, 80}, {10, 2, 40}};
    for (const auto& s : shapes) {
        SetUpGridJob(s[0], s[1], s[2], 3);
        const Bytes image = WriteKxfFile();
        EXPECT_EQ(image.size(), MakeKxfLayout(s[1], s[0], s[2], 4 * s[1] + 2).size());
        ResetAll();
        ReadKxfFile(image);
        EXPECT_EQ(WriteKxfFile(), image) << s[0] << " spans";
    }
}

TEST(KxfFile, RandomValuesInEveryNumberFieldSurviveARoundTrip) {
    SetUpJob();
    Bytes image = WriteKxfFile();
    const KxfLayout& l = JobLayout();
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> any(-1e6f, 1e6f);
    // The stores and the envelope moments, all singles.
    for (std::size_t at = l[28]; at < l[32]; at += 4)
        PutFloat(image, at, any(rng));
    for (std::size_t at = l[32]; at < l[34]; at += 4)
        PutFloat(image, at, any(rng));
    for (std::size_t at = l[44]; at < l[45]; at += 4)
        PutFloat(image, at, any(rng));
    for (std::size_t at = l[26]; at < l[27]; at += 4)
        PutFloat(image, at, any(rng));
    ResetAll();
    ReadKxfFile(image);
    EXPECT_EQ(WriteKxfFile(), image);
    EXPECT_EQ(Eng.StoredMoment[1][2][3], FloatAt(image, l[28] + ((2 - 1) * (kNI + 1) + 3 - 1) * 8 + 4));
}

TEST(KxfFile, IgnoresBytesAfterATextAndAMissingTrailer) {
    SetUpJob();
    const Bytes original = WriteKxfFile();
    Bytes image = original;
    image[52 + 10] = 'x'; // beyond the 3 characters of the file tag
    image[724 + 75] = 0xFF;
    ReadKxfFile(image);
    EXPECT_EQ(WriteKxfFile(), original);

    const KxfLayout& l = JobLayout();
    ResetAll();
    ReadKxfFile(Bytes(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(l[56])));
    EXPECT_EQ(WriteKxfFile(), original);
}

// A state the refused files must leave exactly as it is.
class KxfRefusal : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpJob();
        image_ = WriteKxfFile();
        Model.HeaderProject1 = "the job before";
        Eng.NumSpanIntervals = 123;
        before_ = WriteKxfFile();
    }

    void expectRefused(const Bytes& image, const std::string& why) {
        try {
            ReadKxfFile(image);
            ADD_FAILURE() << "accepted a file with " << why;
        } catch (const KxfFileError& e) {
            EXPECT_STREQ(e.what(), "Not a valid beam file");
            EXPECT_NE(e.detail().find(why), std::string::npos) << e.detail();
        }
        EXPECT_EQ(WriteKxfFile(), before_) << why;
        EXPECT_EQ(Eng.NumSpanIntervals, 123);
    }
    void expectIntRefused(std::size_t at, std::int32_t v, const std::string& why) {
        Bytes b = image_;
        PutInt(b, at, v);
        expectRefused(b, why);
    }
    void expectCountRefused(int record, const std::string& text, const std::string& why) {
        Bytes b = image_;
        PutStr(b, 724 + 76 * static_cast<std::size_t>(record), text, 75);
        expectRefused(b, why);
    }

    Bytes image_, before_;
    const KxfLayout& l_ = JobLayout();
};

TEST_F(KxfRefusal, FilesCutShortAtFiftyLengths) {
    // Every field boundary region is crossed: the version, the fixed head, the stores, the texts
    // and the last byte before the trailer.
    std::vector<std::size_t> cuts = {0,   1,    25,   26,   77,   700,  723,
                                     800, 3231, 3500, 5000, 7630, 7631, l_[56] - 1};
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> anywhere(7632, l_[56] - 2);
    while (cuts.size() < 50)
        cuts.push_back(anywhere(rng));
    for (std::size_t cut : cuts)
        expectRefused(Bytes(image_.begin(), image_.begin() + static_cast<std::ptrdiff_t>(cut)),
                      "the file ends");
}

TEST_F(KxfRefusal, CountsAndBoundsOneBeyondTheirLimits) {
    expectIntRefused(708, 6, "LoadcaseCount");
    expectIntRefused(708, -1, "LoadcaseCount");
    expectIntRefused(684, 0, "SpanCount[0]");
    expectIntRefused(684, 26, "SpanCount[0]");
    expectIntRefused(688, kNS + 1, "SpanCount");
    expectIntRefused(688 + 16, -1, "SpanCount");
    expectIntRefused(716, 201, "StoredSpanIntervals");
    expectIntRefused(716, -1, "StoredSpanIntervals");
    expectIntRefused(720, 4, "resolution"); // 40 intervals go with a step of 2
    expectIntRefused(712, 0, "CurrentLoadcase");
    expectIntRefused(712, 6, "CurrentLoadcase");
    expectIntRefused(3759, 51, "LoadRowsShown");
    expectIntRefused(3783, 2, "SteelSectionFlag");
    expectIntRefused(3551, 6, "SupportType");
    expectIntRefused(3551 + 12 * 8, -1, "SupportType");
    expectIntRefused(l_[27] + 12, 2, "CaseHasLoads");
    expectIntRefused(5227 + 4, 2, "cantilever flag");
    expectIntRefused(l_[34], 2, "AnalysedFlag");
    expectIntRefused(l_[41], 2, "AnySpanIntervals");
    expectIntRefused(l_[45], 2, "ShownCaseMode");
    expectIntRefused(l_[55] + 4, -2, "FactoredLoadsFlag");
    expectIntRefused(l_[37] + 4 * 36 + 28, 2, "span restraint option");
    expectIntRefused(l_[36] + 60, -1, "cantilever restraint option");
    expectIntRefused(l_[39] + (3 * 10 + 2) * 4, 201, "RestraintPos");
    expectIntRefused(l_[39], -1, "RestraintPos");
    Bytes b = image_;
    PutFloat(b, l_[38] + (3 * 12 + 11) * 4, 11.0f);
    expectRefused(b, "interval count");
    b = image_;
    PutFloat(b, l_[38] + (3 * 12 + 11) * 4, 2.5f);
    expectRefused(b, "interval count");
}

TEST_F(KxfRefusal, TextCountsBeyondTheirTablesOrNotNumbers) {
    expectCountRefused(0, "1001", "CaseListing");
    expectCountRefused(5, "101", "CaseLoadLines");
    expectCountRefused(12, "101", "CaseSupportLines");
    expectCountRefused(15, "101", "KxCheckLines");
    expectCountRefused(22, "501", "SteelCheckLines");
    expectCountRefused(32, "101", "TimberCheckLines");
    expectCountRefused(10, "-1", "CaseSupportLines");
    expectCountRefused(10, "3a", "not a number");
    expectCountRefused(21, "x", "not a number");
    expectCountRefused(21, " 2", "not a number");

    Bytes b = image_;
    PutStr(b, l_[53], "101", 75);
    expectRefused(b, "SummaryLines");
    b = image_;
    PutStr(b, l_[54], "51", 75);
    expectRefused(b, "MaximaLines");
    b = image_;
    PutStr(b, l_[46], "51", 60);
    expectRefused(b, "SectionPropLines");
    b = image_;
    PutStr(b, l_[53] + 162, "one", 75);
    expectRefused(b, "PointLoadListLines");
}

TEST_F(KxfRefusal, DamagedTextsAndNumbers) {
    Bytes b = image_;
    b[52] = 26; // a string[25] claiming 26 characters
    expectRefused(b, "longer than its field");
    b = image_;
    b[l_[49]] = 76;
    expectRefused(b, "longer than its field");
    b = image_;
    PutFloat(b, l_[28] + 8, std::numeric_limits<float>::quiet_NaN());
    expectRefused(b, "StoredShear");
    b = image_;
    PutDouble(b, 5275, std::numeric_limits<double>::infinity());
    expectRefused(b, "BeamLength");
    b = image_;
    PutFloat(b, 3515, 0.0f);
    expectRefused(b, "unit factor");
    b = image_;
    PutFloat(b, 5283 + 1 * 4, -1.0f);
    expectRefused(b, "member length");
    b = image_;
    PutFloat(b, 5283 + (2 * 20 + 0) * 4, 0.5f);
    expectRefused(b, "Exists");
}

TEST_F(KxfRefusal, ResultsThatNoAnalysisOfTheBeamCanHaveGiven) {
    Bytes b = image_;
    PutFloat(b, 5283 + (2 * 20 + 1) * 4, 0.0f); // span 2 of the analysed beam without length
    expectRefused(b, "no length");
    b = image_;
    PutFloat(b, 5283 + (1 * 20 + 3) * 4, 0.0f); // Ixx of span 1
    expectRefused(b, "stiffness");
    b = image_;
    PutDouble(b, 3787 + (1 * 28 + 1) * 8, 3500.0); // loadcase 1's spans no longer fit the beam
    expectRefused(b, "geometry of loadcase 1");
    b = image_;
    PutInt(b, 3551 + 2 * 8, supFixed); // the released support was no forkhead
    expectRefused(b, "geometry of loadcase 1");
    b = image_;
    PutInt(b, 716, 0);
    PutInt(b, 720, 0);
    b.erase(b.begin() + static_cast<std::ptrdiff_t>(l_[28]),
            b.begin() + static_cast<std::ptrdiff_t>(l_[28] + kNLC * kNS * 40 * 8));
    b.erase(b.begin() + static_cast<std::ptrdiff_t>(l_[30] - kNLC * kNS * 40 * 8),
            b.begin() + static_cast<std::ptrdiff_t>(l_[30] - kNLC * kNS * 40 * 8 + kNLC * 2 * 40 * 8));
    expectRefused(b, "resolution"); // no resolution stored, though loadcase 1 has loads
}

TEST(KxfFile, VersionTest) {
    EXPECT_EQ(VersionMajor("1.3"), 1);
    EXPECT_EQ(VersionMajor("1.0"), 1);
    EXPECT_EQ(VersionMajor("  12x"), 12);
    EXPECT_EQ(VersionMajor("-1.3"), -1);
    EXPECT_EQ(VersionMajor("+1"), 1);
    EXPECT_EQ(VersionMajor(""), 0);
    EXPECT_EQ(VersionMajor(".9"), 0);
    EXPECT_EQ(VersionMajor("99999999999999999999"), 1000000000);

    auto image = [](const std::string& version, std::size_t size = 100) {
        Bytes b(size, 0);
        if (size >= 26) PutStr(b, 0, version, 25);
        return b;
    };
    EXPECT_TRUE(IsReadableBeamFileVersion(image("1.3")));
    EXPECT_TRUE(IsReadableBeamFileVersion(image(" 1.9beta")));
    EXPECT_TRUE(IsReadableBeamFileVersion(image("1", 26)));
    EXPECT_FALSE(IsReadableBeamFileVersion(image("2.0")));
    EXPECT_FALSE(IsReadableBeamFileVersion(image("0.9")));
    EXPECT_FALSE(IsReadableBeamFileVersion(image("")));
    EXPECT_FALSE(IsReadableBeamFileVersion(image("1.3", 25)));
    Bytes tooLong = image("1.3");
    tooLong[0] = 26;
    EXPECT_FALSE(IsReadableBeamFileVersion(tooLong));
    EXPECT_EQ(BeamFileVersionText(image("2.0")), "2.0");
    EXPECT_EQ(BeamFileVersionText(tooLong), "");
}

// Committed beam: LH cantilever 500, spans 1000 / 2000 / 3000 / 4000, no RH cantilever.
void SetUpForkheadBeam() {
    ResetAll();
    Model.SpanCount[0] = 4;
    Model.SpanData[0][mfExists] = 1;
    Model.SpanData[0][mfL] = 500;
    for (int s = 1; s <= 4; ++s)
        Model.SpanData[s][mfL] = 1000.0f * static_cast<float>(s);
    for (int k : {0, 1, 2, 3, 25})
        Model.SupportType[k] = supForkhead;
}

void SetLoadcase(int lc, double lh, std::vector<double> spans, double rh) {
    Eng.LHCantileverActive[lc] = lh > 0;
    Eng.CantileverLength[lc][0] = lh;
    Eng.RHCantileverActive[lc] = rh > 0;
    Eng.CantileverLength[lc][1] = rh;
    Model.SpanCount[lc] = static_cast<int>(spans.size());
    for (int s = 1; s <= 27; ++s)
        Eng.LoadcaseSpanLength[lc][s] =
            s <= static_cast<int>(spans.size()) ? spans[static_cast<std::size_t>(s - 1)] : 0;
}

std::vector<int> Released(int lc) {
    std::vector<int> r;
    for (int k = 1; k <= 6; ++k)
        r.push_back(Eng.ReleasedSupport[lc][k]);
    return r;
}

TEST(KxfFile, ReleasedForkheadsFollowFromTheLoadcaseGeometry) {
    SetUpForkheadBeam();
    SetLoadcase(1, 500, {1000, 2000, 3000, 4000}, 0);
    ASSERT_TRUE(DeriveReleasedSupports(Model, Eng, 1));
    EXPECT_EQ(Released(1), (std::vector<int>{0, 0, 0, 0, 0, 0}));

    SetLoadcase(2, 500, {1000, 5000, 4000}, 0); // support 3 released: spans 2 and 3 merged
    ASSERT_TRUE(DeriveReleasedSupports(Model, Eng, 2));
    EXPECT_EQ(Released(2), (std::vector<int>{0, 0, -1, 0, 0, 0}));

    SetLoadcase(3, 1500, {5000, 4000}, 0); // LH end support released, then support 3
    ASSERT_TRUE(DeriveReleasedSupports(Model, Eng, 3));
    EXPECT_EQ(Released(3), (std::vector<int>{-1, 0, -1, 0, 0, 0}));

    SetLoadcase(4, 500, {1000, 2000, 3000}, 4000); // RH end support released: span 4 a cantilever
    ASSERT_TRUE(DeriveReleasedSupports(Model, Eng, 4));
    EXPECT_EQ(Released(4), (std::vector<int>{0, 0, 0, 0, -1, 0}));

    SetLoadcase(5, 500, {1000, 2000, 3000, 3999}, 0); // not the committed beam
    EXPECT_FALSE(DeriveReleasedSupports(Model, Eng, 5));
    SetLoadcase(5, 500, {1000, 2500, 2500, 4000}, 0); // a support where the beam has none
    EXPECT_FALSE(DeriveReleasedSupports(Model, Eng, 5));
    Model.SupportType[2] = supFixed;
    SetLoadcase(5, 500, {1000, 5000, 4000}, 0); // support 3 is no forkhead
    EXPECT_FALSE(DeriveReleasedSupports(Model, Eng, 5));
}

} // namespace
