// The beam file: where every field stands, the sizes, reading back, and the files refused.
#include "app/ProgramState.h"
#include "window/KxfFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "KxfTestSupport.h"

using namespace kx;
using namespace kxtest;

namespace {

std::array<std::size_t, 58> JobLayout() {
    return KxfLayout(Model.LoadcaseCount, Model.SpanCount[0], Model.StoredSpanIntervals, StoredLineCount());
}

// One variable of the file, where the field sizes put it, and a change to it alone.
struct Slot {
    int field;
    std::size_t at, width; // from the start of the field
    std::function<void()> poke;
};
template <class T> Slot SlotOf(int field, std::size_t at, T& var) {
    if constexpr (std::is_arithmetic_v<T>)
        return {field, at, sizeof(T), [&var] { var = static_cast<T>(var == 7 ? 8 : 7); }};
    else // a count line keeps its count
        return {field, at, static_cast<std::size_t>(T::capacity) + 1, [&var] { var = "0" + var.str(); }};
}

TEST(KxfFile, EveryFieldStandsWhereTheSizesOfTheFieldsBeforeItPutIt) {
    // The fixed head: saved jobs are read by these offsets.
    const std::size_t starts[] = {0,    26,   52,   78,   684,  708,  712,  716,  720,
                                  724,  3232, 3252, 3353, 3416, 3515, 3551, 3759, 3763,
                                  3783, 3787, 5131, 5227, 5275, 5283, 7523, 7631};
    for (int f = 1; f <= 26; ++f)
        EXPECT_EQ(KxfLayout(1, 1, 20, 0)[f], starts[f - 1]) << "field " << f;
    EXPECT_EQ(kKxfFixedHeadSize, 7631u);

    SetUpJob();
    const auto l = JobLayout();
    Bytes before = WriteKxfFile();
    ASSERT_EQ(before.size(), l[57]);
    // The counts that drive the loops, the file tag with its 100 copies at the end, and one value
    // of each kind, where they stand.
    EXPECT_EQ(At<std::int32_t>(before, l[5]), 3);
    EXPECT_EQ(At<std::int32_t>(before, l[6]), 3);
    EXPECT_EQ(At<std::int32_t>(before, l[8]), 200);
    for (std::size_t k = 0; k <= 100; ++k)
        EXPECT_EQ(StrAt(before, k == 100 ? l[3] : l[56] + 26 * k), "MBS");
    EXPECT_EQ(StrAt(before, l[1]), "1.3");
    EXPECT_EQ(At<double>(before, l[23]), 14500.0);
    EXPECT_EQ(At<float>(before, l[24] + (2 * 20 + 1) * 4), 4000.0f);

    // Every other variable: changed on its own, it changes only the bytes of its place.
    SharedModel& m = Model;
    EngineState& e = Eng;
    ResultTextTables& t = Txt;
    const std::size_t S = 3, P = 201; // spans, points per member
    auto lines = [](const auto& table) { return 76 * static_cast<std::size_t>(LineCount(table)); };
    std::size_t steel2 = lines(t.SteelCheckLines[0]) + lines(t.SteelCheckLines[1]); // where slot 2 starts
    for (int c = 0; c <= 3; ++c)
        steel2 += (c > 0 ? lines(t.CaseSupportLines[c]) : 0) + lines(t.KxCheckLines[c]);
    // clang-format off
    const Slot slots[] = {
        SlotOf(1, 0, m.VersionNumber), SlotOf(2, 0, m.VersionSuffix), SlotOf(4, 0, m.HeaderCompany),
        SlotOf(4, 505, m.HeaderJobRef), SlotOf(5, 4, m.SpanCount[1]), SlotOf(5, 20, m.SpanCount[5]),
        SlotOf(7, 0, m.CurrentLoadcase), SlotOf(9, 0, e.ResultIntervalStep),
        // 10: the count lines of CaseListing 1..5, CaseLoadLines, CaseSupportLines, then of the capacity,
        // steel and timber check lines 0..5.
        SlotOf(10, 0, t.CaseListing[1][0]), SlotOf(10, 5 * 76, t.CaseLoadLines[1][0]),
        SlotOf(10, 10 * 76, t.CaseSupportLines[1][0]), SlotOf(10, 15 * 76, t.KxCheckLines[0][0]),
        SlotOf(10, 21 * 76, t.SteelCheckLines[0][0]), SlotOf(10, 32 * 76, t.TimberCheckLines[5][0]),
        SlotOf(11, 16, e.CaseCheckFailures[5]), SlotOf(12, 0, m.SectionDescription), SlotOf(13, 0, m.SectionShape),
        SlotOf(13, 26, m.MemberType), SlotOf(13, 37, m.SectionFamilyCode), SlotOf(14, 0, m.UnitTextLength),
        SlotOf(14, 88, m.UnitTextStress), SlotOf(15, 0, m.UnitFactorLength), SlotOf(15, 32, m.UnitFactorStress),
        // 16: type and stiffness alternate per support slot.
        SlotOf(16, 0, m.SupportType[0]), SlotOf(16, 204, m.SupportStiffness[25]), SlotOf(17, 0, m.LoadRowsShown),
        SlotOf(18, 16, m.TotalAppliedLoad[5]), SlotOf(19, 0, m.SteelSectionFlag),
        SlotOf(20, (1 * 28 + 2) * 8, e.LoadcaseSpanLength[1][2]), SlotOf(20, (5 * 28 + 27) * 8, e.LoadcaseSpanLength[5][27]),
        SlotOf(21, (4 * 2 + 1) * 8, e.CantileverLength[4][1]), SlotOf(22, 5 * 8, e.LHCantileverActive[5]),
        SlotOf(22, 5 * 8 + 4, e.RHCantileverActive[5]), SlotOf(24, (27 * 20 + 19) * 4, m.SpanData[27][19]),
        SlotOf(25, 26 * 4, m.EffLengthMemberLength[26]),
        // 26 to 33: loadcase outermost, then record, span or end, then field or point; each to its last.
        SlotOf(26, 0, m.LoadTable[1][1][0]), SlotOf(26, 3 * 1632 - 4, m.LoadTable[3][51][7]),
        SlotOf(27, 4, m.CaseAppliedLoad[1]), SlotOf(27, 52, m.CaseAppliedLoad[5]), SlotOf(27, 12, m.CaseHasLoads[2]),
        SlotOf(28, 4, e.StoredMoment[1][1][1]), SlotOf(28, ((1 * S + 2) * P + 40) * 8, e.StoredShear[2][3][41]),
        SlotOf(28, ((2 * S + 2) * P + 200) * 8 + 4, e.StoredMoment[3][3][201]),
        SlotOf(29, ((2 * S + 2) * 21 + 20) * 4, e.StoredDeflection[3][3][21]),
        SlotOf(30, ((1 * 2 + 1) * P + 4) * 8 + 4, e.StoredCantMoment[2][2][5]),
        SlotOf(30, ((2 * 2 + 1) * P + 200) * 8 + 4, e.StoredCantMoment[3][2][201]),
        SlotOf(31, ((2 * 2 + 1) * 22 + 21) * 4, e.StoredCantDeflection[3][2][22]),
        // 32: loadcases 1..5, the ends, A and B alternating. 33: the envelope first, 25 spans each.
        SlotOf(32, 4, e.StoredCantEndB[1][0]), SlotOf(32, (4 * 2 + 1) * 8 + 4, e.StoredCantEndB[5][1]),
        SlotOf(33, 0, e.SpanMaxMoment[0][1]), SlotOf(33, (3 * 25 + 24) * 8 + 4, e.SpanMinMoment[3][25]),
        SlotOf(34, 0, m.AnalysedFlag), SlotOf(34, 8, m.SectionSpare), SlotOf(34, 12, m.WebThickness),
        SlotOf(35, 16, m.CapCheckSettings[4]), SlotOf(35, 20, m.DepthThicknessRatio), SlotOf(35, 28, m.Pbc),
        SlotOf(36, 40, m.CantLHOpts[10]), SlotOf(36, 44, m.CantRHOpts[0]),
        // 37: per span Pos, Dead, Full, Partial, Not, 12, Restrained, Int, Edit.
        SlotOf(37, 36, m.SpanOptPos[1]), SlotOf(37, 40, m.SpanOptDead[1]), SlotOf(37, 44, m.SpanOptFull[1]),
        SlotOf(37, 48, m.SpanOptPartial[1]), SlotOf(37, 52, m.SpanOptNot[1]), SlotOf(37, 56, m.SpanOpt12[1]),
        SlotOf(37, 60, m.SpanOptRestrained[1]), SlotOf(37, 64, m.SpanOptInt[1]), SlotOf(37, 68, m.SpanOptEdit[1]),
        SlotOf(37, 25 * 36 + 32, m.SpanOptEdit[25]), SlotOf(38, (15 * 12 + 11) * 4, m.EffLength[15][11]),
        SlotOf(39, (20 * 10 + 9) * 4, m.RestraintPos[20][10]), SlotOf(40, 26 * 26, m.EffLengthText[26]),
        SlotOf(41, 0, m.AnySpanIntervals), SlotOf(42, 26 + 40 * 101, m.SectionTextLines[41]),
        SlotOf(42, 26 + 41 * 101 + 49 * 51, m.TimberResultLinesSaved[50]), SlotOf(43, 26, m.TimberMoistureSaved),
        SlotOf(43, 64, m.TimberDurationSaved), SlotOf(43, 102, m.TimberPermShearSaved),
        SlotOf(44, (2 * 50 + 49) * 32 + 7 * 4, m.UDLStackTable[3][50][7]), SlotOf(45, 0, m.ShownCaseMode),
        SlotOf(46, 50 * 61, m.SectionPropLines[50]), SlotOf(47, 26 * 4, Drawing.DrawnMemberLength[26]),
        SlotOf(48, 5 * 76, t.MaxStressLine),
        // 49 to 52: the counted lines of loadcases 1..3, the check tables from slot 0.
        SlotOf(49, 0, t.CaseSupportLines[1][1]), SlotOf(49, lines(t.CaseSupportLines[1]), t.CaseSupportLines[2][1]),
        SlotOf(49, steel2, t.SteelCheckLines[2][1]),
        // 53: summary, loads and point loads lines alternate.
        SlotOf(53, 76, t.LoadListLines[0]), SlotOf(53, 100 * 238 + 162, t.PointLoadListLines[100]),
        SlotOf(54, 50 * 76, t.MaximaLines[50]), SlotOf(55, 4, m.FactoredLoadsFlag)};
    // clang-format on
    for (const Slot& s : slots) {
        s.poke();
        const Bytes after = WriteKxfFile();
        ASSERT_EQ(after.size(), before.size()) << "field " << s.field;
        const auto first = std::mismatch(before.begin(), before.end(), after.begin()).first - before.begin();
        const auto end = before.rend() - std::mismatch(before.rbegin(), before.rend(), after.rbegin()).first;
        const auto start = static_cast<std::ptrdiff_t>(l[s.field] + s.at);
        EXPECT_TRUE(first < end && first >= start && end <= start + static_cast<std::ptrdiff_t>(s.width))
            << "field " << s.field << " + " << s.at << ": bytes " << first << " to " << end << " changed";
        before = after;
    }
}

// A job without loaded loadcases: the counts, the units and the loadcase shown.
void EmptyJob(int NLC, int NS, int NI) {
    ResetProgramState();
    SetDefaultUnits(Model);
    Model.CurrentLoadcase = 1;
    Model.LoadcaseCount = NLC;
    Model.SpanCount[0] = NS;
    Model.StoredSpanIntervals = NI;
    Eng.ResultIntervalStep = NI / 20;
}

TEST(KxfFile, FilesOfEveryShapeHaveTheSizeTheirCountsGiveAndReadBackWhole) {
    std::vector<std::function<void()>> jobs = {
        [] { EmptyJob(1, 1, 20); }, SetUpJob,
        [] { EmptyJob(0, 1, 0); }, // after File New: only the envelope slot of field 33
        [] {                       // every count at its limit
            EmptyJob(5, 25, 200);
            for (int c = 0; c <= 5; ++c) {
                SetLines(Txt.SteelCheckLines[c], 500, "steel");
                SetLines(Txt.TimberCheckLines[c], 100, "timber");
                SetLines(Txt.KxCheckLines[c], 100, "capacity");
                if (c > 0) SetLines(Txt.CaseSupportLines[c], 100, "support");
            }
            Txt.CaseListing[1][0] = "1000"; // counted but not stored
        }};
    for (int NI : {40, 80, 100}) // the other resolutions the analysis uses
        jobs.push_back([NI] { EmptyJob(2, 4, NI); });
    // Uplift releases the RH end of two spans loaded on span 1, and both ends of 2000 / 6000 / 2000
    // loaded on the middle span: the file does not hold the releases, Open finds them again from
    // the loadcase geometry (an interior release comes back with the test beam).
    using kx::test::BeamBuilder;
    const BeamBuilder uplifts[] = {
        BeamBuilder().Spans({4000, 4000}).AllSupports(supForkhead).Udl(1, 0, 10, 4000),
        BeamBuilder().Spans({2000, 6000, 2000}).AllSupports(supForkhead).Udl(1, 2000, 10, 6000)};
    for (const BeamBuilder& beam : uplifts)
        jobs.push_back([&beam] {
            NullAnalysisHost host;
            AnalyseAsSaved(beam, {}, host);
            const auto& released = Eng.ReleasedSupport[1];
            EXPECT_TRUE(Model.SpanCount[0] == 2 ? released[3] == -1 : released[1] == -1 && released[4] == -1);
        });
    for (const auto& job : jobs) {
        job();
        const auto released = Eng.ReleasedSupport;
        const int NLC = Model.LoadcaseCount, NS = Model.SpanCount[0], NI = Model.StoredSpanIntervals;
        const Bytes image = WriteKxfFile();
        EXPECT_EQ(image.size(), 52924 + 200 * (NLC + 1) + NLC * (3408 + 16 * (NI + 1) + NS * (8 * NI + 92)) +
                                    76 * StoredLineCount())
            << NS << " spans";
        EXPECT_EQ(image.size(), JobLayout()[57]) << NS << " spans";
        // Read back, with bytes after two texts (which are not read) changed and without the trailer.
        Bytes changed = image;
        changed[52 + 10] = 'x';
        changed[724 + 75] = 0xFF;
        changed.resize(JobLayout()[56]);
        ResetProgramState();
        ReadKxfFile(changed);
        EXPECT_EQ(WriteKxfFile(), image) << NS << " spans";
        EXPECT_EQ(Eng.NumSpanIntervals, NI); // the stored resolution
        EXPECT_TRUE(Eng.ReleasedSupport == released) << NS << " spans";
    }
    EmptyJob(1, 1, 20);
    EXPECT_EQ(WriteKxfFile().size(), 57320u);
    // No file is longer than the one with every count at its limit.
    EXPECT_EQ(KxfLargestFileSize(), KxfLayout(5, 25, 200, 5 * 100 + 6 * (100 + 500 + 100))[57]);
    jobs[3]();
    Model.VersionNumber = kVersionNumber; // as the program writes it
    const Bytes largest = WriteKxfFile();
    EXPECT_EQ(largest.size(), KxfLargestFileSize());
    try {
        CheckKxfImage(largest);
    } catch (const KxfFileError& e) {
        ADD_FAILURE() << "the largest file is saved: " << e.detail();
    }
}

TEST(KxfFile, AFileReadOverAnotherJobReplacesEveryFieldThatJobHeld) {
    // Job B, the file: the analysed forkhead beam with a value in the fields the analysis leaves.
    SetUpJob();
    const Bytes fileB = WriteKxfFile();
    const auto releasedB = Eng.ReleasedSupport;
    ASSERT_NE(releasedB, decltype(releasedB){}) << "loadcase 2 was to release a support";
    // Job A, in the program when the file is read: B with every variable the file holds changed,
    // so a field the read did not take would keep A's value and show in the bytes written again.
    PerturbFileVariables();
    ASSERT_NE(Model.HeaderJobRef.str(), "JR-7");
    ASSERT_ANY_THROW(WriteKxfFile()) << "job A's counts are no numbers";

    ReadKxfFile(fileB);
    EXPECT_EQ(WriteKxfFile(), fileB);
    // The values job B chose, one of each kind and from the last pass of each loop.
    EXPECT_EQ(Model.HeaderJobRef.str(), "JR-7");
    EXPECT_EQ(Model.TimberGradeSaved.str(), "C24");
    EXPECT_EQ(Model.SectionTextLines[41].str(), "T41");
    EXPECT_EQ(Model.TimberResultLinesSaved[50].str(), "R 50");
    EXPECT_EQ(Model.SectionSpare, 0x5A5A);
    EXPECT_EQ(Model.DepthThicknessRatio, 17.1f);
    EXPECT_EQ(Model.TimberPermShearSaved, 7000.0f);
    EXPECT_EQ(Model.CantRHOpts[10], 1);
    EXPECT_EQ(Model.SpanOptEdit[3], 1);
    EXPECT_EQ(Drawing.DrawnMemberLength[26], 1026.0f);
    EXPECT_EQ(Model.UDLStackTable[3][50][7], 3.0f);
    EXPECT_EQ(Model.LiftHeight, 2000.0f);
    EXPECT_EQ(Model.BeamLength, 14500.0); // 1000 + 3 x 4000 + 1500 mm
    EXPECT_EQ(Model.SpanCount[0], 3);
    EXPECT_EQ(Model.LoadcaseCount, 3);
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
    EXPECT_EQ(Eng.ResultIntervalStep, 10);
    EXPECT_EQ(Eng.NumSpanIntervals, 200);
    EXPECT_EQ(Model.SupportType[kRHEndSupport], supForkhead);
    EXPECT_EQ(Model.LoadTable[3][3][lfP], 4000.0f); // the last load of the last loadcase
    EXPECT_TRUE(Eng.ReleasedSupport == releasedB);
}

// A job that the refused files must leave exactly as it is.
class KxfRefusal : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpJob();
        layout_ = JobLayout();
        image_ = WriteKxfFile();
        Model.HeaderProject1 = "the job before";
        Eng.NumSpanIntervals = 123;
        before_ = WriteKxfFile();
    }
    void ExpectRefused(const Bytes& image, const std::string& why) {
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

    std::array<std::size_t, 58> layout_;
    Bytes image_, before_;
};

