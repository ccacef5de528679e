// Results at a point checked against hand calculations of simple beams and the figures worked out
// for a cantilevered two-span beam.
#include "window/Point.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "engine/AnalysedJob.h"
#include "engine/AnalysisFixture.h"
#include "platform/Printer.h"
#include "window/IndexJobs.h"
#include "window/KxfFile.h"

using namespace kx;
using namespace kx::test;

namespace {

using Texts = std::vector<std::string>;

// Trying every p/q in turn, a strictly smaller error winning.
PointFraction ExhaustiveFraction(float f) {
    PointFraction best;
    float bestError = 1.0f;
    for (int q = 3; q <= 2000; ++q)
        for (int p = 1; p <= q; ++p)
            if (const float e = std::fabs(f - static_cast<float>(p) / static_cast<float>(q)); e < bestError)
                bestError = e, best = {q, p};
    return best;
}

// A message service whose messages fail, to break a calculation half-way.
class FailingDialogs : public ScriptedDialogs {
public:
    void Message(const std::string& text, const std::string&) override { throw std::runtime_error(text); }
};

class FailingPrinter : public RecordingPrinter {
public:
    void EndDoc() override { throw std::runtime_error("Printer out of paper"); }
};

class PointTest : public AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        ResetProgramState();
    }
    // Analyses beam (default: Beam A, one 6000 mm span, 10 N/mm over it with load factor lf) with
    // a section of y = 100 mm.
    void AnalyseA(BeamBuilder beam = BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000),
                  int32 factoredLoadsFlag = -1) {
        beam.Commit();
        Model.SpanData[1][mfY] = 100;
        kxtest::AnalyseCommitted(factoredLoadsFlag);
        dialogs->clear();
    }
    void AnalyseB(bool withLoadcase1Load = true) {
        kxtest::AnalyseJobB(withLoadcase1Load);
        Model.SpanData[1][mfY] = 100;
        kxtest::AnalyseCommitted(); // the results stand for the section as it now is
        dialogs->clear();
    }
    // Shear, moment, stress and deflection texts of grid row `row`.
    static Texts Row(int row) {
        const PointGrid g = PointGridContent(true);
        const auto& r = g[static_cast<std::size_t>(row)];
        return {r[1], r[2], r[3], r[4]};
    }
};

} // namespace

TEST(PointFraction, TheQuickSearchFindsWhatTryingEveryFractionFinds) {
    std::mt19937 random(14u);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<float> fractions{0.0f,   1.0f,    0.5f,     1e-7f,  0.0005f,
                                 0.001f, 0.3713f, 0.99949f, 0.999f, 2.0f / 3};
    for (int i = 0; i < 30; ++i)
        fractions.push_back(unit(random));
    for (float f : fractions)
        ASSERT_EQ(NearestFraction(f), ExhaustiveFraction(f)) << "f = " << f;
    // Mid-span is solved at four intervals, q starting at 3; 0.3713 needs nearly the finest.
    EXPECT_EQ(NearestFraction(0.5f), (PointFraction{4, 2}));
    EXPECT_EQ(NearestFraction(0.3713f), (PointFraction{1554, 577}));
    EXPECT_EQ(NearestFraction(std::nanf("")), PointFraction{});
    EXPECT_EQ(NearestFraction(-0.1f), PointFraction{});
}

