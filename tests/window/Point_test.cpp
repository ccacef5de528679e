// Results at a point checked against hand calculations of simple beams and the figures worked out
// for a cantilevered two-span beam.
#include "window/Point.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "engine/AnalysisFixture.h"
#include "platform/Printer.h"
#include "window/KxfFile.h"

using namespace kx;
using namespace kx::test;

namespace {

// Beam A: one 6000 mm span on two plain supports, 10 N/mm over the span with load factor lf.
BeamBuilder BeamA(float lf = 1) { return BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000, lf); }

// The stored deflection of Beam A at x: -w x (L^3 - 2 L x^2 + x^3) / (24 E I).
double BeamADeflection(double x) {
    const double w = 10, L = 6000, EI = 210000.0 * 1e8;
    return -w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI);
}

// The reference search: every p/q in turn, a strictly smaller error wins.
PointFraction ExhaustiveFraction(float f) {
    PointFraction best;
    float bestError = 1.0f;
    for (int q = 3; q <= 2000; ++q) {
        for (int p = 1; p <= q; ++p) {
            const float e = std::fabs(f - static_cast<float>(p) / static_cast<float>(q));
            if (e < bestError) {
                bestError = e;
                best = {q, p};
            }
        }
    }
    return best;
}

// A message service whose messages fail, to break a calculation half-way.
class FailingDialogs : public ScriptedDialogs {
public:
    void Message(const std::string& text, const std::string&) override { throw std::runtime_error(text); }
};

// A printer whose document fails as it ends.
class FailingPrinter : public RecordingPrinter {
public:
    void EndDoc() override { throw std::runtime_error("Printer out of paper"); }
};

std::vector<std::byte> EngineBytes() {
    std::vector<std::byte> bytes(sizeof(EngineState));
    std::memcpy(bytes.data(), static_cast<const void*>(&Eng), sizeof(EngineState));
    return bytes;
}

class PointTest : public AnalysisTest {
protected:
    // Commits and analyses a beam whose section has y = 100 mm, with the built-in metric units.
    void AnalyseWithY(const BeamBuilder& beam, int32 factoredLoadsFlag = -1) {
        Commit(beam, factoredLoadsFlag);
        Model.SpanData[1][mfY] = 100;
        AnalyseBeam(host);
        dialogs->clear();
    }

    // Beam B: LH cantilever 1000, spans 4000 + 4000, RH cantilever 1500 mm. The three load records
    // stand in both loadcases, as the load form commits them; each loadcase applies its own.
    void AnalyseBeamB(bool applyLoadcase1 = true) {
        Commit(BeamBuilder().LHCantilever(1000).Spans({4000, 4000}).RHCantilever(1500));
        Model.SpanData[1][mfY] = 100;
        const float records[3][3] = {{3000, 20000, 1}, {0, 4000, 2}, {10500, 5000, 2}}; // at, P, loadcase
        for (int lc = 1; lc <= 2; ++lc) {
            for (int r = 1; r <= 3; ++r) {
                const float* rec = records[r - 1];
                const bool applied = static_cast<int>(rec[2]) == lc && (lc == 2 || applyLoadcase1);
                Model.LoadTable[lc][r] = TLoadRec{};
                Model.LoadTable[lc][r][lfKind] = 1.0f;
                Model.LoadTable[lc][r][lfDist] = rec[0];
                Model.LoadTable[lc][r][lfP] = rec[1];
                Model.LoadTable[lc][r][lfLF] = 1.0f;
                Model.LoadTable[lc][r][lfApplied] = applied ? 1.0f : -1.0f;
            }
            Model.CaseHasLoads[lc] = lc == 2 || applyLoadcase1 ? 1 : 0;
        }
        AnalyseBeam(host);
        dialogs->clear();
    }

    // Shear, moment, stress and deflection texts of grid row `row`.
    static std::vector<std::string> Row(int row) {
        const PointGrid g = PointGridContent(true);
        const auto& r = g[static_cast<std::size_t>(row)];
        return {r[1], r[2], r[3], r[4]};
    }
};

