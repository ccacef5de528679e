// The timber member calculator and its load-duration dialog against hand calculations from the
// grade values and the modification factors.
#include "calculators/Timber.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/ProgramState.h"
#include "calculators/Duration.h"
#include "foundation/SharedModel.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Printer.h"

using namespace kx;
using namespace kx::Timber;

namespace {

class TimberTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        FormCreate(in_);
    }

    using Button = TimberButton (*)(const TimberInputs&);

    // A member as the window's controls set it; each choice runs its handler.
    void member(int grade, bool sharing, bool wet, bool minor, const char* b, const char* h, const char* le) {
        in_.Combo_Grade = grade, in_.Option_Single = !sharing, in_.Option_Share = sharing;
        GradeChange(in_);
        in_.Option_Wet = wet, in_.Option_Dry = !wet;
        WetDryChange(in_);
        in_.Option_Major = !minor, in_.Option_Minor = minor;
        AxisChange(in_);
        in_.Edit_Width = b, in_.Edit_Depth = h, in_.Edit_Le = le;
        EditChange();
    }
    // A button, then OK in the dialog; false when the button stopped before the dialog.
    bool press(Button button, const char* mom = "", const char* axial = "") {
        if (!button(in_).Dialog) return false;
        Duration::FormShow(dlg_);
        dlg_.Edit_Mom = mom, dlg_.Edit_Axial = axial;
        Duration::cmd_OKClick(dlg_);
        return true;
    }
    // The lines `at` of a report.
    static std::vector<std::string> lines(const TimberReport& r, std::initializer_list<int> at) {
        std::vector<std::string> out;
        for (int i : at)
            out.push_back(r[i]);
        return out;
    }
    using L = std::vector<std::string>;

    TimberInputs in_;
    Duration::DurationInputs dlg_;
    ScopedScriptedDialogs dialogs_;
};

// K12: the smaller root of (1 - k)(Q - k) = eta Q k by bisection, Q = pi^2 E / (1.5 sc lambda^2),
// eta = 0.005 lambda.
double k12(double E, double sc, double lambda) {
    const double pi = 3.1415927f, Q = pi * pi * E / (1.5 * sc * lambda * lambda), eta = 0.005 * lambda;
    double lo = 0, hi = std::min(1.0, Q);
    for (int i = 0; i < 200; ++i) {
        const double k = (lo + hi) / 2;
        ((1 - k) * (Q - k) - eta * Q * k > 0 ? lo : hi) = k;
    }
    return lo;
}

} // namespace

