// The timber section form: its figures, its Next into the beam form and its restore.
#include "input/TimSect.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FormTestSupport.h"
#include "platform/Errors.h"

using namespace kx;

namespace {

using Texts = std::vector<std::string>;

// Section lengths in mm, Ixx in cm^4, E in N/mm^2, forces in kN.
class TimSectTest : public kxtest::InputFormTest {
protected:
    // C16, single, wet, "1 Week", 47 x 150 handed over by the beam form.
    static void C16() {
        TimSectControls& c = TimSectVars.Ctl;
        c.lbl_Width = "47.00";
        c.lbl_Depth = "150.0";
        c.Duration.fill(false);
        c.Duration[TimberDurationIndex("1 Week")] = true;
        TimSectDurationClick();
        c.Combo_Grade = 1;
        TimSectGradeClick();
    }
    static std::string line(int i) { return TimSectVars.ResultLines[i].str(); }
    // The beam form's timber frame, which the window was opened from.
    static void BeamFormOnTimber() { Work.SectionFamily = Work.WorkMemberType = "Timber"; }
};

TEST_F(TimSectTest, C16WetOneWeekFiguresAndNextIntoTheBeamForm) {
    C16();
    // K1 1.02, K2 0.8 (shear 0.9), K3 1.4, K7 (300 / 150)^0.11; M = f I / (K1 h / 2),
    // V = shear stress x b h K1^2 / 1.5, GA/Kform = A E / 16 / 1.2.
    const TimSectState& v = TimSectVars;
    EXPECT_NEAR(v.K7, 1.0792, 5e-5);
    EXPECT_NEAR(v.Ixx, 1430.84, 0.005);
    EXPECT_NEAR(v.PermBendingStress, 5.3 * 0.8 * 1.4 * std::pow(2.0, 0.11), 1e-5); // 6.4063
    EXPECT_NEAR(v.PermShearStress, 1.2663, 1e-6);
    EXPECT_EQ(v.PermE, 4640.0f);
    EXPECT_NEAR(v.EI, 66.391, 5e-4);
    EXPECT_NEAR(v.PermMomentNmm, 1198220.8, 0.5);
    EXPECT_NEAR(v.PermShearN, 6192.05, 0.01);
    EXPECT_NEAR(v.GAKform, 1772581.5, 0.2);

    for (auto [i, text] : {std::pair{0, "33"},
                           {1, " 47.0 x 150  C16 Timber"},
                           {11, "  K1 = 1.02  (Wet)"},
                           {14, "  K3 = 1.40  (1 Week)"},
                           {16, "  K8 = 1.00  (Single)"},
                           {25, "  EI = 66.39 kN-m\xB2"},
                           {30, "  Permissible  Bending Moment = 1.198 kN-m"},
                           {33, "  Permissible Shear Load = 6.192 kN"}})
        EXPECT_EQ(line(i), text);
    const TimSectControls& c = TimSectVars.Ctl;
    EXPECT_EQ(c.List_Results.size(), 33u);
    EXPECT_EQ((std::array{c.lbl_Bend, c.lbl_Shear, c.lbl_E, c.lbl_K1, c.lbl_K2B, c.lbl_K2S, c.lbl_K3}),
              (std::array<std::string, 7>{"5.30", "0.67", "5800", "1.02", "0.8", "0.9", "1.40"}));

    // Next writes the section into the beam form (mm, cm^4, kN) and the working beam; the value
    // labels only show, so texts written over them change no figure.
    TimSectControls& shown = TimSectVars.Ctl;
    shown.lbl_Bend = shown.lbl_Shear = shown.lbl_E = shown.lbl_K1 = shown.lbl_K3 = "0";
    BeamFormOnTimber();
    const std::optional<TimberBeamFormTexts> next = TimSectNext();
    ASSERT_TRUE(next);
    const TimberBeamFormTexts& t = *next;
    EXPECT_NEAR(Work.TimberPermMoment, 1198220.8, 0.5);
    EXPECT_NEAR(Work.TimberPermShear, 6192.05, 0.01);
    EXPECT_EQ(Work.TimberResultLines[30].str(), "  Permissible  Bending Moment = 1.198 kN-m");
    EXPECT_EQ(c.List_Results.size(), 33u);
    const auto& g = Work.TimberGradeValues;
    EXPECT_EQ((std::array{g[0], g[1], g[2]}), (std::array{5.3f, 0.67f, 5800.0f}));
    EXPECT_EQ((std::array{t.lbl_S01_Desc, t.lbl_S01_Ixx, t.lbl_S01_E, t.lbl_GA}),
              (std::array<std::string, 4>{"47.0 x 150 C16 Timber", "1431", "4640", "1773"}));
    // The member grid, in view once the window is enlarged: E, Ixx in mm^4 (1430.84 cm^4 to four
    // figures), y = K1 h / 2, area in cm^2, GA/Kform, depth and width; the other rows blank.
    EXPECT_EQ(
        (std::array{t.MemberColumn[3], t.MemberColumn[4], t.MemberColumn[5], t.MemberColumn[6],
                    t.MemberColumn[7], t.MemberColumn[12], t.MemberColumn[16], t.MemberColumn[17]}),
        (std::array<std::string, 8>{"4640", "14310000", "76.50", "73.35", " ", "1773000", "150.0", "47.00"}));
    for (int row : {0, 13, 26}) {
        const TMemberRow& r = Work.WorkSpanData[row];
        EXPECT_EQ((std::array{r[mfE], r[mfY], r[mfRy], r[mfTimberDepth], r[mfTimberWidth]}),
                  (std::array{4640.0f, 76.5f, 0.0f, 150.0f, 47.0f}));
        EXPECT_NEAR(r[mfIxx], 14308400, 100);
        EXPECT_NEAR(r[mfArea], 73.3482, 1e-4); // as listed, in cm^2
    }
    EXPECT_EQ((std::array{Work.TimberMoistureCode.str(), Work.TimberDurationCode.str(),
                          Work.TimberSharingCode.str(), Work.TimberGradeName.str()}),
              (std::array<std::string, 4>{"Wet", "1 Week", "Single", "C16"}));
    EXPECT_EQ((std::array{Work.TimberGradeValues[0], Work.TimberGradeValues[1], Work.TimberGradeValues[2]}),
              (std::array{5.3f, 0.67f, 5800.0f}));
    EXPECT_EQ(Work.WorkSectionPropLines[6] + "|" + Work.WorkSectionPropLines[13],
              "  Ixx = 1431 cm^4|  Bending = 1.198 kN-m");
    EXPECT_EQ((std::tuple{t.List_Props.size(), t.List_TimProps.size(), t.List_TimProps.front()}),
              (std::tuple{std::size_t{14}, std::size_t{12}, std::string(" Properties")}));
}

TEST_F(TimSectTest, RestoredChoiceSeparatorsSizesAndStoredCounts) {
    // Committed D40, sharing, dry, long term, 75 x 225 and a damaged line count; the units are now
    // inches, the window works in millimetres.
    Model.TimberGradeSaved = "D40";
    Model.TimberSharingSaved = "Share";
    Model.TimberMoistureSaved = "Dry";
    Model.TimberDurationSaved = "LT";
    Model.TimberWidthSaved = 75;
    Model.TimberDepthSaved = 225;
    Model.TimberResultLinesSaved[0] = "9999";
    UnitText(Model, TUnitKind::SectLength) = "in";
    UnitFactor(Model, TUnitKind::SectLength) = 25.4f;
    TimSectRestoreFromCommitted();
    TimSectControls& c = TimSectVars.Ctl;
    EXPECT_EQ(c.lbl_Width + "|" + c.lbl_Depth, "75.00|225.0");
    EXPECT_EQ(c.Combo_Grade, 12);
    EXPECT_TRUE(c.Option_Share && c.Option_Dry && c.Duration[TimberDurationIndex("LT")]);
    EXPECT_FALSE(c.Duration[TimberDurationIndex("General")]);
    // K2 1, K3 1, K7 (300 / 225)^0.11, K8 1.1.
    EXPECT_NEAR(TimSectVars.PermBendingStress, 12.5 * std::pow(300.0 / 225, 0.11) * 1.1, 1e-5);
    EXPECT_EQ(TimSectVars.PermE, 10800.0f);
    EXPECT_EQ(c.List_Results.size(), 33u);

    c.Combo_Grade = 9; // the separator leaves D40 in force
    TimSectGradeClick();
    EXPECT_EQ(TimSectVars.ClassName + " " + c.lbl_E, "D40 10800");
    // Without a width or a depth nothing is calculated.
    const float moment = TimSectVars.PermMomentNmm;
    for (auto [width, depth] : {std::pair{"0", "225.0"}, {"75.00", "-225"}}) {
        c.lbl_Width = width;
        c.lbl_Depth = depth;
        TimSectRecalc();
        EXPECT_TRUE(c.List_Results.empty()) << width << depth;
    }
    EXPECT_EQ(TimSectVars.PermMomentNmm, moment);

    // A stored count beyond the table gives its 50 lines; one that is no number is refused.
    Arr<Str50, 0, 50> stored;
    stored[0] = "9999";
    stored[50] = "last";
    EXPECT_EQ((std::pair{StoredTimberLines(stored).size(), StoredTimberLines(stored).back()}),
              (std::pair{std::size_t{50}, std::string("last")}));
    stored[0] = "lots";
    EXPECT_THROW(StoredTimberLines(stored), ConvertError);

    TimSectNewBeam(); // the first class chosen, nothing worked out
    EXPECT_TRUE(c.Combo_Grade == 0 && TimSectVars.PermMomentNmm == moment);
}

// A second choice that differs in every field (D40 for C16, load sharing, dry, long term, 75 x 225
// for 47 x 150) is taken whole by "Next >": nothing of the first stays in the working beam.
TEST_F(TimSectTest, NextTakesEveryFieldOfASecondChoice) {
    C16();
    BeamFormOnTimber();
    ASSERT_TRUE(TimSectNext());
    test::ChooseD40SharedDryLongTerm75x225();
    const std::optional<TimberBeamFormTexts> next = TimSectNext();
    ASSERT_TRUE(next);

    const WorkingCopies& w = Work;
    EXPECT_EQ((std::array{w.TimberGradeName.str(), w.TimberSharingCode.str(), w.TimberMoistureCode.str(),
                          w.TimberDurationCode.str(), w.WorkSectionText}),
              (std::array<std::string, 5>{"D40", "Share", "Dry", "LT", "75.0 x 225 D40 Timber"}));
    // D40: bending 12.5, shear 2.0, E 10800 N/mm^2 (mean E with load sharing).
    EXPECT_EQ((std::array{w.TimberGradeValues[0], w.TimberGradeValues[1], w.TimberGradeValues[2],
                          w.TimberWidth, w.TimberDepth}),
              (std::array{12.5f, 2.0f, 10800.0f, 75.0f, 225.0f}));
    // Dry, long term: K1 = K2 = K3 = 1; K7 = (300 / 225)^0.11 = 1.032151; K8 = 1.1.
    // M = 12.5 x 1.1 x K7 x 75 x 225^2 / 6 = 8980930 N mm; the window's shear stress carries the
    // factor 1.5: V = 2.0 x 1.1 x 1.5 x 75 x 225 / 1.5 = 37125 N.
    EXPECT_NEAR(w.TimberPermMoment, 12.5 * 1.1 * std::pow(300.0 / 225, 0.11) * 75 * 225 * 225 / 6, 1.0);
    EXPECT_NEAR(w.TimberPermShear, 37125, 0.01);
    EXPECT_EQ(w.TimberResultLines[1].str(), " 75.0 x 225  D40 Timber");
    // Every member row: E 10800, Ixx 75 x 225^3 / 12 = 71191406 mm^4, y 112.5 mm, area 168.75
    // cm^2, GA/Kform = A E / 16 / 1.2 = 16875 x 10800 / 19.2 = 9492187.5 N, depth and width.
    for (int row = 0; row <= kRHCantRow; ++row) {
        const TMemberRow& r = w.WorkSpanData[row];
        EXPECT_EQ((std::array{r[mfE], r[mfY], r[mfTimberDepth], r[mfTimberWidth]}),
                  (std::array{10800.0f, 112.5f, 225.0f, 75.0f}))
            << row;
        EXPECT_NEAR(r[mfIxx], 71191406.25, 8) << row;
        EXPECT_NEAR(r[mfArea], 168.75, 1e-4) << row;
        EXPECT_NEAR(r[mfGA], 9492187.5, 1) << row;
    }
    // Every property line: Ixx 7119.14 cm^4; stresses E 10800, shear 2.0 x 1.1 x 1.5 = 3.30,
    // bending 12.5 x 1.1 x K7 = 14.19 N/mm^2; loads 37.125 kN and 8.98093 kN-m.
    const Texts lines(w.WorkSectionPropLines.begin(), w.WorkSectionPropLines.begin() + 15);
    EXPECT_EQ(lines, (Texts{"14", "", " 75.0 x 225 D40 Timber", " Properties", "  Width = 75.0 mm",
                            "  Depth = 225 mm", "  Ixx = 7119 cm^4", " Permissible Stresses",
                            "  E = 10800 N/mm^2", "  Shear = 3.30 N/mm^2", "  Bending = 14.2 N/mm^2",
                            " Permissible Loads", "  Shear = 37.13 kN", "  Bending = 8.981 kN-m", ""}));
    // The beam form's texts: Ixx and E at four figures, GA 9492.19 kN.
    EXPECT_EQ((Texts{next->lbl_S01_Desc, next->lbl_S01_Ixx, next->lbl_S01_E, next->lbl_GA}),
              (Texts{"75.0 x 225 D40 Timber", "7119", "10800", "9492"}));
    EXPECT_EQ(next->List_TimProps, Texts(lines.begin() + 3, lines.end()));
}

// "Next >" before any size was worked out writes no stress and no load: each reads 0.
TEST_F(TimSectTest, NextBeforeAnySizeWritesNoStress) {
    BeamFormOnTimber();
    const std::optional<TimberBeamFormTexts> next = TimSectNext();
    ASSERT_TRUE(next);
    const auto& p = Work.WorkSectionPropLines;
    EXPECT_EQ((Texts{p[8], p[9], p[10]}),
              (Texts{"  E = 0.00 N/mm^2", "  Shear = 0.00 N/mm^2", "  Bending = 0.00 N/mm^2"}));
    EXPECT_TRUE(Work.TimberPermMoment == 0 && Work.TimberPermShear == 0);
}

// The window's choice reaches the beam form's working timber only through its "Next >", and only
// while the beam form holds a timber choice: a grade clicked and never taken, or taken after the
// beam form has moved to a steel section, leaves the working beam as it was.
TEST_F(TimSectTest, OnlyNextWritesAndOnlyIntoATimberChoice) {
    const WorkingCopies before = Work;
    const auto unchanged = [&before] {
        const WorkingCopies& w = Work;
        return w.TimberGradeName == before.TimberGradeName && w.TimberPermMoment == before.TimberPermMoment &&
               w.TimberPermShear == before.TimberPermShear &&
               w.TimberResultLines == before.TimberResultLines && w.TimberWidth == before.TimberWidth &&
               w.WorkSpanData == before.WorkSpanData && w.WorkSectionText == before.WorkSectionText &&
               w.WorkSectionPropLines == before.WorkSectionPropLines;
    };
    const struct {
        const char* name;
        const char* family;
        const char* memberType;
        bool next;
        bool written;
    } rows[] = {
        {"a grade clicked, no Next", "Timber", "Timber", false, false},
        {"Next with a UB picked since", "UB", "HRS", true, false},
        {"Next on the timber choice", "Timber", "Timber", true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Work = before;
        Work.SectionFamily = row.family;
        Work.WorkMemberType = row.memberType;
        C16();
        ASSERT_NEAR(TimSectVars.PermMomentNmm, 1198220.8, 0.5); // worked out in the window
        const bool wrote = row.next && TimSectNext().has_value();
        EXPECT_EQ(wrote, row.written);
        if (!row.written) {
            Work.SectionFamily = before.SectionFamily;
            Work.WorkMemberType = before.WorkMemberType;
            EXPECT_TRUE(unchanged());
        } else {
            EXPECT_EQ(Work.TimberGradeName.str(), "C16");
            EXPECT_NEAR(Work.TimberPermMoment, 1198220.8, 0.5);
            EXPECT_EQ(Work.WorkSpanData[1][mfTimberDepth], 150.0f);
        }
    }
}

} // namespace
