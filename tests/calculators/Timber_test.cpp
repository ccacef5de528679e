// The timber member calculator and its load-duration dialog against hand calculations from the
// grade values and the modification factors.
#include "calculators/Timber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/ProgramState.h"
#include "calculators/Duration.h"
#include "foundation/SharedModel.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Printer.h"

using namespace kx;
using namespace kx::Timber;
using kx::Duration::Dlg;

namespace {

class TimberTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        FormCreate();
    }

    // A member as the window's controls set it; each choice runs its handler.
    void member(int grade, bool sharing, bool wet, bool minor, const char* b, const char* h, const char* le) {
        TimberControls& c = Calc.Ctl;
        c.Combo_Grade = grade;
        GradeChange();
        c.Option_Single = !sharing, c.Option_Share = sharing;
        GradeChange();
        c.Option_Wet = wet, c.Option_Dry = !wet;
        SetTimberAxisCaptions();
        c.Option_Major = !minor, c.Option_Minor = minor;
        AxisChange();
        c.Edit_Width = b, c.Edit_Depth = h, c.Edit_Le = le;
        ClearTimberReports();
    }
    // A button, then OK in the dialog; false when the button stopped before the dialog.
    static bool press(bool (*button)(), const char* mom = "", const char* axial = "") {
        if (!button()) return false;
        Duration::FormShow();
        Dlg.Edit_Mom = mom, Dlg.Edit_Axial = axial;
        Duration::cmd_OKClick();
        return true;
    }
    static bool listed(const std::string& line) {
        const auto& l = Calc.Ctl.List_Results;
        return std::find(l.begin(), l.end(), line) != l.end();
    }

    ScopedScriptedDialogs dialogs_;
};

// The smaller root of (1 - k)(Q - k) = eta Q k by bisection.
double k12(double Q, double eta) {
    double lo = 0, hi = std::min(1.0, Q);
    for (int i = 0; i < 200; ++i) {
        const double k = (lo + hi) / 2;
        ((1 - k) * (Q - k) - eta * Q * k > 0 ? lo : hi) = k;
    }
    return lo;
}

constexpr double kPi = 3.1415927f;

} // namespace

TEST_F(TimberTest, CreationChoosesC14SingleWetMajorAndFillsTheLabels) {
    const TimberControls& c = Calc.Ctl;
    EXPECT_EQ(c.Combo_Grade, 0);
    EXPECT_TRUE(c.Option_Single && c.Option_Wet && c.Option_Major);
    EXPECT_EQ(c.lbl_BendStress, "4.10");
    EXPECT_EQ(c.lbl_ShearStress, "0.600");
    EXPECT_EQ(c.lbl_AxStress, "5.20");
    EXPECT_EQ(c.lbl_Eb, "4600");
    EXPECT_EQ(c.lbl_Eax, "4600");
    EXPECT_EQ(c.lbl_K8, "1.0");
    EXPECT_EQ(c.lbl_K1, "1.02");
    EXPECT_EQ(c.lbl_K2E, "0.80");
    EXPECT_EQ(c.lbl_K2S, "0.90");
    EXPECT_EQ(c.lbl_K2Ax, "0.60");
    EXPECT_EQ(c.cmd_BendCap, "Bending Capacity about x-x");
    EXPECT_EQ(c.cmd_Comb, "Check Combined Loading about x-x");
}