TEST(PointFractionTest, TheQuickSearchFindsWhatTryingEveryFractionFinds) {
    std::mt19937 random(14u);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<float> fractions{0.0f,   1.0f,    0.5f,     1e-7f,  0.0005f,
                                 0.001f, 0.3713f, 0.99949f, 0.999f, 2.0f / 3};
    for (int i = 0; i < 5000; ++i)
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
    AnalyseWithY(BeamA());
    // V = w (L/2 - x), M = w x (L - x) / 2, stress M y / I; deflections from the stored twentieth points.
    struct Case {
        const char* typed;
        PointFraction fraction;
        std::vector<std::string> row;
        double deflection;
    };
    const double d4 = -3.713143, d6 = -5.749714, d8 = -7.210286; // Simpson's values at points 4, 6, 8
    const Case cases[] = {
        {"3", {4, 2}, {"0.000", "45.00", "45.00", "-8.036"}, BeamADeflection(3000)},
        {"1.5", {4, 1}, {"15.00", "33.75", "33.75", "-5.750"}, d6},
        {"0.6", {10, 1}, {"24.00", "16.20", "16.20", "-2.523"}, BeamADeflection(600)},
        {"1", {6, 1}, {"20.00", "25.00", "25.00", "-4.066"}, d4 + (BeamADeflection(1200) - d4) / 3},
        {"2",
         {3, 1},
         {"10.00", "40.00", "40.00", "-6.985"},
         BeamADeflection(1800) + (d8 - BeamADeflection(1800)) * 2 / 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(CalcPointResults(c.typed));
        const float x = Model.PointPosition;
        const PointMember m = LocatePoint(1, x);
        EXPECT_EQ(m.row, 1);
        EXPECT_EQ(NearestFraction(m.f), c.fraction);
        EXPECT_EQ(Row(2), c.row);
        EXPECT_EQ(Row(7), c.row);
        EXPECT_NEAR(PointResults.PointShear[1], 10 * (3000 - x), 1e-3);
        EXPECT_NEAR(PointResults.PointMoment[1], 10 * x * (6000 - x) / 2, 1);
        EXPECT_NEAR(PointResults.PointDeflection[1], c.deflection, 1e-5);
    }
    EXPECT_TRUE(dialogs->messages().empty());

    ASSERT_TRUE(CalcPointResults("3"));
    const std::vector<std::string> list{"  RESULTS AT POINT ",
                                        "    Distance along beam = 3.00 m",
                                        "",
                                        " LOADCASE 1",
                                        "    Shear = 0.000 kN",
                                        "    Moment = 45.00 kN-m",
                                        "    Stress = 45.00 N/mm^2",
                                        "    Deflection = -8.036 mm",
                                        "",
                                        " MAXIMA ",
                                        "    Shear = 0.000 kN",
                                        "    Moment = 45.00 kN-m",
                                        "    Stress = 45.00 N/mm^2",
                                        "    Deflection = -8.036 mm",
                                        ""};
    EXPECT_EQ(PointResults.PointLines[0], "15");
    EXPECT_EQ(PointListContent(), list);
    const PointGrid g = PointGridContent(true);
    EXPECT_EQ(g[0],
              (std::array<std::string, 5>{" Loadcase", " Shear ", " Moment ", " Stress ", " Deflection "}));
    EXPECT_EQ(g[1], (std::array<std::string, 5>{"", " kN", " kN-m", " N/mm^2", " mm"}));
    EXPECT_EQ(g[2], (std::array<std::string, 5>{"  1 ", "0.000", "45.00", "45.00", "-8.036"}));
    for (int row = 3; row <= 6; ++row)
        EXPECT_EQ(g[static_cast<std::size_t>(row)],
                  (std::array<std::string, 5>{"  " + std::to_string(row - 1) + " ", "", "", "", ""}));
    EXPECT_EQ(g[7], (std::array<std::string, 5>{" Maxima", "0.000", "45.00", "45.00", "-8.036"}));
    EXPECT_EQ(PointGridContent(false)[7], (std::array<std::string, 5>{" Maxima", "", "", "", ""}));
}

TEST_F(PointTest, FactoredLoadsChangeTheWordingAndTheValuesButNotTheStoredDeflection) {
    AnalyseWithY(BeamA(1.5f), 1);
    ASSERT_TRUE(CalcPointResults("3"));
    const std::vector<std::string> values{"    Factored Shear = 0.000 kN", "   Factored Moment = 67.50 kN-m",
                                          "   Factored Elastic Stress = 67.50 N/mm^2",
                                          "    Deflection = -8.036 mm"};
    const auto lines = PointListContent();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 8), values);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 10, lines.begin() + 14), values);

    // Neither wording: titles and deflections only; the grid still shows every value.
    Model.FactoredLoadsFlag = 0;
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(PointListContent(),
              (std::vector<std::string>{"  RESULTS AT POINT ", "    Distance along beam = 3.00 m", "",
                                        " LOADCASE 1", "    Deflection = -8.036 mm", "", " MAXIMA ",
                                        "    Deflection = -8.036 mm", ""}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"0.000", "67.50", "67.50", "-8.036"}));
}