TEST_F(PointTest, SimpleSpanUnderUniformLoadGivesTheHandCalculatedValues) {
    AnalyseA();
    // V = w (L/2 - x), M = w x (L - x) / 2, stress M y / I; the stored deflection -w x (L^3 - 2 L x^2
    // + x^3) / 24EI at tenth points, Simpson's values between, interpolated at twentieths.
    const auto stored = [](double x) {
        return -10 * x * (6000.0 * 6000 * 6000 - 2 * 6000 * x * x + x * x * x) / (24 * 210000.0 * 1e8);
    };
    const double d4 = -3.713143, d6 = -5.749714, d8 = -7.210286;
    const std::tuple<const char*, PointFraction, Texts, double> cases[] = {
        {"3", {4, 2}, {"0.000", "45.00", "45.00", "-8.036"}, stored(3000)},
        {"1.5", {4, 1}, {"15.00", "33.75", "33.75", "-5.750"}, d6},
        {"0.6", {10, 1}, {"24.00", "16.20", "16.20", "-2.523"}, stored(600)},
        {"1", {6, 1}, {"20.00", "25.00", "25.00", "-4.066"}, d4 + (stored(1200) - d4) / 3},
        {"2", {3, 1}, {"10.00", "40.00", "40.00", "-6.985"}, stored(1800) + (d8 - stored(1800)) * 2 / 3},
    };
    for (const auto& [typed, fraction, row, deflection] : cases) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(CalcPointResults(typed));
        const float x = Model.PointPosition;
        EXPECT_EQ(NearestFraction(LocatePoint(1, x).f), fraction);
        EXPECT_EQ(Row(2), row);
        EXPECT_EQ(Row(7), row);
        EXPECT_NEAR(PointResults.PointShear[1], 10 * (3000 - x), 1e-3);
        EXPECT_NEAR(PointResults.PointMoment[1], 10 * x * (6000 - x) / 2, 1);
        EXPECT_NEAR(PointResults.PointDeflection[1], deflection, 1e-5);
    }
    EXPECT_TRUE(dialogs->messages().empty());

    ASSERT_TRUE(CalcPointResults("3"));
    const Texts values{"    Shear = 0.000 kN", "    Moment = 45.00 kN-m", "    Stress = 45.00 N/mm^2",
                       "    Deflection = -8.036 mm"};
    Texts list{"  RESULTS AT POINT ", "    Distance along beam = 3.00 m", "", " LOADCASE 1"};
    list.insert(list.end(), values.begin(), values.end());
    list.insert(list.end(), {"", " MAXIMA "});
    list.insert(list.end(), values.begin(), values.end());
    list.push_back("");
    EXPECT_EQ(PointResults.PointLines[0], "15");
    EXPECT_EQ(PointListContent(), list);
    const PointGrid g = PointGridContent(true);
    using Cells = std::array<std::string, 5>;
    EXPECT_EQ(g[0], (Cells{" Loadcase", " Shear ", " Moment ", " Stress ", " Deflection "}));
    EXPECT_EQ(g[1], (Cells{"", " kN", " kN-m", " N/mm^2", " mm"}));
    EXPECT_EQ(g[2], (Cells{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
    for (int row = 3; row <= 6; ++row)
        EXPECT_EQ(g[static_cast<std::size_t>(row)],
                  (Cells{"  " + std::to_string(row - 1) + " ", "", "", "", ""}));
    EXPECT_EQ(g[7], (Cells{" Maxima", "0.000", "45.00", "45.00", "-8.036"}));
    EXPECT_EQ(PointGridContent(false)[7], (Cells{" Maxima", "", "", "", ""}));
    ResetProgramState(); // the window's state goes with the rest
    EXPECT_TRUE(PointListContent().empty());
    EXPECT_EQ(PointResults.PointMoment[1], 0.0f);
}

TEST_F(PointTest, AStressTooLargeToShowHasNoLineInTheList) {
    // At 3 m M = 45 kN-m and I = 1e8 mm^4: y = 3e9 mm gives 45e6 x 3e9 / 1e8 = 1.35e9 N/mm^2,
    // above 1e9, which shows as "#####" in the grid and is left out of the list like a zero.
    AnalyseA();
    Model.SpanData[1][mfY] = 3e9f;
    kxtest::AnalyseCommitted(); // the results stand for the section as it now is
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(Row(2), (Texts{"0.000", "45.00", "#####", "-8.036"}));
    const Texts values{"    Shear = 0.000 kN", "    Moment = 45.00 kN-m", "    Deflection = -8.036 mm"};
    Texts list{"  RESULTS AT POINT ", "    Distance along beam = 3.00 m", "", " LOADCASE 1"};
    list.insert(list.end(), values.begin(), values.end());
    list.insert(list.end(), {"", " MAXIMA "});
    list.insert(list.end(), values.begin(), values.end());
    list.push_back("");
    EXPECT_EQ(PointListContent(), list);
}

TEST_F(PointTest, FactoredWordingFactoredValuesAndTheStoredDeflection) {
    AnalyseA(BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000, 1.5f), 1);
    ASSERT_TRUE(CalcPointResults("3"));
    const Texts values{"    Factored Shear = 0.000 kN", "   Factored Moment = 67.50 kN-m",
                       "   Factored Elastic Stress = 67.50 N/mm^2", "    Deflection = -8.036 mm"};
    const Texts lines = PointListContent();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(Texts(lines.begin() + 4, lines.begin() + 8), values);
    EXPECT_EQ(Texts(lines.begin() + 10, lines.begin() + 14), values);
    // Neither wording: titles and deflections only; the grid still shows every value.
    kxtest::AnalyseCommitted(0);
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(PointListContent(),
              (Texts{"  RESULTS AT POINT ", "    Distance along beam = 3.00 m", "", " LOADCASE 1",
                     "    Deflection = -8.036 mm", "", " MAXIMA ", "    Deflection = -8.036 mm", ""}));
    EXPECT_EQ(Row(2), (Texts{"0.000", "67.50", "67.50", "-8.036"}));

    // Maxima keep the sign of the largest magnitude; the first loadcase wins a tie.
    AnalyseA(BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000).Udl(2, 0, -10, 6000).Udl(3, 0, -20, 6000));
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(Row(7), (Texts{"0.000", "-90.00", "-90.00", "16.07"}));
    Model.LoadcaseCount = 2;
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(Row(7), (Texts{"0.000", "45.00", "45.00", "-8.036"}));
    EXPECT_EQ(Row(4)[1], "");
}