TEST_F(TimberTest, C16MajorAxisBendingStrutAndCombined) {
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(press(cmd_CombClick, "0.5", "10"));
    EXPECT_EQ(Model.TimberCheckMode.str(), "Comb");
    EXPECT_EQ(Model.CheckAbortFlag, 0);

    // Bending: 5.3 x 1.4 x (300/150)^0.11; shear shown x 1.5; EI = 5800 x 50 x 150^3 / 12.
    const double K7 = std::pow(2.0, 0.11), fb = 5.3 * 1.4 * K7, I = 50.0 * 150 * 150 * 150 / 12;
    EXPECT_NEAR(Calc.PermBendingStress, fb, 1e-5);
    EXPECT_NEAR(Calc.PermMoment, fb * I / 75 / 1e6, 1e-6);
    EXPECT_NEAR(Calc.EI, 5800 * I / 1e9, 1e-4);
    const TimberReport& b = Calc.BendingReport;
    EXPECT_EQ(b[0], "23");
    EXPECT_EQ(b[1], "  MAJOR AXIS BENDING");
    EXPECT_EQ(b[4], "  K3 = 1.40  (General Formwork)");
    EXPECT_EQ(b[5], "  K7 = 1.079");
    EXPECT_EQ(b[8], "    = 8.01 N/mm^2");
    EXPECT_EQ(b[11], "    = Grade Stress x K2 x K3 x K8 x 1.5");
    EXPECT_EQ(b[12], "    = 1.41 N/mm^2"); // 0.67 x 1.4 x 1.5
    EXPECT_EQ(b[16], "  EI = 81.6 kN-m\xB2");
    EXPECT_EQ(b[19], "  Permissible Bending Moment = 1.50 kN-m");
    EXPECT_EQ(b[20], "  (assuming adequate torsional restraint)");
    EXPECT_EQ(b[22].rfind("  Permissible Shear Load = ", 0), 0u);
    EXPECT_NEAR(Calc.PermShearLoad * 1.5, 0.67 * 1.4 * 50 * 150 / 1000, 1e-5);

    // Strut: r = 150 / sqrt(12), lambda = 2000 / r, Q = pi^2 E / (1.5 sc lambda^2).
    const double r = 150 / std::sqrt(12.0), lambda = 2000 / r, eta = 0.005 * lambda, sc = 6.8 * 1.4;
    const double Q = kPi * kPi * 5800 / (1.5 * sc * lambda * lambda), k = k12(Q, eta);
    EXPECT_NEAR(Calc.K12, k, 1e-6);
    EXPECT_NEAR(Calc.PermAxialLoad, 7500 * k * sc / 1000, 1e-4);
    const TimberReport& a = Calc.AxialReport;
    EXPECT_EQ(a[0], "18");
    EXPECT_EQ(a[12], "  Lambda = 46.2");
    EXPECT_EQ(a[13], "  Neta = 0.231");
    EXPECT_EQ(a[14], "  K12 = 0.7265");
    EXPECT_EQ(a[15], "  Permissible Axial Stress x K8 = 6.92 N/mm^2");
    EXPECT_EQ(a[18], "  Permissible Axial Load = 51.87 kN");

    // Combined: 0.5e6 x 75 / I, 10000 / 7500, Euler pi^2 E / lambda^2.
    const double fbApplied = 0.5e6 * 75 / I, fc = 10000.0 / 7500,
                 euler = kPi * kPi * 5800 / (lambda * lambda);
    const double index = fbApplied / (fb * (1 - 1.5 * fc * k / euler)) + fc / (k * sc);
    EXPECT_NEAR(Calc.CombinedIndex, index, 1e-5);
    const TimberReport& m = Calc.CombinedReport;
    EXPECT_EQ(m[0], "12");
    EXPECT_EQ(m[5], "  Applied Bending Stress = 2.67 N/mm^2");
    EXPECT_EQ(m[8], "  Applied Compressive Stress = 1.33 N/mm^2");
    EXPECT_EQ(m[9], "  Combined Loading Equation = 0.545");
    EXPECT_EQ(m[11], "  Combined Loading OK");

    // Summary and list: 19 summary lines, then each report to its counter + 2.
    EXPECT_EQ(Calc.SummaryLines[2], " 50.0 x 150 C16");
    EXPECT_EQ(Calc.SummaryLines[3], "  Effective length = 2.00 m");
    EXPECT_EQ(Calc.SummaryLines[5], "  Ixx 1410 cm^4");
    EXPECT_EQ(Calc.SummaryLines[13], "  K2 (E) = 1.0 (Dry)");
    EXPECT_EQ(Calc.SummaryLines[17], "  K8 = 1.0  (Single)");
    EXPECT_EQ(Calc.Ctl.List_Results.size(), 78u);
    EXPECT_EQ(Calc.Ctl.List_Sum.size(), 9u);
    EXPECT_EQ(Calc.Ctl.List_Sum[0], "  MAJOR AXIS SUMMARY");
    EXPECT_EQ(Calc.Ctl.List_Sum[5], "  Permissible Axial Load = 51.87 kN");
    EXPECT_EQ(Calc.Ctl.List_Sum[8], "  Combined Loading OK");
    EXPECT_FALSE(Calc.Ctl.List_SumRed);
    EXPECT_EQ(Calc.Ctl.lbl_K3b, "1.40");
    EXPECT_EQ(Calc.Ctl.lbl_K3ax, "1.40");

    // Loads of the other sense check alike.
    ASSERT_TRUE(press(cmd_CombClick, "-0.5", "-10"));
    EXPECT_EQ(Calc.CombinedReport[9], "  Combined Loading Equation = 0.545");
    EXPECT_EQ(Calc.CombinedReport[3], "  Applied Bending Moment = 0.500 kN-m");
    EXPECT_EQ(Calc.CombinedReport[6], "  Applied Compressive Load = 10.0 kN");
}