TEST_F(TimberTest, C16MajorAxisBendingStrutAndCombined) {
    EXPECT_EQ(TimberShown().lbl_BendStress + TimberShown().lbl_K1, "4.101.02"); // made with C14, single, wet
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(press(cmd_CombClick, "0.5", "10"));

    const double K7 = std::pow(2.0, 0.11), fb = 5.3 * 1.4 * K7, I = 50.0 * 150 * 150 * 150 / 12;
    EXPECT_NEAR(Calc.PermMoment, fb * I / 75 / 1e6, 1e-6);
    EXPECT_NEAR(Calc.PermShearLoad * 1.5, 0.67 * 1.4 * 50 * 150 / 1000, 1e-5); // a rounding tie in text
    EXPECT_EQ(lines(Calc.BendingReport, {0, 4, 5, 8, 11, 12, 16, 19, 20}),
              (L{"23", "  K3 = 1.40  (General Formwork)", "  K7 = 1.079", "    = 8.01 N/mm^2",
                 "    = Grade Stress x K2 x K3 x K8 x 1.5", "    = 1.41 N/mm^2", "  EI = 81.6 kN-m\xB2",
                 "  Permissible Bending Moment = 1.50 kN-m", "  (assuming adequate torsional restraint)"}));

    // Strut: lambda = 2000 / (150 / sqrt 12).
    const double lambda = 2000 / (150 / std::sqrt(12.0)), sc = 6.8 * 1.4, k = k12(5800, sc, lambda);
    EXPECT_NEAR(Calc.K12, k, 1e-6);
    EXPECT_EQ(lines(Calc.AxialReport, {0, 12, 13, 14, 15, 18}),
              (L{"18", "  Lambda = 46.2", "  Neta = 0.231", "  K12 = 0.7265",
                 "  Permissible Axial Stress x K8 = 6.92 N/mm^2", "  Permissible Axial Load = 51.87 kN"}));

    // Combined: 0.5e6 x 75 / I, 10000 / 7500, amplified by the Euler stress.
    const double fbA = 0.5e6 * 75 / I, fc = 10000.0 / 7500,
                 euler = 3.1415927 * 3.1415927 * 5800 / lambda / lambda;
    EXPECT_NEAR(Calc.CombinedIndex, fbA / (fb * (1 - 1.5 * fc * k / euler)) + fc / (k * sc), 1e-5);
    EXPECT_EQ(lines(Calc.CombinedReport, {0, 5, 8, 9, 11}),
              (L{"12", "  Applied Bending Stress = 2.67 N/mm^2", "  Applied Compressive Stress = 1.33 N/mm^2",
                 "  Combined Loading Equation = 0.545", "  Combined Loading OK"}));
    EXPECT_EQ(Calc.SummaryLines[2] + Calc.SummaryLines[5], " 50.0 x 150 C16  Ixx 1410 cm^4");
    const TimberView v = TimberShown();
    EXPECT_EQ(v.List_Results.size(), 78u); // 19, then each report to its counter + 2
    EXPECT_EQ(v.List_Sum.at(5), "  Permissible Axial Load = 51.87 kN");
    EXPECT_FALSE(v.List_SumRed);
    EXPECT_EQ(Model.TimberCheckMode.str() + v.lbl_K3b + v.lbl_K3ax, "Comb1.401.40");

    ASSERT_TRUE(press(cmd_CombClick, "-0.5", "-10")); // loads of the other sense check alike
    EXPECT_EQ(lines(Calc.CombinedReport, {6, 9}),
              (L{"  Applied Compressive Load = 10.0 kN", "  Combined Loading Equation = 0.545"}));

    // Minor axis: K7 1.17 (50 mm), Iyy from the width, no torsion note, 22 lines.
    member(1, false, false, true, "50", "150", "2");
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_EQ(
        lines(Calc.BendingReport, {0, 5, 8, 19, 20}),
        (L{"22", "  K7 = 1.170", "    = 8.68 N/mm^2", "  Permissible Bending Moment = 0.543 kN-m", ""}));
    EXPECT_TRUE(Calc.SummaryLines[3].empty()); // a bending check reads no length
}

TEST_F(TimberTest, SharingWetAndAStubStrut) {
    member(4, true, false, false, "75", "225", "3");
    ASSERT_TRUE(press(cmd_CombClick, "2", "15"));
    const double K7 = std::pow(300.0 / 225, 0.11), I = 75.0 * 225 * 225 * 225 / 12, sc = 7.9 * 1.4;
    EXPECT_NEAR(Calc.PermBendingStress, 7.5 * 1.4 * K7 * 1.1, 1e-5);
    EXPECT_NEAR(Calc.K12, k12(7200, sc, 3000 / (225 / std::sqrt(12.0))), 1e-6);
    EXPECT_EQ((L{Calc.SummaryLines[7], Calc.SummaryLines[8]}),
              (L{"  Grade \"E\" (bending) = 10800 N/mm^2", "  Grade \"E\" (axial) = 7200 N/mm^2"}));
    EXPECT_EQ(lines(Calc.BendingReport, {8, 12, 16, 19, 22}),
              (L{"    = 11.9 N/mm^2", "    = 1.64 N/mm^2", "  EI = 769 kN-m\xB2",
                 "  Permissible Bending Moment = 7.54 kN-m", "  Permissible Shear Load = 18.5 kN"}));
    EXPECT_EQ(Calc.AxialReport[14] + Calc.AxialReport[18] + Calc.CombinedReport[9],
              "  K12 = 0.7332  Permissible Axial Load = 150.5 kN  Combined Loading Equation = 0.373");

    // Wet: section x 1.02, E and bending x 0.8, shear x 0.9.
    member(4, false, true, false, "75", "225", "3");
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_NEAR(Calc.PermMoment, 7.5 * 0.8 * 1.4 * K7 * I * std::pow(1.02, 3) / 112.5 / 1e6, 1e-5);
    EXPECT_EQ(Calc.SummaryLines[12] + Calc.SummaryLines[5], "  K1 = 1.02  (Wet)  Ixx 7710 cm^4");
    EXPECT_EQ(lines(Calc.BendingReport, {15, 8, 19, 22}),
              (L{"  Permissible E = 5760 N/mm^2", "    = 8.67 N/mm^2",
                 "  Permissible Bending Moment = 5.82 kN-m", "  Permissible Shear Load = 15.7 kN"}));

    member(1, false, false, false, "50", "150", "0.004"); // 4 mm does not buckle
    ASSERT_TRUE(press(cmd_AxialCapClick));
    EXPECT_EQ(Calc.AxialReport[14] + Calc.AxialReport[18],
              "  K12 = 1.000  Permissible Axial Load = 71.40 kN");

    // A separator keeps the last class, under the present sharing choice.
    member(4, false, false, false, "75", "225", "3");
    in_.Combo_Grade = 9, in_.Option_Single = false, in_.Option_Share = true;
    const TimberView v = GradeChange(in_);
    EXPECT_EQ(v.lbl_Eb + " " + v.lbl_K8 + " " + Calc.ClassName, "10800 1.1 C24");
}

