// The wind calculator against loads worked by hand from BS 5973's factors: checks, stored areas,
// result lines, the spinner's refill and the printout.
#include "calculators/Wind.h"

#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Guard.h"
#include "platform/Printer.h"

using namespace kx;

namespace {

class WindTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    // Area 1, "North elevation": V 46, S1 1, H 20, open country, under 2 years, Wff 1.3,
    // 10 m of tube and 10 m of toeboard.
    static WindChoices worked() {
        WindChoices c;
        c.AreaNo = "1";
        c.Desc = "North elevation";
        c.Basic = "46";
        c.S1 = "1";
        c.Height = "20";
        c.Terrain = 1;
        c.Probability = 1;
        c.Factor = "1.3";
        c.TubeLength = "10";
        c.BoardLength = "10";
        return c;
    }
    static const TWindArea& area(int n) { return WindState.Area[n]; }
    static std::string line(int area, int i) { return WindState.Area[area].Lines[i]; }

    ScopedScriptedDialogs d;
};

using Item = RecordingCanvas::Item;

const Item* findText(const RecordingCanvas& page, const std::string& text) {
    for (const Item& i : page.items)
        if (i.op == RecordingCanvas::Op::Text && i.text == text) return &i;
    return nullptr;
}

// The y of a printed text, -1 when the page does not hold it.
int yOf(const RecordingCanvas& page, const std::string& text) {
    const Item* i = findText(page, text);
    return i ? i->y1 : -1;
}

// Relative closeness for results held in singles.
void expectNear(float got, double want, double rel = 2e-6) { EXPECT_NEAR(got, want, rel * want) << want; }

} // namespace

TEST_F(WindTest, WorkedExampleGivesTheHandFiguresAndTwentyFiveLines) {
    const auto shown = WindCalculate(worked());
    EXPECT_TRUE(d->shown.empty());
    const TWindArea& a = area(1);
    // S2 1.06 at 20 m; Vs = 46 x 1 x 1.06 x 0.77; q = 0.613 Vs² / 1000.
    expectNear(a.S2, 1.06);
    expectNear(a.Vs, 37.5452);
    expectNear(a.q, 0.864110);
    expectNear(a.At, 0.483);
    expectNear(a.TubeLoad, 0.542575);
    expectNear(a.Ab, 2.25);
    expectNear(a.BoardLoad, 2.527523);
    expectNear(a.TotalLoad, 3.070098);
    EXPECT_EQ(a.Description, "North elevation");
    EXPECT_EQ(a.TerrainChoice, 1);
    EXPECT_EQ(a.ProbabilityChoice, 1);

    const std::vector<std::string> want = {
        " Area No 1       North elevation",
        "",
        " Basic Wind Speed           = 46.0 m/s",
        " Topographical Factor S1    = 1.00",
        " For a height above ground of 20.0 m",
        " Wind Speed Factor S2       = 1.06",
        " Probability Factor S3      = 0.770",
        " Design Wind Speed          = 37.5 m/s",
        " Dynamic Wind Pressure (q)  = 0.864 kN/m\xB2",
        "",
        "",
        " Wind force factor (Wff)    = 1.30",
        "",
        " Area of tube  (At)         = 10.0 m x 0.0483 m",
        "                            = 0.483 m\xB2",
        " Wind Load on tube          = At x q x Wff",
        "                            = 0.543 kN",
        "",
        " Area of toeboard (Ab)      = 10.0 m x 0.225 m",
        "                            = 2.25 m\xB2",
        " Wind Load on toeboard      = Ab x q x Wff",
        "                            = 2.53 kN",
        "",
        "",
        " Total wind load area 1     = 3.070 kN",
    };
    EXPECT_EQ(shown, want);
    EXPECT_EQ(line(1, 0), "25");
    for (int i = 1; i <= 25; ++i) {
        const std::string& l = want[static_cast<std::size_t>(i - 1)];
        if (l.empty() || i == 1) continue;
        if (i == 5) {
            EXPECT_EQ(l.substr(0, 30), " For a height above ground of ");
        } else {
            ASSERT_GE(l.size(), 30u);
            EXPECT_EQ(l[28], '=') << i;
            EXPECT_EQ(l[29], ' ') << i;
        }
    }
}