TEST_F(KxfRefusal, FilesCutShortOrWithValuesBeyondTheirBoundsOrDamaged) {
    // Cut in the version, the fixed head, the stores, the texts and the last byte before the trailer.
    std::vector<std::size_t> cuts = {0,   1,    25,   26,   77,   700,  723,
                                     800, 3231, 3500, 5000, 7630, 7631, layout_[56] - 1};
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> anywhere(7632, layout_[56] - 2);
    while (cuts.size() < 50)
        cuts.push_back(anywhere(rng));
    for (std::size_t cut : cuts)
        ExpectRefused(Bytes(image_.begin(), image_.begin() + static_cast<std::ptrdiff_t>(cut)),
                      "the file ends");

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Patch {
        int field;
        std::size_t at;
        FileValue value;
        const char* why;
    };
    // clang-format off
    const Patch patches[] = {
        // Counts and bounds one beyond their limits.
        {6, 0, 6, "LoadcaseCount"}, {6, 0, -1, "LoadcaseCount"}, {5, 0, 0, "SpanCount[0]"}, {5, 0, 26, "SpanCount[0]"},
        {5, 4, 4, "SpanCount"}, {5, 20, -1, "SpanCount"}, {8, 0, 201, "StoredSpanIntervals"},
        {8, 0, -1, "StoredSpanIntervals"}, {9, 0, 5, "resolution"}, // 200 intervals go with a step of 10
        {7, 0, 0, "CurrentLoadcase"}, {7, 0, 6, "CurrentLoadcase"}, {17, 0, 51, "LoadRowsShown"},
        {19, 0, 2, "SteelSectionFlag"}, {16, 0, 6, "SupportType"}, {16, 12 * 8, -1, "SupportType"},
        {27, 12, 2, "CaseHasLoads"}, {27, 4 * 12, 2, "CaseHasLoads"}, {22, 4, 2, "cantilever flag"}, {34, 0, 2, "AnalysedFlag"},
        {41, 0, 2, "AnySpanIntervals"}, {45, 0, 2, "ShownCaseMode"}, {55, 4, -2, "FactoredLoadsFlag"},
        {11, 0, std::numeric_limits<std::int32_t>::min(), "CaseCheckFailures"}, {11, 8, -501, "CaseCheckFailures"},
        {11, 16, 1, "CaseCheckFailures"},
        {37, 4 * 36 + 28, 2, "span restraint option"}, {36, 60, -1, "cantilever restraint option"},
        {39, (3 * 10 + 2) * 4, 201, "RestraintPos"}, {39, 0, -1, "RestraintPos"},
        {38, (3 * 12 + 11) * 4, 11.0f, "interval count"}, {38, (3 * 12 + 11) * 4, 2.5f, "interval count"},
        // Text counts beyond their tables, or not numbers.
        {10, 0, "1001", "CaseListing"}, {10, 5 * 76, "101", "CaseLoadLines"}, {10, 12 * 76, "101", "CaseSupportLines"},
        {10, 15 * 76, "101", "KxCheckLines"}, {10, 22 * 76, "501", "SteelCheckLines"},
        {10, 32 * 76, "101", "TimberCheckLines"}, {10, 10 * 76, "-1", "CaseSupportLines"},
        {10, 10 * 76, "3a", "not a number"}, {10, 21 * 76, "x", "not a number"}, {10, 21 * 76, " 2", "not a number"},
        {53, 0, "101", "SummaryLines"}, {54, 0, "51", "MaximaLines"}, {46, 0, "51", "SectionPropLines"},
        {53, 162, "one", "PointLoadListLines"},
        // Texts longer than their fields; numbers that are not finite or cannot be.
        {3, 0, std::uint8_t{26}, "longer than its field"}, {49, 0, std::uint8_t{76}, "longer than its field"},
        {28, 8, nan, "StoredShear"}, {23, 0, inf, "BeamLength"}, {15, 0, 0.0f, "unit factor"},
        {24, 1 * 4, -1.0f, "member length"}, {24, (2 * 20 + 0) * 4, 0.5f, "Exists"},
        {26, (2 * 8 + 0) * 4, 2.86e20f, "load's kind"}, {26, (2 * 8 + 0) * 4, 0.5f, "load's kind"},
        {26, (2 * 8 + 6) * 4, 2.0f, "applied mark"}, {26, (2 * 8 + 6) * 4, -2.0f, "applied mark"},
        // The same in the last loadcase (3 of 51 records of 8 fields): its first kind, its last mark.
        {26, (2 * 51 * 8 + 0) * 4, 0.5f, "load's kind"}, {26, ((2 * 51 + 50) * 8 + 6) * 4, 2.0f, "applied mark"},
        // The last pass of each loop of the check: the RH end support, loadcase 5's RH cantilever
        // flag, the stress unit factor, the RH cantilever's row.
        {16, 25 * 8, 6, "SupportType"}, {22, 5 * 8 + 4, 2, "cantilever flag"}, {15, 8 * 4, 0.0f, "unit factor"},
        {24, (26 * 20 + 0) * 4, 0.5f, "Exists"}, {24, (26 * 20 + 1) * 4, -1.0f, "member length"},
        // Results that no analysis of the beam can have given: a span or the section without
        // stiffness, loadcase spans a millimetre off the beam, a released support that is no forkhead.
        {24, (2 * 20 + 1) * 4, 0.0f, "no length"}, {24, (1 * 20 + 3) * 4, 0.0f, "stiffness"},
        {24, (1 * 20 + 2) * 4, 0.0f, "stiffness"}, // E of span 1, which the analysis takes for the beam
        {20, (2 * 28 + 1) * 8, 0.0, "a span of a loadcase has no length"},
        {23, 0, 0.0, "a beam with results has no length"},
        {20, (2 * 28 + 1) * 8, 3999.0, "geometry of loadcase 2"}, {16, 2 * 8, int32{supFixed}, "geometry of loadcase 2"},
        // A cantilever a millimetre short at either end, in the first and in the last loadcase.
        {21, (1 * 2 + 1) * 8, 1499.0, "geometry of loadcase 1"}, {21, (3 * 2 + 1) * 8, 1501.0, "geometry of loadcase 3"},
        {21, (1 * 2 + 0) * 8, 999.0, "geometry of loadcase 1"}};
    // clang-format on
    for (const Patch& p : patches)
        ExpectRefused(With(image_, layout_[p.field] + p.at, p.value), p.why);

    // No resolution stored, though loadcases have loads: the stores hold one point per member.
    const std::size_t NI = 200, NLC = 3, NS = 3;
    Bytes b = With(With(image_, layout_[8], 0), layout_[9], 0);
    b.erase(b.begin() + layout_[30], b.begin() + layout_[30] + NLC * 2 * NI * 8);
    b.erase(b.begin() + layout_[28], b.begin() + layout_[28] + NLC * NS * NI * 8);
    ExpectRefused(b, "resolution");
    // The spans of loadcase 1 moved without changing their sum: a support where the beam has none.
    b = With(With(image_, layout_[20] + (1 * 28 + 1) * 8, 3000.0), layout_[20] + (1 * 28 + 2) * 8, 5000.0);
    ExpectRefused(b, "geometry of loadcase 1");
    // Any stiffness above 0 is one: an E of span 1 of 0.5 N/mm^2 is read.
    EXPECT_NO_THROW(ReadKxfFile(With(image_, layout_[24] + (1 * 20 + 2) * 4, 0.5f)));
    // A beam with results needs a length (refused at 0 above), and any above 0 is one.
    EXPECT_NO_THROW(ReadKxfFile(With(image_, layout_[23], 0.5)));
}