// Five loadcases of 2, 4, 6, 8 and 10 N/mm on the 6 m span, at 1.5 m: V = w (3000 - 1500),
// M = w 1500 x 4500 / 2 = 3.375e6 w N mm, stress M x 100 / 1e8; the sag w/10 of the 10 N/mm load's
// -5.750 mm. Each loadcase has its row and its lines, and loadcase 5, the largest, gives the maxima.
TEST_F(PointTest, EveryLoadcaseUpToTheFifthHasItsRowAndLinesAndTheLastGivesTheMaxima) {
    BeamBuilder beam;
    beam.Spans({6000});
    for (int lc = 1; lc <= 5; ++lc)
        beam.Udl(lc, 0, 2.0f * static_cast<float>(lc), 6000);
    AnalyseA(beam);
    ASSERT_EQ(Model.LoadcaseCount, 5);
    ASSERT_TRUE(CalcPointResults("1.5"));
    const Texts rows[] = {{"3.000", "6.750", "6.750", "-1.150"},  // 2 N/mm: 3000 N, 6.75e6 N mm
                          {"6.000", "13.50", "13.50", "-2.300"},  // 4 N/mm
                          {"9.000", "20.25", "20.25", "-3.450"},  // 6 N/mm
                          {"12.00", "27.00", "27.00", "-4.600"},  // 8 N/mm
                          {"15.00", "33.75", "33.75", "-5.750"}}; // 10 N/mm
    for (int lc = 1; lc <= 5; ++lc)
        EXPECT_EQ(Row(lc + 1), rows[lc - 1]) << "loadcase " << lc;
    EXPECT_EQ(Row(7), rows[4]);
    const Texts lines = PointListContent();
    ASSERT_EQ(lines.size(), 3u + 5 * 6 + 1 + 4 + 1);
    EXPECT_EQ(
        Texts(lines.begin() + 27, lines.end()),
        (Texts{" LOADCASE 5", "    Shear = 15.00 kN", "    Moment = 33.75 kN-m", "    Stress = 33.75 N/mm^2",
               "    Deflection = -5.750 mm", "", " MAXIMA ", "    Shear = 15.00 kN",
               "    Moment = 33.75 kN-m", "    Stress = 33.75 N/mm^2", "    Deflection = -5.750 mm", ""}));

    // In N, N-mm and mm the figures pass 1e4 and 1e7: 15000 N rounds to tens, 33.75e6 N mm to
    // ten thousands; the distance 1500 mm to three figures.
    Model.UnitTextShear = "N", Model.UnitFactorShear = 1;
    Model.UnitTextMoment = "N-mm", Model.UnitFactorMoment = 1;
    Model.UnitTextLength = "mm", Model.UnitFactorLength = 1;
    AnalyseBeam(host);
    ASSERT_TRUE(CalcPointResults("1500"));
    EXPECT_EQ(Row(6), (Texts{"15000", "33750000", "33.75", "-5.750"}));
    EXPECT_EQ(Row(2), (Texts{"3000", "6750000", "6.750", "-1.150"}));
    const Texts mm = PointListContent();
    ASSERT_EQ(mm.size(), lines.size());
    EXPECT_EQ(mm[1], "    Distance along beam = 1500 mm");
    EXPECT_EQ(Texts(mm.begin() + 34, mm.begin() + 36),
              (Texts{"    Shear = 15000 N", "    Moment = 33750000 N-mm"}));
}