TEST_F(WindTest, OtherTerrainsLivesAndLengthsGiveTheirLayouts) {
    // H 25 in category 3 (0.95 + 0.5 x 0.06), tube only: Vs = 46 x 0.98 x 0.77, 18 lines.
    WindChoices c = worked();
    c.Height = "25";
    c.Terrain = 3;
    c.BoardLength = "";
    auto shown = WindCalculate(c);
    ASSERT_EQ(shown.size(), 18u);
    EXPECT_EQ(shown[5], " Wind Speed Factor S2       = 0.980");
    EXPECT_EQ(shown[7], " Design Wind Speed          = 34.7 m/s");
    EXPECT_EQ(shown[8], " Dynamic Wind Pressure (q)  = 0.739 kN/m\xB2");
    EXPECT_EQ(shown[16], "                            = 0.464 kN");
    EXPECT_EQ(shown[17], "");

    // V 50, S1 1.1, H 12 in category 2 (0.93 + 0.4 x 0.07), 2 to 5 years, Wff 1.2, toeboard only.
    c = worked();
    c.AreaNo = "2";
    c.Basic = "50";
    c.S1 = "1.1";
    c.Height = "12";
    c.Terrain = 2;
    c.Probability = 2;
    c.Factor = "1.2";
    c.TubeLength = "0";
    c.BoardLength = "20";
    shown = WindCalculate(c);
    ASSERT_EQ(shown.size(), 18u);
    expectNear(area(2).S2, 0.958);
    EXPECT_EQ(shown[6], " Probability Factor S3      = 0.830");
    EXPECT_EQ(shown[7], " Design Wind Speed          = 43.7 m/s");
    EXPECT_EQ(shown[8], " Dynamic Wind Pressure (q)  = 1.17 kN/m\xB2");
    EXPECT_EQ(shown[11], " Wind force factor (Wff)    = 1.20");
    EXPECT_EQ(shown[13], " Area of toeboard (Ab)      = 20.0 m x 0.225 m");
    EXPECT_EQ(shown[14], "                            = 4.50 m\xB2");
    EXPECT_EQ(shown[16], "                            = 6.33 kN");

    // The limits themselves are accepted: V 100, H 200, Wff 2; over 10 years.
    c = worked();
    c.AreaNo = "3";
    c.Basic = "100";
    c.Height = "200";
    c.Factor = "2";
    c.Probability = 4;
    shown = WindCalculate(c);
    EXPECT_TRUE(d->shown.empty());
    ASSERT_EQ(shown.size(), 25u);
    EXPECT_EQ(shown[5], " Wind Speed Factor S2       = 1.27");
    EXPECT_EQ(shown[7], " Design Wind Speed          = 127 m/s");
    EXPECT_EQ(shown[8], " Dynamic Wind Pressure (q)  = 9.89 kN/m\xB2");
    EXPECT_EQ(shown[16], "                            = 9.55 kN");
    EXPECT_EQ(shown[21], "                            = 44.5 kN");
    EXPECT_EQ(shown[24], " Total wind load area 3     = 54.04 kN");

    // No lengths: 11 lines, no Wff line; V 40 at 10 m, S3 1.0: q = 0.613 x 1600 / 1000.
    c = worked();
    c.AreaNo = "100";
    c.Basic = "40";
    c.Height = "10";
    c.Probability = 4;
    c.TubeLength = "";
    c.BoardLength = "";
    shown = WindCalculate(c);
    ASSERT_EQ(shown.size(), 11u);
    EXPECT_EQ(shown[0], " Area No 100       North elevation");
    EXPECT_EQ(shown[8], " Dynamic Wind Pressure (q)  = 0.981 kN/m\xB2");
    EXPECT_EQ(shown[10], "");
}

