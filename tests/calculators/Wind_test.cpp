// The wind calculator against loads worked by hand from BS 5973's factors: checks, stored areas,
// result lines, the spinner's refill and the printout.
#include "calculators/Wind.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Guard.h"

using namespace kx;

namespace {

class WindTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    ScopedScriptedDialogs d;
};

// Area 1, "North elevation": V 46, S1 1, H 20, open country, under 2 years, Wff 1.3, 10 m of
// tube and 10 m of toeboard.
WindChoices worked(const char* area = "1") {
    return {area, "North elevation", "46", "1", "20", "1.3", "10", "10", 1, 1};
}

// y and font of a printed text; y -1 when the page does not hold it.
std::pair<int, std::string> at(const RecordingCanvas& page, const std::string& text) {
    for (const auto& i : page.texts())
        if (i.text == text) return {i.y1, i.font + " " + std::to_string(i.fontSize)};
    return {-1, ""};
}

} // namespace

TEST_F(WindTest, WorkedExampleGivesTheHandFiguresAndTwentyFiveLines) {
    const auto shown = WindCalculate(worked());
    // S2 1.06 at 20 m; Vs = 46 x 1.06 x 0.77; q = 0.613 Vs² / 1000; loads = area x Wff x q.
    const TWindArea& a = WindState.Area[1];
    const std::pair<float, double> values[] = {
        {a.S2, 1.06},           {a.Vs, 37.5452}, {a.q, 0.864110},         {a.At, 0.483},
        {a.TubeLoad, 0.542575}, {a.Ab, 2.25},    {a.BoardLoad, 2.527523}, {a.TotalLoad, 3.070098}};
    for (const auto& [got, want] : values)
        EXPECT_NEAR(got, want, 2e-6 * want);
    const std::string sq = "\xB2", cont = "                            = ";
    // clang-format off
    EXPECT_EQ(shown, (std::vector<std::string>{
        " Area No 1       North elevation", "", " Basic Wind Speed           = 46.0 m/s",
        " Topographical Factor S1    = 1.00", " For a height above ground of 20.0 m",
        " Wind Speed Factor S2       = 1.06", " Probability Factor S3      = 0.770",
        " Design Wind Speed          = 37.5 m/s", " Dynamic Wind Pressure (q)  = 0.864 kN/m" + sq, "", "",
        " Wind force factor (Wff)    = 1.30", "", " Area of tube  (At)         = 10.0 m x 0.0483 m",
        cont + "0.483 m" + sq, " Wind Load on tube          = At x q x Wff", cont + "0.543 kN", "",
        " Area of toeboard (Ab)      = 10.0 m x 0.225 m", cont + "2.25 m" + sq,
        " Wind Load on toeboard      = Ab x q x Wff", cont + "2.53 kN", "", "",
        " Total wind load area 1     = 3.070 kN"}));
    // clang-format on
    EXPECT_TRUE(a.Lines[0] == "25" && d->shown.empty());
}

TEST_F(WindTest, TerrainsLivesAndLengthsGiveTheirFiguresAndLayouts) {
    struct Case {
        WindChoices c;
        std::size_t count;
        std::vector<std::pair<int, std::string>> lines; // line number, text after the label
    };
    // clang-format off
    const Case cases[] = {
        // Category 3 at 25 m: 0.95 + 0.5 x 0.06; tube only.
        {{"1", "", "46", "1", "25", "1.3", "10", "", 3, 1}, 18,
         {{6, "0.980"}, {8, "34.7 m/s"}, {9, "0.739 kN/m\xB2"}, {17, "0.464 kN"}}},
        // Category 2 at 12 m: 0.93 + 0.4 x 0.07; 2 to 5 years; toeboard only.
        {{"2", "", "50", "1.1", "12", "1.2", "0", "20", 2, 2}, 18,
         {{6, "0.958"}, {7, "0.830"}, {8, "43.7 m/s"}, {9, "1.17 kN/m\xB2"}, {14, "20.0 m x 0.225 m"},
          {15, "4.50 m\xB2"}, {17, "6.33 kN"}}},
        // The limits themselves are accepted: V 100, H 200, Wff 2; over 10 years.
        {{"3", "", "100", "1", "200", "2", "10", "10", 1, 4}, 25,
         {{6, "1.27"}, {8, "127 m/s"}, {9, "9.89 kN/m\xB2"}, {17, "9.55 kN"}, {22, "44.5 kN"}, {25, "54.04 kN"}}},
        // No lengths: no Wff line; 0.613 x 40² / 1000.
        {{"100", "", "40", "1", "10", "", "", "", 1, 4}, 11, {{9, "0.981 kN/m\xB2"}, {11, ""}, {12, ""}}},
    };
    // clang-format on
    for (const Case& k : cases) {
        const auto shown = WindCalculate(k.c);
        ASSERT_EQ(shown.size(), k.count) << k.c.Edit_AreaNo;
        for (const auto& [n, text] : k.lines)
            EXPECT_EQ(WindState.Area[std::stoi(k.c.Edit_AreaNo)].Lines[n].substr(text.empty() ? 0 : 30), text)
                << n;
    }
    EXPECT_TRUE(d->shown.empty());
}