TEST(KxfFile, ReleasedSupportsAreFoundFromTheLoadcaseGeometryToTheRHEnd) {
    // Two committed spans of 4000 mm on forkheads: supports 1, 2, 3 at 0, 4000, 8000 mm. Each
    // loadcase geometry, the releases it gives (supports 1..3), whether it fits; every slot past the
    // RH end is 0 whatever it held.
    struct Geometry {
        std::vector<double> spans;
        double rh;
        int rhEndType;
        bool fits;
        std::array<int, 3> released;
    };
    const Geometry geometries[] = {
        {{8000}, 0, supForkhead, true, {0, -1, 0}},    // one span over the middle support
        {{4000}, 4000, supForkhead, true, {0, 0, -1}}, // the RH end lifted: span 2 a cantilever
        {{4000}, 4000, supFixed, false, {}},           // only a forkhead is released
        {{7999}, 0, supForkhead, false, {}},           // a millimetre short of the beam
        {{4000, 4000}, 0, supForkhead, true, {0, 0, 0}}};
    for (const Geometry& g : geometries) {
        ResetProgramState();
        Model.SpanCount[0] = 2;
        Model.SpanData[1][mfL] = Model.SpanData[2][mfL] = 4000;
        Model.SupportType.fill(supForkhead);
        Model.SupportType[kRHEndSupport] = g.rhEndType;
        const int n = static_cast<int>(g.spans.size());
        Model.SpanCount[1] = n;
        for (int s = 1; s <= n; ++s)
            Eng.LoadcaseSpanLength[1][s] = g.spans[static_cast<std::size_t>(s - 1)];
        Eng.RHCantileverActive[1] = g.rh > 0 ? 1 : 0;
        Eng.CantileverLength[1][1] = g.rh;
        Eng.ReleasedSupport[1].fill(5);
        EXPECT_EQ(DeriveReleasedSupports(Model, Eng, 1), g.fits) << g.spans[0] << " + " << g.rh;
        if (!g.fits) continue;
        for (int k = 1; k <= kMaxSupports; ++k)
            EXPECT_EQ(Eng.ReleasedSupport[1][k], k <= 3 ? g.released[static_cast<std::size_t>(k - 1)] : 0)
                << g.spans[0] << " + " << g.rh << ", support " << k;
    }
}