TEST_F(WindTest, WindSpeedFactorFollowsTheTable) {
    for (float H : {0.0f, 2.5f, 3.0f}) {
        EXPECT_FLOAT_EQ(WindS2Lookup(1, H), 0.83f);
        EXPECT_FLOAT_EQ(WindS2Lookup(2, H), 0.72f);
        EXPECT_FLOAT_EQ(WindS2Lookup(3, H), 0.64f);
        EXPECT_FLOAT_EQ(WindS2Lookup(4, H), 0.56f);
    }
    EXPECT_NEAR(WindS2Lookup(3, 4), 0.67, 1e-6);
    EXPECT_NEAR(WindS2Lookup(4, 7.5f), 0.635, 1e-6);
    EXPECT_NEAR(WindS2Lookup(1, 90), 1.19, 1e-6);
    EXPECT_FLOAT_EQ(WindS2Lookup(2, 15), 1.00f); // a table height takes its own value
    EXPECT_FLOAT_EQ(WindS2Lookup(1, 200), 1.27f);
    EXPECT_FLOAT_EQ(WindS2Lookup(2, 200), 1.26f);
    EXPECT_FLOAT_EQ(WindS2Lookup(3, 200), 1.24f);
    EXPECT_FLOAT_EQ(WindS2Lookup(4, 200), 1.22f);
}

TEST_F(WindTest, RefusedInputsShowTheirMessageEmptyTheListAndStoreNothing) {
    WindCalculate(worked());
    const TWindArea before = area(1);
    struct Case {
        const char* field;
        const char* text;
        const char* message; // nullptr: stops without one
    };
    const Case cases[] = {
        {"Basic", "100.01", "Basic wind speed must be less than 100 m/s"},
        {"Basic", "150", "Basic wind speed must be less than 100 m/s"},
        {"Basic", "-1", nullptr},
        {"S1", "1.36", "S1 must be less than 1.36 "}, // 1.36 held as a single lies above 1.36
        {"S1", "0.9", "S1 must be greater than 0.9 "},
        {"S1", "", "S1 must be greater than 0.9 "},
        {"Height", "200.5", "Height above ground must be less than 200 m"},
        {"Height", "-0.1", nullptr},
        {"Factor", "2.01", "Wind force factor must be less than 2"},
        {"Factor", "-1", nullptr},
        {"TubeLength", "-5", nullptr},
        {"BoardLength", "-5", nullptr},
        // Not numbers: read as 0 they would give loads of 0.0 kN.
        {"Factor", "1,3", "'1,3' is not a valid floating point value"},
        {"Basic", "abc", "'abc' is not a valid floating point value"},
        {"Height", "20m", "'20m' is not a valid floating point value"},
        {"TubeLength", "1e39", "'1e39' is not a valid floating point value"},
        {"BoardLength", "1e400", "'1e400' is not a valid floating point value"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.field) + " " + k.text);
        WindChoices c = worked();
        c.Desc = "Refused";
        c.Terrain = 4;
        c.Probability = 3;
        std::string WindChoices::*field = k.field == std::string("Basic")        ? &WindChoices::Basic
                                          : k.field == std::string("S1")         ? &WindChoices::S1
                                          : k.field == std::string("Height")     ? &WindChoices::Height
                                          : k.field == std::string("Factor")     ? &WindChoices::Factor
                                          : k.field == std::string("TubeLength") ? &WindChoices::TubeLength
                                                                                 : &WindChoices::BoardLength;
        c.*field = k.text;
        d->clear();
        EXPECT_TRUE(WindCalculate(c).empty());
        EXPECT_EQ(d->messages(),
                  k.message ? std::vector<std::string>{k.message} : std::vector<std::string>{});
        // Nothing of the refused Calculate reaches the store.
        const TWindArea& a = area(1);
        EXPECT_EQ(a.Basic, before.Basic);
        EXPECT_EQ(a.q, before.q);
        EXPECT_EQ(a.Description, "North elevation");
        EXPECT_EQ(a.TerrainChoice, 1);
        EXPECT_EQ(a.ProbabilityChoice, 1);
        EXPECT_EQ(a.Lines, before.Lines);
    }
}