TEST_F(TimberTest, MinorAxisTakesTheWidth) {
    member(1, false, false, true, "50", "150", "2");
    ASSERT_TRUE(press(cmd_BendCapClick));
    const TimberReport& b = Calc.BendingReport;
    EXPECT_EQ(b[1], "  MINOR AXIS BENDING");
    EXPECT_EQ(b[5], "  K7 = 1.170");
    EXPECT_EQ(b[8], "    = 8.68 N/mm^2"); // 5.3 x 1.4 x 1.17
    EXPECT_EQ(b[19], "  Permissible Bending Moment = 0.543 kN-m");
    EXPECT_EQ(b[0], "22");
    EXPECT_TRUE(b[20].empty());
    EXPECT_NEAR(Calc.PermMoment, 5.3 * 1.4 * 1.17 * (150.0 * 50 * 50 * 50 / 12) / 25 / 1e6, 1e-6);
    EXPECT_EQ(Calc.SummaryLines[5], "  Iyy 156 cm^4");
    EXPECT_EQ(Calc.Ctl.cmd_AxialCap, "Axial Capacity about y-y");
    // A bending check reads no length: the summary has none.
    EXPECT_TRUE(Calc.SummaryLines[3].empty());
    EXPECT_EQ(Calc.Ctl.List_Results.size(), 19u + 24 + 3 + 3);
}

TEST_F(TimberTest, SharingAndWetExposure) {
    member(4, true, false, false, "75", "225", "3");
    ASSERT_TRUE(press(cmd_CombClick, "2", "15"));
    const double K7 = std::pow(300.0 / 225, 0.11), I = 75.0 * 225 * 225 * 225 / 12;
    EXPECT_NEAR(Calc.PermBendingStress, 7.5 * 1.4 * K7 * 1.1, 1e-5);
    EXPECT_EQ(Calc.SummaryLines[7], "  Grade \"E\" (bending) = 10800 N/mm^2");
    EXPECT_EQ(Calc.SummaryLines[8], "  Grade \"E\" (axial) = 7200 N/mm^2");
    EXPECT_EQ(Calc.SummaryLines[17], "  K8 = 1.1  (Sharing)");
    const TimberReport& b = Calc.BendingReport;
    EXPECT_EQ(b[8], "    = 11.9 N/mm^2");
    EXPECT_EQ(b[12], "    = 1.64 N/mm^2");
    EXPECT_EQ(b[16], "  EI = 769 kN-m\xB2"); // 10800 x I
    EXPECT_EQ(b[19], "  Permissible Bending Moment = 7.54 kN-m");
    EXPECT_EQ(b[22], "  Permissible Shear Load = 18.5 kN");
    // The strut takes the single member's E, and K8 on its load.
    const double r = 225 / std::sqrt(12.0), lambda = 3000 / r, sc = 7.9 * 1.4;
    const double k = k12(kPi * kPi * 7200 / (1.5 * sc * lambda * lambda), 0.005 * lambda);
    EXPECT_NEAR(Calc.K12, k, 1e-6);
    EXPECT_EQ(Calc.AxialReport[14], "  K12 = 0.7332");
    EXPECT_EQ(Calc.AxialReport[18], "  Permissible Axial Load = 150.5 kN");
    EXPECT_NEAR(Calc.PermAxialLoad, 16875 * k * sc * 1.1 / 1000, 1e-3);
    EXPECT_EQ(Calc.CombinedReport[9], "  Combined Loading Equation = 0.373");
    EXPECT_NEAR(Calc.EI, 10800 * I / 1e9, 1e-3);

    // Wet, single: section x 1.02, E and bending x 0.8, shear x 0.9, compression x 0.6.
    member(4, false, true, false, "75", "225", "3");
    ASSERT_TRUE(press(cmd_CombClick, "2", "15"));
    EXPECT_EQ(Calc.SummaryLines[12], "  K1 = 1.02  (Wet)");
    EXPECT_EQ(Calc.SummaryLines[5], "  Ixx 7710 cm^4");
    EXPECT_EQ(Calc.SummaryLines[16], "  K2 (Axial Stress) = 0.60 (Wet)");
    EXPECT_EQ(Calc.BendingReport[15], "  Permissible E = 5760 N/mm^2");
    EXPECT_EQ(Calc.BendingReport[8], "    = 8.67 N/mm^2");
    EXPECT_EQ(Calc.BendingReport[19], "  Permissible Bending Moment = 5.82 kN-m");
    EXPECT_EQ(Calc.BendingReport[22], "  Permissible Shear Load = 15.7 kN");
    EXPECT_NEAR(Calc.PermMoment, 7.5 * 0.8 * 1.4 * K7 * I * std::pow(1.02, 3) / 112.5 / 1e6, 1e-5);

    // A stub of 4 mm does not buckle.
    member(1, false, false, false, "50", "150", "0.004");
    ASSERT_TRUE(press(cmd_AxialCapClick));
    EXPECT_EQ(Calc.AxialReport[14], "  K12 = 1.000");
    EXPECT_EQ(Calc.AxialReport[18], "  Permissible Axial Load = 71.40 kN");
}

