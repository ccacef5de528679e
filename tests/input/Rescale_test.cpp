// Conversion of the input windows' texts on a change of units: the figures, the captions, what
// is left alone, and no drift over round trips.
#include "input/Rescale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "FormTestSupport.h"
#include "platform/Errors.h"
#include "platform/Files.h"

namespace kx {
namespace {

// The texts of values, without the exact values behind them.
template <class C> std::vector<std::string> texts(const C& c) { return {std::begin(c), std::end(c)}; }
std::array<std::string, 5> texts(const LoadRowUnitTexts& r) {
    return {r.Edit_PL, r.Edit_Dist, r.Edit_UDLS, r.Edit_UDLF, r.Edit_Cover};
}

class RescaleTest : public kxtest::InputFormTest {
protected:
    void SetUp() override {
        InputFormTest::SetUp();
        SnapshotUnitFactors();
    }
    // Sets one kind's unit as the preferences' OK does, then runs f over a conversion from the
    // factors before and takes a new snapshot.
    template <class F>
    static void rescale(std::initializer_list<std::tuple<TUnitKind, const char*, float>> units, F f) {
        for (auto [kind, text, factor] : units) {
            UnitText(Model, kind) = text;
            UnitFactor(Model, kind) = factor;
        }
        UnitRescale r(OldUnitFactors, Model);
        f(r);
        SnapshotUnitFactors();
    }
};

// Texts typed anew (or left as the last change wrote them, "") through changes of the length unit:
// no drift over round trips, a typed text read as it stands, an unchanged factor converting nothing.
TEST_F(RescaleTest, LengthsConvertWithoutDriftOverRoundTrips) {
    ShownText t;
    for (auto [typed, unit, factor, expected] : {std::tuple{"6", "mm", 1.0f, "6000"},
                                                 {"", "ft", 304.8f, "19.7"},
                                                 {"", "in", 25.4f, "236"},
                                                 {"", "mm", 1.0f, "6000"},
                                                 {"", "in", 25.4f, "236"},
                                                 {"", "mm", 1.0f, "6000"},
                                                 {"1234", "m", 1000.0f, "1.23"},
                                                 {"", "mm", 1.0f, "1230"},
                                                 {"12345", "mm", 1.0f, "12345"}}) {
        if (*typed) t = typed;
        rescale({{TUnitKind::Length, unit, factor}},
                [&](UnitRescale& r) { r.Convert(t, TUnitKind::Length); });
        EXPECT_EQ(t, expected) << typed << " " << unit;
    }
}

TEST_F(RescaleTest, BeamFormTextsAndCaptions) {
    BeamFormUnitTexts b;
    b.Edit_Timber_W = "47";
    b.SpanLengths = {"1.5", "5", "4"};
    b.lbl_S01_Ixx = "473";
    b.lbl_S01_E = "205000";
    b.lbl_GA = "500";
    const auto beam = [&](UnitRescale& r) { RescaleBeamFormTexts(b, r); };
    rescale({{TUnitKind::Length, "mm", 1}, {TUnitKind::SectI, "in^4", 416231.44f}}, beam);
    EXPECT_EQ(texts(b.SpanLengths), (std::vector<std::string>{"1500", "5000", "4000"}));
    EXPECT_EQ(b.Edit_L + " " + b.lbl_S01_Ixx, "0.0 11.4"); // the lift height's kind changed
    // Section lengths, E and forces did not change.
    EXPECT_EQ((std::array<std::string, 3>{b.Edit_Timber_W, b.lbl_S01_E, b.lbl_GA}),
              (std::array<std::string, 3>{"47", "205000", "500"}));
    EXPECT_EQ(
        (std::array{b.LengthCaption, b.lbl_Ixx, b.lbl_E, b.Label_L_Std_Unit, b.lbl_Wunit, b.Label_GA_Unit}),
        (std::array<std::string, 6>{" Length (mm)", "in^4", "E (N/mm^2)", "mm", "mm", "kN"}));

    // Nothing changed: the form's own captions and every value stay as they are.
    b.lbl_Ixx = "( in^4 )";
    const BeamFormUnitTexts before = b;
    rescale({}, beam);
    EXPECT_EQ(b, before);

    rescale({{TUnitKind::SectI, "cm^4", 10000}, {TUnitKind::Force, "N", 1}}, beam);
    // Ixx "473", not 475 from 11.4 in^4.
    EXPECT_EQ((std::array<std::string, 4>{b.lbl_S01_Ixx, b.lbl_GA, b.lbl_Ixx, b.SpanLengths[0]}),
              (std::array<std::string, 4>{"473", "500000", "cm^4", "1500"}));
}

TEST_F(RescaleTest, LoadRowsConvertOnlyTheKindsThatChanged) {
    LoadFormUnitTexts l;
    l.Rows[1] = {"12", "1.5", "", "", ""};
    l.Rows[2] = {"", "", "3", "4", "2"};
    l.Rows[3] = {"", "2 m", "", "", "1,5"}; // left for "Next >" to refuse, not made numbers of
    const auto loads = [&](UnitRescale& r) { RescaleLoadFormTexts(l, r); };
    rescale({{TUnitKind::Length, "mm", 1}}, loads);
    using Row = std::array<std::string, 5>;
    EXPECT_EQ(texts(l.Rows[1]), (Row{"12", "1500", "", "", "0.0"}));
    EXPECT_EQ(texts(l.Rows[2]), (Row{"", "0.0", "3", "4", "2000"})); // an empty load stays empty
    EXPECT_EQ(texts(l.Rows[3]), (Row{"", "2 m", "", "", "1,5"}));
    EXPECT_EQ(texts(l.Rows[50]), (Row{"", "0.0", "", "", "0.0"}));
    EXPECT_EQ((std::array{l.lbl_PL, l.lbl_PLdist, l.lbl_UDLS, l.lbl_UDLF, l.lbl_Cover}),
              (std::array<std::string, 5>{"(kN)", "(mm)", "(kN/m)", "(kN/m)", "(mm)"}));

    // A unit of the same factor: the captions name it, the values stay.
    rescale({{TUnitKind::UDL, "N/mm", 1}}, loads);
    EXPECT_EQ(l.lbl_UDLS + l.Rows[2].Edit_UDLS, "(N/mm)3");

    // A new unit whose text is part of the old one's (mm -> m, kN -> N), then back again.
    rescale({{TUnitKind::Length, "m", 1000}, {TUnitKind::Force, "N", 1}}, loads);
    EXPECT_EQ((std::array<std::string, 6>{l.lbl_PL, l.lbl_PLdist, l.lbl_Cover, l.Rows[1].Edit_PL,
                                          l.Rows[1].Edit_Dist, l.Rows[2].Edit_Cover}),
              (std::array<std::string, 6>{"(N)", "(m)", "(m)", "12000", "1.50", "2.00"}));
    rescale({{TUnitKind::Length, "mm", 1}, {TUnitKind::Force, "kN", 1000}}, loads);
    EXPECT_EQ((std::array<std::string, 6>{l.lbl_PL, l.lbl_PLdist, l.lbl_Cover, l.Rows[1].Edit_PL,
                                          l.Rows[1].Edit_Dist, l.Rows[2].Edit_Cover}),
              (std::array<std::string, 6>{"(kN)", "(mm)", "(mm)", "12.0", "1500", "2000"}));

    // An OK that changes nothing alters nothing.
    const LoadFormUnitTexts before = l;
    rescale({}, loads);
    EXPECT_EQ(l, before);
}

TEST_F(RescaleTest, SectionGridColumnsAndHeadings) {
    SectionGridUnitTexts g;
    g.Cells[1][2] = "473";
    g.Cells[1][4] = "30";
    g.Cells[1][5] = "12.5";
    g.Cells[1][6] = "500";
    g.Cells[250][5] = "1";
    const auto grid = [&](UnitRescale& r) { RescaleSectionGridTexts(g, r); };
    rescale({{TUnitKind::Moment, "N-mm", 1}, {TUnitKind::Force, "N", 1}}, grid);
    EXPECT_EQ((std::array<std::string, 5>{g.Cells[1][5], g.Cells[1][6], g.Cells[250][5], g.Cells[1][2],
                                          g.Cells[1][4]}),
              (std::array<std::string, 5>{"12500000", "500000", "1000000", "473", "30"}));
    EXPECT_EQ(g.Heading[5] + "|" + g.Heading[6], "   Permissible Moment (N-mm)|     GA/Kform  (N)");

    rescale({{TUnitKind::Shear, "N", 1}}, grid);
    EXPECT_EQ(g.Cells[1][4], "30000"); // shown = internal x factor: 30 kN is 30000 N
}

TEST_F(RescaleTest, EffectiveLengthLabelsKeepTheirWords) {
    EffLengthUnitTexts span{"4.25", "m"}, lhc{"varies", "m"}, rhc{" ", "m"};
    rescale({{TUnitKind::Length, "ft", 304.8f}}, [&](UnitRescale& r) {
        RescaleEffLengthTexts(span, r);
        RescaleEffLengthTexts(lhc, r);
        RescaleEffLengthTexts(rhc, r);
    });
    EXPECT_EQ(span.lbl_Le + "|" + span.UnitCaption, "13.9|ft");
    EXPECT_EQ(lhc, (EffLengthUnitTexts{"varies", "ft"}));
    EXPECT_EQ(rhc, (EffLengthUnitTexts{" ", "ft"}));
}

// One rule in every window: a text that is wholly a number (blanks around it allowed) is
// converted, a blank one becomes "0.0" (a blank effective length, "restrained", stays), and any
// other text stays as typed for its form to refuse or read as 0. m -> mm, mm -> cm for section
// lengths, kN -> N, kN-m -> N-mm.
TEST_F(RescaleTest, OnlyTextsThatAreWhollyNumbersAreConverted) {
    struct Forms {
        BeamFormUnitTexts beam;
        LoadFormUnitTexts loads;
        SectionGridUnitTexts grid;
        EffLengthUnitTexts span;
    };
    using Field = ShownText& (*)(Forms&);
    const Field spanLength = [](Forms& f) -> ShownText& { return f.beam.SpanLengths[1]; };
    const Field liftHeight = [](Forms& f) -> ShownText& { return f.beam.Edit_L; };
    const Field timberWidth = [](Forms& f) -> ShownText& { return f.beam.Edit_Timber_W; };
    const Field ga = [](Forms& f) -> ShownText& { return f.beam.lbl_GA; };
    const Field loadDist = [](Forms& f) -> ShownText& { return f.loads.Rows[7].Edit_Dist; };
    const Field loadP = [](Forms& f) -> ShownText& { return f.loads.Rows[7].Edit_PL; };
    const Field gridMoment = [](Forms& f) -> ShownText& { return f.grid.Cells[3][5]; };
    const Field effLength = [](Forms& f) -> ShownText& { return f.span.lbl_Le; };
    const struct {
        Field field;
        const char* typed;
        const char* expected;
    } cases[] = {
        // clang-format off
        {spanLength, "2.5", "2500"}, {spanLength, " 2.5 ", "2500"}, {spanLength, "1e-3", "1.00"},
        {spanLength, " 2,5", " 2,5"}, {spanLength, "3 m", "3 m"}, {spanLength, "abc", "abc"},
        {spanLength, "", "0.0"}, {spanLength, "2.", "2000"}, {spanLength, "2e", "2e"},
        {liftHeight, "2 m", "2 m"}, {liftHeight, "2", "2000"}, {liftHeight, "", "0.0"},
        {timberWidth, "47mm", "47mm"}, {timberWidth, "47", "4.70"}, {timberWidth, "4,7", "4,7"},
        {ga, "500", "500000"}, {ga, "500 kN", "500 kN"},
        {loadDist, "1.5", "1500"}, {loadDist, "1.5m", "1.5m"}, {loadDist, "", "0.0"},
        {loadP, "12", "12000"}, {loadP, "12 kN", "12 kN"},
        {gridMoment, "12.5", "12500000"}, {gridMoment, "12,5", "12,5"},
        {effLength, "4.25", "4250"}, {effLength, "4 m", "4 m"}, {effLength, " ", " "},
        {effLength, "varies", "varies"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Forms f;
        f.beam.SpanLengths = {"1", "", "1"};
        c.field(f) = c.typed;
        rescale({{TUnitKind::Length, "mm", 1},
                 {TUnitKind::SectLength, "cm", 10},
                 {TUnitKind::Force, "N", 1},
                 {TUnitKind::Moment, "N-mm", 1}},
                [&](UnitRescale& r) {
                    RescaleBeamFormTexts(f.beam, r);
                    RescaleLoadFormTexts(f.loads, r);
                    RescaleSectionGridTexts(f.grid, r);
                    RescaleEffLengthTexts(f.span, r);
                });
        EXPECT_EQ(c.field(f), c.expected) << "'" << c.typed << "'";
        SetDefaultUnits(Model); // back to m, mm, kN and kN-m for the next case
        SnapshotUnitFactors();
    }
}

// The figures to a number of significant figures by place value, worked out apart from the
// program's bands; the values below are chosen with no more figures than are kept.
std::string sigFigs(double x, int figures) {
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, figures - 1 - exponent), x);
    return buf;
}

// Every kind changes at once (m -> mm, kN -> N, kN/m -> kN/mm, N/mm^2 -> kN/mm^2, cm^4 -> mm^4,
// shear kN -> N, kN-m -> N-mm, section mm -> cm), and every field of every form holds its own
// value: each is converted by its own kind, so a field left out or given another's kind shows.
TEST_F(RescaleTest, EveryFieldOfEveryFormIsConvertedByItsOwnKind) {
    BeamFormUnitTexts b{"47", "mm", "150",          "mm",       "1770", "( kN )",     "2.5",
                        "m",  {},   "  Length (m)", "( cm^4 )", "473",  "( N/mm^2 )", "205000"};
    for (int col = 1; col <= 27; ++col)
        b.SpanLengths.push_back(std::to_string(col * 0.25)); // col x 250 mm
    LoadFormUnitTexts l{"(kN)", "(m)", "(kN/m)", "(kN/m)", "(m)", {}};
    for (int n = 1; n <= 50; ++n) // P n kN at n x 0.1 m; w n to n + 0.5 kN/m over n x 0.05 m
        l.Rows[n] = {std::to_string(n), std::to_string(n * 0.1), std::to_string(n), std::to_string(n + 0.5),
                     std::to_string(n * 0.05)};
    SectionGridUnitTexts g;
    for (int col = 2; col <= 6; ++col)
        g.Heading[col] = "old";
    for (int row = 1; row <= kSectionGridRows; ++row) // Ixx, E, shear, moment, GA
        for (int col = 2; col <= 6; ++col)
            g.Cells[row][col] = std::to_string(row * std::array{1.0, 100.0, 0.5, 0.25, 2.0}[col - 2]);
    EffLengthUnitTexts e{"4.25", "m"};
    SpanLengthUnitTexts s{"6.5", "m", " (m)", {}};
    for (int i = 1; i <= 6; ++i)
        s.Spaces[i] = std::to_string(i * 0.75);

    rescale({{TUnitKind::Length, "mm", 1},
             {TUnitKind::Force, "N", 1},
             {TUnitKind::UDL, "kN/mm", 1000},
             {TUnitKind::SectE, "kN/mm^2", 1000},
             {TUnitKind::SectI, "mm^4", 1},
             {TUnitKind::Shear, "N", 1},
             {TUnitKind::Moment, "N-mm", 1},
             {TUnitKind::SectLength, "cm", 10}},
            [&](UnitRescale& r) {
                RescaleBeamFormTexts(b, r);
                RescaleLoadFormTexts(l, r);
                RescaleSectionGridTexts(g, r);
                RescaleEffLengthTexts(e, r);
                RescaleSpanLengthTexts(s, r);
            });

    // 47 mm = 4.70 cm, 150 mm = 15.0 cm, 1770 kN = 1770000 N, 2.5 m = 2500 mm, 473 cm^4 =
    // 4730000 mm^4, 205000 N/mm^2 = 205 kN/mm^2.
    EXPECT_EQ((std::array<std::string, 6>{b.Edit_Timber_W, b.Edit_Timber_H, b.lbl_GA, b.Edit_L, b.lbl_S01_Ixx,
                                          b.lbl_S01_E}),
              (std::array<std::string, 6>{"4.70", "15.0", "1770000", "2500", "4730000", "205"}));
    EXPECT_EQ((std::array{b.lbl_Wunit, b.lbl_Hunit, b.Label_GA_Unit, b.Label_L_Std_Unit, b.LengthCaption,
                          b.lbl_Ixx, b.lbl_E}),
              (std::array<std::string, 7>{"cm", "cm", "N", "mm", " Length (mm)", "mm^4", "E (kN/mm^2)"}));
    for (int col = 1; col <= 27; ++col)
        EXPECT_EQ(b.SpanLengths[static_cast<std::size_t>(col - 1)].Text(), std::to_string(col * 250)) << col;

    EXPECT_EQ((std::array{l.lbl_PL, l.lbl_PLdist, l.lbl_UDLS, l.lbl_UDLF, l.lbl_Cover}),
              (std::array<std::string, 5>{"(N)", "(mm)", "(kN/mm)", "(kN/mm)", "(mm)"}));
    for (int n = 1; n <= 50; ++n) // n kN = n x 1000 N; n kN/m = n / 1000 kN/mm
        EXPECT_EQ(texts(l.Rows[n]),
                  (std::array<std::string, 5>{std::to_string(n * 1000), std::to_string(n * 100),
                                              sigFigs(n / 1000.0, 3), sigFigs((n + 0.5) / 1000, 3),
                                              sigFigs(n * 50.0, 3)}))
            << n;

    EXPECT_EQ(
        (std::vector<std::string>{g.Heading[2], g.Heading[3], g.Heading[4], g.Heading[5], g.Heading[6]}),
        (std::vector<std::string>{"     Ixx (mm^4)", "     E (kN/mm^2)", "   Permissible Shear (N)",
                                  "   Permissible Moment (N-mm)", "     GA/Kform  (N)"}));
    // Five figures: Ixx x 10000, E / 1000, shear kN x 1000, moment kN-m x 1e6, GA kN x 1000.
    for (int row = 1; row <= kSectionGridRows; ++row)
        EXPECT_EQ((std::vector<std::string>{g.Cells[row][2], g.Cells[row][3], g.Cells[row][4],
                                            g.Cells[row][5], g.Cells[row][6]}),
                  (std::vector<std::string>{sigFigs(row * 10000.0, 5), sigFigs(row / 10.0, 5),
                                            sigFigs(row * 500.0, 5), sigFigs(row * 250000.0, 5),
                                            sigFigs(row * 2000.0, 5)}))
            << row;

    EXPECT_EQ(e.lbl_Le.Text() + "|" + e.UnitCaption, "4250|mm");
    EXPECT_EQ((std::array<std::string, 3>{s.lbl_L, s.Label_1_Unit, s.IntervalCaption}),
              (std::array<std::string, 3>{"6500", "mm", " (mm)"}));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(s.Spaces[i].Text(), std::to_string(i * 750)) << i;
}

// Lengths from under a millimetre to over a kilometre, m -> mm, each in its band of three figures;
// and back, the exact value behind each text giving the figure typed.
TEST_F(RescaleTest, LengthsOfEveryBandConvertBothWays) {
    const struct {
        const char *typed, *mm, *back;
    } cases[] = {
        {"0.0004", "0.400", "0.000400"}, // 0.4 mm: three decimals
        {"0.00004", "0.0400", "0.0"},    // 4e-5 m is under the zero limit of 9.951e-5
        {"-0.5", "-500", "-0.500"},       {"0", "0.0", "0.0"}, {"150", "150000", "150"}, // 150 m: step 1000
        {"1234.5678", "1230000", "1230"}, // 1234567.8 mm to three figures: step 10000
        {"99.94", "99900", "99.9"},       // 99940 mm: step 100
    };
    for (const auto& c : cases) {
        ShownText t = c.typed;
        rescale({{TUnitKind::Length, "mm", 1}}, [&](UnitRescale& r) { r.Convert(t, TUnitKind::Length); });
        EXPECT_EQ(t.Text(), c.mm) << c.typed;
        rescale({{TUnitKind::Length, "m", 1000}}, [&](UnitRescale& r) { r.Convert(t, TUnitKind::Length); });
        EXPECT_EQ(t.Text(), c.back) << c.typed;
    }
}

TEST_F(RescaleTest, PreferencesOkConvertsOnceEvenAfterAFailedSave) {
    ShownText t = "6";
    InstallRescaleBeamForms([&] {
        UnitRescale r(OldUnitFactors, Model);
        r.Convert(t, TUnitKind::Length);
    });
    Model.BeamFormShown = 1;
    StartDir = dir_.dir() + "/missing/folder";
    PreferencesShow();
    PreferenceChoices c = ChoicesForUnits(Model, DesignTimeChoices());
    c.option[0] = 0; // Length: mm
    c.Check_SetDefault = true;
    EXPECT_THROW(PreferencesOK(c), IoError);
    EXPECT_EQ(t, "6000");
    EXPECT_THROW(PreferencesOK(c), IoError); // the window stayed open: OK again
    EXPECT_EQ(t, "6000");
    PreferencesCancel(); // back to m, at three figures
    EXPECT_EQ(t, "6.00");
    InstallRescaleBeamForms({});
}

} // namespace
} // namespace kx