TEST_F(PointTest, CantileveredBeamGivesTheWorkedFiguresOfBothLoadcases) {
    AnalyseB();
    const double reactions[2][3] = {{8125, 13750, -1875}, {5718.75, -4312.5, 7593.75}};
    for (int lc = 1; lc <= 2; ++lc)
        for (int k = 1; k <= 3; ++k)
            EXPECT_NEAR(Eng.SupportReaction[lc][k], reactions[lc - 1][k - 1], 0.01);
    // At the point load the span shows the shear just left of it (right of it: -11.88).
    // clang-format off
    const std::tuple<const char*, Texts, Texts, Texts> cases[] = { // typed; loadcase 1, 2, maxima
        {"0.2", {"0.000", "0.000", "0.000", "0.571"}, {"-4.000", "-0.800", "-0.800", "-0.175"},
                {"-4.000", "-0.800", "-0.800", "0.571"}},
        {"3", {"8.125", "16.25", "16.25", "-0.913"}, {"1.719", "-0.563", "-0.563", "0.054"},
              {"8.125", "16.25", "16.25", "-0.913"}},
        {"9.75", {"0.000", "0.000", "0.000", "-0.179"}, {"5.000", "-3.750", "-3.750", "-0.372"},
                 {"5.000", "-3.750", "-3.750", "-0.372"}},
        {"10.5", {"0.000", "0.000", "0.000", "-0.357"}, {"5.000", "0.000", "0.000", "-0.845"},
                 {"5.000", "0.000", "0.000", "-0.845"}}};
    // clang-format on
    for (const auto& [typed, lc1, lc2, maxima] : cases) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(CalcPointResults(typed));
        EXPECT_EQ(Row(2), lc1);
        EXPECT_EQ(Row(3), lc2);
        EXPECT_EQ(Row(7), maxima);
    }
    EXPECT_TRUE(dialogs->messages().empty());
    // At 0.2 m: 20 lines, and no line for a stress that rounds to 0.000.
    ASSERT_TRUE(CalcPointResults("0.2"));
    EXPECT_EQ(PointResults.PointLines[0], "20");
    const Texts lines = PointListContent();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[1], "    Distance along beam = 0.200 m");
    EXPECT_EQ(Texts(lines.begin() + 3, lines.begin() + 8),
              (Texts{" LOADCASE 1", "    Shear = 0.000 kN", "    Moment = 0.000 kN-m",
                     "    Deflection = 0.571 mm", ""}));
    // A section without Ixx gives no stress rather than an infinite one.
    // No analysis runs on such a section: the stores of this one are taken as its.
    Model.SpanData[1][mfIxx] = 0;
    RecordAnalysedJob();
    ASSERT_TRUE(CalcPointResults("9.75"));
    EXPECT_EQ(Row(3), (Texts{"5.000", "-3.750", "0.000", "-0.372"}));
}