TEST_F(WindTest, WindSpeedFactorFollowsTheTable) {
    const std::vector<float> low = {0.83f, 0.72f, 0.64f, 0.56f}, top = {1.27f, 1.26f, 1.24f, 1.22f};
    for (int cat = 1; cat <= 4; ++cat) {
        for (float H : {0.0f, 2.5f, 3.0f})
            EXPECT_EQ(WindS2Lookup(cat, H), low[cat - 1]);
        EXPECT_EQ(WindS2Lookup(cat, 200), top[cat - 1]);
    }
    EXPECT_NEAR(WindS2Lookup(3, 4), 0.67, 1e-6);
    EXPECT_NEAR(WindS2Lookup(4, 7.5f), 0.635, 1e-6);
}

TEST_F(WindTest, RefusedInputsShowTheirMessageEmptyTheListAndStoreNothing) {
    WindCalculate(worked());
    const TWindArea before = WindState.Area[1];
    using F = std::string WindChoices::*;
    const std::string speed = "Basic wind speed must be less than 100 m/s",
                      invalid = " is not a valid floating point value";
    // clang-format off
    const std::tuple<F, std::string, std::string> cases[] = {
        {&WindChoices::Edit_Basic, "100.01", speed}, {&WindChoices::Edit_Basic, "150", speed},
        {&WindChoices::Edit_S1, "1.36", "S1 must be less than 1.36 "}, // 1.36 as a single lies above 1.36
        {&WindChoices::Edit_S1, "0.9", "S1 must be greater than 0.9 "},
        {&WindChoices::Edit_Height, "200.5", "Height above ground must be less than 200 m"},
        {&WindChoices::Edit_Factor, "2.01", "Wind force factor must be less than 2"},
        {&WindChoices::Edit_Factor, "1,3", "'1,3'" + invalid}, {&WindChoices::Edit_Basic, "abc", "'abc'" + invalid},
        {&WindChoices::Edit_TubeLength, "1e39", "'1e39'" + invalid},
        {&WindChoices::Edit_Basic, "-1", ""}, {&WindChoices::Edit_Height, "-0.1", ""}, {&WindChoices::Edit_Factor, "-1", ""},
        {&WindChoices::Edit_TubeLength, "-5", ""}, {&WindChoices::Edit_BoardLength, "-5", ""}};
    // clang-format on
    for (const auto& [field, text, message] : cases) {
        WindChoices c = worked();
        c.Edit_Desc = "Refused";
        c.Terrain = 4;
        c.*field = text;
        d->clear();
        EXPECT_TRUE(WindCalculate(c).empty()) << text;
        EXPECT_EQ(d->messages(),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        const TWindArea& a = WindState.Area[1];
        EXPECT_TRUE(a.Basic == before.Basic && a.q == before.q && a.Description == before.Description &&
                    a.TerrainChoice == 1 && a.Lines == before.Lines)
            << text;
    }
    // Bad area numbers: a range error before anything is read, the current area kept.
    for (const char* no : {"0", "101", "x", "", "1.5"}) {
        d->clear();
        EXPECT_FALSE(Guard([&] { WindCalculate(worked(no)); }));
        EXPECT_THROW(WindUpDown(worked(no)), RangeError);
        EXPECT_EQ(d->messages(), std::vector<std::string>{"Range check error"});
        EXPECT_EQ(WindState.AreaNo, 1);
    }
}

TEST_F(WindTest, SpinnerRefillsTheInputsOfTheAreaItMovesTo) {
    WindCalculate(worked());
    // To area 2, never calculated: area 1's V and S1, "0.0" elsewhere, no lines; radios and
    // description as shown.
    WindChoices shown = worked("2");
    shown.Terrain = 3;
    WindAreaView v = WindUpDown(shown);
    const WindChoices& c = v.Controls;
    EXPECT_EQ(std::vector<std::string>({c.Edit_Desc, c.Edit_Basic, c.Edit_S1, c.Edit_Height, c.Edit_Factor,
                                        c.Edit_TubeLength, c.Edit_BoardLength}),
              std::vector<std::string>({"North elevation", "46.0", "1.00", "0.0", "0.0", "0.0", "0.0"}));
    EXPECT_EQ(std::make_tuple(c.Terrain, c.Probability, WindState.AreaNo), std::make_tuple(3, 1, 2));
    EXPECT_TRUE(v.List.empty());
    EXPECT_EQ(WindUpDown(worked("3")).Controls.Edit_S1, "1.00"); // below an S1 of 0 too

    // Area 2 calculated as "South"; back on area 1 its own description, radios and lines, so a
    // second Calculate of area 1 leaves area 2's description alone.
    shown = worked("2");
    shown.Edit_Desc = "South";
    shown.Terrain = 2;
    WindCalculate(shown);
    shown.Edit_AreaNo = "1";
    v = WindUpDown(shown);
    EXPECT_TRUE(v.Controls.Edit_Desc == "North elevation" && v.Controls.Terrain == 1 && v.List.size() == 25);
    WindCalculate(v.Controls);
    EXPECT_EQ(WindState.Area[2].Description, "South");

    // A refused V 150 leaves area 1 as it was: back on it, "46.0" and its 25 lines.
    shown = worked();
    shown.Edit_Basic = "150";
    WindCalculate(shown);
    v = WindUpDown(worked());
    EXPECT_TRUE(v.Controls.Edit_Basic == "46.0" && v.List.size() == 25);
}

TEST_F(WindTest, PrintPutsTwoAreasAPageAndSkipsAreasWithoutLines) {
    RecordingPrinter none; // 600 dpi: row i at 3.75 mm x i, text at 15 mm
    EXPECT_TRUE(WindPrint(none));
    ASSERT_EQ(none.pages.size(), 1u);
    EXPECT_EQ(at(*none.pages[0], " WIND LOADING"), std::make_pair(974, std::string("Courier 11")));
    EXPECT_EQ(none.pages[0]->texts().back().x1, 354);
    EXPECT_EQ(at(*none.pages[0], "Page 1").first, 720) << "under the page header";

    WindCalculate(worked());
    WindCalculate(worked("2"));
    RecordingPrinter two;
    WindPrint(two);
    ASSERT_EQ(two.pages.size(), 1u) << "no page of header only after an even count";
    EXPECT_EQ(at(*two.pages[0], " Area No 1       North elevation").first, 1152);       // row 13
    EXPECT_EQ(at(*two.pages[0], " Total wind load area 1     = 3.070 kN").first, 3278); // row 37
    EXPECT_EQ(at(*two.pages[0], " Area No 2       North elevation").first, 3898);       // row 44

    // A third area: a second page, row 16, under its own header. Area 1 with V 0 drops out.
    WindCalculate(worked("7"));
    WindChoices zero = worked();
    zero.Edit_Basic = "0";
    EXPECT_TRUE(WindCalculate(zero).empty());
    EXPECT_EQ(WindState.Area[1].q, 0.0f);
    WindCalculate(worked("9"));
    RecordingPrinter three;
    WindPrint(three);
    ASSERT_EQ(three.pages.size(), 2u);
    EXPECT_EQ(at(*three.pages[0], " Area No 1       North elevation").first, -1);
    EXPECT_EQ(at(*three.pages[1], " Area No 9       North elevation"),
              std::make_pair(1417, std::string("Courier 11")));
    EXPECT_EQ(at(*three.pages[1], "Page 2").first, 720);

    // The last area, 100, prints too: after areas 2 and 7 on page 1, areas 9 and 100 share page 2.
    WindCalculate(worked("100"));
    RecordingPrinter last;
    WindPrint(last);
    ASSERT_EQ(last.pages.size(), 2u);
    EXPECT_EQ(at(*last.pages[1], " Area No 100       North elevation").first, 4163); // row 47
    EXPECT_TRUE(d->shown.empty());
}

// The inputs are read in the window's order, each against its own bounds (compared in extended
// precision); the first that fails gives its message, if it has one, and nothing is read.
TEST_F(WindTest, InputsAreReadInOrderEachWithinItsBounds) {
    using F = std::string WindChoices::*;
    const std::string speed = "Basic wind speed must be less than 100 m/s";
    // clang-format off
    const std::tuple<std::vector<std::pair<F, const char*>>, bool, std::string> cases[] = {
        {{{&WindChoices::Edit_Basic, "100"}, {&WindChoices::Edit_Height, "200"}, {&WindChoices::Edit_Factor, "2"}}, true, ""},
        {{{&WindChoices::Edit_S1, "1.359"}, {&WindChoices::Edit_TubeLength, "1e30"}, {&WindChoices::Edit_BoardLength, "0"}}, true, ""},
        {{{&WindChoices::Edit_S1, "0.901"}, {&WindChoices::Edit_Basic, "0"}}, true, ""},
        // The lower bounds themselves: a height, a factor and lengths of exactly 0 are accepted.
        {{{&WindChoices::Edit_Height, "0"}, {&WindChoices::Edit_Factor, "0"}, {&WindChoices::Edit_TubeLength, "0"}}, true, ""},
        // The singles next past 0.9 and below 1.36 lie inside the limits.
        {{{&WindChoices::Edit_S1, "0.90000004"}}, true, ""}, {{{&WindChoices::Edit_S1, "1.3599999"}}, true, ""},
        {{{&WindChoices::Edit_Basic, "100.001"}}, false, speed},
        {{{&WindChoices::Edit_S1, "0.9"}}, false, "S1 must be greater than 0.9 "},
        {{{&WindChoices::Edit_S1, "1.36"}}, false, "S1 must be less than 1.36 "},
        {{{&WindChoices::Edit_BoardLength, "-1"}}, false, ""},
        // Only the first refusal speaks.
        {{{&WindChoices::Edit_Height, "300"}, {&WindChoices::Edit_Basic, "150"}}, false, speed},
        {{{&WindChoices::Edit_Factor, "5"}, {&WindChoices::Edit_S1, "abc"}}, false, "'abc' is not a valid floating point value"},
        {{{&WindChoices::Edit_Height, "-1"}, {&WindChoices::Edit_Factor, "3"}}, false, ""},
    };
    // clang-format on
    for (const auto& [fields, accepted, message] : cases) {
        WindChoices c = worked();
        for (const auto& [field, text] : fields)
            c.*field = text;
        d->clear();
        const std::optional<WindInputs> in = ReadWindInputs(c);
        EXPECT_EQ(in.has_value(), accepted) << c.Edit_Basic << " " << c.Edit_S1 << " " << c.Edit_Height;
        EXPECT_EQ(d->messages(),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        if (!in) continue;
        const float got[] = {in->Basic, in->S1, in->Height, in->Wff, in->TubeLength, in->BoardLength};
        const std::string* typed[] = {&c.Edit_Basic,  &c.Edit_S1,         &c.Edit_Height,
                                      &c.Edit_Factor, &c.Edit_TubeLength, &c.Edit_BoardLength};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(got[i], std::stof(*typed[i])) << *typed[i];
    }
}

// S2 in every band of every terrain category, at the band's middle (the mean of its two table
// values) and on its upper edge (the table value itself), from the standard's table.
TEST_F(WindTest, WindSpeedFactorInEveryBandOfEveryCategory) {
    const double heights[16] = {3, 5, 10, 15, 20, 30, 40, 50, 60, 80, 100, 120, 140, 160, 180, 200};
    // clang-format off
    const double table[4][16] = {
        {0.83, 0.88, 1.00, 1.03, 1.06, 1.09, 1.12, 1.14, 1.15, 1.18, 1.20, 1.22, 1.24, 1.25, 1.26, 1.27},
        {0.72, 0.79, 0.93, 1.00, 1.03, 1.07, 1.10, 1.12, 1.14, 1.17, 1.19, 1.21, 1.22, 1.24, 1.25, 1.26},
        {0.64, 0.70, 0.78, 0.88, 0.95, 1.01, 1.05, 1.08, 1.10, 1.13, 1.16, 1.18, 1.20, 1.21, 1.23, 1.24},
        {0.56, 0.60, 0.67, 0.74, 0.79, 0.90, 0.97, 1.02, 1.05, 1.10, 1.13, 1.15, 1.17, 1.19, 1.20, 1.22},
    };
    // clang-format on
    for (int cat = 1; cat <= 4; ++cat)
        for (int k = 1; k < 16; ++k) {
            const double* s2 = table[cat - 1];
            const float mid = static_cast<float>((heights[k - 1] + heights[k]) / 2);
            EXPECT_NEAR(WindS2Lookup(cat, mid), (s2[k - 1] + s2[k]) / 2, 1e-6) << cat << " " << mid;
            EXPECT_NEAR(WindS2Lookup(cat, static_cast<float>(heights[k])), s2[k], 1e-6)
                << cat << " " << heights[k];
        }
    EXPECT_THROW(WindS2Lookup(1, 200.0001f), RangeError);
    EXPECT_THROW(WindS2Lookup(0, 10), RangeError);
    EXPECT_THROW(WindS2Lookup(5, 10), RangeError);
}

// Each terrain with each life at 10 m, V 40, S1 1: Vs = 40 S2 S3 and q = 0.613 Vs^2 / 1000.
TEST_F(WindTest, EachTerrainAndLifeGivesItsFactorsSpeedAndPressure) {
    const struct {
        int terrain, life;
        const char *s2, *s3, *vs, *q;
    } rows[] = {
        {1, 1, "1.00", "0.770", "30.8 m/s", "0.582"},  // 40 x 1.00 x 0.77; 0.613 x 30.8^2 = 0.5815
        {2, 2, "0.930", "0.830", "30.9 m/s", "0.584"}, // 40 x 0.93 x 0.83 = 30.876; 0.5844
        {3, 3, "0.780", "0.880", "27.5 m/s", "0.462"}, // 40 x 0.78 x 0.88 = 27.456; 0.4621
        {4, 4, "0.670", "1.00", "26.8 m/s", "0.440"},  // 40 x 0.67 x 1.0; 0.4403
    };
    for (const auto& r : rows) {
        const auto shown = WindCalculate({"4", "", "40", "1", "10", "1", "10", "", r.terrain, r.life});
        ASSERT_EQ(shown.size(), 18u) << r.terrain;
        EXPECT_EQ(shown[5].substr(30) + "|" + shown[6].substr(30) + "|" + shown[7].substr(30) + "|" +
                      shown[8].substr(30),
                  std::string(r.s2) + "|" + r.s3 + "|" + r.vs + "|" + r.q + " kN/m\xB2");
        EXPECT_EQ(WindState.TerrainCategory, r.terrain);
    }
}

// Lengths of kilometres and of half a millimetre. V 50, S1 1, 10 m open country, over 10 years:
// Vs 50, q = 0.613 x 2500 / 1000 = 1.5325; Wff 1.5. 20 km of tube: At 966 m^2, 966 x 1.5 x
// 1.5325 = 2220.6 kN; 10 km of toeboard: Ab 2250 m^2, 5172.2 kN; total 7392.8 kN. 0.5 mm of tube:
// At 2.415e-5 m^2, 3.7e-5 kN.
TEST_F(WindTest, LoadsOfLongAndTinyLengths) {
    const std::string sq = "\xB2", cont = "                            = ";
    auto shown = WindCalculate({"50", "Long run", "50", "1", "10", "1.5", "20000", "10000", 1, 4});
    ASSERT_EQ(shown.size(), 25u);
    EXPECT_EQ((std::vector<std::string>{shown[13], shown[14], shown[16], shown[18], shown[19], shown[21],
                                        shown[24]}),
              (std::vector<std::string>{
                  " Area of tube  (At)         = 20000 m x 0.0483 m", cont + "966 m" + sq, cont + "2220 kN",
                  " Area of toeboard (Ab)      = 10000 m x 0.225 m", cont + "2250 m" + sq, cont + "5170 kN",
                  " Total wind load area 50     = 7393 kN"}));
    EXPECT_NEAR(WindState.Area[50].TotalLoad, 7392.78, 0.01);
    shown = WindCalculate({"50", "Short", "50", "1", "10", "1.5", "0.0005", "0", 1, 4});
    ASSERT_EQ(shown.size(), 18u);
    EXPECT_EQ(shown[13], " Area of tube  (At)         = 0.000500 m x 0.0483 m");
    EXPECT_NEAR(WindState.Area[50].TubeLoad, 2.415e-5 * 1.5 * 1.5325, 1e-9);
}

// The spinner refills every control from the area it moves to: two areas that differ in every
// input, radio and description, each reached from the other's controls.
TEST_F(WindTest, SpinnerRefillsEveryControlOfEachArea) {
    const WindChoices one = worked("1"),
                      two{"2", "South gable", "38", "1.2", "35", "0.8", "7.5", "12.5", 4, 3};
    WindCalculate(one);
    WindCalculate(two);
    WindChoices from = two;
    from.Edit_AreaNo = "1";
    WindAreaView v = WindUpDown(from);
    const auto controls = [](const WindChoices& c) {
        return std::vector<std::string>{c.Edit_Desc,
                                        c.Edit_Basic,
                                        c.Edit_S1,
                                        c.Edit_Height,
                                        c.Edit_Factor,
                                        c.Edit_TubeLength,
                                        c.Edit_BoardLength,
                                        std::to_string(c.Terrain),
                                        std::to_string(c.Probability)};
    };
    EXPECT_EQ(controls(v.Controls), (std::vector<std::string>{"North elevation", "46.0", "1.00", "20.0",
                                                              "1.30", "10.0", "10.0", "1", "1"}));
    EXPECT_EQ(v.List.size(), 25u);
    from = one;
    from.Edit_AreaNo = "2";
    v = WindUpDown(from);
    EXPECT_EQ(controls(v.Controls), (std::vector<std::string>{"South gable", "38.0", "1.20", "35.0", "0.800",
                                                              "7.50", "12.5", "4", "3"}));
    // Category 4 at 35 m: 0.90 + 0.5 x 0.07 = 0.935; Vs = 38 x 1.2 x 0.935 x 0.88 = 37.52 m/s.
    EXPECT_EQ(v.List.at(5).substr(30) + "|" + v.List.at(7).substr(30), "0.935|37.5 m/s");
}

// An area not yet given a speed or S1 offers those of the area just below it, up to the last area:
// 99 holds V 41 and S1 1.15, 98 holds V 52 and S1 1.3; moving to 100 offers 99's.
// One metre of tube and of toeboard still gives the total: 0.0483 x 1.3 x q + 0.225 x 1.3 x q.
TEST_F(WindTest, TheLastAreaOffersTheSpeedAndS1OfTheOneBelowAndOneMetreLengthsAreTotalled) {
    WindCalculate({"98", "", "52", "1.3", "20", "1.3", "1", "1", 1, 1});
    WindCalculate({"99", "", "41", "1.15", "20", "1.3", "1", "1", 1, 1});
    const WindAreaView v = WindUpDown(worked("100"));
    EXPECT_EQ(v.Controls.Edit_Basic + "|" + v.Controls.Edit_S1, "41.0|1.15");
    // Area 99: Vs = 41 x 1.15 x 1.06 x 0.77 = 38.48, q = 0.9079; loads 0.0483 x 1.3 x 0.9079 =
    // 0.05700 and 0.225 x 1.3 x 0.9079 = 0.2655 kN, total 0.3226 kN.
    const TWindArea& a = WindState.Area[99];
    ASSERT_EQ(a.Lines[0], "25");
    EXPECT_EQ(a.Lines[25], " Total wind load area 99     = 0.3226 kN");
    EXPECT_NEAR(a.TotalLoad, 0.2733 * 1.3 * 0.907856, 1e-5);
}

namespace {

// The spinner moved to an area never calculated keeps every radio as shown, each of the four
// lives and terrains: such an area stores no choice of its own (0, "none stored").
TEST_F(WindTest, AnAreaNeverCalculatedKeepsTheRadiosShown) {
    WindCalculate(worked()); // area 1: open country, under 2 years
    for (int choice = 1; choice <= 4; ++choice) {
        WindChoices shown = worked("2");
        shown.Terrain = shown.Probability = choice;
        const WindChoices c = WindUpDown(shown).Controls;
        EXPECT_EQ(std::make_pair(c.Terrain, c.Probability), std::make_pair(choice, choice));
    }
    EXPECT_EQ(std::make_pair(WindState.Area[2].TerrainChoice, WindState.Area[2].ProbabilityChoice),
              std::make_pair(0, 0));
}

// Straight to area 2 with area 1 never calculated: no S1 below to offer, so the flat-ground
// factor 1.00; no speed below either, so "0.0".
TEST_F(WindTest, AreaTwoAboveAnUncalculatedAreaOneOffersAnS1OfOne) {
    const WindChoices c = WindUpDown(worked("2")).Controls;
    EXPECT_EQ(c.Edit_Basic + "|" + c.Edit_S1, "0.0|1.00");
}

} // namespace