TEST_F(TimberTest, TorsionNoteOnlyBeyondADepthOfTwiceTheWidthInThePlaneOfBending) {
    // The ratio is h / b about the major axis and b / h about the minor one; exactly 2 needs no note.
    const struct {
        const char *b, *h;
        bool minor, note;
    } rows[] = {
        {"75", "150", false, false}, {"74.9", "150", false, true}, {"150", "75", false, false},
        {"150", "75", true, false},  {"150", "74.9", true, true},  {"75", "150", true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.b << " x " << r.h << (r.minor ? " minor" : " major"));
        member(1, false, false, r.minor, r.b, r.h, "");
        ASSERT_TRUE(press(cmd_BendCapClick));
        EXPECT_EQ(Calc.BendingReport[20], r.note ? "  (assuming adequate torsional restraint)" : "");
        EXPECT_EQ(Calc.BendingReport[0], r.note ? "23" : "22");
    }
}

TEST_F(TimberTest, SecondMomentLineNamesTheAxisOfItsValueInEveryOrder) {
    // D40 wet, 100 x 100: 100^4 / 12 x 1.02^4 = 902 cm^4; C16 dry 50 x 150: 50 x 150^3 / 12 = 1406
    // cm^4 about x-x, 150 x 50^3 / 12 = 156 cm^4 about y-y.
    using Step = std::pair<bool, Button>; // minor axis, the button
    const struct {
        int grade;
        bool wet;
        const char *b, *h;
        std::vector<Step> steps;
        const char* line;
    } cases[] = {
        {12, true, "100", "100", {{false, cmd_AxialCapClick}}, "  Ixx 902 cm^4"},
        {1, false, "50", "150", {{false, cmd_BendCapClick}, {true, cmd_AxialCapClick}}, "  Iyy 156 cm^4"},
        {1, false, "50", "150", {{true, cmd_BendCapClick}, {false, cmd_AxialCapClick}}, "  Ixx 1410 cm^4"},
        {1, false, "50", "150", {{true, cmd_AxialCapClick}}, "  Iyy 156 cm^4"},
    };
    for (const auto& c : cases) {
        member(c.grade, false, c.wet, false, c.b, c.h, "2.4");
        for (const auto& [minor, button] : c.steps) {
            in_.Option_Major = !minor, in_.Option_Minor = minor;
            AxisChange(in_);
            ASSERT_TRUE(press(button));
        }
        EXPECT_EQ(Calc.SummaryLines[5], c.line);
        RecordingPrinter rec(600);
        Printer* previous = &printer();
        InstallPrinter(&rec);
        Print1Click();
        InstallPrinter(previous);
        ASSERT_EQ(rec.pages.size(), 1u);
        EXPECT_TRUE(rec.pages[0]->hasText(c.line)) << c.line;
    }
}