TEST_F(PointTest, DistancesOnOrNearSupportsBeyondTheBeamOrNotPositiveAreRefused) {
    AnalyseB();
    ASSERT_TRUE(CalcPointResults("3"));
    const Texts lines = PointListContent();
    const PointGrid grid = PointGridContent(true);
    const std::string near = "Cannot analyse point nearer then 1/1000 span of a support",
                      exceeds = "Value exceeds length of beam",
                      measure = "Please enter point measured from LH end of beam",
                      positive = "Please use positive value";
    const std::pair<const char*, std::string> refused[] = {
        {"1", near},
        {"5", near},
        {"5.003", near},
        {"9", near},
        {"0.9995", near},
        {"10.501", exceeds},
        {"1e40", exceeds},
        {"0", measure},
        {"", measure},
        {"abc", measure},
        {"-2", positive},
        {"-1e40", positive},
        // Numbers too large for a double are still numbers, beyond the beam or short of its start.
        {"1e400", exceeds},
        {" +0.00012e99999999999999999999 ", exceeds},
        {"-1e400", positive}};
    for (const auto& [typed, message] : refused) {
        SCOPED_TRACE(typed);
        dialogs->clear();
        EXPECT_FALSE(CalcPointResults(typed));
        EXPECT_EQ(dialogs->messages(), Texts{message});
        EXPECT_EQ(PointListContent(), lines);
        EXPECT_EQ(PointGridContent(true), grid);
        // The distance is kept, as far as a single holds it.
        EXPECT_TRUE(message != exceeds || Model.PointPosition > Model.BeamLength);
        EXPECT_TRUE(message != positive || Model.PointPosition < 0);
    }
    EXPECT_FALSE(CalcPointResults("1e400"));
    EXPECT_EQ(Model.PointPosition, std::numeric_limits<float>::infinity());
    // The distance is kept whatever the checks decide, and shown again at the next showing.
    EXPECT_FALSE(CalcPointResults("10.501"));
    EXPECT_EQ(Model.PointPosition, 10501.0f);
    EXPECT_EQ(PointDistanceText(), "10.5");
    dialogs->clear();
    // The LH cantilever's zone is its own 1/1000 (1 mm) before the support: 998.5 mm is outside it.
    ASSERT_TRUE(CalcPointResults("0.9985"));
    EXPECT_EQ(LocatePoint(1, Model.PointPosition).row, 0);
    ASSERT_TRUE(CalcPointResults("5.004"));
    const PointMember m = LocatePoint(1, Model.PointPosition);
    EXPECT_EQ(m.row, 2);
    EXPECT_EQ(NearestFraction(m.f), (PointFraction{1000, 1}));
    EXPECT_TRUE(dialogs->messages().empty());

    // Without an analysis: its message, nothing else changed but the distance kept; without a
    // beam: nothing at all.
    BeamBuilder().Spans({6000}).Commit();
    SetDefaultUnits(Model);
    Model.PointPosition = 1500;
    EXPECT_FALSE(CalcPointResults("3"));
    EXPECT_EQ(dialogs->messages(), Texts{"Analyse the beam first"});
    EXPECT_EQ(Model.PointPosition, 3000.0f);
    EXPECT_EQ(PointDistanceText(), "3.00");
    dialogs->clear();
    Model.BeamLength = 0;
    Model.LoadcaseCount = 1;
    EXPECT_FALSE(CalcPointResults("3"));
    EXPECT_TRUE(dialogs->messages().empty());
    Model.PointPosition = 0;
    EXPECT_EQ(PointDistanceText(), " ");
    // 2500 mm shown to three significant figures in each length unit: 2500 mm, 250 cm, 2.50 m,
    // 2500 / 25.4 = 98.43 in, 2500 / 304.8 = 8.202 ft; a distance that rounds to nothing, or no
    // unit factor, shows a blank.
    Model.PointPosition = 2500;
    const std::pair<float, const char*> units[] = {{1, "2500"},     {10, "250"},      {1000, "2.50"},
                                                   {25.4f, "98.4"}, {304.8f, "8.20"}, {0, " "}};
    for (auto [factor, text] : units) {
        Model.UnitFactorLength = factor;
        EXPECT_EQ(PointDistanceText(), text) << factor;
    }
    Model.UnitFactorLength = 1000;
    Model.PointPosition = 0.01f;
    EXPECT_EQ(PointDistanceText(), " ");
}