TEST_F(PointTest, MaximaKeepTheSignOfTheLargestMagnitudeAndTheFirstLoadcaseWinsATie) {
    AnalyseWithY(BeamBuilder().Spans({6000}).Udl(1, 0, 10, 6000).Udl(2, 0, -10, 6000).Udl(3, 0, -20, 6000));
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(Row(2)[1], "45.00");
    EXPECT_EQ(Row(3)[1], "-45.00");
    EXPECT_EQ(Row(4)[1], "-90.00");
    EXPECT_EQ(Row(7), (std::vector<std::string>{"0.000", "-90.00", "-90.00", "16.07"}));
    // Without the third loadcase, +45 and -45 tie and loadcase 1 keeps the maximum.
    Model.LoadcaseCount = 2;
    ASSERT_TRUE(CalcPointResults("3"));
    EXPECT_EQ(Row(7)[1], "45.00");
    EXPECT_EQ(Row(7)[3], "-8.036");
    EXPECT_EQ(Row(4)[1], "");
}

TEST_F(PointTest, CantileveredBeamGivesTheWorkedFiguresOfBothLoadcases) {
    AnalyseBeamB();
    const double reactions[2][3] = {{8125, 13750, -1875}, {5718.75, -4312.5, 7593.75}};
    for (int lc = 1; lc <= 2; ++lc)
        for (int k = 1; k <= 3; ++k)
            EXPECT_NEAR(Eng.SupportReaction[lc][k], reactions[lc - 1][k - 1], 0.01);
    struct Case {
        const char* typed;
        std::vector<std::string> lc1, lc2, maxima;
    };
    const Case cases[] = {
        {"0.2",
         {"0.000", "0.000", "0.000", "0.571"},
         {"-4.000", "-0.800", "-0.800", "-0.175"},
         {"-4.000", "-0.800", "-0.800", "0.571"}},
        // At the point load the span shows the shear just left of it (right of it: -11.88).
        {"3",
         {"8.125", "16.25", "16.25", "-0.913"},
         {"1.719", "-0.563", "-0.563", "0.054"},
         {"8.125", "16.25", "16.25", "-0.913"}},
        {"9.75",
         {"0.000", "0.000", "0.000", "-0.179"},
         {"5.000", "-3.750", "-3.750", "-0.372"},
         {"5.000", "-3.750", "-3.750", "-0.372"}},
        {"10.5",
         {"0.000", "0.000", "0.000", "-0.357"},
         {"5.000", "0.000", "0.000", "-0.845"},
         {"5.000", "0.000", "0.000", "-0.845"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(CalcPointResults(c.typed));
        EXPECT_EQ(Row(2), c.lc1);
        EXPECT_EQ(Row(3), c.lc2);
        EXPECT_EQ(Row(7), c.maxima);
    }
    EXPECT_TRUE(dialogs->messages().empty());

    // A section without Ixx gives no stress rather than an infinite one.
    Model.SpanData[1][mfIxx] = 0;
    ASSERT_TRUE(CalcPointResults("9.75"));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"5.000", "-3.750", "0.000", "-0.372"}));
    Model.SpanData[1][mfIxx] = 1e8;

    ASSERT_TRUE(CalcPointResults("0.2"));
    EXPECT_EQ(PointResults.PointLines[0], "20");
    const auto lines = PointListContent();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[1], "    Distance along beam = 0.200 m");
    // A stress that rounds to 0.000 has no line.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 8),
              (std::vector<std::string>{" LOADCASE 1", "    Shear = 0.000 kN", "    Moment = 0.000 kN-m",
                                        "    Deflection = 0.571 mm", ""}));
}