TEST_F(TimberTest, InputsThatCannotBeUsedStopBeforeTheDialog) {
    Calc = TimberState{}; // no grade looked up, and a separator chosen
    TimberInputs separator;
    separator.Combo_Grade = 9;
    EXPECT_FALSE(cmd_BendCapClick(separator).Dialog);
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_EQ(dialogs_->messages(), L{"Click \"grade\" option button"});
    FormCreate(TimberInputs{});
    const char* cases[][4] = {{"-50", "150", "2", "Enter value for width"},
                              {"50mm", "150", "2", "Enter value for width"},
                              {"50", "-150", "2", "Enter value for depth"},
                              {"50", "150", "0", "Enter value for effective length"},
                              {"50", "150", "-2", "Enter value for effective length"}};
    for (const auto& c : cases)
        for (Button button : {cmd_AxialCapClick, cmd_CombClick}) {
            dialogs_->clear();
            member(1, false, false, false, c[0], c[1], c[2]);
            EXPECT_FALSE(button(in_).Dialog) << c[0] << " " << c[1] << " " << c[2];
            EXPECT_EQ(Model.CheckAbortFlag, 1);
            EXPECT_EQ(dialogs_->messages(), L{c[3]});
        }
    member(1, false, false, false, "50", "150", ""); // bending needs no length
    EXPECT_TRUE(cmd_BendCapClick(in_).Dialog);
    EXPECT_EQ(Model.CheckAbortFlag, 0);
}

TEST_F(TimberTest, DialogModesDurationsAndRefusedLoads) {
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(cmd_BendCapClick(in_).Dialog);
    Duration::DurationView d = Duration::FormShow(dlg_);
    EXPECT_TRUE(d.GroupBending_Enabled && !d.GroupAxial_Enabled && !d.CombinedShown && d.cmd_OK_AtPanel3);
    ASSERT_TRUE(cmd_AxialCapClick(in_).Dialog);
    d = Duration::FormShow(dlg_);
    EXPECT_TRUE(!d.GroupBending_Enabled && d.GroupAxial_Enabled && !d.CombinedShown && !d.cmd_OK_AtPanel3);
    dlg_.AxialOption = 5; // Wall: the strut's own text
    EXPECT_EQ(Duration::SetTimberK3Axial(dlg_).lbl_AxK3, "1.50");
    Duration::cmd_OKClick(dlg_);
    EXPECT_EQ(Calc.AxialReport[4], "  K3 = 1.50  (Wall Formwork)");
    EXPECT_EQ(Model.TimberK3Axial, 1.5f);
    EXPECT_EQ(TimberShown().lbl_K3ax + "|" + TimberShown().lbl_K3b, "1.50|");

    // Bending after the strut lists both; 1 Month: K3 1.3 with the shear factor; long term without.
    dlg_.BendingOption = 7;
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_EQ(Calc.BendingReport[4] + Calc.BendingReport[12], "  K3 = 1.30  (1 Month)    = 1.31 N/mm^2");
    EXPECT_EQ(TimberShown().List_Results.size(), 19u + 25 + 20 + 3);
    dlg_.BendingOption = 0;
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_EQ(Calc.BendingReport[11] + Calc.BendingReport[12],
              "    = Grade Stress x K2 x K3 x K8    = 0.670 N/mm^2");

    // A load that is no number: refused before anything is calculated; empty reads 0.
    ASSERT_TRUE(cmd_CombClick(in_).Dialog);
    Duration::FormShow(dlg_);
    dlg_.Edit_Mom = "0.5", dlg_.Edit_Axial = "10kN";
    EXPECT_THROW(Duration::cmd_OKClick(dlg_), ConvertError);
    EXPECT_TRUE(Calc.BendingReport[1].empty() && TimberShown().List_Results.empty());
    dlg_.Edit_Axial = "";
    Duration::cmd_OKClick(dlg_);
    EXPECT_EQ(Calc.CombinedReport[6], "  Applied Compressive Load = 0.0 kN");
}