TEST_F(WindTest, NoPressureLeavesTheAreaWithoutLines) {
    WindCalculate(worked());
    WindChoices c = worked();
    c.Basic = "0";
    EXPECT_TRUE(WindCalculate(c).empty());
    EXPECT_TRUE(d->shown.empty());
    EXPECT_EQ(area(1).q, 0.0f);
    EXPECT_EQ(line(1, 0), "0");
    EXPECT_EQ(line(1, 1), "");
    c.Basic = "";
    EXPECT_TRUE(WindCalculate(c).empty());
    EXPECT_TRUE(d->shown.empty());
}

TEST_F(WindTest, AreaNumberOutsideTheStoreIsARangeErrorThatChangesNothing) {
    WindCalculate(worked());
    const TWindArea before = area(1);
    for (const char* no : {"0", "101", "x", "", "1.5", "-3"}) {
        SCOPED_TRACE(no);
        WindChoices c = worked();
        c.AreaNo = no;
        c.Basic = "30";
        EXPECT_THROW(WindCalculate(c), RangeError);
        EXPECT_THROW(WindUpDown(c), RangeError);
        d->clear();
        EXPECT_FALSE(Guard([&] { WindCalculate(c); }));
        EXPECT_EQ(d->messages(), std::vector<std::string>{"Range check error"});
        EXPECT_EQ(WindState.AreaNo, 1);
        EXPECT_EQ(area(1).Basic, before.Basic);
        EXPECT_EQ(area(1).Lines, before.Lines);
    }
    EXPECT_EQ(WindAreaNumber(" 100 "), 100);
}

TEST_F(WindTest, SpinnerRefillsTheInputsOfTheAreaItMovesTo) {
    WindChoices shown = worked();
    WindCalculate(shown);
    // To area 2, never calculated: the speed and S1 of area 1, "0.0" elsewhere, no lines; the
    // radios and the description stay as they are.
    shown.AreaNo = "2";
    shown.Terrain = 3;
    shown.Probability = 2;
    WindAreaView v = WindUpDown(shown);
    EXPECT_EQ(WindState.AreaNo, 2);
    EXPECT_EQ(v.Controls.Basic, "46.0");
    EXPECT_EQ(v.Controls.S1, "1.00");
    EXPECT_EQ(v.Controls.Height, "0.0");
    EXPECT_EQ(v.Controls.Factor, "0.0");
    EXPECT_EQ(v.Controls.TubeLength, "0.0");
    EXPECT_EQ(v.Controls.BoardLength, "0.0");
    EXPECT_TRUE(v.List.empty());
    EXPECT_EQ(v.Controls.Terrain, 3);
    EXPECT_EQ(v.Controls.Probability, 2);
    EXPECT_EQ(v.Controls.Desc, "North elevation");

    // Area 3 below an uncalculated area 2: its S1 falls back to 1.0, its speed to area 2's 0.
    shown.AreaNo = "3";
    v = WindUpDown(shown);
    EXPECT_EQ(v.Controls.Basic, "0.0");
    EXPECT_EQ(v.Controls.S1, "1.00");

    // Area 2 calculated with its own description; back on area 1 its own radios, inputs,
    // description and lines return.
    shown = worked();
    shown.AreaNo = "2";
    shown.Desc = "South elevation";
    shown.Terrain = 2;
    shown.Height = "12.5";
    WindCalculate(shown);
    shown.AreaNo = "1";
    v = WindUpDown(shown);
    EXPECT_EQ(v.Controls.Desc, "North elevation");
    EXPECT_EQ(v.Controls.Terrain, 1);
    EXPECT_EQ(v.Controls.Height, "20.0");
    EXPECT_EQ(v.Controls.Factor, "1.30");
    EXPECT_EQ(v.List.size(), 25u);
    EXPECT_EQ(v.List[0], " Area No 1       North elevation");
    // Calculating area 1 again with what is shown keeps area 2's description its own.
    WindCalculate(v.Controls);
    EXPECT_EQ(area(2).Description, "South elevation");
    EXPECT_EQ(area(1).Description, "North elevation");
}