TEST_F(TimberTest, InputsThatCannotBeUsedStopBeforeTheDialog) {
    Calc = TimberState{}; // no grade looked up yet
    Calc.Ctl.Option_Major = true;
    EXPECT_FALSE(cmd_BendCapClick());
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Click \"grade\" option button"});

    FormCreate();
    struct Case {
        const char *b, *h, *le, *message;
    };
    for (const Case& c :
         {Case{"0", "150", "2", "Enter value for width"}, Case{"-50", "150", "2", "Enter value for width"},
          Case{"50mm", "150", "2", "Enter value for width"}, Case{"50", "", "2", "Enter value for depth"},
          Case{"50", "-150", "2", "Enter value for depth"},
          Case{"50", "150", "0", "Enter value for effective length"},
          Case{"50", "150", "-2", "Enter value for effective length"}}) {
        for (bool (*button)() : {cmd_AxialCapClick, cmd_CombClick}) {
            dialogs_->clear();
            Model.CheckAbortFlag = 0;
            member(1, false, false, false, c.b, c.h, c.le);
            EXPECT_FALSE(button()) << c.b << " " << c.h << " " << c.le;
            EXPECT_EQ(Model.CheckAbortFlag, 1);
            EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{c.message});
        }
    }
    // Bending needs no length.
    member(1, false, false, false, "50", "150", "");
    dialogs_->clear();
    EXPECT_TRUE(cmd_BendCapClick());
    EXPECT_EQ(Model.CheckAbortFlag, 0);
    EXPECT_TRUE(dialogs_->messages().empty());
}

TEST_F(TimberTest, DialogModesKeepReportsAndShearFactor) {
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(cmd_BendCapClick());
    Duration::FormShow();
    EXPECT_TRUE(Dlg.BendingEnabled);
    EXPECT_FALSE(Dlg.AxialEnabled || Dlg.CombinedShown);
    EXPECT_TRUE(Dlg.OKAtPanel3);
    ASSERT_TRUE(cmd_AxialCapClick());
    Duration::FormShow();
    EXPECT_FALSE(Dlg.BendingEnabled || Dlg.CombinedShown || Dlg.OKAtPanel3);
    EXPECT_TRUE(Dlg.AxialEnabled);
    // The strut's Wall text differs from the bending group's.
    Dlg.AxialOption = 5;
    Duration::SetTimberK3Axial();
    EXPECT_EQ(Dlg.lbl_AxK3, "1.50");
    Duration::cmd_OKClick();
    EXPECT_EQ(Calc.AxialReport[4], "  K3 = 1.50  (Wall Formwork)");
    EXPECT_EQ(Calc.Ctl.lbl_K3ax, "1.50");
    EXPECT_TRUE(Calc.Ctl.lbl_K3b.empty());
    EXPECT_EQ(Model.TimberK3Axial, 1.5f);
    // Bending after the strut lists both; 1 Month takes K3 1.3 and still the shear factor.
    Dlg.BendingOption = 7;
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_EQ(Calc.BendingReport[4], "  K3 = 1.30  (1 Month)");
    EXPECT_TRUE(listed("  MAJOR AXIS BENDING"));
    EXPECT_TRUE(listed("  MAJOR AXIS AXIAL LOADING"));
    EXPECT_TRUE(Calc.Ctl.lbl_K3ax.empty());
    EXPECT_NEAR(Calc.PermShearStress, 0.67 * 1.3, 1e-6);
    EXPECT_EQ(Calc.BendingReport[12], "    = 1.31 N/mm^2"); // 0.67 x 1.3 x 1.5
    // A long-term duration (shown only from stored data) lists the shear as calculated.
    Dlg.BendingOption = 0;
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_EQ(Calc.BendingReport[11], "    = Grade Stress x K2 x K3 x K8");
    EXPECT_EQ(Calc.BendingReport[12], "    = 0.670 N/mm^2");
    // Changing an input clears every report.
    ClearTimberReports();
    EXPECT_TRUE(Calc.Ctl.List_Results.empty());
    EXPECT_TRUE(Calc.BendingReport[1].empty());
    EXPECT_EQ(Calc.BendingCounter, 1);
}