TEST_F(PointTest, ADistanceThatIsNotWhollyANumberReadsAsZeroAndIsAskedForAgain) {
    AnalyseA();
    // 6 m span, 10 N/mm, y/I = 100 / 1e8: at 2.5 m V = 10 (3000 - 2500) = 5000 N, M = 10 x 2500 x
    // 3500 / 2 = 43.75e6 N mm, stress 43.75e6 x 100 / 1e8 = 43.75 N/mm^2.
    for (const char* typed : {"2.5", " 2.5 ", "25e-1", "+2.50"}) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(CalcPointResults(typed));
        EXPECT_EQ(Model.PointPosition, 2500.0f);
        EXPECT_EQ(Row(2), (Texts{"5.000", "43.75", "43.75", Row(2)[3]}));
        EXPECT_EQ(PointListContent()[1], "    Distance along beam = 2.50 m");
    }
    const Texts lines = PointListContent();
    const PointGrid grid = PointGridContent(true);
    // A comma for the point, a unit, a second point, trailing letters, blanks: none is a number.
    for (const char* typed : {"2,5", "3 m", "2.5.1", "3abc", "", "   ", "1e-400", "1e400x"}) {
        SCOPED_TRACE(typed);
        dialogs->clear();
        EXPECT_FALSE(CalcPointResults(typed));
        EXPECT_EQ(dialogs->messages(), Texts{"Please enter point measured from LH end of beam"});
        EXPECT_EQ(Model.PointPosition, 0.0f);
        EXPECT_EQ(PointListContent(), lines);
        EXPECT_EQ(PointGridContent(true), grid);
    }
}

TEST_F(PointTest, ReleasedForkheadMakesTheLastSpanACantileverFromItsOwnSupport) {
    AnalyseA(BeamBuilder().Spans({4000, 4000}).AllSupports(supForkhead).Udl(1, 0, 10, 4000));
    ASSERT_EQ(Model.SpanCount[1], 1);
    ASSERT_EQ(Eng.RHCantileverActive[1], 1);
    Eng.LoadcaseSpanLength[1][2] = 4000; // a length left past the loadcase's last span is not used
    // The unloaded cantilever rises with the slope wL^3/24EI at the lifted support's neighbour.
    ASSERT_TRUE(CalcPointResults("6"));
    EXPECT_EQ(Row(2), (Texts{"0.000", "0.000", "0.000", "2.540"}));
    EXPECT_NEAR(PointResults.PointDeflection[1], 10 * std::pow(4000.0, 3) / (24 * 210000.0 * 1e8) * 2000,
                1e-4);
    ASSERT_TRUE(CalcPointResults("2"));
    EXPECT_EQ(Row(2), (Texts{"0.000", "20.00", "20.00", "-1.587"}));
    EXPECT_NEAR(PointResults.PointDeflection[1], -5 * 10 * std::pow(4000.0, 4) / (384 * 210000.0 * 1e8),
                1e-4);
    // A point that no member of the loadcase holds keeps 0.
    Eng.RHCantileverActive[1] = 0;
    EXPECT_EQ(LocatePoint(1, 6000).row, -1);
    ASSERT_TRUE(CalcPointResults("6"));
    EXPECT_EQ(Row(2), (Texts{"0.000", "0.000", "0.000", "0.000"}));
}