TEST_F(WindTest, RefusedCalculateKeepsTheAreaAsItWas) {
    WindCalculate(worked());
    WindChoices c = worked();
    c.Basic = "150";
    EXPECT_TRUE(WindCalculate(c).empty());
    c.AreaNo = "2";
    WindUpDown(c);
    c.AreaNo = "1";
    const WindAreaView back = WindUpDown(c);
    EXPECT_EQ(back.Controls.Basic, "46.0");
    ASSERT_EQ(back.List.size(), 25u);
    EXPECT_EQ(back.List[8], " Dynamic Wind Pressure (q)  = 0.864 kN/m\xB2");
}

TEST_F(WindTest, PrintPlacesTwoAreasAPageEveryThreeAndThreeQuarterMillimetres) {
    // 600 dpi: 23.622 dots a mm; row i at 3.75 mm x i, text at 15 mm (354).
    WindCalculate(worked());
    WindChoices c = worked();
    c.AreaNo = "2";
    c.Desc = "South elevation";
    c.BoardLength = ""; // 18 lines
    WindCalculate(c);

    RecordingPrinter two;
    EXPECT_TRUE(WindPrint(two));
    EXPECT_TRUE(two.ended);
    ASSERT_EQ(two.pages.size(), 1u) << "no page holding only the header after an even count";
    const RecordingCanvas& page = *two.pages[0];
    const Item* title = findText(page, " WIND LOADING");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x1, 354);
    EXPECT_EQ(title->y1, 974); // row 11
    EXPECT_EQ(title->font, "Courier");
    EXPECT_EQ(title->fontSize, 11);
    EXPECT_NE(findText(page, "Page 1"), nullptr) << "under the page header";
    const Item* first = findText(page, " Area No 1       North elevation");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x1, 354);
    EXPECT_EQ(first->y1, 1152); // row 13
    EXPECT_EQ(first->font, "Courier");
    EXPECT_EQ(yOf(page, " Total wind load area 1     = 3.070 kN"), 3278); // row 37
    // 25 lines from row 13, then five empty rows: the next area on row 44.
    EXPECT_EQ(yOf(page, " Area No 2       South elevation"), 3898);
    int texts = 0;
    for (const Item& i : page.items)
        texts += i.op == RecordingCanvas::Op::Text && i.font == "Courier";
    EXPECT_EQ(texts, 1 + 25 + 18);

    // A third area starts a second page, on row 16 under a header of its own.
    c.AreaNo = "7";
    c.Desc = "Gable";
    WindCalculate(c);
    RecordingPrinter three;
    EXPECT_TRUE(WindPrint(three));
    ASSERT_EQ(three.pages.size(), 2u);
    const RecordingCanvas& second = *three.pages[1];
    EXPECT_NE(findText(second, "Page 2"), nullptr);
    EXPECT_EQ(findText(second, " WIND LOADING"), nullptr);
    const Item* gable = findText(second, " Area No 7       Gable");
    ASSERT_NE(gable, nullptr);
    EXPECT_EQ(gable->y1, 1417);
    EXPECT_EQ(gable->font, "Courier");
    EXPECT_EQ(gable->fontSize, 11);
}

TEST_F(WindTest, PrintSkipsAreasWithoutLines) {
    RecordingPrinter none;
    EXPECT_TRUE(WindPrint(none));
    ASSERT_EQ(none.pages.size(), 1u);
    EXPECT_NE(findText(*none.pages[0], " WIND LOADING"), nullptr);
    EXPECT_NE(findText(*none.pages[0], "Page 1"), nullptr);
    int courier = 0;
    for (const Item& i : none.pages[0]->items)
        courier += i.op == RecordingCanvas::Op::Text && i.font == "Courier";
    EXPECT_EQ(courier, 1) << "header and title only";

    // Area 1 calculated, then given a speed of 0: its old lines are not printed.
    WindCalculate(worked());
    WindChoices c = worked();
    c.Basic = "0";
    WindCalculate(c);
    RecordingPrinter after;
    EXPECT_TRUE(WindPrint(after));
    ASSERT_EQ(after.pages.size(), 1u);
    EXPECT_EQ(findText(*after.pages[0], " Area No 1       North elevation"), nullptr);
}