TEST_F(PointTest, DistancesOnOrNearSupportsBeyondTheBeamOrNotPositiveAreRefused) {
    AnalyseBeamB();
    ASSERT_TRUE(CalcPointResults("3"));
    const auto lines = PointListContent();
    const PointGrid grid = PointGridContent(true);
    const std::pair<const char*, const char*> refused[] = {
        {"1", "Cannot analyse point nearer then 1/1000 span of a support"},
        {"5", "Cannot analyse point nearer then 1/1000 span of a support"},
        {"5.003", "Cannot analyse point nearer then 1/1000 span of a support"},
        {"9", "Cannot analyse point nearer then 1/1000 span of a support"},
        {"0.9995", "Cannot analyse point nearer then 1/1000 span of a support"},
        {"10.501", "Value exceeds length of beam"},
        {"1e40", "Value exceeds length of beam"},
        {"0", "Please enter point measured from LH end of beam"},
        {"", "Please enter point measured from LH end of beam"},
        {"abc", "Please enter point measured from LH end of beam"},
        {"-2", "Please use positive value"},
        {"-1e40", "Please use positive value"},
    };
    for (const auto& [typed, message] : refused) {
        SCOPED_TRACE(typed);
        dialogs->clear();
        EXPECT_FALSE(CalcPointResults(typed));
        EXPECT_EQ(dialogs->messages(), std::vector<std::string>{message});
        EXPECT_EQ(PointListContent(), lines);
        EXPECT_EQ(PointGridContent(true), grid);
    }
    // The distance is kept whatever the checks decide, and shown again at the next showing.
    EXPECT_FALSE(CalcPointResults("10.501"));
    EXPECT_EQ(Model.PointPosition, 10501.0f);
    EXPECT_EQ(PointDistanceText(), "10.5");

    dialogs->clear();
    ASSERT_TRUE(CalcPointResults("5.004"));
    const PointMember m = LocatePoint(1, Model.PointPosition);
    EXPECT_EQ(m.row, 2);
    EXPECT_EQ(NearestFraction(m.f), (PointFraction{1000, 1}));
    ASSERT_TRUE(CalcPointResults("3abc"));
    EXPECT_EQ(Model.PointPosition, 3000.0f);
    EXPECT_EQ(Row(2)[0], "8.125");
    ASSERT_TRUE(CalcPointResults("3,5"));
    EXPECT_EQ(Model.PointPosition, 3000.0f);
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(PointTest, TheProgramStateResetEmptiesTheWindowsState) {
    AnalyseWithY(BeamA());
    ASSERT_TRUE(CalcPointResults("3"));
    ResetProgramState();
    EXPECT_EQ(PointResults.PointMoment[1], 0.0f);
    EXPECT_EQ(PointResults.PointLines[0], "");
    EXPECT_TRUE(PointListContent().empty());
}

TEST_F(PointTest, WithoutAnAnalysisOrABeamNothingIsCalculated) {
    Commit(BeamA());
    Model.PointPosition = 1500;
    EXPECT_FALSE(CalcPointResults("3"));
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Analyse the beam first"});
    EXPECT_EQ(Model.PointPosition, 1500.0f);
    EXPECT_EQ(PointResults.PointLines[0], "");
    EXPECT_EQ(PointDistanceText(), "1.50");

    dialogs->clear();
    Model.BeamLength = 0;
    Model.LoadcaseCount = 1;
    EXPECT_FALSE(CalcPointResults("3"));
    EXPECT_TRUE(dialogs->messages().empty());
    Model.PointPosition = 0;
    EXPECT_EQ(PointDistanceText(), " ");
}

TEST_F(PointTest, ReleasedForkheadMakesTheLastSpanACantileverFromItsOwnSupport) {
    AnalyseWithY(BeamBuilder().Spans({4000, 4000}).AllSupports(supForkhead).Udl(1, 0, 10, 4000));
    ASSERT_EQ(Model.SpanCount[1], 1);
    ASSERT_EQ(Eng.RHCantileverActive[1], 1);
    // theta = w L^3 / 24 E I at the lifted support's neighbour; the unloaded cantilever rises with it.
    const double theta = 10 * 4000.0 * 4000 * 4000 / (24 * 210000.0 * 1e8);
    ASSERT_TRUE(CalcPointResults("6"));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"0.000", "0.000", "0.000", "2.540"}));
    EXPECT_NEAR(PointResults.PointDeflection[1], theta * 2000, 1e-4);
    ASSERT_TRUE(CalcPointResults("2"));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"0.000", "20.00", "20.00", "-1.587"}));
    EXPECT_NEAR(PointResults.PointDeflection[1], -5 * 10 * std::pow(4000.0, 4) / (384 * 210000.0 * 1e8),
                1e-4);

    // A point that no member of the loadcase holds keeps 0.
    Eng.RHCantileverActive[1] = 0;
    EXPECT_EQ(LocatePoint(1, 6000).row, -1);
    ASSERT_TRUE(CalcPointResults("6"));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"0.000", "0.000", "0.000", "0.000"}));
}