TEST(KxfFile, OnlyVersionOneIsRead) {
    // clang-format off
    const std::pair<const char*, long long> majors[] = {{"1.3", 1}, {"1.0", 1}, {"  12x", 12}, {"-1.3", -1},
        {"+1", 1}, {"", 0}, {".9", 0}, {"99999999999999999999", 1000000000}};
    // clang-format on
    for (auto [text, major] : majors)
        EXPECT_EQ(VersionMajor(text), major) << text;

    auto image = [](const std::string& version, std::size_t size = 100) {
        return size < 26 ? Bytes(size, 0) : With(Bytes(size, 0), 0, version);
    };
    const Bytes tooLong = With(image("1.3"), 0, std::uint8_t{26}); // a version text past its field
    const std::pair<Bytes, bool> files[] = {
        {image("1.3"), true},  {image(" 1.9beta"), true}, {image("1", 26), true},    {image("2.0"), false},
        {image("0.9"), false}, {image(""), false},        {image("1.3", 25), false}, {tooLong, false}};
    for (std::size_t i = 0; i < std::size(files); ++i)
        EXPECT_EQ(IsReadableBeamFileVersion(files[i].first), files[i].second) << "file " << i;
    EXPECT_EQ(BeamFileVersionText(image("2.0")), "2.0");
    EXPECT_EQ(BeamFileVersionText(tooLong), "");
}

} // namespace