TEST_F(TimberTest, CombinedCheckPastTheEulerLoadFails) {
    // C16 50 x 150, 2 m, 200 kN: 1 - 1.5 x 26.7 x 0.7265 / 26.8 = -0.083.
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(press(cmd_CombClick, "0.4", "200"));
    EXPECT_EQ(Calc.CombinedReport[9], "  Combined Loading Equation = #####");
    EXPECT_EQ(Calc.CombinedReport[11], "  Combined Loading Too High");
    EXPECT_EQ(Calc.Ctl.List_Sum[8], "  Combined Loading Too High");
    EXPECT_TRUE(Calc.Ctl.List_SumRed);
    // Unchanged inputs stay red after a bending check; a changed input clears the verdict.
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_TRUE(Calc.Ctl.List_SumRed);
    ClearTimberReports();
    ASSERT_TRUE(press(cmd_BendCapClick));
    EXPECT_FALSE(Calc.Ctl.List_SumRed);
}

TEST_F(TimberTest, DialogRefusesNonNumbersAndCalculatesNothing) {
    member(1, false, false, false, "50", "150", "2");
    ASSERT_TRUE(cmd_CombClick());
    Duration::FormShow();
    Dlg.Edit_Mom = "0.5";
    Dlg.Edit_Axial = "10kN";
    try {
        Duration::cmd_OKClick();
        ADD_FAILURE() << "accepted";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'10kN' is not a valid floating point value");
    }
    EXPECT_TRUE(Calc.BendingReport[1].empty());
    EXPECT_TRUE(Calc.Ctl.List_Results.empty());
    Dlg.Edit_Axial = "";
    Duration::cmd_OKClick(); // empty reads 0: bending alone
    EXPECT_EQ(Calc.CombinedReport[6], "  Applied Compressive Load = 0.0 kN");
}

TEST_F(TimberTest, SeparatorKeepsTheLastClassUnderTheSharingChoice) {
    member(4, false, false, false, "75", "225", "3");
    Calc.Ctl.Combo_Grade = 9;
    GradeChange();
    EXPECT_EQ(Calc.Ctl.lbl_Eb, "7200");
    Calc.Ctl.Option_Single = false, Calc.Ctl.Option_Share = true;
    GradeChange();
    EXPECT_EQ(Calc.Ctl.lbl_Eb, "10800");
    EXPECT_EQ(Calc.Ctl.lbl_K8, "1.1");
    EXPECT_EQ(Calc.ClassName, "C24");
}

TEST_F(TimberTest, PrintedPageRowsAndColumns) {
    RecordingPrinter rec(600);
    Printer* previous = &printer();
    InstallPrinter(&rec);
    Print1Click(); // nothing calculated yet: nothing printed
    EXPECT_TRUE(rec.pages.empty());

    member(1, false, false, false, "50", "150", "2");
    Calc.Ctl.Edit_Title = "Soldier";
    ASSERT_TRUE(press(cmd_CombClick, "0.5", "10"));
    Print1Click();
    InstallPrinter(previous);
    ASSERT_EQ(rec.pages.size(), 1u);
    EXPECT_TRUE(rec.ended);

    // 600 dpi: 23.622 dots per mm; row k at 3.75 mm x k, columns at 15 and 115 mm.
    const auto at = [&rec](const std::string& text) {
        for (const auto& t : rec.pages[0]->texts())
            if (t.text == text) return std::pair{t.x1, t.y1};
        return std::pair{-1, -1};
    };
    EXPECT_EQ(at(" Soldier"), (std::pair{354, 974}));
    EXPECT_EQ(at("  K8 = 1.0  (Single)"), (std::pair{354, 2392}));
    EXPECT_EQ(at("  MAJOR AXIS AXIAL LOADING"), (std::pair{354, 3366}));
    EXPECT_EQ(at("  Permissible Axial Load = 51.87 kN").second, 4872); // row 55
    EXPECT_EQ(at("  MAJOR AXIS SUMMARY"), (std::pair{354, 5404}));
    EXPECT_EQ(at("  MAJOR AXIS BENDING"), (std::pair{2717, 974}));
    EXPECT_EQ(at("  MAJOR AXIS COMBINED LOADING CHECK"), (std::pair{2717, 3366}));
    EXPECT_EQ(at("  Combined Loading OK").first, 354); // the summary block's last line, row 69
    for (const auto& t : rec.pages[0]->texts()) {
        if (t.x1 == 354 || t.x1 == 2717) {
            EXPECT_EQ(t.fontSize, 9) << t.text;
        }
    }
}