TEST_F(TimberTest, CombinedCheckPastTheEulerLoadFailsAndAChangeClearsTheVerdict) {
    // 1 - 1.5 x 26.7 x 0.7265 / 26.8 = -0.083: no finite index.
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(press(cmd_CombClick, "0.4", "200"));
    EXPECT_EQ(Calc.CombinedReport[9], "  Combined Loading Equation = #####");
    EXPECT_EQ(TimberShown().List_Sum[8], "  Combined Loading Too High");
    EXPECT_TRUE(TimberShown().List_SumRed);
    ASSERT_TRUE(press(cmd_BendCapClick)); // unchanged inputs stay red
    EXPECT_TRUE(TimberShown().List_SumRed);
    EditChange();
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_FALSE(TimberShown().List_SumRed);
}

TEST_F(TimberTest, PrintedPageRowsAndColumns) {
    RecordingPrinter rec(600);
    Printer* previous = &printer();
    InstallPrinter(&rec);
    Print1Click(); // nothing calculated: nothing printed
    EXPECT_TRUE(rec.pages.empty());
    member(1, false, false, false, "50", "150", "2");
    in_.Edit_Title = "Soldier";
    ASSERT_TRUE(press(cmd_CombClick, "0.5", "10"));
    Print1Click();
    InstallPrinter(previous);
    ASSERT_EQ(rec.pages.size(), 1u);

    // 23.622 dots per mm: row k at 3.75 mm x k, columns at 15 and 115 mm; size 9 under the header.
    const auto at = [&rec](const std::string& text) {
        for (const auto& t : rec.pages[0]->texts())
            if (t.text == text) return std::tuple{t.x1, t.y1, t.fontSize};
        return std::tuple{-1, -1, 0};
    };
    EXPECT_EQ(at("KX-Flexor"), (std::tuple{360, 0, 9}));
    EXPECT_EQ(at(" Soldier"), (std::tuple{354, 974, 9}));
    EXPECT_EQ(at("  K8 = 1.0  (Single)"), (std::tuple{354, 2392, 9}));
    EXPECT_EQ(at("  MAJOR AXIS AXIAL LOADING"), (std::tuple{354, 3366, 9}));
    EXPECT_EQ(at("  MAJOR AXIS SUMMARY"), (std::tuple{354, 5404, 9}));
    EXPECT_EQ(at("  MAJOR AXIS BENDING"), (std::tuple{2717, 974, 9}));
    EXPECT_EQ(at("  MAJOR AXIS COMBINED LOADING CHECK"), (std::tuple{2717, 3366, 9}));
}

TEST_F(TimberTest, WindowShowsTheGradeValuesFactorsAndAxisOfTheChoices) {
    // D40 sharing, wet, minor axis: E 10800 (sharing) for bending and 7500 (single) axial, stresses
    // 12.5 / 2 / 12.6, K8 1.1; K1 1.02 and K2 0.8 (E, bending), 0.9 (shear), 0.6 (axial).
    member(12, true, true, true, "100", "200", "2");
    const TimberView v = TimberShown();
    EXPECT_EQ((L{v.lbl_BendStress, v.lbl_ShearStress, v.lbl_AxStress, v.lbl_Eb, v.lbl_Eax, v.lbl_K8}),
              (L{"12.5", "2.00", "12.6", "10800", "7500", "1.1"}));
    EXPECT_EQ((L{v.lbl_K1, v.lbl_K2E, v.lbl_K2B, v.lbl_K2S, v.lbl_K2Ax}),
              (L{"1.02", "0.80", "0.80", "0.90", "0.60"}));
    EXPECT_EQ(
        (L{v.cmd_BendCap, v.cmd_AxialCap, v.cmd_Comb}),
        (L{"Bending Capacity about y-y", "Axial Capacity about y-y", "Check Combined Loading about y-y"}));
    EXPECT_EQ(v.lbl_K3b + v.lbl_K3ax, ""); // nothing worked out yet

    // A dialog closed by its close box leaves the lists and the K3 shown as the last report left them.
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(press(cmd_BendCapClick));
    const TimberView before = TimberShown();
    ASSERT_TRUE(cmd_AxialCapClick(in_).Dialog);
    dlg_.AxialOption = 5;
    Duration::SetTimberK3Axial(dlg_);
    const TimberView after = TimberShown();
    EXPECT_EQ(after.List_Results, before.List_Results);
    EXPECT_EQ(after.lbl_K3b + "|" + after.lbl_K3ax, "1.40|");
}