TEST_F(PointTest, ACalculationLeavesTheAnalysisAsItWasOnEveryPath) {
    AnalyseB();
    auto engineBytes = [] {
        std::vector<std::byte> bytes(sizeof(EngineState));
        std::memcpy(bytes.data(), static_cast<const void*>(&Eng), sizeof(EngineState));
        // Only the no-loads flags stay as the calculation leaves them.
        std::fill_n(bytes.begin() + offsetof(EngineState, NoLoadsReported), sizeof(Eng.NoLoadsReported),
                    std::byte{});
        return bytes;
    };
    const auto engine = engineBytes();
    const auto totalAppliedLoad = Model.TotalAppliedLoad;
    const std::vector<std::uint8_t> file = WriteKxfFile();
    for (const char* typed : {"0.2", "3", "5.004", "9.75", "10.5"})
        ASSERT_TRUE(CalcPointResults(typed));
    EXPECT_TRUE(engineBytes() == engine);
    EXPECT_TRUE(Model.TotalAppliedLoad == totalAppliedLoad);
    EXPECT_EQ(WriteKxfFile(), file);
    // A failure half-way through the loadcases ("No loads on beam" for loadcase 2) restores too.
    Model.LoadTable[2][2][lfApplied] = Model.LoadTable[2][3][lfApplied] = -1.0f;
    FailingDialogs failing;
    Dialogs& previous = dlg();
    InstallDialogs(&failing);
    EXPECT_THROW(CalcPointResults("3"), std::runtime_error);
    InstallDialogs(&previous);
    EXPECT_TRUE(engineBytes() == engine);
    EXPECT_TRUE(Model.TotalAppliedLoad == totalAppliedLoad);

    // Loadcase 1 without its load: zeros, and its message once over two calculations.
    AnalyseB(false);
    ASSERT_EQ(Model.LoadcaseCount, 2);
    ASSERT_TRUE(CalcPointResults("3"));
    ASSERT_TRUE(CalcPointResults("0.2"));
    EXPECT_EQ(Row(2), (Texts{"0.000", "0.000", "0.000", "0.000"}));
    EXPECT_EQ(Row(3), (Texts{"-4.000", "-0.800", "-0.800", "-0.175"}));
    EXPECT_EQ(dialogs->messages(), Texts{"Loadcase 1\rNo loads on beam"});
}

TEST_F(PointTest, PrintPutsTheListOnOnePageUnderTheHeader) {
    AnalyseA();
    RecordingPrinter p(600);
    EXPECT_FALSE(PrintPointResults(p)) << "nothing calculated";
    EXPECT_TRUE(p.pages.empty());
    ASSERT_TRUE(CalcPointResults("3"));
    ASSERT_TRUE(PrintPointResults(p));
    ASSERT_EQ(p.pages.size(), 1u);
    EXPECT_TRUE(p.ended);
    EXPECT_TRUE(p.pages[0]->hasText("KX-Flexor")); // the page header
    std::vector<RecordingCanvas::Item> body;
    for (const auto& t : p.pages[0]->texts())
        if (t.font == "Courier" && t.fontSize == 10 && t.x1 == 354) body.push_back(t);
    ASSERT_EQ(body.size(), 15u);
    // 600 dpi: 23.622047 dots a millimetre; the margin 15 mm, row k at 3.7 mm x k, lines from row 14.
    EXPECT_EQ(std::make_tuple(body[0].text, body[0].y1, body[1].y1, body[13].text, body[13].y1),
              std::make_tuple(std::string("  RESULTS AT POINT "), 1224, 1311,
                              std::string("    Deflection = -8.036 mm"), 2360));
    // A job that fails is abandoned and its error goes on.
    FailingPrinter failing;
    EXPECT_THROW(PrintPointResults(failing), std::runtime_error);
    EXPECT_TRUE(failing.aborted);
}