TEST_F(PointTest, ACalculationLeavesTheAnalysisAsItWasOnEveryPath) {
    AnalyseBeamB();
    const std::vector<std::byte> engine = EngineBytes();
    const Arr<float, 1, 5> totalAppliedLoad = Model.TotalAppliedLoad;
    const std::vector<std::uint8_t> file = WriteKxfFile();
    const std::size_t noLoads = offsetof(EngineState, NoLoadsReported);
    const std::size_t noLoadsEnd = noLoads + sizeof(Eng.NoLoadsReported);
    auto unchanged = [&] {
        const std::vector<std::byte> now = EngineBytes();
        std::size_t differing = 0;
        for (std::size_t i = 0; i < now.size(); ++i)
            if (now[i] != engine[i] && (i < noLoads || i >= noLoadsEnd)) ++differing;
        return differing == 0 && Model.TotalAppliedLoad == totalAppliedLoad;
    };
    for (const char* typed : {"0.2", "3", "5.004", "9.75", "10.5"})
        ASSERT_TRUE(CalcPointResults(typed));
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(WriteKxfFile(), file);

    // A failure half-way through the loadcases restores everything too.
    Model.LoadTable[2][2][lfApplied] = -1.0f;
    Model.LoadTable[2][3][lfApplied] = -1.0f;
    {
        FailingDialogs failing;
        Dialogs& previous = dlg();
        InstallDialogs(&failing);
        EXPECT_THROW(CalcPointResults("3"), std::runtime_error);
        InstallDialogs(&previous);
    }
    EXPECT_TRUE(unchanged());
}

TEST_F(PointTest, ALoadcaseWithoutLoadsShowsZerosAndItsMessageOncePerAnalysis) {
    AnalyseBeamB(false);
    ASSERT_EQ(Model.LoadcaseCount, 2);
    ASSERT_TRUE(CalcPointResults("3"));
    ASSERT_TRUE(CalcPointResults("0.2"));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"0.000", "0.000", "0.000", "0.000"}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"-4.000", "-0.800", "-0.800", "-0.175"}));
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Loadcase 1\rNo loads on beam"});
}

TEST_F(PointTest, PrintPutsTheListOnOnePageUnderTheHeaderAndNothingBeforeACalculation) {
    AnalyseWithY(BeamA());
    RecordingPrinter p(600);
    EXPECT_FALSE(PrintPointResults(p));
    EXPECT_TRUE(p.pages.empty());
    EXPECT_FALSE(p.ended);

    ASSERT_TRUE(CalcPointResults("3"));
    ASSERT_TRUE(PrintPointResults(p));
    ASSERT_EQ(p.pages.size(), 1u);
    EXPECT_TRUE(p.ended);
    const RecordingCanvas& page = *p.pages[0];
    EXPECT_TRUE(page.hasText("KX-Flexor")); // the page header
    std::vector<RecordingCanvas::Item> body;
    for (const auto& t : page.texts())
        if (t.font == "Courier") body.push_back(t);
    ASSERT_EQ(body.size(), 15u);
    // 600 dpi: 23.622047 dots a millimetre; the margin 15 mm, row k at 3.7 mm x k, lines from row 14.
    EXPECT_EQ(body[0].text, "  RESULTS AT POINT ");
    EXPECT_EQ(body[0].x1, 354);
    EXPECT_EQ(body[0].y1, 1224);
    EXPECT_EQ(body[1].y1, 1311);
    EXPECT_EQ(body[13].text, "    Deflection = -8.036 mm");
    EXPECT_EQ(body[13].y1, 2360);
    for (const auto& t : body) {
        EXPECT_EQ(t.fontSize, 10);
        EXPECT_EQ(t.x1, 354);
    }

    // A job that fails is abandoned and its error goes on.
    FailingPrinter failing;
    EXPECT_THROW(PrintPointResults(failing), std::runtime_error);
    EXPECT_TRUE(failing.aborted);
}

} // namespace
